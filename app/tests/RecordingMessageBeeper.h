#pragma once
// Puts a recorder in place of MessageBeep for its lifetime.
#include <vector>

#include "MessageBeeper.h"

class TRecordingMessageBeeper {
public:
    TRecordingMessageBeeper() : FPrevious(SetMessageBeeper([this](UINT type) { Beeps.push_back(type); })) {}
    ~TRecordingMessageBeeper() { SetMessageBeeper(std::move(FPrevious)); }
    TRecordingMessageBeeper(const TRecordingMessageBeeper&) = delete;
    TRecordingMessageBeeper& operator=(const TRecordingMessageBeeper&) = delete;

    std::vector<UINT> Beeps;

private:
    TMessageBeeper FPrevious;
};
