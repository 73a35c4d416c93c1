// Start-up and shut-down of the run-time bound wrapper set.
#include "RurGDIPlusClasses.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace RurGDIPlusClasses {
namespace {

int ClassesReferences = 0;

// GDI+ is started and shut down by the program only; inside a library the host owns it.
bool RunsInProgram()
{
    return reinterpret_cast<HMODULE>(&__ImageBase) == GetModuleHandleW(nullptr);
}

} // namespace

void RurGDIPlusClasses_Initialize()
{
    if (ClassesReferences++ == 0 && RunsInProgram())
        StartupGdiplus();
}

void RurGDIPlusClasses_Finalize()
{
    if (ClassesReferences == 0 || --ClassesReferences > 0)
        return;
    FreeGenericObjects();
    if (RunsInProgram())
        ShutdownGdiplus();
}

} // namespace RurGDIPlusClasses
