#pragma once
// Objects that publish a property of every kind the JSON persistence handles; shared by its tests
// and its fuzz target. TSampleFontFace stands in for the platform font: the persistence knows a
// font by the class name "TFont".
#include "Classes.h"
#include "DateUtils.h"
#include "Generics.Collections.h"

TAVIN_ENUM(TSamplePitch, spDefault, spVariable, spFixed)
TAVIN_ENUM(TSampleQuality, sqDefault, sqDraft, sqProof)
TAVIN_ENUM(TSampleFontStyle, sfsBold, sfsItalic, sfsUnderline, sfsStrikeOut)
using TSampleFontStyles = TSet<TSampleFontStyle>;
using TColor = int;

class TSampleFontFace : public TPersistent {
    TAVIN_CLASS_COMMON(TSampleFontFace, TPersistent, u"TFont", &TavinTableOf<TSampleFontFace>)
public:
    static void Publish(TPublisher<TSampleFontFace>& publisher);

    int Charset() const { return FCharset; }
    void SetCharset(int v) { FCharset = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    int Height() const { return FHeight; }
    void SetHeight(int v) { FHeight = v; }
    const String& Name() const { return FName; }
    void SetName(const String& v) { FName = v; }
    int Orientation() const { return FOrientation; }
    void SetOrientation(int v) { FOrientation = v; }
    TSamplePitch Pitch() const { return FPitch; }
    void SetPitch(TSamplePitch v) { FPitch = v; }
    TSampleQuality Quality() const { return FQuality; }
    void SetQuality(TSampleQuality v) { FQuality = v; }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    TSampleFontStyles Style() const { return FStyle; }
    void SetStyle(TSampleFontStyles v) { FStyle = v; }

private:
    int FCharset = 1;
    TColor FColor = 0;
    int FHeight = -11;
    String FName = u"Tahoma";
    int FOrientation = 0;
    TSamplePitch FPitch = spDefault;
    TSampleQuality FQuality = sqDefault;
    int FSize = 8;
    TSampleFontStyles FStyle;
};

inline TAVIN_PUBLISHED(TSampleFontFace)
{
    TAVIN_PROPERTY(int, Charset);
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(int, Height);
    TAVIN_PROPERTY(String, Name);
    TAVIN_PROPERTY(int, Orientation);
    TAVIN_PROPERTY(TSamplePitch, Pitch);
    TAVIN_PROPERTY(TSampleQuality, Quality);
    TAVIN_PROPERTY(int, Size);
    TAVIN_PROPERTY(TSampleFontStyles, Style);
}

// The object of the format's example.
class TSampleShape : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TSampleShape, TPersistent)
public:
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    TSampleFontFace* Font() const { return FFont.get(); }
    void SetFont(TSampleFontFace*) {}
    TStringList* Lines() const { return FLines.get(); }
    void SetLines(TStringList*) {}
    int Margin() const { return FMargin; }
    void SetMargin(int v) { FMargin = v; }
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent v) { FOnClick = v; }
    double Opacity() const { return FOpacity; }
    void SetOpacity(double v) { FOpacity = v; }

private:
    String FCaption;
    TColor FColor = 0;
    bool FEnabled = false;
    std::unique_ptr<TSampleFontFace> FFont = std::make_unique<TSampleFontFace>();
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
    int FMargin = 0;
    TNotifyEvent FOnClick;
    double FOpacity = 1;
};

inline TAVIN_PUBLISHED(TSampleShape)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(bool, Enabled);
    TAVIN_PROPERTY(TSampleFontFace*, Font);
    TAVIN_PROPERTY(TStringList*, Lines);
    TAVIN_PROPERTY(int, Margin);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(double, Opacity);
}

// The root whose published method the example's event names.
class TSampleForm : public TComponent {
    TAVIN_PUBLISHED_CLASS(TSampleForm, TComponent)
public:
    explicit TSampleForm(TComponent* owner) : TComponent(owner) {}
    void ButtonClick(TObject*) {}
};

inline TAVIN_PUBLISHED(TSampleForm)
{
    TAVIN_METHOD(ButtonClick);
}

class TSamplePoint : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TSamplePoint, TPersistent)
public:
    int X() const { return FX; }
    void SetX(int v) { FX = v; }

    void Assign(const TPersistent* source) override
    {
        if (auto* p = dynamic_cast<const TSamplePoint*>(source))
            FX = p->FX;
        else
            TPersistent::Assign(source);
    }

private:
    int FX = 0;
};

inline TAVIN_PUBLISHED(TSamplePoint)
{
    TAVIN_PROPERTY(int, X);
}

class TSamplePointItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TSamplePointItem, TCollectionItem)
public:
    explicit TSamplePointItem(TCollection* collection) : TCollectionItem(collection) {}
    int X() const { return FX; }
    void SetX(int v) { FX = v; }

    void Assign(const TPersistent* source) override
    {
        if (auto* p = dynamic_cast<const TSamplePointItem*>(source))
            FX = p->FX;
        else
            TCollectionItem::Assign(source);
    }

