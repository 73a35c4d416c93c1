#pragma once
// The menu styler: the component that owns the appearance objects of one menu's look. The menus
// read every colour, font, glyph and picture they paint from their current styler.
#include "RurGDIP.h"
#include "RurMenus_Appearances.h"

class TCustomRurMenuStyler : public TComponent {
    TAVIN_CLASS(TCustomRurMenuStyler, TComponent)
public:
    explicit TCustomRurMenuStyler(TComponent* AOwner);
    ~TCustomRurMenuStyler() override;
    // From another styler: every appearance object and the fonts (through the objects' own Assign,
    // so the menu is not refreshed) and UseSystemFont; other sources are ignored.
    void Assign(const TPersistent* source) override;

    TBackground* Background() const { return FBackground.get(); }
    void SetBackground(TBackground* value) { AssignRedrawing(FBackground.get(), value); }
    TIconBar* IconBar() const { return FIconBar.get(); }
    void SetIconBar(TIconBar* value) { AssignRedrawing(FIconBar.get(), value); }
    TSelectedItem* SelectedItem() const { return FSelectedItem.get(); }
    void SetSelectedItem(TSelectedItem* value) { AssignRedrawing(FSelectedItem.get(), value); }
    TRootItem* RootItem() const { return FRootItem.get(); }
    void SetRootItem(TRootItem* value) { AssignRedrawing(FRootItem.get(), value); }
    TMenuGlyphs* Glyphs() const { return FGlyphs.get(); }
    void SetGlyphs(TMenuGlyphs* value) { AssignRedrawing(FGlyphs.get(), value); }
    TSeparator* Separator() const { return FSeparator.get(); }
    void SetSeparator(TSeparator* value) { AssignRedrawing(FSeparator.get(), value); }
    TSideBar* SideBar() const { return FSideBar.get(); }
    void SetSideBar(TSideBar* value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);
    TFont* NotesFont() const { return FNotesFont.get(); }
    void SetNotesFont(TFont* value);
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool value);
    RurGDIP::TAntiAlias AntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(RurGDIP::TAntiAlias value);
    TColor MenuBorderColor() const { return FMenuBorderColor; }
    void SetMenuBorderColor(TColor value) { FMenuBorderColor = value; }
    RurMenus::TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(RurMenus::TButtonAppearance* value) { FButtonAppearance->Assign(value); }

    // The menu styled (the last one bound); not owned. Binding hands it to every appearance object
    // and repaints it.
    TMenu* Menu() const { return FMenu; }
    void SetMenu(TMenu* value);
    // The drawing cache of the pop-up background picture.
    TBitmap* BackgroundBitmap() const { return FBackgroundBitmap.get(); }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AssignRedrawing(TPersistent* target, TPersistent* value);

    bool FUseSystemFont = true;
    std::unique_ptr<TSeparator> FSeparator;
    std::unique_ptr<TBackground> FBackground;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TIconBar> FIconBar;
    std::unique_ptr<TMenuGlyphs> FGlyphs;
    std::unique_ptr<TRootItem> FRootItem;
    std::unique_ptr<TSelectedItem> FSelectedItem;
    std::unique_ptr<TSideBar> FSideBar;
    TColor FMenuBorderColor = 0x7C7C94;
    TMenu* FMenu = nullptr;
    std::unique_ptr<TBitmap> FBackgroundBitmap;
    std::unique_ptr<TFont> FNotesFont;
    RurGDIP::TAntiAlias FAntiAlias = RurGDIP::aaNone;
    std::unique_ptr<RurMenus::TButtonAppearance> FButtonAppearance;
};

// The styler's properties as published by the stylers placed on a form.
#define RUR_PUBLISH_MENU_STYLER_PROPERTIES                                                                          \
    TAVIN_PROPERTY(TBackground*, Background);                                                                      \
    TAVIN_PROPERTY(RurMenus::TButtonAppearance*, ButtonAppearance);                                                \
    TAVIN_PROPERTY(TIconBar*, IconBar);                                                                            \
    TAVIN_PROPERTY(TSelectedItem*, SelectedItem);                                                                  \
    TAVIN_PROPERTY(TRootItem*, RootItem);                                                                          \
    TAVIN_PROPERTY(TMenuGlyphs*, Glyphs);                                                                          \
    TAVIN_PROPERTY(TSideBar*, SideBar);                                                                            \
    TAVIN_PROPERTY(TSeparator*, Separator);                                                                        \
    TAVIN_PROPERTY(TFont*, Font);                                                                                  \
    TAVIN_PROPERTY(TFont*, NotesFont);                                                                             \
    TAVIN_PROPERTY(bool, UseSystemFont).Default(true);                                                             \
    TAVIN_PROPERTY(TColor, MenuBorderColor)

class TRurMenuStyler : public TCustomRurMenuStyler {
    TAVIN_PUBLISHED_CLASS(TRurMenuStyler, TCustomRurMenuStyler)
public:
    using TCustomRurMenuStyler::TCustomRurMenuStyler;
};
