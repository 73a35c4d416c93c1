#pragma once
// The pictures the caption tests draw: a red picture of 6 x 4 pixels named "Dot" in a container,
// the same picture as a file and as a data URL. GDI+ must be running (the container decodes).
#include <windows.h>

#include "Graphics.h"
#include "PictureContainer.h"
#include "RurUtils.h"
#include "WideText.h"

class TCaptionPictures {
public:
    explicit TCaptionPictures(const String& AFileName) : File(TRurUtils::GetTempPath() + AFileName)
    {
        TBitmap bitmap(6, 4);
        bitmap.Canvas()->Brush()->SetColor(clRed);
        bitmap.Canvas()->FillRect(TRect(0, 0, 6, 4));
        bitmap.SaveToFile(File);
        TMemoryStream bytes;
        bitmap.SaveToStream(bytes);
        bytes.SetPosition(0);
        TPictureItem* item = Container.Items()->Add();
        item->SetName(u"Dot");
        item->Picture()->LoadFromStream(bytes);
        bytes.SetPosition(0);
        Data = u"data:image/bmp;base64," + TRurUtils::SaveStreamToBase64(bytes, false);
    }
    ~TCaptionPictures() { DeleteFileW(WidePtr(File)); }
    TCaptionPictures(const TCaptionPictures&) = delete;
    TCaptionPictures& operator=(const TCaptionPictures&) = delete;

    TPictureContainer Container{nullptr};
    const String File;
    String Data;
};
