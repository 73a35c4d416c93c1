#include "Ckd32Library.h"

Ckd32Library::Ckd32Library() : FModule(LoadLibraryW(L"ckd32.dll")) {}

Ckd32Library::~Ckd32Library()
{
    if (FModule)
        FreeLibrary(FModule);
}
