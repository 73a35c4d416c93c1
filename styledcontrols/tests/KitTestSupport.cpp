#include "KitTestSupport.h"

#include <gtest/gtest.h>

#include "FwGdiPlus.h"
#include "scControlsUnit.h"
#include "scGPControls.h"

namespace {

const TUnitStep KitUnits[] = {fwgdip::GdiPlusUnit, scDrawUtilsUnit, scControlsUnit, scGPControlsUnit};

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
