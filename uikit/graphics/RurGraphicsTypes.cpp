#include "RurGraphicsTypes.h"

namespace {

// The colour setters' rule: clNone and clDefault are stored as the values the back ends read.
TColor StoredColor(TColor value)
{
    return value == clNone ? gcNoColor : value == clDefault ? gcDefaultColor : value;
}

} // namespace

// ---- Gradient items ------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurGraphicsFillGradientItem)
{
    TAVIN_PROPERTY(float, Opacity).Stored(&TRurGraphicsFillGradientItem::IsOpacityStored);
    TAVIN_PROPERTY(TColor, Color).Default(0xFFFFFF);
    TAVIN_PROPERTY(float, Position).Stored(&TRurGraphicsFillGradientItem::IsPositionStored);
}

TRurGraphicsFillGradientItem::TRurGraphicsFillGradientItem(TCollection* collection) : TCollectionItem(collection) {}

void TRurGraphicsFillGradientItem::Assign(const TPersistent* source)
{
    auto item = dynamic_cast<const TRurGraphicsFillGradientItem*>(source);
    if (!item) {
        inherited::Assign(source);
        return;
    }
    FColor = item->FColor;
    FOpacity = item->FOpacity;
    FPosition = item->FPosition;
}

void TRurGraphicsFillGradientItem::SetOpacity(float value)
{
    FOpacity = value;
    Changed(false);
}

void TRurGraphicsFillGradientItem::SetColor(TColor value)
{
    FColor = value;
    Changed(false);
}

void TRurGraphicsFillGradientItem::SetPosition(float value)
{
    FPosition = value;
    Changed(false);
}

TRurGraphicsFillGradientItems::TRurGraphicsFillGradientItems(TRurCustomGraphicsFill* owner)
    : TRurOwnedCollection(owner, GetGradientItemClass()), FOwner(owner)
{
}

TRurGraphicsFillGradientItem* TRurGraphicsFillGradientItems::Add()
{
    return static_cast<TRurGraphicsFillGradientItem*>(TRurOwnedCollection::Add());
}

TRurGraphicsFillGradientItem* TRurGraphicsFillGradientItems::Insert(int index)
{
    return static_cast<TRurGraphicsFillGradientItem*>(TRurOwnedCollection::Insert(index));
}

TRurGraphicsFillGradientItem* TRurGraphicsFillGradientItems::GetItemEx(int index) const
{
    return GetItem(index);
}

void TRurGraphicsFillGradientItems::SetItemEx(int index, const TRurGraphicsFillGradientItem* value)
{
    GetItemEx(index)->Assign(value);
}

void TRurGraphicsFillGradientItems::Update(TCollectionItem* item)
{
    TRurOwnedCollection::Update(item);
    if (FOwner)
        FOwner->Changed();
}

// ---- Fill ----------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurGraphicsFill)
{
    TAVIN_PROPERTY(TNotifyEvent, OnChanged);
    TAVIN_PROPERTY(TRurGraphicsFillKind, Kind).Default(gfkSolid);
    TAVIN_PROPERTY(TRurGraphicsFillOrientation, Orientation).Default(gfoVertical);
    TAVIN_PROPERTY(TColor, Color).Default(0xFFFFFF);
    TAVIN_PROPERTY(TColor, ColorTo).Default(0x808080);
    TAVIN_PROPERTY(TColor, ColorMirror).Default(gcNoColor);
    TAVIN_PROPERTY(TColor, ColorMirrorTo).Default(gcNoColor);
    TAVIN_PROPERTY(TRurGraphicsTextureMode, TextureMode).Default(gtmStretch);
    TAVIN_PROPERTY(TRurBitmap*, Texture);
}

TRurCustomGraphicsFill::TRurCustomGraphicsFill(TRurGraphicsFillKind kind, TColor color)
    : FKind(kind),
      FColor(color),
      FTexture(std::make_unique<TRurBitmap>()),
      FGradientItems(std::make_unique<TRurGraphicsFillGradientItems>(this))
{
    FTexture->SetOnChange(MakeHandler<&TRurCustomGraphicsFill::TextureChanged>(this));
}

