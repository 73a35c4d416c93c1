#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "PlatformFacts.h"
#include "TestStyle.h"
#include "scColorBoxes.h"
#include "scListControls.h"

namespace {

struct TListForm {
    TListForm()
    {
        Form = new TForm(Application);
        Form->SetBounds(100, 100, 360, 260);
    }
    ~TListForm() { delete Form; }
    TListForm(const TListForm&) = delete;
    TListForm& operator=(const TListForm&) = delete;
    template <class T>
    T* Add(int left, int top, int width, int height)
    {
        auto* control = new T(Form);
        control->SetParent(Form);
        control->SetBounds(left, top, width, height);
        return control;
    }
    TForm* Form;
};

// Paints one owner-drawn item of the control into a fresh bitmap through the owner-draw message.
std::unique_ptr<TBitmap> DrawItem(TWinControl* control, int index, UINT itemState, int width = 120, int height = 20)
{
    auto bitmap = Canvas32(width, height, clFuchsia);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = control->Handle();
    item.hDC = bitmap->Canvas()->Handle();
    item.rcItem = RECT{0, 0, width, height};
    control->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    return bitmap;
}

TColor Rgb(TColor c) { return ColorToRGB(c); }

} // namespace

TEST(ListItemTextTest, TheBodyStartsAfterTheWholeDivider)
{
    struct TCase {
        const char16_t* Text;
        const char16_t* Divider;
        const char16_t* Title;
        const char16_t* Body;
    } cases[] = {
        {u"Name::Value", u"::", u"Name", u"Value"},
        {u"Name|Value|More", u"|", u"Name", u"Value|More"},
        {u"No divider", u"::", u"", u"No divider"},
        {u"::Body", u"::", u"", u"Body"},
        {u"Text", u"", u"", u"Text"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        String title;
        EXPECT_EQ(ItemBodyText(c.Text, c.Divider, title), String(c.Body));
        EXPECT_EQ(title, String(c.Title));
    }
}

TEST(ListItemTextTest, MostRecentlyUsedItemsGoFirstWithoutDuplicates)
{
    TListForm f;
    auto* list = f.Add<TscListBox>(10, 10, 100, 100);
    auto* combo = f.Add<TscComboBox>(120, 10, 100, 24);
    for (TStrings* items : {list->Items(), combo->Items()})
        for (const char16_t* s : {u"a", u"b", u"c"})
            items->Add(s);
    list->AddMRUItem(u"c");
    list->AddMRUItem(u"d");
    list->AddMRUItem(u"");
    combo->AddMRUItem(u"b");
    EXPECT_EQ(list->Items()->Text(), String(u"d\r\nc\r\na\r\nb\r\n"));
    EXPECT_EQ(combo->Items()->Text(), String(u"b\r\na\r\nc\r\n"));
}

TEST(StyledListBoxTest, ItemBackgroundFollowsStyleAndSelectionLook)
{
    TListForm f;
    auto* list = f.Add<TscListBox>(10, 10, 150, 100);
    list->Items()->Add(u"Item");
    list->HandleNeeded();
    list->SetSelectionColor(clRed);
    struct TCase {
        const char* Name;
        bool TestStyle;
        TscSelectionStyle Look;
        TColor SelectionColor;
        UINT State;
    } cases[] = {
        {"plain item, system style", false, scstStyled, clNone, 0},
        {"plain item, test style", true, scstStyled, clNone, 0},
        {"own selection colour", false, scstColor, clRed, ODS_SELECTED | ODS_FOCUS},
        {"style's highlight", true, scstColor, clNone, ODS_SELECTED | ODS_FOCUS},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::optional<TActiveTestStyle> style;
        if (c.TestStyle)
            style.emplace();
        list->SetSelectionStyle(c.Look);
        list->SetSelectionColor(c.SelectionColor);
        auto bitmap = DrawItem(list, 0, c.State);
        TColor expected = c.TestStyle ? GetEditColor(scsNormal, list) : Rgb(list->Color());
        if (c.State & ODS_SELECTED)
            expected = c.SelectionColor == clNone ? Rgb(GetStyleSystemColor(clHighlight, list)) : clRed;
        EXPECT_EQ(PixelAt(bitmap.get(), 115, 5), Rgb(expected));
    }
}

TEST(StyledListBoxTest, ASelectedItemShowsItsSelectionUnderTheSystemStyle)
{
    TListForm f;
    auto* list = f.Add<TscListBox>(10, 10, 150, 100);
    list->Items()->Add(u"Item");
    for (UINT state : {UINT(ODS_SELECTED), UINT(ODS_SELECTED | ODS_FOCUS)}) {
        SCOPED_TRACE(state);
        EXPECT_NE(PixelAt(DrawItem(list, 0, state).get(), 115, 5), Rgb(list->Color()));
    }
}

TEST(StyledListBoxTest, ItemTextTakesTheSelectionTextColour)
{
    TListForm f;
    auto* list = f.Add<TscListBox>(10, 10, 150, 100);
    list->Items()->Add(u"WWWWWW");
    list->SetSelectionStyle(scstColor);
    list->SetSelectionColor(clRed);
    list->SetSelectionTextColor(clYellow);
    auto bitmap = DrawItem(list, 0, ODS_SELECTED | ODS_FOCUS);
    int yellowish = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const TColor c = PixelAt(bitmap.get(), x, y);
            yellowish += ((c >> 8) & 0xFF) > 128 && ((c >> 16) & 0xFF) < 100;
        }
    EXPECT_GT(yellowish, 10);
}

