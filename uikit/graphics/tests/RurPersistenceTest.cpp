#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "PersistenceSamples.h"
#include "RurGraphicsPath.h"
#include "RurJSONWriter.h"
#include "RurObjectJSON.h"
#include "RurPersistence.h"

namespace {

// Each test starts from the settings the unit's start-up gives.
class RurPersistence : public ::testing::Test {
protected:
    void SetUp() override
    {
        RurPersistenceInitialize();
        RegisterPersistenceSamples();
    }
    void TearDown() override
    {
        RurPersistenceFinalize();
        TRurPersistence::SetRootObject(nullptr);
        TRurPersistence::SetIOReference(nullptr);
        TRurPersistence::SetOnCustomWriteProperty(nullptr);
        TRurPersistence::SetOnCustomReadProperty(nullptr);
        TRurPersistence::SetExcludeProperties({});
    }
};

std::string Save(TObject* object)
{
    TStringStream stream;
    TRurPersistence::SaveSettingsToStream(object, stream);
    return ToUtf8(stream.DataString());
}

void Load(TObject* object, const std::string& text)
{
    TStringStream stream(FromUtf8(text));
    TRurPersistence::LoadSettingsFromStream(object, stream);
}

template <class E>
void ExpectRaises(const std::function<void()>& action, const String& message)
{
    try {
        action();
        ADD_FAILURE() << "no exception, expected " << ToUtf8(message);
    } catch (const E& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

const char ExampleText[] =
    R"({"$type":"TSampleShape","Caption":"Hi","Color":"#FF0000","Enabled":true,)"
    R"("Font":{"$type":"TFont","Charset":1,"Color":"#000000","Height":-11,"Name":"Tahoma","Orientation":0,)"
    R"("Pitch":0,"Quality":0,"Size":8,"IsFMX":false,"Style":0},)"
    R"("Lines":["a","b"],"Margin":4,"OnClick":"ButtonClick","Opacity":0.5})";

} // namespace

TEST_F(RurPersistence, WritesTheExampleExactlyAndReadsItBack)
{
    TSampleForm form(nullptr);
    TRurPersistence::SetRootObject(&form);
    TSampleShape shape;
    shape.SetCaption(u"Hi");
    shape.SetColor(0x0000FF);
    shape.SetEnabled(true);
    shape.Lines()->Add(u"a");
    shape.Lines()->Add(u"b");
    shape.SetMargin(4);
    shape.SetOnClick(MakeHandler<&TSampleForm::ButtonClick>(&form));
    shape.SetOpacity(0.5);
    EXPECT_EQ(Save(&shape), ExampleText);

    TSampleShape copy;
    copy.Font()->SetSize(20);
    Load(&copy, ExampleText);
    EXPECT_EQ(Save(&copy), ExampleText);
    EXPECT_EQ(copy.OnClick(), shape.OnClick());
}

TEST_F(RurPersistence, RoundTripsEveryKindAndContainer)
{
    TSampleAll all;
    all.SetBig(Int64(1) << 40);
    all.SetStyles({sfsItalic, sfsStrikeOut});
    all.SetPitch(spFixed);
    all.SetWhen(45000.25);
    all.SetBack(-1);
    all.Words()->Add(u"\u00E9\"x");
    all.Numbers()->Add(-7);
    all.Ratios()->Add(1.5);
    auto* point = new TSamplePoint;
    point->SetX(3);
    all.Points()->Add(point);
    auto* named = new TSamplePoint;
    named->SetX(9);
    all.Named()->Add(u"nine", named);
    static_cast<TSamplePointItem*>(all.Items()->Add())->SetX(5);
    all.Origin()->SetX(2);
    const std::string text = Save(&all);
    EXPECT_NE(text.find(R"("Back":"gcNull","Big":1099511627776,)"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("Initial":"","Items":[{"$type":"TSamplePointItem","X":5}],)"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("Named":[{"nine":{"$type":"TSamplePoint","X":9}}],)"), std::string::npos) << text;

    TSampleAll copy;
    copy.Words()->Add(u"old");
    static_cast<TSamplePointItem*>(copy.Items()->Add())->SetX(1);
    static_cast<TSamplePointItem*>(copy.Items()->Add())->SetX(1);
    Load(&copy, text);
    EXPECT_EQ(Save(&copy), text);
    EXPECT_EQ(copy.Big(), Int64(1) << 40);
    EXPECT_EQ(copy.Items()->Count(), 1);
    EXPECT_EQ(copy.Initial(), u'x');
}

TEST_F(RurPersistence, RootListsBareObjectsAndEmptyValues)
{
    TStringList lines;
    lines.Add(u"a");
    EXPECT_EQ(Save(&lines), R"(["a"])");
    TSamplePointItem item(nullptr);
    TRurPersistence::SetClassNameKey(String());
    EXPECT_EQ(Save(&item), R"({"X":0})");
    TRurPersistence::SetClassNameKey(u"$type");
    TPersistent bare;
    EXPECT_EQ(Save(&bare), R"({"$type":"TPersistent"})");

    // Without a root object events are null; a class property holding none is the empty name.
    TSampleShape shape;
    shape.SetOnClick([](TObject*) {});
    EXPECT_NE(Save(&shape).find(R"("OnClick":null)"), std::string::npos);
    TSampleAll all;
    EXPECT_NE(Save(&all).find(R"("Buddy":"")"), std::string::npos);
}

TEST_F(RurPersistence, ColoursReadBackAsThemselves)
{
    const struct {
        TColor Color;
        const char* Text;
    } cases[] = {
        {-1, "gcNull"}, {0x1FFFFFFF, "clNone"}, {0x20000000, "clDefault"}, {0x00FF00, "#00FF00"}, {0x123456, "#563412"},
    };
    for (const auto& c : cases) {
        TSampleShape shape;
        shape.SetColor(c.Color);
        const std::string text = Save(&shape);
        EXPECT_NE(text.find(std::string(R"("Color":")") + c.Text + "\""), std::string::npos) << text;
        TSampleShape copy;
        Load(&copy, text);
        EXPECT_EQ(copy.Color(), c.Color) << c.Text;
    }
    TSampleShape shape;
    ExpectRaises<ERurReaderException>([&] { Load(&shape, R"({"$type":"","Color":"#12345"})"); },
                                      u"Invalid colour \"#12345\"");
}

TEST_F(RurPersistence, RefusesOrdinalsOutOfRange)
{
    const struct {
        const char* Text;
        const char16_t* Message;
    } cases[] = {
        {R"({"$type":"","Pitch":3})", u"Value 3 out of range for property Pitch"},
        {R"({"$type":"","Pitch":-1})", u"Value -1 out of range for property Pitch"},
        {R"({"$type":"","Styles":16})", u"Value 16 out of range for property Styles"},
        {R"({"$type":"","Styles":-1})", u"Value -1 out of range for property Styles"},
    };
    for (const auto& c : cases) {
        TSampleAll all;
        ExpectRaises<ERurReaderException>([&] { Load(&all, c.Text); }, c.Message);
    }
}

TEST_F(RurPersistence, ReaderErrorsAndSkips)
{
    TSampleAll all;
    ExpectRaises<ERurReaderException>([&] { Load(&all, R"({"Big":1})"); },
                                      u"\"$type\" property not found in Object descriptor.");
    // Unknown names are skipped whatever their value; nulls leave values unchanged.
    all.SetBig(5);
    all.Origin()->SetX(4);
    Load(&all, R"({"$type":"x","Nope":{"a":[1,{}]},"Big":null,"Origin":{"$type":"TSamplePoint"},"Initial":"q"})");
    EXPECT_EQ(all.Big(), 5);
    EXPECT_EQ(all.Origin()->X(), 4);
    EXPECT_EQ(all.Initial(), u'x');
    EXPECT_THROW(Load(&all, R"({"$type":"x","Big":true})"), TRurJSONReader::EInvalidStateException);

    const struct {
        const char* Text;
        TClass Base;
        const char16_t* Message;
    } creations[] = {
        {R"({"$type":"TNoSuchClass"})", TObject::StaticClass(), u"Type \"TNoSuchClass\" not found"},
        {R"({"$type":"TSamplePoint"})", TComponent::StaticClass(), u"Type \"TSamplePoint\" does not inherit from TComponent"},
    };
    for (const auto& c : creations) {
        TStringStream stream(FromUtf8(c.Text));
        TRurReader reader(stream);
        ExpectRaises<ERurReaderException>([&] { reader.Read(c.Base); }, c.Message);
    }
    RegisterClass(TList<int>::StaticClass());
    ExpectRaises<ERurReaderException>([] { TRurPersistence::CreateObject(u"TList<Integer>", nullptr); },
                                      u"Type \"TList<Integer>\" not supported");
    UnRegisterClass(TList<int>::StaticClass());
}

TEST_F(RurPersistence, EventsNeedTheRootObjectWhenRead)
{
    TSampleForm form(nullptr);
    TSampleShape shape;
    try {
        Load(&shape, R"({"$type":"","OnClick":"ButtonClick"})");
        ADD_FAILURE() << "a name read without a root object";
    } catch (const TRurJSONReader::EInvalidStateException& e) {
        EXPECT_EQ(e.Expected(), TRurJSONReader::jstNull);
    }
    TRurPersistence::SetRootObject(&form);
    Load(&shape, R"({"$type":"","OnClick":"ButtonClick"})");
    EXPECT_EQ(shape.OnClick(), MakeHandler<&TSampleForm::ButtonClick>(&form));
    Load(&shape, R"({"$type":"","OnClick":"Missing"})");
    EXPECT_FALSE(shape.OnClick());
}

TEST_F(RurPersistence, ComponentPropertiesAreNamesResolvedAgainstTheRoot)
{
    TSampleForm form(nullptr);
    auto* buddy = new TSampleAll(&form);
    buddy->SetName(u"Buddy1");
    TSampleAll all;
    all.SetBuddy(buddy);
    const std::string text = Save(&all);
    EXPECT_NE(text.find(R"("Buddy":"Buddy1")"), std::string::npos);
    TSampleAll copy;
    TRurPersistence::SetRootObject(&form);
    Load(&copy, text);
    EXPECT_EQ(copy.Buddy(), buddy);
}

TEST_F(RurPersistence, ExcludedPropertiesAndHooks)
{
    TSampleShape shape;
    TRurPersistence::SetExcludeProperties({u"margin", u"FONT"});
    std::string text = Save(&shape);
    EXPECT_EQ(text.find("Margin"), std::string::npos);
    EXPECT_EQ(text.find("Font"), std::string::npos);
    shape.SetMargin(3);
    Load(&shape, R"({"$type":"","Margin":9})");
    EXPECT_EQ(shape.Margin(), 3);
    TRurPersistence::SetExcludeProperties({});

    TRurPersistence::SetOnCustomWriteProperty(
        [](TObject*, const String& name, TTypeKind, TRurJSONWriter& writer, bool& canWrite) {
            if (name == u"Caption") {
                writer.WriteName(u"Custom").WriteInteger(1);
                canWrite = false;
            }
        });
    text = Save(&shape);
    EXPECT_NE(text.find(R"("Custom":1,"Color")"), std::string::npos) << text;
    EXPECT_EQ(text.find("Caption"), std::string::npos);
}

TEST_F(RurPersistence, FailedSaveLeavesTheStreamAndSeparatorsAlone)
{
    FormatSettings.DecimalSeparator = u',';
    TRurPersistence::SetOnCustomWriteProperty([](TObject*, const String& name, TTypeKind, TRurJSONWriter&, bool&) {
        if (name == u"Margin")
            throw EAbort(u"stop");
    });
    TSampleShape shape;
    TStringStream stream(u"keep");
    stream.SetPosition(4);
    EXPECT_THROW(TRurPersistence::SaveSettingsToStream(&shape, stream), EAbort);
    EXPECT_EQ(stream.DataString(), u"keep");
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');

    TRurPersistence::SetOnCustomWriteProperty(nullptr);
    shape.SetOpacity(0.25);
    TRurPersistence::SaveSettingsToStream(&shape, stream);
    EXPECT_NE(ToUtf8(stream.DataString()).find(R"("Opacity":0.25)"), std::string::npos);
    EXPECT_EQ(stream.DataString().substr(0, 5), u"keep{");
    EXPECT_THROW(Load(&shape, R"({"$type":"","Margin":"x"})"), EConvertError);
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
    FormatSettings.DecimalSeparator = u'.';
}

namespace {

// Writes points as "#x" references and finds them again.
class TPointDirectory : public TObject, public IRurPersistenceIO {
public:
    TSamplePoint Point;
    TObject* CreateObject(const String& name, TClass base) override
    {
        return TRurPersistence::CreateObject(name, base).release();
    }
    bool NeedsObjectReference(TClass cls) override { return cls->InheritsFrom(TSamplePoint::StaticClass()); }
    String GetObjectReference(TObject*) override { return u"#x"; }
    TObject* FindObject(const String& reference) override { return reference == u"#x" ? &Point : nullptr; }
    void FixOwners(TObject*, TObject*) override { ++Fixed; }
    int Fixed = 0;
};

class TPointHolder : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TPointHolder, TPersistent)
public:
    TSamplePoint* Target() const { return FTarget; }
    void SetTarget(TSamplePoint* v) { FTarget = v; }

private:
    TSamplePoint* FTarget = nullptr;
};

TAVIN_PUBLISHED(TPointHolder)
{
    TAVIN_PROPERTY(TSamplePoint*, Target);
}

} // namespace

TEST_F(RurPersistence, ReferencesAreResolvedThroughTheIOReference)
{
    TPointDirectory directory;
    TRurPersistence::SetIOReference(&directory);
    TPointHolder holder;
    holder.SetTarget(&directory.Point);
    EXPECT_EQ(Save(&holder), R"({"$type":"TPointHolder","Target":"#x"})");

    TPointHolder copy;
    TStringStream stream(u"{\"$type\":\"\",\"Target\":\"#x\"}");
    TRurReader reader(stream);
    reader.SetIOReference(&directory);
    reader.Read(&copy);
    EXPECT_EQ(copy.Target(), nullptr);
    reader.SolveReferences();
    EXPECT_EQ(copy.Target(), &directory.Point);

    TSampleAll all;
    Load(&all, R"({"$type":"","Points":[{"$type":"TSamplePoint","X":1},null,{"$type":"TSamplePoint","X":2}]})");
    EXPECT_EQ(all.Points()->Count(), 2);
    EXPECT_EQ(directory.Fixed, 2);
}

namespace {

// Saves only Caption and Margin, loads only Margin, whatever the exclude list says.
class TPickyShape : public TSampleShape, public IRurPersistence {
    TAVIN_CLASS(TPickyShape, TSampleShape)
public:
    bool CanSaveProperty(TObject*, const String& name, TTypeKind) override { return name == u"Caption" || name == u"Margin"; }
    bool CanLoadProperty(TObject*, const String& name, TTypeKind) override { return name == u"Margin"; }
};

// Items are created from the collection's item class and added through the hook.
class TPointCollection : public TCollection, public IRurBaseListIO, public IRurBaseCollectionIO {
public:
    TPointCollection() : TCollection(TSamplePointItem::StaticClass()) {}
    TClass GetItemClass() override { return TSamplePointItem::StaticClass(); }
    TCollectionItem* AddItem(TObject*) override
    {
        ++Added;
        return Add();
    }
    int Added = 0;
};

class TPointsHolder : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TPointsHolder, TPersistent)
public:
    TPointCollection* Points() const { return FPoints.get(); }
    void SetPoints(TPointCollection*) {}

private:
    std::unique_ptr<TPointCollection> FPoints = std::make_unique<TPointCollection>();
};

TAVIN_PUBLISHED(TPointsHolder)
{
    TAVIN_PROPERTY(TPointCollection*, Points);
}

// Answers both creation hooks; the reader must prefer IRurObjectCreator.
class TCountingCreator : public TPointDirectory, public IRurObjectCreator {
public:
    TObject* CreateObject(const String& name, TClass base) override
    {
        ++Created;
        return TPointDirectory::CreateObject(name, base);
    }
    int Created = 0;
};

} // namespace

TEST_F(RurPersistence, ObjectAndContainerHooks)
{
    TPickyShape picky;
    picky.SetMargin(2);
    TRurPersistence::SetExcludeProperties({u"Margin"});
    EXPECT_EQ(Save(&picky), R"({"$type":"TPickyShape","Caption":"","Margin":2})");
    Load(&picky, R"({"$type":"","Caption":"no","Margin":5})");
    EXPECT_EQ(picky.Margin(), 5);
    EXPECT_EQ(picky.Caption(), u"");
    TRurPersistence::SetExcludeProperties({});

    // The collection's own item class serves when the text names none.
    TRurPersistence::SetClassNameKey(String());
    TPointsHolder holder;
    Load(&holder, R"({"Points":[{"X":4},null,{"X":5}]})");
    ASSERT_EQ(holder.Points()->Count(), 2);
    EXPECT_EQ(static_cast<TSamplePointItem*>(holder.Points()->Items(1))->X(), 5);
    EXPECT_EQ(holder.Points()->Added, 2);
    TRurPersistence::SetClassNameKey(u"$type");

    TCountingCreator creator;
    TRurPersistence::SetIOReference(&creator);
    TSampleAll all;
    Load(&all, R"({"$type":"","Items":[{"$type":"TSamplePointItem","X":1}]})");
    EXPECT_EQ(creator.Created, 1);
    TRurPersistence::SetIOReference(nullptr);

    TRurPersistence::SetOnCustomReadProperty(
        [](TObject* object, const String& name, TTypeKind, TRurJSONReader& reader, bool& canRead) {
            if (name == u"Margin") {
                static_cast<TSampleShape*>(object)->SetMargin(reader.ReadInteger() * 2);
                canRead = false;
            }
        });
    TSampleShape shape;
    Load(&shape, R"({"$type":"","Margin":4,"Caption":"c"})");
    TRurPersistence::SetOnCustomReadProperty(nullptr);
    EXPECT_EQ(shape.Margin(), 8);
    EXPECT_EQ(shape.Caption(), u"c");

    TMemoryStream stream;
    {
        TRurWriter writer(stream);
        writer.SetOnCustomIsAssignableProperty([](TObject*, const String& name, bool& assignable) {
            assignable = assignable || name == u"Origin";
        });
        writer.Write(&all);
    }
    const std::string text(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
    EXPECT_NE(text.find(R"("Origin":"")"), std::string::npos) << text;
}

TEST_F(RurPersistence, ReadArrayAndWriteArray)
{
    TSamplePoint a, b;
    a.SetX(1);
    b.SetX(2);
    TMemoryStream stream;
    {
        TRurWriter writer(stream);
        writer.WriteArray(u"Points", {&a, &b});
    }
    stream.SetPosition(0);
    TRurReader reader(stream);
    TRurObjectArray points = reader.ReadArray(u"Points");
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(static_cast<TSamplePoint*>(points[1])->X(), 2);
    for (TObject* p : points)
        delete p;
}

TEST_F(RurPersistence, ObjectJSONHelpers)
{
    TSampleShape shape;
    shape.SetMargin(7);
    shape.Lines()->Add(u"z");
    const String json = RurObjectToJSON(shape);
    TSampleShape copy;
    RurObjectFromJSON(copy, u"{\"Margin\":7,\"Lines\":[\"z\"]}");
    EXPECT_EQ(RurObjectToJSON(copy), json);
    EXPECT_EQ(TRurPersistence::ClassNameKey(), u"$type");
    EXPECT_THROW(RurObjectFromJSON(copy, u"{\"Margin\":\"x\"}"), EConvertError);
    EXPECT_EQ(TRurPersistence::ClassNameKey(), u"$type");

    EXPECT_EQ(RurObjectToJSON(shape, {u"Margin"}).find(u"Margin"), String::npos);
    EXPECT_NE(RurObjectToJSON(shape).find(u"Margin"), String::npos);
}

namespace {

class TJSONPoint : public TSamplePoint, public TRurJSONObject<TJSONPoint> {
    TAVIN_CLASS(TJSONPoint, TSamplePoint)
};

} // namespace

TEST_F(RurPersistence, MixInAndFiles)
{
    TJSONPoint point;
    point.SetJSON(u"{\"X\":6}");
    EXPECT_EQ(point.X(), 6);
    EXPECT_EQ(point.JSON(), u"{\"$type\":\"TJSONPoint\",\"X\":6}");
    TRurObjectReference reference(nullptr, nullptr, u"id");
    EXPECT_EQ(reference.ToJSON(), u"{\"$type\":\"TRurObjectReference\"}");

    // The kit's JSON and path classes carry the members too, under their own class names.
    TBytesStream input(TBytes{'[', ']'});
    TRurJSONStreamReader streamReader(input);
    input.SetPosition(0);
    TRurJSONReader reader(input);
    TBytesStream output;
    TRurJSONStreamWriter streamWriter(output);
    TRurJSONWriter writer(output);
    TRurGraphicsPath path;
    const std::pair<String, String> carriers[] = {
        {streamReader.ToJSON(), u"TRurJSONStreamReader"},
        {reader.ToJSON(), u"TRurJSONReader"},
        {streamWriter.ToJSON(), u"TRurJSONStreamWriter"},
        {writer.ToJSON(), u"TRurJSONWriter"},
        {path.JSON(), u"TRurGraphicsPath"},
    };
    for (const auto& [json, name] : carriers)
        EXPECT_EQ(json, u"{\"$type\":\"" + name + u"\"}");

    const std::filesystem::path file = std::filesystem::temp_directory_path() / "rur_persistence_point.json";
    point.SaveToJSONFile(file.u16string());
    TJSONPoint copy;
    copy.LoadFromJSONFile(file.u16string());
    std::filesystem::remove(file);
    EXPECT_EQ(copy.X(), 6);
}

namespace {

// Takes the sample point for a list as well: a refinement its type tests must all see.
class TPointListPersistence : public TRurPersistenceDescendant<TPointListPersistence> {
public:
    static bool IsDescendingClass(TClass AClass, std::initializer_list<const Char*> AClassParentList)
    {
        for (const Char* parent : AClassParentList)
            if (String(parent) == u"TList" && AClass == TSamplePoint::StaticClass())
                return true;
        return TRurPersistence::IsDescendingClass(AClass, AClassParentList);
    }
};

} // namespace

TEST(RurPersistenceTypeTests, DescendantRefinesThem)
{
    EXPECT_TRUE(TPointListPersistence::IsList(TSamplePoint::StaticClass()));
    EXPECT_FALSE(TRurPersistence::IsList(TSamplePoint::StaticClass()));
    EXPECT_TRUE(TPointListPersistence::IsStrings(TStringList::StaticClass()));
    EXPECT_TRUE(TPointListPersistence::IsComponent(TSampleForm::StaticClass()));
    EXPECT_FALSE(TPointListPersistence::IsCollection(TSamplePoint::StaticClass()));
}

TEST(RurPersistenceStartup, SetsAndReleasesTheClassNameKey)
{
    RurPersistenceInitialize();
    EXPECT_EQ(TRurPersistence::ClassNameKey(), u"$type");
    TRurPersistence::SetExcludeProperties({u"A"});
    RurPersistenceFinalize();
    EXPECT_TRUE(TRurPersistence::ClassNameKey().empty());
    EXPECT_TRUE(TRurPersistence::ExcludeProperties().empty());
}
