// The caption layer: sizing the form from its top edge, the mouse event elsewhere, double clicks.
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "RurToolBarForm.h"
#include "RurToolBarFormCaptionLayer.h"

namespace {

TEST(CaptionLayerTest, TheTopEdgeSizesTheFormAndTheRestReportsTheMouse)
{
    // A borderless form (the layer sizes only borderless or sizeable forms; a classic ribbon form
    // keeps a single border).
    TRurToolBarForm form(nullptr);
    form.SetSubclassAsRibbon(false);
    form.SetBorderStyle(bsNone);
    form.SetBounds(200, 200, 400, 300);
    auto* layer = new TCaptionLayer(&form);
    layer->SetParent(&form);
    layer->SetBounds(0, 0, 400, 26);
    int downs = 0;
    TPoint dbl{-1, -1};
    layer->SetOnLayerMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; }));
    layer->SetOnDoubleClick(TDblClickEvent([&](TObject*, int x, int y) { dbl = Point(x, y); }));
    ASSERT_TRUE(ShowActive(&form));

    MouseAt(layer, WM_MOUSEMOVE, Point(100, 2));
    EXPECT_EQ(layer->Cursor(), crSizeNS) << "the top edge shows the sizing cursor";
    MouseAt(layer, WM_LBUTTONDOWN, Point(100, 2), MK_LBUTTON);
    EXPECT_TRUE(layer->Resizing());
    EXPECT_EQ(downs, 0) << "a press that starts sizing is not reported";
    const int top = form.Top(), height = form.Height();
    MouseAt(layer, WM_MOUSEMOVE, Point(100, -10), MK_LBUTTON);
    EXPECT_EQ(form.Top(), top - 10);
    EXPECT_EQ(form.Height(), height + 10);
    MouseAt(layer, WM_LBUTTONUP, Point(100, 0));
    EXPECT_FALSE(layer->Resizing());

    MouseAt(layer, WM_MOUSEMOVE, Point(100, 15));
    EXPECT_NE(layer->Cursor(), crSizeNS);
    MouseAt(layer, WM_LBUTTONDOWN, Point(100, 15), MK_LBUTTON);
    MouseAt(layer, WM_LBUTTONUP, Point(100, 15));
    EXPECT_EQ(downs, 1);
    EXPECT_FALSE(layer->Resizing());
    MouseAt(layer, WM_LBUTTONDBLCLK, Point(120, 14), MK_LBUTTON);
    MouseAt(layer, WM_LBUTTONUP, Point(120, 14));
    EXPECT_EQ(dbl.X, 120);
    EXPECT_EQ(dbl.Y, 14);
}

} // namespace
