// The toolbar control base, the separator and the button draw position.
#include "RurToolBar_Controls.h"

#include "Streaming.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

TRurCustomToolBarControl::TRurCustomToolBarControl(TComponent* owner) : TGraphicControl(owner) {}

void TRurCustomToolBarControl::SetRurToolBar(TRurCustomToolBar* value)
{
    if (value == FRurToolBar)
        return;
    TWinControl* oldParent = Parent();
    if (FRurToolBar)
        FRurToolBar->ControlRemoved(this);
    SetParent(value);
    if (value && FRurToolBar != value) {
        // The toolbar did not take the control: it goes back where it was (its old toolbar takes
        // it again) before the caller hears of it.
        SetParent(oldParent);
        throw Exception(u"RurToolBar not set");
    }
}

TCustomRurToolBarStyler* TRurCustomToolBarControl::OwnerStyler() const
{
    if (FRurToolBar)
        return FRurToolBar->CurrentToolBarStyler();
    if (auto* host = dynamic_cast<IToolBarControlHost*>(Parent()))
        return host->CurrentToolBarStyler();
    return nullptr;
}

void TRurCustomToolBarControl::SetPosition(TDockAlign value)
{
    if (value == FPosition)
        return;
    FPosition = value;
    AdjustSize();
    Invalidate();
}

void TRurCustomToolBarControl::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    if (value)
        AdjustSize();
}

void TRurCustomToolBarControl::ReadState(TReader& reader)
{
    TGraphicControl::ReadState(reader);
    if (auto* toolBar = dynamic_cast<TRurToolBar*>(reader.Parent()))
        SetRurToolBar(toolBar);
}

// ---- Separator -----------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurToolBarSeparator)
{
    TAVIN_PROPERTY(TRurSeparatorStyle, SeparatorStyle).Default(ssOffice2003);
    TAVIN_PROPERTY(TColor, LineColor);
    TAVIN_PROPERTY(bool, Visible).Default(true);
}

TRurToolBarSeparator::TRurToolBarSeparator(TComponent* owner) : TRurCustomToolBarControl(owner)
{
    FAutoSize = true;
    SetBounds(0, 0, 22, 10);
}

void TRurToolBarSeparator::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TRurToolBarSeparator*>(source)) {
        SetSeparatorStyle(other->FSeparatorStyle);
        SetLineColor(other->FLineColor);
        return;
    }
    TRurCustomToolBarControl::Assign(source);
}

void TRurToolBarSeparator::SetSeparatorStyle(TRurSeparatorStyle value)
{
    if (value != FSeparatorStyle) {
        FSeparatorStyle = value;
        Invalidate();
    }
}

void TRurToolBarSeparator::SetLineColor(TColor value)
{
    if (value != FLineColor) {
        FLineColor = value;
        Invalidate();
    }
}

void TRurToolBarSeparator::AdjustSize()
{
    if (!FAutoSize)
        return;
    if (!IsVertical()) {
        int height = Height();
        if (FRurToolBar && FRurToolBar->AutoPositionControls())
            height = FRurToolBar->Height() - 4;
        SetBounds(Left(), Top(), 10, height);
    } else {
        SetBounds(Left(), Top(), FRurToolBar ? FRurToolBar->Width() - 4 : Width(), 10);
    }
}

void TRurToolBarSeparator::Paint()
{
    if (FSeparatorStyle == ssBlank)
        return;
    const TRect r = ClientRect();
    TPoint from, to;
    if (!IsVertical()) {
        const int x = r.Left + (r.Right - r.Left) / 2;
        from = {x, r.Top + 3};
        to = {x, r.Bottom - 3};
    } else {
        const int y = r.Top + (r.Bottom - r.Top) / 2;
        from = {r.Left + 3, y};
        to = {r.Right - 3, y};
    }
    // Etched: the line, then a white one a pixel to the right and down.
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(FLineColor);
    canvas->MoveTo(from.X, from.Y);
    canvas->LineTo(to.X, to.Y);
    canvas->Pen()->SetColor(clWhite);
    canvas->MoveTo(from.X + 1, from.Y + 1);
    canvas->LineTo(to.X + 1, to.Y + 1);
}

// ---- Draw position -------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurToolBarButtonDrawPosition)
{
    TAVIN_PROPERTY(bool, Enabled).Default(false);
    TAVIN_PROPERTY(int, TextX).Default(0);
    TAVIN_PROPERTY(int, TextY).Default(0);
    TAVIN_PROPERTY(int, ImageX).Default(0);
    TAVIN_PROPERTY(int, ImageY).Default(0);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

void TRurToolBarButtonDrawPosition::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TRurToolBarButtonDrawPosition*>(source)) {
        FEnabled = other->FEnabled;
        FTextX = other->FTextX;
        FTextY = other->FTextY;
        FImageX = other->FImageX;
        FImageY = other->FImageY;
    }
}
