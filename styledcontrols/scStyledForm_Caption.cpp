// Caption buttons and tabs: the collection items, their non-client objects (layout width,
// painting, mouse) and the caption painter's part that lays them out.
#include <algorithm>

#include "Math.h"
#include "scStyledForm.h"

TAVIN_PUBLISHED(TscNCButtonItem)
{
    TAVIN_PROPERTY(bool, AllowAllUp);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(int, HotImageIndex).Default(-1);
    TAVIN_PROPERTY(int, PressedImageIndex).Default(-1);
    TAVIN_PROPERTY(bool, Down);
    TAVIN_PROPERTY(bool, Enabled);
    TAVIN_PROPERTY(int, GroupIndex);
    TAVIN_PROPERTY(bool, Visible);
    TAVIN_PROPERTY(TPopupMenu*, PopupMenu);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, SplitButton);
    TAVIN_PROPERTY(TscNCButtonStyle, Style);
    TAVIN_PROPERTY(int, Width);
    TAVIN_PROPERTY(int, Height);
    TAVIN_PROPERTY(int, MarginLeft);
    TAVIN_PROPERTY(int, MarginRight);
    TAVIN_PROPERTY(int, MarginTop);
    TAVIN_PROPERTY(int, MarginBottom);
    TAVIN_PROPERTY(TscNCButtonPosition, Position);
    TAVIN_PROPERTY(int, Spacing);
    TAVIN_PROPERTY(int, Margin);
    TAVIN_PROPERTY(int, ContentMargin);
    TAVIN_PROPERTY(bool, CustomDropDown);
    TAVIN_PROPERTY(String, Hint);
    TAVIN_PROPERTY(TscPaintNCButtonEvent, OnPaint);
    TAVIN_PROPERTY(TscPaintParamsNCButtonEvent, OnGetPaintParams);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TscNCMouseXYEvent, OnMouseUp);
    TAVIN_PROPERTY(TscNCMouseXYEvent, OnMouseDown);
    TAVIN_PROPERTY(TscNCMouseXYEvent, OnMouseMove);
    TAVIN_PROPERTY(TscNCMouseEvent, OnMouseEnter);
    TAVIN_PROPERTY(TscNCMouseEvent, OnMouseLeave);
    TAVIN_PROPERTY(TscNCButtonCloseUpEvent, OnCloseUp);
    TAVIN_PROPERTY(TscNCButtonDropDownEvent, OnDropDown);
}

TAVIN_PUBLISHED(TscNCTabItem)
{
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, Enabled);
    TAVIN_PROPERTY(bool, Visible);
    TAVIN_PROPERTY(int, Width);
    TAVIN_PROPERTY(int, Height);
    TAVIN_PROPERTY(int, MarginTop);
    TAVIN_PROPERTY(int, ContentMargin);
    TAVIN_PROPERTY(int, Spacing);
    TAVIN_PROPERTY(String, Hint);
    TAVIN_PROPERTY(TscPaintNCTabEvent, OnPaint);
    TAVIN_PROPERTY(TscPaintParamsNCTabEvent, OnGetPaintParams);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TscNCMouseXYEvent, OnMouseUp);
    TAVIN_PROPERTY(TscNCMouseXYEvent, OnMouseDown);
    TAVIN_PROPERTY(TscNCMouseXYEvent, OnMouseMove);
    TAVIN_PROPERTY(TscNCMouseEvent, OnMouseEnter);
    TAVIN_PROPERTY(TscNCMouseEvent, OnMouseLeave);
}

