#pragma once
// The floating toolbar window: a small borderless, always-on-top form that carries a toolbar
// while it floats. It draws a one-colour frame around the toolbar and lets the user drag any of
// its edges, which lays the toolbar out in more or fewer rows; closing it hides the toolbar.
// Moving the window and docking back are the toolbar's business.
#include "Forms.h"

class TRurCustomToolBar;

TAVIN_ENUM(TResizingClip, rcLeft, rcTop, rcRight, rcBottom)

class TFloatingWindow : public TCustomForm {
    TAVIN_PUBLISHED_CLASS(TFloatingWindow, TCustomForm)
public:
    // A window without a form resource.
    explicit TFloatingWindow(TComponent* owner);

    TRurCustomToolBar* RurCustomToolBar() const { return FRurCustomToolBar; }
    void SetRurCustomToolBar(TRurCustomToolBar* value) { FRurCustomToolBar = value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    // clNone draws no frame; stored without a repaint.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    // Set by the toolbar once it sized the window; the toolbar then leaves the size alone.
    bool SizeInit() const { return FSizeInit; }
    void SetSizeInit(bool value) { FSizeInit = value; }
    bool Resizing() const { return FResizing; }
    // Wraps the window around the toolbar, the toolbar inside the frame.
    void SetWindowSize();
    // Shows the window without taking the activation from the form the user works in.
    void ShowFloating();

protected:
    void Loaded() override;
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void ResizeStep(int x, int y);
    // Lays the toolbar out in rows and keeps the fixed edge in place.
    void ChangeRows(int rows);
    int Margin() const;

    TRurCustomToolBar* FRurCustomToolBar = nullptr;
    int FBorderWidth = 2;
    TColor FBorderColor = 0x6D6D6D;
    TCursor FOldCursor = crDefault;
    bool FResizing = false;
    int FMouseX = 0, FMouseY = 0;
    int FResizingDir = 0;
    TResizingClip FResizingClip = rcLeft;
    bool FSizeInit = false;
};
