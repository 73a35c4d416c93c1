// The glow button's companions: the key tip beside the button, the action that drives it, and the
// data-aware navigator button against an in-memory data set.
#include <gtest/gtest.h>

#include "ActnMan.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurGlowButton.h"
#include "RurGlowButton_DB.h"
#include "WindowPicture.h"

namespace {

struct TButtonForm {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TRurGlowButton* Button = new TRurGlowButton(Form.get());
    TButtonForm()
    {
        Form->SetBounds(200, 200, 320, 200);
        Button->SetParent(Form.get());
        Button->SetBounds(60, 60, 100, 41);
        Button->SetCaption(u"Go");
    }
};

// Three rows behind a data source.
struct TData {
    TMemoryDataSet Set{nullptr};
    TDataSource Source{nullptr};
    TData()
    {
        Set.Rows() = {u"a", u"b", u"c"};
        Source.SetDataSet(&Set);
        Set.Open();
    }
};

TRect ScreenRect(TWinControl* control)
{
    RECT r{};
    GetWindowRect(control->Handle(), &r);
    return Rect(r.left, r.top, r.right, r.bottom);
}

} // namespace

TEST(GlowButtonKeyTip, PlacesTheTipByItsPosition)
{
    // Button at (100, 200), 80 x 40; tip 20 x 10.
    const struct {
        TShortCutHintPos Position;
        TPoint Origin;
    } cases[] = {
        {shpLeft, {106, 215}},           {shpTop, {130, 195}},           {shpAuto, {130, 195}},
        {shpRight, {170, 215}},          {shpBottom, {130, 235}},        {shpCenter, {130, 215}},
        {shpTopLeft, {106, 195}},        {shpTopRight, {161, 195}},      {shpAboveTop, {130, 190}},
        {shpAboveTopLeft, {106, 190}},   {shpAboveTopRight, {161, 190}}, {shpBottomLeft, {106, 235}},
        {shpBottomRight, {161, 235}},    {shpBelowBottom, {130, 240}},   {shpBelowBottomLeft, {106, 240}},
        {shpBelowBottomRight, {161, 240}}, {shpBelowBottomCenter, {130, 240}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortCutHintOrigin(c.Position, {100, 200}, {80, 40}, {20, 10}), c.Origin)
            << static_cast<int>(c.Position);
    // Odd sizes round toward zero.
    EXPECT_EQ(ShortCutHintOrigin(shpTop, {0, 0}, {81, 41}, {20, 11}), (TPoint{30, -5}));
}

TEST(GlowButtonKeyTip, ShowsReusesRecoloursAndHidesTheTipWindow)
{
    TButtonForm f;
    TRurGlowButton* b = f.Button;
    b->HideShortCutHint(); // nothing to hide yet
    EXPECT_EQ(b->ShortCutHintWindow(), nullptr);
    ASSERT_TRUE(ShowActive(f.Form.get()));

    b->SetShortCutHint(u"I");
    b->Appearance()->SetColor(0x0000C0);
    b->ShowShortCutHint();
    TShortCutHintWindow* tip = b->ShortCutHintWindow();
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tip->Handle()) != 0; }));
    EXPECT_EQ(tip->Caption(), u"I");
    EXPECT_EQ(tip->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(tip->ColorTo(), TColor(0x0000C0));
    EXPECT_EQ(GetWindowLongW(tip->Handle(), GWL_STYLE) & WS_BORDER, 0);
    EXPECT_NE(GetWindowLongW(tip->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    // A one-character tip is at least as wide as "O" plus 8.
    TBitmap measure;
    measure.Canvas()->Font()->Assign(tip->Font());
    EXPECT_GE(tip->Width(), measure.Canvas()->TextWidth(u"O") + 8);
    // Centred on the button's top edge.
    const TRect button = ScreenRect(b), shown = ScreenRect(tip);
    EXPECT_EQ(shown.Left, button.Left + (button.Width() - shown.Width()) / 2);
    EXPECT_EQ(shown.Top, button.Top - shown.Height() / 2);
    // White at the top to the appearance's colour at the bottom, framed in grey.
    {
        TOffscreenImage image(tip);
        const int mid = tip->Width() / 2;
        const COLORREF top = image.Pixel(2, 1), bottom = image.Pixel(2, tip->Height() - 2);
        EXPECT_GT(GetGValue(top), 0xD0);
        EXPECT_GT(GetBValue(top), 0xD0);
        EXPECT_GT(GetRValue(bottom), 150);
        EXPECT_LT(GetGValue(bottom), 60);
        EXPECT_EQ(image.Pixel(mid, 0), RGB(128, 128, 128));
    }

    // The appearance's colour recolours the existing window.
    b->Appearance()->SetColor(0x00C000);
    EXPECT_EQ(tip->ColorTo(), TColor(0x00C000));
    TGlowButtonAppearance other;
    other.SetColor(0xC00000);
    b->SetAppearance(&other);
    EXPECT_EQ(tip->ColorTo(), TColor(0xC00000));

    // The event moves it below; the same window is reused.
    b->SetOnGetShortCutHintPos([](TObject*, TButtonSizeState state, TShortCutHintPos& position) {
        EXPECT_EQ(state, bsLarge);
        EXPECT_EQ(position, shpTop);
        position = shpBelowBottom;
    });
    b->SetShortCutHint(u"WW");
    b->ShowShortCutHint();
    EXPECT_EQ(b->ShortCutHintWindow(), tip);
    EXPECT_EQ(ScreenRect(tip).Top, button.Bottom);

    b->HideShortCutHint();
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(tip->Handle()); }));
}

