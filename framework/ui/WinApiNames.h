#pragma once
// <windows.h> with the Win32 macros removed whose names the framework's own methods use (a
// method DrawText would otherwise become DrawTextW in one unit and stay DrawText in another).
// Framework code calls the Win32 functions by their W names (DrawTextW). Every framework header
// that declares such a method includes this one; add a name here when a method needs it.
#include <windows.h>

#undef DrawText
// The class registry's RegisterClass, TCanvas::TextOut, and names the units' methods use.
#undef CopyFile
#undef DeleteFile
#undef FindText
#undef GetObject
#undef GetTempPath
#undef LoadBitmap
#undef LoadIcon
#undef LoadString
#undef MessageBox
#undef RegisterClass
#undef TextOut
