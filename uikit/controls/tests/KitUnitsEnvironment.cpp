// Linking this file runs the UI kit units its controls need (after the framework's, which
// GuiTestSupport.cpp starts) around the whole test program.
#include <gtest/gtest.h>

#include "RurFoundationUnits.h"
#include "TaskDialog.h"

namespace {

const TUnitStep KitUnits[] = {RurGDIPUnit, TaskDialogUnit};

class TKitUnitsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    TUnitStartup FUnits{KitUnits};
};

[[maybe_unused]] ::testing::Environment* const KitUnitsEnvironment =
    ::testing::AddGlobalTestEnvironment(new TKitUnitsEnvironment);

} // namespace
