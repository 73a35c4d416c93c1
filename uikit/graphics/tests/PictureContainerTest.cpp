// The HTML picture (sources, GIF frames and its animation clock), the picture cache, the picture
// container, and the drawing object's look-ups of named and scaled pictures. No network: a remote
// picture keeps its URL and reports busy.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PictureContainer.h"
#include "PictureFormData.h"
#include "PngCodec.h"
#include "RecordingGraphicsContext.h"
#include "RurTypes.h"
#include "SysUtils.h"
#include "TypInfo.h"

using namespace RurGraphicsTest;
using ::testing::Contains;
using ::testing::StartsWith;

namespace {

// A 1 x 1 GIF whose frames each show for `delay` hundredths of a second.
TBytes Gif(int frames, Byte delay)
{
    TBytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < frames; ++i) {
        const Byte frame[] = {0x21, 0xF9, 0x04, 0x00, delay, 0x00, 0x00, 0x00, 0x2C, 0, 0, 0, 0,
                              1,    0,    1,    0,    0,     0x02, 0x02, 0x44, 0x01, 0x00};
        gif.insert(gif.end(), std::begin(frame), std::end(frame));
    }
    gif.push_back(0x3B);
    return gif;
}

void Load(THTMLPicture& picture, const TBytes& bytes)
{
    TBytesStream stream(bytes);
    picture.LoadFromStream(stream);
}

TBytes BitmapBytes(int width, int height, TColor color)
{
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect({0, 0, width, height});
    TBytesStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

// Data without a raster signature is an SVG document: it sizes, draws, saves and copies as one, and
// raster data loaded after it replaces it.
TEST(HTMLPicture, HoldsSVGDocuments)
{
    const std::string svg = "<svg viewBox='0 0 40 20'><rect width='40' height='20' fill='red'/></svg>";
    THTMLPicture picture;
    Load(picture, TBytes(svg.begin(), svg.end()));
    ASSERT_TRUE(picture.HasSVG());
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(picture.MaxHeight(), 20);
    TBytesStream saved;
    picture.SaveToStream(saved);
    EXPECT_EQ(std::string(saved.Bytes().begin(), saved.Bytes().end()), svg);

    TBitmap target(40, 20);
    picture.DrawSVG(*target.Canvas(), 0, 0, 40, 20);
    EXPECT_EQ(target.Canvas()->Pixels(20, 10), 0x0000FF);

    THTMLPicture copy;
    copy.Assign(&picture);
    EXPECT_TRUE(copy.HasSVG());
    EXPECT_EQ(copy.Height(), 20);

    Load(picture, BitmapBytes(3, 2, 0xFF0000));
    EXPECT_FALSE(picture.HasSVG());
    EXPECT_EQ(picture.Width(), 3);
}

TEST(HTMLPicture, LoadsFromResourcesFilesAndKeepsRemoteURLs)
{
    THTMLPicture fromResource;
    fromResource.LoadFromURL(u"res://LOGO");
    EXPECT_EQ(fromResource.ID(), u"res://LOGO");
    EXPECT_FALSE(fromResource.Empty());
    EXPECT_EQ(fromResource.Width(), 2);
    EXPECT_EQ(fromResource.Height(), 2);

    THTMLPicture missing;
    EXPECT_NO_THROW(missing.LoadFromURL(u"FILE://Z:\\no\\such\\picture.png"));
    EXPECT_TRUE(missing.Empty());

    THTMLPicture remote;
    remote.LoadFromURL(u"http://example.invalid/a.png");
    EXPECT_TRUE(remote.Busy());
    EXPECT_EQ(remote.URL(), u"http://example.invalid/a.png");
    remote.LoadFromURL(u"http://example.invalid/b.png");
    EXPECT_EQ(remote.URL(), u"http://example.invalid/a.png");
    EXPECT_TRUE(remote.Empty());

    THTMLPicture synchronous;
    synchronous.SetAsynch(false);
    synchronous.LoadFromURL(u"http://example.invalid/c.png");
    EXPECT_FALSE(synchronous.Busy());
    EXPECT_EQ(synchronous.ID(), u"http://example.invalid/c.png");
}

TEST(HTMLPicture, CountsAndStepsGIFFrames)
{
    THTMLPicture picture;
    Load(picture, Gif(3, 10));
    EXPECT_TRUE(picture.IsGIF());
    // Nothing moves before the frames have been counted.
    EXPECT_FALSE(picture.Step());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.GetFrameTime(2), 10);
    EXPECT_EQ(picture.GetFrameTime(4), -1);
    EXPECT_EQ(picture.Width(), 1);
    const bool expected[] = {false, false, true, true, true};
    for (bool e : expected)
        EXPECT_EQ(picture.Step(), e);

    int changes = 0;
    picture.SetOnFrameChange(TNotifyEvent([&](TObject*) { ++changes; }));
    picture.SetFrame(3);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 3);
    EXPECT_EQ(changes, 3);
}

