#include <algorithm>
#include <cerrno>
#include <cstring>

#include "Streams.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

// The platform seam: opening by a UTF-16 name, 64-bit positions and truncation.
namespace {

#ifdef _WIN32
int ShareFlag(Word mode)
{
    switch (mode & 0xF0) {
    case fmShareDenyWrite: return _SH_DENYWR;
    case fmShareDenyRead: return _SH_DENYRD;
    case fmShareDenyNone: return _SH_DENYNO;
    default: return _SH_DENYRW; // compatibility and exclusive modes share nothing
    }
}

std::FILE* OpenFile(const String& name, const char* access, Word mode)
{
    const std::wstring wideName(name.begin(), name.end());
    const std::wstring wideAccess(access, access + std::strlen(access));
    return _wfsopen(wideName.c_str(), wideAccess.c_str(), ShareFlag(mode));
}

bool SeekFile(std::FILE* file, Int64 offset, int whence) { return _fseeki64(file, offset, whence) == 0; }
Int64 TellFile(std::FILE* file) { return _ftelli64(file); }
bool TruncateFile(std::FILE* file, Int64 size) { return _chsize_s(_fileno(file), size) == 0; }
#else
// Share modes have no counterpart here: POSIX has no mandatory file locks.
std::FILE* OpenFile(const String& name, const char* access, Word)
{
    return std::fopen(ToUtf8(name).c_str(), access);
}

bool SeekFile(std::FILE* file, Int64 offset, int whence) { return fseeko(file, offset, whence) == 0; }
Int64 TellFile(std::FILE* file) { return ftello(file); }
bool TruncateFile(std::FILE* file, Int64 size) { return ftruncate(fileno(file), size) == 0; }
#endif

String SystemReason()
{
    return FromUtf8(std::strerror(errno));
}

} // namespace

TFileStream::TFileStream(const String& fileName, Word mode) : TFileStream(fileName, mode, 0) {}

TFileStream::TFileStream(const String& fileName, Word mode, Cardinal) : FFileName(fileName)
{
    const bool create = (mode & fmCreate) == fmCreate;
    const Word access = mode & 0x03;
    FFile = OpenFile(fileName, create ? "wb+" : access == fmOpenRead ? "rb" : "rb+", mode);
    if (!FFile) {
        const String reason = SystemReason();
        if (create)
            throw EFCreateError(u"Cannot create file \"" + fileName + u"\". " + reason);
        throw EFOpenError(u"Cannot open file \"" + fileName + u"\". " + reason);
    }
}

TFileStream::~TFileStream()
{
    std::fclose(FFile);
}

// The C runtime needs a positioning call between a read and a write on the same file.
void TFileStream::Switch(TLastOp op)
{
    if (FLastOp != TLastOp::None && FLastOp != op)
        SeekFile(FFile, 0, SEEK_CUR);
    FLastOp = op;
}

Int64 TFileStream::Read(void* buffer, Int64 count)
{
    if (count <= 0)
        return 0;
    Switch(TLastOp::Read);
    return static_cast<Int64>(std::fread(buffer, 1, static_cast<size_t>(std::min<Int64>(count, 0x7FFFFFFF)), FFile));
}

Int64 TFileStream::Write(const void* buffer, Int64 count)
{
    if (count <= 0)
        return 0;
    Switch(TLastOp::Write);
    return static_cast<Int64>(std::fwrite(buffer, 1, static_cast<size_t>(std::min<Int64>(count, 0x7FFFFFFF)), FFile));
}

Int64 TFileStream::Seek(Int64 offset, TSeekOrigin origin)
{
    if (origin == soCurrent && offset == 0)
        return TellFile(FFile);
    const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    if (!SeekFile(FFile, offset, whence))
        throw EStreamError(u"Invalid stream position");
    FLastOp = TLastOp::None;
    return TellFile(FFile);
}

void TFileStream::SetSize(Int64 newSize)
{
    if (newSize < 0)
        throw EStreamError(u"Invalid stream size");
    const Int64 position = Position();
    std::fflush(FFile);
    if (!TruncateFile(FFile, newSize))
        throw EStreamError(u"Cannot resize file \"" + FFileName + u"\". " + SystemReason());
    Seek(std::min(position, newSize), soBeginning);
}