TEST(StyledListBoxTest, SeparatorLinesOnlyUnderUnselectedItems)
{
    TListForm f;
    auto* list = f.Add<TscListBox>(10, 10, 150, 100);
    list->Items()->Add(u"One");
    list->SetShowLines(true);
    list->SetLineColor(clLime);
    list->SetSelectionStyle(scstColor);
    list->SetSelectionColor(clNavy);
    EXPECT_EQ(PixelAt(DrawItem(list, 0, 0).get(), 60, 19), clLime);
    EXPECT_EQ(PixelAt(DrawItem(list, 0, ODS_SELECTED | ODS_FOCUS).get(), 60, 19), clNavy);
}

TEST(StyledListBoxTest, ContentLosesAPixelEachSideFromOneAndAHalfScale)
{
    TListForm f;
    auto* list = f.Add<TscListBox>(10, 10, 150, 100);
    list->Items()->Add(u"One");
    TRect drawn;
    list->SetOnDrawItem([&](int, TOwnerDrawState, TCanvas*, TRect r) { drawn = r; });
    DrawItem(list, 0, 0);
    EXPECT_EQ(drawn, Rect(0, 0, 120, 20));
    list->ScaleBy(3, 2);
    DrawItem(list, 0, 0);
    EXPECT_EQ(drawn, Rect(1, 0, 119, 20));
}

TEST(StyledListBoxTest, AnImageListRemovedFromTheFormIsForgotten)
{
    TListForm f;
    auto* list = f.Add<TscListBox>(10, 10, 150, 100);
    auto* combo = f.Add<TscComboBox>(10, 120, 150, 24);
    auto* checks = f.Add<TscCheckListBox>(170, 10, 150, 100);
    auto* images = new TCustomImageList(f.Form);
    list->SetImages(images);
    combo->SetImages(images);
    checks->SetImages(images);
    delete images;
    EXPECT_EQ(list->Images(), nullptr);
    EXPECT_EQ(combo->Images(), nullptr);
    EXPECT_EQ(checks->Images(), nullptr);
}

TEST(StyledCheckListBoxTest, CheckBoxShowsEachOfTheThreeStates)
{
    TListForm f;
    TActiveTestStyle style;
    auto* list = f.Add<TscCheckListBox>(10, 10, 150, 100);
    list->SetAllowGrayed(true);
    for (const char16_t* s : {u"off", u"on", u"grayed"})
        list->Items()->Add(s);
    list->SetState(1, cbChecked);
    list->SetState(2, cbGrayed);
    const TThemedButton expected[] = {tbCheckBoxUncheckedNormal, tbCheckBoxCheckedNormal, tbCheckBoxMixedNormal};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        auto bitmap = DrawItem(list, i, 0);
        const int centre = (list->CheckBoxWidth() + 6) / 2;
        TThemedElementDetails drawn;
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), centre, 10)), drawn));
        EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(expected[i]));
    }
}

TEST(StyledCheckListBoxTest, PressOnAWideCheckBoxTogglesTheItem)
{
    TListForm f;
    TActiveTestStyle style;
    auto* list = f.Add<TscCheckListBox>(10, 10, 150, 120);
    list->Items()->Add(u"first");
    list->ScaleBy(3, 2);
    ASSERT_TRUE(ShowActive(f.Form));
    DrawItem(list, 0, 0); // measures the check box as drawn
    ASSERT_GT(list->CheckBoxWidth(), 13);
    const int x = list->CheckBoxWidth() + 2; // beyond the framework's own check strip
    const LPARAM at = MAKELPARAM(x, 5);
    PostMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(PumpUntil([&] { return list->Checked(0); }, 2000));
}

