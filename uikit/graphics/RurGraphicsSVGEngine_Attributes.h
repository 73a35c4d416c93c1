#pragma once
// The SVG engine's readers of element kinds, style declarations, style rules, references and font
// families: the text side of an element's attributes, apart from any XML document. Portable.
#include <vector>

#include "SysUtils.h"
#include "TypInfo.h"

TAVIN_ENUM(TRurGraphicsSVGElementType, etContainer, etSwitch, etDefs, etUse, etRect, etLine, etPolyline,
           etPolygon, etCircle, etEllipse, etPath, etImage, etText, etTextSpan, etTextSpanChild, etTextPath,
           etClipPath, etLinearGradient, etRadialGradient, etStyle, etStop, etPattern, etUnknown)

// The kind a node name gives (exact, case-sensitive; "#text" for a text node); etUnknown for others.
TRurGraphicsSVGElementType SVGElementTypeOf(const String& ANodeName);

struct TRurGraphicsSVGDeclaration {
    String Name;
    String Value;
    bool operator==(const TRurGraphicsSVGDeclaration&) const = default;
};
using TRurGraphicsSVGDeclarations = std::vector<TRurGraphicsSVGDeclaration>;

// The text an element's declarations are read from: its style attribute and a ";", then every
// attribute (the style attribute too) as name:value in document order, joined by ";". Attributes
// come after the style, so presentation attributes win.
String SVGDeclarationText(const String& AStyle, const TRurGraphicsSVGDeclarations& AAttributes);

// "name: value; ..." into trimmed pairs in order. A part without ":" is skipped; in a part naming
// "xlink:href" the name ends at the first ":" after it.
TRurGraphicsSVGDeclarations SplitDeclarations(const String& AText);

struct TRurGraphicsSVGStyleRule {
    String ClassName;
    String Declarations;
    bool operator==(const TRurGraphicsSVGStyleRule&) const = default;
};

// The class rules of a style element's text (".name{declarations}" ...). Only class selectors give
// a rule; others are passed over.
std::vector<TRurGraphicsSVGStyleRule> ParseStyleRules(const String& AText);

// The id of "url(#id)" or "url('#id')"; empty for any other value.
String ParseURLId(const String& AValue);

// The family name of a font-family value, and the style words "Bold" and "Italic" found in it.
String ParseFontFamily(const String& AValue, bool& ABold, bool& AItalic);
