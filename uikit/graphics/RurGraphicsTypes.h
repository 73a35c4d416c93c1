#pragma once
// The drawing state of the UI kit's canvas-independent drawing object: how shapes are filled and
// stroked, which font text uses, and a snapshot of the three; passive values with change
// notification and assignment between each other. Also the named-colour table and a few colour
// helpers for the plain canvas back end.
#include "Graphics.h"
#include "RurGraphicsPath.h"
#include "RurObjectJSON.h"
#include "RurOwnedCollection.h"
#include "RurTypes.h"

TAVIN_ENUM(TRurGraphicsFillKind, gfkNone, gfkSolid, gfkGradient, gfkTexture)
TAVIN_ENUM(TRurGraphicsFillOrientation, gfoHorizontal, gfoVertical, gfoCustom)
TAVIN_ENUM(TRurGraphicsFillGradientType, gfgtLinear, gfgtRadial)
TAVIN_ENUM(TRurGraphicsFillGradientMode, gfgmDefault, gfgmCollection)
TAVIN_ENUM(TRurGraphicsTextureMode, gtmOriginal, gtmFit, gtmStretch, gtmCenter, gtmTile)
TAVIN_ENUM(TRurGraphicsStrokeKind, gskNone, gskSolid, gskDash, gskDot, gskDashDot, gskDashDotDot)
TAVIN_ENUM(TRurGraphicsTextAlign, gtaCenter, gtaLeading, gtaTrailing)
TAVIN_ENUM(TRurGraphicsTextTrimming, gttNone, gttCharacter, gttWord)
TAVIN_ENUM(TRurGraphicsTextQuality, gtqDefault, gtqAntiAliasing, gtqClearType)
TAVIN_ENUM(TRurGraphicsSide, gsLeft, gsTop, gsRight, gsBottom)
using TRurGraphicsSides = TSet<TRurGraphicsSide>;
TAVIN_ENUM(TRurGraphicsCorner, gcTopLeft, gcTopRight, gcBottomLeft, gcBottomRight)
using TRurGraphicsCorners = TSet<TRurGraphicsCorner>;
TAVIN_ENUM(TRurGraphicsModifyPointMode, gcpmNone, gcpmLeftUp, gcpmRightDown, gcpmLeftDown, gcpmRightUp)
TAVIN_ENUM(TRurGraphicsExpanderState, gesCollapsed, gesExpanded)
TAVIN_ENUM(TRurGraphicsCompactState, gcsCollapsed, gcsExpanded)

// What the graphics state types store for "no colour" (clNone as set).
constexpr TColor gcNoColor = TColor(0xFFFFFFFF);
// What they store for clDefault: the button-face system colour.
constexpr TColor gcDefaultColor = TColor(0xFF00000F);

class TRurCustomGraphicsFill;

// One colour stop of a gradient.
class TRurGraphicsFillGradientItem : public TCollectionItem, public TRurJSONObject<TRurGraphicsFillGradientItem> {
    TAVIN_PUBLISHED_CLASS(TRurGraphicsFillGradientItem, TCollectionItem)
public:
    explicit TRurGraphicsFillGradientItem(TCollection* collection);

    // From another item: the three values, without notification.
    void Assign(const TPersistent* source) override;

    float Opacity() const { return FOpacity; }
    void SetOpacity(float value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // 0 to 1 along the gradient.
    float Position() const { return FPosition; }
    void SetPosition(float value);

private:
    bool IsOpacityStored() const { return FOpacity != 1.0f; }
    bool IsPositionStored() const { return FPosition != 0.0f; }

    TColor FColor = 0xFFFFFF;
    float FPosition = 0;
    float FOpacity = 1;
};

// The stops of a fill; a change of any of them is a change of the fill.
class TRurGraphicsFillGradientItems : public TRurOwnedCollection<TRurGraphicsFillGradientItem>,
                                      public TRurJSONObject<TRurGraphicsFillGradientItems> {
    TAVIN_CLASS(TRurGraphicsFillGradientItems, TRurOwnedCollection<TRurGraphicsFillGradientItem>)
public:
    explicit TRurGraphicsFillGradientItems(TRurCustomGraphicsFill* owner);

    // The item class the collection is made with.
    static TClass GetGradientItemClass() { return TRurGraphicsFillGradientItem::StaticClass(); }

    TRurGraphicsFillGradientItem* Add();
    TRurGraphicsFillGradientItem* Insert(int index);
    TRurGraphicsFillGradientItem* GetItemEx(int index) const;
    // Assigns value into the item at index.
    void SetItemEx(int index, const TRurGraphicsFillGradientItem* value);

protected:
    void Update(TCollectionItem* item) override;

private:
    TRurCustomGraphicsFill* FOwner;
};

// How a shape is filled. Colour setters store clNone as gcNoColor and clDefault as
// gcDefaultColor; every change notifies OnChanged unless an update is open.
class TRurCustomGraphicsFill : public TPersistent, public TRurJSONObject<TRurCustomGraphicsFill> {
    TAVIN_CLASS(TRurCustomGraphicsFill, TPersistent)
public:
    TRurCustomGraphicsFill(TRurGraphicsFillKind kind, TColor color);
    TRurCustomGraphicsFill(const TRurCustomGraphicsFill&) = delete;
    TRurCustomGraphicsFill& operator=(const TRurCustomGraphicsFill&) = delete;

