// TThread and the main thread's queue of synchronised methods.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "Classes.h"

namespace {

// A synchronised call's outcome, for the thread waiting on it.
struct TSyncWaiter {
    bool Done = false;
    std::exception_ptr Error;
};

struct TSyncEntry {
    TThreadMethod Method;
    std::shared_ptr<TSyncWaiter> Waiter; // null for a queued call
};

// One lock and one condition for the queue and for thread ends, so that a main thread waiting
// for a thread wakes for either.
struct TSyncQueue {
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<TSyncEntry> Entries;
    std::thread::id Main;
    std::function<void()> Wake;
};

TSyncQueue& SyncQueue()
{
    static TSyncQueue queue;
    return queue;
}

void Enqueue(TSyncEntry entry)
{
    TSyncQueue& q = SyncQueue();
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> lock(q.Lock);
        if (q.Main == std::thread::id())
            throw EThread(u"No main thread runs synchronised methods");
        q.Entries.push_back(std::move(entry));
        wake = q.Wake;
    }
    q.Changed.notify_all();
    if (wake)
        wake();
}

} // namespace

struct TThreadState {
    std::thread Handle;
    std::atomic<bool> Terminated{false};
    std::atomic<bool> Started{false};
    bool Finished = false; // under the queue's lock
    bool FreeOnTerminate = false;
    TNotifyEvent OnTerminate;
    std::exception_ptr Fatal;
    const Exception* FatalObject = nullptr;
    std::atomic<int> ReturnValue{0};
};

void SetMainThread(std::function<void()> wake)
{
    TSyncQueue& q = SyncQueue();
    std::lock_guard<std::mutex> lock(q.Lock);
    q.Main = std::this_thread::get_id();
    q.Wake = std::move(wake);
}

bool IsMainThread()
{
    TSyncQueue& q = SyncQueue();
    std::lock_guard<std::mutex> lock(q.Lock);
    return q.Main == std::this_thread::get_id();
}

bool CheckSynchronize()
{
    if (!IsMainThread())
        return false;
    TSyncQueue& q = SyncQueue();
    bool ran = false;
    for (;;) {
        TSyncEntry entry;
        {
            std::lock_guard<std::mutex> lock(q.Lock);
            if (q.Entries.empty())
                return ran;
            entry = std::move(q.Entries.front());
            q.Entries.pop_front();
        }
        ran = true;
        if (!entry.Waiter) {
            try {
                entry.Method();
            } catch (...) {
                // The loop that called us handles it; what is still queued needs another round.
                std::function<void()> wake;
                {
                    std::lock_guard<std::mutex> lock(q.Lock);
                    if (!q.Entries.empty())
                        wake = q.Wake;
                }
                if (wake)
                    wake();
                throw;
            }
            continue;
        }
        std::exception_ptr error;
        try {
            entry.Method();
        } catch (...) {
            error = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> lock(q.Lock);
            entry.Waiter->Done = true;
            entry.Waiter->Error = error;
        }
        q.Changed.notify_all();
    }
}

// ---- TThread

TThread::TThread() : FState(std::make_unique<TThreadState>())
{
}

TThread::~TThread()
{
    if (FState->Handle.joinable()) {
        Terminate();
        WaitForEnd();
        FState->Handle.join();
    }
}

void TThread::Start()
{
    if (FState->Started.exchange(true))
        throw EThread(u"Cannot call Start on a running or finished thread");
    // Run waits for this lock, so the handle is stored before the thread can detach it.
    std::lock_guard<std::mutex> lock(SyncQueue().Lock);
    FState->Handle = std::thread(&TThread::Run, this);
}

void TThread::Run(TThread* thread)
{
    TSyncQueue& q = SyncQueue();
    { std::lock_guard<std::mutex> started(q.Lock); }
    TThreadState& state = *thread->FState;
    const auto keep = [&](std::exception_ptr error) {
        if (state.Fatal)
            return;
        try {
            std::rethrow_exception(error);
        } catch (const Exception&) {
            state.Fatal = error;
        } catch (const std::exception& e) {
            state.Fatal = std::make_exception_ptr(Exception(FromUtf8(e.what())));
        } catch (...) {
            state.Fatal = std::make_exception_ptr(Exception(u"Unknown exception in a thread"));
        }
        try {
            std::rethrow_exception(state.Fatal);
        } catch (const Exception& e) {
            state.FatalObject = &e; // the object the kept pointer refers to
        }
    };
    try {
        if (!state.Terminated)
            thread->Execute();
    } catch (...) {
        keep(std::current_exception());
    }
    try {
        thread->DoTerminate();
    } catch (...) {
        keep(std::current_exception());
    }
    const bool freeSelf = state.FreeOnTerminate;
    {
        std::lock_guard<std::mutex> lock(q.Lock);
        state.Finished = true;
    }
    q.Changed.notify_all();
    if (freeSelf) {
        state.Handle.detach();
        delete thread;
    }
}

void TThread::DoTerminate()
{
    if (FState->OnTerminate)
        Synchronize([this] { FState->OnTerminate(this); });
}

void TThread::Terminate()
{
    FState->Terminated = true;
}

bool TThread::Terminated() const
{
    return FState->Terminated;
}

bool TThread::Started() const
{
    return FState->Started;
}

bool TThread::Finished() const
{
    TSyncQueue& q = SyncQueue();
    std::lock_guard<std::mutex> lock(q.Lock);
    return FState->Finished;
}

void TThread::WaitForEnd()
{
    TSyncQueue& q = SyncQueue();
    const bool main = IsMainThread();
    for (;;) {
        if (main)
            CheckSynchronize();
        std::unique_lock<std::mutex> lock(q.Lock);
        if (FState->Finished)
            return;
        q.Changed.wait(lock, [&] { return FState->Finished || (main && !q.Entries.empty()); });
    }
}

int TThread::WaitFor()
{
    if (!FState->Started)
        throw EThread(u"Cannot wait for a thread that was not started");
    if (FState->FreeOnTerminate)
        throw EThread(u"Cannot wait for a thread that frees itself");
    if (FState->Handle.get_id() == std::this_thread::get_id())
        throw EThread(u"A thread cannot wait for itself");
    WaitForEnd();
    if (FState->Handle.joinable())
        FState->Handle.join();
    return FState->ReturnValue;
}

bool TThread::FreeOnTerminate() const
{
    return FState->FreeOnTerminate;
}

void TThread::SetFreeOnTerminate(bool value)
{
    FState->FreeOnTerminate = value;
}

TNotifyEvent TThread::OnTerminate() const
{
    return FState->OnTerminate;
}

void TThread::SetOnTerminate(TNotifyEvent handler)
{
    FState->OnTerminate = handler;
}

const Exception* TThread::FatalException() const
{
    return FState->FatalObject;
}

int TThread::ReturnValue() const
{
    return FState->ReturnValue;
}

void TThread::SetReturnValue(int value)
{
    FState->ReturnValue = value;
}

void TThread::Synchronize(TThread*, TThreadMethod method)
{
    if (IsMainThread()) {
        method();
        return;
    }
    auto waiter = std::make_shared<TSyncWaiter>();
    Enqueue({std::move(method), waiter});
    TSyncQueue& q = SyncQueue();
    std::unique_lock<std::mutex> lock(q.Lock);
    q.Changed.wait(lock, [&] { return waiter->Done; });
    if (waiter->Error)
        std::rethrow_exception(waiter->Error);
}

void TThread::Queue(TThread*, TThreadMethod method)
{
    if (IsMainThread())
        method();
    else
        Enqueue({std::move(method), nullptr});
}
