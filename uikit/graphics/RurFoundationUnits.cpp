#include "RurFoundationUnits.h"

#include "RurGDIP.h"
#include "RurGraphicsSVGEngine.h"
#include "RurGraphicsTypes.h"
#include "RurPersistence.h"
#include "SysUtils.h"

namespace {

TRurClipboardFormats Formats;

// Entries into the units whose work a second start-up inside the running one must not redo or
// undo: the work is done on the first entry and undone on the last exit.
int PersistenceEntries = 0;
int GraphicsTypesEntries = 0;
int SVGEntries = 0;

bool FirstEntry(int& AEntries) { return AEntries++ == 0; }
bool LastExit(int& AEntries) { return AEntries > 0 && --AEntries == 0; }

Word RegisterFormat(const char16_t* name)
{
    const UINT id = RegisterClipboardFormatW(reinterpret_cast<LPCWSTR>(name));
    if (id > 0xFFFF)
        throw ERangeError(u"Range check error");
    return static_cast<Word>(id);
}

// Whether the program module is built for the console subsystem.
bool IsConsoleProgram()
{
    const auto* base = reinterpret_cast<const Byte*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_CUI;
}

} // namespace

const TRurClipboardFormats& RurClipboardFormats() { return Formats; }

void RegisterRurClipboardFormats()
{
    Formats.RichEditorText = RegisterFormat(u"RichEditorText");
    Formats.StreamFormat = RegisterFormat(u"TRurClipBoard.StreamFormat");
    Formats.RichTextFormat = RegisterFormat(u"Rich Text Format");
    Formats.HTMLFormat = RegisterFormat(u"HTML Format");
    Formats.Bitmap = CF_BITMAP;
}

void InitializeRurUtilsUnit()
{
    if (!IsConsoleProgram())
        RegisterRurClipboardFormats();
}

void EnterRurPersistenceUnit() { ++PersistenceEntries; }

void InitializeRurPersistenceUnit()
{
    // Only the outermost start-up sets the key.
    if (PersistenceEntries != 1)
        return;
    RurPersistenceInitialize();
    RurPersistenceWin32Initialize();
}

void FinalizeRurPersistenceUnit()
{
    if (LastExit(PersistenceEntries))
        RurPersistenceFinalize();
}

void InitializeRurGraphicsTypesUnit()
{
    if (FirstEntry(GraphicsTypesEntries))
        RurGraphicsTypesInitialize();
}

void FinalizeRurGraphicsTypesUnit()
{
    if (LastExit(GraphicsTypesEntries))
        RurGraphicsTypesFinalize();
}

void InitializeRurGDIPUnit() { RurGDIP::RurGDIPInitialize(); }
void FinalizeRurGDIPUnit() { RurGDIP::RurGDIPFinalize(); }

void InitializeRurSVGUnit()
{
    if (!FirstEntry(SVGEntries))
        return;
    TRurSVGBitmap::SetEngineFactory(&CreateRurGraphicsSVGImport);
    InitializeRurTypesUnit();
}

void FinalizeRurSVGUnit()
{
    if (!LastExit(SVGEntries))
        return;
    FinalizeRurTypesUnit();
    TRurSVGBitmap::SetEngineFactory(nullptr);
}
