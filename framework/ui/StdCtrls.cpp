// The standard controls over the system's EDIT, BUTTON, COMBOBOX, LISTBOX and SCROLLBAR classes,
// and the label drawn by its parent.
#include "StdCtrls.h"

#include "Forms.h"
#include "WideText.h"

TAVIN_PUBLISHED(TLabel)
{
    TAVIN_PROPERTY(String, Caption).Stored(&ThisClass::IsCaptionStored);
    TAVIN_PROPERTY(bool, AutoSize).Default(true);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TTextLayout, Layout).Default(tlTop);
    TAVIN_PROPERTY(bool, WordWrap).Default(false);
    TAVIN_PROPERTY(bool, Transparent).Default(false);
    TAVIN_PROPERTY(TWinControl*, FocusControl);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
}

namespace {

// Auto-sized labels measure on one memory DC, kept until the unit shuts down: a form with many
// labels would otherwise take and give back a screen DC for each (the measure is the same).
HDC GLabelMeasureDC = nullptr;

HDC LabelMeasureDC()
{
    if (!GLabelMeasureDC)
        GLabelMeasureDC = CreateCompatibleDC(nullptr);
    return GLabelMeasureDC;
}

} // namespace

UINT TLabel::TextFlags() const
{
    UINT flags = DT_EXPANDTABS;
    TAlignment a = MirroredAlignment(FAlignment);
    flags |= a == taRightJustify ? DT_RIGHT : a == taCenter ? DT_CENTER : DT_LEFT;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    else if (FLayout != tlTop)
        flags |= DT_SINGLELINE | (FLayout == tlCenter ? DT_VCENTER : DT_BOTTOM);
    if (UseRightToLeftReading())
        flags |= DT_RTLREADING;
    return flags;
}

void TLabel::Paint()
{
    HDC dc = Canvas()->Handle();
    if (!FTransparent) {
        RECT all{0, 0, Width(), Height()};
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color())));
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, Font()->Handle());
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Enabled() ? Font()->Color() : clGrayText)));
    RECT r{0, 0, Width(), Height()};
    String text = Caption();
    DrawShapedText(dc, text, r, TextFlags());
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    HDC dc = LabelMeasureDC();
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    RECT r{0, 0, FWordWrap ? Width() : 0, 0};
    String text = Caption().empty() ? String(u" ") : Caption();
    DrawShapedText(dc, text, r, (TextFlags() & ~static_cast<UINT>(DT_SINGLELINE)) | DT_CALCRECT);
    SelectObject(dc, old);
    int left = Left();
    // A right-to-left (or right-aligned) label grows to the left: its right edge stays.
    if (MirroredAlignment(FAlignment) == taRightJustify)
        left = Left() + Width() - r.right;
    SetBounds(left, Top(), r.right, r.bottom);
}

void TLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        AdjustBounds();
        break;
    case CM_HITTEST:
        message.Result = 1;
        return;
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && IsAccel(static_cast<Char>(message.WParam), Caption()) &&
            FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            message.Result = 1;
        }
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_PARENTFONTCHANGED)
        AdjustBounds();
}

void TLabel::SetAutoSize(bool value) { FAutoSize = value; AdjustBounds(); }
void TLabel::SetAlignment(TAlignment value) { FAlignment = value; Invalidate(); }
void TLabel::SetLayout(TTextLayout value) { FLayout = value; Invalidate(); }
void TLabel::SetWordWrap(bool value) { FWordWrap = value; AdjustBounds(); Invalidate(); }
void TLabel::SetTransparent(bool value) { FTransparent = value; Invalidate(); }

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

