// Start-up of the Graphics unit: its graphic classes become known to pictures and streams.
#include "Graphics.h"
#include "GraphicsUnit.h"

void InitializeGraphicsUnit()
{
    RegisterGraphicsIdents();
    TPicture::RegisterFileFormat<TWICImage>(u"tif", u"TIFF Image");
    TPicture::RegisterFileFormat<TWICImage>(u"tiff", u"TIFF Image");
    TPicture::RegisterFileFormat<TMetafile>(u"wmf", u"Metafiles");
    TPicture::RegisterFileFormat<TMetafile>(u"emf", u"Enhanced Metafiles");
    TPicture::RegisterFileFormat<TIcon>(u"ico", u"Icons");
    TPicture::RegisterFileFormat<TBitmap>(u"bmp", u"Bitmaps");
    RegisterClasses({TBitmap::StaticClass(), TIcon::StaticClass(), TMetafile::StaticClass(), TWICImage::StaticClass(),
                     TFont::StaticClass(), TPen::StaticClass(), TBrush::StaticClass(), TPicture::StaticClass()});
}

void FinalizeGraphicsUnit()
{
    for (TGraphicClass cls : {TBitmap::StaticClass(), TIcon::StaticClass(), TMetafile::StaticClass(),
                              TWICImage::StaticClass()})
        TPicture::UnregisterGraphicClass(cls);
    for (TClass cls : {TBitmap::StaticClass(), TIcon::StaticClass(), TMetafile::StaticClass(), TWICImage::StaticClass(),
                       TFont::StaticClass(), TPen::StaticClass(), TBrush::StaticClass(), TPicture::StaticClass()})
        UnRegisterClass(cls);
}