void TRurCustomGraphicsFill::Changed()
{
    if (FOnChanged && FUpdateCount == 0)
        FOnChanged(this);
}

void TRurCustomGraphicsFill::TextureChanged(TObject*) { Changed(); }

void TRurCustomGraphicsFill::StoreColor(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = StoredColor(value);
    Changed();
}

void TRurCustomGraphicsFill::Assign(const TPersistent* source)
{
    CopyFrom(source);
    Changed();
}

void TRurCustomGraphicsFill::CopyFrom(const TPersistent* source)
{
    // The texture and the items report their own changes: held back for Assign's one notification.
    struct THoldBack {
        int& Count;
        ~THoldBack() { --Count; }
    } holdBack{++FUpdateCount};
    if (auto fill = dynamic_cast<const TRurCustomGraphicsFill*>(source)) {
        FColor = fill->FColor;
        FColorTo = fill->FColorTo;
        FColorMirror = fill->FColorMirror;
        FColorMirrorTo = fill->FColorMirrorTo;
        FKind = fill->FKind;
        FOrientation = fill->FOrientation;
        FOpacity = fill->FOpacity;
        FTexture->Assign(fill->FTexture.get());
        FTextureMode = fill->FTextureMode;
        FGradientMode = fill->FGradientMode;
        FGradientAngle = fill->FGradientAngle;
        FGradientCenterPoint = fill->FGradientCenterPoint;
        FGradientItems->Assign(fill->FGradientItems.get());
        FGradientType = fill->FGradientType;
        FGradientCenterColor = fill->FGradientCenterColor;
    } else if (auto stroke = dynamic_cast<const TRurCustomGraphicsStroke*>(source)) {
        FColor = stroke->Color();
        FColorTo = FColorMirror = FColorMirrorTo = gcNoColor;
        FKind = gfkSolid;
        FOrientation = gfoVertical;
        FOpacity = 1;
    }
}

void TRurCustomGraphicsFill::BeginUpdate() { ++FUpdateCount; }

void TRurCustomGraphicsFill::EndUpdate()
{
    --FUpdateCount;
    Changed();
}

void TRurCustomGraphicsFill::ClearGradientItems() { FGradientItems->Clear(); }

TRurGraphicsFillGradientItem* TRurCustomGraphicsFill::AddGradientItem(TColor color, float position, float opacity)
{
    TRurGraphicsFillGradientItem* item = FGradientItems->Add();
    item->SetColor(color);
    item->SetPosition(position);
    item->SetOpacity(opacity);
    return item;
}

void TRurCustomGraphicsFill::SetKind(TRurGraphicsFillKind value)
{
    if (FKind == value)
        return;
    FKind = value;
    Changed();
}

void TRurCustomGraphicsFill::SetOrientation(TRurGraphicsFillOrientation value)
{
    if (FOrientation == value)
        return;
    FOrientation = value;
    Changed();
}

void TRurCustomGraphicsFill::SetColor(TColor value) { StoreColor(FColor, value); }

void TRurCustomGraphicsFill::SetColorTo(TColor value) { StoreColor(FColorTo, value); }

void TRurCustomGraphicsFill::SetColorMirror(TColor value) { StoreColor(FColorMirror, value); }

void TRurCustomGraphicsFill::SetColorMirrorTo(TColor value) { StoreColor(FColorMirrorTo, value); }

void TRurCustomGraphicsFill::SetOpacity(float value)
{
    if (FOpacity == value)
        return;
    FOpacity = value;
    Changed();
}

void TRurCustomGraphicsFill::SetTexture(TRurBitmap* value)
{
    if (value == FTexture.get())
        return;
    FTexture->Assign(value);
    Changed();
}

void TRurCustomGraphicsFill::SetTextureMode(TRurGraphicsTextureMode value)
{
    if (FTextureMode == value)
        return;
    FTextureMode = value;
    Changed();
}

void TRurCustomGraphicsFill::SetGradientMode(TRurGraphicsFillGradientMode value)
{
    if (FGradientMode == value)
        return;
    FGradientMode = value;
    Changed();
}

