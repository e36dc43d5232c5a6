#include "file_path.h"

namespace morvaine {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at bytes[i], or 0 when it is not one (overlong
// forms, surrogates and code points past U+10FFFF are not valid).
int validSequenceLength(const QByteArray &bytes, qsizetype i)
{
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t min = 0;
    char32_t code = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// A lone low surrogate in U+DC80..U+DCFF stands for one raw byte; the same unit after
// a high surrogate is half of a real character.
bool isEscape(const QString &path, qsizetype i)
{
    const char16_t c = path[i].unicode();
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF &&
           (i == 0 || !path[i - 1].isHighSurrogate());
}

} // namespace

QString DecodePath(const QByteArray &bytes)
{
    QString path;
    path.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int length = validSequenceLength(bytes, i);
        if (length == 0) {
            path += QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            path += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        }
    }
    return path;
}

QByteArray EncodePath(const QString &path)
{
    if (!PathNeedsRawBytes(path))
        return path.toUtf8();
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isEscape(path, i))
            continue;
        bytes += QStringView(path).mid(start, i - start).toUtf8();
        if (i < path.size())
            bytes += static_cast<char>(path[i].unicode() - EscapeBase);
        start = i + 1;
    }
    return bytes;
}

bool PathNeedsRawBytes(const QString &path)
{
    for (qsizetype i = 0; i < path.size(); ++i)
        if (isEscape(path, i))
            return true;
    return false;
}

} // namespace morvaine
