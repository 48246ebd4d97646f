#include "numeric/SampleLanes.h"

#include <immintrin.h>

#include <cstdint>

#include "numeric/Real48.h"

namespace sloopform {

bool SampleLanesAvailable()
{
    static const bool available = [] {
        __builtin_cpu_init();  // may run before the constructors that would do it
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return available;
}

// Everything below runs only where SampleLanesAvailable().
#pragma GCC push_options
#pragma GCC target("avx2")

namespace {

// A double's 52 fraction bits less the 6-byte real's 39: the bits a store drops.
constexpr int kDroppedBits = 52 - (Real48::kSignificantBits - 1);
constexpr std::int64_t kHalf = std::int64_t{1} << (kDroppedBits - 1);
constexpr std::int64_t kDropped = (std::int64_t{1} << kDroppedBits) - 1;
constexpr std::int64_t kExponentField = 0x7FF0000000000000;
// Biased double exponents of [2^-128, 2^126), where a rounding can neither
// underflow nor carry out of the 6-byte range.
constexpr std::int64_t kLowestExponent = 1023 - 128;
constexpr std::int64_t kExponentSpan = 125 + 128;

// The lanes in the mask `undecided` of sum + weight * point taken again in
// extended precision, and stored; the others as `result` has them.
__attribute__((noinline)) __m256d ExtendedSteps(int undecided, __m256d sum, __m256d weight, __m256d point,
                                                __m256d result)
{
    alignas(32) double sums[4], weights[4], points[4], results[4];
    _mm256_store_pd(sums, sum);
    _mm256_store_pd(weights, weight);
    _mm256_store_pd(points, point);
    _mm256_store_pd(results, result);
    for (int lane = 0; lane < 4; ++lane)
        if ((undecided >> lane) & 1)
            results[lane] = Real48(static_cast<long double>(sums[lane]) +
                                   static_cast<long double>(weights[lane]) * static_cast<long double>(points[lane]))
                                .Value();
    return _mm256_load_pd(results);
}

// sum + weight * point rounded to 6 bytes, four lanes. With h the double
// nearest the exact sum T and the product's exponent at most h's, T and the
// extended sum both lie within one unit of h's last place (T - h is h's own
// rounding error plus the product's, each at most half a unit; the extended
// roundings add at most 2^-10 units). Two units or more from a half-way point of the
// 6-byte grid, all three round to the same 6-byte value: h's bits with half a
// 6-byte step added and the dropped bits cut.
inline __attribute__((always_inline)) __m256d AddProduct(__m256d sum, __m256d weight, __m256d point)
{
    const __m256d product = _mm256_mul_pd(weight, point);
    const __m256d nearest = _mm256_add_pd(sum, product);
    const __m256i bits = _mm256_castpd_si256(nearest);
    const __m256i exponentField = _mm256_set1_epi64x(kExponentField);
    const __m256i exponent = _mm256_and_si256(bits, exponentField);

    const __m256i cancels =
        _mm256_cmpgt_epi64(_mm256_and_si256(_mm256_castpd_si256(product), exponentField), exponent);
    // Dropped bits less one unit below the half: 0, 1 or 2 is too close to decide.
    const __m256i fromHalf = _mm256_sub_epi64(_mm256_and_si256(bits, _mm256_set1_epi64x(kDropped)),
                                              _mm256_set1_epi64x(kHalf - 1));
    const __m256i nearHalf = _mm256_andnot_si256(_mm256_cmpgt_epi64(_mm256_setzero_si256(), fromHalf),
                                                 _mm256_cmpgt_epi64(_mm256_set1_epi64x(3), fromHalf));
    const __m256i biased = _mm256_sub_epi64(_mm256_srli_epi64(exponent, 52), _mm256_set1_epi64x(kLowestExponent));
    const __m256i outOfRange = _mm256_andnot_si256(
        _mm256_cmpeq_epi64(bits, _mm256_setzero_si256()),  // a plain zero stays zero
        _mm256_or_si256(_mm256_cmpgt_epi64(_mm256_setzero_si256(), biased),
                        _mm256_cmpgt_epi64(biased, _mm256_set1_epi64x(kExponentSpan))));

    const __m256i rounded =
        _mm256_andnot_si256(_mm256_set1_epi64x(kDropped), _mm256_add_epi64(bits, _mm256_set1_epi64x(kHalf)));
    const __m256d result = _mm256_castsi256_pd(rounded);
    const int undecided = _mm256_movemask_pd(_mm256_castsi256_pd(_mm256_or_si256(cancels, _mm256_or_si256(nearHalf, outOfRange))));
    if (undecided == 0) return result;

    return ExtendedSteps(undecided, sum, weight, point, result);
}

}  // namespace

template <int kDims>
void SumFourSamples(int steps, const double* weights, const double* coords, double* out)
{
    __m256d sums[kDims];
    for (int c = 0; c < kDims; ++c) sums[c] = _mm256_setzero_pd();
    for (int j = 0; j < steps; ++j) {
        const __m256d weight = _mm256_loadu_pd(weights + 4 * j);
        for (int c = 0; c < kDims; ++c)
            sums[c] = AddProduct(sums[c], weight, _mm256_broadcast_sd(coords + j * kDims + c));
    }
    alignas(32) double lanes[4];
    for (int c = 0; c < kDims; ++c) {
        _mm256_store_pd(lanes, sums[c]);
        for (int lane = 0; lane < 4; ++lane) out[lane * kDims + c] = lanes[lane];
    }
}

template void SumFourSamples<2>(int, const double*, const double*, double*);
template void SumFourSamples<3>(int, const double*, const double*, double*);

#pragma GCC pop_options

}  // namespace sloopform
