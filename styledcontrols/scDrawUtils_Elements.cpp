// Themed element painters of the standard parts (buttons, spins, check boxes, combo buttons,
// selections, headers, borders, progress bars, tabs) with their classic fallbacks, and the text
// colours that go with each state.
#include "Math.h"
#include "Themes.h"
#include "scDrawUtils.h"

namespace {

TCustomStyleServices* Services(const TControl* control) { return StyleServices(control); }

bool Themed(const TControl* control)
{
    const TCustomStyleServices* s = Services(control);
    return s && s->Enabled();
}

int Dpi(double scale) { return static_cast<int>(Round(Max(scale, 1.0) * 96)); }

bool ValidState(TscsCtrlState state) { return state >= scsNormal && state <= scsDisabled; }

// False when the style could not draw the element (a theme without it).
template <class E>
bool DrawThemed(TCanvas* canvas, const TRect& rect, const TControl* control, E element, int dpi = 0,
                const TRect* clip = nullptr)
{
    return Services(control)->DrawElement(canvas->Handle(), TCustomStyleServices::GetElementDetails(element), rect,
                                          clip, dpi);
}

void Fill(TCanvas* canvas, const TRect& rect, TColor color)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(rect);
}

void Raised(TCanvas* canvas, const TRect& rect)
{
    TRect r = rect;
    DrawFrame3D(canvas, r, clBtnHighlight, clBtnShadow);
}

void Sunken(TCanvas* canvas, const TRect& rect)
{
    TRect r = rect;
    DrawFrame3D(canvas, r, clBtnShadow, clBtnHighlight);
}

TRect Shrunk(TRect r, int by)
{
    InflateRect(reinterpret_cast<RECT*>(&r), -by, -by);
    return r;
}

void FrameControl(TCanvas* canvas, const TRect& rect, UINT type, UINT flags)
{
    RECT r = ToWinRect(rect);
    DrawFrameControl(canvas->Handle(), &r, type, flags);
}

class TClip {
public:
    TClip(TCanvas* canvas, const TRect& clip) : FDC(canvas->Handle()), FSaved(SaveDC(FDC))
    {
        IntersectClipRect(FDC, clip.Left, clip.Top, clip.Right, clip.Bottom);
    }
    ~TClip() { RestoreDC(FDC, FSaved); }
    TClip(const TClip&) = delete;
    TClip& operator=(const TClip&) = delete;

private:
    HDC FDC;
    int FSaved;
};

// Elements by state: normal, hot, pressed, focused, disabled.
template <class E>
using TByState = E[5];

struct TSpinElements {
    TByState<TThemedScrollBar> Custom;
    TByState<TThemedSpin> System;
    UINT Classic;
};

constexpr TSpinElements SpinUp{
    {tsArrowBtnUpNormal, tsArrowBtnUpHot, tsArrowBtnUpPressed, tsArrowBtnUpHot, tsArrowBtnUpDisabled},
    {tsUpNormal, tsUpHot, tsUpPressed, tsUpHot, tsUpDisabled},
    DFCS_SCROLLUP};
constexpr TSpinElements SpinDown{
    {tsArrowBtnDownNormal, tsArrowBtnDownHot, tsArrowBtnDownPressed, tsArrowBtnDownHot, tsArrowBtnDownDisabled},
    {tsDownNormal, tsDownHot, tsDownPressed, tsDownHot, tsDownDisabled},
    DFCS_SCROLLDOWN};
constexpr TSpinElements SpinRight{
    {tsArrowBtnRightNormal, tsArrowBtnRightHot, tsArrowBtnRightPressed, tsArrowBtnRightHot, tsArrowBtnRightDisabled},
    {tsUpHorzNormal, tsUpHorzHot, tsUpHorzPressed, tsUpHorzHot, tsUpHorzDisabled},
    DFCS_SCROLLRIGHT};
constexpr TSpinElements SpinLeft{
    {tsArrowBtnLeftNormal, tsArrowBtnLeftHot, tsArrowBtnLeftPressed, tsArrowBtnLeftHot, tsArrowBtnLeftDisabled},
    {tsDownHorzNormal, tsDownHorzHot, tsDownHorzPressed, tsDownHorzHot, tsDownHorzDisabled},
    DFCS_SCROLLLEFT};

