#pragma once
// The Win32 API for the window framework, without the macros that rename identifiers the
// framework and the units use as names of their own (TCanvas::TextOut, RegisterClass of the class
// registry, style services' DrawText, Application's MessageBox...). Include this instead of
// <windows.h> anywhere in the framework and the units; call the API under its W name.
#include <windows.h>

#undef CopyFile
#undef DeleteFile
#undef DrawText
#undef FindText
#undef GetObject
#undef GetTempPath
#undef LoadBitmap
#undef LoadIcon
#undef LoadString
#undef MessageBox
#undef RegisterClass
#undef TextOut