    // From a fill: everything but the gradient matrix; from a stroke: a solid fill of its colour;
    // from anything else: nothing. Notifies once.
    void Assign(const TPersistent* source) override;
    virtual void BeginUpdate();
    // Closes an update and notifies (once the count is back at 0).
    virtual void EndUpdate();
    virtual void ClearGradientItems();
    virtual TRurGraphicsFillGradientItem* AddGradientItem(TColor color, float position, float opacity);

    TNotifyEvent OnChanged() const { return FOnChanged; }
    void SetOnChanged(TNotifyEvent value) { FOnChanged = value; }
    TRurGraphicsFillKind Kind() const { return FKind; }
    void SetKind(TRurGraphicsFillKind value);
    TRurGraphicsFillOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TRurGraphicsFillOrientation value);
    TRurGraphicsFillOrientation GradientOrientation() const { return FOrientation; }
    void SetGradientOrientation(TRurGraphicsFillOrientation value) { SetOrientation(value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor value);
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float value);
    TRurBitmap* Texture() const { return FTexture.get(); }
    void SetTexture(TRurBitmap* value);
    TRurGraphicsTextureMode TextureMode() const { return FTextureMode; }
    void SetTextureMode(TRurGraphicsTextureMode value);
    TRurGraphicsFillGradientMode GradientMode() const { return FGradientMode; }
    void SetGradientMode(TRurGraphicsFillGradientMode value);
    TRurGraphicsFillGradientItems* GradientItems() const { return FGradientItems.get(); }
    void SetGradientItems(TRurGraphicsFillGradientItems* value);
    TRurGraphicsFillGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TRurGraphicsFillGradientType value);
    // Degrees, for gfoCustom.
    float GradientAngle() const { return FGradientAngle; }
    void SetGradientAngle(float value);
    TPointF GradientCenterPoint() const { return FGradientCenterPoint; }
    // Notifies even when the point is the same.
    void SetGradientCenterPoint(TPointF value);
    // gcNoColor for none; stored as given.
    TColor GradientCenterColor() const { return FGradientCenterColor; }
    void SetGradientCenterColor(TColor value);
    const TRurGraphicsMatrix& GradientMatrix() const { return FGradientMatrix; }
    void SetGradientMatrix(const TRurGraphicsMatrix& value) { FGradientMatrix = value; }

protected:
    // Tells OnChanged, unless an update is open.
    void Changed();

private:
    friend class TRurGraphicsFillGradientItems;
    void TextureChanged(TObject* sender);
    void CopyFrom(const TPersistent* source);
    void StoreColor(TColor& field, TColor value);

    int FUpdateCount = 0;
    TNotifyEvent FOnChanged;
    TRurGraphicsFillOrientation FOrientation = gfoVertical;
    TRurGraphicsFillKind FKind;
    TColor FColor;
    TColor FColorTo = 0x808080;
    TColor FColorMirror = gcNoColor;
    TColor FColorMirrorTo = gcNoColor;
    float FOpacity = 1;
    std::unique_ptr<TRurBitmap> FTexture;
    TRurGraphicsTextureMode FTextureMode = gtmStretch;
    TRurGraphicsFillGradientMode FGradientMode = gfgmDefault;
    std::unique_ptr<TRurGraphicsFillGradientItems> FGradientItems;
    TRurGraphicsFillGradientType FGradientType = gfgtLinear;
    float FGradientAngle = 0;
    TPointF FGradientCenterPoint;
    TColor FGradientCenterColor = gcNoColor;
    TRurGraphicsMatrix FGradientMatrix = TRurGraphicsMatrix::Identity();
};

class TRurGraphicsFill : public TRurCustomGraphicsFill {
    TAVIN_PUBLISHED_CLASS(TRurGraphicsFill, TRurCustomGraphicsFill)
public:
    TRurGraphicsFill(TRurGraphicsFillKind kind, TColor color) : TRurCustomGraphicsFill(kind, color) {}
};

// How a shape's outline is drawn.
class TRurCustomGraphicsStroke : public TPersistent, public TRurJSONObject<TRurCustomGraphicsStroke> {
    TAVIN_CLASS(TRurCustomGraphicsStroke, TPersistent)
public:
    TRurCustomGraphicsStroke(TRurGraphicsStrokeKind kind, TColor color);

