#include <gtest/gtest.h>

#include "CsrModel_Unit.h"

namespace {

class TTracked : public TObject {
public:
    explicit TTracked(int& freed) : FFreed(freed) {}
    ~TTracked() override { ++FFreed; }

private:
    int& FFreed;
};

} // namespace

TEST(TTuple, KeepsItsItemsAndFreesThoseHoldingObjects)
{
    TTuple<int, String> entry(6, u"\u063A\u06CC\u0631 \u062F\u0648\u0644\u062A\u06CC");
    EXPECT_EQ(entry.Item1(), 6);
    EXPECT_EQ(entry.Item2(), u"\u063A\u06CC\u0631 \u062F\u0648\u0644\u062A\u06CC");

    int freed = 0;
    {
        TTuple<TTracked*, TTracked*> pair(new TTracked(freed), new TTracked(freed));
        TTuple<int, TTracked*> mixed(1, new TTracked(freed));
    }
    EXPECT_EQ(freed, 3);
}
