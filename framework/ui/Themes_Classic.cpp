// Classic drawing of themed elements with DrawFrameControl, DrawEdge and solid fills.
#include <vssym32.h>

#include "ThemesClassic.h"

namespace {

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

bool FrameControl(HDC dc, const TRect& r, UINT type, UINT state)
{
    RECT rc = ToRECT(r);
    return DrawFrameControl(dc, &rc, type, state) != FALSE;
}

bool Edge(HDC dc, const TRect& r, UINT edge, UINT flags)
{
    RECT rc = ToRECT(r);
    return ::DrawEdge(dc, &rc, edge, flags) != FALSE;
}

bool Fill(HDC dc, const TRect& r, int sysColor)
{
    RECT rc = ToRECT(r);
    return FillRect(dc, &rc, GetSysColorBrush(sysColor)) != 0;
}

UINT PushedOrInactive(bool pressed, bool disabled)
{
    return (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0);
}

bool DrawButton(HDC dc, int part, int state, const TRect& r)
{
    switch (part) {
    case BP_PUSHBUTTON: {
        if (state == PBS_DEFAULTED) {
            // The default button's extra dark frame around the raised face.
            RECT rc = ToRECT(r);
            FrameRect(dc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
            InflateRect(&rc, -1, -1);
            return DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH) != FALSE;
        }
        return FrameControl(dc, r, DFC_BUTTON,
                            DFCS_BUTTONPUSH | PushedOrInactive(state == PBS_PRESSED, state == PBS_DISABLED) |
                                (state == PBS_HOT ? DFCS_HOT : 0));
    }
    case BP_CHECKBOX: {
        // Four states per kind: unchecked, checked, mixed.
        const int kind = (state - 1) / 4;
        const int inKind = (state - 1) % 4; // normal, hot, pressed, disabled
        UINT flags = (kind == 2 ? DFCS_BUTTON3STATE | DFCS_CHECKED : DFCS_BUTTONCHECK) | (kind == 1 ? DFCS_CHECKED : 0);
        return FrameControl(dc, r, DFC_BUTTON, flags | PushedOrInactive(inKind == 2, inKind == 3));
    }
    case BP_RADIOBUTTON: {
        const int inKind = (state - 1) % 4;
        const bool checked = state >= RBS_CHECKEDNORMAL;
        return FrameControl(dc, r, DFC_BUTTON,
                            DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0) | PushedOrInactive(inKind == 2, inKind == 3));
    }
    case BP_GROUPBOX:
        return Edge(dc, r, EDGE_ETCHED, BF_RECT);
    default:
        return false;
    }
}

