#include "JpegFixtures.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// A grey progression with every coefficient in its own band and every bit in its own scan
// (63 bands and DC, 11 scans each): valid, and far more scans than any encoder writes.
std::vector<jpeg_scan_info> BitByBitScans()
{
    constexpr int MaxAl = 10; // libjpeg's limit for 8-bit samples
    std::vector<jpeg_scan_info> scans;
    for (int band = 0; band < 64; ++band)
        for (int al = MaxAl; al >= 0; --al) {
            jpeg_scan_info s{};
            s.comps_in_scan = 1;
            s.component_index[0] = 0;
            s.Ss = band;
            s.Se = band;
            s.Ah = al == MaxAl ? 0 : al + 1;
            s.Al = al;
            scans.push_back(s);
        }
    return scans;
}

} // namespace

std::vector<Byte> MakeJpeg(const TPixelImage& image, TJpegLayout layout)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error); // fixtures are valid: libjpeg's default of exiting never happens
    jpeg_create_compress(&info);
    unsigned char* block = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &block, &size);
    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = 4;
    const bool cmyk = layout == TJpegLayout::AdobeCmyk;
    info.in_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    const std::vector<jpeg_scan_info> scans = BitByBitScans();
    switch (layout) {
    case TJpegLayout::Gray: jpeg_set_colorspace(&info, JCS_GRAYSCALE); break;
    case TJpegLayout::Progressive: jpeg_simple_progression(&info); break;
    case TJpegLayout::AdobeCmyk: break; // CMYK input is written as CMYK with the Adobe marker
    case TJpegLayout::ThousandScans:
        jpeg_set_colorspace(&info, JCS_GRAYSCALE);
        info.scan_info = scans.data();
        info.num_scans = static_cast<int>(scans.size());
        break;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<Byte> row(static_cast<std::size_t>(image.Width()) * 4);
    while (info.next_scanline < info.image_height) {
        const TBGRA* pixels = image.ScanLine(static_cast<int>(info.next_scanline));
        for (int x = 0; x < image.Width(); ++x) {
            const TBGRA& c = pixels[x];
            // Adobe CMYK is stored inverted: with K at 255 the C, M, Y bytes are simply R, G, B.
            const Byte values[4] = {cmyk ? c.R : c.B, c.G, cmyk ? c.B : c.R, 255};
            std::copy(values, values + 4, row.begin() + 4 * x);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<Byte> result(block, block + size);
    std::free(block);
    return result;
}
