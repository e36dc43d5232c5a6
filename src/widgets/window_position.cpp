#include "window_position.h"

namespace morvaine {

std::optional<QPoint> CentredOnScreen(const QRect &screen, const QSize &window)
{
    if (screen.width() <= window.width() || screen.height() <= window.height())
        return std::nullopt;
    // Integer division rounds toward zero, as the halves must.
    return screen.topLeft() + QPoint((screen.width() - window.width()) / 2,
                                     (screen.height() - window.height() - 30) / 2);
}

std::optional<QPoint> CentredOverMain(const QRect &main, const QSize &dialog)
{
    if (dialog.width() >= main.width() || dialog.height() >= main.height())
        return std::nullopt;
    return main.topLeft() +
           QPoint((main.width() - dialog.width()) / 2, (main.height() - dialog.height()) / 2);
}

} // namespace morvaine
