#include <gtest/gtest.h>

#include "TypInfo.h"

namespace {

TAVIN_ENUM(TShade, shLight, shMedium, shDark)
using TShades = TSet<TShade>;
using TColor = int;
using TAlphaColor = Cardinal;

struct IGreeter {
    TAVIN_GUID("{11B625F8-447A-4AE5-BB88-5ECDEA979AF7}");
    virtual String Greet() const = 0;

protected:
    ~IGreeter() = default;
};

class TShape : public TObject {
    TAVIN_PUBLISHED_CLASS(TShape, TObject)
public:
    int Width() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent v) { FOnClick = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }
    TShade Shade() const { return FShade; }
    void SetShade(TShade v) { FShade = v; }
    TShades Shades() const { return FShades; }
    void SetShades(TShades v) { FShades = v; }
    float Opacity() const { return FOpacity; }
    void SetOpacity(float v) { FOpacity = v; }
    Int64 Big() const { return FBig; }
    void SetBig(Int64 v) { FBig = v; }
    TObject* Data() const { return FData; }
    void SetData(TObject* v) { FData = v; }
    TAlphaColor Fill() const { return FFill; }
    void SetFill(TAlphaColor v) { FFill = v; }
    int Area() const { return FWidth * 2; }
    bool IsWidthStored() const { return FWidth != 13; }

    void ShapeClick(TObject*) { ++Clicks; }
    void KeyDown(TObject*, Word& key) { key = 0; }
    int Clicks = 0;

private:
    int FWidth = 0;
    TColor FColor = 0;
    String FCaption;
    TNotifyEvent FOnClick;
    bool FVisible = true;
    TShade FShade = shLight;
    TShades FShades;
    float FOpacity = 1;
    Int64 FBig = 0;
    TObject* FData = nullptr;
    TAlphaColor FFill = 0;
};

TAVIN_PUBLISHED(TShape)
{
    TAVIN_PROPERTY(int, Width).Default(0).Stored(&TShape::IsWidthStored);
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(TShade, Shade).Default(shLight);
    TAVIN_PROPERTY(TShades, Shades).Default({shDark});
    TAVIN_PROPERTY(float, Opacity);
    TAVIN_PROPERTY(Int64, Big);
    TAVIN_PROPERTY(TObject*, Data);
    TAVIN_READONLY_PROPERTY(int, Area);
    TAVIN_PROPERTY(TAlphaColor, Fill);
    TAVIN_METHOD(ShapeClick);
}

class TSquare : public TShape, public IGreeter {
    TAVIN_PUBLISHED_CLASS(TSquare, TShape)
public:
    String Greet() const override { return u"square"; }
    int Side() const { return 1; }
    void SetSide(int) {}
    void SquareClick(TObject*) {}
};

TAVIN_PUBLISHED(TSquare)
{
    TAVIN_PROPERTY(int, Side);
    TAVIN_PROPERTY(TColor, Color).Default(5); // published again with a default
    TAVIN_METHOD(SquareClick);
}

class TPlain : public TSquare {
    TAVIN_CLASS(TPlain, TSquare)
};

std::vector<String> NamesOf(const std::vector<const TPropInfo*>& props)
{
    std::vector<String> names;
    for (auto* p : props)
        names.push_back(p->Name);
    return names;
}

} // namespace

TEST(TypInfo, ClassReferencesKnowNamesAndAncestry)
{
    TPlain plain;
    TObject& obj = plain;
    EXPECT_EQ(obj.ClassName(), u"TPlain");
    EXPECT_EQ(obj.ClassType(), TPlain::StaticClass());
    EXPECT_EQ(obj.ClassParent(), TSquare::StaticClass());
    EXPECT_TRUE(obj.InheritsFrom(TShape::StaticClass()));
    EXPECT_TRUE(obj.InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TShape().InheritsFrom(TSquare::StaticClass()));
    EXPECT_EQ(TObject().ClassName(), u"TObject");
}

TEST(TypInfo, PropertiesAreListedInNameOrderWithAncestorsAndFoundIgnoringCase)
{
    const std::vector<String> expected = {u"Area", u"Big", u"Caption", u"Color", u"Data", u"Fill", u"OnClick", u"Opacity",
                                          u"Shade", u"Shades", u"Side", u"Visible", u"Width"};
    EXPECT_EQ(NamesOf(GetPropList(TPlain::StaticClass())), expected);
    EXPECT_EQ(GetPropList(TShape::StaticClass()).size(), expected.size() - 1);

    const TPropInfo* color = GetPropInfo(TSquare::StaticClass(), u"cOLOR");
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(color->Default, 5); // the descendant's declaration replaced the ancestor's
    EXPECT_EQ(GetPropInfo(TShape::StaticClass(), u"Color")->Default, NoDefault);
    EXPECT_EQ(GetPropInfo(TShape::StaticClass(), u"Side"), nullptr);
    EXPECT_EQ(GetPropInfo(TShape::StaticClass(), u"Nope"), nullptr);
}

