#pragma once
// The control hierarchy: TControl (windowless or not), TWinControl (a window of its own),
// TCustomControl (a window with a canvas) and TGraphicControl (painted by its parent); layout
// (alignment, margins, anchors, constraints), focus within a form, mouse and keyboard.
#include "WinApiNames.h"

#include <memory>
#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "Messages.h"
#include "Startup.h"
#include "Types.h"

class TWinControl;
class TCustomForm;
class TStyleHook;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;

TAVIN_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
TAVIN_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
TAVIN_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
TAVIN_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
TAVIN_ENUM(TVerticalAlignment, taAlignTop, taAlignBottom, taVerticalCenter)
TAVIN_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
TAVIN_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble, ssTouch, ssPen)
using TShiftState = TSet<TShiftStateItem>;
TAVIN_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csClickEvents, csFramed, csSetCaption,
           csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoStdEvents, csReplicatable,
           csParentBackground, csNeedsBorderPaint, csOverrideStylePaint)
using TControlStyle = TSet<TControlStyleItem>;
TAVIN_ENUM(TControlStateItem, csLButtonDown, csClicked, csReadingState, csAlignmentNeeded, csFocusing,
           csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csRecreating, csAligning)
using TControlState = TSet<TControlStateItem>;
TAVIN_ENUM(TStyleElement, seFont, seClient, seBorder)
using TStyleElements = TSet<TStyleElement>;
TAVIN_ENUM(THelpType, htKeyword, htContext)
// dmAutomatic: a left press on the control starts dragging it.
TAVIN_ENUM(TDragMode, dmManual, dmAutomatic)
TAVIN_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
TAVIN_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
// The border of a control: bsNone or bsSingle.
using TBorderStyle = TFormBorderStyle;

// Cursor numbers of the screen's cursor list (negative: the system's cursors).
using TCursor = short;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, Char&>;
// Asked while a drag passes over the control: the dragged control (source), the pointer in client
// coordinates, and whether the control would take the drop (it starts true).
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
// The drop of the dragged control (source) at a client point.
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
// Asked before a size the user drags to: the new width and height, and whether to take them.
using TCanResizeEvent = TEvent<TObject*, int&, int&, bool&>;
// The procedure a control's messages go through (WindowProc); WndProc unless replaced.
using TWndMethod = TEvent<TMessage&>;

// The shift state of a mouse message's key flags, or of the keyboard now.
TShiftState ShiftStateOfKeys(WPARAM keys);
TShiftState KeyboardShiftState();
// ssTouch or ssPen when a mouse message's extra information (GetMessageExtraInfo) carries the
// signature the system gives mouse messages it made up from a touch or a pen; else empty.
TShiftState ShiftStateOfInputSource(LPARAM extraInfo);

// Space kept around a control aligned with margins (AlignWithMargins).
class TMargins : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TMargins, TPersistent)
public:
    explicit TMargins(int initial = 3) : FLeft(initial), FTop(initial), FRight(initial), FBottom(initial) {}
    int Left() const { return FLeft; }
    void SetLeft(int v) { Set(FLeft, v); }
    int Top() const { return FTop; }
    void SetTop(int v) { Set(FTop, v); }
    int Right() const { return FRight; }
    void SetRight(int v) { Set(FRight, v); }
    int Bottom() const { return FBottom; }
    void SetBottom(int v) { Set(FBottom, v); }
    void SetBounds(int left, int top, int right, int bottom);
    void Assign(const TPersistent* source) override;
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }

private:
    void Set(int& field, int value);
    int FLeft, FTop, FRight, FBottom;
    TNotifyEvent FOnChange;
};

// Space kept inside a container around its aligned children.
class TPadding : public TMargins {
    TAVIN_CLASS(TPadding, TMargins)
public:
    TPadding() : TMargins(0) {}
};

// Limits of a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TSizeConstraints, TPersistent)
public:
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int v) { Set(FMinWidth, v); }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int v) { Set(FMinHeight, v); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int v) { Set(FMaxWidth, v); }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int v) { Set(FMaxHeight, v); }
    void Assign(const TPersistent* source) override;
    // Clamps a proposed size.
    void Apply(int& width, int& height) const;
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }

private:
    void Set(int& field, int value);
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
    TNotifyEvent FOnChange;
};

// ---------------------------------------------------------------------------------------------

