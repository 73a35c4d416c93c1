#include "scStyleHookTable.h"

namespace {

TStyleHookRegistration Resolved(const TscStyleHookPair& pair) { return {pair.Control(), pair.Hook()}; }

} // namespace

std::vector<TStyleHookRegistration> TscStyleHookTable::Registrations() const
{
    std::vector<TStyleHookRegistration> pairs;
    for (const TscStyleHookPair& pair : FPairs)
        pairs.push_back(Resolved(pair));
    return pairs;
}

void TscStyleHookTable::Register()
{
    if (FRegistered)
        return;
    for (const TscStyleHookPair& pair : FPairs)
        TCustomStyleEngine::RegisterStyleHook(pair.Control(), pair.Hook());
    FRegistered = true;
}

void TscStyleHookTable::Unregister()
{
    if (!FRegistered)
        return;
    const auto remove = [](const TscStyleHookPair& pair) {
        const TStyleHookRegistration resolved = Resolved(pair);
        TCustomStyleEngine::UnRegisterStyleHook(resolved.ControlClass, resolved.HookClass);
    };
    if (FRemovalOrder.empty())
        for (const TscStyleHookPair& pair : FPairs)
            remove(pair);
    else
        for (size_t i : FRemovalOrder)
            remove(FPairs[i]);
    FRegistered = false;
}
