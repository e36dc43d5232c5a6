#include "xml_event_reader.h"

#include "xml_namespaces.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <expat.h>

#include <algorithm>
#include <memory>

namespace morvaine {

namespace {

constexpr qint64 FirstChunk = 64 * 1024;
constexpr qint64 LargestChunk = 64 * 1024 * 1024;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Expat tells UTF-16 without a byte-order mark by its first character, "<"; a document
// that begins with blanks instead is told here by where its zero bytes fall.
const char *bomlessUtf16(const char *data, qint64 size)
{
    if (size < 2)
        return nullptr;
    if (data[0] == 0 && isBlank(data[1]))
        return "UTF-16BE";
    if (data[1] == 0 && isBlank(data[0]))
        return "UTF-16LE";
    return nullptr;
}

// Expat's own texts of the faults a document can have, as Expat 2.5 words them, for
// the translations: reason() looks up whatever Expat says, so a text worded otherwise
// by another Expat stays English.
[[maybe_unused]] const char *const ExpatFaults[] = {
    QT_TRANSLATE_NOOP("XmlReader", "out of memory"),
    QT_TRANSLATE_NOOP("XmlReader", "syntax error"),
    QT_TRANSLATE_NOOP("XmlReader", "no element found"),
    QT_TRANSLATE_NOOP("XmlReader", "not well-formed (invalid token)"),
    QT_TRANSLATE_NOOP("XmlReader", "unclosed token"),
    QT_TRANSLATE_NOOP("XmlReader", "partial character"),
    QT_TRANSLATE_NOOP("XmlReader", "mismatched tag"),
    QT_TRANSLATE_NOOP("XmlReader", "duplicate attribute"),
    QT_TRANSLATE_NOOP("XmlReader", "junk after document element"),
    QT_TRANSLATE_NOOP("XmlReader", "illegal parameter entity reference"),
    QT_TRANSLATE_NOOP("XmlReader", "undefined entity"),
    QT_TRANSLATE_NOOP("XmlReader", "recursive entity reference"),
    QT_TRANSLATE_NOOP("XmlReader", "asynchronous entity"),
    QT_TRANSLATE_NOOP("XmlReader", "reference to invalid character number"),
    QT_TRANSLATE_NOOP("XmlReader", "reference to binary entity"),
    QT_TRANSLATE_NOOP("XmlReader", "reference to external entity in attribute"),
    QT_TRANSLATE_NOOP("XmlReader", "XML or text declaration not at start of entity"),
    QT_TRANSLATE_NOOP("XmlReader", "unknown encoding"),
    QT_TRANSLATE_NOOP("XmlReader", "encoding specified in XML declaration is incorrect"),
    QT_TRANSLATE_NOOP("XmlReader", "unclosed CDATA section"),
    QT_TRANSLATE_NOOP("XmlReader", "error in processing external entity reference"),
    QT_TRANSLATE_NOOP("XmlReader", "document is not standalone"),
    QT_TRANSLATE_NOOP("XmlReader", "entity declared in parameter entity"),
    QT_TRANSLATE_NOOP("XmlReader", "unbound prefix"),
    QT_TRANSLATE_NOOP("XmlReader", "must not undeclare prefix"),
    QT_TRANSLATE_NOOP("XmlReader", "incomplete markup in parameter entity"),
    QT_TRANSLATE_NOOP("XmlReader", "XML declaration not well-formed"),
    QT_TRANSLATE_NOOP("XmlReader", "text declaration not well-formed"),
    QT_TRANSLATE_NOOP("XmlReader", "illegal character(s) in public id"),
    QT_TRANSLATE_NOOP(
        "XmlReader",
        "reserved prefix (xml) must not be undeclared or bound to another namespace name"),
    QT_TRANSLATE_NOOP("XmlReader", "reserved prefix (xmlns) must not be declared or undeclared"),
    QT_TRANSLATE_NOOP("XmlReader",
                      "prefix must not be bound to one of the reserved namespace names"),
    QT_TRANSLATE_NOOP("XmlReader",
                      "limit on input amplification factor (from DTD and entities) breached"),
};

// An encoding expat does not know by itself (windows-1252, ISO-8859-15, KOI8-R, ...),
// as Qt knows it, for a document that names it: each byte decoded on its own gives the
// character it stands for. A byte that decodes to nothing on its own (an unassigned
// one, or the first byte of a character of a multi-byte encoding) is invalid, so such a
// document is refused where the byte stands rather than read into wrong names. Expat
// itself refuses a table in which a character XML needs is not its ASCII byte.
int XMLCALL singleByteEncoding(void *, const XML_Char *name, XML_Encoding *info)
{
    QStringDecoder probe(name);
    if (!probe.isValid())
        return XML_STATUS_ERROR;
    for (int byte = 0; byte < 256; ++byte) {
        QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
        const char c = char(byte);
        const QString text = decoder.decode(QByteArrayView(&c, 1));
        // Some converters put a substitute (U+001A or U+FFFD) for a byte without error.
        const bool one = text.size() == 1 && !text.at(0).isSurrogate() && !decoder.hasError() &&
                         text.at(0) != QChar::ReplacementCharacter &&
                         (text.at(0) != QChar(0x1A) || byte == 0x1A);
        info->map[byte] = one ? int(text.at(0).unicode()) : -1;
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

} // namespace

bool BeginsAsXml(QIODevice &input)
{
    constexpr qint64 Block = 4096;
    QByteArray bytes = input.read(Block);
    qsizetype at = 0;
    int unit = 1; // bytes per character
    bool bigEndian = false;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        at = 3;
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        unit = 2;
        bigEndian = bytes.at(0) == '\xFE';
        at = 2;
    } else if (bytes.size() >= 2 && (bytes.at(0) == 0) != (bytes.at(1) == 0)) {
        unit = 2;
        bigEndian = bytes.at(0) == 0;
    }
    for (;;) {
        for (; at + unit <= bytes.size(); at += unit) {
            char c = bytes.at(at);
            if (unit == 2) {
                const char high = bigEndian ? bytes.at(at) : bytes.at(at + 1);
                if (high != 0)
                    return false;
                c = bigEndian ? bytes.at(at + 1) : bytes.at(at);
            }
            if (c == '<')
                return true;
            if (!isBlank(c))
                return false;
        }
        const QByteArray more = input.read(Block);
        if (more.isEmpty())
            return false;
        bytes = bytes.mid(at) + more;
        at = 0;
    }
}

namespace {

// What a document read again only to find its first fault is handed to.
class NoHandler final : public XmlEventHandler {
public:
    void startElement(std::string_view, std::string_view) override {}
    void endElement() override {}
    void characters(const char *, int) override {}
};

} // namespace

struct XmlEventReader::Parser {
    XML_Parser xml = nullptr;
    XmlEventHandler *handler = nullptr;
    // Whether the namespaces are resolved here; otherwise by expat, with '\x01' between
    // an element's namespace and its local name.
    bool ownNamespaces = true;
    XmlNamespaces namespaces;
    XML_Error fault = XML_ERROR_NONE; // a fault found here rather than by expat
    int depth = 0;
    bool progress = false; // an event was reported since the last chunk was fed
    bool stopped = false;
    Outcome stoppedFor = Outcome::Stopped;
    qint64 stoppedLine = 0; // where the reading was stopped
    qint64 stoppedColumn = 0;