class TControl : public TComponent {
    TAVIN_PUBLISHED_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // Messages: WindowProc (replaceable) receives every message; WndProc is the class chain.
    TWndMethod WindowProc() const { return FWindowProc; }
    void SetWindowProc(TWndMethod proc) { FWindowProc = proc; }
    virtual void WndProc(TMessage& message);
    // What happens to a message no class handled.
    virtual void DefaultHandler(TMessage& message);
    // Sends a message straight to WindowProc (windowless controls have no window to send it to).
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return FLeft; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    int Top() const { return FTop; }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    int Width() const { return FWidth; }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }

    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int ClientWidth() const { return ClientRect().Right; }
    virtual void SetClientWidth(int v);
    int ClientHeight() const { return ClientRect().Bottom; }
    virtual void SetClientHeight(int v);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    bool AlignWithMargins() const { return FAlignWithMargins; }
    void SetAlignWithMargins(bool value);
    TMargins* Margins() const { return FMargins.get(); }
    void SetMargins(TMargins* value) { FMargins->Assign(value); }
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(TSizeConstraints* value) { FConstraints->Assign(value); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value);
    // Right-to-left as the platform does it: reading order, alignment of text, scroll bar side.
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    bool UseRightToLeftScrollBar() const { return FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign; }
    // DrawText flags for this control's reading order and (mirrored) alignment.
    UINT DrawTextBiDiModeFlags(UINT flags) const;
    TAlignment MirroredAlignment(TAlignment alignment) const;

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& value) { FHint = value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    const String& HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const String& value) { FHelpKeyword = value; }
    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType value) { FHelpType = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    // Opened by a right click, Shift+F10 or the menu key over the control; not owned.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    TStyleElements StyleElements() const { return FStyleElements; }
    void SetStyleElements(TStyleElements value);
    const String& StyleName() const { return FStyleName; }
    // A name that no registered style has leaves the control in its parent's (or the active) style.
    void SetStyleName(const String& value);
    // Whether a custom style (not the system style) paints this control.
    bool IsCustomStyleActive() const;

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    // The text of the control (Caption and Text are the same value).
    String Caption() const { return GetText(); }
    void SetCaption(const String& value) { SetText(value); }
    String Text() const { return GetText(); }
    void SetText(const String& value);

    // Scaling: ScaleFactor is the product of the scalings applied so far.
    double ScaleFactor() const { return FScaleFactor; }
    void ScaleBy(int m, int d) { ChangeScale(m, d, false); }
    virtual void ScaleForPPI(int newPPI);
    int CurrentPPI() const { return FCurrentPPI; }

    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual bool Showing() const;

    // The action whose caption, state and OnExecute the control shows; not owned.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* value);
    TControlActionLink* ActionLink() const { return FActionLink.get(); }
    // Lets the linked action update the control now.
    void InitiateAction();

    // Dragging the control onto another: the control under the pointer is asked whether it takes
    // the drop (DragOver) and gets it (DragDrop) when the left button is released over it; losing
    // the mouse capture cancels the drag.
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    // Starts dragging now (immediate), or once the pointer has moved threshold pixels from where
    // it is (-1: the system's drag distance); a release before that is an ordinary click.
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends the control's drag, dropping it on the control under the pointer when drop is true and
    // that control takes it.
    void EndDrag(bool drop);
    bool Dragging() const;
    // A drag over this control: accept starts as whether OnDragOver is assigned, which may change it.
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, int x, int y);
    TDragOverEvent OnDragOver() const { return FOnDragOver; }
    void SetOnDragOver(TDragOverEvent e) { FOnDragOver = e; }
    TDragDropEvent OnDragDrop() const { return FOnDragDrop; }
    void SetOnDragDrop(TDragDropEvent e) { FOnDragDrop = e; }

    // Virtual event handlers: each calls its event. Click runs OnClick when it differs from the
    // linked action's OnExecute, else the action.
    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent e) { FOnClick = e; }
    TNotifyEvent OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(TNotifyEvent e) { FOnDblClick = e; }
    TMouseEvent OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TMouseEvent e) { FOnMouseDown = e; }
    TMouseEvent OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TMouseEvent e) { FOnMouseUp = e; }
    TMouseMoveEvent OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TMouseMoveEvent e) { FOnMouseMove = e; }
    TNotifyEvent OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent e) { FOnMouseEnter = e; }
    TNotifyEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent e) { FOnMouseLeave = e; }
    TNotifyEvent OnResize() const { return FOnResize; }
    void SetOnResize(TNotifyEvent e) { FOnResize = e; }
    TCanResizeEvent OnCanResize() const { return FOnCanResize; }
    void SetOnCanResize(TCanResizeEvent e) { FOnCanResize = e; }

    // The form the control lies on (null when none).
    TCustomForm* GetParentForm() const;

