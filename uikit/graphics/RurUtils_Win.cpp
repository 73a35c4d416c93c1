// The Win32 half of the toolbox: pictures, the image download, the shell, folders, DPI, fonts and
// forms.
#include "WinApiNames.h"

#include <shlobj.h>
#include <shellapi.h>
#include <wininet.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "Controls.h"
#include "Dialogs.h"
#include "Forms.h"
#include "GifImg.h"
#include "Graphics.h"
#include "Jpeg.h"
#include "PngImage.h"
#include "RurTypes.h"
#include "RurUtils.h"
#include "WideText.h"


// The framework's rounding (Math.h), declared alone: Math.h's MulDiv clashes with the system's.
Int64 Round(double value);

namespace {

// Closes a WinInet handle however the download ends.
class TInternetHandle {
public:
    explicit TInternetHandle(HINTERNET AHandle) : FHandle(AHandle) {}
    ~TInternetHandle()
    {
        if (FHandle)
            InternetCloseHandle(FHandle);
    }
    TInternetHandle(const TInternetHandle&) = delete;
    TInternetHandle& operator=(const TInternetHandle&) = delete;
    HINTERNET Get() const { return FHandle; }

private:
    HINTERNET FHandle;
};

Cardinal ReadLongAt(const Byte* ABuffer, int AOffset)
{
    Cardinal value;
    std::memcpy(&value, ABuffer + AOffset, sizeof value);
    return value;
}

Word ReadWordAt(const Byte* ABuffer, int AOffset)
{
    return MakeWord(ABuffer[AOffset], ABuffer[AOffset + 1]);
}

// The picture's saved data, or nothing for an empty picture.
bool SavePictureData(TPicture& ABitmap, TMemoryStream& AData)
{
    if (IsBitmapEmpty(&ABitmap))
        return false;
    ABitmap.Graphic()->SaveToStream(AData);
    return true;
}

// The folder part of a path, with its trailing separator; empty without one.
String FolderOf(const String& APath)
{
    const std::size_t at = APath.find_last_of(u"\\/:");
    return at == String::npos ? String() : APath.substr(0, at + 1);
}

// The extension of a path's name, with its dot; empty without one.
String ExtensionOf(const String& APath)
{
    const std::size_t dot = APath.find_last_of(u".\\/:");
    return dot == String::npos || APath[dot] != u'.' ? String() : APath.substr(dot);
}

void CollectControls(TWinControl& AParent, std::vector<TControl*>& AControls)
{
    for (int i = 0; i < AParent.ControlCount(); ++i) {
        TControl* child = AParent.Controls(i);
        if (auto* container = dynamic_cast<TWinControl*>(child))
            CollectControls(*container, AControls);
        AControls.push_back(child);
    }
}

int CALLBACK AddFontFamily(const LOGFONTW* ALogFont, const TEXTMETRICW*, DWORD, LPARAM AList)
{
    auto& names = *reinterpret_cast<std::vector<String>*>(AList);
    const String name = FromWidePtr(ALogFont->lfFaceName);
    if (names.empty() || !SameText(names.back(), name))
        names.push_back(name);
    return 1;
}

} // namespace

String TRurUtils::SaveBitmapToBase64(TPicture& ABitmap, bool AURL)
{
    TMemoryStream data;
    return SavePictureData(ABitmap, data) ? SaveStreamToBase64(data, AURL) : String();
}

void TRurUtils::LoadBitmapFromBase64(const String& ABase64, TPicture& ABitmap, bool AURL)
{
    static const String marker = u";base64,";
    const std::size_t at = ABase64.find(marker);
    TMemoryStream data;
    LoadStreamFromBase64(at == String::npos ? ABase64 : ABase64.substr(at + marker.size()), data, AURL);
    data.SetPosition(0);
    ABitmap.LoadFromStream(data);
}

std::unique_ptr<TRurBitmap> TRurUtils::CreateBitmapFromBase64(const String& ABase64, bool AURL)
{
    auto bitmap = std::make_unique<TRurBitmap>();
    LoadBitmapFromBase64(ABase64, *bitmap, AURL);
    return bitmap;
}

