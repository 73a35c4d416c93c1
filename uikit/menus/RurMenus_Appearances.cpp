// The menu appearance classes: defaults, comparing and refreshing writes, and Assign.
#include "RurMenus_Appearances.h"

#include "Forms.h"
#include "RurMenuUtil.h"
#include "RurMenus_Components.h"
#include "RurStyleIF.h"

namespace {

// The screen's menu font (the framework's default font before the screen exists).
std::unique_ptr<TFont> ScreenMenuFont()
{
    auto font = std::make_unique<TFont>();
    if (Screen)
        font->Assign(Screen->MenuFont());
    return font;
}

} // namespace

std::unique_ptr<TFont> NewMenuFont(int height)
{
    auto font = ScreenMenuFont();
    font->SetHeight(height);
    return font;
}

std::unique_ptr<TFont> NewNotesFont(TColor color)
{
    auto font = ScreenMenuFont();
    font->SetSize(font->Size() - 2);
    font->SetColor(color);
    return font;
}

// ---- TGradientBar ------------------------------------------------------------------------------

TAVIN_PUBLISHED(TGradientBar)
{
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(TColor, ColorTo);
    TAVIN_PROPERTY(RurMenus::TGradientDirection, GradientDirection);
}

TGradientBar::TGradientBar(TMenu* AMenu) : FMenu(AMenu) {}

void TGradientBar::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TGradientBar*>(source)) {
        FColor = other->FColor;
        FColorTo = other->FColorTo;
        FGradientDirection = other->FGradientDirection;
        return;
    }
    TPersistent::Assign(source);
}

TColor TGradientBar::GetColorIndexed(int index) const
{
    if (index == 0)
        return FColor;
    if (index == 1)
        return FColorTo;
    RurMenuUtil::RaiseInvalidPropertyIndex(index);
}

void TGradientBar::SetColorIndexed(int index, TColor value)
{
    if (index == 0)
        FColor = value;
    else if (index == 1)
        FColorTo = value;
    else
        RurMenuUtil::RaiseInvalidPropertyIndex(index);
}

// ---- TIconBar ----------------------------------------------------------------------------------

#define RUR_PUBLISH_MARKS                                                                                          \
    TAVIN_PROPERTY(TColor, CheckColor);                                                                            \
    TAVIN_PROPERTY(TColor, CheckColorTo);                                                                          \
    TAVIN_PROPERTY(TColor, CheckBorder);                                                                           \
    TAVIN_PROPERTY(RurMenus::TGradientDirection, CheckGradientDirection);                                          \
    TAVIN_PROPERTY(TColor, RadioColor);                                                                            \
    TAVIN_PROPERTY(TColor, RadioColorTo);                                                                          \
    TAVIN_PROPERTY(TColor, RadioBorder);                                                                           \
    TAVIN_PROPERTY(RurMenus::TGradientDirection, RadioGradientDirection)

TAVIN_PUBLISHED(TIconBar)
{
    RUR_PUBLISH_MARKS;
    TAVIN_PROPERTY(TColor, SeparatorColor);
    TAVIN_PROPERTY(int, Size).Default(24);
}

TIconBar::TIconBar(TMenu* AMenu) : TGradientBar(AMenu)
{
    FColor = 0xFFF9F9;
    FColorTo = 0xBBA0A1;
    FGradientDirection = RurMenus::gdHorizontal;
}

void TIconBar::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TIconBar*>(source);
    if (!other) {
        TGradientBar::Assign(source);
        return;
    }
    // The column's own gradient stays: a preset's column look is copied, not its colours.
    FMarks = other->FMarks;
    SetSize(other->FSize);
    FSeparatorColor = other->FSeparatorColor;
}

void TIconBar::SetSize(int value)
{
    StoreSize(value);
    Remeasure();
}

// ---- TSelectedItem -----------------------------------------------------------------------------

TAVIN_PUBLISHED(TSelectedItem)
{
    RUR_PUBLISH_MARKS;
    TAVIN_PROPERTY(TColor, BorderColor);
    TAVIN_PROPERTY(TColor, ColorMirror);
    TAVIN_PROPERTY(TColor, ColorMirrorTo);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(TFont*, NotesFont);
    TAVIN_PROPERTY(bool, UseSystemFont).Default(true);
}

TSelectedItem::TSelectedItem(TMenu* AMenu)
    : TGradientBar(AMenu), FFont(NewMenuFont(-12)), FNotesFont(NewNotesFont(clWindowText))
{
    FColor = 0xC2EEFF;
    FFont->SetColor(clWindowText);
}

