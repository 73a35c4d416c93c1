#pragma once
// A picture written into form data and read back, as a form holding it in a picture property
// would: the graphic's class name, then what the graphic writes.
#include <memory>

#include "Graphics.h"
#include "Streaming.h"

namespace PictureFormData {

class TPictureOwner : public TComponent {
    TAVIN_PUBLISHED_CLASS(TPictureOwner, TComponent)
public:
    explicit TPictureOwner(TComponent* owner = nullptr) : TComponent(owner) {}
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }

private:
    std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
};

inline TAVIN_PUBLISHED(TPictureOwner)
{
    TAVIN_PROPERTY(TPicture*, Picture);
}

// The owner read back from form data; the graphic's class must be registered, as a form would.
inline std::unique_ptr<TPictureOwner> RoundTrip(TGraphic& AGraphic)
{
    TPictureOwner written;
    written.SetName(u"Owner");
    written.Picture()->SetGraphic(&AGraphic);
    TMemoryStream data;
    WriteComponentToStream(data, &written);
    data.SetPosition(0);
    auto read = std::make_unique<TPictureOwner>();
    ReadComponentFromStream(data, read.get());
    return read;
}

} // namespace PictureFormData
