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

#define TAVIN_EXCEPTION(Name, Base)  \
    class Name : public Base {       \
    public:                          \
        using Base::Base;            \
    }

// The silent abort: ends an event handler without a message.
TAVIN_EXCEPTION(EAbort, Exception);
TAVIN_EXCEPTION(EConvertError, Exception);
TAVIN_EXCEPTION(EStreamError, Exception);
TAVIN_EXCEPTION(EReadError, EStreamError);
TAVIN_EXCEPTION(EWriteError, EStreamError);
TAVIN_EXCEPTION(EFilerError, EStreamError);
TAVIN_EXCEPTION(EClassNotFound, EFilerError);
TAVIN_EXCEPTION(EFileStreamError, EStreamError);
TAVIN_EXCEPTION(EFCreateError, EFileStreamError);
TAVIN_EXCEPTION(EFOpenError, EFileStreamError);
TAVIN_EXCEPTION(EResNotFound, Exception);
TAVIN_EXCEPTION(EListError, Exception);
TAVIN_EXCEPTION(EStringListError, Exception);
TAVIN_EXCEPTION(EComponentError, Exception);
TAVIN_EXCEPTION(EArgumentException, Exception);
TAVIN_EXCEPTION(EArgumentOutOfRangeException, EArgumentException);
TAVIN_EXCEPTION(EInvalidCast, Exception);
TAVIN_EXCEPTION(EInvalidOperation, Exception);
TAVIN_EXCEPTION(EInvalidPointer, Exception);
TAVIN_EXCEPTION(EOutOfResources, Exception);
TAVIN_EXCEPTION(EOSError, Exception);
TAVIN_EXCEPTION(EOleSysError, Exception);
TAVIN_EXCEPTION(ENotSupportedException, Exception);

[[noreturn]] void Abort();

// Removes the code units <= 32 at both ends.
String Trim(const String& s);
