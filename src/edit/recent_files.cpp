#include "edit/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace morvaine {

namespace {
const QString Key = QStringLiteral("recentFiles");

QSettings &userSettings()
{
    static QSettings settings(QStringLiteral("Morvaine"), QStringLiteral("Morvaine"));
    return settings;
}
} // namespace

RecentFiles::RecentFiles(QSettings *settings) : m_settings(settings ? settings : &userSettings()) {}

QStringList RecentFiles::files() const
{
    QStringList files = m_settings->value(Key).toStringList();
    files.removeAll(QString());
    return files.mid(0, MaxFiles);
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, MaxFiles));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    store(list);
}

void RecentFiles::store(const QStringList &files)
{
    m_settings->setValue(Key, files);
    m_settings->sync();
}

} // namespace morvaine
