// Measuring menu items: sizes by item kind at 96, 120 and 144 DPI, notes, side bar and columns, the
// image column that widens after the measure request, and the short-cut text.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "Math.h"
#include "MenuTestSupport.h"
#include "PlatformFacts.h"

namespace {

int Scaled(int value, float scale)
{
    return static_cast<int>(Round(value * scale));
}

// The text's single-line size in the screen's menu font at the scale, as the engine measures it.
SIZE TextSize(const String& text, float scale, TFont* font = nullptr)
{
    HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->Assign(font ? font : Screen->MenuFont());
    canvas.Font()->SetHeight(Scaled(canvas.Font()->Height(), scale));
    TRect r{};
    String copy = text;
    canvas.TextRect(r, copy, {tfCalcRect, tfSingleLine});
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    return {r.Width(), r.Height()};
}

// The framework's default height of a pop-up item (before the engine's measure).
int DefaultHeight(const String& caption, int imageHeight = 0)
{
    HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->Assign(Screen->MenuFont());
    const int height = std::max(canvas.TextExtent(StripHotkey(caption)).cy, imageHeight) + 4;
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    return height;
}

int Even(int value)
{
    return (value + 1) / 2 * 2;
}

struct TScaledMenu {
    TInjectedPlatformFacts Facts;
    TForm* Form;
    TRurPopupMenu* Menu;
    float Scale;
    explicit TScaledMenu(int dpi)
        : Facts({.Dpi = dpi}), Form(new TForm(Application)), Menu(new TRurPopupMenu(Form)), Scale(dpi / 96.0f)
    {
    }
    ~TScaledMenu() { delete Form; }
};

constexpr int Dpis[] = {96, 120, 144};

} // namespace

TEST(MenuMeasure, PopupItemsByKindAtEachDpi)
{
    for (int dpi : Dpis) {
        TScaledMenu m(dpi);
        const float s = m.Scale;
        TMenuItem* plain = AddItem(m.Menu->Items(), u"&Open");
        TMenuItem* keyed = AddItem(m.Menu->Items(), u"Save", ShortCut('S', {ssCtrl}));
        TMenuItem* line = AddItem(m.Menu->Items(), u"-");
        TMenuItem* hidden = AddItem(m.Menu->Items(), u"Hidden");
        hidden->SetVisible(false);
        const int column = Scaled(24, s) + Scaled(15, s) + 7 + MenuExtraWidth;
        const SIZE open = TextSize(u"&Open", s), save = TextSize(u"Save" + ShortCutToText(ShortCut('S', {ssCtrl})), s);
        struct TCase {
            const char* What;
            TMenuItem* Item;
            TMeasure Expected;
        } cases[] = {
            {"plain", plain, {column + open.cx, std::max(Even(DefaultHeight(u"&Open") - 1), int(open.cy) + 6)}},
            {"short cut", keyed, {column + save.cx, std::max(Even(DefaultHeight(u"Save") - 1), int(save.cy) + 6)}},
            // The system scales separators itself: their height goes back unscaled.
            {"separator", line, {0, static_cast<int>(Round(3 / s))}},
            {"hidden", hidden, {0, 0}},
        };
        for (const TCase& c : cases)
            EXPECT_EQ(MeasureThroughMenu(c.Item), c.Expected) << c.What << " at " << dpi;
    }
}

TEST(MenuMeasure, ImagesSideBarAndColumns)
{
    for (int dpi : Dpis) {
        TScaledMenu m(dpi);
        const float s = m.Scale;
        auto images = SolidImages(16, 22, {clRed});
        m.Menu->SetImages(images.get());
        TMenuItem* first = AddItem(m.Menu->Items(), u"First");
        first->SetImageIndex(0);
        TMenuItem* second = AddItem(m.Menu->Items(), u"Second");
        second->SetBreak(mbBreak);
        TSideBar* bar = m.Menu->CurrentMenuStyler()->SideBar();
        bar->SetVisibleIn(viFirstLevel);
        bar->SetVisible(true);
        const int column = Scaled(24, s) + Scaled(15, s) + 7 + MenuExtraWidth;
        const int band = Scaled(24, s) + 1;
        const SIZE firstText = TextSize(u"First", s), secondText = TextSize(u"Second", s);
        // The image is taller than the text: its height counts (plus 2, rounded up to even).
        EXPECT_EQ(MeasureThroughMenu(first),
                  (TMeasure{column + firstText.cx + band,
                            std::max(Even(DefaultHeight(u"First", 22) + 2), int(firstText.cy) + 6)}))
            << dpi;
        // An item in a column after a break gets no side-bar width.
        EXPECT_EQ(MeasureThroughMenu(second).Width, column + secondText.cx) << dpi;
        m.Menu->SetImages(nullptr);
    }
}