String TRurUtils::SaveBitmapToHexStr(TPicture& ABitmap)
{
    TMemoryStream data;
    return SavePictureData(ABitmap, data) ? SaveStreamToHexStr(data) : String();
}

void TRurUtils::LoadBitmapFromHexStr(const String& AHexStr, TPicture& ABitmap)
{
    const TBytes bytes = HexStrToBytes(AHexStr);
    static const char marker[] = ";base64,";
    if (std::search(bytes.begin(), bytes.end(), marker, marker + sizeof marker - 1) != bytes.end())
        return;
    TClass graphicClass;
    if (!FindGraphicClass(bytes.data(), Int64(bytes.size()), graphicClass))
        return;
    TBytesStream data(bytes);
    std::unique_ptr<TGraphic> graphic = CreateGraphic(graphicClass);
    graphic->LoadFromStream(data);
    ABitmap.SetGraphic(graphic.get());
}

std::unique_ptr<TMemoryStream> TRurUtils::ConvertBitmapToJPEGStream(TPicture& ABitmap, float AQuality,
                                                                     int ABackgroundColor)
{
    TMemoryStream data;
    SavePictureData(ABitmap, data);
    const Byte* bytes = static_cast<const Byte*>(data.Memory());
    TClass graphicClass;
    if (!FindGraphicClass(bytes, data.Size(), graphicClass))
        return nullptr;
    auto result = std::make_unique<TMemoryStream>();
    if (graphicClass == TJPEGImage::StaticClass()) {
        result->WriteBuffer(bytes, data.Size());
        return result;
    }
    data.SetPosition(0);
    std::unique_ptr<TGraphic> graphic = CreateGraphic(graphicClass);
    graphic->LoadFromStream(data);
    TBitmap canvas;
    canvas.SetSize(graphic->Width(), graphic->Height());
    const bool noColor = ABackgroundColor == clNone || ABackgroundColor == -1;
    canvas.Canvas()->Brush()->SetColor(noColor ? clWhite : ABackgroundColor);
    canvas.Canvas()->FillRect(TRect{0, 0, graphic->Width(), graphic->Height()});
    canvas.Canvas()->Draw(0, 0, graphic.get());
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(int(Round(double(AQuality) * 100)));
    jpeg.Assign(&canvas);
    jpeg.SaveToStream(*result);
    return result;
}

std::unique_ptr<TRurBitmap> TRurUtils::CreateBitmapFromHexStr(const String& AHexStr)
{
    auto bitmap = std::make_unique<TRurBitmap>();
    LoadBitmapFromHexStr(AHexStr, *bitmap);
    return bitmap;
}

String TRurUtils::GetImageType(TRurBitmap& ABitmap)
{
    TMemoryStream data;
    SavePictureData(ABitmap, data);
    return GetImageType(data, true);
}

bool TRurUtils::FindGraphicClass(const Byte* Buffer, Int64 BufferSize, TClass& GraphicClass)
{
    GraphicClass = nullptr;
    static const Byte pngSignature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    const Word first = BufferSize >= 2 ? ReadWordAt(Buffer, 0) : 0;
    const Word second = BufferSize >= 4 ? ReadWordAt(Buffer, 2) : 0;
    if (first == 0x4949 && second == 0x002A)
        GraphicClass = TWICImage::StaticClass();
    else if (first == 0x4D42)
        GraphicClass = TBitmap::StaticClass();
    else if (first == 0x4D4D && second == 0x2A00)
        GraphicClass = TWICImage::StaticClass();
    else if (first == 0xD8FF)
        GraphicClass = TJPEGImage::StaticClass();
    else if (BufferSize >= 8 && std::memcmp(Buffer, pngSignature, sizeof pngSignature) == 0)
        GraphicClass = TPngImage::StaticClass();
    else if (BufferSize >= 4 && ReadLongAt(Buffer, 0) == 0x9AC6CDD7)
        GraphicClass = TMetafile::StaticClass();
    else if (BufferSize >= 44 && ReadLongAt(Buffer, 0) == 1 && ReadLongAt(Buffer, 40) == 0x464D4520)
        GraphicClass = TMetafile::StaticClass();
    else if (BufferSize >= 3 && std::memcmp(Buffer, "GIF", 3) == 0)
        GraphicClass = TGIFImage::StaticClass();
    else if (second == 1)
        GraphicClass = TIcon::StaticClass();
    return GraphicClass != nullptr;
}

