// Short cuts: a key with its modifiers in one word, and its text ("Shift+Ctrl+F5").
#include "Menus.h"

#include "WideText.h"

namespace {

struct TKeyName {
    Word Key;
    const char16_t* Name;
};
constexpr TKeyName KeyNames[] = {
    {VK_BACK, u"BkSp"}, {VK_TAB, u"Tab"},   {VK_ESCAPE, u"Esc"}, {VK_RETURN, u"Enter"}, {VK_SPACE, u"Space"},
    {VK_PRIOR, u"PgUp"}, {VK_NEXT, u"PgDn"}, {VK_END, u"End"},    {VK_HOME, u"Home"},    {VK_LEFT, u"Left"},
    {VK_UP, u"Up"},       {VK_RIGHT, u"Right"}, {VK_DOWN, u"Down"}, {VK_INSERT, u"Ins"},  {VK_DELETE, u"Del"},
};
struct TModifierName {
    TShortCut Flag;
    const char16_t* Name;
};
constexpr TModifierName ModifierNames[] = {{scShift, u"Shift+"}, {scCtrl, u"Ctrl+"}, {scAlt, u"Alt+"}};

String KeyText(Word key)
{
    for (const TKeyName& k : KeyNames)
        if (k.Key == key)
            return k.Name;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return String(1, static_cast<Char>(key));
    if (key >= VK_F1 && key <= VK_F24)
        return u"F" + IntToStr(key - VK_F1 + 1);
    if (key == 0)
        return {};
    // Other keys are named as the keyboard layout names them.
    wchar_t name[64]{};
    UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    if (scan == 0 || GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 64) <= 0)
        return {};
    return FromWidePtr(name);
}


} // namespace

TShortCut ShortCut(Word key, TShiftState shift)
{
    if (key & 0xFF00)
        return scNone;
    TShortCut result = key;
    if (shift.Contains(ssShift))
        result |= scShift;
    if (shift.Contains(ssCtrl))
        result |= scCtrl;
    if (shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift)
{
    key = shortCut & 0xFF;
    shift = {};
    if (shortCut & scShift)
        shift.Include(ssShift);
    if (shortCut & scCtrl)
        shift.Include(ssCtrl);
    if (shortCut & scAlt)
        shift.Include(ssAlt);
}

String ShortCutToText(TShortCut shortCut)
{
    String key = KeyText(shortCut & 0xFF);
    if (key.empty())
        return {};
    String result;
    for (const TModifierName& m : ModifierNames)
        if (shortCut & m.Flag)
            result += m.Name;
    return result + key;
}

TShortCut TextToShortCut(const String& text)
{
    TShortCut modifiers = 0;
    size_t start = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifierName& m : ModifierNames) {
            String name = m.Name;
            if (text.size() - start > name.size() && SameText(text.substr(start, name.size()), name)) {
                modifiers |= m.Flag;
                start += name.size();
                found = true;
            }
        }
    }
    String key = text.substr(start);
    if (key.empty())
        return scNone;
    for (Word k = 8; k <= 0xFF; ++k)
        if (SameText(KeyText(k), key))
            return static_cast<TShortCut>(k | modifiers);
    return scNone;
}