// Arrow glyph of a scroll-bar arrow state (four states per direction: up, down, left, right).
bool DrawScrollBar(HDC dc, int part, int state, const TRect& r)
{
    switch (part) {
    case SBP_ARROWBTN: {
        static constexpr UINT Directions[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
        const int direction = (state - 1) / 4;
        const int inDirection = (state - 1) % 4;
        if (direction < 0 || direction > 3)
            return false;
        return FrameControl(dc, r, DFC_SCROLL, Directions[direction] | PushedOrInactive(inDirection == 2, inDirection == 3));
    }
    case SBP_THUMBBTNHORZ:
    case SBP_THUMBBTNVERT:
        return Edge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    case SBP_LOWERTRACKHORZ:
    case SBP_UPPERTRACKHORZ:
    case SBP_LOWERTRACKVERT:
    case SBP_UPPERTRACKVERT:
        return Fill(dc, r, COLOR_SCROLLBAR);
    case SBP_SIZEBOX:
        return FrameControl(dc, r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    default:
        return false;
    }
}

bool DrawSpin(HDC dc, int part, int state, const TRect& r)
{
    UINT direction = 0;
    switch (part) {
    case SPNP_UP: direction = DFCS_SCROLLUP; break;
    case SPNP_DOWN: direction = DFCS_SCROLLDOWN; break;
    case SPNP_UPHORZ: direction = DFCS_SCROLLRIGHT; break;
    case SPNP_DOWNHORZ: direction = DFCS_SCROLLLEFT; break;
    default: return false;
    }
    // All four spin parts number their states normal, hot, pressed, disabled from 1.
    return FrameControl(dc, r, DFC_SCROLL, direction | PushedOrInactive(state == 3, state == 4));
}

bool DrawComboBox(HDC dc, int part, int state, const TRect& r)
{
    switch (part) {
    case CP_DROPDOWNBUTTON:
    case CP_DROPDOWNBUTTONRIGHT:
    case CP_DROPDOWNBUTTONLEFT:
        return FrameControl(dc, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | PushedOrInactive(state == 3, state == 4));
    case CP_BORDER:
        return Edge(dc, r, EDGE_SUNKEN, BF_RECT);
    case CP_READONLY:
        return FrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH | PushedOrInactive(state == 3, state == 4));
    default:
        return false;
    }
}

bool DrawToolBar(HDC dc, int part, int state, const TRect& r)
{
    switch (part) {
    case 0:
        return Fill(dc, r, COLOR_BTNFACE);
    case TP_SEPARATOR:
        return Edge(dc, TRect{r.Left + r.Width() / 2 - 1, r.Top, r.Left + r.Width() / 2 + 1, r.Bottom}, EDGE_ETCHED, BF_LEFT);
    case TP_SEPARATORVERT:
        return Edge(dc, TRect{r.Left, r.Top + r.Height() / 2 - 1, r.Right, r.Top + r.Height() / 2 + 1}, EDGE_ETCHED, BF_TOP);
    default:
        break;
    }
    // Buttons: flat until hot, sunken while pressed or checked.
    switch (state) {
    case TS_HOT:
        return Edge(dc, r, BDR_RAISEDINNER, BF_RECT);
    case TS_PRESSED:
    case TS_CHECKED:
    case TS_HOTCHECKED:
        return Edge(dc, r, BDR_SUNKENOUTER, BF_RECT);
    default:
        return true; // a normal or disabled flat button shows no frame
    }
}

bool DrawWindow(HDC dc, int part, int state, const TRect& r)
{
    UINT kind = 0;
    switch (part) {
    case WP_CAPTION:
    case WP_SMALLCAPTION:
        return Fill(dc, r, state == CS_ACTIVE ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    case WP_FRAMELEFT: case WP_FRAMERIGHT: case WP_FRAMEBOTTOM:
    case WP_SMALLFRAMELEFT: case WP_SMALLFRAMERIGHT: case WP_SMALLFRAMEBOTTOM:
        return Fill(dc, r, state == FS_ACTIVE ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
    case WP_CLOSEBUTTON: case WP_SMALLCLOSEBUTTON: kind = DFCS_CAPTIONCLOSE; break;
    case WP_MINBUTTON: kind = DFCS_CAPTIONMIN; break;
    case WP_MAXBUTTON: kind = DFCS_CAPTIONMAX; break;
    case WP_RESTOREBUTTON: kind = DFCS_CAPTIONRESTORE; break;
    case WP_HELPBUTTON: kind = DFCS_CAPTIONHELP; break;
    default: return false;
    }
    // Caption buttons number their states normal, hot, pushed, disabled from 1.
    return FrameControl(dc, r, DFC_CAPTION, kind | PushedOrInactive(state == 3, state == 4));
}

bool DrawInfoFrame(HDC dc, const TRect& r)
{
    RECT rc = ToRECT(r);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_INFOBK));
    return FrameRect(dc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)) != 0;
}

} // namespace

