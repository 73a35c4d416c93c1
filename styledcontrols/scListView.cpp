#include "scListView.h"

#include "Math.h"
#include "Themes.h"
#include "WideText.h"

namespace {

int Scaled(int value, double scale) { return static_cast<int>(Round(value * scale)); }

TRect Moved(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

} // namespace

bool IsDigitText(const String& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](Char c) { return c >= u'0' && c <= u'9'; });
}

TscColumnKind ColumnKindOf(NativeInt tag)
{
    switch (tag) {
    case 1: return TscColumnKind::ProgressBar;
    case 2: return TscColumnKind::CheckBox;
    default: return TscColumnKind::Text;
    }
}

int ProgressCellPosition(const String& text)
{
    if (!IsDigitText(text))
        return 0;
    // Only the first digits count once the value is past the bar's end.
    int value = 0;
    for (Char c : text) {
        value = value * 10 + (c - u'0');
        if (value >= 100)
            return 100;
    }
    return value;
}

// What one item's painting shares between its steps.
struct TscCustomListView::TItemPaint {
    TListItem* Item;
    TCustomDrawState State;
    bool Selected;
    int CheckSide;
    TColor Background;
    TColor Alternate;
    TColor Grid;
    TCustomImageList* Images;
    TRect Bounds;
    TRect Label;
    // The selection covers the whole bounds, image included (themed icon view).
    bool SelectionCoversBounds;
};

TAVIN_PUBLISHED(TscCustomListView)
{
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
}

TAVIN_PUBLISHED(TscListView)
{
    TAVIN_PROPERTY(bool, ExtendedColumnDraw).Default(false);
    TAVIN_PROPERTY(TscSelectionStyle, SelectionStyle).Default(scstStyled);
    TAVIN_PROPERTY(bool, ShowFocusRect).Default(true);
    TAVIN_PROPERTY(bool, AlternateRow).Default(false);
    TAVIN_PROPERTY(bool, GridLines).Default(false);
    TAVIN_PROPERTY(bool, DefaultDraw).Default(false);
    TAVIN_PROPERTY(TColor, SelectionColor).Default(clNone);
    TAVIN_PROPERTY(TColor, SelectionTextColor).Default(clHighlightText);
    TAVIN_PROPERTY(TscDrawSubItemEvent, OnDrawSubItem);
    TAVIN_PROPERTY(TscDrawItemImageEvent, OnDrawItemImage);
    TAVIN_LIST_VIEW_PROPERTIES
}

TscCustomListView::TscCustomListView(TComponent* owner) : TscCustomDrawnViewOf(owner) {}

bool TscCustomListView::IsFluentUIOpaqueActive() const { return IsFluentUIOpaqueActiveFor(this, FFluentUIOpaque); }

void TscCustomListView::SetFluentUIOpaque(bool value)
{
    ChangeFluentUIOpaque(this, FFluentUIOpaque, value);
}

void TscCustomListView::FullRedraw() { FullRedrawWindow(this); }

void TscCustomListView::Loaded()
{
    TCustomListView::Loaded();
    // The system list view of that version flickers when buffered twice.
    if (IsWindowsXP() && DoubleBuffered())
        SetDoubleBuffered(false);
}

void TscCustomListView::InstallPainter(bool kitPaints)
{
    if (kitPaints)
        SetOnAdvancedCustomDrawItem(MakeHandler<&TscCustomListView::DrawListItem>(this));
    else
        SetOnAdvancedCustomDrawItem(nullptr);
}

void TscCustomListView::SendBackgroundColor(TColor color)
{
    SendMessageW(FHandle, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color)));
}

