#include "views/canvas.h"

#include <QPainter>

#include <cstdlib>
#include <utility>
#include <vector>

namespace morvaine {

Canvas::Canvas(QPainter &painter) : m_painter(painter)
{
    if (m_painter.isActive()) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
}

void Canvas::fillRect(const QRect &rect)
{
    m_painter.fillRect(rect, m_brushColor);
    m_textBackground = m_brushColor;
}

void Canvas::moveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
}

void Canvas::lineTo(int x, int y)
{
    int x0 = m_penPos.x();
    int y0 = m_penPos.y();
    m_penPos = QPoint(x, y);
    // Straight lines are filled as one-pixel rectangles, which every paint engine
    // places exactly; the end point stays out either way.
    if (y0 == y) {
        if (x > x0)
            m_painter.fillRect(QRect(x0, y, x - x0, 1), m_penColor);
        else if (x < x0)
            m_painter.fillRect(QRect(x + 1, y, x0 - x, 1), m_penColor);
        return;
    }
    if (x0 == x) {
        if (y > y0)
            m_painter.fillRect(QRect(x, y0, 1, y - y0), m_penColor);
        else
            m_painter.fillRect(QRect(x, y + 1, 1, y0 - y), m_penColor);
        return;
    }
    // Any other slope: Bresenham's pixels from the start, the end point left out.
    const int dx = std::abs(x - x0);
    const int dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1;
    const int sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        m_painter.fillRect(QRect(x0, y0, 1, 1), m_penColor);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::setFontName(const QString &face)
{
    if (face != m_fontName) {
        m_fontName = face;
        m_fontValid = false;
    }
}

void Canvas::setFontHeight(int height)
{
    if (height != m_fontHeight || m_fontPoints != 0) {
        m_fontHeight = height;
        m_fontPoints = 0;
        m_fontValid = false;
    }
}

void Canvas::setFontSize(int points)
{
    if (points != m_fontPoints) {
        m_fontPoints = points;
        m_fontValid = false;
    }
}

void Canvas::setFontStyle(FontStyle style)
{
    if (style != m_fontStyle) {
        m_fontStyle = style;
        m_fontValid = false;
    }
}

namespace {

struct FontKey {
    QString face;
    int height;
    int points;
    bool bold;
    int dpi;
    bool operator==(const FontKey &) const = default;
};

QFont MakeFont(const FontKey &key, const QPaintDevice *device)
{
    QFont font(key.face);
    font.setBold(key.bold);
    if (key.points > 0) {
        font.setPointSize(key.points);
    } else if (key.height < 0) {
        // Qt's pixel size is the em height, which is the character height without
        // internal leading.
        font.setPixelSize(-key.height);
    } else if (key.height > 0) {
        // A positive height is the whole cell: scale the em height until the cell fits.
        font.setPixelSize(key.height);
        const int cell = QFontMetrics(font, device).height();
        if (cell > 0)
            font.setPixelSize(qMax(1, qRound(double(key.height) * key.height / cell)));
    }
    return font;
}

// Painters make a canvas per cell; a QFont made afresh each time would repeat the font
// database look-up for every cell, so resolved fonts are kept and shared.
const QFont &CachedFont(const FontKey &key, const QPaintDevice *device)
{
    thread_local std::vector<std::pair<FontKey, QFont>> cache;
    for (const auto &entry : cache)
        if (entry.first == key)
            return entry.second;
    if (cache.size() >= 32)
        cache.clear();
    cache.emplace_back(key, MakeFont(key, device));
    return cache.back().second;
}

} // namespace

void Canvas::resolveFont()
{
    if (m_fontValid)
        return;
    const QPaintDevice *device = m_painter.device();
    const FontKey key{m_fontName, m_fontHeight, m_fontPoints, m_fontStyle == FontStyle::Bold,
                      device ? device->logicalDpiY() : 0};
    m_font = CachedFont(key, device);
    m_metrics.emplace(m_font, device);
    m_fontValid = true;
    m_painterFontValid = false;
}

const QFont &Canvas::font()
{
    resolveFont();
    return m_font;
}

void Canvas::applyFont()
{
    resolveFont();
    if (!m_painterFontValid) {
        m_painter.setFont(m_font);
        m_painterFontValid = true;
    }
}

int Canvas::textWidth(const QString &text)
{
    resolveFont();
    return m_metrics->horizontalAdvance(text);
}

int Canvas::textHeight()
{
    resolveFont();
    return m_metrics->height();
}

void Canvas::drawGlyphs(int x, int y, const QString &text)
{
    applyFont();
    m_painter.setPen(m_fontColor);
    m_painter.drawText(QPoint(x, y + m_metrics->ascent()), text);
}

void Canvas::textOut(int x, int y, const QString &text)
{
    m_textBackground = m_brushColor;
    if (text.isEmpty())
        return;
    m_painter.fillRect(QRect(x, y, textWidth(text), textHeight()), m_brushColor);
    drawGlyphs(x, y, text);
}

void Canvas::textRect(const QRect &rect, const QString &text, TextAlign align)
{
    if (rect.isEmpty() || text.isEmpty())
        return;
    const int width = textWidth(text);
    const int x = align == TextAlign::Center ? rect.x() + (rect.width() - width) / 2 : rect.x();
    const QRect box(x, rect.y(), width, textHeight());
    m_painter.fillRect(box & rect, m_textBackground);
    if (rect.contains(box)) {
        drawGlyphs(x, rect.y(), text);
        return;
    }
    // Clipping costs a state save, so only text that runs over the edge pays for it.
    m_painter.save();
    m_painter.setClipRect(rect, Qt::IntersectClip);
    drawGlyphs(x, rect.y(), text);
    m_painter.restore();
}

void Canvas::draw(int x, int y, const QImage &picture)
{
    // Opaque: an alpha channel is dropped rather than blended.
    if (picture.hasAlphaChannel())
        m_painter.drawImage(QPoint(x, y), picture.convertToFormat(QImage::Format_RGB32));
    else
        m_painter.drawImage(QPoint(x, y), picture);
}

void Canvas::stretchDraw(const QRect &rect, const QImage &picture)
{
    if (picture.hasAlphaChannel())
        m_painter.drawImage(rect, picture.convertToFormat(QImage::Format_RGB32));
    else
        m_painter.drawImage(rect, picture);
}

Bitmap::Bitmap(int width, int height)
    : m_image(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32),
      m_painter(std::make_unique<QPainter>())
{
    m_image.fill(Qt::white);
    m_canvas = std::make_unique<Canvas>(*m_painter);
}

Bitmap::~Bitmap()
{
    m_canvas.reset();
    if (m_painter->isActive())
        m_painter->end();
}

Canvas &Bitmap::canvas()
{
    if (!m_painter->isActive() && !m_image.isNull()) {
        m_painter->begin(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_canvas->painterRestarted();
    }
    return *m_canvas;
}

const QImage &Bitmap::image()
{
    if (m_painter->isActive())
        m_painter->end();
    return m_image;
}

} // namespace morvaine
