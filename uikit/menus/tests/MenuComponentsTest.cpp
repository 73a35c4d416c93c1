// The kit's menus as components: their stylers, the component style, the handlers on items, the
// update bracket, the version and the pop-up placement helpers.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "MenuTestSupport.h"
#include "RurMenuStylers.h"

namespace {

int CountOwned(TComponent* owner, TClass type)
{
    int count = 0;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        count += owner->Components(i)->ClassType() == type;
    return count;
}

// Records where it would open instead of opening.
class TRecordingPopupMenu : public TRurPopupMenu {
    TAVIN_CLASS(TRecordingPopupMenu, TRurPopupMenu)
public:
    using TRurPopupMenu::TRurPopupMenu;
    void Popup(int X, int Y) override { Opened = Point(X, Y); }
    TPoint Opened{-1, -1};
};

} // namespace

TEST(MenuComponents, StylersInternalExternalAndBack)
{
    TRurPopupMenu menu(nullptr);
    TCustomRurMenuStyler* internal = menu.CurrentMenuStyler();
    ASSERT_NE(internal, nullptr);
    EXPECT_EQ(internal->Name(), u"InternalMenuStyler");
    EXPECT_EQ(internal->Owner(), &menu);
    EXPECT_EQ(internal->Menu(), nullptr) << "not yet bound";
    {
        TRurMenuStyler external(nullptr);
        menu.SetMenuStyler(&external);
        EXPECT_EQ(menu.CurrentMenuStyler(), &external);
        EXPECT_EQ(external.Menu(), &menu);
        EXPECT_EQ(menu.Core().InternalMenuStyler(), nullptr) << "the internal styler is freed";
        EXPECT_EQ(menu.ComponentCount(), 0);
    }
    // Freeing the external styler falls back to a new internal one.
    ASSERT_NE(menu.CurrentMenuStyler(), nullptr);
    EXPECT_EQ(menu.CurrentMenuStyler()->Name(), u"InternalMenuStyler");
    EXPECT_EQ(menu.MenuStyler(), nullptr);
    TRurMenuStyler another(nullptr);
    menu.SetMenuStyler(&another);
    menu.SetMenuStyler(nullptr);
    EXPECT_EQ(menu.CurrentMenuStyler()->Name(), u"InternalMenuStyler");
    EXPECT_EQ(menu.CurrentMenuStyler()->Menu(), &menu);
}

TEST(MenuComponents, ComponentStyleMakesOneOfficeStylerAtATime)
{
    TRurMainMenu menu(nullptr);
    TCustomRurMenuStyler* internal = menu.CurrentMenuStyler();
    menu.SetUIStyle(tsCustom);
    EXPECT_EQ(menu.CurrentMenuStyler(), internal);
    for (TRujStyle style : {tsOffice2007Luna, tsOffice2019Black, tsWindows10, tsOffice2003Blue}) {
        menu.SetUIStyle(style);
        auto* office = dynamic_cast<TRurMenuOfficeStyler*>(menu.CurrentMenuStyler());
        ASSERT_NE(office, nullptr);
        EXPECT_EQ(office->Menu(), &menu);
        EXPECT_EQ(menu.UIStyle(), style);
    }
    // Each style used to leave another styler behind, owned by the menu for its whole life.
    EXPECT_EQ(CountOwned(&menu, TRurMenuOfficeStyler::StaticClass()), 1);
    EXPECT_EQ(static_cast<TRurMenuOfficeStyler*>(menu.CurrentMenuStyler())->Style(), osOffice2003Blue);
}

TEST(MenuComponents, AnExternalStylerTakesNoComponentStyle)
{
    TRurPopupMenu menu(nullptr);
    TRurMenuStyler external(nullptr);
    menu.SetMenuStyler(&external);
    menu.SetUIStyle(tsOffice2019Black);
    EXPECT_EQ(menu.CurrentMenuStyler(), &external);
    EXPECT_EQ(menu.UIStyle(), tsOffice2019Black) << "the property stores the value";
    IRujStyle* shared = &menu;
    shared->SetComponentStyle(tsOffice2013Gray);
    EXPECT_EQ(menu.UIStyle(), tsOffice2019Black) << "through the interface nothing changes";
    EXPECT_EQ(menu.CurrentMenuStyler(), &external);
    menu.SetMenuStyler(nullptr);
}

TEST(MenuComponents, ItemsGetTheEngineHandlersAsTheyAreAdded)
{
    TRurPopupMenu menu(nullptr);
    TMenuItem* file = AddItem(menu.Items(), u"File");
    TMenuItem* open = AddItem(file, u"Open");
    EXPECT_TRUE(file->OnAdvancedDrawItem());
    EXPECT_TRUE(open->OnAdvancedDrawItem()) << "a sub-item added later";
    EXPECT_TRUE(open->OnMeasureItem());
    EXPECT_TRUE(menu.OwnerDraw());

    TRurMainMenu bar(nullptr);
    bar.BeginUpdate();
    EXPECT_TRUE(bar.MenuUpdating());
    TMenuItem* edit = AddItem(bar.Items(), u"Edit");
    TMenuItem* copy = AddItem(edit, u"Copy");
    bar.EndUpdate();
    EXPECT_FALSE(bar.MenuUpdating());
    EXPECT_TRUE(edit->OnAdvancedDrawItem());
    EXPECT_TRUE(copy->OnAdvancedDrawItem());
}

TEST(MenuComponents, VersionReadsFixedAndIgnoresWrites)
{
    TRurPopupMenu menu(nullptr);
    EXPECT_EQ(menu.Version(), u"2.7.1.9");
    EXPECT_EQ(menu.VersionNumber(), 0x02070109);
    menu.SetVersion(u"9.9");
    EXPECT_EQ(menu.Version(), u"2.7.1.9");
    EXPECT_NE(GetPropInfo(TRurMainMenu::StaticClass(), u"Version"), nullptr);
}

TEST(MenuComponents, PopupAtControlOpensAtTheChosenCorner)
{
    TForm* form = new TForm(Application);
    form->SetBounds(100, 100, 300, 200);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 20, 80, 40);
    const TPoint origin = panel->ClientToScreen(Point(0, 0));
    auto* menu = new TRecordingPopupMenu(form);
    struct TCase {
        TPopupControlPosition Position;
        int OffsetX, OffsetY;
        TPoint Expected;
    } cases[] = {
        {pcpBottomLeft, 0, 0, Point(origin.X, origin.Y + 40)},
        {pcpBottomRight, 0, 0, Point(origin.X + 80, origin.Y + 40)},
        {pcbTopLeft, 0, 0, origin},
        {pcpTopRight, 0, 0, Point(origin.X + 80, origin.Y)},
        {pcpCenter, 5, 7, Point(origin.X + 45, origin.Y + 27)},
    };
    for (const TCase& c : cases) {
        menu->PopupAtControl(panel, c.Position, c.OffsetX, c.OffsetY);
        EXPECT_EQ(menu->Opened, c.Expected) << c.Position;
    }
    delete form;
}
