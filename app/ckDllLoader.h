#pragma once
// Binding of the crypto library "ckd32.dll": loaded on the first call of any forwarder, each entry
// point looked up by name once and kept in its wrapper unit's cell.
#include <windows.h>

#include "System.h"

// The program's own executable file, read into a buffer of 262 units (a longer path comes back cut).
String GetProgramFileName();

// Answers the cached handle, or tries in turn: the already mapped module, the standard search
// order, the program's folder. The outcome, zero included, is cached. Raises nothing.
HMODULE LoadDll();

void UnloadDll();

// Raises "Library not found: ckd32.dll" or "Function not found: ckd32.dll.<name>".
void GetDllProc(const String& name, FARPROC& address);

// An empty cell is filled through GetDllProc (and stays empty when that raises); a filled cell is
// answered without any lookup.
FARPROC GetCachedProc(FARPROC& cell, const char16_t* name);

template <class Fn>
Fn CachedEntryPoint(FARPROC& cell, const char16_t* name)
{
    // Through void(*)(), the function pointer type that converts to any other without a warning.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetCachedProc(cell, name)));
}

// Shut-down of the unit, run from the program's start-up table: releases the library.
void FinalizeCkDllLoader();

// The system functions the loader calls, replaceable so that tests can watch or refuse them.
struct TDllLoaderSystem {
    decltype(&::GetModuleHandleW) GetModuleHandle = ::GetModuleHandleW;
    decltype(&::LoadLibraryW) LoadLibrary = ::LoadLibraryW;
    decltype(&::LoadLibraryExW) LoadLibraryEx = ::LoadLibraryExW;
    decltype(&::GetProcAddress) GetProcAddress = ::GetProcAddress;
    decltype(&::FreeLibrary) FreeLibrary = ::FreeLibrary;
    decltype(&::GetModuleFileNameW) GetModuleFileName = ::GetModuleFileNameW;
};

TDllLoaderSystem& DllLoaderSystem();
