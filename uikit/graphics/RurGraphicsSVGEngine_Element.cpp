#include "RurGraphicsSVGEngine_Element.h"

TRurGraphicsSVGElementList& TRurGraphicsSVGElement::Elements()
{
    if (!FElements)
        FElements = std::make_unique<TRurGraphicsSVGElementList>();
    return *FElements;
}

TRurGraphicsSVGElementPathList& TRurGraphicsSVGElement::Paths()
{
    if (!FPaths)
        FPaths = std::make_unique<TRurGraphicsSVGElementPathList>();
    return *FPaths;
}

TRurGraphicsPath* TRurGraphicsSVGElement::ActivePath() const
{
    return FPaths && FPaths->Count() > 0 ? FPaths->Last() : nullptr;
}

const TRurGraphicsPath& TRurGraphicsSVGElement::CombinedPath()
{
    if (!FCombinedPath) {
        FCombinedPath = std::make_unique<TRurGraphicsPath>();
        if (FPaths)
            for (const TRurGraphicsPath* path : *FPaths)
                FCombinedPath->AddPath(*path);
    }
    return *FCombinedPath;
}

bool TRurGraphicsSVGElement::IsColorValue(const String& AValue)
{
    return AValue != u"none" && AValue != u"transparent" && AValue != u"default";
}
