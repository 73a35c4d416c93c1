// The kit's dialog button captions, replaced at start-up by the system's own.
#include "scDlgStrs.h"

#include "WideText.h"

String scDlgOkCaption;
String scDlgCancelCaption;
String scDlgAbortCaption;
String scDlgRetryCaption;
String scDlgIgnoreCaption;
String scDlgYesCaption;
String scDlgNoCaption;
String scDlgHelpCaption;
String scDlgCloseCaption;

namespace {

struct TCaption {
    String* Variable;
    const char16_t* English;
    UINT Id;
};

// In the order the captions are replaced.
const TCaption Captions[] = {
    {&scDlgOkCaption, u"Ok", 800},         {&scDlgCancelCaption, u"Cancel", 801}, {&scDlgYesCaption, u"Yes", 805},
    {&scDlgNoCaption, u"No", 806},         {&scDlgRetryCaption, u"Retry", 803},   {&scDlgIgnoreCaption, u"Ignore", 804},
    {&scDlgAbortCaption, u"Abort", 802},   {&scDlgHelpCaption, u"Help", 904},     {&scDlgCloseCaption, u"Close", 905},
};

} // namespace

String LoadDialogCaption(HMODULE module, UINT id, const String& current)
{
    // With a zero length the call answers a pointer into the read-only resource and its length.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return current;
    return String(reinterpret_cast<const char16_t*>(text), size_t(length));
}

void LoadDialogButtonCaptions(const String& library)
{
    for (const TCaption& caption : Captions)
        *caption.Variable = caption.English;
    const HMODULE module = LoadLibraryW(WidePtr(library));
    if (!module)
        return;
    for (const TCaption& caption : Captions)
        *caption.Variable = LoadDialogCaption(module, caption.Id, *caption.Variable);
    FreeLibrary(module);
}

void scDlgStrsInitialize() { LoadDialogButtonCaptions(u"user32.dll"); }

void scDlgStrsFinalize()
{
    for (const TCaption& caption : Captions)
        caption.Variable->clear();
}
