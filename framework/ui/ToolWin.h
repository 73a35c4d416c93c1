#pragma once
// A windowed control whose frame shows a raised or lowered edge on chosen sides and a blank
// margin, as the bars of the common controls (toolbar, cool bar) do.
#include "Controls.h"

TAVIN_ENUM(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom)
using TEdgeBorders = TSet<TEdgeBorder>;
TAVIN_ENUM(TEdgeStyle, esNone, esRaised, esLowered)

class TToolWindow : public TWinControl {
    TAVIN_CLASS(TToolWindow, TWinControl)
public:
    explicit TToolWindow(TComponent* owner) : TWinControl(owner) {}

    TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
    void SetEdgeBorders(TEdgeBorders value);
    TEdgeStyle EdgeInner() const { return FEdgeInner; }
    void SetEdgeInner(TEdgeStyle value);
    TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
    void SetEdgeOuter(TEdgeStyle value);
    // A blank margin of the window's own colour inside the edges.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);

    void WndProc(TMessage& message) override;

private:
    // Pixels the edge takes on each side listed in EdgeBorders.
    int EdgeWidth() const;
    void FrameChanged();
    void PaintFrame();

    TEdgeBorders FEdgeBorders{ebTop};
    TEdgeStyle FEdgeInner = esRaised;
    TEdgeStyle FEdgeOuter = esLowered;
    int FBorderWidth = 0;
};
