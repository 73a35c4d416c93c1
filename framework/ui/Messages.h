#pragma once
// The framework's message record, its typed views, and the private message numbers of the window
// framework (one header for all of them).
#include "WinApiNames.h"

#include "System.h"

// One window message as the controls see it: the typed views below reinterpret the same record.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    WORD WParamLo() const { return LOWORD(WParam); }
    WORD WParamHi() const { return HIWORD(WParam); }
    WORD LParamLo() const { return LOWORD(LParam); }
    WORD LParamHi() const { return HIWORD(LParam); }
};

// Mouse messages: client coordinates (signed) and the key state.
struct TWMMouse {
    explicit TWMMouse(const TMessage& m)
        : Keys(static_cast<int>(m.WParam)), XPos(static_cast<short>(LOWORD(m.LParam))),
          YPos(static_cast<short>(HIWORD(m.LParam)))
    {
    }
    int Keys;
    int XPos;
    int YPos;
};

// Key messages: the virtual key (or character) and the key data.
struct TWMKey {
    explicit TWMKey(const TMessage& m) : CharCode(static_cast<Word>(m.WParam)), KeyData(static_cast<int>(m.LParam)) {}
    Word CharCode;
    int KeyData;
};

// WM_PAINT: a device context given by the sender (WParam) or none (the window's own BeginPaint).
struct TWMPaint {
    explicit TWMPaint(const TMessage& m) : DC(reinterpret_cast<HDC>(m.WParam)) {}
    HDC DC;
};

// Base of the framework's notifications between controls. The numbers are fixed: components
// written against the framework compare and send them as plain numbers.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;             // a form became the active form
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;           // a form stopped being the active form
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;            // Tab, Enter, Escape...: WParam key; Result 1 = used
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;           // Alt+character for accelerators; Result 1 = used
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;         // LParam: the control that now has the focus
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;    // the parent's font changed
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;   // the parent's colour changed
constexpr UINT CM_HITTEST = CM_BASE + 10;             // is the client point (LParam) part of the control
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;      // Visible changed
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;      // Enabled changed
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;        // Color changed
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;         // Font changed
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;       // Cursor changed
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;         // Caption / Text changed
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;          // the mouse came over the control
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;          // the mouse left the control
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;         // the form's menu changed
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;       // a radio button was checked: WParam group index
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;      // the window's showing state must be brought up to date
constexpr UINT CM_ENTER = CM_BASE + 26;               // the control got the focus within its form
constexpr UINT CM_EXIT = CM_BASE + 27;                // the control lost the focus within its form
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;       // does a click at the client point (LParam) go to the control at design time
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;      // does the control want this Tab/arrow/Enter key itself
constexpr UINT CM_CHILDKEY = CM_BASE + 31;            // a child saw a key first: LParam the child
constexpr UINT CM_RELEASE = CM_BASE + 33;             // posted by TCustomForm::Release: free the form now
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 35;      // the system colours changed
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;   // a child is about to be inserted or was removed
constexpr UINT CM_HINTSHOW = CM_BASE + 48;            // a hint is about to show: LParam THintInfo* (may be changed); Result 1 refuses
constexpr UINT CM_RECREATEWND = CM_BASE + 51;         // a property that CreateParams reads changed: re-create the window
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;       // a child was inserted (WParam control, LParam 1) or removed (0)
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 60; // the parent's BiDiMode changed
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 61;     // BiDiMode changed
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;          // the wheel turned over the control: WParam as WM_MOUSEWHEEL; Result 1 = used
constexpr UINT CM_STYLECHANGED = CM_BASE + 81;        // the style that paints the control changed (or its StyleElements)
constexpr UINT CM_GESTURE = CM_BASE + 82;             // a touch gesture reached the control

// Messages the parent reflects back to the child window they concern (CN_ = CN_BASE + WM_).
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;   // the loop asks the focused control first
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Timers of the application's hidden window.
constexpr UINT_PTR HintShowTimer = 1; // the mouse rested on a control with a hint for HintPause
constexpr UINT_PTR HintHideTimer = 2; // the hint has been shown for HintHidePause
