#include <gtest/gtest.h>

#include <memory>

#include "XMLDoc.h"

namespace {

// A node and its subtree as compact text: name, attributes in brackets, a leaf's value in quotes,
// children in parentheses.
std::string Dump(const TXMLNode& node)
{
    std::string out = ToUtf8(node.NodeName());
    const TXMLNodeList attributes = node.AttributeNodes();
    if (attributes.Count() > 0) {
        out += "[";
        for (const TXMLNode& a : attributes)
            out += ToUtf8(a.NodeName()) + "=" + ToUtf8(a.NodeValue()) + (a == attributes[attributes.Count() - 1] ? "" : ";");
        out += "]";
    }
    if (node.NodeType() != ntElement && node.NodeType() != ntDocument)
        out += "\"" + ToUtf8(node.NodeValue()) + "\"";
    if (node.HasChildNodes()) {
        out += "(";
        for (const TXMLNode& child : node.ChildNodes())
            out += Dump(child) + (child == node.ChildNodes()[node.ChildNodes().Count() - 1] ? "" : " ");
        out += ")";
    }
    return out;
}

TBytes Bytes(const std::string& s)
{
    return TBytes(s.begin(), s.end());
}

std::string LoadedTree(const TBytes& bytes)
{
    TXMLDocument doc;
    doc.LoadFromBytes(bytes);
    return Dump(doc.Node());
}

} // namespace

TEST(XMLDocument, TreeOfNodesWithDomNamesAndValues)
{
    const struct {
        const char* xml;
        const char* tree;
    } cases[] = {
        {"<a/>", "#document(a)"},
        {"<svg width='1' xlink:href=\"#p\" height='2'/>", "#document(svg[width=1;xlink:href=#p;height=2])"},
        {"<a> <b/>t</a>", "#document(a(#text\" \" b #text\"t\"))"},
        {"<a><![CDATA[x<y&z]]></a>", "#document(a(#cdata-section\"x<y&z\"))"},
        {"<a b='&lt;&amp;&#x41;&#66;'>&quot;&apos;&gt;&#x6F3;</a>", "#document(a[b=<&AB](#text\"\"'>\xDB\xB3\"))"},
        // The internal entity is kept as a node's text, never expanded; nothing external is read.
        {"<!DOCTYPE a [<!ENTITY e \"boom\">]><a>&e;</a>",
         "#document(a\"a [<!ENTITY e \"boom\">]\" a(#text\"&e;\"))"},
        {"<!DOCTYPE svg PUBLIC \"-//X//DTD Y//EN\" \"http://example.invalid/y.dtd\"><svg/>",
         "#document(svg\"svg PUBLIC \"-//X//DTD Y//EN\" \"http://example.invalid/y.dtd\"\" svg)"},
        {"<?xml version='1.0'?>\n<!--c--><a><?pi some data?></a>\n", "#document(#comment\"c\" a(pi\"some data\"))"},
        {"<a b='x\ty\nz'>1\r\n2\r3</a>", "#document(a[b=x y z](#text\"1\n2\n3\"))"},
        {"<a><!--&#0;--><![CDATA[&#0;]]><?p &#0;?></a>", "#document(a(#comment\"&#0;\" #cdata-section\"&#0;\" p\"&#0;\"))"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        EXPECT_EQ(LoadedTree(Bytes(c.xml)), c.tree);
    }
}

TEST(XMLDocument, NodeTypesTextAndAttributeLookup)
{
    TXMLDocument doc;
    doc.LoadFromXML(u"<!DOCTYPE r><r a='1'>x<!--c--><b>y<![CDATA[z]]></b><?p q?></r>");
    const TXMLNode root = doc.DocumentElement();
    EXPECT_EQ(doc.ChildNodes()[0].NodeType(), ntDocType);
    EXPECT_EQ(doc.Node().NodeType(), ntDocument);
    EXPECT_EQ(root.ParentNode(), doc.Node());
    std::vector<TNodeType> types;
    for (const TXMLNode& child : root.ChildNodes())
        types.push_back(child.NodeType());
    EXPECT_EQ(types, (std::vector<TNodeType>{ntText, ntComment, ntElement, ntProcessingInstr}));
    EXPECT_EQ(root.AttributeNodes()[0].NodeType(), ntAttribute);
    EXPECT_EQ(root.Text(), u"xyz"); // comments and instructions are no text
    EXPECT_TRUE(root.HasAttribute(u"a"));
    EXPECT_FALSE(root.HasAttribute(u"b"));
    EXPECT_EQ(root.GetAttribute(u"a"), u"1");
    EXPECT_EQ(root.GetAttribute(u"missing"), u"");
    EXPECT_EQ(root.ChildNodes().FindNode(u"b").Text(), u"yz");
    EXPECT_FALSE(root.ChildNodes().FindNode(u"none"));
    EXPECT_THROW(root.ChildNodes()[4], EListError);
}

TEST(XMLDocument, NamespacesFromTheNearestDeclaration)
{
    TXMLDocument doc;
    doc.LoadFromXML(u"<svg xmlns='urn:s' xmlns:xlink='urn:l'><g xmlns='urn:g'><use xlink:href='#a' x='1'/></g>"
                    u"<q:p xml:lang='fa'/></svg>");
    const TXMLNode svg = doc.DocumentElement();
    const TXMLNode use = svg.ChildNodes()[0].ChildNodes()[0];
    const TXMLNode href = use.AttributeNodes()[0];
    const TXMLNode unbound = svg.ChildNodes()[1];
    const struct {
        TXMLNode node;
        const char16_t *prefix, *local, *uri;
    } cases[] = {
        {svg, u"", u"svg", u"urn:s"},
        {use, u"", u"use", u"urn:g"},
        {href, u"xlink", u"href", u"urn:l"},
        {use.AttributeNodes()[1], u"", u"x", u""},
        {svg.AttributeNodes()[1], u"xmlns", u"xlink", u"http://www.w3.org/2000/xmlns/"},
        {unbound, u"q", u"p", u""},
        {unbound.AttributeNodes()[0], u"xml", u"lang", u"http://www.w3.org/XML/1998/namespace"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.node.NodeName()));
        EXPECT_EQ(c.node.Prefix(), c.prefix);
        EXPECT_EQ(c.node.LocalName(), c.local);
        EXPECT_EQ(c.node.NamespaceURI(), c.uri);
    }
    EXPECT_EQ(href.NodeName(), u"xlink:href");
    EXPECT_EQ(use.GetAttribute(u"xlink:href"), u"#a");
}

