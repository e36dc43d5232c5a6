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

class DateCodec {
public:
    DateCodec();
    /// StrToDate: throws ConversionError "'%s' is not a valid date".
    TDateTime read(const QString &text) const;
    /// Like read, without throwing; false for a text that is not a date.
    bool tryRead(const QString &text, TDateTime &day) const
    {
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
        char kind; // 'd', 'M', 'y', or 0 for a literal character
        int width; // 1 or 2 for d/M (1 = unpadded), 4 for y
        char16_t literal;
    };

private:
    bool fastRead(const QString &text, TDateTime &day) const;
    /// Writes the text of a date into out (at most 32 characters); its length.
    int fastWrite(int year, int month, int dayOfMonth, char16_t *out) const;
    QString format(qint64 day) const;
    const QString &writeNew(TDateTime day) const;
    bool slowRead(const QString &text, TDateTime &day) const;

    QString m_format;
    std::vector<Field> m_fields;
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
