// The pager and the form it sits on: the form's window is watched through its subclass chain
// (by the one pager on it) so that the mouse wheel over the ribbon switches pages, moving or
// sizing the form ends key-tip mode, and child controls hear that the form moved.
#include "RurRibbonPager.h"

#include <commctrl.h>

#include "RurToolBar_Platform.h"

namespace {
constexpr UINT_PTR FormSubclassId = 0x52494246;  // "RIBF"
constexpr int VersionNr = 0x06080304;
} // namespace

int TRurToolBarPager::GetVersionNr() { return VersionNr; }

String TRurToolBarPager::Version() const
{
    String text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (!text.empty())
            text += u'.';
        text += IntToStr((VersionNr >> shift) & 0xFF);
    }
    return text;
}

void TRurToolBarPager::NotifyChildren(void (*notify)(IPagerChildNotify&))
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<IPagerChildNotify*>(Controls(i)))
            notify(*child);
}

void TRurToolBarPager::PrevActivePage()
{
    for (int i = FActivePageIndex - 1; i >= 0; --i)
        if (RurPages(i)->TabEnabled() && RurPages(i)->TabVisible()) {
            SetActivePageIndex(i);
            return;
        }
}

void TRurToolBarPager::NextActivePage()
{
    for (int i = FActivePageIndex + 1; i < FRurPages.Count(); ++i)
        if (RurPages(i)->TabEnabled() && RurPages(i)->TabVisible()) {
            SetActivePageIndex(i);
            return;
        }
}

void TRurToolBarPager::SubclassForm()
{
    TCustomForm* form = GetParentForm();
    if (!form || FSubclassed || !form->HandleAllocated())
        return;
    // A second pager on the form would fight over the wheel: then neither watches it.
    int pagers = 0;
    for (int i = 0; i < form->ComponentCount(); ++i)
        pagers += dynamic_cast<TRurToolBarPager*>(form->Components(i)) ? 1 : 0;
    if (pagers != 1)
        return;
    FSubclassedForm = form->Handle();
    FSubclassed = SetWindowSubclass(FSubclassedForm, FormSubclassProc, FormSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (!FSubclassed)
        FSubclassedForm = nullptr;
}

void TRurToolBarPager::UnsubclassForm()
{
    if (!FSubclassed)
        return;
    RemoveWindowSubclass(FSubclassedForm, FormSubclassProc, FormSubclassId);
    FSubclassed = false;
    FSubclassedForm = nullptr;
}

LRESULT CALLBACK TRurToolBarPager::FormSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                    DWORD_PTR data)
{
    auto* pager = reinterpret_cast<TRurToolBarPager*>(data);
    if (msg == WM_NCDESTROY) {
        pager->UnsubclassForm();
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    if (msg == WM_MOUSEWHEEL && pager->FormMessage(msg, wParam))
        return 1;
    const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
    pager->FormMessage(msg, wParam);
    return result;
}

bool TRurToolBarPager::FormMessage(UINT msg, WPARAM wParam)
{
    switch (msg) {
    case WM_MOUSEWHEEL: {
        if (!FEnableWheel || !FExpanded || !HandleAllocated())
            return false;
        POINT cursor{};
        GetCursorPos(&cursor);
        ::ScreenToClient(Handle(), &cursor);
        if (!ClientRect().Contains(Point(cursor.x, cursor.y)))
            return false;
        // A control on the ribbon with the focus keeps the wheel (an edit box on a toolbar), and
        // so does the pager itself when asked to.
        if ((FNonActiveMouseWheelOnFocus && Focused()) || ContainsFocus(this))
            return false;
        if (GET_WHEEL_DELTA_WPARAM(wParam) > 0)
            PrevActivePage();
        else
            NextActivePage();
        return true;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_MAXIMIZE && (wParam & 0xFFF0) != SC_MINIMIZE)
            return false;
        [[fallthrough]];
    case WM_MOVING:
    case WM_LBUTTONDOWN:
        HideTabShortCutHints(true);
        return false;
    case WM_SIZE:
        HideTabShortCutHints(true);
        [[fallthrough]];
    case WM_WINDOWPOSCHANGED:
        NotifyChildren([](IPagerChildNotify& child) { child.PagerFormMoved(); });
        return false;
    default:
        return false;
    }
}
