// Painting the kit's menu items: each item paints its slice of the pop-up's image column,
// background and side bar, then its highlight, image or check mark, caption, short cut and
// sub-menu arrow; menu-bar items paint their slice of the bar or their hover and open looks.
#include "ActnList.h"
#include <vector>

#include "Forms.h"
#include "Math.h"
#include "RurMenuUtil.h"
#include "RurMenus_Engine.h"
#include "RurMenus_SmoothText.h"
#include "RurMenus_Startup.h"
#include "Themes.h"

namespace {

const String NoteSeparator = u"\\n";

int Scaled(int value, float scale)
{
    return static_cast<int>(Round(value * scale));
}

struct TItemPaint {
    TMenuItem* Item;
    TCanvas* Canvas;
    IRurMenu* Intf;
    TCustomRurMenuStyler* Styler;
    TOwnerDrawState State;
    float Scale;
    bool Root;
};

bool HasNotes(const TItemPaint& p)
{
    return p.Intf->GetShowNotes() && p.Item->Caption().find(NoteSeparator) != String::npos;
}

void ScaleCanvasFont(TCanvas* canvas, float scale)
{
    canvas->Font()->SetHeight(Scaled(canvas->Font()->Height(), scale));
}

// The screen's menu font at the item's scale (the screen font is at the screen's scale already).
void SelectScreenMenuFont(TCanvas* canvas, float scale)
{
    if (Screen)
        canvas->Font()->Assign(Screen->MenuFont());
    canvas->Font()->SetHeight(static_cast<int>(Round(scale * canvas->Font()->Height() / GetMenuDPIScale())));
}

void SelectTextFont(const TItemPaint& p)
{
    TCanvas* canvas = p.Canvas;
    const bool selected = p.State.Contains(odSelected);
    if (IsTopLevelOfMenu(p.Item)) {
        TRootItem* root = p.Styler->RootItem();
        if (root->UseSystemFont()) {
            SelectScreenMenuFont(canvas, p.Scale);
        } else {
            canvas->Font()->Assign(root->Font());
            ScaleCanvasFont(canvas, p.Scale);
        }
        if (selected && root->SelectedTextColor() != clNone)
            canvas->Font()->SetColor(root->SelectedTextColor());
        else if (p.State.Contains(odHotLight) && root->HoverTextColor() != clNone)
            canvas->Font()->SetColor(root->HoverTextColor());
    } else if (!selected) {
        if (p.Styler->UseSystemFont()) {
            SelectScreenMenuFont(canvas, p.Scale);
        } else {
            canvas->Font()->Assign(p.Styler->Font());
            ScaleCanvasFont(canvas, p.Scale);
        }
    } else if (p.Styler->SelectedItem()->UseSystemFont()) {
        SelectScreenMenuFont(canvas, p.Scale);
    } else {
        canvas->Font()->Assign(p.Styler->SelectedItem()->Font());
        ScaleCanvasFont(canvas, p.Scale);
    }
    if (p.Item->Default())
        canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsBold});
}

// The canvas's own text call, so that its font and colour are the ones in the device context.
void DrawTextIn(TCanvas* canvas, String text, TRect& r, TTextFormat format)
{
    canvas->TextRect(r, text, format);
}

// The note lines of a caption: what follows each separator after the first line.
std::vector<String> NoteLines(const String& text)
{
    std::vector<String> lines;
    size_t at = text.find(NoteSeparator);
    while (at != String::npos) {
        const size_t from = at + NoteSeparator.size();
        at = text.find(NoteSeparator, from);
        lines.push_back(text.substr(from, at == String::npos ? String::npos : at - from));
    }
    return lines;
}

bool KeyboardCuesHidden()
{
    BOOL cues = TRUE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0) && !cues && GetKeyState(VK_MENU) >= 0;
}

