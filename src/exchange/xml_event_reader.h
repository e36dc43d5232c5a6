#pragma once
// Reading an XML document with libexpat: the file is fed to the parser in chunks and
// each element and text is handed to a handler as expat reports it, so memory stays
// flat whatever the document's size. Documents from anywhere are read safely: a
// document type declaration stops the reading (so no entity is ever declared and no
// external entity or DTD is ever loaded), elements may nest only so deep, and a token
// that outgrows a chunk is fed in ever larger chunks so that it is scanned only a few
// times over. Every encoding expat knows is read: UTF-8 with or without a byte-order
// mark, UTF-16 in either byte order with or without one, ISO-8859-1 and US-ASCII; so is
// any single-byte encoding Qt knows (windows-1252, ISO-8859-15, KOI8-R, ...), by the
// table of its bytes. Texts reach the handler as UTF-8. Namespaces are resolved by the
// reader itself (xml_namespaces.h), which is much cheaper than expat's processing of
// them; a document that breaks their rules is read again by expat with its namespace
// processing, only to say where and why in expat's words.

#include <QIODevice>
#include <QString>

#include <memory>
#include <string_view>

namespace morvaine {

/// What an XmlEventReader hands the document to.
class XmlEventHandler {
public:
    virtual ~XmlEventHandler() = default;
    /// An element starts: its namespace (empty for none) and its local name, both
    /// valid during the call. Attributes are not passed on.
    virtual void startElement(std::string_view ns, std::string_view local) = 0;
    /// The element started last and not ended yet ends.
    virtual void endElement() = 0;
    /// A piece of text inside an element, UTF-8; one text may come in several pieces.
    virtual void characters(const char *text, int length) = 0;
};

/// Whether the content read from input looks like an XML document: after a byte-order
/// mark and blanks it begins with "<" (as a declaration, a comment, a processing
/// instruction or an element does) in UTF-8 or an 8-bit encoding, or in UTF-16 of
/// either byte order. Reads only as far as the first character that is not a blank.
bool BeginsAsXml(QIODevice &input);

class XmlEventReader {
public:
    /// The deepest nesting of elements read; a plan needs fewer than ten levels.
    static constexpr int MaxDepth = 256;

    enum class Outcome {
        Read,         // the whole document, well-formed
        Malformed,    // not well-formed XML: reason() says why
        DocumentType, // it has a document type declaration, which is never read
        TooDeep,      // elements nest deeper than MaxDepth
        Stopped,      // the handler called stop()
        ReadFailed,   // the device could not be read
        OutOfMemory,
    };

    XmlEventReader();
    ~XmlEventReader();
    XmlEventReader(const XmlEventReader &) = delete;
    XmlEventReader &operator=(const XmlEventReader &) = delete;

    /// Reads the document from input to its end, or until it is found wrong or the
    /// handler stops it. Call once per reader.
    Outcome read(QIODevice &input, XmlEventHandler &handler);
    /// Called from a handler: ends the reading after the current event.
    void stop();
    /// Line and column (both from 1) of the current event while a handler runs, and of
    /// the place where the reading ended after it.
    qint64 line() const;
    qint64 column() const;
    /// Expat's reason for a Malformed outcome, such as "mismatched tag", in the UI language.
    QString reason() const;

private:
    struct Parser;
    Outcome run(Parser &parser, QIODevice &input);
    std::unique_ptr<Parser> m_parser;
};

} // namespace morvaine
