#pragma once
// Reading the items of a Forerunner text (" 3; 5;") as row numbers.

#include <QList>
#include <QString>
#include <QStringView>

namespace morvaine {

/// The items of a Forerunner text up to the first one that is not a number.
struct ParsedForerunner {
    QList<int> items;
    QString error; // the conversion message of the bad item
};
ParsedForerunner ParseForerunner(const QString &text);

/// The value of a Forerunner item that is not plain digits (StrToInt); false with the
/// conversion message when it is no number.
bool ForerunnerItemValue(QStringView number, int &value, QString &error);

/// Calls item(row) for each item of a Forerunner text, in order, without building a
/// list; stops at the first item that is not a number and returns false, its
/// conversion message in error.
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
        if (!digits && !ForerunnerItemValue(QStringView(first, semicolon - first), value, error))
            return false;
        item(value);
        from = semicolon + 1;
    }
}

} // namespace morvaine
