#include "ieee/paraIEEE5.h"

#include <cmath>

namespace cifral {

RealDe48Bits::RealDe48Bits(Extended x)
{
    if (std::isnan(x))
        throw Fault(MensajeOperacionInvalida);
    if (std::isinf(x))
        throw Fault(MensajeDesbordamiento);
    if (x == 0)
        return;
    // |x| = significando * 2^(exponente - 64), the significand's top bit set.
    int exponente = 0;
    const Extended m = std::frexp(std::fabs(x), &exponente);
    const auto significando = static_cast<std::uint64_t>(std::ldexp(m, 64));

    std::uint64_t guardados = significando >> 24; // the 40 leading bits
    if (((significando >> 23) & 1u) != 0)
        ++guardados;
    if (guardados == std::uint64_t{1} << 40) { // the carry ran out of the significand
        guardados >>= 1;
        ++exponente;
    }
    // guardados * 2^(exponente - 40) = 1.fraction * 2^(exponente - 1)
    const int campo = exponente - 1 + Sesgo;
    if (campo <= 0)
        return;
    if (campo > 255)
        throw Fault(MensajeDesbordamiento);
    const std::uint64_t fraccion = guardados & ((std::uint64_t{1} << BitsFraccion) - 1);
    bits_ = static_cast<std::uint64_t>(campo) | (fraccion << 8) | (std::uint64_t{x < 0} << 47);
}

Extended RealDe48Bits::valor() const
{
    if (esCero())
        return 0;
    const std::uint64_t significando = (std::uint64_t{1} << BitsFraccion) | fraccion();
    const Extended v = std::ldexp(static_cast<Extended>(significando), campoExponente() - Sesgo - BitsFraccion);
    return negativo() ? -v : v;
}

} // namespace cifral
