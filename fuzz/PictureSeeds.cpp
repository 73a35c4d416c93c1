// Writes one valid file per format and layout, the starting corpus of fuzz_picture.
#include <cstdio>
#include <fstream>
#include <string>

#include "BmpCodec.h"
#include "JpegCodec.h"
#include "PngCodec.h"
#include "TestPictures.h"

namespace {

void Write(const std::string& folder, const std::string& name, const std::vector<Byte>& data)
{
    std::ofstream(folder + "/" + name, std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                                              static_cast<std::streamsize>(data.size()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_picture_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const TPixelImage image = MakePatternImage(9, 7, true);
    Write(folder, "rgba.png", EncodePng(image));
    Write(folder, "q50.jpg", EncodeJpeg(image, 50));
    TPixelImage twoTone = MakePatternImage(5, 3, false);
    twoTone.SetPalette({TBGRA{0, 0, 0, 255}, TBGRA{255, 255, 255, 255}});
    for (int bits : {1, 4, 8, 16, 24, 32})
        Write(folder, std::to_string(bits) + ".bmp", EncodeBmp(twoTone, bits));
    struct PngLayout { int type, depth, channels; std::size_t transparency; };
    for (const PngLayout& l : {PngLayout{0, 2, 1, 2}, PngLayout{2, 16, 3, 6}, PngLayout{3, 2, 1, 2}, PngLayout{4, 16, 2, 0}}) {
        TTestPng png(6, 5, l.depth, l.type, true);
        png.Samples.assign(30 * l.channels, 1);
        if (l.type == 3)
            png.Palette.assign(12, 7);
        if (l.transparency)
            png.Transparency = std::vector<Byte>(l.transparency, 0);
        Write(folder, "interlaced" + std::to_string(l.type) + ".png", BuildPng(png));
    }
    TTestGif gif(12, 9, 1, 1, 7, 6, 3, true, true, 2);
    for (int i = 0; i < 42; ++i)
        gif.Indices.push_back(static_cast<Byte>(i % 8));
    Write(folder, "frame.gif", BuildGif(gif));
    Write(folder, "two.ico", BuildIcon({{9, 7, 8, BuildDibIconBody(MakePatternImage(9, 7, false), 8,
                                                                   [](int x, int y) { return x == y; })},
                                        {9, 7, 32, EncodePng(image)}}));
    return 0;
}
