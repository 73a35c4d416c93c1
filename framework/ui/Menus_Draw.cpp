// Owner-drawn menu items: their size and face through the handlers or the default look, and the
// hidden window that owns pop-up menus while they are open.
#include "Menus.h"

#include <algorithm>

#include "Forms.h"
#include "Themes.h"

namespace {

HWND GPopupList = nullptr;

TOwnerDrawState StateOfDrawItem(UINT itemState)
{
    static constexpr std::pair<UINT, TOwnerDrawStateItem> Flags[] = {
        {ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed},     {ODS_DISABLED, odDisabled},
        {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused},     {ODS_DEFAULT, odDefault},
        {ODS_HOTLIGHT, odHotLight}, {ODS_INACTIVE, odInactive}, {ODS_NOACCEL, odNoAccel},
    };
    TOwnerDrawState state;
    for (auto [flag, item] : Flags)
        if (itemState & flag)
            state.Include(item);
    return state;
}

bool IsMenuBarItem(const TMenuItem* item)
{
    const TMenuItem* parent = item->Parent();
    TMenu* menu = item->GetParentMenu();
    return parent && menu && parent == menu->Items() && dynamic_cast<TMainMenu*>(menu);
}

// The sub-item whose caption's accelerator is key; its index among the system menu's entries.
LRESULT MenuCharResult(HMENU menu, Char key)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii))
            continue;
        TMenuItem* item = FindMenuItemByCommand(static_cast<UINT>(mii.dwItemData));
        if (item && item->Enabled() && IsAccel(key, item->Caption()))
            return MAKELRESULT(i, item->Count() > 0 ? MNC_SELECT : MNC_EXECUTE);
    }
    return 0;
}

LRESULT CALLBACK PopupListProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    try {
        if (DispatchMenuOwnerDraw(message))
            return message.Result;
    } catch (...) {
        Application->HandleException(nullptr);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}


} // namespace

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height)
{
    bool topLevel = IsMenuBarItem(this);
    if (IsLine() && !topLevel) {
        width = 0;
        height = GetSystemMetrics(SM_CYMENU) / 2;
    } else {
        TSize text = canvas->TextExtent(StripHotkey(FCaption));
        int imageWidth = GetSystemMetrics(SM_CXMENUCHECK), imageHeight = 0;
        if (TCustomImageList* images = GetImageList(); images && FImageIndex >= 0) {
            imageWidth = std::max(imageWidth, images->Width());
            imageHeight = images->Height();
        } else if (FBitmap && !FBitmap->Empty()) {
            imageWidth = std::max(imageWidth, FBitmap->Width());
            imageHeight = FBitmap->Height();
        }
        height = std::max(text.cy, imageHeight) + 4;
        if (topLevel) {
            width = text.cx + 8;
        } else {
            width = imageWidth + 8 + text.cx + 16;
            if (FShortCut != scNone)
                width += canvas->TextWidth(ShortCutToText(FShortCut)) + 16;
        }
    }
    FOnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel)
{
    if (FOnAdvancedDrawItem)
        FOnAdvancedDrawItem(this, canvas, rect, state);
    else if (FOnDrawItem)
        FOnDrawItem(this, canvas, rect, state.Contains(odSelected));
    else
        DrawDefault(canvas, rect, state, topLevel);
}

namespace {

TThemedMenu StyledItemElement(bool topLevel, bool selected, bool pushed, bool disabled)
{
    if (topLevel)
        return disabled ? tmMenuBarItemDisabled : pushed ? tmMenuBarItemPushed : selected ? tmMenuBarItemHot
                                                                                          : tmMenuBarItemNormal;
    return disabled ? (selected ? tmPopupItemDisabledHot : tmPopupItemDisabled)
                    : selected ? tmPopupItemHot : tmPopupItemNormal;
}

TStyleFont StyledTextFont(bool topLevel, bool selected, bool disabled)
{
    if (topLevel)
        return disabled ? sfMenuItemTextDisabled : selected ? sfMenuItemTextHot : sfMenuItemTextNormal;
    return disabled ? sfPopupMenuItemTextDisabled : selected ? sfPopupMenuItemTextSelected : sfPopupMenuItemTextNormal;
}

} // namespace

bool IsMenuStyled()
{
    return TStyleManager::IsCustomStyleActive();
}