TEST(HTMLPicture, ATruncatedFrameAtTheEndIsNotCounted)
{
    // A graphic control extension and the first two bytes of an image descriptor, and no more.
    TBytes gif = Gif(3, 10);
    const Byte tail[] = {0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x2C, 0x00};
    gif.insert(gif.end(), std::begin(tail), std::end(tail));
    THTMLPicture picture;
    Load(picture, gif);
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.GetFrameTime(4), -1);
}

TEST(HTMLPicture, AssignCopiesBytesAndIdentity)
{
    THTMLPicture source;
    Load(source, BitmapBytes(3, 2, clRed));
    source.SetID(u"pic");
    THTMLPicture copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.ID(), u"pic");
    EXPECT_EQ(copy.Width(), 3);
    TBitmap bitmap;
    bitmap.SetSize(5, 4);
    copy.Assign(&bitmap);
    EXPECT_EQ(copy.Width(), 5);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(HTMLPicture, DrawsImageBytesStretchedAndDocumentsAsVectors)
{
    // Left column green, the rest red.
    TBitmap columns(4, 4);
    columns.SetPixelFormat(pf24bit);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            columns.Canvas()->SetPixels(x, y, x == 0 ? clLime : clRed);
    TBytesStream bmp;
    columns.SaveToStream(bmp);
    const std::string svg = "<svg viewBox='0 0 2 1'><rect width='1' height='1' fill='red'/></svg>";

    const auto drawn = [](THTMLPicture& APicture) {
        auto target = std::make_unique<TBitmap>(40, 20);
        target->Canvas()->Brush()->SetColor(clBlue);
        target->Canvas()->FillRect({0, 0, 40, 20});
        APicture.Draw(*target->Canvas(), {0, 0, 40, 20});
        return target;
    };
    THTMLPicture picture;
    Load(picture, bmp.Bytes());
    auto target = drawn(picture);
    // A bitmap shows through its bottom-left colour (the picture is transparent).
    EXPECT_EQ(target->Canvas()->Pixels(4, 10), clBlue);
    EXPECT_EQ(target->Canvas()->Pixels(30, 10), clRed);
    picture.SetTransparent(false);
    target = drawn(picture);
    EXPECT_EQ(target->Canvas()->Pixels(4, 10), clLime);

    // Any other image through GDI+, stretched.
    TPixelImage red(2, 2);
    for (TBGRA* row : {red.ScanLine(0), red.ScanLine(1)})
        row[0] = row[1] = TBGRA{0, 0, 0xFF, 0xFF};
    const std::vector<Byte> pngBytes = EncodePng(red);
    THTMLPicture png;
    Load(png, TBytes(pngBytes.begin(), pngBytes.end()));
    target = drawn(png);
    EXPECT_EQ(target->Canvas()->Pixels(20, 10), clRed);

    THTMLPicture document;
    Load(document, TBytes(svg.begin(), svg.end()));
    target = drawn(document);
    EXPECT_EQ(target->Canvas()->Pixels(10, 10), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(30, 10), clBlue);
}

// Image bytes, a document and an empty picture in form data read back from where the class name
// leaves the stream.
TEST(HTMLPicture, FormDataRoundTrip)
{
    RegisterClass(THTMLPicture::StaticClass());
    const std::string svg = "<svg viewBox='0 0 40 20'><rect width='40' height='20'/></svg>";
    THTMLPicture raster, document, empty;
    Load(raster, BitmapBytes(3, 2, clRed));
    Load(document, TBytes(svg.begin(), svg.end()));
    for (THTMLPicture* picture : {&raster, &document, &empty}) {
        const auto read = PictureFormData::RoundTrip(*picture);
        auto* back = dynamic_cast<THTMLPicture*>(read->Picture()->Graphic());
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->HasSVG(), picture->HasSVG());
        EXPECT_EQ(back->Width(), picture->Width());
    }
}

