#include "RurHintInfo.h"

TAVIN_PUBLISHED(TRurHintInfo)
{
    TAVIN_PROPERTY(String, Title);
    TAVIN_PROPERTY(TStrings*, Notes);
    TAVIN_PROPERTY(TGDIPPicture*, Picture);
    TAVIN_PROPERTY(bool, ShowHelp).Default(false);
}

TRurHintInfo::TRurHintInfo() : FPicture(std::make_unique<TGDIPPicture>()), FNotes(std::make_unique<TStringList>()) {}

TRurHintInfo::~TRurHintInfo() = default;

void TRurHintInfo::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRurHintInfo*>(Source);
    if (!source || source == this)
        return;
    FTitle = source->FTitle;
    FNotes->Assign(source->FNotes.get());
    FShowHelp = source->FShowHelp;
    FPicture->Assign(source->FPicture.get());
    FWideTitle = source->FWideTitle;
    FWideNotes = source->FWideNotes;
}

bool TRurHintInfo::IsEmpty() const { return FTitle.empty() && FNotes->Text().empty(); }
