#pragma once
// A container painted entirely with GDI+: its client area is one GDI+ fill, with a plain caption
// drawn with a gradient, hatch or picture brush, an optional caption band and separator line, a
// second caption in the kit's markup with clickable anchors, and an optional resize grip. It can
// be dragged by its top band, resized by its grip, look transparent over its parent, take the
// kit's looks and colour tones, and keep its fill in an INI file. Everything is drawn into one
// cached bitmap that is rebuilt only after a change.
#include <memory>
#include <vector>

#include "Controls.h"
#include "GDIPFill.h"
#include "GDIPPictureContainer.h"
#include "RurHTML.h"
#include "ImgList.h"
#include "RurHintInfo.h"
#include "RurStyleIF.h"

class TRurSmoothPanel;

TAVIN_ENUM(TRurSmoothPanelLocation, plTopLeft, plTopCenter, plTopRight, plCenterLeft, plCenterCenter, plCenterRight,
           plBottomLeft, plBottomCenter, plBottomRight, plCustom)
TAVIN_ENUM(TRurSmoothPanelTextRenderingHint, tAntiAlias, tAntiAliasGridFit, tClearType)

using TRurSmoothPanelAnchorClickEvent = TEvent<TObject*, String>;
using TRurSmoothPanelAnchorHintEvent = TEvent<TObject*, String&>;
using TRurSmoothPanelDrawEvent = TEvent<TObject*, TCanvas*, TRect>;

