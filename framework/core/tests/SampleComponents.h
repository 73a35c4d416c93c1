#pragma once
// Components that publish a property of every kind; shared by the streaming tests and the fuzz
// targets of the component readers.
#include "Classes.h"
#include "DateUtils.h"
#include "Streaming.h"

TAVIN_ENUM(TSampleAlign, saNone, saLeft, saRight, saClient)
TAVIN_ENUM(TSampleStyle, ssBold, ssItalic, ssUnderline)
using TSampleStyles = TSet<TSampleStyle>;
using TSampleColor = int;

class TSampleFont : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TSampleFont, TPersistent)
public:
    const String& Name() const { return FName; }
    void SetName(const String& v) { FName = v; }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    TSampleStyles Style() const { return FStyle; }
    void SetStyle(TSampleStyles v) { FStyle = v; }

    void Assign(const TPersistent* source) override
    {
        if (auto* f = dynamic_cast<const TSampleFont*>(source)) {
            FName = f->FName;
            FSize = f->FSize;
            FStyle = f->FStyle;
        } else {
            TPersistent::Assign(source);
        }
    }

private:
    String FName;
    int FSize = 8;
    TSampleStyles FStyle;
};

inline TAVIN_PUBLISHED(TSampleFont)
{
    TAVIN_PROPERTY(String, Name);
    TAVIN_PROPERTY(int, Size).Default(8);
    TAVIN_PROPERTY(TSampleStyles, Style).Default({});
}

class TSampleItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TSampleItem, TCollectionItem)
public:
    explicit TSampleItem(TCollection* collection) : TCollectionItem(collection) {}
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    int Width() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    String DisplayName() const override { return FCaption.empty() ? TCollectionItem::DisplayName() : FCaption; }

    void Assign(const TPersistent* source) override
    {
        if (auto* item = dynamic_cast<const TSampleItem*>(source)) {
            FCaption = item->FCaption;
            FWidth = item->FWidth;
        } else {
            TCollectionItem::Assign(source);
        }
    }

private:
    String FCaption;
    int FWidth = 50;
};

inline TAVIN_PUBLISHED(TSampleItem)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, Width).Default(50);
}

// A component with a property of every kind, children nested by parent, and binary "Data".
class TSampleComponent : public TComponent {
    TAVIN_PUBLISHED_CLASS(TSampleComponent, TComponent)
public:
    explicit TSampleComponent(TComponent* owner) : TComponent(owner), FItems(this, TSampleItem::StaticClass()) {}
    ~TSampleComponent() override
    {
        for (TSampleComponent* child : FChildren)
            child->FParent = nullptr;
        SetParentComponent(nullptr);
    }

    int Left() const { return FLeft; }
    void SetLeft(int v) { FLeft = v; }
    TSampleColor Color() const { return FColor; }
    void SetColor(TSampleColor v) { FColor = v; }
    TSampleAlign Align() const { return FAlign; }
    void SetAlign(TSampleAlign v) { FAlign = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }
    double Ratio() const { return FRatio; }
    void SetRatio(double v) { FRatio = v; }
    float Opacity() const { return FOpacity; }
    void SetOpacity(float v) { FOpacity = v; }
    TDateTime Stamp() const { return FStamp; }
    void SetStamp(TDateTime v) { FStamp = v; }
    Int64 Big() const { return FBig; }
    void SetBig(Int64 v) { FBig = v; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    Char Accel() const { return FAccel; }
    void SetAccel(Char v) { FAccel = v; }
    TSampleFont* Font() const { return &FFont; }
    void SetFont(TSampleFont* v) { FFont.Assign(v); }
    TStrings* Lines() const { return &FLines; }
    void SetLines(TStrings* v) { FLines.Assign(v); }
    TOwnedCollection* Items() const { return &FItems; }
    void SetItems(TOwnedCollection* v) { FItems.Assign(v); }
    TSampleComponent* Buddy() const { return FBuddy; }
    void SetBuddy(TSampleComponent* v)
    {
        FBuddy = v;
        if (v)
            v->FreeNotification(this);
    }
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent v) { FOnClick = v; }

