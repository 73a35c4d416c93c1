// The layout storage settings and the store they open.
#include "RurToolBar_Persistence.h"

#include "Registry.h"

TAVIN_PUBLISHED(TPersistence)
{
    TAVIN_PROPERTY(String, Key);
    TAVIN_PROPERTY(String, Section);
    TAVIN_PROPERTY(TPersistenceLocation, Location).Default(plRegistry);
    TAVIN_PROPERTY(bool, Enabled).Default(false);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

void TPersistence::Assign(const TPersistent* source)
{
    // Any other source, none included, changes nothing.
    if (auto* other = dynamic_cast<const TPersistence*>(source)) {
        FLocation = other->FLocation;
        FKey = other->FKey;
        FSection = other->FSection;
        FEnabled = other->FEnabled;
    }
}

std::unique_ptr<TCustomIniFile> OpenPersistenceStore(const TPersistence& persistence, bool designing)
{
    if (!persistence.Enabled() || persistence.Key().empty() || persistence.Section().empty() || designing)
        return nullptr;
    if (persistence.Location() == plIniFile) {
        auto file = std::make_unique<TMemIniFile>(persistence.Key());
        file->SetAutoSave(true);
        return file;
    }
    return std::make_unique<TRegistryIniFile>(persistence.Key());
}
