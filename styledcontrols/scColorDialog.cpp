// The kit's colour dialog captions.
#include "scColorDialog.h"

#include "WideText.h"
#include "scDlgStrs.h"

String scColorDialogCaption;
String scColorDialogAddCaption;

namespace {

constexpr UINT ColorDialogTitleId = 64744;

} // namespace

void LoadColorDialogCaptions(const String& library)
{
    scColorDialogCaption = u"Color";
    scColorDialogAddCaption = u"Add";
    const HMODULE module = LoadLibraryW(WidePtr(library));
    if (!module)
        return;
    scColorDialogCaption = LoadDialogCaption(module, ColorDialogTitleId, scColorDialogCaption);
    FreeLibrary(module);
}

void scColorDialogInitialize() { LoadColorDialogCaptions(u"compstui.dll"); }

void scColorDialogFinalize()
{
    scColorDialogCaption.clear();
    scColorDialogAddCaption.clear();
}