void DrawItemText(const TItemPaint& p, String text, TTextFormat format, TRect& r)
{
    TMenu* menu = GetItemMenu(p.Item);
    int available = r.Width();
    if (auto* form = menu ? dynamic_cast<TCustomForm*>(menu->Owner()) : nullptr; form && form->HandleAllocated()) {
        RECT itemRect{};
        if (GetMenuItemRect(form->Handle(), menu->Handle(), static_cast<UINT>(std::max(p.Item->MenuIndex(), 0)),
                            &itemRect))
            available = itemRect.right - itemRect.left;
    }
    if (menu && menu->IsRightToLeft())
        format = format + TTextFormat{tfRight, tfRtlReading};
    if (KeyboardCuesHidden())
        format.Include(tfHidePrefix);
    const bool measuring = format.Contains(tfCalcRect);
    if (measuring && (text.empty() || text == u"&"))
        text += u" ";
    TCanvas* canvas = p.Canvas;
    canvas->Brush()->SetStyle(bsClear);
    SelectTextFont(p);
    const bool disabled = !p.Item->Enabled() || p.State.Contains(odDisabled);
    const TColor textColor = disabled ? DisabledMenuTextColor() : canvas->Font()->Color();
    const bool smooth = p.Styler->AntiAlias() != RurGDIP::aaNone && SmoothTextAvailable();
    const bool clearType = p.Styler->AntiAlias() == RurGDIP::aaClearType;
    if (HasNotes(p) && !measuring) {
        const size_t firstBreak = text.find(NoteSeparator);
        TFont* notes = p.State.Contains(odSelected) ? p.Styler->SelectedItem()->NotesFont() : p.Styler->NotesFont();
        if (smooth) {
            TSmoothText gdip(canvas, clearType);
            gdip.Draw(text.substr(0, firstBreak), canvas->Font(), false, textColor, r, TSmoothText::Near, false);
            const TColor notesColor = disabled ? DisabledMenuTextColor() : notes->Color();
            const int step = gdip.LineHeight(notes);
            int top = r.Top + 20;
            for (const String& line : NoteLines(text)) {
                gdip.Draw(line, notes, false, notesColor, Rect(r.Left, top, r.Right, top + step), TSmoothText::Near,
                          false);
                top += step;
            }
            return;
        }
        canvas->Font()->SetColor(textColor);
        const int captionLine = canvas->TextHeight(u"gh");
        TRect line = r;
        DrawTextIn(canvas, text.substr(0, firstBreak), line, {tfSingleLine});
        canvas->Font()->Assign(notes);
        ScaleCanvasFont(canvas, p.Scale);
        if (disabled)
            canvas->Font()->SetColor(DisabledMenuTextColor());
        const int noteLine = canvas->TextHeight(u"gh");
        int top = r.Top + captionLine;
        for (const String& note : NoteLines(text)) {
            TRect noteRect = Rect(r.Left, top, r.Right, top + noteLine);
            DrawTextIn(canvas, note, noteRect, {tfSingleLine});
            top += noteLine;
        }
        return;
    }
    if (smooth) {
        // Only painting: a measuring request leaves the rectangle as it is.
        if (!measuring) {
            const TSmoothText::TAlign align = IsTopLevelOfMenu(p.Item) ? TSmoothText::Centre
                                          : format.Contains(tfRight) ? TSmoothText::Far
                                                                     : TSmoothText::Near;
            TSmoothText(canvas, clearType)
                .Draw(text, canvas->Font(), p.Item->Default(), textColor, r, align, true);
        }
        return;
    }
    if (disabled)
        canvas->Font()->SetColor(DisabledMenuTextColor());
    const size_t tab = text.find(u'\t');
    if (tab == String::npos || measuring) {
        DrawTextIn(canvas, text, r, format);
        return;
    }
    // The part after a tab stands right-aligned, clear of the sub-menu arrow.
    if (menu && menu->BiDiMode() == bdRightToLeft)
        r.Right = available - 20;
    else
        r.Right -= p.Item->Count() > 0 ? 40 : 30;
    TRect head = r;
    DrawTextIn(canvas, text.substr(0, tab), head, format);
    canvas->Brush()->SetStyle(bsClear);
    TRect tail = r;
    DrawTextIn(canvas, text.substr(tab + 1), tail, format + TTextFormat{tfRight, tfSingleLine, tfVerticalCenter});
}

