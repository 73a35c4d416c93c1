#include <gtest/gtest.h>

#include "RurHTML.h"

TEST(RurHTMLTags, DispatchesOnLeadingLetters)
{
    using K = THTMLTagKind;
    struct Case { String Tag; K Kind; bool Closing; };
    const Case cases[] = {
        {u"<a href=\"x\">", K::Anchor, false},  {u"<B>", K::Bold, false},
        {u"<b >", K::Unknown, false},           {u"<BLINK>", K::Blink, false},
        {u"<body bgcolor=\"#FFFFFF\">", K::Body, false},
        {u"<br>", K::Break, false},             {u"<e>", K::Error, false},
        {u"<font face=\"x\">", K::Font, false}, {u"<hi>", K::Highlight, false},
        {u"<hr color=\"clred\">", K::Rule, false},
        {u"<i>", K::Italic, false},             {u"<ind x=\"4\">", K::Indent, false},
        {u"<img src=\"a\">", K::Image, false},  {u"<J xx >", K::Emoji, false},
        {u"<li>", K::ListItem, false},          {u"<ofs x=\"2\">", K::Offset, false},
        {u"<ol>", K::OrderedList, false},       {u"<p align=\"right\">", K::Paragraph, false},
        {u"<r a=\"90\">", K::Rotate, false},    {u"<s>", K::Strike, false},
        {u"<shad>", K::Shadow, false},          {u"<span style=\"\">", K::Span, false},
        {u"<strong>", K::Strong, false},        {u"<strike>", K::Strike, false},
        {u"<sub>", K::Subscript, false},        {u"<SUP>", K::Superscript, false},
        {u"<sub >", K::Unknown, false},         {u"<u>", K::Underline, false},
        {u"<ul>", K::UnorderedList, false},     {u"<z>", K::Hidden, false},
        {u"<xyz>", K::Unknown, false},          {u"</>", K::Unknown, false},
        {u"</a>", K::Anchor, true},             {u"</b>", K::Bold, true},
        {u"</body>", K::BodyOrBlinkEnd, true},  {u"</blink>", K::BodyOrBlinkEnd, true},
        {u"</e>", K::Error, true},              {u"</font>", K::Font, true},
        {u"</hi>", K::Highlight, true},         {u"</i>", K::Italic, true},
        {u"</li>", K::LineEnd, true},           {u"</o>", K::Offset, true},
        {u"</ofs>", K::Offset, true},           {u"</ol>", K::OrderedList, true},
        {u"</p>", K::Paragraph, true},          {u"</r>", K::Rotate, true},
        {u"</s>", K::Strike, true},             {u"</strike>", K::Strike, true},
        {u"</strong>", K::Strong, true},        {u"</sub>", K::SubSupEnd, true},
        {u"</sup>", K::SubSupEnd, true},        {u"</span>", K::Span, true},
        {u"</shad>", K::Shadow, true},          {u"</u>", K::Underline, true},
        {u"</ul>", K::UnorderedList, true},     {u"</z>", K::Hidden, true},
    };
    for (const Case& c : cases) {
        const THTMLTag tag = ClassifyHTMLTag(c.Tag, THTMLEdition::Full);
        EXPECT_EQ(tag.Kind, c.Kind) << ToUtf8(c.Tag);
        EXPECT_EQ(tag.Closing, c.Closing) << ToUtf8(c.Tag);
    }
    EXPECT_EQ(ClassifyHTMLTag(u"<J xx >", THTMLEdition::Reduced).Kind, K::Unknown);
}

TEST(RurHTMLTags, CutsFragmentsAndTags)
{
    const String text = u"one two<b>three";
    EXPECT_EQ(HTMLFragmentLength(text, 0, false), 7u);
    EXPECT_EQ(HTMLFragmentLength(text, 0, true), 4u);
    EXPECT_EQ(HTMLFragmentLength(text, 4, true), 3u);
    EXPECT_EQ(HTMLFragmentLength(text, 10, true), 5u);
    EXPECT_EQ(HTMLTagLength(text, 7), 3u);
    EXPECT_EQ(HTMLTagLength(u"<b", 0), 0u);

    // Entities of a fragment after the cut: "&nbsp;" never splits it, "&lt;" never opens a tag.
    String fragment = u"a&nbsp;b&lt;c&gt;&NBSP;";
    EXPECT_EQ(DecodeFragmentEntities(fragment), 3);
    EXPECT_EQ(fragment, u"a b<c>&NBSP;");
}

TEST(RurHTMLTags, ReadsAttributes)
{
    const String tag = u"<a title=\"Tip\" href=\"Page.htm\">";
    const String upper = HTMLUpperTag(tag);
    String value;
    ASSERT_TRUE(HTMLTagAttribute(upper, tag, u"HREF", value));
    EXPECT_EQ(value, u"Page.htm");
    ASSERT_TRUE(HTMLTagAttribute(upper, u"TITLE", value));
    EXPECT_EQ(value, u"TIP");
    EXPECT_FALSE(HTMLTagAttribute(upper, u"SRC", value));

    // The first occurrence wins, also inside a longer name.
    const String para = HTMLUpperTag(u"<p bgcolorto=\"#000000\" bgcolor=\"#FFFFFF\">");
    ASSERT_TRUE(HTMLTagAttribute(para, u"BGCOLOR", value));
    EXPECT_EQ(value, u"#000000");
    // Without quotes the next quoted value is read; without any, the value is empty.
    ASSERT_TRUE(HTMLTagAttribute(HTMLUpperTag(u"<img width=20 height=\"5\">"), u"WIDTH", value));
    EXPECT_EQ(value, u"5");
    ASSERT_TRUE(HTMLTagAttribute(HTMLUpperTag(u"<img width=20>"), u"WIDTH", value));
    EXPECT_EQ(value, u"");
    ASSERT_TRUE(HTMLTagAttribute(HTMLUpperTag(u"<img src=\"open>"), u"SRC", value));
    EXPECT_EQ(value, u"OPEN");
}

TEST(RurHTMLTags, SwitchesTheTextStateAlikeForEveryEngine)
{
    // Each step: a tag, whether it is a switch, and shadow/sub/sup/hidden after it.
    struct Step { String Tag; bool Switch; bool Shadow, Sub, Sup, Hidden; };
    const Step steps[] = {
        {u"<shad>", true, true, false, false, false},  {u"<sub>", true, true, true, false, false},
        {u"<sup>", true, true, true, true, false},     {u"</sub>", true, true, false, false, false},
        {u"<sup>", true, true, false, true, false},    {u"</sup>", true, true, false, false, false},
        {u"<z>", true, true, false, false, true},      {u"<b>", false, true, false, false, true},
        {u"</z>", true, true, false, false, false},    {u"</shad>", true, false, false, false, false},
        {u"<sub >", false, false, false, false, false},
    };
    THTMLTextSwitches switches;
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.Tag.begin(), s.Tag.end()));
        EXPECT_EQ(switches.Apply(ClassifyHTMLTag(s.Tag, THTMLEdition::Full)), s.Switch);
        EXPECT_EQ(switches.Shadow, s.Shadow);
        EXPECT_EQ(switches.Sub, s.Sub);
        EXPECT_EQ(switches.Sup, s.Sup);
        EXPECT_EQ(switches.Hidden, s.Hidden);
    }
}