TEST(StyledComboBoxTest, KitFaceOnlyForDropDownListsOnThemedSystemsOrOnRequest)
{
    TListForm f;
    auto* combo = f.Add<TscComboBox>(10, 10, 150, 24);
    struct TCase {
        const char* Name;
        TComboBoxStyle Style;
        TscComboStyleKind Kind;
        bool Themes;
        bool Expected;
    } cases[] = {
        {"drop-down list, themed", csDropDownList, scscbDefault, true, true},
        {"drop-down list, classic", csDropDownList, scscbDefault, false, false},
        {"drop-down list, classic, push button", csDropDownList, scscbPushButton, false, true},
        {"editable ignores push button", csDropDown, scscbPushButton, true, false},
        {"simple ignores push button", csSimple, scscbPushButton, true, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TInjectedPlatformFacts facts({.ThemesActive = c.Themes});
        combo->SetStyle(c.Style);
        combo->SetStyleKind(c.Kind);
        EXPECT_EQ(combo->IsCustomFaceDrawn(), c.Expected);
    }
}

TEST(StyledComboBoxTest, EditableComboItemHeightFollowsTheFont)
{
    TListForm f;
    auto* combo = f.Add<TscComboBox>(10, 10, 150, 24);
    combo->SetStyle(csDropDownList);
    combo->Font()->SetSize(20);
    combo->SetStyle(csDropDown);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, combo->Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32W(dc, L"Wq", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(combo->ItemHeight(), size.cy + 2);
}

TEST(StyledComboBoxTest, FaceShowsTheItemTakenAtDropDownAndAnswersPaintCopyQuestion)
{
    TListForm f;
    TActiveTestStyle style;
    auto* combo = f.Add<TscComboBox>(10, 10, 150, 24);
    combo->SetStyle(csDropDownList);
    combo->SetStyleKind(scscbPushButton);
    for (const char16_t* s : {u"zero", u"one", u"two"})
        combo->Items()->Add(s);
    combo->SetItemIndex(1);
    int shown = -2;
    combo->SetOnDrawItem([&](int index, TOwnerDrawState, TCanvas*, TRect) { shown = index; });
    ASSERT_TRUE(ShowActive(f.Form));
    combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN), 0);
    EXPECT_EQ(combo->TempItemIndex(), 1);

    auto face = Canvas32(combo->Width(), combo->Height());
    shown = -2;
    combo->PaintToDC(face->Canvas()->Handle(), 0, 0);
    EXPECT_EQ(shown, 1);
    TThemedElementDetails drawn;
    ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(face.get(), 4, combo->Height() / 2)), drawn));
    EXPECT_EQ(drawn.Element, teButton);
    EXPECT_EQ(combo->Perform(CM_SCCANPAINTTODC), ScCanPaintToDCAnswer);
}

namespace {

// The item index of a colour in a colour picker's list.
template <class Picker>
int IndexOfColor(Picker* picker, TColor color)
{
    for (int i = 0; i < picker->Items()->Count(); ++i)
        if (picker->Colors(i) == color)
            return i;
    return -1;
}

} // namespace

TEST(StyledColorPickersTest, ASwatchIsFramedInTheTextColourAndTheNameFollowsFourPixelsOn)
{
    TListForm f;
    auto* list = f.Add<TscColorListBox>(10, 10, 150, 120);
    list->SetItemHeight(16);
    const int red = IndexOfColor(list, clRed);
    ASSERT_GE(red, 0);
    const struct {
        const char* Name;
        UINT State;
        TColor Frame;
    } cases[] = {
        {"unselected", 0, list->Font()->Color()},
        {"selected", ODS_SELECTED, GetSelectionTextColor(list)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bitmap = DrawItem(list, red, c.State, 120, 16);
        // The 12 x 12 swatch at (2, 2): its outer ring in the text colour, red inside.
        for (const TPoint p : {TPoint(2, 2), TPoint(13, 2), TPoint(2, 13), TPoint(13, 13)})
            EXPECT_EQ(PixelAt(bitmap.get(), p.X, p.Y), Rgb(c.Frame));
        EXPECT_EQ(CountColor(bitmap.get(), TRect(3, 3, 13, 13), clRed), 100);
        EXPECT_NE(PixelAt(bitmap.get(), 14, 8), Rgb(clRed));
        // Nothing between the swatch and the name, which starts 4 pixels on.
        const TColor background = PixelAt(bitmap.get(), 16, 1);
        EXPECT_EQ(CountColor(bitmap.get(), TRect(14, 0, 18, 16), background), 4 * 16);
        EXPECT_LT(CountColor(bitmap.get(), TRect(18, 0, 40, 16), background), 22 * 16);
    }
}

TEST(StyledColorPickersTest, ThePushButtonFaceShowsASmallerSwatchAndKeepsItAtTheLeftRightToLeft)
{
    TListForm f;
    auto* box = f.Add<TscColorBox>(10, 10, 150, 24);
    box->SetStyleKind(scscbPushButton);
    box->SetSelected(clRed);
    ASSERT_TRUE(ShowActive(f.Form));
    const int cx = GetControlSystemMetrics(box, SM_CXVSCROLL);
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        SCOPED_TRACE(static_cast<int>(mode));
        box->SetBiDiMode(mode);
        auto face = Canvas32(box->Width(), box->Height(), clFuchsia);
        box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(face->Canvas()->Handle()), 0);
        // The item area starts 4 in (after the drop-down part right to left); the swatch of a
        // 20-pixel item is 16 pixels square, less a pixel on every side: a 12 x 12 red inside.
        const int left = (mode == bdLeftToRight ? 4 : 4 + cx) + 2 + 1;
        EXPECT_EQ(CountColor(face.get(), TRect(left + 1, 6, left + 13, 18), clRed), 144);
        EXPECT_NE(PixelAt(face.get(), left + 13, 12), Rgb(clRed));
        EXPECT_NE(PixelAt(face.get(), left, 12), Rgb(clRed));
    }
}
