#pragma once
// The kit's list view under a custom style: a scrolling hook that also takes over the list view's
// header (sections in the style's looks, hot and pressed), feeds the style's colours to the
// system list, and scrolls the list itself while a thumb is dragged.
#include "scScrollingStyleHook.h"

class TscListViewStyleHook : public TscScrollingStyleHook {
    TAVIN_CLASS(TscListViewStyleHook, TscScrollingStyleHook)
public:
    explicit TscListViewStyleHook(TWinControl* control);
    ~TscListViewStyleHook() override;

    HWND HeaderHandle() const { return FHeaderHandle; }
    int HotSection() const { return FHotSection; }
    int PressedSection() const { return FPressedSection; }
    // The header section under a point of the header; -1 on a divider or nowhere.
    int SectionAt(TPoint p) const;

protected:
    void WndProc(TMessage& message) override;
    void ThumbDrag(bool vertical) override;
    virtual void DrawHeaderSection(TCanvas* canvas, TRect rect, bool isBackground, bool pressed, bool hot,
                                   const String& text, int index);
    virtual void HeaderWndProc(TMessage& message);
    virtual void PaintHeader(HDC dc);

    HWND FHeaderHandle = nullptr;
    WNDPROC FDefHeaderProc = nullptr;
    int FHotSection = -1;
    int FPrevHotSection = -1;
    int FPressedSection = -1;
    bool FHeaderLBtnDown = false;

private:
    friend LRESULT CALLBACK ListViewHeaderWindowProc(HWND, UINT, WPARAM, LPARAM);
    void TakeHeader();
    void ReleaseHeader();
    // The list scrolled by whole units of the scroll range; false when the step was too small.
    void ScrollListVertically(const SCROLLINFO& info);
    void ScrollListHorizontally(const SCROLLINFO& info);
};
