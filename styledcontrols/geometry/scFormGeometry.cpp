#include "scFormGeometry.h"

#include <algorithm>

#include "Math.h"

int scSizingHitTest(TSize window, const TRect& b, TPoint p)
{
    const int w = window.cx, h = window.cy;
    struct TZone {
        TRect Area;
        int Code;
    };
    const TZone zones[] = {
        {Rect(0, 0, b.Left, b.Top), scHTTopLeft},
        {Rect(w - b.Right, 0, w, b.Top), scHTTopRight},
        {Rect(0, h - b.Bottom, b.Left, h), scHTBottomLeft},
        {Rect(w - b.Right, h - b.Bottom, w, h), scHTBottomRight},
        {Rect(0, b.Top, b.Left, h - b.Bottom), scHTLeft},
        {Rect(w - b.Right, b.Top, w, h - b.Bottom), scHTRight},
        {Rect(b.Left, h - b.Bottom, w - b.Right, h), scHTBottom},
        {Rect(b.Left, 0, w - b.Right, b.Top), scHTTop},
    };
    for (const TZone& zone : zones)
        if (zone.Area.Contains(p))
            return zone.Code;
    return scHTNowhere;
}

int scFrameHitTest(const TscFrameHitInfo& info, TPoint p)
{
    if (info.BorderNone)
        return info.MenuBar.Contains(p) ? scHTMenu : scHTClient;
    // The caption's own height is no sizing border: the top edge is as thick as the left one.
    TRect b = info.Border;
    b.Top = b.Left;
    TRect menuBar = info.MenuBar;
    menuBar.Bottom = std::min(menuBar.Bottom, info.Window.cy - b.Bottom);
    TRect caption = info.Caption;
    caption.Left = b.Left;
    struct TZone {
        const TRect& Area;
        int Code;
    };
    const TZone zones[] = {
        {menuBar, scHTMenu},         {caption, scHTCaption},          {info.CloseButton, scHTClose},
        {info.MaxButton, scHTMaxButton}, {info.MinButton, scHTMinButton}, {info.HelpButton, scHTHelp},
        {info.SysMenu, scHTSysMenu},
    };
    for (const TZone& zone : zones)
        if (zone.Area.Contains(p))
            return zone.Code;
    if (info.OverCaptionObject)
        return scHTCaption;
    if (info.MaximizedOrMinimized)
        return scHTClient;
    if (!info.Sizeable) {
        const TRect inner = Rect(b.Left, b.Top, info.Window.cx - b.Right, info.Window.cy - b.Bottom);
        return inner.Contains(p) ? scHTClient : scHTBorder;
    }
    const int code = scSizingHitTest(info.Window, b, p);
    return code == scHTNowhere ? scHTClient : code;
}

TRect scMaximizedRegionRect(const TRect& window, const TRect& area)
{
    auto cut = [](int overhang) { return overhang > 0 && overhang < 100 ? overhang : 0; };
    return Rect(cut(area.Left - window.Left), cut(area.Top - window.Top),
                window.Width() - cut(window.Right - area.Right), window.Height() - cut(window.Bottom - area.Bottom));
}

TRect scAutoHideTaskBarBounds(const TRect& workArea, const TRect& taskBar)
{
    TRect result = workArea;
    const int barCentreX = (taskBar.Left + taskBar.Right) / 2, barCentreY = (taskBar.Top + taskBar.Bottom) / 2;
    const int workCentreX = (workArea.Left + workArea.Right) / 2, workCentreY = (workArea.Top + workArea.Bottom) / 2;
    if (taskBar.Width() >= taskBar.Height()) {
        if (barCentreY >= workCentreY)
            result.Bottom -= 2;
        else
            result.Top += 2;
    } else if (barCentreX < workCentreX) {
        result.Left += 2;
    } else {
        result.Right -= 2;
    }
    return result;
}

namespace {

int ItemHeight(const TscCaptionItem& item, int captionHeight, bool tab)
{
    if (item.Height >= 1)
        return item.Height;
    return tab ? captionHeight - item.MarginTop : captionHeight - item.MarginTop - item.MarginBottom;
}

int ProposedWidth(const TscCaptionItem& item, int h, double scale)
{
    return item.Width >= 1 ? static_cast<int>(Round(item.Width * scale)) : h;
}

} // namespace