void TMenuItem::DrawDefault(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel)
{
    TMenu* menu = GetParentMenu();
    bool selected = state.Contains(odSelected) || state.Contains(odHotLight);
    bool disabled = !FEnabled || state.Contains(odDisabled) || state.Contains(odGrayed);
    // Under a custom style the style paints the face, the separator, the check and the text colour.
    TCustomStyleServices* style = IsMenuStyled() ? StyleServices() : nullptr;
    const auto drawStyled = [&](TThemedMenu element, const TRect& r) {
        style->DrawElement(canvas->Handle(), TCustomStyleServices::GetElementDetails(element), r);
    };
    if (style) {
        drawStyled(topLevel ? tmMenuBarBackgroundActive : tmPopupBackground, rect);
        if (!IsLine() || topLevel)
            drawStyled(StyledItemElement(topLevel, selected, state.Contains(odSelected), disabled), rect);
    } else {
        canvas->Brush()->SetColor(selected && !topLevel ? clHighlight : clMenu);
        canvas->FillRect(rect);
    }
    HDC dc = canvas->Handle();
    if (IsLine() && !topLevel && style) {
        drawStyled(tmPopupSeparator, rect);
        return;
    }
    if (IsLine() && !topLevel) {
        RECT line = ToWinRect(rect);
        line.top += (rect.Height() - 2) / 2;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    bool rtl = menu && menu->IsRightToLeft();
    canvas->Font()->SetColor(style ? style->GetStyleFontColor(StyledTextFont(topLevel, selected, disabled))
                             : disabled               ? clGrayText
                             : selected && !topLevel  ? clHighlightText
                                                      : clMenuText);
    canvas->Brush()->SetStyle(bsClear);
    TTextFormat format{tfSingleLine, tfVerticalCenter, tfExpandTabs};
    if (rtl)
        format = format + TTextFormat{tfRtlReading, tfRight};
    if (state.Contains(odNoAccel))
        format.Include(tfHidePrefix);
    TRect textRect = rect;
    if (topLevel) {
        format = format - TTextFormat{tfRight} + TTextFormat{tfCenter};
        if (selected && !style) {
            RECT edge = ToWinRect(rect);
            DrawEdge(dc, &edge, state.Contains(odSelected) ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        }
    } else {
        // The image (or the check mark) sits in a column at the reading start.
        TCustomImageList* images = GetImageList();
        int column = GetSystemMetrics(SM_CXMENUCHECK) + 4;
        if (images)
            column = std::max(column, images->Width() + 4);
        TRect box = rtl ? Rect(rect.Right - column, rect.Top, rect.Right, rect.Bottom)
                        : Rect(rect.Left, rect.Top, rect.Left + column, rect.Bottom);
        bool drewImage = false;
        if (images && FImageIndex >= 0 && FImageIndex < images->Count()) {
            images->Draw(canvas, box.Left + (box.Width() - images->Width()) / 2,
                         box.Top + (box.Height() - images->Height()) / 2, FImageIndex, !disabled);
            drewImage = true;
        } else if (FBitmap && !FBitmap->Empty()) {
            canvas->Draw(box.Left + (box.Width() - FBitmap->Width()) / 2,
                         box.Top + (box.Height() - FBitmap->Height()) / 2, FBitmap.get());
            drewImage = true;
        }
        if (FChecked && style && !drewImage) {
            drawStyled(FRadioItem ? (disabled ? tmPopupBulletDisabled : tmPopupBulletNormal)
                                  : (disabled ? tmPopupCheckMarkDisabled : tmPopupCheckMarkNormal),
                       box);
        } else if (FChecked) {
            RECT mark = ToWinRect(box);
            if (drewImage)
                DrawEdge(dc, &mark, BDR_SUNKENOUTER, BF_RECT);
            else
                DrawFrameControl(dc, &mark, DFC_MENU, FRadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK);
        }
        if (rtl)
            textRect.Right = box.Left - 4;
        else
            textRect.Left = box.Right + 4;
        if (FShortCut != scNone) {
            TRect keysRect = textRect;
            (rtl ? keysRect.Left : keysRect.Right) += rtl ? 8 : -8;
            String keys = ShortCutToText(FShortCut);
            canvas->TextRect(keysRect, keys, {tfSingleLine, tfVerticalCenter, rtl ? tfLeft : tfRight});
        }
    }
    if (FDefault) {
        TFontStyles bold = canvas->Font()->Style();
        bold.Include(fsBold);
        canvas->Font()->SetStyle(bold);
    }
    String text = FCaption;
    canvas->TextRect(textRect, text, format);
}


// ---------------------------------------------------------------------------------------------

HWND PopupListWindow()
{
    if (!GPopupList) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PopupListProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TavinPopupList";
        RegisterClassW(&wc);
        GPopupList = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                                     nullptr);
    }
    return GPopupList;
}


