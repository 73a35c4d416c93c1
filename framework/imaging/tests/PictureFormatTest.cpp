#include <gtest/gtest.h>

#include "PictureFormat.h"

namespace {

std::vector<Byte> Padded(std::initializer_list<Byte> head, std::size_t size = 64)
{
    std::vector<Byte> v(head);
    v.resize(std::max(size, v.size()), 0);
    return v;
}

} // namespace

TEST(PictureFormat, DetectsEachFormatByItsLeadingBytes)
{
    std::vector<Byte> emf = Padded({1, 0, 0, 0});
    emf[40] = ' ', emf[41] = 'E', emf[42] = 'M', emf[43] = 'F';
    struct Case { std::vector<Byte> data; TPictureFormat expected; };
    const Case cases[] = {
        {Padded({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), TPictureFormat::Png},
        {Padded({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x00}), TPictureFormat::Unknown},
        {Padded({0xFF, 0xD8, 0xFF, 0xE0}), TPictureFormat::Jpeg},
        {Padded({0xFF, 0xD8, 0xFF, 0xDB}), TPictureFormat::Jpeg},
        {Padded({'G', 'I', 'F', '8', '9', 'a'}), TPictureFormat::Gif},
        {Padded({'G', 'I', 'F', '8', '7', 'a'}), TPictureFormat::Gif},
        {Padded({'G', 'I', 'F', '8', '8', 'a'}), TPictureFormat::Unknown},
        {Padded({'B', 'M'}), TPictureFormat::Bmp},
        {Padded({'I', 'I', 42, 0}), TPictureFormat::Tiff},
        {Padded({'M', 'M', 0, 42}), TPictureFormat::Tiff},
        {Padded({'I', 'I', 43, 0}), TPictureFormat::Unknown},
        {Padded({0xD7, 0xCD, 0xC6, 0x9A}), TPictureFormat::Wmf},
        {emf, TPictureFormat::Emf},
        {Padded({0, 0, 1, 0, 1, 0}), TPictureFormat::Icon},
        {Padded({0, 0, 2, 0, 1, 0}), TPictureFormat::Cursor},
        {Padded({0, 0, 1, 0, 0, 0}), TPictureFormat::Unknown}, // no entries
        {Padded({0, 0, 0, 0}), TPictureFormat::Unknown},
        {Padded({'<', 's', 'v', 'g'}), TPictureFormat::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectPictureFormat(c.data), c.expected) << int(c.data[0]) << " " << int(c.data[1]);
}

TEST(PictureFormat, ShortBuffersAreNeverReadPastTheirEnd)
{
    // Every prefix of every signature, in an exactly-sized heap block so that ASan sees any overrun.
    const std::vector<std::vector<Byte>> heads = {
        {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, {0xFF, 0xD8, 0xFF}, {'G', 'I', 'F', '8', '9', 'a'},
        {0, 0, 1, 0, 1, 0, 16, 16, 0, 0}, Padded({1, 0, 0, 0}, 44), Padded({'B', 'M'}, 26)};
    for (const auto& head : heads)
        for (std::size_t n = 0; n < head.size(); ++n) {
            const std::vector<Byte> prefix(head.begin(), head.begin() + n);
            EXPECT_EQ(DetectPictureFormat(prefix), TPictureFormat::Unknown) << n;
        }
    EXPECT_EQ(DetectPictureFormat({}), TPictureFormat::Unknown);
}
