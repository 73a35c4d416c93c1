#pragma once
// The style hook of the kit's combo boxes under a custom style: the closed face from the style's
// border and drop-down button with the item painted by the control, the style's colours for the
// edit and list, and the drop-down list taken over with a frame and a scroll bar of its own
// (arrows and paging with auto-repeat, thumb dragging, the wheel, hot tracking).
#include "Themes.h"
#include "scListControls.h"

class TscComboBoxStyleHook : public TMouseTrackControlStyleHook {
    TAVIN_CLASS(TscComboBoxStyleHook, TMouseTrackControlStyleHook)
public:
    explicit TscComboBoxStyleHook(TWinControl* control);
    ~TscComboBoxStyleHook() override;

    // A drop-down notification of the combo box (CBN_...), passed on by the control, which hears
    // them from its parent.
    void ComboNotification(UINT code);

    HWND ListHandle() const { return FListHandle; }
    HWND EditHandle() const { return FEditHandle; }
    int ListTimerCode() const { return FListBoxTimerCode; }
    int TempItemIndex() const { return FTempItemIndex; }
    TThemedScrollBar ThumbLook() const { return FVSliderState; }
    TThemedScrollBar UpArrowLook() const { return FVUpState; }
    TThemedScrollBar DownArrowLook() const { return FVDownState; }
    // The first delay of the auto-repeat codes 1 to 4, the repeat of codes 5 to 8.
    static int ListTimerInterval(int code);
    static constexpr UINT_PTR ListRepeatTimer = 1;

    // The list's scroll bar in the list window's coordinates (origin at its top-left corner).
    TRect ListBarRect() const;
    TRect ListBarHitRect() const;
    TRect ListUpArrowRect() const;
    TRect ListDownArrowRect() const;
    TRect ListTrackRect() const;
    TRect ListThumbRect();
    TRect ListUpperTrackRect();
    TRect ListLowerTrackRect();

protected:
    bool AcceptMessage(TMessage& message) override;
    void WndProc(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool IsChildHandle(HWND wnd) const override { return wnd && wnd == FEditHandle; }
    virtual void GetDropButtonRect(TRect& rect);
    virtual void DrawFaceItem(TCanvas* canvas, int index, bool selected, const TRect& rect);
    virtual void ListWindowProc(TMessage& message);
    virtual void PaintFace(TCanvas* canvas);

    TComboBoxStyle GetComboStyle() const;
    bool IsDroppedDown() const;
    void RefreshColors();
    void SubclassList(HWND list);
    void DrawListBar(HDC dc);
    void DrawListFrame();
    void FillListFrame(TCanvas* canvas, const TRect& rect);
    void StartListTimer(int code);
    void StopListTimer();
    int ComboItemIndex() const;

    TPoint FDownPos;
    TPoint FMovePos;
    int FDownSliderPos = 0;
    int FInvsibleCount = 0;
    TThemedScrollBar FVSliderState = tsThumbBtnVertNormal;
    TThemedScrollBar FVUpState = tsArrowBtnUpNormal;
    TThemedScrollBar FVDownState = tsArrowBtnDownNormal;
    bool FIgnoreStyleChanged = false;
    bool FMouseOnButton = false;
    HWND FListHandle = nullptr;
    HWND FEditHandle = nullptr;
    bool FListBoxInstance = false;
    WNDPROC FDefListBoxProc = nullptr;
    int FListBoxTimerCode = 0;
    bool FListBoxUpBtnDown = false;
    bool FListBoxDownBtnDown = false;
    bool FListBoxDown = false;
    int FTempItemIndex = -1;

private:
    friend LRESULT CALLBACK ComboListWindowProc(HWND, UINT, WPARAM, LPARAM);
    void ReleaseList();
    void PaintMessage(TMessage& message);
    // List helpers of the scroll bar.
    int ListTop() const;
    int ListCount() const;
    int ListPageLines() const;
    void ScrollListTo(int top, bool drawBar);
    void ResetLooks();
    bool SetLook(TThemedScrollBar& look, TThemedScrollBar value);
    void ListPress(TPoint p);
    bool ListMove(TPoint p);
    bool ListRelease(TPoint p);
    void ListTimerStep();
    void ListNCCalcSize(TMessage& message);
    void ListPrint(TMessage& message, bool withBar);
    LRESULT CallListProc(const TMessage& message);
};