void DrawSpin(const TSpinElements& e, TCanvas* canvas, const TRect& rect, TscsCtrlState state,
              const TControl* control, double scale)
{
    if (!ValidState(state))
        return;
    if (!Themed(control)) {
        UINT flags = e.Classic;
        if (state == scsPressed)
            flags |= DFCS_PUSHED;
        if (state == scsDisabled)
            flags |= DFCS_INACTIVE;
        FrameControl(canvas, rect, DFC_SCROLL, flags);
        return;
    }
    if (UsesCustomStyle(control))
        DrawThemed(canvas, rect, control, e.Custom[state], Dpi(scale));
    else
        DrawThemed(canvas, rect, control, e.System[state], Dpi(scale));
}

constexpr TByState<TThemedButton> PushButton{tbPushButtonNormal, tbPushButtonHot, tbPushButtonPressed,
                                             tbPushButtonDefaulted, tbPushButtonDisabled};
constexpr TByState<TThemedComboBox> ReadOnlyCombo{tcReadOnlyNormal, tcReadOnlyHot, tcReadOnlyPressed, tcReadOnlyHot,
                                                  tcReadOnlyDisabled};
constexpr TByState<TThemedToolBar> ToolButton{ttbButtonNormal, ttbButtonHot, ttbButtonPressed, ttbButtonHot,
                                              ttbButtonDisabled};

void PushFocus(TCanvas* canvas, const TRect& rect, const TControl* control, double scale, bool showFocus,
               bool themed)
{
    if (!showFocus)
        return;
    if (themed && !UsesCustomStyle(control))
        DrawScaledFocusRect(canvas, Shrunk(rect, 3), scale);
    else if (!themed && !UsesCustomStyle(control))
        canvas->DrawFocusRect(Shrunk(rect, 3));
}

void DrawPushFace(TCanvas* canvas, const TRect& elementRect, const TRect& focusRect, TscsCtrlState state,
                  const TControl* control, double scale, bool showFocus)
{
    if (!ValidState(state))
        return;
    const bool themed = Themed(control);
    if (themed)
        DrawThemed(canvas, elementRect, control, PushButton[state]);
    else
        FrameControl(canvas, elementRect, DFC_BUTTON, DFCS_BUTTONPUSH | (state == scsPressed ? DFCS_PUSHED : 0));
    PushFocus(canvas, focusRect, control, scale, showFocus, themed);
}

void DrawToolFace(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control)
{
    if (!ValidState(state))
        return;
    if (Themed(control))
        DrawThemed(canvas, rect, control, ToolButton[state]);
    else if (state == scsPressed)
        Sunken(canvas, rect);
    else if (state == scsHot || state == scsFocused)
        Raised(canvas, rect);
}

// The element of a segment reaches 20 pixels past the joints so that its rounded ends stay hidden.
TRect SegmentRect(TRect r, int kind)
{
    if (kind == 1 || kind == 2)
        r.Right += 20;
    if (kind == 2 || kind == 3)
        r.Left -= 20;
    return r;
}

void SegmentSeparators(TCanvas* canvas, const TRect& rect, int kind)
{
    auto separator = [&](int x) { DrawVertSeparator(canvas, Rect(x, rect.Top + 2, x + 2, rect.Bottom - 2), false, nullptr); };
    if (kind == 1 || kind == 2)
        separator(rect.Right - 1);
    if (kind == 2 || kind == 3)
        separator(rect.Left - 1);
}

template <class DrawFace>
void DrawSplit(TCanvas* canvas, const TRect& rect, TscsCtrlState state, int dropWidth, bool dropPressed,
               bool separator, DrawFace face)
{
    const int split = rect.Right - dropWidth;
    if (dropPressed) {
        {
            const TClip clip(canvas, Rect(rect.Left, rect.Top, split, rect.Bottom));
            face(scsHot);
        }
        const TClip clip(canvas, Rect(split, rect.Top, rect.Right, rect.Bottom));
        face(scsPressed);
    } else {
        face(state);
    }
    if (separator)
        DrawVertSeparator(canvas, Rect(split, rect.Top + 2, split + 2, rect.Bottom - 2), false, nullptr);
}

