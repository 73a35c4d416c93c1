#pragma once
// The kit's styled wrappers of the standard list-like controls (list box, combo box, check list
// box, scroll bar): the system control keeps its behaviour, the wrapper paints each item off
// screen in the active style's colours, with a choice of selection look and a focus rectangle.
#include "CheckLst.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "scControls.h"
#include "scItemListOptions.h"

// The kit's messages: a parent's background changed; paint into a foreign device context what the
// window's own WM_PAINT leaves out, and the question whether a control can.
constexpr UINT WM_SCPARENTBGCHANGED = WM_SCUPDATEBACKGROUND;
constexpr UINT CM_SCPAINTTODC = CM_BASE + 456;
constexpr UINT CM_SCCANPAINTTODC = CM_BASE + 457;
// The answer of a control that can paint into a foreign device context.
constexpr LRESULT ScCanPaintToDCAnswer = 12851;

TAVIN_ENUM(TscComboStyleKind, scscbDefault, scscbPushButton)

TOwnerDrawState OwnerDrawStateOf(UINT itemState);

// The rectangle shrunk by dx on the left and right and dy at the top and bottom.
constexpr TRect InsetRect(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy}; }

// Background and text colour of one item before the selection is laid over it.
struct TscItemColors {
    TColor Text;
    TColor Background;
};
TscItemColors ListItemColors(const TControl* control, bool selected, const TscSelectionLook& look);

// The FluentUIOpaque option of the wrappers: a layered, fully opaque window on Windows 10 from
// build 17134 on, repainted once in full 10 ms after it is made.
bool IsFluentUIOpaqueActiveFor(const TComponent* component, bool option, bool testBuild = true);
void ApplyFluentUIOpaque(TWinControl* control, bool active);
// WM_TIMER of the first full repaint; true when it was that timer.
bool HandleFluentUIOpaqueTimer(TWinControl* control, const TMessage& message, bool active);
// Changing the option at run time: stores it and, where it takes effect, makes the window anew
// (skipWhileLoading: not while the form resource is read).
void ChangeFluentUIOpaque(TWinControl* control, bool& field, bool value, bool skipWhileLoading = true);

// The tree and list views under a custom style: the kit's painter serves unless the system may
// draw (DefaultDraw without a custom style); the window's brush in the style-mapped colour, which
// the caller hands to the system control too.
bool KitPaintsView(const TControl* control, bool defaultDraw);
TColor UpdateViewBrush(TWinControl* control);
// Repaints the window, frame and children included, at once.
void FullRedrawWindow(TWinControl* control);

// What the tree and list views share: the selection look, and the switch between the kit's row
// painter and the system's drawing with the window brush in the style's colour.
template <class Base>
class TscCustomDrawnViewOf : public TscSelectionLookOf<Base, true> {
public:
    using TscSelectionLookOf<Base, true>::TscSelectionLookOf;

    bool DefaultDraw() const { return FDefaultDraw; }
    void SetDefaultDraw(bool value)
    {
        if (FDefaultDraw == value)
            return;
        FDefaultDraw = value;
        // Under a custom style the kit paints either way.
        if (!this->ComponentState().Contains(csDesigning) && UsesCustomStyle(this))
            return;
        UpdatePainter();
        this->Invalidate();
    }

protected:
    // Hands the system control's custom drawing to the kit's painter, or back to the system.
    virtual void InstallPainter(bool kitPaints) = 0;
    // Tells the system control the background colour it erases with.
    virtual void SendBackgroundColor(TColor color) = 0;

    void UpdatePainter() { InstallPainter(KitPaintsView(this, FDefaultDraw)); }
    void UpdateBrush()
    {
        const TColor color = UpdateViewBrush(this);
        if (this->HandleAllocated())
            SendBackgroundColor(color);
    }

    bool FDefaultDraw = false;
};

// The selection of a tree or list view row in its bitmap. Under scstColor the colour (mapped
// through the style when mapColors), laid over the row colour at alpha 200 when the control is
// neither focused nor shows the focus; under scstStyled the style's selection with the focused
// flag given. The canvas font takes the selection's text colour.
void PaintRowSelection(TCanvas* canvas, const TRect& rect, const TWinControl* control, const TscSelectionLook& look,
                       TColor rowColor, bool styledFocused, bool mapColors);

// Draws an image of the list for an item (enabled or in the list's disabled look) at the reading
// start of the rectangle, centred vertically, and moves the text rectangle past it.
void DrawListItemImage(TCanvas* canvas, TRect& textRect, TCustomImageList* images, int index, bool enabled,
                       bool rightToLeft);

// What the item content painters differ in.
enum class TscItemFlavour { ListBox, CheckListBox, ComboBox };

// The body text of an item: everything after the whole title divider (or the whole text); the
// title is the text before the divider, empty when there is none.
String ItemBodyText(const String& text, const String& divider, String& title);