namespace {

template <class T>
bool Store(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Collections.

TscNCButtonItems::TscNCButtonItems(TscStyledForm* styledForm)
    : TCollection(TscNCButtonItem::StaticClass()), FStyledForm(styledForm)
{
}

TPersistent* TscNCButtonItems::GetOwner() const { return FStyledForm; }

void TscNCButtonItems::Update(TCollectionItem*)
{
    const TComponentState state = FStyledForm->ComponentState();
    if (!state.Contains(csDesigning) && !state.Contains(csLoading))
        FStyledForm->UpDateFormNC();
}

TscNCTabItems::TscNCTabItems(TscStyledForm* styledForm)
    : TCollection(TscNCTabItem::StaticClass()), FStyledForm(styledForm)
{
}

TPersistent* TscNCTabItems::GetOwner() const { return FStyledForm; }

void TscNCTabItems::Update(TCollectionItem*)
{
    const TComponentState state = FStyledForm->ComponentState();
    if (!state.Contains(csDesigning) && !state.Contains(csLoading))
        FStyledForm->UpDateFormNC();
}

// ---------------------------------------------------------------------------------------------
// Items.

// Joining the collection repaints the caption, which walks the items: the item joins once it is
// complete.
TscNCButtonItem::TscNCButtonItem(TCollection* collection)
    : TCollectionItem(nullptr), FNCObject(std::make_unique<TscNCButtonObject>(this))
{
    SetCollection(collection);
}

TscNCButtonItem::~TscNCButtonItem()
{
    if (TscStyledForm* styled = StyledForm())
        styled->NCObjectGone(FNCObject.get());
    if (FPopupMenu && StyledForm())
        FPopupMenu->RemoveFreeNotification(StyledForm());
}

TscStyledForm* TscNCButtonItem::StyledForm() const
{
    auto* items = dynamic_cast<TscNCButtonItems*>(Collection());
    return items ? items->StyledForm() : nullptr;
}

void TscNCButtonItem::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TscNCButtonItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FImageIndex = other->FImageIndex;
    FHotImageIndex = other->FHotImageIndex;
    FPressedImageIndex = other->FPressedImageIndex;
    FEnabled = other->FEnabled;
    SetPopupMenu(other->FPopupMenu);
    FVisible = other->FVisible;
    FSplitButton = other->FSplitButton;
    FCaption = other->FCaption;
    FStyle = other->FStyle;
    FHeight = other->FHeight;
    FWidth = other->FWidth;
    FMarginLeft = other->FMarginLeft;
    FMarginRight = other->FMarginRight;
    FMarginTop = other->FMarginTop;
    FMarginBottom = other->FMarginBottom;
    FPosition = other->FPosition;
    FSpacing = other->FSpacing;
    FMargin = other->FMargin;
    FHint = other->FHint;
    FCustomDropDown = other->FCustomDropDown;
    Signal();
}

void TscNCButtonItem::SetImageIndex(int value)
{
    if (Store(FImageIndex, value))
        Signal();
}

void TscNCButtonItem::SetDown(bool value)
{
    if (!Store(FDown, value))
        return;
    if (Collection())
        for (int i = 0; i < Collection()->Count(); ++i) {
            auto* other = static_cast<TscNCButtonItem*>(Collection()->Items(i));
            if (other != this && other->FGroupIndex == FGroupIndex)
                other->FDown = false;
        }
    Signal();
}

void TscNCButtonItem::SetEnabled(bool value)
{
    if (Store(FEnabled, value))
        Signal();
}

void TscNCButtonItem::SetVisible(bool value)
{
    if (Store(FVisible, value))
        Signal();
}

void TscNCButtonItem::SetPopupMenu(TPopupMenu* value)
{
    if (FPopupMenu == value)
        return;
    TscStyledForm* styled = StyledForm();
    if (FPopupMenu && styled)
        FPopupMenu->RemoveFreeNotification(styled);
    FPopupMenu = value;
    if (value && styled)
        value->FreeNotification(styled);
    Signal();
}

void TscNCButtonItem::SetCaption(const String& value)
{
    if (Store(FCaption, value))
        Signal();
}

void TscNCButtonItem::SetSplitButton(bool value)
{
    if (Store(FSplitButton, value))
        Signal();
}

void TscNCButtonItem::SetStyle(TscNCButtonStyle value)
{
    if (Store(FStyle, value))
        Signal();
}

void TscNCButtonItem::SetWidth(int value)
{
    if (value >= 0 && Store(FWidth, value))
        Signal();
}

void TscNCButtonItem::SetHeight(int value)
{
    if (value >= 0 && Store(FHeight, value))
        Signal();
}

void TscNCButtonItem::SetMarginLeft(int value)
{
    if (Store(FMarginLeft, value))
        Signal();
}

void TscNCButtonItem::SetMarginRight(int value)
{
    if (Store(FMarginRight, value))
        Signal();
}

void TscNCButtonItem::SetMarginTop(int value)
{
    if (Store(FMarginTop, value))
        Signal();
}

void TscNCButtonItem::SetMarginBottom(int value)
{
    if (Store(FMarginBottom, value))
        Signal();
}

void TscNCButtonItem::SetPosition(TscNCButtonPosition value)
{
    if (Store(FPosition, value))
        Signal();
}

void TscNCButtonItem::SetSpacing(int value)
{
    if (value >= 0 && Store(FSpacing, value))
        Signal();
}

void TscNCButtonItem::SetMargin(int value)
{
    if (value >= -1 && Store(FMargin, value))
        Signal();
}

void TscNCButtonItem::SetContentMargin(int value)
{
    if (value >= 0 && Store(FContentMargin, value))
        Signal();
}

TscNCTabItem::TscNCTabItem(TCollection* collection)
    : TCollectionItem(nullptr), FNCObject(std::make_unique<TscNCTabObject>(this))
{
    SetCollection(collection);
}

TscNCTabItem::~TscNCTabItem()
{
    if (TscStyledForm* styled = StyledForm())
        styled->NCObjectGone(FNCObject.get());
}

TscStyledForm* TscNCTabItem::StyledForm() const
{
    auto* items = dynamic_cast<TscNCTabItems*>(Collection());
    return items ? items->StyledForm() : nullptr;
}

void TscNCTabItem::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TscNCTabItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FImageIndex = other->FImageIndex;
    FCaption = other->FCaption;
    FVisible = other->FVisible;
    FEnabled = other->FEnabled;
    FHeight = other->FHeight;
    FWidth = other->FWidth;
    FMarginTop = other->FMarginTop;
    FSpacing = other->FSpacing;
    FHint = other->FHint;
    Signal();
}

