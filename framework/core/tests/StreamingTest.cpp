#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "SampleComponents.h"

namespace {

class TDerivedForm : public TSampleComponent {
    TAVIN_CLASS(TDerivedForm, TSampleComponent)
public:
    using TSampleComponent::TSampleComponent;
};

const String PersianCaption = u"\u0633\u0644\u0627\u0645 'q' end";

// A tree with a value of every kind: Form1 > Panel1 > Label1, references forwards and to the root.
std::unique_ptr<TSampleComponent> BuildForm()
{
    auto form = std::make_unique<TSampleComponent>(nullptr);
    TSampleComponent* f = form.get();
    f->SetName(u"Form1");
    f->SetLeft(12);
    f->SetColor(0x0000FF);
    f->SetAlign(saClient);
    f->SetVisible(false);
    f->SetRatio(2.5);
    f->SetOpacity(0.25f);
    f->SetStamp(45371.5);
    f->SetBig(Int64(1) << 40);
    f->SetCaption(PersianCaption);
    f->SetAccel(u'\u0628');
    f->Font()->SetName(u"Segoe UI");
    f->Font()->SetSize(11);
    f->Font()->SetStyle({ssBold, ssUnderline});
    f->Lines()->SetText(u"one\r\n\r\nthree");
    auto* first = static_cast<TSampleItem*>(f->Items()->Add());
    first->SetCaption(u"first");
    first->SetWidth(80);
    f->Items()->Add();
    f->SetOnClick(MakeHandler<&TSampleComponent::ButtonClick>(f));
    f->Data = {0x00, 0x01, 0x02, 0xFF};

    auto* panel = new TSampleComponent(f);
    panel->SetName(u"Panel1");
    panel->SetLeft(5);
    panel->SetOnClick(MakeHandler<&TSampleComponent::OtherClick>(f));
    auto* label = new TSampleComponent(f);
    label->SetName(u"Label1");
    label->SetParentComponent(panel);
    label->SetCaption(u"label");
    label->SetBuddy(f);
    panel->SetBuddy(label);
    return form;
}

const char* const FormText = R"(object Form1: TSampleComponent
  Left = 12
  Color = clRed
  Align = saClient
  Visible = False
  Ratio = 2.5
  Opacity = 0.25s
  Stamp = 45371.5d
  Big = 1099511627776
  Caption = #1587#1604#1575#1605' '#39'q'#39 +
    ' end'
  Accel = #1576
  Font.Name = 'Segoe UI'
  Font.Size = 11
  Font.Style = [ssBold, ssUnderline]
  Lines.Strings = (
    'one'
    ''
    'three')
  Items = <
    item
      Caption = 'first'
      Width = 80
    end
    item
    end>
  OnClick = ButtonClick
  Data = {
    0001
    02FF}
  object Panel1: TSampleComponent
    Left = 5
    Buddy = Label1
    OnClick = OtherClick
    object Label1: TSampleComponent
      Caption = 'label'
      Buddy = Owner
    end
  end
end
)";

TBytes BinaryOf(TComponent* root)
{
    TBytesStream stream;
    WriteComponentToStream(stream, root);
    return stream.Bytes();
}

TBytes BytesOf(const std::string& text)
{
    return TBytes(text.begin(), text.end());
}

std::unique_ptr<TSampleComponent> ReadForm(const TBytes& resource)
{
    return std::unique_ptr<TSampleComponent>(static_cast<TSampleComponent*>(ReadComponentResource(resource, nullptr)));
}

class Streaming : public ::testing::Test {
protected:
    void SetUp() override { RegisterSampleComponents(); }
    void TearDown() override { SetFormResourceProvider(nullptr); }
};

