// Program entry: the units in their start-up order, the application, the main form, the loop.
#include <windows.h>

#include "AppUnits.h"
#include "Forms.h"
#include "Main_Form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    TUnitStartup units(AppUnits());
    units.Initialize();
    SetHaltUnits(&units);
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    TMainForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    Application->Run();
    units.Finalize();
    return 0;
}
