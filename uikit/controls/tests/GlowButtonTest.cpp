// The glow button: its defaults and setter rules, the colour set and its notifications, the colour
// rules, the looks and tones, the face painted per state, and how it answers real mouse and key
// messages on a shown form.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "PngImage.h"
#include "RurGlowButton.h"
#include "StdCtrls.h"
#include "TaskDialogEx.h"

using namespace RurGlowButton;

namespace {

struct TGlowForm {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TRurGlowButton* Button = nullptr;
    TGlowForm()
    {
        Form->SetBounds(100, 100, 320, 200);
        Form->SetColor(0x00FF00);
        Button = AddButton(20, 20);
    }
    TRurGlowButton* AddButton(int x, int y)
    {
        auto* button = new TRurGlowButton(Form.get());
        button->SetParent(Form.get());
        button->SetBounds(x, y, 100, 41);
        button->SetCaption(u"&Go");
        return button;
    }
};

// The fade is a timer; without it each state shows its colours at once.
struct TNoFade {
    int Saved = GlowSpeed();
    TNoFade() { SetGlowSpeed(0); }
    ~TNoFade() { SetGlowSpeed(Saved); }
};

void PostMouse(TWinControl* control, UINT message, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(control->Handle(), &p);
    SetCursorPos(p.x, p.y);
    PostMessageW(control->Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

} // namespace

TEST(GlowButtonModel, ANewButtonHasTheDocumentedDefaults)
{
    TRurGlowButton button(nullptr);
    EXPECT_EQ(button.Width(), 100);
    EXPECT_EQ(button.Height(), 41);
    EXPECT_TRUE(button.Rounded());
    EXPECT_EQ(button.Spacing(), 2);
    EXPECT_EQ(button.MarginHorz(), 1);
    EXPECT_EQ(button.MarginVert(), 1);
    EXPECT_EQ(button.DropDownWidth(), 14);
    EXPECT_TRUE(button.DropDownSplit());
    EXPECT_EQ(button.Font()->Height(), -11);
    EXPECT_EQ(button.NotesFont()->Name(), u"Tahoma");
    EXPECT_EQ(button.NotesFont()->Size(), 8);
    EXPECT_EQ(button.ImageIndex(), -1);
    EXPECT_EQ(button.InitRepeatPause(), 400);
    EXPECT_EQ(button.RepeatPause(), 100);
    EXPECT_FALSE(button.TabStop());
    EXPECT_EQ(button.State(), absUp);
    EXPECT_EQ(button.Layout(), blGlyphLeft);
    EXPECT_EQ(button.UIStyle(), tsCustom);
    EXPECT_EQ(button.Version(), u"2.7.3.4");
    button.SetVersion(u"1.0");
    EXPECT_EQ(button.Version(), u"2.7.3.4");
}

TEST(GlowButtonModel, TheAppearanceDerivesPressedAndDisabledColoursAndAnnouncesOnlyChanges)
{
    TGlowButtonAppearance a;
    // Hot colours with red and green 10 percent darker; normal colours 5 percent darker.
    EXPECT_EQ(a.ColorDown(), 0xF5D8CA);
    EXPECT_EQ(a.ColorDownTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorMirrorDown(), 0xF5B49C);
    EXPECT_EQ(a.ColorMirrorDownTo(), 0xFFDFDC);
    EXPECT_EQ(a.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(a.ColorDisabled(), 0xF2F2F2);
    EXPECT_EQ(a.ColorMirrorDisabled(), 0xB6B6B6);
    EXPECT_EQ(a.BorderColorCheckedHot(), clNone);
    EXPECT_EQ(a.TextColor(), clNone);

    int changes = 0;
    a.SetOnChange([&](TObject*) { ++changes; });
    a.SetColor(a.Color());
    a.SetGradient(a.Gradient());
    a.SetBorderColorCheckedHot(0x123456);
    a.SetNoBorderDefault(true);
    EXPECT_EQ(changes, 0);
    a.SetColor(0x010203);
    EXPECT_EQ(changes, 1);

    TGlowButtonAppearance other;
    other.SetColor(0x0A0B0C);
    other.SetColorHot(0x0D0E0F);
    other.SetTranspOffice(true);
    changes = 0;
    a.Assign(&other);
    EXPECT_EQ(changes, 2); // Color and ColorHot differ (NoBorderDefault is copied silently)
    EXPECT_TRUE(a.TranspOffice());
    EXPECT_FALSE(a.NoBorderDefault());
    EXPECT_EQ(a.BorderColorCheckedHot(), clNone);
}

TEST(GlowButtonModel, ColourRules)
{
    struct TCase {
        TColor Colour;
        int Percent;
        TColor Expected;
    };
    // A zero channel takes a positive percent as its value; positive percents leave others alone.
    for (const TCase& c : std::initializer_list<TCase>{{0xFFFFFF, -5, 0xF2F2F2},
                                                       {0x000000, 20, 0x141414},
                                                       {0x804000, 10, 0x80400A},
                                                       {0x808080, -100, 0x000000}})
        EXPECT_EQ(ColorLightness(c.Colour, c.Percent), c.Expected) << std::hex << c.Colour << " " << c.Percent;
    EXPECT_EQ(AdjustColorChannels(0xF5F0E1, -10, -10, 0), 0xF5D8CA);
    EXPECT_EQ(BlendColor(0xFFFFFF, 0x000000, 100), 0xFFFFFF);
    EXPECT_EQ(BlendColor(0xFFFFFF, 0x000000, 0), 0x000000);
    EXPECT_EQ(BlendColor(0xC8C8C8, 0x646464, 50), 0x969696);
    EXPECT_EQ(BlendColor(clNone, 0x123456, 50), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, clNone, 50), 0x123456);
}

TEST(GlowButtonModel, DownFollowsTheStyleAndTheGroup)
{
    TGlowForm f;
    f.Form->HandleNeeded();
    TRurGlowButton* a = f.Button;
    // A plain button never stays down.
    a->SetDown(true);
    EXPECT_FALSE(a->Down());
    // A check button latches and shows the pressed state.
    a->SetStyle(bsCheck);
    a->SetDown(true);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), absDown);
    a->SetDown(false);
    a->SetStyle(bsButton);

