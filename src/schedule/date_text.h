#pragma once
// Fast date text conversion for the recalculation: numeric short date formats are
// read and written without QDate's format parser; every text it accepts is one the
// format itself writes, so results equal StrToDate and DateToStr.

#include "model/convert.h"

#include <QHash>
#include <QString>

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
    QString fastWrite(int year, int month, int dayOfMonth) const;

    QString m_format;
    QList<Field> m_fields;
    bool m_fast = false;
    mutable QHash<qint64, QString> m_written;
};

} // namespace morvaine
