// The window framework's colours and pictures for the persistence.
#include "Graphics.h"
#include "RurPersistence.h"
#include "RurTypes.h"

namespace {

bool IsPictureEmpty(TObject& APicture)
{
    if (auto* picture = dynamic_cast<TPicture*>(&APicture))
        return IsBitmapEmpty(picture);
    if (auto* graphic = dynamic_cast<TGraphic*>(&APicture))
        return graphic->Empty();
    return true;
}

void SavePictureToStream(TObject& APicture, TStream& AStream)
{
    if (auto* picture = dynamic_cast<TPicture*>(&APicture))
        picture->SaveToStream(AStream);
    else if (auto* graphic = dynamic_cast<TGraphic*>(&APicture))
        graphic->SaveToStream(AStream);
}

void LoadPictureFromStream(TObject& APicture, TStream& AStream)
{
    if (auto* picture = dynamic_cast<TPicture*>(&APicture))
        picture->LoadFromStream(AStream);
    else if (auto* graphic = dynamic_cast<TGraphic*>(&APicture))
        graphic->LoadFromStream(AStream);
}

} // namespace

void RurPersistenceWin32Initialize()
{
    TRurPersistencePlatform& platform = TRurPersistence::Platform();
    platform.ColorToRGB = &ColorToRGB;
    platform.IsPictureEmpty = &IsPictureEmpty;
    platform.SavePictureToStream = &SavePictureToStream;
    platform.LoadPictureFromStream = &LoadPictureFromStream;
}