private:
    int FX = 0;
};

inline TAVIN_PUBLISHED(TSamplePointItem)
{
    TAVIN_PROPERTY(int, X);
}

using TSamplePointMap = TObjectDictionary<String, TSamplePoint*>;

// Every other kind: 64-bit, sets, dates, characters, generic containers, a collection, a nested
// object and a component reference.
class TSampleAll : public TComponent {
    TAVIN_PUBLISHED_CLASS(TSampleAll, TComponent)
public:
    explicit TSampleAll(TComponent* owner = nullptr) : TComponent(owner) {}

    Int64 Big() const { return FBig; }
    void SetBig(Int64 v) { FBig = v; }
    TSampleFontStyles Styles() const { return FStyles; }
    void SetStyles(TSampleFontStyles v) { FStyles = v; }
    TSamplePitch Pitch() const { return FPitch; }
    void SetPitch(TSamplePitch v) { FPitch = v; }
    TDateTime When() const { return FWhen; }
    void SetWhen(TDateTime v) { FWhen = v; }
    Char Initial() const { return FInitial; }
    void SetInitial(Char v) { FInitial = v; }
    TColor Back() const { return FBack; }
    void SetBack(TColor v) { FBack = v; }
    TList<String>* Words() const { return FWords.get(); }
    void SetWords(TList<String>*) {}
    TList<int>* Numbers() const { return FNumbers.get(); }
    void SetNumbers(TList<int>*) {}
    TList<double>* Ratios() const { return FRatios.get(); }
    void SetRatios(TList<double>*) {}
    TObjectList<TSamplePoint>* Points() const { return FPoints.get(); }
    void SetPoints(TObjectList<TSamplePoint>*) {}
    TObjectDictionary<String, TSamplePoint*>* Named() const { return FNamed.get(); }
    void SetNamed(TObjectDictionary<String, TSamplePoint*>*) {}
    TCollection* Items() const { return FItems.get(); }
    void SetItems(TCollection*) {}
    TSamplePoint* Origin() const { return FOrigin.get(); }
    void SetOrigin(TSamplePoint*) {}
    TComponent* Buddy() const { return FBuddy; }
    void SetBuddy(TComponent* v) { FBuddy = v; }

private:
    Int64 FBig = 0;
    TSampleFontStyles FStyles;
    TSamplePitch FPitch = spDefault;
    TDateTime FWhen = 0;
    Char FInitial = u'x';
    TColor FBack = 0;
    std::unique_ptr<TList<String>> FWords = std::make_unique<TList<String>>();
    std::unique_ptr<TList<int>> FNumbers = std::make_unique<TList<int>>();
    std::unique_ptr<TList<double>> FRatios = std::make_unique<TList<double>>();
    std::unique_ptr<TObjectList<TSamplePoint>> FPoints = std::make_unique<TObjectList<TSamplePoint>>();
    std::unique_ptr<TObjectDictionary<String, TSamplePoint*>> FNamed =
        std::make_unique<TObjectDictionary<String, TSamplePoint*>>(doOwnsValues);
    std::unique_ptr<TCollection> FItems = std::make_unique<TCollection>(TSamplePointItem::StaticClass());
    std::unique_ptr<TSamplePoint> FOrigin = std::make_unique<TSamplePoint>();
    TComponent* FBuddy = nullptr;
};

inline TAVIN_PUBLISHED(TSampleAll)
{
    TAVIN_PROPERTY(Int64, Big);
    TAVIN_PROPERTY(TSampleFontStyles, Styles);
    TAVIN_PROPERTY(TSamplePitch, Pitch);
    TAVIN_PROPERTY(TDateTime, When);
    TAVIN_PROPERTY(Char, Initial);
    TAVIN_PROPERTY(TColor, Back);
    TAVIN_PROPERTY(TList<String>*, Words);
    TAVIN_PROPERTY(TList<int>*, Numbers);
    TAVIN_PROPERTY(TList<double>*, Ratios);
    TAVIN_PROPERTY(TObjectList<TSamplePoint>*, Points);
    TAVIN_PROPERTY(TSamplePointMap*, Named);
    TAVIN_PROPERTY(TCollection*, Items);
    TAVIN_PROPERTY(TSamplePoint*, Origin);
    TAVIN_PROPERTY(TComponent*, Buddy);
}

// The classes the reader creates by name.
inline void RegisterPersistenceSamples()
{
    for (TClass cls : {TSamplePoint::StaticClass(), TSamplePointItem::StaticClass(), TSampleAll::StaticClass()})
        if (!GetClass(cls->ClassName()))
            RegisterClass(cls);
}
