#include <gtest/gtest.h>

#include <cstring>

#include "StreamAdapter.h"

namespace {

// A memory stream that says when it is freed.
class TWatchedStream : public TMemoryStream {
public:
    explicit TWatchedStream(bool& freed) : FFreed(freed) {}
    ~TWatchedStream() override { FFreed = true; }

private:
    bool& FFreed;
};

LARGE_INTEGER Offset(LONGLONG value)
{
    LARGE_INTEGER offset;
    offset.QuadPart = value;
    return offset;
}

ULARGE_INTEGER Count(ULONGLONG value)
{
    ULARGE_INTEGER count;
    count.QuadPart = value;
    return count;
}

} // namespace

TEST(StreamAdapter, ReadsWritesSeeksAndCopiesThroughTheInterface)
{
    TMemoryStream memory;
    IStream* stream = nullptr;
    ASSERT_EQ((new TStreamAdapter(&memory))->QueryInterface(IID_IStream, reinterpret_cast<void**>(&stream)), S_OK);

    ULONG done = 0;
    EXPECT_EQ(stream->Write("abcdef", 6, &done), S_OK);
    EXPECT_EQ(done, 6u);
    ULARGE_INTEGER position{};
    EXPECT_EQ(stream->Seek(Offset(-4), STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 2u);
    char buffer[8] = {};
    EXPECT_EQ(stream->Read(buffer, 8, &done), S_FALSE); // fewer bytes than asked for
    EXPECT_EQ(done, 4u);
    EXPECT_STREQ(buffer, "cdef");

    // Failures come back as results, never as exceptions.
    EXPECT_TRUE(FAILED(stream->Seek(Offset(-1), STREAM_SEEK_SET, nullptr)));
    EXPECT_EQ(stream->Seek(Offset(0), 7, nullptr), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Clone(nullptr), E_NOTIMPL);

    STATSTG stat;
    EXPECT_EQ(stream->Stat(&stat, STATFLAG_DEFAULT), S_OK);
    EXPECT_EQ(stat.type, static_cast<DWORD>(STGTY_STREAM));
    EXPECT_EQ(stat.cbSize.QuadPart, 6u);
    EXPECT_EQ(stat.pwcsName, nullptr);

    EXPECT_EQ(stream->SetSize(Count(3)), S_OK);
    EXPECT_EQ(memory.Size(), 3);

    TMemoryStream copy;
    IStream* target = new TStreamAdapter(&copy);
    target->AddRef();
    stream->Seek(Offset(1), STREAM_SEEK_SET, nullptr);
    ULARGE_INTEGER read{}, written{};
    EXPECT_EQ(stream->CopyTo(target, Count(100), &read, &written), S_OK);
    EXPECT_EQ(read.QuadPart, 2u);
    EXPECT_EQ(written.QuadPart, 2u);
    ASSERT_EQ(copy.Size(), 2);
    EXPECT_EQ(std::memcmp(copy.Memory(), "bc", 2), 0);
    target->Release();
    stream->Release();
}

TEST(StreamAdapter, AnOwnedStreamGoesWithTheLastRelease)
{
    bool freed = false;
    IStream* stream = new TStreamAdapter(new TWatchedStream(freed), soOwned);
    stream->AddRef();
    stream->AddRef();
    stream->Release();
    EXPECT_FALSE(freed);
    stream->Release();
    EXPECT_TRUE(freed);
}