void ExpectSameAsBuilt(TSampleComponent& f)
{
    EXPECT_EQ(f.Name(), u"Form1");
    EXPECT_EQ(f.Left(), 12);
    EXPECT_EQ(f.Color(), 0x0000FF);
    EXPECT_EQ(f.Align(), saClient);
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(f.Ratio(), 2.5);
    EXPECT_EQ(f.Opacity(), 0.25f);
    EXPECT_EQ(f.Stamp(), 45371.5);
    EXPECT_EQ(f.Big(), Int64(1) << 40);
    EXPECT_EQ(f.Caption(), PersianCaption);
    EXPECT_EQ(f.Accel(), u'\u0628');
    EXPECT_EQ(f.Font()->Name(), u"Segoe UI");
    EXPECT_EQ(f.Font()->Size(), 11);
    EXPECT_EQ(f.Font()->Style(), (TSampleStyles{ssBold, ssUnderline}));
    EXPECT_EQ(f.Lines()->Text(), u"one\r\n\r\nthree\r\n");
    ASSERT_EQ(f.Items()->Count(), 2);
    EXPECT_EQ(static_cast<TSampleItem*>(f.Items()->Items(0))->Caption(), u"first");
    EXPECT_EQ(static_cast<TSampleItem*>(f.Items()->Items(0))->Width(), 80);
    EXPECT_EQ(static_cast<TSampleItem*>(f.Items()->Items(1))->Width(), 50);
    EXPECT_EQ(f.Data, (TBytes{0x00, 0x01, 0x02, 0xFF}));
    EXPECT_EQ(f.OnClick(), MakeHandler<&TSampleComponent::ButtonClick>(&f));
    f.OnClick()(&f);
    EXPECT_EQ(f.Clicks, 1);

    auto* panel = dynamic_cast<TSampleComponent*>(f.FindComponent(u"Panel1"));
    auto* label = dynamic_cast<TSampleComponent*>(f.FindComponent(u"Label1"));
    ASSERT_TRUE(panel && label);
    EXPECT_EQ(label->Owner(), &f);
    EXPECT_EQ(label->GetParentComponent(), panel);
    EXPECT_EQ(panel->Buddy(), label); // written before Label1 existed
    EXPECT_EQ(label->Buddy(), &f);
    EXPECT_EQ(panel->OnClick(), MakeHandler<&TSampleComponent::OtherClick>(&f));
    for (TSampleComponent* c : {&f, panel, label}) {
        EXPECT_EQ(c->LoadedCalls, 1);
        EXPECT_FALSE(c->ComponentState().Contains(csLoading));
        EXPECT_FALSE(c->ComponentState().Contains(csReading));
    }
}

} // namespace

TEST_F(Streaming, BinaryStreamRoundTripsEveryKindOfProperty)
{
    auto built = BuildForm();
    TBytes binary = BinaryOf(built.get());
    auto read = ReadForm(binary);
    ExpectSameAsBuilt(*read);
    EXPECT_EQ(BinaryOf(read.get()), binary);

    // Into an existing root, whose class the stream does not decide.
    TDerivedForm target(nullptr);
    TBytesStream stream(binary);
    EXPECT_EQ(ReadComponentFromStream(stream, &target), &target);
    ExpectSameAsBuilt(target);
}

TEST_F(Streaming, TextFormResourceReadsLikeTheBinaryStream)
{
    auto read = ReadForm(BytesOf(FormText));
    ExpectSameAsBuilt(*read);
    EXPECT_EQ(BinaryOf(read.get()), BinaryOf(BuildForm().get()));

    // UTF-8 text with a byte-order mark, and identifiers in any case.
    auto plain = ReadForm(BytesOf("\xEF\xBB\xBF" "OBJECT X: tsamplecomponent caption = '\xD8\xB3' align = SALEFT "
                                  "object Y: TSampleComponent Buddy = x end END"));
    EXPECT_EQ(plain->Caption(), u"\u0633");
    EXPECT_EQ(plain->Align(), saLeft);
    EXPECT_EQ(static_cast<TSampleComponent*>(plain->FindComponent(u"Y"))->Buddy(), plain.get()); // the root by name
}

