// Themed-element enumerators to element, part and state, as the system's theme classes number them.
#include <vssym32.h>

#include "Themes.h"

namespace {

// The month calendar's parts are missing from the platform headers at hand.
constexpr int MC_GRIDCELLBACKGROUND = 5;
enum { MCGCB_SELECTED = 1, MCGCB_HOT, MCGCB_SELECTEDHOT, MCGCB_SELECTEDNOTFOCUSED, MCGCB_TODAY };

// Nor are the menu's parts and states.
enum {
    MENU_BARBACKGROUND = 7, MENU_BARITEM, MENU_POPUPBACKGROUND, MENU_POPUPBORDERS, MENU_POPUPCHECK,
    MENU_POPUPCHECKBACKGROUND, MENU_POPUPGUTTER, MENU_POPUPITEM, MENU_POPUPSEPARATOR, MENU_POPUPSUBMENU,
    MENU_SYSTEMCLOSE, MENU_SYSTEMMAXIMIZE, MENU_SYSTEMMINIMIZE, MENU_SYSTEMRESTORE
};
enum { MB_ACTIVE = 1, MB_INACTIVE };
enum { MBI_NORMAL = 1, MBI_HOT, MBI_PUSHED, MBI_DISABLED, MBI_DISABLEDHOT, MBI_DISABLEDPUSHED };
enum { MC_CHECKMARKNORMAL = 1, MC_CHECKMARKDISABLED, MC_BULLETNORMAL, MC_BULLETDISABLED };
enum { MCB_DISABLED = 1, MCB_NORMAL, MCB_BITMAP };
enum { MPI_NORMAL = 1, MPI_HOT, MPI_DISABLED, MPI_DISABLEDHOT };
enum { MSM_NORMAL = 1, MSM_DISABLED };
enum { MSYS_NORMAL = 1, MSYS_DISABLED };

struct TElementPartState {
    TThemedElement Element;
    int Part;
    int State;
};

constexpr TElementPartState ButtonParts[] = {
    {teButton, 0, 0}, // tbButtonDontCare
    {teButton, 0, 0}, // tbButtonRoot
    {teButton, BP_PUSHBUTTON, PBS_NORMAL}, // tbPushButtonNormal
    {teButton, BP_PUSHBUTTON, PBS_HOT}, // tbPushButtonHot
    {teButton, BP_PUSHBUTTON, PBS_PRESSED}, // tbPushButtonPressed
    {teButton, BP_PUSHBUTTON, PBS_DISABLED}, // tbPushButtonDisabled
    {teButton, BP_PUSHBUTTON, PBS_DEFAULTED}, // tbPushButtonDefaulted
    {teButton, BP_PUSHBUTTON, PBS_DEFAULTED_ANIMATING}, // tbPushButtonDefaultedAnimating
    {teButton, BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL}, // tbRadioButtonUncheckedNormal
    {teButton, BP_RADIOBUTTON, RBS_UNCHECKEDHOT}, // tbRadioButtonUncheckedHot
    {teButton, BP_RADIOBUTTON, RBS_UNCHECKEDPRESSED}, // tbRadioButtonUncheckedPressed
    {teButton, BP_RADIOBUTTON, RBS_UNCHECKEDDISABLED}, // tbRadioButtonUncheckedDisabled
    {teButton, BP_RADIOBUTTON, RBS_CHECKEDNORMAL}, // tbRadioButtonCheckedNormal
    {teButton, BP_RADIOBUTTON, RBS_CHECKEDHOT}, // tbRadioButtonCheckedHot
    {teButton, BP_RADIOBUTTON, RBS_CHECKEDPRESSED}, // tbRadioButtonCheckedPressed
    {teButton, BP_RADIOBUTTON, RBS_CHECKEDDISABLED}, // tbRadioButtonCheckedDisabled
    {teButton, BP_CHECKBOX, CBS_UNCHECKEDNORMAL}, // tbCheckBoxUncheckedNormal
    {teButton, BP_CHECKBOX, CBS_UNCHECKEDHOT}, // tbCheckBoxUncheckedHot
    {teButton, BP_CHECKBOX, CBS_UNCHECKEDPRESSED}, // tbCheckBoxUncheckedPressed
    {teButton, BP_CHECKBOX, CBS_UNCHECKEDDISABLED}, // tbCheckBoxUncheckedDisabled
    {teButton, BP_CHECKBOX, CBS_CHECKEDNORMAL}, // tbCheckBoxCheckedNormal
    {teButton, BP_CHECKBOX, CBS_CHECKEDHOT}, // tbCheckBoxCheckedHot
    {teButton, BP_CHECKBOX, CBS_CHECKEDPRESSED}, // tbCheckBoxCheckedPressed
    {teButton, BP_CHECKBOX, CBS_CHECKEDDISABLED}, // tbCheckBoxCheckedDisabled
    {teButton, BP_CHECKBOX, CBS_MIXEDNORMAL}, // tbCheckBoxMixedNormal
    {teButton, BP_CHECKBOX, CBS_MIXEDHOT}, // tbCheckBoxMixedHot
    {teButton, BP_CHECKBOX, CBS_MIXEDPRESSED}, // tbCheckBoxMixedPressed
    {teButton, BP_CHECKBOX, CBS_MIXEDDISABLED}, // tbCheckBoxMixedDisabled
    {teButton, BP_GROUPBOX, GBS_NORMAL}, // tbGroupBoxNormal
    {teButton, BP_GROUPBOX, GBS_DISABLED}, // tbGroupBoxDisabled
    {teButton, BP_USERBUTTON, 0}, // tbUserButton
};

constexpr TElementPartState ComboBoxParts[] = {
    {teComboBox, 0, 0}, // tcComboBoxDontCare
    {teComboBox, 0, 0}, // tcComboBoxRoot
    {teComboBox, CP_DROPDOWNBUTTON, CBXS_NORMAL}, // tcDropDownButtonNormal
    {teComboBox, CP_DROPDOWNBUTTON, CBXS_HOT}, // tcDropDownButtonHot
    {teComboBox, CP_DROPDOWNBUTTON, CBXS_PRESSED}, // tcDropDownButtonPressed
    {teComboBox, CP_DROPDOWNBUTTON, CBXS_DISABLED}, // tcDropDownButtonDisabled
    {teComboBox, CP_BORDER, CBB_NORMAL}, // tcBorderNormal
    {teComboBox, CP_BORDER, CBB_HOT}, // tcBorderHot
    {teComboBox, CP_BORDER, CBB_FOCUSED}, // tcBorderFocused
    {teComboBox, CP_BORDER, CBB_DISABLED}, // tcBorderDisabled
    {teComboBox, CP_READONLY, CBRO_NORMAL}, // tcReadOnlyNormal
    {teComboBox, CP_READONLY, CBRO_HOT}, // tcReadOnlyHot
    {teComboBox, CP_READONLY, CBRO_PRESSED}, // tcReadOnlyPressed
    {teComboBox, CP_READONLY, CBRO_DISABLED}, // tcReadOnlyDisabled
    {teComboBox, CP_DROPDOWNBUTTONRIGHT, CBXSR_NORMAL}, // tcDropDownButtonRightNormal
    {teComboBox, CP_DROPDOWNBUTTONRIGHT, CBXSR_HOT}, // tcDropDownButtonRightHot
    {teComboBox, CP_DROPDOWNBUTTONRIGHT, CBXSR_PRESSED}, // tcDropDownButtonRightPressed
    {teComboBox, CP_DROPDOWNBUTTONRIGHT, CBXSR_DISABLED}, // tcDropDownButtonRightDisabled
    {teComboBox, CP_DROPDOWNBUTTONLEFT, CBXSL_NORMAL}, // tcDropDownButtonLeftNormal
    {teComboBox, CP_DROPDOWNBUTTONLEFT, CBXSL_HOT}, // tcDropDownButtonLeftHot
    {teComboBox, CP_DROPDOWNBUTTONLEFT, CBXSL_PRESSED}, // tcDropDownButtonLeftPressed
    {teComboBox, CP_DROPDOWNBUTTONLEFT, CBXSL_DISABLED}, // tcDropDownButtonLeftDisabled
};

constexpr TElementPartState EditParts[] = {
    {teEdit, 0, 0}, // teEditDontCare
    {teEdit, 0, 0}, // teEditRoot
    {teEdit, EP_EDITTEXT, ETS_NORMAL}, // teEditTextNormal
    {teEdit, EP_EDITTEXT, ETS_HOT}, // teEditTextHot
    {teEdit, EP_EDITTEXT, ETS_SELECTED}, // teEditTextSelected
    {teEdit, EP_EDITTEXT, ETS_DISABLED}, // teEditTextDisabled
    {teEdit, EP_EDITTEXT, ETS_FOCUSED}, // teEditTextFocused
    {teEdit, EP_EDITTEXT, ETS_READONLY}, // teEditTextReadOnly
    {teEdit, EP_EDITTEXT, ETS_ASSIST}, // teEditTextAssist
    {teEdit, EP_CARET, 0}, // teEditCaret
    {teEdit, EP_EDITBORDER_NOSCROLL, EPSN_NORMAL}, // teEditBorderNoScrollNormal
    {teEdit, EP_EDITBORDER_NOSCROLL, EPSN_HOT}, // teEditBorderNoScrollHot
    {teEdit, EP_EDITBORDER_NOSCROLL, EPSN_FOCUSED}, // teEditBorderNoScrollFocused
    {teEdit, EP_EDITBORDER_NOSCROLL, EPSN_DISABLED}, // teEditBorderNoScrollDisabled
};

constexpr TElementPartState GridParts[] = {
    {teListView, LVP_LISTITEM, LISS_NORMAL}, // tgCellNormal
    {teListView, LVP_LISTITEM, LISS_SELECTED}, // tgCellSelected
    {teHeader, HP_HEADERITEM, HIS_NORMAL}, // tgFixedCellNormal
    {teHeader, HP_HEADERITEM, HIS_HOT}, // tgFixedCellHot
    {teHeader, HP_HEADERITEM, HIS_PRESSED}, // tgFixedCellPressed
};

constexpr TElementPartState HeaderParts[] = {
    {teHeader, 0, 0}, // thHeaderDontCare
    {teHeader, 0, 0}, // thHeaderRoot
    {teHeader, HP_HEADERITEM, HIS_NORMAL}, // thHeaderItemNormal
    {teHeader, HP_HEADERITEM, HIS_HOT}, // thHeaderItemHot
    {teHeader, HP_HEADERITEM, HIS_PRESSED}, // thHeaderItemPressed
    {teHeader, HP_HEADERITEMLEFT, HILS_NORMAL}, // thHeaderItemLeftNormal
    {teHeader, HP_HEADERITEMLEFT, HILS_HOT}, // thHeaderItemLeftHot
    {teHeader, HP_HEADERITEMLEFT, HILS_PRESSED}, // thHeaderItemLeftPressed
    {teHeader, HP_HEADERITEMRIGHT, HIRS_NORMAL}, // thHeaderItemRightNormal
    {teHeader, HP_HEADERITEMRIGHT, HIRS_HOT}, // thHeaderItemRightHot
    {teHeader, HP_HEADERITEMRIGHT, HIRS_PRESSED}, // thHeaderItemRightPressed
    {teHeader, HP_HEADERSORTARROW, HSAS_SORTEDUP}, // thHeaderSortArrowSortedUp
    {teHeader, HP_HEADERSORTARROW, HSAS_SORTEDDOWN}, // thHeaderSortArrowSortedDown
};

constexpr TElementPartState HintParts[] = {
    {teToolTip, TTP_STANDARD, TTSS_NORMAL}, // thHintNormal
    {teToolTip, TTP_BALLOON, TTBS_NORMAL}, // thHintBalloon
};

constexpr TElementPartState ListviewParts[] = {
    {teListView, 0, 0}, // tlListviewDontCare
    {teListView, 0, 0}, // tlListviewRoot
    {teListView, LVP_LISTITEM, LISS_NORMAL}, // tlListItemNormal
    {teListView, LVP_LISTITEM, LISS_HOT}, // tlListItemHot
    {teListView, LVP_LISTITEM, LISS_SELECTED}, // tlListItemSelected
    {teListView, LVP_LISTITEM, LISS_DISABLED}, // tlListItemDisabled
    {teListView, LVP_LISTITEM, LISS_SELECTEDNOTFOCUS}, // tlListItemSelectedNotFocus
    {teListView, LVP_LISTGROUP, 0}, // tlListGroup
    {teListView, LVP_LISTDETAIL, 0}, // tlListDetail
    {teListView, LVP_LISTSORTEDDETAIL, 0}, // tlListSortDetail
    {teListView, LVP_EMPTYTEXT, 0}, // tlEmptyText
};

constexpr TElementPartState MenuParts[] = {
    {teMenu, 0, 0}, // tmMenuDontCare
    {teMenu, 0, 0}, // tmMenuRoot
    {teMenu, MENU_BARBACKGROUND, MB_ACTIVE}, // tmMenuBarBackgroundActive
    {teMenu, MENU_BARBACKGROUND, MB_INACTIVE}, // tmMenuBarBackgroundInactive
    {teMenu, MENU_BARITEM, MBI_NORMAL}, // tmMenuBarItemNormal
    {teMenu, MENU_BARITEM, MBI_HOT}, // tmMenuBarItemHot
    {teMenu, MENU_BARITEM, MBI_PUSHED}, // tmMenuBarItemPushed
    {teMenu, MENU_BARITEM, MBI_DISABLED}, // tmMenuBarItemDisabled
    {teMenu, MENU_BARITEM, MBI_DISABLEDHOT}, // tmMenuBarItemDisabledHot
    {teMenu, MENU_BARITEM, MBI_DISABLEDPUSHED}, // tmMenuBarItemDisabledPushed
    {teMenu, MENU_POPUPBACKGROUND, 0}, // tmPopupBackground
    {teMenu, MENU_POPUPBORDERS, 0}, // tmPopupBorders
    {teMenu, MENU_POPUPCHECK, MC_CHECKMARKNORMAL}, // tmPopupCheckMarkNormal
    {teMenu, MENU_POPUPCHECK, MC_CHECKMARKDISABLED}, // tmPopupCheckMarkDisabled
    {teMenu, MENU_POPUPCHECK, MC_BULLETNORMAL}, // tmPopupBulletNormal
    {teMenu, MENU_POPUPCHECK, MC_BULLETDISABLED}, // tmPopupBulletDisabled
    {teMenu, MENU_POPUPCHECKBACKGROUND, MCB_DISABLED}, // tmPopupCheckBackgroundDisabled
    {teMenu, MENU_POPUPCHECKBACKGROUND, MCB_NORMAL}, // tmPopupCheckBackgroundNormal
    {teMenu, MENU_POPUPCHECKBACKGROUND, MCB_BITMAP}, // tmPopupCheckBackgroundBitmap
    {teMenu, MENU_POPUPGUTTER, 0}, // tmPopupGutter
    {teMenu, MENU_POPUPITEM, MPI_NORMAL}, // tmPopupItemNormal
    {teMenu, MENU_POPUPITEM, MPI_HOT}, // tmPopupItemHot
    {teMenu, MENU_POPUPITEM, MPI_DISABLED}, // tmPopupItemDisabled
    {teMenu, MENU_POPUPITEM, MPI_DISABLEDHOT}, // tmPopupItemDisabledHot
    {teMenu, MENU_POPUPSEPARATOR, 0}, // tmPopupSeparator
    {teMenu, MENU_POPUPSUBMENU, MSM_NORMAL}, // tmPopupSubMenuNormal
    {teMenu, MENU_POPUPSUBMENU, MSM_DISABLED}, // tmPopupSubMenuDisabled
    {teMenu, MENU_SYSTEMCLOSE, MSYS_NORMAL}, // tmSystemCloseNormal
    {teMenu, MENU_SYSTEMCLOSE, MSYS_DISABLED}, // tmSystemCloseDisabled
    {teMenu, MENU_SYSTEMMAXIMIZE, MSYS_NORMAL}, // tmSystemMaximizeNormal
    {teMenu, MENU_SYSTEMMAXIMIZE, MSYS_DISABLED}, // tmSystemMaximizeDisabled
    {teMenu, MENU_SYSTEMMINIMIZE, MSYS_NORMAL}, // tmSystemMinimizeNormal
    {teMenu, MENU_SYSTEMMINIMIZE, MSYS_DISABLED}, // tmSystemMinimizeDisabled
    {teMenu, MENU_SYSTEMRESTORE, MSYS_NORMAL}, // tmSystemRestoreNormal
    {teMenu, MENU_SYSTEMRESTORE, MSYS_DISABLED}, // tmSystemRestoreDisabled
};
static_assert(std::size(MenuParts) == tmSystemRestoreDisabled + 1);

constexpr TElementPartState MonthCalParts[] = {
    {teMonthCal, MC_GRIDCELLBACKGROUND, MCGCB_SELECTED}, // tmcGridCellBackgroundSelected
    {teMonthCal, MC_GRIDCELLBACKGROUND, MCGCB_HOT}, // tmcGridCellBackgroundHot
    {teMonthCal, MC_GRIDCELLBACKGROUND, MCGCB_SELECTEDHOT}, // tmcGridCellBackgroundSelectedHot
    {teMonthCal, MC_GRIDCELLBACKGROUND, MCGCB_SELECTEDNOTFOCUSED}, // tmcGridCellBackgroundSelectedNotFocused
    {teMonthCal, MC_GRIDCELLBACKGROUND, MCGCB_TODAY}, // tmcGridCellBackgroundToday
};

constexpr TElementPartState ProgressParts[] = {
    {teProgress, 0, 0}, // tpProgressDontCare
    {teProgress, 0, 0}, // tpProgressRoot
    {teProgress, PP_BAR, 0}, // tpBar
    {teProgress, PP_BARVERT, 0}, // tpBarVert
    {teProgress, PP_CHUNK, 0}, // tpChunk
    {teProgress, PP_CHUNKVERT, 0}, // tpChunkVert
};

constexpr TElementPartState RebarParts[] = {
    {teRebar, 0, 0}, // trRebarDontCare
    {teRebar, 0, 0}, // trRebarRoot
    {teRebar, RP_GRIPPER, 0}, // trGripper
    {teRebar, RP_GRIPPERVERT, 0}, // trGripperVert
    {teRebar, RP_BAND, 0}, // trBand
};

constexpr TElementPartState ScrollBarParts[] = {
    {teScrollBar, 0, 0}, // tsScrollBarDontCare
    {teScrollBar, 0, 0}, // tsScrollBarRoot
    {teScrollBar, SBP_ARROWBTN, ABS_UPNORMAL}, // tsArrowBtnUpNormal
    {teScrollBar, SBP_ARROWBTN, ABS_UPHOT}, // tsArrowBtnUpHot
    {teScrollBar, SBP_ARROWBTN, ABS_UPPRESSED}, // tsArrowBtnUpPressed
    {teScrollBar, SBP_ARROWBTN, ABS_UPDISABLED}, // tsArrowBtnUpDisabled
    {teScrollBar, SBP_ARROWBTN, ABS_DOWNNORMAL}, // tsArrowBtnDownNormal
    {teScrollBar, SBP_ARROWBTN, ABS_DOWNHOT}, // tsArrowBtnDownHot
    {teScrollBar, SBP_ARROWBTN, ABS_DOWNPRESSED}, // tsArrowBtnDownPressed
    {teScrollBar, SBP_ARROWBTN, ABS_DOWNDISABLED}, // tsArrowBtnDownDisabled
    {teScrollBar, SBP_ARROWBTN, ABS_LEFTNORMAL}, // tsArrowBtnLeftNormal
    {teScrollBar, SBP_ARROWBTN, ABS_LEFTHOT}, // tsArrowBtnLeftHot
    {teScrollBar, SBP_ARROWBTN, ABS_LEFTPRESSED}, // tsArrowBtnLeftPressed
    {teScrollBar, SBP_ARROWBTN, ABS_LEFTDISABLED}, // tsArrowBtnLeftDisabled
    {teScrollBar, SBP_ARROWBTN, ABS_RIGHTNORMAL}, // tsArrowBtnRightNormal
    {teScrollBar, SBP_ARROWBTN, ABS_RIGHTHOT}, // tsArrowBtnRightHot
    {teScrollBar, SBP_ARROWBTN, ABS_RIGHTPRESSED}, // tsArrowBtnRightPressed
    {teScrollBar, SBP_ARROWBTN, ABS_RIGHTDISABLED}, // tsArrowBtnRightDisabled
    {teScrollBar, SBP_THUMBBTNHORZ, SCRBS_NORMAL}, // tsThumbBtnHorzNormal
    {teScrollBar, SBP_THUMBBTNHORZ, SCRBS_HOT}, // tsThumbBtnHorzHot
    {teScrollBar, SBP_THUMBBTNHORZ, SCRBS_PRESSED}, // tsThumbBtnHorzPressed
    {teScrollBar, SBP_THUMBBTNHORZ, SCRBS_DISABLED}, // tsThumbBtnHorzDisabled
    {teScrollBar, SBP_THUMBBTNVERT, SCRBS_NORMAL}, // tsThumbBtnVertNormal
    {teScrollBar, SBP_THUMBBTNVERT, SCRBS_HOT}, // tsThumbBtnVertHot
    {teScrollBar, SBP_THUMBBTNVERT, SCRBS_PRESSED}, // tsThumbBtnVertPressed
    {teScrollBar, SBP_THUMBBTNVERT, SCRBS_DISABLED}, // tsThumbBtnVertDisabled
    {teScrollBar, SBP_LOWERTRACKHORZ, SCRBS_NORMAL}, // tsLowerTrackHorzNormal
    {teScrollBar, SBP_LOWERTRACKHORZ, SCRBS_HOT}, // tsLowerTrackHorzHot
    {teScrollBar, SBP_LOWERTRACKHORZ, SCRBS_PRESSED}, // tsLowerTrackHorzPressed
    {teScrollBar, SBP_LOWERTRACKHORZ, SCRBS_DISABLED}, // tsLowerTrackHorzDisabled
    {teScrollBar, SBP_UPPERTRACKHORZ, SCRBS_NORMAL}, // tsUpperTrackHorzNormal
    {teScrollBar, SBP_UPPERTRACKHORZ, SCRBS_HOT}, // tsUpperTrackHorzHot
    {teScrollBar, SBP_UPPERTRACKHORZ, SCRBS_PRESSED}, // tsUpperTrackHorzPressed
    {teScrollBar, SBP_UPPERTRACKHORZ, SCRBS_DISABLED}, // tsUpperTrackHorzDisabled
    {teScrollBar, SBP_LOWERTRACKVERT, SCRBS_NORMAL}, // tsLowerTrackVertNormal
    {teScrollBar, SBP_LOWERTRACKVERT, SCRBS_HOT}, // tsLowerTrackVertHot
    {teScrollBar, SBP_LOWERTRACKVERT, SCRBS_PRESSED}, // tsLowerTrackVertPressed
    {teScrollBar, SBP_LOWERTRACKVERT, SCRBS_DISABLED}, // tsLowerTrackVertDisabled
    {teScrollBar, SBP_UPPERTRACKVERT, SCRBS_NORMAL}, // tsUpperTrackVertNormal
    {teScrollBar, SBP_UPPERTRACKVERT, SCRBS_HOT}, // tsUpperTrackVertHot
    {teScrollBar, SBP_UPPERTRACKVERT, SCRBS_PRESSED}, // tsUpperTrackVertPressed
    {teScrollBar, SBP_UPPERTRACKVERT, SCRBS_DISABLED}, // tsUpperTrackVertDisabled
    {teScrollBar, SBP_GRIPPERHORZ, SCRBS_NORMAL}, // tsGripperHorzNormal
    {teScrollBar, SBP_GRIPPERHORZ, SCRBS_HOT}, // tsGripperHorzHot
    {teScrollBar, SBP_GRIPPERHORZ, SCRBS_PRESSED}, // tsGripperHorzPressed
    {teScrollBar, SBP_GRIPPERHORZ, SCRBS_DISABLED}, // tsGripperHorzDisabled
    {teScrollBar, SBP_GRIPPERVERT, SCRBS_NORMAL}, // tsGripperVertNormal
    {teScrollBar, SBP_GRIPPERVERT, SCRBS_HOT}, // tsGripperVertHot
    {teScrollBar, SBP_GRIPPERVERT, SCRBS_PRESSED}, // tsGripperVertPressed
    {teScrollBar, SBP_GRIPPERVERT, SCRBS_DISABLED}, // tsGripperVertDisabled
    {teScrollBar, SBP_SIZEBOX, SZB_RIGHTALIGN}, // tsSizeBoxRightAlign
    {teScrollBar, SBP_SIZEBOX, SZB_LEFTALIGN}, // tsSizeBoxLeftAlign
};

constexpr TElementPartState SpinParts[] = {
    {teSpin, 0, 0}, // tsSpinDontCare
    {teSpin, 0, 0}, // tsSpinRoot
    {teSpin, SPNP_UP, UPS_NORMAL}, // tsUpNormal
    {teSpin, SPNP_UP, UPS_HOT}, // tsUpHot
    {teSpin, SPNP_UP, UPS_PRESSED}, // tsUpPressed
    {teSpin, SPNP_UP, UPS_DISABLED}, // tsUpDisabled
    {teSpin, SPNP_DOWN, DNS_NORMAL}, // tsDownNormal
    {teSpin, SPNP_DOWN, DNS_HOT}, // tsDownHot
    {teSpin, SPNP_DOWN, DNS_PRESSED}, // tsDownPressed
    {teSpin, SPNP_DOWN, DNS_DISABLED}, // tsDownDisabled
    {teSpin, SPNP_UPHORZ, UPHZS_NORMAL}, // tsUpHorzNormal
    {teSpin, SPNP_UPHORZ, UPHZS_HOT}, // tsUpHorzHot
    {teSpin, SPNP_UPHORZ, UPHZS_PRESSED}, // tsUpHorzPressed
    {teSpin, SPNP_UPHORZ, UPHZS_DISABLED}, // tsUpHorzDisabled
    {teSpin, SPNP_DOWNHORZ, DNHZS_NORMAL}, // tsDownHorzNormal
    {teSpin, SPNP_DOWNHORZ, DNHZS_HOT}, // tsDownHorzHot
    {teSpin, SPNP_DOWNHORZ, DNHZS_PRESSED}, // tsDownHorzPressed
    {teSpin, SPNP_DOWNHORZ, DNHZS_DISABLED}, // tsDownHorzDisabled
};

constexpr TElementPartState StatusParts[] = {
    {teStatus, 0, 0}, // tsStatusDontCare
    {teStatus, 0, 0}, // tsStatusRoot
    {teStatus, SP_PANE, 0}, // tsPane
    {teStatus, SP_GRIPPERPANE, 0}, // tsGripperPane
    {teStatus, SP_GRIPPER, 0}, // tsGripper
};

constexpr TElementPartState TabParts[] = {
    {teTab, 0, 0}, // ttTabDontCare
    {teTab, 0, 0}, // ttTabRoot
    {teTab, TABP_TABITEM, TIS_NORMAL}, // ttTabItemNormal
    {teTab, TABP_TABITEM, TIS_HOT}, // ttTabItemHot
    {teTab, TABP_TABITEM, TIS_SELECTED}, // ttTabItemSelected
    {teTab, TABP_TABITEM, TIS_DISABLED}, // ttTabItemDisabled
    {teTab, TABP_TABITEM, TIS_FOCUSED}, // ttTabItemFocused
    {teTab, TABP_PANE, 0}, // ttPane
    {teTab, TABP_BODY, 0}, // ttBody
};

constexpr TElementPartState ToolBarParts[] = {
    {teToolBar, 0, 0}, // ttbToolBarDontCare
    {teToolBar, 0, 0}, // ttbToolBarRoot
    {teToolBar, TP_BUTTON, TS_NORMAL}, // ttbButtonNormal
    {teToolBar, TP_BUTTON, TS_HOT}, // ttbButtonHot
    {teToolBar, TP_BUTTON, TS_PRESSED}, // ttbButtonPressed
    {teToolBar, TP_BUTTON, TS_DISABLED}, // ttbButtonDisabled
    {teToolBar, TP_BUTTON, TS_CHECKED}, // ttbButtonChecked
    {teToolBar, TP_BUTTON, TS_HOTCHECKED}, // ttbButtonCheckedHot
    {teToolBar, TP_DROPDOWNBUTTON, TS_NORMAL}, // ttbDropDownButtonNormal
    {teToolBar, TP_DROPDOWNBUTTON, TS_HOT}, // ttbDropDownButtonHot
    {teToolBar, TP_DROPDOWNBUTTON, TS_PRESSED}, // ttbDropDownButtonPressed
    {teToolBar, TP_DROPDOWNBUTTON, TS_DISABLED}, // ttbDropDownButtonDisabled
    {teToolBar, TP_DROPDOWNBUTTON, TS_CHECKED}, // ttbDropDownButtonChecked
    {teToolBar, TP_DROPDOWNBUTTON, TS_HOTCHECKED}, // ttbDropDownButtonCheckedHot
    {teToolBar, TP_SPLITBUTTON, TS_NORMAL}, // ttbSplitButtonNormal
    {teToolBar, TP_SPLITBUTTON, TS_HOT}, // ttbSplitButtonHot
    {teToolBar, TP_SPLITBUTTON, TS_PRESSED}, // ttbSplitButtonPressed
    {teToolBar, TP_SPLITBUTTON, TS_DISABLED}, // ttbSplitButtonDisabled
    {teToolBar, TP_SPLITBUTTON, TS_CHECKED}, // ttbSplitButtonChecked
    {teToolBar, TP_SPLITBUTTON, TS_HOTCHECKED}, // ttbSplitButtonCheckedHot
    {teToolBar, TP_SPLITBUTTONDROPDOWN, TS_NORMAL}, // ttbSplitButtonDropDownNormal
    {teToolBar, TP_SPLITBUTTONDROPDOWN, TS_HOT}, // ttbSplitButtonDropDownHot
    {teToolBar, TP_SPLITBUTTONDROPDOWN, TS_PRESSED}, // ttbSplitButtonDropDownPressed
    {teToolBar, TP_SPLITBUTTONDROPDOWN, TS_DISABLED}, // ttbSplitButtonDropDownDisabled
    {teToolBar, TP_SPLITBUTTONDROPDOWN, TS_CHECKED}, // ttbSplitButtonDropDownChecked
    {teToolBar, TP_SPLITBUTTONDROPDOWN, TS_HOTCHECKED}, // ttbSplitButtonDropDownCheckedHot
    {teToolBar, TP_SEPARATOR, TS_NORMAL}, // ttbSeparatorNormal
    {teToolBar, TP_SEPARATOR, TS_HOT}, // ttbSeparatorHot
    {teToolBar, TP_SEPARATOR, TS_PRESSED}, // ttbSeparatorPressed
    {teToolBar, TP_SEPARATOR, TS_DISABLED}, // ttbSeparatorDisabled
    {teToolBar, TP_SEPARATOR, TS_CHECKED}, // ttbSeparatorChecked
    {teToolBar, TP_SEPARATOR, TS_HOTCHECKED}, // ttbSeparatorCheckedHot
    {teToolBar, TP_SEPARATORVERT, TS_NORMAL}, // ttbSeparatorVertNormal
    {teToolBar, TP_SEPARATORVERT, TS_HOT}, // ttbSeparatorVertHot
    {teToolBar, TP_SEPARATORVERT, TS_PRESSED}, // ttbSeparatorVertPressed
    {teToolBar, TP_SEPARATORVERT, TS_DISABLED}, // ttbSeparatorVertDisabled
    {teToolBar, TP_SEPARATORVERT, TS_CHECKED}, // ttbSeparatorVertChecked
    {teToolBar, TP_SEPARATORVERT, TS_HOTCHECKED}, // ttbSeparatorVertCheckedHot
    {teToolBar, TP_DROPDOWNBUTTONGLYPH, TS_NORMAL}, // ttbDropDownButtonGlyphNormal
    {teToolBar, TP_DROPDOWNBUTTONGLYPH, TS_HOT}, // ttbDropDownButtonGlyphHot
    {teToolBar, TP_DROPDOWNBUTTONGLYPH, TS_PRESSED}, // ttbDropDownButtonGlyphPressed
    {teToolBar, TP_DROPDOWNBUTTONGLYPH, TS_DISABLED}, // ttbDropDownButtonGlyphDisabled
};

constexpr TElementPartState ToolTipParts[] = {
    {teToolTip, 0, 0}, // tttToolTipDontCare
    {teToolTip, 0, 0}, // tttToolTipRoot
    {teToolTip, TTP_STANDARD, TTSS_NORMAL}, // tttStandardNormal
    {teToolTip, TTP_STANDARD, TTSS_LINK}, // tttStandardLink
    {teToolTip, TTP_STANDARDTITLE, TTSS_NORMAL}, // tttStandardTitleNormal
    {teToolTip, TTP_STANDARDTITLE, TTSS_LINK}, // tttStandardTitleLink
    {teToolTip, TTP_BALLOON, TTBS_NORMAL}, // tttBaloonNormal
    {teToolTip, TTP_BALLOON, TTBS_LINK}, // tttBaloonLink
    {teToolTip, TTP_BALLOONTITLE, TTBS_NORMAL}, // tttBaloonTitleNormal
    {teToolTip, TTP_BALLOONTITLE, TTBS_LINK}, // tttBaloonTitleLink
    {teToolTip, TTP_CLOSE, TTCS_NORMAL}, // tttCloseNormal
    {teToolTip, TTP_CLOSE, TTCS_HOT}, // tttCloseHot
    {teToolTip, TTP_CLOSE, TTCS_PRESSED}, // tttClosePressed
};

constexpr TElementPartState TreeviewParts[] = {
    {teTreeview, 0, 0}, // ttTreeviewDontCare
    {teTreeview, 0, 0}, // ttTreeviewRoot
    {teTreeview, TVP_TREEITEM, TREIS_NORMAL}, // ttItemNormal
    {teTreeview, TVP_TREEITEM, TREIS_HOT}, // ttItemHot
    {teTreeview, TVP_TREEITEM, TREIS_SELECTED}, // ttItemSelected
    {teTreeview, TVP_TREEITEM, TREIS_DISABLED}, // ttItemDisabled
    {teTreeview, TVP_TREEITEM, TREIS_SELECTEDNOTFOCUS}, // ttItemSelectedNotFocus
    {teTreeview, TVP_GLYPH, GLPS_CLOSED}, // ttGlyphClosed
    {teTreeview, TVP_GLYPH, GLPS_OPENED}, // ttGlyphOpened
    {teTreeview, TVP_BRANCH, 0}, // ttBranch
    {teTreeview, TVP_HOTGLYPH, HGLPS_CLOSED}, // ttHotGlyphClosed
    {teTreeview, TVP_HOTGLYPH, HGLPS_OPENED}, // ttHotGlyphOpened
};

constexpr TElementPartState WindowParts[] = {
    {teWindow, 0, 0}, // twWindowDontCare
    {teWindow, 0, 0}, // twWindowRoot
    {teWindow, WP_CAPTION, CS_ACTIVE}, // twCaptionActive
    {teWindow, WP_CAPTION, CS_INACTIVE}, // twCaptionInactive
    {teWindow, WP_CAPTION, CS_DISABLED}, // twCaptionDisabled
    {teWindow, WP_SMALLCAPTION, CS_ACTIVE}, // twSmallCaptionActive
    {teWindow, WP_SMALLCAPTION, CS_INACTIVE}, // twSmallCaptionInactive
    {teWindow, WP_SMALLCAPTION, CS_DISABLED}, // twSmallCaptionDisabled
    {teWindow, WP_FRAMELEFT, FS_ACTIVE}, // twFrameLeftActive
    {teWindow, WP_FRAMELEFT, FS_INACTIVE}, // twFrameLeftInactive
    {teWindow, WP_FRAMERIGHT, FS_ACTIVE}, // twFrameRightActive
    {teWindow, WP_FRAMERIGHT, FS_INACTIVE}, // twFrameRightInactive
    {teWindow, WP_FRAMEBOTTOM, FS_ACTIVE}, // twFrameBottomActive
    {teWindow, WP_FRAMEBOTTOM, FS_INACTIVE}, // twFrameBottomInactive
    {teWindow, WP_SMALLFRAMELEFT, FS_ACTIVE}, // twSmallFrameLeftActive
    {teWindow, WP_SMALLFRAMELEFT, FS_INACTIVE}, // twSmallFrameLeftInactive
    {teWindow, WP_SMALLFRAMERIGHT, FS_ACTIVE}, // twSmallFrameRightActive
    {teWindow, WP_SMALLFRAMERIGHT, FS_INACTIVE}, // twSmallFrameRightInactive
    {teWindow, WP_SMALLFRAMEBOTTOM, FS_ACTIVE}, // twSmallFrameBottomActive
    {teWindow, WP_SMALLFRAMEBOTTOM, FS_INACTIVE}, // twSmallFrameBottomInactive
    {teWindow, WP_SYSBUTTON, SBS_NORMAL}, // twSysButtonNormal
    {teWindow, WP_SYSBUTTON, SBS_HOT}, // twSysButtonHot
    {teWindow, WP_SYSBUTTON, SBS_PUSHED}, // twSysButtonPushed
    {teWindow, WP_SYSBUTTON, SBS_DISABLED}, // twSysButtonDisabled
    {teWindow, WP_CLOSEBUTTON, CBS_NORMAL}, // twCloseButtonNormal
    {teWindow, WP_CLOSEBUTTON, CBS_HOT}, // twCloseButtonHot
    {teWindow, WP_CLOSEBUTTON, CBS_PUSHED}, // twCloseButtonPushed
    {teWindow, WP_CLOSEBUTTON, CBS_DISABLED}, // twCloseButtonDisabled
    {teWindow, WP_SMALLCLOSEBUTTON, CBS_NORMAL}, // twSmallCloseButtonNormal
    {teWindow, WP_SMALLCLOSEBUTTON, CBS_HOT}, // twSmallCloseButtonHot
    {teWindow, WP_SMALLCLOSEBUTTON, CBS_PUSHED}, // twSmallCloseButtonPushed
    {teWindow, WP_SMALLCLOSEBUTTON, CBS_DISABLED}, // twSmallCloseButtonDisabled
    {teWindow, WP_MINBUTTON, MINBS_NORMAL}, // twMinButtonNormal
    {teWindow, WP_MINBUTTON, MINBS_HOT}, // twMinButtonHot
    {teWindow, WP_MINBUTTON, MINBS_PUSHED}, // twMinButtonPushed
    {teWindow, WP_MINBUTTON, MINBS_DISABLED}, // twMinButtonDisabled
    {teWindow, WP_MAXBUTTON, MAXBS_NORMAL}, // twMaxButtonNormal
    {teWindow, WP_MAXBUTTON, MAXBS_HOT}, // twMaxButtonHot
    {teWindow, WP_MAXBUTTON, MAXBS_PUSHED}, // twMaxButtonPushed
    {teWindow, WP_MAXBUTTON, MAXBS_DISABLED}, // twMaxButtonDisabled
    {teWindow, WP_RESTOREBUTTON, RBS_NORMAL}, // twRestoreButtonNormal
    {teWindow, WP_RESTOREBUTTON, RBS_HOT}, // twRestoreButtonHot
    {teWindow, WP_RESTOREBUTTON, RBS_PUSHED}, // twRestoreButtonPushed
    {teWindow, WP_RESTOREBUTTON, RBS_DISABLED}, // twRestoreButtonDisabled
    {teWindow, WP_HELPBUTTON, HBS_NORMAL}, // twHelpButtonNormal
    {teWindow, WP_HELPBUTTON, HBS_HOT}, // twHelpButtonHot
    {teWindow, WP_HELPBUTTON, HBS_PUSHED}, // twHelpButtonPushed
    {teWindow, WP_HELPBUTTON, HBS_DISABLED}, // twHelpButtonDisabled
};
// Enumerators outside the table (a cast from a stray integer) give the element's root.
template <std::size_t N, class E>
TThemedElementDetails DetailsOf(const TElementPartState (&table)[N], E detail)
{
    const auto index = static_cast<std::size_t>(detail);
    const TElementPartState& entry = index < N ? table[index] : table[0];
    return {entry.Element, index < N ? entry.Part : 0, index < N ? entry.State : 0};
}

} // namespace

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedButton detail)
{
    return DetailsOf(ButtonParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedComboBox detail)
{
    return DetailsOf(ComboBoxParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedEdit detail)
{
    return DetailsOf(EditParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedGrid detail)
{
    return DetailsOf(GridParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedHeader detail)
{
    return DetailsOf(HeaderParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedHint detail)
{
    return DetailsOf(HintParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedListview detail)
{
    return DetailsOf(ListviewParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedMenu detail)
{
    return DetailsOf(MenuParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedMonthCal detail)
{
    return DetailsOf(MonthCalParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedProgress detail)
{
    return DetailsOf(ProgressParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedRebar detail)
{
    return DetailsOf(RebarParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedScrollBar detail)
{
    return DetailsOf(ScrollBarParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedSpin detail)
{
    return DetailsOf(SpinParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedStatus detail)
{
    return DetailsOf(StatusParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedTab detail)
{
    return DetailsOf(TabParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedToolBar detail)
{
    return DetailsOf(ToolBarParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedToolTip detail)
{
    return DetailsOf(ToolTipParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedTreeview detail)
{
    return DetailsOf(TreeviewParts, detail);
}

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedWindow detail)
{
    return DetailsOf(WindowParts, detail);
}
