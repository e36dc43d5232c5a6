#pragma once
// The projects opened or saved last, newest first, kept in the user's settings so the
// File menu can offer them again after a restart.

#include <QString>
#include <QStringList>

class QSettings;

namespace morvaine {

class RecentFiles {
public:
    static constexpr int MaxFiles = 8;

    /// Keeps the list in settings; without settings, in the program's own user settings.
    explicit RecentFiles(QSettings *settings = nullptr);

    /// The full paths, newest first.
    QStringList files() const;
    /// Puts path (made absolute) first; the oldest beyond MaxFiles drop out.
    void add(const QString &path);
    /// Takes path off the list.
    void remove(const QString &path);

private:
    void store(const QStringList &files);

    QSettings *m_settings;
};

} // namespace morvaine
