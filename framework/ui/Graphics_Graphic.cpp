// The abstract graphic: streaming through files and the "Data" property, change notification.
#include "Graphics.h"
#include "Streaming.h"

void TGraphic::SetWidth(int)
{
    throw EAbstractError(u"Abstract Error");
}

void TGraphic::SetHeight(int)
{
    throw EAbstractError(u"Abstract Error");
}

void TGraphic::SetTransparent(bool value)
{
    if (value != FTransparent) {
        FTransparent = value;
        Changed(this);
    }
}

void TGraphic::SetModified(bool value)
{
    if (value)
        Changed(this);
    else
        FModified = false;
}

void TGraphic::Changed(TObject*)
{
    FModified = true;
    FOnChange(this);
}

void TGraphic::LoadFromFile(const String& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const String& fileName)
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::LoadFromClipboardFormat(Word, HANDLE, HPALETTE)
{
    throw EAbstractError(u"Abstract Error");
}

void TGraphic::SaveToClipboardFormat(Word&, HANDLE&, HPALETTE&)
{
    throw EAbstractError(u"Abstract Error");
}

void TGraphic::ReadData(TStream& stream)
{
    LoadFromStream(stream);
}

void TGraphic::WriteData(TStream& stream)
{
    SaveToStream(stream);
}

void TGraphic::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        u"Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}
