#include "xml_pull_reader.h"

#include <QScopeGuard>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace morvaine {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\n') || c == QLatin1Char('\t') ||
           c == QLatin1Char('\r');
}

// Control characters other than blanks, and U+FFFE and U+FFFF, may stand nowhere in
// an XML document.
constexpr bool forbidden(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c >= 0xFFFE;
}

QString forbiddenMessage(QChar c)
{
    return QCoreApplication::translate("XmlReader", "the character U+%1 is not allowed in XML")
        .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

// Whether c may stand in a name: ASCII letters, digits, '.', '-', '_' and ':', and any
// character beyond ASCII. A name ends at the first character that may not.
constexpr std::array<bool, 128> AsciiNameCharacters = [] {
    std::array<bool, 128> table{};
    for (int c = 0; c < 128; ++c)
        table[std::size_t(c)] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_' ||
                                c == ':';
    return table;
}();

bool inName(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 0x80 || AsciiNameCharacters[u];
}

// Where the text from `from` ends (at the next '<' or the end), and whether it holds a
// reference or a carriage return that appendText must replace, or a '>' or a character
// it must check. Element texts and the blanks between tags are short: a plain loop is
// faster here than a library search.
enum TextCharacter : unsigned char { Plain, Special, Ends };
constexpr std::array<TextCharacter, 128> AsciiTextCharacters = [] {
    std::array<TextCharacter, 128> table{};
    for (int c = 0; c < 128; ++c)
        table[std::size_t(c)] = c == '<' ? Ends
                                : c == '&' || c == '\r' || c == '>' || forbidden(char16_t(c))
                                    ? Special
                                    : Plain;
    return table;
}();

qsizetype textEnd(const QChar *data, qsizetype size, qsizetype from, bool &plain)
{
    plain = true;
    qsizetype i = from;
    for (; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c < 0x80) {
            const TextCharacter kind = AsciiTextCharacters[c];
            if (kind == Ends)
                break;
            if (kind == Special)
                plain = false;
        } else if (forbidden(c)) {
            plain = false;
        }
    }
    return i;
}

} // namespace

XmlPullReader::XmlPullReader(const QByteArray &bytes)
{
    QStringDecoder::Encoding encoding = QStringDecoder::Utf8;
    qsizetype skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        skip = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = QStringDecoder::Utf16LE;
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = QStringDecoder::Utf16BE;
        skip = 2;
    }
    QStringDecoder decoder(encoding);
    m_text = decoder(QByteArrayView(bytes.constData() + skip, bytes.size() - skip));
    m_data = m_text.constData();
    m_size = m_text.size();
    if (decoder.hasError())
        fail(QCoreApplication::translate("XmlReader", "the file is not valid %1 text")
                 .arg(encoding == QStringDecoder::Utf8 ? QLatin1String("UTF-8")
                                                       : QLatin1String("UTF-16")),
             0);
}

void XmlPullReader::fail(const QString &message, qsizetype at)
{
    if (!m_error.isEmpty())
        return;
    m_error = message;
    at = std::clamp<qsizetype>(at, 0, m_size);
    m_errorLine = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < at; ++i)
        if (m_data[i] == QLatin1Char('\n')) {
            ++m_errorLine;
            lineStart = i + 1;
        }
    m_errorColumn = at - lineStart + 1;
    m_pos = m_size;
}

void XmlPullReader::raiseError(const QString &message)
{
    fail(message, m_tagAt);
}

qint64 XmlPullReader::currentLine() const
{
    qint64 line = 1;
    for (qsizetype i = 0; i < m_tagAt && i < m_size; ++i)
        if (m_data[i] == QLatin1Char('\n'))
            ++line;
    return line;
}

QString XmlPullReader::namespaceUri() const
{
    const qsizetype colon = m_qualifiedName.indexOf(QLatin1Char(':'));
    const QStringView prefix = colon < 0 ? QStringView() : m_qualifiedName.left(colon);
    for (qsizetype i = m_namespaces.size() - 1; i >= 0; --i)
        if (m_namespaces[i].first == prefix)
            return m_namespaces[i].second;
    return {};
}

