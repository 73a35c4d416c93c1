// The tab row: where it lies, how wide each tab is, fitting the row into the pager's width by
// squeezing spacing, margins and tab widths (and restoring them), and scrolling what still does
// not fit.
#include "RurRibbonPager.h"

#include "Math.h"
#include "RurRibbonPageScrollButton.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"

namespace {
constexpr int MinTabWidth = 24;
constexpr int FitStep = 5;
const TRect NoRect = Rect(-1, -1, -1, -1);
int Nearest(double value) { return static_cast<int>(Round(value)); }
} // namespace

// ---- Geometry ---------------------------------------------------------------------------------

TRect TRurToolBarPager::GetTabsArea() const
{
    TRect r = ClientRect();
    if (FCaption->Visible())
        r.Top += FCaption->Height();
    r.Bottom = r.Top + FTabSettings->Height();
    return r;
}

TRect TRurToolBarPager::GetTabsRect() const
{
    TRect r = ClientRect();
    if (FCaption->Visible())
        r.Top += FCaption->Height();
    r.Top += 4;
    r.Bottom = r.Top + FTabSettings->Height();
    r.Left += GetPageBorder() + FDefTabMargin + FPageLeftMargin;
    r.Right -= FTabSettings->EndMargin() + FPageRightMargin + GetPageBorder();
    if (FAutoMDIButtons && !ComponentState().Contains(csDesigning))
        r.Right -= 3 * (FMDIButtonsWidth + FMDIButtonsSpace) + 5;
    return r;
}

int TRurToolBarPager::TabWidthOf(int index) const { return RurPages(index)->GetTabWidthWithMargins(); }

TRect TRurToolBarPager::GetTabRect(int pageIndex) const
{
    TRurPage* page = RurPages(pageIndex);
    if (!page || !page->TabVisible())
        return NoRect;
    const TRect tabs = GetTabsRect();
    return Rect(page->FTabLeft, tabs.Top, page->FTabLeft + TabWidthOf(pageIndex), tabs.Bottom);
}

TRect TRurToolBarPager::GetTabRect(TRurPage* page) const { return GetTabRect(IndexOfPage(page)); }

TRect TRurToolBarPager::GetVisibleTabRect(int pageIndex) const
{
    TRect r = GetTabRect(pageIndex);
    if (r.Left < 0 && r.Right < 0)
        return NoRect;
    const TRect tabs = GetTabsRect();
    if (r.Right <= tabs.Left || r.Left >= tabs.Right)
        return NoRect;
    r.Left = std::max(r.Left, tabs.Left);
    r.Right = std::min(r.Right, tabs.Right);
    return r;
}

int TRurToolBarPager::PtOnTab(int x, int y) const
{
    for (int i = 0; i < FRurPages.Count(); ++i) {
        const TRect r = GetTabRect(i);
        if (r.Left >= 0 && r.Contains(Point(x, y)))
            return i;
    }
    return -1;
}

int TRurToolBarPager::VisibleTabCount() const
{
    int count = 0;
    for (int i = 0; i < FRurPages.Count(); ++i)
        count += RurPages(i)->TabVisible() ? 1 : 0;
    return count;
}

int TRurToolBarPager::FirstVisibleTabIndex() const
{
    for (int i = 0; i < FRurPages.Count(); ++i)
        if (RurPages(i)->TabVisible())
            return i;
    return -1;
}

int TRurToolBarPager::LastVisibleTabIndex() const
{
    for (int i = FRurPages.Count() - 1; i >= 0; --i)
        if (RurPages(i)->TabVisible())
            return i;
    return -1;
}

void TRurToolBarPager::InvalidateTabsArea()
{
    if (!HandleAllocated())
        return;
    RECT r = ToWinRect(GetTabsArea());
    InvalidateRect(Handle(), &r, FALSE);
}

void TRurToolBarPager::InvalidateTab(int index)
{
    if (!HandleAllocated())
        return;
    RECT r = ToWinRect(index < 0 ? GetTabsArea() : GetTabRect(index));
    if (r.left >= 0)
        InvalidateRect(Handle(), &r, FALSE);
}

void TRurToolBarPager::InvalidateActivePageTop()
{
    InvalidateTabsArea();
    if (TRurPage* page = ActivePage(); page && page->HandleAllocated()) {
        RECT r{0, 0, page->Width(), 4};
        InvalidateRect(page->Handle(), &r, FALSE);
    }
}

// ---- Measuring --------------------------------------------------------------------------------

TCanvas* TRurToolBarPager::MeasureCanvas()
{
    if (!FMeasureBitmap) {
        FMeasureBitmap = std::make_unique<TBitmap>();
        FMeasureBitmap->SetWidth(1);
        FMeasureBitmap->SetHeight(1);
    }
    return FMeasureBitmap->Canvas();
}

