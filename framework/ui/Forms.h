#pragma once
// Forms (from the form resource of their class), frames, scrolling controls, the application object
// with its message loop and default exception handler, the screen, and the hint window.
#include <algorithm>
#include <exception>
#include <functional>

#include "Controls.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Streaming.h"

TAVIN_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
TAVIN_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
TAVIN_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
           poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
TAVIN_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
TAVIN_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
TAVIN_ENUM(TTileMode, tbHorizontal, tbVertical)

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO, mrClose = 8, mrHelp = 9,
                       mrTryAgain = 10, mrContinue = 11, mrAll = 12, mrNoToAll = 13, mrYesToAll = 14;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TExceptionEvent = TEvent<TObject*, const Exception&>;
using TMessageEvent = TEvent<MSG&, bool&>;

class TMonitor;

class TCustomForm : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TCustomForm, TWinControl)
public:
    // A form without a form resource (CreateNew); CreateForm<T> reads the resource of T.
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    void WndProc(TMessage& message) override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    // The menu bar; not owned.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value);
    // Runs a short cut of the menu bar or of the form's action lists; false when none has the key.
    virtual bool IsShortCut(const TMessage& message);
    // Lets the form's action lists and the menu bar's items update from their actions.
    virtual void UpdateActions();

    // MDI. An fsMDIForm frame holds its children in a client window (ClientHandle) and shows its
    // menu bar merged with the active child's menu; WindowMenu lists the children.
    HWND ClientHandle() const { return FClientHandle; }
    int MDIChildCount() const { return static_cast<int>(MDIChildList().size()); }
    TCustomForm* MDIChildren(int index) const { return MDIChildList().at(static_cast<size_t>(index)); }
    TCustomForm* ActiveMDIChild() const;
    TMenuItem* WindowMenu() const { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* value);
    TTileMode TileMode() const { return FTileMode; }
    void SetTileMode(TTileMode value) { FTileMode = value; }
    void Tile();
    void Cascade();
    void ArrangeIcons();
    void Next();
    void Previous();
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }
    // The resolution the form was designed at (resource) and is laid out for now.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value);
    // Before the window exists (while loading) the client size is kept and the frame added later.
    void SetClientWidth(int value) override;
    void SetClientHeight(int value) override;
    TRect ClientRect() const override;

    // The control that has (or will get) the focus within the form.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Moves the focus to control: exit and enter notifications run on the way.
    void FocusControl(TWinControl* control);
    // Called by a control that received the window focus; false when an exit handler moved the
    // focus elsewhere meanwhile.
    bool SetFocusedControl(TWinControl* control);
    bool Active() const { return FActive; }

    void Show();
    void Close();
    // Shows the form modally: runs the loop until ModalResult is set or the form closes.
    virtual int ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Frees the form once the messages already queued have been handled.
    void Release();
    bool CloseQuery();
    TMonitor* Monitor() const;
    void SetFocus() override;

    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);

    // Reads the form resources of the form's class and its ancestors, then runs OnCreate.
    // Raises EResNotFound when a class derived from TForm has no resource.
    void InitFromResource(TClass rootAncestor);
    void DoCreate();

    TNotifyEvent OnCreate() const { return FOnCreate; }
    void SetOnCreate(TNotifyEvent e) { FOnCreate = e; }
    TNotifyEvent OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(TNotifyEvent e) { FOnDestroy = e; }
    TNotifyEvent OnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent e) { FOnShow = e; }
    TNotifyEvent OnHide() const { return FOnHide; }
    void SetOnHide(TNotifyEvent e) { FOnHide = e; }
    TNotifyEvent OnActivate() const { return FOnActivate; }
    void SetOnActivate(TNotifyEvent e) { FOnActivate = e; }
    TNotifyEvent OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(TNotifyEvent e) { FOnDeactivate = e; }
    TNotifyEvent OnPaint() const { return FOnPaint; }
    void SetOnPaint(TNotifyEvent e) { FOnPaint = e; }
    TCloseEvent OnClose() const { return FOnClose; }
    void SetOnClose(TCloseEvent e) { FOnClose = e; }
    TCloseQueryEvent OnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(TCloseQueryEvent e) { FOnCloseQuery = e; }

    TCanvas* Canvas() const { return FCanvas.get(); }

    // Its controls, then, when it is the root written, the components it owns that have no parent
    // (menus, action lists): a form written to a stream keeps them.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void DefaultHandler(TMessage& message) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void PaintWindow(HDC dc) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    virtual void DoClose(TCloseAction& action);
    // The form is being hidden: runs OnHide (descendants add their own work after it).
    virtual void DoHide();
    void UpdateShowingForm();

