// Threads reach the main thread through the application's message loop.
#include <gtest/gtest.h>

#include <thread>

#include "Classes.h"
#include "Forms.h"
#include "support/GuiTestSupport.h"

namespace {

class TLoopThread : public TThread {
public:
    explicit TLoopThread(std::function<void(TLoopThread&)> body) : FBody(std::move(body)) {}
    ~TLoopThread() override
    {
        if (Started() && !FreeOnTerminate()) {
            Terminate();
            WaitFor();
        }
    }
    using TThread::Queue;
    using TThread::Synchronize;

protected:
    void Execute() override { FBody(*this); }

private:
    std::function<void(TLoopThread&)> FBody;
};

} // namespace

TEST(ThreadLoop, QueuedAndSynchronisedMethodsRunFromTheMessageLoop)
{
    const std::thread::id main = std::this_thread::get_id();
    std::vector<int> order;
    bool onMain = true;
    String handled;
    Application->SetOnException([&](TObject*, const Exception& e) { handled = e.Message(); });
    TLoopThread thread([&](TLoopThread& self) {
        self.Queue([&] { order.push_back(1); });
        self.Queue([&] { throw EConvertError(u"from a queued method"); });
        self.Synchronize([&] {
            order.push_back(2);
            onMain = onMain && std::this_thread::get_id() == main;
        });
        self.Queue([&] { order.push_back(3); });
    });
    thread.Start();
    // Only the loop runs them: the thread's wake-up message brings it round.
    EXPECT_TRUE(PumpUntil([&] { return order.size() == 3; }));
    thread.WaitFor();
    Application->SetOnException(nullptr);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(onMain);
    EXPECT_EQ(handled, u"from a queued method");
}

TEST(ThreadLoop, FreeOnTerminateThreadReportsOnTheMainThread)
{
    const std::thread::id main = std::this_thread::get_id();
    bool ended = false, onMain = false;
    auto* thread = new TLoopThread([](TLoopThread&) {});
    thread->SetFreeOnTerminate(true);
    thread->SetOnTerminate([&](TObject*) {
        ended = true;
        onMain = std::this_thread::get_id() == main;
    });
    thread->Start();
    EXPECT_TRUE(PumpUntil([&] { return ended; }));
    EXPECT_TRUE(onMain);
}
