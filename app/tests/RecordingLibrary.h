#pragma once
// Test control of the recording stand-in for the crypto library. The first use maps the stand-in
// and keeps it mapped for the rest of the program, so that the binding's cached entry points stay
// valid across tests.
#include <vector>

#include "System.h"

namespace RecordingLibrary {

// Forgets the calls, the failures and the objects.
void Reset();
// The calls so far, as Entry(argument|argument...).
std::vector<String> Log();
// The named entry point reports failure from now on.
void Fail(const String& entry);

} // namespace RecordingLibrary
