#pragma once
// Where a dock panel, toolbar or ribbon keeps its layout between runs: the registry or an INI
// file, under which key or file name and section, and whether it is saved and loaded at all. The
// object holds the settings and reports changes; its owner reads and writes its own values in the
// store OpenPersistenceStore opens.
#include <memory>

#include "IniFiles.h"
#include "RurToolBar_AppearanceBase.h"
#include "RurToolBar_Types.h"

class TPersistence : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TPersistence, TNotifyPersistent)
public:
    explicit TPersistence(TComponent* owner) : FOwner(owner) {}
    void Assign(const TPersistent* source) override;

    TComponent* Owner() const { return FOwner; }
    // Registry key path below the current user's root, or INI file name (compared case-sensitively).
    RUR_TB_NOTIFYING(String, Key)
    // The section (registry subkey) holding the owner's values.
    RUR_TB_NOTIFYING(String, Section)
    RUR_TB_NOTIFYING(TPersistenceLocation, Location)
    RUR_TB_NOTIFYING(bool, Enabled)

private:
    TComponent* FOwner;
    String FKey;
    String FSection;
    TPersistenceLocation FLocation = plRegistry;
    bool FEnabled = false;
};

// The store an owner reads and writes its values in, or null when nothing is to be stored
// (disabled, no key or section, or the owner is being designed). An INI file is read whole and
// written back when the object goes; the registry is opened below HKEY_CURRENT_USER. Errors of
// the store are its own exceptions.
std::unique_ptr<TCustomIniFile> OpenPersistenceStore(const TPersistence& persistence, bool designing);
