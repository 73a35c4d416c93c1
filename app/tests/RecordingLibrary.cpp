#include "RecordingLibrary.h"

#include <windows.h>

#include <stdexcept>

#include "WideText.h"

namespace {

template <class Fn>
Fn Control(const char* name)
{
    static HMODULE library = LoadLibraryW(L"ckd32.dll");
    FARPROC address = library ? GetProcAddress(library, name) : nullptr;
    if (!address)
        throw std::runtime_error(std::string("recording library control missing: ") + name);
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(address));
}

} // namespace

namespace RecordingLibrary {

void Reset()
{
    Control<void(WINAPI*)()>("RecordingReset")();
}

std::vector<String> Log()
{
    String text = FromWidePtr(Control<const wchar_t*(WINAPI*)()>("RecordingLog")());
    std::vector<String> calls;
    for (std::size_t start = 0, end; (end = text.find(u'\n', start)) != String::npos; start = end + 1)
        calls.push_back(text.substr(start, end - start));
    return calls;
}

void Fail(const String& entry)
{
    Control<void(WINAPI*)(const wchar_t*)>("RecordingFail")(WidePtr(entry));
}

} // namespace RecordingLibrary
