#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scControls.h"

namespace {

TscButton* MakeButton(TWinControl* parent, TRect bounds, int* clicks = nullptr)
{
    auto* button = new TscButton(parent);
    button->SetParent(parent);
    button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    if (clicks)
        button->SetOnClick([clicks](TObject*) { ++*clicks; });
    return button;
}

// The button's face for a state, drawn on white.
std::unique_ptr<TBitmap> Face(TscButton* button, TscsCtrlState state)
{
    auto bitmap = Canvas32(button->Width(), button->Height());
    button->Draw(bitmap->Canvas(), state);
    return bitmap;
}

// Pixels that are mostly red (the core and the smoothed edges of red text).
int RedPixels(TBitmap* bitmap)
{
    int count = 0;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) {
            const TColor c = PixelAt(bitmap, x, y);
            count += GetRValue(c) > 160 && GetGValue(c) < 110 && GetBValue(c) < 110;
        }
    return count;
}

bool IsDark(TColor c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128; }

// Columns (x) holding dark pixels within the rows.
std::vector<int> DarkColumns(TBitmap* bitmap, int top, int bottom)
{
    std::vector<int> columns;
    for (int x = 0; x < bitmap->Width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (IsDark(PixelAt(bitmap, x, y))) {
                columns.push_back(x);
                break;
            }
    return columns;
}

} // namespace

TEST(ButtonTest, DefaultAndCancelFollowTheFocusAndTheirKeys)
{
    TButtonForm f;
    auto* edit = new TEdit(f.Form);
    edit->SetParent(f.Form);
    edit->SetBounds(10, 10, 100, 21);
    int okClicks = 0, cancelClicks = 0, otherClicks = 0;
    auto* ok = MakeButton(f.Form, Rect(10, 40, 90, 70), &okClicks);
    auto* cancel = MakeButton(f.Form, Rect(100, 40, 180, 70), &cancelClicks);
    auto* other = MakeButton(f.Form, Rect(190, 40, 270, 70), &otherClicks);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    ASSERT_TRUE(ShowActive(f.Form));
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == edit; }));
    // The default button looks hot while the focus is elsewhere; Enter clicks it.
    EXPECT_EQ(ok->GetCtrlState(), scsHot);
    EXPECT_EQ(cancel->GetCtrlState(), scsNormal);
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    // Escape clicks the cancel button, not with Shift held.
    PressKey(VK_ESCAPE, true);
    EXPECT_EQ(cancelClicks, 0);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    // Another of the kit's buttons taking the focus takes the default's part.
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == other; }));
    EXPECT_EQ(ok->GetCtrlState(), scsNormal);
    EXPECT_EQ(other->GetCtrlState(), scsFocused);
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(otherClicks, 1);
    // A real click by the mouse.
    const TPoint centre = Point(ok->Width() / 2, ok->Height() / 2);
    MouseAt(ok, WM_MOUSEMOVE, centre);
    MouseAt(ok, WM_LBUTTONDOWN, centre, MK_LBUTTON);
    MouseAt(ok, WM_LBUTTONUP, centre);
    EXPECT_EQ(okClicks, 2);
}

TEST(ButtonTest, GroupCaptionWidthModalResultAndImagesByState)
{
    TButtonForm f;
    auto* a = MakeButton(f.Form, Rect(10, 10, 90, 40));
    auto* b = MakeButton(f.Form, Rect(100, 10, 180, 40));
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());

    a->SetWidthWithoutCaption(30);
    a->SetWidthWithCaption(70);
    a->SetShowCaption(false);
    EXPECT_EQ(a->Width(), 30);
    a->SetShowCaption(true);
    EXPECT_EQ(a->Width(), 70);

    a->SetModalSetting(true);
    a->SetModalResult(mrOk);
    a->ButtonClick();
    EXPECT_EQ(f.Form->ModalResult(), mrOk);
    f.Form->SetModalResult(mrNone);

    a->SetImageIndex(0);
    a->SetHotImageIndex(1);
    a->SetFocusedImageIndex(3);
    const std::pair<TscsCtrlState, int> indexes[] = {
        {scsNormal, 0}, {scsHot, 1}, {scsPressed, 1}, {scsFocused, 3}, {scsDisabled, 0}};
    for (const auto& [state, index] : indexes)
        EXPECT_EQ(a->GetImageIndexForState(state), index) << int(state);
    a->SetHotImageIndex(-1);
    EXPECT_EQ(a->GetImageIndexForState(scsPressed), 0);
}

