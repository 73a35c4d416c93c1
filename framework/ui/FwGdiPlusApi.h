#pragma once
// The platform's flat GDI+ interface alone: types, enumerations and the Gdip* functions, without
// the C++ wrapper classes of the platform headers (the framework has its own, FwGdiPlus.h). The
// order and the enclosing namespace are those of the platform's umbrella header.
#include <windows.h>
#include <objidl.h>

#include <math.h>

struct IDirectDrawSurface7;

namespace Gdiplus {
typedef float REAL;
typedef SHORT INT16;
typedef WORD UINT16;
#include <gdiplus/gdiplusenums.h>
#include <gdiplus/gdiplustypes.h>
#include <gdiplus/gdiplusgpstubs.h>
#include <gdiplus/gdiplusimaging.h>
#include <gdiplus/gdiplusinit.h>
#include <gdiplus/gdiplusmem.h>
#include <gdiplus/gdiplusmetaheader.h>
#include <gdiplus/gdipluspixelformats.h>
#include <gdiplus/gdipluscolor.h>
#include <gdiplus/gdipluscolormatrix.h>
#include <gdiplus/gdiplusflat.h>
} // namespace Gdiplus