    TBytes Data;
    int LoadedCalls = 0;
    int Clicks = 0;
    void ButtonClick(TObject*) { ++Clicks; }
    void OtherClick(TObject*) {}

    // Children written inside their parent; the root writes the owned components without one.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override
    {
        for (TSampleComponent* child : FChildren)
            proc(child);
        if (root == this)
            for (int i = 0; i < ComponentCount(); ++i) {
                auto* c = dynamic_cast<TSampleComponent*>(Components(i));
                if (c && !c->FParent)
                    proc(c);
            }
    }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* parent) override
    {
        if (FParent)
            std::erase(FParent->FChildren, this);
        FParent = dynamic_cast<TSampleComponent*>(parent);
        if (FParent)
            FParent->FChildren.push_back(this);
    }
    int ChildCount() const { return static_cast<int>(FChildren.size()); }
    TSampleComponent* Child(int i) const { return FChildren.at(static_cast<size_t>(i)); }

    void DefineProperties(TFiler& filer) override
    {
        TComponent::DefineProperties(filer);
        filer.DefineBinaryProperty(
            u"Data",
            [this](TStream& s) {
                Data.resize(static_cast<size_t>(s.Size()));
                if (!Data.empty())
                    s.ReadBuffer(Data.data(), s.Size());
            },
            [this](TStream& s) {
                if (!Data.empty())
                    s.WriteBuffer(Data.data(), static_cast<Int64>(Data.size()));
            },
            !Data.empty());
    }

protected:
    void Loaded() override
    {
        TComponent::Loaded();
        ++LoadedCalls;
    }
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == FBuddy)
            FBuddy = nullptr;
        if (operation == opRemove)
            std::erase(FChildren, component);
    }

private:
    int FLeft = 0;
    TSampleColor FColor = 0xFFFFFF;
    TSampleAlign FAlign = saNone;
    bool FVisible = true;
    double FRatio = 0;
    float FOpacity = 0;
    TDateTime FStamp = 0;
    Int64 FBig = 0;
    String FCaption;
    Char FAccel = u'A';
    mutable TSampleFont FFont;
    mutable TStringList FLines;
    mutable TOwnedCollection FItems;
    TSampleComponent* FBuddy = nullptr;
    TNotifyEvent FOnClick;
    TSampleComponent* FParent = nullptr;
    std::vector<TSampleComponent*> FChildren;
};

inline TAVIN_PUBLISHED(TSampleComponent)
{
    TAVIN_PROPERTY(int, Left).Default(0);
    TAVIN_PROPERTY(TSampleColor, Color).Default(0xFFFFFF);
    TAVIN_PROPERTY(TSampleAlign, Align).Default(saNone);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(double, Ratio);
    TAVIN_PROPERTY(float, Opacity);
    TAVIN_PROPERTY(TDateTime, Stamp);
    TAVIN_PROPERTY(Int64, Big);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(Char, Accel).Default(u'A');
    TAVIN_PROPERTY(TSampleFont*, Font);
    TAVIN_PROPERTY(TStrings*, Lines);
    TAVIN_PROPERTY(TOwnedCollection*, Items);
    TAVIN_PROPERTY(TSampleComponent*, Buddy);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_METHOD(ButtonClick);
    TAVIN_METHOD(OtherClick);
}

// Registers the sample classes and the colour names the streams use.
inline void RegisterSampleComponents()
{
    RegisterClasses({TSampleComponent::StaticClass(), TSampleItem::StaticClass()});
    RegisterIntegerConsts(u"TSampleColor", {{0x0000FF, u"clRed"}, {0xFFFFFF, u"clWhite"}, {0, u"clBlack"}});
}
