#pragma once
// Fast date text conversion for the recalculation: numeric short date formats are
// read and written without QDate's format parser; every text it accepts is one the
// format itself writes, so results equal StrToDate and DateToStr.

#include "model/convert.h"

#include <QHash>
#include <QString>

#include <vector>

namespace morvaine {

class DateCodec {
public:
    DateCodec();
    /// StrToDate: throws ConversionError "'%s' is not a valid date".
    TDateTime read(const QString &text) const;
    /// Like read, without throwing; false for a text that is not a date.
    bool tryRead(const QString &text, TDateTime &day) const;
    /// DateToStr.
    QString write(TDateTime day) const;

private:
    struct Field {
        char kind; // 'd', 'M', 'y', or 0 for a literal character
        int width; // 1 or 2 for d/M (1 = unpadded), 4 for y
        QChar literal;
    };
    bool fastRead(const QString &text, TDateTime &day) const;
    /// Writes the text of a date into out (at most 32 characters); its length.
    int fastWrite(int year, int month, int dayOfMonth, char16_t *out) const;

    QString m_format;
    QList<Field> m_fields;
    bool m_fast = false;
    // Texts already written, by day number from m_firstDay: a recalculation writes
    // the same few thousand dates over and over.
    mutable std::vector<QString> m_written;
    mutable qint64 m_firstDay = 0;
    mutable QHash<qint64, QString> m_writtenElsewhere;
};

} // namespace morvaine