TEST_F(Streaming, FormsAreCreatedFromTheResourcesOfTheirClassAndAncestors)
{
    std::map<String, std::string> resources = {
        {u"TSampleComponent", "object Base: TSampleComponent\n Caption = 'base'\n Left = 1\n"
                              " object Panel1: TSampleComponent\n  Left = 5\n end\nend\n"},
        {u"TDerivedForm", "inherited Base: TDerivedForm\n Caption = 'derived'\n"
                          " inherited Panel1: TSampleComponent\n  Left = 7\n end\n"
                          " object Extra: TSampleComponent\n end\nend\n"},
    };
    SetFormResourceProvider([&](const String& className, TBytes& data) {
        auto it = resources.find(className);
        if (it == resources.end())
            return false;
        data = BytesOf(it->second);
        return true;
    });
    TComponent application(nullptr);
    (new TComponent(&application))->SetName(u"Base");
    auto* form = new TDerivedForm(&application);
    ASSERT_TRUE(InitInheritedComponent(form, TComponent::StaticClass()));
    EXPECT_EQ(form->Name(), u"Base_1"); // the owner has a Base already
    EXPECT_EQ(form->Caption(), u"derived");
    EXPECT_EQ(form->Left(), 1);
    EXPECT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(static_cast<TSampleComponent*>(form->FindComponent(u"Panel1"))->Left(), 7);
    EXPECT_NE(form->FindComponent(u"Extra"), nullptr);

    resources.clear();
    TDerivedForm bare(nullptr);
    EXPECT_FALSE(InitInheritedComponent(&bare, TComponent::StaticClass()));
}

TEST_F(Streaming, EveryTruncationOfABinaryStreamIsAReadError)
{
    TBytes binary = BinaryOf(BuildForm().get());
    for (size_t n = 0; n < binary.size(); ++n) {
        TBytesStream stream(TBytes(binary.begin(), binary.begin() + static_cast<std::ptrdiff_t>(n)));
        EXPECT_THROW(ReadComponentFromStream(stream, nullptr), EReadError) << n;
    }
    TBytesStream wrong(BytesOf("TPF1"));
    EXPECT_THROW(ReadComponentFromStream(wrong, nullptr), EReadError);
}

TEST_F(Streaming, MalformedTextSaysWhatWasExpectedAndWhere)
{
    const std::string head = "object Form1: TSampleComponent\n";
    struct Case { std::string text; const char* message; };
    const Case cases[] = {
        {head, "Property name expected but end of text found on line 2"},
        {"thing Form1: T\nend", "'object' expected but 'thing' found on line 1"},
        {"object Form1 TSampleComponent\nend", "'=' expected but 'end' found on line 2"},
        {head + "end\nextra", "end of text expected but 'extra' found on line 3"},
        {head + "  Caption = 'abc\nend", "Unterminated string on line 2"},
        {head + "  Caption = #99999\nend", "Character code out of range on line 2"},
        {head + "  Caption = 'a' +\nend", "String expected but 'end' found on line 3"},
        {head + "  Data = { 0A1 }\nend", "Binary data has an odd number of digits on line 2"},
        {head + "  Data = { 0G }\nend", "Hexadecimal digit expected in binary data on line 2"},
        {head + "  Data = { 00", "'}' expected but end of text found on line 2"},
        {head + "  Left = 99999999999999999999\nend", "Integer out of range on line 2"},
        {head + "  Left = $\nend", "Hexadecimal digits expected after $ on line 2"},
        {head + "  Font.Style = [ssBold ssItalic]\nend", "',' expected but 'ssItalic' found on line 2"},
        {head + "  Lines.Strings = ('a'\nend", "')' expected but end of text found on line 3"},
        {head + "  Items = < thing end >\nend", "'item' expected but 'thing' found on line 2"},
        {head + "  Left = )\nend", "Value expected but ')' found on line 2"},
        {head + "  Lines.Strings = " + std::string(500, '(') + "\nend", "Objects nested too deeply on line 2"},
    };
    for (const auto& c : cases) {
        try {
            ReadForm(BytesOf(c.text));
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.text;
        }
    }
}

