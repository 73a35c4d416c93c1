#include "ComObj.h"

#include "WideText.h"

namespace {

bool& JoinedApartment()
{
    static bool joined = false;
    return joined;
}

} // namespace

String SysErrorMessage(Cardinal code)
{
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0,
                                  nullptr);
    String message = length ? FromWidePtr(text) : String();
    LocalFree(text);
    while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' || message.back() == u'.'))
        message.pop_back();
    if (message.empty())
        message = u"Unknown error " + IntToHex(code, 8);
    return message;
}

void InitializeComForGuiThread()
{
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    JoinedApartment() = SUCCEEDED(result);
}

void FinalizeComForGuiThread()
{
    if (JoinedApartment())
        CoUninitialize();
    JoinedApartment() = false;
}

void OleCheck(HRESULT result)
{
    if (FAILED(result))
        throw EOleSysError(SysErrorMessage(static_cast<Cardinal>(result)));
}
