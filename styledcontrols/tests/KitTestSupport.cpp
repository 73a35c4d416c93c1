#include "KitTestSupport.h"

#include <gtest/gtest.h>

#include "FwGdiPlus.h"
#include "GuiTestSupport.h"
#include "PngImage.h"
#include "WideText.h"
#include "scControlsUnit.h"
#include "scExtControlsUnit.h"
#include "scModernControlsUnit.h"
#include "scGPControls.h"

namespace {

const TUnitStep KitUnits[] = {fwgdip::GdiPlusUnit, scDrawUtilsUnit, scControlsUnit, scExtControlsUnit, scModernControlsUnit,
                                scGPControlsUnit};

class TKitEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    TUnitStartup FUnits{KitUnits};
};

[[maybe_unused]] ::testing::Environment* const KitEnvironment =
    ::testing::AddGlobalTestEnvironment(new TKitEnvironment);

} // namespace

std::unique_ptr<TBitmap> Canvas32(int width, int height, TColor fill)
{
    auto bitmap = MakeBitmap32(width, height);
    bitmap->Canvas()->Brush()->SetColor(fill);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

TColor PixelAt(TBitmap* bitmap, int x, int y)
{
    GdiFlush();
    const DWORD v = static_cast<const DWORD*>(bitmap->ScanLine(y))[x];
    return TColor(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

int CountColor(TBitmap* bitmap, const TRect& rect, TColor color)
{
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += PixelAt(bitmap, x, y) == color;
    return count;
}

void SaveBesideProgram(TBitmap* bitmap, const String& fileName)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const String program = FromWidePtr(path);
    TPngImage png;
    png.Assign(bitmap);
    png.SaveToFile(program.substr(0, program.find_last_of(u"\\/") + 1) + fileName);
}

TButtonForm::TButtonForm()
{
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 300, 200);
    Form->SetColor(clWhite);
    SetCursorPos(0, 0);
}

TButtonForm::~TButtonForm() { delete Form; }

TPoint CentreOf(TControl* control) { return Point(control->Width() / 2, control->Height() / 2); }

void MoveMouse(TWinControl* control, TPoint p)
{
    const TPoint screen = control->ClientToScreen(p);
    SetCursorPos(screen.X, screen.Y);
    PostMessageW(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y));
    PumpFor(30);
}

void MouseButton(TWinControl* control, UINT msg, TPoint p)
{
    PostMessageW(control->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(p.X, p.Y));
    PumpFor(30);
}
