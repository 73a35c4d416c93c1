// The toolbar unit's registered messages.
#include <gtest/gtest.h>

#include "RurToolBar_Messages.h"

namespace {

TEST(ToolBarMessagesTest, RegisteredByNameAndNeverZero)
{
    // The kit's units started around the program registered them.
    struct Case {
        TToolBarMessage Which;
        const wchar_t* Name;
    };
    const Case cases[] = {
        {TToolBarMessage::CompactWinHide, L"TBCompactWinHide"},   {TToolBarMessage::SetAeroVista, L"TBSetAeroVista"},
        {TToolBarMessage::PSetIgnoreALT, L"TBPSetIgnoreALT"},     {TToolBarMessage::FUpdateContextMenu, L"TBFUpdateContextMenu"},
        {TToolBarMessage::SetMetro, L"TBSetMetro"},               {TToolBarMessage::RevertMetro, L"TBRevertMetro"},
        {TToolBarMessage::SetOffice2013, L"TBSetOffice2013"},     {TToolBarMessage::ShowShortCutHint, L"TBShowShortCutHint"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToolBarMessage(c.Which), RegisterWindowMessageW(c.Name));
        EXPECT_NE(ToolBarMessage(c.Which), 0u);
        EXPECT_TRUE(IsToolBarMessage(ToolBarMessage(c.Which), c.Which));
        EXPECT_FALSE(IsToolBarMessage(0, c.Which)) << "0 stands for a failed registration";
    }
}

} // namespace

namespace {

TEST(ToolBarMessagesTest, StartUpEmptiesTheTonesOnceAndASecondRunChangesNothing)
{
    EXPECT_TRUE(IsEmptyColorTones(RibbonTones));
    EXPECT_TRUE(IsEmptyColorTones(AppButtonTones));
    TColorTones tones;
    CreateMetroTones(true, 0x0078D7, clWhite, tones);
    RibbonTones = tones;
    const UINT before = ToolBarMessage(TToolBarMessage::SetMetro);
    RegisterToolBarMessages(); // a second start-up of the unit
    EXPECT_EQ(RibbonTones, tones) << "a second run must not empty what the first run's users set";
    EXPECT_EQ(ToolBarMessage(TToolBarMessage::SetMetro), before);
    FinalizeToolBarMessages();
    ClearColorTones(RibbonTones);
}

} // namespace
