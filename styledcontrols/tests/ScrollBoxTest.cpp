// The kit's scroll box: its background layers, redraw locks, wheel scrolling, bringing a child
// into view, the collections' free notification and its style hook.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scScrollBox.h"

namespace {

// The three colours, drawn as images with transparent parts (not solid).
class TSeeThroughImages : public TColourImages {
public:
    using TColourImages::TColourImages;
    bool IsSolidDrawing(int) const override { return false; }
    void Draw(TCanvas* canvas, const TRect& rect, int index, double scale) override
    {
        // Only the left half: the background shows beside it.
        TColourImages::Draw(canvas, TRect(rect.Left, rect.Top, rect.Left + rect.Width() / 2, rect.Bottom), index, scale);
    }
};

// Counts the erasures and the redraw switches of the box's window.
class TCountingScrollBox : public TscScrollBox {
    TAVIN_CLASS(TCountingScrollBox, TscScrollBox)
public:
    using TscScrollBox::TscScrollBox;
    int Erasures = 0;
    int RedrawSwitches = 0;
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_ERASEBKGND)
            ++Erasures;
        if (message.Msg == WM_SETREDRAW)
            ++RedrawSwitches;
        TscScrollBox::WndProc(message);
    }
};

class ScrollBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 420, 340);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }

    void SetUp() override
    {
        Box = new TCountingScrollBox(Form);
        Box->SetBounds(10, 10, 200, 150);
        Box->SetBorderStyle(bsNone);
        Box->SetBackgroundStyle(scsbsPanel);
        Box->SetColor(clYellow);
        Box->SetParent(Form);
    }
    void TearDown() override { delete Box; }

    // The box's background as it erases it.
    std::unique_ptr<TBitmap> Erased()
    {
        auto bitmap = Canvas32(Box->ClientWidth(), Box->ClientHeight(), clFuchsia);
        SendMessageW(Box->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
        return bitmap;
    }

    // A child farChild to the right and below, so that both bars show.
    TPanel* AddFarChild(int left = 500, int top = 400)
    {
        auto* child = new TPanel(Box);
        child->SetBounds(left, top, 40, 30);
        child->SetParent(Box);
        return child;
    }

    static TForm* Form;
    TCountingScrollBox* Box = nullptr;
};

TForm* ScrollBoxTest::Form = nullptr;

} // namespace