void XmlPullReader::closeElement()
{
    // Namespace declarations end with the element that made them.
    const qsizetype declarations = m_open.constLast().nsCount;
    if (m_namespaces.size() != declarations)
        m_namespaces.resize(declarations);
    m_open.removeLast();
}

bool XmlPullReader::declared(QStringView prefix) const
{
    for (const auto &[declaredPrefix, uri] : m_namespaces)
        if (declaredPrefix == prefix)
            return true;
    return false;
}

void XmlPullReader::skipBlanks()
{
    while (m_pos < m_size && isBlank(m_data[m_pos]))
        ++m_pos;
}

bool XmlPullReader::readName(QStringView &name)
{
    const qsizetype from = m_pos;
    const QChar *at = m_data + m_pos;
    const QChar *const end = m_data + m_size;
    bool colon = false;
    for (; at < end; ++at) {
        const char16_t c = at->unicode();
        if (c < 0x80 && !AsciiNameCharacters[c])
            break;
        colon |= c == u':';
    }
    m_pos = at - m_data;
    m_nameColon = colon ? QStringView(m_data + from, m_pos - from).indexOf(QLatin1Char(':')) : -1;
    name = QStringView(m_data + from, m_pos - from);
    const QChar first = name.isEmpty() ? QChar() : name.front();
    if (name.isEmpty() || first.isDigit() || first == QLatin1Char('-') ||
        first == QLatin1Char('.') || first == QLatin1Char(':')) {
        fail(QCoreApplication::translate("XmlReader", "a name was expected"), from);
        return false;
    }
    return true;
}

bool XmlPullReader::skipUntil(QStringView end, const char *what)
{
    const qsizetype found = QStringView(m_data, m_size).indexOf(end, m_pos);
    if (found < 0) {
        fail(QCoreApplication::translate("XmlReader", "the %1 is not closed")
                 .arg(QCoreApplication::translate("XmlReader", what)),
             m_pos);
        return false;
    }
    for (qsizetype i = m_pos; i < found; ++i)
        if (forbidden(m_data[i].unicode())) {
            fail(forbiddenMessage(m_data[i]), i);
            return false;
        }
    m_pos = found + end.size();
    return true;
}

// Appends text with its entity and character references replaced and its line ends
// made "\n"; in an attribute value every blank (a line end too) becomes a space.
bool XmlPullReader::appendText(QStringView raw, QString &out, bool attribute)
{
    qsizetype plain = 0;
    const auto special = [attribute](QChar c) {
        return c == QLatin1Char('&') || c == QLatin1Char('\r') || forbidden(c.unicode()) ||
               (attribute ? isBlank(c) : c == QLatin1Char('>'));
    };
    while (plain < raw.size() && !special(raw[plain]))
        ++plain;
    out.append(raw.left(plain));
    for (qsizetype i = plain; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('\r')) {
            out.append(attribute ? QLatin1Char(' ') : QLatin1Char('\n'));
            if (i + 1 < raw.size() && raw[i + 1] == QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (forbidden(c.unicode())) {
            fail(forbiddenMessage(c), raw.data() - m_data + i);
            return false;
        }
        if (attribute && isBlank(c)) {
            out.append(QLatin1Char(' '));
            continue;
        }
        if (!attribute && c == QLatin1Char('>') && i >= 2 && raw[i - 1] == QLatin1Char(']') &&
            raw[i - 2] == QLatin1Char(']')) {
            fail(QCoreApplication::translate("XmlReader", "']]>' outside a CDATA section"),
                 raw.data() - m_data + i - 2);
            return false;
        }
        if (c != QLatin1Char('&')) {
            out.append(c);
            continue;
        }
        const qsizetype semicolon = raw.indexOf(QLatin1Char(';'), i);
        const QStringView entity =
            semicolon < 0 ? QStringView() : raw.mid(i + 1, semicolon - i - 1);
        const qsizetype at = raw.data() - m_data + i;
        if (entity == QLatin1String("lt"))
            out.append(QLatin1Char('<'));
        else if (entity == QLatin1String("gt"))
            out.append(QLatin1Char('>'));
        else if (entity == QLatin1String("amp"))
            out.append(QLatin1Char('&'));
        else if (entity == QLatin1String("quot"))
            out.append(QLatin1Char('"'));
        else if (entity == QLatin1String("apos"))
            out.append(QLatin1Char('\''));
        else if (entity.startsWith(QLatin1Char('#')) && entity.size() > 1) {
            const bool hex = entity[1] == QLatin1Char('x');
            bool ok = false;
            const uint code = entity.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                fail(QCoreApplication::translate("XmlReader", "'&%1;' is not a character")
                         .arg(entity),
                     at);
                return false;
            }
            out.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1));
        } else {
            fail(QCoreApplication::translate("XmlReader", "the entity '&%1;' is not declared")
                     .arg(entity.left(40)),
                 at);
            return false;
        }
        i = semicolon;
    }
    return true;
}

