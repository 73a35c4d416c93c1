#include "SyncObjs.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>

namespace SyncObjs {

struct TCriticalSection::TState {
    std::recursive_mutex Lock;
};

TCriticalSection::TCriticalSection() : FState(std::make_unique<TState>())
{
}

TCriticalSection::~TCriticalSection() = default;

void TCriticalSection::Acquire()
{
    FState->Lock.lock();
}

void TCriticalSection::Release()
{
    FState->Lock.unlock();
}

bool TCriticalSection::TryEnter()
{
    return FState->Lock.try_lock();
}

struct TEvent::TState {
    std::mutex Lock;
    std::condition_variable Signalled;
    bool ManualReset;
    bool State;
};

namespace {

// Named events alive in the process.
struct TNamedEvents {
    std::mutex Lock;
    std::map<String, std::weak_ptr<void>> Events;
};

TNamedEvents& NamedEvents()
{
    static TNamedEvents events;
    return events;
}

} // namespace

TEvent::TEvent(bool manualReset, bool initialState, const String& name) : FName(name)
{
    const auto create = [&] {
        auto state = std::make_shared<TState>();
        state->ManualReset = manualReset;
        state->State = initialState;
        return state;
    };
    if (name.empty()) {
        FState = create();
        return;
    }
    TNamedEvents& named = NamedEvents();
    std::lock_guard<std::mutex> lock(named.Lock);
    FState = std::static_pointer_cast<TState>(named.Events[name].lock());
    if (!FState) {
        FState = create();
        named.Events[name] = FState;
    }
}

TEvent::~TEvent()
{
    if (FName.empty())
        return;
    TNamedEvents& named = NamedEvents();
    std::lock_guard<std::mutex> lock(named.Lock);
    FState.reset();
    const auto it = named.Events.find(FName);
    if (it != named.Events.end() && it->second.expired())
        named.Events.erase(it);
}

void TEvent::SetEvent()
{
    {
        std::lock_guard<std::mutex> lock(FState->Lock);
        FState->State = true;
    }
    FState->Signalled.notify_all();
}

void TEvent::ResetEvent()
{
    std::lock_guard<std::mutex> lock(FState->Lock);
    FState->State = false;
}

TWaitResult TEvent::WaitFor(Cardinal timeout)
{
    std::unique_lock<std::mutex> lock(FState->Lock);
    const auto signalled = [&] { return FState->State; };
    if (timeout == InfiniteTimeout)
        FState->Signalled.wait(lock, signalled);
    else if (!FState->Signalled.wait_for(lock, std::chrono::milliseconds(timeout), signalled))
        return wrTimeout;
    if (!FState->ManualReset)
        FState->State = false;
    return wrSignaled;
}

} // namespace SyncObjs