    ~Parser()
    {
        if (xml)
            XML_ParserFree(xml);
    }

    void halt(Outcome why)
    {
        if (stopped)
            return;
        stopped = true;
        stoppedFor = why;
        stoppedLine = qint64(XML_GetCurrentLineNumber(xml));
        stoppedColumn = qint64(XML_GetCurrentColumnNumber(xml)) + 1;
        XML_StopParser(xml, XML_FALSE);
    }

    void refuse(XML_Error why)
    {
        if (stopped)
            return;
        fault = why;
        halt(Outcome::Malformed);
    }

    // Expat may still report an event or two after a stop; they are dropped.
    static void XMLCALL onStart(void *data, const XML_Char *name, const XML_Char **attributes)
    {
        auto *p = static_cast<Parser *>(data);
        p->progress = true;
        if (p->stopped)
            return;
        // The start tag's namespaces first: expat with its namespace processing finds
        // their faults before it hands the element on.
        std::string_view ns;
        std::string_view local;
        if (p->ownNamespaces) {
            const XML_Error fault = p->namespaces.open(name, attributes, ns, local);
            if (fault != XML_ERROR_NONE) {
                p->refuse(fault);
                return;
            }
        } else {
            local = name;
            if (const std::size_t at = local.find('\x01'); at != std::string_view::npos) {
                ns = local.substr(0, at);
                local.remove_prefix(at + 1);
            }
        }
        if (++p->depth > MaxDepth) {
            p->halt(Outcome::TooDeep);
            return;
        }
        p->handler->startElement(ns, local);
    }
    static void XMLCALL onEnd(void *data, const XML_Char *)
    {
        auto *p = static_cast<Parser *>(data);
        p->progress = true;
        if (p->stopped)
            return;
        --p->depth;
        if (p->ownNamespaces)
            p->namespaces.close();
        p->handler->endElement();
    }
    static void XMLCALL onCharacters(void *data, const XML_Char *text, int length)
    {
        auto *p = static_cast<Parser *>(data);
        p->progress = true;
        if (!p->stopped)
            p->handler->characters(text, length);
    }
    static void XMLCALL onComment(void *data, const XML_Char *)
    {
        static_cast<Parser *>(data)->progress = true;
    }
    static void XMLCALL onProcessingInstruction(void *data, const XML_Char *target,
                                                const XML_Char *)
    {
        auto *p = static_cast<Parser *>(data);
        p->progress = true;
        if (p->ownNamespaces && !XmlNamespaces::wellShapedTarget(target))
            p->refuse(XML_ERROR_INVALID_TOKEN);
    }
    static void XMLCALL onDocumentType(void *data, const XML_Char *name, const XML_Char *,
                                       const XML_Char *, int)
    {
        auto *p = static_cast<Parser *>(data);
        if (p->ownNamespaces && !XmlNamespaces::wellShapedDocumentType(name))
            p->refuse(XML_ERROR_SYNTAX);
        else
            p->halt(Outcome::DocumentType);
    }
};

XmlEventReader::XmlEventReader() : m_parser(std::make_unique<Parser>()) {}

XmlEventReader::~XmlEventReader() = default;

XmlEventReader::Outcome XmlEventReader::read(QIODevice &input, XmlEventHandler &handler)
{
    const qint64 start = input.pos();
    m_parser->handler = &handler;
    const Outcome outcome = run(*m_parser, input);
    m_parser->handler = nullptr;
    // A fault of the namespaces, or a fault that expat words otherwise with its namespace
    // processing (as "&a:b;", an invalid token there, an undefined entity here), is found
    // again by expat from the start, for its words and place.
    if (outcome != Outcome::Malformed || input.isSequential() || !input.seek(start))
        return outcome;
    auto again = std::make_unique<Parser>();
    NoHandler none;
    again->handler = &none;
    again->ownNamespaces = false;
    if (run(*again, input) == Outcome::Malformed) {
        again->handler = nullptr;
        m_parser = std::move(again);
    }
    return outcome;
}

XmlEventReader::Outcome XmlEventReader::run(Parser &p, QIODevice &input)
{
    char head[2] = {};
    const char *encoding = bomlessUtf16(head, input.peek(head, sizeof head));
    p.xml = p.ownNamespaces ? XML_ParserCreate(encoding) : XML_ParserCreateNS(encoding, '\x01');
    if (!p.xml)
        return Outcome::OutOfMemory;
    XML_SetUserData(p.xml, &p);
    XML_SetElementHandler(p.xml, &Parser::onStart, &Parser::onEnd);
    XML_SetCharacterDataHandler(p.xml, &Parser::onCharacters);
    XML_SetCommentHandler(p.xml, &Parser::onComment);
    XML_SetProcessingInstructionHandler(p.xml, &Parser::onProcessingInstruction);
    XML_SetStartDoctypeDeclHandler(p.xml, &Parser::onDocumentType);
    XML_SetUnknownEncodingHandler(p.xml, &singleByteEncoding, nullptr);
    // Never an external DTD or parameter entity (expat's default, said here for the
    // reader); expat's limits on entity amplification stay as they are.
    XML_SetParamEntityParsing(p.xml, XML_PARAM_ENTITY_PARSING_NEVER);

    // The file is read straight into expat's own buffer.
    qint64 wanted = FirstChunk;
    for (;;) {
        void *buffer = XML_GetBuffer(p.xml, int(wanted));
        if (!buffer)
            return Outcome::OutOfMemory;
        const qint64 size = input.read(static_cast<char *>(buffer), wanted);
        if (size < 0)
            return Outcome::ReadFailed;
        const bool last = size == 0;
        p.progress = false;
        if (XML_ParseBuffer(p.xml, int(size), last) != XML_STATUS_OK) {
            if (p.stopped)
                return p.stoppedFor;
            return XML_GetErrorCode(p.xml) == XML_ERROR_NO_MEMORY ? Outcome::OutOfMemory
                                                                  : Outcome::Malformed;
        }
        if (last)
            return Outcome::Read;
        // A chunk without any event lies inside one long token (a start tag with many
        // attributes, a long comment), which expat scans again from its start with every
        // chunk: doubling the chunks keeps that to a few scans of the token.
        wanted = p.progress ? FirstChunk : std::min(wanted * 2, LargestChunk);
    }
}

void XmlEventReader::stop()
{
    m_parser->halt(Outcome::Stopped);
}

qint64 XmlEventReader::line() const
{
    const Parser &p = *m_parser;
    if (p.stopped)
        return p.stoppedLine;
    return p.xml ? qint64(XML_GetCurrentLineNumber(p.xml)) : 0;
}

qint64 XmlEventReader::column() const
{
    const Parser &p = *m_parser;
    if (p.stopped)
        return p.stoppedColumn;
    return p.xml ? qint64(XML_GetCurrentColumnNumber(p.xml)) + 1 : 0;
}

QString XmlEventReader::reason() const
{
    const Parser &p = *m_parser;
    if (!p.xml)
        return {};
    const XML_Error fault = p.fault != XML_ERROR_NONE ? p.fault : XML_GetErrorCode(p.xml);
    return QCoreApplication::translate("XmlReader", XML_ErrorString(fault));
}

} // namespace morvaine
