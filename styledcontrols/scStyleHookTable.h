#pragma once
// A unit's table of wrapper and style-hook pairs: registered once at start-up in the table's
// order, removed at shut-down in the unit's removal order.
#include <span>
#include <vector>

#include "Themes.h"

struct TscStyleHookPair {
    TClass (*Control)();
    TStyleHookClass (*Hook)();
};

class TscStyleHookTable {
public:
    // removalOrder lists indices into pairs; empty: the registration order.
    TscStyleHookTable(std::span<const TscStyleHookPair> pairs, std::span<const size_t> removalOrder = {})
        : FPairs(pairs), FRemovalOrder(removalOrder)
    {
    }
    // The pairs, in registration order.
    std::vector<TStyleHookRegistration> Registrations() const;
    // Registers the pairs unless they are registered already.
    void Register();
    // Removes them when they are registered.
    void Unregister();

private:
    std::span<const TscStyleHookPair> FPairs;
    std::span<const size_t> FRemovalOrder;
    bool FRegistered = false;
};
