#pragma once
// The record of an Office-style hint (title, notes, picture, help flag) that buttons and panels
// publish as OfficeHint.
#include <memory>

#include "Classes.h"
#include "GDIPicture.h"

class TRurHintInfo : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TRurHintInfo, TPersistent)
public:
    TRurHintInfo();
    ~TRurHintInfo() override;

    // From another hint info; other sources are ignored.
    void Assign(const TPersistent* Source) override;
    // No title and no notes text (the picture does not count).
    bool IsEmpty() const;

    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    TStrings* Notes() const { return FNotes.get(); }
    void SetNotes(TStrings* value) { FNotes->Assign(value); }
    TGDIPPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TGDIPPicture* value) { FPicture->Assign(value); }
    bool ShowHelp() const { return FShowHelp; }
    void SetShowHelp(bool value) { FShowHelp = value; }
    const String& WideTitle() const { return FWideTitle; }
    void SetWideTitle(const String& value) { FWideTitle = value; }
    const String& WideNotes() const { return FWideNotes; }
    void SetWideNotes(const String& value) { FWideNotes = value; }

private:
    std::unique_ptr<TGDIPPicture> FPicture;
    bool FShowHelp = false;
    std::unique_ptr<TStrings> FNotes;
    String FTitle;
    String FWideTitle;
    String FWideNotes;
};
