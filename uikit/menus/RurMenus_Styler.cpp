// The menu styler: its appearance objects, fonts and the link to the menu it styles.
#include "RurMenus_Styler.h"

TAVIN_PUBLISHED(TRurMenuStyler)
{
    RUR_PUBLISH_MENU_STYLER_PROPERTIES;
}

TCustomRurMenuStyler::TCustomRurMenuStyler(TComponent* AOwner)
    : TComponent(AOwner), FSeparator(std::make_unique<TSeparator>(nullptr)),
      FBackground(std::make_unique<TBackground>(nullptr)), FFont(NewMenuFont(-12)),
      FIconBar(std::make_unique<TIconBar>(nullptr)), FGlyphs(std::make_unique<TMenuGlyphs>(nullptr)),
      FRootItem(std::make_unique<TRootItem>(nullptr)), FSelectedItem(std::make_unique<TSelectedItem>(nullptr)),
      FSideBar(std::make_unique<TSideBar>()), FBackgroundBitmap(std::make_unique<TBitmap>()),
      FNotesFont(NewNotesFont(0x808080)), FButtonAppearance(std::make_unique<RurMenus::TButtonAppearance>())
{
}

TCustomRurMenuStyler::~TCustomRurMenuStyler() = default;

void TCustomRurMenuStyler::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TCustomRurMenuStyler*>(source);
    if (!other)
        return;
    FBackground->Assign(other->FBackground.get());
    FIconBar->Assign(other->FIconBar.get());
    FSelectedItem->Assign(other->FSelectedItem.get());
    FRootItem->Assign(other->FRootItem.get());
    FGlyphs->Assign(other->FGlyphs.get());
    FSideBar->Assign(other->FSideBar.get());
    FSeparator->Assign(other->FSeparator.get());
    FFont->Assign(other->FFont.get());
    FNotesFont->Assign(other->FNotesFont.get());
    FUseSystemFont = other->FUseSystemFont;
}

void TCustomRurMenuStyler::AssignRedrawing(TPersistent* target, TPersistent* value)
{
    target->Assign(value);
    RefreshStyledMenu(FMenu, false);
}

void TCustomRurMenuStyler::SetSideBar(TSideBar* value)
{
    FSideBar->Assign(value);
    RefreshStyledMenu(FMenu, true);
}

void TCustomRurMenuStyler::SetFont(TFont* value)
{
    FFont->Assign(value);
    RefreshStyledMenu(FMenu, true);
}

void TCustomRurMenuStyler::SetNotesFont(TFont* value)
{
    FNotesFont->Assign(value);
    RefreshStyledMenu(FMenu, true);
}

void TCustomRurMenuStyler::SetUseSystemFont(bool value)
{
    FUseSystemFont = value;
    RefreshStyledMenu(FMenu, true);
}

void TCustomRurMenuStyler::SetAntiAlias(RurGDIP::TAntiAlias value)
{
    FAntiAlias = value;
    RefreshStyledMenu(FMenu, true);
}

void TCustomRurMenuStyler::SetMenu(TMenu* value)
{
    if (FMenu && FMenu != value)
        FMenu->RemoveFreeNotification(this);
    FMenu = value;
    if (value)
        value->FreeNotification(this);
    FBackground->SetMenu(value);
    FIconBar->SetMenu(value);
    FSelectedItem->SetMenu(value);
    FRootItem->SetMenu(value);
    FGlyphs->SetMenu(value);
    FSideBar->SetMenu(value);
    FSeparator->SetMenu(value);
    RefreshStyledMenu(FMenu, false);
}

void TCustomRurMenuStyler::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FMenu)
        SetMenu(nullptr);
}