void TRurCustomGraphicsFill::SetGradientItems(TRurGraphicsFillGradientItems* value) { FGradientItems->Assign(value); }

void TRurCustomGraphicsFill::SetGradientType(TRurGraphicsFillGradientType value)
{
    if (FGradientType == value)
        return;
    FGradientType = value;
    Changed();
}

void TRurCustomGraphicsFill::SetGradientAngle(float value)
{
    if (FGradientAngle == value)
        return;
    FGradientAngle = value;
    Changed();
}

void TRurCustomGraphicsFill::SetGradientCenterPoint(TPointF value)
{
    FGradientCenterPoint = value;
    Changed();
}

void TRurCustomGraphicsFill::SetGradientCenterColor(TColor value)
{
    if (FGradientCenterColor == value)
        return;
    FGradientCenterColor = value;
    Changed();
}

// ---- Stroke --------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurGraphicsStroke)
{
    TAVIN_PROPERTY(TNotifyEvent, OnChanged);
    TAVIN_PROPERTY(TRurGraphicsStrokeKind, Kind).Default(gskSolid);
    TAVIN_PROPERTY(TColor, Color).Default(0xC0C0C0);
    TAVIN_PROPERTY(float, Width).Stored(&TRurGraphicsStroke::IsWidthStored);
}

TRurCustomGraphicsStroke::TRurCustomGraphicsStroke(TRurGraphicsStrokeKind kind, TColor color) : FKind(kind), FColor(color)
{
}

void TRurCustomGraphicsStroke::Changed()
{
    if (FOnChanged && FUpdateCount == 0)
        FOnChanged(this);
}

void TRurCustomGraphicsStroke::Assign(const TPersistent* source)
{
    if (auto stroke = dynamic_cast<const TRurCustomGraphicsStroke*>(source)) {
        FColor = stroke->FColor;
        FKind = stroke->FKind;
        FOpacity = stroke->FOpacity;
        FWidth = stroke->FWidth;
    } else if (auto fill = dynamic_cast<const TRurCustomGraphicsFill*>(source)) {
        FColor = fill->Color();
        FKind = gskSolid;
        FOpacity = FWidth = 1;
    }
    Changed();
}

void TRurCustomGraphicsStroke::BeginUpdate() { ++FUpdateCount; }

void TRurCustomGraphicsStroke::EndUpdate()
{
    --FUpdateCount;
    Changed();
}

void TRurCustomGraphicsStroke::SetKind(TRurGraphicsStrokeKind value)
{
    if (FKind == value)
        return;
    FKind = value;
    Changed();
}

void TRurCustomGraphicsStroke::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = StoredColor(value);
    Changed();
}

void TRurCustomGraphicsStroke::SetWidth(float value)
{
    if (FWidth == value)
        return;
    FWidth = value;
    Changed();
}

void TRurCustomGraphicsStroke::SetOpacity(float value)
{
    if (FOpacity == value)
        return;
    FOpacity = value;
    Changed();
}

// ---- Font and save state -------------------------------------------------------------------------

TRurGraphicsFont::TRurGraphicsFont() { SetHeight(-11); }

void TRurGraphicsFont::Notify()
{
    if (FOnChanged && FUpdateCount == 0)
        FOnChanged(this);
}

void TRurGraphicsFont::Changed()
{
    TFont::Changed();
    Notify();
}

void TRurGraphicsFont::Assign(const TPersistent* source)
{
    TFont::Assign(source);
    Notify();
}

void TRurGraphicsFont::BeginUpdate() { ++FUpdateCount; }

void TRurGraphicsFont::EndUpdate()
{
    --FUpdateCount;
    Notify();
}

TRurGraphicsSaveState::TRurGraphicsSaveState()
    : FFont(std::make_unique<TRurGraphicsFont>()),
      FStroke(std::make_unique<TRurGraphicsStroke>(gskSolid, 0xC0C0C0)),
      FFill(std::make_unique<TRurGraphicsFill>(gfkSolid, 0xFFFFFF))
{
}