    // Grouped buttons: latching one releases the other; the latched one stays down without AllowAllUp.
    TRurGlowButton* b = f.AddButton(140, 20);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    EXPECT_EQ(a->State(), absExclusive);
    b->SetDown(true);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), absUp);
    b->SetDown(false);
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    b->SetDown(false);
    EXPECT_FALSE(b->Down());
}

TEST(GlowButtonLooks, LooksSetRoundingAndPresetsTonesMakeEveryButtonFlatAndStill)
{
    TNoFade restore;
    SetGlowSpeed(20);
    TRurGlowButton button(nullptr);
    const TColor before = button.Appearance()->Color();
    button.SetComponentStyle(tsCustom);
    EXPECT_EQ(button.Appearance()->Color(), before);
    EXPECT_TRUE(button.Rounded());

    button.SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(button.UIStyle(), tsOffice2007Luna);
    EXPECT_EQ(button.Appearance()->Color(), 0xEEDBC8);
    EXPECT_EQ(button.Appearance()->ColorMirrorTo(), 0xF7E1D0);
    EXPECT_EQ(button.Appearance()->BorderColorHot(), 0x99CEDB);
    EXPECT_EQ(button.Appearance()->ColorDown(), 0x76AFF1);
    EXPECT_EQ(button.Appearance()->GradientHot(), ggVertical);
    EXPECT_FALSE(button.Appearance()->TranspOffice());
    for (TRujStyle look : {tsOffice2003Blue, tsWindowsXP, tsWindows7, tsOffice2010Black}) {
        button.SetComponentStyle(look);
        EXPECT_TRUE(button.Rounded()) << look;
    }
    for (TRujStyle look : {tsWindows8, tsOffice2013White, tsWindows10, tsOffice2016Black, tsOffice2019White}) {
        button.SetComponentStyle(look);
        EXPECT_FALSE(button.Rounded()) << look;
        EXPECT_EQ(button.Appearance()->TextColorChecked() == 0xFFFFFF, look <= tsWindows10) << look;
    }
    EXPECT_TRUE(button.Appearance()->TranspOffice());

    TColorTones tones;
    tones.Background = {0x111111, 0x222222, 0x333333};
    tones.Hover = {0x444444, 0x555555, 0x666666};
    tones.Selected = {0x777777, 0x888888, 0x999999};
    tones.Disabled = {0xAAAAAA, 0xBBBBBB, 0xAAAAAA};
    const TColor textColor = button.Appearance()->TextColor();
    button.SetComponentStyle(tsCustom);
    button.SetColorTones(tones);
    const TGlowButtonAppearance& a = *button.Appearance();
    EXPECT_EQ(a.Color(), 0x111111);
    EXPECT_EQ(a.ColorTo(), clNone);
    EXPECT_EQ(a.ColorMirrorTo(), 0x111111);
    EXPECT_EQ(a.BorderColor(), 0x222222);
    EXPECT_EQ(a.ColorHotTo(), 0x444444);
    EXPECT_EQ(a.BorderColorHot(), 0x555555);
    EXPECT_EQ(a.ColorMirrorChecked(), 0x777777);
    EXPECT_EQ(a.BorderColorDown(), 0x888888);
    EXPECT_EQ(a.BorderColorDisabled(), 0xAAAAAA);
    EXPECT_EQ(a.TextColorHot(), 0x666666);
    EXPECT_EQ(a.TextColorChecked(), 0x999999);
    EXPECT_EQ(a.TextColorDisabled(), 0x808080); // the disabled text equals its fill
    EXPECT_EQ(a.TextColor(), textColor);
    EXPECT_FALSE(button.Rounded());
    EXPECT_EQ(GlowSpeed(), 0);
}