protected:
    friend class TWinControl;
    virtual String GetText() const { return FText; }
    // Stores the text; windowed controls hand it to their window.
    virtual void SetTextBuf(const String& value) { FText = value; }
    virtual void ChangeScale(int m, int d, bool isDpiChange);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    virtual void SetZOrder(bool topMost);
    virtual TControlActionLink* CreateActionLink();
    // The action changed (or was just linked: checkDefaults then keeps values the control set).
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    // Stored rules: a property that only mirrors the linked action is not written with the form.
    bool IsCaptionStored() const;
    bool IsEnabledStored() const;
    bool IsHintStored() const;
    bool IsHelpContextStored() const;
    bool IsVisibleStored() const;
    bool IsOnClickStored() const;
    // Called when the bounds changed (windowed controls move their window).
    virtual void BoundsChanged() {}
    // Asks the parent to lay out its children again after this control changed.
    void RequestAlign();
    // StyleElements changed: shows the control with the elements the style now paints.
    virtual void UpdateStyleElements();
    // The bounds the control had when last placed by its owner, and its parent's client size then.
    void UpdateAnchorRules();
    void Notification(TComponent* component, TOperation operation) override;

    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TWinControl* FParent = nullptr;
    TControlStyle FControlStyle;
    TControlState FControlState;
    String FText;

private:
    void HandleMouse(TMessage& message);
    void FontChanged(TObject*);
    void MarginsChanged(TObject*);
    void ConstraintsChanged(TObject*);
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentBiDiModeChanged();
    void ParentShowHintChanged();

    TWndMethod FWindowProc;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    bool FAlignWithMargins = false;
    std::unique_ptr<TMargins> FMargins;
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    TCursor FCursor = crDefault;
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
    std::unique_ptr<TControlActionLink> FActionLink;
    int FHelpContext = 0;
    String FHelpKeyword;
    THelpType FHelpType = htContext;
    TStyleElements FStyleElements{seFont, seClient, seBorder};
    String FStyleName;
    double FScaleFactor = 1.0;
    int FCurrentPPI = 96;
    // Anchoring: bounds and parent client size when the control was last placed explicitly.
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FAnchorRulesValid = false;
    TNotifyEvent FOnClick, FOnDblClick, FOnMouseEnter, FOnMouseLeave, FOnResize;
    TCanResizeEvent FOnCanResize;
    TMouseEvent FOnMouseDown, FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
    TDragMode FDragMode = dmManual;
    TDragOverEvent FOnDragOver;
    TDragDropEvent FOnDragDrop;
};

// What CM_HINTSHOW hands the control whose hint is about to show; the control may change the
// text and where the hint window goes.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos{};  // the mouse, in the control's client coordinates
    TPoint HintPos{};    // the hint window's top-left, on the screen
    String HintStr;
};

// ---------------------------------------------------------------------------------------------

// What CreateWnd hands to CreateWindowEx; descendants adjust it in CreateParams.
struct TCreateParams {
    String Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    // The system class the window is built on (EDIT, BUTTON...), empty for the framework's own.
    String SystemClassName;
    // The window class name registered for the control.
    String WinClassName;
    UINT WindowClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
    TAVIN_PUBLISHED_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    // A control whose window is a child of a foreign window (no framework parent).
    template <class T>
    static T* CreateParented(HWND parentWindow)
    {
        auto* control = new T(nullptr);
        control->FParentWindow = parentWindow;
        return control;
    }
    ~TWinControl() override;

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    HWND Handle();
    HWND HandleIfAllocated() const { return FHandle; }
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND value) { FParentWindow = value; }
    void RecreateWnd();
    // The control that owns a window made by the framework; null for foreign windows.
    static TWinControl* FindControl(HWND wnd);

    // Children: all (z-order, bottom first) and the windowed ones.
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
    int IndexOfControl(TControl* control) const;
    bool ContainsControl(const TControl* control) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The child at a client point (windowless ones too, topmost first); null when none.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
    void Broadcast(TMessage& message);
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) tab stop after current among this control's descendants; null if none.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    virtual void SetFocus();
    bool Focused() const;
    virtual bool CanFocus() const;
    bool Showing() const override;

    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value);
    bool ParentBackground() const { return FControlStyle.Contains(csParentBackground); }
    void SetParentBackground(bool value);
    TBrush* Brush() const { return FBrush.get(); }
    TPadding* Padding() const { return FPadding.get(); }
    void SetPadding(TPadding* value) { FPadding->Assign(value); }

    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    bool AlignDisabled() const { return FAlignLevel > 0; }
    void Realign();

    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void ScaleForPPI(int newPPI) override;

    // Paints the window's own face and then its windowless children into dc.
    void PaintHandler(HDC dc);
    // Paints the windowless children lying in dc's clip box.
    void PaintControls(HDC dc, TControl* first);

    TNotifyEvent OnEnter() const { return FOnEnter; }
    void SetOnEnter(TNotifyEvent e) { FOnEnter = e; }
    TNotifyEvent OnExit() const { return FOnExit; }
    void SetOnExit(TNotifyEvent e) { FOnExit = e; }
    TKeyEvent OnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(TKeyEvent e) { FOnKeyDown = e; }
    TKeyEvent OnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(TKeyEvent e) { FOnKeyUp = e; }
    TKeyPressEvent OnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(TKeyPressEvent e) { FOnKeyPress = e; }

    // The style hook's entry to the control's own processing of a message.
    void CallOwnWindowProc(TMessage& message);
    // The hook that paints the window in a custom style; null under the system style, without a
    // window, or when the control's class has no hook.
    TStyleHook* StyleHook() const { return FStyleHook.get(); }
    // The hook's constructor raised: the control goes on without a hook, in the system style.
    bool StyleHookFailed() const { return FStyleHookFailed; }

