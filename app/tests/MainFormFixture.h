#pragma once
// The main form from its real form resource, shown once per test program, with the prompts and the
// folder picker replaced by recorders; each test starts from the state after Reset.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "CsrService_Unit.h"
#include "FolderPicker.h"
#include "Main_Form.h"
#include "MainFormPrompts.h"
#include "Resources.h"
#include "RurFoundationUnits.h"
#include "WideText.h"
#include "scKitUnits.h"
#include "support/GuiTestSupport.h"

struct TPromptLog {
    std::vector<String> Calls;
    int BoxAnswer = mrYes;
    bool Contains(const String& text) const
    {
        for (const String& call : Calls)
            if (call.find(text) != String::npos)
                return true;
        return false;
    }
};

inline String TempFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    String path = FromWidePtr(temp) + u"tavin-form-" + FromUtf8(std::to_string(GetCurrentProcessId()));
    CreateDirectoryW(WidePtr(path), nullptr);
    return path;
}

inline std::string FileText(const String& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "(missing)";
}

inline void WriteFileText(const String& path, const std::string& text)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
}

inline void RemoveOutputFiles(const String& folder, const String& serialNumber)
{
    for (const String& file : TCSRService::ExistingOutputFiles(folder, serialNumber))
        DeleteFileW(WidePtr(file));
}

class MainFormFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The UI kit's foundation and the styled-controls kit as the program starts them: the side
        // image is an SVG picture drawn through GDI+, the frame, main panel, close button and title
        // labels are the styled kit's. Started once for the program and left running to its end.
        static TUnitStartup kitUnits(RurFoundationUnits());
        kitUnits.Initialize();
        static TUnitStartup styledKitUnits(scKitUnits());
        styledKitUnits.Initialize();
        InitializeFormResources();
        InitializeMainFormUnit();
        Form = CreateForm<TMainForm>(nullptr);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite() { delete Form; }

    void SetUp() override
    {
        Folder = TempFolder();
        FPreviousPrompts = SetMainFormPrompts({
            [this](const String& instruction, const String& content, const String& expanded, Byte kind) {
                Prompts.Calls.push_back(u"Error(" + instruction + u"|" + content + u"|" + expanded + u"|" +
                                        FromUtf8(std::to_string(kind)) + u")");
            },
            [this](const String&, const String& instruction, const String&, const String&, Byte kind, Byte buttons) {
                Prompts.Calls.push_back(u"Box(" + instruction + u"|" + FromUtf8(std::to_string(kind)) + u"|" +
                                        FromUtf8(std::to_string(buttons)) + u")");
                return Prompts.BoxAnswer;
            },
            [this](const String& name, TCustomEdit* edit, Byte kind) {
                Prompts.Calls.push_back(u"Ask(" + name + u"|" + edit->Name() + u"|" + FromUtf8(std::to_string(kind)) +
                                        u")");
            },
            [this](const String& title, const String& text, TCustomEdit* edit) {
                Prompts.Calls.push_back(u"Warn(" + title + u"|" + text + u"|" + edit->Name() + u")");
            },
        });
        FPreviousPicker = SetFolderPicker([this](const TFolderRequest& request) -> std::optional<String> {
            PickerRequests.push_back(request);
            return PickedFolder;
        });
        PickedFolder = Folder;
        Form->btn_resetClick(Form);
        PumpFor(20);
    }
    void TearDown() override
    {
        SetMainFormPrompts(std::move(FPreviousPrompts));
        SetFolderPicker(std::move(FPreviousPicker));
        RemoveOutputFiles(Folder, Edit(TInputField::SerialNumber)->Text());
        RemoveDirectoryW(WidePtr(Folder));
    }

    static TEdit* Edit(TInputField field) { return Form->FieldEdit(field); }
    template <class T>
    static T* Find(const char16_t* name)
    {
        return static_cast<T*>(Form->FindComponent(name));
    }
    static void SelectType(int type)
    {
        auto* combo = Find<TComboBox>(u"cmb_personType");
        combo->SetItemIndex(type - 1);
        Form->cmb_personTypeChange(combo);
    }
    // Fills every enabled field with text that passes its rule under the type.
    static void FillValid(int type)
    {
        SelectType(type);
        Edit(TInputField::CommonName)->SetText(u"Tavin");
        Edit(TInputField::SerialNumber)->SetText(type <= 3 ? u"0123456789" : u"01234567890");
        Edit(TInputField::Email)->SetText(u"info@example.com");
        for (TInputField field : {TInputField::SubjectRole, TInputField::OrgUnit, TInputField::Province,
                                  TInputField::City, TInputField::LastName, TInputField::FirstName})
            Edit(field)->SetText(u"متن");
    }
    // Wine may still apply a focus change of an earlier program's window: activate the form again first.
    static void Focus(TWinControl* control)
    {
        ASSERT_TRUE(ShowActive(Form));
        control->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == control; }));
    }

    static inline TMainForm* Form = nullptr;
    String Folder;
    TPromptLog Prompts;
    std::optional<String> PickedFolder;
    std::vector<TFolderRequest> PickerRequests;

private:
    TMainFormPrompts FPreviousPrompts;
    TFolderPicker FPreviousPicker;
};

