// The glow button's model: construction, window creation, loading, assignment and the property
// setters. Painting, behaviour and looks have files of their own.
#include "RurGlowButton.h"

#include <cmath>

#include "Forms.h"

using namespace RurGDIP;
using namespace RurGlowButton;

TAVIN_PUBLISHED(TRurCustomGlowButton)
{
    TAVIN_PROPERTY(TAlign, Align);
    TAVIN_PROPERTY(TAnchors, Anchors);
    TAVIN_PROPERTY(bool, AutoSize).Default(false);
    TAVIN_PROPERTY(TBorderStyle, BorderStyle).Default(bsSingle);
    TAVIN_PROPERTY(bool, Cancel).Default(false);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TSizeConstraints*, Constraints);
    TAVIN_PROPERTY(bool, Default).Default(false);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(TFocusType, FocusType).Default(ftBorder);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(TCustomImageList*, DisabledImages);
    TAVIN_PROPERTY(TCustomImageList*, HotImages);
    TAVIN_PROPERTY(TImageListType, ImageListType).Default(ipActionList);
    TAVIN_PROPERTY(int, MarginVert).Default(1);
    TAVIN_PROPERTY(int, MarginHorz).Default(1);
    TAVIN_PROPERTY(int, ModalResult).Default(0);
    TAVIN_PROPERTY(TStrings*, Notes);
    TAVIN_PROPERTY(TFont*, NotesFont);
    TAVIN_PROPERTY(TRurHintInfo*, OfficeHint);
    TAVIN_PROPERTY(TGDIPPicture*, Picture);
    TAVIN_PROPERTY(TGDIPPicture*, HotPicture);
    TAVIN_PROPERTY(TGDIPPicture*, DownPicture);
    TAVIN_PROPERTY(TGDIPPicture*, DisabledPicture);
    TAVIN_PROPERTY(int, PictureWidth).Default(-1);
    TAVIN_PROPERTY(int, PictureHeight).Default(-1);
    TAVIN_PROPERTY(bool, ParentFont).Default(true);
    TAVIN_PROPERTY(TButtonPosition, Position).Default(bpStandalone);
    TAVIN_PROPERTY(int, InitRepeatPause).Default(400);
    TAVIN_PROPERTY(int, RepeatPause).Default(100);
    TAVIN_PROPERTY(bool, RepeatClick).Default(false);
    TAVIN_PROPERTY(bool, Rounded);
    TAVIN_PROPERTY(String, ShortCutHint);
    TAVIN_PROPERTY(TShortCutHintPos, ShortCutHintPos).Default(shpTop);
    TAVIN_PROPERTY(bool, ShowCaption).Default(true);
    TAVIN_PROPERTY(bool, ShowDisabled).Default(true);
    TAVIN_PROPERTY(bool, ShowHint);
    TAVIN_PROPERTY(int, Spacing).Default(2);
    TAVIN_PROPERTY(int, TabOrder);
    TAVIN_PROPERTY(bool, TabStop).Default(false);
    TAVIN_PROPERTY(bool, Transparent).Default(false);
    TAVIN_PROPERTY(bool, UseAppearance).Default(false);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(bool, WordWrap).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnEnter);
    TAVIN_PROPERTY(TNotifyEvent, OnExit);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseEnter);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseLeave);
    TAVIN_PROPERTY(TMouseEvent, OnMouseDown);
    TAVIN_PROPERTY(TMouseEvent, OnMouseUp);
    TAVIN_PROPERTY(TMouseMoveEvent, OnMouseMove);
    TAVIN_PROPERTY(TKeyEvent, OnKeyDown);
    TAVIN_PROPERTY(TKeyEvent, OnKeyUp);
    TAVIN_PROPERTY(TKeyPressEvent, OnKeyPress);
}

TAVIN_PUBLISHED(TRurGlowButton)
{
    TAVIN_PROPERTY(bool, AllowAllUp).Default(false);
    TAVIN_PROPERTY(bool, AlwaysShowAccel).Default(false);
    TAVIN_PROPERTY(TGlowButtonAppearance*, Appearance);
    TAVIN_PROPERTY(bool, Down).Default(false);
    TAVIN_PROPERTY(TRujStyle, UIStyle).Default(tsCustom);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(int, GroupIndex).Default(0);
    TAVIN_PROPERTY(TButtonLayout, Layout).Default(blGlyphLeft);
    TAVIN_PROPERTY(TRurButtonStyle, Style).Default(bsButton);
    TAVIN_PROPERTY(TButtonSizeState, MaxButtonSizeState).Default(bsLarge);
    TAVIN_PROPERTY(TButtonSizeState, MinButtonSizeState).Default(bsGlyph);
    TAVIN_PROPERTY(bool, DropDownButton).Default(false);
    TAVIN_PROPERTY(TDropDownPosition, DropDownPosition).Default(dpRight);
    TAVIN_PROPERTY(TDropDownDirection, DropDownDirection).Default(ddDown);
    TAVIN_PROPERTY(bool, DropDownSplit).Default(true);
    TAVIN_PROPERTY(int, DropDownWidth).Default(14);
    TAVIN_PROPERTY(TPopupMenu*, DropDownMenu);
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown);
}

