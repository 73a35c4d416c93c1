#include "RurGraphicsSVGEngine.h"

#include <vector>

#include "Math.h"
#include "RurGDIPlusClasses.h"
#include "RurGraphics.Win.h"
#include "RurUtils.h"

namespace {

int NamedColor(const String& AText) { return TRurGraphics::TextToColor(AText); }
int HTMLColor(const String& AText) { return TRurGraphics::HTMLToColor(AText); }

// Any picture the framework's picture detects; null when the bytes are none it can read.
std::unique_ptr<TObject> DecodePicture(const TBytes& AData)
{
    auto bitmap = std::make_unique<TRurBitmap>();
    try {
        TBytesStream stream(AData);
        bitmap->LoadFromStream(stream);
    } catch (const Exception&) {
        return nullptr;
    }
    if (IsBitmapEmpty(bitmap.get()))
        return nullptr;
    return bitmap;
}

constexpr TRurGraphicsSVGReaders WindowsReaders{&NamedColor, &HTMLColor, &DecodePicture};

// The element walk's requests carried out by a drawing object.
class TGraphicsTarget : public TRurGraphicsSVGTarget {
public:
    explicit TGraphicsTarget(TRurGraphics& AGraphics) : FGraphics(AGraphics) {}

    void SaveState() override { FStates.push_back(FGraphics.SaveState()); }
    void RestoreState() override
    {
        FGraphics.RestoreState(std::move(FStates.back()));
        FStates.pop_back();
    }
    void SetFill(const TRurGraphicsSVGFill& AFill) override
    {
        TRurGraphicsFill& fill = *FGraphics.Fill();
        fill.BeginUpdate();
        switch (AFill.Kind) {
        case sfkNone:
            fill.SetKind(gfkNone);
            break;
        case sfkSolid:
            fill.SetKind(gfkSolid);
            fill.SetColor(AFill.Color);
            break;
        case sfkLinearGradient:
        case sfkRadialGradient:
            fill.SetKind(gfkGradient);
            fill.SetGradientMode(gfgmCollection);
            fill.ClearGradientItems();
            if (AFill.Kind == sfkLinearGradient) {
                fill.SetGradientType(gfgtLinear);
                fill.SetOrientation(gfoCustom);
                fill.SetGradientAngle(AFill.Angle);
            } else {
                fill.SetGradientType(gfgtRadial);
                fill.SetGradientCenterPoint(AFill.Center);
            }
            for (const TRurGraphicsSVGGradientStop& stop : AFill.Stops)
                fill.AddGradientItem(stop.Color, stop.Offset, stop.Opacity);
            break;
        }
        fill.EndUpdate();
    }
    void SetStroke(int AColor, float AWidth) override
    {
        TRurGraphicsStroke& stroke = *FGraphics.Stroke();
        stroke.BeginUpdate();
        stroke.SetKind(AColor == SVGNoColor ? gskNone : gskSolid);
        if (AColor != SVGNoColor)
            stroke.SetColor(AColor);
        stroke.SetWidth(AWidth);
        stroke.EndUpdate();
    }
    void SetOpacity(float AOpacity) override
    {
        FGraphics.Fill()->SetOpacity(AOpacity);
        FGraphics.Stroke()->SetOpacity(AOpacity);
    }
    void ClipPath(const TRurGraphicsPath& APath) override { FGraphics.Context()->ClipPath(APath); }
    void DrawPath(const TRurGraphicsPath& APath) override { FGraphics.DrawPath(APath, pdmPath); }
    void DrawImage(TObject* ABitmap, TRectF ARect, bool AKeepAspect, const TRurGraphicsMatrix& AMatrix) override
    {
        const TRurGraphicsMatrix saved = FGraphics.GetMatrix();
        FGraphics.SetMatrix(AMatrix);
        FGraphics.DrawBitmap(ARect, static_cast<TRurBitmap*>(ABitmap), AKeepAspect, !AKeepAspect, true, false);
        FGraphics.SetMatrix(saved);
    }
    void SetFont(const String& AName, float ASize, bool ABold, bool AItalic, int AColor) override
    {
        TRurGraphicsFont& font = *FGraphics.Font();
        font.BeginUpdate();
        font.SetName(AName);
        TRurUtils::SetFontSize(font, ASize);
        TFontStyles style;
        if (ABold)
            style.Include(fsBold);
        if (AItalic)
            style.Include(fsItalic);
        font.SetStyle(style);
        font.SetColor(AColor);
        font.EndUpdate();
    }
    float TextHeight(const String& AText) override { return FGraphics.CalculateTextHeight(AText); }
    void DrawText(const String& AText, TPointF APoint, const TRurGraphicsMatrix& AMatrix) override
    {
        const TRurGraphicsMatrix saved = FGraphics.GetMatrix();
        FGraphics.SetMatrix(AMatrix);
        FGraphics.DrawText(APoint, AText, 0, true, false, -1, -1);
        FGraphics.SetMatrix(saved);
    }

private:
    TRurGraphics& FGraphics;
    std::vector<std::unique_ptr<TRurGraphicsSaveState>> FStates;
};

} // namespace

