#pragma once
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace sloopform {

// A fixed-capacity array indexed from 1. The capacity is a checked limit: an
// index outside 1..N throws instead of reaching past the storage.
template <typename T, std::size_t N>
class OneBased {
public:
    static constexpr int kCapacity = static_cast<int>(N);

    T& operator[](int i) { return items_[Checked(i)]; }
    const T& operator[](int i) const { return items_[Checked(i)]; }
    static constexpr int Capacity() { return kCapacity; }

    // Throws unless `count` items fit.
    static void RequireFits(int count, const char* what)
    {
        if (count < 0 || count > kCapacity)
            throw std::length_error(std::string(what) + ": " + std::to_string(count) +
                                    " exceeds the capacity of " + std::to_string(kCapacity));
    }

private:
    static std::size_t Checked(int i)
    {
        if (i < 1 || i > kCapacity)
            throw std::out_of_range("index " + std::to_string(i) + " outside 1.." +
                                    std::to_string(kCapacity));
        return static_cast<std::size_t>(i - 1);
    }

    std::array<T, N> items_{};
};

}  // namespace sloopform