TEST(GlowButtonPainting, TheFaceShowsTheStateColours)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    b->SetCaption(u"");
    TGlowButtonAppearance& a = *b->Appearance();
    a.SetColor(0x0000FF);
    a.SetColorTo(0x0000FF);
    a.SetColorMirror(0xFF0000);
    a.SetColorMirrorTo(0xFF0000);
    a.SetGradient(ggVertical);
    a.SetGradientMirror(ggVertical);
    a.SetBorderColor(0x00FFFF);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    {
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(50, 5), RGB(255, 0, 0));   // upper half: Color
        EXPECT_EQ(image.Pixel(50, 19), RGB(255, 0, 0));  // the last row of the upper half
        EXPECT_EQ(image.Pixel(50, 35), RGB(0, 0, 255));  // lower half: ColorMirror
        EXPECT_EQ(image.Pixel(50, 0), RGB(255, 255, 0)); // border
        EXPECT_EQ(image.Pixel(0, 0), RGB(0, 255, 0));    // a rounded corner shows the form
    }
    // Both mirror colours none: the lower half takes Color.
    a.SetColorMirror(clNone);
    a.SetColorMirrorTo(clNone);
    {
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(50, 35), RGB(255, 0, 0));
    }
    // Hot colours while the pointer is over it; disabled colours when disabled.
    a.SetColorHot(0x00FF00);
    a.SetColorHotTo(0x00FF00);
    a.SetGradientHot(ggVertical);
    b->Perform(CM_MOUSEENTER, 0, 0);
    {
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(50, 5), RGB(0, 255, 0));
    }
    b->Perform(CM_MOUSELEAVE, 0, 0);
    a.SetColorDisabled(0x808080);
    a.SetColorDisabledTo(0x808080);
    a.SetGradientDisabled(ggVertical);
    b->SetEnabled(false);
    {
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(50, 5), RGB(128, 128, 128));
    }
}

// A one-colour PNG picture.
void FillPicture(TGDIPPicture* picture, TColor color, int size = 16)
{
    TBitmap bitmap;
    bitmap.SetSize(size, size);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(Rect(0, 0, size, size));
    TPngImage png;
    png.Assign(&bitmap);
    TMemoryStream stream;
    png.SaveToStream(stream);
    stream.SetPosition(0);
    picture->LoadFromStream(stream);
}