TEST(ButtonTest, FacesByLookAndStateUnderTheTestStyle)
{
    TButtonForm f;
    auto* button = MakeButton(f.Form, Rect(10, 10, 90, 40));
    TActiveTestStyle style;
    using TD = TCustomStyleServices;
    struct Case {
        TscButtonStyleKind Kind;
        TscsCtrlState State;
        bool Face;
        TThemedButton Element;
    } cases[] = {
        {scbsPushButton, scsNormal, true, tbPushButtonNormal},
        {scbsPushButton, scsHot, true, tbPushButtonHot},
        {scbsPushButton, scsPressed, true, tbPushButtonPressed},
        {scbsPushButton, scsDisabled, true, tbPushButtonDisabled},
        {scbsPushButtonTransparent, scsNormal, false, tbPushButtonNormal},
        {scbsPushButtonTransparent, scsHot, true, tbPushButtonHot},
        {scbsSegmentedMiddle, scsPressed, true, tbPushButtonPressed},
        {scbsToolButtonTransparent, scsNormal, false, tbPushButtonNormal},
        {scbsTransparent, scsHot, false, tbPushButtonNormal},
        {scbsDropDownCombo, scsFocused, true, tbPushButtonHot},
    };
    for (const Case& c : cases) {
        button->SetStyleKind(c.Kind);
        auto face = Face(button, c.State);
        TThemedElementDetails drawn;
        const bool found = style->ElementAt(static_cast<COLORREF>(PixelAt(face.get(), 4, 15)), drawn);
        EXPECT_EQ(found, c.Face) << int(c.Kind) << " " << int(c.State);
        if (found && c.Kind != scbsSegmentedMiddle) {
            EXPECT_EQ(drawn, TD::GetElementDetails(c.Element)) << int(c.Kind) << " " << int(c.State);
        }
    }
    // The tool and header looks draw their own elements, different when hot.
    for (TscButtonStyleKind kind : {scbsToolButton, scbsHeaderSection, scbsTab}) {
        button->SetStyleKind(kind);
        TThemedElementDetails normal, hot;
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(Face(button, scsNormal).get(), 40, 15)), normal));
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(Face(button, scsHot).get(), 40, 15)), hot));
        EXPECT_FALSE(normal == hot) << int(kind);
    }
}

TEST(ButtonTest, ColourButtonDisabledCaptionLinkAndOwnContent)
{
    TButtonForm f;
    auto* button = MakeButton(f.Form, Rect(10, 10, 110, 40));
    button->SetStyleKind(scbsColorButton);
    TscButtonColorOptions* o = button->ColorOptions();
    o->SetNormalColor(clLime);
    o->SetHotColor(clYellow);
    o->SetFrameNormalColor(clBlue);
    o->SetFrameWidth(2);
    {
        auto normal = Face(button, scsNormal), hot = Face(button, scsHot);
        EXPECT_EQ(PixelAt(normal.get(), 50, 15), clLime);
        EXPECT_EQ(PixelAt(normal.get(), 1, 15), clBlue);
        EXPECT_EQ(PixelAt(hot.get(), 50, 15), clYellow);
    }
    // A disabled button with its own disabled caption colour uses it in every look.
    button->SetCaption(u"WWWW");
    button->SetDisabledFontColor(clRed);
    button->SetEnabled(false);
    for (TscButtonStyleKind kind : {scbsPushButton, scbsColorButton, scbsTransparent, scbsToolButton}) {
        button->SetStyleKind(kind);
        EXPECT_GT(RedPixels(Face(button, scsDisabled).get()), 25) << int(kind);
    }
    button->SetEnabled(true);
    // The link underlines its caption only while hot, pressed or focused.
    button->SetStyleKind(scbsLink);
    button->Font()->SetColor(clBlack);
    const auto inkOf = [&](TscsCtrlState state) {
        auto face = Face(button, state);
        return int(face->Width() * face->Height()) - CountColor(face.get(), button->ClientRect(), clWhite);
    };
    const int plain = inkOf(scsNormal);
    EXPECT_GT(inkOf(scsHot), plain + 15);
    EXPECT_GT(inkOf(scsFocused), plain + 15);
    // With its own content painter the button draws no caption, but still its face.
    button->SetStyleKind(scbsColorButton);
    button->Font()->SetColor(clRed);
    std::vector<TscsCtrlState> painted;
    button->SetOnPaintContent([&](TCanvas*, TRect, TscsCtrlState state) { painted.push_back(state); });
    auto own = Face(button, scsHot);
    EXPECT_EQ(RedPixels(own.get()), 0);
    EXPECT_EQ(PixelAt(own.get(), 50, 15), clYellow);
    EXPECT_EQ(painted, std::vector<TscsCtrlState>{scsHot});
}

