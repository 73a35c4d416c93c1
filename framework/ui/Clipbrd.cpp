#include "Clipbrd.h"

#include <algorithm>
#include <cstring>

#include "ComObj.h"
#include "WideText.h"

namespace {

TClipboard* TheClipboard = nullptr;

// Another program may hold the clipboard for a moment (a viewer reading what we put there).
constexpr int OpenAttempts = 10;
constexpr DWORD OpenRetryDelay = 10;

// Frees data the system did not take.
void FreeClipboardData(Word format, HANDLE data)
{
    if (format == CF_BITMAP || format == CF_PALETTE)
        DeleteObject(data);
    else if (format == CF_ENHMETAFILE)
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
    else
        GlobalFree(data);
}

[[noreturn]] void RaiseLastError(const String& what)
{
    throw EClipboardException(what + u": " + SysErrorMessage(GetLastError()));
}

} // namespace

TClipboard::TClipboard()
{
    // The clipboard's content needs an owner window, or the system refuses the data.
    FWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TClipboard::~TClipboard()
{
    if (FOpenCount > 0)
        CloseClipboard();
    if (FWindow)
        DestroyWindow(FWindow);
}

void TClipboard::Open()
{
    if (FOpenCount == 0) {
        bool opened = false;
        for (int attempt = 0; attempt < OpenAttempts && !opened; ++attempt) {
            opened = OpenClipboard(FWindow);
            if (!opened)
                Sleep(OpenRetryDelay);
        }
        if (!opened)
            RaiseLastError(u"Cannot open clipboard");
        FEmptied = false;
    }
    ++FOpenCount;
}

void TClipboard::Close()
{
    if (FOpenCount == 0)
        return;
    if (--FOpenCount == 0)
        CloseClipboard();
}

template <class F>
auto TClipboard::WithOpen(F work)
{
    Open();
    try {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            Close();
        } else {
            auto result = work();
            Close();
            return result;
        }
    } catch (...) {
        Close();
        throw;
    }
}

void TClipboard::Adding()
{
    if (!FEmptied) {
        if (!EmptyClipboard())
            RaiseLastError(u"Cannot empty clipboard");
        FEmptied = true;
    }
}

void TClipboard::Clear()
{
    WithOpen([&] {
        if (!EmptyClipboard())
            RaiseLastError(u"Cannot empty clipboard");
        FEmptied = true;
    });
}

bool TClipboard::HasFormat(Word format) const
{
    return IsClipboardFormatAvailable(format);
}

int TClipboard::FormatCount() const
{
    return CountClipboardFormats();
}

Word TClipboard::Formats(int index) const
{
    auto* self = const_cast<TClipboard*>(this);
    return self->WithOpen([&] {
        UINT format = 0;
        for (int i = 0; i <= index; ++i)
            if ((format = EnumClipboardFormats(format)) == 0)
                throw EListError(u"List index out of bounds (" + IntToStr(index) + u")");
        return static_cast<Word>(format);
    });
}

String TClipboard::AsText()
{
    return WithOpen([&] {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (!data)
            return String();
        const auto* text = static_cast<const Char*>(GlobalLock(data));
        if (!text)
            return String();
        // The block may lack its terminating zero: read no further than its size.
        const size_t units = GlobalSize(data) / sizeof(Char);
        String result(text, std::find(text, text + units, u'\0'));
        GlobalUnlock(data);
        return result;
    });
}

void TClipboard::SetAsText(const String& value)
{
    SetBuffer(CF_UNICODETEXT, value.c_str(), (value.size() + 1) * sizeof(Char));
}

HANDLE TClipboard::GetAsHandle(Word format)
{
    return WithOpen([&] { return GetClipboardData(format); });
}

void TClipboard::SetAsHandle(Word format, HANDLE value)
{
    WithOpen([&] {
        Adding();
        if (!SetClipboardData(format, value))
            RaiseLastError(u"Cannot put data on the clipboard");
    });
}

void TClipboard::SetBuffer(Word format, const void* buffer, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        RaiseLastError(u"Cannot allocate clipboard data");
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        RaiseLastError(u"Cannot allocate clipboard data");
    }
    std::memcpy(target, buffer, size);
    GlobalUnlock(block);
    try {
        SetAsHandle(format, block);
    } catch (...) {
        FreeClipboardData(format, block);
        throw;
    }
}

void TClipboard::Assign(const TPersistent* source)
{
    const TGraphic* graphic = dynamic_cast<const TGraphic*>(source);
    if (auto* picture = dynamic_cast<const TPicture*>(source))
        graphic = picture->Graphic();
    if (!graphic) {
        TPersistent::Assign(source);
        return;
    }
    Word format = 0;
    HANDLE data = nullptr;
    HPALETTE palette = nullptr;
    const_cast<TGraphic*>(graphic)->SaveToClipboardFormat(format, data, palette);
    WithOpen([&] {
        Adding();
        if (!SetClipboardData(format, data)) {
            FreeClipboardData(format, data);
            if (palette)
                FreeClipboardData(CF_PALETTE, palette);
            RaiseLastError(u"Cannot put the picture on the clipboard");
        }
        if (palette && !SetClipboardData(CF_PALETTE, palette))
            FreeClipboardData(CF_PALETTE, palette);
    });
}

void TClipboard::AssignTo(TPersistent* dest) const
{
    auto* picture = dynamic_cast<TPicture*>(dest);
    auto* graphic = picture ? nullptr : dynamic_cast<TGraphic*>(dest);
    if (!picture && !graphic) {
        TPersistent::AssignTo(dest);
        return;
    }
    auto* self = const_cast<TClipboard*>(this);
    self->WithOpen([&] {
        const Word format = IsClipboardFormatAvailable(CF_BITMAP) ? CF_BITMAP : CF_DIB;
        HANDLE data = GetClipboardData(format);
        if (!data)
            throw EClipboardException(u"The clipboard holds no picture");
        auto palette = static_cast<HPALETTE>(GetClipboardData(CF_PALETTE));
        if (picture)
            picture->Bitmap()->LoadFromClipboardFormat(format, data, palette);
        else
            graphic->LoadFromClipboardFormat(format, data, palette);
    });
}

Word TClipboard::RegisterFormat(const String& name)
{
    const UINT format = RegisterClipboardFormatW(WidePtr(name));
    if (format == 0)
        RaiseLastError(u"Cannot register clipboard format \"" + name + u"\"");
    return static_cast<Word>(format); // registered formats lie in 0xC000..0xFFFF
}

TClipboard* Clipboard()
{
    if (!TheClipboard)
        TheClipboard = new TClipboard;
    return TheClipboard;
}

void FinalizeClipbrdUnit()
{
    delete TheClipboard;
    TheClipboard = nullptr;
}