// ---------------------------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, 23);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetFocusBeforeClick(true);
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = u"EDIT";
    params.Style |= ES_AUTOHSCROLL;
    if (FReadOnly)
        params.Style |= ES_READONLY;
    TAlignment a = MirroredAlignment(FAlignment);
    params.Style |= a == taRightJustify ? ES_RIGHT : a == taCenter ? ES_CENTER : ES_LEFT;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT); // alignment is the edit's own style
    if (FBorderStyle == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        Change();
        return;
    }
    TWinControl::WndProc(message);
    if (message.Msg == WM_SETTEXT || (message.Msg == WM_CREATE && FMaxLength > 0))
        SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    if (FHandle)
        SendMessageW(FHandle, EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int value)
{
    FMaxLength = value;
    if (FHandle)
        SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetAlignment(TAlignment value)
{
    if (FAlignment == value)
        return;
    FAlignment = value;
    RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomEdit::SelectAll()
{
    if (FHandle)
        SendMessageW(FHandle, EM_SETSEL, 0, -1);
}

int TCustomEdit::SelStart() const
{
    DWORD start = 0;
    if (FHandle)
        SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() const
{
    DWORD start = 0, end = 0;
    if (FHandle)
        SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

TAVIN_PUBLISHED(TEdit)
{
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(bool, ReadOnly).Default(false);
    TAVIN_PROPERTY(int, MaxLength).Default(0);
    TAVIN_PROPERTY(Char, PasswordChar).Default(0);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TBorderStyle, BorderStyle).Default(bsSingle);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

void TEdit::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    if (FPasswordChar)
        params.Style |= ES_PASSWORD;
}

void TEdit::SetPasswordChar(Char value)
{
    FPasswordChar = value;
    if (FHandle) {
        SendMessageW(FHandle, EM_SETPASSWORDCHAR, value, 0);
        Invalidate();
    }
}

// The memo's lines are the window's text, split and joined at line breaks.
class TMemo::TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TMemo* memo) : FMemo(memo) {}
    int Count() const override { return static_cast<int>(Lines().size()); }
    String Strings(int index) const override
    {
        auto lines = Lines();
        if (index < 0 || index >= static_cast<int>(lines.size()))
            IndexError(index);
        return lines[static_cast<size_t>(index)];
    }
    void SetStrings(int index, const String& s) override { Edit([&](auto& l) { Check(l, index); l[static_cast<size_t>(index)] = s; }); }
    void Insert(int index, const String& s) override
    {
        Edit([&](auto& l) {
            if (index < 0 || index > static_cast<int>(l.size()))
                IndexError(index);
            l.insert(l.begin() + index, s);
        });
    }
    void Delete(int index) override { Edit([&](auto& l) { Check(l, index); l.erase(l.begin() + index); }); }
    void Clear() override { FMemo->SetText(String()); }
    void SetText(const String& text) override { FMemo->SetText(text); }

private:
    // The window's text split at its line breaks; an empty text has no lines.
    std::vector<String> Lines() const
    {
        String text = FMemo->Text();
        std::vector<String> lines;
        if (text.empty())
            return lines;
        size_t start = 0;
        for (size_t at; (at = text.find(u"\r\n", start)) != String::npos; start = at + 2)
            lines.push_back(text.substr(start, at - start));
        lines.push_back(text.substr(start));
        return lines;
    }
    void Check(const std::vector<String>& l, int index) const
    {
        if (index < 0 || index >= static_cast<int>(l.size()))
            IndexError(index);
    }
    template <class F>
    void Edit(F change)
    {
        auto lines = Lines();
        change(lines);
        String text;
        for (size_t i = 0; i < lines.size(); ++i)
            text += (i ? u"\r\n" : u"") + lines[i];
        FMemo->SetText(text);
    }
    TMemo* FMemo;
};

TAVIN_PUBLISHED(TMemo)
{
    TAVIN_PROPERTY(TStrings*, Lines);
    TAVIN_PROPERTY(bool, ReadOnly).Default(false);
    TAVIN_PROPERTY(int, MaxLength).Default(0);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TBorderStyle, BorderStyle).Default(bsSingle);
    TAVIN_PROPERTY(TScrollStyle, ScrollBars).Default(ssNone);
    TAVIN_PROPERTY(bool, WordWrap).Default(true);
    TAVIN_PROPERTY(bool, WantReturns).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TMemoStrings>(this))
{
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

void TMemo::SetWantReturns(bool value)
{
    if (FWantReturns == value)
        return;
    FWantReturns = value;
    if (FHandle)
        RecreateWnd();
}

void TMemo::WndProc(TMessage& message)
{
    TCustomEdit::WndProc(message);
    if (message.Msg == WM_GETDLGCODE && !FWantReturns)
        message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

void TMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE;
    if (FWantReturns)
        params.Style |= ES_WANTRETURN;
    if (FWordWrap)
        params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    else
        params.Style |= ES_AUTOHSCROLL;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth)
        params.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth)
        params.Style |= WS_HSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    if (FScrollBars == value)
        return;
    FScrollBars = value;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool value)
{
    if (FWordWrap == value)
        return;
    FWordWrap = value;
    RecreateWnd();
}

// ---------------------------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner)
{
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
    SetTabStop(true);
    SetFocusBeforeClick(true);
}

