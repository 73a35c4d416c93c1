#pragma once
// The SVG engine's readers of number-bearing attribute values: plain numbers, lengths, angles,
// rgb()/rgba() colours, transform lists, polyline points and path data. Portable: no windows.h.
//
// Numbers always use "." as the decimal separator, whatever the user's locale, and no process-wide
// setting is touched. What a reader does not understand reads as 0, as identity or is skipped, so
// that one bad value never ends the load of a picture.
#include <memory>

#include "Generics.Collections.h"
#include "RurGraphicsPath.h"
#include "SysUtils.h"

// An element's geometry: one path per move-to of a path element, one for a polyline or polygon.
using TRurGraphicsSVGElementPathList = TObjectList<TRurGraphicsPath>;

// The whole text (blanks around allowed) as a finite number within the float range; false
// otherwise, value untouched.
bool TryParseNumber(const String& AText, float& AValue);

// Units px, pt, pc, mm, cm, in, em, ex and % with the engine's own factors (a millimetre counts 10,
// an inch 25.4, a percentage its bare number). 0 for an empty or unreadable text.
float ParseLength(const String& AText);

// Radians, from "deg", "grad", "rad" or a bare number of degrees; 0 when unreadable.
float ParseAngle(const String& AText);

// One rgb() component: decimal, else hexadecimal digits, optionally a percentage; capped at 255.
// -1 when invalid.
int ParseColorComponent(const String& AText);

// "rgb(r, g, b)" or "rgba(r, g, b, a)" to 0x00BBGGRR, or -1 when it is not such a text or a colour
// component is invalid. AAlpha receives the alpha component (255 for rgb(), -1 when invalid);
// callers treat an alpha of 0 as no colour.
int ParseRGBColor(const String& AText, int& AAlpha);

// A transform list read from left to right, the item written first acting first on the
// coordinates; identity for an empty text. A rotate without a centre turns about the point of an
// earlier translate. An item whose arguments do not fit adds identity. (An absent attribute is
// the empty matrix; the caller decides that.)
TRurGraphicsMatrix ParseTransform(const String& AText);

// Polyline or polygon points: pairs of numbers separated by blanks, commas or a minus sign. Null
// for an odd count of numbers; otherwise a path joining the points by lines (closed when AClose).
std::unique_ptr<TRurGraphicsPath> ParsePoints(const String& AText, bool AClose);

// Path data with its commas already made blanks. Appends one path to APaths per move-to. A command
// short of numbers is dropped and the rest of the data is still read.
void ParsePathData(const String& AText, TRurGraphicsSVGElementPathList& APaths);

// An elliptical arc from the path's last point to AEnd as cubic curves, each after a line to its
// start point (a move-to in an empty path). A line when a radius is 0; nothing when the ends meet.
void ArcToBeziers(TRurGraphicsPath& APath, TPointF AStart, TPointF ARadius, float ARotation, bool ALargeArc,
                  bool ASweep, TPointF AEnd);

// The direction from (x1, y1) to (x2, y2) in degrees, 0 <= angle < 360.
float GradientAngle(float AX1, float AY1, float AX2, float AY2);
