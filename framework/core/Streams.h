#pragma once
// Byte streams: the abstract stream, memory, bytes, string and file streams, the resource stream's
// interface, and the text encodings that string lists and INI files load and save with.
#include <cstdio>
#include <type_traits>
#include <vector>

#include "SysUtils.h"
#include "System.h"

using TBytes = std::vector<Byte>;

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// Open modes of TFileStream: one access mode, optionally or-ed with one share mode.
constexpr Word fmCreate = 0xFF00;
constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;

class TStream : public TObject {
public:
    TStream() = default;
    // Streams own buffers and handles that a copy would share.
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Read and Write move up to count bytes and return how many moved (0 at the end, never negative).
    virtual Int64 Read(void* buffer, Int64 count) = 0;
    virtual Int64 Write(const void* buffer, Int64 count) = 0;
    // Returns the new position. Seeking before the start raises EStreamError; past the end is allowed.
    virtual Int64 Seek(Int64 offset, TSeekOrigin origin) = 0;

    Int64 Position() { return Seek(0, soCurrent); }
    void SetPosition(Int64 position) { Seek(position, soBeginning); }
    virtual Int64 Size();
    // Shrinking moves a position past the new end back to it. Streams that cannot be resized raise
    // EStreamError.
    virtual void SetSize(Int64 newSize);

    // The byte-array forms raise EArgumentOutOfRangeException when offset and count leave the array.
    Int64 Read(TBytes& buffer, Int64 offset, Int64 count);
    Int64 Write(const TBytes& buffer, Int64 offset, Int64 count);

    // The whole count or an exception: EReadError "Stream read error", EWriteError "Stream write error".
    void ReadBuffer(void* buffer, Int64 count);
    void WriteBuffer(const void* buffer, Int64 count);

    // Copies count bytes from source's position, or all of source from its start when count is 0
    // or less.
    // Returns the number copied; raises EReadError when source ends early.
    Int64 CopyFrom(TStream& source, Int64 count);

    // Plain values in their in-memory (little-endian) form. ReadData returns the bytes read;
    // the Buffer forms raise like ReadBuffer/WriteBuffer.
    template <class T>
        requires std::is_trivially_copyable_v<T>
    Int64 ReadData(T& value) { return Read(&value, sizeof(T)); }
    template <class T>
        requires std::is_trivially_copyable_v<T>
    Int64 WriteData(const T& value) { return Write(&value, sizeof(T)); }
    template <class T>
        requires std::is_trivially_copyable_v<T>
    void ReadBufferData(T& value) { ReadBuffer(&value, sizeof(T)); }
    template <class T>
        requires std::is_trivially_copyable_v<T>
    void WriteBufferData(const T& value) { WriteBuffer(&value, sizeof(T)); }
};

// A stream over a block of memory that a derived class provides; reading and seeking only.
class TCustomMemoryStream : public TStream {
public:
    using TStream::Read;
    Int64 Read(void* buffer, Int64 count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    Int64 Size() override { return FSize; }

    void* Memory() const { return FMemory; }
    void SaveToStream(TStream& stream);
    void SaveToFile(const String& fileName);

protected:
    void SetPointer(void* memory, Int64 size);
    Int64 FPosition = 0;

private:
    void* FMemory = nullptr;
    Int64 FSize = 0;
};

// A growable stream in memory. Size() is always the length of the data written or set.
class TMemoryStream : public TCustomMemoryStream {
public:
    using TStream::Write;
    Int64 Write(const void* buffer, Int64 count) override;
    void SetSize(Int64 newSize) override;

    void Clear();
    // Both replace the content with the whole of the source and leave the position at 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const String& fileName);

protected:
    TBytes FBuffer;
};

// A memory stream whose content is a byte array, exactly Size() bytes long.
class TBytesStream : public TMemoryStream {
public:
    TBytesStream() = default;
    explicit TBytesStream(TBytes bytes);
    const TBytes& Bytes() const { return FBuffer; }
};

// Text conversion between UTF-16 strings and bytes, with byte-order marks (preambles).
class TEncoding : public TObject {
public:
    virtual TBytes GetBytes(const String& s) const = 0;
    virtual String GetString(const Byte* bytes, size_t count) const = 0;
    String GetString(const TBytes& bytes) const { return GetString(bytes.data(), bytes.size()); }
    String GetString(const TBytes& bytes, size_t index, size_t count) const;
    virtual TBytes GetPreamble() const { return {}; }

    // The ANSI code page is taken as ISO 8859-1: one byte per character, bytes 0-255 round-trip and
    // characters above U+00FF become '?'.
    static const TEncoding& ANSI();
    static const TEncoding& Default() { return ANSI(); }
    static const TEncoding& ASCII();
    static const TEncoding& UTF8();
    static const TEncoding& Unicode(); // UTF-16 little-endian
    static const TEncoding& BigEndianUnicode();

    // With no encoding given, detects one from the buffer's preamble (UTF-8, UTF-16 LE or BE),
    // falling back to defaultEncoding; with one given, checks whether the buffer starts with its
    // preamble. Returns the preamble's length found in the buffer (0 when none).
    static size_t GetBufferEncoding(const TBytes& buffer, const TEncoding*& encoding,
                                    const TEncoding& defaultEncoding = Default());
};

// A stream of a string's bytes in one encoding: the default (ANSI, one byte per character) unless
// another is given. The encoding is not owned.
class TStringStream : public TBytesStream {
public:
    explicit TStringStream(const String& s = String(), const TEncoding& encoding = TEncoding::Default());
    // Bytes read as text of the default encoding.
    explicit TStringStream(TBytes bytes);

    String DataString() const { return FEncoding->GetString(FBuffer); }
    const TEncoding& Encoding() const { return *FEncoding; }

private:
    const TEncoding* FEncoding;
};

// A file opened through the C runtime (wide names on Windows). Raises EFCreateError or EFOpenError
// with the file name and the system's reason when the file cannot be created or opened.
class TFileStream : public TStream {
public:
    TFileStream(const String& fileName, Word mode);
    TFileStream(const String& fileName, Word mode, Cardinal rights);
    ~TFileStream() override;

    using TStream::Read;
    using TStream::Write;
    Int64 Read(void* buffer, Int64 count) override;
    Int64 Write(const void* buffer, Int64 count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    void SetSize(Int64 newSize) override;

    const String& FileName() const { return FFileName; }

private:
    enum class TLastOp { None, Read, Write };
    void Switch(TLastOp op);

    String FFileName;
    std::FILE* FFile = nullptr;
    TLastOp FLastOp = TLastOp::None;
};

// A read-only stream over a resource linked into a module. Looking resources up is the platform's
// business: the constructors are defined in framework/ui. resType is a name or an integer identifier
// in the low word of the pointer, as the platform's resource functions take it.
class TResourceStream : public TCustomMemoryStream {
public:
    TResourceStream(NativeUInt instance, const String& resName, const Char* resType);
    TResourceStream(NativeUInt instance, int resId, const Char* resType);

    using TStream::Write;
    // Raises EStreamError: resources cannot be written.
    Int64 Write(const void* buffer, Int64 count) override;
};
