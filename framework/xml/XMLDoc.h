#pragma once
// XML documents as a DOM: a document loaded from text or bytes, its nodes with DOM node names and
// types, attributes in document order, and saving. Portable; the parser is pugixml.
//
// A DOCTYPE is kept as a node, but no entity it declares is expanded and nothing external is ever
// fetched: an entity reference other than the five predefined ones and character references stays
// in the text as written. Documents deeper than XMLMaxDepth or larger than XMLMaxSize are refused.
#include <memory>
#include <vector>

#include "Streams.h"
#include "SysUtils.h"

namespace pugi {
struct xml_node_struct;
struct xml_attribute_struct;
}

TAVIN_EXCEPTION(EXMLDocError, Exception);

// Malformed text. Line and column are 1-based; the column counts characters (UTF-16 code units).
class EXMLParseError : public EXMLDocError {
public:
    EXMLParseError(const String& reason, int line, int linePos);
    const String& Reason() const { return FReason; }
    int Line() const { return FLine; }
    int LinePos() const { return FLinePos; }

private:
    String FReason;
    int FLine;
    int FLinePos;
};

// Element nesting allowed: deep enough for any real drawing, shallow enough that readers walking
// the tree recursively stay well inside a thread's stack.
constexpr int XMLMaxDepth = 256;
// Bytes of document text (as UTF-8) allowed, so that a load's memory stays bounded.
constexpr size_t XMLMaxSize = 64u * 1024u * 1024u;

// DOM node types, numbered as the DOM numbers them.
enum TNodeType {
    ntReserved, ntElement, ntAttribute, ntText, ntCData, ntEntityRef, ntEntity, ntProcessingInstr,
    ntComment, ntDocument, ntDocType, ntDocFragment, ntNotation
};

struct TXMLDocumentData;
class TXMLNodeList;

// A node of a loaded document, held by value. A node keeps its document's tree alive, so it stays
// valid after the document object is reloaded or freed. A default-constructed node is null.
class TXMLNode {
public:
    TXMLNode() = default;
    explicit operator bool() const { return FNode || FAttribute; }
    bool operator==(const TXMLNode& other) const
    {
        return FNode == other.FNode && FAttribute == other.FAttribute;
    }

    TNodeType NodeType() const;
    // Qualified name of an element, attribute or processing instruction ("xlink:href"), the
    // document type's name, or "#text", "#cdata-section", "#comment", "#document".
    String NodeName() const;
    // Name without its prefix, and the prefix ("" when none).
    String LocalName() const;
    String Prefix() const;
    // The namespace the prefix (or the default namespace, for an unprefixed element) is bound to
    // by the nearest xmlns declaration; "" when unbound. Unprefixed attributes have none.
    String NamespaceURI() const;
    // Text of text, CDATA and comment nodes, an attribute's value, a processing instruction's
    // data, a document type's declaration body; "" for elements and the document.
    String NodeValue() const;
    // The text of all text and CDATA nodes below the node, in document order; a leaf's value.
    String Text() const;

    TXMLNode ParentNode() const;
    bool HasChildNodes() const;
    TXMLNodeList ChildNodes() const;
    // Attributes of an element in document order (empty for other nodes).
    TXMLNodeList AttributeNodes() const;
    bool HasAttribute(const String& name) const;
    // The value of the attribute of that qualified name; "" when absent.
    String GetAttribute(const String& name) const;

private:
    friend class TXMLDocument;
    friend class TXMLNodeList;
    TXMLNode(std::shared_ptr<TXMLDocumentData> doc, pugi::xml_node_struct* node, pugi::xml_attribute_struct* attribute);

    std::shared_ptr<TXMLDocumentData> FDoc;
    pugi::xml_node_struct* FNode = nullptr;
    pugi::xml_attribute_struct* FAttribute = nullptr;
};

// A snapshot of a node's children or attributes.
class TXMLNodeList {
public:
    int Count() const { return static_cast<int>(FNodes.size()); }
    // Raises EListError outside 0..Count-1.
    const TXMLNode& Nodes(int index) const;
    const TXMLNode& operator[](int index) const { return Nodes(index); }
    // The first node of that name; null when none.
    TXMLNode FindNode(const String& name) const;
    std::vector<TXMLNode>::const_iterator begin() const { return FNodes.begin(); }
    std::vector<TXMLNode>::const_iterator end() const { return FNodes.end(); }

private:
    friend class TXMLNode;
    friend class TXMLDocument;
    std::vector<TXMLNode> FNodes;
};

class TXMLDocument : public TObject {
public:
    TXMLDocument();
    ~TXMLDocument() override;

    // Each load replaces the document; on failure (EXMLParseError) the document is empty.
    void LoadFromXML(const String& xml);
    // Bytes: a byte-order mark (UTF-8, UTF-16) wins, then UTF-16 recognised from the leading "<",
    // then the declared encoding (UTF-8, US-ASCII or ISO-8859-1; any other is refused).
    void LoadFromBytes(const TBytes& bytes);
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const String& fileName);

    // The document as text, written from the tree (not the text it was loaded from).
    String XML() const;
    // UTF-8 without a byte-order mark; a declaration's encoding says UTF-8.
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const String& fileName) const;

    // Whether a document is loaded.
    bool Active() const;
    void Clear();
    // The document node, its children (declaration excluded) and its root element; null / empty
    // when nothing is loaded.
    TXMLNode Node() const;
    TXMLNodeList ChildNodes() const { return Node().ChildNodes(); }
    TXMLNode DocumentElement() const;

private:
    void LoadUtf8(std::string text);
    std::string SaveUtf8() const;

    std::shared_ptr<TXMLDocumentData> FData;
};
