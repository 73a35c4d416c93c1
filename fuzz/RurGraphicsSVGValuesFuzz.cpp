// The SVG engine's value and attribute text readers over arbitrary text: no crash, no undefined behaviour,
// and every coordinate that comes out stays finite.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "RurGraphicsSVGEngine_Attributes.h"
#include "RurGraphicsSVGEngine_Values.h"

namespace {

void CheckPath(const TRurGraphicsPath& path)
{
    for (int i = 0; i < path.Count(); ++i)
        if (!std::isfinite(path.GetPoint(i).Point.X) || !std::isfinite(path.GetPoint(i).Point.Y))
            __builtin_trap();
    path.GetBounds();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Bytes as characters: the grammars only look at ASCII, and short inputs mutate faster.
    const String text(data, data + size);

    TRurGraphicsSVGElementPathList paths;
    ParsePathData(text, paths);
    for (int i = 0; i < paths.Count(); ++i)
        CheckPath(*paths.Items(i));
    if (const auto points = ParsePoints(text, size % 2 == 0))
        CheckPath(*points);

    const TRurGraphicsMatrix m = ParseTransform(text);
    (void)(TPointF{1, 1} * m);
    ParseLength(text);
    ParseAngle(text);
    int alpha;
    const int color = ParseRGBColor(text, alpha);
    if (color < -1 || color > 0xFFFFFF || alpha < -1 || alpha > 255)
        __builtin_trap();

    for (const TRurGraphicsSVGDeclaration& declaration : SplitDeclarations(text))
        if (declaration.Name != Trim(declaration.Name) || declaration.Value != Trim(declaration.Value))
            __builtin_trap();
    ParseStyleRules(text);
    ParseURLId(text);
    bool bold, italic;
    ParseFontFamily(text, bold, italic);
    SVGElementTypeOf(text);
    return 0;
}