private:
    void PlaceOnShow();
    void DialogKey(TMessage& message);
    bool MenuMessage(TMessage& message);
    // The frame an MDI child lives in; null for other forms.
    TCustomForm* MDIFrame() const;
    std::vector<TCustomForm*> MDIChildList() const;
    void CreateClientWindow();
    // Shows the frame's menu bar merged with child's menu (none: the frame's own).
    void MergeChildMenu(TCustomForm* child);
    bool MDIMessage(TMessage& message);
    void Activated(bool active);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDefaultPosOnly;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    bool FScaled = true;
    int FPixelsPerInch = 96;
    int FPendingClientWidth = 0, FPendingClientHeight = 0;
    TMainMenu* FMenu = nullptr;
    TMenuItem* FWindowMenu = nullptr;
    HWND FClientHandle = nullptr;
    TTileMode FTileMode = tbHorizontal;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    int FFocusCount = 0;
    bool FActive = false;
    bool FShown = false;
    bool FInModal = false;
    TModalResult FModalResult = mrNone;
    std::unique_ptr<TCanvas> FCanvas;
    TNotifyEvent FOnCreate, FOnDestroy, FOnShow, FOnHide, FOnActivate, FOnDeactivate, FOnPaint;
    TCloseEvent FOnClose;
    TCloseQueryEvent FOnCloseQuery;
};

class TForm : public TCustomForm {
    TAVIN_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};

class TScrollingWinControl;

// One scroll bar of a scrolling control: Range is the extent of the content (0 or less than the
// client size: no bar), Position how far it is scrolled.
class TControlScrollBar : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TControlScrollBar, TPersistent)
public:
    TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind);
    TScrollBarKind Kind() const { return FKind; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = std::max(1, value); }
    int Range() const { return FRange; }
    void SetRange(int value);
    // Kept within 0..Range - the client size; a change scrolls the content.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Whether dragging the thumb scrolls at once or only when it is let go.
    bool Tracking() const { return FTracking; }
    void SetTracking(bool value) { FTracking = value; }
    bool IsScrollBarVisible() const;
    void Assign(const TPersistent* source) override;

private:
    friend class TScrollingWinControl;
    int ClientSize() const;
    int MaxPosition() const { return std::max(0, FRange - ClientSize()); }
    void Update();
    void ScrollMessage(WPARAM request);

    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    int FIncrement = 8;
    int FRange = 0;
    int FPosition = 0;
    bool FVisible = true;
    bool FTracking = false;
};

