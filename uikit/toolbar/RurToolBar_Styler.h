#pragma once
// The colour scheme that dock panels, toolbars and ribbon pagers register with and paint with:
// backgrounds, borders, handle colours, fonts, pictures, the appearance objects of buttons, glow
// buttons, captions, containers, tabs, pages, groups and the quick-access toolbar, and the menu
// styler of the toolbars' drop-down menus. The styler never paints; registered controls hear of
// every change by a numeric code (1 background and font, 2 colours, 4 containers, 5 drag-grip style,
// 6 menu styler, 7 glow buttons, 10 ribbon tabs, pages and groups, 11 caption bar, 12 quick-access
// toolbar). The descendants fill it from named presets.
#include <memory>
#include <vector>

#include "Classes.h"
#include "ExtCtrls.h"
#include "Graphics.h"
#include "RurGlowButton.h"
#include "RurStyleIF.h"
#include "RurToolBar_Appearances.h"
#include "RurToolBar_ButtonAppearance.h"
#include "RurToolBar_ContainerAppearance.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_TabAppearance.h"
#include "RurToolBar_Types.h"

class TControl;
class TCustomRurMenuStyler;
class TCustomRurToolBarStyler;

TAVIN_ENUM(TBackGroundDisplay, bdTile, bdCenter, bdStretch)
TAVIN_ENUM(TDragGripStyle, dsDots, dsSingleLine, dsDoubleLine, dsFlatDots, dsNone)

