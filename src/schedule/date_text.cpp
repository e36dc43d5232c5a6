#include "date_text.h"

#include <QDate>

namespace morvaine {

namespace {
constexpr qint64 EpochJulianDay = 2415019; // 30 December 1899
}

DateCodec::DateCodec() : m_format(ShortDateFormat())
{
    // Only formats made of d, dd, M, MM, yyyy and single non-letter separators go the
    // fast way; anything else (month names, quotes) uses Qt's own conversion.
    m_fast = true;
    bool seen[3] = {false, false, false};
    for (int i = 0; i < m_format.size();) {
        const QChar c = m_format.at(i);
        int run = 1;
        while (i + run < m_format.size() && m_format.at(i + run) == c)
            ++run;
        if (c == QLatin1Char('d') || c == QLatin1Char('M')) {
            if (run > 2) {
                m_fast = false;
                break;
            }
            const int slot = c == QLatin1Char('d') ? 0 : 1;
            if (seen[slot])
                m_fast = false;
            seen[slot] = true;
            m_fields.append({c.toLatin1(), run, QChar()});
        } else if (c == QLatin1Char('y')) {
            if (run != 4 || seen[2])
                m_fast = false;
            seen[2] = true;
            m_fields.append({'y', 4, QChar()});
        } else if (c.isLetter() || c == QLatin1Char('\'')) {
            m_fast = false;
            break;
        } else {
            for (int k = 0; k < run; ++k)
                m_fields.append({0, 1, c});
        }
        i += run;
    }
    if (!(seen[0] && seen[1] && seen[2]))
        m_fast = false;
}

bool DateCodec::fastRead(const QString &text, TDateTime &day) const
{
    int y = 0, m = 0, d = 0;
    int pos = 0;
    const int size = text.size();
    const QChar *s = text.constData();
    for (const Field &f : m_fields) {
        if (f.kind == 0) {
            if (pos >= size || s[pos] != f.literal)
                return false;
            ++pos;
            continue;
        }
        const int maxDigits = f.kind == 'y' ? 4 : 2;
        int digits = 0, value = 0;
        while (digits < maxDigits && pos < size && s[pos].unicode() >= '0' &&
               s[pos].unicode() <= '9') {
            value = value * 10 + (s[pos].unicode() - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0)
            return false;
        if (f.kind == 'y')
            y = value;
        else if (f.kind == 'M')
            m = value;
        else
            d = value;
    }
    if (pos != size || y < 1000 || y > 9999)
        return false;
    const QDate date(y, m, d);
    if (!date.isValid())
        return false;
    // Accept only the very text the format writes for this date.
    if (fastWrite(y, m, d) != text)
        return false;
    day = static_cast<TDateTime>(date.toJulianDay() - EpochJulianDay);
    return true;
}

QString DateCodec::fastWrite(int year, int month, int dayOfMonth) const
{
    QString out;
    out.reserve(12);
    auto number = [&out](int value, int width) {
        if (width == 4) {
            out += QLatin1Char(char('0' + value / 1000));
            out += QLatin1Char(char('0' + value / 100 % 10));
            out += QLatin1Char(char('0' + value / 10 % 10));
            out += QLatin1Char(char('0' + value % 10));
            return;
        }
        if (width == 2 || value >= 10)
            out += QLatin1Char(char('0' + value / 10));
        out += QLatin1Char(char('0' + value % 10));
    };
    for (const Field &f : m_fields) {
        if (f.kind == 0)
            out += f.literal;
        else if (f.kind == 'y')
            number(year, 4);
        else if (f.kind == 'M')
            number(month, f.width);
        else
            number(dayOfMonth, f.width);
    }
    return out;
}

bool DateCodec::tryRead(const QString &text, TDateTime &day) const
{
    if (m_fast && fastRead(text, day))
        return true;
    try {
        day = StrToDate(text);
        return true;
    } catch (const ConversionError &) {
        return false;
    }
}

TDateTime DateCodec::read(const QString &text) const
{
    TDateTime day = 0;
    if (m_fast && fastRead(text, day))
        return day;
    return StrToDate(text);
}

QString DateCodec::write(TDateTime day) const
{
    const qint64 number = static_cast<qint64>(day);
    if (m_fast) {
        const QDate date = QDate::fromJulianDay(number + EpochJulianDay);
        int y = 0, m = 0, d = 0;
        date.getDate(&y, &m, &d);
        if (y >= 1000 && y <= 9999)
            return fastWrite(y, m, d);
    }
    auto it = m_written.constFind(number);
    if (it != m_written.constEnd())
        return *it;
    const QString text = DateToStr(day);
    m_written.insert(number, text);
    return text;
}

} // namespace morvaine
