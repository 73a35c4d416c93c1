#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scListView.h"

namespace {

// One shown form for the whole suite (a shown window takes Wine seconds to go); each test makes
// its own list view on it.
class StyledListViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(80, 80, 420, 320);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    void SetUp() override
    {
        View = new TscListView(Form);
        View->SetParent(Form);
        View->SetBounds(10, 10, 380, 260);
        View->SetViewStyle(vsReport);
        View->SetHideSelection(false);
    }
    void TearDown() override { delete View; }

    void AddColumns(std::initializer_list<NativeInt> tags)
    {
        for (NativeInt tag : tags) {
            TListColumn* column = View->Columns()->Add();
            column->SetCaption(u"Column");
            column->SetWidth(100);
            column->SetTag(tag);
        }
    }
    TListItem* AddItem(const String& caption, std::initializer_list<const char16_t*> subItems = {})
    {
        TListItem* item = View->Items()->Add();
        item->SetCaption(caption);
        for (const char16_t* s : subItems)
            item->SubItems()->Add(s);
        return item;
    }
    // The control's client area as its WM_PAINT draws it.
    std::unique_ptr<TBitmap> Paint()
    {
        auto bitmap = Canvas32(View->ClientWidth(), View->ClientHeight(), clFuchsia);
        SendMessageW(View->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
        return bitmap;
    }
    // The cell of an item's sub-item column in client coordinates.
    TRect Cell(TListItem* item, int column)
    {
        const TRect bounds = item->DisplayRect(drBounds);
        int left = bounds.Left;
        for (int i = 0; i < column; ++i)
            left += ListView_GetColumnWidth(View->Handle(), i);
        return TRect(left, bounds.Top, left + ListView_GetColumnWidth(View->Handle(), column), bounds.Bottom);
    }

    static TForm* Form;
    TscListView* View = nullptr;
};

TForm* StyledListViewTest::Form = nullptr;

} // namespace

TEST(ListViewCellsTest, ProgressCellsReadDigitsOnlyAndStopAtTheEnd)
{
    const struct {
        const char16_t* Text;
        bool Digits;
        int Position;
    } cases[] = {{u"50", true, 50},   {u"250", true, 100}, {u"abc", false, 0}, {u"-", false, 0},
                 {u"", false, 0},     {u"007", true, 7},   {u"-5", false, 0},  {u" 5", false, 0},
                 {u"99999999999999999999", true, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        EXPECT_EQ(IsDigitText(c.Text), c.Digits);
        EXPECT_EQ(ProgressCellPosition(c.Text), c.Position);
    }
    EXPECT_EQ(ColumnKindOf(1), TscColumnKind::ProgressBar);
    EXPECT_EQ(ColumnKindOf(2), TscColumnKind::CheckBox);
    EXPECT_EQ(ColumnKindOf(3), TscColumnKind::Text);
}

TEST_F(StyledListViewTest, ColumnsDrawProgressBarsAndCheckBoxesFromTheCellTexts)
{
    TActiveTestStyle style;
    View->SetExtendedColumnDraw(true);
    AddColumns({2, 1});
    TListItem* items[] = {AddItem(u"1", {u"50"}), AddItem(u"0", {u"250"}), AddItem(u"x", {u"abc"}),
                          AddItem(u"-", {u"-"})};
    const COLORREF chunk = style->ElementColor(TCustomStyleServices::GetElementDetails(tpChunk));
    const COLORREF bar = style->ElementColor(TCustomStyleServices::GetElementDetails(tpBar));
    const COLORREF checked = style->ElementColor(TCustomStyleServices::GetElementDetails(tbCheckBoxCheckedNormal));
    const COLORREF unchecked = style->ElementColor(TCustomStyleServices::GetElementDetails(tbCheckBoxUncheckedNormal));
    auto bitmap = Paint();

    const double expected[] = {0.5, 1.0, 0.0};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TRect cell = Cell(items[i], 1);
        const int width = cell.Width() - 6 - 4 - 1; // less the cell's and the bar's margins
        const int y = (cell.Top + cell.Bottom) / 2;
        int chunkPixels = 0;
        for (int x = cell.Left; x < cell.Right; ++x)
            chunkPixels += PixelAt(bitmap.get(), x, y) == static_cast<TColor>(chunk);
        EXPECT_NEAR(chunkPixels, (width - 2) * expected[i], 2);
        EXPECT_GT(CountColor(bitmap.get(), cell, static_cast<TColor>(bar)), 0);
    }
    // "-" stays empty in both kinds; "1" is the only checked caption.
    EXPECT_EQ(CountColor(bitmap.get(), Cell(items[3], 1), static_cast<TColor>(bar)), 0);
    EXPECT_EQ(CountColor(bitmap.get(), Cell(items[3], 0), static_cast<TColor>(unchecked)), 0);
    EXPECT_GT(CountColor(bitmap.get(), Cell(items[0], 0), static_cast<TColor>(checked)), 0);
    EXPECT_GT(CountColor(bitmap.get(), Cell(items[1], 0), static_cast<TColor>(unchecked)), 0);
    EXPECT_GT(CountColor(bitmap.get(), Cell(items[2], 0), static_cast<TColor>(unchecked)), 0);
}

