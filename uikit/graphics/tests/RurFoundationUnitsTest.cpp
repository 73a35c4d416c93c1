// What the foundation units' start-up leaves behind (the test program runs the same steps as the
// tool): the colour table, the persistence's class-name key, both GDI+ sets started, and the
// kit's clipboard formats registered by name.
#include <gtest/gtest.h>

#include "RurFoundationUnits.h"
#include "RurGDIP.h"
#include "RurGDIPlusClasses.h"
#include "RurGraphicsTypes.h"
#include "RurPersistence.h"
#include "RurTypes.h"

namespace {

TEST(RurFoundationUnits, TheColourTableHoldsTheCSSNamesWithThirteenTwice)
{
    TStringList* names = NamedColorList();
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->Count(), 160);
    int doubled = 0;
    for (int i = 1; i < names->Count(); ++i)
        if (names->Strings(i) == names->Strings(i - 1)) {
            ++doubled;
            EXPECT_EQ(static_cast<TRurGraphicsColorObject*>(names->Objects(i))->Color(),
                      static_cast<TRurGraphicsColorObject*>(names->Objects(i - 1))->Color());
        }
    EXPECT_EQ(doubled, 13);
    const int maroon = names->IndexOf(u"maroon");
    ASSERT_GE(maroon, 0);
    EXPECT_EQ(static_cast<TRurGraphicsColorObject*>(names->Objects(maroon))->Color(), 0x000080);
}

TEST(RurFoundationUnits, PersistenceNamesClassesWithDollarType)
{
    EXPECT_EQ(TRurPersistence::ClassNameKey(), u"$type");
}

TEST(RurFoundationUnits, BothGDIPlusSetsAreStarted)
{
    RurGDIPlusClasses::TGPBitmap bound(4, 4, 0x26200A);
    EXPECT_EQ(bound.GetLastStatus(), RurGDIPlusApi::Ok);
    RurGDIP::TGPBitmap imported(4, 4, 0x26200A);
    EXPECT_EQ(imported.LastStatus(), RurGDIP::Ok);
}

TEST(RurFoundationUnits, ClipboardFormatsAreRegisteredByName)
{
    RegisterRurClipboardFormats();
    const TRurClipboardFormats& formats = RurClipboardFormats();
    const struct {
        Word id;
        const wchar_t* name;
    } cases[] = {{formats.RichEditorText, L"RichEditorText"},
                 {formats.StreamFormat, L"TRurClipBoard.StreamFormat"},
                 {formats.RichTextFormat, L"Rich Text Format"},
                 {formats.HTMLFormat, L"HTML Format"}};
    for (const auto& c : cases) {
        wchar_t name[64] = {};
        GetClipboardFormatNameW(c.id, name, 64);
        EXPECT_STREQ(name, c.name);
    }
    EXPECT_EQ(formats.Bitmap, CF_BITMAP);
}

TEST(RurFoundationUnits, AStartUpInsideTheRunningOneLeavesItsUnitsAsTheyWere)
{
    TUnitStartup inner(RurFoundationUnits());
    inner.Initialize();
    inner.Finalize();

    ASSERT_NE(NamedColorList(), nullptr);
    EXPECT_EQ(NamedColorList()->Count(), 160);
    EXPECT_EQ(TRurPersistence::ClassNameKey(), u"$type");
    EXPECT_NE(RurGDIPlusApi::GdiplusLibrary(), nullptr);
    RurGDIPlusClasses::TGPBitmap bound(4, 4, 0x26200A);
    EXPECT_EQ(bound.GetLastStatus(), RurGDIPlusApi::Ok);
    RurGDIP::TGPBitmap imported(4, 4, 0x26200A);
    EXPECT_EQ(imported.LastStatus(), RurGDIP::Ok);
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"svg"), TRurSVGBitmap::StaticClass());
    TRurSVGBitmap graphic;
    EXPECT_NE(graphic.SVG(), nullptr);
}

} // namespace
