#pragma once
// The form for windows that carry a ribbon at their top: the system caption is removed so that
// the ribbon's caption band becomes the title bar, while the window keeps behaving like a normal
// top-level window (resize borders and corners, maximising to the work area, dragging, the
// system menu, the drop shadow). Three frame modes: glass (the desktop window manager's frame
// extended into the client area), classic (a caption-less window with its own one-pixel border)
// and tones (the flat looks: no border style, a flat coloured border, the system shadow kept
// below the window, an optional size grip).
//
// Sources: RurToolBarForm.cpp (construction, properties, modes, tones), RurToolBarForm_Frame.cpp
// (window procedure: hit tests, sizing, maximising, the glass frame), RurToolBarForm_Paint.cpp
// (border, size grip, erase), RurToolBarForm_Pager.cpp (what the form asks of its ribbon).
#include "WinApiNames.h"

#include "Forms.h"
#include "RurStyleIF.h"

class TRurToolBarPager;

// The margins the desktop window manager's frame reaches into the client area, and whether the
// extension is on.
struct TRibbonGlassFrame {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Enabled = false;
};

class TRurToolBarForm : public TForm, public IRujTones {
    TAVIN_CLASS(TRurToolBarForm, TForm)
public:
    explicit TRurToolBarForm(TComponent* owner);
    ~TRurToolBarForm() override;

    void WndProc(TMessage& message) override;

    // Glass mode is decided by the ribbon's glass conditions (RibbonGlassAvailable): common
    // controls 6, Windows Vista or later, the style services enabled, composition on.

