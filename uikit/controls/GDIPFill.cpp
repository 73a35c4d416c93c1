// The fill's settings, its copy, its INI section and its clipboard format. Painting is in
// GDIPFill_Paint.cpp.
#include "GDIPFill.h"

#include "Clipbrd.h"
#include "IniFiles.h"
#include "Streaming.h"
#include "SysUtils.h"

using namespace RurGDIP;

namespace {

Word GDIPFillFormat = 0;

// What the clipboard carries: a component whose one published property is the fill, so that
// the component writer puts the fill's settings under "SaveObject.".
class TSaver : public TComponent {
    TAVIN_PUBLISHED_CLASS(TSaver, TComponent)
public:
    TSaver(TComponent* AOwner, TPersistent* AObject) : TComponent(AOwner), FSaveObject(AObject) {}
    explicit TSaver(TComponent* AOwner) : TComponent(AOwner) {}
    TPersistent* SaveObject() const { return FSaveObject; }
    void SetSaveObject(TPersistent* value) { FSaveObject = value; }

private:
    TPersistent* FSaveObject = nullptr;
};

TAVIN_PUBLISHED(TSaver) { TAVIN_PROPERTY(TPersistent*, SaveObject); }

Byte HexToByte(Char AHigh, Char ALow)
{
    auto digit = [](Char c) {
        c = c >= u'a' && c <= u'z' ? Char(c - u'a' + u'A') : c;
        if (c >= u'0' && c <= u'9')
            return c - u'0';
        if (c >= u'A' && c <= u'F')
            return c - u'A' + 10;
        throw EConvertError(u"No Hex-Number");
    };
    return Byte(digit(AHigh) * 16 + digit(ALow));
}

String StreamToHex(TStream& AStream)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    AStream.SetPosition(0);
    String result;
    result.reserve(size_t(AStream.Size()) * 2);
    Byte b = 0;
    while (AStream.Read(&b, 1) == 1) {
        result += digits[b >> 4];
        result += digits[b & 0xF];
    }
    return result;
}

// Pair by pair; an odd trailing digit is ignored.
void HexToStream(const String& AText, TMemoryStream& AStream)
{
    AStream.Clear();
    for (size_t i = 0; i + 1 < AText.size(); i += 2) {
        const Byte b = HexToByte(AText[i], AText[i + 1]);
        AStream.Write(&b, 1);
    }
    AStream.SetPosition(0);
}

void SavePicture(TCustomIniFile& AIni, const String& ASection, TRurGDIPPicture& APicture, const String& AKey,
                 const String& ALengthKey)
{
    String text;
    if (!APicture.Empty()) {
        TMemoryStream data;
        APicture.SaveToStream(data);
        text = StreamToHex(data);
    }
    AIni.WriteString(ASection, AKey, text);
    AIni.WriteInteger(ASection, ALengthKey, int(text.size()));
}

void LoadPicture(TCustomIniFile& AIni, const String& ASection, TRurGDIPPicture& APicture, const String& AKey,
                 int ALength)
{
    if (ALength <= 0)
        return;
    TMemoryStream data;
    HexToStream(AIni.ReadString(ASection, AKey, String()).substr(0, size_t(ALength)), data);
    APicture.LoadFromStream(data);
}

template <class T>
void ReadOrdinal(TCustomIniFile& AIni, const String& ASection, const String& AKey, T& AField)
{
    AField = T(AIni.ReadInteger(ASection, AKey, int(AField)));
}

} // namespace

Word CF_GDIPFILL() { return GDIPFillFormat; }

void InitializeGDIPFillUnit() { GDIPFillFormat = TClipboard::RegisterFormat(u"GDI+ Fill"); }

