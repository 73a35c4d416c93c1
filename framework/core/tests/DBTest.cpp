#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DB.h"

namespace {

// Records what a link hears.
class TRecordingLink : public TDataLink {
public:
    std::vector<std::string> Heard;

protected:
    void ActiveChanged() override { Heard.push_back(Active() ? "active" : "inactive"); }
    void EditingChanged() override { Heard.push_back(Editing() ? "editing" : "browsing"); }
    void DataSetChanged() override { Heard.push_back("changed"); }
};

struct TCursor {
    int RecNo;
    bool Bof, Eof;
};

TCursor Cursor(const TDataSet& set) { return {set.RecNo(), set.Bof(), set.Eof()}; }

} // namespace

TEST(DBTest, NavigationSetsTheRowAndItsEnds)
{
    TMemoryDataSet set(nullptr);
    set.Rows() = {u"a", u"b", u"c"};
    set.Open();
    struct {
        const char* Step;
        void (TDataSet::*Move)();
        TCursor Expected;
    } steps[] = {
        {"next", &TDataSet::Next, {2, false, false}},   {"last", &TDataSet::Last, {3, false, true}},
        {"next at end", &TDataSet::Next, {3, false, true}}, {"prior", &TDataSet::Prior, {2, false, false}},
        {"first", &TDataSet::First, {1, true, false}},  {"prior at start", &TDataSet::Prior, {1, true, false}},
    };
    EXPECT_EQ(Cursor(set).RecNo, 1);
    EXPECT_TRUE(set.Bof());
    for (const auto& s : steps) {
        (set.*s.Move)();
        const TCursor c = Cursor(set);
        EXPECT_EQ(c.RecNo, s.Expected.RecNo) << s.Step;
        EXPECT_EQ(c.Bof, s.Expected.Bof) << s.Step;
        EXPECT_EQ(c.Eof, s.Expected.Eof) << s.Step;
    }
    TMemoryDataSet empty(nullptr);
    empty.Open();
    EXPECT_TRUE(empty.Bof() && empty.Eof() && empty.IsEmpty());
}

TEST(DBTest, EditInsertPostCancelDelete)
{
    TMemoryDataSet set(nullptr);
    set.Rows() = {u"a", u"b"};
    set.Open();
    set.Edit();
    EXPECT_EQ(set.State(), dsEdit);
    EXPECT_EQ(set.Value(), u"a");
    set.SetValue(u"A");
    set.Cancel();
    EXPECT_EQ(set.Value(), u"a");
    set.Edit();
    set.SetValue(u"A");
    set.Post();
    EXPECT_EQ(set.Rows(), (std::vector<String>{u"A", u"b"}));
    set.Append();
    EXPECT_EQ(set.State(), dsInsert);
    set.SetValue(u"c");
    set.Post();
    EXPECT_EQ(set.Rows(), (std::vector<String>{u"A", u"b", u"c"}));
    EXPECT_EQ(set.RecNo(), 3);
    set.First();
    set.Insert();
    set.Cancel();
    EXPECT_EQ(set.RecordCount(), 3);
    EXPECT_EQ(set.RecNo(), 1);
    set.Last();
    set.Delete();
    EXPECT_EQ(set.Rows(), (std::vector<String>{u"A", u"b"}));
    EXPECT_EQ(set.RecNo(), 2);
    EXPECT_TRUE(set.Eof());
    set.SetReadOnly(true);
    EXPECT_FALSE(set.CanModify());
    EXPECT_THROW(set.Edit(), EDatabaseError);
    EXPECT_THROW(set.Delete(), EDatabaseError);
    set.Close();
    EXPECT_THROW(set.Next(), EDatabaseError);
}

TEST(DBTest, LinksHearOpeningEditingAndMoves)
{
    TMemoryDataSet set(nullptr);
    set.Rows() = {u"a", u"b"};
    TDataSource source(nullptr);
    TRecordingLink link;
    link.SetDataSource(&source);
    source.SetDataSet(&set);
    EXPECT_TRUE(link.Heard.empty());
    set.Open();
    set.Next();
    set.Edit();
    set.Post();
    set.Close();
    EXPECT_EQ(link.Heard, (std::vector<std::string>{"active", "changed", "editing", "browsing", "changed", "inactive"}));
    EXPECT_EQ(source.State(), dsInactive);
    {
        TMemoryDataSet gone(nullptr);
        source.SetDataSet(&gone);
        gone.Open();
        EXPECT_TRUE(link.Active());
    }
    EXPECT_EQ(source.DataSet(), nullptr);
    EXPECT_FALSE(link.Active());
}