void TButtonControl::WndProc(TMessage& message)
{
    // Buttons are painted by the system on the parent's colour.
    if (message.Msg == CN_CTLCOLORBTN || message.Msg == CN_CTLCOLORSTATIC) {
        SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
        TWinControl::WndProc(message);
        return;
    }
    TWinControl::WndProc(message);
}

TAVIN_PUBLISHED(TButton)
{
    TAVIN_PROPERTY(String, Caption).Stored(&ThisClass::IsCaptionStored);
    TAVIN_PROPERTY(bool, Default).Default(false);
    TAVIN_PROPERTY(bool, Cancel).Default(false);
    TAVIN_PROPERTY(int, ModalResult).Default(0);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    params.SystemClassName = u"BUTTON";
    params.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR);
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    SetActive(value);
}

void TButton::SetActive(bool value)
{
    FActive = value;
    if (FHandle)
        SendMessageW(FHandle, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click()
{
    if (FModalResult != 0)
        if (TCustomForm* form = GetParentForm())
            form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED)
            Click();
        return;
    case CM_FOCUSCHANGED:
        // Enter presses the focused button; focus on anything else gives it back to the default.
        if (auto* focused = dynamic_cast<TButton*>(reinterpret_cast<TControl*>(message.LParam)))
            SetActive(focused == this);
        else
            SetActive(FDefault);
        return;
    case CM_DIALOGKEY:
        if (((message.WParam == VK_RETURN && FActive) || (message.WParam == VK_ESCAPE && FCancel)) && Showing() &&
            Enabled()) {
            Click();
            message.Result = 1;
        }
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<Char>(message.WParam), Caption()) && CanFocus()) {
            Click();
            message.Result = 1;
        }
        return;
    default:
        break;
    }
    TButtonControl::WndProc(message);
}

TAVIN_PUBLISHED(TCheckBox)
{
    TAVIN_PROPERTY(String, Caption).Stored(&ThisClass::IsCaptionStored);
    TAVIN_PROPERTY(bool, Checked).Default(false);
    TAVIN_PROPERTY(TCheckBoxState, State).Default(cbUnchecked);
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    params.SystemClassName = u"BUTTON";
    params.Style |= BS_3STATE;
    if (UseRightToLeftAlignment())
        params.Style |= BS_LEFTTEXT | BS_RIGHT;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT);
}

void TCheckBox::CreateHandleState()
{
    SendMessageW(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCheckBox::SetState(TCheckBoxState value)
{
    if (FState == value)
        return;
    FState = value;
    if (FHandle)
        SendMessageW(FHandle, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    Click();
}

void TCheckBox::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED)
            SetState(FState == cbUnchecked ? cbChecked : cbUnchecked);
        return;
    }
    TButtonControl::WndProc(message);
}

TAVIN_PUBLISHED(TRadioButton)
{
    TAVIN_PROPERTY(String, Caption).Stored(&ThisClass::IsCaptionStored);
    TAVIN_PROPERTY(bool, Checked).Default(false);
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    params.SystemClassName = u"BUTTON";
    params.Style |= BS_RADIOBUTTON;
    if (UseRightToLeftAlignment())
        params.Style |= BS_LEFTTEXT | BS_RIGHT;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT);
}

void TRadioButton::CreateHandleState()
{
    SendMessageW(FHandle, BM_SETCHECK, FChecked, 0);
}

void TRadioButton::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    if (FHandle)
        SendMessageW(FHandle, BM_SETCHECK, value, 0);
    if (!value)
        return;
    if (Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
                other->SetChecked(false);
    Click();
}

void TRadioButton::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED)
            SetChecked(true);
        return;
    }
    TButtonControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------------

