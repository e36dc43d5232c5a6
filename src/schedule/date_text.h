#pragma once
// Fast date text conversion for the recalculation: numeric short date formats are
// read and written without QDate's format parser; every text it accepts is one the
// format itself writes, so results equal StrToDate and DateToStr.

#include "model/convert.h"

#include <QHash>
#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

namespace morvaine {

namespace dates {
// The day of the year each month starts on, and its length, outside leap years.
inline constexpr int MonthStart[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
inline constexpr int MonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// The day value of 1 January of each year a fast read accepts (1000-9999), times two,
// plus one in a leap year.
inline constexpr int FirstFastYear = 1000;
extern const qint32 *const YearStarts;
} // namespace dates

class DateCodec {
public:
    DateCodec();
    /// StrToDate: throws ConversionError "'%s' is not a valid date".
    TDateTime read(const QString &text) const;
    /// Like read, without throwing; false for a text that is not a date.
    bool tryRead(const QString &text, TDateTime &day) const
    {
        if (m_fixedLength > 0)
            return fixedRead(text, day) || slowRead(text, day);
        return (m_fast && fastRead(text, day)) || slowRead(text, day);
    }
    /// Whether every text write gives reads back as its own date (a numeric format).
    bool oneTextPerDate() const { return m_fast; }
    /// DateToStr. The reference stays valid while the codec lives.
    const QString &write(TDateTime day) const
    {
        // A date written before is one table look-up away.
        const qint64 slot = static_cast<qint64>(day) - m_storeFirst;
        if (static_cast<quint64>(slot) < static_cast<quint64>(m_storeDays)) {
            const QString *chunk = m_chunks[static_cast<std::size_t>(slot >> ChunkBits)].get();
            if (chunk && !chunk[slot & (ChunkDays - 1)].isNull())
                return chunk[slot & (ChunkDays - 1)];
        }
        return writeNew(day);
    }

    struct Field {
        char kind; // 'd', 'M', 'y', 'N' (month name), or 0 for a literal character
        int width; // 1 or 2 for d/M (1 = unpadded), 4 for y, 3 or 4 for N (MMM, MMMM)
        char16_t literal;
    };

private:
    /// A numeric format of varying width (d or M without a leading zero).
    bool fastRead(const QString &text, TDateTime &day) const;
    // A text of a fixed-width format (dd, MM, yyyy), read by position; inline, as a
    // recalculation reads every date of the table this way.
    bool fixedRead(const QString &text, TDateTime &day) const
    {
        if (text.size() != m_fixedLength)
            return false;
        const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
        for (int i = 0; i < m_literalCount; ++i)
            if (s[m_literalAt[i]] != m_literal[i])
                return false;
        const auto at = [s](int i) { return static_cast<unsigned>(s[i] - u'0'); };
        const unsigned d1 = at(m_dayAt), d2 = at(m_dayAt + 1);
        const unsigned m1 = at(m_monthAt), m2 = at(m_monthAt + 1);
        const unsigned y1 = at(m_yearAt), y2 = at(m_yearAt + 1), y3 = at(m_yearAt + 2),
                       y4 = at(m_yearAt + 3);
        if ((d1 > 9u) | (d2 > 9u) | (m1 > 9u) | (m2 > 9u) | (y1 > 9u) | (y2 > 9u) | (y3 > 9u) |
            (y4 > 9u))
            return false;
        const int d = static_cast<int>(d1 * 10 + d2), m = static_cast<int>(m1 * 10 + m2);
        const int y = static_cast<int>(y1 * 1000 + y2 * 100 + y3 * 10 + y4);
        if (y < dates::FirstFastYear || m < 1 || m > 12 || d < 1)
            return false;
        const qint32 start = dates::YearStarts[y - dates::FirstFastYear];
        const int leap = start & 1;
        if (d > dates::MonthDays[m - 1] + (m == 2 ? leap : 0))
            return false;
        day = static_cast<TDateTime>((start >> 1) + dates::MonthStart[m - 1] + (m > 2 ? leap : 0) +
                                     d - 1);
        return true;
    }
    /// Writes the text of a date into out (at most 32 characters); its length.
    int fastWrite(int year, int month, int dayOfMonth, char16_t *out) const;
    QString format(qint64 day) const;
    const QString &writeNew(TDateTime day) const;
    bool slowRead(const QString &text, TDateTime &day) const;

    QString m_format;
    std::vector<Field> m_fields;
    // The month names a format with MMM or MMMM writes, January first.
    QString m_monthNames[12];
    bool m_fast = false;
    // A format of fixed width (dd, MM, yyyy): where its fields start, and its
    // literal characters with their positions.
    int m_fixedLength = 0;
    int m_dayAt = 0, m_monthAt = 0, m_yearAt = 0;
    int m_literalCount = 0;
    int m_literalAt[20] = {};
    char16_t m_literal[20] = {};
    // The texts already written are kept per thread and format across codecs (a
    // recalculation follows every edit and writes the same few thousand dates each
    // time), in chunks of days allocated on first use; texts never move.
    static constexpr int ChunkBits = 10;
    static constexpr qint64 ChunkDays = qint64(1) << ChunkBits;
    std::unique_ptr<QString[]> *m_chunks = nullptr;
    qint64 m_storeFirst = 0, m_storeDays = 0;
    // Texts of dates outside the store; references to them stay valid.
    mutable std::unordered_map<qint64, QString> m_elsewhere;
    // Texts that Qt's parser read, with their day, or NaN for one that is no date.
    mutable QHash<QString, TDateTime> m_slowReads;
};

} // namespace morvaine