void TscNCTabItem::SetImageIndex(int value)
{
    if (Store(FImageIndex, value))
        Signal();
}

void TscNCTabItem::SetCaption(const String& value)
{
    if (Store(FCaption, value))
        Signal();
}

void TscNCTabItem::SetEnabled(bool value)
{
    if (Store(FEnabled, value))
        Signal();
}

void TscNCTabItem::SetVisible(bool value)
{
    if (Store(FVisible, value))
        Signal();
}

void TscNCTabItem::SetWidth(int value)
{
    if (Store(FWidth, value))
        Signal();
}

void TscNCTabItem::SetHeight(int value)
{
    if (Store(FHeight, value))
        Signal();
}

void TscNCTabItem::SetMarginTop(int value)
{
    if (Store(FMarginTop, value))
        Signal();
}

void TscNCTabItem::SetContentMargin(int value)
{
    if (Store(FContentMargin, value))
        Signal();
}

void TscNCTabItem::SetSpacing(int value)
{
    if (value >= 0 && Store(FSpacing, value))
        Signal();
}

// ---------------------------------------------------------------------------------------------
// Objects.

void TscNCObject::Invalidate()
{
    if (auto* button = dynamic_cast<TscNCButtonItem*>(Parent))
        button->Signal();
    else if (auto* tab = dynamic_cast<TscNCTabItem*>(Parent))
        tab->Signal();
}

namespace {

int TextWidth(TCanvas* canvas, const String& text)
{
    SIZE size{};
    GetTextExtentPoint32W(canvas->Handle(), reinterpret_cast<const wchar_t*>(text.c_str()),
                          static_cast<int>(text.size()), &size);
    return size.cx;
}

int ScaleBy(double scale, int value) { return static_cast<int>(Round(scale * value)); }

TscsCtrlState StateOf(bool pressed, bool hot, bool enabled)
{
    if (pressed)
        return scsPressed;
    if (hot)
        return scsHot;
    return enabled ? scsNormal : scsDisabled;
}

} // namespace

TscNCButtonObject::TscNCButtonObject(TscNCButtonItem* item) : TscNCObject(item), ButtonItem(item) {}

TscStyledForm* TscNCButtonObject::GetStyledForm() const { return ButtonItem->StyledForm(); }

bool TscNCButtonObject::HasDropDown() const { return ButtonItem->PopupMenu() || ButtonItem->CustomDropDown(); }