void TscCustomListView::CreateParams(TCreateParams& params)
{
    TCustomListView::CreateParams(params);
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscCustomListView::CreateWnd()
{
    TCustomListView::CreateWnd();
    if (StyleElements().Contains(seClient))
        UpdateBrush();
    UpdatePainter();
    ApplyFluentUIOpaque(this, IsFluentUIOpaqueActive());
}

void TscCustomListView::WndProc(TMessage& message)
{
    TCustomListView::WndProc(message);
    switch (message.Msg) {
    case CM_COLORCHANGED:
        if (StyleElements().Contains(seClient)) {
            UpdateBrush();
            Invalidate();
        }
        break;
    case CM_STYLECHANGED:
        if (ComponentState().Contains(csLoading))
            break;
        UpdateBrush();
        UpdatePainter();
        if (ViewStyle() == vsReport)
            UpdateColumns();
        break;
    default:
        HandleFluentUIOpaqueTimer(this, message, IsFluentUIOpaqueActive());
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Painting.

void TscCustomListView::FetchThirdImages()
{
    FThirdImages = reinterpret_cast<HIMAGELIST>(
        SendMessageW(FHandle, LVM_GETIMAGELIST, ViewStyle() == vsIcon ? LVSIL_NORMAL : LVSIL_SMALL, 0));
    FThirdImageWidth = FThirdImageHeight = FThirdImagesCount = 0;
    if (!FThirdImages)
        return;
    ImageList_GetIconSize(FThirdImages, &FThirdImageWidth, &FThirdImageHeight);
    FThirdImagesCount = ImageList_GetImageCount(FThirdImages);
}

TscColumnKind TscCustomListView::KindOfColumn(int column) const
{
    if (!FExtendedColumnDraw || column < 0 || column >= Columns()->Count())
        return TscColumnKind::Text;
    return ColumnKindOf(Columns()->Items(column)->Tag());
}

void TscCustomListView::DrawColumnKindCell(TCanvas* canvas, TRect cell, TscColumnKind kind, const String& text,
                                           bool captionOfSelected, bool subItemOfSelected)
{
    if (text == u"-")
        return;
    if (kind == TscColumnKind::CheckBox) {
        DrawCheckBoxCentered(canvas, cell, scsNormal, this, ScaleFactor(), text == u"1" ? 1 : 0);
        return;
    }
    cell = InsetRect(cell, 2, 2);
    if (!captionOfSelected)
        cell.Left += 1;
    if (subItemOfSelected && FGridLines)
        cell.Bottom += 1;
    DrawItemProgressBar(canvas, cell, 0, this, ProgressCellPosition(text), 100);
}

void TscCustomListView::DrawItemText(TCanvas* canvas, const TItemPaint& paint, TRect label, bool selected)
{
    const String& caption = paint.Item->Caption();
    switch (ViewStyle()) {
    case vsIcon:
        if (IconOptions()->WrapText()) {
            label.Right -= 4;
            DrawWrappedTextWithEllipsis(canvas, caption, label, selected);
            return;
        }
        break;
    case vsReport:
        if (KindOfColumn(0) != TscColumnKind::Text) {
            DrawColumnKindCell(canvas, label, KindOfColumn(0), caption, selected, false);
        } else {
            label.Left += 3;
            if (FGridLines)
                label.Bottom -= 1;
            DrawTextFitting(canvas, caption, label);
        }
        return;
    default:
        break;
    }
    String text = caption;
    CutTextToWidth(canvas, text, ViewStyle() == vsList ? label.Width() : label.Width() - 2);
    label.Left += 2;
    DrawSingleLineText(canvas, text, label, true, BiDiMode() == bdRightToLeft);
}

void TscCustomListView::DrawSubItems(TCanvas* canvas, const TItemPaint& paint, TRect row, bool inBitmap)
{
    const HWND wnd = FHandle;
    const auto width = [wnd](int column) {
        return static_cast<int>(SendMessageW(wnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    };
    TStrings* texts = paint.Item->SubItems();
    int x = width(0);
    for (int i = 0; i < texts->Count() && i + 1 < Columns()->Count(); ++i) {
        const int w = width(i + 1);
        TRect cell(row.Left + x, row.Top, row.Left + x + w, row.Bottom);
        x += w;
        canvas->FillRect(cell);
        cell.Left += 3;
        cell.Right -= 3;
        if (FGridLines)
            cell.Bottom -= 1;
        const String& text = texts->Strings(i);
        if (FOnDrawSubItem) {
            FOnDrawSubItem(this, paint.Item, i, paint.State, canvas, cell);
            continue;
        }
        if (KindOfColumn(i + 1) != TscColumnKind::Text) {
            DrawColumnKindCell(canvas, cell, KindOfColumn(i + 1), text, false, inBitmap);
            continue;
        }
        const int image = paint.Item->SubItemImages(i);
        if (SmallImages() && IsImageIndexValid(SmallImages(), image)) {
            SmallImages()->Draw(canvas, cell.Left, cell.Top, image, true);
            cell.Left += SmallImages()->Width() + 3;
        }
        String fitted = text;
        CutTextToWidth(canvas, fitted, cell.Width());
        SetBkMode(canvas->Handle(), TRANSPARENT);
        DrawAlignedText(canvas, fitted, cell, false, BiDiMode() == bdRightToLeft, Columns()->Items(i + 1)->Alignment());
    }
}

void TscCustomListView::DrawItemImage(TCanvas* canvas, const TItemPaint& paint, TRect& icon, int& imageX)
{
    const TViewStyle view = ViewStyle();
    imageX = -1;
    if (Checkboxes() && !IsWindowsXP()) {
        if (view == vsSmallIcon)
            icon = Moved(icon, paint.CheckSide + 3, 0);
        else if (view == vsIcon)
            icon = Moved(icon, paint.CheckSide / 2 + 1, 0);
    }
    const int index = paint.Item->ImageIndex();
    if (FOnDrawItemImage) {
        FOnDrawItemImage(paint.Item, canvas, icon);
    } else if (FThirdImages) {
        const bool iconView = view == vsIcon;
        const int x = iconView ? icon.Left + icon.Width() / 2 - FThirdImageWidth / 2 : icon.Left;
        const int y = iconView ? icon.Top + 2 : icon.Top;
        if (!iconView || !paint.SelectionCoversBounds)
            canvas->FillRect(TRect(x, y, x + FThirdImageWidth, y + FThirdImageHeight));
        if (index >= 0 && index < FThirdImagesCount) {
            ImageList_DrawEx(FThirdImages, index, canvas->Handle(), x, y, FThirdImageWidth, FThirdImageHeight, CLR_NONE,
                             CLR_NONE, ILD_NORMAL);
            imageX = x;
        }
    } else if (paint.Images && IsImageIndexValid(paint.Images, index)) {
        const bool iconView = view == vsIcon;
        const int x = iconView ? icon.Left + icon.Width() / 2 - paint.Images->Width() / 2 : icon.Left;
        const int y = iconView ? icon.Top + 2 : icon.Top + icon.Height() / 2 - paint.Images->Height() / 2;
        paint.Images->Draw(canvas, x, y, index, true);
        imageX = x;
    }
    if (view == vsIcon && Checkboxes() && imageX >= 0)
        icon.Left = imageX;
}

void TscCustomListView::DrawItemCheckBox(TCanvas* canvas, const TItemPaint& paint, const TRect& icon, int imageX)
{
    const int cb = paint.CheckSide;
    const double scale = ScaleFactor();
    const int checked = paint.Item->Checked() ? 1 : 0;
    switch (ViewStyle()) {
    case vsReport: {
        TRect box(icon.Left - cb - 2, paint.Bounds.Top, icon.Left - 1, paint.Bounds.Bottom);
        box = Moved(box, -2, 0);
        box.Left = std::max(0, box.Left);
        DrawCheckBoxCentered(canvas, box, scsNormal, this, scale, checked);
        return;
    }
    case vsSmallIcon:
    case vsList:
        DrawCheckBoxAtLeft(canvas, TRect(icon.Left - cb - 2, paint.Bounds.Top, icon.Left - 1, paint.Bounds.Bottom),
                           scsNormal, this, scale, checked);
        return;
    case vsIcon:
        if (imageX >= 0) {
            const int top = IsWindowsXP() ? icon.Bottom - cb - 3 : icon.Top;
            DrawCheckBoxAtLeft(canvas, TRect(imageX - cb - 3, top, imageX - 3, icon.Bottom), scsNormal, this, scale, checked);
        } else {
            const int left = paint.Bounds.Left + paint.Bounds.Width() / 2 - cb - 2;
            DrawCheckBoxAtLeft(canvas, TRect(left, paint.Bounds.Top, left + cb + 3, paint.Label.Top), scsNormal, this,
                               scale, checked);
        }
        return;
    }
}

void TscCustomListView::DrawGridLines(TCanvas* canvas, const TItemPaint& paint)
{
    const TRect& b = paint.Bounds;
    canvas->Pen()->SetColor(paint.Grid);
    int x = b.Left;
    for (int i = 0; i < Columns()->Count(); ++i) {
        x += static_cast<int>(SendMessageW(FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
        canvas->MoveTo(x - 1, b.Top);
        canvas->LineTo(x - 1, b.Bottom);
    }
    canvas->MoveTo(b.Left, b.Bottom - 1);
    canvas->LineTo(ClientWidth(), b.Bottom - 1);
    if (paint.Item->Index() == 0) {
        canvas->MoveTo(b.Left, b.Top - 1);
        canvas->LineTo(ClientWidth(), b.Top - 1);
    }
}

void TscCustomListView::DrawListItem(TCustomListView*, TListItem* item, TCustomDrawState state, TCustomDrawStage stage,
                                     bool& defaultDraw)
{
    if (stage != cdPostPaint)
        return;
    defaultDraw = false;
    const bool custom = UsesCustomStyle(this);
    const double scale = ScaleFactor();
    const TViewStyle view = ViewStyle();
    const bool report = view == vsReport;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());

    TItemPaint paint{};
    paint.Item = item;
    paint.State = state;
    paint.Selected = item->Selected();
    paint.CheckSide = Scaled(13, scale);
    TColor text = StyleElements().Contains(seFont) && custom ? GetEditFontColor(scsNormal, this) : Font()->Color();
    if (!Enabled())
        text = custom ? GetEditFontColor(scsDisabled, this) : clGrayText;
    paint.Background = StyleElements().Contains(seClient) && custom ? GetStyleSystemColor(Color(), this) : Color();
    paint.Alternate = GetContrastShadeColor(paint.Background);
    paint.Grid = MixColors(MixColors(MixColors(text, paint.Background), paint.Background), paint.Background);
    canvas->Font()->SetColor(text);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(paint.Background);
    if (!SmallImages() && !LargeImages())
        FetchThirdImages();
    else
        FThirdImages = nullptr;

    paint.Label = item->DisplayRect(drLabel);
    if (view == vsList) {
        RECT measured{0, 0, 0, 0};
        DrawTextW(canvas->Handle(), WidePtr(item->Caption()), -1, &measured,
                  DT_NOPREFIX | DT_CALCRECT);
        paint.Label.Right = paint.Label.Left + measured.right + 2;
    }
    TRect icon = item->DisplayRect(drIcon);
    paint.Images = view == vsIcon ? LargeImages() : SmallImages();
    if (view == vsIcon)
        paint.Label = Moved(paint.Label, 2, 0);
    paint.Bounds = item->DisplayRect(drBounds);
    canvas->FillRect(paint.Bounds);

    TRect selection = paint.Label;
    switch (view) {
    case vsSmallIcon:
    case vsReport:
        selection = item->DisplayRect(drSelectBounds);
        selection.Left = paint.Label.Left;
        break;
    case vsList:
        selection.Right += item->Caption().empty() ? 20 : 4;
        break;
    case vsIcon:
        if (!custom && StyleServices(this)->Enabled() && !IsWindowsXP() && FLook.Style == scstStyled) {
            selection = paint.Bounds;
            paint.SelectionCoversBounds = true;
        }
        break;
    }

    const bool odd = item->Index() % 2 == 1;
    if (paint.Selected && selection.Width() > 0) {
        const int trim = report && FGridLines ? 1 : 0;
        auto bitmap = MakeBitmap32(selection.Width() - trim, selection.Height() - trim);
        TCanvas* b = bitmap->Canvas();
        b->Font()->Assign(Font());
        b->Font()->SetColor(text);
        const TRect r(0, 0, bitmap->Width(), bitmap->Height());
        PaintRowSelection(b, r, this, FLook, paint.Background, Focused() && (!MultiSelect() || state.Contains(cdsFocused)),
                          true);
        if (Focused() && (state.Contains(cdsFocused) || !MultiSelect()) && FLook.ShowFocusRect) {
            const bool inset =
                StyleServices(this)->Enabled() && !IsWindowsXP() && !custom && FLook.Style == scstStyled;
            DrawScaledFocusRect(b, inset ? InsetRect(r, 1, 1) : r, scale);
        }
        b->Brush()->SetStyle(bsClear);
        TRect label = Moved(paint.Label, -selection.Left, -selection.Top);
        if (trim)
            label.Bottom -= 1;
        DrawItemText(b, paint, label, true);
        if (report && RowSelect() && item->SubItems()->Count() > 0)
            DrawSubItems(b, paint, TRect(paint.Bounds.Left - selection.Left, 0, 0, r.Bottom), true);
        if (FAlternateRow && report) {
            canvas->Brush()->SetColor(odd ? paint.Alternate : paint.Background);
            canvas->FillRect(TRect(paint.Bounds.Left, paint.Bounds.Top, ClientWidth(), paint.Bounds.Bottom));
        }
        BitBlt(canvas->Handle(), selection.Left, selection.Top, r.Width(), r.Height(), b->Handle(), 0, 0, SRCCOPY);
    } else {
        TRect fill = paint.Bounds;
        fill.Bottom -= 1;
        if (report && FAlternateRow) {
            fill.Right = ClientWidth();
            if (!FGridLines)
                fill.Bottom = paint.Bounds.Bottom;
            if (odd)
                canvas->Brush()->SetColor(paint.Alternate);
        }
        canvas->FillRect(fill);
        SetBkMode(canvas->Handle(), TRANSPARENT);
        DrawItemText(canvas, paint, paint.Label, false);
    }

    int imageX = -1;
    DrawItemImage(canvas, paint, icon, imageX);
    if (report && item->SubItems()->Count() > 0 && (!paint.Selected || !RowSelect()))
        DrawSubItems(canvas, paint, paint.Bounds, false);
    if (Checkboxes())
        DrawItemCheckBox(canvas, paint, icon, imageX);
    if (report && Columns()->Count() > 0 && FGridLines)
        DrawGridLines(canvas, paint);
}
