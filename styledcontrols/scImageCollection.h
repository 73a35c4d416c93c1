#pragma once
// The image collection that kit controls can paint pictures from. The base answers that there is
// nothing to draw; a control holds a collection by reference and never owns it.
#include "Graphics.h"

class TscCustomImageCollection : public TComponent {
    TAVIN_CLASS(TscCustomImageCollection, TComponent)
public:
    explicit TscCustomImageCollection(TComponent* owner) : TComponent(owner) {}

    int Count() const { return GetCount(); }

    virtual void DoChanged() {}
    virtual int GetCount() const { return 0; }
    virtual int GetWidth(int, double) const { return 0; }
    virtual int GetHeight(int, double) const { return 0; }
    virtual TRect GetContentMargins(int, double) const { return Rect(0, 0, 0, 0); }
    virtual TRect GetMargins(int, double) const { return Rect(0, 0, 0, 0); }
    virtual bool NeedFullUpdate(int) const { return false; }
    virtual bool IsIndexAvailable(int) const { return false; }
    virtual bool IsSolidDrawing(int) const { return false; }
    virtual bool IsStretchTileDrawing(int) const { return false; }
    virtual void Draw(TCanvas*, const TRect&, int, double) {}

protected:
    bool FScaled = false;
};