void TSelectedItem::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TSelectedItem*>(source);
    if (!other) {
        TGradientBar::Assign(source);
        return;
    }
    // As the platform's look copies it: the highlight's own gradient and the check border stay.
    FColorMirror = other->FColorMirror;
    FColorMirrorTo = other->FColorMirrorTo;
    FBorderColor = other->FBorderColor;
    FFont->Assign(other->FFont.get());
    SetUseSystemFont(other->FUseSystemFont);
    FMarks.CheckColor = other->FMarks.CheckColor;
    FMarks.CheckColorTo = other->FMarks.CheckColorTo;
    FMarks.CheckGradientDirection = other->FMarks.CheckGradientDirection;
    FMarks.RadioColor = other->FMarks.RadioColor;
    FMarks.RadioColorTo = other->FMarks.RadioColorTo;
    FMarks.RadioBorder = other->FMarks.RadioBorder;
    FMarks.RadioGradientDirection = other->FMarks.RadioGradientDirection;
}

void TSelectedItem::SetFont(TFont* value)
{
    FFont->Assign(value);
    Remeasure();
}

void TSelectedItem::SetNotesFont(TFont* value)
{
    FNotesFont->Assign(value);
    Remeasure();
}

void TSelectedItem::SetUseSystemFont(bool value)
{
    FUseSystemFont = value;
    Remeasure();
}

// ---- TRootItem ---------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRootItem)
{
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(bool, UseSystemFont).Default(true);
    TAVIN_PROPERTY(TColor, HoverColor);
    TAVIN_PROPERTY(TColor, HoverColorTo);
    TAVIN_PROPERTY(TColor, HoverColorMirror);
    TAVIN_PROPERTY(TColor, HoverColorMirrorTo);
    TAVIN_PROPERTY(RurMenus::TGradientDirection, HoverGradientDirection);
    TAVIN_PROPERTY(TColor, HoverBorderColor);
    TAVIN_PROPERTY(TColor, HoverTextColor);
    TAVIN_PROPERTY(TColor, SelectedColor);
    TAVIN_PROPERTY(TColor, SelectedColorTo);
    TAVIN_PROPERTY(TColor, SelectedColorMirror);
    TAVIN_PROPERTY(TColor, SelectedColorMirrorTo);
    TAVIN_PROPERTY(RurMenus::TGradientDirection, SelectedGradientDirection);
    TAVIN_PROPERTY(TColor, SelectedBorderColor);
    TAVIN_PROPERTY(TColor, SelectedTextColor);
}

TRootItem::TRootItem(TMenu* AMenu) : TGradientBar(AMenu), FFont(NewMenuFont(-12))
{
    FColor = 0xE5D7D7;
    FColorTo = 0xF7F2F2;
    FGradientDirection = RurMenus::gdHorizontal;
}

void TRootItem::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TRootItem*>(source);
    if (!other) {
        TGradientBar::Assign(source);
        return;
    }
    // The bar's own gradient and the hover mirror colours stay, as the platform's look copies them.
    FFont->Assign(other->FFont.get());
    SetUseSystemFont(other->FUseSystemFont);
    SetSelectedColor(other->SelectedColor());
    SetSelectedColorTo(other->SelectedColorTo());
    FSelectedGradientDirection = other->FSelectedGradientDirection;
    FSelectedBorderColor = other->FSelectedBorderColor;
    FSelectedTextColor = other->FSelectedTextColor;
    SetHoverColor(other->HoverColor());
    SetHoverColorTo(other->HoverColorTo());
    FHoverGradientDirection = other->FHoverGradientDirection;
    FHoverBorderColor = other->FHoverBorderColor;
    FHoverTextColor = other->FHoverTextColor;
    SetSelectedColorMirror(other->SelectedColorMirror());
    SetSelectedColorMirrorTo(other->SelectedColorMirrorTo());
}

void TRootItem::SetFont(TFont* value)
{
    FFont->Assign(value);
    Remeasure();
}

void TRootItem::SetUseSystemFont(bool value)
{
    FUseSystemFont = value;
    Remeasure();
}

void TRootItem::UpdateFont()
{
    if (FUseSystemFont && Screen)
        FFont->Assign(Screen->MenuFont());
}

TColor TRootItem::GetHoverColorIndexed(int index) const
{
    if (index < 0 || index > 3)
        RurMenuUtil::RaiseInvalidPropertyIndex(index);
    return FHover[index];
}

void TRootItem::SetHoverColorIndexed(int index, TColor value)
{
    if (index < 0 || index > 3)
        RurMenuUtil::RaiseInvalidPropertyIndex(index);
    FHover[index] = value;
    Remeasure();
}

TColor TRootItem::GetSelectedColorIndexed(int index) const
{
    if (index < 0 || index > 3)
        RurMenuUtil::RaiseInvalidPropertyIndex(index);
    return FSelected[index];
}

void TRootItem::SetSelectedColorIndexed(int index, TColor value)
{
    if (index < 0 || index > 3)
        RurMenuUtil::RaiseInvalidPropertyIndex(index);
    FSelected[index] = value;
    Remeasure();
}

