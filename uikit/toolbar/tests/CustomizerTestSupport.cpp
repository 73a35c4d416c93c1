#include "CustomizerTestSupport.h"

#include <windows.h>

void CustomizedToolBarTest::SetUp()
{
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(100, 100, 500, 300);
    ToolBar = new TRurToolBar(Form.get());
    ToolBar->SetName(u"ToolBar1");
    ToolBar->SetParent(Form.get());
    ToolBar->SetBounds(0, 0, 480, 30);
    ToolBar->SetCaption(u"Standard");
    Open = AddButton(u"BtnOpen", u"Open", 0);
    Separator = new TRurToolBarSeparator(Form.get());
    Separator->SetName(u"Sep1");
    Separator->SetParent(ToolBar);
    Save = AddButton(u"BtnSave", u"Save", 1);
    Glow = new TRurGlowButton(Form.get());
    Glow->SetName(u"GlowPrint");
    Glow->SetCaption(u"Print");
    Glow->SetImageIndex(2);
    Glow->SetParent(ToolBar);
    Customizer = new TRurToolBarCustomizer(Form.get());
    Customizer->SetName(u"Customizer1");
    Customizer->SetRurToolBar(ToolBar);
    for (const char16_t* caption : {u"New", u"Print", u"Close all"}) {
        TATBCommand* command = Customizer->Commands()->Add();
        command->SetCaption(caption);
        const int index = command->Index();
        command->SetOnExecute(TNotifyEvent([this, index](TObject*) { Executed.push_back(index); }));
    }
    Customizer->Commands()->Items(1)->SetItemIndex(2);

    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    File = reinterpret_cast<const char16_t*>(dir) + String(u"customizer-test.ini");
    DeleteFileW(reinterpret_cast<const wchar_t*>(File.c_str()));
    Customizer->SetFileName(File);
}

void CustomizedToolBarTest::TearDown()
{
    Form.reset();
    DeleteFileW(reinterpret_cast<const wchar_t*>(File.c_str()));
}

TRurToolBarButton* CustomizedToolBarTest::AddButton(const String& name, const String& caption, int image)
{
    auto* button = new TRurToolBarButton(Form.get());
    button->SetName(name);
    button->SetCaption(caption);
    button->SetImageIndex(image);
    button->SetParent(ToolBar);
    return button;
}

std::vector<String> CustomizedToolBarTest::ItemNames() const
{
    std::vector<String> names;
    for (int i = 0; i < ToolBar->ToolBarControlCount(); ++i)
        names.push_back(ToolBar->ToolBarControls(i)->Name());
    return names;
}
