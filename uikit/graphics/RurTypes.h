#pragma once
// The UI kit's picture holder. Its SVG graphic (and the SVG file format) come with the SVG engine.
#include "Graphics.h"

// The SVG engine interface, declared with the SVG picture classes.
class TRurSVGImport;

// A framework picture that can tell whether it holds an SVG document.
class TRurBitmap : public TPicture {
    TAVIN_CLASS(TRurBitmap, TPicture)
public:
    // True when the held graphic is an SVG graphic with elements. No graphic class of this build
    // holds SVG yet, so this answers False until the SVG graphic is added.
    virtual bool HasSVG() const;
    // The SVG engine of the held graphic when HasSVG, otherwise null.
    TRurSVGImport* SVG() const;
};

// True for no picture, a picture without a graphic, or an empty graphic.
bool IsBitmapEmpty(const TPicture* picture);