TscCaptionLayout scLayoutCaption(std::vector<TscCaptionItem>& buttons, const TscContentWidth& buttonWidth,
                                 std::vector<TscCaptionItem>& tabs, const TscContentWidth& tabWidth, bool tabsRight,
                                 int left, int right, int top, int height, double scale)
{
    int l = left, r = right;
    for (auto& item : buttons)
        item.Rect = {};
    for (auto& item : tabs)
        item.Rect = {};
    auto place = [&](TscCaptionItem& item, int index, const TscContentWidth& widthOf, bool tab, bool fromRight) {
        const int h = ItemHeight(item, height, tab);
        const int w = widthOf(index, ProposedWidth(item, h, scale));
        const int x = fromRight ? r - w - (tab ? 0 : item.MarginRight) : l + (tab ? 0 : item.MarginLeft);
        const TRect rect = Rect(x, top + item.MarginTop, x + w, top + item.MarginTop + h);
        if (fromRight ? x < l : rect.Right > r)
            return;
        item.Rect = rect;
        if (fromRight)
            r = tab ? x : x - item.MarginLeft;
        else
            l = tab ? l + w : l + item.MarginLeft + w + item.MarginRight;
    };
    const int buttonCount = static_cast<int>(buttons.size()), tabCount = static_cast<int>(tabs.size());
    if (buttonCount > 0) {
        for (int i = 0; i < buttonCount; ++i)
            if (buttons[i].Visible && buttons[i].RightSide)
                place(buttons[i], i, buttonWidth, false, true);
        r -= 5;
    }
    if (tabsRight && tabCount > 0) {
        r -= 5;
        for (int i = tabCount - 1; i >= 0; --i)
            if (tabs[i].Visible)
                place(tabs[i], i, tabWidth, true, true);
        r -= 5;
    }
    if (buttonCount > 0) {
        for (int i = 0; i < buttonCount; ++i)
            if (buttons[i].Visible && !buttons[i].RightSide)
                place(buttons[i], i, buttonWidth, false, false);
        l += 5;
    }
    if (!tabsRight && tabCount > 0) {
        l += 5;
        for (int i = 0; i < tabCount; ++i)
            if (tabs[i].Visible)
                place(tabs[i], i, tabWidth, true, false);
        l += 5;
    }
    return {l, r};
}

TscMenuRows scLayoutMenuRows(const std::vector<int>& widths, int width, int rowHeight, int leading,
                             int mdiButtonWidth)
{
    TscMenuRows rows;
    int x = leading, row = 0;
    for (int w : widths) {
        if (x + w > width && x > 0) {
            ++row;
            x = 0;
        }
        rows.Items.push_back(Rect(x, row * rowHeight, x + w, (row + 1) * rowHeight));
        x += w;
    }
    rows.Rows = row + 1;
    if (mdiButtonWidth > 0 && x + 3 * mdiButtonWidth > width)
        ++rows.Rows;
    return rows;
}

void scJustifyMenuItemsRight(std::vector<TRect>& items, const std::vector<bool>& marked, int right)
{
    if (items.empty())
        return;
    const int row = items.back().Top;
    size_t first = items.size();
    while (first > 0 && marked[first - 1] && items[first - 1].Top == row)
        --first;
    int x = right;
    for (size_t i = items.size(); i > first; --i) {
        TRect& r = items[i - 1];
        const int width = r.Width();
        r = Rect(x - width, r.Top, x, r.Bottom);
        x -= width;
    }
}

TPoint scPointOnMonitor(TPoint p, const TRect& monitor)
{
    return {std::clamp(p.X, monitor.Left, monitor.Right - 1), std::clamp(p.Y, monitor.Top, monitor.Bottom - 1)};
}

TscMenuDropDownPlace scPlaceMenuDropDown(const TRect& item, TSize dropDown, const TRect& work, const TRect& monitor,
                                         bool rightToLeft)
{
    TscMenuDropDownPlace place;
    place.At = Point(rightToLeft ? item.Right : item.Left, item.Bottom);
    if (item.Bottom + dropDown.cy > work.Bottom) {
        if (item.Top - dropDown.cy >= work.Top) {
            place.At.Y = item.Top;
            place.Above = true;
        } else {
            place.At = Point(rightToLeft ? item.Left : item.Right, item.Top);
            place.Beside = true;
        }
    }
    place.At = scPointOnMonitor(place.At, monitor);
    return place;
}

TPoint scPlaceDropDownAtPoint(TPoint p, TSize form, const TRect& work)
{
    if (p.X + form.cx > work.Right)
        p.X = work.Right - form.cx;
    if (p.Y + form.cy > work.Bottom)
        p.Y = work.Bottom - form.cy;
    return {std::max(p.X, work.Left), std::max(p.Y, work.Top)};
}

TPoint scPlaceDropDownAtControl(const TRect& control, TSize form, const TRect& work, bool beside, bool rightToLeft)
{
    TPoint p;
    if (!rightToLeft)
        p = beside ? Point(control.Right, control.Top) : Point(control.Left, control.Bottom);
    else
        p = beside ? Point(control.Left - form.cx, control.Top) : Point(control.Right - form.cx, control.Bottom);
    if (p.Y + form.cy > work.Bottom)
        p.Y = control.Top - form.cy;
    if (p.X + form.cx > work.Right)
        p.X = beside ? p.X - form.cx - control.Width() : work.Right - form.cx;
    return {std::max(p.X, work.Left), std::max(p.Y, work.Top)};
}
