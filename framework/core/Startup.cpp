#include "Startup.h"

#include <exception>

void TUnitStartup::Initialize()
{
    while (FInitialized < FSteps.size()) {
        if (FSteps[FInitialized].Initialize)
            FSteps[FInitialized].Initialize();
        ++FInitialized;
    }
}

void TUnitStartup::Finalize()
{
    std::exception_ptr first;
    while (FInitialized > 0) {
        const TUnitStep& step = FSteps[--FInitialized];
        if (!step.Finalize)
            continue;
        try {
            step.Finalize();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}

TUnitsScope::TUnitsScope(std::span<const TUnitStep> steps) : FStartup(steps)
{
    try {
        FStartup.Initialize();
    } catch (...) {
        try {
            FStartup.Finalize();
        } catch (...) {
            // The failed start-up is the error worth reporting.
        }
        throw;
    }
}

TUnitsScope::~TUnitsScope()
{
    try {
        FStartup.Finalize();
    } catch (...) {
        // Nothing can report it at this point of shut-down.
    }
}
