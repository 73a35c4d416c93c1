#pragma once
// Unit start-up and shut-down from one explicit ordered table, instead of the order of C++ static
// initialisers. The program owns the table (one TUnitStep per unit, in start-up order) and runs it
// through a TUnitStartup, usually the TUnitsScope in its main function.
#include <span>

#include "System.h"

struct TUnitStep {
    const char* Name;
    void (*Initialize)(); // either may be null
    void (*Finalize)();
};

class TUnitStartup {
public:
    explicit TUnitStartup(std::span<const TUnitStep> steps) : FSteps(steps) {}

    // Runs the initialisations not yet run, in table order; a second call does nothing. When one
    // raises, the units started before it stay started (Finalize shuts them down) and the
    // exception passes on.
    void Initialize();
    // Runs the finalisations of the started units in reverse order, each once. All of them run even
    // when one raises; the first exception passes on afterwards.
    void Finalize();
    size_t InitializedCount() const { return FInitialized; }

private:
    std::span<const TUnitStep> FSteps;
    size_t FInitialized = 0;
};

// Initialises on construction and finalises on destruction (swallowing a finaliser's exception,
// since a destructor cannot pass it on).
class TUnitsScope {
public:
    explicit TUnitsScope(std::span<const TUnitStep> steps);
    ~TUnitsScope();
    TUnitsScope(const TUnitsScope&) = delete;
    TUnitsScope& operator=(const TUnitsScope&) = delete;

private:
    TUnitStartup FStartup;
};
