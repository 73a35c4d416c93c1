// The drawing object's construction, state hand-over to the back end, saved states and transforms,
// and the back ends' shared path conversion.
#include "RurGraphics.h"

#include "Math.h"
#include "RurGraphics.General.h"
#include "RurGraphics.Win.h"

namespace {

std::unique_ptr<TRurGraphicsContext> MakeGeneralContext(TRurGraphics* AGraphics)
{
    return std::make_unique<TRurGraphicsContextGeneral>(AGraphics);
}

TRurGraphicsContextFactory NativeFactory = nullptr;
TRurGraphicsContextFactory GeneralFactory = nullptr;

float PolylineLength(const TRurGraphicsPathPolygon& points)
{
    float length = 0;
    for (size_t i = 1; i < points.size(); ++i)
        length += VectorLength({points[i].X - points[i - 1].X, points[i].Y - points[i - 1].Y});
    return length;
}

} // namespace

TCanvas* TRurGraphicsContext::Canvas() const { return FGraphics ? FGraphics->Canvas() : nullptr; }

void* TRurGraphicsContext::ConvertToPath(const TRurGraphicsPath& APath, float Flatness)
{
    void* path = CreatePath();
    const float flatness = Flatness > 0.05f ? Flatness : 0.05f;
    TPointF current;
    for (int i = 0; i < APath.Count(); ++i) {
        const TRurGraphicsPathPoint& p = APath.GetPoint(i);
        switch (p.Kind) {
        case gppMoveTo:
            PathOpen(path);
            PathMoveTo(path, p.Point);
            current = p.Point;
            break;
        case gppLineTo:
            PathLineTo(path, p.Point);
            current = p.Point;
            break;
        case gppCurveTo: {
            // A curve is this point and the next two; a truncated one ends at what is there.
            const TPointF c1 = p.Point;
            const TPointF c2 = i + 1 < APath.Count() ? APath.GetPoint(i + 1).Point : c1;
            const TPointF end = i + 2 < APath.Count() ? APath.GetPoint(i + 2).Point : c2;
            i += 2;
            const TRurGraphicsPathCubicBezier bezier{current, c1, c2, end};
            const Int64 n = Round(PolylineLength(TRurGraphicsPath::CreateBezier(bezier, 6)) / flatness);
            if (n > 1) {
                for (TPointF sample : TRurGraphicsPath::CreateBezier(bezier, static_cast<int>(n)))
                    PathLineTo(path, sample);
            } else {
                PathLineTo(path, end);
            }
            current = end;
            break;
        }
        case gppClose:
            PathClose(path);
            break;
        }
    }
    return path;
}

// ---------------------------------------------------------------------------------------------

void TRurGraphics::SetContextFactories(TRurGraphicsContextFactory ANative, TRurGraphicsContextFactory AGeneral)
{
    NativeFactory = ANative;
    GeneralFactory = AGeneral;
}

TRurGraphics::TRurGraphics(TCanvas* ACanvas, bool ANative) : FActiveCanvas(ACanvas), FNative(ANative)
{
    CreateContext(1, 1);
    InitializeState();
}

TRurGraphics::TRurGraphics(int AWidth, int AHeight, bool ANative) : FNative(ANative)
{
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->SetWidth(AWidth);
    FBitmap->SetHeight(AHeight);
    FActiveCanvas = FBitmap->Canvas();
    CreateContext(static_cast<float>(AWidth), static_cast<float>(AHeight));
    InitializeState();
}

std::unique_ptr<TRurGraphics> TRurGraphics::CreateNative(TCanvas* ACanvas)
{
    return std::make_unique<TRurGraphics>(ACanvas, true);
}

std::unique_ptr<TRurGraphics> TRurGraphics::CreateBitmapCanvas(int AWidth, int AHeight, bool ANative, bool)
{
    return std::unique_ptr<TRurGraphics>(new TRurGraphics(AWidth, AHeight, ANative));
}

std::unique_ptr<TRurGraphics> TRurGraphics::CreateNativeBitmapCanvas(int AWidth, int AHeight)
{
    return CreateBitmapCanvas(AWidth, AHeight, true, true);
}

void TRurGraphics::CreateContext(float AWidth, float AHeight)
{
    if (FNative)
        FContextNative = (NativeFactory ? NativeFactory : GetNativeContextClass())(this);
    else
        FContextGeneral = (GeneralFactory ? GeneralFactory : &MakeGeneralContext)(this);
    Context()->SetSize(AWidth, AHeight);
}

void TRurGraphics::InitializeState()
{
    FFill = std::make_unique<TRurGraphicsFill>(gfkSolid, 0xFFFFFF);
    FFill->SetOnChanged(MakeHandler<&TRurGraphics::FillChanged>(this));
    FStroke = std::make_unique<TRurGraphicsStroke>(gskSolid, 0xC0C0C0);
    FStroke->SetOnChanged(MakeHandler<&TRurGraphics::StrokeChanged>(this));
    FFont = std::make_unique<TRurGraphicsFont>();
    FFont->SetOnChanged(MakeHandler<&TRurGraphics::FontChanged>(this));
    SetFill(FFill.get());
    SetStroke(FStroke.get());
    SetFont(FFont.get());
}

