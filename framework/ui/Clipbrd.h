#pragma once
// The system clipboard: text, data handles of any format, pictures, formats registered by name.
#include "Graphics.h"
#include "Startup.h"

TAVIN_EXCEPTION(EClipboardException, Exception);

class TClipboard : public TPersistent {
    TAVIN_CLASS(TClipboard, TPersistent)
public:
    TClipboard();
    ~TClipboard() override;

    // Opens may nest; the clipboard closes with the last Close. Raises EClipboardException when
    // another program keeps it open.
    void Open();
    void Close();
    // Empties the clipboard (opening it for the call when it is not open).
    void Clear();

    bool HasFormat(Word format) const;
    int FormatCount() const;
    Word Formats(int index) const;

    // Unicode text; "" when the clipboard holds none. Setting replaces the clipboard's content,
    // or adds to what was put there since the outermost Open.
    String AsText();
    void SetAsText(const String& value);
    // The data of a format as the system keeps it (valid until the clipboard changes); null when
    // absent. SetAsHandle hands the handle to the system, which then owns it; on failure it stays
    // the caller's.
    HANDLE GetAsHandle(Word format);
    void SetAsHandle(Word format, HANDLE value);
    // Copies a block of bytes into the clipboard as the format.
    void SetBuffer(Word format, const void* buffer, size_t size);

    // A picture or graphic: its clipboard form is put on the clipboard.
    void Assign(const TPersistent* source) override;

    // The identifier of a format registered under the name (the same for every program).
    static Word RegisterFormat(const String& name);

protected:
    // Into a picture or graphic: a bitmap from the clipboard's bitmap or device-independent data.
    void AssignTo(TPersistent* dest) const override;

private:
    // Runs with the clipboard open; the first change within an outermost Open empties it.
    template <class F>
    auto WithOpen(F work);
    void Adding();

    HWND FWindow = nullptr;
    int FOpenCount = 0;
    bool FEmptied = false;
};

// The process's clipboard object, made on first use.
TClipboard* Clipboard();

void FinalizeClipbrdUnit();
inline constexpr TUnitStep ClipbrdUnit{"Clipbrd", nullptr, &FinalizeClipbrdUnit};
