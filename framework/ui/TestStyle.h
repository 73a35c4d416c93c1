#pragma once
// A custom style that makes styled code testable: every element part and state is drawn as one
// solid colour of its own (a pixel tells which element, part and state was drawn there), every
// style colour, style font colour and mapped system colour has a fixed value that a test can
// change, elements have fixed sizes that grow with the DPI, and the drawing calls can be recorded.
#include <map>
#include <vector>

#include "Themes.h"

class TTestStyleServices : public TCustomStyleServices {
    TAVIN_CLASS(TTestStyleServices, TCustomStyleServices)
public:
    // Styles of different variants (0 to 7) draw and map in different colours.
    explicit TTestStyleServices(const String& name = u"Test", int variant = 0);

    // The colour each element part and state is filled with, and its reading back from a pixel
    // (false for a pixel that no test-style element of this variant drew).
    COLORREF ElementColor(const TThemedElementDetails& details) const;
    bool ElementAt(COLORREF pixel, TThemedElementDetails& details) const;

    // Replace single colours of the palette (for example a light clBtnFace).
    void SetSystemColor(TColor systemColor, TColor value) { FSystemColors[systemColor] = value; }
    void SetStyleColor(TStyleColor color, TColor value) { FStyleColors[color] = value; }
    void SetStyleFontColor(TStyleFont font, TColor value) { FFontColors[font] = value; }

    // Recording of DrawElement calls: the element, the rectangle and the DPI passed.
    struct TDrawCall {
        TThemedElementDetails Details;
        TRect Rect;
        int Dpi;
    };
    void SetRecording(bool value) { FRecording = value; }
    const std::vector<TDrawCall>& DrawCalls() const { return FDrawCalls; }
    void ClearDrawCalls() { FDrawCalls.clear(); }

    bool Enabled() const override { return true; }
    bool Available() const override { return true; }
    bool IsSystemStyle() const override { return false; }
    String Name() const override { return FName; }
    // System colours map to the palette; other colours stay as they are.
    TColor GetSystemColor(TColor color) const override;
    TColor GetStyleColor(TStyleColor color) const override;
    TColor GetStyleFontColor(TStyleFont font) const override;

    using TCustomStyleServices::DrawElement;
    using TCustomStyleServices::GetElementSize;
    bool DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& r, const TRect* clip = nullptr,
                     int dpi = 0) const override;
    bool GetElementSize(HDC dc, const TThemedElementDetails& details, TElementSize kind, TSize& size,
                        int dpi = 0) const override;
    // esStretch answers the rectangle's size, the other kinds the element's own.
    bool GetElementSize(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementSize kind, TSize& size,
                        int dpi = 0) const override;
    // Every element has every colour: ecFillColor is the fill, the others are derived from it.
    bool GetElementColor(const TThemedElementDetails& details, TElementColor kind, TColor& color) const override;
    // The bounds less a margin of 2 pixels at 96 DPI.
    bool GetElementContentRect(HDC dc, const TThemedElementDetails& details, const TRect& bounds, TRect& content,
                               int dpi = 0) const override;
    bool DrawText(HDC dc, const TThemedElementDetails& details, const String& text, TRect& r, TTextFormat flags,
                  TColor color = clNone, int dpi = 0) const override;
    // A frame one pixel wide per edge layer (two for the doubled edges) in the element's edge
    // shadow colour, on the sides the flags name.
    bool DrawEdge(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementEdges edges,
                  TElementEdgeFlags flags, TRect* contentRect = nullptr) const override;
    bool DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details, bool onlyIfTransparent,
                              const TRect* bounds = nullptr) const override;
    // Check boxes, radio buttons, group boxes and tab items let the parent show through.
    bool HasTransparentParts(const TThemedElementDetails& details) const override;
    // Every element is a plain rectangle.
    bool GetElementRegion(HDC dc, const TThemedElementDetails& details, const TRect& r,
                          HRGN& region) const override;

private:
    String FName;
    int FVariant;
    std::map<TColor, TColor> FSystemColors;
    std::map<TStyleColor, TColor> FStyleColors;
    std::map<TStyleFont, TColor> FFontColors;
    bool FRecording = false;
    mutable std::vector<TDrawCall> FDrawCalls;
};

// Registers a test style (when none of that name is registered) and makes it the active style
// for as long as the object lives; then the system style is active again and a style registered
// here is gone.
class TActiveTestStyle {
public:
    explicit TActiveTestStyle(const String& name = u"Test", int variant = 0);
    ~TActiveTestStyle();
    TActiveTestStyle(const TActiveTestStyle&) = delete;
    TActiveTestStyle& operator=(const TActiveTestStyle&) = delete;

    TTestStyleServices* Style() const { return FStyle; }
    TTestStyleServices* operator->() const { return FStyle; }

private:
    TTestStyleServices* FStyle;
    bool FRegistered;
};
