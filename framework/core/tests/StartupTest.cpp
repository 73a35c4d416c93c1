#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "Startup.h"

namespace {

std::string Log;
bool FailSecondInit = false;
bool FailFirstFinal = false;

const TUnitStep Steps[] = {
    {"A", [] { Log += "+A"; }, [] { Log += "-A"; if (FailFirstFinal) throw std::runtime_error("A"); }},
    {"B", [] { if (FailSecondInit) throw std::runtime_error("B"); Log += "+B"; }, [] { Log += "-B"; }},
    {"C", nullptr, [] { Log += "-C"; }},
    {"D", [] { Log += "+D"; }, nullptr},
};

struct StartupTest : ::testing::Test {
    void SetUp() override
    {
        Log.clear();
        FailSecondInit = FailFirstFinal = false;
    }
};

} // namespace

TEST_F(StartupTest, InitialisesInOrderOnceAndFinalisesInReverse)
{
    TUnitStartup startup(Steps);
    startup.Initialize();
    startup.Initialize();
    EXPECT_EQ(Log, "+A+B+D");
    EXPECT_EQ(startup.InitializedCount(), 4u);
    startup.Finalize();
    startup.Finalize();
    EXPECT_EQ(Log, "+A+B+D-C-B-A");
}

TEST_F(StartupTest, FinalisesOnlyWhatWasInitialised)
{
    FailSecondInit = true;
    EXPECT_THROW(TUnitsScope scope(Steps), std::runtime_error);
    EXPECT_EQ(Log, "+A-A");

    Log.clear();
    FailSecondInit = false;
    FailFirstFinal = true;
    TUnitStartup startup(Steps);
    startup.Initialize();
    EXPECT_THROW(startup.Finalize(), std::runtime_error);
    EXPECT_EQ(Log, "+A+B+D-C-B-A");
    EXPECT_EQ(startup.InitializedCount(), 0u);
    {
        TUnitsScope scope(Steps); // a failing finaliser does not escape the destructor
    }
}