int TscNCButtonObject::ArrowWidth() const
{
    TscStyledForm* styled = GetStyledForm();
    const double scale = styled ? styled->BorderScaleFactor() : 1.0;
    return ScaleBy(scale, ButtonItem->SplitButton() ? 17 : 13);
}

int TscNCButtonObject::GetContentWidth(int proposed, TCanvas* canvas)
{
    TscStyledForm* styled = GetStyledForm();
    const double scale = styled ? styled->BorderScaleFactor() : 1.0;
    TCustomImageList* images = styled ? styled->ButtonImages() : nullptr;
    int w = images && ButtonItem->ImageIndex() != -1 ? images->Width() : 0;
    if (!ButtonItem->Caption().empty())
        w = w ? w + TextWidth(canvas, ButtonItem->Caption()) + ButtonItem->Spacing() + 6
              : TextWidth(canvas, ButtonItem->Caption()) + 6;
    else if (w && HasDropDown())
        w += 6;
    if (ButtonItem->ContentMargin() > 0)
        w += ScaleBy(scale, ButtonItem->ContentMargin() * 2);
    if (HasDropDown())
        w += ArrowWidth();
    return std::max(proposed, w);
}

void TscNCButtonObject::Draw(TCanvas* canvas)
{
    TscStyledForm* styled = GetStyledForm();
    if (!styled || ObjectRect.IsEmpty())
        return;
    TscNCButtonItem* item = ButtonItem;
    const int index = item->Index();
    HDC dc = canvas->Handle();
    if (item->OnPaint()) {
        const int saved = SaveDC(dc);
        item->OnPaint()(index, canvas, ObjectRect, FMouseIn, FDown, FDroppedDown);
        RestoreDC(dc, saved);
        return;
    }
    TCustomForm* form = styled->Form();
    const double scale = styled->BorderScaleFactor();
    const bool pressed = FDown || FDroppedDown || item->Down();
    const TscsCtrlState state = StateOf(pressed, FMouseIn, item->Enabled());
    int image = item->ImageIndex();
    if (pressed && item->PressedImageIndex() != -1)
        image = item->PressedImageIndex();
    else if (!pressed && FMouseIn && item->HotImageIndex() != -1)
        image = item->HotImageIndex();

    const bool split = item->SplitButton() && HasDropDown();
    const int splitWidth = ScaleBy(scale, 17);
    TColor textColor = GetStyleSystemColor(clBtnText, form), arrowColor = textColor;
    const bool framed = item->Style() == scncPushButton || item->Style() == scncToolButton ||
                        ((item->Style() == scncPushButtonTransparent || item->Style() == scncToolButtonTransparent) &&
                         (state == scsHot || state == scsPressed));
    const bool push = item->Style() == scncPushButton || item->Style() == scncPushButtonTransparent;
    if (framed) {
        if (push) {
            if (split)
                DrawSplitPushButton(canvas, ObjectRect, state, form, splitWidth, FDroppedDown);
            else
                DrawPushButton(canvas, ObjectRect, state, form, scale, false);
            textColor = arrowColor = GetButtonTextColor(state, form);
        } else {
            if (split)
                DrawSplitToolButton(canvas, ObjectRect, state, form, splitWidth, FDroppedDown);
            else
                DrawToolButton(canvas, ObjectRect, state, form);
            textColor = arrowColor = GetToolButtonTextColor(state, form);
        }
        if (FDroppedDown && split) {
            textColor = push ? GetButtonTextColor(scsHot, form) : GetToolButtonTextColor(scsHot, form);
            arrowColor = push ? GetButtonTextColor(scsPressed, form) : GetToolButtonTextColor(scsPressed, form);
        }
    } else {
        textColor = GetCaptionTextColor(state, form);
        if (item->Style() != scncPushButtonTransparent)
            arrowColor = textColor;
    }

    TRect content = ObjectRect;
    if (HasDropDown())
        content.Right -= ArrowWidth();
    const int saved = SaveDC(dc);
    canvas->Font()->SetColor(textColor);
    if (item->Style() == scncLink && FMouseIn) {
        TFontStyles style = canvas->Font()->Style();
        style.Include(fsUnderline);
        canvas->Font()->SetStyle(style);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(ColorToRGB(textColor)));
    bool handled = false;
    item->OnGetPaintParams()(index, canvas, ObjectRect, FMouseIn, FDown, FDroppedDown, handled);
    if (!handled)
        DrawCaptionImageAndText(canvas, content, item->Margin(), true, form->UseRightToLeftReading(),
                                item->Enabled(), styled->ButtonImages(), image, item->Caption(), item->Spacing());
    RestoreDC(dc, saved);
    if (!HasDropDown())
        return;
    const TRect arrow = Rect(ObjectRect.Right - ScaleBy(scale, 17), ObjectRect.Top, ObjectRect.Right, ObjectRect.Bottom);
    if (ThinDropDownArrows)
        DrawDownChevronDC(canvas, arrow, arrowColor, scale);
    else
        DrawDownTriangleDC(canvas, arrow, arrowColor, scale);
    if (split && (item->Style() == scncTransparent || item->Style() == scncLink))
        DrawVertSeparator(canvas, Rect(arrow.Left, arrow.Top + 2, arrow.Left + 2, arrow.Bottom - 2), false, form);
}

