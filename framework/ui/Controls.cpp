// TControl: bounds, parent, inherited properties (font, colour, bidi mode, hints), mouse and
// the message chain shared by windowless and windowed controls.
#include "Controls.h"

#include <algorithm>

#include "ActnList.h"
#include "Forms.h"
#include "Menus.h"
#include "Streaming.h"
#include "Themes.h"

TShiftState ShiftStateOfKeys(WPARAM keys)
{
    TShiftState s;
    if (keys & MK_SHIFT)
        s.Include(ssShift);
    if (keys & MK_CONTROL)
        s.Include(ssCtrl);
    if (keys & MK_LBUTTON)
        s.Include(ssLeft);
    if (keys & MK_RBUTTON)
        s.Include(ssRight);
    if (keys & MK_MBUTTON)
        s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        s.Include(ssAlt);
    return s;
}

TShiftState ShiftStateOfInputSource(LPARAM extraInfo)
{
    // The upper 24 bits mark a pen or touch source; bit 7 tells touch from pen.
    constexpr ULONG_PTR signatureMask = 0xFFFFFF00, penOrTouchSignature = 0xFF515700, touchFlag = 0x80;
    const auto info = static_cast<ULONG_PTR>(extraInfo);
    if ((info & signatureMask) != penOrTouchSignature)
        return {};
    return info & touchFlag ? TShiftState{ssTouch} : TShiftState{ssPen};
}

TShiftState KeyboardShiftState()
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        s.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0)
        s.Include(ssAlt);
    return s;
}

bool IsAccel(Char key, const String& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return UpperCase(String(1, caption[i + 1])) == UpperCase(String(1, key));
    }
    return false;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TMargins)
{
    TAVIN_PROPERTY(int, Left).Default(3);
    TAVIN_PROPERTY(int, Top).Default(3);
    TAVIN_PROPERTY(int, Right).Default(3);
    TAVIN_PROPERTY(int, Bottom).Default(3);
}

void TMargins::Set(int& field, int value)
{
    if (field == value)
        return;
    field = value;
    FOnChange(this);
}

void TMargins::SetBounds(int left, int top, int right, int bottom)
{
    FLeft = left;
    FTop = top;
    FRight = right;
    FBottom = bottom;
    FOnChange(this);
}

void TMargins::Assign(const TPersistent* source)
{
    if (auto* m = dynamic_cast<const TMargins*>(source))
        SetBounds(m->FLeft, m->FTop, m->FRight, m->FBottom);
    else
        TPersistent::Assign(source);
}

TAVIN_PUBLISHED(TSizeConstraints)
{
    TAVIN_PROPERTY(int, MaxHeight).Default(0);
    TAVIN_PROPERTY(int, MaxWidth).Default(0);
    TAVIN_PROPERTY(int, MinHeight).Default(0);
    TAVIN_PROPERTY(int, MinWidth).Default(0);
}

void TSizeConstraints::Set(int& field, int value)
{
    if (field == value)
        return;
    field = value;
    FOnChange(this);
}

void TSizeConstraints::Assign(const TPersistent* source)
{
    if (auto* c = dynamic_cast<const TSizeConstraints*>(source)) {
        FMinWidth = c->FMinWidth;
        FMinHeight = c->FMinHeight;
        FMaxWidth = c->FMaxWidth;
        FMaxHeight = c->FMaxHeight;
        FOnChange(this);
    } else {
        TPersistent::Assign(source);
    }
}

