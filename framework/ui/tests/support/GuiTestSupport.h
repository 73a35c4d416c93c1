#pragma once
// Helpers of the in-process GUI tests: start the framework's units, pump the message loop, click
// and type as Windows would deliver it, read the focus, render controls offscreen and read pixels,
// answer message boxes, and feed form text to the form-resource reader.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "Controls.h"

// Linking this file runs the units of the window framework (Graphics, Controls, Forms,
// StdCtrls, ExtCtrls, ComCtrls, Menus, ActnList) around the whole test program.

// Handles messages through the application's loop until condition holds or timeoutMs passes;
// returns the condition's last value.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 3000);
// Handles messages for about ms milliseconds.
void PumpFor(int ms);

// Shows the form and waits until it is the active window and stays so (Wine applies the X
// server's focus changes of windows shown or destroyed before a little later).
bool ShowActive(TCustomForm* form);
// A left click at the control's centre: WM_MOUSEACTIVATE sent, button down and up posted to the
// window under that point (the parent's for a windowless control), then the loop runs.
void ClickAt(TControl* control);
// A mouse message posted to the control's window at its client point, with the real pointer put
// there first (Wine makes up moves from the real pointer, which must not undo the posted ones);
// keys are the message's button flags (MK_LBUTTON while the left button is held). Then the loop runs.
void MouseAt(TWinControl* control, UINT message, TPoint point, WPARAM keys = 0);
// A key pressed and released in the focused window (shift held when asked), through the loop.
void PressKey(WORD virtualKey, bool shift = false);
// The framework control holding the window focus; null when none.
TWinControl* FocusedControl();

// The control's window face (background and windowless children) painted into a 32-bit
// offscreen bitmap.
class TOffscreenImage {
public:
    explicit TOffscreenImage(TWinControl* control);
    ~TOffscreenImage();
    TOffscreenImage(const TOffscreenImage&) = delete;
    TOffscreenImage& operator=(const TOffscreenImage&) = delete;
    COLORREF Pixel(int x, int y) const;

private:
    HDC FDC = nullptr;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FOld = nullptr;
};

// Answers the next message box of this thread with its default button, keeping its text.
class TMessageBoxAnswerer {
public:
    TMessageBoxAnswerer();
    ~TMessageBoxAnswerer();
    TMessageBoxAnswerer(const TMessageBoxAnswerer&) = delete;
    TMessageBoxAnswerer& operator=(const TMessageBoxAnswerer&) = delete;
    int Count() const;
    // The text of the last box answered.
    String LastText() const;
};

// Form resources by class name, given as form text.
void SetFormTexts(std::map<String, std::string> texts);
