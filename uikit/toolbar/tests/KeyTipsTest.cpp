// Which keys type into a key-tip code, and as which character.
#include <gtest/gtest.h>

#include "RurToolBar_KeyTips.h"

namespace {

TEST(KeyTipsTest, AcceptedKeysAndTheirCharacters)
{
    struct Case {
        Word Key;
        bool Accepted;
        Char Ch;
    };
    const Case cases[] = {
        {u'0', true, u'0'},  {u'9', true, u'9'}, {u'A', true, u'A'}, {u'Z', true, u'Z'},
        {0x60, true, u'0'},  // keypad 0 counts as the digit
        {0x61, true, u'1'},  {0x69, true, u'9'},
        {0x6A, false, 0},    // keypad *
        {0x6F, false, 0},    // keypad /
        {0x70, false, 0},    // F1
        {0x7A, false, 0},    // F11
        {0x2F, false, 0},    {0x3A, false, 0},   {0x40, false, 0}, {0x5B, false, 0},
        {0x1B, false, 0},    // Escape
    };
    for (const Case& c : cases) {
        Char ch = 0;
        EXPECT_EQ(KeyTipChar(c.Key, ch), c.Accepted) << std::hex << c.Key;
        if (c.Accepted) {
            EXPECT_EQ(ch, c.Ch) << std::hex << c.Key;
        }
    }
}

} // namespace