// Items of a combo or list box: in a string list until the window exists, in the window after.
class TCustomListControl::TListStrings : public TStringList {
public:
    explicit TListStrings(TCustomListControl* control) : FControl(control) {}
    void Insert(int index, const String& s) override
    {
        TStringList::Insert(index, s);
        FControl->ItemInserted(index);
        Send(FControl->ListMessages().Insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(WidePtr(s)));
    }
    int AddObject(const String& s, TObject* object) override
    {
        int index = Count();
        if (FControl->FSorted)
            Find(s, index);
        TStringList::InsertObject(index, s, object);
        return index;
    }
    void Delete(int index) override
    {
        TStringList::Delete(index);
        FControl->ItemDeleted(index);
        Send(FControl->ListMessages().Delete, static_cast<WPARAM>(index), 0);
    }
    void Clear() override
    {
        TStringList::Clear();
        FControl->FSavedIndex = -1; // as the window's reset leaves no selection
        FControl->ItemsCleared();
        Send(FControl->ListMessages().Reset, 0, 0);
    }
    void SetStrings(int index, const String& s) override
    {
        TStringList::SetStrings(index, s);
        if (!FControl->HandleAllocated())
            return;
        // The window's line is replaced; the selection stays where it was.
        const int selected = FControl->ItemIndex();
        Send(FControl->ListMessages().Delete, static_cast<WPARAM>(index), 0);
        Send(FControl->ListMessages().Insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(WidePtr(s)));
        FControl->SetItemIndex(selected);
    }
    // Through Delete and Insert, so the window's lines move too.
    void Move(int curIndex, int newIndex) override { TStrings::Move(curIndex, newIndex); }

private:
    void Send(UINT msg, WPARAM wp, LPARAM lp)
    {
        if (FControl->HandleAllocated())
            SendMessageW(FControl->HandleIfAllocated(), msg, wp, lp);
    }
    TCustomListControl* FControl;
};

TCustomListControl::TCustomListControl(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TListStrings>(this)), FCanvas(std::make_unique<TCanvas>())
{
    FControlStyle.Exclude(csClickEvents); // the selection notifications are the clicks
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetFocusBeforeClick(true);
}

TCustomListControl::~TCustomListControl() = default;

int TCustomListControl::ItemIndex() const
{
    if (!FHandle)
        return FSavedIndex;
    return static_cast<int>(SendMessageW(FHandle, ListMessages().GetCurSel, 0, 0));
}

void TCustomListControl::SetItemIndex(int value)
{
    FSavedIndex = value;
    if (FHandle)
        SendMessageW(FHandle, ListMessages().SetCurSel, static_cast<WPARAM>(value), 0);
}

void TCustomListControl::SetSorted(bool value)
{
    if (FSorted == value)
        return;
    FSorted = value;
    if (!value || FItems->Count() < 2)
        return;
    std::vector<std::pair<String, TObject*>> items;
    for (int i = 0; i < FItems->Count(); ++i)
        items.emplace_back(FItems->Strings(i), FItems->Objects(i));
    FItems->BeginUpdate();
    FItems->Clear();
    for (const auto& [text, object] : items)
        FItems->AddObject(text, object);
    FItems->EndUpdate();
}

void TCustomListControl::CreateHandleState()
{
    const TMessages& m = ListMessages();
    for (int i = 0; i < FItems->Count(); ++i)
        SendMessageW(FHandle, m.Add, 0, reinterpret_cast<LPARAM>(WidePtr(FItems->Strings(i))));
    SendMessageW(FHandle, m.SetCurSel, static_cast<WPARAM>(FSavedIndex), 0);
}

void TCustomListControl::SaveHandleState()
{
    FSavedIndex = ItemIndex();
}

void TCustomListControl::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (FOnDrawItem) {
        // The handler paints on Canvas, made ready with the selection's colours.
        const bool selected = item.itemState & ODS_SELECTED;
        FCanvas->SetHandle(item.hDC);
        FCanvas->Font()->Assign(Font());
        FCanvas->Font()->SetColor(selected ? clHighlightText : Font()->Color());
        FCanvas->Brush()->SetColor(selected ? clHighlight : Color());
        FCanvas->Brush()->SetStyle(bsSolid);
        FOnDrawItem(this, static_cast<int>(item.itemID), FromWinRect(item.rcItem), item.itemState);
        FCanvas->SetHandle(nullptr);
        return;
    }
    String text = item.itemID < static_cast<UINT>(FItems->Count()) ? FItems->Strings(static_cast<int>(item.itemID)) : String();
    bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT r = item.rcItem;
    DrawTextW(item.hDC, WidePtr(text), -1, &r, DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
}

TAVIN_PUBLISHED(TComboBox)
{
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(TComboBoxStyle, Style).Default(csDropDown);
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(bool, Sorted).Default(false);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(int, DropDownCount).Default(8);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TNotifyEvent, OnSelect);
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown);
    TAVIN_PROPERTY(TNotifyEvent, OnCloseUp);
    TAVIN_PROPERTY(TDrawItemEvent, OnDrawItem);
    TAVIN_PROPERTY(TMeasureItemEvent, OnMeasureItem);
}

