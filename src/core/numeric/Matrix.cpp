#include "numeric/Matrix.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "numeric/ArithmeticFault.h"

namespace sloopform {

namespace {

constexpr long double kPivotThreshold = 1e-10L;

void RequireSize(int rows, int cols)
{
    if (rows < 1 || rows > TMatrix::kMaxSize || cols < 1 || cols > TMatrix::kMaxSize)
        throw std::length_error("matrix of " + std::to_string(rows) + " x " + std::to_string(cols) +
                                " outside the 30 x 30 limit");
}

void SwapRows(TMatrix& m, int r1, int r2, int n)
{
    for (int j = 1; j <= n; ++j) std::swap(m(r1, j), m(r2, j));
}

}  // namespace

void TMatrix::Reshape(int rows, int cols)
{
    RequireSize(rows, cols);
    Rows = rows;
    Cols = cols;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) cells_[i * kMaxSize + j] = 0;
}

MatrixPtr NewMatrix(int rows, int cols) { return std::make_unique<TMatrix>(rows, cols); }

bool MatMultiplyInto(const TMatrix& a, const TMatrix& b, TMatrix& c)
{
    if (a.Cols != b.Rows) return false;
    c.Reshape(a.Rows, b.Cols);
    for (int i = 1; i <= a.Rows; ++i) {
        for (int j = 1; j <= b.Cols; ++j) {
            Real48 sum = 0;
            for (int k = 1; k <= a.Cols; ++k) sum = sum + a(i, k) * b(k, j);
            c(i, j) = sum;
        }
    }
    return true;
}

bool MatInverseInto(TMatrix& a, TMatrix& r)
{
    if (a.Rows != a.Cols) return false;
    const int n = a.Rows;
    r.Reshape(n, n);
    for (int i = 1; i <= n; ++i) r(i, i) = 1;

    for (int i = 1; i <= n; ++i) {
        int d = i;
        while (d <= n && std::fabs(static_cast<long double>(a(d, i))) < kPivotThreshold) ++d;
        if (d > n) return false;
        SwapRows(a, d, i, n);
        SwapRows(r, d, i, n);

        const Real48 scale = Divide(1, a(i, i));
        for (int j = 1; j <= n; ++j) {
            a(i, j) = a(i, j) * scale;
            r(i, j) = r(i, j) * scale;
        }
        for (int o = 1; o <= n; ++o) {
            if (o == i) continue;
            const Real48 f = -a(o, i);
            // Adding a zero multiple leaves every 6-byte value as it is (they
            // hold no negative zero): a row without this column's entry, as
            // most rows of a banded fit are, is skipped.
            if (f == 0) continue;
            for (int b = 1; b <= n; ++b) {
                a(o, b) = a(o, b) + a(i, b) * f;
                r(o, b) = r(o, b) + r(i, b) * f;
            }
        }
    }
    return true;
}

bool MatTransposeInto(const TMatrix& a, TMatrix& t)
{
    if (a.Rows != a.Cols) return false;
    t.Reshape(a.Cols, a.Rows);
    for (int i = 1; i <= a.Rows; ++i)
        for (int j = 1; j <= a.Cols; ++j) t(j, i) = a(i, j);
    return true;
}

MatrixPtr MatMultiply(const TMatrix& a, const TMatrix& b)
{
    auto c = std::make_unique<TMatrix>();
    return MatMultiplyInto(a, b, *c) ? std::move(c) : nullptr;
}

MatrixPtr MatInverse(TMatrix& a)
{
    auto r = std::make_unique<TMatrix>();
    return MatInverseInto(a, *r) ? std::move(r) : nullptr;
}

MatrixPtr MatTranspose(const TMatrix& a)
{
    auto t = std::make_unique<TMatrix>();
    return MatTransposeInto(a, *t) ? std::move(t) : nullptr;
}

TQuadratic FitQuadratic(int nPts, const TPointBlock2& points)
{
    Real48 sx = 0, sx2 = 0, sx3 = 0, sx4 = 0, sy = 0, sxy = 0, sx2y = 0;
    for (int i = 1; i <= nPts; ++i) {
        const long double x = points[i].x;
        const long double y = points[i].y;
        sx = sx + x;
        sx2 = sx2 + x * x;
        sx3 = sx3 + x * x * x;
        sx4 = sx4 + x * x * x * x;
        sy = sy + y;
        sxy = sxy + x * y;
        sx2y = sx2y + x * x * y;
    }
    TMatrix m(3, 3);
    const Real48 rows[3][3] = {{sx4, sx3, sx2}, {sx3, sx2, sx}, {sx2, sx, Real48(nPts)}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m(i + 1, j + 1) = rows[i][j];
    TMatrix v(3, 1);
    v(1, 1) = sx2y;
    v(2, 1) = sxy;
    v(3, 1) = sy;

    TMatrix inverse;
    if (!MatInverseInto(m, inverse))
        throw SingularSystem("least-squares parabola through " + std::to_string(nPts) +
                             " points needs three distinct abscissae");
    TMatrix p;
    MatMultiplyInto(inverse, v, p);
    return {p(1, 1), p(2, 1), p(3, 1)};
}

Real48 EvalQuadratic(const TQuadratic& coeffs, long double x)
{
    return ((x * x) * coeffs.a) + x * coeffs.b + coeffs.c;
}

}  // namespace sloopform
