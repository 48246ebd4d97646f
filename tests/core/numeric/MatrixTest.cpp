#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "numeric/ArithmeticFault.h"
#include "numeric/Matrix.h"

using namespace sloopform;

namespace {
MatrixPtr Square2(long double a, long double b, long double c, long double d)
{
    auto m = NewMatrix(2, 2);
    (*m)(1, 1) = a;
    (*m)(1, 2) = b;
    (*m)(2, 1) = c;
    (*m)(2, 2) = d;
    return m;
}
}  // namespace

TEST(Matrix, ShapesAreCheckedAndLimited)
{
    EXPECT_EQ(MatMultiply(*NewMatrix(2, 3), *NewMatrix(2, 2)), nullptr);
    const auto product = MatMultiply(*NewMatrix(3, 3), *NewMatrix(3, 1));
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->Rows, 3);
    EXPECT_EQ(product->Cols, 1);
    EXPECT_EQ(MatTranspose(*NewMatrix(2, 3)), nullptr);
    EXPECT_THROW(NewMatrix(31, 2), std::length_error);
    EXPECT_THROW(NewMatrix(0, 2), std::length_error);
    EXPECT_NO_THROW(NewMatrix(30, 30));
    EXPECT_THROW((*NewMatrix(2, 2))(31, 1), std::out_of_range);
}

TEST(Matrix, InverseTakesTheFirstUsablePivot)
{
    auto swap = Square2(0, 1, 1, 0);
    const auto inverse = MatInverse(*swap);
    ASSERT_NE(inverse, nullptr);
    EXPECT_EQ((*inverse)(1, 1), 0.0L);
    EXPECT_EQ((*inverse)(1, 2), 1.0L);
    EXPECT_EQ((*inverse)(2, 1), 1.0L);
    EXPECT_EQ((*inverse)(2, 2), 0.0L);

    // The first row at or above the threshold is used, not the largest.
    auto m = Square2(2, 1, 4, 3);
    const auto inv = MatInverse(*m);
    ASSERT_NE(inv, nullptr);
    EXPECT_NEAR((*inv)(1, 1), 1.5L, 1e-11);
    EXPECT_NEAR((*inv)(1, 2), -0.5L, 1e-11);
    EXPECT_NEAR((*inv)(2, 1), -2.0L, 1e-11);
    EXPECT_NEAR((*inv)(2, 2), 1.0L, 1e-11);
    // The argument is reduced to the identity.
    EXPECT_NEAR((*m)(1, 1), 1.0L, 1e-11);
    EXPECT_NEAR((*m)(2, 1), 0.0L, 1e-11);
}

TEST(Matrix, InverseOfABandedMatrixIsEveryElimination)
{
    // A banded matrix like a curve fit's: rows below the band hold zeros in
    // the pivot's column. The inverse equals, bit for bit, Gauss-Jordan run
    // on every other row, negative zero products included.
    constexpr int n = 9;
    TMatrix banded(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = std::max(1, i - 1); j <= std::min(n, i + 2); ++j)
            banded(i, j) = (i == j ? 2.5L : -0.375L) + 0.01L * i - 0.02L * j;
    TMatrix a = banded, every = banded, inverse, reference(n, n);
    ASSERT_TRUE(MatInverseInto(a, inverse));
    for (int i = 1; i <= n; ++i) reference(i, i) = 1;
    for (int i = 1; i <= n; ++i) {
        const Real48 scale = 1 / static_cast<long double>(every(i, i));
        for (int j = 1; j <= n; ++j) {
            every(i, j) = every(i, j) * scale;
            reference(i, j) = reference(i, j) * scale;
        }
        for (int o = 1; o <= n; ++o) {
            if (o == i) continue;
            const Real48 f = -every(o, i);
            for (int b = 1; b <= n; ++b) {
                every(o, b) = every(o, b) + every(i, b) * f;
                reference(o, b) = reference(o, b) + reference(i, b) * f;
            }
        }
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            EXPECT_EQ(Real48(inverse(i, j)).Pack(), Real48(reference(i, j)).Pack()) << i << ", " << j;
            EXPECT_EQ(Real48(a(i, j)).Pack(), Real48(every(i, j)).Pack()) << i << ", " << j;
        }
}

TEST(Matrix, InverseThresholdIsOneTenToTheMinusTen)
{
    auto tiny = Square2(1e-11, 1, 2e-11, 1);
    EXPECT_EQ(MatInverse(*tiny), nullptr);
    auto atThreshold = Square2(1e-10, 0, 0, 1);
    EXPECT_NE(MatInverse(*atThreshold), nullptr);
    EXPECT_EQ(MatInverse(*NewMatrix(2, 3)), nullptr);
}

TEST(Matrix, QuadraticFitThroughThreePoints)
{
    TPointBlock2 points;
    points[1] = {0, 1};
    points[2] = {1, 2};
    points[3] = {2, 5};
    const TQuadratic q = FitQuadratic(3, points);
    EXPECT_NEAR(q.a, 1.0L, 1e-9);
    EXPECT_NEAR(q.b, 0.0L, 1e-9);
    EXPECT_NEAR(q.c, 1.0L, 1e-9);
    EXPECT_NEAR(EvalQuadratic(q, 3), 10.0L, 1e-8);

    TPointBlock2 twoAbscissae;
    twoAbscissae[1] = {1, 1};
    twoAbscissae[2] = {1, 2};
    twoAbscissae[3] = {2, 5};
    EXPECT_THROW(FitQuadratic(3, twoAbscissae), SingularSystem);
}

TEST(Matrix, ResultsHeldByTheCallerAreTheSameWhateverTheyHeldBefore)
{
    // A 3 x 3 system whose inverse needs a row exchange.
    const long double cells[3][3] = {{0, 2, 1}, {1, 1, 0}, {3, 0, 4}};
    TMatrix a(3, 3);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) a(i, j) = cells[i - 1][j - 1];
    TMatrix copy = a;
    const auto fresh = MatInverse(copy);
    ASSERT_NE(fresh, nullptr);

    // Earlier, larger contents must not leak into the result.
    TMatrix reused(5, 5);
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j) reused(i, j) = 7.25L * i - j;
    copy = a;
    ASSERT_TRUE(MatInverseInto(copy, reused));
    EXPECT_EQ(reused.Rows, 3);
    EXPECT_EQ(reused.Cols, 3);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(reused(i, j).Value(), (*fresh)(i, j).Value()) << i << j;

    TMatrix product(4, 4);
    product(2, 2) = 99;
    ASSERT_TRUE(MatMultiplyInto(a, reused, product));
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) EXPECT_NEAR(product(i, j), i == j ? 1.0L : 0.0L, 1e-10) << i << j;
    TMatrix transposed(4, 4);
    ASSERT_TRUE(MatTransposeInto(a, transposed));
    EXPECT_EQ(transposed(1, 3), 3.0L);
    EXPECT_EQ(transposed(3, 1), 1.0L);
    EXPECT_FALSE(MatMultiplyInto(TMatrix(2, 3), TMatrix(2, 2), product));
    TMatrix notSquare(2, 3);
    EXPECT_FALSE(MatInverseInto(notSquare, product));
    EXPECT_THROW(product.Reshape(31, 1), std::length_error);
}