// ---- TBackground -------------------------------------------------------------------------------

TAVIN_PUBLISHED(TBackground)
{
    TAVIN_PROPERTY(TPicture*, Image);
    TAVIN_PROPERTY(TBackgroundPosition, Position).Default(bpCenter);
    TAVIN_PROPERTY(int, OffsetX).Default(0);
    TAVIN_PROPERTY(int, OffsetY).Default(0);
    TAVIN_PROPERTY(int, MarginX).Default(0);
    TAVIN_PROPERTY(int, MarginY).Default(0);
}

TBackground::TBackground(TMenu* AMenu) : TGradientBar(AMenu)
{
    FColor = 0xFFFAFD;
}

TBackground::~TBackground() = default;

void TBackground::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TBackground*>(source);
    if (!other) {
        TGradientBar::Assign(source);
        return;
    }
    SetImage(other->FImage.get());
    FOffsetX = other->FOffsetX;
    FOffsetY = other->FOffsetY;
    FPosition = other->FPosition;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
}

TPicture* TBackground::Image() const
{
    if (!FImage)
        FImage = std::make_unique<TPicture>();
    if (auto* bitmap = dynamic_cast<TBitmap*>(FImage->Graphic())) {
        bitmap->SetTransparent(true);
        bitmap->SetTransparentMode(tmAuto);
    }
    return FImage.get();
}

void TBackground::SetImage(TPicture* value)
{
    if (!value)
        FImage.reset();
    else
        Image()->Assign(value);
    Redraw();
}

bool TBackground::HasPicture() const
{
    return FImage && FImage->Graphic() && !FImage->Graphic()->Empty();
}

void TBackground::CalcPicturePosition(const TRect& rect, int& x, int& y) const
{
    x = rect.Left;
    y = rect.Top;
    if (!HasPicture())
        return;
    const int width = FImage->Width(), height = FImage->Height();
    switch (FPosition) {
    case bpTopLeft:
    case bpBottomLeft:
        x += FOffsetX;
        break;
    case bpTopRight:
    case bpBottomRight:
        x += rect.Width() + FOffsetX - width;
        break;
    case bpTopCenter:
    case bpBottomCenter:
    case bpCenter:
        x += (rect.Width() - width) / 2 + FOffsetX;
        break;
    default:
        break;
    }
    switch (FPosition) {
    case bpTopLeft:
    case bpTopRight:
    case bpTopCenter:
        y += FOffsetY;
        break;
    case bpBottomLeft:
    case bpBottomRight:
    case bpBottomCenter:
        y += rect.Height() + FOffsetY - height;
        break;
    case bpCenter:
        y += (rect.Height() - height) / 2 + FOffsetY;
        break;
    default:
        break;
    }
}

TBitmap* TBackground::CacheBitmap()
{
    if (!FBitmap)
        FBitmap = std::make_unique<TBitmap>();
    return FBitmap.get();
}

// ---- TSeparator --------------------------------------------------------------------------------

TAVIN_PUBLISHED(TSeparator)
{
    TAVIN_PROPERTY(int, Width).Default(1);
    TAVIN_PROPERTY(TGradientType, GradientType).Default(gtBoth);
    TAVIN_PROPERTY(int, GradientWidth).Default(0);
    TAVIN_PROPERTY(int, Margin).Default(2);
}

TSeparator::TSeparator(TMenu* AMenu) : TGradientBar(AMenu)
{
    FColor = 0x8F6D6E;
    FGradientDirection = RurMenus::gdHorizontal;
}

void TSeparator::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TSeparator*>(source)) {
        FWidth = other->FWidth;
        FGradientType = other->FGradientType;
        FGradientWidth = other->FGradientWidth;
        FMargin = other->FMargin;
    }
    TGradientBar::Assign(source);
}

// ---- TBarCaption -------------------------------------------------------------------------------

TAVIN_PUBLISHED(TBarCaption)
{
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(TColor, ShadowColor);
    TAVIN_PROPERTY(int, Depth).Default(1);
    TAVIN_PROPERTY(TDirection, Direction).Default(dDownToUp);
}

TBarCaption::TBarCaption() : FFont(std::make_unique<TFont>())
{
    FFont->SetName(u"Tahoma");
    FFont->SetSize(14);
    FFont->SetColor(0xFFFFFF);
    FFont->SetStyle({fsBold, fsItalic});
}

void TBarCaption::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TBarCaption*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FOffsetY = other->FOffsetY;
    FAlignment = other->FAlignment;
    FCaption = other->FCaption;
    FFont->Assign(other->FFont.get());
    FShadowColor = other->FShadowColor;
    FHighlightColor = other->FHighlightColor;
    FDepth = other->FDepth;
    FDirection = other->FDirection;
}

