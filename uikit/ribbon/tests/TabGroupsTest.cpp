// The ribbon's tab groups: defaults, one change report per changed value, what Assign copies and
// the one-colour look.
#include <gtest/gtest.h>

#include <functional>

#include "RurGDIP.h"
#include "RurTabGroups.h"
#include "RurToolBar_TabAppearance.h"

namespace {

struct TTabGroupsTest : ::testing::Test {
    TTabGroupsTest() { Groups.SetOnChange(TNotifyEvent([this](TObject*) { ++Changes; })); }
    TComponent Owner{nullptr};
    TTabGroups Groups{&Owner};
    int Changes = 0;
};

TEST_F(TTabGroupsTest, ANewGroupCoversNoPageAndReportsItsThreeInitialValues)
{
    TTabGroupItem* g = Groups.Add();
    EXPECT_EQ(Changes, 3) << "image index, first and last page";
    EXPECT_EQ(g->TabIndexStart(), -1);
    EXPECT_EQ(g->TabIndexEnd(), -1);
    EXPECT_EQ(g->ImageIndex(), -1);
    EXPECT_TRUE(g->DefaultAppearance());
    EXPECT_EQ(g->CaptionAlignment(), taLeftJustify);
    Changes = 0;
    Groups.Delete(0);
    EXPECT_EQ(Changes, 1) << "a group that goes is reported";
}

TEST_F(TTabGroupsTest, EachSetterReportsOnlyAChangedValue)
{
    TTabGroupItem* g = Groups.Add();
    struct Case {
        const char* Name;
        std::function<void()> SetNew, SetSame;
    };
    const Case cases[] = {
        {"Caption", [g] { g->SetCaption(u"Tools"); }, [g] { g->SetCaption(u"Tools"); }},
        {"WideCaption", [g] { g->SetWideCaption(u"Tools"); }, [g] { g->SetWideCaption(u"Tools"); }},
        {"CaptionAlignment", [g] { g->SetCaptionAlignment(taCenter); }, [g] { g->SetCaptionAlignment(taCenter); }},
        {"DefaultAppearance", [g] { g->SetDefaultAppearance(false); }, [g] { g->SetDefaultAppearance(false); }},
        {"ImageIndex", [g] { g->SetImageIndex(2); }, [g] { g->SetImageIndex(2); }},
        {"TabIndexStart", [g] { g->SetTabIndexStart(1); }, [g] { g->SetTabIndexStart(1); }},
        {"TabIndexEnd", [g] { g->SetTabIndexEnd(3); }, [g] { g->SetTabIndexEnd(3); }},
        {"GroupAppearance", [g] { g->GroupAppearance()->SetColor(clRed); }, [g] { g->GroupAppearance()->SetColor(clRed); }},
    };
    for (const Case& c : cases) {
        Changes = 0;
        c.SetNew();
        EXPECT_EQ(Changes, 1) << c.Name;
        c.SetSame();
        EXPECT_EQ(Changes, 1) << c.Name << " set to the value it has";
    }
    Changes = 0;
    g->SetTag(5);
    g->SetGroupObject(&Owner);
    EXPECT_EQ(Changes, 0) << "user values are plain";
}

TEST_F(TTabGroupsTest, AssignCopiesTheGroupButNotTheTargetsLook)
{
    TTabGroupItem* source = Groups.Add();
    source->SetCaption(u"Picture");
    source->SetImageIndex(4);
    source->SetTabIndexStart(2);
    source->SetTabIndexEnd(3);
    source->SetTag(7);
    source->SetGroupObject(&Owner);
    source->SetCaptionAlignment(taCenter);
    source->SetWideCaption(u"wide");
    source->SetDefaultAppearance(false);
    TTabGroupItem* target = Groups.Add();
    target->GroupAppearance()->SetBorderColor(clLime);
    target->Assign(source);
    EXPECT_EQ(target->Caption(), u"Picture");
    EXPECT_EQ(target->ImageIndex(), 4);
    EXPECT_EQ(target->TabIndexStart(), 2);
    EXPECT_EQ(target->TabIndexEnd(), 3);
    EXPECT_EQ(target->Tag(), 7);
    EXPECT_EQ(target->GroupObject(), &Owner);
    EXPECT_EQ(target->CaptionAlignment(), taLeftJustify);
    EXPECT_EQ(target->WideCaption(), u"");
    EXPECT_TRUE(target->DefaultAppearance());
    EXPECT_EQ(target->GroupAppearance()->BorderColor(), clLime);
    TComponent unrelated(nullptr);
    EXPECT_ANY_THROW(target->Assign(&unrelated));
}

TEST_F(TTabGroupsTest, OneColourLookWithoutAStyler)
{
    for (const bool scenic : {false, true}) {
        RurGDIP::SetScenicRibbon(scenic);
        TTabGroupItem* g = Groups.Add();
        const TColor bodyBefore = g->GroupAppearance()->Color();
        g->SetCustomColor(0x3050F0);
        const TGroupAppearance* a = g->GroupAppearance();
        EXPECT_FALSE(g->DefaultAppearance());
        EXPECT_EQ(a->BorderColor(), 0x3050F0);
        EXPECT_EQ(a->ColorMirrorTo(), 0x3050F0);
        EXPECT_EQ(a->Color(), scenic ? TColor(0x3050F0) : bodyBefore) << "the body only under the scenic look";
        EXPECT_EQ(a->TabAppearance()->BorderColorSelected(), 0x3050F0);
        EXPECT_EQ(a->TabAppearance()->BorderColorDown(), 0x3050F0);
        EXPECT_EQ(a->TabAppearance()->BorderColorSelectedHot(), 0x3050F0);
        EXPECT_EQ(a->TabAppearance()->BorderColorHot(), 0x3050F0);
    }
    RurGDIP::SetScenicRibbon(false);
}

} // namespace
