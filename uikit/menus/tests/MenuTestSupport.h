#pragma once
// What the menu tests share: items made in a line, the framework's measure request answered as the
// system asks it, and items painted into a 32-bit bitmap through their draw handler.
#include <initializer_list>
#include <memory>

#include "Menus.h"
#include "RurMenus.h"

struct TMeasure {
    int Width = 0, Height = 0;
    bool operator==(const TMeasure&) const = default;
};

// A sub-item of parent with the caption (and short cut).
TMenuItem* AddItem(TMenuItem* parent, const String& caption, TShortCut shortCut = scNone);
// The size the item's menu answers to WM_MEASUREITEM (the framework's default measure first).
TMeasure MeasureThroughMenu(TMenuItem* item);
// The item painted at (0, 0) in a bitmap of the size through the framework's draw request path.
std::unique_ptr<TBitmap> PaintItem(TMenuItem* item, int width, int height, TOwnerDrawState state = {},
                                   TColor ground = clWhite);
// A solid-colour image list of count images.
std::unique_ptr<TImageList> SolidImages(int width, int height, std::initializer_list<TColor> colors);
// Pixels of the rectangle that are "ink": far from every listed background colour.
int InkCount(TBitmap* bitmap, const TRect& rect, std::initializer_list<TColor> backgrounds);