TEST(GlowButtonPainting, PicturesFollowTheStateAndTheirSize)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    b->SetCaption(u"");
    FillPicture(b->Picture(), 0x0000FF);
    FillPicture(b->HotPicture(), 0xFF0000);
    FillPicture(b->DownPicture(), 0x00FF00);
    FillPicture(b->DisabledPicture(), 0x808080);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    const auto centre = [&] {
        TOffscreenImage image(b);
        return image.Pixel(50, 20);
    };
    EXPECT_EQ(centre(), RGB(255, 0, 0));
    b->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(centre(), RGB(0, 0, 255));
    b->Perform(CM_MOUSELEAVE, 0, 0);
    // A latched group button shows the down picture.
    b->SetGroupIndex(1);
    b->SetAllowAllUp(true);
    b->SetDown(true);
    EXPECT_EQ(centre(), RGB(0, 255, 0));
    b->SetDown(false);
    b->SetEnabled(false);
    EXPECT_EQ(centre(), RGB(128, 128, 128));
    b->SetEnabled(true);

    // Its own size: 16 x 16 in the middle; both sizes 0: fitted to the height less 8.
    {
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(50, 20), RGB(255, 0, 0));
        EXPECT_NE(image.Pixel(50 + 12, 20), RGB(255, 0, 0));
    }
    b->SetPictureWidth(0);
    b->SetPictureHeight(0);
    {
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(50 + 12, 20), RGB(255, 0, 0));
        EXPECT_EQ(image.Pixel(50, 5), RGB(255, 0, 0));
    }
    // Emptied, it leaves the face.
    b->Picture()->Assign(nullptr);
    EXPECT_TRUE(b->Picture()->Empty());
    EXPECT_NE(centre(), RGB(255, 0, 0));

    // Assign copies the pictures and the Office hint.
    TRurGlowButton copy(nullptr);
    b->OfficeHint()->SetTitle(u"Title");
    copy.Assign(b);
    EXPECT_FALSE(copy.HotPicture()->Empty());
    EXPECT_EQ(copy.OfficeHint()->Title(), u"Title");
}

TEST(GlowButtonPainting, AutoSizeMeasuresTheCaption)
{
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    b->SetCaption(u"A somewhat longer caption");
    b->SetAutoSize(true);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    PumpUntil([&] { return b->Width() != 100; });
    const int longWidth = b->Width();
    EXPECT_GT(longWidth, 100);
    b->SetCaption(u"A");
    b->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"A"));
    PumpUntil([&] { return b->Width() < longWidth; });
    EXPECT_LT(b->Width(), longWidth);
    EXPECT_GT(b->Height(), 10);
}

// The paint that gives the button its size also draws it: a button that shrank is sent no other
// paint, so a pass that stopped after sizing left a blank box.
TEST(GlowButtonPainting, ThePaintThatSizesTheButtonDrawsIt)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    b->SetAutoSize(true);
    b->HandleNeeded();
    TOffscreenImage image(b);
    ASSERT_LT(b->Width(), 100);
    int faceAndText = 0;
    const COLORREF corner = image.Pixel(3, 3);
    for (int y = 3; y < b->Height() - 3; ++y)
        for (int x = 3; x < b->Width() - 3; ++x)
            faceAndText += image.Pixel(x, y) != corner;
    EXPECT_GT(faceAndText, 10) << "the caption is drawn on the face";
}

namespace {

// A descendant that paints its glyph on the work bitmap, with a white bottom-left pixel (the colour
// a transparent bitmap leaves out), and notes the picture it is given.
class TWorkGlyphButton : public TRurGlowButton {
public:
    using TRurGlowButton::TRurGlowButton;
    int GlyphSize = 12;
    TGDIPPicture* PreparedPicture = nullptr;

protected:
    void PrepareGlyphBitmap(TBitmap* bitmap) override
    {
        bitmap->SetSize(GlyphSize, GlyphSize);
        bitmap->Canvas()->Brush()->SetColor(0x008000);
        bitmap->Canvas()->FillRect(Rect(0, 0, GlyphSize, GlyphSize));
        bitmap->Canvas()->SetPixels(0, GlyphSize - 1, clWhite);
    }
    void PreparePicture(TGDIPPicture* picture) override { PreparedPicture = picture; }
};

} // namespace

