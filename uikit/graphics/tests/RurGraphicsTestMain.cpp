// Starts the framework's graphic units and the UI kit's foundation units once for the program,
// through the same start-up steps the tool runs.
#include <gtest/gtest.h>

#include "GraphicUnits.h"
#include "RurFoundationUnits.h"

namespace {

class FoundationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        StartGraphicUnits();
        FStartup.Initialize();
    }
    void TearDown() override { FStartup.Finalize(); }

private:
    TUnitStartup FStartup{RurFoundationUnits()};
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new FoundationEnvironment);

} // namespace
