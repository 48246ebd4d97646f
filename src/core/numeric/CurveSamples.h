#pragma once
#include <array>
#include <stdexcept>
#include <string>

namespace sloopform {

// The samples of a curve in an array of fixed capacity, so that sampling
// inside the generator's iterations takes nothing from the heap. The capacity
// is a checked limit.
template <typename Point, int Capacity>
class CurveSamples {
public:
    using value_type = Point;

    // Room for `count` samples, to be written through the pointer.
    Point* Resize(int count)
    {
        if (count < 0 || count > Capacity)
            throw std::length_error(std::to_string(count) + " curve samples exceed the capacity of " +
                                    std::to_string(Capacity));
        count_ = count;
        return points_.data();
    }

    const Point* begin() const { return points_.data(); }
    const Point* end() const { return points_.data() + count_; }
    std::size_t size() const { return static_cast<std::size_t>(count_); }
    const Point& operator[](std::size_t i) const { return points_[i]; }
    const Point& front() const { return points_[0]; }

private:
    std::array<Point, Capacity> points_;
    int count_ = 0;
};

}  // namespace sloopform
