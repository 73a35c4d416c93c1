// TTimer fires through the message loop, only when it should, and survives its handler freeing it.
#include <gtest/gtest.h>

#include "Streaming.h"
#include "Timers.h"
#include "Forms.h"
#include "support/ServicesSupport.h"

namespace {

struct TimerCase {
    const char* Name;
    bool Enabled;
    Cardinal Interval;
    bool WithHandler;
    bool Fires;
};

class TimerFiring : public ::testing::TestWithParam<TimerCase> {};

TEST_P(TimerFiring, FiresOnlyWhenEnabledWithIntervalAndHandler)
{
    const TimerCase& c = GetParam();
    int fired = 0;
    TTimer timer(nullptr);
    timer.SetInterval(c.Interval);
    timer.SetEnabled(c.Enabled);
    if (c.WithHandler)
        timer.SetOnTimer([&](TObject* sender) {
            EXPECT_EQ(sender, &timer);
            ++fired;
        });
    if (c.Fires)
        EXPECT_TRUE(PumpMessagesUntil([&] { return fired >= 3; }));
    else {
        PumpMessagesFor(200);
        EXPECT_EQ(fired, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Timers, TimerFiring,
                         ::testing::Values(TimerCase{"Running", true, 10, true, true},
                                           TimerCase{"ZeroInterval", true, 0, true, false},
                                           TimerCase{"Disabled", false, 10, true, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Timer, StopsWhenDisabledOrFreedInsideItsHandler)
{
    int disabledFired = 0, freedFired = 0;
    TTimer disabling(nullptr);
    disabling.SetInterval(10);
    disabling.SetOnTimer([&](TObject*) {
        ++disabledFired;
        disabling.SetEnabled(false);
    });
    auto* freeing = new TTimer(nullptr);
    freeing->SetInterval(10);
    freeing->SetOnTimer([&](TObject* sender) {
        ++freedFired;
        delete sender;
    });
    PumpMessagesFor(300);
    EXPECT_EQ(disabledFired, 1);
    EXPECT_EQ(freedFired, 1);
}

TEST(Timer, OwnerFreesItAndItStops)
{
    int fired = 0;
    auto* owner = new TComponent(nullptr);
    auto* timer = new TTimer(owner);
    timer->SetInterval(10);
    timer->SetOnTimer([&](TObject*) { ++fired; });
    delete owner;
    PumpMessagesFor(100);
    EXPECT_EQ(fired, 0);
}

class TimerExceptions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartServiceUnits(); }
    void TearDown() override { Application->SetOnException(nullptr); }
};

TEST_F(TimerExceptions, ReachTheApplicationsHandlerAndTheTimerGoesOn)
{
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.SetOnTimer([](TObject*) { throw EConvertError(u"bad value"); });
    std::vector<String> messages;
    Application->SetOnException([&](TObject* sender, const Exception& e) {
        EXPECT_EQ(sender, &timer);
        messages.push_back(e.Message());
    });
    EXPECT_TRUE(PumpMessagesUntil([&] { return messages.size() >= 2; }));
    EXPECT_EQ(messages[0], u"bad value");
}

TEST_F(TimerExceptions, AreShownInAMessageBoxAndAbortIsSilent)
{
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.SetOnTimer([&](TObject*) {
        if (++ticks == 1)
            throw EAbort(u"silent");
        timer.SetEnabled(false);
        throw EConvertError(u"bad value");
    });
    String shown;
    TDialogResponder responder([&](HWND dialog) {
        shown = WindowText(GetDlgItem(dialog, MessageBoxTextId));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(PumpMessagesUntil([&] { return ticks == 2 && !shown.empty(); }));
    EXPECT_EQ(shown, u"bad value.");
    EXPECT_FALSE(responder.Forced());
}

TEST(Timer, FormResourcesCreateItWithItsProperties)
{
    StartServiceUnits();
    const std::string text = "object Owner: TComponent\n"
                             "  object CloseTimer: TTimer\n"
                             "    Enabled = False\n"
                             "    Interval = 3000\n"
                             "  end\n"
                             "end\n";
    TComponent owner(nullptr);
    ReadComponentResource(TBytes(text.begin(), text.end()), &owner);
    auto* timer = dynamic_cast<TTimer*>(owner.FindComponent(u"CloseTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 3000u);
}

} // namespace
