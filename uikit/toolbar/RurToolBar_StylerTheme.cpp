// The theme file's property lines: a fixed order of "key=value" lines, one per property of the
// styler and its appearance objects. The layout is a list of sections (a key prefix, a table of
// fields, the object they belong to); the same tables serve writing and reading.
#include <span>

#include "RurToolBar_Styler.h"
#include "Streaming.h"
#include "SysUtils.h"

namespace {

// How a line is written and read: key=value as it stands; the comma text of a one-item list (so a
// value with spaces is quoted); or a list of font-style names after the first "=".
enum class LineForm { Plain, Comma, StyleNames };

template <class T>
struct ThemeField {
    const char16_t* Key;
    LineForm Form;
    String (*Get)(T&);
    void (*Set)(T&, const String&);
};

// ---- value forms ----

String ColourText(TColor colour)
{
    String ident;
    if (IntToIdent(u"TColor", colour, ident))
        return ident;
    return u"$" + IntToHex(static_cast<unsigned>(colour), 8);
}

int IntegerValue(const String& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(u"'" + text + u"' is not a valid integer value");
    return value;
}

TColor ColourValue(const String& text)
{
    Int64 value = 0;
    if (IdentToInt(u"TColor", text, value))
        return static_cast<TColor>(value);
    return IntegerValue(text);
}

template <PublishedEnum E>
String EnumText(E value)
{
    return EnumInfoOf<E>().Name(value);
}

// A known name sets the value; anything else leaves it.
template <PublishedEnum E, class T>
void SetEnumIfKnown(T& object, void (T::*set)(E), const String& text)
{
    const int value = EnumInfoOf<E>().ValueOf(text);
    if (value >= 0)
        (object.*set)(static_cast<E>(value));
}

TGradientDirection DirectionValue(const String& text)
{
    return SameText(text, u"gdHorizontal") ? gdHorizontal : gdVertical;
}

String BooleanText(bool value) { return value ? u"True" : u"False"; }
bool BooleanValue(const String& text) { return SameText(text, u"TRUE"); }

String FontStyleText(TFontStyles styles)
{
    String text;
    for (int s = fsBold; s <= fsStrikeOut; ++s)
        if (styles.Contains(static_cast<TFontStyle>(s)))
            text += (text.empty() ? u"" : u",") + EnumText(static_cast<TFontStyle>(s));
    return text;
}

void SetFontStyleNames(TFont& font, const String& list)
{
    TStringList names;
    names.SetCommaText(list);
    TFontStyles styles;
    for (int s = fsBold; s <= fsStrikeOut; ++s)
        if (names.IndexOf(EnumText(static_cast<TFontStyle>(s))) >= 0)
            styles.Include(static_cast<TFontStyle>(s));
    font.SetStyle(styles);
}

// ---- field tables ----

#define RUR_COLOUR(T, Name)                                                                                \
    ThemeField<T>{u"" #Name, LineForm::Plain, [](T& o) { return ColourText(o.Name()); },                   \
                  [](T& o, const String& v) { o.Set##Name(ColourValue(v)); }}
#define RUR_INTEGER(T, Name)                                                                               \
    ThemeField<T>{u"" #Name, LineForm::Plain, [](T& o) { return IntToStr(o.Name()); },                     \
                  [](T& o, const String& v) { o.Set##Name(IntegerValue(v)); }}
#define RUR_DIRECTION(T, Name)                                                                             \
    ThemeField<T>{u"" #Name, LineForm::Plain, [](T& o) { return EnumText(o.Name()); },                     \
                  [](T& o, const String& v) { o.Set##Name(DirectionValue(v)); }}
#define RUR_ENUM(T, Name)                                                                                  \
    ThemeField<T>{u"" #Name, LineForm::Plain, [](T& o) { return EnumText(o.Name()); },                     \
                  [](T& o, const String& v) { SetEnumIfKnown(o, &T::Set##Name, v); }}
#define RUR_BOOLEAN(T, Name)                                                                               \
    ThemeField<T>{u"" #Name, LineForm::Comma, [](T& o) { return BooleanText(o.Name()); },                  \
                  [](T& o, const String& v) { o.Set##Name(BooleanValue(v)); }}

using Styler = TCustomRurToolBarStyler;

constexpr ThemeField<TButtonAppearance> kButtonFields[] = {
    RUR_COLOUR(TButtonAppearance, Color), RUR_COLOUR(TButtonAppearance, ColorTo),
    RUR_COLOUR(TButtonAppearance, ColorChecked), RUR_COLOUR(TButtonAppearance, ColorCheckedTo),
    RUR_COLOUR(TButtonAppearance, ColorDown), RUR_COLOUR(TButtonAppearance, ColorDownTo),
    RUR_COLOUR(TButtonAppearance, ColorHot), RUR_COLOUR(TButtonAppearance, ColorHotTo),
    RUR_COLOUR(TButtonAppearance, CaptionTextColor), RUR_COLOUR(TButtonAppearance, CaptionTextColorHot),
    RUR_COLOUR(TButtonAppearance, CaptionTextColorDown), RUR_COLOUR(TButtonAppearance, CaptionTextColorChecked),
    RUR_DIRECTION(TButtonAppearance, GradientDirection), RUR_DIRECTION(TButtonAppearance, GradientDirectionHot),
    RUR_DIRECTION(TButtonAppearance, GradientDirectionDown),
    RUR_DIRECTION(TButtonAppearance, GradientDirectionChecked), RUR_COLOUR(TButtonAppearance, BorderColor),
    RUR_COLOUR(TButtonAppearance, BorderDownColor), RUR_COLOUR(TButtonAppearance, BorderHotColor),
    RUR_COLOUR(TButtonAppearance, BorderCheckedColor),
};

// Color, Style, Size, Name; the caption font of the styler has no name line.
constexpr ThemeField<TFont> kFontFields[] = {
    RUR_COLOUR(TFont, Color),
    {u"Style", LineForm::StyleNames, [](TFont& f) { return FontStyleText(f.Style()); }, &SetFontStyleNames},
    RUR_INTEGER(TFont, Size),
    {u"Name", LineForm::Comma, [](TFont& f) { return f.Name(); }, [](TFont& f, const String& v) { f.SetName(v); }},
};

constexpr ThemeField<TGradientBackground> kGradientFields[] = {
    RUR_COLOUR(TGradientBackground, Color), RUR_COLOUR(TGradientBackground, ColorTo),
    RUR_DIRECTION(TGradientBackground, Direction), RUR_INTEGER(TGradientBackground, Steps),
};

constexpr ThemeField<TMirrorGradient> kMirrorFields[] = {
    RUR_COLOUR(TMirrorGradient, Color), RUR_COLOUR(TMirrorGradient, ColorTo),
    RUR_COLOUR(TMirrorGradient, ColorMirror), RUR_COLOUR(TMirrorGradient, ColorMirrorTo),
};

constexpr ThemeField<TCaptionAppearance> kCaptionFields[] = {
    RUR_COLOUR(TCaptionAppearance, CaptionColor), RUR_COLOUR(TCaptionAppearance, CaptionColorTo),
    RUR_COLOUR(TCaptionAppearance, CaptionTextColor), RUR_COLOUR(TCaptionAppearance, CaptionBorderColor),
    RUR_COLOUR(TCaptionAppearance, CaptionColorHot), RUR_COLOUR(TCaptionAppearance, CaptionColorHotTo),
    RUR_COLOUR(TCaptionAppearance, CaptionTextColorHot), RUR_COLOUR(TCaptionAppearance, CaptionBorderColorHot),
};

constexpr ThemeField<TContainerAppearance> kContainerFields[] = {
    RUR_COLOUR(TContainerAppearance, LineColor),
    RUR_BOOLEAN(TContainerAppearance, Line3D),
};

constexpr ThemeField<TGlowButtonAppearance> kGlowFields[] = {
    RUR_COLOUR(TGlowButtonAppearance, BorderColor), RUR_COLOUR(TGlowButtonAppearance, BorderColorHot),
    RUR_COLOUR(TGlowButtonAppearance, BorderColorDown), RUR_COLOUR(TGlowButtonAppearance, BorderColorChecked),
    RUR_COLOUR(TGlowButtonAppearance, BorderColorDisabled), RUR_COLOUR(TGlowButtonAppearance, Color),
    RUR_COLOUR(TGlowButtonAppearance, ColorTo), RUR_COLOUR(TGlowButtonAppearance, ColorChecked),
    RUR_COLOUR(TGlowButtonAppearance, ColorCheckedTo), RUR_COLOUR(TGlowButtonAppearance, ColorDisabled),
    RUR_COLOUR(TGlowButtonAppearance, ColorDisabledTo), RUR_COLOUR(TGlowButtonAppearance, ColorDown),
    RUR_COLOUR(TGlowButtonAppearance, ColorDownTo), RUR_COLOUR(TGlowButtonAppearance, ColorHot),
    RUR_COLOUR(TGlowButtonAppearance, ColorHotTo), RUR_COLOUR(TGlowButtonAppearance, ColorMirror),
    RUR_COLOUR(TGlowButtonAppearance, ColorMirrorTo), RUR_COLOUR(TGlowButtonAppearance, ColorMirrorHot),
    RUR_COLOUR(TGlowButtonAppearance, ColorMirrorHotTo), RUR_COLOUR(TGlowButtonAppearance, ColorMirrorDown),
    RUR_COLOUR(TGlowButtonAppearance, ColorMirrorDownTo), RUR_COLOUR(TGlowButtonAppearance, ColorMirrorChecked),
    RUR_COLOUR(TGlowButtonAppearance, ColorMirrorCheckedTo),
    RUR_COLOUR(TGlowButtonAppearance, ColorMirrorDisabled),
    RUR_COLOUR(TGlowButtonAppearance, ColorMirrorDisabledTo), RUR_ENUM(TGlowButtonAppearance, Gradient),
    RUR_ENUM(TGlowButtonAppearance, GradientMirror), RUR_ENUM(TGlowButtonAppearance, GradientHot),
    RUR_ENUM(TGlowButtonAppearance, GradientMirrorHot), RUR_ENUM(TGlowButtonAppearance, GradientDown),
    RUR_ENUM(TGlowButtonAppearance, GradientMirrorDown), RUR_ENUM(TGlowButtonAppearance, GradientChecked),
    RUR_ENUM(TGlowButtonAppearance, GradientMirrorChecked), RUR_ENUM(TGlowButtonAppearance, GradientDisabled),
    RUR_ENUM(TGlowButtonAppearance, GradientMirrorDisabled),
};

// BorderColor, the four fill colours, the two gradient kinds, Steps; ShadowColor sits between
// the colours and the gradients in the page background's lines.
constexpr ThemeField<TVistaBackground> kVistaFields[] = {
    RUR_COLOUR(TVistaBackground, BorderColor), RUR_COLOUR(TVistaBackground, Color),
    RUR_COLOUR(TVistaBackground, ColorTo), RUR_COLOUR(TVistaBackground, ColorMirror),
    RUR_COLOUR(TVistaBackground, ColorMirrorTo), RUR_ENUM(TVistaBackground, Gradient),
    RUR_ENUM(TVistaBackground, GradientMirror), RUR_INTEGER(TVistaBackground, Steps),
};
constexpr ThemeField<TVistaBackground> kShadowField[] = {RUR_COLOUR(TVistaBackground, ShadowColor)};
constexpr ThemeField<TVistaTextBackground> kPagerTextField[] = {RUR_COLOUR(TVistaTextBackground, TextColor)};

constexpr ThemeField<TCustomTabAppearance> kTabColourFields[] = {
    RUR_COLOUR(TCustomTabAppearance, BorderColor), RUR_COLOUR(TCustomTabAppearance, BorderColorHot),
    RUR_COLOUR(TCustomTabAppearance, BorderColorSelected), RUR_COLOUR(TCustomTabAppearance, BorderColorSelectedHot),
    RUR_COLOUR(TCustomTabAppearance, BorderColorDown), RUR_COLOUR(TCustomTabAppearance, BorderColorDisabled),
    RUR_COLOUR(TCustomTabAppearance, Color), RUR_COLOUR(TCustomTabAppearance, ColorTo),
    RUR_COLOUR(TCustomTabAppearance, ColorSelected), RUR_COLOUR(TCustomTabAppearance, ColorSelectedTo),
    RUR_COLOUR(TCustomTabAppearance, ColorDisabled), RUR_COLOUR(TCustomTabAppearance, ColorDisabledTo),
    RUR_COLOUR(TCustomTabAppearance, ColorHot), RUR_COLOUR(TCustomTabAppearance, ColorHotTo),
    RUR_COLOUR(TCustomTabAppearance, ColorMirror), RUR_COLOUR(TCustomTabAppearance, ColorMirrorTo),
    RUR_COLOUR(TCustomTabAppearance, ColorMirrorHot), RUR_COLOUR(TCustomTabAppearance, ColorMirrorHotTo),
    RUR_COLOUR(TCustomTabAppearance, ColorMirrorSelected), RUR_COLOUR(TCustomTabAppearance, ColorMirrorSelectedTo),
    RUR_COLOUR(TCustomTabAppearance, ColorMirrorDisabled), RUR_COLOUR(TCustomTabAppearance, ColorMirrorDisabledTo),
};

constexpr ThemeField<TCustomTabAppearance> kTabLookFields[] = {
    RUR_ENUM(TCustomTabAppearance, Gradient), RUR_ENUM(TCustomTabAppearance, GradientMirror),
    RUR_ENUM(TCustomTabAppearance, GradientHot), RUR_ENUM(TCustomTabAppearance, GradientMirrorHot),
    RUR_ENUM(TCustomTabAppearance, GradientSelected), RUR_ENUM(TCustomTabAppearance, GradientMirrorSelected),
    RUR_ENUM(TCustomTabAppearance, GradientDisabled), RUR_ENUM(TCustomTabAppearance, GradientMirrorDisabled),
    RUR_COLOUR(TCustomTabAppearance, TextColor), RUR_COLOUR(TCustomTabAppearance, TextColorHot),
    RUR_COLOUR(TCustomTabAppearance, TextColorSelected), RUR_COLOUR(TCustomTabAppearance, TextColorDisabled),
    RUR_COLOUR(TCustomTabAppearance, ShadowColor), RUR_COLOUR(TCustomTabAppearance, HighLightColor),
    RUR_COLOUR(TCustomTabAppearance, HighLightColorHot), RUR_COLOUR(TCustomTabAppearance, HighLightColorSelected),
    RUR_COLOUR(TCustomTabAppearance, HighLightColorSelectedHot),
    RUR_COLOUR(TCustomTabAppearance, HighLightColorDown),
};

constexpr ThemeField<TGroupAppearance> kGroupColourFields[] = {
    RUR_COLOUR(TGroupAppearance, BorderColor), RUR_COLOUR(TGroupAppearance, Color),
    RUR_COLOUR(TGroupAppearance, ColorTo), RUR_COLOUR(TGroupAppearance, ColorMirror),
    RUR_COLOUR(TGroupAppearance, ColorMirrorTo),
};
constexpr ThemeField<TGroupAppearance> kGroupLookFields[] = {
    RUR_ENUM(TGroupAppearance, Gradient), RUR_ENUM(TGroupAppearance, GradientMirror),
    RUR_COLOUR(TGroupAppearance, TextColor),
};

constexpr ThemeField<TToolBarAppearance> kToolBarFields[] = {
    RUR_COLOUR(TToolBarAppearance, BorderColor), RUR_COLOUR(TToolBarAppearance, BorderColorHot),
};

constexpr ThemeField<TQATAppearance> kQATFields[] = {
    RUR_COLOUR(TQATAppearance, BorderColor), RUR_COLOUR(TQATAppearance, Color),
    RUR_COLOUR(TQATAppearance, ColorTo), RUR_COLOUR(TQATAppearance, FullSizeBorderColor),
    RUR_COLOUR(TQATAppearance, FullSizeColor), RUR_COLOUR(TQATAppearance, FullSizeColorTo),
    RUR_INTEGER(TQATAppearance, Steps),
};

// The first line after the preset name; AutoThemeAdapt goes through the virtual write accessor.
constexpr ThemeField<Styler> kAutoThemeField[] = {RUR_BOOLEAN(Styler, AutoThemeAdapt)};

constexpr ThemeField<Styler> kHandleFields[] = {
    RUR_ENUM(Styler, DragGripStyle), RUR_COLOUR(Styler, RightHandleColor), RUR_COLOUR(Styler, RightHandleColorHot),
    RUR_COLOUR(Styler, RightHandleColorTo), RUR_COLOUR(Styler, RightHandleColorHotTo),
    RUR_COLOUR(Styler, RightHandleColorDown), RUR_COLOUR(Styler, RightHandleColorDownTo),
    RUR_COLOUR(Styler, FloatingWindowBorderColor), RUR_INTEGER(Styler, FloatingWindowBorderWidth),
};

constexpr ThemeField<Styler> kBorderFields[] = {RUR_COLOUR(Styler, BorderColor), RUR_COLOUR(Styler, BorderColorHot)};

// The last line: an empty or missing one leaves the colour as it is (an older, shorter file).
constexpr ThemeField<Styler> kFormBorderField[] = {
    {u"FormBorderColor", LineForm::Plain, [](Styler& s) { return ColourText(s.FormBorderColor()); },
     [](Styler& s, const String& v) {
         if (!v.empty())
             s.SetFormBorderColor(ColourValue(v));
     }},
};

// After it, the caption font's name, which the fixed layout of the older lines leaves out: a missing
// or empty line (a file of an older writer) keeps the name.
constexpr ThemeField<TFont> kCaptionFontNameField[] = {
    {u"Name", LineForm::Comma, [](TFont& f) { return f.Name(); },
     [](TFont& f, const String& v) {
         if (!v.empty())
             f.SetName(v);
     }},
};

#undef RUR_COLOUR
#undef RUR_INTEGER
#undef RUR_DIRECTION
#undef RUR_ENUM
#undef RUR_BOOLEAN

// Every section of the file in order: visit(prefix, fields, object).
template <class Visit>
void ForEachSection(Styler& s, Visit&& visit)
{
    const std::span font(kFontFields);
    const std::span vista(kVistaFields);
    visit(u"", std::span(kAutoThemeField), s);
    visit(u"ButtonAppearance.", std::span(kButtonFields), *s.ButtonAppearance());
    visit(u"ButtonAppearance.CaptionFont.", font, *s.ButtonAppearance()->CaptionFont());
    visit(u"Color.", std::span(kGradientFields), *s.Color());
    visit(u"Color.Mirror.", std::span(kMirrorFields), *s.Color()->Mirror());
    visit(u"DockColor.", std::span(kGradientFields), *s.DockColor());
    visit(u"Font.", font, *s.Font());
    visit(u"", std::span(kHandleFields), s);
    visit(u"CaptionAppearance.", std::span(kCaptionFields), *s.CaptionAppearance());
    visit(u"", std::span(kBorderFields), s);
    visit(u"ColorHot.", std::span(kGradientFields), *s.ColorHot());
    visit(u"ColorHot.Mirror.", std::span(kMirrorFields), *s.ColorHot()->Mirror());
    visit(u"CaptionFont.", font.first(3), *s.CaptionFont());
    visit(u"ContainerAppearance.", std::span(kContainerFields), *s.ContainerAppearance());
    visit(u"GlowButtonAppearance.", std::span(kGlowFields), *s.GlowButtonAppearance());
    visit(u"PagerCaption.", vista, *s.PagerCaption());
    visit(u"PagerCaption.", std::span(kPagerTextField), *s.PagerCaption());
    visit(u"PagerCaption.Font.", font, *s.PagerCaption()->Font());
    visit(u"TabAppearance.BackGround.", std::span(kGradientFields), *s.TabAppearance()->BackGround());
    TCustomTabAppearance& tab = *s.TabAppearance();
    visit(u"TabAppearance.", std::span(kTabColourFields), tab);
    visit(u"TabAppearance.Font.", font, *tab.Font());
    visit(u"TabAppearance.", std::span(kTabLookFields), tab);
    TVistaBackground& page = *s.PageAppearance();
    visit(u"PageAppearance.", vista.first(5), page);
    visit(u"PageAppearance.", std::span(kShadowField), page);
    visit(u"PageAppearance.", vista.subspan(5), page);
    TGroupAppearance& group = *s.GroupAppearance();
    visit(u"GroupAppearance.", std::span(kGroupColourFields), group);
    visit(u"GroupAppearance.Font.", font, *group.Font());
    visit(u"GroupAppearance.", std::span(kGroupLookFields), group);
    visit(u"GroupAppearance.CaptionAppearance.", std::span(kCaptionFields), *group.CaptionAppearance());
    visit(u"GroupAppearance.PageAppearance.", vista, *group.PageAppearance());
    TCustomTabAppearance& groupTab = *group.TabAppearance();
    visit(u"GroupAppearance.TabAppearance.", std::span(kTabColourFields), groupTab);
    visit(u"GroupAppearance.TabAppearance.Font.", font, *groupTab.Font());
    visit(u"GroupAppearance.TabAppearance.", std::span(kTabLookFields), groupTab);
    TToolBarAppearance& toolBar = *group.ToolBarAppearance();
    visit(u"GroupAppearance.ToolBarAppearance.", std::span(kToolBarFields), toolBar);
    visit(u"GroupAppearance.ToolBarAppearance.Color.", std::span(kGradientFields), *toolBar.Color());
    visit(u"GroupAppearance.ToolBarAppearance.ColorHot.", std::span(kGradientFields), *toolBar.ColorHot());
    visit(u"CompactGlowButtonAppearance.", std::span(kGlowFields), *s.CompactGlowButtonAppearance());
    visit(u"QATAppearance.", std::span(kQATFields), *s.QATAppearance());
    visit(u"", std::span(kFormBorderField), s);
    visit(u"CaptionFont.", std::span(kCaptionFontNameField), *s.CaptionFont());
}

String CommaTextOf(const String& item)
{
    TStringList list;
    list.Add(item);
    return list.CommaText();
}

// The text after the first "="; empty when there is none.
String ValueAfterEqualSign(const String& line)
{
    const size_t at = line.find(u'=');
    return at == String::npos ? String() : line.substr(at + 1);
}

String LineValue(const String& line, const String& key, LineForm form)
{
    TStringList items;
    if (form == LineForm::StyleNames)
        return ValueAfterEqualSign(line);
    items.SetCommaText(line);
    return items.Values(key);
}

} // namespace

std::vector<String> TCustomRurToolBarStyler::SaveThemeLines() const
{
    std::vector<String> lines;
    // The sections hand out the objects for reading and writing alike; saving only reads them.
    auto& self = const_cast<TCustomRurToolBarStyler&>(*this);
    ForEachSection(self, [&lines](const char16_t* prefix, auto fields, auto& object) {
        for (const auto& field : fields) {
            const String line = String(prefix) + field.Key + u"=" + field.Get(object);
            lines.push_back(field.Form == LineForm::Comma ? CommaTextOf(line) : line);
        }
    });
    return lines;
}

void TCustomRurToolBarStyler::ApplyThemeLines(const std::vector<String>& lines)
{
    size_t index = 0;
    try {
        ForEachSection(*this, [&lines, &index](const char16_t* prefix, auto fields, auto& object) {
            for (const auto& field : fields) {
                const String line = index < lines.size() ? lines[index] : String();
                ++index;
                field.Set(object, LineValue(line, String(prefix) + field.Key, field.Form));
            }
        });
    } catch (const std::exception&) {
        throw Exception(u"Corrupt file");
    }
}

void TCustomRurToolBarStyler::CheckThemeLines(const std::vector<String>& lines)
{
    // A scratch styler takes every line, so a bad line is found before the real one changes.
    TCustomRurToolBarStyler(nullptr).ApplyThemeLines(lines);
}

void TCustomRurToolBarStyler::LoadThemeLines(const std::vector<String>& lines)
{
    CheckThemeLines(lines);
    ChangeAtOnce([&] { ApplyThemeLines(lines); });
}