void TSizeConstraints::Apply(int& width, int& height) const
{
    if (FMaxWidth > 0)
        width = std::min(width, FMaxWidth);
    if (FMaxHeight > 0)
        height = std::min(height, FMaxHeight);
    width = std::max(width, FMinWidth);
    height = std::max(height, FMinHeight);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TControl)
{
    TAVIN_PROPERTY(int, Left);
    TAVIN_PROPERTY(int, Top);
    TAVIN_PROPERTY(int, Width);
    TAVIN_PROPERTY(int, Height);
    TAVIN_PROPERTY(TAlign, Align).Default(alNone);
    TAVIN_PROPERTY(bool, AlignWithMargins).Default(false);
    TAVIN_PROPERTY(TAnchors, Anchors);
    TAVIN_PROPERTY(TMargins*, Margins);
    TAVIN_PROPERTY(TSizeConstraints*, Constraints);
    TAVIN_PROPERTY(bool, Visible).Default(true).Stored(&ThisClass::IsVisibleStored);
    TAVIN_PROPERTY(bool, Enabled).Default(true).Stored(&ThisClass::IsEnabledStored);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(bool, ParentFont);
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(bool, ParentColor);
    TAVIN_PROPERTY(TBiDiMode, BiDiMode);
    TAVIN_PROPERTY(bool, ParentBiDiMode);
    TAVIN_PROPERTY(TCursor, Cursor).Default(crDefault);
    TAVIN_PROPERTY(String, Hint).Stored(&ThisClass::IsHintStored);
    TAVIN_PROPERTY(bool, ShowHint);
    TAVIN_PROPERTY(bool, ParentShowHint);
    TAVIN_PROPERTY(TPopupMenu*, PopupMenu);
    TAVIN_PROPERTY(TBasicAction*, Action);
    TAVIN_PROPERTY(int, HelpContext).Default(0).Stored(&ThisClass::IsHelpContextStored);
    TAVIN_PROPERTY(String, HelpKeyword).Stored(&ThisClass::IsHelpContextStored);
    TAVIN_PROPERTY(THelpType, HelpType).Default(htContext).Stored(&ThisClass::IsHelpContextStored);
    TAVIN_PROPERTY(TStyleElements, StyleElements);
    TAVIN_PROPERTY(String, StyleName);
    TAVIN_PROPERTY(TNotifyEvent, OnClick).Stored(&ThisClass::IsOnClickStored);
    TAVIN_PROPERTY(TNotifyEvent, OnDblClick);
    TAVIN_PROPERTY(TMouseEvent, OnMouseDown);
    TAVIN_PROPERTY(TMouseEvent, OnMouseUp);
    TAVIN_PROPERTY(TMouseMoveEvent, OnMouseMove);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseEnter);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseLeave);
    TAVIN_PROPERTY(TNotifyEvent, OnResize);
    TAVIN_PROPERTY(TDragMode, DragMode).Default(dmManual);
    TAVIN_PROPERTY(TDragOverEvent, OnDragOver);
    TAVIN_PROPERTY(TDragDropEvent, OnDragDrop);
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), FMargins(std::make_unique<TMargins>()), FConstraints(std::make_unique<TSizeConstraints>()),
      FFont(std::make_unique<TFont>())
{
    FWindowProc = MakeHandler<&TControl::WndProc>(this);
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FFont->SetOnChange(MakeHandler<&TControl::FontChanged>(this));
    FMargins->SetOnChange(MakeHandler<&TControl::MarginsChanged>(this));
    FConstraints->SetOnChange(MakeHandler<&TControl::ConstraintsChanged>(this));
}