namespace {
// Every split drop-down button draws its split line also when not hot once any button asked for it.
bool DrawSplitLineAlwaysGlobal = false;
} // namespace

bool GlowButtonsDrawSplitLineAlways() { return DrawSplitLineAlwaysGlobal; }

TRurCustomGlowButton::TRurCustomGlowButton(TComponent* owner)
    : TCustomControl(owner), FAppearance(std::make_unique<TGlowButtonAppearance>()),
      FNotes(std::make_unique<TStringList>()), FNotesFont(std::make_unique<TFont>()),
      FImageChangeLink(std::make_unique<TChangeLink>()), FDisabledImageChangeLink(std::make_unique<TChangeLink>()),
      FHotImageChangeLink(std::make_unique<TChangeLink>()), FOfficeHint(std::make_unique<TRurHintInfo>()),
      FIPicture(std::make_unique<TGDIPPicture>()), FIDisabledPicture(std::make_unique<TGDIPPicture>()),
      FIHotPicture(std::make_unique<TGDIPPicture>()), FIDownPicture(std::make_unique<TGDIPPicture>())
{
    FIPicture->SetOnChange(MakeHandler<&TRurCustomGlowButton::PictureChanged>(this));
    FIDisabledPicture->SetOnChange(MakeHandler<&TRurCustomGlowButton::PictureChanged>(this));
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks});
    Font()->SetHeight(-11);
    SetDoubleBuffered(true);
    SetParentFont(true);
    FAppearance->SetOnChange(MakeHandler<&TRurCustomGlowButton::AppearanceChanged>(this));
    SetBounds(Left(), Top(), 100, 41);
    FNotes->SetOnChange(MakeHandler<&TRurCustomGlowButton::NotesChanged>(this));
    FNotesFont->SetName(u"Tahoma");
    FNotesFont->SetSize(8);
    FImageChangeLink->SetOnChange(MakeHandler<&TRurCustomGlowButton::ImagesChanged>(this));
    FDisabledImageChangeLink->SetOnChange(MakeHandler<&TRurCustomGlowButton::ImagesChanged>(this));
    FHotImageChangeLink->SetOnChange(MakeHandler<&TRurCustomGlowButton::ImagesChanged>(this));
    SetTabStop(false);
}

TRurCustomGlowButton::~TRurCustomGlowButton()
{
    if (!ComponentState().Contains(csDestroying) && HandleAllocated())
        Perform(WM_MOUSELEAVE, 0, 0);
    StopFadeTimer();
    for (TCustomImageList* list : {FImages, FDisabledImages, FHotImages})
        if (list)
            list->RemoveFreeNotification(this);
    if (FImages)
        FImages->UnRegisterChanges(FImageChangeLink.get());
    if (FDisabledImages)
        FDisabledImages->UnRegisterChanges(FDisabledImageChangeLink.get());
    if (FHotImages)
        FHotImages->UnRegisterChanges(FHotImageChangeLink.get());
    if (FDropDownMenu)
        FDropDownMenu->RemoveFreeNotification(this);
}

String TRurCustomGlowButton::Version() const
{
    const int v = GetVersionNr();
    return IntToStr((v >> 24) & 0xFF) + u"." + IntToStr((v >> 16) & 0xFF) + u"." + IntToStr((v >> 8) & 0xFF) +
           u"." + IntToStr(v & 0xFF);
}

void TRurCustomGlowButton::CreateWnd()
{
    TCustomControl::CreateWnd();
    FActive = FDefault;
    FParentForm = GetParentForm();
    FGlowState = gsNone;
    FMouseInControl = FHasMouse = FMouseEnter = FHot = false;
    if (!FHasInitialDown) {
        FState = absUp;
        FDown = false;
    }
    FDragging = false;
    FFirstPaint = true;
    FStepHover = 0;
    if (GetCapture() == Handle())
        ReleaseCapture();
    StopFadeTimer();
    FUsingStyles = IsVclStyled(StyleServices(), ComponentState().Contains(csDesigning));
}

void TRurCustomGlowButton::Loaded()
{
    TCustomControl::Loaded();
    FLoaded = true;
    if (FHasInitialDown && FInitialDown != FDownChecked)
        SetDown(FInitialDown);
    FHasInitialDown = false;
    if (FAutoSize)
        UpdateAutoSize();
    if (!ComponentState().Contains(csDesigning) && IsVclStyled(StyleServices(), false) &&
        StyleElements().Contains(seClient))
        StyleChanged();
}

