// The system's rich edit control, as a memo whose text may carry character formats.
#include "ComCtrls.h"

#include <richedit.h>

TAVIN_PUBLISHED(TRichEdit) {}

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TMemo(owner) {}

void TCustomRichEdit::CreateParams(TCreateParams& params)
{
    // The control's window class comes with its library.
    static const HMODULE library = LoadLibraryW(L"riched20.dll");
    (void)library;
    TMemo::CreateParams(params);
    params.SystemClassName = String(u"" RICHEDIT_CLASSA);
}

void TCustomRichEdit::CreateHandleState()
{
    TMemo::CreateHandleState();
    // The control tells its parent of changes and selections only when asked to.
    SendMessageW(FHandle, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
}