void DrawCheckGlyph(const TItemPaint& p, const TRect& iconCell, TRect glyphRect, const TRect& itemRect)
{
    const bool selected = p.State.Contains(odSelected);
    const TMarkColors& marks = selected ? p.Styler->SelectedItem()->Marks() : p.Styler->IconBar()->Marks();
    const bool radio = p.Item->RadioItem();
    DrawGradientBox(p.Canvas, iconCell, !p.State.Contains(odDisabled), radio ? marks.RadioBorder : marks.CheckBorder,
                    radio ? marks.RadioGradientDirection : marks.CheckGradientDirection,
                    radio ? marks.RadioColorTo : marks.CheckColorTo, radio ? marks.RadioColor : marks.CheckColor);
    if (selected)
        DrawGradientBox(p.Canvas, itemRect, false, p.Styler->SelectedItem()->BorderColor(), RurMenus::gdVertical,
                        clNone, clNone);
    TBitmap* glyph = radio ? p.Styler->Glyphs()->Radio() : p.Styler->Glyphs()->Check();
    if (!glyph || glyph->Empty())
        return;
    const TColor oldColor = p.Canvas->Font()->Color();
    p.Canvas->Font()->SetColor(clBtnText);
    SetTextColor(p.Canvas->Handle(), static_cast<COLORREF>(ColorToRGB(clBtnText)));
    p.Canvas->Draw(glyphRect.Left, glyphRect.Top, glyph);
    p.Canvas->Font()->SetColor(oldColor);
}

void DrawSubMenuArrow(const TItemPaint& p, const TRect& r)
{
    TMenu* menu = GetItemMenu(p.Item);
    if ((menu && menu->BiDiMode() == bdRightToLeft && GetSystemMetrics(SM_MIDEASTENABLED)) || HasBreakAfter(p.Item))
        return;
    TCanvas* canvas = p.Canvas;
    const TColor oldColor = canvas->Font()->Color();
    canvas->Font()->SetColor(clBtnText);
    if (p.Intf->GetMenuStyler()) {
        TBitmap* arrow = p.Styler->Glyphs()->SubMenu();
        if (arrow && !arrow->Empty()) {
            TRect place = Rect(r.Right - 8, r.Top, r.Right - 5, r.Bottom);
            RurMenuUtil::CenterRect(place, arrow->Width(), arrow->Height());
            canvas->Draw(place.Left, place.Top, arrow);
        }
    } else {
        canvas->Brush()->SetStyle(bsClear);
        TRect place = r;
        place.Left = r.Right - canvas->TextWidth(u"> ");
        DrawTextIn(canvas, u">", place, {tfSingleLine, tfVerticalCenter});
    }
    canvas->Font()->SetColor(oldColor);
}

void PaintMenuBarSlice(const TItemPaint& p, const TRect& r)
{
    TMenu* menu = GetItemMenu(p.Item);
    HWND bar = MenuBarWindow(menu);
    if (!bar || !IsWindow(bar))
        return;
    RECT barRect{}, clientRect{};
    GetWindowRect(bar, &barRect);
    GetClientRect(bar, &clientRect);
    POINT origin{0, 0};
    ClientToScreen(bar, &origin);
    TRect client = Rect(origin.x - barRect.left, r.Top, origin.x - barRect.left + clientRect.right, r.Bottom);
    TRect slice = r;
    TRect full = client;
    TRootItem* root = p.Styler->RootItem();
    if (IsLastMenuBarItem(p.Item)) {
        slice.Right = client.Right;
        auto* form = menu ? dynamic_cast<TCustomForm*>(menu->Owner()) : nullptr;
        TCustomForm* child = form && form->FormStyle() == fsMDIForm ? form->ActiveMDIChild()
                             : form && form->FormStyle() == fsMDIChild ? form
                                                                       : nullptr;
        if (child && child->HandleAllocated() && IsZoomed(child->Handle())) {
            int icons = 0;
            for (TBorderIcon icon : {biSystemMenu, biMinimize, biMaximize})
                icons += child->BorderIcons().Contains(icon) ? 1 : 0;
            slice.Right -= GetSystemMetrics(SM_CXMENUSIZE) * icons;
        }
        HWND canvasWindow = WindowFromDC(p.Canvas->Handle());
        if (canvasWindow == bar || !canvasWindow) {
            full.Right += 100;
        } else {
            RECT w{};
            GetClientRect(canvasWindow, &w);
            slice.Right = w.right + slice.Right + full.Left - full.Right;
            full.Right = std::max(full.Right, static_cast<int>(w.right) + full.Left + 50);
        }
    } else {
        full.Right += 100;
    }
    DrawGradientSection(p.Canvas, full, slice, root->GradientDirection(), root->ColorTo(), root->Color());
}

