// A form with the hooked controls (bars included), the scroll box, the font boxes, the frame bar,
// the page viewer and a button's gallery menu open, photographed under the system style and under
// the test style (PNGs beside the program, to be looked at).
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "StdCtrls.h"
#include "TestStyle.h"
#include "scControls.h"
#include "scCoolBar.h"
#include "scFontBoxes.h"
#include "scFrameBar.h"
#include "scPageViewer.h"
#include "scRichEdit.h"
#include "scScrollBox.h"
#include "scStatusBar.h"
#include "scToolBar.h"
#include "scUpDownStyleHook.h"

namespace {

template <class T>
T* Place(TWinControl* parent, int left, int top, int width, int height)
{
    auto* control = new T(parent->Owner() ? parent->Owner() : parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// The form as it shows on the screen.
void Photograph(TForm* form, const String& fileName)
{
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(200);
    RECT r;
    GetWindowRect(form->Handle(), &r);
    auto bitmap = Canvas32(r.right - r.left, r.bottom - r.top);
    const HDC screen = GetDC(nullptr);
    BitBlt(bitmap->Canvas()->Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    SaveBesideProgram(bitmap.get(), fileName);
}

// Six solid 16 x 16 pictures.
TImageList* Pictures(TComponent* owner)
{
    auto* images = new TImageList(owner);
    for (TColor colour : {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua}) {
        auto picture = Canvas32(16, 16, colour);
        images->Add(picture.get(), nullptr);
    }
    return images;
}

// A gallery of a header, six pictures in three columns and a button row.
TscGalleryMenu* Gallery(TComponent* owner, TImageList* images)
{
    auto* gallery = new TscGalleryMenu(owner);
    gallery->SetImages(images);
    gallery->SetColumnsCount(3);
    gallery->SetHeaderStyle(scmhsBottomLine);
    TscGalleryMenuItem* header = gallery->Items()->Add();
    header->SetHeader(true);
    header->SetCaption(u"Colours");
    for (int i = 0; i < 6; ++i)
        gallery->Items()->Add()->SetImageIndex(i);
    TscGalleryMenuItem* more = gallery->Items()->Add();
    more->SetButton(true);
    more->SetCaption(u"More...");
    gallery->SetItemIndex(2);
    return gallery;
}

} // namespace

TEST(HooksDemoTest, TheControlsUnderTheSystemAndTheTestStyle)
{
    auto* form = new TForm(Application);
    form->SetBounds(20, 20, 760, 600);
    form->SetCaption(u"Hooked controls");

    auto* vertical = Place<TscScrollBar>(form, 10, 10, 17, 200);
    vertical->SetKind(sbVertical); // swaps width and height
    vertical->SetBounds(10, 10, 17, 200);
    vertical->SetPosition(30);
    auto* horizontal = Place<TscScrollBar>(form, 40, 190, 180, 17);
    horizontal->SetPosition(60);

    auto* box = Place<TscScrollBox>(form, 40, 10, 180, 170);
    for (int i = 0; i < 4; ++i) {
        auto* label = Place<TLabel>(box, 10 + i * 70, 10 + i * 60, 120, 20);
        label->SetCaption(u"Label in the box " + IntToStr(i));
    }

    auto* fonts = Place<TscFontListBox>(form, 230, 10, 170, 200);
    fonts->HandleNeeded(); // the list is built with the window
    auto* fontCombo = Place<TscFontComboBox>(form, 230, 220, 170, 24);
    fontCombo->SetFontName(fonts->Items()->Strings(0));
    auto* sizes = Place<TscFontSizeComboBox>(form, 230, 254, 80, 24);
    sizes->SetFontName(fonts->Items()->Strings(0));
    sizes->SetText(u"12");

    auto* upDown = Place<TscUpDown>(form, 320, 254, 20, 30);
    upDown->SetPosition(40);
    auto* rich = Place<TscRichEdit>(form, 10, 290, 390, 120);
    rich->SetScrollBars(ssVertical);
    rich->Lines()->SetText(u"A rich edit under the style.\r\nSecond line.\r\nThird line.");

    auto* bar = Place<TscFrameBar>(form, 410, 10, 160, 400);
    bar->SetAnimation(false);
    for (int i = 0; i < 3; ++i) {
        TscFrameBarItem* item = bar->Items()->Add();
        item->SetCaption(u"Section " + IntToStr(i + 1));
        item->SetOnFrameCreate([form](TObject*, TFrame*& frame) {
            frame = new TFrame(form);
            frame->SetHeight(90);
            auto* label = Place<TLabel>(frame, 8, 8, 120, 20);
            label->SetCaption(u"Frame content");
        });
    }
    bar->OpenFrame(1);

    auto* viewer = Place<TscPageViewer>(form, 580, 10, 160, 200);
    for (int i = 0; i < 2; ++i) {
        TscPageViewerPage* page = viewer->Pages()->Add()->Page();
        auto* label = Place<TLabel>(page, 10, 10, 130, 20);
        label->SetCaption(u"Page " + IntToStr(i + 1));
    }
    viewer->SetPageIndex(0);

    TImageList* images = Pictures(form);
    auto* cool = Place<TscCoolBar>(form, 10, 420, 390, 34);
    cool->SetAlign(alNone);
    cool->SetImages(images);
    for (const char16_t* caption : {u"First", u"Second"}) {
        TCoolBand* band = cool->Bands()->Add();
        band->SetText(caption);
        band->SetImageIndex(cool->Bands()->Count() - 1);
        band->SetWidth(190);
    }
    auto* tools = Place<TscToolBar>(form, 10, 462, 390, 30);
    tools->SetAlign(alNone);
    tools->SetImages(images);
    for (int i = 0; i < 5; ++i) {
        TToolButton* button = tools->ToolButtons()->Add();
        button->SetImageIndex(i);
        button->SetStyle(i == 2 ? tbsSeparator : i == 3 ? tbsCheck : i == 4 ? tbsDropDown : tbsButton);
        button->SetDown(i == 3);
        button->SetEnabled(i != 1);
    }
    auto* status = new TscStatusBar(form);
    status->SetParent(form);
    for (const char16_t* text : {u"Ready", u"Line 1", u"Persian \u0641\u0627\u0631\u0633\u06CC"})
        status->Panels()->Add()->SetText(text);
    status->Panels()->Items(0)->SetWidth(120);
    status->Panels()->Items(1)->SetWidth(90);

    auto* dropper = Place<TscButton>(form, 580, 220, 120, 28);
    dropper->SetCaption(u"Gallery");
    TscGalleryMenu* gallery = Gallery(form, images);
    dropper->SetGalleryMenu(gallery);

    ASSERT_TRUE(ShowActive(form));
    Photograph(form, u"hooks-demo-system.png");
    {
        TActiveTestStyle style;
        EXPECT_NE(vertical->StyleHook(), nullptr);
        EXPECT_NE(box->StyleHook(), nullptr);
        EXPECT_NE(bar->StyleHook(), nullptr);
        EXPECT_NE(viewer->ActivePage()->StyleHook(), nullptr);
        EXPECT_NE(fonts->StyleHook(), nullptr);
        EXPECT_NE(upDown->StyleHook(), nullptr);
        EXPECT_NE(rich->StyleHook(), nullptr);
        EXPECT_NE(cool->StyleHook(), nullptr);
        EXPECT_NE(tools->StyleHook(), nullptr);
        EXPECT_NE(status->StyleHook(), nullptr);
        // The gallery dropped down under its button, as the button's drop-down opens it.
        gallery->SetControl(dropper);
        gallery->PopupFromRect(Bounds(dropper->ClientOrigin().X, dropper->ClientOrigin().Y, dropper->Width(),
                                      dropper->Height()));
        ASSERT_TRUE(gallery->IsPopupVisible());
        PressKey(VK_RIGHT); // the first picture hot
        Photograph(form, u"hooks-demo-test-style.png");
        gallery->Hide();
    }
    delete form;
}
