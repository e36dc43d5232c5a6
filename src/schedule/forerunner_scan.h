#pragma once
// Reading the items of a Forerunner text (" 3; 5;") as row numbers, fast.

#include "forerunner.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <type_traits>

namespace morvaine {

/// The predecessor rows of a Forerunner text up to the first item that has no task
/// number; malformed items (a bad type or lag) are passed over.
struct ParsedForerunner {
    QList<int> items;
    QString error; // the conversion message of the bad item
};
ParsedForerunner ParseForerunner(const QString &text);

/// The predecessor row of a Forerunner item that is not plain digits (ReadLinkItem):
/// NotNumber with the conversion message in error when it has no task number.
LinkItemKind ForerunnerItemValue(QStringView number, int &value, QString &error);
/// The same, with the link's type and lag.
LinkItemKind ForerunnerItemLink(QStringView number, LinkItem &link, QString &error);

/// Calls item(row), or item(row, type, lag) when it takes them, for each link of a Forerunner text,
/// in order, without building a list; malformed items are passed over. Stops at the first item that
/// has no task number and returns false, its conversion message in error.
template <typename Item> bool ScanForerunner(const QString &text, Item &&item, QString &error)
{
    const char16_t *const begin = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = begin + text.size();
    const char16_t *from = begin;
    for (;;) {
        const char16_t *semicolon = from;
        while (semicolon != end && *semicolon != u';')
            ++semicolon;
        if (semicolon == end)
            return true;
        // An item is a blank, the number and the semicolon: the first character is
        // skipped whatever it is.
        const char16_t *const first = semicolon - from >= 1 ? from + 1 : semicolon;
        int value = 0;
        bool digits = first != semicolon && semicolon - first <= 9;
        for (const char16_t *c = first; digits && c != semicolon; ++c) {
            if (static_cast<unsigned>(*c - u'0') > 9u)
                digits = false;
            else
                value = value * 10 + (*c - u'0');
        }
        constexpr bool typed = std::is_invocable_v<Item, int, LinkType, int>;
        if (!digits) {
            LinkItem link;
            switch (ForerunnerItemLink(QStringView(first, semicolon - first), link, error)) {
            case LinkItemKind::Link:
                if constexpr (typed)
                    item(link.row, link.type, link.lag);
                else
                    item(link.row);
                break;
            case LinkItemKind::Malformed:
                break;
            case LinkItemKind::NotNumber:
                return false;
            }
        } else if constexpr (typed) {
            item(value, LinkType::FS, 0);
        } else {
            item(value);
        }
        from = semicolon + 1;
    }
}

} // namespace morvaine