std::unique_ptr<TResourceStream> TRurUtils::GetResourceStream(const String& AResourceName, NativeUInt AInstance)
{
    const NativeUInt instance = AInstance ? AInstance : GetHInstance();
    if (!FindResourceW(reinterpret_cast<HMODULE>(instance), WidePtr(AResourceName), RT_RCDATA))
        return nullptr;
    return std::make_unique<TResourceStream>(instance, AResourceName, reinterpret_cast<const Char*>(RT_RCDATA));
}

NativeUInt TRurUtils::GetHInstance()
{
    return reinterpret_cast<NativeUInt>(GetModuleHandleW(nullptr));
}

std::unique_ptr<TMemoryStream> TRurUtils::DownloadImage(const String& AURL)
{
    auto result = std::make_unique<TMemoryStream>();
    TInternetHandle session(InternetOpenW(L"TRurUtils", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session.Get())
        throw Exception(u"Unable to initialize Wininet");
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    TInternetHandle url(InternetOpenUrlW(session.Get(), WidePtr(AURL), nullptr, 0, flags, 0));
    if (!url.Get())
        throw Exception(Format(u"Cannot open URL %s", {AURL}));
    wchar_t contentType[256] = {};
    DWORD size = sizeof contentType - sizeof(wchar_t);
    if (!HttpQueryInfoW(url.Get(), HTTP_QUERY_CONTENT_TYPE, contentType, &size, nullptr))
        contentType[0] = 0;
    if (UpperCase(FromWidePtr(contentType)).find(u"IMAGE") == String::npos)
        return result;
    Byte chunk[1025];
    DWORD read = 0;
    while (InternetReadFile(url.Get(), chunk, sizeof chunk, &read) && read > 0)
        result->WriteBuffer(chunk, read);
    return result;
}

void TRurUtils::OpenFile(const String& AFile, TControl*)
{
    ShellExecuteW(nullptr, L"open", WidePtr(AFile), nullptr, nullptr, SW_SHOWNORMAL);
}

void TRurUtils::OpenURL(const String& AURL)
{
    OpenFile(AURL);
}

bool TRurUtils::SelectFile(String& AFileName, const String& ADefaultFolder, const String& AFilter,
                           const TRurUtilsFileCallBackEvent& ACallBack)
{
    TOpenDialog dialog(nullptr);
    dialog.SetOptions({ofFileMustExist});
    dialog.SetInitialDir(AddBackslash(ADefaultFolder.empty() ? GetDocumentsPath() : ADefaultFolder));
    dialog.SetFilter(AFilter);
    const bool result = dialog.Execute();
    if (result)
        AFileName = dialog.FileName();
    if (ACallBack)
        ACallBack(AFileName, result);
    return result;
}

bool TRurUtils::SaveFile(String& AFileName, const String& AFilter, const TRurUtilsFileCallBackEvent& ACallBack)
{
    TSaveDialog dialog(nullptr);
    dialog.SetOptions(dialog.Options() + TOpenOptions{ofOverwritePrompt});
    const String extension = ExtensionOf(AFileName);
    const String folder = FolderOf(AFileName);
    dialog.SetInitialDir(AddBackslash(folder.empty() ? GetDocumentsPath() : folder));
    dialog.SetFileName(AFileName.substr(folder.size()));
    dialog.SetFilter(AFilter);
    const bool result = dialog.Execute();
    if (result) {
        AFileName = dialog.FileName();
        if (ExtensionOf(AFileName).empty())
            AFileName += extension;
    }
    if (ACallBack)
        ACallBack(AFileName, result);
    return result;
}

int TRurUtils::Message(const String& AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons, int AHelpContext)
{
    return MessageDlg(AMessage, ADialogType, AButtons, AHelpContext);
}

String TRurUtils::GetAppPath()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            return FolderOf(FromWidePtr(path.data()));
        }
        path.resize(path.size() * 2);
    }
}