TEST(GlowButtonPainting, ADescendantsWorkBitmapIsTheGlyph)
{
    TNoFade noFade;
    TGlowForm f;
    auto* b = new TWorkGlyphButton(f.Form.get());
    b->SetParent(f.Form.get());
    b->SetBounds(20, 70, 100, 41);
    FillPicture(b->Picture(), 0xFF0000);
    FillPicture(b->HotPicture(), 0x0000FF);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    const COLORREF glyph = RGB(0, 128, 0);
    {
        // Its own size, centred (44..55 x 14..25), in place of the picture.
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(50, 20), glyph);
        EXPECT_EQ(image.Pixel(44, 14), glyph);
        EXPECT_NE(image.Pixel(41, 20), glyph);
    }
    EXPECT_EQ(b->PreparedPicture, b->Picture());
    b->Perform(CM_MOUSEENTER, 0, 0);
    { TOffscreenImage image(b); }
    EXPECT_EQ(b->PreparedPicture, b->HotPicture());
    b->Perform(CM_MOUSELEAVE, 0, 0);

    // A picture size stretches it there (38..61 x 8..31), its bottom-left colour left out.
    b->SetPictureWidth(24);
    b->SetPictureHeight(24);
    {
        TOffscreenImage image(b);
        EXPECT_EQ(image.Pixel(41, 20), glyph);
        EXPECT_EQ(image.Pixel(60, 10), glyph);
        EXPECT_NE(image.Pixel(38, 31), RGB(255, 255, 255));
    }
    b->SetPictureWidth(-1);
    b->SetPictureHeight(-1);

    // The automatic size measures it: a glyph 28 pixels wider makes the button 28 pixels wider.
    b->SetCaption(u"Go");
    b->SetAutoSize(true);
    ASSERT_TRUE(PumpUntil([&] { return b->Width() != 100; }));
    const int narrow = b->Width();
    b->GlyphSize = 40;
    b->SetAutoSize(false);
    b->SetAutoSize(true);
    ASSERT_TRUE(PumpUntil([&] { return b->Width() != narrow; }));
    EXPECT_EQ(b->Width() - narrow, 28);
}

// GDI+ draws only smoothed text in an installed TrueType font; other text goes through GDI, which
// draws a disabled caption in grey ($808080) whatever the appearance's disabled text colour.
TEST(GlowButtonPainting, TextGdiPlusCannotDrawGoesThroughGdi)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    TGlowButtonAppearance& a = *b->Appearance();
    a.SetSystemFont(false);
    a.SetTextColorDisabled(clRed);
    a.SetColorDisabled(clWhite);
    a.SetColorDisabledTo(clWhite);
    a.SetColorMirrorDisabled(clWhite);
    a.SetColorMirrorDisabledTo(clWhite);
    a.SetBorderColorDisabled(clWhite);
    b->Font()->SetSize(16);
    b->Font()->SetStyle({fsBold});
    b->SetCaption(u"HHH");
    b->SetEnabled(false);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    ASSERT_GE(Screen->Fonts()->IndexOf(u"DejaVu Sans"), 0) << "an installed TrueType font";
    const struct {
        RurGDIP::TAntiAlias AntiAlias;
        const char16_t* Font;
        bool Gdi;
        const char* Label;
    } cases[] = {
        {RurGDIP::aaClearType, u"DejaVu Sans", false, "ClearType, installed"},
        {RurGDIP::aaAntiAlias, u"DejaVu Sans", false, "smoothed, installed"},
        {RurGDIP::aaNone, u"DejaVu Sans", true, "unsmoothed"},
        {RurGDIP::aaClearType, u"No Such Font Here", true, "not installed"},
    };
    for (const auto& c : cases) {
        b->SetAntiAlias(c.AntiAlias);
        b->Font()->SetName(c.Font);
        TOffscreenImage image(b);
        int grey = 0, red = 0;
        for (int y = 4; y < 37; ++y)
            for (int x = 4; x < 96; ++x) {
                const COLORREF p = image.Pixel(x, y);
                grey += p == RGB(128, 128, 128);
                red += GetRValue(p) > 200 && GetGValue(p) < 100;
            }
        EXPECT_EQ(grey > 0, c.Gdi) << c.Label;
        EXPECT_EQ(red > 0, !c.Gdi) << c.Label;
    }

    // GDI measures the caption for the automatic size: text, spacing 4 times, margins and 2.
    b->SetEnabled(true);
    b->SetAntiAlias(RurGDIP::aaNone);
    b->SetCaption(u"Wide caption");
    b->SetAutoSize(true);
    TBitmap measure;
    measure.Canvas()->Font()->Assign(b->Font());
    const int expected = measure.Canvas()->TextWidth(u"Wide caption") + 12;
    EXPECT_TRUE(PumpUntil([&] { return b->Width() == expected; })) << b->Width() << " " << expected;
}

