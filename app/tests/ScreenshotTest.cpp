// Saves pictures of the main window for a person to look at (not compared by pixels): at start, with
// a warning balloon on the identifier field, and with the tool's error box over it. Under
// build/windows/bin/screenshots/.
#include <memory>

#include "MainFormFixture.h"
#include "MessageUn.h"
#include "PngImage.h"
#include "TaskDialogAnswerer.h"

namespace {

// The screen's pixels under the window, as the person sees them (balloons included).
std::unique_ptr<TBitmap> CaptureScreenArea(const RECT& area)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(bitmap->Canvas()->Handle(), 0, 0, bitmap->Width(), bitmap->Height(), screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void SavePng(const TBitmap& bitmap, const String& name)
{
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const String folder = FromWidePtr(current) + u"\\screenshots";
    CreateDirectoryW(WidePtr(folder), nullptr);
    TPngImage png;
    png.Assign(&bitmap);
    png.SaveToFile(folder + u"\\" + name);
}

class Screenshot : public MainFormFixture {
protected:
    static RECT WindowArea()
    {
        RECT area;
        GetWindowRect(Form->Handle(), &area);
        return area;
    }
};

TEST_F(Screenshot, MainWindowAtStartAndWithAFieldWarning)
{
    PumpFor(300);
    auto start = CaptureScreenArea(WindowArea());
    EXPECT_EQ(start->Width(), 952);
    EXPECT_EQ(start->Height(), 452);
    // The dark red side panel is on the right, inside the 2-pixel frame.
    EXPECT_EQ(start->Canvas()->Pixels(940, 440), static_cast<TColor>(RGB(101, 9, 14)));
    SavePng(*start, u"main-window.png");

    RECT area = WindowArea();
    area.bottom += 60; // room for a balloon below the window's lower fields
    WarnField(u"اخطار", u"شناسه ملی باید 11 حرف باشد.", Edit(TInputField::SerialNumber));
    PumpFor(300);
    SavePng(*CaptureScreenArea(area), u"main-window-warning.png");
}

} // namespace

// The tool's two boxes as the main form raises them, end to end: under Wine (common controls 5.81)
// they are the kit's own dialog form, mirrored over the disabled main window, in Persian.
class MessageBoxes : public Screenshot {
protected:
    static void SetUpTestSuite()
    {
        Screenshot::SetUpTestSuite();
        MessageUnitPrompts = MainFormPrompts();
    }
    void SetUp() override
    {
        Screenshot::SetUp();
        Recorders = SetMainFormPrompts(MessageUnitPrompts);
    }
    void TearDown() override
    {
        SetMainFormPrompts(std::move(Recorders));
        Screenshot::TearDown();
    }

    // What the box showed, read from its window while it was up.
    struct TShownBox {
        bool KitForm = false;
        String Title, Instruction, Content, ExpandCaption;
        std::vector<String> Buttons;
        bool IconShown = false;
        bool MainWindowEnabled = true;
        bool Mirrored = false;
        bool ExpandedTextShown = false;
        bool ExpandedAfterClick = false;
    };

    // Generate raises the box; action answers it after its look was read (and pictured).
    TShownBox GenerateAndAnswer(const String& picture, const std::function<void(HWND)>& action)
    {
        TShownBox shown;
        TTaskDialogAnswerer answerer([&](HWND wnd) {
            TRurMessageForm* form = TTaskDialogAnswerer::FormOf(wnd);
            shown.KitForm = form != nullptr;
            if (!form)
                return PostMessageW(wnd, WM_CLOSE, 0, 0), void();
            TCustomRurTaskDialog& dialog = *form->TaskDialog();
            shown.Title = form->Caption();
            if (auto* label = dynamic_cast<TLabel*>(form->FindComponent(u"Instr")))
                shown.Instruction = label->Caption();
            shown.Content = dialog.Content();
            auto* icon = dynamic_cast<TImage*>(form->FindComponent(u"Image"));
            shown.IconShown = icon && icon->Visible() && !icon->Picture()->Graphic()->Empty();
            for (TWinControl* button : form->CustomButtonList())
                shown.Buttons.push_back(button->Caption());
            shown.MainWindowEnabled = IsWindowEnabled(Form->Handle());
            shown.Mirrored = GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL;
            if (TTaskDialogButton* expander = form->ExpandButton()) {
                shown.ExpandCaption = form->Expanded() ? dialog.ExpandControlText() : dialog.CollapsControlText();
                shown.ExpandedTextShown = form->Expanded();
                expander->Click();
                shown.ExpandedAfterClick = form->Expanded();
                expander->Click();
            }
            PumpFor(100);
            SavePng(*CaptureScreenArea(Around(wnd)), picture);
            action(wnd);
        });
        try {
            Form->btn_generateClick(Form);
        } catch (const EAbort&) {
            // Generate ends silently once the box has spoken.
        }
        EXPECT_TRUE(answerer.Answered);
        return shown;
    }