// A control whose children may extend past its client area, scrolled with its scroll bars. With
// AutoScroll the ranges follow the children's extent.
class TScrollingWinControl : public TWinControl {
    TAVIN_CLASS(TScrollingWinControl, TWinControl)
public:
    explicit TScrollingWinControl(TComponent* owner);
    ~TScrollingWinControl() override;
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    void SetHorzScrollBar(TControlScrollBar* value) { FHorzScrollBar->Assign(value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    void SetVertScrollBar(TControlScrollBar* value) { FVertScrollBar->Assign(value); }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value);
    // Moves every child by (dx, dy).
    void ScrollBy(int dx, int dy);
    void AlignControls(TControl* control, TRect& rect) override;
    void WndProc(TMessage& message) override;

private:
    friend class TControlScrollBar;
    void UpdateScrollBars();

    std::unique_ptr<TControlScrollBar> FHorzScrollBar, FVertScrollBar;
    bool FAutoScroll = true;
    bool FUpdatingScrollBars = false;
};

class TScrollBox : public TScrollingWinControl {
    TAVIN_PUBLISHED_CLASS(TScrollBox, TScrollingWinControl)
public:
    explicit TScrollBox(TComponent* owner);
    // bsSingle (a sunken edge) or bsNone.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TFormBorderStyle FBorderStyle = bsSingle;
};

// A reusable group of controls with its own form resource, placed on a form.
class TFrame : public TCustomControl {
    TAVIN_CLASS(TFrame, TCustomControl)
public:
    explicit TFrame(TComponent* owner);
    // Reads the resource of the frame's class (EResNotFound when it has none).
    void InitFromResource();
};

// Creates a form of class T and reads its form resource (T derives from TForm).
template <class T>
T* CreateForm(TComponent* owner)
{
    auto* form = new T(owner);
    try {
        form->InitFromResource(TForm::StaticClass());
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

// ---------------------------------------------------------------------------------------------

class TMonitor : public TObject {
    TAVIN_CLASS(TMonitor, TObject)
public:
    explicit TMonitor(HMONITOR handle) : FHandle(handle) {}
    HMONITOR Handle() const { return FHandle; }
    TRect BoundsRect() const;
    TRect WorkareaRect() const;
    bool Primary() const;
    // The monitor's effective resolution (96 where the system cannot tell).
    int PixelsPerInch() const;

private:
    HMONITOR FHandle;
};

class TScreen : public TComponent {
    TAVIN_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int index) const { return FForms.at(static_cast<size_t>(index)); }
    int MonitorCount() const;
    TMonitor* Monitors(int index) const;
    TMonitor* MonitorFromWindow(HWND wnd) const;
    TMonitor* MonitorFromPoint(TPoint p) const;
    TRect WorkAreaRect() const;
    int PixelsPerInch() const;
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    HCURSOR Cursors(TCursor cursor) const;
    TStrings* Fonts() const;
    TFont* HintFont() const { return FHintFont.get(); }
    TFont* MenuFont() const { return FMenuFont.get(); }

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void MonitorsNeeded() const;

    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    mutable std::vector<std::unique_ptr<TMonitor>> FMonitors;
    mutable std::unique_ptr<TStringList> FFonts;
    std::unique_ptr<TFont> FHintFont, FMenuFont;
};

// A small popup window that shows a hint text.
class THintWindow : public TCustomControl {
    TAVIN_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(TComponent* owner);
    // Shows the text in the screen rectangle (from CalcHintRect, moved where it belongs).
    virtual void ActivateHint(TRect rect, const String& text);
    void ReleaseHandle() { DestroyHandle(); }
    // The size the text needs, at the origin.
    virtual TRect CalcHintRect(int maxWidth, const String& text);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

// The class of the window the application shows control hints in: THintWindow or a descendant
// (a component family may put its own in place). The application makes its window anew when
// the class changed since the last hint.
extern TClass HintWindowClass;

class TApplication : public TComponent {
    TAVIN_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    void Initialize() {}
    // A hidden window that owns the forms when the main form is not the taskbar window.
    HWND Handle() const { return FHandle; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool value) { FMainFormOnTaskBar = value; }
    TCustomForm* MainForm() const { return FMainForm; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }

    // Creates a form of class T from its form resource; the first one becomes the main form.
    template <class T>
    void CreateForm(T*& reference)
    {
        reference = ::CreateForm<T>(this);
        if (!FMainForm)
            FMainForm = reference;
    }
    // Shows the main form and runs the loop until it closes or Terminate is called.
    void Run();
    void ProcessMessages();
    // Handles one message; with none waiting, runs the idle work and waits for one.
    void HandleMessage();
    // The idle work: the actions of the forms on screen update.
    void DoApplicationIdle();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // The handler of every exception reaching the loop: EAbort passes silently, others go to
    // OnException or ShowException. Releases any mouse capture the exception left behind.
    void HandleException(TObject* sender);
    void ShowException(const Exception& e);

    // There is no help system: the topic asked for is recorded and false (not shown) returned.
    bool HelpContext(int context)
    {
        FLastHelpContext = context;
        return false;
    }
    int LastHelpContext() const { return FLastHelpContext; }

    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int value) { FHintPause = value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int value) { FHintHidePause = value; }
    // The control whose hint is pending or shown; CancelHint hides the hint and forgets it.
    TControl* HintControl() const { return FHintControl; }
    void CancelHint();

    // The hint of what is pointed at: a menu item's while it is selected in an open menu (empty once
    // the menu closes). OnHint runs when it changes, for a status line to show it.
    const String& Hint() const { return FHint; }
    void SetHint(const String& value);
    TNotifyEvent OnHint() const { return FOnHint; }
    void SetOnHint(TNotifyEvent e) { FOnHint = e; }

    // Every action passes here after its action list's handler and before its own: true when the
    // handler set Handled.
    bool ExecuteAction(TBasicAction* action);
    bool UpdateAction(TBasicAction* action);
    TActionEvent OnActionExecute() const { return FOnActionExecute; }
    void SetOnActionExecute(TActionEvent e) { FOnActionExecute = e; }
    TActionEvent OnActionUpdate() const { return FOnActionUpdate; }
    void SetOnActionUpdate(TActionEvent e) { FOnActionUpdate = e; }

    TMessageEvent OnMessage() const { return FOnMessage; }
    void SetOnMessage(TMessageEvent e) { FOnMessage = e; }
    TExceptionEvent OnException() const { return FOnException; }
    void SetOnException(TExceptionEvent e) { FOnException = e; }

private:
    friend class TCustomForm;
    friend LRESULT CALLBACK ApplicationWindowProc(HWND, UINT, WPARAM, LPARAM);
    bool ProcessMessage(MSG& msg);
    bool IsKeyMsg(MSG& msg);
    // Ctrl+F4, Ctrl+F6 and Ctrl+Tab of an MDI frame's active child.
    bool IsMDIMsg(MSG& msg);
    // Hints: the control under a resting mouse shows its Hint after HintPause.
    void HintMouseMessage(const MSG& msg);
    void ShowHintNow();

    HWND FHandle = nullptr;
    bool FMainFormOnTaskBar = false;
    TCustomForm* FMainForm = nullptr;
    String FTitle;
    bool FTerminated = false;
    bool FShowHint = true;
    int FLastHelpContext = 0;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    TControl* FHintControl = nullptr;
    THintWindow* FHintWindow = nullptr;
    String FHint;
    TNotifyEvent FOnHint;
    TActionEvent FOnActionExecute, FOnActionUpdate;
    TMessageEvent FOnMessage;
    TExceptionEvent FOnException;
};

extern TApplication* Application;
extern TScreen* Screen;

// Ends the program at once with the exit code: unit finalisations run, close events do not.
[[noreturn]] void Halt(int exitCode);
// The unit table the program runs (Halt finalises it).
void SetHaltUnits(TUnitStartup* startup);

void FormsUnitInitialize();
void FormsUnitFinalize();
inline constexpr TUnitStep FormsUnit{"Forms", &FormsUnitInitialize, &FormsUnitFinalize};
