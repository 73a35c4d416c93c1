// The menu-bar item: its construction, published set and face.
#include "RurToolBar_MenuButton.h"

#include "RurMenus_Styler.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

TAVIN_PUBLISHED(TRurToolBarMenuButton)
{
    TAVIN_PROPERTY(TButtonAppearance*, Appearance);
    TAVIN_PROPERTY(bool, CanRotate).Default(true);
    TAVIN_PROPERTY(TGlyphPosition, GlyphPosition).Default(gpLeft);
    TAVIN_PROPERTY(bool, DropDownButton).Default(false);
    TAVIN_PROPERTY(TPopupMenu*, DropDownMenu);
    TAVIN_PROPERTY(bool, DropDownSplit).Default(true);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(TBitmap*, Glyph);
    TAVIN_PROPERTY(TBitmap*, GlyphHot);
    TAVIN_PROPERTY(TBitmap*, GlyphDown);
    TAVIN_PROPERTY(TBitmap*, GlyphDisabled);
    TAVIN_PROPERTY(TBitmap*, GlyphChecked);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(TPicture*, Picture);
    TAVIN_PROPERTY(bool, ParentStyler).Default(true);
    TAVIN_PROPERTY(TDockAlign, Position);
    TAVIN_PROPERTY(bool, Shaded).Default(true);
    TAVIN_PROPERTY(bool, ShowCaption).Default(false);
    TAVIN_PROPERTY(bool, ShowHint);
    TAVIN_PROPERTY(TRurHintInfo*, OfficeHint);
    TAVIN_PROPERTY(String, Version).Stored(false);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseEnter);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseLeave);
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown);
}

TRurToolBarMenuButton::TRurToolBarMenuButton(TComponent* owner) : TRurCustomToolBarButton(owner)
{
    SetParentStyler(true);
}

void TRurToolBarMenuButton::DrawButtonFace(TCanvas* canvas)
{
    // The drop-down part is FDropDownSectWidth pixels without scaling, at the right edge on a
    // horizontal toolbar and at the bottom otherwise, whether or not the button turns.
    const TRect c = ClientRect();
    const TRect drop = IsVertical() ? Rect(c.Left, c.Bottom - FDropDownSectWidth, c.Right, c.Bottom)
                                    : Rect(c.Right - FDropDownSectWidth, c.Top, c.Right, c.Bottom);
    TRect m = c;
    if (FDropDownButton) {
        if (IsVertical())
            m.Bottom = drop.Top;
        else
            m.Right = drop.Left;
    }
    if (FRurToolBar)
        FAppearance->Assign(FRurToolBar->CurrentToolBarStyler()->ButtonAppearance());

    const TButtonAppearance* own = FAppearance.get();
    const TButtonAppearance* states = CurrentAppearance();
    // In a menu bar the item looks like the menu styler's root item.
    const TRootItem* root = MenuBarRootItem();
    auto direction = [](RurMenus::TGradientDirection d) {
        return d == RurMenus::gdHorizontal ? gdHorizontal : gdVertical;
    };
    const bool followsStyler = FParentStyler && FRurToolBar;
    TFaceLook look;
    if (FState == absDisabled || !Enabled()) {
        look = DisabledLook();
    } else if (FState == absDown || FState == absDropDown || (FPropHot && FState == absExclusive) || FMouseDownInControl) {
        look = DownLook(states);
        if (followsStyler && root)
            look = {root->SelectedColor(), root->SelectedColorTo(), root->SelectedTextColor(),
                    root->SelectedBorderColor(), root->HoverColor(), root->HoverColorTo(),
                    direction(root->SelectedGradientDirection()), FGlyphDown.get()};
    } else if (FState == absExclusive) {
        look = CheckedLook(own);
    } else if (FPropHot) {
        look = HotLook(states);
        if (followsStyler && root)
            look = {root->HoverColor(), root->HoverColorTo(), root->HoverTextColor(), root->HoverBorderColor(),
                    root->HoverColor(), root->HoverColorTo(), direction(root->HoverGradientDirection()),
                    FGlyphHot.get()};
    } else if (followsStyler && root) {
        look = NormalLook(root->Font()->Color());
        if (!FTransparent)
            look = {root->Color(), root->ColorTo(), root->Font()->Color(), own->BorderColor(), root->Color(),
                    root->ColorTo(), direction(root->GradientDirection()), FGlyph.get()};
    } else {
        look = NormalLook(own->CaptionTextColor());
    }
    if (look.Glyph->Empty())
        look.Glyph = FGlyph.get();

    PaintFace(canvas, look, c, m);
    if (FMenuSel && FDropDownSplit)
        DrawOpenMenuFrame(canvas, m, drop);
    if (FDropDownButton)
        DrawArrow(canvas, drop, clBlack);
    DrawGlyphAndCaption(canvas, m, look.Glyph, look.Caption);
}

const TRootItem* TRurToolBarMenuButton::MenuBarRootItem() const
{
    if (!FRurToolBar || !FRurToolBar->Menu())
        return nullptr;
    const TCustomRurMenuStyler* menuStyler = FRurToolBar->CurrentToolBarStyler()->CurrentRurMenuStyler();
    return menuStyler ? menuStyler->RootItem() : nullptr;
}

void TRurToolBarMenuButton::DrawOpenMenuFrame(TCanvas* canvas, const TRect& main, const TRect& drop)
{
    const TCustomRurMenuStyler* menuStyler =
        FParentStyler && FRurToolBar ? FRurToolBar->CurrentToolBarStyler()->CurrentRurMenuStyler() : nullptr;
    canvas->Pen()->SetColor(menuStyler ? menuStyler->MenuBorderColor() : TColor(0x800000));
    canvas->MoveTo(main.Left, drop.Bottom);
    canvas->LineTo(main.Left, IsVertical() ? main.Top : drop.Top);
    canvas->LineTo(drop.Right - 1, IsVertical() ? main.Top : drop.Top);
    canvas->LineTo(drop.Right - 1, drop.Bottom);
}

void TRurToolBarMenuButton::DrawArrow(TCanvas* canvas, const TRect& drop, TColor color)
{
    canvas->Pen()->SetColor(color);
    if (!IsVertical()) {
        const int x = drop.Left + (drop.Width() - 5) / 2, y = drop.Top + (drop.Height() - 3) / 2 + 1;
        canvas->MoveTo(x, y);
        canvas->LineTo(x + 5, y);
        canvas->MoveTo(x + 1, y + 1);
        canvas->LineTo(x + 4, y + 1);
        canvas->SetPixels(x + 2, y + 2, color);
    } else {
        const int x = drop.Left + (drop.Width() - 3) / 2 + 1, y = drop.Top + (drop.Height() - 5) / 2;
        canvas->MoveTo(x, y);
        canvas->LineTo(x, y + 5);
        canvas->MoveTo(x - 1, y + 1);
        canvas->LineTo(x - 1, y + 4);
        canvas->SetPixels(x - 2, y + 2, color);
    }
}
