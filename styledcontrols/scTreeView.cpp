#include "scTreeView.h"

#include "Math.h"
#include "Themes.h"

namespace {

constexpr UINT CheckedState = 0x2000;
constexpr UINT CheckStateMask = 0xF000;

int Scaled(int value, double scale) { return static_cast<int>(Round(value * scale)); }

} // namespace

TAVIN_PUBLISHED(TscCustomTreeView)
{
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
}

TAVIN_PUBLISHED(TscTreeView)
{
    TAVIN_PROPERTY(bool, CheckBoxes).Default(false);
    TAVIN_PROPERTY(bool, CheckHierarchy).Default(true);
    TAVIN_PROPERTY(TCustomImageList*, ButtonImages);
    TAVIN_PROPERTY(int, ButtonCollapseImageIndex).Default(0);
    TAVIN_PROPERTY(int, ButtonExpandImageIndex).Default(1);
    TAVIN_PROPERTY(TscSelectionStyle, SelectionStyle).Default(scstStyled);
    TAVIN_PROPERTY(TColor, SelectionColor).Default(clNone);
    TAVIN_PROPERTY(TColor, SelectionTextColor).Default(clHighlightText);
    TAVIN_PROPERTY(TColor, ButtonColor).Default(clNone);
    TAVIN_PROPERTY(TColor, ButtonGlyphColor).Default(clBtnFace);
    TAVIN_PROPERTY(bool, ShowFocusRect).Default(true);
    TAVIN_PROPERTY(bool, DefaultDraw).Default(false);
    TAVIN_PROPERTY(TscExpandButtonStyle, ButtonStyle).Default(scebsArrow);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(int, Indent).Default(19);
    TAVIN_PROPERTY(bool, ShowRoot).Default(true);
    TAVIN_PROPERTY(bool, ShowLines).Default(true);
    TAVIN_PROPERTY(bool, ShowButtons).Default(true);
    TAVIN_PROPERTY(bool, HideSelection).Default(true);
    TAVIN_PROPERTY(bool, RightClickSelect).Default(false);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TscTreeViewCheckChangedEvent, OnNodeCheckedChanged);
    TAVIN_PROPERTY(TscTreeViewCheckChangingEvent, OnNodeCheckedChanging);
    TAVIN_PROPERTY(TscTreeViewCustomDrawItemTextEvent, OnCustomDrawItemText);
}

TscCustomTreeView::TscCustomTreeView(TComponent* owner) : TscCustomDrawnViewOf(owner)
{
    SetOnAdvancedCustomDrawItem(MakeHandler<&TscCustomTreeView::DrawTreeNode>(this));
}

void TscCustomTreeView::Notification(TComponent* component, TOperation operation)
{
    TCustomTreeView::Notification(component, operation);
    if (operation == opRemove && component == FButtonImages)
        FButtonImages = nullptr;
}

void TscCustomTreeView::SetButtonImages(TCustomImageList* value)
{
    if (ReplaceComponentReference(this, FButtonImages, value))
        Invalidate();
}

void TscCustomTreeView::SetCheckBoxes(bool value)
{
    if (FCheckBoxes == value)
        return;
    FCheckBoxes = value;
    RecreateWnd();
}

bool TscCustomTreeView::IsFluentUIOpaqueActive() const { return IsFluentUIOpaqueActiveFor(this, FFluentUIOpaque); }

void TscCustomTreeView::SetFluentUIOpaque(bool value)
{
    ChangeFluentUIOpaque(this, FFluentUIOpaque, value);
}

void TscCustomTreeView::InstallPainter(bool kitPaints)
{
    if (kitPaints)
        SetOnAdvancedCustomDrawItem(MakeHandler<&TscCustomTreeView::DrawTreeNode>(this));
    else
        SetOnAdvancedCustomDrawItem(nullptr);
}

void TscCustomTreeView::SendBackgroundColor(TColor color)
{
    SendMessageW(FHandle, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color)));
}

