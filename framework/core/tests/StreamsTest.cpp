#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "Streams.h"

namespace {

TBytes BytesOf(const char* text)
{
    return TBytes(text, text + std::strlen(text));
}

TBytes Content(TStream& stream)
{
    TBytes out(static_cast<size_t>(stream.Size()));
    stream.SetPosition(0);
    stream.ReadBuffer(out.data(), static_cast<Int64>(out.size()));
    return out;
}

// A scratch file in the temporary folder, removed afterwards.
struct ScratchFile {
    explicit ScratchFile(const String& name) : path(std::filesystem::temp_directory_path() / std::filesystem::path(name))
    {
        std::filesystem::remove(path);
    }
    ~ScratchFile() { std::filesystem::remove(path); }
    String Name() const { return path.u16string(); }
    std::filesystem::path path;
};

} // namespace

TEST(Streams, MemoryStreamReadsPartiallyAtTheEndAndReadBufferRaises)
{
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(stream.Position(), 6);
    stream.SetPosition(4);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_STREQ(buffer, "ef");
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    stream.SetPosition(10); // past the end: reads nothing
    EXPECT_EQ(stream.Read(buffer, 1), 0);

    stream.SetPosition(3);
    try {
        stream.ReadBuffer(buffer, 4);
        FAIL() << "ReadBuffer past the end must raise";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), u"Stream read error");
    }
    EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);
    EXPECT_THROW(stream.Seek(-7, soEnd), EStreamError);
}

TEST(Streams, MemoryStreamGrowsWithZerosAndShrinkingPullsPositionBack)
{
    TBytesStream stream;
    stream.SetPosition(3);
    stream.WriteBuffer("xy", 2);
    EXPECT_EQ(stream.Bytes(), (TBytes{0, 0, 0, 'x', 'y'}));

    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(stream.Size(), 2);
    EXPECT_EQ(stream.Bytes().size(), 2u);
    stream.SetSize(4);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_THROW(stream.SetSize(-1), EStreamError);

    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
}

TEST(Streams, CopyFromZeroCopiesEverythingFromTheStart)
{
    TBytesStream source(BytesOf("0123456789"));
    source.SetPosition(7);
    TBytesStream all;
    EXPECT_EQ(all.CopyFrom(source, 0), 10);
    EXPECT_EQ(all.Bytes(), BytesOf("0123456789"));

    source.SetPosition(2);
    TBytesStream part;
    EXPECT_EQ(part.CopyFrom(source, 3), 3);
    EXPECT_EQ(part.Bytes(), BytesOf("234"));
    EXPECT_EQ(source.Position(), 5);

    EXPECT_THROW(part.CopyFrom(source, 6), EReadError);
}

TEST(Streams, TypedDataAndByteArrayForms)
{
    TMemoryStream stream;
    stream.WriteBufferData(Int64{-2});
    stream.WriteBufferData(Word{0x1234});
    EXPECT_EQ(Content(stream), (TBytes{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x34, 0x12}));
    stream.SetPosition(0);
    Int64 big = 0;
    Word small = 0;
    stream.ReadBufferData(big);
    EXPECT_EQ(stream.ReadData(small), 2);
    EXPECT_EQ(big, -2);
    EXPECT_EQ(small, 0x1234);
    EXPECT_THROW(stream.ReadBufferData(small), EReadError);

    TBytes target(4);
    stream.SetPosition(8);
    EXPECT_EQ(stream.Read(target, 1, 3), 2);
    EXPECT_EQ(target, (TBytes{0, 0x34, 0x12, 0}));
    EXPECT_THROW(stream.Read(target, 2, 3), EArgumentOutOfRangeException);
    EXPECT_THROW(stream.Write(target, -1, 1), EArgumentOutOfRangeException);
}

TEST(Streams, FileStreamWithPersianNameRoundTripsAndResizes)
{
    const ScratchFile file(u"\u0641\u0627\u06CC\u0644 \u0622\u0632\u0645\u0627\u06CC\u0634.bin");
    {
        TFileStream stream(file.Name(), fmCreate);
        stream.WriteBuffer("hello world", 11);
        stream.SetPosition(0);
        char first[5];
        stream.ReadBuffer(first, 5); // reading after writing needs the runtime's positioning call
        EXPECT_EQ(std::string(first, 5), "hello");
        stream.WriteBuffer("!", 1);
        EXPECT_EQ(stream.Size(), 11);
        stream.SetSize(6);
        EXPECT_EQ(stream.Position(), 6);
    }
    EXPECT_TRUE(std::filesystem::exists(file.path));

    TMemoryStream memory;
    memory.LoadFromFile(file.Name());
    EXPECT_EQ(memory.Position(), 0);
    EXPECT_EQ(Content(memory), BytesOf("hello!"));

    TFileStream reader(file.Name(), fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(reader.Size(), 6);
    EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
}

#ifdef _WIN32
TEST(Streams, FileStreamShareModesAreHonouredOnWindows)
{
    const ScratchFile file(u"share.bin");
    {
        TFileStream exclusive(file.Name(), fmCreate);
        EXPECT_THROW(TFileStream(file.Name(), fmOpenRead | fmShareDenyNone), EFOpenError);
    }
    TFileStream denyWrite(file.Name(), fmOpenRead | fmShareDenyWrite);
    TFileStream reader(file.Name(), fmOpenRead | fmShareDenyWrite);
    EXPECT_THROW(TFileStream(file.Name(), fmOpenReadWrite | fmShareDenyNone), EFOpenError);
}
#endif

TEST(Streams, FileStreamReportsMissingFilesWithTheirNames)
{
    const ScratchFile missing(u"\u0646\u06CC\u0633\u062A.txt");
    try {
        TFileStream stream(missing.Name(), fmOpenRead);
        FAIL() << "opening a missing file must raise";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find(missing.Name()), String::npos);
    }
    const String badFolder = missing.Name() + u"/no/such/folder/file.txt";
    EXPECT_THROW(TFileStream(badFolder, fmCreate), EFCreateError);
    TMemoryStream memory;
    EXPECT_THROW(memory.LoadFromFile(missing.Name()), EFOpenError);
}