String TRurUtils::GetDocumentsPath()
{
    wchar_t path[MAX_PATH] = {};
    const HRESULT result = SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path);
    if (FAILED(result))
        throw EOleSysError(Format(u"Documents folder not available (error %x)", {Cardinal(result)}));
    return FromWidePtr(path);
}

String TRurUtils::GetTempPath()
{
    wchar_t path[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, path);
    return FromWidePtr(path);
}

float TRurUtils::GetDPIScale(TComponent* AOwner, int ADefaultDPI)
{
    TCustomForm* form = nullptr;
    if (!AOwner)
        form = Application ? Application->MainForm() : nullptr;
    else if (auto* ownForm = dynamic_cast<TCustomForm*>(AOwner))
        form = ownForm;
    else {
        if (auto* control = dynamic_cast<TControl*>(AOwner))
            form = control->GetParentForm();
        if (!form)
            form = GetOwnerForm(AOwner);
    }
    if (!form || !form->Scaled())
        return 1.0f;
    TMonitor* monitor = form->Monitor();
    const int monitorPPI = monitor ? monitor->PixelsPerInch() : 96;
    const int basePPI = ADefaultDPI > 0 ? ADefaultDPI : form->PixelsPerInch();
    return float(monitorPPI) / float(basePPI);
}

bool TRurUtils::IsHighDPIScale(TComponent* AOwner, int ADefaultDPI)
{
    return GetDPIScale(AOwner, ADefaultDPI) > 1;
}

void TRurUtils::ScaleForDPI(TControl* AControl, int ADPI)
{
    if (AControl)
        AControl->ScaleForPPI(ADPI);
}

void TRurUtils::ScaleForCurrentDPI(TCustomForm* AForm)
{
    if (!AForm)
        return;
    // Fonts go back to their 96-dpi heights first, so that the form's scaling starts from there.
    std::vector<TControl*> controls;
    CollectControls(*AForm, controls);
    for (TControl* control : controls) {
        if (dynamic_cast<TCustomForm*>(control))
            continue;
        TFont* font = control->Font();
        font->SetHeight(MulDivInt(font->Height(), 96, font->PixelsPerInch()));
    }
    if (TMonitor* monitor = AForm->Monitor())
        AForm->ScaleForPPI(monitor->PixelsPerInch());
    if (AForm->ClassName() == u"TRurCustomPopupForm")
        return;
    const float scale = GetDPIScale(AForm, 96);
    AForm->SetWidth(int(Round(AForm->Width() * double(scale))));
    AForm->SetHeight(int(Round(AForm->Height() * double(scale))));
}

void TRurUtils::GetFonts(TStrings& FontList)
{
    std::vector<String> names;
    HDC dc = GetDC(nullptr);
    LOGFONTW filter = {};
    filter.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &filter, reinterpret_cast<FONTENUMPROCW>(&AddFontFamily),
                        reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, dc);
    std::stable_sort(names.begin(), names.end(), [](const String& a, const String& b) { return CompareText(a, b) < 0; });
    FontList.BeginUpdate();
    FontList.Clear();
    for (const String& name : names)
        FontList.Add(name);
    FontList.EndUpdate();
}

void TRurUtils::SetFontSize(TFont& AFont, float ASize)
{
    const int points = int(Round(double(ASize) / 96 * 72));
    AFont.SetHeight(-MulDivInt(points, 96, 72));
}

TPointF TRurUtils::GetMousePos()
{
    POINT p = {};
    GetCursorPos(&p);
    return TPointF{float(p.x), float(p.y)};
}

TCustomForm* TRurUtils::GetOwnerForm(TComponent* AComponent)
{
    for (TComponent* owner = AComponent ? AComponent->Owner() : nullptr; owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(owner))
            return form;
    return nullptr;
}

TCustomForm* TRurUtils::GetParentForm(TControl* AControl)
{
    return AControl ? AControl->GetParentForm() : nullptr;
}
