#pragma once
// Enumerations the toolbar unit shares between its painters, appearance classes, controls and the
// ribbon. Their orders are stored in form resources.
#include "RurGlowButton_Types.h"
#include "TypInfo.h"

// gdHorizontal runs from the start colour at the left edge to the end colour at the right edge,
// gdVertical from top to bottom. (The menu unit's enumeration of this name has the opposite order.)
TAVIN_ENUM(TGradientDirection, gdHorizontal, gdVertical)

// The ribbon group style; the caption-button glyphs draw gsOffice2019 thin and every other alike.
TAVIN_ENUM(TGroupStyle, gsClassic, gsOffice2013, gsWindows8, gsOffice2016, gsOffice2019)

// The dock side of a toolbar: daTop and daBottom mean a horizontal toolbar.
TAVIN_ENUM(TDockAlign, daLeft, daTop, daRight, daBottom)

// Where a toolbar's caption band lies: above (left of) or below (right of) its body.
TAVIN_ENUM(TToolBarCaptionPosition, cpTop, cpBottom)

// Where a dock panel, toolbar or ribbon keeps its layout.
TAVIN_ENUM(TPersistenceLocation, plRegistry, plIniFile)

