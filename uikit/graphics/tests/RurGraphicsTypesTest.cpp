#include <gtest/gtest.h>

#include "RurGraphicsTypes.h"
#include "RurPersistence.h"

namespace {

// Counts the notifications of one object.
struct ChangeCounter {
    int Count = 0;
    TNotifyEvent Handler()
    {
        return [this](TObject*) { ++Count; };
    }
};

} // namespace

TEST(RurGraphicsFill, DefaultsAndColourSetterRule)
{
    TRurGraphicsFill fill(gfkGradient, 0x123456);
    EXPECT_EQ(fill.Kind(), gfkGradient);
    EXPECT_EQ(fill.Color(), 0x123456);
    EXPECT_EQ(fill.ColorTo(), 0x808080);
    EXPECT_EQ(fill.ColorMirror(), gcNoColor);
    EXPECT_EQ(fill.GradientCenterColor(), gcNoColor);
    EXPECT_EQ(fill.Orientation(), gfoVertical);
    EXPECT_EQ(fill.TextureMode(), gtmStretch);
    EXPECT_FLOAT_EQ(fill.Opacity(), 1);
    EXPECT_EQ(fill.GradientMatrix(), TRurGraphicsMatrix::Identity());

    ChangeCounter changes;
    fill.SetOnChanged(changes.Handler());
    struct Case {
        TColor Set;
        TColor Stored;
        int Notifications; // running total
    } cases[] = {
        {clRed, clRed, 1},     {clRed, clRed, 1},                // the same colour again: silent
        {clNone, gcNoColor, 2}, {clNone, gcNoColor, 3},          // compared against the stored value
        {clDefault, gcDefaultColor, 4},
    };
    for (const Case& c : cases) {
        fill.SetColor(c.Set);
        EXPECT_EQ(fill.Color(), c.Stored) << c.Set;
        EXPECT_EQ(changes.Count, c.Notifications) << c.Set;
    }

    TRurGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    stroke.SetColor(clNone);
    EXPECT_EQ(stroke.Color(), gcNoColor);
}

TEST(RurGraphicsFill, UpdatesHoldNotificationsBack)
{
    TRurGraphicsFill fill(gfkSolid, 0xFFFFFF);
    ChangeCounter changes;
    fill.SetOnChanged(changes.Handler());
    fill.BeginUpdate();
    fill.BeginUpdate();
    fill.SetKind(gfkGradient);
    fill.SetGradientAngle(45);
    fill.AddGradientItem(clRed, 0.5f, 0.25f);
    fill.EndUpdate();
    EXPECT_EQ(changes.Count, 0);
    fill.EndUpdate();
    EXPECT_EQ(changes.Count, 1);

    // Items report through the collection; so does the texture picture.
    fill.GradientItems()->GetItemEx(0)->SetPosition(0.75f);
    EXPECT_EQ(changes.Count, 2);
    fill.ClearGradientItems();
    EXPECT_EQ(fill.GradientItems()->Count(), 0);
    EXPECT_EQ(changes.Count, 3);
    fill.SetGradientCenterPoint({1, 2});
    fill.SetGradientCenterPoint({1, 2});
    EXPECT_EQ(changes.Count, 5);
    fill.SetOpacity(1);
    EXPECT_EQ(changes.Count, 5);
}