// The panel's two captions: every change repaints the panel.
class TRurSmoothPanelCaption : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TRurSmoothPanelCaption, TPersistent)
public:
    explicit TRurSmoothPanelCaption(TRurSmoothPanel* AOwner);
    ~TRurSmoothPanelCaption() override;

    // From another caption all but LineColor, TextRendering and the band colours.
    void Assign(const TPersistent* Source) override;
    // The caption keeps nothing in a theme file.
    void SaveToFile(TCustomIniFile&, const String&) {}
    void LoadFromfile(TCustomIniFile&, const String&) {}

    const String& Text() const { return FText; }
    void SetText(const String& value) { Store(FText, value); }
    TRurSmoothPanelLocation Location() const { return FLocation; }
    void SetLocation(TRurSmoothPanelLocation value) { Store(FLocation, value); }
    int Left() const { return FLeft; }
    void SetLeft(int value) { Store(FLeft, value); }
    int Top() const { return FTop; }
    void SetTop(int value) { Store(FTop, value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    TColor ColorStart() const { return FColorStart; }
    void SetColorStart(TColor value) { Store(FColorStart, value); }
    TColor ColorEnd() const { return FColorEnd; }
    void SetColorEnd(TColor value) { Store(FColorEnd, value); }
    Byte OpacityStart() const { return FOpacityStart; }
    void SetOpacityStart(Byte value) { Store(FOpacityStart, value); }
    Byte OpacityEnd() const { return FOpacityEnd; }
    void SetOpacityEnd(Byte value) { Store(FOpacityEnd, value); }
    RurGDIP::TRurGradientType GradientType() const { return FGradientType; }
    void SetGradientType(RurGDIP::TRurGradientType value) { Store(FGradientType, value); }
    RurGDIP::HatchStyle HatchStyle() const { return FHatchStyle; }
    void SetHatchStyle(RurGDIP::HatchStyle value) { Store(FHatchStyle, value); }
    RurGDIP::TRurGDIPPicture* Picture() const { return FPicture.get(); }
    void SetPicture(RurGDIP::TRurGDIPPicture* value) { FPicture->Assign(value); }
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value) { Store(FTextAlignment, value); }
    bool TextWordWrapping() const { return FTextWordWrapping; }
    void SetTextWordWrapping(bool value) { Store(FTextWordWrapping, value); }
    TRurSmoothPanelTextRenderingHint TextRendering() const { return FTextRendering; }
    void SetTextRendering(TRurSmoothPanelTextRenderingHint value) { Store(FTextRendering, value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { Store(FBackgroundColor, value); }
    TColor BackgroundColorTo() const { return FBackgroundColorTo; }
    void SetBackgroundColorTo(TColor value) { Store(FBackgroundColorTo, value); }
    bool Line() const { return FLine; }
    void SetLine(bool value) { Store(FLine, value); }
    TColor LineColor() const { return FLineColor; }
    virtual void SetLineColor(TColor value) { Store(FLineColor, value); }
    const String& HTMLText() const { return FHTMLText; }
    void SetHTMLText(const String& value) { Store(FHTMLText, value); }
    TFont* HTMLFont() const { return FHTMLFont.get(); }
    void SetHTMLFont(TFont* value) { FHTMLFont->Assign(value); }
    TRurSmoothPanelLocation HTMLLocation() const { return FHTMLLocation; }
    void SetHTMLLocation(TRurSmoothPanelLocation value) { Store(FHTMLLocation, value); }
    int HTMLLeft() const { return FHTMLLeft; }
    void SetHTMLLeft(int value) { Store(FHTMLLeft, value); }
    int HTMLTop() const { return FHTMLTop; }
    void SetHTMLTop(int value) { Store(FHTMLTop, value); }
    TColor HTMLURLColor() const { return FHTMLURLColor; }
    void SetHTMLURLColor(TColor value) { Store(FHTMLURLColor, value); }
    TColor HTMLShadowColor() const { return FHTMLShadowColor; }
    void SetHTMLShadowColor(TColor value) { Store(FHTMLShadowColor, value); }
    int HTMLShadowOffset() const { return FHTMLShadowOffset; }
    void SetHTMLShadowOffset(int value) { Store(FHTMLShadowOffset, value); }
    bool HTMLWordWrapping() const { return FHTMLWordWrapping; }
    void SetHTMLWordWrapping(bool value) { Store(FHTMLWordWrapping, value); }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    TPersistent* GetOwner() const override;

private:
    template <class T>
    void Store(T& AField, const T& AValue)
    {
        if (AField != AValue) {
            AField = AValue;
            Changed(this);
        }
    }
    void Changed(TObject*);

    TRurSmoothPanel* FOwner;
    String FText;
    TRurSmoothPanelLocation FLocation = plTopLeft;
    int FLeft = 0;
    int FTop = 0;
    std::unique_ptr<TFont> FFont;
    TColor FColorStart = 0xB0721C;
    TColor FColorEnd = 0x9F661A;
    Byte FOpacityStart = 255;
    Byte FOpacityEnd = 255;
    RurGDIP::TRurGradientType FGradientType = RurGDIP::gtVertical;
    RurGDIP::HatchStyle FHatchStyle = RurGDIP::HatchStyleHorizontal;
    std::unique_ptr<RurGDIP::TRurGDIPPicture> FPicture;
    TAlignment FTextAlignment = taLeftJustify;
    bool FTextWordWrapping = true;
    TRurSmoothPanelTextRenderingHint FTextRendering = tAntiAliasGridFit;
    TColor FBackgroundColor = clNone;
    TColor FBackgroundColorTo = clNone;
    bool FLine = true;
    TColor FLineColor = 0xB0721C;
    String FHTMLText;
    std::unique_ptr<TFont> FHTMLFont;
    TRurSmoothPanelLocation FHTMLLocation = plCenterCenter;
    int FHTMLLeft = 0;
    int FHTMLTop = 0;
    TColor FHTMLURLColor = 0xFF0000;
    TColor FHTMLShadowColor = 0x808080;
    int FHTMLShadowOffset = 5;
    bool FHTMLWordWrapping = true;
    TNotifyEvent FOnChange;
};

class TRurSmoothPanel : public TCustomControl, public IRujTones, public IRujStyle {
    TAVIN_PUBLISHED_CLASS(TRurSmoothPanel, TCustomControl)
public:
    explicit TRurSmoothPanel(TComponent* AOwner);
    ~TRurSmoothPanel() override;

    void WndProc(TMessage& AMessage) override;
    // From another panel: captions, fill and transparency.
    void Assign(const TPersistent* Source) override;
    // The anchor of the markup caption under the point; with AFocus the focused anchor instead.
    String GetAnchorAt(int X, int Y, bool AFocus = false);
    // The plain caption's height, measured as painting does.
    float GetCaptionHeight();
    void SetColorTones(const TColorTones& ATones) override;
    void SetComponentStyle(TRujStyle AStyle) override;
    TRujStyle GetComponentStyle() const { return FRujStyle; }
    String GetThemeId() const { return ClassName(); }
    // The fill in the INI section "TRurSmoothPanel.Fill" of the file.
    void SaveToTheme(const String& AFileName);
    void LoadFromTheme(const String& AFileName);
    virtual int GetVersionNr() const { return 0x01070105; }
    // The top band by which a movable panel is dragged.
    virtual bool PtInCaption(TPoint APoint) const;
    // Marks the cached picture stale and repaints.
    void RefreshPanel();

    bool AnchorHint() const { return FAnchorHint; }
    void SetAnchorHint(bool value) { FAnchorHint = value; }
    bool CanMove() const { return FCanMove; }
    void SetCanMove(bool value) { FCanMove = value; }
    bool Resizable() const { return FResizable; }
    void SetResizable(bool value);
    bool ResizeHandle() const { return FResizeHandle; }
    void SetResizeHandle(bool value);
    TColor ResizeHandleColor() const { return FResizeHandleColor; }
    void SetResizeHandleColor(TColor value);
    Byte ResizeHandleOpacity() const { return FResizeHandleOpacity; }
    void SetResizeHandleOpacity(Byte value);
    int ResizeHandleSize() const { return FResizeHandleSize; }
    void SetResizeHandleSize(int value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The panel's captions; the control's text is not a property of this class.
    TRurSmoothPanelCaption* Caption() const { return FCaption.get(); }
    void SetCaption(TRurSmoothPanelCaption* value) { FCaption->Assign(value); }
    TGDIPFill* Fill() const { return FFill.get(); }
    void SetFill(TGDIPFill* value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TRurHintInfo* OfficeHint() const { return FOfficeHint.get(); }
    void SetOfficeHint(TRurHintInfo* value) { FOfficeHint->Assign(value); }
    TGDIPPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TGDIPPictureContainer* value);
    String Version() const;
    void SetVersion(const String&) {}
    TRujStyle UIStyle() const { return FRujStyle; }
    void SetUIStyle(TRujStyle value) { SetComponentStyle(value); }
    TRurSmoothPanelAnchorClickEvent OnAnchorClick() const { return FOnAnchorClick; }
    void SetOnAnchorClick(TRurSmoothPanelAnchorClickEvent value) { FOnAnchorClick = value; }
    TRurSmoothPanelAnchorHintEvent OnAnchorHint() const { return FOnAnchorHint; }
    void SetOnAnchorHint(TRurSmoothPanelAnchorHintEvent value) { FOnAnchorHint = value; }
    TRurSmoothPanelDrawEvent OnDraw() const { return FOnDraw; }
    void SetOnDraw(TRurSmoothPanelDrawEvent value) { FOnDraw = value; }
    TNotifyEvent OnEndMoveSize() const { return FOnEndMoveSize; }
    void SetOnEndMoveSize(TNotifyEvent value) { FOnEndMoveSize = value; }

    // The grip's rectangle in client coordinates.
    TRect GetResizeHandleRect() const;
    // Where a w x h box lies in the rectangle for the location (the centre and bottom rows and the
    // centre column do not add the rectangle's origin).
    static TPoint GetLocationPos(TRurSmoothPanelLocation ALocation, int w, int h, const TRect& ARect);
    // The rectangle of the markup caption as last painted.
    TRect HTMLRect() const { return FHTMLRect; }

protected:
    virtual void DrawPanel(RurGDIP::TGPGraphics& AGraphics);
    void Paint() override;
    void PaintWindow(HDC dc) override;
    void CreateParams(TCreateParams& AParams) override;
    void Loaded() override;
    void Resize() override;
    void ChangeScale(int M, int D, bool AIsDpiChange) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DefineProperties(TFiler& Filer) override;

private:
    void FillChanged(TObject*) { RefreshPanel(); }
    void ApplyVclStyleTones();
    // The plain caption: its box is measured, and drawn unless AMeasureOnly; answers its height.
    float DrawCaption(RurGDIP::TGPGraphics& AGraphics, const TGPRectF& AContent, bool AMeasureOnly);
    void DrawHTMLCaption(RurGDIP::TGPGraphics& AGraphics, TGPRectF AContent, float ACaptionHeight);
    void DrawGrip(RurGDIP::TGPGraphics& AGraphics);
    // Draws the panel's picture when it is stale; false when the panel is too small to have one.
    bool UpdateCache();
    // The caption engine on the markup caption with the panel's settings.
    bool RunHTML(RurGDIP::TGPGraphics& AGraphics, const TRect& ARect, int AX, int AY, bool AHitTest,
                 bool AMeasureOnly, THTMLDrawResult& AResult);
    int ShadowWidth() const;
    // Shows a cursor of the panel's own, keeping the one the user set to come back to.
    void ShowCursor(TCursor ACursor);

    bool FAnchorHint = false;
    bool FCanMove = false;
    bool FResizable = false;
    bool FResizeHandle = true;
    TColor FResizeHandleColor = 0;
    Byte FResizeHandleOpacity = 255;
    int FResizeHandleSize = 17;
    bool FTransparent = true;
    std::unique_ptr<TRurSmoothPanelCaption> FCaption;
    std::unique_ptr<TGDIPFill> FFill;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TRurHintInfo> FOfficeHint;
    TGDIPPictureContainer* FPictureContainer = nullptr;
    TRurSmoothPanelAnchorClickEvent FOnAnchorClick;
    TRurSmoothPanelAnchorHintEvent FOnAnchorHint;
    TRurSmoothPanelDrawEvent FOnDraw;
    TNotifyEvent FOnEndMoveSize;

    String FOldAnchor;
    TRujStyle FRujStyle = tsCustom;
    TPoint FOldPos{};
    bool FResizing = false;
    // The panel's picture, drawn again only after a change, over pixels of its own so that
    // painting can tell whether it hides everything behind it.
    bool FCacheStale = true;
    bool FCacheOpaque = false;
    std::vector<uint32_t> FCachePixels;
    std::unique_ptr<RurGDIP::TGPBitmap> FCache;
    TCursor FUserCursor = crDefault;
    TCursor FShownCursor = crDefault;
    bool FMouseOnAnchor = false;
    TRect FHTMLRect{};
};