TAVIN_PUBLISHED(TGDIPFill)
{
    TAVIN_PROPERTY(TColor, Color).Default(0xC0C0C0);
    TAVIN_PROPERTY(TColor, ColorTo).Default(0x808080);
    TAVIN_PROPERTY(TColor, ColorMirror).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorMirrorTo).Default(clNone);
    TAVIN_PROPERTY(TRurGradientType, GradientType).Default(gtVertical);
    TAVIN_PROPERTY(TRurGradientType, GradientMirrorType).Default(gtSolid);
    TAVIN_PROPERTY(RurGDIP::HatchStyle, HatchStyle).Default(HatchStyleHorizontal);
    TAVIN_PROPERTY(RurGDIP::HatchStyle, HatchStyleMirror).Default(HatchStyleHorizontal);
    TAVIN_PROPERTY(bool, BackGroundPictureAspectRatio).Default(false);
    TAVIN_PROPERTY(TFillPictureMode, BackGroundPictureMode).Default(pmOutsideFill);
    TAVIN_PROPERTY(TRurGDIPPicture*, BackGroundPicture);
    TAVIN_PROPERTY(TFillPicturePosition, BackGroundPicturePosition).Default(ppTopLeft);
    TAVIN_PROPERTY(int, BackGroundPictureLeft).Default(0);
    TAVIN_PROPERTY(int, BackGroundPictureTop).Default(0);
    TAVIN_PROPERTY(TPictureMode, BackGroundPictureAspectMode).Default(pmStretch);
    TAVIN_PROPERTY(TRurGDIPPicture*, Picture);
    TAVIN_PROPERTY(TFillPicturePosition, PicturePosition).Default(ppTopLeft);
    TAVIN_PROPERTY(int, PictureLeft).Default(0);
    TAVIN_PROPERTY(int, PictureTop).Default(0);
    TAVIN_PROPERTY(TFillPictureSize, PictureSize).Default(psOriginal);
    TAVIN_PROPERTY(int, PictureWidth).Default(50);
    TAVIN_PROPERTY(int, PictureHeight).Default(50);
    TAVIN_PROPERTY(bool, PictureAspectRatio).Default(false);
    TAVIN_PROPERTY(TPictureMode, PictureAspectMode).Default(pmStretch);
    TAVIN_PROPERTY(Byte, Opacity).Default(255);
    TAVIN_PROPERTY(Byte, OpacityTo).Default(255);
    TAVIN_PROPERTY(Byte, OpacityMirror).Default(255);
    TAVIN_PROPERTY(Byte, OpacityMirrorTo).Default(255);
    TAVIN_PROPERTY(TColor, BorderColor).Default(clNone);
    TAVIN_PROPERTY(Byte, BorderOpacity).Default(255);
    TAVIN_PROPERTY(int, BorderWidth).Default(1);
    TAVIN_PROPERTY(int, Rounding).Default(0);
    TAVIN_PROPERTY(TFillRoundingType, RoundingType).Default(rtBoth);
    TAVIN_PROPERTY(TColor, ShadowColor).Default(0x808080);
    TAVIN_PROPERTY(int, ShadowOffset).Default(0);
    TAVIN_PROPERTY(TShadowType, ShadowType).Default(stRightBottom);
    TAVIN_PROPERTY(int, Angle).Default(0);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TGlowMode, Glow).Default(gmNone);
    TAVIN_PROPERTY(TColor, GlowGradientColor).Default(0xFFFFFF);
    TAVIN_PROPERTY(TColor, GlowRadialColor).Default(0xFFFFFF);
}

TGDIPFill::TGDIPFill()
    : FBackGroundPicture(std::make_unique<TRurGDIPPicture>()), FPicture(std::make_unique<TRurGDIPPicture>())
{
    FBackGroundPicture->SetOnChange(MakeHandler<&TGDIPFill::PictureChanged>(this));
    FPicture->SetOnChange(MakeHandler<&TGDIPFill::PictureChanged>(this));
}

TGDIPFill::~TGDIPFill() = default;

void TGDIPFill::Changed()
{
    if (FOnChange && FUpdateCount == 0)
        FOnChange(this);
}

void TGDIPFill::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
}

void TGDIPFill::SetBackGroundPicture(TRurGDIPPicture* value)
{
    if (value != FBackGroundPicture.get())
        FBackGroundPicture->Assign(value);
}

void TGDIPFill::SetPicture(TRurGDIPPicture* value)
{
    if (value != FPicture.get())
        FPicture->Assign(value);
}