bool XmlPullReader::readStartTag()
{
    m_tagAt = m_pos++;
    QStringView qualified;
    if (!readName(qualified))
        return false;
    const qsizetype colon = m_nameColon;
    if (m_open.isEmpty() && m_rootSeen) {
        fail(QCoreApplication::translate("XmlReader", "there is more than one root element"),
             m_tagAt);
        return false;
    }
    const qsizetype nsCount = m_namespaces.size();
    QVarLengthArray<QStringView, 4> attributes, prefixedAttributes;
    m_emptyElement = false;
    for (;;) {
        skipBlanks();
        if (m_pos >= m_size) {
            fail(QCoreApplication::translate("XmlReader", "the tag <%1> is not closed")
                     .arg(qualified),
                 m_tagAt);
            return false;
        }
        if (m_data[m_pos] == QLatin1Char('>')) {
            ++m_pos;
            break;
        }
        if (m_data[m_pos] == QLatin1Char('/')) {
            if (m_pos + 1 >= m_size || m_data[m_pos + 1] != QLatin1Char('>')) {
                fail(QCoreApplication::translate("XmlReader", "'>' was expected"), m_pos + 1);
                return false;
            }
            m_pos += 2;
            m_emptyElement = true;
            break;
        }
        QStringView attribute;
        if (!isBlank(m_data[m_pos - 1]) || !readName(attribute)) {
            fail(QCoreApplication::translate("XmlReader", "an attribute was expected"), m_pos);
            return false;
        }
        if (std::find(attributes.begin(), attributes.end(), attribute) != attributes.end()) {
            fail(QCoreApplication::translate("XmlReader", "the attribute '%1' is repeated")
                     .arg(attribute),
                 m_pos);
            return false;
        }
        attributes.append(attribute);
        skipBlanks();
        if (m_pos >= m_size || m_data[m_pos] != QLatin1Char('=')) {
            fail(QCoreApplication::translate("XmlReader", "'=' was expected"), m_pos);
            return false;
        }
        ++m_pos;
        skipBlanks();
        const QChar quote = m_pos < m_size ? m_data[m_pos] : QChar();
        if (quote != QLatin1Char('"') && quote != QLatin1Char('\'')) {
            fail(QCoreApplication::translate("XmlReader", "a quoted value was expected"), m_pos);
            return false;
        }
        const qsizetype end = QStringView(m_data, m_size).indexOf(quote, m_pos + 1);
        const QStringView raw =
            end < 0 ? QStringView() : QStringView(m_data + m_pos + 1, end - m_pos - 1);
        if (end < 0 || raw.contains(QLatin1Char('<'))) {
            fail(QCoreApplication::translate("XmlReader", "the value of '%1' is not closed")
                     .arg(attribute),
                 m_pos);
            return false;
        }
        QString value;
        if (!appendText(raw, value, true))
            return false;
        m_pos = end + 1;
        if (attribute == QLatin1String("xmlns"))
            m_namespaces.append({QString(), value});
        else if (attribute.startsWith(QLatin1String("xmlns:")))
            m_namespaces.append({attribute.mid(6).toString(), value});
        else if (attribute.contains(QLatin1Char(':')))
            prefixedAttributes.append(attribute);
    }
    // Every prefix must be declared on this element or an enclosing one.
    if (colon >= 0)
        prefixedAttributes.append(qualified);
    for (const QStringView name : std::as_const(prefixedAttributes)) {
        const qsizetype split = name.indexOf(QLatin1Char(':'));
        const QStringView prefix = name.left(split);
        const QStringView local = name.mid(split + 1);
        if (local.isEmpty() || local.contains(QLatin1Char(':')) || !inName(local.front()) ||
            local.front().isDigit() || local.front() == QLatin1Char('-') ||
            local.front() == QLatin1Char('.')) {
            fail(QCoreApplication::translate("XmlReader", "'%1' is not a valid name").arg(name),
                 m_tagAt);
            return false;
        }
        if (prefix != QLatin1String("xml") && !declared(prefix)) {
            fail(QCoreApplication::translate("XmlReader",
                                             "the namespace prefix '%1' is not declared")
                     .arg(prefix),
                 m_tagAt);
            return false;
        }
    }
    m_rootSeen = true;
    m_open.append({qualified, nsCount});
    m_qualifiedName = qualified;
    m_name = colon < 0 ? qualified : qualified.mid(colon + 1);
    return true;
}

