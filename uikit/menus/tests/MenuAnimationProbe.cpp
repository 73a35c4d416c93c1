// A program of its own for the start-up test: runs the menu unit's start-up and shut-down the ways
// a program ends, and reads or sets the desktop's menu-animation setting.
//   read            exit code: the setting (0 off, 1 on), 2 when it cannot be read
//   set 0|1         sets it as the unit does (for the session, not the profile)
//   table|halt|run  starts the unit and ends through the unit table, through Halt, or through the
//                   application's loop ending; exit code 10 + the setting read while it ran
#include <windows.h>

#include <cstring>
#include <string>

#include "Controls.h"
#include "Forms.h"
#include "Graphics.h"
#include "RurMenus_Startup.h"

namespace {

int ReadSetting()
{
    BOOL value = FALSE;
    return SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &value, 0) ? (value ? 1 : 0) : 2;
}

const TUnitStep Units[] = {
    {"Graphics", &InitializeGraphicsUnit, &FinalizeGraphicsUnit}, ControlsUnit, FormsUnit, RurMenusUnit};

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "read")
        return ReadSetting();
    if (mode == "set" && argc > 2) {
        const BOOL on = std::strcmp(argv[2], "1") == 0;
        return SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(on)),
                                     SPIF_SENDCHANGE)
                   ? 0
                   : 3;
    }
    TUnitStartup units(Units);
    units.Initialize();
    SetHaltUnits(&units);
    const int during = ReadSetting();
    if (mode == "halt")
        Halt(10 + during);
    if (mode == "run") {
        Application->Initialize();
        Application->Terminate();
        Application->Run();
    }
    units.Finalize();
    return 10 + during;
}