TEST_F(Streaming, ValuesTheComponentsRefuseAreReadErrors)
{
    struct Case { std::string body; const char* fragment; };
    const Case cases[] = {
        {"Foo = 1", "Property Foo: does not exist in TSampleComponent"},
        {"Align = saMiddle", "'saMiddle' is not a value of TSampleAlign"},
        {"Left = 'text'", "Expected integer but found string"},
        {"Visible = 1", "Expected Boolean but found integer"},
        {"Color = clPurple", "'clPurple' is not a value of TSampleColor"},
        {"Accel = 'ab'", "expects one character"},
        {"Font.Style = [ssBold, ssNone]", "'ssNone' is not a value of TSampleStyle"},
        {"Caption.Sub = 1", "'Caption' is not an object property of TSampleComponent"},
        {"Font.Nope = 1", "Property Font.Nope: does not exist in TSampleFont"},
        {"Items = < item Nope = 1 end >", "Property Nope: does not exist in TSampleItem"},
        {"Items = <> Items = <>", "collection given twice"},
        {"Buddy = Nobody", "unresolved reference to Nobody"},
        {"Buddy = 12", "expects a component name but found integer"},
        {"OnClick = NoHandler", "method NoHandler not found in TSampleComponent"},
        {"Opacity = 1e300", "Floating point value out of range"},
        {"object B: TNoSuchClass end", "Class TNoSuchClass not found"},
        {"object B: TSampleItem end", "Class TSampleItem not found"},
        {"object B: TSampleComponent end object b: TSampleComponent end", "A component named b already exists"},
        {"object 1B: TSampleComponent end", "Identifier expected"},
        {"inherited Ghost: TSampleComponent end", "Ancestor for 'Ghost' not found"},
    };
    for (const auto& c : cases) {
        std::string text = "object Form1: TSampleComponent\n" + c.body + "\nend\n";
        try {
            ReadForm(BytesOf(text));
            ADD_FAILURE() << "no error for: " << c.body;
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << e.what();
        }
    }
}

TEST_F(Streaming, DefaultsAndUnstoredValuesAreNotWritten)
{
    TSampleComponent plain(nullptr);
    plain.SetName(u"P");
    // Signature, class, name, two list ends: nothing else for a component at its defaults.
    EXPECT_EQ(BinaryOf(&plain).size(), 4 + 17 + 2 + 2u);
    plain.SetLeft(1);
    plain.SetTag(0);
    EXPECT_EQ(BinaryOf(&plain).size(), 4 + 17 + 2 + 2 + 5 + 2u);
    // A handler that is no published method of the root, or bound to a lambda, is not written.
    TSampleComponent other(nullptr);
    plain.SetOnClick(MakeHandler<&TSampleComponent::ButtonClick>(&other));
    EXPECT_EQ(BinaryOf(&plain).size(), 4 + 17 + 2 + 2 + 5 + 2u);
    plain.SetOnClick([](TObject*) {});
    EXPECT_EQ(BinaryOf(&plain).size(), 4 + 17 + 2 + 2 + 5 + 2u);
}

TEST_F(Streaming, StringsOfEveryStoredFormAreRead)
{
    auto shortStr = [](const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; };
    auto int32 = [](std::int32_t n) { return std::string(reinterpret_cast<const char*>(&n), 4); };
    struct Case { std::string value; String caption; };
    const Case cases[] = {
        {std::string(1, vaString) + shortStr("caf\xE9"), u"caf\u00E9"},
        {std::string(1, vaLString) + int32(2) + "ab", u"ab"},
        {std::string(1, vaWString) + int32(2) + std::string("\x33\x06\x28\x06", 4), u"\u0633\u0628"},
        {std::string(1, vaUTF8String) + int32(2) + "\xD8\xB3", u"\u0633"},
    };
    for (const auto& c : cases) {
        std::string stream = "TPF0" + shortStr("TSampleComponent") + shortStr("F") + shortStr("Caption") + c.value +
                             std::string(2, '\0');
        auto form = ReadForm(BytesOf(stream));
        EXPECT_EQ(form->Caption(), c.caption);
    }
}
