#pragma once
// Balloon tips: a small borderless, topmost window in the tooltip colour, a rounded rectangle with
// an arrow pointing at a screen point, showing an icon, a bold title and a text. It never takes the
// focus and releases itself after its duration or on a click.
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "Timers.h"

TAVIN_ENUM(TBalloonType, blnInfo, blnError, blnWarning)
TAVIN_ENUM(TBalloonHoriz, blnLeft, blnMiddle, blnRight)
TAVIN_ENUM(TBalloonVert, blnTop, blnCenter, blnBottom)
// Where the body lies relative to the anchor point: above it (Top) or below it (Bottom).
TAVIN_ENUM(TBalloonPosition, blnArrowTopLeft, blnArrowTopRight, blnArrowBottomLeft, blnArrowBottomRight)

class TBalloon : public TCustomForm {
    TAVIN_PUBLISHED_CLASS(TBalloon, TCustomForm)
public:
    // The form without a form resource; the second argument only tells this constructor apart.
    TBalloon(TComponent* owner, int dummy);

    // Lays out, shapes and shows the balloon with its arrow tip at the screen point (left, top)
    // and starts the close timer (duration in seconds; zero or less: only a click closes it).
    void ShowBalloon(int left, int top, const String& title, const String& text, TBalloonType type, int duration,
                     TBalloonPosition position);
    // Anchors the balloon at a side or the centre of the control's window rectangle.
    void ShowControlBalloon(TWinControl* control, TBalloonHoriz horiz, TBalloonVert vert, const String& title,
                            const String& text, TBalloonType type, int duration);

    void WndProc(TMessage& message) override;

    void KeepOnTop(TObject* sender);
    void PaintFrame(TObject* sender);
    void CloseTimer(TObject* sender);
    void CloseOnClick(TObject* sender);

    TLabel* TitleLabel() const { return lblTitle; }
    TLabel* TextLabel() const { return lblText; }
    TImage* IconImage() const { return iconBitmap; }
    TTimer* ExitTimer() const { return tmrExit; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TLabel* lblTitle;
    TLabel* lblText;
    TPanel* pnlAlign;
    TImage* iconBitmap;
    TTimer* tmrExit;
    bool FShowingWithoutActivation = false;
};

// Carries the settings of a balloon and opens one.
class TBalloonControl : public TComponent {
    TAVIN_PUBLISHED_CLASS(TBalloonControl, TComponent)
public:
    explicit TBalloonControl(TComponent* owner);
    ~TBalloonControl() override;

    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    TStrings* Text() const { return FText.get(); }
    void SetText(TStrings* value) { FText->Assign(value); }
    int Duration() const { return FDuration; }
    void SetDuration(int value) { FDuration = value; }
    int PixelCoordinateX() const { return FPixelCoordinateX; }
    void SetPixelCoordinateX(int value) { FPixelCoordinateX = value; }
    int PixelCoordinateY() const { return FPixelCoordinateY; }
    void SetPixelCoordinateY(int value) { FPixelCoordinateY = value; }
    TBalloonHoriz Horizontal() const { return FHorizontal; }
    void SetHorizontal(TBalloonHoriz value) { FHorizontal = value; }
    TBalloonVert Vertical() const { return FVertical; }
    void SetVertical(TBalloonVert value) { FVertical = value; }
    TBalloonPosition Position() const { return FPosition; }
    void SetPosition(TBalloonPosition value) { FPosition = value; }
    TWinControl* Control() const { return FControl; }
    void SetControl(TWinControl* value) { FControl = value; }
    TBalloonType BalloonType() const { return FBalloonType; }
    void SetBalloonType(TBalloonType value) { FBalloonType = value; }

    // Opens a balloon owned by this component's owner with the given settings (ignoring the
    // properties) and answers it; it releases itself.
    TBalloon* ShowBalloon(int left, int top, const String& title, const String& text, TBalloonType type,
                          int duration, TBalloonPosition position);
    // From the properties: beside Control, and at the pixel coordinates.
    TBalloon* ShowControlBalloon();
    TBalloon* ShowPixelBalloon();

private:
    String TrimmedText() const;

    String FTitle;
    std::unique_ptr<TStringList> FText;
    int FDuration = 0;
    int FPixelCoordinateX = 0, FPixelCoordinateY = 0;
    TBalloonHoriz FHorizontal = blnLeft;
    TBalloonVert FVertical = blnTop;
    TBalloonPosition FPosition = blnArrowTopLeft;
    TWinControl* FControl = nullptr;
    TBalloonType FBalloonType = blnInfo;
};
