// Decimal to IEEE 754 single precision: the checks of the typed text, the
// exponent through logarithms, the fields of sign, exponent and fraction, and
// the error of the representation.
//
// Texts are read from character 1 to character n; the callers pass their
// lengths.
#pragma once

#include "ieee/paraIEEE5.h"
#include "shell/TextoDecimal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace cifral {

// Every one of characters 1..n is a decimal digit, ',' or '-', in any place
// and any number.
bool caracteresValidos(const std::string& s, int n);
int contarComas(const std::string& s, int n);

// The unsigned-binary value of characters 1..n, as a 32-bit integer (a text
// longer than 32 bits keeps the low 32 bits of the sum).
std::int32_t valorBSSEntero(const std::string& s, int n);

// bitImplicito (0 or 1) plus 2^-i for every position i = 1..23 holding '1'.
double valorMantisa(const std::string& s, int bitImplicito);

// log2(x) through decimal logarithms, and log2(x * 10^k).
double logaritmo2(double x);
double log2ConPotencia(double x, std::int32_t k);

// The greatest integer not above x. A value outside the 32-bit range is the
// fault "Invalid floating point operation".
std::int32_t piso(double x);

Extended porPotenciaDe10(double x, Extended k);
double potenciaDe2(std::int32_t e);

// The exponent with the bias 127 of single precision.
std::int32_t sesgar(std::int32_t e);

// The exponent that makes 2^e <= numero < 2^(e+1), starting from the one
// the logarithms gave. A logarithm rounded near a whole number (a power of
// two, a number just below one, a product with a power of ten) lands one
// below or above; the powers of two compared here are exact. numero > 0.
std::int32_t exponenteBinario(std::int32_t estimado, Extended numero);

// The 23 bits of the fraction of m (m >= 0; the window passes m in [1, 2)),
// cut, never rounded; when the fraction has more bits, a blank follows the
// 23rd.
std::string fraccionABinario(double m);

// E in binary, left-padded with '0' to 8 characters; never shortened.
std::string exponenteABinario(std::int32_t E);

// s with characters 1..n turned to '0' (lengthened to n when shorter).
std::string ponerCeros(std::string s, int n);

// The fields of a number that is not zero, and the number to represent as
// the 48-bit real keeps it: x is the magnitude typed, k the power of ten,
// estimado the exponent the logarithm gave. Storing the number may be the
// overflow fault.
struct CamposIEEE {
    RealDe48Bits numeroARepresentar;
    std::int32_t exponenteSesgado = 0;
    std::string signo;     // "0" or "1"
    std::string exponente; // 8 bits
    std::string fraccion;  // 23 bits, and a blank when bits were cut
    bool cero = false;     // too small for the 48-bit real: shown as a zero
};
CamposIEEE camposIEEE(double x, double s, Extended k, std::int32_t estimado);

// The number the fields stand for and the error against the number to
// represent; nothing when the exponent field is 0 or 255 (no normal number).
struct ErrorIEEE {
    RealDe48Bits numeroRepresentado;
    double absoluto = 0;
    double relativo = 0;
};
std::optional<ErrorIEEE> errorIEEE(const std::string& exponente, const std::string& fraccion,
                                   std::int32_t exponenteSesgado, const RealDe48Bits& numeroARepresentar);

// How the window writes both errors: at most 10 significant digits, with 18
// decimals.
std::string textoError(double error);

} // namespace cifral