// One item's content: image, bold title, body (tab stops, wrapped or one line).
struct TscItemContent {
    const TControl* Control;
    String Text;
    TCustomImageList* Images;
    int ImageIndex;
    TscGetDrawItemParamsEvent OnGetDrawItemParams;
    bool WordBreak;
    String TitleDivider;
    const TStrings* TabWidths;
    TscItemFlavour Flavour;
};
void PaintItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, const TscItemContent& content);
// The content of an item of a list-like wrapper, from its properties.
template <class List>
TscItemContent ItemContentOf(const List* list, int index, const TStrings* tabWidths, TscItemFlavour flavour)
{
    return {list,          list->Items()->Strings(index), list->Images(), list->ImageIndex(), list->OnGetDrawItemParams(),
            list->WordBreak(), list->TitleDivider(),      tabWidths,      flavour};
}
// Puts the text first in the items (moving it when present); an empty text does nothing.
void AddMRUItem(TStrings* items, const String& value);

// One owner-drawn item of a list box, composed off screen: colours, fill, separator line,
// selection, focus rectangle, then the content. A check strip, when CheckWidth is above 0, is
// painted by DrawCheck and the rest happens beside it.
struct TscListItemPaint {
    TCustomListBox* Control;
    TscSelectionLook Look;
    bool ShowLines;
    TColor LineColor;
    int CheckWidth;
    std::function<void(TCanvas*, const TRect&, int)> DrawCheck;
    std::function<void(TCanvas*, TRect, int, TOwnerDrawState)> Content;
};
void PaintListBoxItem(const DRAWITEMSTRUCT& item, const TscListItemPaint& paint);
// The area below the last visible item filled with the control's brush (a list without a custom
// style and, where columnsMatter, with one column); false when the default erase should run.
bool EraseBelowListItems(TCustomListBox* control, HDC dc, bool columnsMatter);

class TscCustomListBox : public TscLinedItemListOf<TCustomListBox, true> {
    TAVIN_PUBLISHED_CLASS(TscCustomListBox, TCustomListBox)
public:
    explicit TscCustomListBox(TComponent* owner);
    void WndProc(TMessage& message) override;

    bool FluentUIOpaque() const { return FFluentUIOpaque; }
    void SetFluentUIOpaque(bool value);

    bool IsFluentUIOpaqueActive() const;
    // Puts the text first in the list (moving it when present); an empty text does nothing.
    void AddMRUItem(const String& value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    virtual void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state);

    bool FFluentUIOpaque = false;
};

class TscListBox : public TscCustomListBox {
    TAVIN_PUBLISHED_CLASS(TscListBox, TscCustomListBox)
public:
    using TscCustomListBox::TscCustomListBox;
};

class TscCustomComboBox : public TscItemListOf<TCustomComboBox, true> {
    TAVIN_PUBLISHED_CLASS(TscCustomComboBox, TCustomComboBox)
public:
    explicit TscCustomComboBox(TComponent* owner);
    void WndProc(TMessage& message) override;

    void SetStyle(TComboBoxStyle value) override;
    void SetItemHeight(int value) override;
    TscComboStyleKind StyleKind() const { return FStyleKind; }
    void SetStyleKind(TscComboStyleKind value);
    bool FluentUIOpaque() const { return FFluentUIOpaque; }
    void SetFluentUIOpaque(bool value);

    bool IsFluentUIOpaqueActive() const;
    // Whether the closed face is the kit's own (a push-button face with the item and an arrow).
    bool IsCustomFaceDrawn() const;
    // The item the face shows while the list is open.
    int TempItemIndex() const { return FTempItemIndex; }
    // Renders the whole control into a foreign device context at (x, y).
    void PaintToDC(HDC dc, int x, int y);
    void AddMRUItem(const String& value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    virtual void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool faceItem);
    // The closed face: parent background, button face, item, focus rectangle, drop-down part.
    void DrawComboFace(TCanvas* canvas);

    TscComboStyleKind FStyleKind = scscbDefault;
    int FTempItemIndex = -1;
    bool FFluentUIOpaque = false;

private:
    void DrawItemOrEvent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool faceItem);
    void RedrawNow();
    int FontItemHeight();
};

class TscComboBox : public TscCustomComboBox {
    TAVIN_PUBLISHED_CLASS(TscComboBox, TscCustomComboBox)
public:
    using TscCustomComboBox::TscCustomComboBox;
};

// A scroll bar without the framework's frame, never a tab stop, that blocks touch gestures.
class TscScrollBar : public TScrollBar {
    TAVIN_CLASS(TscScrollBar, TScrollBar)
public:
    explicit TscScrollBar(TComponent* owner);
    void WndProc(TMessage& message) override;
};

class TscCheckListBox : public TscLinedItemListOf<TCheckListBox, false> {
    TAVIN_PUBLISHED_CLASS(TscCheckListBox, TCheckListBox)
public:
    explicit TscCheckListBox(TComponent* owner);
    void WndProc(TMessage& message) override;

    // The width of the check box as last drawn.
    int CheckBoxWidth() const { return FCheckBoxWidth; }

protected:
    void ChangeScale(int m, int d, bool isDpiChange) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyPress(Char& key) override;
    virtual void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state);

    int FCheckBoxWidth = 13;

private:
    void PaintCheckItem(const DRAWITEMSTRUCT& item);
    int MeasureCheckBox();
};
