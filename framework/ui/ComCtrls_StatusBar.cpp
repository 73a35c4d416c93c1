// The status bar over the system's status window.
#include "ComCtrls.h"
#include "Forms.h"

TAVIN_PUBLISHED(TStatusPanel)
{
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(int, Width).Default(50);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TStatusPanelStyle, Style).Default(psText);
}

TAVIN_PUBLISHED(TStatusBar)
{
    TAVIN_STATUS_BAR_PROPERTIES
}

void TStatusPanel::SetText(const String& value)
{
    FText = value;
    Changed(false);
}

void TStatusPanel::SetWidth(int value)
{
    FWidth = value;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle value)
{
    FStyle = value;
    Changed(false);
}

void TStatusPanel::Assign(const TPersistent* source)
{
    if (auto* panel = dynamic_cast<const TStatusPanel*>(source)) {
        FText = panel->FText;
        FWidth = panel->FWidth;
        FAlignment = panel->FAlignment;
        FStyle = panel->FStyle;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(source);
}

TStatusPanels::TStatusPanels(TCustomStatusBar* owner) : TOwnedCollection(owner, TStatusPanel::StaticClass()) {}

void TStatusPanels::Update(TCollectionItem*) { static_cast<TCustomStatusBar*>(Owner())->UpdatePanels(); }

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner), FPanels(std::make_unique<TStatusPanels>(this)), FCanvas(std::make_unique<TCanvas>())
{
    SetBounds(0, 0, 150, 19);
    SetAlign(alBottom);
    SetUseSystemFont(true);
}

TCustomStatusBar::~TCustomStatusBar()
{
    // The panels go before the window: it must not be told of each.
    Destroying();
    DestroyHandle();
}

void TCustomStatusBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = String(u"" STATUSCLASSNAMEA);
    // The framework places the bar; the window keeps the bounds it is given.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (FSizeGrip)
        params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateHandleState() { UpdatePanels(); }

void TCustomStatusBar::UpdatePanels()
{
    if (!FHandle)
        return;
    SendMessageW(FHandle, SB_SIMPLE, FSimplePanel, 0);
    if (FSimplePanel) {
        SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
        return;
    }
    const int count = FPanels->Count();
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < count; ++i) {
        right += FPanels->Items(i)->Width();
        edges.push_back(i == count - 1 ? -1 : right);
    }
    if (edges.empty())
        edges.push_back(-1);
    SendMessageW(FHandle, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < count; ++i) {
        const TStatusPanel* panel = FPanels->Items(i);
        // The window centres text after one tab and right-aligns it after two.
        static constexpr const char16_t* AlignmentPrefix[] = {u"", u"\t\t", u"\t"};
        const String text = AlignmentPrefix[panel->Alignment()] + panel->Text();
        const WPARAM kind = panel->Style() == psOwnerDraw ? SBT_OWNERDRAW : 0;
        SendMessageW(FHandle, SB_SETTEXTW, static_cast<WPARAM>(i) | kind, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void TCustomStatusBar::SetSimplePanel(bool value)
{
    FSimplePanel = value;
    UpdatePanels();
}

void TCustomStatusBar::SetSimpleText(const String& value)
{
    FSimpleText = value;
    UpdatePanels();
}

void TCustomStatusBar::SetSizeGrip(bool value)
{
    if (FSizeGrip == value)
        return;
    FSizeGrip = value;
    RecreateWnd();
}

void TCustomStatusBar::SetUseSystemFont(bool value)
{
    FUseSystemFont = value;
    if (value && Screen)
        Font()->Assign(Screen->HintFont());
}

void TCustomStatusBar::DrawPanel(HDC dc, TStatusPanel* panel, const TRect& rect)
{
    if (!FOnDrawPanel)
        return;
    FCanvas->Lock();
    FCanvas->SetHandle(dc);
    struct TRestore {
        TCanvas* Canvas;
        ~TRestore()
        {
            Canvas->SetHandle(nullptr);
            Canvas->Unlock();
        }
    } restore{FCanvas.get()};
    FOnDrawPanel(this, panel, rect);
}

void TCustomStatusBar::WndProc(TMessage& message)
{
    if (message.Msg == CN_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        const int index = static_cast<int>(draw->itemID);
        const RECT& r = draw->rcItem;
        if (index >= 0 && index < FPanels->Count())
            DrawPanel(draw->hDC, FPanels->Items(index), Rect(r.left, r.top, r.right, r.bottom));
        message.Result = TRUE;
        return;
    }
    TWinControl::WndProc(message);
}