void TBarCaption::SetFont(TFont* value)
{
    FFont->Assign(value);
    RefreshStyledMenu(FMenu, true);
}

// ---- TSideBar ----------------------------------------------------------------------------------

TAVIN_PUBLISHED(TSideBar)
{
    TAVIN_PROPERTY(bool, Visible).Default(false);
    TAVIN_PROPERTY(TSideBarVisibleIn, VisibleIn).Default(viFirstVisible);
    TAVIN_PROPERTY(TBackground*, Image);
    TAVIN_PROPERTY(TBackground*, Background);
    TAVIN_PROPERTY(int, Size).Default(24);
    TAVIN_PROPERTY(TColor, SplitterColor);
    TAVIN_PROPERTY(TColor, SplitterColorTo);
    TAVIN_PROPERTY(int, SplitterWidth).Default(1);
    TAVIN_PROPERTY(int, SplitterMargin).Default(0);
    TAVIN_PROPERTY(int, SplitterGradientWidth).Default(0);
    TAVIN_PROPERTY(TGradientType, SplitterGradientType).Default(gtBoth);
    TAVIN_PROPERTY(TColor, BorderColor);
}

// The two backgrounds exist before the side bar knows its menu: they refresh nothing themselves.
TSideBar::TSideBar() : FBackground(std::make_unique<TBackground>(nullptr)), FImage(std::make_unique<TBackground>(nullptr))
{
}

void TSideBar::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TSideBar*>(source)) {
        SetVisible(other->FVisible);
        FImage->Assign(other->FImage.get());
        FBackground->Assign(other->FBackground.get());
        FPosition = other->FPosition;
        FSize = other->FSize;
        FSplitterWidth = other->FSplitterWidth;
        FSplitterMargin = other->FSplitterMargin;
        FSplitterGradientWidth = other->FSplitterGradientWidth;
        FSplitterGradientType = other->FSplitterGradientType;
        FBorderColor = other->FBorderColor;
    }
    TBarCaption::Assign(source);
}

void TSideBar::SetVisible(bool value)
{
    FVisible = value;
    if (auto* menu = dynamic_cast<TMainMenu*>(FSideBarMenu); menu && menu->WindowHandle())
        RefreshStyledMenu(menu, true);
}

void TSideBar::SetImage(TBackground* value)
{
    FImage->Assign(value);
    RefreshStyledMenu(FSideBarMenu, true);
}

void TSideBar::SetBackground(TBackground* value)
{
    FBackground->Assign(value);
    if (dynamic_cast<TBitmap*>(FBackground->Image()->Graphic()))
        FBackground->CacheBitmap()->SetTransparent(true);
    RefreshStyledMenu(FSideBarMenu, true);
}

// ---- RurMenus::TButtonAppearance ---------------------------------------------------------------

namespace RurMenus {

TAVIN_PUBLISHED(TButtonAppearance)
{
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(TColor, ColorTo);
    TAVIN_PROPERTY(TColor, HoverColor);
    TAVIN_PROPERTY(TColor, HoverColorTo);
    TAVIN_PROPERTY(TColor, DownColor);
    TAVIN_PROPERTY(TColor, DownColorTo);
    TAVIN_PROPERTY(TGradientDirection, GradientDirection);
    TAVIN_PROPERTY(TColor, BorderColor);
    TAVIN_PROPERTY(TColor, HoverBorderColor);
    TAVIN_PROPERTY(TColor, DownBorderColor);
    TAVIN_PROPERTY(TFont*, CaptionFont);
    TAVIN_PROPERTY(bool, UseSystemFont).Default(true);
}

namespace {

String InterfaceFontName()
{
    return IsVistaOrLater() ? u"Segoe UI" : u"Tahoma";
}

} // namespace

TButtonAppearance::TButtonAppearance() : FCaptionFont(std::make_unique<TFont>())
{
    FCaptionFont->SetName(InterfaceFontName());
}

void TButtonAppearance::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TButtonAppearance*>(source);
    if (!other)
        return;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FHoverColor = other->FHoverColor;
    FHoverColorTo = other->FHoverColorTo;
    FDownColor = other->FDownColor;
    FDownColorTo = other->FDownColorTo;
    FGradientDirection = other->FGradientDirection;
    FBorderColor = other->FBorderColor;
    FHoverBorderColor = other->FHoverBorderColor;
    FDownBorderColor = other->FDownBorderColor;
}

void TButtonAppearance::SetCaptionFont(TFont* value)
{
    FCaptionFont->Assign(value);
    Changed();
}

void TButtonAppearance::SetUseSystemFont(bool value)
{
    if (FUseSystemFont == value)
        return;
    FUseSystemFont = value;
    if (value)
        FCaptionFont->SetName(InterfaceFontName());
}

void TButtonAppearance::Changed()
{
    if (FOnChange)
        FOnChange(this);
}

} // namespace RurMenus
