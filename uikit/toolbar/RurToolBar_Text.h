#pragma once
// Captions of toolbars, toolbar buttons and the ribbon: one line through GDI+ with an ellipsis,
// word-wrapping text with the glass variants (a light halo path, a darkened shadow, or opaque text
// on a keyed bitmap), a width measurement, glowing text on a composited frame through the theme
// API, and a rotated caption with an underlined hot key. Where GDI+ cannot render the font (a
// bitmap font, or no anti-aliasing asked for) the platform's DrawText does the work.
//
// The text drawn is caption, or wideCaption when caption is empty. textR, the measured box, is
// always written: (0, 0, 0, 0) for empty text.
#include "WinApiNames.h"

#include <uxtheme.h>

#include "Controls.h"
#include "Graphics.h"
#include "RurGDIP.h"

// The canvas's device context with its font, text colour and brush selected, as text drawn straight
// on the context needs (the canvas selects them itself only for its own drawing calls).
HDC TextDC(TCanvas* canvas);

// The canvas's font is a vector font of the screen's font list.
bool IsScalableScreenFont(TCanvas* canvas);

// One line in r, vertically centred, "&" marking the hot key; with realDraw it is drawn (cut to the
// longest prefix that fits, followed by "..." when ellipsis) and measured in a 1000-pixel-wide box,
// otherwise only measured in r. dtFormat is the DrawText format of the GDI path.
void DrawGDIPText(TCanvas* canvas, TAlignment alignment, UINT dtFormat, const TRect& r, const String& caption,
                  const String& wideCaption, TFont* font, bool enabled, bool realDraw, RurGDIP::TAntiAlias antiAlias,
                  bool ellipsis, TRect& textR);
// Word-wrapped text in r. On glass it is drawn as a path over a light halo, or (opaqueOnGlass) with
// DrawText on a bitmap filled with bkColor whose top-left colour then drops out.
void DrawGDIPTextEx(TCanvas* canvas, TAlignment alignment, const TRect& r, const String& caption,
                    const String& wideCaption, TFont* font, bool enabled, bool realDraw, RurGDIP::TAntiAlias antiAlias,
                    bool opaqueOnGlass, TColor bkColor, bool glass, TRect& textR);
// The same on a device context; on glass bold over a one-pixel shadow darkened from shadowColor.
void DrawGDIPTextDC(HDC dc, TAlignment alignment, const TRect& r, const String& caption, const String& wideCaption,
                    TFont* font, bool enabled, bool realDraw, RurGDIP::TAntiAlias antiAlias, TColor shadowColor,
                    bool glass, TRect& textR);
int GetGDIPTextWidth(TCanvas* canvas, const String& caption, const String& wideCaption, RurGDIP::TAntiAlias antiAlias,
                     TFont* font);

// Black text with a glow of 12 pixels, composited, in the active caption's part and state.
void DrawGlowText(HDC dc, const String& text, int length, TRect r, HTHEME theme, UINT flags);
// The caption of a glass frame drawn through a 32-bit bitmap: an optional glow background, a
// faint white wash when highlighted, the quick-access-toolbar frame, then the glowing text. Draws
// nothing where the composited-window theme cannot be opened.
void DrawGlassCaptionText(TWinControl* control, const String& caption, const TRect& captionRect, bool showQATFrame,
                          const TRect& qatRect, TColor glowColor, bool highlight);
// Text drawn downwards from p with the canvas's (already rotated) font; the hot key is underlined
// by a line beside it.
void DrawVerticalHotkeyText(TCanvas* canvas, const String& text, TPoint p);