TRurGraphics::~TRurGraphics()
{
    FContextNative.reset();
    FContextGeneral.reset();
    FFont.reset();
    FFill->SetOnChanged({});
    FFill.reset();
    FStroke->SetOnChanged({});
    FStroke.reset();
    FPictureContainer = nullptr;
    FImageList = nullptr;
    FBitmap.reset();
}

template <class F>
void TRurGraphics::Guarded(F&& change)
{
    if (FBlockUpdate > 0)
        return;
    ++FBlockUpdate;
    struct Release {
        int& count;
        ~Release() { --count; }
    } release{FBlockUpdate};
    change();
}

void TRurGraphics::FillChanged(TObject*) { SetFill(FFill.get()); }
void TRurGraphics::StrokeChanged(TObject*) { SetStroke(FStroke.get()); }
void TRurGraphics::FontChanged(TObject*) { SetFont(FFont.get()); }

void TRurGraphics::Assign(const TRurGraphics* Source)
{
    if (!Source)
        return;
    FFill->BeginUpdate();
    FFill->Assign(Source->Fill());
    FFill->EndUpdate();
    FStroke->BeginUpdate();
    FStroke->Assign(Source->Stroke());
    FStroke->EndUpdate();
    FFont->BeginUpdate();
    FFont->Assign(Source->Font());
    FFont->EndUpdate();
}

void TRurGraphics::SetFill(const TRurGraphicsFill* AFill)
{
    Guarded([&] {
        Context()->SetFill(*AFill);
        if (AFill != FFill.get())
            FFill->Assign(AFill);
    });
}

void TRurGraphics::SetStroke(const TRurGraphicsStroke* AStroke)
{
    Guarded([&] {
        Context()->SetStroke(*AStroke);
        if (AStroke != FStroke.get())
            FStroke->Assign(AStroke);
    });
}

void TRurGraphics::SetFont(const TRurGraphicsFont* AFont)
{
    Guarded([&] {
        Context()->SetFont(*AFont);
        if (AFont != FFont.get())
            FFont->Assign(AFont);
    });
}

void TRurGraphics::SetFillKind(TRurGraphicsFillKind AKind)
{
    Guarded([&] {
        Context()->SetFillKind(AKind);
        FFill->SetKind(AKind);
    });
}

void TRurGraphics::SetFillColor(TColor AColor)
{
    Guarded([&] {
        Context()->SetFillColor(AColor);
        FFill->SetColor(AColor);
    });
}

void TRurGraphics::SetFontColor(TColor AColor)
{
    Guarded([&] {
        Context()->SetFontColor(AColor);
        FFont->SetColor(AColor);
    });
}

void TRurGraphics::SetFontName(const String& AName)
{
    Guarded([&] {
        Context()->SetFontName(AName);
        FFont->SetName(AName);
    });
}

void TRurGraphics::SetFontSize(int ASize)
{
    Guarded([&] {
        Context()->SetFontSize(ASize);
        FFont->SetSize(ASize);
    });
}

void TRurGraphics::SetFontStyles(TFontStyles AStyle)
{
    Guarded([&] {
        Context()->SetFontStyles(AStyle);
        FFont->SetStyle(AStyle);
    });
}

void TRurGraphics::SetStrokeKind(TRurGraphicsStrokeKind AKind)
{
    Guarded([&] {
        Context()->SetStrokeKind(AKind);
        FStroke->SetKind(AKind);
    });
}

void TRurGraphics::SetStrokeColor(TColor AColor)
{
    Guarded([&] {
        Context()->SetStrokeColor(AColor);
        FStroke->SetColor(AColor);
    });
}

void TRurGraphics::SetStrokeWidth(float AWidth)
{
    Guarded([&] {
        Context()->SetStrokeWidth(AWidth);
        FStroke->SetWidth(AWidth);
    });
}

std::unique_ptr<TRurGraphicsSaveState> TRurGraphics::SaveState(bool ACanvasOnly)
{
    auto state = std::make_unique<TRurGraphicsSaveState>();
    if (!ACanvasOnly) {
        state->SetFill(FFill.get());
        state->SetStroke(FStroke.get());
        state->SetFont(FFont.get());
    }
    Context()->SaveState(*state);
    return state;
}

void TRurGraphics::RestoreState(std::unique_ptr<TRurGraphicsSaveState> AState, bool ACanvasOnly)
{
    if (!AState)
        return;
    if (!ACanvasOnly) {
        SetFill(AState->Fill());
        SetStroke(AState->Stroke());
        SetFont(AState->Font());
    }
    Context()->RestoreState(*AState);
}

TRurGraphicsMatrix TRurGraphics::GetMatrix() { return Context()->GetMatrix(); }
void TRurGraphics::SetMatrix(const TRurGraphicsMatrix& AMatrix) { Context()->SetMatrix(AMatrix); }
void TRurGraphics::ClipRect(TRectF ARect) { Context()->ClipRect(ARect); }
void TRurGraphics::ClipRect(const TRect& ARect) { ClipRect(RectToRectF(ARect)); }
void TRurGraphics::BeginScene() { Context()->BeginScene(); }
void TRurGraphics::EndScene() { Context()->EndScene(); }
void TRurGraphics::BeginPrinting() { Context()->BeginPrinting(); }
void TRurGraphics::EndPrinting() { Context()->EndPrinting(); }
void TRurGraphics::StartSpecialPen() { Context()->StartSpecialPen(); }
void TRurGraphics::StopSpecialPen() { Context()->StopSpecialPen(); }