protected:
    friend class TControl;
    friend class TApplication;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Makes the window from the parameters (one call of CreateWindowEx).
    virtual void CreateWindowHandle(const TCreateParams& params);
    // Called once the window exists: hands it the text, font and state the control holds.
    virtual void CreateHandleState() {}
    virtual void DestroyWnd();
    // Saves what only the window knows (text, list items) before it is destroyed.
    virtual void SaveHandleState() {}
    void DestroyHandle();
    void UpdateShowing();
    void BoundsChanged() override;
    void UpdateStyleElements() override;
    void SetTextBuf(const String& value) override;
    String GetText() const override;
    void SetZOrder(bool topMost) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    // Lays out the aligned and anchored children inside rect.
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void PaintWindow(HDC dc);
    // Fills the background; result true when painted.
    virtual bool EraseBackground(HDC dc);
    void DoEnter();
    void DoExit();
    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyUp(Word& key, TShiftState shift);
    virtual void KeyPress(Char& key);
    // A mouse click would move the focus here: the focus moves first and the click is dropped
    // when the focus did not stay (a failing exit check).
    bool FocusBeforeClick() const { return FFocusBeforeClick; }
    void SetFocusBeforeClick(bool value) { FFocusBeforeClick = value; }
    // Colours a system control's window (WM_CTLCOLOR...): font colour and background brush.
    virtual LRESULT ControlColor(HDC dc);
    void Loaded() override;

    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = nullptr;

private:
    friend void SetCaptureControl(TControl* control);
    friend LRESULT CALLBACK TavinWindowProc(HWND, UINT, WPARAM, LPARAM);
    void MainWndProc(TMessage& message);
    void HandleKeyMessages(TMessage& message, bool& handled);
    // A short cut of a menu or the context-menu key: runs it and answers true.
    bool IsMenuKey(const TMessage& message);
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);
    void HandleChildMouse(TMessage& message, bool& handled);
    void TrackMouse(TControl* target);
    void PaintMessage(TMessage& message);
    void ReflectToChild(TMessage& message, HWND child);
    // Gives the window the hook its class has in the control's style now (or none).
    void UpdateStyleHook();
    void ReleaseStyleHook();
    void AlignChildren();
    void UpdateChildrenTabOrder();

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    HWND FParentWindow = nullptr;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    bool FFocusBeforeClick = false;
    int FAlignLevel = 0;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TPadding> FPadding;
    std::unique_ptr<TStyleHook> FStyleHook;
    // Hooks replaced while one of them was handling a message; freed once none is.
    std::vector<std::unique_ptr<TStyleHook>> FRetiredStyleHooks;
    int FStyleHookCalls = 0;
    bool FStyleHookFailed = false;
    TNotifyEvent FOnEnter, FOnExit;
    TKeyEvent FOnKeyDown, FOnKeyUp;
    TKeyPressEvent FOnKeyPress;
};

// A window of the framework's own class with a canvas to paint on in Paint.
class TCustomControl : public TWinControl {
    TAVIN_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// A windowless control painted by its parent through WM_PAINT with the parent's DC.
class TGraphicControl : public TControl {
    TAVIN_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const { return FCanvas.get(); }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// The control under the mouse (for CM_MOUSEENTER/CM_MOUSELEAVE) and the one holding the capture.
TControl* MouseControl();
TControl* CaptureControl();
void SetCaptureControl(TControl* control);
// Drops a control that goes away from the mouse tracking (and ends a drag it takes part in).
void ForgetMouseControl(TControl* control);
// The mouse and capture messages of a control while a drag of its own runs: true when the drag
// took the message (the control then does not see it).
bool HandleDragMessage(TControl* control, TMessage& message);
void ForgetDragControl(TControl* control);
// The control at a screen point: the framework window there, or its windowless child under the
// point; null when the point is over no framework window. Disabled windowless children count when
// allowDisabled.
TControl* FindDragTarget(TPoint pos, bool allowDisabled);
// Does the caption's accelerator (the letter after '&') match the key?
bool IsAccel(Char key, const String& caption);

// Registers the control classes and the cursor names with the class registry.
void ControlsUnitInitialize();
void ControlsUnitFinalize();
inline constexpr TUnitStep ControlsUnit{"Controls", &ControlsUnitInitialize, &ControlsUnitFinalize};
