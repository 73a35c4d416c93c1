#include "GraphicUnits.h"

void StartGraphicUnits()
{
    static const TUnitStep steps[] = {
        {"Graphics", &InitializeGraphicsUnit, &FinalizeGraphicsUnit},
    };
    static TUnitStartup startup(steps);
    startup.Initialize();
}
