#pragma once
// The look of the kit's owner-drawn menus: one persistent object per painted element (pop-up
// background, image column, highlighted item, menu-bar items, separator, side bar with its rotated
// caption, glyph bitmaps, button colours). Each keeps a link to the menu it styles; writes that
// change what the menu shows repaint it, or rebuild it so that every item is measured again.
#include <memory>

#include "Classes.h"
#include "Graphics.h"
#include "Menus.h"

// The menu unit's names that the toolbar unit also declares, with other meanings.
namespace RurMenus {
// The opposite order of the toolbar unit's enumeration of this name.
TAVIN_ENUM(TGradientDirection, gdVertical, gdHorizontal)
TAVIN_ENUM(TGlyphPosition, gpLeft, gpRight)
} // namespace RurMenus

TAVIN_ENUM(TBackgroundPosition, bpTopLeft, bpTopRight, bpBottomLeft, bpBottomRight, bpTopCenter, bpBottomCenter,
           bpTiled, bpStretched, bpCenter, bpXY)
// Which end (or both) of a line fades.
TAVIN_ENUM(TGradientType, gtLeft, gtRight, gtBoth)
TAVIN_ENUM(TDirection, dDownToUp, dUpToDown)
TAVIN_ENUM(TSideBarPosition, spLeft, spRight)
TAVIN_ENUM(TSideBarVisibleIn, viFirstVisible, viFirstLevel, viAnyLevel)
// The resolution class of the loaded glyph bitmaps: 96 dpi, 1.5x, 2x.
TAVIN_ENUM(TResType, rtx1, rtx15, rtx2, rtundefined)

// Repaints the menu, or (rebuild) builds its items again so that all are measured anew; nothing
// for a menu that is not one of the kit's owner-drawn menus.
void RefreshStyledMenu(TMenu* menu, bool rebuild);

// A copy of the screen's menu font at the height; the same font 2 points smaller in the colour.
std::unique_ptr<TFont> NewMenuFont(int height);
std::unique_ptr<TFont> NewNotesFont(TColor color);