constexpr TThemedButton CheckElements[3][5] = {
    {tbCheckBoxUncheckedNormal, tbCheckBoxUncheckedHot, tbCheckBoxUncheckedPressed, tbCheckBoxUncheckedNormal,
     tbCheckBoxUncheckedDisabled},
    {tbCheckBoxCheckedNormal, tbCheckBoxCheckedHot, tbCheckBoxCheckedPressed, tbCheckBoxCheckedNormal,
     tbCheckBoxCheckedDisabled},
    {tbCheckBoxMixedNormal, tbCheckBoxMixedHot, tbCheckBoxMixedPressed, tbCheckBoxMixedNormal,
     tbCheckBoxMixedDisabled},
};

UINT ClassicCheckFlags(TscsCtrlState state, int kind)
{
    UINT flags = DFCS_BUTTONCHECK;
    if (state == scsDisabled)
        return flags | (kind == 0 ? DFCS_INACTIVE : DFCS_CHECKED | DFCS_INACTIVE);
    if (kind == 1)
        flags |= DFCS_CHECKED;
    else if (kind == 2)
        flags |= DFCS_CHECKED | DFCS_INACTIVE;
    if (state == scsPressed)
        flags |= DFCS_PUSHED;
    return flags;
}

TSize CheckBoxElementSize(TCanvas* canvas, const TControl* control, double scale)
{
    TSize size{13, 13};
    if (!Services(control)->GetElementSize(canvas->Handle(),
                                           TCustomStyleServices::GetElementDetails(tbCheckBoxCheckedNormal),
                                           esActual, size, Dpi(scale)))
        size = TSize{13, 13};
    return size;
}

enum class TCheckPlace { InBounds, AtLeft, Centered };

void DrawCheckBox(TCheckPlace place, TCanvas* canvas, const TRect& rect, TscsCtrlState state,
                  const TControl* control, double scale, int kind)
{
    if (!ValidState(state) || kind < 0 || kind > 2)
        return;
    // A focused check box is drawn only by the left-aligned painter, as a normal one.
    if (state == scsFocused && (place != TCheckPlace::AtLeft || !Themed(control)))
        return;
    const bool themed = Themed(control);
    const int classicSide = static_cast<int>(Round(Max(scale, 1.0) * 13));
    const TSize size = themed ? CheckBoxElementSize(canvas, control, scale) : TSize{classicSide, classicSide};
    TRect box;
    if (place == TCheckPlace::Centered && !themed) {
        const int cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
        const int h = static_cast<int>(Round(Max(scale, 1.0) * 6));
        box = Rect(cx - h, cy - h, cx + h + 1, cy + h + 1);
    } else if (place == TCheckPlace::Centered) {
        box = Bounds(rect.Left + (rect.Width() - size.cx) / 2, rect.Top + (rect.Height() - size.cy) / 2, size.cx,
                     size.cy);
    } else {
        TRect r = Rect(0, 0, size.cx, size.cy);
        CenterRectVertically(r, rect, box);
        if (place == TCheckPlace::InBounds && box.Right > rect.Right)
            OffsetRect(reinterpret_cast<RECT*>(&box), rect.Right - box.Right, 0);
    }
    if (themed)
        DrawThemed(canvas, box, control, CheckElements[kind][state], Dpi(scale));
    else
        FrameControl(canvas, box, DFC_BUTTON, ClassicCheckFlags(state, kind));
}

// An element drawn into a transparent 32-bit bitmap: GDI drawing leaves the alpha bytes 0, so
// pixels that were painted but kept alpha 0 are made opaque.
void DrawElementWithAlpha(TBitmap* bitmap, const TControl* control, const TThemedElementDetails& details)
{
    SetBitmapAlpha(bitmap, 0);
    FillBitmapPixels(bitmap, 0);
    bitmap->SetAlphaFormat(afPremultiplied);
    Services(control)->DrawElement(bitmap->Canvas()->Handle(), details,
                                   Rect(0, 0, bitmap->Width(), bitmap->Height()));
    GdiFlush();
    DWORD* pixels = BitmapPixels(bitmap);
    const int count = bitmap->Width() * bitmap->Height();
    for (int i = 0; i < count; ++i)
        if ((pixels[i] >> 24) == 0 && (pixels[i] & 0xFFFFFF) != 0)
            pixels[i] |= 0xFF000000;
}

