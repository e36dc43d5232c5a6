#pragma once
// The items of a Forerunner cell as links: a task number, a link type and a lag in
// working days. " 3;" is the finish-to-start link to task 3 (what every plain list holds);
// " 3SS+2;" starts two working days after task 3 starts, " 4FF-1;" ends a working day
// before task 4 ends, " 6SF;" ends no earlier than task 6 starts.

#include <QList>
#include <QString>
#include <QStringView>

namespace morvaine {

/// How a link binds its successor: finish-to-start (a bare number), start-to-start,
/// finish-to-finish, start-to-finish.
enum class LinkType : unsigned char { FS, SS, FF, SF };

/// The largest lag or lead, in working days.
inline constexpr int MaxLinkLag = 999;

/// One link of a Forerunner list: the predecessor's row, the type and the lag (a negative
/// lag is a lead).
struct LinkItem {
    int row = 0;
    LinkType type = LinkType::FS;
    int lag = 0;
    friend bool operator==(const LinkItem &, const LinkItem &) = default;
};

/// "FS", "SS", "FF" or "SF".
QString LinkTypeName(LinkType type);

/// How one item's text read.
enum class LinkItemKind {
    Link,      // a link
    Malformed, // a task number followed by something that is no type or lag
    NotNumber, // no task number: the conversion error of a plain list
};

/// Reads one item's text (what stands between the item's first character and its ";"):
/// a whole number as StrToInt reads it is a finish-to-start link without lag; otherwise
/// a task number, then optionally a type (any case) and a lag "+k" or "-k", with blanks
/// allowed around the parts. For a Malformed item, why says what is wrong.
LinkItemKind ReadLinkItem(QStringView text, LinkItem &link, QString &why);

/// A malformed item of a list, as typed (blanks removed), and why it is no link.
struct LinkItemError {
    QString item;
    QString why;
};

/// The links of a Forerunner cell, read as every reader reads a list: from each item's
/// second character to its ";". Malformed items are left out and listed in malformed;
/// an item without a task number stops the reading with its conversion message in error.
struct ParsedLinks {
    QList<LinkItem> links;
    QList<LinkItemError> malformed;
    QString error;
};
ParsedLinks ParseLinks(const QString &cell);

/// The canonical text of one item without its blank and ";": the row, then the type
/// unless it is FS, then the lag with its sign unless it is 0 ("3", "3SS+2", "5-1").
QString LinkItemText(const LinkItem &link);

/// Brings typed Forerunner text into the list form: items split at ";", blanks removed,
/// readable links written canonically (" 3SS+2;"), malformed items kept upper-cased
/// without blanks, empty items dropped. A text without any digit gives the empty text.
/// Plain numbers come out exactly as the list normalisation always wrote them.
QString CanonicalForerunnerList(const QString &typed, QList<LinkItemError> *malformed = nullptr);

/// Whether a character may be typed into a Forerunner cell: digits, blanks, ";", the
/// letters of the link types in either case, and the signs of a lag.
bool IsForerunnerCharacter(QChar ch);

/// The message of a malformed item of successor's list: which item and why, and that the
/// link is ignored, in the form of the link error message.
QString MalformedLinkMessage(int successor, const LinkItemError &error);

} // namespace morvaine
