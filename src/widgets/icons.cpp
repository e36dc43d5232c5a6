#include "icons.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are registered by name, outside any namespace.
static void initMorvaineResources() { Q_INIT_RESOURCE(morvaine); }

namespace morvaine {

void InitResources()
{
    static const bool done = [] {
        initMorvaineResources();
        return true;
    }();
    Q_UNUSED(done);
}

QPixmap SvgPixmap(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    InitResources();
    QSvgRenderer renderer(resource);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon SvgIcon(const QString &resource)
{
    QIcon icon;
    for (const int side : {16, 24, 32, 36, 48, 64, 72, 96})
        icon.addPixmap(SvgPixmap(resource, QSize(side, side)));
    return icon;
}

} // namespace morvaine