// A two-colour gradient with the link to its menu.
class TGradientBar : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TGradientBar, TPersistent)
public:
    explicit TGradientBar(TMenu* AMenu);
    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { SetColorIndexed(0, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { SetColorIndexed(1, value); }
    // Index 0 Color, 1 ColorTo; others raise EInvalidPropertyIndex.
    TColor GetColorIndexed(int index) const;
    void SetColorIndexed(int index, TColor value);
    RurMenus::TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(RurMenus::TGradientDirection value) { FGradientDirection = value; }
    TMenu* Menu() const { return FMenu; }
    void SetMenu(TMenu* value) { FMenu = value; }

protected:
    void Redraw() const { RefreshStyledMenu(FMenu, false); }
    void Remeasure() const { RefreshStyledMenu(FMenu, true); }
    void SetMarkColor(TColor& field, TColor value)
    {
        field = value;
        Redraw();
    }

    RurMenus::TGradientDirection FGradientDirection = RurMenus::gdVertical;
    TMenu* FMenu = nullptr;
    TColor FColor = 0xD8BDAF, FColorTo = clNone;
};

// The check and radio box colours that the image column and the selected item both carry.
struct TMarkColors {
    TColor RadioBorder = 0x6F4B4B, CheckBorder = 0x6F4B4B, RadioColor = clNone, RadioColorTo = clNone, CheckColor = clNone,
           CheckColorTo = clNone;
    RurMenus::TGradientDirection CheckGradientDirection = RurMenus::gdVertical,
                                 RadioGradientDirection = RurMenus::gdVertical;
};

// Colour properties of the marks: the check and radio colours (indexed 0/1) redraw, the rest store.
#define RUR_MENU_MARK_PROPERTIES                                                                                  \
    TColor CheckColor() const { return FMarks.CheckColor; }                                                        \
    void SetCheckColor(TColor value) { SetMarkColor(FMarks.CheckColor, value); }                                  \
    TColor CheckColorTo() const { return FMarks.CheckColorTo; }                                                    \
    void SetCheckColorTo(TColor value) { SetMarkColor(FMarks.CheckColorTo, value); }                              \
    TColor RadioColor() const { return FMarks.RadioColor; }                                                        \
    void SetRadioColor(TColor value) { SetMarkColor(FMarks.RadioColor, value); }                                  \
    TColor RadioColorTo() const { return FMarks.RadioColorTo; }                                                    \
    void SetRadioColorTo(TColor value) { SetMarkColor(FMarks.RadioColorTo, value); }                              \
    TColor CheckBorder() const { return FMarks.CheckBorder; }                                                      \
    void SetCheckBorder(TColor value) { FMarks.CheckBorder = value; }                                             \
    TColor RadioBorder() const { return FMarks.RadioBorder; }                                                      \
    void SetRadioBorder(TColor value) { FMarks.RadioBorder = value; }                                             \
    RurMenus::TGradientDirection CheckGradientDirection() const { return FMarks.CheckGradientDirection; }         \
    void SetCheckGradientDirection(RurMenus::TGradientDirection value) { FMarks.CheckGradientDirection = value; } \
    RurMenus::TGradientDirection RadioGradientDirection() const { return FMarks.RadioGradientDirection; }         \
    void SetRadioGradientDirection(RurMenus::TGradientDirection value) { FMarks.RadioGradientDirection = value; } \
    const TMarkColors& Marks() const { return FMarks; }

// The column at the left of pop-up items with the images and check marks.
class TIconBar : public TGradientBar {
    TAVIN_PUBLISHED_CLASS(TIconBar, TGradientBar)
public:
    explicit TIconBar(TMenu* AMenu);
    void Assign(const TPersistent* source) override;

    RUR_MENU_MARK_PROPERTIES
    TColor SeparatorColor() const { return FSeparatorColor; }
    void SetSeparatorColor(TColor value) { FSeparatorColor = value; }
    // Width at 96 dpi, at least 16; a write re-measures the menu.
    int Size() const { return FSize; }
    void SetSize(int value);
    // Stores the width without rebuilding the menu (for a caller that is measuring it).
    void StoreSize(int value) { FSize = std::max(value, 16); }

private:
    TMarkColors FMarks{.RadioColor = 0x6FC0FF, .CheckColor = 0x6FC0FF};
    int FSize = 24;
    TColor FSeparatorColor = clNone;
};

// The highlight of the selected pop-up item, its check and radio boxes and its fonts.
class TSelectedItem : public TGradientBar {
    TAVIN_PUBLISHED_CLASS(TSelectedItem, TGradientBar)
public:
    explicit TSelectedItem(TMenu* AMenu);
    void Assign(const TPersistent* source) override;

    RUR_MENU_MARK_PROPERTIES
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor value) { FColorMirror = value; }
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor value) { FColorMirrorTo = value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);
    TFont* NotesFont() const { return FNotesFont.get(); }
    void SetNotesFont(TFont* value);
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool value);

private:
    TMarkColors FMarks{.RadioColor = 0x3E80FE, .CheckColor = 0x3E80FE};
    TColor FBorderColor = 0x6F4B4B;
    std::unique_ptr<TFont> FFont;
    bool FUseSystemFont = true;
    TColor FColorMirror = clNone, FColorMirrorTo = clNone;
    std::unique_ptr<TFont> FNotesFont;
};

