#include "date_text.h"

#include <QDate>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <mutex>

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

// The day value of a checked date of a year from 1 on, by whole years and a table of
// month starts (the general formula above divides more).
using dates::MonthStart;

constexpr qint64 daysFromYearOne(int y, int m, int d, bool leap)
{
    const qint64 before = y - 1;
    return before * 365 + before / 4 - before / 100 + before / 400 + MonthStart[m - 1] +
           (m > 2 && leap ? 1 : 0) + d - 1;
}

constexpr qint64 EpochFromYearOne = daysFromYearOne(1899, 12, 30, false);
static_assert(daysFromYearOne(1970, 1, 1, false) - EpochFromYearOne == -EpochFrom1970);

using dates::FirstFastYear;
constexpr std::array<qint32, 9000> YearStartTable = [] {
    std::array<qint32, 9000> starts{};
    for (int i = 0; i < 9000; ++i) {
        const int y = FirstFastYear + i;
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        starts[static_cast<std::size_t>(i)] =
            static_cast<qint32>((daysFromYearOne(y, 1, 1, leap) - EpochFromYearOne) * 2 + leap);
    }
    return starts;
}();
static_assert(daysFromYearOne(2000, 3, 1, true) - daysFromYearOne(2000, 2, 28, true) == 2);

bool validDate(int y, int m, int d)
{
    if (m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= dates::MonthDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

// Texts written in one date format, by day from the first readable one.
using WrittenStore = std::vector<std::unique_ptr<QString[]>>;

// A copy of the text whose characters live as long as the program. Copies of it share
// the characters without counting references, so that writing a date into a cell and
// overwriting it later cost no atomic operation. There are at most a few texts per day
// of the calendar, each written once.
QString lasting(const QString &text)
{
    struct Block {
        std::unique_ptr<QChar[]> chars;
        qsizetype used;
    };
    static constexpr qsizetype BlockSize = 16384;
    static std::mutex lock;
    static auto *blocks = new std::vector<Block>; // never freed: texts point into them
    const qsizetype length = text.size() + 1;     // with the terminating null
    const std::lock_guard<std::mutex> guard(lock);
    if (blocks->empty() || blocks->back().used + length > BlockSize)
        blocks->push_back({std::make_unique<QChar[]>(std::max(BlockSize, length)), 0});
    Block &block = blocks->back();
    QChar *chars = block.chars.get() + block.used;
    std::copy(text.constData(), text.constData() + length, chars);
    block.used += length;
    return QString::fromRawData(chars, text.size());
}

WrittenStore &writtenStore(const QString &format)
{
    thread_local std::unordered_map<QString, WrittenStore> stores;
    return stores[format];
}

} // namespace

const qint32 *const dates::YearStarts = YearStartTable.data();

DateCodec::DateCodec() : m_format(ShortDateFormat())
{
    // Only formats made of d, dd, M, MM, MMM, MMMM, yyyy and non-letter separators go
    // the fast way; anything else (day names, quotes) uses Qt's own conversion.
    m_fast = true;
    bool seen[3] = {false, false, false};
    for (int i = 0; i < m_format.size();) {
        const QChar c = m_format.at(i);
        int run = 1;
        while (i + run < m_format.size() && m_format.at(i + run) == c)
            ++run;
        if (c == QLatin1Char('M') && (run == 3 || run == 4)) {
            // Month names as Qt writes them for this format (they do not follow the
            // system's language), read back by exact comparison.
            if (seen[1])
                m_fast = false;
            seen[1] = true;
            const QString name = QString(run, QLatin1Char('M'));
            for (int m = 0; m < 12; ++m) {
                m_monthNames[m] = QDate(2001, m + 1, 1).toString(name);
                if (m_monthNames[m].isEmpty() || m_monthNames[m].size() > 10)
                    m_fast = false;
            }
            m_fields.push_back({'N', run, 0});
        } else if (c == QLatin1Char('d') || c == QLatin1Char('M')) {
            if (run > 2) {
                m_fast = false;
                break;
            }
            const int slot = c == QLatin1Char('d') ? 0 : 1;
            if (seen[slot])
                m_fast = false;
            seen[slot] = true;
            m_fields.push_back({c.toLatin1(), run, 0});
        } else if (c == QLatin1Char('y')) {
            if (run != 4 || seen[2])
                m_fast = false;
            seen[2] = true;
            m_fields.push_back({'y', 4, 0});
        } else if (c.isLetter() || c == QLatin1Char('\'')) {
            m_fast = false;
            break;
        } else {
            for (int k = 0; k < run; ++k)
                m_fields.push_back({0, 1, c.unicode()});
        }
        i += run;
    }
    if (!(seen[0] && seen[1] && seen[2]) || m_format.size() > 20)
        m_fast = false;
    if (m_fast) {
        int length = 0;
        for (const Field &f : m_fields) {
            if (f.kind != 0) {
                if (f.width == 1 || f.kind == 'N') {
                    length = 0;
                    break;
                }
                (f.kind == 'd' ? m_dayAt : f.kind == 'M' ? m_monthAt : m_yearAt) = length;
                length += f.width;
            } else {
                m_literalAt[m_literalCount] = length;
                m_literal[m_literalCount++] = f.literal;
                ++length;
            }
        }
        m_fixedLength = length;
    }

    m_storeFirst = static_cast<qint64>(MinDateValue());
    m_storeDays = static_cast<qint64>(MaxDateValue()) - m_storeFirst + 1;
    WrittenStore &store = writtenStore(m_format);
    if (store.empty())
        store.resize(static_cast<std::size_t>((m_storeDays + ChunkDays - 1) >> ChunkBits));
    m_chunks = store.data();
}

bool DateCodec::fastRead(const QString &text, TDateTime &day) const
{
    // Strict widths: dd, MM and yyyy take exactly their digits, d and M one or two
    // without a leading zero, so only the text the format writes is accepted.
    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = s + text.size();
    auto digit = [](char16_t c) { return static_cast<unsigned>(c - u'0') <= 9u; };
    int values[3] = {0, 0, 0}; // day, month, year
    for (const Field &f : m_fields) {
        if (f.kind == 0) {
            if (s == end || *s != f.literal)
                return false;
            ++s;
            continue;
        }
        if (f.kind == 'N') {
            int month = 0;
            for (int m = 0; m < 12 && !month; ++m) {
                const QString &name = m_monthNames[m];
                if (end - s >= name.size() &&
                    std::equal(name.begin(), name.end(), reinterpret_cast<const QChar *>(s)))
                    month = m + 1;
            }
            if (!month)
                return false;
            s += m_monthNames[month - 1].size();
            values[1] = month;
            continue;
        }
        int value = 0;
        if (f.kind == 'y') {
            if (end - s < 4 || !digit(s[0]) || !digit(s[1]) || !digit(s[2]) || !digit(s[3]))
                return false;
            value = (s[0] - u'0') * 1000 + (s[1] - u'0') * 100 + (s[2] - u'0') * 10 + (s[3] - u'0');
            s += 4;
            values[2] = value;
            continue;
        }
        if (s == end || !digit(*s))
            return false;
        value = *s++ - u'0';
        if (f.width == 2) {
            if (s == end || !digit(*s))
                return false;
            value = value * 10 + (*s++ - u'0');
        } else if (s != end && digit(*s)) {
            if (value == 0)
                return false; // a leading zero the format does not write
            value = value * 10 + (*s++ - u'0');
        }
        values[f.kind == 'd' ? 0 : 1] = value;
    }
    const int y = values[2], m = values[1], d = values[0];
    if (s != end || y < 1000 || !validDate(y, m, d))
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
            out[n++] = f.literal;
        else if (f.kind == 'N')
            for (const QChar c : m_monthNames[month - 1])
                out[n++] = c.unicode();
        else if (f.kind == 'y')
            number(year, 4);
        else if (f.kind == 'M')
            number(month, f.width);
        else
            number(dayOfMonth, f.width);
    }
    return n;
}

