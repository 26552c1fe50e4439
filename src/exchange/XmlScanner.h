#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace exchange {

// A pull reader of XML in UTF-8 for large files of a known shape, many times faster than
// QXmlStreamReader: elements, attributes, text with the predefined and numeric character references,
// CDATA sections; comments, processing instructions and the document type declaration are passed
// over (no DTD is read, so no entity of one is known). It checks that tags nest and that every
// reference is known, not the rest of XML's rules. Namespaces are not resolved: name() is the local
// name, and the declarations are attributes like any other.
class XmlScanner final
{
public:
    enum Token
    {
        StartElement,
        EndElement,
        Characters,
        EndDocument,
        Invalid,
    };

    explicit XmlScanner(QByteArrayView xml);

    Token readNext();
    // As QXmlStreamReader's: the next start element inside the current one; false at its end.
    bool readNextStartElement();
    void skipCurrentElement();

    // Of the current start or end element.
    QByteArrayView name() const { return name_; }
    QByteArrayView prefix() const { return prefix_; }
    // The value of the current start element's attribute of that name, prefix included; null when none.
    QString attribute(QByteArrayView qualifiedName) const;
    // The text of the current Characters token; a reference it cannot resolve is an error.
    QString text();

    bool hasError() const { return error_; }
    bool atEnd() const { return error_ || ended_; }
    // Where the current token starts.
    qint64 offset() const { return tokenStart_ - begin_; }
    qint64 lineNumber();

private:
    Token fail();
    bool skipPast(QByteArrayView marker);
    bool skipDeclaration();
    Token startTag();
    Token endTag();
    bool decode(QByteArrayView raw, QByteArray& out) const;

    const char* begin_;
    const char* end_;
    const char* pos_;
    const char* tokenStart_;
    const char* linesCountedTo_;
    qint64 lines_ = 1;
    std::vector<QByteArrayView> open_; // qualified names of the open elements
    QByteArrayView name_;
    QByteArrayView prefix_;
    QByteArrayView attributes_;
    QByteArrayView rawText_;
    QByteArray text_;
    bool textDecoded_ = false;
    bool emptyPending_ = false; // a start element that closes itself: its end comes next
    bool error_ = false;
    bool ended_ = false;
};

} // namespace exchange