    // From a stroke: everything; from a fill: a solid stroke of its colour, width and opacity 1;
    // from anything else: nothing. Notifies once.
    void Assign(const TPersistent* source) override;
    virtual void BeginUpdate();
    virtual void EndUpdate();

    TNotifyEvent OnChanged() const { return FOnChanged; }
    void SetOnChanged(TNotifyEvent value) { FOnChanged = value; }
    TRurGraphicsStrokeKind Kind() const { return FKind; }
    void SetKind(TRurGraphicsStrokeKind value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // In drawing units.
    float Width() const { return FWidth; }
    void SetWidth(float value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float value);

protected:
    void Changed();
    bool IsWidthStored() const { return FWidth != 1.0f; }

private:
    int FUpdateCount = 0;
    TNotifyEvent FOnChanged;
    TRurGraphicsStrokeKind FKind;
    TColor FColor;
    float FWidth = 1;
    float FOpacity = 1;
};

class TRurGraphicsStroke : public TRurCustomGraphicsStroke {
    TAVIN_PUBLISHED_CLASS(TRurGraphicsStroke, TRurCustomGraphicsStroke)
public:
    TRurGraphicsStroke(TRurGraphicsStrokeKind kind, TColor color) : TRurCustomGraphicsStroke(kind, color) {}
};

// A framework font that reports every change of name, size, style or colour through OnChanged.
class TRurGraphicsFont : public TFont, public TRurJSONObject<TRurGraphicsFont> {
    TAVIN_CLASS(TRurGraphicsFont, TFont)
public:
    TRurGraphicsFont();

    void Assign(const TPersistent* source) override;
    virtual void AssignSource(const TPersistent* source) { Assign(source); }
    virtual void BeginUpdate();
    virtual void EndUpdate();

    TNotifyEvent OnChanged() const { return FOnChanged; }
    void SetOnChanged(TNotifyEvent value) { FOnChanged = value; }

protected:
    void Changed() override;

private:
    void Notify();

    int FUpdateCount = 0;
    TNotifyEvent FOnChanged;
};

// A snapshot of the drawing state the drawing object keeps per saved state.
class TRurGraphicsSaveState : public TPersistent, public TRurJSONObject<TRurGraphicsSaveState> {
    TAVIN_CLASS(TRurGraphicsSaveState, TPersistent)
public:
    TRurGraphicsSaveState();

    int SaveDC() const { return FSaveDC; }
    void SetSaveDC(int value) { FSaveDC = value; }
    TRurGraphicsFont* Font() const { return FFont.get(); }
    void SetFont(const TRurGraphicsFont* value) { FFont->Assign(value); }
    TRurGraphicsStroke* Stroke() const { return FStroke.get(); }
    void SetStroke(const TRurGraphicsStroke* value) { FStroke->Assign(value); }
    TRurGraphicsFill* Fill() const { return FFill.get(); }
    void SetFill(const TRurGraphicsFill* value) { FFill->Assign(value); }
    uintptr_t CustomSaveDC() const { return FCustomSaveDC; }
    void SetCustomSaveDC(uintptr_t value) { FCustomSaveDC = value; }

private:
    int FSaveDC = 0;
    std::unique_ptr<TRurGraphicsFont> FFont;
    std::unique_ptr<TRurGraphicsStroke> FStroke;
    std::unique_ptr<TRurGraphicsFill> FFill;
    uintptr_t FCustomSaveDC = 0;
};

// One entry of the named-colour table.
class TRurGraphicsColorObject : public TObject, public TRurJSONObject<TRurGraphicsColorObject> {
    TAVIN_CLASS(TRurGraphicsColorObject, TObject)
public:
    explicit TRurGraphicsColorObject(TColor color) : FColor(color) {}
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }

private:
    TColor FColor;
};

// Builds the named-colour table (the CSS colour keywords, lower case, sorted, each object a
// TRurGraphicsColorObject) and frees it. For the program's start-up table.
void RurGraphicsTypesInitialize();
void RurGraphicsTypesFinalize();
// The named-colour table; null outside start-up and shut-down.
TStringList* NamedColorList();

TColor MakeRGB(Byte r, Byte g, Byte b);
// Moves each channel percent of the way to 255 (0: unchanged, 100: white).
TColor LightenColor(TColor color, Byte percent);
// Corner bits of DrawRoundedGradient.
constexpr Byte RoundedTopLeft = 1, RoundedTopRight = 2, RoundedBottomLeft = 4, RoundedBottomRight = 8;
// A stepped two-colour gradient of one filled rectangle per pixel row or column, the corners
// named in corners cut to a quarter circle of radius.
void DrawRoundedGradient(TCanvas& canvas, TColor fromColor, TColor toColor, const TRect& rect, float radius,
                         Byte corners, bool horizontal);
