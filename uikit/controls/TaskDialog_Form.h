#pragma once
// What the dialog form's sources share: a canvas to measure on outside painting, the caption
// engine's settings for the dialog's rich texts, and the escaped-line-break rules of its texts.
#include "RurHTML.h"
#include "TaskDialog.h"

// Attaches a screen-compatible memory DC to the canvas for the scope when it has none, so that the
// form measures with the fonts it paints with.
class TMeasuringScope {
public:
    explicit TMeasuringScope(TCanvas& canvas);
    ~TMeasuringScope();
    TMeasuringScope(const TMeasuringScope&) = delete;
    TMeasuringScope& operator=(const TMeasuringScope&) = delete;

private:
    TCanvas& FCanvas;
    HDC FDC = nullptr;
};

// The canvas's handle with its font, text colour and brush selected, for the system's text calls
// (the canvas selects them only for its own drawing calls).
HDC TextDrawingHandle(TCanvas& canvas);

// The caption engine's settings for the dialog's texts: measuring (hit test, selected, blink
// visible) or drawing (all of them off).
THTMLDrawOptions DialogHTMLOptions(bool measuring, bool measureOnly, TBiDiMode biDiMode);
// "\\n" pairs (either case) and line feeds become "<br>".
String DialogHTMLText(const String& text);
// "\\n" pairs become carriage returns.
String EscapedNewLinesAsReturns(const String& text);

// The dialog's bitmaps in the module's resources: magenta is transparent.
void LoadDialogBitmap(TBitmap& bitmap, const String& name);
