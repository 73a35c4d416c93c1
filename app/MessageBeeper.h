#pragma once
// The seam through which the tool sounds MessageBeep; tests put a recorder in its place.
#include <windows.h>

#include <functional>

using TMessageBeeper = std::function<void(UINT type)>;

// Hands the beep type to the current beeper (by default MessageBeep).
void PlayMessageBeep(UINT type);

// Replaces the beeper and answers the previous one; an empty beeper restores MessageBeep.
TMessageBeeper SetMessageBeeper(TMessageBeeper beeper);