// The top-level items of a menu bar: hover (mouse over, menu closed) and selected (drop-down open).
// Color/ColorTo is the bar's own background.
class TRootItem : public TGradientBar {
    TAVIN_PUBLISHED_CLASS(TRootItem, TGradientBar)
public:
    explicit TRootItem(TMenu* AMenu);
    void Assign(const TPersistent* source) override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool value);
    // The screen's menu font again, when UseSystemFont (no refresh).
    void UpdateFont();

    // Indexed 0..3: Color, ColorTo, ColorMirror, ColorMirrorTo; a write re-measures.
    TColor GetHoverColorIndexed(int index) const;
    void SetHoverColorIndexed(int index, TColor value);
    TColor GetSelectedColorIndexed(int index) const;
    void SetSelectedColorIndexed(int index, TColor value);

    TColor HoverColor() const { return FHover[0]; }
    void SetHoverColor(TColor value) { SetHoverColorIndexed(0, value); }
    TColor HoverColorTo() const { return FHover[1]; }
    void SetHoverColorTo(TColor value) { SetHoverColorIndexed(1, value); }
    TColor HoverColorMirror() const { return FHover[2]; }
    void SetHoverColorMirror(TColor value) { SetHoverColorIndexed(2, value); }
    TColor HoverColorMirrorTo() const { return FHover[3]; }
    void SetHoverColorMirrorTo(TColor value) { SetHoverColorIndexed(3, value); }
    TColor SelectedColor() const { return FSelected[0]; }
    void SetSelectedColor(TColor value) { SetSelectedColorIndexed(0, value); }
    TColor SelectedColorTo() const { return FSelected[1]; }
    void SetSelectedColorTo(TColor value) { SetSelectedColorIndexed(1, value); }
    TColor SelectedColorMirror() const { return FSelected[2]; }
    void SetSelectedColorMirror(TColor value) { SetSelectedColorIndexed(2, value); }
    TColor SelectedColorMirrorTo() const { return FSelected[3]; }
    void SetSelectedColorMirrorTo(TColor value) { SetSelectedColorIndexed(3, value); }

    RurMenus::TGradientDirection HoverGradientDirection() const { return FHoverGradientDirection; }
    void SetHoverGradientDirection(RurMenus::TGradientDirection value) { FHoverGradientDirection = value; }
    RurMenus::TGradientDirection SelectedGradientDirection() const { return FSelectedGradientDirection; }
    void SetSelectedGradientDirection(RurMenus::TGradientDirection value) { FSelectedGradientDirection = value; }
    TColor HoverBorderColor() const { return FHoverBorderColor; }
    void SetHoverBorderColor(TColor value) { FHoverBorderColor = value; }
    TColor HoverTextColor() const { return FHoverTextColor; }
    void SetHoverTextColor(TColor value) { FHoverTextColor = value; }
    TColor SelectedBorderColor() const { return FSelectedBorderColor; }
    void SetSelectedBorderColor(TColor value) { FSelectedBorderColor = value; }
    TColor SelectedTextColor() const { return FSelectedTextColor; }
    void SetSelectedTextColor(TColor value) { FSelectedTextColor = value; }

private:
    std::unique_ptr<TFont> FFont;
    TColor FSelectedBorderColor = 0x947C7C, FSelectedTextColor = clWindowText;
    bool FUseSystemFont = true;
    TColor FHoverTextColor = clWindowText, FHoverBorderColor = 0x6F4B4B;
    TColor FSelected[4] = {0xF2E8E8, 0xCDB8B9, clNone, clNone};
    TColor FHover[4] = {0xCFF6FF, 0x9DD8FF, clNone, clNone};
    RurMenus::TGradientDirection FHoverGradientDirection = RurMenus::gdVertical,
                                 FSelectedGradientDirection = RurMenus::gdVertical;
};

// A gradient with an optional picture (the pop-up background, and twice inside the side bar).
class TBackground : public TGradientBar {
    TAVIN_PUBLISHED_CLASS(TBackground, TGradientBar)
public:
    explicit TBackground(TMenu* AMenu);
    ~TBackground() override;
    void Assign(const TPersistent* source) override;

    // Made when first read; a bitmap in it is drawn transparent (the corner colour left out).
    TPicture* Image() const;
    // Null frees the picture; otherwise assigned. Either way the menu repaints.
    void SetImage(TPicture* value);
    // Whether the picture holds a non-empty graphic (without making one).
    bool HasPicture() const;
    TBackgroundPosition Position() const { return FPosition; }
    void SetPosition(TBackgroundPosition value) { FPosition = value; }
    int OffsetX() const { return FOffsetX; }
    void SetOffsetX(int value) { FOffsetX = value; }
    int OffsetY() const { return FOffsetY; }
    void SetOffsetY(int value) { FOffsetY = value; }
    int MarginX() const { return FMarginX; }
    void SetMarginX(int value) { FMarginX = value; }
    int MarginY() const { return FMarginY; }
    void SetMarginY(int value) { FMarginY = value; }

