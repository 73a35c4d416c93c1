#pragma once
// The properties the list-like wrappers share, written once as layers over the framework class a
// wrapper extends. The layers are plain C++: they add no class of their own to the class
// information, so a wrapper still names the framework class as its parent there.
#include "ImgList.h"
#include "StdCtrls.h"

TAVIN_ENUM(TscSelectionStyle, scstStyled, scstColor)

using TscDrawItemEvent = TEvent<int, TOwnerDrawState, TCanvas*, TRect>;
using TscGetDrawItemParamsEvent = TEvent<int, TOwnerDrawState, TCanvas*, TCustomImageList*&, int&>;

// A property setter's work: stores the value and repaints the control, when the value differs.
template <class T>
void ChangeAndInvalidate(TControl* control, T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    control->Invalidate();
}

// How the wrappers paint a selected item and the focus.
struct TscSelectionLook {
    TscSelectionStyle Style = scstStyled;
    bool ShowFocusRect = true;
    TColor Color = clNone; // scstColor background; clNone: the style's highlight
    TColor TextColor = clHighlightText;
};

// The selection look's properties. Setting ShowFocusRect repaints only where FocusRectRepaints
// (elsewhere it shows from the next paint on).
template <class Base, bool FocusRectRepaints>
class TscSelectionLookOf : public Base {
public:
    using Base::Base;

    TscSelectionStyle SelectionStyle() const { return FLook.Style; }
    void SetSelectionStyle(TscSelectionStyle value) { ChangeAndInvalidate(this, FLook.Style, value); }
    bool ShowFocusRect() const { return FLook.ShowFocusRect; }
    void SetShowFocusRect(bool value)
    {
        if constexpr (FocusRectRepaints)
            ChangeAndInvalidate(this, FLook.ShowFocusRect, value);
        else
            FLook.ShowFocusRect = value;
    }
    TColor SelectionColor() const { return FLook.Color; }
    void SetSelectionColor(TColor value) { ChangeAndInvalidate(this, FLook.Color, value); }
    TColor SelectionTextColor() const { return FLook.TextColor; }
    void SetSelectionTextColor(TColor value) { ChangeAndInvalidate(this, FLook.TextColor, value); }
    const TscSelectionLook& Look() const { return FLook; }

protected:
    TscSelectionLook FLook;
};

// Item images, bold titles before a divider, word wrapping and the two drawing events.
template <class Base, bool FocusRectRepaints>
class TscItemListOf : public TscSelectionLookOf<Base, FocusRectRepaints> {
public:
    using TscSelectionLookOf<Base, FocusRectRepaints>::TscSelectionLookOf;

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value)
    {
        if (ReplaceComponentReference(this, FImages, value))
            this->Invalidate();
    }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { ChangeAndInvalidate(this, FImageIndex, value); }
    bool WordBreak() const { return FWordBreak; }
    void SetWordBreak(bool value) { ChangeAndInvalidate(this, FWordBreak, value); }
    const String& TitleDivider() const { return FTitleDivider; }
    void SetTitleDivider(const String& value) { ChangeAndInvalidate(this, FTitleDivider, value); }
    TscDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TscDrawItemEvent e) { FOnDrawItem = e; }
    TscGetDrawItemParamsEvent OnGetDrawItemParams() const { return FOnGetDrawItemParams; }
    void SetOnGetDrawItemParams(TscGetDrawItemParamsEvent e) { FOnGetDrawItemParams = e; }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        Base::Notification(component, operation);
        if (operation == opRemove && component == FImages)
            FImages = nullptr;
    }
    // Runs OnDrawItem for the item; false when there is none (the wrapper's painter then runs).
    bool DrawItemByEvent(int index, TOwnerDrawState state, TCanvas* canvas, const TRect& rect) const
    {
        if (!FOnDrawItem)
            return false;
        FOnDrawItem(index, state, canvas, rect);
        return true;
    }

    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    bool FWordBreak = false;
    String FTitleDivider;
    TscDrawItemEvent FOnDrawItem;
    TscGetDrawItemParamsEvent FOnGetDrawItemParams;
};

// The list boxes' separator lines under unselected items and their tab stops.
template <class Base, bool FocusRectRepaints>
class TscLinedItemListOf : public TscItemListOf<Base, FocusRectRepaints> {
public:
    using TscItemListOf<Base, FocusRectRepaints>::TscItemListOf;

    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value) { ChangeAndInvalidate(this, FShowLines, value); }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor value) { ChangeAndInvalidate(this, FLineColor, value); }
    TStrings* TabWidths() const { return FTabWidths.get(); }
    void SetTabWidths(TStrings* value)
    {
        if (value == FTabWidths.get())
            return;
        FTabWidths->Assign(value);
        this->Invalidate();
    }

protected:
    bool FShowLines = false;
    TColor FLineColor = clBtnFace;
    std::unique_ptr<TStrings> FTabWidths = std::make_unique<TStringList>();
};

// Published properties inside a TAVIN_PUBLISHED block: the selection look's, and the lined item
// lists' in the order both list boxes publish them.
#define TSC_SELECTION_LOOK_PROPERTIES \
    TAVIN_PROPERTY(TscSelectionStyle, SelectionStyle).Default(scstStyled); \
    TAVIN_PROPERTY(bool, ShowFocusRect).Default(true); \
    TAVIN_PROPERTY(TColor, SelectionColor).Default(clNone); \
    TAVIN_PROPERTY(TColor, SelectionTextColor).Default(clHighlightText);
#define TSC_LINED_ITEM_LIST_PROPERTIES \
    TAVIN_PROPERTY(TCustomImageList*, Images); \
    TAVIN_PROPERTY(int, ImageIndex).Default(-1); \
    TAVIN_PROPERTY(bool, WordBreak).Default(false); \
    TAVIN_PROPERTY(String, TitleDivider); \
    TAVIN_PROPERTY(TColor, LineColor).Default(clBtnFace); \
    TAVIN_PROPERTY(bool, ShowLines).Default(false); \
    TSC_SELECTION_LOOK_PROPERTIES \
    TAVIN_PROPERTY(TStrings*, TabWidths);
