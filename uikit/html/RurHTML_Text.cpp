// Text measuring and output of the GDI caption engine, with the display's fonts kept per thread.
#include "RurHTML_Text.h"

#include <algorithm>
#include <string>

#include "WideText.h"

namespace {

// Fonts kept at once: captions rarely use more than a handful; text that keeps asking for new
// ones starts afresh rather than holding GDI handles without bound.
constexpr std::size_t MaxFaces = 64;
// Extents kept per font: beyond that its extents start afresh.
constexpr std::size_t MaxExtents = 4096;

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
    // AQuality: the quality the font asks for, with the default resolved.
    bool Describes(const TFont& AFont, TFontQuality AQuality) const
    {
        return Font.Height() == AFont.Height() && Font.Style() == AFont.Style() &&
               Font.Orientation() == AFont.Orientation() && Font.Charset() == AFont.Charset() &&
               Font.Pitch() == AFont.Pitch() && Font.Quality() == AQuality && Font.Name() == AFont.Name();
    }

    TFont Font; // makes the handle, from the same description as the canvas font
    std::size_t Order = 0; // when it was made: held words are drawn face by face in this order
    int Height = -1;
    int ExternalLeading = 0;
    std::unordered_map<String, Extent> Extents;
};

struct THTMLTextDevice::FaceSet {
    std::vector<std::unique_ptr<Face>> Faces;
    int Users = 0; // devices measuring with the set now (a caption drawn while another is)
};

std::pair<HDC, THTMLTextDevice::FaceSet*> THTMLTextDevice::DisplayMeasuring()
{
    // Made once for the thread: a memory context costs more than laying out a short caption.
    struct Context {
        HDC DC = CreateCompatibleDC(nullptr);
        FaceSet Faces;
        ~Context()
        {
            Faces.Faces.clear();
            if (DC)
                DeleteDC(DC);
        }
    };
    thread_local Context context;
    return {context.DC, &context.Faces};
}

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
    const bool alike = MeasuresAlike(FTarget.DC);
    if (alike && GetDeviceCaps(FTarget.DC, TECHNOLOGY) == DT_RASDISPLAY) {
        std::tie(FMeasure.DC, FFaces) = DisplayMeasuring();
    } else {
        // A printer, or a context with a mapping of its own, measures with fonts of its own.
        FOwnFaces = std::make_unique<FaceSet>();
        FFaces = FOwnFaces.get();
        if (alike) {
            FMeasure.DC = CreateCompatibleDC(FTarget.DC);
            FOwnsMeasure = FMeasure.DC != nullptr;
        }
    }
    if (!FMeasure.DC)
        FMeasuring = &FTarget;
    ++FFaces->Users;
}