void FireComboNotification(TObject* sender, WORD code, const TNotifyEvent& onChange, const TNotifyEvent& onSelect,
                           const TNotifyEvent& onDropDown, const TNotifyEvent& onCloseUp)
{
    switch (code) {
    case CBN_SELCHANGE:
        onSelect(sender);
        onChange(sender);
        break;
    case CBN_EDITCHANGE:
        onChange(sender);
        break;
    case CBN_DROPDOWN:
        onDropDown(sender);
        break;
    case CBN_CLOSEUP:
        onCloseUp(sender);
        break;
    default:
        break;
    }
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomListControl(owner)
{
    SetBounds(0, 0, 145, 23);
}

const TCustomListControl::TMessages& TCustomComboBox::ListMessages() const
{
    static const TMessages m{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                             CB_GETCURSEL, CB_SETCURSEL, CB_SETITEMDATA};
    return m;
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    params.SystemClassName = u"COMBOBOX";
    params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    switch (FStyle) {
    case csDropDown: params.Style |= CBS_DROPDOWN; break;
    case csSimple: params.Style |= CBS_SIMPLE; break;
    case csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
    case csOwnerDrawFixed: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; break;
    case csOwnerDrawVariable: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS; break;
    }
    // The list drops below the edit: the window is made tall enough for DropDownCount items.
    params.Height = FHeight + FDropDownCount * 18;
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    RecreateWnd();
}

int TCustomComboBox::ItemHeight() const
{
    if (FHandle && (GetWindowLongW(FHandle, GWL_STYLE) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)))
        return FItemHeight;
    if (FHandle)
        return static_cast<int>(SendMessageW(FHandle, CB_GETITEMHEIGHT, 0, 0));
    return FItemHeight;
}

void TCustomComboBox::SetItemHeight(int value)
{
    if (value <= 0 || value == FItemHeight)
        return;
    FItemHeight = value;
    if (FHandle)
        SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, value);
}

bool TCustomComboBox::DroppedDown() const
{
    return FHandle && SendMessageW(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value)
{
    if (FHandle)
        SendMessageW(FHandle, CB_SHOWDROPDOWN, value, 0);
}

void TCustomComboBox::MeasureItem(int index, int& height)
{
    if (FOnMeasureItem)
        FOnMeasureItem(this, index, height);
}

void TCustomComboBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        FireComboNotification(this, HIWORD(message.WParam), FOnChange, FOnSelect, FOnDropDown, FOnCloseUp);
        return;
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    case CN_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        int height = FItemHeight;
        MeasureItem(static_cast<int>(item->itemID), height);
        item->itemHeight = static_cast<UINT>(height);
        message.Result = 1;
        return;
    }
    case WM_WINDOWPOSCHANGED:
        // The window includes the dropped list; the control's height is the edit part's.
        DefaultHandler(message);
        return;
    default:
        break;
    }
    TCustomListControl::WndProc(message);
}

TAVIN_PUBLISHED(TListBox)
{
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(bool, Sorted).Default(false);
    TAVIN_PROPERTY(TListBoxStyle, Style).Default(lbStandard);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(bool, MultiSelect).Default(false);
    TAVIN_PROPERTY(int, Columns).Default(0);
    TAVIN_PROPERTY(TDrawItemEvent, OnDrawItem);
}

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomListControl(owner)
{
    SetBounds(0, 0, 121, 97);
}

const TCustomListControl::TMessages& TCustomListBox::ListMessages() const
{
    static const TMessages m{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                             LB_GETCURSEL, LB_SETCURSEL, LB_SETITEMDATA};
    static const TMessages multi{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                 LB_GETCARETINDEX, LB_SETCARETINDEX, LB_SETITEMDATA};
    return FMultiSelect ? multi : m;
}

void TCustomListBox::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    params.SystemClassName = u"LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (FStyle == lbOwnerDrawFixed)
        params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    else if (FStyle == lbOwnerDrawVariable)
        params.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
    if (FMultiSelect)
        params.Style |= LBS_EXTENDEDSEL;
    if (FColumns > 0)
        params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateHandleState()
{
    TCustomListControl::CreateHandleState();
    if (FStyle != lbOwnerDrawVariable)
        SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
    if (FColumns > 0)
        SendMessageW(FHandle, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(1, Width() / FColumns)), 0);
}

void TCustomListBox::SetStyle(TListBoxStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    RecreateWnd();
}

int TCustomListBox::ItemHeight() const
{
    if (FHandle && FStyle == lbStandard)
        return static_cast<int>(SendMessageW(FHandle, LB_GETITEMHEIGHT, 0, 0));
    return FItemHeight;
}

