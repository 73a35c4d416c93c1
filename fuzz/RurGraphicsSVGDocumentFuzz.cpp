// SVG documents from arbitrary bytes: loaded into the element tree and drawn into a target that
// keeps nothing, straight and turned. No crash, hang, leak or undefined behaviour; malformed XML
// is the only error a load may raise.
#include <cstddef>
#include <cstdint>

#include "SVGTestTarget.h"

namespace {

class TNullTarget : public TRurGraphicsSVGTarget {
public:
    int Depth = 0;
    void SaveState() override { ++Depth; }
    void RestoreState() override
    {
        if (--Depth < 0)
            __builtin_trap();
    }
    void SetFill(const TRurGraphicsSVGFill&) override {}
    void SetStroke(int, float) override {}
    void SetOpacity(float) override {}
    void ClipPath(const TRurGraphicsPath& APath) override { APath.GetBounds(); }
    void DrawPath(const TRurGraphicsPath& APath) override { APath.GetBounds(); }
    void DrawImage(TObject* ABitmap, TRectF, bool, const TRurGraphicsMatrix&) override
    {
        if (!ABitmap)
            __builtin_trap();
    }
    void SetFont(const String&, float, bool, bool, int) override {}
    float TextHeight(const String& AText) override { return float(AText.size() % 20); }
    void DrawText(const String&, TPointF, const TRurGraphicsMatrix&) override {}
};

void Draw(const TRurGraphicsSVGTree& ATree, TRectF ARect, float AAngle, const TRurGraphicsSVGColorOptions& AOptions)
{
    TRurGraphicsMatrix matrix;
    float sx = 0, sy = 0;
    if (!SVGDocumentMatrix(ATree.ViewRect(), ARect, AAngle, matrix, sx, sy))
        return;
    TNullTarget target;
    DrawSVGElements(ATree.Elements(), target, matrix, sx, sy, AOptions);
    if (target.Depth != 0)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TRurGraphicsSVGTree tree(SVGTest::Readers);
    try {
        tree.LoadFromBytes(TBytes(data, data + size));
    } catch (const EXMLDocError&) {
        // Malformed or refused XML: the tree stays as far as it got, and can still be drawn.
    }
    Draw(tree, {0, 0, 320, 200}, 0, {});
    Draw(tree, {3, 5, 50, 40}, 30, {true, SVGNoColor, 0x00FF00, 0x808080, 0.5f});
    tree.Clear();
    return 0;
}