TEST(RurGraphicsFill, AssignBetweenFillsAndStrokes)
{
    TRurGraphicsFill source(gfkGradient, clRed);
    source.SetColorTo(clBlue);
    source.SetOpacity(0.5f);
    source.SetGradientType(gfgtRadial);
    source.SetGradientCenterColor(clGreen);
    source.SetGradientMatrix(TRurGraphicsMatrix::CreateScaling(2, 2));
    source.AddGradientItem(clYellow, 0.3f, 0.7f);

    TRurGraphicsFill target(gfkSolid, 0xFFFFFF);
    ChangeCounter changes;
    target.SetOnChanged(changes.Handler());
    target.Assign(&source);
    EXPECT_EQ(changes.Count, 1);
    EXPECT_EQ(target.Kind(), gfkGradient);
    EXPECT_EQ(target.ColorTo(), clBlue);
    EXPECT_FLOAT_EQ(target.Opacity(), 0.5f);
    EXPECT_EQ(target.GradientType(), gfgtRadial);
    EXPECT_EQ(target.GradientCenterColor(), clGreen);
    ASSERT_EQ(target.GradientItems()->Count(), 1);
    EXPECT_FLOAT_EQ(target.GradientItems()->GetItemEx(0)->Opacity(), 0.7f);
    EXPECT_EQ(target.GradientMatrix(), TRurGraphicsMatrix::Identity()); // the matrix stays

    TRurGraphicsStroke stroke(gskDash, clGreen);
    stroke.SetWidth(3);
    target.Assign(&stroke);
    EXPECT_EQ(target.Kind(), gfkSolid);
    EXPECT_EQ(target.Color(), clGreen);
    EXPECT_EQ(target.ColorTo(), gcNoColor);
    EXPECT_EQ(target.ColorMirrorTo(), gcNoColor);
    EXPECT_FLOAT_EQ(target.Opacity(), 1);

    stroke.Assign(&source);
    EXPECT_EQ(stroke.Kind(), gskSolid);
    EXPECT_EQ(stroke.Color(), clRed);
    EXPECT_FLOAT_EQ(stroke.Width(), 1);

    TStringList other;
    EXPECT_NO_THROW(target.Assign(&other));
    EXPECT_EQ(changes.Count, 3);
    TRurGraphicsFillGradientItem* item = target.AddGradientItem(clRed, 0, 1);
    EXPECT_THROW(item->Assign(&other), EConvertError);
}

TEST(RurGraphicsFill, StreamedDefaults)
{
    // Width 1, opacity 1 and position 0 are the unstreamed values.
    auto stored = [](const TObject& object, const char16_t* name) {
        const TPropInfo* prop = GetPropInfo(object, name);
        return prop && IsStoredProp(object, *prop);
    };
    TRurGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    EXPECT_FALSE(stored(stroke, u"Width"));
    stroke.SetWidth(2);
    EXPECT_TRUE(stored(stroke, u"Width"));

    TRurGraphicsFill fill(gfkSolid, 0xFFFFFF);
    TRurGraphicsFillGradientItem* item = fill.AddGradientItem(clRed, 0, 1);
    EXPECT_FALSE(stored(*item, u"Opacity"));
    EXPECT_FALSE(stored(*item, u"Position"));
    item->SetPosition(0.5f);
    EXPECT_TRUE(stored(*item, u"Position"));
}

TEST(RurGraphicsFillGradientItems, TypedItemsOfTheirItemClass)
{
    TRurGraphicsFill fill(gfkGradient, 0xFFFFFF);
    TRurGraphicsFillGradientItems* items = fill.GradientItems();
    EXPECT_EQ(items->ItemClass(), TRurGraphicsFillGradientItems::GetGradientItemClass());
    EXPECT_EQ(items->ItemClass(), TRurGraphicsFillGradientItem::StaticClass());

    fill.AddGradientItem(clRed, 0, 1);
    fill.AddGradientItem(clBlue, 1, 1);
    auto enumerator = items->GetEnumerator();
    ASSERT_TRUE(enumerator->MoveNext());
    EXPECT_EQ(enumerator->Current()->Color(), clRed);
    ASSERT_TRUE(enumerator->MoveNext());
    EXPECT_EQ(enumerator->Current()->Color(), clBlue);
    EXPECT_FALSE(enumerator->MoveNext());
}

