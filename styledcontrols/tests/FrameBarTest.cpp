// The frame bar: the stack of buttons and open frames, opening and closing by click and by code
// with their events, the veto that keeps a frame, hidden items, the wheel and the slide's duration.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "scFrameBar.h"

namespace {

class FrameBarTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 360, 420);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    void SetUp() override
    {
        Bar = new TscFrameBar(Form);
        Bar->SetBounds(10, 10, 240, 340);
        Bar->SetBorderStyle(bsNone);
        Bar->SetAnimation(false);
        Bar->SetParent(Form);
    }
    void TearDown() override { delete Bar; }

    // Items whose frames are 100 pixels high, made on demand and logged.
    void AddItems(int count)
    {
        for (int i = 0; i < count; ++i) {
            TscFrameBarItem* item = Bar->Items()->Add();
            item->SetCaption(u"Item " + IntToStr(i));
            item->SetOnFrameCreate([this, i](TObject*, TFrame*& frame) {
                frame = new TFrame(Form);
                frame->SetHeight(100);
                Log.push_back("create " + std::to_string(i));
            });
            item->SetOnFrameShow([this, i](TObject*) { Log.push_back("show " + std::to_string(i)); });
            item->SetOnFrameClose([this, i](TObject*) { Log.push_back("close " + std::to_string(i)); });
            item->SetOnClick([this, i](TObject*) { Log.push_back("click " + std::to_string(i)); });
        }
        Bar->SetOnFrameChanging([this](TObject*, TscFrameBarItem* item) {
            Log.push_back("changing " + std::to_string(item->Index()));
        });
        Bar->SetOnFrameChange([this](TObject*, TscFrameBarItem* item) {
            Log.push_back("change " + std::to_string(item->Index()));
        });
    }
    TscFrameBarItem* Item(int index) { return Bar->Items()->Items(index); }
    void Click(int index)
    {
        TscFrameBarItemButton* button = Item(index)->FrameButton;
        button->OnClick()(button);
    }

    static TForm* Form;
    TscFrameBar* Bar = nullptr;
    std::vector<std::string> Log;
};

TForm* FrameBarTest::Form = nullptr;

} // namespace

TEST_F(FrameBarTest, ButtonsStackWithTheOpenFrameUnderItsButton)
{
    AddItems(3);
    Bar->OpenFrame(1);
    EXPECT_EQ(Item(0)->FrameButton->BoundsRect(), Rect(2, 2, 238, 27));
    EXPECT_EQ(Item(1)->FrameButton->Top(), 27);
    EXPECT_EQ(Item(2)->FrameButton->Top(), 152);
    ASSERT_NE(Item(1)->Frame, nullptr);
    EXPECT_EQ(Item(1)->Frame->BoundsRect(), Rect(2, 52, 238, 152));
    EXPECT_TRUE(Item(1)->Frame->Visible());
    EXPECT_EQ(Bar->VertScrollBar()->Range(), 179);
    EXPECT_EQ(Bar->ActiveFrameIndex(), 1);
    EXPECT_EQ(Log, (std::vector<std::string>{"create 1", "change 1", "show 1"}));

    // Closing frees the frame and gives the room back.
    Log.clear();
    Bar->CloseFrame(1);
    EXPECT_EQ(Item(1)->Frame, nullptr);
    EXPECT_EQ(Item(2)->FrameButton->Top(), 52);
    EXPECT_EQ(Log, std::vector<std::string>{"close 1"});
    EXPECT_THROW(Bar->CloseFrame(5), EListError);
}

TEST_F(FrameBarTest, ButtonClicksOpenAndCloseWithTheirEvents)
{
    AddItems(3);
    Bar->SetCanOpenAll(false);
    Click(0);
    EXPECT_EQ(Item(0)->FrameState, scfsFrameOpened);
    Log.clear();
    // Opening another closes the open one; its close notice comes last.
    Click(2);
    EXPECT_EQ(Log, (std::vector<std::string>{"click 2", "changing 2", "create 2", "change 2", "show 2", "close 0"}));
    EXPECT_EQ(Item(0)->FrameState, scfsFrameClosed);
    EXPECT_EQ(Item(0)->Frame, nullptr);
    EXPECT_EQ(Item(2)->FrameState, scfsFrameOpened);

    // The open one may not be closed: only its click and the question.
    Bar->SetCanCloseAll(false);
    Log.clear();
    Click(2);
    EXPECT_EQ(Log, (std::vector<std::string>{"click 2", "changing 2"}));
    EXPECT_EQ(Item(2)->FrameState, scfsFrameOpened);

    // A frozen item only reports the click.
    Item(1)->SetFreezeState(true);
    Log.clear();
    Click(1);
    EXPECT_EQ(Log, std::vector<std::string>{"click 1"});
    EXPECT_EQ(Item(1)->FrameState, scfsFrameClosed);
}

TEST_F(FrameBarTest, AKeptFrameHidesAndIsUsedAgain)
{
    AddItems(2);
    Item(0)->SetOnFrameDestroy([](TObject*, TFrame*&, bool& canDestroy) { canDestroy = false; });
    Click(0);
    TFrame* frame = Item(0)->Frame;
    ASSERT_NE(frame, nullptr);
    Click(0);
    EXPECT_EQ(Item(0)->Frame, frame);
    EXPECT_FALSE(frame->Visible());
    Log.clear();
    Click(0);
    EXPECT_EQ(Log, (std::vector<std::string>{"click 0", "changing 0", "show 0"})); // no create, no change
    EXPECT_TRUE(frame->Visible());
}

TEST_F(FrameBarTest, AHiddenItemTakesItsButtonAndItsOpenFrameAway)
{
    AddItems(3);
    Bar->OpenFrame(0);
    TFrame* frame = Item(0)->Frame;
    ASSERT_NE(frame, nullptr);
    Item(0)->SetVisible(false);
    EXPECT_EQ(Item(0)->FrameButton->Parent(), nullptr);
    EXPECT_FALSE(frame->Visible()); // not left over the others
    EXPECT_EQ(Item(1)->FrameButton->Top(), 2);
    Item(0)->SetVisible(true);
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(Item(1)->FrameButton->Top(), 127);
}

TEST_F(FrameBarTest, TheWheelScrollsByOneButtonHeight)
{
    AddItems(3);
    Bar->OpenAllFrames();
    ASSERT_GT(Bar->VertScrollBar()->Range(), Bar->ClientHeight());
    const auto wheel = [&](short delta) { SendMessageW(Bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0); };
    wheel(-WHEEL_DELTA);
    EXPECT_EQ(Bar->VertScrollBar()->Position(), 0); // without MouseWheelSupport nothing moves
    Bar->SetMouseWheelSupport(true);
    wheel(-WHEEL_DELTA);
    EXPECT_EQ(Bar->VertScrollBar()->Position(), 25);
    wheel(WHEEL_DELTA);
    EXPECT_EQ(Bar->VertScrollBar()->Position(), 0);
}

TEST_F(FrameBarTest, TheSlideRunsSevenStepsBeforeTheClickReturns)
{
    AddItems(2);
    Bar->SetAnimation(true);
    const auto start = std::chrono::steady_clock::now();
    Click(0);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(Item(0)->FrameState, scfsFrameOpened);
    EXPECT_EQ(Item(0)->Frame->BoundsRect(), Rect(2, 27, 238, 127));
    // The slide blocks the message loop; recorded for the report, not asserted.
    RecordProperty("SlideMilliseconds", static_cast<int>(took.count()));
    std::printf("frame bar slide blocked for %d ms\n", static_cast<int>(took.count()));
}