TPoint TscNCButtonObject::DropDownPoint() const
{
    TscStyledForm* styled = GetStyledForm();
    TCustomForm* form = styled->Form();
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    return {window.left + ObjectRect.Left, window.top + ObjectRect.Bottom};
}

void TscNCButtonObject::ShowCustomDropDown()
{
    const TPoint p = DropDownPoint();
    FDroppedDown = true;
    Invalidate();
    if (!ButtonItem->SplitButton())
        ButtonItem->OnClick()(this);
    ButtonItem->OnDropDown()(ButtonItem->Index(), p.X, p.Y);
}

void TscNCButtonObject::ShowPopupMenu()
{
    TscStyledForm* styled = GetStyledForm();
    const TPoint p = DropDownPoint();
    FDroppedDown = true;
    Invalidate();
    if (!ButtonItem->SplitButton())
        ButtonItem->OnClick()(this);
    styled->BeginMenuTracking();
    ButtonItem->PopupMenu()->Popup(p.X, p.Y);
    FDown = FDroppedDown = FMouseIn = false;
    styled->EndMenuTracking();
}

void TscNCButtonObject::MouseDown(int x, int y)
{
    FDown = true;
    TscStyledForm* styled = GetStyledForm();
    if (styled && styled->MenuTracking()) {
        FDown = FDroppedDown = false;
        FMouseIn = true;
        return;
    }
    // A split button opens its menu only from its arrow part.
    const bool inArrow = !ButtonItem->SplitButton() || x >= ObjectRect.Right - ArrowWidth();
    if (ButtonItem->CustomDropDown() && inArrow)
        ShowCustomDropDown();
    else if (ButtonItem->PopupMenu() && inArrow)
        ShowPopupMenu();
    const int index = ButtonItem->Index();
    if (ButtonItem->GroupIndex() <= 0 || ButtonItem->Down()) {
        FAllowAllUpCheck = ButtonItem->GroupIndex() > 0 && ButtonItem->Down() && ButtonItem->AllowAllUp();
        if (!FDroppedDown)
            Invalidate();
        ButtonItem->OnMouseDown()(index, x, y);
        return;
    }
    ButtonItem->SetDown(true);
    ButtonItem->OnMouseDown()(index, x, y);
    ButtonItem->OnClick()(this);
}

void TscNCButtonObject::MouseUp(int x, int y)
{
    FDown = false;
    TscStyledForm* styled = GetStyledForm();
    if (styled && styled->MenuTracking())
        return;
    if (ButtonItem->GroupIndex() <= 0) {
        if (!FDroppedDown)
            Invalidate();
        ButtonItem->OnMouseUp()(ButtonItem->Index(), x, y);
        ButtonItem->OnClick()(this);
    } else if (FAllowAllUpCheck) {
        FAllowAllUpCheck = false;
        ButtonItem->FDown = false;
        Invalidate();
        ButtonItem->OnClick()(this);
    }
}