TEST_F(StyledListViewTest, AlternateRowsAndGridLinesOnlyInReportView)
{
    TActiveTestStyle style;
    AddColumns({0, 0});
    TListItem* first = AddItem(u"first", {u"a"});
    TListItem* second = AddItem(u"second", {u"b"});
    View->SetAlternateRow(true);
    View->SetGridLines(true);
    const TColor background = GetStyleSystemColor(View->Color(), View);
    const TColor alternate = GetContrastShadeColor(background);
    const TColor text = GetEditFontColor(scsNormal, View);
    const TColor grid = MixColors(MixColors(MixColors(text, background), background), background);
    auto bitmap = Paint();
    const TRect a = first->DisplayRect(drBounds);
    const TRect b = second->DisplayRect(drBounds);
    // The odd row in the contrast shade as far as the client's right edge, the even one plain.
    EXPECT_EQ(PixelAt(bitmap.get(), View->ClientWidth() - 3, (b.Top + b.Bottom) / 2), ColorToRGB(alternate));
    EXPECT_EQ(PixelAt(bitmap.get(), View->ClientWidth() - 3, (a.Top + a.Bottom) / 2), ColorToRGB(background));
    // Lines at each column's right edge and under each row, and above the first row.
    EXPECT_EQ(PixelAt(bitmap.get(), a.Left + 99, a.Top + 3), ColorToRGB(grid));
    EXPECT_EQ(PixelAt(bitmap.get(), a.Left + 150, a.Bottom - 1), ColorToRGB(grid));
    EXPECT_EQ(PixelAt(bitmap.get(), a.Left + 150, a.Top - 1), ColorToRGB(grid));

    View->SetViewStyle(vsList);
    bitmap = Paint();
    const TRect listed = second->DisplayRect(drBounds);
    EXPECT_EQ(PixelAt(bitmap.get(), listed.Left + 2, listed.Bottom - 2), ColorToRGB(background));
}

TEST_F(StyledListViewTest, SelectionColourAndTheEmptyCaptionsWiderSelection)
{
    TActiveTestStyle style;
    View->SetSelectionStyle(scstColor);
    View->SetSelectionColor(clRed);
    View->SetViewStyle(vsList);
    AddItem(u"named");
    TListItem* empty = AddItem(u"");
    empty->SetSelected(true);
    auto bitmap = Paint();
    // The selection of an empty caption reaches 20 pixels past its label.
    const TRect label = empty->DisplayRect(drLabel);
    const int y = (label.Top + label.Bottom) / 2;
    EXPECT_EQ(PixelAt(bitmap.get(), label.Left + 18, y), ColorToRGB(clRed));
    EXPECT_NE(PixelAt(bitmap.get(), label.Left + 24, y), ColorToRGB(clRed));
}

TEST_F(StyledListViewTest, TheKitPaintsUnlessDefaultDrawWithoutACustomStyle)
{
    View->SetDefaultDraw(true);
    View->HandleNeeded();
    EXPECT_FALSE(View->OnAdvancedCustomDrawItem());
    {
        TActiveTestStyle style;
        EXPECT_TRUE(View->OnAdvancedCustomDrawItem());
        View->SetDefaultDraw(false);
        View->SetDefaultDraw(true); // under a custom style the painter stays
        EXPECT_TRUE(View->OnAdvancedCustomDrawItem());
    }
    EXPECT_FALSE(View->OnAdvancedCustomDrawItem());
    View->SetDefaultDraw(false);
    EXPECT_TRUE(View->OnAdvancedCustomDrawItem());
}