THTMLTextDevice::~THTMLTextDevice()
{
    FCanvas.SetOnChanging(FCanvasChanging);
    Release();
    if (FMeasure.DC) {
        Unselect(FMeasure);
        if (FOwnsMeasure)
            DeleteDC(FMeasure.DC);
    }
    --FFaces->Users;
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

TFontQuality THTMLTextDevice::QualityOf(const TFont& AFont) const
{
    return AFont.Quality() == fqDefault ? FDefaultQuality : AFont.Quality();
}

THTMLTextDevice::Face& THTMLTextDevice::FaceOf(const TFont& AFont)
{
    const TFontQuality quality = QualityOf(AFont);
    if (FLastFace && FLastFace->Describes(AFont, quality))
        return *FLastFace;
    std::vector<std::unique_ptr<Face>>& faces = FFaces->Faces;
    for (const auto& face : faces)
        if (face->Describes(AFont, quality))
            return *(FLastFace = face.get());
    if (faces.size() >= MaxFaces && FFaces->Users == 1) {
        Release();
        if (FMeasure.DC)
            Unselect(FMeasure);
        faces.clear();
    }
    auto face = std::make_unique<Face>();
    face->Font.Assign(&AFont);
    face->Font.SetQuality(quality);
    face->Order = faces.empty() ? 0 : faces.back()->Order + 1;
    FLastFace = face.get();
    faces.push_back(std::move(face));
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
    const auto found = face.Extents.find(AText);
    // What DrawText measured depends on the caller's flags (mnemonics, reading order).
    if (found != face.Extents.end() && (found->second.GlyphHeight > 0 || found->second.Flags == AMeasureFlags))
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
        extent.Flags = AMeasureFlags;
    } else {
        // Without mnemonics and tabs, DrawText's extent is the text's, plus the external leading
        // of its line; measuring the text alone is much the cheaper call.
        if (IsSimple(AText)) {
            // Each character of simple text is one glyph: the partial extents give their advances.
            SIZE size{};
            extent.Advances.resize(AText.size());
            GetTextExtentExPointW(dc, WidePtr(AText), int(AText.size()), 0, nullptr, extent.Advances.data(), &size);
            for (std::size_t i = extent.Advances.size(); i-- > 1;)
                extent.Advances[i] -= extent.Advances[i - 1];
            extent.Size = TSize{int(size.cx), int(size.cy)};
        } else {
            extent.Size = ShapedTextExtent(dc, AText);
        }
        extent.GlyphHeight = extent.Size.cy;
        extent.Size.cy += leading;
    }
    if (found != face.Extents.end())
        return found->second = std::move(extent);
    if (face.Extents.size() >= MaxExtents)
        face.Extents.clear();
    return face.Extents.emplace(AText, std::move(extent)).first->second;
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
    if (FHeld.empty())
        return;
    // Text on nothing only adds glyph pixels, so the order of the runs matters nowhere but where
    // glyphs of two runs touch: one font selection, colour and text call per group instead of
    // one per run.
    std::stable_sort(FHeld.begin(), FHeld.end(), [](const Run& A, const Run& B) {
        return A.Face != B.Face ? A.Face->Order < B.Face->Order : A.Color < B.Color;
    });
    const Run* first = FHeld.data();
    const Run* const end = first + FHeld.size();
    for (const Run* run = first; run != end; ++run)
        if (run + 1 == end || run[1].Face != first->Face || run[1].Color != first->Color) {
            DrawRuns(first, run + 1);
            first = run + 1;
        }
    FHeld.clear();
}

void THTMLTextDevice::DrawRuns(const Run* AFirst, const Run* AEnd)
{
    const HDC dc = PrepareTarget(*AFirst->Face, AFirst->Color, nullptr);
    const TFontStyles style = AFirst->Face->Font.Style();
    if (style.Contains(fsUnderline) || style.Contains(fsStrikeOut)) {
        // A line under or through the text would bridge the gaps between runs.
        for (const Run* run = AFirst; run != AEnd; ++run)
            ExtTextOutW(dc, run->X, run->Y, 0, nullptr, WidePtr(run->Text), UINT(run->Text.size()), nullptr);
        return;
    }
    // Each glyph advances by its own width and height pair; the last glyph of a run advances to
    // where the next run starts.
    FRunText.clear();
    FRunAdvances.clear();
    for (const Run* run = AFirst; run != AEnd; ++run) {
        FRunText += run->Text;
        for (const int advance : run->Advances) {
            FRunAdvances.push_back(advance);
            FRunAdvances.push_back(0);
        }
        if (run + 1 != AEnd) {
            FRunAdvances[FRunAdvances.size() - 2] += run[1].X - run->End;
            FRunAdvances.back() = run->Y - run[1].Y; // the text's y axis points up
        }
    }
    ExtTextOutW(dc, AFirst->X, AFirst->Y, ETO_PDY, nullptr, WidePtr(FRunText), UINT(FRunText.size()),
                FRunAdvances.data());
}

void THTMLTextDevice::TextOut(const TFont& AFont, int AX, int AY, const String& AText, const Extent& AExtent)
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
    if (!FHeld.empty()) {
        Run& last = FHeld.back();
        if (last.Face == &face && last.Color == color && last.Y == AY && last.End == AX) {
            last.Text += AText;
            last.Advances.insert(last.Advances.end(), AExtent.Advances.begin(), AExtent.Advances.end());
            last.End += AExtent.Size.cx;
            return;
        }
    }
    FHeld.push_back(Run{&face, color, AX, AY, AX + AExtent.Size.cx, AText, AExtent.Advances});
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
