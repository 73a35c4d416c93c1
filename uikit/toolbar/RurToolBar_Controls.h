#pragma once
// What a toolbar arranges as one of its own items: a windowless control that knows its toolbar (or
// the ribbon's quick-access toolbar) and the dock side it sits on; the etched separator between
// groups of buttons; and the fixed places a button's glyph and caption can be given.
#include "Controls.h"
#include "RurToolBar_AppearanceBase.h"
#include "RurToolBar_Types.h"

class TCustomRurToolBarStyler;
class TRurCustomToolBar;
class TRurQuickAccessToolBar;

// A holder of toolbar controls that is no toolbar (the ribbon's quick-access toolbar): the controls
// on it paint and drop their menus with its styler.
class IToolBarControlHost {
public:
    virtual TCustomRurToolBarStyler* CurrentToolBarStyler() const = 0;

protected:
    ~IToolBarControlHost() = default;
};

class TRurCustomToolBarControl : public TGraphicControl {
    TAVIN_CLASS(TRurCustomToolBarControl, TGraphicControl)
public:
    explicit TRurCustomToolBarControl(TComponent* owner);

    TRurCustomToolBar* RurToolBar() const { return FRurToolBar; }
    // Moves the control to another toolbar (none: out of its toolbar, without a parent). Raises
    // "RurToolBar not set" when the new toolbar does not take the control; the control is back on
    // its old parent then.
    virtual void SetRurToolBar(TRurCustomToolBar* value);
    TRurQuickAccessToolBar* RurQuickAccessToolBar() const { return FRurQuickAccessToolBar; }
    void SetRurQuickAccessToolBar(TRurQuickAccessToolBar* value) { FRurQuickAccessToolBar = value; }
    // The styler in force where the control sits: its toolbar's, else its host's (the quick-access
    // toolbar's); none elsewhere.
    TCustomRurToolBarStyler* OwnerStyler() const;
    // daTop and daBottom mean a horizontal toolbar.
    TDockAlign Position() const { return FPosition; }
    void SetPosition(TDockAlign value);
    bool IsVertical() const { return FPosition == daLeft || FPosition == daRight; }

    // The control measures itself (AdjustSize) while AutoSize is on.
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    virtual void AdjustSize() {}

protected:
    friend class TRurCustomToolBar;
    // A container links the controls put into it to its toolbar without moving them.
    friend class TRurToolBarContainer;
    // A control read from a form resource joins the toolbar it is read into.
    void ReadState(TReader& reader) override;

    TRurCustomToolBar* FRurToolBar = nullptr;
    TDockAlign FPosition = daTop;
    TRurQuickAccessToolBar* FRurQuickAccessToolBar = nullptr;
    bool FAutoSize = false;
};

TAVIN_ENUM(TRurSeparatorStyle, ssOffice2003, ssBlank)

// A thin etched line across the toolbar, 10 pixels along it; ssBlank keeps the room and paints
// nothing.
class TRurToolBarSeparator : public TRurCustomToolBarControl {
    TAVIN_PUBLISHED_CLASS(TRurToolBarSeparator, TRurCustomToolBarControl)
public:
    explicit TRurToolBarSeparator(TComponent* owner);
    // From another separator its style and line colour; anything else as a persistent would.
    void Assign(const TPersistent* source) override;
    void AdjustSize() override;

    TRurSeparatorStyle SeparatorStyle() const { return FSeparatorStyle; }
    void SetSeparatorStyle(TRurSeparatorStyle value);
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor value);

protected:
    void Paint() override;

private:
    TRurSeparatorStyle FSeparatorStyle = ssOffice2003;
    TColor FLineColor = clBtnShadow;
};

// Fixed client coordinates of a button's glyph and caption, used while Enabled.
class TRurToolBarButtonDrawPosition : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TRurToolBarButtonDrawPosition, TNotifyPersistent)
public:
    // The five values from another draw position, silently; any other source is ignored.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(bool, Enabled)
    RUR_TB_NOTIFYING(int, TextX)
    RUR_TB_NOTIFYING(int, TextY)
    RUR_TB_NOTIFYING(int, ImageX)
    RUR_TB_NOTIFYING(int, ImageY)

private:
    bool FEnabled = false;
    int FTextX = 0, FTextY = 0, FImageX = 0, FImageY = 0;
};