bool XmlPullReader::readEndTag()
{
    const qsizetype at = m_pos;
    m_pos += 2;
    // Usually the end tag names the open element and closes at once.
    if (!m_open.isEmpty()) {
        const QStringView open = m_open.constLast().qualifiedName;
        const qsizetype close = m_pos + open.size();
        if (close < m_size && m_data[close] == QLatin1Char('>') &&
            std::equal(open.begin(), open.end(), m_data + m_pos)) {
            m_pos = close + 1;
            closeElement();
            return true;
        }
    }
    QStringView qualified;
    if (!readName(qualified))
        return false;
    skipBlanks();
    if (m_pos >= m_size || m_data[m_pos] != QLatin1Char('>')) {
        fail(QCoreApplication::translate("XmlReader", "'>' was expected"), m_pos);
        return false;
    }
    ++m_pos;
    if (m_open.isEmpty() || m_open.constLast().qualifiedName != qualified) {
        fail(m_open.isEmpty()
                 ? QCoreApplication::translate("XmlReader", "the end tag </%1> has no start tag")
                       .arg(qualified)
                 : QCoreApplication::translate("XmlReader", "the end tag </%1> does not match <%2>")
                       .arg(qualified, m_open.constLast().qualifiedName),
             at);
        return false;
    }
    closeElement();
    return true;
}

