// The toolbar unit's platform probes and DPI state.
#include <gtest/gtest.h>

#include "Math.h"
#include "PlatformFacts.h"
#include "RurGDIP.h"
#include "RurToolBar_Platform.h"

namespace {

TEST(PlatformProbesTest, VersionFromThePlatformFacts)
{
    for (const TNamedWindowsVersion& v : KnownWindowsVersions) {
        SCOPED_TRACE(v.Name);
        TInjectedPlatformFacts facts({.Version = v.Version});
        int major = -1, minor = -1;
        GetOSVersion(major, minor);
        EXPECT_EQ(major, v.Version.Major);
        EXPECT_EQ(minor, v.Version.Minor);
    }
    // A version that cannot be read leaves the caller's values.
    TInjectedPlatformFacts unreadable({.Version = TWindowsVersion{}});
    int major = 7, minor = 3;
    GetOSVersion(major, minor);
    EXPECT_EQ(major, 7);
    EXPECT_EQ(minor, 3);
}

TEST(PlatformProbesTest, CompositionFollowsThePlatformFacts)
{
    for (bool on : {false, true}) {
        TInjectedPlatformFacts facts({.CompositionEnabled = on});
        EXPECT_EQ(IsCompositionEnabled(), on);
    }
}

TEST(PlatformProbesTest, DPIScale)
{
    const bool savedEnabled = DPIScalingEnabled;
    const float savedScale = DPIScale;
    const int savedPPI = DPIPixelsPerInch;
    EXPECT_EQ(CalcScaleForPPI(96), 1.0f) << "96 gives exactly 1 without measuring";

    // Without scaling any pixels per inch gives 1 and the sizes 16 and 26; the inputs are still kept.
    DPIScalingEnabled = false;
    UpdateDPIScale(192);
    EXPECT_EQ(DPIScale, 1.0f);
    EXPECT_EQ(ScaledSize16, 16);
    EXPECT_EQ(ScaledSize26, 26);
    EXPECT_EQ(DPIPixelsPerInch, 192);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(ScreenLogPixels, GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(DPIScaleComputed);

    // With scaling the factor follows the height of a 9-point "0", near the ratio of the DPIs.
    DPIScalingEnabled = true;
    UpdateDPIScale(192);
    EXPECT_NEAR(DPIScale, 2.0f, 0.25f);
    EXPECT_EQ(ScaledSize16, int(Round(16 * double(DPIScale))));

    DPIScalingEnabled = savedEnabled;
    UpdateDPIScale(savedPPI);
    DPIScale = savedScale;
    ScaledSize16 = 16;
    ScaledSize26 = 26;
    DPIScaleComputed = false;
}

TEST(PlatformProbesTest, FontAndRadius)
{
    TFont font;
    font.SetStyle({fsBold});
    SetUIFont(&font, true);
    EXPECT_EQ(font.Name(), u"Segoe UI");
    EXPECT_EQ(font.Height(), -12) << "a pixel height, not a point size";
    SetUIFont(&font, false);
    EXPECT_EQ(font.Name(), u"Tahoma");
    EXPECT_EQ(font.Height(), -11);

    EXPECT_EQ(GetRoundRadius(), 3);
    RurGDIP::SetScenicRibbon(true);
    EXPECT_EQ(GetRoundRadius(), 0);
    RurGDIP::SetScenicRibbon(false);

    EXPECT_EQ(CurrentStyleServices(), StyleServices());
    EXPECT_EQ(StyleServicesEnabled(), StyleServices()->Enabled());
}

} // namespace