TControl::~TControl()
{
    ForgetMouseControl(this);
    if (Application && Application->HintControl() == this)
        Application->CancelHint();
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::WndProc(TMessage& message)
{
    if (HandleDragMessage(this, message))
        return;
    switch (message.Msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        HandleMouse(message);
        break;
    case CM_MOUSEENTER:
        FOnMouseEnter(this);
        break;
    case CM_MOUSELEAVE:
        FOnMouseLeave(this);
        break;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_PARENTBIDIMODECHANGED:
        ParentBiDiModeChanged();
        return;
    case CM_HITTEST:
        message.Result = 1;
        return;
    case CM_STYLECHANGED:
        Invalidate();
        return;
    default:
        break;
    }
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message)
{
    // A windowless control answers its text like a window would.
    if (message.Msg == WM_GETTEXTLENGTH)
        message.Result = static_cast<LRESULT>(GetText().size());
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    FWindowProc(m);
    return m.Result;
}

void TControl::HandleMouse(TMessage& message)
{
    TWMMouse m(message);
    TShiftState shift = ShiftStateOfKeys(message.WParam) + ShiftStateOfInputSource(GetMessageExtraInfo());
    auto down = [&](TMouseButton button, bool dbl) {
        if (dbl)
            shift.Include(ssDouble);
        if (button == mbLeft && FControlStyle.Contains(csClickEvents))
            FControlState = FControlState + TControlState{csLButtonDown, csClicked};
        if (FControlStyle.Contains(csCaptureMouse))
            SetCaptureControl(this);
        if (dbl && button == mbLeft)
            DblClick();
        else if (button == mbLeft && FDragMode == dmAutomatic)
            BeginDrag(false);
        MouseDown(button, shift, m.XPos, m.YPos);
    };
    auto up = [&](TMouseButton button) {
        if (CaptureControl() == this)
            SetCaptureControl(nullptr);
        bool clicked = button == mbLeft && FControlState.Contains(csClicked);
        FControlState = FControlState - TControlState{csLButtonDown, csClicked};
        if (clicked && Rect(0, 0, FWidth, FHeight).Contains(Point(m.XPos, m.YPos)))
            Click();
        MouseUp(button, shift, m.XPos, m.YPos);
    };
    switch (message.Msg) {
    case WM_LBUTTONDOWN: down(mbLeft, false); break;
    case WM_LBUTTONDBLCLK: down(mbLeft, true); break;
    case WM_RBUTTONDOWN: down(mbRight, false); break;
    case WM_RBUTTONDBLCLK: down(mbRight, true); break;
    case WM_MBUTTONDOWN: down(mbMiddle, false); break;
    case WM_MBUTTONDBLCLK: down(mbMiddle, true); break;
    case WM_LBUTTONUP: up(mbLeft); break;
    case WM_RBUTTONUP: up(mbRight); break;
    case WM_MBUTTONUP: up(mbMiddle); break;
    default: MouseMove(shift, m.XPos, m.YPos); break;
    }
}

void TControl::DblClick() { FOnDblClick(this); }
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) { FOnMouseDown(this, button, shift, x, y); }
void TControl::MouseMove(TShiftState shift, int x, int y) { FOnMouseMove(this, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) { FOnMouseUp(this, button, shift, x, y); }
void TControl::Resize() { FOnResize(this); }

void TControl::SetParent(TWinControl* parent)
{
    if (FParent == parent)
        return;
    if (parent == this)
        throw EInvalidOperation(u"A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        if (FParentFont)
            ParentFontChanged();
        if (FParentColor)
            ParentColorChanged();
        if (FParentBiDiMode)
            ParentBiDiModeChanged();
        if (FParentShowHint)
            ParentShowHintChanged();
    }
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* parent)
{
    if (auto* p = dynamic_cast<TWinControl*>(parent))
        SetParent(p);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    FConstraints->Apply(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (!FParent || !FParent->ControlState().Contains(csAligning))
        UpdateAnchorRules();
    BoundsChanged();
    if (!dynamic_cast<TWinControl*>(this))
        Invalidate();
    if (resized)
        Resize();
    RequestAlign();
}

void TControl::UpdateAnchorRules()
{
    if (!FParent)
        return;
    FAnchorBounds = BoundsRect();
    TRect client = FParent->ClientRect();
    FAnchorParentSize = {client.Width(), client.Height()};
    FAnchorRulesValid = true;
}

void TControl::RequestAlign()
{
    if (FParent && !FParent->ControlState().Contains(csAligning))
        FParent->Realign();
}

void TControl::SetClientWidth(int v) { SetWidth(FWidth - ClientWidth() + v); }
void TControl::SetClientHeight(int v) { SetHeight(FHeight - ClientHeight() + v); }

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return Point(FLeft, FTop);
    TPoint p = FParent->ClientOrigin();
    return Point(p.X + FLeft, p.Y + FTop);
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint o = ClientOrigin();
    return Point(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint o = ClientOrigin();
    return Point(p.X - o.X, p.Y - o.Y);
}

void TControl::SetAlign(TAlign value)
{
    if (FAlign == value)
        return;
    FAlign = value;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors value)
{
    FAnchors = value;
    UpdateAnchorRules();
}

void TControl::SetAlignWithMargins(bool value)
{
    if (FAlignWithMargins == value)
        return;
    FAlignWithMargins = value;
    RequestAlign();
}

void TControl::MarginsChanged(TObject*)
{
    if (FAlignWithMargins)
        RequestAlign();
}

void TControl::ConstraintsChanged(TObject*)
{
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    if (!dynamic_cast<TWinControl*>(this))
        Invalidate(); // the area it covered
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value);
    if (!dynamic_cast<TWinControl*>(this))
        Invalidate();
    RequestAlign();
}

void TControl::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::FontChanged(TObject*)
{
    FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value)
{
    if (FParentFont == value)
        return;
    FParentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!FParentFont || !FParent)
        return;
    FFont->Assign(FParent->Font());
    FParentFont = true; // Assign reported a change; the font still follows the parent
}

void TControl::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    if (FParentColor == value)
        return;
    FParentColor = value;
    if (value)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!FParentColor || !FParent)
        return;
    SetColor(FParent->Color());
    FParentColor = true;
}

