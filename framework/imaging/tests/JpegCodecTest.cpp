#include <gtest/gtest.h>

#include "GraphicErrors.h"
#include "JpegCodec.h"
#include "JpegFixtures.h"
#include "TestPictures.h"

TEST(JpegCodec, HigherQualityIsLargerAndCloserToTheOriginal)
{
    const TPixelImage original = MakePatternImage(96, 64, false);
    const std::vector<Byte> fine = EncodeJpeg(original, 95);
    const std::vector<Byte> coarse = EncodeJpeg(original, 20);
    EXPECT_LT(coarse.size(), fine.size());

    const TPixelImage fineImage = DecodeJpeg(fine);
    const TPixelImage coarseImage = DecodeJpeg(coarse);
    ASSERT_EQ(fineImage.Width(), 96);
    ASSERT_EQ(fineImage.Height(), 64);
    EXPECT_FALSE(fineImage.HasAlpha());
    EXPECT_EQ(fineImage.SourceBitsPerPixel(), 24);
    EXPECT_EQ(fineImage.Pixel(5, 5).A, 255);
    const double fineError = MeanColorError(fineImage, original);
    const double coarseError = MeanColorError(coarseImage, original);
    EXPECT_LT(fineError, 5.0); // the sharp edges of the pattern cost a little even at 95
    EXPECT_LT(coarseError, 10.0);
    EXPECT_LT(fineError, coarseError);
}

TEST(JpegCodec, QualityOutsideTheRangeIsClampedNotRejected)
{
    const TPixelImage original = MakePatternImage(16, 16, false);
    EXPECT_EQ(EncodeJpeg(original, 0), EncodeJpeg(original, 1));
    EXPECT_EQ(EncodeJpeg(original, 250), EncodeJpeg(original, 100));
}

TEST(JpegCodec, TruncatedAndCorruptDataRaiseInvalidGraphic)
{
    const std::vector<Byte> good = EncodeJpeg(MakePatternImage(48, 48, false), 80);
    const std::vector<Byte> noData = {0xFF, 0xD8, 0xFF, 0xD9};
    std::vector<Byte> emptyFrame = good; // frame header of width 0
    for (std::size_t i = 0; i + 8 < emptyFrame.size(); ++i)
        if (emptyFrame[i] == 0xFF && emptyFrame[i + 1] == 0xC0) {
            emptyFrame[i + 7] = emptyFrame[i + 8] = 0;
            break;
        }
    std::vector<Byte> badTable = good; // quantisation table segment longer than the file
    badTable.insert(badTable.begin() + 2, {0xFF, 0xDB, 0xFF, 0xF0, 0x00});
    for (std::size_t cut : {std::size_t(2), std::size_t(100), good.size() / 2, good.size() - 40})
        EXPECT_THROW(DecodeJpeg(std::vector<Byte>(good.begin(), good.begin() + cut)), EInvalidGraphic) << cut;
    EXPECT_THROW(DecodeJpeg(noData), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg(emptyFrame), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg(badTable), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg(std::vector<Byte>{}), EInvalidGraphic);
}

TEST(JpegCodec, EmptyPictureCannotBeSaved)
{
    EXPECT_THROW(EncodeJpeg(TPixelImage(), 75), EInvalidGraphic);
}

TEST(JpegCodec, DecodesGreyProgressiveAndAdobeCmykFiles)
{
    const TPixelImage original = MakePatternImage(40, 24, false);
    const TPixelImage gray = DecodeJpeg(MakeJpeg(original, TJpegLayout::Gray));
    EXPECT_EQ(gray.SourceBitsPerPixel(), 8);
    const TBGRA g = gray.Pixel(20, 12);
    EXPECT_TRUE(g.R == g.G && g.G == g.B);

    const TPixelImage progressive = DecodeJpeg(MakeJpeg(original, TJpegLayout::Progressive));
    EXPECT_LT(MeanColorError(progressive, original), 5.0);

    const TPixelImage cmyk = DecodeJpeg(MakeJpeg(original, TJpegLayout::AdobeCmyk));
    EXPECT_EQ(cmyk.SourceBitsPerPixel(), 32);
    EXPECT_LT(MeanColorError(cmyk, original), 5.0);
    EXPECT_EQ(cmyk.Pixel(3, 3).A, 255);
}

TEST(JpegCodec, FileWithMoreScansThanAnyEncoderWritesIsRefused)
{
    const std::vector<Byte> jpeg = MakeJpeg(MakePatternImage(16, 16, false), TJpegLayout::ThousandScans);
    try {
        DecodeJpeg(jpeg);
        FAIL() << "decoded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(std::string(e.what()).find("scans"), std::string::npos) << e.what();
    }
}
