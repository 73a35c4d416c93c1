#include <cmath>

#include "RurGraphicsPath.h"

namespace {

constexpr float TRurGraphicsMatrix::* Cells[3][3] = {
    {&TRurGraphicsMatrix::m11, &TRurGraphicsMatrix::m12, &TRurGraphicsMatrix::m13},
    {&TRurGraphicsMatrix::m21, &TRurGraphicsMatrix::m22, &TRurGraphicsMatrix::m23},
    {&TRurGraphicsMatrix::m31, &TRurGraphicsMatrix::m32, &TRurGraphicsMatrix::m33},
};

// Below this the matrix counts as singular.
const float SingularDeterminant = 1E-40f;

} // namespace

float TRurGraphicsMatrix::Cell(int row, int column) const { return this->*Cells[row][column]; }

float& TRurGraphicsMatrix::Cell(int row, int column) { return this->*Cells[row][column]; }

TRurGraphicsMatrix TRurGraphicsMatrix::Identity()
{
    TRurGraphicsMatrix m;
    m.m11 = m.m22 = m.m33 = 1;
    return m;
}

TRurGraphicsMatrix TRurGraphicsMatrix::CreateRotation(float angle)
{
    TRurGraphicsMatrix m = Identity();
    m.m11 = std::cos(angle);
    m.m12 = std::sin(angle);
    m.m21 = -std::sin(angle);
    m.m22 = std::cos(angle);
    return m;
}

TRurGraphicsMatrix TRurGraphicsMatrix::CreateScaling(float scaleX, float scaleY)
{
    TRurGraphicsMatrix m = Identity();
    m.m11 = scaleX;
    m.m22 = scaleY;
    return m;
}

TRurGraphicsMatrix TRurGraphicsMatrix::CreateTranslation(float deltaX, float deltaY)
{
    TRurGraphicsMatrix m = Identity();
    m.m31 = deltaX;
    m.m32 = deltaY;
    return m;
}

float TRurGraphicsMatrix::Determinant() const
{
    double d = double(m11) * (double(m22) * m33 - double(m32) * m23) - double(m12) * (double(m21) * m33 - double(m23) * m31) +
               double(m13) * (double(m21) * m32 - double(m31) * m22);
    return float(d);
}

TRurGraphicsMatrix TRurGraphicsMatrix::Adjoint() const
{
    // Element (i, j) of the adjugate is the cofactor of (j, i).
    TRurGraphicsMatrix result;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            int r0 = (j + 1) % 3, r1 = (j + 2) % 3, c0 = (i + 1) % 3, c1 = (i + 2) % 3;
            result.Cell(i, j) = float(double(Cell(r0, c0)) * Cell(r1, c1) - double(Cell(r0, c1)) * Cell(r1, c0));
        }
    }
    return result;
}

TRurGraphicsMatrix TRurGraphicsMatrix::Inverse() const
{
    float det = Determinant();
    if (std::isnan(det) || std::fabs(det) < SingularDeterminant)
        return Identity();
    TRurGraphicsMatrix result = Adjoint();
    double factor = 1.0 / det;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            result.Cell(i, j) = float(result.Cell(i, j) * factor);
    return result;
}

TRurGraphicsMatrix operator*(const TRurGraphicsMatrix& a, const TRurGraphicsMatrix& b)
{
    TRurGraphicsMatrix result;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += double(a.Cell(i, k)) * b.Cell(k, j);
            result.Cell(i, j) = float(sum);
        }
    }
    return result;
}

TPointF operator*(TPointF point, const TRurGraphicsMatrix& m)
{
    return {float(double(point.X) * m.m11 + double(point.Y) * m.m21 + m.m31),
            float(double(point.X) * m.m12 + double(point.Y) * m.m22 + m.m32)};
}

TRurGraphicsMatrix MatrixIdentity() { return TRurGraphicsMatrix::Identity(); }

TRurGraphicsMatrix MatrixEmpty() { return {}; }

bool MatrixIsEmpty(const TRurGraphicsMatrix& matrix) { return matrix == MatrixEmpty(); }

TRurGraphicsMatrix MatrixCreateRotation(float angle) { return TRurGraphicsMatrix::CreateRotation(angle); }

TRurGraphicsMatrix MatrixCreateScaling(float scaleX, float scaleY)
{
    return TRurGraphicsMatrix::CreateScaling(scaleX, scaleY);
}

TRurGraphicsMatrix MatrixCreateTranslation(float deltaX, float deltaY)
{
    return TRurGraphicsMatrix::CreateTranslation(deltaX, deltaY);
}

TPointF MatrixMultiplyPoint(TPointF point, const TRurGraphicsMatrix& matrix) { return point * matrix; }

TRurGraphicsMatrix MatrixMultiply(const TRurGraphicsMatrix& a, const TRurGraphicsMatrix& b) { return a * b; }