TEST(XMLDocument, EncodingsFromByteOrderMarkPatternAndDeclaration)
{
    const std::string persian = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"; // "salaam" in Persian letters
    const TBytes utf16le = {0xFF, 0xFE, '<', 0, 'a', 0, '>', 0, 0x33, 0x06, '<', 0, '/', 0, 'a', 0, '>', 0};
    const TBytes utf16be = {0xFE, 0xFF, 0, '<', 0, 'a', 0, '>', 0x06, 0x33, 0, '<', 0, '/', 0, 'a', 0, '>'};
    const TBytes utf16leBare(utf16le.begin() + 2, utf16le.end());
    const TBytes utf16beBare(utf16be.begin() + 2, utf16be.end());
    const struct {
        TBytes bytes;
        String text;
    } cases[] = {
        {Bytes("<a>" + persian + "</a>"), u"\u0633\u0644\u0627\u0645"},
        {Bytes("\xEF\xBB\xBF<?xml version='1.0' encoding='UTF-8'?><a>" + persian + "</a>"), u"\u0633\u0644\u0627\u0645"},
        {Bytes("<?xml version='1.0' encoding='ISO-8859-1'?><a>caf\xE9</a>"), u"caf\u00E9"},
        {Bytes("<?xml version=\"1.0\" encoding = \"Latin1\" ?><a>\xFF</a>"), u"\u00FF"},
        {Bytes("<?xml version='1.0' encoding='us-ascii'?><a>x</a>"), u"x"},
        // UTF-16 bytes whatever their declaration says: the byte-order mark or the "<" pattern wins.
        {utf16le, u"\u0633"},
        {utf16be, u"\u0633"},
        {utf16leBare, u"\u0633"},
        {utf16beBare, u"\u0633"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        TXMLDocument doc;
        doc.LoadFromBytes(c.bytes);
        EXPECT_EQ(doc.DocumentElement().Text(), c.text);
    }
}

TEST(XMLDocument, MalformedDocumentsFailAtTheirPosition)
{
    const struct {
        std::string xml;
        int line, column;
    } cases[] = {
        {"", 1, 1},
        {"  \n ", 2, 2},
        {"<a>", 1, 3},
        {"<a><b></a>", 1, 9},
        {"<a>\n  <b x=1/></a>", 2, 8},
        {"<a/><b/>", 1, 6},
        {"text<a/>", 1, 1},
        {"<a/>\n<![CDATA[x]]>", 2, 10},
        {"<a x='1' y='2' x='3'/>", 1, 2},
        {"<a><!-- x -- y --></a>", 1, 8},
        {"<a><!--x---></a>", 1, 8},
        {"<a>\n\xD9\x85<b>\xC3\x28</b></a>", 2, 5}, // invalid UTF-8 after a two-byte letter
        {"<a>\xF0\x9F\x98\x80\xED\xA0\x80</a>", 1, 6}, // an encoded surrogate; the emoji is two columns
        {std::string("<a>x\0y</a>", 10), 1, 5},
        {"<a>\x01</a>", 1, 4},
        {"<a b='&#0;'/>", 1, 7},
        {"<a>&#xD800;</a>", 1, 4},
        {"<a>&#x110000;</a>", 1, 4},
        {"<a>&#99999999999999999999999;</a>", 1, 4},
        {"<a>&#x; &#12</a>", 1, 4},
        {"<a b='<'/>", 1, 7},
        {"<?xml version='1.0' encoding='windows-1256'?><a/>", 1, 21},
        {"<?xml version='1.0' encoding='UTF-16'?><a/>", 1, 21},
        {"\xFF\xFE\0\0<\0\0\0", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        TXMLDocument doc;
        doc.LoadFromXML(u"<old/>");
        try {
            doc.LoadFromBytes(Bytes(c.xml));
            ADD_FAILURE() << "loaded";
        } catch (const EXMLParseError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_EQ(e.LinePos(), c.column) << e.what();
            EXPECT_NE(e.Message().find(u"line " + IntToStr(c.line)), String::npos) << e.what();
        }
        EXPECT_FALSE(doc.Active()); // a failed load leaves nothing of the old document
    }
}

TEST(XMLDocument, UnicodeTextWithLoneSurrogateFails)
{
    TXMLDocument doc;
    try {
        doc.LoadFromXML(String(u"<a>\n\u0633") + Char(0xD800) + u"</a>");
        ADD_FAILURE() << "loaded";
    } catch (const EXMLParseError& e) {
        EXPECT_EQ(e.Line(), 2);
        EXPECT_EQ(e.LinePos(), 2);
    }
}

TEST(XMLDocument, NestingLimit)
{
    const auto nested = [](int depth) {
        std::string xml;
        for (int i = 0; i < depth; ++i)
            xml += "<g>";
        xml += "text";
        for (int i = 0; i < depth; ++i)
            xml += "</g>";
        return Bytes(xml);
    };
    TXMLDocument doc;
    EXPECT_NO_THROW(doc.LoadFromBytes(nested(XMLMaxDepth)));
    EXPECT_THROW(doc.LoadFromBytes(nested(XMLMaxDepth + 1)), EXMLParseError);
    // Far deeper than any stack would take if anything walked it recursively.
    EXPECT_THROW(doc.LoadFromBytes(nested(200000)), EXMLParseError);
    EXPECT_THROW(doc.LoadFromBytes(TBytes(XMLMaxSize + 1, ' ')), EXMLParseError);
}

TEST(XMLDocument, SavesTheTreeAndReadsItBack)
{
    TXMLDocument doc;
    doc.LoadFromBytes(Bytes("<?xml version='1.0' encoding='ISO-8859-1'?>\n<!DOCTYPE a [<!ENTITY e 'v'>]>"
                            "<a k='&quot;&lt;\xE9'>&e; &amp; <![CDATA[<c>]]><!--n--><b/></a>"));
    const String expected = u"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><!DOCTYPE a [<!ENTITY e 'v'>]>"
                            u"<a k=\"&quot;&lt;\u00E9\">&amp;e; &amp; <![CDATA[<c>]]><!--n--><b/></a>";
    EXPECT_EQ(doc.XML(), expected);

    // Bytes are UTF-8 and say so; read back they give the same tree.
    TBytesStream stream;
    doc.SaveToStream(stream);
    const std::string saved(stream.Bytes().begin(), stream.Bytes().end());
    EXPECT_EQ(saved.substr(0, 38), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_NE(saved.find("\xC3\xA9"), std::string::npos);
    EXPECT_EQ(doc.XML(), expected); // the document itself keeps its declaration
    TXMLDocument reread;
    stream.SetPosition(0);
    reread.LoadFromStream(stream);
    EXPECT_EQ(Dump(reread.Node()), Dump(doc.Node()));
}

TEST(XMLDocument, NodesOutliveTheirDocument)
{
    TXMLNode root;
    {
        auto doc = std::make_unique<TXMLDocument>();
        doc->LoadFromXML(u"<first/>");
        root = doc->DocumentElement();
        doc->LoadFromXML(u"<second/>");
        EXPECT_EQ(doc->DocumentElement().NodeName(), u"second");
    }
    EXPECT_EQ(root.NodeName(), u"first");
    TXMLDocument empty;
    EXPECT_FALSE(empty.Active());
    EXPECT_FALSE(empty.DocumentElement());
    EXPECT_EQ(empty.XML(), u"");
}
