// The toolbar styler's theme lines: their count, keys and value forms, a full round trip with a
// value changed on every line, and lines that fail leaving the styler as it was.
#include <gtest/gtest.h>

#include "RurToolBar_Styler.h"
#include "SysUtils.h"

namespace {

// A value other than the given one, of the same form.
String OtherValue(const String& value, size_t lineIndex)
{
    const auto shade = static_cast<int>(0x010101 * (lineIndex % 200) + 0x100000);
    if (value.starts_with(u"$") || value.starts_with(u"cl"))
        return u"$" + IntToHex(shade, 8);
    if (value == u"gdHorizontal" || value == u"gdVertical")
        return value == u"gdHorizontal" ? u"gdVertical" : u"gdHorizontal";
    if (value.starts_with(u"gg"))
        return value == u"ggRadial" ? u"ggDiagonalBackward" : u"ggRadial";
    if (value.starts_with(u"ds"))
        return value == u"dsFlatDots" ? u"dsDoubleLine" : u"dsFlatDots";
    if (value == u"True" || value == u"False")
        return value == u"True" ? u"False" : u"True";
    if (value.empty() || value.starts_with(u"fs"))
        return value.empty() ? u"fsUnderline" : u"";
    if (value == u"Segoe UI" || value == u"Tahoma")
        return u"Courier New";
    return IntToStr(StrToInt(value) + 3);
}

String KeyOf(const String& line)
{
    const String plain = line.starts_with(u"\"") ? line.substr(1) : line;
    return plain.substr(0, plain.find(u'='));
}

String ValueOf(const String& line)
{
    String value = line.substr(line.find(u'=') + 1);
    return line.starts_with(u"\"") ? value.substr(0, value.size() - 1) : value;
}

String Line(const String& key, const String& value)
{
    const String text = key + u"=" + value;
    return value.find(u' ') != String::npos ? u"\"" + text + u"\"" : text;
}

size_t IndexOfKey(const std::vector<String>& lines, const String& key)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (KeyOf(lines[i]) == key)
            return i;
    ADD_FAILURE() << "no line " << ToUtf8(key);
    return 0;
}

} // namespace

TEST(ToolBarStylerTheme, LinesHaveTheirPlacesKeysAndForms)
{
    TCustomRurToolBarStyler styler(nullptr);
    styler.Font()->SetStyle(TFontStyles{fsBold, fsItalic});
    styler.ButtonAppearance()->CaptionFont()->SetName(u"Segoe UI");
    styler.PagerCaption()->Font()->SetName(u"Tahoma");
    styler.CaptionFont()->SetName(u"Segoe UI");
    const std::vector<String> lines = styler.SaveThemeLines();
    ASSERT_EQ(lines.size(), 304u);
    // Places as file lines (line 1 is the preset name, written by the Office styler).
    const std::pair<int, const char16_t*> expected[] = {
        {2, u"AutoThemeAdapt=False"},
        {3, u"ButtonAppearance.Color=clNone"},
        {26, u"\"ButtonAppearance.CaptionFont.Name=Segoe UI\""},
        {27, u"Color.Color=clWhite"},
        {40, u"Font.Style=fsBold,fsItalic"},
        {43, u"DragGripStyle=dsDots"},
        {51, u"FloatingWindowBorderWidth=2"},
        {72, u"CaptionFont.Size=8"},
        {74, u"ContainerAppearance.Line3D=True"},
        {75, u"GlowButtonAppearance.BorderColor=clSilver"},
        {109, u"GlowButtonAppearance.GradientMirrorDisabled=ggRadial"},
        {122, u"PagerCaption.Font.Name=Tahoma"},
        {176, u"PageAppearance.ShadowColor=$00C4AA96"},
        {262, u"CompactGlowButtonAppearance.BorderColor=clSilver"},
        {303, u"QATAppearance.Steps=64"},
        {304, u"FormBorderColor=clGray"},
        {305, u"\"CaptionFont.Name=Segoe UI\""},
    };
    for (auto& [line, text] : expected)
        EXPECT_EQ(lines[line - 2], String(text)) << "line " << line;
}