TEST(GlowButtonActionLink, TheActionDrivesDownGroupAndImage)
{
    TButtonForm f;
    TActionList list(nullptr);
    TAction action(nullptr);
    action.SetActionList(&list);
    action.SetCaption(u"Bold");
    action.SetChecked(true);
    action.SetGroupIndex(4);
    action.SetImageIndex(2);

    TRurGlowButton* b = f.Button;
    b->SetAllowAllUp(true);
    b->SetAction(&action);
    EXPECT_EQ(b->Caption(), u"Bold");
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->GroupIndex(), 4);
    EXPECT_EQ(b->ImageIndex(), 2);

    action.SetChecked(false);
    EXPECT_FALSE(b->Down());
    action.SetGroupIndex(5);
    EXPECT_EQ(b->GroupIndex(), 5);

    // The image follows even when the groups differ: it depends on the image alone.
    b->SetGroupIndex(9);
    action.SetImageIndex(7);
    EXPECT_EQ(b->ImageIndex(), 7);
    action.SetGroupIndex(6);
    EXPECT_EQ(b->GroupIndex(), 9);

    // A button given its own group keeps it when an action comes.
    TRurGlowButton second(nullptr);
    second.SetGroupIndex(3);
    second.SetAction(&action);
    EXPECT_EQ(second.GroupIndex(), 3);
    EXPECT_EQ(second.ImageIndex(), 7);
}

// An image list holding one square of a colour.
void AddSquare(TImageList& list, TColor color)
{
    TBitmap square;
    square.SetSize(16, 16);
    square.Canvas()->Brush()->SetColor(color);
    square.Canvas()->FillRect(Rect(0, 0, 16, 16));
    list.AddMasked(&square, TColor(0xFF00FF));
}

// A caption-less button linked to an action showing image 0 of the given list; Centre is the glyph's
// middle pixel.
struct TActionGlyphForm : TButtonForm {
    TAction Action{nullptr};
    explicit TActionGlyphForm(TCustomActionList& list)
    {
        Action.SetActionList(&list);
        Action.SetImageIndex(0);
        Button->SetCaption(u"");
    }
    COLORREF Centre() const
    {
        TOffscreenImage image(Button);
        return image.Pixel(50, 20);
    }
};

TEST(GlowButtonActionLink, TheActionListsImagesTakeTheGlyphsPlaceUnlessTheButtonKeepsItsOwn)
{
    TImageList actionImages(nullptr), ownImages(nullptr);
    AddSquare(actionImages, 0x0000FF);
    AddSquare(ownImages, 0xFF0000);
    AddSquare(ownImages, 0xFF0000);
    TActionList list(nullptr);
    list.SetImages(&actionImages);
    TActionGlyphForm f(list);
    TRurGlowButton* b = f.Button;
    b->SetImages(&ownImages);
    b->SetAction(&f.Action);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    EXPECT_EQ(f.Centre(), RGB(255, 0, 0));
    b->SetImageListType(ipOwnLists);
    EXPECT_EQ(f.Centre(), RGB(0, 0, 255));
    // Without a list of its own the button takes the action's in any case.
    b->SetImages(nullptr);
    EXPECT_EQ(f.Centre(), RGB(255, 0, 0));
}

