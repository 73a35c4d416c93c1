#pragma once
// The glow button's enumerations that the toolbar's painters, appearance classes and buttons share
// with it. Their orders are stored in form resources.
#include "TypInfo.h"

TAVIN_ENUM(TRurButtonState, absUp, absDisabled, absDown, absDropDown, absExclusive)
TAVIN_ENUM(TGDIPGradient, ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward)
// Where a button sits in a row of joined buttons; decides the border's shape.
TAVIN_ENUM(TButtonPosition, bpStandalone, bpLeft, bpMiddle, bpRight)
