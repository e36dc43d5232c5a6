#pragma once
// The one drawing surface of every painter. It wraps a QPainter, so the same painter code
// draws on the screen, a QImage, a printer or a PDF, and it fixes what each operation does
// down to the pixel: lines and fills are never antialiased, lines leave out their end
// point, and a negative font height is the character height without internal leading.
//
// Rectangles are QRects: a QRect(x, y, w, h) covers the columns x to x + w - 1 and the
// rows y to y + h - 1, so its exclusive right and bottom edges are x + w and y + h.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class QPainter;

namespace morvaine {

enum class TextAlign { Left, Center };
enum class FontStyle { Regular, Bold };

class Canvas {
public:
    /// Draws through an active painter; switches its antialiasing of lines and fills off.
    explicit Canvas(QPainter &painter);
    virtual ~Canvas() = default;
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    QPainter &painter() const { return m_painter; }

    /// Colour of fills and of the background behind text drawn at a point.
    void setBrushColor(const QColor &color) { m_brushColor = color; }
    QColor brushColor() const { return m_brushColor; }
    /// Paints the rectangle's pixels in the brush colour.
    virtual void fillRect(const QRect &rect);

    /// Colour of lines; the pen is always one pixel wide.
    void setPenColor(const QColor &color) { m_penColor = color; }
    QColor penColor() const { return m_penColor; }
    /// Sets the current point.
    virtual void moveTo(int x, int y);
    /// Draws from the current point up to, not including, (x, y), which becomes current.
    virtual void lineTo(int x, int y);
    QPoint penPos() const { return m_penPos; }

    /// Font face; "Microsoft Sans Serif" resolves through the start-up font substitution.
    void setFontName(const QString &face);
    /// Negative: the character height without internal leading is -height pixels.
    /// Positive: the whole character cell is height pixels high.
    void setFontHeight(int height);
    /// Font size in points of the device drawn on.
    void setFontSize(int points);
    void setFontStyle(FontStyle style);
    void setFontColor(const QColor &color) { m_fontColor = color; }
    QString fontName() const { return m_fontName; }
    int fontHeight() const { return m_fontHeight; }
    FontStyle fontStyle() const { return m_fontStyle; }
    QColor fontColor() const { return m_fontColor; }
    /// The QFont the settings above resolve to.
    const QFont &font();

    /// Width in pixels of the text in the current font.
    int textWidth(const QString &text);
    /// Height in pixels of a line of text in the current font (its character cell).
    int textHeight();
    /// One line of text whose character cell has its top-left corner at (x, y), not
    /// clipped, on a background of the brush colour.
    virtual void textOut(int x, int y, const QString &text);
    /// One line of text, top-aligned, centred or left-aligned in the rectangle, clipped to
    /// it, never wrapped. Behind the glyphs lies the brush colour of the most recent fill
    /// or text-at-point operation.
    virtual void textRect(const QRect &rect, const QString &text, TextAlign align);

    /// Copies the picture's pixels unchanged, opaque, with its top-left corner at (x, y).
    virtual void draw(int x, int y, const QImage &picture);
    /// Scales the picture to fill the rectangle.
    virtual void stretchDraw(const QRect &rect, const QImage &picture);

    /// Forgets what was set on the painter, after the painter was ended and begun again.
    void painterRestarted() { m_painterFontValid = false; }

private:
    void resolveFont();
    void applyFont();
    void drawGlyphs(int x, int y, const QString &text);

    QPainter &m_painter;
    QColor m_brushColor = Qt::white;
    QColor m_textBackground = Qt::white;
    QColor m_penColor = Qt::black;
    QPoint m_penPos;

    QString m_fontName = QStringLiteral("Microsoft Sans Serif");
    int m_fontHeight = -11;
    int m_fontPoints = 0; // > 0 when the size was given in points
    FontStyle m_fontStyle = FontStyle::Regular;
    QColor m_fontColor = Qt::black;

    bool m_fontValid = false;        // m_font and m_metrics match the settings
    bool m_painterFontValid = false; // the painter holds m_font
    QFont m_font;
    std::optional<QFontMetrics> m_metrics;
};

/// An off-screen picture of a given size with a canvas of its own, white when new.
class Bitmap {
public:
    Bitmap(int width, int height);
    ~Bitmap();
    Bitmap(const Bitmap &) = delete;
    Bitmap &operator=(const Bitmap &) = delete;

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    /// The canvas drawing on the picture; ask for it again after image(). It keeps its
    /// brush, pen and font settings across image() calls.
    Canvas &canvas();
    /// The picture with everything drawn so far.
    const QImage &image();

private:
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<Canvas> m_canvas;
};

} // namespace morvaine
