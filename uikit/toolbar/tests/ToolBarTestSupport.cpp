#include "ToolBarTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

#include "GuiTestSupport.h"
#include "PngImage.h"
#include "RurGDIP.h"
#include "RurFoundationUnits.h"
#include "RurTBXPVS.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "Startup.h"
#include "WideText.h"
#include "Controls.h"

namespace {

struct TSpecimen {
    String Label;
    std::unique_ptr<TBitmap> Picture;
};

std::vector<TSpecimen>& Specimens()
{
    static std::vector<TSpecimen> specimens;
    return specimens;
}

// Specimens in rows, each under its label, on a light grey sheet.
void WriteContactSheet()
{
    if (Specimens().empty())
        return;
    const int width = 900, gap = 8, labelHeight = 16;
    int x = gap, y = gap, rowHeight = 0, height = gap;
    std::vector<TPoint> places;
    for (const TSpecimen& s : Specimens()) {
        const int w = s.Picture->Width(), h = s.Picture->Height() + labelHeight;
        if (x + w > width - gap && x > gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places.push_back(TPoint{x, y});
        x += std::max(w, 130) + gap;
        rowHeight = std::max(rowHeight, h);
        height = y + rowHeight + gap;
    }
    auto sheet = Bitmap32(width, height, TColor(0xF0F0F0));
    TCanvas* canvas = sheet->Canvas();
    canvas->Font()->SetName(u"Tahoma");
    canvas->Font()->SetHeight(-11);
    canvas->Brush()->SetStyle(bsClear);
    for (size_t i = 0; i < places.size(); ++i) {
        canvas->TextOut(places[i].X, places[i].Y, Specimens()[i].Label);
        canvas->Draw(places[i].X, places[i].Y + labelHeight, Specimens()[i].Picture.get());
    }
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    String file = FromWidePtr(path);
    // Beside the program, named after it: uikit_toolbar_buttons_tests-sheet.png.
    file = file.substr(0, file.find_last_of(u'.')) + u"-sheet.png";
    TPngImage png;
    png.Assign(sheet.get());
    png.SaveToFile(file);
}

const TUnitStep ToolBarTestUnits[] = {RurTBXPVS::RurTBXPVSUnit, RurToolBarUnit};

// Looks and probes switch the process-wide glass and scenic settings; every test starts from the
// program's own, whatever ran before it.
class TGlassAndScenicReset : public ::testing::EmptyTestEventListener {
public:
    TGlassAndScenicReset() : FGlass(RurGDIP::GetGlassEnabled()), FScenic(RurGDIP::GetScenicRibbon()) {}
    void OnTestStart(const ::testing::TestInfo&) override
    {
        RurGDIP::SetGlassEnabled(FGlass);
        RurGDIP::SetScenicRibbon(FScenic);
    }

private:
    bool FGlass, FScenic;
};

class TToolBarEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        FFoundation.Initialize();
        FUnits.Initialize();
        ::testing::UnitTest::GetInstance()->listeners().Append(new TGlassAndScenicReset);
    }
    void TearDown() override
    {
        WriteContactSheet();
        Specimens().clear();
        FUnits.Finalize();
        FFoundation.Finalize();
    }

private:
    TUnitStartup FFoundation{RurFoundationUnits()};
    TUnitStartup FUnits{ToolBarTestUnits};
};

[[maybe_unused]] ::testing::Environment* const ToolBarEnvironment =
    ::testing::AddGlobalTestEnvironment(new TToolBarEnvironment);

} // namespace

std::unique_ptr<TBitmap> Bitmap32(int width, int height, TColor fill)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(fill);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

TColor PixelOf(TBitmap* bitmap, int x, int y)
{
    GdiFlush();
    const DWORD v = static_cast<const DWORD*>(bitmap->ScanLine(y))[x];
    return TColor(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

int CountOf(TBitmap* bitmap, const TRect& rect, TColor color)
{
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += PixelOf(bitmap, x, y) == color;
    return count;
}

int CountOther(TBitmap* bitmap, const TRect& rect, TColor color)
{
    return rect.Width() * rect.Height() - CountOf(bitmap, rect, color);
}

std::unique_ptr<TBitmap> Snapshot(TWinControl* control)
{
    auto bitmap = Bitmap32(control->ClientWidth(), control->ClientHeight());
    HDC dc = bitmap->Canvas()->Handle();
    control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    control->PaintHandler(dc);
    return bitmap;
}

bool IsDark(TColor color) { return (color & 0xFF) < 0x80 && (color >> 8 & 0xFF) < 0x80 && (color >> 16 & 0xFF) < 0x80; }

void UsePlainFace(TRurCustomToolBar* toolBar, TColor color)
{
    toolBar->SetAutoSize(false);
    toolBar->SetShowRightHandle(false);
    TCustomRurToolBarStyler* styler = toolBar->CurrentToolBarStyler();
    styler->SetDragGripStyle(dsNone);
    styler->SetRoundEdges(false);
    styler->Color()->SetColorTo(clNone);
    styler->Color()->SetColor(color);
}

TScopedDPIScale::TScopedDPIScale(float scale) : FSaved(DPIScale) { DPIScale = scale; }

TScopedDPIScale::~TScopedDPIScale() { DPIScale = FSaved; }

void AddToContactSheet(const String& label, TBitmap* specimen)
{
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(specimen);
    Specimens().push_back({label, std::move(copy)});
}

bool ShowDropDownBelow(TControlSelectorPanel* panel, TControl* below)
{
    auto* window = static_cast<TOptionSelectorWindow*>(panel->Parent());
    panel->MeasureEntries();
    panel->ArrangeControls();
    window->SetWindowSize();
    const TPoint at = below->ClientToScreen(TPoint{0, below->Height()});
    window->SetBounds(at.X, at.Y, window->Width(), window->Height());
    window->Show();
    return PumpUntil([&] { return GetForegroundWindow() == window->Handle(); });
}