// The colour object carries the kit's JSON members.
TEST(RurGraphicsTypes, ColourObjectSavesItselfAsJSON)
{
    RurPersistenceInitialize();
    TRurGraphicsColorObject color(clRed);
    EXPECT_EQ(color.ToJSON(), u"{\"$type\":\"TRurGraphicsColorObject\"}");
    EXPECT_EQ(color.JSON(), color.ToJSON());
    TStringStream stream;
    color.SaveToJSONStream(stream);
    EXPECT_EQ(stream.DataString(), color.ToJSON());
    EXPECT_NO_THROW(color.SetJSON(u"{}"));
    RurPersistenceFinalize();
}

// The drawing state objects save and load themselves through the same members.
TEST(RurGraphicsTypes, StateObjectsRoundTripThroughTheirJSONMembers)
{
    RurPersistenceInitialize();
    TRurGraphicsFill fill(gfkGradient, clRed);
    TRurGraphicsFill fillCopy(gfkSolid, clBlue);
    fillCopy.FromJSON(fill.ToJSON());
    EXPECT_EQ(fillCopy.Kind(), gfkGradient);
    EXPECT_EQ(fillCopy.Color(), clRed);

    TRurGraphicsStroke stroke(gskDash, clLime);
    TRurGraphicsStroke strokeCopy(gskSolid, clBlue);
    strokeCopy.SetJSON(stroke.JSON());
    EXPECT_EQ(strokeCopy.Kind(), gskDash);
    EXPECT_EQ(strokeCopy.Color(), clLime);

    TRurGraphicsFont font;
    font.SetName(u"Arial");
    TRurGraphicsFont fontCopy;
    fontCopy.FromJSON(font.ToJSON());
    EXPECT_EQ(fontCopy.Name(), u"Arial");

    TRurGraphicsFillGradientItem* item = fill.AddGradientItem(clBlue, 0.5f, 1);
    TRurGraphicsFillGradientItem* itemCopy = fillCopy.AddGradientItem(clRed, 0, 1);
    itemCopy->FromJSON(item->ToJSON());
    EXPECT_EQ(itemCopy->Color(), clBlue);
    EXPECT_EQ(itemCopy->Position(), 0.5f);
    EXPECT_EQ(fill.GradientItems()->ToJSON(), u"[" + item->ToJSON() + u"]");

    TRurGraphicsSaveState state;
    EXPECT_EQ(state.ToJSON(), u"{\"$type\":\"TRurGraphicsSaveState\"}");
    RurPersistenceFinalize();
}

TEST(RurGraphicsFont, ChangesAndSaveState)
{
    TRurGraphicsFont font;
    EXPECT_EQ(font.Height(), -11);
    ChangeCounter changes;
    font.SetOnChanged(changes.Handler());
    font.SetName(u"Arial");
    font.SetStyle(TFontStyles{fsBold});
    EXPECT_EQ(changes.Count, 2);
    font.BeginUpdate();
    font.SetSize(20);
    EXPECT_EQ(changes.Count, 2);
    font.EndUpdate();
    EXPECT_EQ(changes.Count, 3);

    TRurGraphicsSaveState state;
    EXPECT_EQ(state.Fill()->Kind(), gfkSolid);
    EXPECT_EQ(state.Fill()->Color(), 0xFFFFFF);
    EXPECT_EQ(state.Stroke()->Color(), 0xC0C0C0);
    state.SetFont(&font);
    EXPECT_EQ(state.Font()->Name(), u"Arial");
}

