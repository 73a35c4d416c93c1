#pragma once
// The glow button's drawing procedure: the face in two gradient halves, the border for the button's
// place in a row, the focus frame, the glyph, the caption with its notes and the drop-down part.
// With MeasureOnly it paints nothing and answers the size the content needs.
#include "RurGlowButton.h"

struct TGlowDrawInput {
    TGlowStateColors Colors;
    TColor BorderColorFocused = clNone;
    String Caption, WideCaption;
    bool DefaultCaptionDrawing = true;
    TFont* Font = nullptr;
    TCustomImageList* Images = nullptr;
    int ImageIndex = -1;
    bool EnabledImage = true;
    RurGlowButton::TButtonLayout Layout = RurGlowButton::blGlyphLeft;
    bool DropDownButton = false;
    bool Hot = false;
    bool Enabled = true;
    bool FocusBorder = false;
    TDropDownPosition DropDownPosition = dpRight;
    RurGDIP::TAntiAlias AntiAlias = RurGDIP::aaClearType;
    bool DefaultPicDrawing = true;
    // Drawn instead of the image-list glyph when not empty; PictureSize 0 x 0 draws it in its own size.
    TGDIPPicture* Picture = nullptr;
    TSize PictureSize{0, 0};
    TIcon* Icon = nullptr;
    // A glyph a descendant painted on the work bitmap; used when it is at least 2 x 2.
    TBitmap* WorkBitmap = nullptr;
    // 0 none, 1 the pointer is on the drop-down part, 2 on the main part.
    int DropDownHotPart = 0;
    bool TransparentLook = false;
    bool MouseEnter = false;
    TButtonPosition ButtonPosition = bpStandalone;
    bool DropDownSplit = true;
    bool BorderVisible = true;
    bool OverlappedText = false;
    bool WordWrap = true;
    bool MeasureOnly = false;
    bool Rounded = true;
    TDropDownDirection DropDownDirection = ddDown;
    int Spacing = 2;
    RurGDIP::StringTrimming Trimming = RurGDIP::StringTrimmingNone;
    TStrings* Notes = nullptr;
    TFont* NotesFont = nullptr;
    bool DownChecked = false;
    bool DroppedDown = false;
    bool TranspOffice = false;
    // On a quick-access toolbar drawn on glass.
    bool GlassQAT = false;
    int MarginHorz = 1, MarginVert = 1;
    bool NoBorderDefault = false;
    bool AlwaysShowAccel = false;
    int DropDownWidth = 14;
    bool IsRotated = false;
};

// Paints (or measures) the button on the canvas within r; answers the measured content size.
TSize DrawGlowButton(TRurCustomGlowButton* control, TCanvas* canvas, const TRect& r, const TGlowDrawInput& in);

// The unit-wide switch DrawSplitLineAlways sets.
bool GlowButtonsDrawSplitLineAlways();