void TscCustomTreeView::CreateParams(TCreateParams& params)
{
    TCustomTreeView::CreateParams(params);
    if (FCheckBoxes)
        params.Style |= TVS_CHECKBOXES;
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscCustomTreeView::CreateWnd()
{
    TCustomTreeView::CreateWnd();
    if (StyleElements().Contains(seClient))
        UpdateBrush();
    UpdatePainter();
    ApplyFluentUIOpaque(this, IsFluentUIOpaqueActive());
}

void TscCustomTreeView::FullRedraw() { FullRedrawWindow(this); }

// ---------------------------------------------------------------------------------------------
// Check boxes.

bool TscCustomTreeView::GetChecked(TTreeNode* node)
{
    if (!node || !HandleAllocated() || !node->ItemId())
        return false;
    TVITEMW item{};
    item.mask = TVIF_STATE;
    item.hItem = node->ItemId();
    item.stateMask = CheckStateMask;
    const bool read = SendMessageW(FHandle, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != 0;
    const bool checked = read && (item.state & CheckedState);
    if (node->StateIndex() == 2 && !checked) {
        item.mask = TVIF_STATE;
        item.state = CheckedState;
        FCheckSetting = true;
        SendMessageW(FHandle, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        FCheckSetting = false;
        // The repaired state is the answer, so the subtree follows the node.
        return true;
    }
    return checked;
}

void TscCustomTreeView::SetChecked(TTreeNode* node, bool value)
{
    if (!node || value == GetChecked(node))
        return;
    FCheckSetting = true;
    node->SetStateIndex(value ? 2 : 1);
    FCheckSetting = false;
    UpdateChildChecks(node);
}

void TscCustomTreeView::SetDescendantChecks(TTreeNode* node, bool value)
{
    for (int i = 0; i < node->Count(); ++i) {
        SetChecked(node->Item(i), value);
        SetDescendantChecks(node->Item(i), value);
    }
}

void TscCustomTreeView::UpdateChildChecks(TTreeNode* node)
{
    if (FCheckingTree)
        return;
    FCheckingTree = true;
    const bool checked = GetChecked(node);
    if (FCheckHierarchy)
        SetDescendantChecks(node, checked);
    FCheckingTree = false;
}

void TscCustomTreeView::NodeCheckedChanged(TTreeNode* node, bool checked)
{
    FCheckSetting = true;
    node->SetStateIndex(checked ? 2 : 1);
    FCheckSetting = false;
    UpdateChildChecks(node);
    FOnNodeCheckedChanged(this, node, checked);
}

void TscCustomTreeView::NodeCheckedChanging(TTreeNode* node, bool newState, bool& allowChanges)
{
    FOnNodeCheckedChanging(this, node, newState, allowChanges);
}

void TscCustomTreeView::TrackCheckChange(TTreeNode* node, TMessage& message)
{
    const bool before = GetChecked(node);
    TCustomTreeView::WndProc(message);
    if (node && GetChecked(node) != before)
        NodeCheckedChanged(node, !before);
}

// ---------------------------------------------------------------------------------------------

void TscCustomTreeView::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_KEYDOWN:
        if (FCheckBoxes && message.WParam == VK_SPACE) {
            TTreeNode* node = Selected();
            const bool before = GetChecked(node);
            TCustomTreeView::WndProc(message);
            if (node && Selected() == node && GetChecked(node) != before)
                NodeCheckedChanged(node, !before);
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FCheckBoxes) {
            TrackCheckChange(GetNodeAt(static_cast<short>(LOWORD(message.LParam)),
                                       static_cast<short>(HIWORD(message.LParam))),
                             message);
            return;
        }
        break;
    case WM_RBUTTONDOWN:
        if (RightClickSelect())
            if (TTreeNode* node = GetNodeAt(static_cast<short>(LOWORD(message.LParam)),
                                            static_cast<short>(HIWORD(message.LParam))))
                SetSelected(node);
        break;
    case CN_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        if (FCheckBoxes && header->code == TVN_ITEMCHANGINGW) {
            auto* change = reinterpret_cast<NMTVITEMCHANGE*>(message.LParam);
            if ((change->uChanged & TVIF_STATE) && !FCheckSetting &&
                ((change->uStateNew ^ change->uStateOld) & CheckedState)) {
                bool allow = true;
                if (TTreeNode* node = Items()->GetNode(change->hItem))
                    NodeCheckedChanging(node, (change->uStateNew & CheckedState) != 0, allow);
                if (!allow) {
                    message.Result = 1;
                    return;
                }
            }
        }
        break;
    }
    default:
        break;
    }
    TCustomTreeView::WndProc(message);
    switch (message.Msg) {
    case CM_COLORCHANGED:
        if (StyleElements().Contains(seClient)) {
            UpdateBrush();
            Invalidate();
        }
        break;
    case CM_STYLECHANGED:
        if (StyleElements().Contains(seClient))
            UpdateBrush();
        // A custom style needs the kit's painter whatever DefaultDraw says.
        UpdatePainter();
        if (HandleAllocated())
            UpdateWindow(FHandle);
        break;
    default:
        HandleFluentUIOpaqueTimer(this, message, IsFluentUIOpaqueActive());
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Painting.

int TscCustomTreeView::GetNodeImageIndex(TTreeNode* node) const
{
    int index = node->ImageIndex();
    if (!Images())
        return index;
    const int count = Images()->Count();
    if (node->Selected() && node->SelectedIndex() >= 0 && node->SelectedIndex() < count)
        index = node->SelectedIndex();
    if (node->Expanded() && node->ExpandedImageIndex() >= 0 && node->ExpandedImageIndex() < count)
        index = node->ExpandedImageIndex();
    return index;
}

void TscCustomTreeView::DrawNodeLinesAndButton(TCanvas* canvas, TTreeNode* node, const TRect& rect, TColor lineColor)
{
    const double scale = ScaleFactor();
    const int s = FButtonImages ? std::max(FButtonImages->Width(), FButtonImages->Height()) / 2 : Scaled(5, scale);
    FButtonSize = s;
    const int indent = Indent();
    int x = rect.Left + indent / 2;
    const int y = rect.Top + (rect.Bottom - rect.Top) / 2;
    const bool even = (rect.Bottom - y + 2) % 2 == 0;
    if (ShowLines()) {
        if (node->HasChildren() && ShowRoot())
            DrawDottedLine(canvas, x + s - 1, y, rect.Left + indent + s - 5, y, lineColor);
        else
            DrawDottedLine(canvas, even ? x - 1 : x, y, rect.Left + indent, y, lineColor);
        if (node->AbsoluteIndex() != 0)
            DrawDottedLine(canvas, x - 1, rect.Top, x - 1, y - 1, lineColor);
        const TTreeNode* next = node->GetNextVisible();
        if ((next && next->Level() == node->Level()) || node->GetNextSibling()) {
            if (even)
                DrawDottedLine(canvas, x - 1, y, x - 1, rect.Bottom + 1, lineColor);
            else
                DrawDottedLine(canvas, x - 1, y + 1, x - 1, rect.Bottom, lineColor);
        }
    }
    if (node->HasChildren() && ShowButtons()) {
        const bool expanded = node->Expanded();
        if (!FButtonImages) {
            TRect button(x - s, y - s, x + s, y + s);
            if (FButtonStyle == scebsButton) {
                button.Right -= 1;
                button.Bottom -= 1;
            }
            canvas->FillRect(button);
            if (FButtonStyle == scebsButton) {
                if (FButtonColor == clNone)
                    DrawExpandButton(canvas, button, expanded ? 1 : 0, this, scale, lineColor);
                else
                    DrawExpandButtonColored(canvas, button, expanded ? 1 : 0, scale, FButtonGlyphColor, FButtonColor);
            } else {
                const bool modern = FButtonStyle == scebsModernArrow || IsWindowsStyle(this);
                TColor glyph = FButtonColor;
                if (FButtonColor == clNone) {
                    if (expanded) {
                        glyph = IsWindows10OrLater() ? MixColors(lineColor, GetStyleSystemColor(clWindowText, this))
                                                     : lineColor;
                    } else {
                        glyph = MixColors(lineColor, GetStyleSystemColor(clWindow, this));
                        if (IsWindows10OrLater())
                            glyph = MixColors(glyph, lineColor);
                    }
                }
                TColor shadow = glyph;
                if (FButtonColor == clNone && !(IsDarkStyle(this) && !IsDarkWindowStyle(this))) {
                    const TColor text = GetStyleSystemColor(clBtnText, this);
                    shadow = MixColors(text, MixColors(text, GetStyleSystemColor(clBtnFace, this)));
                }
                DrawExpandArrow(canvas, button, glyph, modern, scale, expanded ? 2 : 1, shadow);
            }
        } else {
            const int index = expanded ? FButtonExpandImageIndex : FButtonCollapseImageIndex;
            if (IsImageIndexValid(FButtonImages, index))
                FButtonImages->Draw(canvas, x - s, y - s, index, true);
        }
    }
    if (ShowLines())
        for (TTreeNode* p = node->Parent(); p; p = p->Parent()) {
            x -= indent;
            if (p->GetNextSibling())
                DrawDottedLine(canvas, x - 1, rect.Top, x - 1, rect.Bottom - 1, lineColor);
        }
}

void TscCustomTreeView::DrawNodeImage(TCanvas* canvas, const TRect& content, int imageIndex, TTreeNode* node)
{
    const int centre = content.Top + content.Height() / 2;
    int x = content.Left - FButtonSize;
    if (Images()) {
        if (FCheckBoxes)
            x += (node->DisplayRect(true).Left - x - Images()->Width()) / 2;
        if (IsImageIndexValid(Images(), imageIndex))
            Images()->Draw(canvas, x, centre - Images()->Height() / 2, imageIndex, true);
        return;
    }
    FThirdImages = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    if (!FThirdImages)
        return;
    ImageList_GetIconSize(FThirdImages, &FThirdImageWidth, &FThirdImageHeight);
    FThirdImagesCount = ImageList_GetImageCount(FThirdImages);
    if (imageIndex >= 0 && imageIndex < FThirdImagesCount)
        ImageList_DrawEx(FThirdImages, imageIndex, canvas->Handle(), x, centre - FThirdImageHeight / 2,
                         FThirdImageWidth, FThirdImageHeight, CLR_NONE, CLR_NONE, ILD_NORMAL);
}

void TscCustomTreeView::DrawNodeText(TCanvas* canvas, TTreeNode* node, TRect rect)
{
    rect.Left += 1;
    DrawSingleLineText(canvas, node->Text(), rect, true, BiDiMode() == bdRightToLeft);
}

void TscCustomTreeView::PaintNodeText(TTreeNode* node, TCustomDrawState state, const TRect& textRect, TColor rowColor)
{
    TCanvas* target = Canvas();
    const bool selected = state.Contains(cdsSelected);
    if (!selected && !FOnCustomDrawItemText) {
        SetBkMode(target->Handle(), TRANSPARENT);
        DrawNodeText(target, node, textRect);
        return;
    }
    auto bitmap = MakeBitmap32(textRect.Width(), textRect.Height());
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->Assign(Font());
    const TRect r(0, 0, textRect.Width(), textRect.Height());
    if (!selected) {
        canvas->Font()->SetColor(target->Font()->Color());
        canvas->Brush()->SetColor(rowColor);
        canvas->FillRect(r);
    } else {
        PaintRowSelection(canvas, r, this, FLook, rowColor, state.Contains(cdsFocused) && Focused(), false);
    }
    canvas->Brush()->SetStyle(bsClear);
    if (selected && Focused() && state.Contains(cdsFocused) && FLook.ShowFocusRect)
        DrawScaledFocusRect(canvas, r, ScaleFactor());
    bool defaultDraw = true;
    if (FOnCustomDrawItemText)
        FOnCustomDrawItemText(this, canvas, r, node, state, defaultDraw);
    if (defaultDraw)
        DrawNodeText(canvas, node, r);
    BitBlt(target->Handle(), textRect.Left, textRect.Top, r.Width(), r.Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void TscCustomTreeView::DrawTreeNode(TCustomTreeView*, TTreeNode* node, TCustomDrawState state, TCustomDrawStage,
                                     bool&, bool& defaultDraw)
{
    const bool custom = UsesCustomStyle(this);
    if (FDefaultDraw && !custom) {
        defaultDraw = true;
        return;
    }
    defaultDraw = false;
    TRect row = node->DisplayRect(false);
    if (row.IsEmpty())
        return;
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof(scroll);
    scroll.fMask = SIF_ALL;
    if (GetScrollInfo(FHandle, SB_HORZ, &scroll)) {
        row.Left -= scroll.nPos;
        row.Right -= scroll.nPos;
    }
    const double scale = ScaleFactor();
    const int side = Scaled(13, scale);
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    TColor text = StyleElements().Contains(seFont) && custom ? GetEditFontColor(scsNormal, this) : Font()->Color();
    const TColor rowColor = StyleElements().Contains(seClient) && custom ? GetStyleSystemColor(Color(), this) : Color();
    if (!Enabled())
        text = custom ? GetEditFontColor(scsDisabled, this) : clGrayText;
    canvas->Font()->SetColor(text);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(rowColor);
    const TColor lineColor = MixColors(text, rowColor);
    canvas->FillRect(row);
    if (state.Contains(cdsSelected))
        canvas->Font()->SetColor(FLook.Style == scstStyled ? GetSelectionTextColor(this)
                                                           : GetStyleSystemColor(clHighlightText, this));
    const int level = ShowRoot() ? node->Level() : node->Level() - 1;
    TRect lines = row;
    lines.Left += level * Indent();
    DrawNodeLinesAndButton(canvas, node, lines, lineColor);
    TRect content = row;
    content.Left = lines.Left + Indent() + FButtonSize;
    if (FCheckBoxes) {
        const int left = lines.Left + Indent() + Scaled(5, scale);
        const int shift = -Scaled(5, scale) + 3;
        const TRect box(left + shift, row.Top, left + side + shift, row.Bottom);
        DrawCheckBoxInBounds(canvas, box, scsNormal, this, scale, GetChecked(node) ? 1 : 0);
        content.Left = left + side + 5;
    }
    DrawNodeImage(canvas, content, GetNodeImageIndex(node), node);
    TRect textRect = node->DisplayRect(true);
    textRect.Right = textRect.Left + canvas->TextWidth(node->Text()) + 2;
    if (textRect.Width() < 1)
        return;
    textRect.Top += 1;
    textRect.Bottom -= 1;
    PaintNodeText(node, state, textRect, rowColor);
}