TEST(TypInfo, PropertyTypeInformationByKind)
{
    struct Case { const char16_t* prop; TTypeKind kind; const char16_t* typeName; };
    const Case cases[] = {
        {u"Width", tkInteger, u"Integer"}, {u"Color", tkInteger, u"TColor"},  {u"Caption", tkUString, u"string"},
        {u"OnClick", tkMethod, u"TNotifyEvent"}, {u"Visible", tkEnumeration, u"Boolean"},
        {u"Shade", tkEnumeration, u"TShade"},    {u"Shades", tkSet, u"TShades"},  {u"Opacity", tkFloat, u"Single"},
        {u"Big", tkInt64, u"Int64"},             {u"Data", tkClass, u"TObject"},
        {u"Fill", tkInteger, u"TAlphaColor"},
    };
    for (const auto& c : cases) {
        const TPropInfo* p = GetPropInfo(TShape::StaticClass(), c.prop);
        ASSERT_NE(p, nullptr) << ToUtf8(c.prop);
        EXPECT_EQ(p->Type.Kind, c.kind) << ToUtf8(c.prop);
        EXPECT_EQ(p->Type.Name, c.typeName) << ToUtf8(c.prop);
    }
    const TPropInfo& visible = *GetPropInfo(TShape::StaticClass(), u"Visible");
    EXPECT_TRUE(visible.Type.IsBoolean());
    EXPECT_EQ(visible.Default, 1);
    const TPropInfo& shades = *GetPropInfo(TShape::StaticClass(), u"Shades");
    EXPECT_EQ(GetEnumName(shades.Type, 2), u"shDark");
    EXPECT_EQ(GetEnumValue(shades.Type, u"SHMEDIUM"), 1);
    EXPECT_EQ(GetEnumName(shades.Type, 3), u"");
    EXPECT_EQ(GetEnumValue(shades.Type, u"shNone"), -1);
    EXPECT_EQ(shades.Default, 4);
    EXPECT_EQ(GetPropInfo(TShape::StaticClass(), u"Opacity")->Type.FloatType, ftSingle);
    EXPECT_EQ(GetPropInfo(TShape::StaticClass(), u"Data")->Type.ClassType, TObject::StaticClass());
    const TPropInfo& area = *GetPropInfo(TShape::StaticClass(), u"Area");
    EXPECT_TRUE(area.HasGetter());
    EXPECT_FALSE(area.HasSetter());
}

TEST(TypInfo, ValuesAreReadAndWrittenByKindAndChecked)
{
    TShape s;
    auto prop = [](const char16_t* name) -> const TPropInfo& { return *GetPropInfo(TShape::StaticClass(), name); };
    SetOrdProp(s, prop(u"Width"), 42);
    SetOrdProp(s, prop(u"Shade"), shDark);
    SetOrdProp(s, prop(u"Shades"), 3);
    SetStrProp(s, prop(u"Caption"), u"\u0633\u0644\u0627\u0645");
    SetFloatProp(s, prop(u"Opacity"), 0.5);
    SetInt64Prop(s, prop(u"Big"), Int64(1) << 40);
    SetObjectProp(s, prop(u"Data"), &s);
    EXPECT_EQ(s.Width(), 42);
    EXPECT_EQ(GetOrdProp(s, prop(u"Area")), 84);
    EXPECT_EQ(s.Shade(), shDark);
    EXPECT_EQ(s.Shades(), (TShades{shLight, shMedium}));
    EXPECT_EQ(GetStrProp(s, prop(u"Caption")), u"\u0633\u0644\u0627\u0645");
    EXPECT_EQ(GetFloatProp(s, prop(u"Opacity")), 0.5);
    EXPECT_EQ(GetInt64Prop(s, prop(u"Big")), Int64(1) << 40);
    EXPECT_EQ(GetObjectProp(s, prop(u"Data")), &s);
    // A Cardinal reads as the platform's signed Integer and is set from either form.
    SetOrdProp(s, prop(u"Fill"), 0xFFFF0000);
    EXPECT_EQ(GetOrdProp(s, prop(u"Fill")), -65536);
    SetOrdProp(s, prop(u"Fill"), -1);
    EXPECT_EQ(s.Fill(), 0xFFFFFFFFu);

    EXPECT_THROW(SetOrdProp(s, prop(u"Area"), 1), EPropertyError);
    EXPECT_THROW(SetStrProp(s, prop(u"Width"), u"1"), EPropertyConvertError);
    EXPECT_THROW(SetOrdProp(s, prop(u"Shade"), 3), EPropertyConvertError);
    EXPECT_THROW(SetOrdProp(s, prop(u"Shade"), -1), EPropertyConvertError);
    EXPECT_THROW(SetOrdProp(s, prop(u"Shades"), 8), EPropertyConvertError);
    EXPECT_THROW(SetFloatProp(s, prop(u"Opacity"), 1e300), EPropertyConvertError);
    EXPECT_EQ(s.Shade(), shDark);
}

