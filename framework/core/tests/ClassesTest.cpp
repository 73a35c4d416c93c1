#include <gtest/gtest.h>

#include "SampleComponents.h"

namespace {

// Records the notifications it receives and, like a real component, forgets a removed partner.
class TWatcher : public TComponent {
    TAVIN_CLASS(TWatcher, TComponent)
public:
    using TComponent::TComponent;
    ~TWatcher() override { Alive -= FCounted; }
    std::vector<std::pair<TComponent*, TOperation>> Heard;
    TComponent* Partner = nullptr;
    static inline int Alive = 0;
    TWatcher* Counted()
    {
        ++Alive;
        FCounted = 1;
        return this;
    }

protected:
    int FCounted = 0;
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        Heard.emplace_back(component, operation);
        if (operation == opRemove && component == Partner)
            Partner = nullptr;
    }
};

class TCountingCollection : public TOwnedCollection {
    TAVIN_CLASS(TCountingCollection, TOwnedCollection)
public:
    using TOwnedCollection::TOwnedCollection;
    int Updates = 0;
    bool SawHalfMadeItem = false;

protected:
    void Update(TCollectionItem*) override
    {
        ++Updates;
        // An item still in its base class's constructor is not yet of the item class.
        for (int i = 0; i < Count(); ++i)
            if (!dynamic_cast<TSampleItem*>(Items(i)))
                SawHalfMadeItem = true;
    }
};

template <class F>
String MessageOf(F&& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return u"(no exception)";
}

} // namespace

TEST(Components, OwnerFreesItsComponentsAndFindsThemIgnoringCase)
{
    TWatcher::Alive = 0;
    {
        TWatcher owner(nullptr);
        auto* a = (new TWatcher(&owner))->Counted();
        auto* b = (new TWatcher(&owner))->Counted();
        (new TWatcher(a))->Counted(); // grandchild, freed by a
        a->SetName(u"Alpha");
        b->SetName(u"Beta");
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.Components(1), b);
        EXPECT_EQ(b->ComponentIndex(), 1);
        EXPECT_EQ(owner.FindComponent(u"ALPHA"), a);
        EXPECT_EQ(owner.FindComponent(u""), nullptr);
        EXPECT_EQ(owner.FindComponent(u"Gamma"), nullptr);
        EXPECT_EQ(MessageOf([&] { owner.Components(2); }), u"List index out of bounds (2)");
        EXPECT_EQ(owner.Heard.size(), 2u);
        EXPECT_EQ(owner.Heard[0], std::make_pair(static_cast<TComponent*>(a), opInsert));

        const auto removed = reinterpret_cast<std::uintptr_t>(b);
        delete b; // tells the owner
        EXPECT_EQ(owner.ComponentCount(), 1);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(owner.Heard.back().first), removed);
        EXPECT_EQ(owner.Heard.back().second, opRemove);
        EXPECT_EQ(TWatcher::Alive, 2);
    }
    EXPECT_EQ(TWatcher::Alive, 0);
}

TEST(Components, NamesAreIdentifiersAndUniqueAmongSiblings)
{
    TComponent owner(nullptr);
    TComponent* a = new TComponent(&owner);
    TComponent* b = new TComponent(&owner);
    a->SetName(u"Button1");
    EXPECT_EQ(MessageOf([&] { b->SetName(u"button1"); }), u"A component named button1 already exists");
    EXPECT_EQ(MessageOf([&] { b->SetName(u"2nd"); }), u"'2nd' is not a valid component name");
    a->SetName(u"BUTTON1"); // renaming itself in another case is allowed
    b->SetName(u"Button2");
    b->SetName(String());
    EXPECT_EQ(b->Name(), u"");
    EXPECT_EQ(a->GetNamePath(), u"BUTTON1");

    // A component joining an owner is checked against the owner's names too.
    TComponent other(nullptr);
    TComponent* c = new TComponent(&other);
    c->SetName(u"Button1");
    EXPECT_THROW(owner.InsertComponent(c), EComponentError);
}

TEST(Components, FreeNotificationReachesComponentsOfOtherOwnersAndSiblings)
{
    TWatcher formA(nullptr), formB(nullptr);
    auto* watcher = new TWatcher(&formA);
    auto* target = new TWatcher(&formB);
    watcher->Partner = target;
    target->FreeNotification(watcher);
    delete target;
    EXPECT_EQ(watcher->Partner, nullptr);

    // Removed again: no notification, and no dangling reference when the watcher goes first.
    auto* target2 = new TWatcher(&formB);
    target2->FreeNotification(watcher);
    target2->RemoveFreeNotification(watcher);
    watcher->Heard.clear();
    delete target2;
    EXPECT_TRUE(watcher->Heard.empty());

    auto* target3 = new TWatcher(&formB);
    target3->FreeNotification(watcher);
    delete watcher;
    delete target3;

    // Siblings hear of each other through their owner, also when the owner is destroyed.
    auto* sibling = new TWatcher(&formA);
    auto* buddy = new TWatcher(&formA);
    sibling->Partner = buddy;
    buddy->FreeNotification(sibling);
    delete buddy;
    EXPECT_EQ(sibling->Partner, nullptr);
}

TEST(Components, DestroyingStateAndDesigningReachOwnedComponents)
{
    TComponent owner(nullptr);
    TComponent* child = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
    TComponent* late = new TComponent(&owner);
    EXPECT_TRUE(late->ComponentState().Contains(csDesigning));
    owner.Destroying();
    EXPECT_TRUE(child->ComponentState().Contains(csDestroying));
}

