// The ribbon's tab groups: data, change reports and the one-colour look.
#include "RurTabGroups.h"

#include "RurGDIP.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_TabAppearance.h"

namespace {

// The styler the pager that owns the groups paints with; none without a pager.
TCustomRurToolBarStyler* CurrentStylerOf(TComponent*) { return nullptr; }

} // namespace

TAVIN_PUBLISHED(TTabGroupItem)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TAlignment, CaptionAlignment).Default(taLeftJustify);
    TAVIN_PROPERTY(bool, DefaultAppearance).Default(true);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(int, TabIndexStart).Default(-1);
    TAVIN_PROPERTY(int, TabIndexEnd).Default(-1);
    TAVIN_PROPERTY(TGroupAppearance*, GroupAppearance);
    TAVIN_PROPERTY(int, Tag).Default(0);
}

TTabGroupItem::TTabGroupItem(TCollection* collection)
    : TCollectionItem(collection), FGroupAppearance(std::make_unique<TGroupAppearance>())
{
    FGroupAppearance->SetOnChange(MakeHandler<&TTabGroupItem::AppearanceChanged>(this));
    // Through the setters from the unset values, as the pager expects one report per value that
    // differs from them.
    FImageIndex = FTabIndexStart = FTabIndexEnd = 0;
    SetCaption(String());
    SetCaptionAlignment(taLeftJustify);
    SetImageIndex(-1);
    SetTabIndexStart(-1);
    SetTabIndexEnd(-1);
}

TTabGroupItem::~TTabGroupItem() { DoChange(); }

void TTabGroupItem::DoChange()
{
    if (auto* groups = dynamic_cast<TTabGroups*>(Collection()))
        groups->DoChange();
}

void TTabGroupItem::AppearanceChanged(TObject*) { DoChange(); }

void TTabGroupItem::Assign(const TPersistent* source)
{
    const auto* item = dynamic_cast<const TTabGroupItem*>(source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    SetCaption(item->FCaption);
    SetImageIndex(item->FImageIndex);
    SetTabIndexStart(item->FTabIndexStart);
    SetTabIndexEnd(item->FTabIndexEnd);
    FTag = item->FTag;
    FObject = item->FObject;
}

void TTabGroupItem::SetCaption(const String& value) { Change(FCaption, value); }
void TTabGroupItem::SetWideCaption(const String& value) { Change(FWideCaption, value); }
void TTabGroupItem::SetCaptionAlignment(TAlignment value) { Change(FCaptionAlignment, value); }
void TTabGroupItem::SetDefaultAppearance(bool value) { Change(FDefaultAppearance, value); }
void TTabGroupItem::SetImageIndex(int value) { Change(FImageIndex, value); }
void TTabGroupItem::SetTabIndexStart(int value) { Change(FTabIndexStart, value); }
void TTabGroupItem::SetTabIndexEnd(int value) { Change(FTabIndexEnd, value); }

void TTabGroupItem::SetCustomColor(TColor value)
{
    SetDefaultAppearance(false);
    auto* groups = dynamic_cast<TTabGroups*>(Collection());
    if (TCustomRurToolBarStyler* styler = groups ? CurrentStylerOf(groups->OwnerComponent()) : nullptr)
        FGroupAppearance->Assign(styler->GroupAppearance());
    FGroupAppearance->SetBorderColor(value);
    if (RurGDIP::GetScenicRibbon()) {
        FGroupAppearance->SetColor(value);
        FGroupAppearance->SetColorTo(value);
        FGroupAppearance->SetColorMirror(value);
    }
    FGroupAppearance->SetColorMirrorTo(value);
    TCustomTabAppearance* tab = FGroupAppearance->TabAppearance();
    tab->SetBorderColorSelectedHot(value);
    tab->SetBorderColorDown(value);
    tab->SetBorderColorSelected(value);
    tab->SetBorderColorHot(value);
}

TTabGroups::TTabGroups(TComponent* owner) : TOwnedCollection(owner, TTabGroupItem::StaticClass()), FOwner(owner) {}

void TTabGroups::DoChange() { FOnChange(this); }
