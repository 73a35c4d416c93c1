#include "KitUnits.h"

#include <gtest/gtest.h>

#include <string>

#include "Controls.h"
#include "GDIPFill.h"
#include "GuiTestSupport.h"
#include "RurFoundationUnits.h"

namespace {

const TUnitStep KitSteps[] = {
    RurUtilsUnit,
    RurPersistenceUnit,
    RurPersistenceKeyUnit,
    RurGDIPlusApi::RurGDIPlusApiUnit,
    RurGDIPlusClasses::RurGDIPlusClassesUnit,
    RurGraphicsTypesUnit,
    RurGDIPUnit,
    RurTypesUnit,
    GDIPFillUnit,
};

class TKitEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    TUnitStartup FUnits{KitSteps};
};

[[maybe_unused]] ::testing::Environment* const KitEnvironment =
    ::testing::AddGlobalTestEnvironment(new TKitEnvironment);

} // namespace

std::unique_ptr<TMemoryStream> BitmapBytes(int w, int h, TColor (*pixel)(int x, int y))
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.Canvas()->SetPixels(x, y, pixel(x, y));
    auto bytes = std::make_unique<TMemoryStream>();
    bitmap.SaveToStream(*bytes);
    bytes->SetPosition(0);
    return bytes;
}

std::unique_ptr<TMemoryStream> SvgBytes(int w, int h, const char* fill)
{
    const std::string text = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(w) + "\" height=\"" +
                             std::to_string(h) + "\" viewBox=\"0 0 " + std::to_string(w) + " " + std::to_string(h) +
                             "\"><rect width=\"" + std::to_string(w) + "\" height=\"" + std::to_string(h) +
                             "\" fill=\"" + fill + "\"/></svg>";
    auto bytes = std::make_unique<TMemoryStream>();
    bytes->Write(text.data(), Int64(text.size()));
    bytes->SetPosition(0);
    return bytes;
}

TGPSurface::TGPSurface(int w, int h, TColor background) : FBitmap(w, h), FGraphics(&FBitmap)
{
    FGraphics.Clear(RurGDIP::MakeColor(255, background));
    FGraphics.SetSmoothingMode(RurGDIP::SmoothingModeNone);
}

TColor TGPSurface::At(int x, int y)
{
    FGraphics.Flush(RurGDIP::FlushIntentionSync);
    ARGB color = 0;
    FBitmap.GetPixel(x, y, color);
    return TColor(RGB(RurGDIP::ExtractRed(color), RurGDIP::ExtractGreen(color), RurGDIP::ExtractBlue(color)));
}

void PostMouse(TWinControl* AWindow, UINT AMessage, int X, int Y, WPARAM AKeys)
{
    const TPoint screen = AWindow->ClientToScreen(TPoint{X, Y});
    SetCursorPos(screen.X, screen.Y);
    PostMessageW(AWindow->Handle(), AMessage, AKeys, MAKELPARAM(X, Y));
    PumpFor(30);
}