TEST(HTMLPictureCache, FindsBySourceWithCaseAndAnimatesAll)
{
    THTMLPictureCache cache;
    cache.AddPicture()->SetID(u"RES://A");
    THTMLPicture* gif = cache.AddPicture();
    Load(*gif, Gif(2, 0));
    EXPECT_EQ(cache.FindPicture(u"RES://A"), cache.Items(0));
    EXPECT_EQ(cache.FindPicture(u"res://a"), nullptr);
    gif->FrameCount();
    // Frames of no delay move on the second tick.
    EXPECT_FALSE(cache.Animate());
    EXPECT_TRUE(cache.Animate());
    EXPECT_EQ(gif->Frame(), 2);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
    EXPECT_THROW(cache.Items(0), EListError);
}

class PictureContainerTest : public ::testing::Test {
protected:
    void Add(const char16_t* name, int width)
    {
        TPictureItem* item = container.Items()->Add();
        item->SetName(name);
        Load(*item->Picture(), BitmapBytes(width, width, clBlue));
    }
    TPictureContainer container{nullptr};
};

TEST_F(PictureContainerTest, FindsByNameWithoutCase)
{
    Add(u"Logo", 4);
    EXPECT_EQ(container.Version(), u"2.1.1.0");
    EXPECT_EQ(container.FindPicture(u"LOGO"), container.Items()->Items(0)->Picture());
    EXPECT_EQ(container.FindPicture(u"other"), nullptr);
    TPicture* bitmap = container.FindBitmap(u"logo");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 4);
    EXPECT_EQ(container.FindBitmap(u"other"), nullptr);
}

TEST_F(PictureContainerTest, NamedPicturesPreferTheirScaledName)
{
    Add(u"icon", 4);
    Add(u"icon_2", 8);
    Add(u"icon_1.5", 6);
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    g.SetPictureContainer(&container);
    const struct {
        bool apply;
        float scale;
        int width;
    } cases[] = {{true, 2, 8}, {true, 3, 4}, {false, 2, 4}, {true, 1.5f, 6}};
    for (const auto& c : cases) {
        scope.Take();
        g.DrawBitmapWithName(TRectF{0, 0, 10, 10}, u"icon", c.apply, c.scale);
        EXPECT_THAT(scope.Take(), Contains(StartsWith("DrawBitmap " + std::to_string(c.width))))
            << c.apply << " " << c.scale;
    }
    // The scale suffix is written with a point whatever the locale says.
    const Char separator = FormatSettings.DecimalSeparator;
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(TRurGraphics::GetBitmapFromPictureContainer(&container, u"icon", true, 1.5f)->Width(), 6);
    FormatSettings.DecimalSeparator = separator;
}

TEST_F(PictureContainerTest, ScaledBitmapsFallBackToTheContainer)
{
    Add(u"glyph_2", 8);
    Add(u"glyph", 4);
    TRurScaledBitmaps bitmaps(nullptr);
    EXPECT_EQ(TRurGraphics::GetScaledBitmap(&bitmaps, 1, &container), nullptr);
    bitmaps.AddBitmapName(u"glyph", 2);
    EXPECT_EQ(TRurGraphics::GetScaledBitmap(&bitmaps, 2, &container)->Width(), 8);
    bitmaps.Items(0)->SetBitmapName(u"glyph_missing");
    EXPECT_EQ(TRurGraphics::GetScaledBitmap(&bitmaps, 2, &container), nullptr);
    TBitmap own;
    own.SetSize(3, 3);
    bitmaps.AddDrawBitmap(&own, 1);
    EXPECT_EQ(TRurGraphics::GetScaledBitmap(&bitmaps, 1, &container)->Width(), 3);
}

