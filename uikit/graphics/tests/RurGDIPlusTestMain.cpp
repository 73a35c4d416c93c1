// Binds the library and starts GDI+ once for the whole program through the units' start-up steps.
#include <gtest/gtest.h>

#include "RurGDIPlusClasses.h"

namespace {

constexpr TUnitStep Steps[] = {RurGDIPlusApi::RurGDIPlusApiUnit, RurGDIPlusClasses::RurGDIPlusClassesUnit};

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FStartup.Initialize(); }
    void TearDown() override { FStartup.Finalize(); }

private:
    TUnitStartup FStartup{Steps};
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

} // namespace