    // The main window and the box over it.
    static RECT Around(HWND box)
    {
        RECT main = WindowArea(), dialog;
        GetWindowRect(box, &dialog);
        RECT both;
        UnionRect(&both, &main, &dialog);
        return both;
    }

    static inline TMainFormPrompts MessageUnitPrompts;
    TMainFormPrompts Recorders;
};

TEST_F(MessageBoxes, ErrorBoxOnEmptyFields)
{
    using namespace TaskDialogActions;
    const std::function<void(HWND)> answers[] = {PressEscape, CloseBox, [](HWND d) { PressButton(d, 100); }};
    for (const auto& answer : answers) {
        const TShownBox box = GenerateAndAnswer(u"error-box.png", answer);
        EXPECT_TRUE(box.KitForm);
        EXPECT_EQ(box.Title, u"گروه نرم افزاری تاوین");
        EXPECT_EQ(box.Instruction, u"خطا");
        EXPECT_EQ(box.Content, u"داده های وارد شده صحیح نیست");
        EXPECT_TRUE(box.IconShown);
        EXPECT_EQ(box.Buttons, (std::vector<String>{u"تأييـد"}));
        EXPECT_FALSE(box.MainWindowEnabled);
        EXPECT_TRUE(box.Mirrored);
        // The expanded text starts hidden behind the expander, which shows it.
        EXPECT_EQ(box.ExpandCaption, u"نمايش راهنمايي بيشتر");
        EXPECT_FALSE(box.ExpandedTextShown);
        EXPECT_TRUE(box.ExpandedAfterClick);
        EXPECT_TRUE(PumpUntil([] { return IsWindowEnabled(Form->Handle()) != FALSE; }));
        EXPECT_TRUE(PumpUntil([] { return GetActiveWindow() == Form->Handle(); }));
    }
}

TEST_F(MessageBoxes, OverwriteQuestionWhenTheFilesExist)
{
    FillValid(1);
    const String serial = Edit(TInputField::SerialNumber)->Text();
    WriteFileText(Folder + u"\\" + serial + u"_csr_key.txt", "old request");
    using namespace TaskDialogActions;
    const std::function<void(HWND)> answers[] = {[](HWND d) { PressButton(d, 100); }, PressEscape, CloseBox};
    for (const auto& answer : answers) {
        const TShownBox box = GenerateAndAnswer(u"overwrite-question.png", answer);
        EXPECT_TRUE(box.KitForm);
        EXPECT_EQ(box.Instruction, u"فایل‌ها از قبل وجود دارند");
        EXPECT_TRUE(box.IconShown);
        EXPECT_EQ(box.Buttons, (std::vector<String>{u"خير", u"بله"}));
        EXPECT_FALSE(box.MainWindowEnabled);
        EXPECT_TRUE(box.Mirrored);
        // "No" (and cancelling) changes nothing.
        EXPECT_EQ(FileText(Folder + u"\\" + serial + u"_csr_key.txt"), "old request");
        EXPECT_TRUE(PumpUntil([] { return IsWindowEnabled(Form->Handle()) != FALSE; }));
    }
}
