#include "MessageBeeper.h"

#include <utility>

namespace {

TMessageBeeper& CurrentBeeper()
{
    static TMessageBeeper beeper;
    return beeper;
}

} // namespace

void PlayMessageBeep(UINT type)
{
    if (CurrentBeeper())
        CurrentBeeper()(type);
    else
        MessageBeep(type);
}

TMessageBeeper SetMessageBeeper(TMessageBeeper beeper)
{
    return std::exchange(CurrentBeeper(), std::move(beeper));
}