TEST(ButtonTest, CustomImagesSplitPartAndRightToLeft)
{
    TButtonForm f;
    auto* button = MakeButton(f.Form, Rect(10, 10, 110, 50));
    auto* images = new TColourImages(f.Form);
    button->SetStyleKind(scbsCustomImage);
    button->SetCustomImages(images);
    button->SetCustomImageNormalIndex(0);
    EXPECT_EQ(PixelAt(Face(button, scsNormal).get(), 50, 20), clRed);
    // No hot image: nothing while hot, not the normal one.
    EXPECT_EQ(PixelAt(Face(button, scsHot).get(), 50, 20), clWhite);
    button->SetCustomImageHotIndex(1);
    EXPECT_EQ(PixelAt(Face(button, scsHot).get(), 50, 20), clLime);
    delete images;
    EXPECT_EQ(button->CustomImages(), nullptr);

    // A focused split button leaves its split part out of the focus rectangle.
    button->SetStyleKind(scbsPushButton);
    button->SetCustomDropDown(true);
    button->SetSplitButton(true);
    auto* elsewhere = MakeButton(f.Form, Rect(150, 10, 200, 50));
    ASSERT_TRUE(ShowActive(f.Form));
    elsewhere->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == elsewhere; }));
    auto unfocused = Face(button, scsNormal);
    button->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == button; }));
    auto focused = Face(button, scsNormal);
    const int sw = button->SplitWidth();
    int changed = 0;
    for (int y = 0; y < button->Height(); ++y)
        for (int x = 0; x < button->Width(); ++x)
            if (PixelAt(focused.get(), x, y) != PixelAt(unfocused.get(), x, y)) {
                ++changed;
                EXPECT_LT(x, button->Width() - sw - 1) << x << "," << y;
            }
    EXPECT_GT(changed, 20);

    // Right to left, the arrow sits at the left and the title starts after the split part.
    elsewhere->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == elsewhere; }));
    button->SetBiDiMode(bdRightToLeft);
    button->SetStyleKind(scbsTransparent);
    button->Font()->SetColor(clBlack);
    button->TitleFont()->SetColor(clBlack);
    button->SetTitle(u"Title");
    auto rtl = Face(button, scsNormal);
    const std::vector<int> titleColumns = DarkColumns(rtl.get(), 5, 15);
    ASSERT_FALSE(titleColumns.empty());
    EXPECT_GT(titleColumns.front(), sw);
    const std::vector<int> arrowColumns = DarkColumns(rtl.get(), 20, button->Height());
    ASSERT_FALSE(arrowColumns.empty());
    EXPECT_LT(arrowColumns.back(), sw);
}

TEST(ButtonTest, APopUpMenusArrowSharesTheCustomImagesContentMargin)
{
    // Images whose content keeps 4, 6, 20 and 10 pixels from the left, top, right and bottom.
    class TFramedImages : public TColourImages {
    public:
        using TColourImages::TColourImages;
        TRect GetContentMargins(int, double) const override { return Rect(4, 6, 20, 10); }
    };
    TButtonForm f;
    auto* button = MakeButton(f.Form, Rect(10, 10, 130, 70));
    auto* images = new TFramedImages(f.Form);
    auto* menu = new TPopupMenu(f.Form);
    button->SetStyleKind(scbsCustomImage);
    button->SetCustomImages(images);
    button->SetCustomImageNormalIndex(0);
    TRect content;
    button->SetOnPaintContent([&](TCanvas*, TRect r, TscsCtrlState) { content = r; });
    const auto contentWith = [&](bool popUp) {
        // A custom drop-down has the same split area but is no pop-up menu.
        button->SetCustomDropDown(!popUp);
        button->SetDropDownMenu(popUp ? menu : nullptr);
        Face(button, scsNormal);
        return content;
    };
    for (TscArrowPosition position : {scapRight, scapBottom}) {
        SCOPED_TRACE(position);
        button->SetArrowPosition(position);
        const TRect custom = contentWith(false);
        const TRect popUp = contentWith(true);
        EXPECT_EQ(popUp.Left, custom.Left);
        EXPECT_EQ(popUp.Top, custom.Top);
        if (position == scapRight) {
            EXPECT_EQ(popUp.Right, custom.Right + 10); // half of the right margin
            EXPECT_EQ(popUp.Bottom, custom.Bottom);
        } else {
            EXPECT_EQ(popUp.Right, custom.Right + 20); // none of the right margin
            EXPECT_EQ(popUp.Bottom, custom.Bottom - 5); // half of the bottom margin more
        }
    }
}