void TControl::SetBiDiMode(TBiDiMode value)
{
    if (FBiDiMode == value)
        return;
    FBiDiMode = value;
    FParentBiDiMode = false;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value)
{
    if (FParentBiDiMode == value)
        return;
    FParentBiDiMode = value;
    if (value)
        ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged()
{
    if (!FParentBiDiMode || !FParent)
        return;
    SetBiDiMode(FParent->BiDiMode());
    FParentBiDiMode = true;
}

TAlignment TControl::MirroredAlignment(TAlignment alignment) const
{
    if (!UseRightToLeftAlignment() || alignment == taCenter)
        return alignment;
    return alignment == taLeftJustify ? taRightJustify : taLeftJustify;
}

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const
{
    if (UseRightToLeftAlignment()) {
        if ((flags & (DT_CENTER | DT_RIGHT)) == 0)
            flags |= DT_RIGHT;
        else if (flags & DT_RIGHT)
            flags &= ~static_cast<UINT>(DT_RIGHT);
    }
    if (UseRightToLeftReading())
        flags |= DT_RTLREADING;
    return flags;
}

void TControl::SetCursor(TCursor value)
{
    if (FCursor == value)
        return;
    FCursor = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool value)
{
    FShowHint = value;
    FParentShowHint = false;
}

void TControl::SetParentShowHint(bool value)
{
    FParentShowHint = value;
    if (value)
        ParentShowHintChanged();
}

void TControl::ParentShowHintChanged()
{
    if (FParentShowHint && FParent)
        FShowHint = FParent->ShowHint();
}

void TControl::SetStyleElements(TStyleElements value)
{
    if (FStyleElements == value)
        return;
    FStyleElements = value;
    UpdateStyleElements();
}

void TControl::UpdateStyleElements() { Invalidate(); }

void TControl::SetStyleName(const String& value)
{
    if (FStyleName == value)
        return;
    FStyleName = value;
    TStyleManager::NotifyStyleChanged(this);
}

bool TControl::IsCustomStyleActive() const { return !StyleServices(this)->IsSystemStyle(); }

void TControl::SetText(const String& value)
{
    if (GetText() == value)
        return;
    SetTextBuf(value);
    Perform(CM_TEXTCHANGED);
}

void TControl::ChangeScale(int m, int d, bool)
{
    if (m == d)
        return;
    FScaleFactor = FScaleFactor * m / d;
    FCurrentPPI = MulDiv(FCurrentPPI, m, d);
    bool parentFont = FParentFont;
    if (!parentFont)
        FFont->SetHeight(MulDiv(FFont->Height(), m, d));
    FParentFont = parentFont;
    FMargins->SetBounds(MulDiv(FMargins->Left(), m, d), MulDiv(FMargins->Top(), m, d),
                        MulDiv(FMargins->Right(), m, d), MulDiv(FMargins->Bottom(), m, d));
    int left = MulDiv(FLeft, m, d), top = MulDiv(FTop, m, d);
    SetBounds(left, top, MulDiv(FLeft + FWidth, m, d) - left, MulDiv(FTop + FHeight, m, d) - top);
}

void TControl::ScaleForPPI(int newPPI)
{
    ChangeScale(newPPI, FCurrentPPI, true);
}

void TControl::Invalidate()
{
    if (!FParent || !FParent->HandleAllocated() || !FVisible)
        return;
    RECT r = ToWinRect(BoundsRect());
    InvalidateRect(FParent->HandleIfAllocated(), &r, !FControlStyle.Contains(csOpaque));
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topMost)
{
    if (!FParent)
        return;
    auto& list = FParent->FControls;
    list.erase(std::find(list.begin(), list.end(), this));
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

bool TControl::Showing() const
{
    return FVisible && FParent && FParent->Showing();
}

TCustomForm* TControl::GetParentForm() const
{
    const TControl* c = this;
    while (c->FParent)
        c = c->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (FPopupMenu == value)
        return;
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value)
        value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FPopupMenu)
        FPopupMenu = nullptr;
    if (operation == opRemove && FActionLink && component == FActionLink->Action())
        FActionLink.reset();
}

void ControlsUnitInitialize()
{
    RegisterIntegerConsts(u"TCursor", {{crDefault, u"crDefault"}, {crNone, u"crNone"}, {crArrow, u"crArrow"},
                                       {crCross, u"crCross"}, {crIBeam, u"crIBeam"}, {crSizeNESW, u"crSizeNESW"},
                                       {crSizeNS, u"crSizeNS"}, {crSizeNWSE, u"crSizeNWSE"}, {crSizeWE, u"crSizeWE"},
                                       {crUpArrow, u"crUpArrow"}, {crHourGlass, u"crHourGlass"}, {crNo, u"crNo"},
                                       {crAppStart, u"crAppStart"}, {crHelp, u"crHelp"},
                                       {crHandPoint, u"crHandPoint"}, {crSizeAll, u"crSizeAll"}});
}

void ControlsUnitFinalize() {}