TColor ElementTextColor(const TControl* control, const TThemedElementDetails& details, TColor fallback)
{
    TColor color = clNone;
    if (Services(control)->GetElementColor(details, ecTextColor, color) && color != clNone)
        return color;
    return fallback;
}

TColor PlainTextColor(TscsCtrlState state) { return state == scsDisabled ? clGrayText : clBtnText; }

} // namespace

void DrawSpinUpButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control, double scale)
{
    DrawSpin(SpinUp, canvas, rect, state, control, scale);
    // A short system-style up arrow loses its top edge: draw it again, taller, over the top rows.
    if (ValidState(state) && Themed(control) && !UsesCustomStyle(control) && rect.Height() <= 9) {
        const TRect clip = Rect(rect.Left, rect.Top, rect.Right, rect.Top + 2);
        DrawThemed(canvas, Rect(rect.Left, rect.Top, rect.Right, rect.Top + 10), control, SpinUp.System[state],
                   Dpi(scale), &clip);
    }
}

void DrawSpinDownButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                        double scale)
{
    DrawSpin(SpinDown, canvas, rect, state, control, scale);
}

void DrawSpinRightButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         double scale)
{
    DrawSpin(SpinRight, canvas, rect, state, control, scale);
}

void DrawSpinLeftButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                        double scale)
{
    DrawSpin(SpinLeft, canvas, rect, state, control, scale);
}

void DrawPushButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control, double scale,
                    bool showFocus)
{
    DrawPushFace(canvas, rect, rect, state, control, scale, showFocus);
}

void DrawComboButtonFace(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         double scale, bool showFocus)
{
    if (IsWindows11() && !UsesCustomStyle(control) && Themed(control) && ValidState(state)) {
        DrawThemed(canvas, rect, control, ReadOnlyCombo[state]);
        PushFocus(canvas, rect, control, scale, showFocus, true);
        return;
    }
    DrawPushButton(canvas, rect, state, control, scale, showFocus);
}

void DrawToolButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control)
{
    DrawToolFace(canvas, rect, state, control);
}

void DrawToolButtonFramed(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control)
{
    if (!Themed(control)) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FrameRect(rect);
    }
    DrawToolFace(canvas, rect, state, control);
}

void DrawSegmentPushButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                           double scale, int segmentKind, bool showFocus)
{
    DrawPushFace(canvas, SegmentRect(rect, segmentKind), rect, state == scsFocused ? scsHot : state, control, scale,
                 showFocus);
    SegmentSeparators(canvas, rect, segmentKind);
}

void DrawSegmentToolButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                           int segmentKind)
{
    DrawToolFace(canvas, SegmentRect(rect, segmentKind), state, control);
    SegmentSeparators(canvas, rect, segmentKind);
}

void DrawSplitPushButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         int dropWidth, bool dropPressed)
{
    DrawSplit(canvas, rect, state, dropWidth, dropPressed, true,
              [&](TscsCtrlState s) { DrawPushButton(canvas, rect, s, control, 1, false); });
}

void DrawSplitToolButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         int dropWidth, bool dropPressed)
{
    DrawSplit(canvas, rect, state, dropWidth, dropPressed, state != scsNormal && state != scsDisabled,
              [&](TscsCtrlState s) { DrawToolButton(canvas, rect, s, control); });
}

void DrawCheckBoxInBounds(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                          double scale, int checkKind)
{
    DrawCheckBox(TCheckPlace::InBounds, canvas, rect, state, control, scale, checkKind);
}

void DrawCheckBoxAtLeft(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                        double scale, int checkKind)
{
    DrawCheckBox(TCheckPlace::AtLeft, canvas, rect, state, control, scale, checkKind);
}

void DrawCheckBoxCentered(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                          double scale, int checkKind)
{
    DrawCheckBox(TCheckPlace::Centered, canvas, rect, state, control, scale, checkKind);
}

int GetCheckBoxSize(TCanvas* canvas, const TControl* control, double scale)
{
    return Themed(control) ? CheckBoxElementSize(canvas, control, scale).cx : 13;
}

void DrawComboDropDownButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                             double scale, bool atLeft, bool separatePart)
{
    if (!ValidState(state))
        return;
    const bool themed = Themed(control);
    if (separatePart && !UsesCustomStyle(control) && themed && WindowsMajorVersion() >= 6) {
        TRect r = rect;
        r.Bottom += 1;
        r.Top -= 1;
        if (atLeft)
            r.Left -= 1;
        else
            r.Right += 1;
        constexpr TByState<TThemedComboBox> right{tcDropDownButtonRightNormal, tcDropDownButtonRightHot,
                                                   tcDropDownButtonRightPressed, tcDropDownButtonRightHot,
                                                   tcDropDownButtonRightDisabled};
        constexpr TByState<TThemedComboBox> left{tcDropDownButtonLeftNormal, tcDropDownButtonLeftHot,
                                                  tcDropDownButtonLeftPressed, tcDropDownButtonLeftHot,
                                                  tcDropDownButtonLeftDisabled};
        DrawThemed(canvas, r, control, (atLeft ? left : right)[state], Dpi(scale));
    } else if (themed) {
        constexpr TByState<TThemedComboBox> plain{tcDropDownButtonNormal, tcDropDownButtonHot, tcDropDownButtonPressed,
                                                   tcDropDownButtonHot, tcDropDownButtonDisabled};
        DrawThemed(canvas, rect, control, plain[state], Dpi(scale));
    } else {
        FrameControl(canvas, rect, DFC_BUTTON, DFCS_BUTTONPUSH | (state == scsPressed ? DFCS_PUSHED : 0));
        DrawTriangleArrow(canvas, rect, clBtnText, 1, 4);
    }
}

void DrawSelectionAlpha(TCanvas* canvas, const TRect& rect, Byte alpha, const TControl* control)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    auto bitmap = MakeBitmap32(rect.Width(), rect.Height());
    const TRect local = Rect(0, 0, rect.Width(), rect.Height());
    if ((!Themed(control) || IsWindowsXP()) && !UsesCustomStyle(control)) {
        Fill(bitmap->Canvas(), local, clHighlight);
        SetBitmapAlpha(bitmap.get(), 255);
    } else if (UsesCustomStyle(control)) {
        DrawElementWithAlpha(bitmap.get(), control, TCustomStyleServices::GetElementDetails(tgCellSelected));
    } else {
        DrawElementWithAlpha(bitmap.get(), control,
                             TCustomStyleServices::GetElementDetails(tmcGridCellBackgroundSelected));
    }
    DrawBitmapAlpha(bitmap.get(), canvas, rect.Left, rect.Top, alpha);
}

void DrawItemSelection(TCanvas* canvas, const TRect& rect, bool focused, const TControl* control, bool opaque)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const bool custom = UsesCustomStyle(control);
    auto classic = [&] {
        canvas->Brush()->SetColor(clHighlight);
        canvas->Brush()->SetStyle(bsSolid);
        if (focused || opaque)
            canvas->FillRect(rect);
        else
            FillRectAlpha(canvas, rect, 200);
    };
    if (custom && !focused && !opaque) {
        DrawSelectionAlpha(canvas, rect, 175, control);
    } else if (!Themed(control) || (IsWindowsXP() && !custom)) {
        classic();
    } else {
        const int saved = SaveDC(canvas->Handle());
        bool drawn;
        if (custom)
            drawn = DrawThemed(canvas, rect, control, tgCellSelected);
        else if (focused || opaque)
            drawn = DrawThemed(canvas, rect, control, tmcGridCellBackgroundSelected);
        else
            drawn = DrawThemed(canvas, rect, control, tmcGridCellBackgroundSelectedNotFocused);
        RestoreDC(canvas->Handle(), saved);
        // A theme without the element still shows the selection.
        if (!drawn)
            classic();
    }
}

void DrawHeaderSection(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control)
{
    if (!ValidState(state))
        return;
    if (Themed(control)) {
        constexpr TByState<TThemedGrid> header{tgFixedCellNormal, tgFixedCellHot, tgFixedCellPressed, tgFixedCellHot,
                                               tgFixedCellNormal};
        DrawThemed(canvas, rect, control, header[state]);
        return;
    }
    Fill(canvas, rect, clBtnFace);
    if (state == scsPressed)
        Sunken(canvas, rect);
    else
        Raised(canvas, rect);
}

