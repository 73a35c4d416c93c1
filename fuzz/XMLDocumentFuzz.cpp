// The XML document on arbitrary bytes: every node read through the DOM, and a loaded document's
// saved text must load again to the same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "XMLDoc.h"

namespace {

String Tree(const TXMLNode& node)
{
    String out = node.NodeName() + u"|" + node.NodeValue() + u"|" + node.NamespaceURI() + u"{";
    for (const TXMLNode& a : node.AttributeNodes())
        out += a.NodeName() + u"=" + a.NodeValue() + u"|" + a.NamespaceURI() + u";";
    for (const TXMLNode& child : node.ChildNodes())
        out += Tree(child);
    return out + u"}";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TXMLDocument doc;
    try {
        doc.LoadFromBytes(TBytes(data, data + size));
    } catch (const EXMLParseError&) {
        return 0;
    }
    const String tree = Tree(doc.Node());
    (void)doc.DocumentElement().Text();
    TXMLDocument again;
    again.LoadFromXML(doc.XML()); // raises, and so fails the run, when the saved text is not XML
    if (Tree(again.Node()) != tree)
        std::abort();
    return 0;
}
