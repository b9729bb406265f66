// The 48-bit real in which the decimal-to-IEEE converter keeps the number to
// represent and the number represented: 1 sign bit, an 8-bit exponent with
// bias 129 and a 39-bit fraction behind a hidden 1, so 40 significant bits.
// An exponent field of 0 is the value 0.
//
// Storing an extended value keeps the 40 leading bits of its 64-bit
// significand and adds one unit in the last kept place when the first
// dropped bit is 1 (half away from zero, looking at that bit alone); a carry
// out of the significand raises the exponent. What falls to an exponent
// field of 0 or below is stored as 0; from 2^127 up (after the rounding) the
// value does not fit and storing it is the fault "Floating point overflow".
// Reading the value back is exact.
#pragma once

#include "shell/TextoDecimal.h"

#include <cstdint>

namespace cifral {

class RealDe48Bits {
public:
    static constexpr int Sesgo = 129;
    static constexpr int BitsFraccion = 39;

    RealDe48Bits() = default; // 0

    // Throws Fault (MensajeDesbordamiento) for a magnitude that does not
    // fit and for an infinity, Fault (MensajeOperacionInvalida) for a NaN.
    explicit RealDe48Bits(Extended x);

    Extended valor() const;

    bool esCero() const { return campoExponente() == 0; }
    bool negativo() const { return ((bits_ >> 47) & 1u) != 0; }
    int campoExponente() const { return static_cast<int>(bits_ & 0xFFu); }
    std::uint64_t fraccion() const { return (bits_ >> 8) & ((std::uint64_t{1} << BitsFraccion) - 1); }

    // The six bytes as one number: exponent in bits 0..7, fraction in bits
    // 8..46, sign in bit 47.
    std::uint64_t bits() const { return bits_; }

    friend bool operator==(const RealDe48Bits&, const RealDe48Bits&) = default;

private:
    std::uint64_t bits_ = 0;
};

} // namespace cifral
