#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>

#include "Clipbrd.h"
#include "SyncObjs.h"

namespace {

class ClipboardTest : public ::testing::Test {
protected:
    void TearDown() override { FinalizeClipbrdUnit(); }
};

TBitmap* MakeBitmap(int width, int height)
{
    auto* bitmap = new TBitmap;
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(40 * x, 60 * y, 200)));
    return bitmap;
}

} // namespace

TEST_F(ClipboardTest, TextRoundTripAndClear)
{
    const String persian = u"\u06A9\u0644\u06CC\u062F \u0639\u0645\u0648\u0645\u06CC";
    Clipboard()->SetAsText(persian);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard()->AsText(), persian);
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard()->AsText(), u"");
}

TEST_F(ClipboardTest, NestedOpenKeepsEveryFormatPutUntilTheLastClose)
{
    const Word format = TClipboard::RegisterFormat(u"Tavin.Test.Data");
    EXPECT_GE(format, 0xC000);
    EXPECT_EQ(TClipboard::RegisterFormat(u"Tavin.Test.Data"), format);
    const char bytes[] = {1, 2, 3, 4};

    Clipboard()->Open();
    Clipboard()->Open();
    Clipboard()->SetAsText(u"both");
    Clipboard()->SetBuffer(format, bytes, sizeof bytes);
    Clipboard()->Close();
    EXPECT_NE(GetOpenClipboardWindow(), nullptr); // still open: one Close to go
    Clipboard()->Close();
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);

    EXPECT_EQ(Clipboard()->AsText(), u"both");
    Clipboard()->Open();
    HANDLE data = Clipboard()->GetAsHandle(format);
    ASSERT_NE(data, nullptr);
    ASSERT_GE(GlobalSize(data), sizeof bytes);
    EXPECT_EQ(std::memcmp(GlobalLock(data), bytes, sizeof bytes), 0);
    GlobalUnlock(data);
    Clipboard()->Close();

    // Outside an Open, a change replaces the content.
    Clipboard()->SetAsText(u"alone");
    EXPECT_FALSE(Clipboard()->HasFormat(format));
}

TEST_F(ClipboardTest, PicturesGoAndComeBackAsBitmaps)
{
    std::unique_ptr<TBitmap> source(MakeBitmap(3, 2));
    Clipboard()->Assign(source.get());
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));

    TPicture picture;
    picture.Assign(Clipboard());
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(x, y), source->Canvas()->Pixels(x, y)) << x << "," << y;

    Clipboard()->SetAsText(u"no picture");
    TBitmap bitmap;
    EXPECT_THROW(bitmap.Assign(Clipboard()), EClipboardException);
}

TEST_F(ClipboardTest, OpenFailsWhileAnotherThreadHoldsTheClipboard)
{
    SyncObjs::TEvent held, release;
    std::thread holder([&] {
        OpenClipboard(nullptr);
        held.SetEvent();
        release.WaitFor();
        CloseClipboard();
    });
    held.WaitFor();
    EXPECT_THROW(Clipboard()->Open(), EClipboardException);
    EXPECT_THROW(Clipboard()->SetAsText(u"x"), EClipboardException);
    release.SetEvent();
    holder.join();
    EXPECT_NO_THROW(Clipboard()->SetAsText(u"x"));
}
