#include "GraphicUnits.h"

#include "GifImg.h"
#include "ImgList.h"
#include "Jpeg.h"
#include "PngImage.h"

void StartGraphicUnits()
{
    static const TUnitStep steps[] = {
        {"Graphics", &InitializeGraphicsUnit, &FinalizeGraphicsUnit},
        {"PngImage", &InitializePngImageUnit, &FinalizePngImageUnit},
        {"Jpeg", &InitializeJpegUnit, &FinalizeJpegUnit},
        {"GifImg", &InitializeGifImgUnit, &FinalizeGifImgUnit},
        {"ImgList", &InitializeImgListUnit, &FinalizeImgListUnit},
    };
    static TUnitStartup startup(steps);
    startup.Initialize();
}
