#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "Classes.h"
#include "SyncObjs.h"

using SyncObjs::TCriticalSection;

namespace {

// A thread running a given function as its Execute.
class TFunctionThread : public TThread {
public:
    explicit TFunctionThread(std::function<void(TFunctionThread&)> body, std::atomic<bool>* destroyed = nullptr)
        : FBody(std::move(body)), FDestroyed(destroyed)
    {
    }
    ~TFunctionThread() override
    {
        if (Started() && !FreeOnTerminate()) {
            Terminate();
            WaitFor(); // Execute runs FBody, which goes with this object
        }
        if (FDestroyed)
            *FDestroyed = true;
    }
    using TThread::Queue;
    using TThread::SetReturnValue;
    using TThread::Synchronize;

protected:
    void Execute() override { FBody(*this); }

private:
    std::function<void(TFunctionThread&)> FBody;
    std::atomic<bool>* FDestroyed;
};

class Threads : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMainThread([this] { ++Wakes; });
    }
    std::atomic<int> Wakes{0};
    const std::thread::id Main = std::this_thread::get_id();
};

} // namespace

TEST_F(Threads, SynchronizedAndQueuedMethodsRunOnTheMainThreadInOrder)
{
    std::vector<std::string> log;
    bool allOnMain = true;
    const auto step = [&](const char* name) {
        return [&, name] {
            log.push_back(name);
            allOnMain = allOnMain && std::this_thread::get_id() == Main;
        };
    };
    TFunctionThread thread([&](TFunctionThread& self) {
        self.Queue(step("queued 1"));
        self.Queue(step("queued 2"));
        self.Synchronize(step("synchronised")); // returns only once it and those before it ran
        self.Queue(step("queued 3"));
        self.SetReturnValue(7);
    });
    thread.Start();
    EXPECT_EQ(thread.WaitFor(), 7); // runs what the thread synchronises meanwhile
    CheckSynchronize();
    EXPECT_EQ(log, (std::vector<std::string>{"queued 1", "queued 2", "synchronised", "queued 3"}));
    EXPECT_TRUE(allOnMain);
    EXPECT_GT(Wakes, 0);
    EXPECT_EQ(thread.FatalException(), nullptr);
}

TEST_F(Threads, ExceptionsEndExecuteAndAreKeptAsFatalException)
{
    const struct {
        const char* what;
        std::function<void()> raise;
        const char16_t* message;
        bool convertError;
    } cases[] = {
        {"framework exception", [] { throw EConvertError(u"bad number"); }, u"bad number", true},
        {"standard exception", [] { throw std::runtime_error("disk gone"); }, u"disk gone", false},
        {"anything else", [] { throw 42; }, u"Unknown exception in a thread", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool synchronised : {false, true}) {
            // Raised in Execute, or on the main thread by a synchronised method and again in Execute.
            bool after = false;
            TFunctionThread thread([&](TFunctionThread& self) {
                if (synchronised)
                    self.Synchronize(c.raise);
                else
                    c.raise();
                after = true;
            });
            thread.Start();
            EXPECT_NO_THROW(thread.WaitFor());
            EXPECT_FALSE(after);
            ASSERT_NE(thread.FatalException(), nullptr);
            EXPECT_EQ(thread.FatalException()->Message(), c.message);
            EXPECT_EQ(dynamic_cast<const EConvertError*>(thread.FatalException()) != nullptr, c.convertError);
        }
    }
}

TEST_F(Threads, FreeOnTerminateRunsOnTerminateOnTheMainThreadThenFreesItself)
{
    std::atomic<bool> destroyed{false};
    bool terminateOnMain = false, terminatedBeforeFree = false;
    TObject* sender = nullptr;
    auto* thread = new TFunctionThread([](TFunctionThread&) {}, &destroyed);
    thread->SetFreeOnTerminate(true);
    EXPECT_THROW(thread->WaitFor(), EThread);
    thread->SetOnTerminate([&](TObject* s) {
        sender = s;
        terminateOnMain = std::this_thread::get_id() == Main;
        terminatedBeforeFree = !destroyed;
    });
    TObject* const object = thread;
    thread->Start();
    while (!destroyed) {
        CheckSynchronize();
        std::this_thread::yield();
    }
    EXPECT_EQ(sender, object);
    EXPECT_TRUE(terminateOnMain);
    EXPECT_TRUE(terminatedBeforeFree);
}

TEST_F(Threads, TerminateAndTheDestructorEndARunningThread)
{
    SyncObjs::TEvent running;
    auto thread = std::make_unique<TFunctionThread>([&](TFunctionThread& self) {
        running.SetEvent();
        while (!self.Terminated())
            std::this_thread::yield();
    });
    EXPECT_THROW(thread->WaitFor(), EThread); // not started
    thread->Start();
    EXPECT_THROW(thread->Start(), EThread);
    EXPECT_EQ(running.WaitFor(10000), SyncObjs::wrSignaled);
    EXPECT_FALSE(thread->Finished());
    thread.reset(); // terminates and waits, or this test hangs
}

TEST(SyncObjects, EventsByResetModeAndName)
{
    SyncObjs::TEvent manual(true, true), automatic(false, true);
    EXPECT_EQ(manual.WaitFor(0), SyncObjs::wrSignaled);
    EXPECT_EQ(manual.WaitFor(0), SyncObjs::wrSignaled);
    manual.ResetEvent();
    EXPECT_EQ(manual.WaitFor(0), SyncObjs::wrTimeout);
    EXPECT_EQ(automatic.WaitFor(0), SyncObjs::wrSignaled);
    EXPECT_EQ(automatic.WaitFor(0), SyncObjs::wrTimeout);

    SyncObjs::TEvent named(true, false, u"change"), sameName(false, false, u"change"), unnamed;
    named.SetEvent();
    EXPECT_EQ(sameName.WaitFor(0), SyncObjs::wrSignaled);
    EXPECT_EQ(unnamed.WaitFor(0), SyncObjs::wrTimeout);

    SyncObjs::TEvent wake(false, false);
    std::thread setter([&] { wake.SetEvent(); });
    EXPECT_EQ(wake.WaitFor(), SyncObjs::wrSignaled);
    setter.join();
}

TEST(SyncObjects, CriticalSectionIsReentrantAndExcludesOtherThreads)
{
    TCriticalSection lock;
    lock.Enter();
    EXPECT_TRUE(lock.TryEnter()); // the owner may enter again
    bool otherEntered = true;
    std::thread([&] { otherEntered = lock.TryEnter(); }).join();
    EXPECT_FALSE(otherEntered);
    lock.Leave();
    lock.Leave();

    int counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) {
                lock.Acquire();
                ++counter;
                lock.Release();
            }
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(counter, 40000);
}