std::unique_ptr<TRurSVGImport> CreateRurGraphicsSVGImport() { return std::make_unique<TRurGraphicsSVGImport>(); }

TRurGraphicsSVGImport::TRurGraphicsSVGImport() : FTree(WindowsReaders) { Clear(); }

TRurGraphicsSVGImport::~TRurGraphicsSVGImport() = default;

void TRurGraphicsSVGImport::Clear()
{
    FTree.Clear();
    FMatrix = TRurGraphicsMatrix::Identity();
    SetViewRect(FTree.ViewRect());
}

template <class F>
void TRurGraphicsSVGImport::Load(F&& ALoad)
{
    try {
        ALoad();
    } catch (...) {
        SetViewRect(FTree.ViewRect());
        throw;
    }
    SetViewRect(FTree.ViewRect());
}

void TRurGraphicsSVGImport::LoadFromText(const String& AText)
{
    Load([&] { FTree.LoadFromText(AText); });
}

void TRurGraphicsSVGImport::LoadFromStream(TStream& AStream)
{
    AStream.SetPosition(0);
    TBytes bytes(size_t(AStream.Size()));
    AStream.ReadBuffer(bytes.data(), Int64(bytes.size()));
    Load([&] { FTree.LoadFromBytes(bytes); });
}

void TRurGraphicsSVGImport::LoadFromFile(const String& AFile)
{
    TMemoryStream stream;
    stream.LoadFromFile(AFile);
    LoadFromStream(stream);
}

void TRurGraphicsSVGImport::SaveToStream(TStream& AStream) { FTree.SaveToStream(AStream); }

void TRurGraphicsSVGImport::SaveToFile(const String& AFile)
{
    TMemoryStream stream;
    SaveToStream(stream);
    stream.SaveToFile(AFile);
}

void TRurGraphicsSVGImport::DrawInto(TRurGraphics& AGraphics, TRectF ARect, bool ANativeScene, float AScaleX,
                                     float AScaleY)
{
    if (ANativeScene) {
        AGraphics.Context()->SetSize(ARect.Width(), ARect.Height());
        AGraphics.Context()->SetAntiAliasing(true);
        if (dynamic_cast<TRurGraphicsContextWin*>(AGraphics.Context()))
            if (auto* gp = static_cast<RurGDIPlusClasses::TGPGraphics*>(AGraphics.Context()->NativeCanvas())) {
                gp->SetPixelOffsetMode(4);     // half a pixel
                gp->SetCompositingQuality(2);  // high quality
            }
        AGraphics.BeginScene();
    }
    const TRurGraphicsSVGColorOptions options{GrayScale(), CustomFillColor(), CustomStrokeColor(), TintColor(),
                                              CustomOpacity()};
    TGraphicsTarget target(AGraphics);
    try {
        DrawSVGElements(FTree.Elements(), target, FMatrix, AScaleX, AScaleY, options);
    } catch (...) {
        if (ANativeScene)
            AGraphics.Context()->Render();
        throw;
    }
    if (ANativeScene) {
        AGraphics.EndScene();
        AGraphics.Context()->Render();
    }
}

void TRurGraphicsSVGImport::Draw(TCanvas* ACanvas, TRectF ARect, bool ANative)
{
    float sx = 0, sy = 0;
    if (!ACanvas || !HasElements() || !SVGDocumentMatrix(ViewRect(), ARect, RotationAngle(), FMatrix, sx, sy))
        return;
    TRurGraphics graphics(ACanvas, ANative);
    DrawInto(graphics, ARect, ANative, sx, sy);
}

void TRurGraphicsSVGImport::Draw(TRurGraphics* AGraphics, TRectF ARect, bool ANative, bool ARecreateGraphics)
{
    float sx = 0, sy = 0;
    if (!AGraphics || !HasElements() || !SVGDocumentMatrix(ViewRect(), ARect, RotationAngle(), FMatrix, sx, sy))
        return;
    if (!ARecreateGraphics) {
        DrawInto(*AGraphics, ARect, false, sx, sy);
        return;
    }
    if (ANative)
        FMatrix = FMatrix * AGraphics->GetMatrix();
    TRurGraphics graphics(AGraphics->Canvas(), ANative);
    DrawInto(graphics, ARect, ANative, sx, sy);
}

TRurBitmap* TRurGraphicsSVGImport::GenerateBitmap(float AWidth, float AHeight)
{
    if (!HasElements())
        return nullptr;
    FCachedBitmap = std::make_unique<TRurBitmap>();
    const TRectF view = ViewRect();
    if (view.Width() > 0 && view.Height() > 0 && IsSVGRectSet(view)) {
        const TRectF target = AWidth > -1 && AHeight > -1 ? TRectF{0, 0, AWidth, AHeight} : view;
        auto graphics = TRurGraphics::CreateBitmapCanvas(int(Round(target.Right)), int(Round(target.Bottom)), false, true);
        graphics->BeginScene();
        Draw(graphics.get(), target, false, true);
        FCachedBitmap->Assign(graphics->Bitmap());
        graphics->EndScene();
    }
    return FCachedBitmap.get();
}
