// Key-tip codes.
#include "RurToolBar_KeyTips.h"

bool KeyTipChar(Word key, Char& ch)
{
    // VK_NUMPAD0 .. VK_NUMPAD9; the codes above them (keypad operators, F1 and on) are no letters.
    constexpr Word numpad0 = 0x60, numpad9 = 0x69;
    if ((key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'Z')) {
        ch = static_cast<Char>(key);
        return true;
    }
    if (key >= numpad0 && key <= numpad9) {
        ch = static_cast<Char>(u'0' + (key - numpad0));
        return true;
    }
    return false;
}
