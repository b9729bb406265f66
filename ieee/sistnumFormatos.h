// Binary interchange formats of any width up to 64 bits: one sign bit, e
// exponent bits (2 to 11) with bias 2^(e-1) - 1 and f fraction bits (1 to
// 52), with the rules of IEEE 754 (subnormal numbers, signed zeros,
// infinities, quiet and signalling NaN).
//
// For a pattern: its class, its exact value written out in full, how it is
// read (the formula with its numbers), its neighbours and its ulp. For a
// decimal text of any length: the pattern it rounds to under each of the
// five rounding rules, with overflow and gradual underflow, and the absolute
// and relative error of that rounding.
//
// Every finite value of such a format is an integer of at most 53 bits
// times a power of two within the range of a double, so a double holds it
// exactly. Decimal-to-binary rounding is MPFR's; exact decimal texts are made
// with GMP integers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cifral {

struct FormatoBinario {
    int bitsExponente = 8;
    int bitsFraccion = 23;

    int ancho() const { return 1 + bitsExponente + bitsFraccion; }
    long sesgo() const { return (1L << (bitsExponente - 1)) - 1; }
    std::uint64_t mascara() const { return ancho() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << ancho()) - 1; }
    std::uint64_t bitSigno() const { return std::uint64_t{1} << (ancho() - 1); }
    std::uint64_t exponenteMaximo() const { return (std::uint64_t{1} << bitsExponente) - 1; }
    bool operator==(const FormatoBinario&) const = default;
};

inline constexpr int BitsExponenteMinimo = 2, BitsExponenteMaximo = 11;
inline constexpr int BitsFraccionMinimo = 1, BitsFraccionMaximo = 52;

inline constexpr FormatoBinario Binary16{5, 10};
inline constexpr FormatoBinario BFloat16{8, 7};
inline constexpr FormatoBinario Binary32{8, 23};
inline constexpr FormatoBinario Binary64{11, 52};

bool formatoValido(FormatoBinario f);

struct CamposBinario {
    unsigned signo = 0;
    std::uint64_t exponente = 0;
    std::uint64_t fraccion = 0;
};

CamposBinario camposDe(FormatoBinario f, std::uint64_t patron);
std::uint64_t armarPatron(FormatoBinario f, unsigned signo, std::uint64_t exponente, std::uint64_t fraccion);

enum class ClaseBinario { Normal, Subnormal, Cero, Infinito, NaNSilencioso, NaNSenalizador };

ClaseBinario claseDe(FormatoBinario f, std::uint64_t patron);
// "Normal", "Subnormal", "Cero", "Infinito", "NaN silencioso", "NaN señalizador".
std::string nombreClase(ClaseBinario c);
inline bool esFinito(ClaseBinario c)
{
    return c == ClaseBinario::Normal || c == ClaseBinario::Subnormal || c == ClaseBinario::Cero;
}

// The value of a pattern that is not NaN; a finite one is exact.
double valorDouble(FormatoBinario f, std::uint64_t patron);

// The weight of bit i of a pattern as the tool tip of its button says it:
// "Signo", "Exponente: 2^3 = 8" or "Fracción: 2^-1 = 0,5" (of the
// significand).
std::string pesoDelBit(FormatoBinario f, int bit);

// Every digit of the exact value, positional, ',' for the decimals, no
// trailing zeros, "-0" for the negative zero; "Infinito", "-Infinito",
// "NaN".
std::string valorExacto(FormatoBinario f, std::uint64_t patron);

// Every digit of ±m × 2^k written the same way: the one exact writer of a
// binary fraction that the workings and the exercises use too.
std::string decimalExactoDeDiadico(bool negativo, std::uint64_t m, long k);

// The class in words and how the pattern is read, with the numbers of its
// formula: "Normal. Se lee (−1)^s × 1,f × 2^(E − sesgo), con E − sesgo =
// 130 − 127 = 3: (−1)^0 × 1,25 × 2^3".
std::string lecturaDe(FormatoBinario f, std::uint64_t patron);

// The neighbouring values: the largest value below and the smallest above
// (the order of the reals with -∞ and +∞; the two zeros have the same
// neighbours). None for NaN, below -∞ and above +∞.
std::optional<std::uint64_t> anteriorDe(FormatoBinario f, std::uint64_t patron);
std::optional<std::uint64_t> siguienteDe(FormatoBinario f, std::uint64_t patron);

// The gap from a finite value to the next one away from zero, exact: the
// spacing of its binade (of the subnormals for a zero or a subnormal). For
// the largest finite value, whose next value is the infinity, the spacing of
// its binade. Empty for an infinity or NaN.
std::string ulpDe(FormatoBinario f, std::uint64_t patron);

// The pattern of a quiet NaN (positive, the first fraction bit set).
std::uint64_t nanSilencioso(FormatoBinario f);

// ----------------------------------------------------------- decimal texts

// A decimal number read from a text: (-1)^negativo × digitos × 10^exponente,
// the digits without leading or trailing zeros (empty for a zero).
struct NumeroDecimal {
    enum Tipo { Finito, Infinito, NoNumero } tipo = Finito;
    bool negativo = false;
    std::string digitos;
    long long exponente = 0;
};

// Reads "[+|-]digits[,digits][(E|e)[+|-]digits]" (at least one digit
// before the exponent, at most 9 in the exponent), or "inf", "-inf", "+inf",
// "nan" (any case); blanks around it are ignored. Without a number, the
// reason in one line is written into `motivo`.
std::optional<NumeroDecimal> leerDecimal(const std::string& texto, std::string& motivo);

enum class Redondeo { CercanoPar, HaciaCero, HaciaMasInfinito, HaciaMenosInfinito, CercanoLejos };
inline constexpr int CantidadRedondeos = 5;
// "Al más cercano, empates al par", "Hacia cero (truncar)", "Hacia +∞",
// "Hacia −∞", "Al más cercano, empates lejos del cero".
std::string nombreRedondeo(Redondeo r);

// An error written out: exact, or rounded to 20 significant digits. Long
// or far-off numbers go in exponent form ("1,5E-400").
struct TextoError {
    std::string texto; // empty when no error applies (NaN)
    bool exacto = true;
};

struct Redondeado {
    std::uint64_t patron = 0;
    bool inexacto = false;
    bool desborde = false;    // a finite number beyond the largest finite value
    bool subdesborde = false; // tiny (below the smallest normal) and inexact
    TextoError absoluto, relativo;
};

// The decimal number rounded into the format under the rule, exactly.
Redondeado redondear(FormatoBinario f, const NumeroDecimal& d, Redondeo r);

} // namespace cifral
