#include "AppUnits.h"

#include "AOBXPVS.h"

#include "ComCtrls.h"
#include "ComObj.h"
#include "Controls.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "FwGdiPlus.h"
#include "GDIPFillFormat.h"
#include "Graphics.h"
#include "Main_Form.h"
#include "Resources.h"
#include "RurDWM.h"
#include "RurFoundationUnits.h"
#include "RurGraphicsHTMLEngine.h"
#include "RurKitMessages.h"
#include "RurMenus_Startup.h"
#include "RurTBXPVS.h"
#include "RurToolBar_Messages.h"
#include "RurXPVS.h"
#include "StdCtrls.h"
#include "TaskDialog.h"
#include "Timers.h"
#include "ckDllLoader.h"
#include "scColorDialog.h"
#include "scControls.h"
#include "scControlsUnit.h"
#include "scExtControlsUnit.h"
#include "scModernControlsUnit.h"
#include "scDlgStrs.h"
#include "scDrawUtils.h"
#include "scGPControls.h"
#include "scStyledForm.h"

namespace {

const TUnitStep Units[] = {
    {"Graphics", &InitializeGraphicsUnit, &FinalizeGraphicsUnit},
    ControlsUnit,
    FormsUnit,
    StdCtrlsUnit,
    ExtCtrlsUnit,
    ComCtrlsUnit,
    ComObjUnit,
    ResourcesUnit,
    TimersUnit,
    DialogsUnit,
    // The UI kit's foundation: clipboard formats, "$type", both GDI+ starts, the colour table, the
    // SVG picture format.
    RurUtilsUnit,
    RurPersistenceUnit,
    RurPersistenceKeyUnit,
    RurGDIPlusApi::RurGDIPlusApiUnit,
    RurGDIPlusClasses::RurGDIPlusClassesUnit,
    RurGraphicsTypesUnit,
    RurGDIPUnit,
    RurTypesUnit,
    // The drawing object's markup goes to the caption engine's vector renderer.
    RurGraphicsHTMLEngineUnit,
    // Nothing is loaded at start; the shut-down frees the library.
    {"ckDllLoader", nullptr, &FinalizeCkDllLoader},
    // The styled-controls kit: the version probe and the functions bound by name, the hooked form
    // classes, the system's dialog captions, the framework's GDI+ classes, the kit's controls.
    scDrawUtilsUnit,
    scStyledFormUnit,
    scDlgStrsUnit,
    scColorDialogUnit,
    fwgdip::GdiPlusUnit,
    scControlsUnit,
    scExtControlsUnit,
    scModernControlsUnit,
    scGPControlsUnit,
    // The UI kit's styling: the theme libraries bound by name (DWM on first use), the clipboard
    // format "GDI+ Fill", the common buttons' captions of the task dialog, the kit's registered
    // messages.
    RurXPVS::RurXPVSUnit,
    AOBXPVS::AOBXPVSUnit,
    RurTBXPVS::RurTBXPVSUnit,
    RurDWM::RurDWMUnit,
    GDIPFillUnit,
    TaskDialogUnit,
    ClearHintControlUnit,
    SBDrawImageUnit,
    // The UI kit's menus: the items' extra width; the desktop's menu animation off while the tool
    // runs and put back as it was when it ends.
    RurMenusUnit,
    // The docking toolbar: its registered window messages.
    RurToolBarUnit,
    {"Main_Form", &InitializeMainFormUnit, nullptr},
};

} // namespace

std::span<const TUnitStep> AppUnits() { return Units; }
