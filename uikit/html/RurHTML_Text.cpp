// Text measuring and output of the GDI caption engine, with the fonts of one call made once.
#include "RurHTML_Text.h"

#include <algorithm>
#include <string>

#include "WideText.h"

namespace {

// Faces kept at once: a caption rarely uses more than a handful; a text that keeps making new
// ones starts afresh rather than holding GDI handles without bound.
constexpr std::size_t MaxFaces = 64;


// A device context that measures as the caption's does: the same device, and the caption's in
// plain pixels (no mapping mode or world transform of its own).
bool MeasuresAlike(HDC ADC)
{
    return GetMapMode(ADC) == MM_TEXT && GetGraphicsMode(ADC) == GM_COMPATIBLE;
}

} // namespace

bool THTMLTextDevice::IsSimple(const String& AText)
{
    return std::all_of(AText.begin(), AText.end(), [](Char c) { return c >= u' ' && c < 0x0590; });
}

struct THTMLTextDevice::Face {
    bool Describes(const TFont& AFont) const
    {
        return Font.Height() == AFont.Height() && Font.Style() == AFont.Style() &&
               Font.Orientation() == AFont.Orientation() && Font.Charset() == AFont.Charset() &&
               Font.Pitch() == AFont.Pitch() && Quality == AFont.Quality() && Font.Name() == AFont.Name();
    }

    TFont Font; // makes the handle, from the same description as the canvas font
    TFontQuality Quality = fqDefault; // as the canvas font asked for it
    int Height = -1;
    int ExternalLeading = 0;
    std::unordered_map<String, Extent> Extents;
};

THTMLTextDevice::THTMLTextDevice(TCanvas& ACanvas) : FCanvas(ACanvas), FMeasuring(&FMeasure)
{
    BOOL smoothing = FALSE;
    UINT type = 0;
    SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &smoothing, 0);
    SystemParametersInfoW(SPI_GETFONTSMOOTHINGTYPE, 0, &type, 0);
    FDefaultQuality = !smoothing ? fqNonAntialiased : type == FE_FONTSMOOTHINGCLEARTYPE ? fqClearType : fqAntialiased;
    FCanvasChanging = FCanvas.OnChanging();
    FCanvas.SetOnChanging([this](TObject* ASender) {
        Flush();
        FCanvasChanging(ASender);
    });
    // The canvas lets go of its font, so it never selects into the DC behind this object's back.
    FCanvas.Refresh();
    FTarget.DC = FCanvas.Handle();
    if (MeasuresAlike(FTarget.DC))
        FMeasure.DC = CreateCompatibleDC(FTarget.DC);
    if (!FMeasure.DC)
        FMeasuring = &FTarget;
}

THTMLTextDevice::~THTMLTextDevice()
{
    FCanvas.SetOnChanging(FCanvasChanging);
    Release();
    if (FMeasure.DC) {
        Unselect(FMeasure);
        DeleteDC(FMeasure.DC);
    }
}

void THTMLTextDevice::Release()
{
    Flush();
    Unselect(FTarget);
}

void THTMLTextDevice::Unselect(Slot& ASlot)
{
    if (ASlot.Selected)
        SelectObject(ASlot.DC, ASlot.Original);
    ASlot.Selected = nullptr;
    ASlot.Original = nullptr;
}

void THTMLTextDevice::Select(Slot& ASlot, const Face& AFace)
{
    if (ASlot.Selected == &AFace)
        return;
    const HGDIOBJ previous = SelectObject(ASlot.DC, AFace.Font.Handle());
    if (!ASlot.Selected)
        ASlot.Original = previous;
    ASlot.Selected = &AFace;
}

THTMLTextDevice::Face& THTMLTextDevice::FaceOf(const TFont& AFont)
{
    if (FLastFace && FLastFace->Describes(AFont))
        return *FLastFace;
    for (const auto& face : FFaces)
        if (face->Describes(AFont))
            return *(FLastFace = face.get());
    if (FFaces.size() >= MaxFaces) {
        Release();
        if (FMeasure.DC)
            Unselect(FMeasure);
        FFaces.clear();
    }
    auto face = std::make_unique<Face>();
    face->Font.Assign(&AFont);
    face->Quality = AFont.Quality();
    if (face->Quality == fqDefault)
        face->Font.SetQuality(FDefaultQuality);
    FLastFace = face.get();
    FFaces.push_back(std::move(face));
    return *FLastFace;
}

int THTMLTextDevice::Height(const TFont& AFont)
{
    Face& face = FaceOf(AFont);
    if (face.Height < 0) {
        Select(*FMeasuring, face);
        SIZE size{};
        GetTextExtentPoint32W(FMeasuring->DC, L"gh", 2, &size);
        TEXTMETRICW metrics{};
        GetTextMetricsW(FMeasuring->DC, &metrics);
        face.Height = int(size.cy);
        face.ExternalLeading = int(metrics.tmExternalLeading);
    }
    return face.Height;
}

