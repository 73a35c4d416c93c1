#include "FileSetReplacement.h"

#include <windows.h>

#include <string>

#include "SysUtils.h"
#include "WideText.h"

namespace {

bool Exists(const String& file)
{
    return GetFileAttributesW(WidePtr(file)) != INVALID_FILE_ATTRIBUTES;
}

// "<target>.<n><suffix>", created empty with the first n that names no file yet; empty when the
// folder refuses a new file.
String ReserveName(const String& target, const char16_t* suffix)
{
    for (int n = 1;; ++n) {
        const String name = target + u"." + FromUtf8(std::to_string(n)) + suffix;
        HANDLE file = CreateFileW(WidePtr(name), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return name;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return String();
    }
}

bool Move(const String& from, const String& to, DWORD flags)
{
    return MoveFileExW(WidePtr(from), WidePtr(to), flags | MOVEFILE_WRITE_THROUGH) != FALSE;
}

} // namespace

TFileSetReplacement::TFileSetReplacement(std::vector<String> targets)
    : FTargets(std::move(targets)), FSetAside(FTargets.size())
{
}

std::optional<String> TFileSetReplacement::Prepare()
{
    for (const String& target : FTargets) {
        String temporary = ReserveName(target, u".tmp");
        if (temporary.empty())
            return target;
        FTemporaries.push_back(std::move(temporary));
    }
    return std::nullopt;
}

TFileSetReplacement::~TFileSetReplacement()
{
    for (const String& temporary : FTemporaries)
        DeleteFileW(WidePtr(temporary));
}

std::optional<String> TFileSetReplacement::Commit()
{
    for (std::size_t i = 0; i < FTargets.size(); ++i) {
        if (!Exists(FTargets[i]))
            continue;
        const String aside = ReserveName(FTargets[i], u".old");
        if (aside.empty() || !Move(FTargets[i], aside, MOVEFILE_REPLACE_EXISTING)) {
            if (!aside.empty())
                DeleteFileW(WidePtr(aside));
            RollBack(0);
            return FTargets[i];
        }
        FSetAside[i] = aside;
    }
    for (std::size_t i = 0; i < FTargets.size(); ++i) {
        if (!Move(FTemporaries[i], FTargets[i], 0)) {
            RollBack(i);
            return FTargets[i];
        }
    }
    FTemporaries.clear();
    for (String& aside : FSetAside) {
        if (!aside.empty())
            DeleteFileW(WidePtr(aside));
        aside.clear();
    }
    return std::nullopt;
}

// The first `placed` new files are in place: they go back to their temporary names (removed by the
// destructor), and every earlier file set aside returns to its own name.
void TFileSetReplacement::RollBack(std::size_t placed)
{
    for (std::size_t i = 0; i < placed; ++i)
        Move(FTargets[i], FTemporaries[i], MOVEFILE_REPLACE_EXISTING);
    for (std::size_t i = 0; i < FTargets.size(); ++i) {
        if (!FSetAside[i].empty() && Move(FSetAside[i], FTargets[i], MOVEFILE_REPLACE_EXISTING))
            FSetAside[i].clear();
    }
}
