#pragma once
// The program's pictures are SVG resources, drawn at the sizes the screen asks for
// so that they stay crisp at any scale.

#include <QIcon>
#include <QPixmap>

namespace morvaine {

/// Makes the bundled resources available; safe to call more than once.
void InitResources();

/// An icon drawn from an SVG resource (":/icons/new.svg").
QIcon SvgIcon(const QString &resource);

/// A picture of an SVG resource at a logical size, sharp on a screen of the ratio.
QPixmap SvgPixmap(const QString &resource, const QSize &size, qreal devicePixelRatio = 1.0);

} // namespace morvaine
