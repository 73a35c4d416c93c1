#pragma once
// Objects that threads synchronise on: a critical section and an event. In their own namespace,
// because the framework's event-handler template already has the name TEvent.
#include <memory>

#include "SysUtils.h"

namespace SyncObjs {

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

// A wait without a time limit.
constexpr Cardinal InfiniteTimeout = 0xFFFFFFFF;

class TSynchroObject : public TObject {
public:
    virtual void Acquire() = 0;
    virtual void Release() = 0;
};

// A lock the owning thread may take again; each Acquire needs its Release.
class TCriticalSection : public TSynchroObject {
public:
    TCriticalSection();
    ~TCriticalSection() override;
    void Acquire() override;
    void Release() override;
    void Enter() { Acquire(); }
    void Leave() { Release(); }
    bool TryEnter();

private:
    struct TState;
    std::unique_ptr<TState> FState;
};

// A signal threads wait for. A manual-reset event stays signalled until ResetEvent; an automatic
// one lets one waiter through and resets. Events of the same non-empty name in the process share
// their state (the first one's reset mode and initial state hold); an unnamed event is its own.
class TEvent : public TSynchroObject {
public:
    explicit TEvent(bool manualReset = true, bool initialState = false, const String& name = String());
    ~TEvent() override;
    void SetEvent();
    void ResetEvent();
    // Milliseconds; InfiniteTimeout waits for as long as it takes.
    TWaitResult WaitFor(Cardinal timeout = InfiniteTimeout);
    const String& Name() const { return FName; }
    // Acquire waits for the event; Release signals it.
    void Acquire() override { WaitFor(); }
    void Release() override { SetEvent(); }

private:
    struct TState;
    std::shared_ptr<TState> FState;
    String FName;
};

} // namespace SyncObjs
