#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scMemo.h"

namespace {

struct TMemoForm {
    TMemoForm()
    {
        Form = new TForm(Application);
        Form->SetBounds(100, 100, 320, 240);
        Memo = new TscMemo(Form);
        Memo->SetParent(Form);
        Memo->SetBorderStyle(bsNone);
        Memo->SetBounds(10, 10, 200, 120);
    }
    ~TMemoForm() { delete Form; }
    TMemoForm(const TMemoForm&) = delete;
    TMemoForm& operator=(const TMemoForm&) = delete;
    TForm* Form;
    TscMemo* Memo;
};

int LineHeight(TFont* font)
{
    const HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->Assign(font);
    const int height = canvas.TextHeight(u"Wq");
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    return height;
}

// Pixels of the rectangle that are not the colour (text drawn over a known background).
int CountOther(TBitmap* bitmap, const TRect& rect, TColor background)
{
    return rect.Width() * rect.Height() - CountColor(bitmap, rect, background);
}

// Reddish pixels: red text, smoothed or not, over white; black text never counts.
int CountReddish(TBitmap* bitmap)
{
    int count = 0;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) {
            const TColor c = PixelAt(bitmap, x, y);
            count += (c & 0xFF) > ((c >> 8) & 0xFF) + 40;
        }
    return count;
}

std::unique_ptr<TBitmap> Rendered(TscMemo* memo)
{
    auto bitmap = Canvas32(memo->Width(), memo->Height(), clFuchsia);
    memo->PaintBuffered(bitmap->Canvas()->Handle());
    return bitmap;
}

} // namespace

TEST(StyledMemoTest, DisabledMemoDrawsEveryLineThatFits)
{
    TMemoForm f;
    const int lh = LineHeight(f.Memo->Font());
    f.Memo->SetHeight(5 * lh + 2);
    for (int i = 0; i < 7; ++i)
        f.Memo->Lines()->Add(u"WWWWWW");
    f.Memo->SetEnabled(false);
    ASSERT_TRUE(ShowActive(f.Form));
    auto bitmap = Canvas32(f.Memo->Width(), f.Memo->Height(), clFuchsia);
    f.Memo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
    for (int line = 0; line < 5; ++line) {
        SCOPED_TRACE(line);
        const TRect band(4, 1 + line * lh, 100, 1 + (line + 1) * lh);
        EXPECT_GT(CountOther(bitmap.get(), band, clFuchsia), 0);
    }
}

TEST(StyledMemoTest, ScrollingLeavesTheRedrawOnAndTheWheelMovesOneLine)
{
    TMemoForm f;
    f.Memo->SetScrollBars(ssVertical);
    for (int i = 0; i < 40; ++i)
        f.Memo->Lines()->Add(u"line");
    ASSERT_TRUE(ShowActive(f.Form));
    const HWND wnd = f.Memo->Handle();
    auto firstVisible = [&] { return SendMessageW(wnd, EM_GETFIRSTVISIBLELINE, 0, 0); };

    f.Memo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
    EXPECT_EQ(firstVisible(), 1);
    f.Memo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(firstVisible(), 0);

    f.Memo->Perform(CN_COMMAND, MAKEWPARAM(0, EN_VSCROLL), reinterpret_cast<LPARAM>(wnd));
    // A window whose redraw is off loses its visible style: later invalidations would not paint.
    EXPECT_TRUE(GetWindowLongW(wnd, GWL_STYLE) & WS_VISIBLE);
}

TEST(StyledMemoTest, PromptShowsWhileEmptyAndHidesWhenFocusedIfAsked)
{
    TMemoForm f;
    auto* other = new TEdit(f.Form);
    other->SetParent(f.Form);
    other->SetBounds(10, 150, 100, 24);
    f.Memo->SetPromptText(u"Type here");
    f.Memo->SetPromptTextColor(clRed);
    f.Memo->SetHidePromptTextIfFocused(true);
    ASSERT_TRUE(ShowActive(f.Form));
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
    EXPECT_GT(CountReddish(Rendered(f.Memo).get()), 0);

    f.Memo->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return f.Memo->Focused(); }));
    EXPECT_EQ(CountReddish(Rendered(f.Memo).get()), 0);

    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
    f.Memo->SetText(u"x");
    EXPECT_EQ(CountReddish(Rendered(f.Memo).get()), 0);
}

TEST(StyledMemoTest, EditColoursComeFromTheStyleAndNeverFillTheBackground)
{
    TMemoForm f;
    TActiveTestStyle style;
    f.Memo->Font()->SetColor(clRed);
    f.Memo->HandleNeeded();
    auto bitmap = Canvas32(4, 4);
    const HDC dc = bitmap->Canvas()->Handle();
    struct TCase {
        bool UseFontColor;
        TColor Expected;
    } cases[] = {{false, GetStyleSystemColor(clWindowText, f.Memo)}, {true, GetStyleSystemColor(clRed, f.Memo)}};
    for (const TCase& c : cases) {
        f.Memo->SetUseFontColorToStyleColor(c.UseFontColor);
        const LRESULT brush = f.Memo->Perform(CN_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0);
        EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(ColorToRGB(c.Expected)));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    }
}