bool DispatchMenuOwnerDraw(TMessage& message)
{
    if (message.Msg == WM_MEASUREITEM) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        TMenuItem* item = mis->CtlType == ODT_MENU ? FindMenuItemByCommand(static_cast<UINT>(mis->itemData)) : nullptr;
        if (!item)
            return false;
        HDC dc = GetDC(nullptr);
        TCanvas canvas;
        canvas.SetHandle(dc);
        struct TRelease {
            TCanvas& Canvas;
            HDC DC;
            ~TRelease()
            {
                Canvas.SetHandle(nullptr);
                ReleaseDC(nullptr, DC);
            }
        } release{canvas, dc};
        canvas.Font()->Assign(Screen->MenuFont());
        int width = static_cast<int>(mis->itemWidth), height = static_cast<int>(mis->itemHeight);
        item->MeasureItem(&canvas, width, height);
        mis->itemWidth = static_cast<UINT>(std::max(width, 0));
        mis->itemHeight = static_cast<UINT>(std::max(height, 0));
        message.Result = 1;
        return true;
    }
    if (message.Msg == WM_DRAWITEM) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        TMenuItem* item = dis->CtlType == ODT_MENU ? FindMenuItemByCommand(static_cast<UINT>(dis->itemData)) : nullptr;
        if (!item)
            return false;
        TCanvas canvas;
        canvas.SetHandle(dis->hDC);
        int saved = SaveDC(dis->hDC);
        struct TRestore {
            TCanvas& Canvas;
            HDC DC;
            int Saved;
            ~TRestore()
            {
                Canvas.SetHandle(nullptr);
                RestoreDC(DC, Saved);
            }
        } restore{canvas, dis->hDC, saved};
        canvas.Font()->Assign(Screen->MenuFont());
        bool selected = (dis->itemState & ODS_SELECTED) != 0;
        canvas.Brush()->SetColor(selected ? clHighlight : clMenu);
        canvas.Font()->SetColor(selected ? clHighlightText : clMenuText);
        item->AdvancedDrawItem(&canvas, FromWinRect(dis->rcItem), StateOfDrawItem(dis->itemState), IsMenuBarItem(item));
        message.Result = 1;
        return true;
    }
    if (message.Msg == WM_MENUSELECT) {
        // The selected item's hint becomes the application's while the menu is open.
        const UINT flags = HIWORD(message.WParam);
        auto menu = reinterpret_cast<HMENU>(message.LParam);
        TMenuItem* item = nullptr;
        if (flags == 0xFFFF) {
            // The menu closed.
        } else if (flags & MF_POPUP) {
            if (HMENU sub = GetSubMenu(menu, LOWORD(message.WParam)))
                item = FindMenuItemByHandle(sub);
        } else {
            item = FindMenuItemByCommand(LOWORD(message.WParam));
        }
        if (Application)
            Application->SetHint(item ? item->Hint() : String());
        return false;
    }
    if (message.Msg == WM_INITMENUPOPUP) {
        // The items of a sub-menu about to open update from their actions.
        if (TMenuItem* item = FindMenuItemByHandle(reinterpret_cast<HMENU>(message.WParam)))
            item->InitiateActions();
        return false;
    }
    if (message.Msg == WM_MENUCHAR && HIWORD(message.WParam) == MF_POPUP) {
        message.Result = MenuCharResult(reinterpret_cast<HMENU>(message.LParam), static_cast<Char>(LOWORD(message.WParam)));
        return message.Result != 0;
    }
    return false;
}


void MenusUnitFinalize()
{
    if (GPopupList)
        DestroyWindow(GPopupList);
    GPopupList = nullptr;
}
