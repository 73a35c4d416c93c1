#pragma once
// The transparent layer the ribbon lays over its caption band on glass: it hands painting to an
// event (or draws the caption text on the glass), lets the user size the form from its top edge,
// and drags a maximised form off its place.
#include "Controls.h"

class TRurGlowButton;

TAVIN_ENUM(TResizingClip, rcLeft, rcTop, rcRight, rcBottom)

using TTextPaintEvent = TEvent<TObject*, String&, TRect&, TAlignment&>;
using TDblClickEvent = TEvent<TObject*, int, int>;

class TCaptionLayer : public TCustomControl {
    TAVIN_CLASS(TCaptionLayer, TCustomControl)
public:
    explicit TCaptionLayer(TComponent* owner);
    ~TCaptionLayer() override;

    void WndProc(TMessage& message) override;

    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { FBackColor = value; }
    TTextPaintEvent OnTextPaint() const { return FOnTextPaint; }
    void SetOnTextPaint(TTextPaintEvent value) { FOnTextPaint = value; }
    TDblClickEvent OnDoubleClick() const { return FOnDoubleClick; }
    void SetOnDoubleClick(TDblClickEvent value) { FOnDoubleClick = value; }
    TMouseEvent OnLayerMouseDown() const { return FOnMouseDown; }
    void SetOnLayerMouseDown(TMouseEvent value) { FOnMouseDown = value; }
    bool Resizing() const { return FResizing; }
    // The 1 x 1 glow button whose repaint makes the glass caption's children repaint.
    TRurGlowButton* RefGlowButton() const { return FRefGlowButton; }

protected:
    void Loaded() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // The band along the top edge that sizes the form.
    static constexpr int SizingEdge = 5;
    void ToggleRef();

    TTextPaintEvent FOnTextPaint;
    TColor FBackColor = clNone;
    TDblClickEvent FOnDoubleClick;
    TRurGlowButton* FRefGlowButton = nullptr;
    bool FRef = false;
    bool FResizing = false;
    int FMouseY = 0;
    int FResizingDir = 0;
    TResizingClip FResizingClip = rcTop;
    TCursor FOldCursor = crDefault;
    TMouseEvent FOnMouseDown;
};
