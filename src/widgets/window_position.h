#pragma once
// Where windows place themselves when they are shown.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace morvaine {

/// The main window's place on a screen wider and taller than the window: centred,
/// 30 pixels higher than the middle. None when the window does not fit.
std::optional<QPoint> CentredOnScreen(const QRect &screen, const QSize &window);

/// A dialog's place over the main window when it is narrower and lower than it.
/// None when the dialog does not fit.
std::optional<QPoint> CentredOverMain(const QRect &main, const QSize &dialog);

} // namespace morvaine