TEST(Persistent, AssignWithoutSupportRaisesCannotAssign)
{
    TSampleFont font;
    TStringList list;
    EXPECT_EQ(MessageOf([&] { list.Assign(&font); }), u"Cannot assign a TSampleFont to a TStringList");
    EXPECT_EQ(MessageOf([&] { font.Assign(nullptr); }), u"Cannot assign a nil to a TSampleFont");
    TSampleFont copy;
    font.SetSize(20);
    copy.Assign(&font);
    EXPECT_EQ(copy.Size(), 20);
}

TEST(Collections, ItemsAreCreatedOfTheItemClassAndNumbered)
{
    TSampleComponent owner(nullptr);
    owner.SetName(u"Grid");
    TCountingCollection items(&owner, TSampleItem::StaticClass());
    auto* first = static_cast<TSampleItem*>(items.Add());
    auto* second = static_cast<TSampleItem*>(items.Add());
    auto* inserted = static_cast<TSampleItem*>(items.Insert(0));
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(inserted->Index(), 0);
    EXPECT_EQ(first->Index(), 1);
    EXPECT_EQ(inserted->ID(), 2);
    EXPECT_EQ(items.FindItemID(1), second);
    EXPECT_EQ(first->ClassName(), u"TSampleItem");
    EXPECT_EQ(first->DisplayName(), u"TSampleItem");
    first->SetCaption(u"Name");
    EXPECT_EQ(first->DisplayName(), u"Name");
    EXPECT_EQ(items.Owner(), &owner);

    second->SetIndex(0);
    EXPECT_EQ(items.Items(0), second);
    items.Delete(0);
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Add()->ID(), 3); // IDs are not reused
    EXPECT_EQ(MessageOf([&] { items.Items(5); }), u"List index out of bounds (5)");
    EXPECT_THROW(items.Insert(9), EListError);
    EXPECT_THROW(first->SetIndex(7), EListError);
}

TEST(Collections, UpdatesAreReportedOnceAfterBeginEndUpdate)
{
    TComponent owner(nullptr);
    TCountingCollection items(&owner, TSampleItem::StaticClass());
    items.Add();
    EXPECT_EQ(items.Updates, 1);
    EXPECT_FALSE(items.SawHalfMadeItem);
    items.BeginUpdate();
    items.Add();
    items.Add();
    items.Delete(0);
    EXPECT_EQ(items.Updates, 1);
    items.EndUpdate();
    EXPECT_EQ(items.Updates, 2);
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_EQ(items.Updates, 3);
}

TEST(Collections, AssignCopiesItemsAndNamePathsFollowTheOwner)
{
    TSampleComponent grid(nullptr);
    grid.SetName(u"Grid");
    auto* item = static_cast<TSampleItem*>(grid.Items()->Add());
    item->SetCaption(u"A");
    item->SetWidth(7);
    EXPECT_EQ(grid.Items()->GetNamePath(), u"Grid.Items");
    EXPECT_EQ(item->GetNamePath(), u"Grid.Items[0]");

    TOwnedCollection copy(nullptr, TSampleItem::StaticClass());
    copy.Add();
    copy.Add();
    copy.Assign(grid.Items());
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(static_cast<TSampleItem*>(copy.Items(0))->Caption(), u"A");
    EXPECT_EQ(static_cast<TSampleItem*>(copy.Items(0))->Width(), 7);
    EXPECT_EQ(copy.GetNamePath(), u"TOwnedCollection");

    // Moving an item between collections.
    item->SetCollection(&copy);
    EXPECT_EQ(grid.Items()->Count(), 0);
    EXPECT_EQ(copy.Count(), 2);
}

TEST(PointerList, KeepsOrderAndRaisesOnBadIndexes)
{
    int a = 1, b = 2, c = 3;
    TPointerList list;
    EXPECT_EQ(list.ClassName(), u"TList");
    list.Add(&a);
    list.Add(&c);
    list.Insert(1, &b);
    EXPECT_EQ(list.IndexOf(&b), 1);
    list.Move(0, 2);
    EXPECT_EQ(list.Last(), &a);
    list.Exchange(0, 1);
    EXPECT_EQ(list.First(), &c);
    EXPECT_EQ(list.Remove(&c), 0);
    EXPECT_EQ(list.Remove(&c), -1);
    EXPECT_EQ(list.Extract(&b), &b);
    list.SetCount(3);
    EXPECT_EQ(list.Items(2), nullptr);
    list.Sort([](void* x, void* y) { return (x != nullptr) - (y != nullptr); });
    EXPECT_EQ(list.Last(), &a);

    struct Case { std::function<void()> op; const char16_t* message; };
    const Case cases[] = {
        {[&] { list.Items(3); }, u"List index out of bounds (3)"},
        {[&] { list.Items(-1); }, u"List index out of bounds (-1)"},
        {[&] { list.Delete(3); }, u"List index out of bounds (3)"},
        {[&] { list.Insert(4, &a); }, u"List index out of bounds (4)"},
        {[&] { list.Move(0, 3); }, u"List index out of bounds (3)"},
        {[&] { TPointerList().First(); }, u"List index out of bounds (0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageOf(c.op), c.message);
}