void DrawEditBorder(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control)
{
    if (!Themed(control)) {
        TRect r = rect;
        DrawFrame3D(canvas, r, clBtnShadow, clBtnHighlight);
        DrawFrame3D(canvas, r, cl3DDkShadow, cl3DLight);
        return;
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(GetStyleSystemColor(clBtnFace, control));
    canvas->FrameRect(rect);
    canvas->FrameRect(Shrunk(rect, 1));
    // Pressed has no look of its own and is drawn as normal; disabled takes the disabled border.
    switch (state) {
    case scsNormal:
    case scsPressed: DrawThemed(canvas, rect, control, teEditBorderNoScrollNormal); break;
    case scsHot: DrawThemed(canvas, rect, control, teEditBorderNoScrollHot); break;
    case scsFocused:
        DrawThemed(canvas, rect, control,
                   UsesCustomStyle(control) ? teEditBorderNoScrollHot : teEditBorderNoScrollFocused);
        break;
    case scsDisabled: DrawThemed(canvas, rect, control, teEditBorderNoScrollDisabled); break;
    default: break;
    }
}

void DrawFlatBorder(TCanvas* canvas, const TRect& rect, const TControl* control)
{
    const bool custom = UsesCustomStyle(control);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(custom ? GetStyleSystemColor(clBtnShadow, control) : clBtnShadow);
    canvas->FrameRect(rect);
    canvas->Brush()->SetColor(custom ? GetStyleSystemColor(clWindow, control) : clWindow);
    canvas->FrameRect(Shrunk(rect, 1));
}

void DrawFormBackground(TCanvas* canvas, const TRect& rect, const TControl* control)
{
    if (UsesCustomStyle(control) && Themed(control))
        Services(control)->DrawElement(canvas->Handle(), TCustomStyleServices::GetElementDetails(teWindow, 0, 0),
                                       rect);
    else
        Fill(canvas, rect, clBtnFace);
}

void DrawItemProgressBar(TCanvas* canvas, const TRect& rect, int minimum, const TControl* control, int position,
                         int maximum)
{
    const double f =
        minimum == maximum || position < minimum ? 0 : double(position - minimum) / double(maximum - minimum);
    TRect inner = Shrunk(rect, 1);
    inner.Right = inner.Left + static_cast<int>(Round((rect.Width() - 2) * f));
    const HDC dc = canvas->Handle();
    const int saved = SaveDC(dc);
    if (Themed(control)) {
        DrawThemed(canvas, rect, control, tpBar);
        if (inner.Width() > 0)
            DrawThemed(canvas, inner, control, tpChunk);
    } else {
        SelectObject(dc, GetStockObject(DC_PEN));
        SetDCPenColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        ::Rectangle(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
        if (inner.Width() > 0) {
            HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
            RECT r = ToWinRect(inner);
            FillRect(dc, &r, green);
            DeleteObject(green);
        }
    }
    RestoreDC(dc, saved);
}

void DrawTabButton(TCanvas* canvas, TRect rect, TscsCtrlState state, const TControl* control)
{
    if (state == scsPressed)
        state = scsFocused;
    if (state == scsFocused)
        rect.Bottom += 2;
    else if (!Themed(control))
        rect.Top += 2;
    if (state == scsDisabled)
        DrawTabItemAlpha(canvas, rect, 150, control);
    else
        DrawTabItem(canvas, rect, state, control);
}

void DrawTabItem(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control)
{
    if (Themed(control)) {
        const int saved = SaveDC(canvas->Handle());
        DrawThemed(canvas, rect, control,
                   state == scsFocused ? ttTabItemSelected : state == scsHot ? ttTabItemHot : ttTabItemNormal);
        RestoreDC(canvas->Handle(), saved);
        return;
    }
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap bitmap;
    bitmap.SetSize(w, h);
    TCanvas* c = bitmap.Canvas();
    Fill(c, Rect(0, 0, w, h), clBtnFace);
    // Two rings open at the bottom: light on the left and top, dark on the right.
    auto ring = [&](int inset, TColor light, TColor dark) {
        c->Pen()->SetColor(light);
        c->MoveTo(inset, h);
        c->LineTo(inset, inset);
        c->LineTo(w - 1 - inset, inset);
        c->Pen()->SetColor(dark);
        c->MoveTo(w - 1 - inset, inset);
        c->LineTo(w - 1 - inset, h);
    };
    ring(0, clBtnHighlight, cl3DDkShadow);
    ring(1, cl3DLight, clBtnShadow);
    canvas->Draw(rect.Left, rect.Top, &bitmap);
}

void DrawTabItemAlpha(TCanvas* canvas, const TRect& rect, Byte alpha, const TControl* control)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    auto bitmap = MakeBitmap32(rect.Width(), rect.Height());
    if ((Themed(control) && !IsWindowsXP()) || UsesCustomStyle(control)) {
        DrawElementWithAlpha(bitmap.get(), control, TCustomStyleServices::GetElementDetails(ttTabItemNormal));
    } else {
        // Without themes a disabled tab is not drawn.
        FillBitmapPixels(bitmap.get(), 0);
    }
    DrawBitmapAlpha(bitmap.get(), canvas, rect.Left, rect.Top, alpha);
}

// ---------------------------------------------------------------------------------------------

TColor GetButtonTextColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return PlainTextColor(state);
    return ValidState(state) ? ElementTextColor(control, TCustomStyleServices::GetElementDetails(PushButton[state]),
                                                clBtnFace)
                             : clBtnFace;
}

