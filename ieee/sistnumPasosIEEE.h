// The working of the two IEEE 754 single-precision converters, as a teacher
// writes it on the board. Each working runs the converter's own conversion
// and tells its steps: every figure the window (and its report) writes comes
// from the same routines, written the same way; the intermediate values are
// written exactly.
#pragma once

#include "ieee/sistnum5.h"
#include "shell/TextoDecimal.h"
#include "shell/Trabajo.h"

#include <string>

namespace cifral {

// The exact decimal text of a value held in binary (every finite extended
// value is one): all its digits, ',' as separator, no trailing zeros.
std::string decimalExacto(Extended x);
// The same, but a value below 10^-6 is written as its significant digits
// times a power of ten ("1,401298... × 10^-45"), so its zeros do not hide it.
std::string decimalExactoLegible(Extended x);

// Decimal to IEEE 754: the number read and stored, its sign, the exponent
// and its check, the biased exponent, the fraction bits by doublings, the
// cut, the fields, the represented number and both errors; or the steps up
// to the message that stopped it.
Trabajo trabajoDecimalAIEEE(const EntradaDecimalIEEE& entrada);
Trabajo trabajoDecimalAIEEE(const ConversionDecimalIEEE& conversion);

// IEEE 754 to decimal, from the sign item (1: negative; 0 or none:
// positive) and the texts of the exponent and the fraction: the fields, the
// class of the pattern, the formula, the value, the neighbour and the
// maximum absolute error.
Trabajo trabajoIEEEADecimal(int signo, const std::string& exponente, const std::string& fraccion);

} // namespace cifral