TEST_F(ScrollBoxTest, BackgroundLayersAndWhenTheWallpaperIsDrawn)
{
    TColourImages solid(nullptr);
    TSeeThroughImages seeThrough(nullptr);
    const struct {
        const char* Name;
        TscCustomImageCollection* Wallpapers;
        int Index;
        bool FullUpdate;
        bool AutoScroll;
        TColor Left, Right;
    } cases[] = {
        {"no wallpaper", nullptr, 0, true, true, clYellow, clYellow},
        {"index -1", &solid, -1, true, true, clYellow, clYellow},
        {"index the collection lacks", &solid, 7, true, true, clYellow, clYellow},
        {"solid wallpaper", &solid, 2, true, true, clBlue, clBlue},
        {"see-through wallpaper over the panel colour", &seeThrough, 0, true, true, clRed, clYellow},
        // Drawn straight: only the background, no wallpaper.
        {"see-through wallpaper, no buffer", &seeThrough, 0, false, false, clYellow, clYellow},
        {"solid wallpaper even without a buffer", &solid, 1, false, false, clLime, clLime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Box->SetWallpapers(c.Wallpapers);
        Box->SetWallpaperIndex(c.Index);
        Box->SetFullUpdate(c.FullUpdate);
        Box->SetAutoScroll(c.AutoScroll);
        auto bitmap = Erased();
        EXPECT_EQ(PixelAt(bitmap.get(), 10, 10), c.Left);
        EXPECT_EQ(PixelAt(bitmap.get(), Box->ClientWidth() - 10, 10), c.Right);
    }
    Box->SetWallpapers(nullptr);

    // The background image under the wallpaper; the buffer kept with StorePaintBuffer.
    Box->SetCustomImages(&solid);
    Box->SetCustomBackgroundImageIndex(0);
    Box->SetWallpapers(&seeThrough);
    Box->SetWallpaperIndex(1);
    Box->SetStorePaintBuffer(true);
    auto bitmap = Erased();
    EXPECT_EQ(PixelAt(bitmap.get(), 10, 10), clLime);
    EXPECT_EQ(PixelAt(bitmap.get(), Box->ClientWidth() - 10, 10), clRed);
    ASSERT_NE(Box->PaintBuffer(), nullptr);
    EXPECT_EQ(Box->PaintBuffer()->Width(), Box->ClientWidth());
    Box->SetWallpapers(nullptr);
    Box->SetCustomImages(nullptr);
}

TEST_F(ScrollBoxTest, AppearanceSettersRedrawOnlyOnChangeAndForgetFreedCollections)
{
    auto* images = new TColourImages(Form);
    Box->SetWallpapers(images);
    PumpFor(20);
    const int before = Box->Erasures;
    Box->SetWallpapers(images);
    Box->SetWallpaperIndex(-1);
    Box->SetBackgroundStyle(scsbsPanel);
    EXPECT_EQ(Box->Erasures, before);
    Box->SetWallpaperIndex(0);
    EXPECT_GT(Box->Erasures, before);

    // A collection owned elsewhere and freed: the box lets go of it.
    delete images;
    EXPECT_EQ(Box->Wallpapers(), nullptr);
    auto* other = new TColourImages(Form);
    Box->SetCustomImages(other);
    auto* replacement = new TColourImages(Form);
    Box->SetCustomImages(replacement);
    delete other; // no longer the box's: nothing changes
    EXPECT_EQ(Box->CustomImages(), replacement);
    delete replacement;
    EXPECT_EQ(Box->CustomImages(), nullptr);
}

TEST_F(ScrollBoxTest, WheelScrollsOneIncrementOnTheBarTheShiftKeyChooses)
{
    Box->SetMouseWheelSupport(true);
    AddFarChild();
    ASSERT_TRUE(Box->HorzScrollBar()->IsScrollBarVisible());
    ASSERT_TRUE(Box->VertScrollBar()->IsScrollBarVisible());
    const int step = Box->VertScrollBar()->Increment();
    const auto wheel = [&](WORD keys, short delta) {
        SendMessageW(Box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)), 0);
    };
    wheel(0, -WHEEL_DELTA * 3); // one increment whatever the delta
    EXPECT_EQ(Box->VertScrollBar()->Position(), step);
    EXPECT_EQ(Box->HorzScrollBar()->Position(), 0);
    wheel(MK_SHIFT, -WHEEL_DELTA);
    EXPECT_EQ(Box->HorzScrollBar()->Position(), Box->HorzScrollBar()->Increment());
    wheel(MK_SHIFT, WHEEL_DELTA);
    EXPECT_EQ(Box->HorzScrollBar()->Position(), 0);
    wheel(MK_SHIFT | MK_CONTROL, -WHEEL_DELTA); // not exactly Shift: the vertical bar
    EXPECT_EQ(Box->VertScrollBar()->Position(), 2 * step);

    // With only the vertical bar, Shift scrolls it too.
    Box->HorzScrollBar()->SetVisible(false);
    wheel(MK_SHIFT, -WHEEL_DELTA);
    EXPECT_EQ(Box->VertScrollBar()->Position(), 3 * step);
}

TEST_F(ScrollBoxTest, AChildIsBroughtIntoViewBehindOneRedrawLock)
{
    TPanel* farChild = AddFarChild();
    TPanel* nearChild = AddFarChild(20, 20);
    Box->RedrawSwitches = 0;
    Box->ScrollInView(nearChild);
    EXPECT_EQ(Box->RedrawSwitches, 0); // already in view
    EXPECT_EQ(Box->VertScrollBar()->Position(), 0);

    Box->ScrollInView(farChild);
    EXPECT_EQ(Box->RedrawSwitches, 2); // off and on once
    const TRect r = farChild->BoundsRect();
    EXPECT_GE(r.Left, 0);
    EXPECT_LE(r.Right, Box->ClientWidth());
    EXPECT_GE(r.Top, 0);
    EXPECT_LE(r.Bottom, Box->ClientHeight());

    // Without FullUpdate the framework scrolls with no lock.
    Box->SetFullUpdate(false);
    Box->RedrawSwitches = 0;
    Box->ScrollInView(nearChild);
    EXPECT_EQ(Box->RedrawSwitches, 0);
    EXPECT_EQ(nearChild->BoundsRect().TopLeft(), Point(0, 0)); // the least scrolling
}

TEST_F(ScrollBoxTest, UnderTheStyleItsHookFillsThePanelColour)
{
    TActiveTestStyle style;
    auto* box = new TscScrollBox(Form);
    box->SetBounds(220, 10, 180, 150);
    box->SetParent(Form);
    auto* hook = dynamic_cast<TscScrollBoxStyleHook*>(box->StyleHook());
    ASSERT_NE(hook, nullptr);
    auto bitmap = Canvas32(box->ClientWidth(), box->ClientHeight(), clFuchsia);
    SendMessageW(box->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
    EXPECT_EQ(PixelAt(bitmap.get(), 20, 20), ColorToRGB(style->GetStyleColor(scPanel)));
    // The framework's class gets no hook of the kit.
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(TScrollBox::StaticClass()), nullptr);
    delete box;
}
