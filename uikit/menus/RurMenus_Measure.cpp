// Measuring the kit's menu items, the item predicates that measuring and painting share, and the
// short-cut text.
#include <cwctype>

#include "Controls.h"
#include "Math.h"
#include "RurMenus_Engine.h"
#include "RurMenus_Startup.h"

namespace {

constexpr TShortCut WindowsKeyFlag = 0x200;
const String WinKeyText = u"Win+";
const String NoteSeparator = u"\\n";

TMenuItem* ParentItem(const TMenuItem* item)
{
    return item->Parent();
}

bool HasVisibleBreak(const TMenuItem* item, bool before)
{
    const TMenuItem* parent = item->Parent();
    if (!parent)
        return false;
    const int index = parent->IndexOf(item);
    const int from = before ? 0 : index, to = before ? index : parent->Count() - 1;
    for (int i = from; i <= to; ++i) {
        const TMenuItem* sibling = parent->Items(i);
        if (sibling->Visible() && sibling->Break() != mbNone)
            return true;
    }
    return false;
}

int Scaled(int value, float scale)
{
    return static_cast<int>(Round(value * scale));
}

// The canvas font of the item's text, its height at the item's scale.
void SelectItemFont(TMenuItem* item, TCustomRurMenuStyler* styler, TCanvas* canvas, float scale)
{
    if (IsTopLevelOfMenu(item)) {
        if (!styler->RootItem()->UseSystemFont())
            canvas->Font()->Assign(styler->RootItem()->Font());
    } else if (!styler->UseSystemFont()) {
        canvas->Font()->Assign(styler->Font());
    } else if (!styler->SelectedItem()->UseSystemFont()) {
        canvas->Font()->Assign(styler->SelectedItem()->Font());
    }
    canvas->Font()->SetHeight(Scaled(canvas->Font()->Height(), scale));
}

SIZE SingleLineExtent(TCanvas* canvas, String text)
{
    TRect r{};
    canvas->TextRect(r, text, {tfCalcRect, tfSingleLine});
    return {r.Width(), r.Height()};
}

String KeyName(UINT key)
{
    LONG code = static_cast<LONG>(MapVirtualKeyW(key, 0) << 16);
    if (key != 8 && key != 13 && key != 16 && key != 17 && key != 18)
        code |= 0x1000000;
    wchar_t buffer[256] = {};
    const int length = GetKeyNameTextW(code, buffer, 255);
    String name(reinterpret_cast<const Char*>(buffer), static_cast<size_t>(std::max(length, 0)));
    for (size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<Char>(std::towlower(name[i]));
    if (const size_t bracket = name.find(u'('); bracket != String::npos && bracket + 1 < name.size())
        name[bracket + 1] = static_cast<Char>(std::towupper(name[bracket + 1]));
    return name;
}

} // namespace

// ---- Predicates --------------------------------------------------------------------------------

bool IsMainMenuRootItem(const TMenuItem* item)
{
    return dynamic_cast<TMainMenu*>(item->GetParentComponent()) != nullptr;
}

bool IsTopLevelOfMenu(const TMenuItem* item)
{
    TComponent* parent = item->GetParentComponent();
    return dynamic_cast<TMenu*>(parent) && !dynamic_cast<TRurPopupMenu*>(parent);
}

bool IsFirstVisibleDropDownItem(const TMenuItem* item)
{
    auto* menu = dynamic_cast<TMainMenu*>(item->GetParentMenu());
    if (!menu)
        return IsTopLevelOfMenu(item);
    TMenuItem* parent = ParentItem(item);
    return parent && parent == FirstVisibleChild(menu->Items());
}

bool IsFirstLevelItem(const TMenuItem* item)
{
    TComponent* parent = item->GetParentComponent();
    if (dynamic_cast<TPopupMenu*>(parent))
        return true;
    auto* parentItem = dynamic_cast<TMenuItem*>(parent);
    return parentItem && dynamic_cast<TMainMenu*>(parentItem->GetParentComponent());
}

bool SideBarShownFor(const TMenuItem* item)
{
    IRurMenu* intf = GetItemRurMenuIntf(item);
    TCustomRurMenuStyler* styler = intf ? intf->GetCurrentMenuStyler() : nullptr;
    if (!styler || !styler->SideBar()->Visible())
        return false;
    switch (styler->SideBar()->VisibleIn()) {
    case viFirstVisible:
        return IsFirstVisibleDropDownItem(item);
    case viFirstLevel:
        return IsFirstLevelItem(item);
    case viAnyLevel:
        return !IsMainMenuRootItem(item);
    }
    return false;
}

bool HasBreakBefore(const TMenuItem* item)
{
    return HasVisibleBreak(item, true);
}

bool HasBreakAfter(const TMenuItem* item)
{
    return HasVisibleBreak(item, false);
}

TMenuItem* FirstVisibleChild(const TMenuItem* item)
{
    for (int i = 0; i < item->Count(); ++i)
        if (item->Items(i)->Visible())
            return item->Items(i);
    return nullptr;
}

bool IsFirstVisibleItem(const TMenuItem* item)
{
    return item->Parent() && FirstVisibleChild(item->Parent()) == item;
}

int ItemDepth(const TMenuItem* item)
{
    int depth = -1;
    for (const TMenuItem* p = item->Parent(); p; p = p->Parent())
        ++depth;
    return std::max(depth, 0);
}

float ItemScale(const TMenuItem* item)
{
    TMenu* menu = GetItemMenu(item);
    auto* owner = menu ? dynamic_cast<TControl*>(menu->Owner()) : nullptr;
    return owner ? GetControlDPIScale(owner, nullptr) : 1.0f;
}

String ShortCutText(TShortCut shortCut, bool Intl)
{
    if (!Intl) {
        String text = ShortCutToText(shortCut);
        return shortCut & WindowsKeyFlag ? WinKeyText + text : text;
    }
    const UINT key = shortCut & 0xFF;
    String text = key >= 0x70 && key <= 0x87 ? u"F" + IntToStr(static_cast<int>(key - 0x6F)) : KeyName(key);
    if (shortCut & scShift)
        text = KeyName(VK_SHIFT) + u"+" + text;
    if (shortCut & scCtrl)
        text = KeyName(VK_CONTROL) + u"+" + text;
    if (shortCut & scAlt)
        text = KeyName(VK_MENU) + u"+" + text;
    return text;
}

// ---- Measuring ---------------------------------------------------------------------------------

void MeasureMenuItem(TMenuItem* Item, TCanvas* ACanvas, int& Width, bool ShowSideBar, int& Height)
{
    if (!Item->Visible()) {
        Width = 0;
        Height = 0;
        return;
    }
    IRurMenu* intf = GetItemRurMenuIntf(Item);
    TCustomRurMenuStyler* styler = intf ? intf->GetCurrentMenuStyler() : nullptr;
    if (!styler)
        return;
    const float scale = ItemScale(Item);
    const bool root = IsMainMenuRootItem(Item);
    if (root) {
        NONCLIENTMETRICSW metrics{};
        static_assert(sizeof(metrics) == 504);
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            Height = metrics.iMenuHeight;
    }
    if (Item->IsLine()) {
        // Handed back in unscaled units: the system scales separators itself.
        Height = std::max(static_cast<int>(Round((styler->Separator()->Width() + 2) / scale)), 0);
        Width = -2;
        return;
    }
    TIconBar* iconBar = styler->IconBar();
    TCustomImageList* images = Item->GetImageList();
    if (!root)
        Width = Scaled(iconBar->Size(), scale);
    if (images && (Item->ImageIndex() >= 0 || !root)) {
        if (root)
            Width = images->Width();
        else
            Height = std::max(Height, images->Height());
        if (images->Width() > iconBar->Size()) {
            // Rebuilding now would measure every item again inside this measure request.
            iconBar->StoreSize(Scaled(4, scale) + images->Width());
            DeferMenuRebuild(GetItemMenu(Item));
        }
    } else if (!Item->Bitmap()->Empty()) {
        if (root)
            Width = Item->Bitmap()->Width();
        else
            Height = std::max(Height, Item->Bitmap()->Height());
    } else if (root) {
        Width = -7;
    } else {
        Height -= 3;
    }
    if (!root) {
        Width += Scaled(15, scale);
        Height += 2;
    }
    const bool notes = intf->GetShowNotes() && Item->Caption().find(NoteSeparator) != String::npos;
    String text = notes ? Item->Caption().substr(0, Item->Caption().find(NoteSeparator)) : Item->Caption();
    if (Item->ShortCut() != scNone)
        text += ShortCutText(Item->ShortCut(), intf->GetIntlKeybShortCuts());
    SelectItemFont(Item, styler, ACanvas, scale);
    const SIZE extent = SingleLineExtent(ACanvas, text);
    Width += extent.cx + 7;
    int textHeight = extent.cy + 6;
    if (!root) {
        if (Item->ShortCut() & WindowsKeyFlag)
            Width += ACanvas->TextWidth(WinKeyText);
        if (ShowSideBar && !HasBreakBefore(Item))
            Width += Scaled(styler->SideBar()->Size(), scale) + styler->SideBar()->SplitterWidth();
        Height = (Height + 1) / 2 * 2;
        Width += MenuExtraWidth;
        if (notes) {
            ACanvas->Font()->Assign(styler->NotesFont());
            ACanvas->Font()->SetHeight(Scaled(ACanvas->Font()->Height(), scale));
            const int gh = ACanvas->TextHeight(u"gh");
            const int lineHeight = gh + gh / 3;
            String rest = Item->Caption();
            int widest = 0;
            for (size_t at = rest.find(NoteSeparator); at != String::npos; at = rest.find(NoteSeparator)) {
                widest = std::max(widest, static_cast<int>(SingleLineExtent(ACanvas, rest.substr(0, at)).cx));
                textHeight += lineHeight;
                rest.erase(0, at + NoteSeparator.size());
            }
            widest = std::max(widest, static_cast<int>(SingleLineExtent(ACanvas, rest).cx));
            if (widest > 0 && widest + MenuExtraWidth + iconBar->Size() + 8 > Width)
                Width = widest + MenuExtraWidth + iconBar->Size() + 8;
        }
    }
    Height = std::max(Height, textHeight);
}