// An action manager's lists: large ones in the large size state, disabled ones for a disabled button,
// the normal images (drawn greyed) when it has no disabled ones.
TEST(GlowButtonActionLink, AnActionManagersListsFollowTheSizeStateAndEnabling)
{
    TImageList normal(nullptr), large(nullptr), disabled(nullptr), own(nullptr);
    auto* largeDisabled = new TImageList(nullptr);
    AddSquare(normal, 0x0000FF);
    AddSquare(large, 0x00FF00);
    AddSquare(disabled, 0x404040);
    AddSquare(*largeDisabled, 0x00FFFF);
    AddSquare(own, 0xFF0000);
    TActionManager manager(nullptr);
    manager.SetImages(&normal);
    manager.SetLargeImages(&large);
    manager.SetDisabledImages(&disabled);
    manager.SetLargeDisabledImages(largeDisabled);
    TActionGlyphForm f(manager);
    TRurGlowButton* b = f.Button;
    b->SetAction(&f.Action);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    EXPECT_EQ(b->ButtonSizeState(), bsLarge);
    EXPECT_EQ(f.Centre(), RGB(0, 255, 0));
    b->SetButtonSizeState(bsLabel);
    EXPECT_EQ(f.Centre(), RGB(255, 0, 0));
    f.Action.SetEnabled(false);
    EXPECT_EQ(f.Centre(), RGB(64, 64, 64));
    b->SetButtonSizeState(bsLarge);
    EXPECT_EQ(f.Centre(), RGB(255, 255, 0));
    delete largeDisabled; // the manager forgets a freed list
    EXPECT_EQ(manager.LargeDisabledImages(), nullptr);
    EXPECT_EQ(f.Centre(), RGB(64, 64, 64));
    manager.SetDisabledImages(nullptr);
    const COLORREF greyed = f.Centre();
    EXPECT_NE(greyed, RGB(0, 255, 0));
    EXPECT_NE(greyed, RGB(64, 64, 64));
    // A grey copy of the image itself, not the shape in the system's shadow colour.
    EXPECT_EQ(GetRValue(greyed), GetGValue(greyed));
    EXPECT_EQ(GetGValue(greyed), GetBValue(greyed));
    EXPECT_NE(greyed, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
    // A button keeping its own lists is not given the manager's.
    f.Action.SetEnabled(true);
    b->SetImages(&own);
    b->SetImageListType(ipOwnLists);
    EXPECT_EQ(f.Centre(), RGB(0, 0, 255));
}

TEST(DBGlowButton, EachOperationDisablesItselfFromTheDataSetsState)
{
    const struct {
        TDBGlowButtonType Type;
        TDBBDisableControls Preset;
    } presets[] = {
        {dbFirst, {drBOF, drEditing, drEmpty}},   {dbPrior, {drBOF, drEditing, drEmpty}},
        {dbNext, {drEOF, drEditing, drEmpty}},    {dbLast, {drEOF, drEditing, drEmpty}},
        {dbInsert, {drReadonly, drEditing}},      {dbAppend, {drReadonly, drEditing}},
        {dbDelete, {drReadonly, drEditing, drEmpty}}, {dbEdit, {drReadonly, drEditing, drEmpty}},
        {dbPost, {drNotEditing}},                 {dbCancel, {drNotEditing}},
        {dbRefresh, {drEditing}},
    };
    for (const auto& p : presets) {
        TDBRurGlowButton b(nullptr);
        b.SetDBButtonType(p.Type);
        EXPECT_EQ(b.DisableControl(), p.Preset) << static_cast<int>(p.Type);
        EXPECT_EQ(b.ImageIndex(), 0) << "the built-in glyph";
    }
    TDBRurGlowButton custom(nullptr);
    custom.SetDisableControl({drEOF});
    custom.SetDBButtonType(dbCustom);
    EXPECT_EQ(custom.DisableControl(), TDBBDisableControls{drEOF});
    EXPECT_EQ(custom.ImageIndex(), -1);

    TData data;
    TDBRurGlowButton next(nullptr), post(nullptr);
    next.SetDBButtonType(dbNext);
    post.SetDBButtonType(dbPost);
    int changes = 0;
    next.SetOnEnabledChanged([&](TObject*) { ++changes; });
    next.SetDataSource(&data.Source);
    post.SetDataSource(&data.Source);
    EXPECT_TRUE(next.Enabled());
    EXPECT_FALSE(post.Enabled());
    data.Set.Last();
    EXPECT_FALSE(next.Enabled()) << "at the end";
    data.Set.First();
    EXPECT_TRUE(next.Enabled());
    data.Set.Edit();
    EXPECT_FALSE(next.Enabled()) << "while editing";
    EXPECT_TRUE(post.Enabled());
    data.Set.Cancel();
    EXPECT_TRUE(next.Enabled());
    EXPECT_FALSE(post.Enabled());
    EXPECT_EQ(changes, 4);
    // A condition left to the event.
    next.SetDisableControl({drEvent});
    next.SetOnGetEnabled([](TObject*, bool& enabled) { enabled = false; });
    data.Set.Next();
    EXPECT_FALSE(next.Enabled());
    // Without an open data set nothing is enabled.
    post.SetDisableControl({});
    data.Set.Close();
    EXPECT_FALSE(post.Enabled());
}

TEST(DBGlowButton, ClicksRunTheOperationAfterConfirmationAndReportFailures)
{
    TData data;
    TDBRurGlowButton next(nullptr);
    next.SetDBButtonType(dbNext);
    next.SetDataSource(&data.Source);
    next.Click();
    EXPECT_EQ(data.Set.RecNo(), 2);
    bool allow = false;
    next.SetOnBeforeAction([&](TObject*, bool& doAction) { doAction = allow; });
    next.Click();
    EXPECT_EQ(data.Set.RecNo(), 2);

    // Delete asks first; OK deletes.
    TDBRurGlowButton del(nullptr);
    del.SetDBButtonType(dbDelete);
    EXPECT_EQ(del.ConfirmActionString(), u"Delete record?");
    del.SetConfirmAction(true);
    del.SetDataSource(&data.Source);
    {
        TMessageBoxAnswerer answerer;
        del.Click();
        EXPECT_EQ(answerer.Count(), 1);
        EXPECT_EQ(answerer.LastText(), u"Delete record?");
    }
    EXPECT_EQ(data.Set.Rows(), (std::vector<String>{u"a", u"c"}));
    // Yes counts as consent once the question offers it.
    del.SetOnGetConfirm([](TObject*, String& question, TMsgDlgButtons& buttons, int&) {
        question = u"Really?";
        buttons = TMsgDlgButtons{mbYes, mbNo};
    });
    {
        TMessageBoxAnswerer answerer;
        del.Click();
        EXPECT_EQ(answerer.LastText(), u"Really?");
    }
    EXPECT_EQ(data.Set.RecordCount(), 1);

    // A custom button never runs an operation and keeps its own glyph.
    TDBRurGlowButton custom(nullptr);
    custom.SetDataSource(&data.Source);
    custom.SetImageIndex(3);
    bool before = false;
    custom.SetOnBeforeAction([&](TObject*, bool& doAction) { before = !doAction; });
    custom.Click();
    EXPECT_TRUE(before);
    EXPECT_EQ(data.Set.RecordCount(), 1);
    EXPECT_EQ(custom.ImageIndex(), 3);

    // A failing operation is reported; it passes on unless the handler swallows it.
    TDBRurGlowButton post(nullptr);
    post.SetDBButtonType(dbPost);
    post.SetDataSource(&data.Source);
    std::vector<bool> reported;
    bool swallow = false;
    post.SetOnAfterAction([&](TObject*, bool& showException) {
        reported.push_back(showException);
        if (swallow)
            showException = false;
    });
    EXPECT_THROW(post.Click(), EDatabaseError);
    swallow = true;
    EXPECT_NO_THROW(post.Click());
    EXPECT_EQ(reported, (std::vector<bool>{true, true}));
    data.Set.Edit();
    post.Click();
    EXPECT_EQ(reported, (std::vector<bool>{true, true, false}));
}

TEST(DBGlowButton, TheBuiltInGlyphYieldsToAnImageListAndTheSourceMayGo)
{
    TImageList images(nullptr);
    TDBRurGlowButton b(nullptr);
    b.SetImages(&images);
    b.SetImageIndex(5);
    b.SetDBButtonType(dbFirst);
    EXPECT_EQ(b.ImageIndex(), 5);

    auto data = std::make_unique<TData>();
    b.SetDataSource(&data->Source);
    data.reset();
    EXPECT_EQ(b.DataSource(), nullptr);
}

// The glyph is drawn: the first-record arrow shows on the face, in the disabled picture when
// disabled.
TEST(DBGlowButton, PaintsItsGlyph)
{
    TButtonForm f;
    auto* b = new TDBRurGlowButton(f.Form.get());
    b->SetParent(f.Form.get());
    b->SetBounds(20, 20, 40, 30);
    b->SetDBButtonType(dbFirst);
    b->SetAutoDisable(false);
    ASSERT_TRUE(ShowActive(f.Form.get()));
    auto darkPixels = [&] {
        TOffscreenImage image(b);
        int dark = 0;
        for (int y = 0; y < b->Height(); ++y)
            for (int x = 0; x < b->Width(); ++x) {
                const COLORREF c = image.Pixel(x, y);
                dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
            }
        return dark;
    };
    EXPECT_GT(darkPixels(), 10);
}

// A picture for a person to look at (not compared): a row of buttons in their states with a key
// tip, and the navigator buttons enabled and disabled.
TEST(GlowButtonLook, Pictures)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 570, 250);
    form.SetColor(clWhite);
    const auto add = [&](int x, int y, const String& caption) {
        auto* b = new TRurGlowButton(&form);
        b->SetParent(&form);
        b->SetBounds(x, y, 100, 41);
        b->SetCaption(caption);
        b->SetComponentStyle(tsOffice2007Luna);
        return b;
    };
    add(10, 20, u"Normal");
    TRurGlowButton* hot = add(120, 20, u"Hot");
    TRurGlowButton* down = add(230, 20, u"Down");
    down->SetGroupIndex(1);
    down->SetDown(true);
    add(340, 20, u"Disabled")->SetEnabled(false);
    TData data;
    const TDBGlowButtonType types[] = {dbFirst, dbPrior, dbNext, dbLast, dbInsert, dbDelete, dbEdit, dbPost,
                                       dbCancel, dbRefresh};
    int x = 10;
    for (TDBGlowButtonType type : types) {
        auto* b = new TDBRurGlowButton(&form);
        b->SetParent(&form);
        b->SetBounds(x, 90, 36, 30);
        b->SetDBButtonType(type);
        b->SetDataSource(&data.Source);
        x += 42;
    }
    // A button with smoothed text, then a row drawn with GDI text (no smoothing): glyph left, glyph
    // on top, notes, disabled.
    TImageList glyphs(nullptr);
    AddSquare(glyphs, 0x0080FF);
    const struct {
        RurGlowButton::TButtonLayout Layout;
        const char16_t* Caption;
        bool Notes, Enabled, Smooth = false;
    } textButtons[] = {{RurGlowButton::blGlyphLeft, u"Smooth", false, true, true},
                      {RurGlowButton::blGlyphLeft, u"Left", false, true},
                      {RurGlowButton::blGlyphTop, u"Top", false, true},
                      {RurGlowButton::blGlyphLeftAdjusted, u"Notes", true, true},
                      {RurGlowButton::blGlyphLeft, u"Off", false, false}};
    x = 10;
    for (const auto& g : textButtons) {
        TRurGlowButton* b = add(x, 140, g.Caption);
        b->SetHeight(60);
        b->SetAntiAlias(g.Smooth ? RurGDIP::aaClearType : RurGDIP::aaNone);
        b->SetImages(&glyphs);
        b->SetImageIndex(0);
        b->SetLayout(g.Layout);
        if (g.Notes)
            b->Notes()->SetText(u"a note");
        b->SetEnabled(g.Enabled);
        x += 110;
    }
    ASSERT_TRUE(ShowActive(&form));
    const int saved = GlowSpeed();
    SetGlowSpeed(0);
    hot->Perform(CM_MOUSEENTER, 0, 0);
    hot->SetShortCutHint(u"H");
    hot->ShowShortCutHint();
    PumpUntil([&] { return IsWindowVisible(hot->ShortCutHintWindow()->Handle()) != 0; });
    UpdateWindow(hot->ShortCutHintWindow()->Handle());
    PumpFor(300);
    SaveWindowPicture(form.Handle(), u"glowbutton-states.png");
    SetGlowSpeed(saved);
}
