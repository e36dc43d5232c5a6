#pragma once
// A Canvas that records every text it is asked to draw, with the font in force, and
// still draws through its painter.

#include "views/canvas.h"

#include <QList>

namespace morvaine {

struct DrawnText {
    enum Kind { AtPoint, InRect } kind;
    QPoint point;    // AtPoint: top-left of the character cell
    QRect rect;      // InRect: the rectangle
    TextAlign align; // InRect only
    QString text;
    int fontHeight;
    FontStyle style;
    QString fontName;
};

class RecordingCanvas : public Canvas {
public:
    using Canvas::Canvas;

    QList<DrawnText> texts;

    void textOut(int x, int y, const QString &text) override
    {
        texts.append({DrawnText::AtPoint, QPoint(x, y), QRect(), TextAlign::Left, text,
                      fontHeight(), fontStyle(), fontName()});
        Canvas::textOut(x, y, text);
    }
    void textRect(const QRect &rect, const QString &text, TextAlign align) override
    {
        texts.append({DrawnText::InRect, QPoint(), rect, align, text, fontHeight(), fontStyle(),
                      fontName()});
        Canvas::textRect(rect, text, align);
    }
};

} // namespace morvaine