int THTMLTextDevice::ExternalLeading(const TFont& AFont)
{
    Height(AFont);
    return FaceOf(AFont).ExternalLeading;
}

const THTMLTextDevice::Extent& THTMLTextDevice::Measure(const TFont& AFont, const String& AText, UINT AMeasureFlags)
{
    Face& face = FaceOf(AFont);
    if (const auto found = face.Extents.find(AText); found != face.Extents.end())
        return found->second;
    const int leading = ExternalLeading(AFont);
    Select(*FMeasuring, face);
    const HDC dc = FMeasuring->DC;
    Extent extent;
    if (AText.find_first_of(u"&\t") != String::npos) {
        RECT r{0, 0, 0, 0};
        std::wstring buffer(WidePtr(AText), AText.size());
        DrawTextExW(dc, buffer.data(), int(buffer.size()), &r, AMeasureFlags | DT_CALCRECT, nullptr);
        extent.Size = TSize{int(r.right - r.left), int(r.bottom - r.top)};
    } else {
        // Without mnemonics and tabs, DrawText's extent is the text's, plus the external leading
        // of its line; measuring the text alone is much the cheaper call.
        if (IsSimple(AText)) {
            SIZE size{};
            GetTextExtentPoint32W(dc, WidePtr(AText), int(AText.size()), &size);
            extent.Size = TSize{int(size.cx), int(size.cy)};
        } else {
            extent.Size = ShapedTextExtent(dc, AText);
        }
        extent.GlyphHeight = extent.Size.cy;
        extent.Size.cy += leading;
    }
    return face.Extents.emplace(AText, extent).first->second;
}

HDC THTMLTextDevice::PrepareTarget(const Face& AFace, COLORREF AColor, const TBrush* AOpaque)
{
    const HDC dc = FCanvas.Handle();
    if (dc != FTarget.DC) {
        // The canvas made a new DC: the old one took its objects with it.
        FTarget = Slot{dc, nullptr, nullptr};
    }
    Select(FTarget, AFace);
    // As the canvas draws text (its own drawing calls set these too, so they are set each time).
    SetTextColor(dc, AColor);
    if (AOpaque) {
        SetBkColor(dc, COLORREF(ColorToRGB(AOpaque->Color())));
        SetBkMode(dc, OPAQUE);
    } else {
        SetBkMode(dc, TRANSPARENT);
    }
    return dc;
}

void THTMLTextDevice::Flush()
{
    if (!FPending.Face)
        return;
    const Run run = std::move(FPending);
    FPending = Run{};
    const HDC dc = PrepareTarget(*run.Face, run.Color, nullptr);
    ExtTextOutW(dc, run.X, run.Y, 0, nullptr, WidePtr(run.Text), UINT(run.Text.size()), nullptr);
}

void THTMLTextDevice::TextOut(const TFont& AFont, int AX, int AY, const String& AText, int AAdvance)
{
    // On the brush colour when the brush is solid, as the canvas draws text; on nothing otherwise.
    const Face& face = FaceOf(AFont);
    const COLORREF color = COLORREF(ColorToRGB(AFont.Color()));
    const TBrush& brush = *FCanvas.Brush();
    if (brush.Style() == bsSolid) {
        Flush();
        const HDC dc = PrepareTarget(face, color, &brush);
        ExtTextOutW(dc, AX, AY, 0, nullptr, WidePtr(AText), UINT(AText.size()), nullptr);
        return;
    }
    // Glyphs of one call stand at the advances the separate extents sum up: the same pixels.
    if (FPending.Face == &face && FPending.Color == color && FPending.Y == AY && FPending.End == AX) {
        FPending.Text += AText;
        FPending.End += AAdvance;
        return;
    }
    Flush();
    FPending = Run{&face, color, AX, AY, AX + AAdvance, AText};
}

void THTMLTextDevice::DrawText(const TFont& AFont, const TRect& ABox, const String& AText, UINT AFlags)
{
    Flush();
    const TBrush& brush = *FCanvas.Brush();
    const HDC dc = PrepareTarget(FaceOf(AFont), COLORREF(ColorToRGB(AFont.Color())),
                                 brush.Style() == bsSolid ? &brush : nullptr);
    RECT r{ABox.Left, ABox.Top, ABox.Right, ABox.Bottom};
    std::wstring buffer(WidePtr(AText), AText.size());
    DrawTextExW(dc, buffer.data(), int(buffer.size()), &r, AFlags, nullptr);
}
