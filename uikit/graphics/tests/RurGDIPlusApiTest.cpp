#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RurGDIPlusClasses.h"

using namespace RurGDIPlusApi;

namespace {

std::vector<std::string> UnboundNames()
{
    std::vector<std::string> names;
    for (size_t i = 0; i < GdipEntryCount; ++i) {
        auto entry = static_cast<GdipEntry>(i);
        if (!GdipEntryAddress(entry))
            names.emplace_back(GdipEntryName(entry));
    }
    return names;
}

class RurGDIPlusApiBinding : public ::testing::Test {
protected:
    void SetUp() override { RurGDIPlusApi_Initialize(); }
    void TearDown() override { RurGDIPlusApi_Finalize(); }
};

} // namespace

TEST_F(RurGDIPlusApiBinding, BindsEveryNameTheLibraryExports)
{
    ASSERT_NE(GdiplusLibrary(), nullptr);
    EXPECT_STREQ(GdipEntryName(GdipEntry::GdipAlloc), "GdipAlloc");
    EXPECT_STREQ(GdipEntryName(GdipEntry::GdipMeasureDriverString), "GdipMeasureDriverString");
    EXPECT_STREQ(GdipEntryName(GdipEntry::GdipEmfToWmfBits), "GdipEmfToWmfBits");
    // Every unbound name is one the library really lacks, and Wine's lacks exactly these.
    for (const std::string& name : UnboundNames())
        EXPECT_EQ(GetProcAddress(GdiplusLibrary(), name.c_str()), nullptr) << name;
    EXPECT_EQ(UnboundNames(), (std::vector<std::string>{"GdipSetImageAttributesICMMode",
                                                         "GdipFontCollectionEnumerable",
                                                         "GdipFontCollectionEnumerate"}));
    EXPECT_EQ(GdipEntryCount - UnboundNames().size(), 591u);
}

TEST_F(RurGDIPlusApiBinding, InitialisationIsReferenceCounted)
{
    RurGDIPlusApi_Initialize();
    HMODULE library = GdiplusLibrary();
    RurGDIPlusApi_Finalize();
    EXPECT_EQ(GdiplusLibrary(), library) << "an inner release keeps the binding";
    EXPECT_NE(GdipEntryAddress(GdipEntry::GdipCreatePen1), nullptr);
}

TEST(RurGDIPlusApiUnbound, FreeTwiceAndCallsWithoutLibraryAnswerAStatus)
{
    FreeGdiplusApi();
    FreeGdiplusApi();
    EXPECT_EQ(GdiplusLibrary(), nullptr);
    EXPECT_EQ(UnboundNames().size(), GdipEntryCount);
    void* pen = nullptr;
    EXPECT_EQ(GdipCall(GdipEntry::GdipCreatePen1, ARGB(0xFF000000), 1.0f, UnitWorld, &pen), NotImplemented);
    EXPECT_EQ(pen, nullptr);
    EXPECT_THROW(TGdiplusBase::operator new(16), std::bad_alloc);
    EXPECT_EQ(TGdiplusBase::operator new(16, std::nothrow), nullptr);
}

TEST(RurGDIPlusApiUnbound, WrappersAnswerNotImplementedInsteadOfCallingNothing)
{
    ASSERT_EQ(GdiplusLibrary(), nullptr);
    RurGDIPlusClasses::TGPPen pen(ARGB(0xFF000000), 2.0f);
    EXPECT_EQ(pen.SetWidth(3.0f), NotImplemented);
    EXPECT_EQ(pen.GetWidth(), 0.0f);
    EXPECT_EQ(pen.GetLastStatus(), NotImplemented);
    RurGDIPlusClasses::TGPGraphicsPath path;
    TPathData data;
    EXPECT_EQ(path.GetPathData(data), NotImplemented);
    EXPECT_EQ(data.Count, 0);
    RurGDIPlusClasses::TGPFontFamily family(u"Arial");
    String name = u"stale";
    EXPECT_EQ(family.GetFamilyName(name), NotImplemented);
    EXPECT_EQ(name, u"");
}

TEST(RurGDIPlusApiValues, PathDataStartsEmptyAndArgbPacksInOrder)
{
    TPathData data;
    EXPECT_EQ(data.Count, 0);
    EXPECT_EQ(data.Points, nullptr);
    EXPECT_EQ(data.Types, nullptr);
    // The flat API's record: a count, then the two pointers, each at pointer alignment.
    EXPECT_EQ(reinterpret_cast<char*>(&data.Points) - reinterpret_cast<char*>(&data.Count), sizeof(void*));
    EXPECT_EQ(reinterpret_cast<char*>(&data.Types) - reinterpret_cast<char*>(&data.Count), 2 * sizeof(void*));
    EXPECT_EQ(MakeARGB(255, 0, 0, 255), 0xFF0000FFu);
    EXPECT_EQ(MakeARGB(0x12, 0x34, 0x56, 0x78), 0x12345678u);
}
