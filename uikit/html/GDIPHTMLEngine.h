#pragma once
// The caption engine on GDI+: the caption markup laid out, drawn and hit-tested on a GDI+ graphics
// object, with a smaller tag set than the GDI engine and GDI+ text.
#include "RurGDIP.h"
#include "RurHTML.h"

class TGDIPPictureContainer;

// What a call reads besides the graphics object, the font, the text and the layout rectangle.
struct THTMLDrawGDIPOptions {
    TCustomImageList* Images = nullptr;
    int MouseX = -1;
    int MouseY = -1;
    int FocusLink = -1; // 0-based
    int HoverLink = -1; // 1-based
    int ShadowOffset = 1;
    bool HitTest = false;
    bool MeasureOnly = false;
    bool Printing = false;
    bool Selected = false;
    bool BlinkVisible = true;
    bool HoverOnlyStyling = false;
    bool WordWrap = true;
    double PrintScale = 1.0;
    TColor LinkColor = clBlue;
    TColor HoverBackground = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    TGDIPPictureContainer* PictureContainer = nullptr;
    int LineSpacing = 0; // below every line but the last
    float Scale = 0;     // font scale; 0 or less: none
};

// The results as the GDI engine gives them; YSize includes 2 pixels below the last line.
using THTMLDrawGDIPResult = THTMLDrawResult;

bool HTMLDrawGDIP(RurGDIP::TGPGraphics& AGraphics, const TFont& AFont, const String& AText, const TRect& ARect,
                  const THTMLDrawGDIPOptions& AOptions, THTMLDrawGDIPResult& AResult);

// The parameters in the order the smooth panel passes them; the picture cache is not read.
bool HTMLDrawGDIP(RurGDIP::TGPGraphics* AGraphics, TFont* AFont, const String& AText, TRect ARect,
                  TCustomImageList* AImages, int AXPos, int AYPos, int AFocusLink, int AHoverLink,
                  int AShadowOffset, bool ACheckAnchor, bool ACheckHeight, bool AIsPrinting, bool ASelected,
                  bool ABlink, bool AHoverStyle, bool AWordWrap, double AResFactor, TColor AURLColor,
                  TColor AHoverColor, TColor AHoverFontColor, TColor AShadowColor, String& AAnchorVal,
                  String& AStripVal, String& AFocusAnchor, int& AXSize, int& AYSize, int& AHyperLinks,
                  int& AMouseLink, TRect& AHoverRect, void* APictureCache, TGDIPPictureContainer* APictureContainer,
                  int ALineSpacing, float AScale);