// The face of the item: state background, image or check mark, caption, short cut, arrow.
void PaintMenuItem(const TItemPaint& p, TRect r)
{
    TMenu* menu = GetItemMenu(p.Item);
    if (dynamic_cast<TRurMainMenu*>(menu) && menu->ComponentState().Contains(csDestroying))
        return;
    TCanvas* canvas = p.Canvas;
    TCustomRurMenuStyler* styler = p.Styler;
    styler->Glyphs()->UpdateResources(GetMenuDPIScale());
    const int itemWidth = r.Width();
    TCustomImageList* imageList = p.Item->GetImageList();
    TCustomImageList* disabledList = p.Intf->GetDisabledImages();
    const bool selected = p.State.Contains(odSelected);
    TRootItem* root = styler->RootItem();
    if (p.Root && selected) {
        if (root->SelectedColorMirror() == clNone)
            DrawGradientBox(canvas, r, true, root->SelectedBorderColor(), root->SelectedGradientDirection(),
                            root->SelectedColorTo(), root->SelectedColor());
        else
            DrawMirrorGradientBox(canvas, r, true, root->SelectedBorderColor(), root->SelectedGradientDirection(),
                                  root->SelectedColorMirrorTo(), root->SelectedColorMirror(), root->SelectedColorTo(),
                                  root->SelectedColor());
        if (p.Item->Count() > 0) {
            // The open drop-down joins the item: no border along its bottom.
            canvas->Pen()->SetColor(styler->Background()->Color());
            canvas->MoveTo(r.Left, r.Bottom - 1);
            canvas->LineTo(r.Right - 1, r.Bottom - 1);
        }
    } else if (p.Root && p.State.Contains(odHotLight)) {
        if (root->HoverColorMirror() == clNone)
            DrawGradientBox(canvas, r, true, root->HoverBorderColor(), root->HoverGradientDirection(),
                            root->HoverColorTo(), root->HoverColor());
        else
            DrawMirrorGradientBox(canvas, r, true, root->HoverBorderColor(), root->HoverGradientDirection(),
                                  root->HoverColorMirrorTo(), root->HoverColorMirror(), root->HoverColorTo(),
                                  root->HoverColor());
    } else if (p.Root) {
        if (root->Color() != clNone)
            PaintMenuBarSlice(p, r);
    } else if (selected) {
        TSelectedItem* item = styler->SelectedItem();
        DrawMirrorGradientBox(canvas, r, true, item->BorderColor(), item->GradientDirection(), item->ColorMirrorTo(),
                              item->ColorMirror(), item->ColorTo(), item->Color());
    }

    TRect iconCell = Rect(r.Left, r.Top + 1, r.Left + Scaled(styler->IconBar()->Size(), p.Scale) - 1, r.Bottom - 1);
    const int side = std::min(iconCell.Width(), iconCell.Height());
    RurMenuUtil::CenterRect(iconCell, side, side);

    const int imageIndex = p.Item->ImageIndex();
    const bool hasImage = imageList && imageIndex >= 0 && imageIndex < imageList->Count();
    auto* action = dynamic_cast<TCustomAction*>(p.Item->Action());
    auto* actionList = action ? dynamic_cast<TCustomActionList*>(action->ActionList()) : nullptr;
    // Large images need an action manager, which this framework has not: only the normal list.
    const bool actionImage = actionList && imageIndex != -1 && p.Intf->GetActionImages() == aiNormal &&
                             actionList->Images() && actionList->Images()->Count() > imageIndex;
    const bool hasBitmap = !hasImage && !p.Item->Bitmap()->Empty();
    const bool checkGlyph = p.Item->Checked() && !p.Root && !hasImage && !hasBitmap;
    TRect glyphRect = iconCell;
    if (hasImage || actionImage || hasBitmap || checkGlyph) {
        const bool enabled = p.Item->Enabled();
        TCustomImageList* list = imageList;
        bool listEnabled = enabled;
        if (actionImage) {
            list = enabled || !disabledList ? actionList->Images() : disabledList;
            listEnabled = list == disabledList ? true : enabled;
        } else if (!enabled && disabledList) {
            list = disabledList;
            listEnabled = true;
        }
        if (p.Item->Checked())
            DrawGradientBox(canvas, iconCell, !p.State.Contains(odDisabled),
                            selected ? styler->SelectedItem()->CheckBorder() : styler->IconBar()->CheckBorder(),
                            selected ? styler->SelectedItem()->CheckGradientDirection()
                                     : styler->IconBar()->CheckGradientDirection(),
                            selected ? styler->SelectedItem()->CheckColorTo() : styler->IconBar()->CheckColorTo(),
                            selected ? styler->SelectedItem()->CheckColor() : styler->IconBar()->CheckColor());
        if ((hasImage || actionImage) && list) {
            RurMenuUtil::CenterRect(glyphRect, list->Width(), list->Height());
            if (p.Root)
                RurMenuUtil::Offset(glyphRect, r.Left + 6 - glyphRect.Left, 0);
            if (imageIndex >= 0 && imageIndex < list->Count())
                list->Draw(canvas, glyphRect.Left, glyphRect.Top, imageIndex, listEnabled);
        } else {
            if (p.Root)
                RurMenuUtil::Offset(glyphRect, r.Left + 6 - glyphRect.Left, 0);
            if (checkGlyph) {
                TBitmap* glyph = p.Item->RadioItem() ? styler->Glyphs()->Radio() : styler->Glyphs()->Check();
                RurMenuUtil::CenterRect(glyphRect, glyph->Width(), glyph->Height());
                DrawCheckGlyph(p, iconCell, glyphRect, r);
            } else if (hasBitmap) {
                TBitmap* bitmap = p.Item->Bitmap();
                RurMenuUtil::CenterRect(glyphRect, bitmap->Width(), bitmap->Height());
                bitmap->SetTransparent(true);
                bitmap->SetTransparentMode(tmAuto);
                canvas->Draw(glyphRect.Left, glyphRect.Top, bitmap);
            }
        }
    }
    if (!p.Root && p.Item->Count() > 0)
        DrawSubMenuArrow(p, r);

    if (!p.Root)
        r.Left += Scaled(styler->IconBar()->Size(), p.Scale) + 8;
    else if (hasImage || hasBitmap)
        r.Left += glyphRect.Width();
    const TTextFormat format{p.Root ? tfCenter : tfLeft, tfSingleLine, tfExpandTabs};
    const TRect kept = r;
    const String& caption = p.Item->Caption();
    if (caption.find(NoteSeparator) == String::npos) {
        DrawItemText(p, caption, format + TTextFormat{tfCalcRect, tfNoClip}, r);
        RurMenuUtil::Offset(r, 0, (kept.Height() - r.Height()) / 2);
        if (p.Root) {
            r.Left = kept.Left;
            r.Right = kept.Right;
        }
    }
    TMenu* owner = GetItemMenu(p.Item);
    if (owner && owner->BiDiMode() == bdLeftToRight)
        r.Right = r.Left + itemWidth;
    DrawItemText(p, caption, format, r);
    if (owner && owner->BiDiMode() == bdLeftToRight)
        r.Right = r.Left + itemWidth;
    if (!p.Root && p.Item->ShortCut() != scNone) {
        r.Right = kept.Right - 10;
        DrawItemText(p, ShortCutText(p.Item->ShortCut(), p.Intf->GetIntlKeybShortCuts()), {tfRight}, r);
    }
}

