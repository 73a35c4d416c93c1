#pragma once
// The kit's styled tree view: the system tree keeps items, expansion, editing and scrolling; the
// wrapper paints every row itself (background, dotted lines, expand buttons in three looks or from
// images, check boxes, images, the text in the kit's selection looks) and keeps check boxes in a
// hierarchy, with change events that can veto a change.
#include "ComCtrls.h"
#include "scListControls.h"

TAVIN_ENUM(TscExpandButtonStyle, scebsArrow, scebsButton, scebsModernArrow)

using TscTreeViewCheckChangedEvent = TEvent<TObject*, TTreeNode*, bool>;
using TscTreeViewCheckChangingEvent = TEvent<TObject*, TTreeNode*, bool, bool&>;
using TscTreeViewCustomDrawItemTextEvent = TEvent<TObject*, TCanvas*, TRect, TTreeNode*, TCustomDrawState, bool&>;

class TscCustomTreeView : public TscCustomDrawnViewOf<TCustomTreeView> {
    TAVIN_PUBLISHED_CLASS(TscCustomTreeView, TCustomTreeView)
public:
    explicit TscCustomTreeView(TComponent* owner);
    void WndProc(TMessage& message) override;

    bool CheckBoxes() const { return FCheckBoxes; }
    void SetCheckBoxes(bool value);
    bool CheckHierarchy() const { return FCheckHierarchy; }
    void SetCheckHierarchy(bool value) { FCheckHierarchy = value; }
    TCustomImageList* ButtonImages() const { return FButtonImages; }
    void SetButtonImages(TCustomImageList* value);
    int ButtonCollapseImageIndex() const { return FButtonCollapseImageIndex; }
    void SetButtonCollapseImageIndex(int value) { ChangeAndInvalidate(this, FButtonCollapseImageIndex, value); }
    int ButtonExpandImageIndex() const { return FButtonExpandImageIndex; }
    void SetButtonExpandImageIndex(int value) { ChangeAndInvalidate(this, FButtonExpandImageIndex, value); }
    TscExpandButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TscExpandButtonStyle value) { ChangeAndInvalidate(this, FButtonStyle, value); }
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { ChangeAndInvalidate(this, FButtonColor, value); }
    TColor ButtonGlyphColor() const { return FButtonGlyphColor; }
    void SetButtonGlyphColor(TColor value) { ChangeAndInvalidate(this, FButtonGlyphColor, value); }
    bool FluentUIOpaque() const { return FFluentUIOpaque; }
    void SetFluentUIOpaque(bool value);
    TscTreeViewCheckChangedEvent OnNodeCheckedChanged() const { return FOnNodeCheckedChanged; }
    void SetOnNodeCheckedChanged(TscTreeViewCheckChangedEvent e) { FOnNodeCheckedChanged = e; }
    TscTreeViewCheckChangingEvent OnNodeCheckedChanging() const { return FOnNodeCheckedChanging; }
    void SetOnNodeCheckedChanging(TscTreeViewCheckChangingEvent e) { FOnNodeCheckedChanging = e; }
    TscTreeViewCustomDrawItemTextEvent OnCustomDrawItemText() const { return FOnCustomDrawItemText; }
    void SetOnCustomDrawItemText(TscTreeViewCustomDrawItemTextEvent e) { FOnCustomDrawItemText = e; }

    bool IsFluentUIOpaqueActive() const;
    // The node's check state as the system control holds it; a node whose StateIndex says checked
    // while the control does not is repaired first, and answers checked.
    bool GetChecked(TTreeNode* node);
    void SetChecked(TTreeNode* node, bool value);
    void FullRedraw();
    // Half the side of the expand button (and the offset of the node's content), as last painted.
    int ButtonSize() const { return FButtonSize; }

protected:
    void InstallPainter(bool kitPaints) override;
    void SendBackgroundColor(TColor color) override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void NodeCheckedChanged(TTreeNode* node, bool checked);
    virtual void NodeCheckedChanging(TTreeNode* node, bool newState, bool& allowChanges);
    void DrawTreeNode(TCustomTreeView* sender, TTreeNode* node, TCustomDrawState state, TCustomDrawStage stage,
                      bool& paintImages, bool& defaultDraw);


private:
    void UpdateChildChecks(TTreeNode* node);
    void SetDescendantChecks(TTreeNode* node, bool value);
    void DrawNodeLinesAndButton(TCanvas* canvas, TTreeNode* node, const TRect& rect, TColor lineColor);
    void DrawNodeImage(TCanvas* canvas, const TRect& content, int imageIndex, TTreeNode* node);
    int GetNodeImageIndex(TTreeNode* node) const;
    void DrawNodeText(TCanvas* canvas, TTreeNode* node, TRect rect);
    void PaintNodeText(TTreeNode* node, TCustomDrawState state, const TRect& textRect, TColor rowColor);
    // Runs a message and reports a user's change of the node's check box.
    void TrackCheckChange(TTreeNode* node, TMessage& message);

    HIMAGELIST FThirdImages = nullptr;
    int FThirdImageWidth = 0;
    int FThirdImageHeight = 0;
    int FThirdImagesCount = 0;
    int FButtonSize = 5;
    TCustomImageList* FButtonImages = nullptr;
    int FButtonCollapseImageIndex = 0;
    int FButtonExpandImageIndex = 1;
    TscExpandButtonStyle FButtonStyle = scebsArrow;
    TColor FButtonColor = clNone;
    TColor FButtonGlyphColor = clBtnFace;
    bool FCheckingTree = false;
    bool FCheckBoxes = false;
    TscTreeViewCheckChangedEvent FOnNodeCheckedChanged;
    TscTreeViewCheckChangingEvent FOnNodeCheckedChanging;
    TscTreeViewCustomDrawItemTextEvent FOnCustomDrawItemText;
    bool FCheckHierarchy = true;
    bool FCheckSetting = false;
    bool FFluentUIOpaque = false;
};

class TscTreeView : public TscCustomTreeView {
    TAVIN_PUBLISHED_CLASS(TscTreeView, TscCustomTreeView)
public:
    using TscCustomTreeView::TscCustomTreeView;
};