TEST(RurGraphicsBitmaps, PlacementInARectangle)
{
    const struct {
        float ow, oh, nw, nh;
        bool aspect, stretch;
        float w, h;
    } sizes[] = {{100, 50, 40, 40, true, false, 40, 20},   {100, 50, 400, 400, true, false, 100, 50},
                 {100, 50, 400, 400, true, true, 400, 200}, {100, 50, 0, 40, true, true, 0, 0},
                 {100, 50, 30, 20, false, true, 30, 20},    {100, 50, 30, 20, false, false, 100, 50}};
    for (const auto& s : sizes) {
        float w = -1, h = -1;
        TRurGraphics::GetAspectSize(w, h, s.ow, s.oh, s.nw, s.nh, s.aspect, s.stretch, false);
        EXPECT_FLOAT_EQ(w, s.w);
        EXPECT_FLOAT_EQ(h, s.h);
    }
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    TPicture picture;
    picture.Assign(&bitmap);
    EXPECT_EQ(g.GetBitmapDrawRectangle(TRectF{0, 0, 100, 50}, &picture, false, false, true), (TRectF{45, 20, 55, 30}));
    EXPECT_EQ(g.GetBitmapDrawRectangle(TRectF{0, 0, 100, 50}, &picture), (TRectF{0, 0, 10, 10}));
    EXPECT_EQ(g.GetBitmapDrawRectangle(TRectF{0, 0, 100, 50}, &picture, false, true), (TRectF{0, 0, 100, 50}));
    EXPECT_EQ(g.GetBitmapDrawRectangle(TRectF{0, 0, 100, 50}, nullptr), TRectF{});

    TRurBitmap empty;
    scope.Take();
    EXPECT_NO_THROW(g.DrawBitmap(TRectF{0, 0, 10, 10}, &empty));
    EXPECT_THAT(scope.Take(), Contains("DrawBitmap -1 -1 0 0 0 0 0 0 0 0"));
    EXPECT_EQ(g.DrawBitmapPartSync(TRectF{5, 5, 5, 10}, TRectF{0, 0, 10, 10}, &picture), nullptr);
    EXPECT_EQ(g.DrawBitmapPartSync(TRectF{0, 0, 4, 3}, TRectF{0, 0, 10, 10}, &picture)->Width(), 4);
}

TEST(RurScaledBitmaps, PicksTheExactScaleOrTheLargest)
{
    TRurScaledBitmaps bitmaps(nullptr);
    EXPECT_EQ(bitmaps.GetItemByScale(1), nullptr);
    bitmaps.Add(1);
    TRurScaledBitmap* two = bitmaps.Add(2);
    EXPECT_EQ(bitmaps.GetItemByScale(1.5f), two);
    TRurScaledBitmap* exact = bitmaps.Add(1.5f);
    EXPECT_EQ(bitmaps.GetItemByScale(1.5f), exact);

    TRurScaledBitmaps empty(nullptr);
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    TRurBitmap picture;
    picture.Assign(&bitmap);
    empty.SetBitmap(2, &picture);
    ASSERT_EQ(empty.Count(), 1);
    EXPECT_EQ(empty.Items(0)->Scale(), 2);
    EXPECT_EQ(empty.Bitmap(2)->Width(), 2);

    EXPECT_EQ(FitRectF({0, 0, 200, 100}, {0, 0, 100, 100}), (TRectF{0, 25, 100, 75}));
    EXPECT_EQ(SnapRectF({0.6f, 1.2f, 10.4f, 3.9f}, false, 1), (TRectF{0, 1, 10, 4}));
    EXPECT_TRUE(IsRectFEmpty({5, 5, 5, 9}));
    EXPECT_EQ(IntersectRectF({0, 0, 5, 5}, {6, 6, 9, 9}), TRectF{});
    EXPECT_EQ(CopyRect({1, 2, 3, 4}), (TRect{1, 2, 3, 4}));
}

TEST(RurTypes, NumberCharacters)
{
    const struct {
        Char c;
        bool number;
    } cases[] = {{u'0', true},      {u'9', true},       {u'a', false},      {u'/', false},
                 {u'\u00B2', true}, {u'\u00BD', true},  {u'\u00C0', false}, {u'\u06F5', true},  // ² ½ À ۵
                 {u'\u0665', true}, {u'\u2163', true},  {u'\u2460', true},  {u'\u3007', true},  // ٥ Ⅳ ① 〇
                 {u'\uFF19', true}, {u'\uFF21', false}, {u'\u0600', false}, {u'\uFFFF', false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsCharNumber(c.c), c.number) << int(c.c);
}

} // namespace