    // Where the picture goes in rect by Position and the offsets (the corner for tiled, stretched
    // and XY pictures, which the painter places itself).
    void CalcPicturePosition(const TRect& rect, int& x, int& y) const;
    // The drawing cache in which gradient and picture are composed.
    TBitmap* CacheBitmap();

private:
    mutable std::unique_ptr<TPicture> FImage;
    int FOffsetX = 0, FOffsetY = 0;
    TBackgroundPosition FPosition = bpCenter;
    int FMarginX = 0, FMarginY = 0;
    std::unique_ptr<TBitmap> FBitmap;
};

// The line of separator items.
class TSeparator : public TGradientBar {
    TAVIN_PUBLISHED_CLASS(TSeparator, TGradientBar)
public:
    explicit TSeparator(TMenu* AMenu);
    void Assign(const TPersistent* source) override;

    TGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TGradientType value) { FGradientType = value; }
    int GradientWidth() const { return FGradientWidth; }
    void SetGradientWidth(int value) { FGradientWidth = value; }
    int Margin() const { return FMargin; }
    void SetMargin(int value) { FMargin = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }

private:
    TGradientType FGradientType = gtBoth;
    int FGradientWidth = 0, FMargin = 2, FWidth = 1;
};

// The rotated caption of the side bar.
class TBarCaption : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TBarCaption, TPersistent)
public:
    TBarCaption();
    void Assign(const TPersistent* source) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { FShadowColor = value; }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { FHighlightColor = value; }
    int Depth() const { return FDepth; }
    void SetDepth(int value) { FDepth = value; }
    TDirection Direction() const { return FDirection; }
    void SetDirection(TDirection value) { FDirection = value; }
    // Distance of the caption from the band's end.
    int OffsetY() const { return FOffsetY; }
    TMenu* CaptionMenu() const { return FMenu; }

protected:
    String FCaption;
    std::unique_ptr<TFont> FFont;
    int FOffsetY = 6;
    TDirection FDirection = dDownToUp;
    TColor FShadowColor = clNone, FHighlightColor = clNone;
    int FDepth = 1;
    TAlignment FAlignment = taLeftJustify;
    // Never set: the side bar refreshes through its own link.
    TMenu* FMenu = nullptr;
};

// The band along the left edge of pop-up menus: gradient, picture, splitter and rotated caption.
class TSideBar : public TBarCaption {
    TAVIN_PUBLISHED_CLASS(TSideBar, TBarCaption)
public:
    TSideBar();
    void Assign(const TPersistent* source) override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    TSideBarVisibleIn VisibleIn() const { return FVisibleIn; }
    void SetVisibleIn(TSideBarVisibleIn value) { FVisibleIn = value; }
    TBackground* Image() const { return FImage.get(); }
    void SetImage(TBackground* value);
    TBackground* Background() const { return FBackground.get(); }
    void SetBackground(TBackground* value);
    int Size() const { return FSize; }
    void SetSize(int value) { FSize = value; }
    TColor SplitterColor() const { return FSplitterColor; }
    void SetSplitterColor(TColor value) { FSplitterColor = value; }
    TColor SplitterColorTo() const { return FSplitterColorTo; }
    void SetSplitterColorTo(TColor value) { FSplitterColorTo = value; }
    int SplitterWidth() const { return FSplitterWidth; }
    void SetSplitterWidth(int value) { FSplitterWidth = value; }
    int SplitterMargin() const { return FSplitterMargin; }
    void SetSplitterMargin(int value) { FSplitterMargin = value; }
    int SplitterGradientWidth() const { return FSplitterGradientWidth; }
    void SetSplitterGradientWidth(int value) { FSplitterGradientWidth = value; }
    TGradientType SplitterGradientType() const { return FSplitterGradientType; }
    void SetSplitterGradientType(TGradientType value) { FSplitterGradientType = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    TSideBarPosition Position() const { return FPosition; }
    // The height of the last pop-up whose band was painted.
    int PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int value) { FPopupHeight = value; }
    TMenu* Menu() const { return FSideBarMenu; }
    void SetMenu(TMenu* value) { FSideBarMenu = value; }

private:
    bool FVisible = false;
    std::unique_ptr<TBackground> FBackground, FImage;
    int FSplitterWidth = 1;
    TSideBarPosition FPosition = spLeft;
    int FSize = 24, FSplitterMargin = 0, FSplitterGradientWidth = 0;
    TGradientType FSplitterGradientType = gtBoth;
    TColor FBorderColor = 0xA19D9D, FSplitterColor = 0x808080, FSplitterColorTo = clNone;
    TSideBarVisibleIn FVisibleIn = viFirstVisible;
    int FPopupHeight = 0;
    TMenu* FSideBarMenu = nullptr;
};

