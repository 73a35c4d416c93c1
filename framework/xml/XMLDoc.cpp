#include "XMLDoc.h"

#include <algorithm>
#include <string_view>

#include <pugixml.hpp>

#include "XMLText.h"

struct TXMLDocumentData {
    pugi::xml_document Doc;
    std::string Source; // the UTF-8 text parsed, for positions of faults found after parsing
};

namespace {

// Fragment parsing lets the checks below see text outside the root element, which the parser
// would otherwise drop without a word.
constexpr unsigned ParseOptions = pugi::parse_fragment | pugi::parse_cdata | pugi::parse_escapes |
                                  pugi::parse_wconv_attribute | pugi::parse_eol | pugi::parse_ws_pcdata |
                                  pugi::parse_comments | pugi::parse_pi | pugi::parse_declaration |
                                  pugi::parse_doctype;

constexpr unsigned SaveOptions = pugi::format_raw | pugi::format_no_declaration;

bool IsBlank(const char* text)
{
    for (; *text; ++text)
        if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r')
            return false;
    return true;
}

bool CommentAllowed(std::string_view text)
{
    return text.find("--") == std::string_view::npos && (text.empty() || text.back() != '-');
}

// Next node of a depth-first walk below root; depth follows it (1 for root's children).
pugi::xml_node NextInTree(pugi::xml_node node, const pugi::xml_node& root, int& depth)
{
    if (node.first_child()) {
        ++depth;
        return node.first_child();
    }
    while (node != root && !node.next_sibling()) {
        node = node.parent();
        --depth;
    }
    return node == root ? pugi::xml_node() : node.next_sibling();
}

String Utf16(const char* text)
{
    return FromUtf8(text);
}

class StringWriter : public pugi::xml_writer {
public:
    std::string Text;
    void write(const void* data, size_t size) override { Text.append(static_cast<const char*>(data), size); }
};

} // namespace

EXMLParseError::EXMLParseError(const String& reason, int line, int linePos)
    : EXMLDocError(reason + u" (line " + IntToStr(line) + u", column " + IntToStr(linePos) + u")"),
      FReason(reason), FLine(line), FLinePos(linePos)
{
}

// ---- nodes

TXMLNode::TXMLNode(std::shared_ptr<TXMLDocumentData> doc, pugi::xml_node_struct* node, pugi::xml_attribute_struct* attribute)
    : FDoc(std::move(doc)), FNode(node), FAttribute(attribute)
{
}

TNodeType TXMLNode::NodeType() const
{
    if (FAttribute)
        return ntAttribute;
    switch (pugi::xml_node(FNode).type()) {
    case pugi::node_document: return ntDocument;
    case pugi::node_element: return ntElement;
    case pugi::node_pcdata: return ntText;
    case pugi::node_cdata: return ntCData;
    case pugi::node_comment: return ntComment;
    case pugi::node_pi: return ntProcessingInstr;
    case pugi::node_doctype: return ntDocType;
    default: return ntReserved;
    }
}

String TXMLNode::NodeName() const
{
    if (FAttribute)
        return Utf16(pugi::xml_attribute(FAttribute).name());
    const pugi::xml_node node(FNode);
    switch (node.type()) {
    case pugi::node_document: return u"#document";
    case pugi::node_pcdata: return u"#text";
    case pugi::node_cdata: return u"#cdata-section";
    case pugi::node_comment: return u"#comment";
    case pugi::node_doctype: {
        const std::string body = node.value();
        const size_t start = body.find_first_not_of(" \t\r\n");
        if (start == std::string::npos)
            return String();
        return FromUtf8(body.substr(start, body.find_first_of(" \t\r\n[", start) - start));
    }
    default: return Utf16(node.name());
    }
}

String TXMLNode::LocalName() const
{
    const String name = NodeName();
    const size_t colon = name.find(u':');
    return colon == String::npos || name[0] == u'#' ? name : name.substr(colon + 1);
}

String TXMLNode::Prefix() const
{
    const String name = NodeName();
    const size_t colon = name.find(u':');
    return colon == String::npos || name[0] == u'#' ? String() : name.substr(0, colon);
}