TEST(Streams, EncodingsConvertAndCarryTheirPreambles)
{
    const String text = u"A\u00E9\u0633\U0001F600";
    struct Case {
        const TEncoding& encoding;
        TBytes bytes;
        TBytes preamble;
        String decoded;
    };
    const Case cases[] = {
        {TEncoding::UTF8(), {'A', 0xC3, 0xA9, 0xD8, 0xB3, 0xF0, 0x9F, 0x98, 0x80}, {0xEF, 0xBB, 0xBF}, text},
        {TEncoding::Unicode(), {'A', 0, 0xE9, 0, 0x33, 0x06, 0x3D, 0xD8, 0x00, 0xDE}, {0xFF, 0xFE}, text},
        {TEncoding::BigEndianUnicode(), {0, 'A', 0, 0xE9, 0x06, 0x33, 0xD8, 0x3D, 0xDE, 0x00}, {0xFE, 0xFF}, text},
        {TEncoding::ANSI(), {'A', 0xE9, '?', '?', '?'}, {}, u"A\u00E9???"},
        {TEncoding::ASCII(), {'A', '?', '?', '?', '?'}, {}, u"A????"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.encoding.GetBytes(text), c.bytes);
        EXPECT_EQ(c.encoding.GetString(c.bytes), c.decoded);
        EXPECT_EQ(c.encoding.GetPreamble(), c.preamble);
    }
    EXPECT_EQ(TEncoding::ANSI().GetString(TBytes{0x80, 0xFF}), u"\u0080\u00FF");
    EXPECT_EQ(TEncoding::Unicode().GetString(TBytes{'a', 0, 'b'}), u"a\uFFFD");
    EXPECT_EQ(TEncoding::UTF8().GetString(BytesOf("xabcx"), 1, 3), u"abc");
    EXPECT_THROW(TEncoding::UTF8().GetString(BytesOf("ab"), 1, 2), EArgumentOutOfRangeException);
}

TEST(Streams, BufferEncodingIsDetectedFromThePreamble)
{
    struct Case {
        TBytes buffer;
        const TEncoding* expected;
        size_t preambleLength;
    };
    const Case cases[] = {
        {{0xEF, 0xBB, 0xBF, 'a'}, &TEncoding::UTF8(), 3},
        {{0xFF, 0xFE, 'a', 0}, &TEncoding::Unicode(), 2},
        {{0xFE, 0xFF, 0, 'a'}, &TEncoding::BigEndianUnicode(), 2},
        {{0xEF, 0xBB}, &TEncoding::Default(), 0},
        {{}, &TEncoding::Default(), 0},
    };
    for (const auto& c : cases) {
        const TEncoding* found = nullptr;
        EXPECT_EQ(TEncoding::GetBufferEncoding(c.buffer, found), c.preambleLength);
        EXPECT_EQ(found, c.expected);
    }
    const TEncoding* given = &TEncoding::UTF8();
    EXPECT_EQ(TEncoding::GetBufferEncoding(TBytes{0xFF, 0xFE}, given), 0u);
    EXPECT_EQ(given, &TEncoding::UTF8());
}

TEST(Streams, StringStreamHoldsTextInItsEncoding)
{
    TStringStream ansi(u"{\"a\":1}");
    EXPECT_EQ(ansi.Size(), 7);
    EXPECT_EQ(ansi.DataString(), u"{\"a\":1}");
    ansi.SetPosition(7);
    ansi.WriteBuffer("\xE9", 1);
    EXPECT_EQ(ansi.DataString(), u"{\"a\":1}\u00E9");

    TStringStream utf8(u"\u0633\u0644\u0627\u0645", TEncoding::UTF8());
    EXPECT_EQ(utf8.Size(), 8);
    EXPECT_EQ(utf8.DataString(), u"\u0633\u0644\u0627\u0645");
    EXPECT_EQ(TStringStream(BytesOf("raw")).DataString(), u"raw");
}
