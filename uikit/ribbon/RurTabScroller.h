#pragma once
// The scroll range of a row that may not fit (the pager's tabs, a page's toolbars): positions in
// scroll steps from Min to Max. The setters keep Min <= Max; the position is the owner's to clamp.

class TATBTabScroller {
public:
    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    bool Visible() const { return FVisible; }
    // A minimum above the maximum (or a maximum below the minimum) is not taken.
    void SetMin(int value)
    {
        if (value <= FMax)
            FMin = value;
    }
    void SetMax(int value)
    {
        if (value >= FMin)
            FMax = value;
    }
    void SetPosition(int value) { FPosition = value; }
    void SetVisible(bool value) { FVisible = value; }
    bool CanGoBack() const { return FPosition > FMin; }
    bool CanGoForward() const { return FPosition < FMax; }
    // Back to the state of a new scroller.
    void Reset() { *this = TATBTabScroller(); }

private:
    int FMin = 0, FMax = 0, FPosition = 0;
    bool FVisible = false;
};
