#pragma once
// What the customizer's tests share: a form with a toolbar "Standard" holding BtnOpen (icon 0),
// the separator Sep1, BtnSave (icon 1) and the glow button GlowPrint (icon 2), and a customizer
// "Customizer1" on it that offers the commands New, Print (default icon 2) and Close all, records
// which command ran, and keeps its layout in a fresh temporary file (naming the file took the
// designed snapshot).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CustomizerU.h"
#include "Forms.h"
#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ToolBar.h"

class CustomizedToolBarTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TRurToolBarButton* AddButton(const String& name, const String& caption, int image = -1);
    // The component names of the toolbar's items, in its order.
    std::vector<String> ItemNames() const;

    std::unique_ptr<TForm> Form;
    TRurToolBar* ToolBar = nullptr;
    TRurToolBarButton *Open = nullptr, *Save = nullptr;
    TRurToolBarSeparator* Separator = nullptr;
    TRurGlowButton* Glow = nullptr;
    TRurToolBarCustomizer* Customizer = nullptr;
    // The indexes of the commands run, in order.
    std::vector<int> Executed;
    String File;
};

using Names = std::vector<String>;