int TRurToolBarPager::CalcTabWidth(int index, int& clientWidth)
{
    clientWidth = 0;
    TRurPage* page = RurPages(index);
    if (!page)
        return 0;
    const double s = DPIScale;
    TCanvas* canvas = MeasureCanvas();
    const TFont* tabFont = FCurrentToolBarStyler->TabAppearance()->Font();
    canvas->Font()->Assign(tabFont);
    canvas->Font()->SetHeight(Nearest(tabFont->Height() * s));
    if (FGroupStyle == gsOffice2019) {
        TFontStyles style = canvas->Font()->Style();
        style.Include(fsBold);
        canvas->Font()->SetStyle(style);
    }

    int w = 0;
    const String& caption = page->Caption();
    const String& wide = page->WideCaption();
    if (!caption.empty() || !wide.empty()) {
        if (caption.empty() || FAntiAlias == RurGDIP::aaNone) {
            const String& text = caption.empty() ? wide : caption;
            RECT r{0, 0, 0, 0};
            DrawTextW(TextDC(canvas), reinterpret_cast<LPCWSTR>(text.c_str()), static_cast<int>(text.size()), &r,
                      DT_SINGLELINE | DT_CALCRECT);
            w = r.right - r.left;
        } else
            w = GetGDIPTextWidth(canvas, caption, String(), FAntiAlias, canvas->Font());
    }
    int base = w + std::max(0, canvas->Font()->Size() - 7) + 2 * Nearest(s);
    if ((FImages || FDisabledImages) && page->ImageIndex() >= 0) {
        TCustomImageList* list = FImages;
        if (!page->TabEnabled() && FDisabledImages)
            list = FDisabledImages;
        if (!list)
            list = FDisabledImages;
        base += list->Width() + 2;
    }
    clientWidth = base;
    if (FGroupStyle == gsOffice2019)
        clientWidth += FTabSettings->LeftMargin() + FTabSettings->RightMargin();
    int result = base + FTabSettings->LeftMargin() + FTabSettings->RightMargin();
    if (FIsAeroVista && IsGlassActive())
        result += Nearest(6 * s);
    page->FTabWidth = result;
    if (FGroupStyle == gsOffice2019)
        page->FTabRealClientWidth = result;
    return result;
}

void TRurToolBarPager::MeasureTab(int index)
{
    TRurPage* page = RurPages(index);
    if (!page)
        return;
    int clientWidth = 0;
    CalcTabWidth(index, clientWidth);
    page->FTabClientWidth = clientWidth;
    if (FGroupStyle != gsOffice2019)
        page->FTabRealClientWidth = clientWidth;
}

void TRurToolBarPager::InitTabs()
{
    FCurrentTabSpacing = FTabSettings->Spacing();
    FCurrentTabLeftMargin = FCurrentGroupTabLeftMargin = FTabSettings->LeftMargin();
    FCurrentTabRightMargin = FCurrentGroupTabRightMargin = FTabSettings->RightMargin();
    for (int i = 0; i < FRurPages.Count(); ++i)
        MeasureTab(i);
    ResetTabScroller();
}

// ---- Positions and widths ---------------------------------------------------------------------

void TRurToolBarPager::ArrangeTabs()
{
    int x = GetTabsRect().Left;
    for (int i = 0; i < FRurPages.Count(); ++i) {
        TRurPage* page = RurPages(i);
        if (!page->TabVisible())
            continue;
        page->FTabLeft = x;
        x += TabWidthOf(i) + FCurrentTabSpacing;
    }
}

void TRurToolBarPager::UpdateTabPositions() { UpdateTabPositions(0, FRurPages.Count() - 1); }

void TRurToolBarPager::UpdateTabPositions(int from, int to)
{
    if (from < 0 || to >= FRurPages.Count() || from > to)
        return;
    int previous = -1;
    for (int i = from; i <= to; ++i) {
        TRurPage* page = RurPages(i);
        if (!page->TabVisible())
            continue;
        if (previous >= 0)
            page->FTabLeft = RurPages(previous)->FTabLeft + TabWidthOf(previous) + FCurrentTabSpacing;
        previous = i;
    }
}

int TRurToolBarPager::GetTabsWidth(int from, int to) const
{
    if (from < 0 || to >= FRurPages.Count() || from > to)
        return 0;
    int width = 0;
    for (int i = from; i <= to; ++i)
        if (RurPages(i)->TabVisible())
            width += TabWidthOf(i) + (i == FRurPages.Count() - 1 ? 0 : FCurrentTabSpacing);
    return width;
}

int TRurToolBarPager::GetTotalTabsWidth() const { return GetTabsWidth(0, FRurPages.Count() - 1); }