bool DrawClassicElement(HDC dc, const TThemedElementDetails& details, const TRect& r)
{
    const int part = details.Part;
    const int state = details.State;
    switch (details.Element) {
    case teButton: return DrawButton(dc, part, state, r);
    case teScrollBar: return DrawScrollBar(dc, part, state, r);
    case teSpin: return DrawSpin(dc, part, state, r);
    case teComboBox: return DrawComboBox(dc, part, state, r);
    case teToolBar: return DrawToolBar(dc, part, state, r);
    case teWindow: return DrawWindow(dc, part, state, r);
    case teEdit:
        return part == EP_EDITTEXT ? Fill(dc, r, state == ETS_DISABLED ? COLOR_BTNFACE : COLOR_WINDOW)
                                   : Edge(dc, r, EDGE_SUNKEN, BF_RECT);
    case teHeader:
        if (part != HP_HEADERITEM && part != HP_HEADERITEMLEFT && part != HP_HEADERITEMRIGHT)
            return false;
        Fill(dc, r, COLOR_BTNFACE);
        return Edge(dc, r, state == HIS_PRESSED ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
    case teListView:
    case teTreeview:
        if (state == LISS_SELECTED || state == LISS_SELECTEDNOTFOCUS)
            return Fill(dc, r, state == LISS_SELECTED ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
        return Fill(dc, r, COLOR_WINDOW);
    case teProgress:
        if (part == PP_CHUNK || part == PP_CHUNKVERT)
            return Fill(dc, r, COLOR_HIGHLIGHT);
        return Edge(dc, r, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE);
    case teTab:
        if (part == TABP_PANE || part == TABP_BODY)
            return Edge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
        Fill(dc, r, COLOR_BTNFACE);
        return Edge(dc, r, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
    case teStatus:
        if (part == SP_GRIPPER)
            return FrameControl(dc, r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        if (part == SP_PANE || part == SP_GRIPPERPANE)
            return Edge(dc, r, BDR_SUNKENOUTER, BF_RECT);
        return Fill(dc, r, COLOR_BTNFACE);
    case teRebar:
        if (part == RP_GRIPPER || part == RP_GRIPPERVERT)
            return Edge(dc, r, BDR_RAISEDINNER, BF_RECT);
        return Fill(dc, r, COLOR_BTNFACE);
    case teToolTip:
        return DrawInfoFrame(dc, r);
    case teMonthCal:
        return Fill(dc, r, COLOR_HIGHLIGHT);
    default:
        return false;
    }
}

bool GetClassicElementSize(const TThemedElementDetails& details, int dpi, TSize& size)
{
    auto scaled = [dpi](int value) { return MulDiv(value, dpi, 96); };
    switch (details.Element) {
    case teButton:
        if (details.Part != BP_CHECKBOX && details.Part != BP_RADIOBUTTON)
            return false;
        size = {scaled(13), scaled(13)};
        return true;
    case teScrollBar:
    case teSpin:
    case teComboBox:
        size = {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYVSCROLL)};
        return details.Element != teComboBox || details.Part != CP_BORDER;
    case teWindow:
        if (details.Part < WP_SYSBUTTON)
            return false;
        size = {GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CYSIZE)};
        return true;
    default:
        return false;
    }
}

TRect ClassicContentRect(const TThemedElementDetails& details, const TRect& bounds)
{
    // Elements with a classic frame lose its two pixels on every side.
    const bool framed = (details.Element == teButton && details.Part == BP_PUSHBUTTON) || details.Element == teEdit ||
                        (details.Element == teComboBox && details.Part == CP_BORDER) || details.Element == teHeader ||
                        details.Element == teTab;
    const int inset = framed ? 2 : 0;
    return TRect{bounds.Left + inset, bounds.Top + inset, bounds.Right - inset, bounds.Bottom - inset};
}

TColor ClassicTextColor(const TThemedElementDetails& details)
{
    const bool disabled = (details.Element == teButton && details.Part == BP_PUSHBUTTON && details.State == PBS_DISABLED) ||
                          (details.Element == teEdit && details.State == ETS_DISABLED);
    if (disabled)
        return clGrayText;
    switch (details.Element) {
    case teEdit:
    case teListView:
    case teTreeview:
        return clWindowText;
    case teToolTip:
        return clInfoText;
    case teWindow:
        return details.State == CS_ACTIVE ? clCaptionText : clInactiveCaptionText;
    default:
        return clBtnText;
    }
}