XmlPullReader::Token XmlPullReader::next()
{
    if (m_emptyElement) {
        m_emptyElement = false;
        closeElement();
        return Token::End;
    }
    const QStringView all(m_data, m_size);
    while (m_error.isEmpty()) {
        if (m_pos >= m_size) {
            if (!m_open.isEmpty())
                fail(QCoreApplication::translate("XmlReader", "the document ends before </%1>")
                         .arg(m_open.constLast().qualifiedName),
                     m_size);
            else if (!m_rootSeen)
                fail(QCoreApplication::translate("XmlReader", "the document has no element"),
                     m_size);
            return m_error.isEmpty() ? Token::Eof : Token::Error;
        }
        if (m_data[m_pos] != QLatin1Char('<')) {
            bool plain = true;
            const qsizetype end = textEnd(m_data, m_size, m_pos, plain);
            const QStringView raw = all.mid(m_pos, end - m_pos);
            if (m_open.isEmpty()) {
                if (!std::all_of(raw.begin(), raw.end(), isBlank)) {
                    fail(QCoreApplication::translate("XmlReader", "text outside the root element"),
                         m_pos);
                    break;
                }
                m_pos = end;
                continue;
            }
            if (!m_keepText) {
                // Text between elements is only checked.
                if (!plain) {
                    m_scratch.clear();
                    if (!appendText(raw, m_scratch))
                        break;
                }
                m_pos = end;
                continue;
            }
            m_chars.clear();
            if (!appendText(raw, m_chars))
                break;
            m_pos = end;
            return Token::Text;
        }
        const QChar kind = m_pos + 1 < m_size ? m_data[m_pos + 1] : QChar();
        if (kind == QLatin1Char('/'))
            return readEndTag() ? Token::End : Token::Error;
        if (kind != QLatin1Char('?') && kind != QLatin1Char('!'))
            return readStartTag() ? Token::Start : Token::Error;
        const QStringView rest = all.mid(m_pos);
        if (kind == QLatin1Char('?')) {
            if (!skipUntil(u"?>", QT_TRANSLATE_NOOP("XmlReader", "processing instruction")))
                break;
        } else if (rest.startsWith(u"<!--")) {
            const qsizetype from = m_pos += 4;
            if (!skipUntil(u"-->", QT_TRANSLATE_NOOP("XmlReader", "comment")))
                break;
            // "--" may not stand inside a comment, nor "-" at its end.
            const qsizetype dashes = all.mid(from, m_pos - from).indexOf(u"--");
            if (dashes != m_pos - 3 - from) {
                fail(QCoreApplication::translate("XmlReader", "'--' inside a comment"),
                     from + dashes);
                break;
            }
        } else if (rest.startsWith(u"<![CDATA[")) {
            const qsizetype from = m_pos + 9;
            if (m_open.isEmpty()) {
                fail(QCoreApplication::translate("XmlReader", "text outside the root element"),
                     m_pos);
                break;
            }
            m_pos = from;
            if (!skipUntil(u"]]>", QT_TRANSLATE_NOOP("XmlReader", "CDATA section")))
                break;
            m_chars = all.mid(from, m_pos - 3 - from).toString();
            return Token::Text;
        } else {
            // A document type declaration may declare entities: never read one.
            m_documentType = true;
            fail(QCoreApplication::translate("XmlReader",
                                             "the document has a document type declaration"),
                 m_pos);
            break;
        }
    }
    return Token::Error;
}

bool XmlPullReader::readNextStartElement()
{
    for (;;) {
        switch (next()) {
        case Token::Start:
            return true;
        case Token::Text:
            continue;
        default:
            return false;
        }
    }
}

QStringView XmlPullReader::readElementTextView()
{
    if (!m_emptyElement && !m_open.isEmpty() && m_error.isEmpty()) {
        // A plain text followed at once by the element's end tag is the usual case.
        bool plain = true;
        const qsizetype lt = textEnd(m_data, m_size, m_pos, plain);
        const QStringView name = m_open.constLast().qualifiedName;
        const qsizetype close = lt + 2 + name.size();
        if (plain && close < m_size && m_data[lt + 1] == QLatin1Char('/') &&
            m_data[close] == QLatin1Char('>') &&
            std::equal(name.begin(), name.end(), m_data + lt + 2)) {
            const QStringView raw(m_data + m_pos, lt - m_pos);
            m_pos = close + 1;
            closeElement();
            return raw;
        }
    }
    m_scratch = readElementText();
    return m_scratch;
}

QString XmlPullReader::readElementText()
{
    QString text;
    int depth = 0;
    m_keepText = true;
    const auto done = qScopeGuard([this] { m_keepText = false; });
    for (;;) {
        switch (next()) {
        case Token::Start:
            ++depth;
            break;
        case Token::End:
            if (depth-- == 0)
                return text;
            break;
        case Token::Text:
            if (depth == 0) {
                if (text.isEmpty())
                    text.swap(m_chars);
                else
                    text += m_chars;
            }
            break;
        default:
            return text;
        }
    }
}

void XmlPullReader::skipCurrentElement()
{
    int depth = 1;
    while (depth > 0) {
        switch (next()) {
        case Token::Start:
            ++depth;
            break;
        case Token::End:
            --depth;
            break;
        case Token::Text:
            break;
        default:
            return;
        }
    }
}

} // namespace morvaine
