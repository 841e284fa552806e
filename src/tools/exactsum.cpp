#include "exactsum.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <span>
#include <stdexcept>

namespace suite::tools {

namespace {

using Digits = std::vector<std::uint32_t>;

// digits · factor, the factor given by its two 32-bit halves.
template <std::size_t N>
void MultiplyBy(std::array<std::uint32_t, N>& digits, std::uint64_t factor)
{
    const std::uint32_t halves[2] = {static_cast<std::uint32_t>(factor), static_cast<std::uint32_t>(factor >> 32)};
    std::array<std::uint32_t, N> product{};
    for (int j = 0; j < 2; ++j) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i + j < N; ++i) {
            const std::uint64_t t = std::uint64_t(digits[i]) * halves[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
    }
    digits = product;
}

// sum += digits · 2^shift.
template <std::size_t N>
void AddShifted(Digits& sum, const std::array<std::uint32_t, N>& digits, int shift)
{
    const std::size_t word = static_cast<std::size_t>(shift / 32);
    const int bit = shift % 32;
    std::uint64_t carry = 0;
    std::size_t i = word;
    for (std::size_t k = 0; k <= N; ++k, ++i) {
        const std::uint64_t low = k < N ? std::uint64_t(digits[k]) << bit : 0;
        const std::uint64_t high = (k > 0 && bit > 0) ? std::uint64_t(digits[k - 1]) >> (32 - bit) : 0;
        const std::uint64_t t = std::uint64_t(sum[i]) + static_cast<std::uint32_t>(low | high) + carry;
        sum[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    for (; carry != 0; ++i) {
        const std::uint64_t t = std::uint64_t(sum[i]) + carry;
        sum[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
}

// Which is larger: 1, 0 or -1.
int Compare(const Digits& a, const Digits& b)
{
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i]) return a[i] > b[i] ? 1 : -1;
    return 0;
}

// a -= b, for a ≥ b.
void Subtract(Digits& a, const Digits& b)
{
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::int64_t t = std::int64_t(a[i]) - b[i] - borrow;
        borrow = t < 0;
        a[i] = static_cast<std::uint32_t>(t + (borrow << 32));
    }
}

// Bits from .. from + 63 of a whole number.
std::uint64_t BitsFrom(const Digits& d, int from)
{
    const std::size_t word = static_cast<std::size_t>(from / 32);
    const int bit = from % 32;
    auto at = [&](std::size_t i) { return i < d.size() ? std::uint64_t(d[i]) : 0; };
    const std::uint64_t low = at(word) | (at(word + 1) << 32);
    return bit == 0 ? low : (low >> bit) | (at(word + 2) << (64 - bit));
}

}  // namespace

ExactSum& ExactSum::Add(std::initializer_list<WideDouble> factors, int k)
{
    // Checked in every build: past these bounds a term would not fit its digits or its slot.
    if (factors.size() > 3 || std::abs(k) >= (1 << 16)) throw std::length_error("ExactSum: term too wide");
    Term t;
    t.digits[0] = static_cast<std::uint32_t>(std::abs(k));
    t.negative = k < 0;
    for (const WideDouble& x : factors) {
        if (!std::isfinite(x.m)) throw std::domain_error("ExactSum: factor not finite");
        if (x.IsZero()) return *this;
        MultiplyBy(t.digits, static_cast<std::uint64_t>(std::ldexp(std::fabs(x.m), 53)));
        t.exponent += x.e - 53;
        t.negative = t.negative != (x.m < 0);
    }
    if (k == 0) return *this;
    if (count_ == terms_.size()) throw std::length_error("ExactSum: more terms than it holds");
    terms_[count_++] = t;
    return *this;
}

ExactSum::Whole ExactSum::Reduce() const
{
    Whole w;
    if (count_ == 0) return w;
    const auto terms = std::span(terms_).first(count_);
    std::int64_t lowest = terms.front().exponent;
    std::int64_t highest = lowest;
    for (const Term& t : terms) {
        lowest = std::min(lowest, t.exponent);
        highest = std::max(highest, t.exponent);
    }
    // Room for the widest term at the highest place and for the carries of all of them.
    const std::size_t size = static_cast<std::size_t>((highest - lowest) / 32) + 6 + 2;
    Digits positive(size), negative(size);
    for (const Term& t : terms)
        AddShifted(t.negative ? negative : positive, t.digits, static_cast<int>(t.exponent - lowest));
    w.exponent = lowest;
    w.sign = Compare(positive, negative);
    if (w.sign < 0) {
        Subtract(negative, positive);
        w.digits = std::move(negative);
    } else {
        Subtract(positive, negative);
        w.digits = std::move(positive);
    }
    return w;
}

int ExactSum::Sign() const { return Reduce().sign; }

WideDouble ExactSum::Value() const
{
    const Whole w = Reduce();
    if (w.sign == 0) return {};
    std::size_t highest = w.digits.size() - 1;
    while (w.digits[highest] == 0) --highest;
    const int top = static_cast<int>(highest) * 32 + std::bit_width(w.digits[highest]) - 1;
    // The 64 bits from the highest one down, with a last bit standing for any below them:
    // the conversion to double then rounds as the whole number would.
    const int from = std::max(0, top - 63);
    std::uint64_t head = BitsFrom(w.digits, from);
    const std::size_t word = static_cast<std::size_t>(from / 32);
    bool below = (w.digits[word] & ((std::uint32_t(1) << (from % 32)) - 1)) != 0;
    for (std::size_t i = 0; i < word && !below; ++i) below = w.digits[i] != 0;
    if (below) head |= 1;
    const double m = static_cast<double>(head);
    return WideDouble::Of(w.sign < 0 ? -m : m, w.exponent + from);
}

}  // namespace suite::tools
