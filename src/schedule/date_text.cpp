#include "date_text.h"

#include <QDate>

#include <algorithm>

namespace morvaine {

namespace {

// Proleptic Gregorian calendar arithmetic over day numbers since 1 January 1970.
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(qint64 z, int &y, int &m, int &d)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

constexpr qint64 EpochFrom1970 = -25569; // 30 December 1899

bool validDate(int y, int m, int d)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

} // namespace

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
    if (!(seen[0] && seen[1] && seen[2]) || m_format.size() > 20)
        m_fast = false;
}

bool DateCodec::fastRead(const QString &text, TDateTime &day) const
{
    // Strict widths: dd, MM and yyyy take exactly their digits, d and M one or two
    // without a leading zero, so only the text the format writes is accepted.
    int y = 0, m = 0, d = 0;
    int pos = 0;
    const int size = static_cast<int>(text.size());
    const QChar *s = text.constData();
    auto digit = [&](int at) {
        return at < size && s[at].unicode() >= '0' && s[at].unicode() <= '9';
    };
    for (const Field &f : m_fields) {
        if (f.kind == 0) {
            if (pos >= size || s[pos] != f.literal)
                return false;
            ++pos;
            continue;
        }
        int digits = f.kind == 'y' ? 4 : f.width;
        if (f.width == 1 && f.kind != 'y' && digit(pos) && digit(pos + 1))
            digits = 2;
        int value = 0;
        for (int i = 0; i < digits; ++i) {
            if (!digit(pos))
                return false;
            value = value * 10 + (s[pos++].unicode() - '0');
        }
        if (f.width == 1 && f.kind != 'y' && digits == 2 && value < 10)
            return false; // a leading zero the format does not write
        if (f.kind == 'y')
            y = value;
        else if (f.kind == 'M')
            m = value;
        else
            d = value;
    }
    if (pos != size || y < 1000 || y > 9999 || !validDate(y, m, d))
        return false;
    day = static_cast<TDateTime>(daysFromCivil(y, m, d) - EpochFrom1970);
    return true;
}

int DateCodec::fastWrite(int year, int month, int dayOfMonth, char16_t *out) const
{
    int n = 0;
    auto number = [&](int value, int width) {
        if (width == 4) {
            out[n++] = char16_t('0' + value / 1000);
            out[n++] = char16_t('0' + value / 100 % 10);
            out[n++] = char16_t('0' + value / 10 % 10);
            out[n++] = char16_t('0' + value % 10);
            return;
        }
        if (width == 2 || value >= 10)
            out[n++] = char16_t('0' + value / 10);
        out[n++] = char16_t('0' + value % 10);
    };
    for (const Field &f : m_fields) {
        if (f.kind == 0)
            out[n++] = f.literal.unicode();
        else if (f.kind == 'y')
            number(year, 4);
        else if (f.kind == 'M')
            number(month, f.width);
        else
            number(dayOfMonth, f.width);
    }
    return n;
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
    if (m_written.empty())
        m_firstDay = number - 4096;
    const qint64 slot = number - m_firstDay;
    if (slot >= 0 && slot < (1 << 22)) {
        if (static_cast<std::size_t>(slot) >= m_written.size())
            m_written.resize(std::max(m_written.size() * 2, static_cast<std::size_t>(slot) + 1));
        QString &text = m_written[static_cast<std::size_t>(slot)];
        if (text.isNull()) {
            int y = 0, m = 0, d = 0;
            civilFromDays(number + EpochFrom1970, y, m, d);
            if (m_fast && y >= 1000 && y <= 9999) {
                char16_t buffer[32];
                const int length = fastWrite(y, m, d, buffer);
                text = QString(reinterpret_cast<const QChar *>(buffer), length);
            } else {
                text = DateToStr(day);
            }
        }
        return text;
    }
    auto it = m_writtenElsewhere.constFind(number);
    if (it != m_writtenElsewhere.constEnd())
        return *it;
    const QString text = DateToStr(day);
    m_writtenElsewhere.insert(number, text);
    return text;
}

} // namespace morvaine