String TXMLNode::NamespaceURI() const
{
    const TNodeType type = NodeType();
    if (type != ntElement && type != ntAttribute)
        return String();
    const String prefix = Prefix();
    if (type == ntAttribute) {
        if (prefix == u"xmlns" || NodeName() == u"xmlns")
            return u"http://www.w3.org/2000/xmlns/";
        if (prefix.empty())
            return String();
    }
    if (prefix == u"xml")
        return u"http://www.w3.org/XML/1998/namespace";
    const std::string declaration = prefix.empty() ? "xmlns" : "xmlns:" + ToUtf8(prefix);
    for (pugi::xml_node node(FNode); node.type() == pugi::node_element; node = node.parent())
        if (const pugi::xml_attribute binding = node.attribute(declaration.c_str()))
            return Utf16(binding.value());
    return String();
}

String TXMLNode::NodeValue() const
{
    if (FAttribute)
        return Utf16(pugi::xml_attribute(FAttribute).value());
    const pugi::xml_node node(FNode);
    return node.type() == pugi::node_element || node.type() == pugi::node_document ? String() : Utf16(node.value());
}

String TXMLNode::Text() const
{
    const pugi::xml_node root(FNode);
    if (FAttribute || (root.type() != pugi::node_element && root.type() != pugi::node_document))
        return NodeValue();
    std::string text;
    int depth = 0;
    for (pugi::xml_node node = NextInTree(root, root, depth); node; node = NextInTree(node, root, depth))
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
    return FromUtf8(text);
}

TXMLNode TXMLNode::ParentNode() const
{
    if (FAttribute || !FNode)
        return TXMLNode();
    const pugi::xml_node parent = pugi::xml_node(FNode).parent();
    return parent ? TXMLNode(FDoc, parent.internal_object(), nullptr) : TXMLNode();
}

bool TXMLNode::HasChildNodes() const
{
    return ChildNodes().Count() > 0;
}

TXMLNodeList TXMLNode::ChildNodes() const
{
    TXMLNodeList list;
    if (FAttribute)
        return list;
    for (pugi::xml_node child = pugi::xml_node(FNode).first_child(); child; child = child.next_sibling())
        if (child.type() != pugi::node_declaration)
            list.FNodes.push_back(TXMLNode(FDoc, child.internal_object(), nullptr));
    return list;
}

TXMLNodeList TXMLNode::AttributeNodes() const
{
    TXMLNodeList list;
    if (FAttribute)
        return list;
    for (pugi::xml_attribute a = pugi::xml_node(FNode).first_attribute(); a; a = a.next_attribute())
        list.FNodes.push_back(TXMLNode(FDoc, FNode, a.internal_object()));
    return list;
}

bool TXMLNode::HasAttribute(const String& name) const
{
    return !FAttribute && pugi::xml_node(FNode).attribute(ToUtf8(name).c_str());
}

String TXMLNode::GetAttribute(const String& name) const
{
    return FAttribute ? String() : Utf16(pugi::xml_node(FNode).attribute(ToUtf8(name).c_str()).value());
}

const TXMLNode& TXMLNodeList::Nodes(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(u"List index out of bounds (" + IntToStr(index) + u")");
    return FNodes[static_cast<size_t>(index)];
}

TXMLNode TXMLNodeList::FindNode(const String& name) const
{
    for (const TXMLNode& node : FNodes)
        if (node.NodeName() == name)
            return node;
    return TXMLNode();
}

// ---- document

namespace {

// Faults the parser lets through: more or less than one root element, text beside it, an
// attribute given twice, "--" in a comment, nesting past the limit.
void CheckTree(TXMLDocumentData& data)
{
    pugi::xml_node document = data.Doc;
    const auto fail = [&](const pugi::xml_node& node, const String& reason) {
        XMLText::Fail(data.Source, static_cast<size_t>(node.offset_debug()), reason);
    };
    int elements = 0;
    for (pugi::xml_node child = document.first_child(); child;) {
        const pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_element && ++elements > 1)
            fail(child, u"Only one top level element is allowed");
        if (child.type() == pugi::node_cdata || (child.type() == pugi::node_pcdata && !IsBlank(child.value())))
            fail(child, u"Text is not allowed outside the root element");
        if (child.type() == pugi::node_pcdata)
            document.remove_child(child);
        child = next;
    }
    if (elements == 0)
        XMLText::Fail(data.Source, data.Source.size(), u"No document element found");

