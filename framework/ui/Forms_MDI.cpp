// MDI: the frame's client window and its children, the children's windows and activation, and
// the frame's menu bar merged with the active child's menu.
#include <vector>

#include "Forms.h"

namespace {

// The window list of the frame's Window menu: identifiers above every menu item's.
constexpr UINT FirstChildCommand = 0xFF00;

} // namespace

TCustomForm* TCustomForm::MDIFrame() const
{
    if (FFormStyle != fsMDIChild)
        return nullptr;
    if (Application && Application->MainForm() && Application->MainForm()->FormStyle() == fsMDIForm)
        return Application->MainForm();
    for (int i = 0; Screen && i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->FormStyle() == fsMDIForm)
            return Screen->Forms(i);
    return nullptr;
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const
{
    std::vector<TCustomForm*> children;
    for (int i = 0; FClientHandle && i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f->FFormStyle == fsMDIChild && f->FHandle && GetParent(f->FHandle) == FClientHandle &&
            !f->ComponentState().Contains(csDestroying))
            children.push_back(f);
    }
    return children;
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    if (!FClientHandle)
        return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageW(FClientHandle, WM_MDIGETACTIVE, 0, 0));
    return active ? dynamic_cast<TCustomForm*>(FindControl(active)) : nullptr;
}

void TCustomForm::SetWindowMenu(TMenuItem* value)
{
    if (FWindowMenu == value)
        return;
    if (FWindowMenu)
        FWindowMenu->RemoveFreeNotification(this);
    FWindowMenu = value;
    if (value)
        value->FreeNotification(this);
    MergeChildMenu(ActiveMDIChild());
}

void TCustomForm::Tile()
{
    if (FClientHandle)
        SendMessageW(FClientHandle, WM_MDITILE, FTileMode == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::Cascade()
{
    if (FClientHandle)
        SendMessageW(FClientHandle, WM_MDICASCADE, 0, 0);
}

void TCustomForm::ArrangeIcons()
{
    if (FClientHandle)
        SendMessageW(FClientHandle, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next()
{
    if (FClientHandle)
        SendMessageW(FClientHandle, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous()
{
    if (FClientHandle)
        SendMessageW(FClientHandle, WM_MDINEXT, 0, 1);
}

void TCustomForm::CreateClientWindow()
{
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = FWindowMenu ? FWindowMenu->Handle() : nullptr;
    ccs.idFirstChild = FirstChildCommand;
    RECT r;
    GetClientRect(FHandle, &r);
    FClientHandle = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, r.right,
                                    r.bottom, FHandle, nullptr, GetModuleHandleW(nullptr), &ccs);
    if (!FClientHandle)
        throw EOSError(u"Cannot create the MDI client window of " + Name());
}

void TCustomForm::MergeChildMenu(TCustomForm* child)
{
    if (!FMenu || FFormStyle != fsMDIForm)
        return;
    FMenu->Merge(child ? child->FMenu : nullptr);
    if (FClientHandle)
        SendMessageW(FClientHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(FMenu->Handle()),
                     reinterpret_cast<LPARAM>(FWindowMenu ? FWindowMenu->Handle() : nullptr));
    if (FHandle)
        DrawMenuBar(FHandle);
}

void TCustomForm::DestroyWnd()
{
    // The client keeps a list of its children: a child leaves through it.
    TCustomForm* frame = MDIFrame();
    if (FHandle && frame && frame->FClientHandle && GetParent(FHandle) == frame->FClientHandle)
        SendMessageW(frame->FClientHandle, WM_MDIDESTROY, reinterpret_cast<WPARAM>(FHandle), 0);
    TWinControl::DestroyWnd();
    FClientHandle = nullptr;
}

void TCustomForm::DefaultHandler(TMessage& message)
{
    if (FHandle && FFormStyle == fsMDIForm && FClientHandle)
        message.Result = DefFrameProcW(FHandle, FClientHandle, message.Msg, message.WParam, message.LParam);
    else if (FHandle && FFormStyle == fsMDIChild)
        message.Result = DefMDIChildProcW(FHandle, message.Msg, message.WParam, message.LParam);
    else
        TWinControl::DefaultHandler(message);
}

void TCustomForm::AlignControls(TControl* control, TRect& rect)
{
    TWinControl::AlignControls(control, rect);
    // The children live in what the aligned controls leave free.
    if (FClientHandle)
        SetWindowPos(FClientHandle, nullptr, rect.Left, rect.Top, rect.Width(), rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

// The MDI part of a form's messages; true when handled.
bool TCustomForm::MDIMessage(TMessage& message)
{
    if (message.Msg == CM_MENUCHANGED && FFormStyle == fsMDIForm && FClientHandle) {
        // Rebuilding the Window menu removed the client's list of children: the client adds it again.
        SendMessageW(FClientHandle, WM_MDIREFRESHMENU, 0, 0);
        DrawMenuBar(FHandle);
        return true;
    }
    if (message.Msg == WM_MDIACTIVATE && FFormStyle == fsMDIChild) {
        if (TCustomForm* frame = MDIFrame()) {
            if (reinterpret_cast<HWND>(message.LParam) == FHandle)
                frame->MergeChildMenu(this);
            else if (reinterpret_cast<HWND>(message.WParam) == FHandle && !message.LParam)
                frame->MergeChildMenu(nullptr);
        }
        DefaultHandler(message);
        return true;
    }
    return false;
}
