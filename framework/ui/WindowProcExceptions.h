#pragma once
// An exception must never unwind through the platform's window procedures. Window procedures of the
// framework catch it and hand it here; the application object installs its HandleException as the
// handler. Until one is installed, the exception's message is shown in a message box (EAbort stays
// silent).
#include <exception>
#include <functional>

#include "System.h"

using TWindowProcExceptionHandler = std::function<void(TObject* sender, std::exception_ptr error)>;

// An empty handler restores the message box.
void SetWindowProcExceptionHandler(TWindowProcExceptionHandler handler);
// Call inside a catch block, or with the captured exception.
void HandleWindowProcException(TObject* sender, std::exception_ptr error);
