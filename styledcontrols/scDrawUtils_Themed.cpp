// Themed element painters with their classic fallbacks, and the parent background behind a control.
#include "Forms.h"
#include "Themes.h"
#include "scDrawUtils.h"

namespace {

// The element in the control's style when themed; otherwise the classic drawing.
template <class Classic>
void ThemedOrClassic(TCanvas* canvas, const TRect& rect, const TControl* control,
                     const TThemedElementDetails& details, Classic classic)
{
    TCustomStyleServices* services = StyleServices(control);
    if (services && services->Enabled())
        services->DrawElement(canvas->Handle(), details, rect);
    else
        classic();
}

void FillFace(TCanvas* canvas, const TRect& rect)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(rect);
}

// Paints through a canvas wrapped around the device context, which it does not delete.
template <class Paint>
void OnDC(HDC dc, Paint paint)
{
    TCanvas canvas;
    canvas.SetHandle(dc);
    try {
        paint(&canvas);
    } catch (...) {
        canvas.SetHandle(nullptr);
        throw;
    }
    canvas.SetHandle(nullptr);
}

// The protected paint of a parent, reached through the class that declares it.
struct TWindowPainter : TWinControl {
    static void Paint(TWinControl* control, HDC dc) { (control->*(&TWindowPainter::PaintWindow))(dc); }
};

class TPaintCopyMark {
public:
    explicit TPaintCopyMark(TControl* control) : FControl(control)
    {
        FControl->SetControlState(FControl->ControlState().Include(csPaintCopy));
    }
    ~TPaintCopyMark() { FControl->SetControlState(FControl->ControlState().Exclude(csPaintCopy)); }
    TPaintCopyMark(const TPaintCopyMark&) = delete;
    TPaintCopyMark& operator=(const TPaintCopyMark&) = delete;

private:
    TControl* FControl;
};

class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    ~TSavedDC() { RestoreDC(FDC, FSaved); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};

TRect ParentClientSeenFromChild(const TWinControl* p)
{
    return Rect(-p->Left(), -p->Top(), p->ClientWidth() + p->Left(), p->ClientHeight() + p->Top());
}

} // namespace

void DrawToolBarBackground(TCanvas* canvas, const TRect& rect, const TControl* control)
{
    ThemedOrClassic(canvas, rect, control, TCustomStyleServices::GetElementDetails(teToolBar, 0, 0),
                    [&] { FillFace(canvas, rect); });
}

void DrawTabSheetBackground(TCanvas* canvas, const TRect& rect, const TControl* control)
{
    ThemedOrClassic(canvas, rect, control, TCustomStyleServices::GetElementDetails(ttPane), [&] {
        FillFace(canvas, rect);
        TRect r = rect;
        DrawFrame3D(canvas, r, clBtnHighlight, cl3DDkShadow);
        DrawFrame3D(canvas, r, cl3DLight, clBtnShadow);
    });
}

void DrawStatusBarBackground(TCanvas* canvas, const TRect& rect, const TControl* control)
{
    ThemedOrClassic(canvas, rect, control, TCustomStyleServices::GetElementDetails(tsStatusRoot),
                    [&] { FillFace(canvas, rect); });
}

void DrawStatusPanel(TCanvas* canvas, const TRect& rect, const TControl* control)
{
    ThemedOrClassic(canvas, rect, control, TCustomStyleServices::GetElementDetails(tsPane), [&] {
        FillFace(canvas, rect);
        TRect r = rect;
        DrawFrame3D(canvas, r, clBtnShadow, clBtnHighlight);
    });
}

void PaintParentBackground(TWinControl* control, TCanvas* canvas)
{
    if (!control || !control->Parent())
        return;
    TWinControl* p = control->Parent();
    const String parentClass = p->ClassName();
    const HDC dc = canvas->Handle();
    if (parentClass == u"TscStatusBar") {
        TRect r = Rect(0, 0, control->Width(), control->Height());
        r.Top -= control->Top();
        r.Left -= 5;
        r.Right += 5;
        r.Bottom += p->Height() - control->Top() - control->Height();
        DrawStatusBarBackground(canvas, r, p);
        DrawStatusPanel(canvas, r, p);
        return;
    }
    if (parentClass == u"TTabPage" && p->Parent() && p->Parent()->ClassName() == u"TTabbedNotebook") {
        OnDC(dc, [&](TCanvas* c) { DrawTabSheetBackground(c, ParentClientSeenFromChild(p), p->Parent()); });
        return;
    }
    if (UsesCustomStyle(p) && parentClass != u"TscToolBar") {
        StyleServices(p)->DrawParentBackground(control->Handle(), dc, nullptr, false);
        return;
    }
    const TPaintCopyMark parentMark(p);
    const TRect bounds = control->BoundsRect();
    const TPoint clientOrigin = control->ClientOrigin();
    const TPoint parentPoint = p->ClientToScreen(Point(control->Left(), control->Top()));
    const int shiftX = -control->Left() - (clientOrigin.X - parentPoint.X);
    const int shiftY = -control->Top() - (clientOrigin.Y - parentPoint.Y);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    {
        const TSavedDC saved(dc);
        SetViewportOrgEx(dc, origin.x + shiftX, origin.y + shiftY, nullptr);
        IntersectClipRect(dc, 0, 0, p->ClientWidth(), p->ClientHeight());
        const auto* frame = dynamic_cast<const TFrame*>(p);
        if (parentClass == u"TscToolBar") {
            OnDC(dc, [&](TCanvas* c) { DrawToolBarBackground(c, ParentClientSeenFromChild(p), p); });
        } else if (parentClass == u"TscTabSheet") {
            SendMessageW(p->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        } else if (parentClass == u"TTabPage" && StyleServices(p) && StyleServices(p)->Enabled()) {
            OnDC(dc, [&](TCanvas* c) { DrawTabSheetBackground(c, ParentClientSeenFromChild(p), p); });
        } else if (frame && frame->ControlStyle().Contains(csParentBackground)) {
            if (TWinControl* outer = p->Parent()) {
                SetViewportOrgEx(dc, origin.x + shiftX - p->Left(), origin.y + shiftY - p->Top(), nullptr);
                SendMessageW(outer->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
                SetViewportOrgEx(dc, origin.x + shiftX, origin.y + shiftY, nullptr);
            }
        } else {
            SendMessageW(p->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            if (!dynamic_cast<const TCustomForm*>(p))
                TWindowPainter::Paint(p, dc);
        }
    }
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* child = p->Controls(i);
        if (child == control)
            break;
        if (dynamic_cast<TWinControl*>(child) || !child->Visible())
            continue;
        RECT overlap, a = ToWinRect(child->BoundsRect()), b = ToWinRect(bounds);
        if (!IntersectRect(&overlap, &a, &b))
            continue;
        const TPaintCopyMark childMark(child);
        const TSavedDC saved(dc);
        SetViewportOrgEx(dc, origin.x + child->Left() + shiftX, origin.y + child->Top() + shiftY, nullptr);
        IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}
