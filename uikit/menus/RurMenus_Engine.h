#pragma once
// The owner-draw engine of the kit's menus: the item predicates, measuring, drawing and the
// canvas primitives it paints with. Every length the styler states at 96 dpi is scaled by the
// menu owner's scale.
#include "Menus.h"
#include "RurMenus_Components.h"

// ---- Item predicates ---------------------------------------------------------------------------

// A top-level item of a menu bar.
bool IsMainMenuRootItem(const TMenuItem* item);
// A top-level item of a menu that is not a kit pop-up menu.
bool IsTopLevelOfMenu(const TMenuItem* item);
// Main menu: an item of the first visible root item's drop-down; else IsTopLevelOfMenu.
bool IsFirstVisibleDropDownItem(const TMenuItem* item);
// A pop-up menu's top-level item, or an item of a menu-bar drop-down.
bool IsFirstLevelItem(const TMenuItem* item);
// Whether the side bar band is painted beside this item.
bool SideBarShownFor(const TMenuItem* item);
// The item lies in a column after a visible menu break / a column follows the item's.
bool HasBreakBefore(const TMenuItem* item);
bool HasBreakAfter(const TMenuItem* item);
TMenuItem* FirstVisibleChild(const TMenuItem* item);
bool IsFirstVisibleItem(const TMenuItem* item);
// 0 for an item directly under the menu's Items.
int ItemDepth(const TMenuItem* item);
// The owner's DPI scale (1 when the owner is no control).
float ItemScale(const TMenuItem* item);

// The text of a short cut: the framework's ("Win+" before a Windows-key short cut), or with Intl
// the key names of the keyboard layout in title case.
String ShortCutText(TShortCut shortCut, bool Intl);

// ---- Measuring and drawing ---------------------------------------------------------------------

// The item's size: Width and Height arrive with the framework's default measure.
void MeasureMenuItem(TMenuItem* Item, TCanvas* ACanvas, int& Width, bool ShowSideBar, int& Height);
// Paints one item and its slice of the pop-up's column, background and side bar.
void DrawMenuItem(TMenuItem* Item, TCanvas* ACanvas, TRect ARect, bool ShowSideBar, TOwnerDrawState State);
TColor DisabledMenuTextColor();

// ---- Primitives --------------------------------------------------------------------------------

// clNone as ColorTo (or equal colours) fills solid; otherwise one pen line per row or column.
void DrawMenuGradient(TCanvas* canvas, const TRect& rect, RurMenus::TGradientDirection direction, TColor ColorTo,
                      TColor Color);
// The part of a gradient spanning FullRect that lies in ClipRect, in the colours the full
// gradient has there.
void DrawGradientSection(TCanvas* canvas, const TRect& FullRect, const TRect& ClipRect,
                         RurMenus::TGradientDirection direction, TColor ColorTo, TColor Color);
void DrawGradientBox(TCanvas* canvas, const TRect& rect, bool Fill, TColor Border,
                     RurMenus::TGradientDirection direction, TColor ColorTo, TColor Color);
// Mirror set: the upper half Color..ColorTo, the lower half Mirror..MirrorTo.
void DrawMirrorGradientBox(TCanvas* canvas, const TRect& rect, bool Fill, TColor Border,
                           RurMenus::TGradientDirection direction, TColor MirrorTo, TColor Mirror, TColor ColorTo,
                           TColor Color);
// A line inset by Margin whose ends (by GradientType) fade over GradientWidth.
void DrawGradientLine(TCanvas* canvas, TRect rect, int Margin, int GradientWidth, TGradientType GradientType,
                      RurMenus::TGradientDirection direction, TColor ColorTo, TColor Color);
// Gradient and picture composed in the background's cache, drawn inside the margins.
void DrawMenuBackground(TCanvas* canvas, const TRect& rect, TBackground* background, bool WithGradient);
void DrawSideBarCaption(TCanvas* canvas, IRurMenu* intf, const TRect& band);
void DrawSideBarBorder(TCanvas* canvas, IRurMenu* intf, const TRect& band);
void DrawSideBarSplitter(TCanvas* canvas, IRurMenu* intf, const TRect& band);

// ---- Menu windows ------------------------------------------------------------------------------

// Subclasses the pop-up window of the canvas once (region without the system frame and the extra
// width, moved to join its item) and frames it in the styler's border colour.
void FramePopupWindow(TMenuItem* Item, TCanvas* Canvas);
// Whether the window currently carries the kit's pop-up frame procedure.
bool IsPopupWindowSubclassed(HWND window);
// The union of the item rectangles of the item's siblings in the pop-up window, from (0, 0).
bool PopupItemsRect(TMenuItem* Item, HWND window, TRect& rect);
bool SubMenuOpensRight(TMenuItem* Item, HWND window);
int VisibleIndex(const TMenuItem* Item);
// The window that shows the menu bar (the MDI frame for a child form's menu).
HWND MenuBarWindow(TMenu* menu);
bool IsLastMenuBarItem(TMenuItem* Item);
// The MDI client window of the main menu's form, or null.
HWND MdiClientWindow(IRurMenu* intf);
// Takes over (or gives back) the Window-menu refresh of the MDI client for the main menu.
void HookMdiClient(TRurMainMenu* menu, HWND client);
void UnhookMdiClient(TRurMainMenu* menu);
TCustomForm* FindFormByHandle(HWND handle);
HICON WindowIconCopy(HWND window, bool Big, SIZE& size);
// The active MDI child's small icon before the first menu-bar item, on dc (null: the frame's window).
void DrawMdiChildIcon(TRurMainMenu* menu, TMenuItem* Item, const TRect& R, HDC dc = nullptr);
