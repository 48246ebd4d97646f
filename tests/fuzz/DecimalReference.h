#pragma once
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An independent reading of decimal text, exact in big integers, to judge the
// number-text parser by: which texts are numbers, and the nearest extended and
// 6-byte values of those that are.
namespace sloopform::fuzz {

// A decimal number as written: Digits × 10^Exponent, Digits without leading zeros.
struct DecimalText {
    bool Negative = false;
    std::string Digits;
    long Exponent = 0;
};

// Blanks, an optional sign, digits with an optional point (at least one digit),
// an optional exponent with an optional sign and at least one digit.
inline std::optional<DecimalText> ReadDecimal(std::string_view text)
{
    std::size_t i = 0;
    const auto digit = [&](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));
    };
    while (i < text.size() && text[i] == ' ') ++i;
    DecimalText number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.Negative = text[i++] == '-';
    std::string digits;
    long pointShift = 0;
    for (; digit(i); ++i) digits += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; digit(i); ++i, --pointShift) digits += text[i];
    if (digits.empty()) return std::nullopt;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!digit(i)) return std::nullopt;
        for (; digit(i); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), 100000000L);
        if (negative) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;
    const auto first = digits.find_first_not_of('0');
    number.Digits = first == std::string::npos ? "" : digits.substr(first);
    number.Exponent = exponent + pointShift;
    return number;
}

// Non-negative big integers, 32 bits a word, least significant first.
class BigNumber {
public:
    explicit BigNumber(std::uint32_t value = 0) { if (value) words_.push_back(value); }

    static BigNumber FromDigits(const std::string& digits)
    {
        BigNumber number;
        for (const char d : digits) number.MultiplyAdd(10, static_cast<std::uint32_t>(d - '0'));
        return number;
    }
    static BigNumber PowerOfTen(long exponent)
    {
        BigNumber number(1);
        for (; exponent >= 9; exponent -= 9) number.MultiplyAdd(1000000000u, 0);
        for (; exponent > 0; --exponent) number.MultiplyAdd(10, 0);
        return number;
    }

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t& word : words_) {
            carry += std::uint64_t{word} * factor;
            word = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry) words_.push_back(static_cast<std::uint32_t>(carry));
    }
    BigNumber& operator*=(const BigNumber& other)
    {
        std::vector<std::uint32_t> product(words_.size() + other.words_.size(), 0);
        for (std::size_t i = 0; i < words_.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t k = 0; k < other.words_.size(); ++k) {
                carry += std::uint64_t{words_[i]} * other.words_[k] + product[i + k];
                product[i + k] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
            product[i + other.words_.size()] = static_cast<std::uint32_t>(carry);
        }
        words_ = std::move(product);
        Trim();
        return *this;
    }
    BigNumber Shifted(long bits) const  // left for positive, right for negative
    {
        BigNumber result;
        if (bits >= 0) {
            const std::size_t whole = static_cast<std::size_t>(bits) / 32;
            const unsigned part = static_cast<unsigned>(bits % 32);
            result.words_.assign(words_.size() + whole + 1, 0);
            for (std::size_t i = 0; i < words_.size(); ++i) {
                const std::uint64_t moved = std::uint64_t{words_[i]} << part;
                result.words_[i + whole] |= static_cast<std::uint32_t>(moved);
                result.words_[i + whole + 1] |= static_cast<std::uint32_t>(moved >> 32);
            }
        } else {
            const std::size_t whole = static_cast<std::size_t>(-bits) / 32;
            const unsigned part = static_cast<unsigned>(-bits % 32);
            for (std::size_t i = whole; i < words_.size(); ++i) {
                std::uint64_t pair = words_[i];
                if (i + 1 < words_.size()) pair |= std::uint64_t{words_[i + 1]} << 32;
                result.words_.push_back(static_cast<std::uint32_t>(pair >> part));
            }
        }
        result.Trim();
        return result;
    }
    long BitLength() const
    {
        if (words_.empty()) return 0;
        long bits = static_cast<long>(words_.size() - 1) * 32;
        for (std::uint32_t top = words_.back(); top; top >>= 1) ++bits;
        return bits;
    }
    bool IsZero() const { return words_.empty(); }
    friend int Compare(const BigNumber& a, const BigNumber& b)
    {
        if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
        for (std::size_t i = a.words_.size(); i-- > 0;)
            if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
        return 0;
    }
    BigNumber& operator-=(const BigNumber& other)  // other must not be larger
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            std::int64_t difference = std::int64_t{words_[i]} - borrow -
                                      (i < other.words_.size() ? std::int64_t{other.words_[i]} : 0);
            borrow = difference < 0;
            words_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        Trim();
        return *this;
    }

private:
    void Trim()
    {
        while (!words_.empty() && words_.back() == 0) words_.pop_back();
    }
    std::vector<std::uint32_t> words_;
};

// A positive value as a 64-bit significand with its top bit set: value = Significand × 2^(Exponent − 63).
struct BinaryValue {
    std::uint64_t Significand = 0;
    long Exponent = 0;
    long double Value(bool negative) const
    {
        const long double magnitude = std::ldexp(static_cast<long double>(Significand), static_cast<int>(Exponent - 63));
        return negative ? -magnitude : magnitude;
    }
};

// The nearest 64-bit value to numerator / denominator, an exact half to even,
// as the extended format's correctly rounded reading gives.
inline BinaryValue NearestExtended(const BigNumber& numerator, const BigNumber& denominator)
{
    long shift = 63 - (numerator.BitLength() - denominator.BitLength());
    const auto scaled = [&](long s) { return numerator.Shifted(std::max(s, 0L)); };
    const auto divisor = [&](long s) { return denominator.Shifted(std::max(-s, 0L)); };
    if (Compare(scaled(shift), divisor(shift).Shifted(63)) < 0) ++shift;
    BigNumber remainder = scaled(shift);
    const BigNumber base = divisor(shift);
    BigNumber step = base.Shifted(63);
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit, step = step.Shifted(-1))
        if (Compare(remainder, step) >= 0) {
            remainder -= step;
            quotient |= std::uint64_t{1} << bit;
        }
    BinaryValue nearest{quotient, 63 - shift};
    const int half = Compare(remainder.Shifted(1), base);
    if (half > 0 || (half == 0 && (quotient & 1))) {
        if (++nearest.Significand == 0) {
            nearest.Significand = std::uint64_t{1} << 63;
            ++nearest.Exponent;
        }
    }
    return nearest;
}

// The 6-byte value an extended value stores as: 40 bits, an exact half away
// from zero; below 2^-128 it is 0. Nothing when it is too large to store.
inline std::optional<BinaryValue> NearestReal48(BinaryValue extended)
{
    constexpr int kDropped = 64 - 40;
    std::uint64_t kept = extended.Significand >> kDropped;
    if ((extended.Significand >> (kDropped - 1)) & 1) ++kept;
    if (kept == std::uint64_t{1} << 40) {
        kept >>= 1;
        ++extended.Exponent;
    }
    if (extended.Exponent > 126) return std::nullopt;
    if (extended.Exponent < -128) return BinaryValue{};
    return BinaryValue{kept << kDropped, extended.Exponent};
}

}  // namespace sloopform::fuzz
