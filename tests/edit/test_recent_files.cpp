// The recent-files list: newest first, no duplicates, at most eight, kept across runs.

#include "edit/recent_files.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace morvaine;

class TestRecentFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(int i) const { return m_dir.filePath(QStringLiteral("plan%1.mrv").arg(i)); }

private slots:
    void newestFirstWithoutDuplicatesAndAtMostEight()
    {
        QSettings settings(m_dir.filePath("a.ini"), QSettings::IniFormat);
        RecentFiles recent(&settings);
        for (int i = 1; i <= 10; ++i)
            recent.add(path(i));
        recent.add(path(5)); // opened again: back to the top, not listed twice
        const QStringList files = recent.files();
        QCOMPARE(files.size(), RecentFiles::MaxFiles);
        QCOMPARE(files.first(), path(5));
        QCOMPARE(files.count(path(5)), 1);
        QCOMPARE(files[1], path(10));
        QVERIFY(!files.contains(path(1)) && !files.contains(path(2)));
        QVERIFY(files.contains(path(3)));

        recent.remove(path(10));
        QCOMPARE(recent.files()[1], path(9));
    }

    void keptAcrossRunsAsAbsolutePaths()
    {
        const QString ini = m_dir.filePath("b.ini");
        QDir::setCurrent(m_dir.path());
        {
            QSettings settings(ini, QSettings::IniFormat);
            RecentFiles(&settings).add(QStringLiteral("house.mrv"));
        }
        QSettings settings(ini, QSettings::IniFormat);
        QCOMPARE(RecentFiles(&settings).files(), QStringList{m_dir.filePath("house.mrv")});
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