    // ---- Properties ------------------------------------------------------------------------------
    bool SubclassAsRibbon() const { return FSubClassAsRibbon; }
    void SetSubclassAsRibbon(bool value);
    bool NoDropShadow() const { return FNoDropShadow; }
    void SetNoDropShadow(bool value) { FNoDropShadow = value; }
    bool SingleBorder() const { return FSingleBorder; }
    void SetSingleBorder(bool value);
    bool ThickBorder() const { return FThickBorder; }
    void SetThickBorder(bool value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    TColor SizeGripColor() const { return FSizeGripColor; }
    void SetSizeGripColor(TColor value);
    bool AutoScale() const { return FAutoScale; }
    void SetAutoScale(bool value);

    // ---- State -----------------------------------------------------------------------------------
    bool IsAeroVista() const { return FIsAeroVista; }
    bool InTonesMode() const { return FItones; }
    bool IsWin10() const { return FIsWin10; }
    bool IsWin11() const { return FIsWin11; }
    // The system's window arrangement (snap) setting as read at construction.
    bool WinArrange() const { return FWinArrange; }
    const TRibbonGlassFrame& GlassFrame() const { return FGlassFrame; }
    TColor BorderClr() const { return FBorderClr; }
    // The ribbon suppresses the snap-to-top maximise while it restores the form itself.
    bool NoAutoMax() const { return FNoAutoMax; }
    void SetNoAutoMax(bool value) { FNoAutoMax = value; }
    bool DoSetMetro() const { return FDoSetMetro; }
    void SetDoSetMetro(bool value) { FDoSetMetro = value; }
    int TonesBorderWidth() const { return FBorderWidth; }
    void SetTonesBorderWidth(int value) { FBorderWidth = value; }
    bool Office2013() const { return FOffice2013; }
    void SetOffice2013(bool value) { FOffice2013 = value; }

    // ---- Modes -----------------------------------------------------------------------------------
    // The flat looks: remembers the tones as the unit's ribbon tones and enters tones mode (after
    // loading when they arrive while the form loads).
    void SetColorTones(const TColorTones& ATones) override;
    void LeaveTonesMode();
    // Re-decides glass mode and hands it to the ribbon.
    void UpdateAeroState();
    // Swapping the frame between a dock panel (a caption-less window of its own) and a ribbon.
    void SwitchFromDockPanelToRibbon(TWinControl* dockPanel, TWinControl* ribbon);
    void SwitchFromRibbonToDockPanel(TWinControl* ribbon, TWinControl* dockPanel);
    void InitDockPanelAndRibbon(TWinControl* dockPanel, TWinControl* ribbon);
    void InitRibbonAndDockPanel(TWinControl* ribbon, TWinControl* dockPanel);
    // Glass, maximised, with the kit's glass and scenic switches on, on Windows 7 or later.
    bool IsWin7ScenicMaximized() const;
    bool IsMaximizedToWorkArea() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Loaded() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void PaintWindow(HDC dc) override;
    // The client area the children are laid out in: inside the form's own border.
    void AdjustClientRect(TRect& rect) const;

private:
    void InitTones();
    void Activate();
    void ApplySingleBorder(bool value);
    bool UseSingleBorder() const;
    bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
    bool Maximized() const { return IsZoomed(HandleIfAllocated()) != FALSE; }
    // Makes the form one pixel wider or narrower and back, which lays the frame out anew.
    void NudgeWidth(int delta);
    void EnterTonesMode();
    void UpdateSysShadow();
    // The glass frame's margins for the current window state, and their extension.
    void SetUpGlassFrame();
    void ApplyGlassFrame();

    // Window procedure parts (RurToolBarForm_Frame.cpp).
    void RibbonWndProc(TMessage& message);
    bool HandleToolBarMessage(TMessage& message);
    void DwmFrameProc(TMessage& message, bool& callDefault);
    void NCHitTest(TMessage& message);
    void NCLButtonDown(TMessage& message);
    void GetMinMaxInfo(TMessage& message);
    void WindowPosChanging(TMessage& message);
    void Size(TMessage& message);
    void EraseBackground(TMessage& message);
    void ExitSizeMove();
    void RefreshFrame();

    // Painting (RurToolBarForm_Paint.cpp).
    void Paint();
    void CheckStateChange();
    void DrawSizeGrip();
    void FillBelowCaption(int captionHeight);

    // The ribbon (RurToolBarForm_Pager.cpp): the first child pager and what the form asks of it.
    TRurToolBarPager* FirstPager() const;
    int GetPagerCaptionHeight() const;
    int GetGlassTabExtra() const;
    TColor PagerBorderColor() const;
    void PagerSetAeroVista(bool value);
    void PagerSetColorTones(const TColorTones& tones);
    // Hides the ribbon's pages below a width of 300 and shows them again above.
    void PagerCheckHideState();

    bool FIsAeroVista = false;
    bool FDestroying = false;
    TWindowState FOldWndState = wsNormal;
    bool FActivated = false;
    bool FCreated = false;
    bool FIsWin7 = false, FIsWin10 = false, FIsWin11 = false;
    bool FSubClassAsRibbon = true;
    bool FNoDropShadow = false;
    int FMaxY = 0, FMaxX = 0;
    bool FUpdatingSize = false;
    bool FDoNotSizeWindow = false;
    bool FSwitchingOnXP = false;
    bool FSingleBorder = false;
    TFormBorderStyle FInitBorderStyle = bsSizeable;
    bool FThickBorder = false;
    bool FItones = false;
    bool FOffice2013 = false;
    bool FItonesBeingSet = false;
    bool FOldGlassFrameEnable = false;
    TFormBorderStyle FOldBorderStyle = bsSizeable;
    TColor FBorderClr = clNone;
    TColor FSizeGripColor = 0xF2BC00;
    bool FSizeGrip = false;
    HWND FSysShadowHandle = nullptr;
    bool FDoSetMetro = false;
    int FBorderWidth = 2;
    bool FAutoScale = false;
    bool FNoAutoMax = false;
    bool FWinArrange = true;
    DWORD FLastClick = 0;
    int FOldHeight = 0, FOldTop = 0;
    bool FDblClickMax = false;
    // Between the start and the end of an interactive move (not a sizing).
    bool FInSizeMove = false, FMovedInSizeMove = false;
    // The window state the last position change saw.
    TWindowState FPosState = wsNormal;
    TRibbonGlassFrame FGlassFrame;
};
