// GDI+ start-up, the status base and matrices.
#include "FwGdiPlus.h"

namespace fwgdip {

namespace {

ULONG_PTR StartupToken = 0;

void StartGdiPlus()
{
    if (StartupToken)
        return;
    GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    ULONG_PTR token = 0;
    // A failed start leaves every wrapper answering with a failure status; nothing to raise here.
    if (GdiplusStartup(&token, &input, nullptr) == Ok)
        StartupToken = token;
}

void ShutdownGdiPlus()
{
    if (!StartupToken)
        return;
    GdiplusShutdown(StartupToken);
    StartupToken = 0;
}

} // namespace

const TUnitStep GdiPlusUnit{"FwGdiPlus", &StartGdiPlus, &ShutdownGdiPlus};

bool GdiPlusStarted() { return StartupToken != 0; }

TStatus TGdiplusBase::GetLastStatus() const
{
    TStatus status = FLastStatus;
    FLastStatus = Ok;
    return status;
}

TStatus TGdiplusBase::Check(TStatus status) const
{
    if (status != Ok)
        FLastStatus = status;
    return status;
}

TGPMatrix::TGPMatrix() { Check(GdipCreateMatrix(&FNative)); }

TGPMatrix::TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    Check(GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &FNative));
}

TGPMatrix::~TGPMatrix()
{
    if (FNative)
        GdipDeleteMatrix(FNative);
}

std::unique_ptr<TGPMatrix> TGPMatrix::Clone() const
{
    GpMatrix* copy = nullptr;
    Check(GdipCloneMatrix(FNative, &copy));
    return std::unique_ptr<TGPMatrix>(new TGPMatrix(copy));
}

TStatus TGPMatrix::Reset() { return Check(GdipSetMatrixElements(FNative, 1, 0, 0, 1, 0, 0)); }

TStatus TGPMatrix::Translate(REAL offsetX, REAL offsetY, MatrixOrder order)
{
    return Check(GdipTranslateMatrix(FNative, offsetX, offsetY, order));
}

TStatus TGPMatrix::Rotate(REAL angle, MatrixOrder order) { return Check(GdipRotateMatrix(FNative, angle, order)); }

TStatus TGPMatrix::RotateAt(REAL angle, const TGPPointF& center, MatrixOrder order)
{
    // A rotation about a point is a rotation between two translations, in the order's direction.
    if (order == MatrixOrderPrepend) {
        Translate(center.X, center.Y, order);
        Rotate(angle, order);
        return Translate(-center.X, -center.Y, order);
    }
    Translate(-center.X, -center.Y, order);
    Rotate(angle, order);
    return Translate(center.X, center.Y, order);
}

TStatus TGPMatrix::Scale(REAL scaleX, REAL scaleY, MatrixOrder order)
{
    return Check(GdipScaleMatrix(FNative, scaleX, scaleY, order));
}

TStatus TGPMatrix::Multiply(const TGPMatrix& matrix, MatrixOrder order)
{
    return Check(GdipMultiplyMatrix(FNative, matrix.FNative, order));
}

TStatus TGPMatrix::Invert() { return Check(GdipInvertMatrix(FNative)); }

TStatus TGPMatrix::TransformPoints(std::span<TGPPointF> points) const
{
    return Check(GdipTransformMatrixPoints(FNative, points.data(), INT(points.size())));
}

TStatus TGPMatrix::GetElements(REAL (&elements)[6]) const { return Check(GdipGetMatrixElements(FNative, elements)); }

REAL TGPMatrix::OffsetX() const
{
    REAL elements[6] = {};
    GetElements(elements);
    return elements[4];
}

REAL TGPMatrix::OffsetY() const
{
    REAL elements[6] = {};
    GetElements(elements);
    return elements[5];
}

bool TGPMatrix::IsIdentity() const
{
    BOOL result = FALSE;
    Check(GdipIsMatrixIdentity(FNative, &result));
    return result != FALSE;
}

} // namespace fwgdip