bool TRurToolBarPager::TabIsSqueezed(int index) const
{
    const TRurPage* page = RurPages(index);
    return page->TabVisible() && page->FTabClientWidth < page->FTabRealClientWidth;
}

// ---- Fitting ----------------------------------------------------------------------------------

void TRurToolBarPager::ShiftTabs(int delta)
{
    for (int i = 0; i < FRurPages.Count(); ++i)
        RurPages(i)->FTabLeft += delta;
}

void TRurToolBarPager::ShrinkTabs(int avail)
{
    const auto over = [&] { return GetTotalTabsWidth() - avail; };
    const int minSpacing = FTabSettings->MinSpacing(), minMargin = FTabSettings->MinMargin();
    while (over() > 0 && FCurrentTabSpacing > minSpacing)
        --FCurrentTabSpacing;
    UpdateTabPositions();
    while (over() > 0 && (FCurrentTabLeftMargin > minMargin || FCurrentTabRightMargin > minMargin)) {
        if (FCurrentTabLeftMargin > minMargin)
            --FCurrentTabLeftMargin;
        if (over() > 0 && FCurrentTabRightMargin > minMargin)
            --FCurrentTabRightMargin;
    }
    UpdateTabPositions();
    // Tabs of tab groups have their own margins; with no groups there is nothing more to take
    // before the widths.
    int passes = GetTotalTabsWidth();
    while (over() > 0 && passes-- > 0) {
        int widest = -1;
        for (int i = 0; i < FRurPages.Count(); ++i)
            if (RurPages(i)->TabVisible() && TabWidthOf(i) > MinTabWidth &&
                (widest < 0 || TabWidthOf(i) > TabWidthOf(widest)))
                widest = i;
        if (widest < 0)
            break;
        const int d = std::min(TabWidthOf(widest) - MinTabWidth, std::min(over(), FitStep));
        RurPages(widest)->FTabClientWidth -= d;
        UpdateTabPositions();
    }
}

void TRurToolBarPager::GrowTabs(int avail)
{
    const auto room = [&] { return avail - GetTotalTabsWidth(); };
    int passes = GetTotalTabsWidth();
    bool squeezed = false;
    while (room() > 0 && passes-- > 0) {
        int pick = -1;
        for (int i = 0; i < FRurPages.Count(); ++i)
            if (TabIsSqueezed(i) && (pick < 0 || RurPages(i)->FTabClientWidth < RurPages(pick)->FTabClientWidth))
                pick = i;
        if (pick < 0)
            break;
        TRurPage* page = RurPages(pick);
        page->FTabClientWidth += std::min(page->FTabRealClientWidth - page->FTabClientWidth, std::min(room(), FitStep));
        UpdateTabPositions();
    }
    for (int i = 0; i < FRurPages.Count(); ++i)
        squeezed = squeezed || TabIsSqueezed(i);
    if (squeezed)
        return;
    // Each single step that would overflow is taken back.
    const auto grow = [&](int& value, int limit) {
        while (value < limit) {
            ++value;
            if (room() < 0) {
                --value;
                return false;
            }
        }
        return true;
    };
    grow(FCurrentTabSpacing, FTabSettings->Spacing());
    UpdateTabPositions();
    while (FCurrentTabLeftMargin < FTabSettings->LeftMargin() || FCurrentTabRightMargin < FTabSettings->RightMargin()) {
        const bool left = FCurrentTabLeftMargin < FTabSettings->LeftMargin() && grow(FCurrentTabLeftMargin, FCurrentTabLeftMargin + 1);
        const bool right = FCurrentTabRightMargin < FTabSettings->RightMargin() && grow(FCurrentTabRightMargin, FCurrentTabRightMargin + 1);
        if (!left && !right)
            break;
    }
    UpdateTabPositions();
}

void TRurToolBarPager::AdjustTabs()
{
    if (FRurPages.Count() == 0 || !FPropertiesLoaded)
        return;
    const TRect tabs = GetTabsRect();
    const int avail = tabs.Width();
    const int total = GetTotalTabsWidth();
    if (total > avail)
        ShrinkTabs(avail);
    else if (total < avail)
        GrowTabs(avail);
}

// ---- Scrolling --------------------------------------------------------------------------------

void TRurToolBarPager::ResetTabScroller()
{
    FStartTabIndex = 0;
    FTabScroller.Reset();
    ArrangeTabs();
    UpdateTabScroller();
}

int TRurToolBarPager::CountFittingTabs(int index, bool forward, int& lastIndex) const
{
    lastIndex = -1;
    if (index < 0 || index >= FRurPages.Count())
        return 0;
    const TRect tabs = GetTabsRect();
    int x = tabs.Left, count = 0;
    for (int i = index; forward ? i < FRurPages.Count() : i >= 0; i += forward ? 1 : -1) {
        if (!RurPages(i)->TabVisible())
            continue;
        const int width = TabWidthOf(i);
        if (x + width >= tabs.Right)
            break;
        ++count;
        lastIndex = i;
        x += width + FCurrentTabSpacing;
    }
    return count;
}

