// GDI+ for the menus' anti-aliased text, started around the test program as the tool starts it.
// Apart from the other sources: the framework's GDI+ names and the kit's do not meet in one file.
#include <gtest/gtest.h>

#include "FwGdiPlus.h"
#include "Startup.h"

namespace {

const TUnitStep GdiPlusSteps[] = {fwgdip::GdiPlusUnit};

class TGdiPlusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    TUnitStartup FUnits{GdiPlusSteps};
};

[[maybe_unused]] ::testing::Environment* const GdiPlusEnvironment =
    ::testing::AddGlobalTestEnvironment(new TGdiPlusEnvironment);

} // namespace
