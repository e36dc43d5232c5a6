#pragma once
// A small, strict XML pull reader for documents of elements and text, such as MS Project
// XML. It reads UTF-8 (or UTF-16 with a byte order mark), the five predefined entities
// and character references, comments, processing instructions and CDATA sections. It
// never reads a document type declaration: a document with one is refused, so no
// entity is ever declared or resolved. Anything not well-formed stops the reading
// with a message and the line and column where it was found.

#include <QList>
#include <QString>
#include <QStringView>

namespace morvaine {

class XmlPullReader {
public:
    /// Decodes the bytes; a document that is not valid text fails at the first read.
    explicit XmlPullReader(const QByteArray &bytes);

    /// Goes to the next start element inside the current one; false at the current
    /// element's end (which is consumed) or on an error.
    bool readNextStartElement();
    /// The local name of the current element (without a namespace prefix).
    QStringView name() const { return m_name; }
    /// The namespace of the current element, from its xmlns attributes or an enclosing
    /// element's.
    QString namespaceUri() const;
    /// The text of the current element, child elements skipped; ends at its end tag.
    QString readElementText();
    /// readElementText as a view, valid until the next read: a plain text is not copied.
    QStringView readElementTextView();
    /// Skips to the end of the current element.
    void skipCurrentElement();

    /// Whether the document has a document type declaration (refused, never read).
    bool hasDocumentType() const { return m_documentType; }
    /// Stops the reading with a message of the caller's.
    void raiseError(const QString &message);
    bool hasError() const { return !m_error.isEmpty(); }
    const QString &errorString() const { return m_error; }
    /// Line and column (both from 1) of the error.
    qint64 lineNumber() const { return m_errorLine; }
    qint64 columnNumber() const { return m_errorColumn; }
    /// Line of the current element's start tag.
    qint64 currentLine() const;

private:
    enum class Token { Start, End, Text, Eof, Error };
    Token next();
    bool readStartTag();
    bool readEndTag();
    bool skipUntil(QStringView end, const char *what);
    /// Reads a name at the current position; m_nameColon is where its first ':' is.
    bool readName(QStringView &name);
    bool appendText(QStringView raw, QString &out, bool attribute = false);
    void fail(const QString &message, qsizetype at);
    void skipBlanks();
    bool declared(QStringView prefix) const;
    void closeElement();

    struct Attribute {
        QStringView name;
        QString value;
    };
    struct Open {
        QStringView qualifiedName;
        qsizetype nsCount; // namespace declarations in scope when it opened
    };

    QString m_text;
    const QChar *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_pos = 0;
    QList<Open> m_open;
    QList<std::pair<QString, QString>> m_namespaces; // prefix ("" = default), URI
    QStringView m_name;
    QStringView m_qualifiedName;
    qsizetype m_tagAt = 0;
    qsizetype m_nameColon = -1;  // in the name readName read last, or -1
    bool m_emptyElement = false; // the current start tag ended in "/>"
    bool m_rootSeen = false;
    bool m_documentType = false;
    QString m_chars; // text of the last Text token
    QString m_scratch;
    bool m_keepText = false; // whether next() returns text, or skips it
    QString m_error;
    qint64 m_errorLine = 0;
    qint64 m_errorColumn = 0;
};

} // namespace morvaine