TRurPageScrollButton* TRurToolBarPager::EnsureTabScrollButton(bool left)
{
    TRurPageScrollButton*& button = left ? FLeftScrollBtn : FRightScrollBtn;
    if (!button) {
        button = new TRurPageScrollButton(this);
        button->SetScrollArrow(left ? saLeft : saRight);
        button->SetButtonPosition(left ? bpLeft : bpRight);
        button->SetOnClick(left ? TNotifyEvent([this](TObject*) { ScrollTabs(-1); })
                                : TNotifyEvent([this](TObject*) { ScrollTabs(1); }));
        button->SetParent(this);
    }
    return button;
}

void TRurToolBarPager::UpdateTabScroller()
{
    const auto state = ComponentState();
    if (FRurPages.Count() == 0 || state.Contains(csDesigning) || state.Contains(csLoading))
        return;
    const TRect tabs = GetTabsRect();
    int max = 0;
    if (GetTotalTabsWidth() > tabs.Width()) {
        const int visible = VisibleTabCount();
        int start = 0, sum = 0;
        while (start < FRurPages.Count()) {
            int last = -1;
            const int n = std::max(CountFittingTabs(start, true, last), 1);
            sum += n;
            if (sum >= visible)
                break;
            ++max;
            start = last >= start ? last + 1 : start + 1;
        }
    }
    FTabScroller.SetMax(max);
    FTabScroller.SetPosition(std::min(FTabScroller.Position(), max));
    const int width = Nearest(12 * DPIScale), height = tabs.Height() - 5;
    if (FTabScroller.CanGoBack()) {
        TRurPageScrollButton* button = EnsureTabScrollButton(true);
        button->SetBounds(tabs.Left, tabs.Top, width, height);
        button->Show();
        button->BringToFront();
    } else if (FLeftScrollBtn)
        FLeftScrollBtn->Hide();
    if (FTabScroller.CanGoForward()) {
        TRurPageScrollButton* button = EnsureTabScrollButton(false);
        button->SetBounds(tabs.Right - width, tabs.Top, width, height);
        button->Show();
        button->BringToFront();
    } else if (FRightScrollBtn)
        FRightScrollBtn->Hide();
}

int TRurToolBarPager::ScrollTabs(int delta)
{
    int steps = 0, start = FStartTabIndex;
    if (delta < 0) {
        steps = std::min(-delta, FTabScroller.Position() - FTabScroller.Min());
        if (!FTabScroller.CanGoBack() || FStartTabIndex <= 0 || steps <= 0)
            return 0;
        FTabScroller.SetPosition(FTabScroller.Position() - steps);
        for (int i = 0; i < steps; ++i) {
            int lowest = -1;
            CountFittingTabs(start - 1, false, lowest);
            if (lowest < 2) {
                start = 0;
                break;
            }
            start = lowest - 1;
        }
        steps = -steps;
    } else if (delta > 0) {
        steps = std::min(delta, FTabScroller.Max() - FTabScroller.Position());
        if (!FTabScroller.CanGoForward() || steps <= 0)
            return 0;
        FTabScroller.SetPosition(FTabScroller.Position() + steps);
        for (int i = 0; i < steps; ++i) {
            int last = -1;
            CountFittingTabs(start, true, last);
            start = std::max(last + 1, start + 1);
        }
    } else
        return 0;
    ScrollToTab(start);
    InvalidateActivePageTop();
    return steps;
}

void TRurToolBarPager::ScrollToTab(int index)
{
    if (index >= FRurPages.Count())
        return;
    const TRect tabs = GetTabsRect();
    if (index > FStartTabIndex) {
        int last = -1;
        while (index > 0 && CountFittingTabs(index - 1, true, last) > CountFittingTabs(index, true, last))
            --index;
        const int lastTab = LastVisibleTabIndex();
        for (;;) {
            const int lastRight = GetTabRect(lastTab).Right;
            const int firstLeft = RurPages(index)->FTabLeft;
            const int step = std::min({FitStep, lastRight - tabs.Right, firstLeft - tabs.Left});
            if (step <= 0)
                break;
            ShiftTabs(-step);
            InvalidateTabsArea();
        }
    } else {
        index = std::max(index, 0);
        for (;;) {
            const int step = std::min(FitStep, tabs.Left - RurPages(index)->FTabLeft);
            if (step <= 0)
                break;
            ShiftTabs(step);
            InvalidateTabsArea();
        }
    }
    FStartTabIndex = index;
    UpdateTabScroller();
}
