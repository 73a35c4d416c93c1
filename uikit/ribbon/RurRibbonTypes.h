#pragma once
// Small types the ribbon's units share.
#include "TypInfo.h"

// Which way an arrow button of the ribbon points.
TAVIN_ENUM(TScrollArrow, saLeft, saTop, saRight, saBottom, saNone)
