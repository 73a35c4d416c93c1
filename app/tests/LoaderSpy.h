#pragma once
// Watches the system calls of the crypto-library loader, forwarding them, and can refuse the three
// ways of finding the library one by one.
#include <vector>

#include "System.h"
#include "ckDllLoader.h"

class TLoaderSpy {
public:
    TLoaderSpy();
    ~TLoaderSpy();
    TLoaderSpy(const TLoaderSpy&) = delete;
    TLoaderSpy& operator=(const TLoaderSpy&) = delete;

    // As Name(argument|argument...), e.g. LoadLibraryEx(Z:\dir\ckd32.dll|null|8).
    std::vector<String> Calls;
    bool RefuseMapped = false;
    bool RefuseSearchPath = false;
    bool RefuseProgramFolder = false;
    // When set, the program's file name as the system would report it: cut, and unterminated, when
    // it does not fit the buffer.
    String ProgramFileName;

private:
    TDllLoaderSystem FPrevious;
};

// The folder of the running program, ending in a backslash.
String ProgramFolder();