void TCustomListBox::SetItemHeight(int value)
{
    if (value <= 0 || value == FItemHeight)
        return;
    FItemHeight = value;
    if (FHandle && FStyle != lbOwnerDrawVariable) {
        SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, value);
        Invalidate();
    }
}

void TCustomListBox::SetMultiSelect(bool value)
{
    if (FMultiSelect == value)
        return;
    FMultiSelect = value;
    RecreateWnd();
}

void TCustomListBox::SetColumns(int value)
{
    value = std::max(0, value);
    if (FColumns == value)
        return;
    FColumns = value;
    RecreateWnd();
}

int TCustomListBox::TopIndex() const
{
    return FHandle ? static_cast<int>(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0)) : 0;
}

void TCustomListBox::SetTopIndex(int value)
{
    if (FHandle)
        SendMessageW(FHandle, LB_SETTOPINDEX, static_cast<WPARAM>(value), 0);
}

bool TCustomListBox::Selected(int index) const
{
    if (!FHandle)
        return false;
    if (!FMultiSelect)
        return index >= 0 && index == ItemIndex();
    return SendMessageW(FHandle, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool value)
{
    if (!FHandle)
        return;
    if (FMultiSelect)
        SendMessageW(FHandle, LB_SETSEL, value, static_cast<LPARAM>(index));
    else
        SetItemIndex(value ? index : -1);
}

TRect TCustomListBox::ItemRect(int index) const
{
    RECT r{};
    if (FHandle && SendMessageW(FHandle, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) != LB_ERR)
        return FromWinRect(r);
    return TRect();
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) const
{
    if (!FHandle)
        return -1;
    const LRESULT hit = SendMessageW(FHandle, LB_ITEMFROMPOINT, 0, MAKELPARAM(pos.X, pos.Y));
    const int index = LOWORD(hit);
    if (HIWORD(hit) != 0 && existing)
        return -1;
    return index < Count() ? index : -1;
}

void TCustomListBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == LBN_SELCHANGE)
            Click();
        return;
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    case CN_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->itemHeight = static_cast<UINT>(FItemHeight);
        message.Result = 1;
        return;
    default:
        break;
    }
    TCustomListControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TScrollBar)
{
    TAVIN_PROPERTY(TScrollBarKind, Kind).Default(sbHorizontal);
    TAVIN_PROPERTY(int, Min).Default(0);
    TAVIN_PROPERTY(int, Max).Default(100);
    TAVIN_PROPERTY(int, Position).Default(0);
    TAVIN_PROPERTY(int, LargeChange).Default(1);
    TAVIN_PROPERTY(int, SmallChange).Default(1);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = u"SCROLLBAR";
    params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT);
}

void TScrollBar::CreateHandleState()
{
    SetScrollRange(FHandle, SB_CTL, FMin, FMax, FALSE);
    SetScrollPos(FHandle, SB_CTL, FPosition, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (FKind == value)
        return;
    FKind = value;
    SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max)
{
    if (max < min)
        throw EInvalidOperation(u"Scroll bar property out of range");
    position = std::clamp(position, min, max);
    bool changed = position != FPosition;
    FMin = min;
    FMax = max;
    FPosition = position;
    if (FHandle)
        CreateHandleState();
    if (changed)
        FOnChange(this);
}

void TScrollBar::WndProc(TMessage& message)
{
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        int pos = FPosition;
        switch (LOWORD(message.WParam)) {
        case SB_LINEUP: pos -= FSmallChange; break;
        case SB_LINEDOWN: pos += FSmallChange; break;
        case SB_PAGEUP: pos -= FLargeChange; break;
        case SB_PAGEDOWN: pos += FLargeChange; break;
        case SB_THUMBPOSITION: case SB_THUMBTRACK: pos = static_cast<short>(HIWORD(message.WParam)); break;
        case SB_TOP: pos = FMin; break;
        case SB_BOTTOM: pos = FMax; break;
        default: break;
        }
        SetPosition(pos);
        return;
    }
    TWinControl::WndProc(message);
}

void StdCtrlsUnitInitialize()
{
    RegisterClasses({TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(), TButton::StaticClass(),
                     TCheckBox::StaticClass(), TRadioButton::StaticClass(), TComboBox::StaticClass(),
                     TListBox::StaticClass(), TScrollBar::StaticClass(), TGroupBox::StaticClass()});
}

void StdCtrlsUnitFinalize()
{
    if (GLabelMeasureDC)
        DeleteDC(GLabelMeasureDC);
    GLabelMeasureDC = nullptr;
}
