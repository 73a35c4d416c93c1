// The application's run loop and Halt. Both end the application, so they live in a program of
// their own; Halt runs in a child process of this program.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Forms.h"
#include "StdCtrls.h"
#include "WideText.h"
#include "support/GuiTestSupport.h"

namespace {

class TRunForm : public TForm {
    TAVIN_CLASS(TRunForm, TForm)
public:
    using TForm::TForm;
};

const char* const HaltChildVariable = "TAVIN_HALT_CHILD_FILE";

void AppendLine(const char* file, const char* line)
{
    std::ofstream(file, std::ios::app) << line << "\n";
}

std::string ReadAll(const std::string& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// In the child: a unit whose finalisation leaves a mark, a main form whose close events leave
// marks, and a button that halts with code 7.
TEST(HaltChild, HaltsFromAClickHandler)
{
    const char* file = std::getenv(HaltChildVariable);
    if (!file)
        GTEST_SKIP() << "runs only as the child of Application.HaltRunsFinalisationsButNoCloseEvents";
    static const char* markFile = file;
    static const TUnitStep steps[] = {{"Marker", nullptr, [] { AppendLine(markFile, "finalized"); }}};
    static TUnitStartup units(steps);
    units.Initialize();
    SetHaltUnits(&units);
    SetFormTexts({{u"TRunForm", "object F: TRunForm\nend\n"}});
    TRunForm* form = nullptr;
    Application->CreateForm(form);
    form->SetOnClose([](TObject*, TCloseAction&) { AppendLine(markFile, "closed"); });
    form->SetOnCloseQuery([](TObject*, bool&) { AppendLine(markFile, "closequery"); });
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetOnClick([](TObject*) { Halt(7); });
    form->Show();
    ClickAt(button);
    ADD_FAILURE() << "Halt returned";
}

TEST(Application, HaltRunsFinalisationsButNoCloseEvents)
{
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string file = std::string(path) + "tavin_halt_marks.txt";
    std::remove(file.c_str());
    SetEnvironmentVariableA(HaltChildVariable, file.c_str());
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(exe) + L"\" --gtest_filter=HaltChild.*";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    SetEnvironmentVariableA(HaltChildVariable, nullptr);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(ReadAll(file), "finalized\n");
    std::remove(file.c_str());
}

// Last in this program: the application ends with its main form.
TEST(Application, RunShowsTheMainFormAndEndsWhenItCloses)
{
    SetFormTexts({{u"TRunForm", "object F: TRunForm\n Caption = 'main'\nend\n"}});
    Application->SetMainFormOnTaskBar(true);
    TRunForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_EQ(Application->MainForm(), form);
    bool shown = false, closed = false;
    form->SetOnShow([&](TObject*) {
        shown = true;
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    });
    form->SetOnClose([&](TObject*, TCloseAction& action) {
        closed = true;
        EXPECT_EQ(action, caFree);
    });
    Application->Run();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

} // namespace
