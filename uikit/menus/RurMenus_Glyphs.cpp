// The glyph bitmaps of the menus: the sub-menu arrow, the check mark and the radio dot, read from
// the program's bitmap resources in the set of the screen's scale.
#include "RurMenus_Appearances.h"

namespace {

constexpr const wchar_t* GlyphBaseNames[] = {L"ADVSUBMENUITEM", L"ADVCHECKITEM", L"ADVRADIOITEM"};

TResType ResTypeOfScale(float scale)
{
    return scale < 1.5f ? rtx1 : scale < 2.0f ? rtx15 : rtx2;
}

// The program's bitmap of that name; an empty bitmap when it has none.
std::unique_ptr<TBitmap> LoadGlyph(const wchar_t* baseName, TResType type)
{
    std::wstring name = baseName;
    if (type == rtx15)
        name += L"x15";
    else if (type == rtx2)
        name += L"x20";
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetHandle(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    bitmap->SetTransparent(true);
    return bitmap;
}

} // namespace

TAVIN_PUBLISHED(TMenuGlyphs)
{
    TAVIN_PROPERTY(TBitmap*, SubMenu);
    TAVIN_PROPERTY(TBitmap*, Check);
    TAVIN_PROPERTY(TBitmap*, Radio);
}

TMenuGlyphs::TMenuGlyphs(TMenu* AMenu) : FMenu(AMenu)
{
    UpdateResources(1.0f);
}

void TMenuGlyphs::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TMenuGlyphs*>(source)) {
        SetGlyph(FSubMenu, other->FSubMenu.get());
        SetGlyph(FCheck, other->FCheck.get());
        SetGlyph(FRadio, other->FRadio.get());
    }
}

void TMenuGlyphs::SetGlyph(std::unique_ptr<TBitmap>& glyph, TBitmap* value)
{
    if (!glyph || !value)
        glyph = std::make_unique<TBitmap>();
    if (value)
        glyph->Assign(value);
    glyph->SetTransparent(true);
    RefreshStyledMenu(FMenu, false);
}

void TMenuGlyphs::UpdateResources(float AScale)
{
    const TResType type = ResTypeOfScale(AScale);
    if (type == FResType && FSubMenu)
        return;
    FResType = type;
    // The application's own glyphs give way too: they were made for the other scale.
    std::unique_ptr<TBitmap>* glyphs[] = {&FSubMenu, &FCheck, &FRadio};
    for (size_t i = 0; i < std::size(glyphs); ++i)
        *glyphs[i] = LoadGlyph(GlyphBaseNames[i], type);
}