// A value of the styler itself whose setter stores a different value and sends the code.
#define RUR_STYLER_VALUE(Type, Name, Code)                                                                 \
    Type Name() const { return F##Name; }                                                                  \
    void Set##Name(Type value)                                                                             \
    {                                                                                                      \
        if (F##Name != value) {                                                                            \
            F##Name = value;                                                                               \
            Changed(Code);                                                                                 \
        }                                                                                                  \
    }
// An owned object whose setter copies the given one in and sends nothing itself.
#define RUR_STYLER_OBJECT(Type, Name)                                                                      \
    Type* Name() const { return F##Name.get(); }                                                           \
    void Set##Name(const Type* value) { F##Name->Assign(value); }

class TPopupMenu;
// A kit pop-up menu takes the styler's menu styler; any other menu, or no styler, is left alone.
void StyleDropDownMenu(TPopupMenu* menu, const TCustomRurToolBarStyler* styler);

// A control other than a toolbar that paints with a toolbar styler (the ribbon pager) hears its
// change codes through this.
class IToolBarStylerClient {
public:
    virtual void StylerChanged(int code) = 0;

protected:
    ~IToolBarStylerClient() = default;
};

// The tone sets a flat look hands to a ribbon pager, with the styler's own application colours as
// the look left them for the call.
struct TOfficeTones {
    TColorTones Buttons, Tab, Pager;
    const TAppColor* App = nullptr;
};

// What a ribbon pager derives from Office tones and the styler copies back into its own look.
struct TOfficeToneAppearances {
    const TVistaPageBackground* PageAppearance;
    const TTabAppearance* TabAppearance;
    const TGroupAppearance* GroupAppearance;
    const TCaptionAppearance* CaptionAppearance;
    const TGlowButtonAppearance* GlowButtonAppearance;
    const TVistaTextBackground* PagerCaption;
    const TContainerAppearance* ContainerAppearance;
};

// The ribbon pager as its toolbar styler sees it: the styler switches its glass and scenic
// drawing, hands it the flat looks' tones, and drops itself from it when it goes.
class IToolBarStylerPager : public IToolBarStylerClient {
public:
    virtual TCustomRurToolBarStyler* ToolBarStyler() const = 0;
    virtual void SetToolBarStyler(TCustomRurToolBarStyler* value) = 0;
    // Tab glass and the scenic ribbon for the shared style the styler stands for.
    virtual void SetStyleLink(bool glass, bool scenic) = 0;
    // The flat looks' tones. A pager that derives appearances from them gives every one of them
    // afterwards, each object made by then; one that derives none gives null, and the styler keeps
    // its own colours.
    virtual void SetOfficeTones(const TOfficeTones& tones, TGroupStyle groupStyle) { (void)tones, (void)groupStyle; }
    virtual const TOfficeToneAppearances* OfficeToneAppearances() const { return nullptr; }
    virtual void ClearOfficeTones() {}
    // The quick-access toolbar takes the styler's colours again.
    virtual void UpdateQAT() {}

protected:
    ~IToolBarStylerPager() = default;
};

class TCustomRurToolBarStyler : public TComponent {
    TAVIN_CLASS(TCustomRurToolBarStyler, TComponent)
public:
    explicit TCustomRurToolBarStyler(TComponent* owner);
    ~TCustomRurToolBarStyler() override;

    // From another toolbar styler: its menu styler (when both have one), Color, DockColor, the
    // background, Font, the drag grip, the right-hand handle image, the floating-window border,
    // CaptionAppearance, FormBorderColor, ButtonAppearance, ShowShadow and Show3D. Another class
    // raises.
    void Assign(const TPersistent* source) override;

    RUR_STYLER_OBJECT(TAppColor, AppColor)
    RUR_STYLER_OBJECT(TButtonAppearance, ButtonAppearance)
    RUR_STYLER_OBJECT(TCaptionAppearance, CaptionAppearance)
    RUR_STYLER_OBJECT(TContainerAppearance, ContainerAppearance)
    RUR_STYLER_OBJECT(TVistaGradientBackground, Color)
    RUR_STYLER_OBJECT(TVistaGradientBackground, ColorHot)
    RUR_STYLER_OBJECT(TGlowButtonAppearance, CompactGlowButtonAppearance)
    RUR_STYLER_OBJECT(TGradientBackground, DockColor)
    RUR_STYLER_OBJECT(TBitmap, DragGripImage)
    RUR_STYLER_OBJECT(TGlowButtonAppearance, GlowButtonAppearance)
    RUR_STYLER_OBJECT(TGroupAppearance, GroupAppearance)
    RUR_STYLER_OBJECT(TVistaPageBackground, PageAppearance)
    RUR_STYLER_OBJECT(TVistaTextBackground, PagerCaption)
    RUR_STYLER_OBJECT(TQATAppearance, QATAppearance)
    RUR_STYLER_OBJECT(TTabAppearance, TabAppearance)

    TBitmap* BackGround() const { return FBackGround.get(); }
    void SetBackGround(const TBitmap* value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(const TFont* value);
    TBitmap* RightHandleImage() const { return FRightHandleImage.get(); }
    void SetRightHandleImage(const TBitmap* value);

    RUR_STYLER_VALUE(bool, BackGroundTransparent, 1)
    RUR_STYLER_VALUE(TBackGroundDisplay, BackGroundDisplay, 1)
    RUR_STYLER_VALUE(TColor, BorderColor, 2)
    RUR_STYLER_VALUE(TColor, BorderColorHot, 2)
    RUR_STYLER_VALUE(TDragGripStyle, DragGripStyle, 5)
    RUR_STYLER_VALUE(TColor, FloatingWindowBorderColor, 2)
    RUR_STYLER_VALUE(int, FloatingWindowBorderWidth, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColor, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorTo, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorHot, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorHotTo, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorDown, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorDownTo, 2)
    RUR_STYLER_VALUE(bool, UseBevel, 2)
    RUR_STYLER_VALUE(TColor, SysButtonColor, 11)
    RUR_STYLER_VALUE(bool, Show3D, 2)
    RUR_STYLER_VALUE(bool, ShowShadow, 2)
    RUR_STYLER_VALUE(TBevelCut, Bevel, 2)

    // Stored without a change code.
    TColor FormBorderColor() const { return FFormBorderColor; }
    void SetFormBorderColor(TColor value) { FFormBorderColor = value; }
    // Stored, and code 2 even for the same value.
    bool RoundEdges() const { return FRoundEdges; }
    void SetRoundEdges(bool value);
    // Turning it on gives Font and CaptionFont the system's interface font again; no change code.
    bool SystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    // The base only stores the flag; the Office styler follows the Office theme with it.
    virtual void SetAutoThemeAdapt(bool value) { FAutoThemeAdapt = value; }
    // Applies the current preset again in the descendants; nothing here.
    virtual void ApplyStyle() {}

    // The external menu styler (none: the styler's own) and the one in force; code 6.
    TCustomRurMenuStyler* RurMenuStyler() const { return FRurMenuStyler; }
    void SetRurMenuStyler(TCustomRurMenuStyler* value);
    TCustomRurMenuStyler* CurrentRurMenuStyler() const { return FCurrentRurMenuStyler; }

    // The shared style the toolbars pass to their child controls, and the one last recorded for
    // the registered pagers.
    TRujStyle RujStyle() const { return FRujStyle; }
    TRujStyle NewRujStyle() const { return FNewRujStyle; }
    void SetNewComponentStyle(TRujStyle value);
    bool QatSharpCurve() const { return FQatSharpCurve; }
    bool Transparent() const { return FTransparent; }

    // A toolbar (or dock panel, or pager) that hears of changes from now on; null is ignored. A
    // control registered twice hears every change twice; removing takes one entry out.
    void AddControl(TControl* control);
    void RemoveControl(TControl* control);
    int ControlCount() const { return FControlList ? FControlList->Count() : 0; }
    TControl* Controls(int index) const { return FControlList->Item<TControl>(index); }
    void BeginUpdate() { ++FUpdateCount; }
    // Never below 0; sends nothing itself.
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    // Code 2 to every registered control.
    void UpdateStyle() { Changed(2); }
    // The first registered ribbon pager, or null; the flat looks hand it their tones.
    IToolBarStylerPager* GetFirstPager() const;
    // Every registered dock panel, toolbar and pager that uses this styler lets go of it (nothing
    // while the designer destroys the styler).
    void DetachControls();

    // The theme file's lines after the first (whether it follows the Office theme, then 302
    // property values), in their fixed order and keys.
    std::vector<String> SaveThemeLines() const;
    // Reads those lines in one update bracket and ends with code 2. Every line is checked on a
    // scratch styler first: a line that does not convert raises "Corrupt file" and changes nothing.
    void LoadThemeLines(const std::vector<String>& lines);
    // Raises "Corrupt file" when a line would not convert; changes nothing.
    static void CheckThemeLines(const std::vector<String>& lines);

    // Passes the code to every registered control, unless the styler is going, loading or inside
    // an update bracket; one control's exception does not keep the next from hearing it.
    void Changed(int code);

protected:
    // Runs write inside an update bracket that closes whatever happens, then sends code 2 once.
    template <class Write>
    void ChangeAtOnce(Write&& write)
    {
        BeginUpdate();
        try {
            write();
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        Changed(2);
    }
    // Tells one registered control.
    virtual void ControlChanged(TControl* control, int code);
    void Notification(TComponent* component, TOperation operation) override;
    // Writes the lines without a bracket or a check (a bad line raises part-way).
    void ApplyThemeLines(const std::vector<String>& lines);
    // Fields the presets write directly.
    TRujStyle FRujStyle = tsOffice2003Blue;
    bool FQatSharpCurve = false;
    TBevelCut& BevelField() { return FBevel; }

private:
    // True when the control let go (and so left the list).
    bool DetachControl(TControl* control);
    void HookChange(TNotifyPersistent* object, int code);

    std::unique_ptr<TAppColor> FAppColor;
    std::unique_ptr<TDbgList> FControlList;
    std::unique_ptr<TBitmap> FBackGround;
    bool FBackGroundTransparent = true;
    TBackGroundDisplay FBackGroundDisplay = bdTile;
    std::unique_ptr<TFont> FFont;
    TDragGripStyle FDragGripStyle = dsDots;
    std::unique_ptr<TBitmap> FDragGripImage, FRightHandleImage;
    bool FTransparent = false;
    bool FRoundEdges = true;
    TColor FRightHandleColor = 0x9E9E9E, FRightHandleColorHot = 0xD2BDB6, FRightHandleColorTo = 0,
           FRightHandleColorHotTo = 0, FRightHandleColorDown = 0x76C1FF, FRightHandleColorDownTo = 0x2DA0FF;
    int FFloatingWindowBorderWidth = 2;
    TColor FFloatingWindowBorderColor = 0x6D6D6D;
    std::unique_ptr<TCaptionAppearance> FCaptionAppearance;
    TBevelCut FBevel = bvNone;
    std::unique_ptr<TVistaGradientBackground> FColor;
    std::unique_ptr<TGradientBackground> FDockColor;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    std::unique_ptr<TCustomRurMenuStyler> FInternalRurMenuStyler;
    TCustomRurMenuStyler* FRurMenuStyler = nullptr;
    TCustomRurMenuStyler* FCurrentRurMenuStyler = nullptr;
    TColor FBorderColor = clNone, FBorderColorHot = clNone;
    std::unique_ptr<TVistaGradientBackground> FColorHot;
    std::unique_ptr<TFont> FCaptionFont;
    std::unique_ptr<TContainerAppearance> FContainerAppearance;
    std::unique_ptr<TGlowButtonAppearance> FGlowButtonAppearance, FCompactGlowButtonAppearance;
    std::unique_ptr<TVistaTextBackground> FPagerCaption;
    std::unique_ptr<TTabAppearance> FTabAppearance;
    std::unique_ptr<TVistaPageBackground> FPageAppearance;
    std::unique_ptr<TGroupAppearance> FGroupAppearance;
    std::unique_ptr<TQATAppearance> FQATAppearance;
    TColor FFormBorderColor = 0x808080;
    bool FShowShadow = true, FShow3D = true, FSystemFont = true;
    bool FAutoThemeAdapt = false, FUseBevel = false;
    TColor FSysButtonColor = 0;
    TRujStyle FNewRujStyle = tsOffice2003Blue;
    int FUpdateCount = 0;
};