void TGDIPFill::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TGDIPFill*>(Source);
    if (!s || s == this)
        return;
    // The pictures' own notifications wait for the one at the end.
    ++FUpdateCount;
    FPictureAspectRatio = s->FPictureAspectRatio;
    FPictureAspectMode = s->FPictureAspectMode;
    FBackGroundPictureAspectRatio = s->FBackGroundPictureAspectRatio;
    FBackGroundPictureAspectMode = s->FBackGroundPictureAspectMode;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
    FGradientType = s->FGradientType;
    FGradientMirrorType = s->FGradientMirrorType;
    FHatchStyle = s->FHatchStyle;
    FHatchStyleMirror = s->FHatchStyleMirror;
    FBackGroundPicture->Assign(s->FBackGroundPicture.get());
    FBackGroundPicturePosition = s->FBackGroundPicturePosition;
    FBackGroundPictureLeft = s->FBackGroundPictureLeft;
    FBackGroundPictureTop = s->FBackGroundPictureTop;
    FPicture->Assign(s->FPicture.get());
    FPicturePosition = s->FPicturePosition;
    FPictureLeft = s->FPictureLeft;
    FPictureTop = s->FPictureTop;
    FPictureSize = s->FPictureSize;
    FPictureWidth = s->FPictureWidth;
    FPictureHeight = s->FPictureHeight;
    FOpacity = s->FOpacity;
    FOpacityTo = s->FOpacityTo;
    FOpacityMirror = s->FOpacityMirror;
    FOpacityMirrorTo = s->FOpacityMirrorTo;
    FBorderColor = s->FBorderColor;
    FBorderWidth = s->FBorderWidth;
    FRounding = s->FRounding;
    FRoundingType = s->FRoundingType;
    FShadowColor = s->FShadowColor;
    FShadowOffset = s->FShadowOffset;
    FShadowType = s->FShadowType;
    FAngle = s->FAngle;
    FBorderOpacity = s->FBorderOpacity;
    FBackGroundPictureMode = s->FBackGroundPictureMode;
    FGlowGradientColor = s->FGlowGradientColor;
    FGlowRadialColor = s->FGlowRadialColor;
    FGlow = s->FGlow;
    --FUpdateCount;
    Changed();
}

// ---- INI section ---------------------------------------------------------------------------------

namespace {

// The foreground picture's text length has a key of its own; files of older versions held it
// under "PictureSize", where the size mode belongs.
const String PictureLengthKey = u"PictureTextLength";

} // namespace

void TGDIPFill::SaveToFile(TCustomIniFile& AIni, const String& ASection)
{
    auto write = [&](const String& key, int value) { AIni.WriteInteger(ASection, key, value); };
    write(u"Color", int(FColor));
    write(u"ColorTo", int(FColorTo));
    write(u"ColorMirror", int(FColorMirror));
    write(u"ColorMirrorTo", int(FColorMirrorTo));
    write(u"GradientType", FGradientType);
    write(u"GradientMirrorType", FGradientMirrorType);
    write(u"HatchStyle", FHatchStyle);
    write(u"HatchStyleMirror", FHatchStyleMirror);
    write(u"BackGroundPictureMode", FBackGroundPictureMode);
    write(u"BackGroundPicturePosition", FBackGroundPicturePosition);
    write(u"BackGroundPictureLeft", FBackGroundPictureLeft);
    write(u"BackGroundPictureTop", FBackGroundPictureTop);
    write(u"PicturePosition", FPicturePosition);
    write(u"PictureLeft", FPictureLeft);
    write(u"PictureTop", FPictureTop);
    write(u"PictureSize", FPictureSize);
    write(u"PictureWidth", FPictureWidth);
    write(u"PictureHeight", FPictureHeight);
    write(u"Opacity", FOpacity);
    write(u"OpacityTo", FOpacityTo);
    write(u"OpacityMirror", FOpacityMirror);
    write(u"OpacityMirrorTo", FOpacityMirrorTo);
    write(u"BorderColor", int(FBorderColor));
    write(u"BorderOpacity", FBorderOpacity);
    write(u"BorderWidth", FBorderWidth);
    write(u"Rounding", FRounding);
    write(u"RoundingType", FRoundingType);
    write(u"ShadowOffset", FShadowOffset);
    write(u"ShadowColor", int(FShadowColor));
    write(u"Angle", FAngle);
    write(u"Glow", FGlow);
    write(u"GlowGradientColor", int(FGlowGradientColor));
    write(u"GlowRadialColor", int(FGlowRadialColor));
    SavePicture(AIni, ASection, *FPicture, u"Picture", PictureLengthKey);
    SavePicture(AIni, ASection, *FBackGroundPicture, u"BackgroundPicture", u"BackgroundPictureSize");
}