void TRurCustomGlowButton::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FImages)
        FImages = nullptr;
    if (component == FDisabledImages)
        FDisabledImages = nullptr;
    if (component == FHotImages)
        FHotImages = nullptr;
    if (component == FDropDownMenu)
        FDropDownMenu = nullptr;
}

void TRurCustomGlowButton::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TRurCustomGlowButton*>(source);
    if (!other)
        return;
    SetAlign(other->Align());
    SetAction(other->Action());
    SetAnchors(other->Anchors());
    SetAntiAlias(other->FAntiAlias);
    SetAutoSize(other->FAutoSize);
    SetBorderStyle(other->FBorderStyle);
    SetCancel(other->FCancel);
    SetCaption(other->Caption());
    Constraints()->Assign(other->Constraints());
    SetDefault(other->FDefault);
    Font()->Assign(other->Font());
    SetImageIndex(other->FImageIndex);
    SetImages(other->FImages);
    SetDisabledImages(other->FDisabledImages);
    SetDisabledPicture(other->FIDisabledPicture.get());
    SetFocusType(other->FFocusType);
    SetHotImages(other->FHotImages);
    SetHotPicture(other->FIHotPicture.get());
    SetDownPicture(other->FIDownPicture.get());
    SetMarginVert(other->FMarginVert);
    SetMarginHorz(other->FMarginHorz);
    SetModalResult(other->FModalResult);
    SetNotes(other->FNotes.get());
    SetNotesFont(other->FNotesFont.get());
    SetOfficeHint(other->FOfficeHint.get());
    SetParentFont(other->ParentFont());
    SetPicture(other->FIPicture.get());
    SetPopupMenu(other->PopupMenu());
    SetPosition(other->FButtonPosition);
    SetInitRepeatPause(other->FInitRepeatPause);
    SetRepeatPause(other->FRepeatPause);
    SetRepeatClick(other->FRepeatClick);
    SetRounded(other->FRounded);
    SetShortCutHint(other->FShortCutHintText);
    SetShortCutHintPos(other->FShortCutHintPos);
    SetShowCaption(other->FShowCaption);
    SetShowDisabled(other->FShowDisabled);
    SetSpacing(other->FSpacing);
    SetTransparent(other->FTransparent);
    SetTrimming(other->FTrimming);
    SetWordWrap(other->FWordWrap);
    SetShowHint(other->ShowHint());
    SetParentShowHint(other->ParentShowHint());
    SetTabOrder(other->TabOrder());
    SetTabStop(other->TabStop());
    SetVisible(other->Visible());
    SetDown(other->Down());
}

void TRurCustomGlowButton::ChangeScale(int m, int d, bool isDpiChange)
{
    TCustomControl::ChangeScale(m, d, isDpiChange);
    FNotesFont->SetSize(MulDiv(FNotesFont->Size(), m, d));
}

// ---- Setters ----------------------------------------------------------------------------------------------

void TRurCustomGlowButton::UpdateAutoSize()
{
    if (!FAutoSize) {
        Invalidate();
        return;
    }
    FDoAutoSize = true;
    if (Parent() && HandleAllocated() && !ComponentState().Contains(csLoading))
        Repaint();
    else
        Invalidate();
}

void TRurCustomGlowButton::SetAppearance(TGlowButtonAppearance* value)
{
    FAppearance->Assign(value);
    RecolourShortCutHint();
}

void TRurCustomGlowButton::AppearanceChanged(TObject*)
{
    Invalidate();
    RecolourShortCutHint();
}

void TRurCustomGlowButton::ImagesChanged(TObject*)
{
    if (HandleAllocated())
        Invalidate();
}

void TRurCustomGlowButton::NotesChanged(TObject*)
{
    if (FAutoSize)
        UpdateAutoSize();
    Invalidate();
}

void TRurCustomGlowButton::SetPicture(TGDIPPicture* value)
{
    FIPicture->Assign(value);
    Invalidate();
}

void TRurCustomGlowButton::SetDisabledPicture(TGDIPPicture* value)
{
    FIDisabledPicture->Assign(value);
    Invalidate();
}

void TRurCustomGlowButton::SetIcon(TIcon* value)
{
    if (!value) {
        FIcon.reset();
    } else {
        if (!FIcon)
            FIcon = std::make_unique<TIcon>();
        FIcon->Assign(value);
    }
    Invalidate();
}

void TRurCustomGlowButton::SetAutoSize(bool value)
{
    FAutoSize = value;
    UpdateAutoSize();
}

void TRurCustomGlowButton::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    Invalidate();
}

void TRurCustomGlowButton::SetDefault(bool value)
{
    FDefault = value;
    FActive = value;
}

