#pragma once
// Exceptions and string helpers of the runtime.
#include <exception>
#include <string>

#include "System.h"

// Root of the framework's exceptions: a UTF-16 message, readable as UTF-8 through what().
class Exception : public std::exception {
public:
    explicit Exception(String message);
    const String& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    String FMessage;
    std::string FUtf8;
};

// The silent abort: ends an event handler without a message.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

[[noreturn]] void Abort();

// Removes the code units <= 32 at both ends.
String Trim(const String& s);
