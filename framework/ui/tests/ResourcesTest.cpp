// Resources embedded by the cmake helpers, read back through TResourceStream and the form reader.
#include <gtest/gtest.h>

#include "Resources.h"
#include "Streaming.h"
#include "support/ServicesSupport.h"

namespace {

class TServicesTestForm : public TComponent {
    TAVIN_PUBLISHED_CLASS(TServicesTestForm, TComponent)
public:
    using TComponent::TComponent;
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    int Count() const { return FCount; }
    void SetCount(int value) { FCount = value; }

private:
    String FCaption;
    int FCount = 0;
};

TAVIN_PUBLISHED(TServicesTestForm)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, Count).Default(0);
}

String StreamText(TStream& stream)
{
    TBytes bytes(static_cast<size_t>(stream.Size()));
    stream.ReadBuffer(bytes.data(), stream.Size());
    return TEncoding::ANSI().GetString(bytes);
}

TEST(ResourceStream, ReadsByNameAndByNumber)
{
    TResourceStream form(0, u"TServicesTestForm", ResourceType(RT_RCDATA));
    EXPECT_EQ(StreamText(form).substr(0, 38), u"object ServicesForm: TServicesTestForm");

    TResourceStream numbered(0, 42, ResourceType(RT_RCDATA));
    ASSERT_EQ(numbered.Size(), 256);
    Byte bytes[256];
    numbered.ReadBuffer(bytes, 256);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[255], 255);
}

TEST(ResourceStream, MissingResourceAndWritingRaise)
{
    struct Case {
        const char* What;
        std::function<void()> Open;
        String Message;
    } cases[] = {
        {"name", [] { TResourceStream(0, u"NOSUCHFORM", ResourceType(RT_RCDATA)); }, u"Resource NOSUCHFORM not found"},
        {"number", [] { TResourceStream(0, 43, ResourceType(RT_RCDATA)); }, u"Resource 43 not found"},
        {"type", [] { TResourceStream(0, u"INFO", ResourceType(RT_RCDATA)); }, u"Resource INFO not found"},
    };
    for (const Case& c : cases) {
        try {
            c.Open();
            ADD_FAILURE() << c.What << ": no exception";
        } catch (const EResNotFound& e) {
            EXPECT_EQ(e.Message(), c.Message) << c.What;
        }
    }
    TResourceStream stream(0, 42, ResourceType(RT_RCDATA));
    EXPECT_THROW(stream.Write("x", 1), EStreamError);
}

TEST(ResourceStream, BitmapResourceLoadsAsABitmap)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), L"INFO", IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 2);
    DeleteObject(bitmap);
}

TEST(FormResources, FormIsReadFromTheResourceOfItsClass)
{
    StartServiceUnits();
    TServicesTestForm form(nullptr);
    ASSERT_TRUE(InitInheritedComponent(&form, TComponent::StaticClass()));
    EXPECT_EQ(form.Name(), u"ServicesForm");
    EXPECT_EQ(form.Caption(), u"Tavin \u0633\u0631\u0648\u06CC\u0633");
    EXPECT_EQ(form.Count(), 7);

    TBytes data;
    EXPECT_FALSE(FindFormResource(GetModuleHandleW(nullptr), u"TUnknownForm", data));
}

} // namespace