void TGDIPFill::LoadFromFile(TCustomIniFile& AIni, const String& ASection)
{
    auto read = [&](const String& key, auto& field) { ReadOrdinal(AIni, ASection, key, field); };
    read(u"Color", FColor);
    read(u"ColorTo", FColorTo);
    read(u"ColorMirror", FColorMirror);
    read(u"ColorMirrorTo", FColorMirrorTo);
    read(u"GradientType", FGradientType);
    read(u"GradientMirrorType", FGradientMirrorType);
    read(u"HatchStyle", FHatchStyle);
    read(u"HatchStyleMirror", FHatchStyleMirror);
    read(u"BackGroundPictureMode", FBackGroundPictureMode);
    read(u"BackGroundPicturePosition", FBackGroundPicturePosition);
    read(u"BackGroundPictureLeft", FBackGroundPictureLeft);
    read(u"BackGroundPictureTop", FBackGroundPictureTop);
    read(u"PicturePosition", FPicturePosition);
    read(u"PictureLeft", FPictureLeft);
    read(u"PictureTop", FPictureTop);
    // A file without the length key is of the older layout: "PictureSize" holds the length.
    int pictureLength = AIni.ReadInteger(ASection, PictureLengthKey, -1);
    if (pictureLength < 0)
        pictureLength = AIni.ReadInteger(ASection, u"PictureSize", 0);
    else
        read(u"PictureSize", FPictureSize);
    read(u"PictureWidth", FPictureWidth);
    read(u"PictureHeight", FPictureHeight);
    read(u"Opacity", FOpacity);
    read(u"OpacityTo", FOpacityTo);
    read(u"OpacityMirror", FOpacityMirror);
    read(u"OpacityMirrorTo", FOpacityMirrorTo);
    read(u"BorderColor", FBorderColor);
    read(u"BorderOpacity", FBorderOpacity);
    read(u"BorderWidth", FBorderWidth);
    read(u"Rounding", FRounding);
    read(u"RoundingType", FRoundingType);
    read(u"ShadowOffset", FShadowOffset);
    read(u"ShadowColor", FShadowColor);
    read(u"Angle", FAngle);
    read(u"Glow", FGlow);
    read(u"GlowGradientColor", FGlowGradientColor);
    read(u"GlowRadialColor", FGlowRadialColor);
    ++FUpdateCount;
    try {
        LoadPicture(AIni, ASection, *FPicture, u"Picture", pictureLength);
        LoadPicture(AIni, ASection, *FBackGroundPicture, u"BackgroundPicture",
                    AIni.ReadInteger(ASection, u"BackgroundPictureSize", 0));
    } catch (...) {
        --FUpdateCount;
        throw;
    }
    --FUpdateCount;
    Changed();
}

void TGDIPFill::SaveToFile(const String& AFileName, const String& ASection)
{
    TIniFile ini(AFileName);
    SaveToFile(ini, ASection);
}

void TGDIPFill::LoadFromFile(const String& AFileName, const String& ASection)
{
    TIniFile ini(AFileName);
    LoadFromFile(ini, ASection);
}

// ---- Clipboard -------------------------------------------------------------------------------------

void TGDIPFill::SaveToClipBoard()
{
    TMemoryStream data;
    {
        TSaver saver(nullptr, this);
        WriteComponentToStream(data, &saver);
    }
    Clipboard()->SetBuffer(CF_GDIPFILL(), data.Memory(), size_t(data.Size()));
}

void TGDIPFill::LoadFromClipBoard()
{
    TClipboard* clipboard = Clipboard();
    if (CF_GDIPFILL() == 0 || !clipboard->HasFormat(CF_GDIPFILL()))
        return;
    TMemoryStream data;
    clipboard->Open();
    try {
        if (HGLOBAL block = clipboard->GetAsHandle(CF_GDIPFILL())) {
            if (const void* bytes = GlobalLock(block)) {
                data.Write(bytes, Int64(GlobalSize(block)));
                GlobalUnlock(block);
            }
        }
    } catch (...) {
        clipboard->Close();
        throw;
    }
    clipboard->Close();
    data.SetPosition(0);
    TSaver saver(nullptr, this);
    ReadComponentFromStream(data, &saver);
}