// A glyph beside the caption stands clear of it, whichever path draws the text.
TEST(GlowButtonPainting, AGlyphLeftOfTheCaptionStandsClearOfIt)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    b->Appearance()->SetSystemFont(false);
    b->Font()->SetName(u"DejaVu Sans");
    b->Font()->SetStyle({fsBold});
    b->SetCaption(u"HH");
    TBitmap square;
    square.SetSize(16, 16);
    square.Canvas()->Brush()->SetColor(0x0080FF);
    square.Canvas()->FillRect(Rect(0, 0, 16, 16));
    TImageList glyphs(nullptr);
    glyphs.AddMasked(&square, TColor(0xFF00FF));
    b->SetImages(&glyphs);
    b->SetImageIndex(0);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    for (auto antiAlias : {RurGDIP::aaClearType, RurGDIP::aaNone})
        for (auto layout : {blGlyphLeft, blGlyphLeftAdjusted}) {
            b->SetAntiAlias(antiAlias);
            b->SetLayout(layout);
            TOffscreenImage image(b);
            int glyphRight = -1, textLeft = -1;
            for (int x = 0; x < 100; ++x) {
                const COLORREF p = image.Pixel(x, 20);
                if (p == RGB(255, 128, 0))
                    glyphRight = x;
                else if (glyphRight >= 0 && textLeft < 0 && GetRValue(p) < 100 && GetGValue(p) < 100)
                    textLeft = x;
            }
            ASSERT_GE(glyphRight, 0) << int(antiAlias) << " " << int(layout);
            ASSERT_GT(textLeft, glyphRight) << int(antiAlias) << " " << int(layout);
            EXPECT_GE(textLeft - glyphRight, 2) << int(antiAlias) << " " << int(layout);
        }
}

// On a glass quick-access toolbar, or with glass and the scenic ribbon both on, the drop-down arrow is
// a filled triangle (rows 20 to 22 from x 91) instead of the chevron (strokes from (89, 18)).
TEST(GlowButtonPainting, TheDropDownArrowIsATriangleOnGlass)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    b->SetCaption(u"");
    b->Font()->SetColor(clBlack);
    b->Appearance()->SetTextColor(clBlack);
    b->SetDropDownButton(true);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    const bool savedGlass = RurGDIP::GetGlassEnabled(), savedScenic = RurGDIP::GetScenicRibbon();
    const struct {
        bool OnGlassQAT, Glass, Scenic, Triangle;
    } cases[] = {
        {false, false, false, false},
        {true, false, false, true},
        {false, true, true, true},
        {false, true, false, false},
    };
    auto dark = [](COLORREF p) { return GetRValue(p) + GetGValue(p) + GetBValue(p) < 3 * 160; };
    for (const auto& c : cases) {
        b->SetInternalIsOnGlassQAT(c.OnGlassQAT);
        RurGDIP::SetGlassEnabled(c.Glass);
        RurGDIP::SetScenicRibbon(c.Scenic);
        TOffscreenImage image(b);
        const int at = &c - cases;
        EXPECT_EQ(dark(image.Pixel(95, 20)), c.Triangle) << at;
        EXPECT_TRUE(dark(image.Pixel(92, 21))) << at; // both have it
        EXPECT_EQ(dark(image.Pixel(89, 18)), !c.Triangle) << at;
    }
    RurGDIP::SetGlassEnabled(savedGlass);
    RurGDIP::SetScenicRibbon(savedScenic);
}

TEST(GlowButtonBehaviour, ClicksPressesAndGroupsThroughRealMessages)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    b->SetModalResult(mrYes);
    ASSERT_TRUE(ShowActive(f.Form.get()));

    // Pressed inside: drawn down; released inside: one click and the form's modal result.
    PostMouse(b, WM_LBUTTONDOWN, 30, 20);
    ASSERT_TRUE(PumpUntil([&] { return b->State() == absDown; }));
    PostMouse(b, WM_LBUTTONUP, 30, 20);
    ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
    EXPECT_EQ(b->State(), absUp);
    EXPECT_EQ(f.Form->ModalResult(), mrYes);
    f.Form->SetModalResult(mrNone);

    // Dragged out and released outside: no click.
    PostMouse(b, WM_LBUTTONDOWN, 30, 20);
    ASSERT_TRUE(PumpUntil([&] { return b->State() == absDown; }));
    PostMouse(b, WM_MOUSEMOVE, 150, 20);
    ASSERT_TRUE(PumpUntil([&] { return b->State() == absUp; }));
    PostMouse(b, WM_LBUTTONUP, 150, 20);
    PumpFor(50);
    EXPECT_EQ(clicks, 1);

    // A check button toggles Down before its click runs.
    b->SetStyle(bsCheck);
    bool downAtClick = false;
    b->SetOnClick([&](TObject*) { downAtClick = b->Down(), ++clicks; });
    PostMouse(b, WM_LBUTTONDOWN, 30, 20);
    PostMouse(b, WM_LBUTTONUP, 30, 20);
    ASSERT_TRUE(PumpUntil([&] { return clicks == 2; }));
    EXPECT_TRUE(downAtClick);
    EXPECT_TRUE(b->Down());
    b->SetDown(false);
    b->SetStyle(bsButton);

    // A grouped button latches on release; its neighbour in the group lets go.
    TRurGlowButton* other = f.AddButton(140, 20);
    b->SetGroupIndex(3);
    other->SetGroupIndex(3);
    other->SetDown(true);
    PostMouse(b, WM_LBUTTONDOWN, 30, 20);
    PostMouse(b, WM_LBUTTONUP, 30, 20);
    ASSERT_TRUE(PumpUntil([&] { return clicks == 3; }));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(other->Down());
}

