// Binds the library and starts GDI+ once for the whole program, as the start-up table would.
#include <gtest/gtest.h>

#include "RurGDIPlusClasses.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        RurGDIPlusApi::RurGDIPlusApi_Initialize();
        RurGDIPlusClasses::RurGDIPlusClasses_Initialize();
    }
    void TearDown() override
    {
        RurGDIPlusClasses::RurGDIPlusClasses_Finalize();
        RurGDIPlusApi::RurGDIPlusApi_Finalize();
    }
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

} // namespace