// The bitmaps of the sub-menu arrow, the check mark and the radio dot, from the program's
// resources in the set that suits the screen's scale.
class TMenuGlyphs : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TMenuGlyphs, TPersistent)
public:
    explicit TMenuGlyphs(TMenu* AMenu);
    void Assign(const TPersistent* source) override;

    TBitmap* SubMenu() const { return FSubMenu.get(); }
    void SetSubMenu(TBitmap* value) { SetGlyph(FSubMenu, value); }
    TBitmap* Check() const { return FCheck.get(); }
    void SetCheck(TBitmap* value) { SetGlyph(FCheck, value); }
    TBitmap* Radio() const { return FRadio.get(); }
    void SetRadio(TBitmap* value) { SetGlyph(FRadio, value); }
    TMenu* Menu() const { return FMenu; }
    void SetMenu(TMenu* value) { FMenu = value; }
    TResType ResType() const { return FResType; }

    // Loads the set of the scale's class (below 1.5, below 2, else the largest) unless loaded.
    void UpdateResources(float AScale);

private:
    void SetGlyph(std::unique_ptr<TBitmap>& glyph, TBitmap* value);

    std::unique_ptr<TBitmap> FSubMenu, FCheck, FRadio;
    TMenu* FMenu = nullptr;
    TResType FResType = rtundefined;
};

namespace RurMenus {

// Button colours the styler carries for its users; the menus do not paint with them.
class TButtonAppearance : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TButtonAppearance, TPersistent)
public:
    TButtonAppearance();
    // From another of this class: the colours and direction, silently; other sources are ignored.
    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Change(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { Change(FColorTo, value); }
    TColor HoverColor() const { return FHoverColor; }
    void SetHoverColor(TColor value) { Change(FHoverColor, value); }
    TColor HoverColorTo() const { return FHoverColorTo; }
    void SetHoverColorTo(TColor value) { Change(FHoverColorTo, value); }
    TColor DownColor() const { return FDownColor; }
    void SetDownColor(TColor value) { Change(FDownColor, value); }
    TColor DownColorTo() const { return FDownColorTo; }
    void SetDownColorTo(TColor value) { Change(FDownColorTo, value); }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value) { Change(FGradientDirection, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Change(FBorderColor, value); }
    TColor HoverBorderColor() const { return FHoverBorderColor; }
    void SetHoverBorderColor(TColor value) { FHoverBorderColor = value; }
    TColor DownBorderColor() const { return FDownBorderColor; }
    void SetDownBorderColor(TColor value) { FDownBorderColor = value; }
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(TFont* value);
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool value);
    TGlyphPosition GlyphPosition() const { return FGlyphPosition; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    template <class T>
    void Change(T& field, T value)
    {
        if (field != value) {
            field = value;
            Changed();
        }
    }
    void Changed();

    TNotifyEvent FOnChange;
    TColor FHoverColor = 0xD2BDB6, FColorTo = clNone, FColor = clNone, FHoverColorTo = clNone,
           FDownColorTo = clNone, FDownColor = 0xB59285, FDownBorderColor = 0x6A240A, FBorderColor = clNone,
           FHoverBorderColor = 0x6A240A;
    TGradientDirection FGradientDirection = gdVertical;
    std::unique_ptr<TFont> FCaptionFont;
    TGlyphPosition FGlyphPosition = gpLeft;
    bool FUseSystemFont = true;
};

} // namespace RurMenus