    int depth = 0;
    std::vector<std::string_view> names;
    for (pugi::xml_node node = NextInTree(document, document, depth); node; node = NextInTree(node, document, depth)) {
        if (depth > XMLMaxDepth && node.type() == pugi::node_element)
            fail(node, u"Elements are nested too deeply");
        if (node.type() == pugi::node_comment && !CommentAllowed(node.value()))
            fail(node, u"A comment may not contain \"--\" nor end in \"-\"");
        names.clear();
        for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
            names.push_back(a.name());
        std::sort(names.begin(), names.end());
        const auto twice = std::adjacent_find(names.begin(), names.end());
        if (twice != names.end())
            fail(node, u"Attribute \"" + FromUtf8(std::string(*twice)) + u"\" is given twice");
    }
}

} // namespace

TXMLDocument::TXMLDocument() = default;
TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::LoadUtf8(std::string text)
{
    FData.reset();
    if (text.size() > XMLMaxSize)
        throw EXMLParseError(u"The document is too large", 1, 1);
    XMLText::CheckCharacters(text);
    auto data = std::make_shared<TXMLDocumentData>();
    data->Source = std::move(text);
    const pugi::xml_parse_result result =
        data->Doc.load_buffer(data->Source.data(), data->Source.size(), ParseOptions, pugi::encoding_utf8);
    if (!result)
        XMLText::Fail(data->Source, static_cast<size_t>(result.offset), Utf16(result.description()));
    CheckTree(*data);
    FData = std::move(data);
}

void TXMLDocument::LoadFromXML(const String& xml)
{
    FData.reset();
    LoadUtf8(XMLText::FromText(xml));
}

void TXMLDocument::LoadFromBytes(const TBytes& bytes)
{
    FData.reset();
    if (bytes.size() > XMLMaxSize)
        throw EXMLParseError(u"The document is too large", 1, 1);
    LoadUtf8(XMLText::DecodeBytes(bytes));
}

void TXMLDocument::LoadFromStream(TStream& stream)
{
    const Int64 count = stream.Size() - stream.Position();
    if (count > static_cast<Int64>(XMLMaxSize)) {
        FData.reset();
        throw EXMLParseError(u"The document is too large", 1, 1);
    }
    TBytes bytes(static_cast<size_t>(std::max<Int64>(count, 0)));
    stream.ReadBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    LoadFromBytes(bytes);
}

void TXMLDocument::LoadFromFile(const String& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

std::string TXMLDocument::SaveUtf8() const
{
    StringWriter writer;
    if (FData)
        FData->Doc.save(writer, "", SaveOptions, pugi::encoding_utf8);
    return writer.Text;
}

String TXMLDocument::XML() const
{
    return FromUtf8(SaveUtf8());
}

void TXMLDocument::SaveToStream(TStream& stream) const
{
    std::string text;
    const pugi::xml_node declaration = FData ? FData->Doc.first_child() : pugi::xml_node();
    pugi::xml_attribute encoding = declaration.type() == pugi::node_declaration ? declaration.attribute("encoding")
                                                                               : pugi::xml_attribute();
    if (encoding) {
        // The text written is UTF-8 whatever encoding the loaded bytes had.
        const std::string declared = encoding.value();
        encoding.set_value("UTF-8");
        text = SaveUtf8();
        encoding.set_value(declared.c_str());
    } else {
        text = SaveUtf8();
    }
    stream.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
}

void TXMLDocument::SaveToFile(const String& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

bool TXMLDocument::Active() const
{
    return FData != nullptr;
}

void TXMLDocument::Clear()
{
    FData.reset();
}

TXMLNode TXMLDocument::Node() const
{
    return FData ? TXMLNode(FData, FData->Doc.internal_object(), nullptr) : TXMLNode();
}

TXMLNode TXMLDocument::DocumentElement() const
{
    return FData ? TXMLNode(FData, FData->Doc.document_element().internal_object(), nullptr) : TXMLNode();
}