TEST(TypInfo, StoredRuleAndDefaults)
{
    TShape s;
    const TPropInfo& width = *GetPropInfo(s, u"Width");
    EXPECT_TRUE(IsStoredProp(s, width));
    s.SetWidth(13);
    EXPECT_FALSE(IsStoredProp(s, width));
    EXPECT_TRUE(IsStoredProp(s, *GetPropInfo(s, u"Caption")));
}

TEST(TypInfo, EventsCompareByObjectAndMemberAndBindLambdas)
{
    TShape a, b;
    TNotifyEvent none;
    EXPECT_FALSE(none);
    none(&a); // calling an empty event does nothing

    TNotifyEvent ha = MakeHandler<&TShape::ShapeClick>(&a);
    EXPECT_TRUE(ha);
    EXPECT_EQ(ha, MakeHandler<&TShape::ShapeClick>(&a));
    EXPECT_NE(ha, MakeHandler<&TShape::ShapeClick>(&b));
    EXPECT_NE(ha, none);
    ha(&b);
    EXPECT_EQ(a.Clicks, 1);

    int calls = 0;
    TNotifyEvent lambda([&](TObject*) { ++calls; });
    TNotifyEvent copy = lambda;
    copy(nullptr);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(copy, lambda);
    EXPECT_NE(lambda, TNotifyEvent([&](TObject*) { ++calls; }));

    // Reference parameters reach the handler as references.
    TEvent<TObject*, Word&> onKey = MakeHandler<&TShape::KeyDown>(&a);
    Word key = 13;
    onKey(&a, key);
    EXPECT_EQ(key, 0);
    // A handler of another parameter list cannot be bound by code.
    EXPECT_THROW(TNotifyEvent::FromMethod(onKey.Method()), EInvalidCast);
}

TEST(TypInfo, PublishedMethodsAreFoundByNameAndCode)
{
    TSquare sq;
    TMethodCode click = sq.MethodAddress(u"shapeclick");
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(sq.MethodName(click), u"ShapeClick");
    EXPECT_EQ(sq.MethodName(sq.MethodAddress(u"SquareClick")), u"SquareClick");
    EXPECT_EQ(TShape().MethodAddress(u"SquareClick"), nullptr);
    EXPECT_EQ(sq.MethodName(nullptr), u"");

    const TPropInfo& onClick = *GetPropInfo(sq, u"OnClick");
    SetMethodProp(sq, onClick, TMethod{click, &sq});
    sq.OnClick()(&sq);
    EXPECT_EQ(sq.Clicks, 1);
    EXPECT_EQ(GetMethodProp(sq, onClick), (TMethod{click, &sq}));
    EXPECT_EQ(sq.OnClick(), MakeHandler<&TShape::ShapeClick>(&sq));
}

TEST(TypInfo, RegistryFindsClassesIgnoringCaseAndCreatesThem)
{
    RegisterClasses({TShape::StaticClass(), TSquare::StaticClass()});
    RegisterClass(TShape::StaticClass()); // again: no effect
    EXPECT_EQ(FindClass(u"tsquare"), TSquare::StaticClass());
    EXPECT_EQ(GetClass(u"TPlain"), nullptr);
    try {
        FindClass(u"TPlain");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), u"Class TPlain not found");
    }
    std::unique_ptr<TObject> made = FindClass(u"TSquare")->Create();
    EXPECT_EQ(made->ClassName(), u"TSquare");
    EXPECT_FALSE(TSquare::StaticClass()->HasComponentConstructor());
    EXPECT_THROW(TSquare::StaticClass()->CreateComponent(nullptr), EInvalidOperation);
    UnRegisterClass(TSquare::StaticClass());
    EXPECT_EQ(GetClass(u"TSquare"), nullptr);
}

TEST(TypInfo, SupportsQueriesInterfacesByGuid)
{
    TSquare sq;
    TShape shape;
    IGreeter* greeter = nullptr;
    EXPECT_TRUE(Supports(&sq, IGreeter::IID, greeter));
    EXPECT_EQ(greeter->Greet(), u"square");
    EXPECT_FALSE(Supports(&shape, IGreeter::IID, greeter));
    EXPECT_EQ(greeter, nullptr);
    EXPECT_FALSE(Supports(nullptr, IGreeter::IID, greeter));
    constexpr TGUID other = TGUID::Parse("{91DEAFC3-8932-45F4-A3ED-5AAA0C0E9250}");
    EXPECT_FALSE(Supports(&sq, other, greeter));
    EXPECT_EQ(other.D1, 0x91DEAFC3u);
    EXPECT_EQ(other.D4[7], 0x50);
}

TEST(TypInfo, IdentifierRules)
{
    EXPECT_TRUE(IsValidIdent(u"_Button1"));
    EXPECT_TRUE(IsValidIdent(u"\u062F\u06A9\u0645\u0647"));
    EXPECT_FALSE(IsValidIdent(u""));
    EXPECT_FALSE(IsValidIdent(u"1Button"));
    EXPECT_FALSE(IsValidIdent(u"Button 1"));
    EXPECT_FALSE(IsValidIdent(u"a.b"));
    EXPECT_TRUE(SameText(u"Font", u"fONT"));
    EXPECT_LT(CompareText(u"Shade", u"shades"), 0);
}
