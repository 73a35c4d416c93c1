#pragma once
// The UI kit's extended task dialog: the task dialog whose own dialog form (still to come) carries
// the kit's buttons; on the system's task dialog it behaves as its base.
#include "TaskDialog.h"

class TRurTaskDialogEx : public TRurTaskDialog {
    TAVIN_CLASS(TRurTaskDialogEx, TRurTaskDialog)
public:
    using TRurTaskDialog::TRurTaskDialog;
};