TEST(GlowButtonBehaviour, RepeatsWhileHeldAndOpensItsDropDownPart)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    b->SetRepeatClick(true);
    b->SetInitRepeatPause(100);
    b->SetRepeatPause(20);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    PostMouse(b, WM_LBUTTONDOWN, 30, 20);
    EXPECT_TRUE(PumpUntil([&] { return clicks >= 3; }));
    PostMouse(b, WM_LBUTTONUP, 30, 20);
    PumpUntil([&] { return b->State() == absUp; });
    const int afterRelease = clicks;
    PumpFor(150);
    EXPECT_EQ(clicks, afterRelease);
    b->SetRepeatClick(false);

    // The drop-down part (the right 14 pixels) fires OnDropDown instead of clicking; the pointer
    // on its first column lights it but the press there counts for the main part.
    b->SetDropDownButton(true);
    int dropDowns = 0;
    b->SetOnDropDown([&](TObject*) { ++dropDowns; });
    clicks = 0;
    PostMouse(b, WM_LBUTTONDOWN, 95, 20);
    PostMouse(b, WM_LBUTTONUP, 95, 20);
    ASSERT_TRUE(PumpUntil([&] { return dropDowns == 1; }));
    PumpFor(30);
    EXPECT_EQ(clicks, 0);
    PostMouse(b, WM_LBUTTONDOWN, 86, 20);
    PostMouse(b, WM_LBUTTONUP, 86, 20);
    ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
    EXPECT_EQ(dropDowns, 1);
}

namespace {

// A real left-button press or release at the pointer, with the extra information the system gives
// presses made up from a touch or a pen.
void SendLeftButton(bool down, ULONG_PTR extraInfo)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    input.mi.dwExtraInfo = extraInfo;
    SendInput(1, &input, sizeof(INPUT));
}

} // namespace

// A finger or pen gives no hover first: the press enters the button and runs the press fade even
// while fading is switched off; a mouse press with fading off does not fade.
TEST(GlowButtonBehaviour, TouchAndPenPressesFadeEvenWithFadingOff)
{
    TNoFade noFade;
    TGlowForm f;
    TRurGlowButton* b = f.Button;
    ASSERT_TRUE(ShowActive(f.Form.get()));
    POINT p{30, 20};
    ClientToScreen(b->Handle(), &p);
    SetCursorPos(p.x, p.y);
    const struct {
        const char* Source;
        ULONG_PTR ExtraInfo;
    } sources[] = {{"touch", 0xFF515780}, {"pen", 0xFF515700}};
    for (const auto& source : sources) {
        SendLeftButton(true, source.ExtraInfo);
        ASSERT_TRUE(PumpUntil([&] { return b->State() == absDown; })) << source.Source;
        EXPECT_TRUE(b->Hot()) << source.Source;
        EXPECT_TRUE(PumpUntil([&] { return b->StepPush() == 100 && b->GlowState() == gsNone; })) << source.Source;
        SendLeftButton(false, source.ExtraInfo);
        ASSERT_TRUE(PumpUntil([&] { return b->State() == absUp; })) << source.Source;
        b->Perform(CM_MOUSELEAVE, 0, 0);
    }
    // Without a fade timer the press fade never ends.
    b->Perform(CM_MOUSEENTER, 0, 0);
    SendLeftButton(true, 0);
    ASSERT_TRUE(PumpUntil([&] { return b->State() == absDown; }));
    const int before = b->StepPush();
    PumpFor(100);
    EXPECT_EQ(b->StepPush(), before) << "a mouse press does not fade with fading off";
    EXPECT_EQ(b->GlowState(), gsPush);
    SendLeftButton(false, 0);
    ASSERT_TRUE(PumpUntil([&] { return b->State() == absUp; }));
}

