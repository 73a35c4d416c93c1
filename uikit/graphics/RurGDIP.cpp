#include "RurGDIP.h"

#include <new>

#include "RurGDIPFlat.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace RurGDIP {

namespace {

struct TGdiplusSession {
    int InitCount = 0;
    ULONG_PTR Token = 0;
    ULONG_PTR HookToken = 0; // the notification hook's own, kept apart from the start-up token
    GdiplusStartupInput Input{};
    GdiplusStartupOutput Output{};
};

TGdiplusSession Session;
bool ScenicRibbon = false;
bool IsWin8 = false;
bool GlassEnabled = false;

void StartGdiplus()
{
    GdiplusStartup(&Session.Token, &Session.Input, &Session.Output);
}

// This code runs inside a DLL rather than an executable: GDI+ may not be started or shut down
// from a library's load and unload.
bool InsideLibrary()
{
    auto base = reinterpret_cast<const BYTE*>(&__ImageBase);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + __ImageBase.e_lfanew);
    return (nt->FileHeader.Characteristics & IMAGE_FILE_DLL) != 0;
}

DWORD MajorVersion()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return info.dwMajorVersion;
}

} // namespace

void RurGDIPInitialize()
{
    if (Session.InitCount++ > 0)
        return;
    Session.Input = {1, nullptr, TRUE, FALSE};
    Session.Output = {};
    StartGdiplus();
    if (!IsVistaOrLater() && Session.Output.NotificationHook)
        Session.Output.NotificationHook(&Session.HookToken);
}

void RurGDIPFinalize()
{
    if (Session.InitCount == 0 || --Session.InitCount > 0)
        return;
    // The shared generic families hold GDI+ objects: they go before GDI+ does.
    TGPFontFamily::FreeGenericFamilies();
    if (InsideLibrary())
        return;
    if (!IsVistaOrLater() && Session.Output.NotificationUnhook)
        Session.Output.NotificationUnhook(Session.HookToken);
    GdiplusShutdown(Session.Token);
    Session.Token = 0;
}

void* TGdiplusBase::operator new(std::size_t size)
{
    void* memory = GdipAlloc(size);
    if (!memory) {
        StartGdiplus();
        memory = GdipAlloc(size);
    }
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void TGdiplusBase::operator delete(void* memory) { GdipFree(memory); }

TStatus TGdiplusBase::TakeLastStatus()
{
    TStatus status = lastResult;
    lastResult = Ok;
    return status;
}

ARGB MakeColor(Byte alpha, TColor color)
{
    auto rgb = static_cast<uint32_t>(ColorToRGB(color));
    return MakeARGB(alpha, Byte(rgb), Byte(rgb >> 8), Byte(rgb >> 16));
}

ARGB MakeOpaqueColor(Byte r, Byte g, Byte b) { return MakeARGB(255, r, g, b); }

ARGB ColorToARGB(TColor color) { return MakeColor(255, color); }

Byte ExtractRed(ARGB color) { return Byte(color >> 16); }

Byte ExtractGreen(ARGB color) { return Byte(color >> 8); }

Byte ExtractBlue(ARGB color) { return Byte(color); }

void SetScenicRibbon(bool value) { ScenicRibbon = value; }

bool GetScenicRibbon() { return ScenicRibbon; }

void SetIsWin8(bool value) { IsWin8 = value; }

bool GetIsWin8() { return IsWin8; }

void SetGlassEnabled(bool value) { GlassEnabled = value; }

bool GetGlassEnabled() { return GlassEnabled; }

bool IsVistaOrLater() { return MajorVersion() > 5; }

} // namespace RurGDIP
