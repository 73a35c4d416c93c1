#include "RurGraphicsSVGEngine_Attributes.h"

namespace {

struct TElementName {
    const char16_t* Name;
    TRurGraphicsSVGElementType Type;
};

constexpr TElementName ElementNames[] = {
    {u"g", etContainer},          {u"switch", etSwitch},     {u"defs", etDefs},
    {u"use", etUse},              {u"rect", etRect},         {u"line", etLine},
    {u"polyline", etPolyline},    {u"polygon", etPolygon},   {u"circle", etCircle},
    {u"ellipse", etEllipse},      {u"path", etPath},         {u"image", etImage},
    {u"text", etText},            {u"tspan", etTextSpan},    {u"#text", etTextSpanChild},
    {u"textPath", etTextPath},    {u"clipPath", etClipPath}, {u"linearGradient", etLinearGradient},
    {u"radialGradient", etRadialGradient}, {u"style", etStyle}, {u"stop", etStop},
    {u"pattern", etPattern},
};

// The text from `from` up to the next `close`; empty when there is none.
String Between(const String& text, std::size_t from, const String& close)
{
    const std::size_t end = text.find(close, from);
    return end == String::npos ? String() : text.substr(from, end - from);
}

bool EndsWith(const String& text, const String& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

TRurGraphicsSVGElementType SVGElementTypeOf(const String& ANodeName)
{
    for (const TElementName& entry : ElementNames)
        if (ANodeName == entry.Name)
            return entry.Type;
    return etUnknown;
}

String SVGDeclarationText(const String& AStyle, const TRurGraphicsSVGDeclarations& AAttributes)
{
    String text = AStyle.empty() ? String() : AStyle + u";";
    for (std::size_t i = 0; i < AAttributes.size(); ++i)
        text += (i > 0 ? u";" : u"") + AAttributes[i].Name + u":" + AAttributes[i].Value;
    return text;
}

TRurGraphicsSVGDeclarations SplitDeclarations(const String& AText)
{
    TRurGraphicsSVGDeclarations declarations;
    String text = Trim(AText);
    while (!text.empty()) {
        const std::size_t end = text.find(u';');
        const String part = text.substr(0, end);
        text = end == String::npos ? String() : Trim(text.substr(end + 1));

        const std::size_t href = part.find(u"xlink:href");
        const std::size_t colon = part.find(u':', href == String::npos ? 0 : href + 10);
        if (colon != String::npos)
            declarations.push_back({Trim(part.substr(0, colon)), Trim(part.substr(colon + 1))});
    }
    return declarations;
}

std::vector<TRurGraphicsSVGStyleRule> ParseStyleRules(const String& AText)
{
    std::vector<TRurGraphicsSVGStyleRule> rules;
    String text = Trim(AText);
    for (;;) {
        const std::size_t dot = text.find(u'.'), open = text.find(u'{'), close = text.find(u'}');
        if (dot == String::npos || open == String::npos || close == String::npos)
            break;
        const String className = open > dot ? text.substr(dot + 1, open - dot - 1) : String();
        const String declarations = close > open ? text.substr(open + 1, close - open - 1) : String();
        if (!className.empty())
            rules.push_back({className, declarations});
        // From the dot on, as many characters as the closing brace's place: exactly the first rule
        // when the text starts with it. At least one character goes, so the loop ends.
        text = Trim(text.erase(dot, close + 1));
    }
    return rules;
}

String ParseURLId(const String& AValue)
{
    if (AValue.starts_with(u"url(#"))
        return Between(AValue, 5, u")");
    if (AValue.starts_with(u"url('#"))
        return Between(AValue, 6, u"')");
    return String();
}

String ParseFontFamily(const String& AValue, bool& ABold, bool& AItalic)
{
    ABold = AValue.find(u"Bold") != String::npos;
    AItalic = AValue.find(u"Italic") != String::npos;
    String name = AValue;
    if (EndsWith(name, u"MT"))
        name.resize(name.size() - 2);
    if (EndsWith(name, u"-"))
        name.pop_back();
    // A list gives its second entry.
    const std::size_t comma = name.find(u',');
    if (comma != String::npos)
        name = Trim(name.substr(comma + 1, name.find(u',', comma + 1) - comma - 1));
    return name;
}
