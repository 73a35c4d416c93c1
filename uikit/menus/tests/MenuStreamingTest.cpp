// The kit's menus read from a form resource: loading binds the engine to every item and lets go
// of the internal styler when the form gives the menu one.
#include <gtest/gtest.h>

#include <cstring>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "MenuTestSupport.h"
#include "RurMenuStylers.h"

namespace {

class TMenuForm : public TForm {
    TAVIN_CLASS(TMenuForm, TForm)
public:
    using TForm::TForm;
};

} // namespace

TEST(MenuStreaming, MenusFromAFormResourceDrawWithTheirStyler)
{
    RegisterClass(TMenuForm::StaticClass());
    SetFormTexts({{u"TMenuForm", R"(object MenuForm: TMenuForm
  Caption = 'Menus'
  Menu = MainMenu
  object Styler: TRurMenuOfficeStyler
    Style = osOffice2019Black
    AutoThemeAdapt = False
  end
  object MainMenu: TRurMainMenu
    MenuStyler = Styler
    object FileItem: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Caption = '&Open'
      end
    end
  end
  object Popup: TRurPopupMenu
    ShowNotes = False
    object CopyItem: TMenuItem
      Caption = 'Copy'
    end
  end
end
)"}});
    auto* form = CreateForm<TMenuForm>(Application);
    auto* menu = static_cast<TRurMainMenu*>(form->FindComponent(u"MainMenu"));
    auto* styler = static_cast<TRurMenuOfficeStyler*>(form->FindComponent(u"Styler"));
    auto* popup = static_cast<TRurPopupMenu*>(form->FindComponent(u"Popup"));
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu->CurrentMenuStyler(), styler);
    EXPECT_EQ(menu->ComponentCount(), 0) << "the internal styler is gone";
    EXPECT_EQ(styler->Background()->Color(), 0x3B3B3B);
    EXPECT_TRUE(menu->OwnerDraw());
    for (const char* name : {"FileItem", "OpenItem", "CopyItem"}) {
        auto* item = static_cast<TMenuItem*>(form->FindComponent(String(name, name + std::strlen(name))));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_TRUE(item->OnAdvancedDrawItem()) << name;
        EXPECT_TRUE(item->OnMeasureItem()) << name;
    }
    EXPECT_FALSE(popup->ShowNotes());
    EXPECT_EQ(popup->CurrentMenuStyler()->Name(), u"InternalMenuStyler");
    delete form;
}