bool DateCodec::slowRead(const QString &text, TDateTime &day) const
{
    // Qt's parser is slow and a project holds the same dates in many cells.
    auto it = m_slowReads.constFind(text);
    if (it == m_slowReads.constEnd()) {
        TDateTime value = std::numeric_limits<TDateTime>::quiet_NaN();
        try {
            value = StrToDate(text);
        } catch (const ConversionError &) {
        }
        it = m_slowReads.insert(text, value);
    }
    if (std::isnan(*it))
        return false;
    day = *it;
    return true;
}

TDateTime DateCodec::read(const QString &text) const
{
    TDateTime day = 0;
    if (tryRead(text, day))
        return day;
    return StrToDate(text); // throws
}

QString DateCodec::format(qint64 day) const
{
    int y = 0, m = 0, d = 0;
    civilFromDays(day + EpochFrom1970, y, m, d);
    if (m_fast && y >= 1000 && y <= 9999) {
        char16_t buffer[32];
        const int length = fastWrite(y, m, d, buffer);
        return QString(reinterpret_cast<const QChar *>(buffer), length);
    }
    return DateToStr(static_cast<TDateTime>(day));
}

const QString &DateCodec::writeNew(TDateTime value) const
{
    const qint64 day = static_cast<qint64>(value);
    const qint64 slot = day - m_storeFirst;
    if (slot >= 0 && slot < m_storeDays) {
        std::unique_ptr<QString[]> &chunk = m_chunks[static_cast<std::size_t>(slot >> ChunkBits)];
        if (!chunk)
            chunk = std::make_unique<QString[]>(static_cast<std::size_t>(ChunkDays));
        QString &text = chunk[slot & (ChunkDays - 1)];
        if (text.isNull())
            text = lasting(format(day));
        return text;
    }
    auto [it, added] = m_elsewhere.try_emplace(day);
    if (added)
        it->second = format(day);
    return it->second;
}

} // namespace morvaine
