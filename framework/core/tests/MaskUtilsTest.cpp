// Edit masks: what each mask shows for a value, the value read back, and what a position takes.
#include <gtest/gtest.h>

#include "MaskUtils.h"

namespace {

TEST(EditMasks, ValuesShownAndReadBack)
{
    struct {
        const char16_t* Mask;
        const char16_t* Value;
        const char16_t* Shown;
        const char16_t* ReadBack;
    } cases[] = {
        {u"!\\(999\\)000-0000;1;_", u"(415)555-1212", u"(415)555-1212", u"(415)555-1212"},
        {u"!\\(999\\)000-0000;0;_", u"4155551212", u"(415)555-1212", u"4155551212"},
        {u"000;0;_", u"1", u"1__", u"1"},
        {u"000;1;_", u"1", u"1__", u"1  "}, // a saved value keeps its places
        {u"000", u"12", u"12_", u"12 "},   // literals saved and "_" shown unless the mask says otherwise
        {u">LL<ll;0;*", u"abCD", u"ABcd", u"ABcd"},
        {u"LL<>LL;0;*", u"a1bC", u"a*bC", u"abC"}, // a digit where a letter belongs stays blank
        {u"\\L0;0;_", u"5", u"L5", u"5"},
        {u"00\\;00;0;_", u"1234", u"12;34", u"1234"},
        {u"0_0;1;_", u"1 2", u"1 2", u"1 2"},
        {u"aaa;0;_", u"x-y", u"x_y", u"xy"},
        {u"cc;0;_", u"", u"__", u""},
    };
    for (const auto& c : cases) {
        TEditMask mask(c.Mask);
        EXPECT_EQ(mask.EditTextOf(c.Value), c.Shown) << ToUtf8(c.Mask);
        EXPECT_EQ(mask.ValueOf(c.Shown), c.ReadBack) << ToUtf8(c.Mask);
    }
}

TEST(EditMasks, PositionsTakeTheirKindOfCharacter)
{
    TEditMask mask(u"L0#Aac>l;0;_");
    struct {
        int Position;
        Char Typed, Taken;
    } cases[] = {
        {0, u'x', u'x'}, {0, u'\u0628', u'\u0628'}, {0, u'5', 0}, {0, u'\u06F5', 0}, // Persian letters, not digits
        {1, u'7', u'7'}, {1, u'x', 0}, {1, u'\u06F5', 0},            // digits are ASCII
        {2, u'-', u'-'}, {2, u'+', u'+'}, {2, u'3', u'3'}, {2, u'a', 0},
        {3, u'z', u'z'}, {3, u'4', u'4'}, {3, u'.', 0},
        {5, u' ', u' '}, {5, u'\t', 0},
        {6, u'q', u'Q'}, {7, u'q', 0}, {-1, u'q', 0},                // past either end
    };
    for (const auto& c : cases)
        EXPECT_EQ(mask.Accept(c.Position, c.Typed), c.Taken) << c.Position << " " << int(c.Typed);
}

TEST(EditMasks, FieldsAndInputPositions)
{
    EXPECT_TRUE(TEditMask(u"").IsEmpty());
    EXPECT_TRUE(TEditMask(u";0;_").IsEmpty());
    TEditMask mask(u"\\(00\\) 0;0; ");
    EXPECT_EQ(mask.Length(), 6);
    EXPECT_FALSE(mask.SaveLiterals());
    EXPECT_EQ(mask.Blank(), u' ');
    EXPECT_EQ(mask.NextInput(0), 1);
    EXPECT_EQ(mask.NextInput(3), 5);
    EXPECT_EQ(mask.NextInput(6), 6);
    // An unfinished escape or field list is taken as far as it goes.
    EXPECT_EQ(TEditMask(u"0\\").Length(), 1);
    EXPECT_TRUE(TEditMask(u"0;").SaveLiterals());
    EXPECT_EQ(TEditMask(u"0;0;").Blank(), u'_');
}

} // namespace
