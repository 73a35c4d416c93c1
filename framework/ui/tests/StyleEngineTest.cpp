// The registry of style-hook classes per control class.
#include <gtest/gtest.h>

#include "Messages.h"
#include "Themes.h"

namespace {

class TFakeControl : public TObject {
    TAVIN_CLASS(TFakeControl, TObject)
};
class TFakeDerivedControl : public TFakeControl {
    TAVIN_CLASS(TFakeDerivedControl, TFakeControl)
};

class TFirstHook : public TStyleHook {
    TAVIN_CLASS(TFirstHook, TStyleHook)
public:
    using TStyleHook::TStyleHook;
};
class TSecondHook : public TStyleHook {
    TAVIN_CLASS(TSecondHook, TStyleHook)
public:
    using TStyleHook::TStyleHook;
};

// Takes WM_PAINT itself, lets WM_SIZE through after the control's own processing, and refuses
// WM_NCPAINT altogether.
class TRecordingHook : public TStyleHook {
    TAVIN_CLASS(TRecordingHook, TStyleHook)
public:
    using TStyleHook::TStyleHook;

protected:
    bool AcceptMessage(TMessage& message) override { return message.Msg != WM_NCPAINT; }
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_PAINT) {
            message.Result = 42;
            FHandled = true;
        } else if (message.Msg == WM_SIZE) {
            CallDefaultProc(message);
            message.Result += 1;
        }
    }
};

class StyleEngine : public testing::Test {
protected:
    void TearDown() override
    {
        for (TClass control : {TFakeControl::StaticClass(), TFakeDerivedControl::StaticClass()})
            for (TStyleHookClass hook : {First, Second})
                TCustomStyleEngine::UnRegisterStyleHook(control, hook);
    }
    TClass Control = TFakeControl::StaticClass();
    TStyleHookClass First = StyleHookClassOf<TFirstHook>();
    TStyleHookClass Second = StyleHookClassOf<TSecondHook>();
};

} // namespace

TEST_F(StyleEngine, FindsTheHookRegisteredLastForExactlyThatClass)
{
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(Control), nullptr);
    TCustomStyleEngine::RegisterStyleHook(Control, First);
    TCustomStyleEngine::RegisterStyleHook(Control, Second);
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(Control), Second);
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(TFakeDerivedControl::StaticClass()), nullptr);

    EXPECT_EQ(TCustomStyleEngine::RegisteredStyleHooks(),
              (std::vector<TStyleHookRegistration>{{Control, First}, {Control, Second}}));

    TCustomStyleEngine::UnRegisterStyleHook(Control, Second);
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(Control), First);
    TCustomStyleEngine::UnRegisterStyleHook(Control, Second); // not registered: nothing happens
    TCustomStyleEngine::UnRegisterStyleHook(Control, First);
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(Control), nullptr);
}

TEST_F(StyleEngine, RegisteringAPairTwiceRaises)
{
    TCustomStyleEngine::RegisterStyleHook(Control, First);
    EXPECT_THROW(TCustomStyleEngine::RegisterStyleHook(Control, First), EStyleEngineException);
    EXPECT_NO_THROW(TCustomStyleEngine::RegisterStyleHook(TFakeDerivedControl::StaticClass(), First));
}

TEST_F(StyleEngine, HookClassReferenceCreatesItsOwnClass)
{
    auto hook = Second->Create(nullptr);
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(hook->ClassType(), TSecondHook::StaticClass());
    EXPECT_EQ(hook->ClassName(), u"TSecondHook");
}

TEST_F(StyleEngine, SystemStyleCreatesNoHooks)
{
    TCustomStyleEngine::RegisterStyleHook(Control, First);
    ASSERT_FALSE(TStyleManager::IsCustomStyleActive());
    EXPECT_EQ(TCustomStyleEngine::CreateStyleHook(Control, nullptr), nullptr);
}

TEST(StyleHook, HandlesWhatItTakesAndRunsTheControlsOwnProcessingOnRequest)
{
    TRecordingHook hook(nullptr);
    int ownCalls = 0;
    auto own = [&ownCalls](TMessage& m) {
        ++ownCalls;
        m.Result = 10;
    };
    struct TCase {
        UINT Msg;
        bool Handled;
        int OwnCalls;
        LRESULT Result;
    } cases[] = {
        {WM_PAINT, true, 0, 42},
        {WM_SIZE, false, 1, 11}, // the hook ran the default itself, then left the message unhandled
        {WM_NCPAINT, false, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Msg);
        ownCalls = 0;
        TMessage message{c.Msg, 0, 0, 0};
        EXPECT_EQ(hook.HandleMessage(message, own), c.Handled);
        EXPECT_EQ(ownCalls, c.OwnCalls);
        EXPECT_EQ(message.Result, c.Result);
    }
}
