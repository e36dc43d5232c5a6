#pragma once
// Where a dialog places itself when it is shown.

#include <QWidget>

namespace morvaine {

/// Centres dialog over mainWindow when the dialog is both narrower and lower than it
/// (integer halves of the differences); otherwise leaves it where it is.
inline void CentreOverMainWindow(QWidget &dialog, const QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    const QRect main = mainWindow->frameGeometry();
    const QSize size = dialog.frameGeometry().size();
    if (size.width() < main.width() && size.height() < main.height())
        dialog.move(main.left() + (main.width() - size.width()) / 2,
                    main.top() + (main.height() - size.height()) / 2);
}

} // namespace morvaine
