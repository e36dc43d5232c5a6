#pragma once
// The real main window for widget tests, and keys typed into it as a user types them.

#include "app/main_window.h"
#include "model/project.h"

#include <QApplication>
#include <QTest>

#include <memory>

/// A window of type W shown, active and past its start-up work, on a project starting
/// Monday 6 May 2024; parameters as on the command line.
template <typename W = morvaine::MainWindow>
std::unique_ptr<W> startWindow(const QStringList &parameters = {})
{
    auto window = std::make_unique<W>(parameters);
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window not active");
    QTest::qWait(30);
    window->project().settings().setValue(morvaine::SettingsBlock::StartDate,
                                          QStringLiteral("06.05.2024"));
    return window;
}

/// Types text where the keyboard is, one key at a time: the grid repaints between keys.
inline void type(const QString &text)
{
    for (const QChar ch : text) {
        QTest::keyClicks(QApplication::focusWidget(), QString(ch));
        QTest::qWait(1);
    }
}

/// Presses one key where the keyboard is.
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}