void TRurCustomGlowButton::SetImageIndex(int value)
{
    FImageIndex = value;
    UpdateAutoSize();
}

void TRurCustomGlowButton::SetImageList(TCustomImageList*& field, TCustomImageList* value, TChangeLink* link)
{
    if (field) {
        field->UnRegisterChanges(link);
        field->RemoveFreeNotification(this);
    }
    field = value;
    if (field) {
        field->RegisterChanges(link);
        field->FreeNotification(this);
    }
    Invalidate();
}

void TRurCustomGlowButton::SetImages(TCustomImageList* value)
{
    SetImageList(FImages, value, FImageChangeLink.get());
    UpdateAutoSize();
}

void TRurCustomGlowButton::SetImageListType(TImageListType value)
{
    if (FImageListType == value)
        return;
    FImageListType = value;
    UpdateAutoSize();
    Invalidate();
}

void TRurCustomGlowButton::SetDisabledImages(TCustomImageList* value)
{
    SetImageList(FDisabledImages, value, FDisabledImageChangeLink.get());
}

void TRurCustomGlowButton::SetHotImages(TCustomImageList* value)
{
    SetImageList(FHotImages, value, FHotImageChangeLink.get());
}

void TRurCustomGlowButton::SetMarginVert(int value)
{
    if (FMarginVert == value)
        return;
    FMarginVert = value;
    UpdateAutoSize();
}

void TRurCustomGlowButton::SetMarginHorz(int value)
{
    if (FMarginHorz == value)
        return;
    FMarginHorz = value;
    UpdateAutoSize();
}

void TRurCustomGlowButton::SetNotesFont(TFont* value)
{
    FNotesFont->Assign(value);
    Invalidate();
}

void TRurCustomGlowButton::SetPosition(TButtonPosition value)
{
    FButtonPosition = value;
    Invalidate();
}

void TRurCustomGlowButton::SetShowCaption(bool value)
{
    FShowCaption = value;
    UpdateAutoSize();
    Invalidate();
}

void TRurCustomGlowButton::SetShowDisabled(bool value)
{
    FShowDisabled = value;
    Invalidate();
}

void TRurCustomGlowButton::SetDoubleClicks(bool value)
{
    FDoubleClicks = value;
    if (value)
        SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks});
    else
        SetControlStyle(ControlStyle() + TControlStyle{csDoubleClicks});
}

void TRurCustomGlowButton::SetWideCaption(const String& value)
{
    if (FWideCaption == value)
        return;
    FWideCaption = value;
    if (!FAutoSize) {
        Invalidate();
        return;
    }
    FDoAutoSize = true;
    if (Parent() && HandleAllocated() && !ComponentState().Contains(csLoading) &&
        !ComponentState().Contains(csDesigning))
        Repaint();
    else
        Invalidate();
    FDoAutoSize = false;
}

void TRurCustomGlowButton::SetDrawSplitLineAlways(bool value)
{
    FDrawSplitLineAlways = value;
    DrawSplitLineAlwaysGlobal = value;
}

void TRurCustomGlowButton::SetAllowAllUp(bool value)
{
    if (FAllowAllUp == value)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TRurCustomGlowButton::SetGroupIndex(int value)
{
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TRurCustomGlowButton::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Invalidate();
}

void TRurCustomGlowButton::SetMaxButtonSizeState(TButtonSizeState value)
{
    if (FMaxButtonSizeState == value)
        return;
    FMaxButtonSizeState = value;
    SetButtonSizeState(value);
}

void TRurCustomGlowButton::SetMinButtonSizeState(TButtonSizeState value)
{
    if (FMinButtonSizeState == value)
        return;
    FMinButtonSizeState = value;
    if (FButtonSizeState < value)
        SetButtonSizeState(value);
}

void TRurCustomGlowButton::SetDropDownButton(bool value)
{
    if (FDropDownButton == value)
        return;
    FDropDownButton = value;
    Invalidate();
}

void TRurCustomGlowButton::SetDropDownPosition(TDropDownPosition value)
{
    if (FDropDownPosition == value)
        return;
    FDropDownPosition = value;
    Invalidate();
}

void TRurCustomGlowButton::SetDropDownMenu(TPopupMenu* value)
{
    if (FDropDownMenu)
        FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = value;
    if (FDropDownMenu)
        FDropDownMenu->FreeNotification(this);
}

bool TRurCustomGlowButton::IsFocusBorderVisible() const
{
    return FHasFocus && (FFocusType == ftBorder || FFocusType == ftHotBorder);
}

int TRurCustomGlowButton::GetScaledDropDownWidth()
{
    return static_cast<int>(std::lround(FDropDownWidth * GetCanvasDPIScale(Canvas(), nullptr)));
}
