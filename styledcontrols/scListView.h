#pragma once
// The kit's styled list view: the system list keeps items, columns, scrolling, editing and hit
// testing; after it has painted an item the wrapper paints the whole item again (background,
// selection in the kit's looks, alternating rows, grid lines, fitted text, sub-items with their
// alignment and images, check boxes and images), and in report view a column can show each
// cell's number as a progress bar or its "1" as a check box.
#include "ComCtrls.h"
#include "scListControls.h"

using TscDrawSubItemEvent = TEvent<TCustomListView*, TListItem*, int, TCustomDrawState, TCanvas*, TRect>;
using TscDrawItemImageEvent = TEvent<TListItem*, TCanvas*, TRect>;

// A non-empty text of the digits 0 to 9 only.
bool IsDigitText(const String& text);

// What a report column's Tag asks for under ExtendedColumnDraw.
enum class TscColumnKind { Text, ProgressBar, CheckBox };
TscColumnKind ColumnKindOf(NativeInt tag);
// The bar position of a progress cell: its number, 0 when it is not all digits, at most 100.
int ProgressCellPosition(const String& text);

class TscCustomListView : public TscCustomDrawnViewOf<TCustomListView> {
    TAVIN_PUBLISHED_CLASS(TscCustomListView, TCustomListView)
public:
    explicit TscCustomListView(TComponent* owner);
    void WndProc(TMessage& message) override;

    bool AlternateRow() const { return FAlternateRow; }
    void SetAlternateRow(bool value) { ChangeInReport(FAlternateRow, value); }
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool value) { ChangeInReport(FGridLines, value); }
    bool ExtendedColumnDraw() const { return FExtendedColumnDraw; }
    void SetExtendedColumnDraw(bool value) { ChangeAndInvalidate(this, FExtendedColumnDraw, value); }
    bool FluentUIOpaque() const { return FFluentUIOpaque; }
    void SetFluentUIOpaque(bool value);
    TscDrawSubItemEvent OnDrawSubItem() const { return FOnDrawSubItem; }
    void SetOnDrawSubItem(TscDrawSubItemEvent e) { FOnDrawSubItem = e; }
    TscDrawItemImageEvent OnDrawItemImage() const { return FOnDrawItemImage; }
    void SetOnDrawItemImage(TscDrawItemImageEvent e) { FOnDrawItemImage = e; }

    bool IsFluentUIOpaqueActive() const;
    void FullRedraw();

protected:
    void InstallPainter(bool kitPaints) override;
    void SendBackgroundColor(TColor color) override;
    void Loaded() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Paints the whole item over the system's drawing, at the post-paint stage only.
    virtual void DrawListItem(TCustomListView* sender, TListItem* item, TCustomDrawState state, TCustomDrawStage stage,
                              bool& defaultDraw);

    template <class T>
    void ChangeInReport(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        if (ViewStyle() == vsReport)
            Invalidate();
    }

    HIMAGELIST FThirdImages = nullptr;
    int FThirdImageWidth = 0;
    int FThirdImageHeight = 0;
    int FThirdImagesCount = 0;
    TscDrawSubItemEvent FOnDrawSubItem;
    bool FAlternateRow = false;
    bool FGridLines = false;
    TscDrawItemImageEvent FOnDrawItemImage;
    bool FExtendedColumnDraw = false;
    bool FFluentUIOpaque = false;

private:
    struct TItemPaint;
    void FetchThirdImages();
    TscColumnKind KindOfColumn(int column) const;
    void DrawColumnKindCell(TCanvas* canvas, TRect cell, TscColumnKind kind, const String& text, bool captionOfSelected,
                            bool subItemOfSelected);
    void DrawItemText(TCanvas* canvas, const TItemPaint& paint, TRect label, bool selected);
    void DrawSubItems(TCanvas* canvas, const TItemPaint& paint, TRect bounds, bool inBitmap);
    void DrawItemImage(TCanvas* canvas, const TItemPaint& paint, TRect& icon, int& imageX);
    void DrawItemCheckBox(TCanvas* canvas, const TItemPaint& paint, const TRect& icon, int imageX);
    void DrawGridLines(TCanvas* canvas, const TItemPaint& paint);
};

class TscListView : public TscCustomListView {
    TAVIN_PUBLISHED_CLASS(TscListView, TscCustomListView)
public:
    using TscCustomListView::TscCustomListView;
};