TEST(ToolBarStylerTheme, EveryLineComesBackThroughAnotherStyler)
{
    TCustomRurToolBarStyler source(nullptr);
    std::vector<String> lines = source.SaveThemeLines();
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i] = Line(KeyOf(lines[i]), OtherValue(ValueOf(lines[i]), i));
    // Keys ignore letter case.
    const size_t tabFontSize = IndexOfKey(lines, u"TabAppearance.Font.Size");
    lines[tabFontSize] = LowerCase(lines[tabFontSize]);
    TCustomRurToolBarStyler target(nullptr);
    target.LoadThemeLines(lines);
    const std::vector<String> back = target.SaveThemeLines();
    ASSERT_EQ(back.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == tabFontSize)
            EXPECT_EQ(ValueOf(back[i]), ValueOf(lines[i]));
        else
            EXPECT_EQ(back[i], lines[i]) << "line " << i + 2;
    }
    EXPECT_TRUE(target.AutoThemeAdapt());
}

TEST(ToolBarStylerTheme, ABadLineRaisesAndChangesNothing)
{
    TCustomRurToolBarStyler styler(nullptr);
    const std::vector<String> before = styler.SaveThemeLines();
    struct BadCase {
        const char16_t* Key;
        const char16_t* Value;
    };
    const BadCase cases[] = {
        {u"GlowButtonAppearance.ColorHot", u"clNoSuchColour"},
        {u"QATAppearance.Steps", u"many"},
        {u"Font.Size", u""},
    };
    for (const BadCase& c : cases) {
        std::vector<String> lines = before;
        for (String& line : lines)
            line = Line(KeyOf(line), u"$000000FF");
        lines[IndexOfKey(before, c.Key)] = Line(c.Key, c.Value);
        try {
            styler.LoadThemeLines(lines);
            ADD_FAILURE() << "no failure for " << ToUtf8(c.Key);
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), u"Corrupt file");
        }
        EXPECT_EQ(styler.SaveThemeLines(), before) << ToUtf8(c.Key);
    }
    // A line missing its place altogether fails the same way.
    std::vector<String> shortened = before;
    shortened.erase(shortened.begin() + 10);
    EXPECT_THROW(styler.LoadThemeLines(shortened), Exception);
    EXPECT_EQ(styler.SaveThemeLines(), before);
}

TEST(ToolBarStylerTheme, LenientLinesKeepTheirReadRules)
{
    TCustomRurToolBarStyler styler(nullptr);
    styler.SetFormBorderColor(0x123456);
    styler.CaptionFont()->SetName(u"Courier New");
    styler.ButtonAppearance()->SetGradientDirectionHot(gdHorizontal);
    std::vector<String> lines = styler.SaveThemeLines();
    // The two last lines came later: files of older writers end before the caption font's name
    // (304 lines in the file) or before FormBorderColor (303 lines); both still load.
    std::vector<String> without = lines;
    without.pop_back();
    without.back() = u"FormBorderColor=$00010203";
    styler.LoadThemeLines(without);
    EXPECT_EQ(styler.FormBorderColor(), 0x010203);
    EXPECT_EQ(styler.CaptionFont()->Name(), u"Courier New");
    lines.pop_back();
    lines.pop_back();
    styler.SetFormBorderColor(0x123456);
    lines[IndexOfKey(lines, u"ButtonAppearance.GradientDirectionHot")] = u"ButtonAppearance.GradientDirectionHot=sideways";
    lines[IndexOfKey(lines, u"GlowButtonAppearance.Gradient")] = u"GlowButtonAppearance.Gradient=ggNoSuchKind";
    lines[IndexOfKey(lines, u"DragGripStyle")] = u"DragGripStyle=DSFLATDOTS";
    lines[IndexOfKey(lines, u"ButtonAppearance.CaptionFont.Name")] = u"ButtonAppearance.CaptionFont.Name=Segoe UI";
    styler.LoadThemeLines(lines);
    EXPECT_EQ(styler.FormBorderColor(), 0x123456);
    EXPECT_EQ(styler.CaptionFont()->Name(), u"Courier New");
    EXPECT_EQ(styler.ButtonAppearance()->GradientDirectionHot(), gdVertical);
    EXPECT_EQ(styler.GlowButtonAppearance()->Gradient(), ggVertical);
    EXPECT_EQ(styler.DragGripStyle(), dsFlatDots);
    // Unquoted spaces part comma text: only the first word is the name.
    EXPECT_EQ(styler.ButtonAppearance()->CaptionFont()->Name(), u"Segoe");
}
