#include "manual_pdf.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

namespace morvaine {

namespace {

const char *const ManualFileName = "Morvaine_Manual.pdf";

// The manual's text; the pictures it names are built into the program beside it, and
// are shown no wider than 540 of the document's pixels (at 96 to the inch, about 14 cm).
class ManualDocument : public QTextDocument {
protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        const QString path = QStringLiteral(":/docs/") + name.path();
        if (type != ImageResource || !name.isRelative() || !QFileInfo(path).isFile())
            return QTextDocument::loadResource(type, name);
        QImage picture(path);
        picture.setDevicePixelRatio(qMax(1.0, picture.width() / 540.0));
        return picture;
    }
};

} // namespace

QString ManualMarkdown()
{
    QFile file(QStringLiteral(":/docs/manual.md"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool WriteManualPdf(const QString &markdown, const QString &pdfPath)
{
    if (markdown.isEmpty())
        return false;
    // Written beside its place and renamed over it, so a reader never sees half a file.
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Morvaine user manual"));
        writer.setCreator(QStringLiteral("Morvaine"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
        ManualDocument document;
        document.setMarkdown(markdown);
        QFont font = document.defaultFont();
        font.setPointSizeF(10.5);
        document.setDefaultFont(font);
        document.print(&writer);
    }
    // Flushed first: a write that fails in the buffer's last bytes would not stop the commit.
    return file.flush() && file.commit();
}

QString ManualPdfPath()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(MORVAINE_MANUAL_FROM_PROGRAM));
    if (QFileInfo(installed).isFile())
        return QDir::cleanPath(installed);
    const QString built = QStringLiteral(MORVAINE_BUILT_MANUAL);
    if (QFileInfo(built).isFile())
        return built;

    // A folder per manual text, so that a newer program never shows an older copy.
    const QString markdown = ManualMarkdown();
    const QString version = QString::fromLatin1(
        QCryptographicHash::hash(markdown.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                           QStringLiteral("/manual-") + version;
    const QString cached = folder + QLatin1Char('/') + QLatin1String(ManualFileName);
    if (QFileInfo(cached).isFile())
        return cached;
    if (!QDir().mkpath(folder) || !WriteManualPdf(markdown, cached))
        return QString();
    return cached;
}

} // namespace morvaine
