// The German and Russian translations: complete for the texts the sources hold, with
// every placeholder, code and accelerator of the English text, and menus whose
// accelerators do not clash.

#include "app/command_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace morvaine;

namespace {

struct Message {
    QString context;
    QString source;
    QString type;      ///< "unfinished", "vanished", "obsolete" or empty
    QStringList forms; ///< the translation; one text, or the plural forms
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    bool plural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!plural) // plural forms follow as numerusform elements
                messages.last().forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().forms << xml.readElementText();
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList matches(const QRegularExpression &pattern, const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : pattern.globalMatch(text))
        found << m.captured();
    return sorted(found);
}

// The accelerator letter of a caption ('&' before it, "&&" is a plain '&'); none: null.
QChar accelerator(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

int acceleratorCount(const QString &text)
{
    QString t = text;
    t.remove(QStringLiteral("&&"));
    return int(t.count(QLatin1Char('&')));
}

QString tsPath(const QString &language)
{
    return QStringLiteral(MORVAINE_TS_DIR "/morvaine_%1.ts").arg(language);
}

// Two captions of one menu may not share an accelerator letter.
QString clash(const QStringList &captions)
{
    QHash<QChar, QString> seen;
    for (const QString &caption : captions) {
        const QChar key = accelerator(caption);
        if (key.isNull())
            continue;
        if (seen.contains(key))
            return seen.value(key) + QLatin1String(" / ") + caption;
        seen.insert(key, caption);
    }
    return {};
}

QString caption(const char *id)
{
    return QCoreApplication::translate("Commands", FindCommand(id)->caption);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void translationsHoldTheSourcesTexts_data();
    void translationsHoldTheSourcesTexts();
    void menusHaveNoAcceleratorClash_data();
    void menusHaveNoAcceleratorClash();
};

static void languages()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pluralForms");
    QTest::newRow("de") << "de" << 2;
    QTest::newRow("ru") << "ru" << 3;
}

void TestTranslations::everyTextIsTranslated_data()
{
    languages();
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QFETCH(int, pluralForms);
    const QList<Message> messages = readTs(tsPath(language));
    QVERIFY(messages.size() > 100);
    static const QRegularExpression placeholder(QStringLiteral("%(L?\\d+|n)"));
    // "Code #0005", "Code #%1", "Code #" before an appended code, "Task #%1": kept as written.
    static const QRegularExpression code(QStringLiteral("Code #(?:%\\d+|\\d{4}\\b)?|#%\\d+"));
    QStringList faults;
    for (const Message &m : messages) {
        const QString where = m.context + QLatin1String(": ") + m.source.left(60);
        if (!m.type.isEmpty()) {
            faults << m.type + QLatin1String(" - ") + where;
            continue;
        }
        const bool plural = m.source.contains(QLatin1String("%n"));
        if (m.forms.size() != (plural ? pluralForms : 1)) {
            faults << QLatin1String("forms - ") + where;
            continue;
        }
        for (const QString &form : m.forms) {
            if (form.trimmed().isEmpty())
                faults << QLatin1String("empty - ") + where;
            if (matches(placeholder, form) != matches(placeholder, m.source))
                faults << QLatin1String("placeholders - ") + where;
            if (matches(code, form) != matches(code, m.source))
                faults << QLatin1String("code - ") + where;
            if (acceleratorCount(form) != acceleratorCount(m.source))
                faults << QLatin1String("accelerator - ") + where;
            if (m.source.endsWith(QLatin1String("...")) != form.endsWith(QLatin1String("...")))
                faults << QLatin1String("dots - ") + where;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::translationsHoldTheSourcesTexts_data()
{
    languages();
}

// lupdate run over the sources today finds no text the translation lacks and keeps no
// text the sources dropped.
void TestTranslations::translationsHoldTheSourcesTexts()
{
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString updated = dir.filePath(QStringLiteral("updated_%1.ts").arg(language));
    QVERIFY(QFile::copy(tsPath(language), updated));
    QProcess lupdate;
    lupdate.start(QStringLiteral(MORVAINE_LUPDATE),
                  {QStringLiteral(MORVAINE_SOURCE_DIR), QStringLiteral("-ts"), updated,
                   QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-silent")});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    auto keys = [](const QList<Message> &messages) {
        QStringList list;
        for (const Message &m : messages)
            list << m.context + QLatin1Char('|') + m.source;
        return sorted(list);
    };
    const QList<Message> after = readTs(updated);
    QStringList unfinished;
    for (const Message &m : after)
        if (m.type == QLatin1String("unfinished"))
            unfinished << m.context + QLatin1String(": ") + m.source;
    QVERIFY2(unfinished.isEmpty(), qPrintable(QLatin1String("not translated (run make "
                                                            "translations):\n") +
                                              unfinished.join(QLatin1Char('\n'))));
    QCOMPARE(keys(readTs(tsPath(language))), keys(after));
}

void TestTranslations::menusHaveNoAcceleratorClash_data()
{
    languages();
}

void TestTranslations::menusHaveNoAcceleratorClash()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/morvaine_%1").arg(language)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QStringList titles;
    for (const MenuLayout &menu : MainMenuLayout()) {
        const QString title = QCoreApplication::translate("Commands", menu.title);
        QVERIFY2(title != QLatin1String(menu.title), menu.title);
        QVERIFY2(!accelerator(title).isNull(), qPrintable(title));
        titles << title;
        QStringList captions;
        for (const char *id : menu.items)
            if (FindCommand(id))
                captions << caption(id);
        QVERIFY2(clash(captions).isEmpty(), qPrintable(clash(captions)));
    }
    QVERIFY2(clash(titles).isEmpty(), qPrintable(clash(titles)));
    QStringList popup;
    for (const char *id : PopupMenuLayout())
        if (FindCommand(id))
            popup << caption(id);
    QVERIFY2(clash(popup).isEmpty(), qPrintable(clash(popup)));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