TEST(GlowButtonBehaviour, DialogKeysAndAccelerators)
{
    TGlowForm f;
    TRurGlowButton* ok = f.Button;
    TRurGlowButton* cancel = f.AddButton(140, 20);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    cancel->SetCaption(u"&Stop");
    int okClicks = 0, cancelClicks = 0;
    ok->SetOnClick([&](TObject*) { ++okClicks; });
    cancel->SetOnClick([&](TObject*) { ++cancelClicks; });
    ASSERT_TRUE(ShowActive(f.Form.get()));

    struct TCase {
        WPARAM Key;
        bool Shift;
        int Ok, Cancel;
    };
    for (const TCase& c : std::initializer_list<TCase>{{VK_RETURN, false, 1, 0},
                                                       {VK_ESCAPE, false, 0, 1},
                                                       {VK_RETURN, true, 0, 0},
                                                       {VK_ESCAPE, true, 0, 0}}) {
        okClicks = cancelClicks = 0;
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = c.Shift ? 0x80 : 0;
        SetKeyboardState(keys);
        f.Form->Perform(CM_DIALOGKEY, c.Key, 0);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        EXPECT_EQ(okClicks, c.Ok) << c.Key << " shift " << c.Shift;
        EXPECT_EQ(cancelClicks, c.Cancel) << c.Key << " shift " << c.Shift;
    }
    // Alt+S clicks the button whose caption marks S.
    cancelClicks = 0;
    EXPECT_NE(f.Form->Perform(CM_DIALOGCHAR, u's', 0), 0);
    EXPECT_EQ(cancelClicks, 1);
}

namespace {

class TBuiltDialogEx : public TRurTaskDialogEx {
    TAVIN_CLASS(TBuiltDialogEx, TRurTaskDialogEx)
public:
    using TRurTaskDialogEx::TRurTaskDialogEx;
    std::unique_ptr<TRurMessageForm> Build() { return std::unique_ptr<TRurMessageForm>(CreateTaskDialogForm()); }
    int ModalResultOf(TWinControl* control) { return GetButtonModalResult(control); }
};

} // namespace

TEST(GlowTaskDialog, TheKitsDialogFormGetsGlowButtonsInTheDialogsLook)
{
    TBuiltDialogEx dialog(nullptr);
    dialog.SetInstruction(u"Instruction");
    dialog.CustomButtons()->Add(u"Go on|Goes on | with a bar");
    dialog.SetCommonButtons({cbOK, cbCancel});
    dialog.SetUIStyle(tsOffice2007Luna);
    int created = 0;
    dialog.SetOnButtonCreated([&](TObject*, TRurGlowButton*) { ++created; });
    std::unique_ptr<TRurMessageForm> form = dialog.Build();

    ASSERT_EQ(form->CustomButtonList().size(), 1u);
    auto* custom = dynamic_cast<TRurGlowButton*>(form->CustomButtonList()[0]);
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->Caption(), u"Go on");
    EXPECT_EQ(custom->Hint(), u"Goes on | with a bar");
    EXPECT_TRUE(custom->ShowHint());
    EXPECT_TRUE(custom->TabStop());
    EXPECT_EQ(custom->Appearance()->Color(), 0xEEDBC8);
    std::vector<int> results;
    for (TWinControl* button : form->CommonButtonList()) {
        auto* glow = dynamic_cast<TRurGlowButton*>(button);
        ASSERT_NE(glow, nullptr);
        results.push_back(glow->ModalResult());
        EXPECT_EQ(glow->Cancel(), glow->ModalResult() == IDCANCEL);
    }
    EXPECT_EQ(results, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(created, 3);

    // Another control handed to the button operations is left alone and reports 0.
    TButton plain(nullptr);
    plain.SetModalResult(mrOk);
    EXPECT_EQ(dialog.ModalResultOf(&plain), 0);
}
