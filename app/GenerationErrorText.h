#pragma once
// The words the main form uses for a generation that stopped: which step failed, for which file.
#include "CsrService_Unit.h"

String GenerationErrorDetails(const ECsrGenerationError& error);
