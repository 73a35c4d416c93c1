// Colours, fonts, pens and brushes: conversions, handles made again after changes, notifications.
#include <gtest/gtest.h>

#include "Graphics.h"

TEST(Colors, SystemColoursBecomeTheirCurrentValueOthersStay)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ColorToRGB(clHighlight), static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(ColorToRGB(clNone), 0x1FFFFFFF);
    EXPECT_EQ(ColorToRGB(clDefault), 0x20000000);
    EXPECT_EQ(clInfoBk, static_cast<TColor>(0xFF000018));
}

TEST(Font, PublishesExactlyItsNineProperties)
{
    const auto& props = GetPropList(TFont::StaticClass());
    std::vector<String> names;
    for (const TPropInfo* p : props)
        names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<String>{u"Charset", u"Color", u"Height", u"Name", u"Orientation", u"Pitch",
                                          u"Quality", u"Size", u"Style"}));
    EXPECT_EQ(GetPropInfo(TFont::StaticClass(), u"Color")->Type.Name, u"TColor");
}

TEST(Font, SizeAndHeightFollowPixelsPerInch)
{
    TFont font;
    font.SetPixelsPerInch(96);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetPixelsPerInch(120);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 10);

    TFont other;
    other.SetPixelsPerInch(96);
    other.Assign(&font); // 10 points at 120 dpi are 13 pixels at 96 dpi
    EXPECT_EQ(other.Height(), -13);
}

TEST(Font, ChangeMakesANewHandleAndNotifies)
{
    TFont font;
    int changes = 0;
    font.SetOnChange([&](TObject*) { ++changes; });
    font.SetName(u"Arial");
    HFONT first = font.Handle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(font.Handle(), first);

    font.SetStyle({fsBold, fsItalic});
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(font.Handle(), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_EQ(String(reinterpret_cast<const Char*>(lf.lfFaceName)), u"Arial");
    EXPECT_EQ(changes, 2);

    font.SetStyle({fsBold, fsItalic});
    EXPECT_EQ(changes, 2) << "an unchanged value notifies nobody";
}

TEST(Font, TakesOverAHandleAndReadsItsDescription)
{
    LOGFONTW lf{};
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    lf.lfUnderline = TRUE;
    lf.lfPitchAndFamily = FIXED_PITCH;
    wcscpy(lf.lfFaceName, L"Courier New");
    TFont font;
    font.SetHandle(CreateFontIndirectW(&lf));
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Name(), u"Courier New");
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(font.Pitch(), fpFixed);
    EXPECT_THROW(font.SetHandle(nullptr), EInvalidOperation);
}

TEST(PenAndBrush, AssignCopiesEverything)
{
    TPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(3);
    pen.SetStyle(psDash);
    pen.SetMode(pmXor);
    TPen copy;
    copy.Assign(&pen);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Style(), psDash);
    EXPECT_EQ(copy.Mode(), pmXor);

    TBrush brush;
    brush.SetStyle(bsCross);
    brush.SetColor(clBlue);
    TBrush brushCopy;
    brushCopy.Assign(&brush);
    EXPECT_EQ(brushCopy.Style(), bsCross);
    EXPECT_EQ(brushCopy.Color(), clBlue);
    EXPECT_THROW(brushCopy.Assign(&pen), EConvertError);
}

TEST(Brush, AColourMakesAClearBrushSolid)
{
    TBrush brush;
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.Handle(), GetStockObject(NULL_BRUSH));
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), bsSolid);
    LOGBRUSH lb{};
    ASSERT_NE(GetObjectW(brush.Handle(), sizeof(lb), &lb), 0);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(255, 0, 0));
}
