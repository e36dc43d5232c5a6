#pragma once
// Small helpers for reading back what a painter put into a QImage.

#include <QColor>
#include <QImage>
#include <QRect>

namespace morvaine {

/// A white-filled 32-bit image for painting into.
inline QImage BlankImage(int width, int height, const QColor &color = Qt::white)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline QColor PixelAt(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

/// Bounding box of the "ink" inside area: pixels darker than the given threshold in
/// every channel (glyphs drawn in black on light backgrounds).
inline QRect InkBox(const QImage &image, const QRect &area, int threshold = 128)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < threshold && qGreen(p) < threshold && qBlue(p) < threshold)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

/// Number of pixels outside area that differ from color.
inline int ChangedOutside(const QImage &image, const QRect &area, const QColor &color)
{
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!area.contains(x, y) && image.pixel(x, y) != color.rgb())
                ++changed;
    return changed;
}

} // namespace morvaine