TEST(MenuMeasure, NotesAddLinesUnderTheCaptionOnlyWhenShown)
{
    TScaledMenu m(96);
    TCustomRurMenuStyler* styler = m.Menu->CurrentMenuStyler();
    TMenuItem* item = AddItem(m.Menu->Items(), u"Open\\nOpens a document from the disk");
    const SIZE caption = TextSize(u"Open", 1), note = TextSize(u"Opens a document from the disk", 1,
                                                                 styler->NotesFont());
    const int gh = TextSize(u"gh", 1, styler->NotesFont()).cy;
    const TMeasure withNotes = MeasureThroughMenu(item);
    EXPECT_EQ(withNotes.Width, std::max(24 + 15 + 7 + MenuExtraWidth + int(caption.cx),
                                        int(note.cx) + MenuExtraWidth + 24 + 8));
    EXPECT_EQ(withNotes.Height, int(caption.cy) + 6 + gh + gh / 3);
    m.Menu->SetShowNotes(false);
    const SIZE whole = TextSize(u"Open\\nOpens a document from the disk", 1);
    EXPECT_EQ(MeasureThroughMenu(item).Width, 24 + 15 + 7 + MenuExtraWidth + int(whole.cx));
}

TEST(MenuMeasure, MenuBarItemsAreTheirTextWide)
{
    TForm* form = new TForm(Application);
    auto* menu = new TRurMainMenu(form);
    menu->BeginUpdate();
    TMenuItem* root = AddItem(menu->Items(), u"&File");
    AddItem(root, u"Open");
    menu->EndUpdate();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    const SIZE text = TextSize(u"&File", 1);
    EXPECT_EQ(MeasureThroughMenu(root), (TMeasure{int(text.cx), std::max(int(metrics.iMenuHeight), int(text.cy) + 6)}));
    delete form;
}

TEST(MenuMeasure, AWideImageListWidensTheColumnAfterTheMeasureRequest)
{
    TRurPopupMenu menu(nullptr);
    auto images = SolidImages(32, 32, {clRed});
    menu.SetImages(images.get());
    TMenuItem* item = AddItem(menu.Items(), u"Wide");
    item->SetImageIndex(0);
    AppendMenuW(menu.Handle(), MF_STRING, 0x7F00, L"marker");
    MeasureThroughMenu(item);
    EXPECT_EQ(menu.CurrentMenuStyler()->IconBar()->Size(), 36);
    // Rebuilding inside the request would measure every item again while the system measures.
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 2);
    EXPECT_TRUE(PumpUntil([&] { return GetMenuItemCount(menu.Handle()) == 1; }));
    menu.SetImages(nullptr);
}

TEST(MenuMeasure, ShortCutTexts)
{
    const TShortCut ctrlShiftF5 = ShortCut(VK_F5, {ssCtrl, ssShift});
    EXPECT_EQ(ShortCutText(ShortCut('S', {ssCtrl}), false), u"Ctrl+S");
    EXPECT_EQ(ShortCutText(ShortCut('S', {ssCtrl}) | 0x200, false), u"Win+Ctrl+S");
    auto keyName = [](UINT key) {
        wchar_t buffer[256] = {};
        const int n = GetKeyNameTextW(static_cast<LONG>(MapVirtualKeyW(key, 0) << 16), buffer, 255);
        String name(reinterpret_cast<const Char*>(buffer), static_cast<size_t>(std::max(n, 0)));
        for (size_t i = 1; i < name.size(); ++i)
            name[i] = static_cast<Char>(std::towlower(name[i]));
        return name;
    };
    EXPECT_EQ(ShortCutText(ctrlShiftF5, true), keyName(VK_CONTROL) + u"+" + keyName(VK_SHIFT) + u"+F5");
}

TEST(MenuMeasure, ItemPredicates)
{
    TForm* form = new TForm(Application);
    auto* main = new TRurMainMenu(form);
    TMenuItem* hidden = AddItem(main->Items(), u"Hidden");
    hidden->SetVisible(false);
    TMenuItem* file = AddItem(main->Items(), u"File");
    TMenuItem* open = AddItem(file, u"Open");
    TMenuItem* recent = AddItem(file, u"Recent");
    TMenuItem* deep = AddItem(recent, u"One");
    TMenuItem* edit = AddItem(main->Items(), u"Edit");
    TMenuItem* copy = AddItem(edit, u"Copy");
    auto* popup = new TRurPopupMenu(form);
    TMenuItem* top = AddItem(popup->Items(), u"Top");
    EXPECT_TRUE(IsMainMenuRootItem(file));
    EXPECT_FALSE(IsMainMenuRootItem(open));
    EXPECT_TRUE(IsTopLevelOfMenu(file));
    EXPECT_FALSE(IsTopLevelOfMenu(top)) << "a kit pop-up menu's own level";
    EXPECT_TRUE(IsFirstVisibleDropDownItem(open)) << "the first visible root item is File";
    EXPECT_FALSE(IsFirstVisibleDropDownItem(copy));
    EXPECT_TRUE(IsFirstLevelItem(copy));
    EXPECT_TRUE(IsFirstLevelItem(top));
    EXPECT_FALSE(IsFirstLevelItem(deep));
    EXPECT_EQ(ItemDepth(deep), 2);
    EXPECT_EQ(VisibleIndex(file), 0);
    EXPECT_EQ(VisibleIndex(edit), 1);
    EXPECT_EQ(VisibleIndex(hidden), -1);
    delete form;
}