void TscNCButtonObject::MouseMove(int x, int y)
{
    FMouseIn = true;
    ButtonItem->OnMouseMove()(ButtonItem->Index(), x, y);
}

void TscNCButtonObject::MouseEnter()
{
    FMouseIn = true;
    TscStyledForm* styled = GetStyledForm();
    if (styled && !ButtonItem->Hint().empty() && styled->HintComponent() && styled->ShowHints())
        styled->HintComponent()->ActivateHint(ButtonItem->Hint());
    if (!FDroppedDown)
        Invalidate();
    ButtonItem->OnMouseEnter()(ButtonItem->Index());
}

void TscNCButtonObject::MouseLeave()
{
    FMouseIn = false;
    TscStyledForm* styled = GetStyledForm();
    if (styled && !ButtonItem->Hint().empty() && styled->HintComponent() && styled->ShowHints())
        styled->HintComponent()->HideHint();
    FDown = false;
    if (!FDroppedDown)
        Invalidate();
    ButtonItem->OnMouseLeave()(ButtonItem->Index());
}

void TscNCButtonObject::DropDownClosed(bool acceptChanges)
{
    FDown = FDroppedDown = false;
    TscStyledForm* styled = GetStyledForm();
    POINT c;
    FMouseIn = false;
    if (styled && styled->Form()->HandleAllocated() && GetCursorPos(&c)) {
        RECT window;
        GetWindowRect(styled->Form()->Handle(), &window);
        FMouseIn = ObjectRect.Contains({c.x - window.left, c.y - window.top});
    }
    Invalidate();
    ButtonItem->OnCloseUp()(ButtonItem->Index(), acceptChanges);
}

TscNCTabObject::TscNCTabObject(TscNCTabItem* item) : TscNCObject(item), TabItem(item) {}

TscStyledForm* TscNCTabObject::GetStyledForm() const { return TabItem->StyledForm(); }

int TscNCTabObject::GetContentWidth(int proposed, TCanvas* canvas)
{
    TscStyledForm* styled = GetStyledForm();
    const double scale = styled ? styled->BorderScaleFactor() : 1.0;
    TCustomImageList* images = styled ? styled->TabImages() : nullptr;
    const int imageWidth = images && TabItem->ImageIndex() != -1 ? images->Width() : 0;
    int w = imageWidth;
    if (!TabItem->Caption().empty()) {
        const int text = TextWidth(canvas, TabItem->Caption());
        w = imageWidth ? imageWidth + text + TabItem->Spacing() + TabItem->ContentMargin() * 2 + 14
                       : text + ScaleBy(scale, TabItem->ContentMargin() * 2) + 14;
    }
    return std::max(proposed, w);
}

void TscNCTabObject::Draw(TCanvas* canvas)
{
    TscStyledForm* styled = GetStyledForm();
    if (!styled || ObjectRect.IsEmpty())
        return;
    const int index = TabItem->Index();
    const bool active = index == styled->TabIndex();
    if (TabItem->OnPaint()) {
        TabItem->OnPaint()(index, canvas, ObjectRect, FMouseIn, active);
        return;
    }
    TCustomForm* form = styled->Form();
    const TscsCtrlState state = active ? scsPressed : StateOf(false, FMouseIn, TabItem->Enabled());
    const bool drawn = active || FMouseIn || styled->ShowInactiveTab();
    if (drawn)
        DrawTabButton(canvas, ObjectRect, state, form);
    const TColor color = drawn ? GetTabTextColor(state, form) : GetCaptionTextColor(state, form);
    canvas->Font()->SetColor(color);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    bool handled = false;
    TabItem->OnGetPaintParams()(index, canvas, ObjectRect, FMouseIn, active, handled);
    if (!handled) {
        const TRect text = Rect(ObjectRect.Left, ObjectRect.Top, ObjectRect.Right, ObjectRect.Bottom + 1);
        DrawCaptionImageAndText(canvas, text, -1, true, form->UseRightToLeftReading(), TabItem->Enabled(),
                                styled->TabImages(), TabItem->ImageIndex(), TabItem->Caption(), TabItem->Spacing());
    }
}

