// Image lists: adding, drawing enabled and disabled, copying out, change notification, ownership.
#include <gtest/gtest.h>

#include "ImgList.h"
#include "OffscreenSurface.h"

namespace {

// A 16 x 16 picture: a red square on a fuchsia background (the mask colour).
void RedSquare(TBitmap& bitmap, int images = 1)
{
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(16 * images, 16);
    bitmap.Canvas()->Brush()->SetColor(clFuchsia);
    bitmap.Canvas()->FillRect(Rect(0, 0, 16 * images, 16));
    bitmap.Canvas()->Brush()->SetColor(clRed);
    for (int i = 0; i < images; ++i)
        bitmap.Canvas()->FillRect(Rect(16 * i + 4, 4, 16 * i + 12, 12));
}

COLORREF Rgb(TColor color)
{
    return static_cast<COLORREF>(ColorToRGB(color));
}

struct ImageList : ::testing::Test {
    TImageList list{nullptr};
    OffscreenSurface surface{40, 40, RGB(255, 255, 255)};
    TCanvas canvas;
    void SetUp() override { canvas.SetHandle(surface.DC()); }
    void TearDown() override { canvas.SetHandle(nullptr); }
};

} // namespace

TEST_F(ImageList, MaskedImagesDrawWithoutTheirBackground)
{
    TBitmap bitmap;
    RedSquare(bitmap, 2);
    EXPECT_EQ(list.AddMasked(&bitmap, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2) << "a wide bitmap gives one image per Width";
    list.Draw(&canvas, 10, 10, 1);
    EXPECT_EQ(surface.Pixel(18, 18), RGB(255, 0, 0));
    EXPECT_EQ(surface.Pixel(11, 11), RGB(255, 255, 255));
    EXPECT_EQ(surface.Count(RGB(255, 0, 0)), 64);

    list.Draw(&canvas, 0, 0, 5); // out of range: nothing
    list.Draw(&canvas, 0, 0, -1);
    EXPECT_EQ(surface.Count(RGB(255, 0, 0)), 64);
}

TEST_F(ImageList, DisabledImagesAreEmbossedInButtonColours)
{
    TBitmap bitmap;
    RedSquare(bitmap);
    list.AddMasked(&bitmap, clFuchsia);
    list.Draw(&canvas, 10, 10, 0, false);
    EXPECT_EQ(surface.Count(RGB(255, 0, 0)), 0);
    EXPECT_EQ(surface.Pixel(18, 18), Rgb(clBtnShadow));
    EXPECT_EQ(surface.Pixel(22, 22), Rgb(clBtnHighlight)) << "the highlight shows one pixel down and right";
    EXPECT_EQ(surface.Pixel(11, 11), RGB(255, 255, 255));
}

TEST_F(ImageList, MaskBitmapAndThirtyTwoBitAlpha)
{
    TBitmap image, mask;
    RedSquare(image);
    mask.SetPixelFormat(pf1bit);
    mask.SetSize(16, 16);
    mask.Canvas()->Brush()->SetColor(clWhite);
    mask.Canvas()->FillRect(Rect(0, 0, 16, 16));
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 8, 16)); // left half shows
    list.Add(&image, &mask);
    list.Draw(&canvas, 0, 0, 0);
    EXPECT_EQ(surface.Pixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(surface.Pixel(10, 5), RGB(255, 255, 255));

    TImageList alphaList(nullptr);
    alphaList.SetColorDepth(cd32Bit);
    alphaList.SetMasked(false);
    TBitmap translucent;
    translucent.SetPixelFormat(pf32bit);
    translucent.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            static_cast<std::uint32_t*>(translucent.ScanLine(y))[x] = 0x800000FF; // blue, half alpha
    translucent.SetAlphaFormat(afPremultiplied);
    alphaList.Add(&translucent, nullptr);
    alphaList.Draw(&canvas, 20, 20, 0);
    const COLORREF blended = surface.Pixel(25, 25);
    EXPECT_NEAR(GetRValue(blended), 127, 2);
    EXPECT_NEAR(GetBValue(blended), 255, 2);

    TBitmap copy;
    copy.SetPixelFormat(pf32bit);
    ASSERT_TRUE(alphaList.GetBitmap(0, &copy));
    EXPECT_EQ(copy.Width(), 16);
    EXPECT_FALSE(alphaList.GetBitmap(1, &copy));
}

TEST_F(ImageList, GetBitmapCopiesTheImage)
{
    TBitmap bitmap;
    RedSquare(bitmap);
    list.AddMasked(&bitmap, clFuchsia);
    TBitmap out;
    ASSERT_TRUE(list.GetBitmap(0, &out));
    EXPECT_EQ(out.Width(), 16);
    EXPECT_EQ(out.Canvas()->Pixels(8, 8), clRed);
}

TEST_F(ImageList, ChangeLinksHearOfEveryChangeOnce)
{
    int heard = 0;
    TCustomImageList* sender = nullptr;
    auto link = std::make_unique<TChangeLink>();
    link->SetOnChange([&](TObject* s) {
        ++heard;
        sender = static_cast<TCustomImageList*>(s);
    });
    list.RegisterChanges(link.get());
    TBitmap bitmap;
    RedSquare(bitmap);
    list.AddMasked(&bitmap, clFuchsia);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(sender, &list);

    list.BeginUpdate();
    list.AddMasked(&bitmap, clFuchsia);
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(heard, 2);
    EXPECT_EQ(list.Count(), 1);

    list.SetWidth(24);
    EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
    EXPECT_EQ(heard, 3);

    link.reset(); // unregisters itself
    list.AddMasked(&bitmap, clFuchsia);
    EXPECT_EQ(heard, 3);
    EXPECT_THROW(list.Delete(7), EInvalidOperation);

    TChangeLink survivor;
    {
        TImageList shortLived(nullptr);
        shortLived.RegisterChanges(&survivor);
    }
    EXPECT_EQ(survivor.Sender(), nullptr) << "a freed list lets go of its links";
}

TEST_F(ImageList, SharedHandlesOutliveTheList)
{
    HIMAGELIST shared = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    {
        TImageList user(nullptr);
        user.SetShareImages(true);
        user.SetHandle(shared);
        EXPECT_EQ(user.Width(), 8);
    }
    EXPECT_EQ(ImageList_GetImageCount(shared), 0) << "still a valid list";
    EXPECT_TRUE(ImageList_Destroy(shared));

    EXPECT_EQ(GetPropInfo(TImageList::StaticClass(), u"Width")->Default, 16);
    EXPECT_NE(GetPropInfo(TImageList::StaticClass(), u"ShareImages"), nullptr);
}
