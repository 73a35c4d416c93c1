// The picture: one graphic of any registered class, the file-format registry and the "Data"
// property of form resources (class name, then the graphic's own data).
#include <algorithm>

#include "GraphicErrors.h"
#include "Graphics.h"
#include "Streaming.h"

namespace {

struct TFileFormat {
    String Extension; // lower case, without the dot
    String Description;
    TGraphicClass GraphicClass;
    TPicture::TCanLoadFromStream CanLoad;
};

// Newest first: a later unit's registration wins for an extension and is asked first for data.
std::vector<TFileFormat>& FileFormats()
{
    static std::vector<TFileFormat> formats;
    return formats;
}

String ExtensionOf(const String& fileName)
{
    const String extension = ExtractFileExt(fileName);
    return extension.empty() ? extension : LowerCase(extension.substr(1));
}

TGraphicClass GraphicClassOfName(const String& name)
{
    for (const TFileFormat& f : FileFormats())
        if (SameText(f.GraphicClass->ClassName(), name))
            return f.GraphicClass;
    TGraphicClass cls = GetClass(name);
    return cls && cls->InheritsFrom(TGraphic::StaticClass()) ? cls : nullptr;
}

} // namespace

std::unique_ptr<TGraphic> CreateGraphic(TGraphicClass graphicClass)
{
    if (!graphicClass || !graphicClass->InheritsFrom(TGraphic::StaticClass()) || !graphicClass->HasPlainConstructor())
        throw EInvalidGraphic(u"Not a graphic class");
    return std::unique_ptr<TGraphic>(static_cast<TGraphic*>(graphicClass->Create().release()));
}

void TPicture::RegisterFileFormat(const String& extension, const String& description, TGraphicClass graphicClass,
                                  TCanLoadFromStream canLoad)
{
    auto& formats = FileFormats();
    formats.insert(formats.begin(), TFileFormat{LowerCase(extension), description, graphicClass, canLoad});
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass)
{
    std::erase_if(FileFormats(), [&](const TFileFormat& f) { return f.GraphicClass == graphicClass; });
}

TGraphicClass TPicture::GraphicClassOfExtension(const String& extension)
{
    const String wanted = LowerCase(extension);
    for (const TFileFormat& f : FileFormats())
        if (f.Extension == wanted)
            return f.GraphicClass;
    return nullptr;
}

TGraphicClass TPicture::GraphicClassOfStream(TStream& stream)
{
    const Int64 position = stream.Position();
    for (const TFileFormat& f : FileFormats()) {
        const bool takes = f.CanLoad && f.CanLoad(stream);
        stream.SetPosition(position);
        if (takes)
            return f.GraphicClass;
    }
    return nullptr;
}

String TPicture::GraphicFilter(TGraphicClass graphicClass)
{
    String all, each;
    for (const TFileFormat& f : FileFormats()) {
        if (!f.GraphicClass->InheritsFrom(graphicClass))
            continue;
        const String mask = u"*." + f.Extension;
        all += (all.empty() ? u"" : u";") + mask;
        each += u"|" + f.Description + u" (" + mask + u")|" + mask;
    }
    return all.empty() ? String() : u"All (" + all + u")|" + all + each;
}

TPicture::~TPicture() = default;

void TPicture::Changed(TObject*)
{
    FOnChange(this);
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->SetOnChange(MakeHandler<&TPicture::Changed>(this));
    Changed(this);
}

void TPicture::SetGraphic(TGraphic* value)
{
    if (value == FGraphic.get())
        return;
    if (!value) {
        TakeGraphic(nullptr);
        return;
    }
    auto copy = CreateGraphic(value->ClassType());
    copy->Assign(value);
    TakeGraphic(std::move(copy));
}

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(FGraphic.get()))
        TakeGraphic(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::Assign(const TPersistent* source)
{
    if (!source)
        SetGraphic(nullptr);
    else if (auto* picture = dynamic_cast<const TPicture*>(source))
        SetGraphic(picture->Graphic());
    else if (auto* graphic = dynamic_cast<const TGraphic*>(source))
        SetGraphic(const_cast<TGraphic*>(graphic));
    else
        TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest) const
{
    if (FGraphic)
        dest->Assign(FGraphic.get());
    else
        TPersistent::AssignTo(dest);
}

void TPicture::LoadFromFile(const String& fileName)
{
    const String extension = ExtensionOf(fileName);
    TGraphicClass cls = GraphicClassOfExtension(extension);
    if (!cls)
        throw EInvalidGraphic(u"Unknown picture file extension (." + extension + u")");
    auto graphic = CreateGraphic(cls);
    graphic->LoadFromFile(fileName);
    TakeGraphic(std::move(graphic));
}

void TPicture::SaveToFile(const String& fileName)
{
    if (FGraphic)
        FGraphic->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream& stream)
{
    TGraphicClass cls = GraphicClassOfStream(stream);
    if (!cls)
        throw EInvalidGraphic(u"Unsupported stream format");
    auto graphic = CreateGraphic(cls);
    graphic->LoadFromStream(stream);
    TakeGraphic(std::move(graphic));
}

void TPicture::SaveToStream(TStream& stream)
{
    if (FGraphic)
        FGraphic->SaveToStream(stream);
}

void TPicture::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        u"Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, FGraphic != nullptr);
}

void TPicture::ReadData(TStream& stream)
{
    Byte length = 0;
    stream.ReadBufferData(length);
    std::string name(length, '\0');
    stream.ReadBuffer(name.data(), length);
    if (name.empty()) {
        TakeGraphic(nullptr);
        return;
    }
    String className;
    for (char c : name)
        className += static_cast<Char>(static_cast<Byte>(c));
    TGraphicClass cls = GraphicClassOfName(className);
    if (!cls)
        throw EInvalidGraphic(u"Unknown graphic class " + className);
    auto graphic = CreateGraphic(cls);
    graphic->ReadData(stream);
    TakeGraphic(std::move(graphic));
}

void TPicture::WriteData(TStream& stream)
{
    const String className = FGraphic ? FGraphic->ClassName() : String();
    const std::string name(className.begin(), className.end()); // class names are ASCII
    const Byte length = static_cast<Byte>(std::min<size_t>(name.size(), 255));
    stream.WriteBufferData(length);
    stream.WriteBuffer(name.data(), length);
    if (FGraphic)
        FGraphic->WriteData(stream);
}
