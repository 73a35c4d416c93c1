// Layout of a container's children: alignment in the order top, bottom, left, right, client,
// with margins and padding, then anchors of the unaligned children, then size constraints.
#include <algorithm>

#include "Controls.h"

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0 && --FAlignLevel == 0)
        Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading) || FControlState.Contains(csAligning))
        return;
    AlignChildren();
}

void TWinControl::AlignChildren()
{
    FControlState.Include(csAligning);
    try {
        TRect r = ClientRect();
        r.Left += FPadding->Left();
        r.Top += FPadding->Top();
        r.Right -= FPadding->Right();
        r.Bottom -= FPadding->Bottom();
        AlignControls(nullptr, r);
    } catch (...) {
        FControlState.Exclude(csAligning);
        throw;
    }
    FControlState.Exclude(csAligning);
}

namespace {

// Where an aligned control's edge sorts among others of the same alignment.
int AlignPosition(const TControl* c)
{
    switch (c->Align()) {
    case alTop: return c->Top();
    case alBottom: return -(c->Top() + c->Height());
    case alLeft: return c->Left();
    case alRight: return -(c->Left() + c->Width());
    default: return 0;
    }
}

void PlaceAligned(TControl* c, TRect& space)
{
    TMargins none(0);
    const TMargins* m = c->AlignWithMargins() ? c->Margins() : &none;
    int w = c->Width(), h = c->Height();
    int spaceW = space.Width() - m->Left() - m->Right();
    int spaceH = space.Height() - m->Top() - m->Bottom();
    TRect b;
    switch (c->Align()) {
    case alTop:
        b = Bounds(space.Left + m->Left(), space.Top + m->Top(), spaceW, h);
        space.Top = std::min(space.Bottom, space.Top + h + m->Top() + m->Bottom());
        break;
    case alBottom:
        b = Bounds(space.Left + m->Left(), space.Bottom - m->Bottom() - h, spaceW, h);
        space.Bottom = std::max(space.Top, space.Bottom - h - m->Top() - m->Bottom());
        break;
    case alLeft:
        b = Bounds(space.Left + m->Left(), space.Top + m->Top(), w, spaceH);
        space.Left = std::min(space.Right, space.Left + w + m->Left() + m->Right());
        break;
    case alRight:
        b = Bounds(space.Right - m->Right() - w, space.Top + m->Top(), w, spaceH);
        space.Right = std::max(space.Left, space.Right - w - m->Left() - m->Right());
        break;
    case alClient:
        b = Bounds(space.Left + m->Left(), space.Top + m->Top(), std::max(0, spaceW), std::max(0, spaceH));
        break;
    default:
        return;
    }
    c->SetBounds(b.Left, b.Top, b.Width(), b.Height());
}

} // namespace

void TWinControl::AlignControls(TControl*, TRect& rect)
{
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible())
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(),
                         [](const TControl* a, const TControl* b) { return AlignPosition(a) < AlignPosition(b); });
        for (TControl* c : list)
            PlaceAligned(c, rect);
    }
    TRect client = ClientRect();
    for (TControl* c : FControls) {
        if (c->Align() != alNone || !c->FAnchorRulesValid)
            continue;
        TAnchors a = c->Anchors();
        const TRect& o = c->FAnchorBounds;
        int dx = client.Width() - c->FAnchorParentSize.cx;
        int dy = client.Height() - c->FAnchorParentSize.cy;
        int left = o.Left, top = o.Top, width = o.Width(), height = o.Height();
        if (a.Contains(akRight))
            a.Contains(akLeft) ? width += dx : left += dx;
        else if (!a.Contains(akLeft))
            left += dx / 2;
        if (a.Contains(akBottom))
            a.Contains(akTop) ? height += dy : top += dy;
        else if (!a.Contains(akTop))
            top += dy / 2;
        c->SetBounds(left, top, std::max(0, width), std::max(0, height));
    }
}
