#pragma once
// The styled hint: a component that shows short texts in its own hint window, at a point, at the
// cursor after the application's hint pause, or centred above or below a rectangle, with an
// optional bold title, image and fade-in.
#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "scDrawUtils.h"

// Window timer of the hint's fade-in.
constexpr UINT_PTR HintFadeTimer = 10;

class TscHint;

class TscHintWindow : public THintWindow {
    TAVIN_CLASS(TscHintWindow, THintWindow)
public:
    explicit TscHintWindow(TComponent* owner);
    ~TscHintWindow() override;

    void WndProc(TMessage& message) override;

    // Also the application's showing of control hints, when this is its hint window class: the
    // window then serves the main form's application-wide TscHint.
    void ActivateHint(TRect rect, const String& hint) override;
    void ActivateHintEx(TRect rect, const String& title, const String& hint, int imageIndex,
                        TCustomImageList* images);
    void ActivateHintFromRect(const TRect& rect, const String& hint, bool top);
    bool IsShown() const;
    // The layered alpha the fade-in has reached.
    int AnimationAlpha() const { return FAnimationAlpha; }
    int AnimationStep() const { return FAnimationStep; }

    TscHint* FHint = nullptr;
    bool AppHint = false;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TscHint;
    enum class TPlacement { AtPoint, FromRectAbove, FromRectBelow };
    void Show(TRect rect, const String& hint, bool extended, TPlacement placement);
    void PrepareFont(TCanvas* canvas) const;
    TSize ExtendedSize(TCanvas* canvas, const String& text);

    bool FOldAlphaBlend = false;
    int FAnimationStep = 0;
    int FAnimationAlpha = 0;
    bool FExtendedStyle = false;
    String FTitle;
    int FImageIndex = -1;
    TCustomImageList* FImages = nullptr;
};

class TscHint : public TComponent {
    TAVIN_PUBLISHED_CLASS(TscHint, TComponent)
public:
    explicit TscHint(TComponent* owner);
    ~TscHint() override;

    bool ActiveForApplication() const { return FActiveForApplication; }
    // Set, the application shows every control hint in a TscHintWindow served by this hint
    // (cleared, it keeps doing so).
    void SetActiveForApplication(bool value);
    const String& LineSeparator() const { return FLineSeparator; }
    void SetLineSeparator(const String& value) { FLineSeparator = value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte value) { FAlphaBlendValue = value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }

    // At once at the screen point.
    void ActivateHint(TPoint p, const String& hint);
    // At the cursor after the application's hint pause, hidden after its hide pause.
    void ActivateHint(const String& hint);
    // Centred above (top) or below the screen rectangle after the hint pause.
    void ActivateHint(const TRect& fromRect, const String& hint, bool top);
    void ActivateHintEx(TPoint p, const String& title, const String& hint, int imageIndex, TCustomImageList* images);
    void ActivateHintEx(const String& title, const String& hint, int imageIndex, TCustomImageList* images);
    void HideHint();
    bool IsVisible() const { return FHW->IsShown(); }
    TscHintWindow* HintWindow() const { return FHW; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    enum class TPending { AtCursor, FromRect };
    void StartTimer(TPending pending);
    void TimerFired(TObject*);
    void HideTimerFired(TObject*) { HideHint(); }
    void SetImages(TCustomImageList* images);

    bool FAlphaBlend = false;
    Byte FAlphaBlendValue = 255;
    bool FAlphaBlendAnimation = false;
    std::unique_ptr<TTimer> HintTimer;
    String HintText;
    String FLineSeparator = u"@@";
    TRect FromRect;
    bool Top = false;
    TscHintWindow* FHW;
    bool FActiveForApplication = false;
    String FHintTitle;
    int FHintImageIndex = -1;
    TCustomImageList* FHintImageList = nullptr;
    int FCursorHeight = 0;
    TPending FPending = TPending::AtCursor;

    friend class TscHintWindow;
};

// Height in pixels from the cursor's hot spot to the bottom of its visible image.
int GetCursorHintOffset();
