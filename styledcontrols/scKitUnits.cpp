#include "scKitUnits.h"

#include "FwGdiPlus.h"
#include "scColorDialog.h"
#include "scControls.h"
#include "scControlsUnit.h"
#include "scExtControlsUnit.h"
#include "scModernControlsUnit.h"
#include "scDlgStrs.h"
#include "scDrawUtils.h"
#include "scGPControls.h"
#include "scStyledForm.h"

std::span<const TUnitStep> scKitUnits()
{
    static const TUnitStep steps[] = {scDrawUtilsUnit, scStyledFormUnit,    scDlgStrsUnit,   scColorDialogUnit,
                                      fwgdip::GdiPlusUnit, scControlsUnit, scExtControlsUnit, scModernControlsUnit,
                                      scGPControlsUnit};
    return steps;
}
