#pragma once
#include <array>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <string>

#include "model/StationOutline.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"
#include "numeric/SamplingBasis.h"

namespace sloopform {

// Samples per control point of a section curve when it is measured.
constexpr int kSectionSamplesPerPoint = 10;

// The samples of a section curve of at most six control points, a station
// outline's; body-plan points: x holds the half-breadth y, y holds the height
// z. Each sample is made when it is first read. The measures walk upwards and
// stop at the design waterline, so the curve above it, which no measure
// reads, is never sampled; a sample is the same whenever it is made.
class SectionSamples {
public:
    static constexpr int kCapacity = kSectionSamplesPerPoint * kStationOutlinePoints;

    // Samples of the curve of `basis` through points[1..]; more than six points throw.
    SectionSamples(const SamplingBasis& basis, const TPointBlock2& points);

    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TPoint2r;
        using difference_type = std::ptrdiff_t;
        using pointer = const TPoint2r*;
        using reference = const TPoint2r&;

        Iterator(const SectionSamples& samples, std::size_t i) : samples_(&samples), i_(i) {}
        const TPoint2r& operator*() const { return (*samples_)[i_]; }
        const TPoint2r* operator->() const { return &(*samples_)[i_]; }
        Iterator& operator++()
        {
            ++i_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return i_ == other.i_; }
        bool operator!=(const Iterator& other) const { return i_ != other.i_; }

    private:
        const SectionSamples* samples_;
        std::size_t i_;
    };

    std::size_t size() const { return static_cast<std::size_t>(basis_->Samples()); }
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }
    const TPoint2r& operator[](std::size_t i) const
    {
        if (i >= made_) MakeUpTo(i);
        return points_[i];
    }

private:
    void MakeUpTo(std::size_t i) const
    {
        if (i >= size())
            throw std::out_of_range("section sample " + std::to_string(i) + " of " + std::to_string(size()));
        made_ = static_cast<std::size_t>(
            basis_->SampleFrom(static_cast<int>(made_), static_cast<int>(i) + 1, ctrl_.data(), points_.data()));
    }

    const SamplingBasis* basis_;
    std::array<TPoint2r, kStationOutlinePoints> ctrl_;
    mutable std::array<TPoint2r, kCapacity> points_;
    mutable std::size_t made_ = 0;
};

using SimpsonOrdinates = std::array<Real48, 11>;

// The section curve (y = half-breadth, z = height) sampled 10 times per control
// point by the common sampling rule; the control points are used as they are.
// More than six control points throw.
SectionSamples SampleSection(int nPts, int order, const TPointBlock2& points);

// Half-breadth where the curve first climbs through height z; 0 when it never does.
Real48 SectionHalfBreadthAt(const SectionSamples& samples, Real48 z);
// Area between the curve and the centre plane from zLo to zHi, one side.
Real48 SectionHalfArea(const SectionSamples& samples, Real48 zLo, Real48 zHi);
// Height of the centroid of that area.
Real48 SectionCentroid(const SectionSamples& samples, Real48 zLo, Real48 zHi);

// The same measures straight from a control polygon.
Real48 SectionHalfBreadthAt(int nPts, int order, const TPointBlock2& points, Real48 z);
Real48 SectionHalfArea(int nPts, int order, const TPointBlock2& points, Real48 zLo, Real48 zHi);
Real48 SectionCentroid(int nPts, int order, const TPointBlock2& points, Real48 zLo, Real48 zHi);

// Simpson's first rule over ten intervals of the given spacing.
Real48 Simpson11(const SimpsonOrdinates& y, Real48 spacing);

}  // namespace sloopform
