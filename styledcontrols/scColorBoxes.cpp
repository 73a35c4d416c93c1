#include "scColorBoxes.h"

#include "scComboBoxStyleHook.h"
#include "scComboFace.h"

void PaintColorItemContent(TCanvas* canvas, const TRect& rect, int index, TColor color, const String& name,
                           bool shrinkSwatch)
{
    TRect text(rect.Left + 2, rect.Top + 1, rect.Right - 2, rect.Bottom - 2);
    TRect swatch(rect.Left + 2, rect.Top + 2, rect.Left + 2 + (rect.Height() - 4), rect.Bottom - 2);
    if (shrinkSwatch)
        swatch = InsetRect(swatch, 1, 1);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(swatch);
    // The frame takes the text colour, so it follows the selection.
    canvas->Brush()->SetColor(canvas->Font()->Color());
    const RECT frame = ToWinRect(swatch);
    FrameRect(canvas->Handle(), &frame, canvas->Brush()->Handle());
    swatch = InsetRect(swatch, 1, 1);
    text.Left = swatch.Right + 5;
    if (index < 0)
        return;
    canvas->Brush()->SetStyle(bsClear);
    DrawSingleLineText(canvas, name, text, true, false);
}

TAVIN_PUBLISHED(TscColorListBox)
{
    TSC_SELECTION_LOOK_PROPERTIES
}

TscColorListBox::TscColorListBox(TComponent* owner) : TscSelectionLookOf(owner) {}

void TscColorListBox::ChangeScale(int m, int d, bool isDpiChange)
{
    const int height = MulDiv(ItemHeight(), m, d);
    TColorListBox::ChangeScale(m, d, isDpiChange);
    SetItemHeight(height);
}

void TscColorListBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState)
{
    PaintColorItemContent(canvas, rect, index, Colors(index), ColorNames(index), false);
}

void TscColorListBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM: {
        const TscListItemPaint paint{this, FLook, false, clNone, 0, nullptr,
                                     [this](TCanvas* canvas, TRect r, int index, TOwnerDrawState state) {
                                         DrawItemContent(canvas, r, index, state);
                                     }};
        PaintListBoxItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam), paint);
        message.Result = 1;
        return;
    }
    case WM_ERASEBKGND:
        if (EraseBelowListItems(this, reinterpret_cast<HDC>(message.WParam), false)) {
            message.Result = 1;
            return;
        }
        break;
    case WM_SIZE:
        TColorListBox::WndProc(message);
        Repaint();
        return;
    case CM_ENABLEDCHANGED:
        TColorListBox::WndProc(message);
        Invalidate();
        return;
    default:
        break;
    }
    TColorListBox::WndProc(message);
}

TAVIN_PUBLISHED(TscColorBox)
{
    TSC_SELECTION_LOOK_PROPERTIES
    TAVIN_PROPERTY(TscComboStyleKind, StyleKind).Default(scscbDefault);
}

TscColorBox::TscColorBox(TComponent* owner) : TscSelectionLookOf(owner) {}

void TscColorBox::ChangeScale(int m, int d, bool isDpiChange)
{
    const int height = MulDiv(ItemHeight(), m, d);
    TColorBox::ChangeScale(m, d, isDpiChange);
    SetItemHeight(height);
}

void TscColorBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState, bool faceItem)
{
    PaintColorItemContent(canvas, rect, index, Colors(index), ColorNames(index),
                          faceItem && FStyleKind != scscbDefault);
}

void TscColorBox::WndProc(TMessage& message)
{
    auto inherited = [this](TMessage& m) { TColorBox::WndProc(m); };
    switch (message.Msg) {
    case CN_DRAWITEM:
        PaintComboListItem(this, FLook, *reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam),
                           [this](TCanvas* canvas, TRect r, int index, TOwnerDrawState state) {
                               DrawItemContent(canvas, r, index, state, false);
                           });
        message.Result = 1;
        return;
    case CN_COMMAND: {
        const UINT code = HIWORD(message.WParam);
        if (code == CBN_SELCHANGE || code == CBN_DROPDOWN) {
            FTempItemIndex = ItemIndex();
            if (HandleAllocated())
                RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        if (auto* hook = dynamic_cast<TscComboBoxStyleHook*>(StyleHook()))
            hook->ComboNotification(code);
        break;
    }
    case WM_PAINT:
        if (IsCustomFaceDrawn()) {
            PaintKitComboFaceMessage(this, message, [this](TCanvas* canvas) {
                const TscComboFace face{true, 2, DroppedDown() ? FTempItemIndex : ItemIndex(),
                                        [this](TCanvas* c, TRect r, int index, TOwnerDrawState state) {
                                            DrawItemContent(c, r, index, state, true);
                                        }};
                DrawKitComboFace(this, FLook, canvas, face);
            });
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        TColorBox::WndProc(message);
        Invalidate();
        return;
    default:
        if (IsCustomFaceDrawn() && RunWithFaceRedrawOff(this, message, inherited))
            return;
        break;
    }
    TColorBox::WndProc(message);
}