void TscNCTabObject::MouseDown(int x, int y)
{
    FDown = true;
    TscStyledForm* styled = GetStyledForm();
    const int index = TabItem->Index();
    if (styled && styled->TabIndex() != index) {
        styled->SetTabIndex(index);
        TabItem->OnClick()(this);
        styled->OnTabChanged()(TabItem);
    }
    TabItem->OnMouseDown()(index, x, y);
}

void TscNCTabObject::MouseUp(int x, int y)
{
    FDown = false;
    TabItem->OnMouseUp()(TabItem->Index(), x, y);
}

void TscNCTabObject::MouseMove(int x, int y)
{
    FMouseIn = true;
    TabItem->OnMouseMove()(TabItem->Index(), x, y);
}

void TscNCTabObject::MouseEnter()
{
    FMouseIn = true;
    TscStyledForm* styled = GetStyledForm();
    if (styled && !TabItem->Hint().empty() && styled->HintComponent() && styled->ShowHints())
        styled->HintComponent()->ActivateHint(TabItem->Hint());
    Invalidate();
    TabItem->OnMouseEnter()(TabItem->Index());
}

void TscNCTabObject::MouseLeave()
{
    FMouseIn = false;
    TscStyledForm* styled = GetStyledForm();
    if (styled && !TabItem->Hint().empty() && styled->HintComponent() && styled->ShowHints())
        styled->HintComponent()->HideHint();
    Invalidate();
    TabItem->OnMouseLeave()(TabItem->Index());
}

// ---------------------------------------------------------------------------------------------
// The caption painter's part: layout and drawing of the buttons and tabs.

void TscFormStyleHook::PaintCaptionObjects(TCanvas* canvas, int left, int& right, int top, int height, double scale,
                                           int& textLeft)
{
    TscStyledForm* styled = StyledForm();
    if (IsMinimized())
        return;
    TscNCButtonItems* buttonItems = styled->Buttons();
    TscNCTabItems* tabItems = styled->Tabs();
    std::vector<TscCaptionItem> buttons, tabs;
    if (styled->ShowButtons())
        for (int i = 0; i < buttonItems->Count(); ++i) {
            TscNCButtonItem* item = buttonItems->Items(i);
            if (!item->Visible())
                item->NCObject()->FMouseIn = false;
            buttons.push_back({item->Visible(), item->Position() == scbpRight, item->Width(), item->Height(),
                               item->MarginLeft(), item->MarginRight(), item->MarginTop(), item->MarginBottom(), {}});
        }
    if (styled->ShowTabs())
        for (int i = 0; i < tabItems->Count(); ++i) {
            TscNCTabItem* item = tabItems->Items(i);
            tabs.push_back({item->Visible(), styled->TabsPosition() == sctpRight, item->Width(), item->Height(), 0, 0,
                            item->MarginTop(), 0, {}});
        }
    auto withFont = [&](TFont* font) {
        canvas->Font()->Assign(font);
        canvas->Font()->SetHeight(static_cast<int>(Round(font->Height() * scale)));
    };
    const int captionHeight = height - FYOffset;
    auto buttonWidth = [&](int i, int proposed) {
        withFont(styled->ButtonFont());
        return buttonItems->Items(i)->NCObject()->GetContentWidth(proposed, canvas);
    };
    auto tabWidth = [&](int i, int proposed) {
        withFont(styled->TabFont());
        return tabItems->Items(i)->NCObject()->GetContentWidth(proposed, canvas);
    };
    const TscCaptionLayout free = scLayoutCaption(buttons, buttonWidth, tabs, tabWidth,
                                                  styled->TabsPosition() == sctpRight, left, right, top,
                                                  captionHeight, scale);
    for (size_t i = 0; i < buttons.size(); ++i) {
        TscNCButtonObject* object = buttonItems->Items(static_cast<int>(i))->NCObject();
        object->ObjectRect = buttons[i].Rect;
        withFont(styled->ButtonFont());
        object->Draw(canvas);
    }
    for (size_t i = 0; i < tabs.size(); ++i) {
        TscNCTabObject* object = tabItems->Items(static_cast<int>(i))->NCObject();
        object->ObjectRect = tabs[i].Rect;
        withFont(styled->TabFont());
        object->Draw(canvas);
    }
    textLeft = free.Left;
    right = free.Right;
}