void DrawSeparatorItem(const TItemPaint& p, TRect r)
{
    TSeparator* separator = p.Styler->Separator();
    r.Left += Scaled(p.Styler->IconBar()->Size(), GetMenuDPIScale());
    const int middle = r.Top + r.Height() / 2;
    const TRect line = Rect(r.Left, middle - separator->Width() / 2, r.Right, middle + (separator->Width() + 1) / 2);
    DrawGradientLine(p.Canvas, line, separator->Margin(), separator->GradientWidth(), separator->GradientType(),
                     separator->GradientDirection(), separator->ColorTo(), separator->Color());
}

} // namespace

TColor DisabledMenuTextColor()
{
    TCustomStyleServices* style = StyleServices();
    if (style && style->Enabled()) {
        TColor color = clNone;
        if (style->GetElementColor(TCustomStyleServices::GetElementDetails(tmPopupItemDisabled), ecTextColor, color) &&
            color != clNone)
            return color;
    }
    return clBtnShadow;
}

void DrawMenuItem(TMenuItem* Item, TCanvas* ACanvas, TRect ARect, bool ShowSideBar, TOwnerDrawState State)
{
    IRurMenu* intf = GetItemRurMenuIntf(Item);
    TCustomRurMenuStyler* styler = intf ? intf->GetCurrentMenuStyler() : nullptr;
    if (!styler)
        return;
    const TItemPaint p{Item, ACanvas, intf, styler, State, ItemScale(Item), IsMainMenuRootItem(Item)};
    int lastExtra = 0;
    if (auto* owner = dynamic_cast<TPopupMenu*>(Item->Owner()); owner && owner->Items()->Count() > 0 &&
                                                                Item == owner->Items()->Items(owner->Items()->Count() - 1))
        lastExtra = ARect.Height();
    if (HasBreakAfter(Item))
        ARect.Right += MenuExtraWidth;
    ShowSideBar = ShowSideBar && !HasBreakBefore(Item);
    TSideBar* sideBar = styler->SideBar();
    TRect textRect = ARect;
    if (ShowSideBar)
        textRect.Left += Scaled(sideBar->Size(), p.Scale) + sideBar->SplitterWidth();
    if (!p.Root) {
        TRect popupRect;
        if (!PopupItemsRect(Item, WindowFromDC(ACanvas->Handle()), popupRect))
            popupRect = ARect;
        if (ShowSideBar && IsFirstVisibleItem(Item)) {
            TRect band = popupRect;
            sideBar->SetPopupHeight(band.Height());
            band.Right = band.Left + Scaled(sideBar->Size(), p.Scale) + sideBar->SplitterWidth();
            DrawMenuBackground(ACanvas, band, sideBar->Background(), true);
            if (sideBar->Image()->Color() != clNone && sideBar->Image()->HasPicture())
                DrawMenuBackground(ACanvas, band, sideBar->Image(), true);
            DrawSideBarCaption(ACanvas, intf, band);
            DrawSideBarBorder(ACanvas, intf, band);
            DrawSideBarSplitter(ACanvas, intf, band);
        }
        TIconBar* iconBar = styler->IconBar();
        const TRect iconRect =
            Rect(textRect.Left, popupRect.Top, textRect.Left + Scaled(iconBar->Size(), p.Scale), popupRect.Bottom);
        DrawGradientSection(ACanvas, iconRect, textRect, iconBar->GradientDirection(), iconBar->ColorTo(),
                            iconBar->Color());
        if (iconBar->SeparatorColor() != clNone) {
            ACanvas->Pen()->SetColor(iconBar->SeparatorColor());
            ACanvas->MoveTo(iconRect.Right - 1, iconRect.Top);
            ACanvas->LineTo(iconRect.Right - 1, iconRect.Bottom);
        }
        TBackground* background = styler->Background();
        TRect backRect = Rect(iconRect.Right, popupRect.Top, textRect.Right, popupRect.Bottom);
        TRect itemBack = textRect;
        itemBack.Left = iconRect.Right;
        if (background->MarginX() > 0 || background->MarginY() > 0) {
            ACanvas->Brush()->SetStyle(bsSolid);
            ACanvas->Brush()->SetColor(background->Color());
            ACanvas->FillRect(itemBack);
            RurMenuUtil::Inflate(itemBack, -background->MarginX(), -background->MarginY());
        }
        itemBack.Bottom += lastExtra;
        backRect.Bottom += lastExtra;
        DrawGradientSection(ACanvas, backRect, itemBack, background->GradientDirection(), background->ColorTo(),
                            background->Color());
        if (background->HasPicture()) {
            TBitmap* cache = styler->BackgroundBitmap();
            if (cache->Width() != popupRect.Width() || cache->Height() != popupRect.Height()) {
                cache->SetSize(popupRect.Width(), popupRect.Height());
                DrawMenuBackground(cache->Canvas(), popupRect, background, false);
            }
            ACanvas->SetCopyMode(cmSrcCopy);
            ACanvas->CopyRect(itemBack, *cache->Canvas(), itemBack);
        }
    }
    if (Item->IsLine())
        DrawSeparatorItem(p, textRect);
    else
        PaintMenuItem(p, textRect);
    FramePopupWindow(Item, ACanvas);
}