TColor GetToolButtonTextColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return PlainTextColor(state);
    return ValidState(state) ? ElementTextColor(control, TCustomStyleServices::GetElementDetails(ToolButton[state]),
                                                clBtnFace)
                             : clBtnFace;
}

TColor GetCheckBoxTextColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return PlainTextColor(state);
    constexpr TByState<TThemedButton> elements{tbCheckBoxUncheckedNormal, tbCheckBoxUncheckedHot,
                                               tbCheckBoxUncheckedPressed, tbCheckBoxUncheckedHot,
                                               tbCheckBoxUncheckedDisabled};
    return ValidState(state)
               ? ElementTextColor(control, TCustomStyleServices::GetElementDetails(elements[state]), clBtnText)
               : clBtnText;
}

TColor GetHeaderSectionTextColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return PlainTextColor(state);
    if (state == scsDisabled)
        return ElementTextColor(control, TCustomStyleServices::GetElementDetails(tbCheckBoxUncheckedDisabled),
                                clBtnFace);
    const TThemedGrid element = state == scsHot ? tgFixedCellHot : state == scsPressed ? tgFixedCellPressed
                                                                                       : tgFixedCellNormal;
    return ElementTextColor(control, TCustomStyleServices::GetElementDetails(element), clBtnFace);
}

TColor GetTabTextColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return PlainTextColor(state);
    constexpr TByState<TThemedTab> elements{ttTabItemNormal, ttTabItemHot, ttTabItemNormal, ttTabItemSelected,
                                            ttTabItemDisabled};
    return ValidState(state)
               ? ElementTextColor(control, TCustomStyleServices::GetElementDetails(elements[state]), clBtnFace)
               : clBtnFace;
}

TColor GetTabButtonTextColor(TscsCtrlState state, const TControl* control)
{
    return GetTabTextColor(state == scsPressed ? scsFocused : state, control);
}

TColor GetCaptionTextColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return state == scsDisabled ? clInactiveCaptionText : clCaptionText;
    return ElementTextColor(
        control, TCustomStyleServices::GetElementDetails(state == scsDisabled ? twCaptionInactive : twCaptionActive),
        clBtnText);
}

TColor GetEditColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return clWindow;
    return Services(control)->GetStyleColor(state == scsNormal ? scEdit : scEditDisabled);
}

TColor GetEditFontColor(TscsCtrlState state, const TControl* control)
{
    if (!UsesCustomStyle(control))
        return state == scsDisabled ? clGrayText : clWindowText;
    return Services(control)->GetStyleFontColor(state == scsNormal ? sfEditBoxTextNormal : sfEditBoxTextDisabled);
}

TColor GetSelectionTextColor(const TControl* control)
{
    const bool custom = UsesCustomStyle(control);
    if (!Themed(control) || (IsWindowsXP() && !custom))
        return clHighlightText;
    if (IsWindows11() && !custom)
        return clWindowText;
    return ElementTextColor(control, TCustomStyleServices::GetElementDetails(tgCellSelected), clHighlightText);
}