TEST(RurGraphicsTypes, NamedColourTable)
{
    EXPECT_EQ(NamedColorList(), nullptr);
    RurGraphicsTypesInitialize();
    TStringList* names = NamedColorList();
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->Count(), 160);
    struct Case {
        const char16_t* Name;
        TColor Color;
    } cases[] = {{u"aliceblue", 0xFFF8F0}, {u"red", 0x0000FF}, {u"RebeccaPurple", -1}, {u"DarkSlateGrey", 0x4F4F2F},
                 {u"yellowgreen", 0x32CD9A}};
    for (const Case& c : cases) {
        int index = names->IndexOf(c.Name);
        if (c.Color == -1) {
            EXPECT_LT(index, 0) << ToUtf8(c.Name);
            continue;
        }
        ASSERT_GE(index, 0) << ToUtf8(c.Name);
        EXPECT_EQ(static_cast<TRurGraphicsColorObject*>(names->Objects(index))->Color(), c.Color) << ToUtf8(c.Name);
    }
    for (int i = 1; i < names->Count(); ++i)
        EXPECT_LE(CompareText(names->Strings(i - 1), names->Strings(i)), 0);
    RurGraphicsTypesFinalize();
    EXPECT_EQ(NamedColorList(), nullptr);
}

TEST(RurGraphicsTypes, ColourHelpers)
{
    EXPECT_EQ(MakeRGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(LightenColor(0x204080, 0), 0x204080);
    EXPECT_EQ(LightenColor(0x204080, 100), 0xFFFFFF);
    EXPECT_EQ(LightenColor(0x000000, 50), 0x808080);
    EXPECT_EQ(LightenColor(clBtnFace, 0), ColorToRGB(clBtnFace));
}

TEST(RurGraphicsTypes, RoundedGradientBands)
{
    TBitmap bitmap(20, 10);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 20, 10));
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetColor(clLime);

    DrawRoundedGradient(canvas, clBlack, clWhite, Rect(0, 0, 20, 10), 0, 0, true);
    EXPECT_EQ(canvas.Pixels(0, 5), 0x000000);
    EXPECT_EQ(canvas.Pixels(10, 5), 0x808080); // 128 of 255 after ten of twenty steps
    EXPECT_EQ(canvas.Pixels(19, 0), 0xF2F2F2); // 255 * 19 / 20 rounded
    EXPECT_EQ(canvas.Brush()->Style(), bsClear);
    EXPECT_EQ(canvas.Pen()->Color(), clLime);

    // Rounded left corners: the first columns stand back from the top and bottom.
    canvas.Brush()->SetColor(clWhite);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(Rect(0, 0, 20, 10));
    DrawRoundedGradient(canvas, clRed, clRed, Rect(0, 0, 20, 10), 4, RoundedTopLeft | RoundedBottomLeft, true);
    EXPECT_EQ(canvas.Pixels(0, 0), 0xFFFFFF);
    EXPECT_EQ(canvas.Pixels(0, 9), 0xFFFFFF);
    EXPECT_EQ(canvas.Pixels(0, 5), clRed);
    EXPECT_EQ(canvas.Pixels(19, 0), clRed);

    // An empty rectangle still paints its one band.
    EXPECT_NO_THROW(DrawRoundedGradient(canvas, clRed, clBlue, Rect(5, 5, 5, 5), 0, 0, false));
}

TEST(RurTypes, EmptyPictures)
{
    EXPECT_TRUE(IsBitmapEmpty(nullptr));
    TRurBitmap picture;
    EXPECT_TRUE(IsBitmapEmpty(&picture));
    EXPECT_FALSE(picture.HasSVG());
    EXPECT_EQ(picture.SVG(), nullptr);
    TBitmap bitmap(2, 2);
    picture.SetGraphic(&bitmap);
    EXPECT_FALSE(IsBitmapEmpty(&picture));

    // The fill copies its texture and hears of its changes.
    TRurGraphicsFill fill(gfkTexture, 0);
    ChangeCounter changes;
    fill.SetOnChanged(changes.Handler());
    fill.SetTexture(&picture);
    EXPECT_FALSE(IsBitmapEmpty(fill.Texture()));
    EXPECT_NE(fill.Texture(), &picture);
    int afterSet = changes.Count;
    EXPECT_GE(afterSet, 1);
    fill.Texture()->SetGraphic(nullptr);
    EXPECT_GT(changes.Count, afterSet);
}
