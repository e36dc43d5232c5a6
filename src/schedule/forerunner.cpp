#include "forerunner.h"
#include "forerunner_scan.h"

#include "model/convert.h"

#include <QCoreApplication>

namespace morvaine {

namespace {

bool isBlank(QChar ch)
{
    return ch == QLatin1Char(' ');
}

bool isDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

bool isAsciiLetter(QChar ch)
{
    const char16_t c = ch.unicode() | 0x20; // lower case for ASCII letters
    return c >= u'a' && c <= u'z';
}

qsizetype skipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// A whole number of plain digits, up to nine of them; false otherwise.
bool readDigits(QStringView digits, int &value)
{
    if (digits.isEmpty() || digits.size() > 9)
        return false;
    int number = 0;
    for (QChar c : digits) {
        if (!isDigit(c))
            return false;
        number = number * 10 + (c.unicode() - u'0');
    }
    value = number;
    return true;
}

} // namespace

QString LinkTypeName(LinkType type)
{
    switch (type) {
    case LinkType::SS:
        return QStringLiteral("SS");
    case LinkType::FF:
        return QStringLiteral("FF");
    case LinkType::SF:
        return QStringLiteral("SF");
    case LinkType::FS:
        break;
    }
    return QStringLiteral("FS");
}

LinkItemKind ReadLinkItem(QStringView text, LinkItem &link, QString &why)
{
    link = LinkItem();
    if (readDigits(text, link.row))
        return LinkItemKind::Link;
    // Whatever reads as a number today stays a plain link ("+3", " 3 ").
    try {
        link.row = StrToInt(text.toString());
        return LinkItemKind::Link;
    } catch (const ConversionError &) {
    }

    qsizetype at = skipBlanks(text, 0);
    const qsizetype numberFrom = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    const QStringView number = text.mid(numberFrom, at - numberFrom);
    at = skipBlanks(text, at);
    // Only a task number followed by a type or a lag is a link of the new kinds; any
    // other text that is no number stays the conversion error it always was.
    const bool linkShaped =
        !number.isEmpty() && at < text.size() &&
        (isAsciiLetter(text[at]) || text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'));
    if (!linkShaped)
        return LinkItemKind::NotNumber;
    if (!readDigits(number, link.row)) {
        why = QCoreApplication::translate("Schedule", "The task number %1 is too large.")
                  .arg(number.toString());
        return LinkItemKind::Malformed;
    }

    if (isAsciiLetter(text[at])) {
        const qsizetype typeFrom = at;
        while (at < text.size() && isAsciiLetter(text[at]))
            ++at;
        const QString type = text.mid(typeFrom, at - typeFrom).toString().toUpper();
        if (type == QLatin1String("FS"))
            link.type = LinkType::FS;
        else if (type == QLatin1String("SS"))
            link.type = LinkType::SS;
        else if (type == QLatin1String("FF"))
            link.type = LinkType::FF;
        else if (type == QLatin1String("SF"))
            link.type = LinkType::SF;
        else {
            why = QCoreApplication::translate(
                      "Schedule", "'%1' is not a link type; the types are FS, SS, FF and SF.")
                      .arg(type);
            return LinkItemKind::Malformed;
        }
        at = skipBlanks(text, at);
        if (at == text.size())
            return LinkItemKind::Link;
    }

    const QChar sign = text[at];
    if (sign != QLatin1Char('+') && sign != QLatin1Char('-')) {
        why = QCoreApplication::translate("Schedule",
                                          "'%1' is no lag; a lag is +k or -k working days.")
                  .arg(text.mid(at).toString().trimmed());
        return LinkItemKind::Malformed;
    }
    const QStringView lag = text.mid(skipBlanks(text, at + 1)).trimmed();
    bool digitsOnly = !lag.isEmpty();
    for (QChar c : lag)
        digitsOnly = digitsOnly && isDigit(c);
    if (!digitsOnly) {
        why = QCoreApplication::translate("Schedule",
                                          "The lag '%1%2' is not a whole number of working days.")
                  .arg(sign)
                  .arg(lag.toString());
        return LinkItemKind::Malformed;
    }
    int days = 0;
    if (!readDigits(lag, days) || days > MaxLinkLag) {
        why = QCoreApplication::translate("Schedule", "The lag %1%2 is beyond %3 working days.")
                  .arg(sign)
                  .arg(lag.toString())
                  .arg(QChar(0x00B1) + QString::number(MaxLinkLag));
        return LinkItemKind::Malformed;
    }
    link.lag = sign == QLatin1Char('-') ? -days : days;
    return LinkItemKind::Link;
}

ParsedLinks ParseLinks(const QString &cell)
{
    ParsedLinks parsed;
    qsizetype from = 0;
    for (;;) {
        const qsizetype semicolon = cell.indexOf(QLatin1Char(';'), from);
        if (semicolon < 0)
            break;
        // An item is a blank, the link and the semicolon: the first character is
        // skipped whatever it is.
        const qsizetype first = qMin(from + 1, semicolon);
        const QStringView text = QStringView(cell).mid(first, semicolon - first);
        LinkItem link;
        QString why;
        switch (ReadLinkItem(text, link, why)) {
        case LinkItemKind::Link:
            parsed.links.append(link);
            break;
        case LinkItemKind::Malformed:
            parsed.malformed.append({text.toString().remove(QLatin1Char(' ')), why});
            break;
        case LinkItemKind::NotNumber:
            parsed.error =
                QCoreApplication::translate("Conversion", "'%1' is not a valid integer value")
                    .arg(text);
            return parsed;
        }
        from = semicolon + 1;
    }
    return parsed;
}

QString LinkItemText(const LinkItem &link)
{
    QString text = QString::number(link.row);
    if (link.type != LinkType::FS)
        text += LinkTypeName(link.type);
    if (link.lag > 0)
        text += QLatin1Char('+') + QString::number(link.lag);
    else if (link.lag < 0)
        text += QString::number(link.lag);
    return text;
}

QString CanonicalForerunnerList(const QString &typed, QList<LinkItemError> *malformed)
{
    QString text = typed.trimmed();
    bool digit = false;
    for (QChar ch : text)
        digit = digit || isDigit(ch);
    if (!digit)
        return QString();
    text.remove(QLatin1Char(' '));
    QStringList items;
    for (const QString &item : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        // A plain number keeps its text, as the list always kept it ("03" stays).
        int value = 0;
        if (readDigits(item, value)) {
            items << item;
            continue;
        }
        LinkItem link;
        QString why;
        switch (ReadLinkItem(item, link, why)) {
        case LinkItemKind::Link: {
            bool plain = false;
            try {
                StrToInt(item);
                plain = true;
            } catch (const ConversionError &) {
            }
            items << (plain ? item : LinkItemText(link));
            break;
        }
        case LinkItemKind::Malformed:
            items << item.toUpper();
            if (malformed)
                malformed->append({item.toUpper(), why});
            break;
        case LinkItemKind::NotNumber:
            items << item;
            break;
        }
    }
    // One blank after each ";", one in front, a closing ";".
    text = items.join(QLatin1Char(';'));
    text.replace(QLatin1Char(';'), QLatin1String("; "));
    text = QLatin1Char(' ') + text.trimmed();
    if (!text.endsWith(QLatin1Char(';')))
        text += QLatin1Char(';');
    return text;
}

bool IsForerunnerCharacter(QChar ch)
{
    switch (ch.unicode()) {
    case u' ':
    case u';':
    case u'+':
    case u'-':
    case u'F':
    case u'S':
    case u'f':
    case u's':
        return true;
    default:
        return isDigit(ch);
    }
}

QString MalformedLinkMessage(int successor, const LinkItemError &error)
{
    return QCoreApplication::translate(
               "Schedule", "Link error (Task #%1, item '%2')\n%3\nThis link will be ignored.")
        .arg(successor)
        .arg(error.item, error.why);
}

LinkItemKind ForerunnerItemLink(QStringView number, LinkItem &link, QString &error)
{
    QString why;
    const LinkItemKind kind = ReadLinkItem(number, link, why);
    if (kind == LinkItemKind::NotNumber)
        error = QCoreApplication::translate("Conversion", "'%1' is not a valid integer value")
                    .arg(number);
    return kind;
}

LinkItemKind ForerunnerItemValue(QStringView number, int &value, QString &error)
{
    LinkItem link;
    const LinkItemKind kind = ForerunnerItemLink(number, link, error);
    if (kind == LinkItemKind::Link)
        value = link.row;
    return kind;
}

ParsedForerunner ParseForerunner(const QString &text)
{
    ParsedForerunner parsed;
    ScanForerunner(
        text, [&](int row) { parsed.items.append(row); }, parsed.error);
    return parsed;
}

} // namespace morvaine
