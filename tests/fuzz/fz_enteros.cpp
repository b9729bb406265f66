// The five integer systems both ways, for every length from 1 to 32 bits:
// the value of every bit string, the encoding of every integer in range
// (integer -> bits -> integer is the identity), the range, the four limits
// and their texts, and the refusal of what is out of range.
//
// Input, from the end: the system, the length, how the integer is drawn,
// the integer, and the bits of a string.
#include "Oraculo.h"

#include "fixed/sistnumA.h"

#include <cstdint>

using namespace oraculo;

namespace {

std::string nombre(int sistema, int n)
{
    return cifral::nombreSistema(sistema) + " n=" + std::to_string(n);
}

std::string entero(std::int64_t v)
{
    return std::to_string(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    FuzzedDataProvider p(datos, tamano);
    const int sistema = p.ConsumeIntegralInRange(0, 4);
    const int n = p.ConsumeIntegralInRange(1, 32);
    const auto s = static_cast<cifral::TNumberSystem>(sistema);
    const std::int64_t lo = desde(sistema, n), hi = hasta(sistema, n);

    // An integer near the ends of the range, near zero, or any of 32 bits.
    std::int64_t v = 0;
    switch (p.ConsumeIntegralInRange(0, 3)) {
    case 0:
        v = lo + p.ConsumeIntegralInRange<std::int64_t>(-3, 3);
        break;
    case 1:
        v = hi + p.ConsumeIntegralInRange<std::int64_t>(-3, 3);
        break;
    case 2:
        v = p.ConsumeIntegralInRange<std::int64_t>(-3, 3);
        break;
    default:
        v = p.ConsumeIntegral<std::int32_t>();
        break;
    }
    const std::string donde = nombre(sistema, n) + " v=" + entero(v);

    // Range and limits: the table of the systems.
    const cifral::Rango r = cifral::rango(s, n);
    EXIGIR(r.desde == static_cast<double>(lo) && r.hasta == static_cast<double>(hi), donde + ": rango");
    EXIGIR(cifral::maximoPositivo(s, n) == static_cast<double>(hi), donde + ": maximoPositivo");
    EXIGIR(cifral::minimoPositivo(s, n) == 0, donde + ": minimoPositivo");
    const cifral::TextosLimites t = cifral::textosLimites(s, n);
    EXIGIR(t.desde == entero(lo) && t.hasta == entero(hi) && t.maximoPositivo == entero(hi) && t.minimoPositivo == "0",
           donde + ": textos " + t.desde + " " + t.hasta);
    if (sistema == BSS) {
        EXIGIR(std::isnan(cifral::minimoNegativo(s, n)) && std::isnan(cifral::maximoNegativo(s, n)), donde);
        EXIGIR(t.minimoNegativo == "No existe" && t.maximoNegativo == "No existe", donde);
    } else {
        const bool dosCeros = sistema == BCS || sistema == CA1;
        const double minNeg = cifral::minimoNegativo(s, n);
        EXIGIR(cifral::maximoNegativo(s, n) == static_cast<double>(lo), donde + ": maximoNegativo");
        EXIGIR(dosCeros ? (minNeg == 0 && std::signbit(minNeg)) : minNeg == -1, donde + ": minimoNegativo");
        EXIGIR(t.maximoNegativo == entero(lo) && t.minimoNegativo == (dosCeros ? "-0" : "-1"),
               donde + ": textos " + t.minimoNegativo + " " + t.maximoNegativo);
    }

    // Integer -> bits -> integer. Out of range the test refuses it: no
    // integer is wrapped into the range.
    const bool dentro = lo <= v && v <= hi;
    EXIGIR(cifral::representable(s, n, v) == dentro, donde + ": representable");
    // No encoder shortens its result, in range or not.
    for (bool negativo : {false, true})
        EXIGIR(cifral::convertir_A_Sistema(s, n, static_cast<std::int32_t>(v), negativo).size() >=
                   static_cast<std::size_t>(n),
               donde + ": más corto que n");
    if (dentro) {
        for (bool negativo : {v < 0, v <= 0}) {
            const std::string bits = cifral::convertir_A_Sistema(s, n, static_cast<std::int32_t>(v), negativo);
            EXIGIR(binarioDe(bits, static_cast<std::size_t>(n)), donde + " se escribe '" + bits + "'");
            bool menosCero = false;
            EXIGIR(valorEntero(sistema, bits, n, &menosCero) == v, donde + " se escribe '" + bits + "'");
            // A zero written as negative is the negative zero of CA1 (all
            // ones); the other systems write their plain zero.
            if (v == 0)
                EXIGIR(menosCero == (negativo && sistema == CA1), donde + " se escribe '" + bits + "'");
            EXIGIR(cifral::valorSistema(s, bits, n) == static_cast<double>(v), donde + ": '" + bits + "' se lee");
        }
    }

    // Bits -> integer for any string: the value by the definitions, the
    // negative zero of BCS as -0 and that of CA1 as +0.
    const std::string bits = bitsAlAzar(p, n);
    bool menosCero = false;
    const std::int64_t valor = valorEntero(sistema, bits, n, &menosCero);
    const double leido = cifral::valorSistema(s, bits, n);
    EXIGIR(leido == static_cast<double>(valor), nombre(sistema, n) + ": '" + bits + "' vale " + entero(valor));
    EXIGIR(std::signbit(leido) == (valor < 0 || (menosCero && sistema == BCS)),
           nombre(sistema, n) + ": signo de '" + bits + "'");
    EXIGIR(cifral::representable(s, n, valor), nombre(sistema, n) + ": '" + bits + "' fuera de rango");
    EXIGIR(cifral::esBinario(bits, n) && cifral::longitudCorrecta(bits, n), nombre(sistema, n) + ": '" + bits + "'");
    // Written back, the value gives the same bits, except for the zeros of
    // BCS and CA1, which each system writes one way.
    if (!(menosCero || (valor == 0 && (sistema == BCS || sistema == CA1)))) {
        const std::string otra = cifral::convertir_A_Sistema(s, n, static_cast<std::int32_t>(valor), valor < 0);
        EXIGIR(otra == bits, nombre(sistema, n) + ": '" + bits + "' se escribe '" + otra + "'");
    }
    return 0;
}
