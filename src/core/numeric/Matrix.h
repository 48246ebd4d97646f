#pragma once
#include <array>
#include <memory>
#include <stdexcept>

#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

// Dense matrix of 6-byte reals, at most 30 x 30, cells indexed from 1.
struct TMatrix {
    static constexpr int kMaxSize = 30;

    TMatrix() = default;
    // A zeroed rows x cols matrix; sizes outside 1..30 throw.
    TMatrix(int rows, int cols) { Reshape(rows, cols); }
    // Makes this a zeroed rows x cols matrix in place; sizes outside 1..30 throw.
    void Reshape(int rows, int cols);

    int Rows = 0;
    int Cols = 0;

    // Cells outside 1..30 throw. Inline: the curve fits reach every cell
    // this way, many times per run.
    Real48& operator()(int i, int j)
    {
        if (i < 1 || i > kMaxSize || j < 1 || j > kMaxSize) throw std::out_of_range("matrix cell");
        return cells_[(i - 1) * kMaxSize + (j - 1)];
    }
    const Real48& operator()(int i, int j) const { return const_cast<TMatrix&>(*this)(i, j); }

private:
    std::array<Real48, kMaxSize * kMaxSize> cells_{};
};

using MatrixPtr = std::unique_ptr<TMatrix>;

// A zeroed rows x cols matrix; sizes outside 1..30 throw.
MatrixPtr NewMatrix(int rows, int cols);
// Nothing when a.Cols != b.Rows.
MatrixPtr MatMultiply(const TMatrix& a, const TMatrix& b);
// Gauss-Jordan with the first usable pivot (|pivot| >= 1e-10). Nothing when a is
// not square or singular; a is reduced towards the identity in both cases.
MatrixPtr MatInverse(TMatrix& a);
// Nothing unless a is square.
MatrixPtr MatTranspose(const TMatrix& a);

// The same three into a matrix the caller holds, so that the curve fits of
// the generator's iterations take nothing from the heap. Each returns false
// where the one above returns nothing, and then leaves `result` unspecified.
// `result` is never one of the operands.
bool MatMultiplyInto(const TMatrix& a, const TMatrix& b, TMatrix& result);
bool MatInverseInto(TMatrix& a, TMatrix& result);
bool MatTransposeInto(const TMatrix& a, TMatrix& result);

// y = a x^2 + b x + c.
struct TQuadratic {
    Real48 a;
    Real48 b;
    Real48 c;
};

// Least-squares parabola through points 1..nPts; a singular system throws.
TQuadratic FitQuadratic(int nPts, const TPointBlock2& points);
Real48 EvalQuadratic(const TQuadratic& coeffs, long double x);

}  // namespace sloopform
