// Decimal text of numbers: how every value is written and read.
//
// Values are carried in the 80-bit extended type. Every written number goes
// through a digit record of at most 18 significant digits; the decimal
// separator is always ','.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace cifral {

using Extended = long double;

inline constexpr char SeparadorDecimal = ',';

// A conversion failure or an arithmetic fault. Its message is the text the
// user sees in the message box; the window handler boundary shows it and ends
// the handler.
class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Messages of the faults.
std::string mensajeFloatInvalido(const std::string& texto);
std::string mensajeIntInvalido(const std::string& texto);
inline constexpr const char* MensajeDivisionFlotantePorCero = "Floating point division by zero";
inline constexpr const char* MensajeOperacionInvalida = "Invalid floating point operation";
inline constexpr const char* MensajeDesbordamiento = "Floating point overflow";
inline constexpr const char* MensajeDivisionPorCero = "Division by zero";

enum TFloatTextFormat { ffGeneral, ffExponent, ffFixed };

// The digit record of a value: sign, decimal exponent E (digits before the
// decimal point) and up to 18 significant digits without trailing zeros.
struct RegistroDecimal {
    enum Clase { Finito, Infinito, NoNumero };
    Clase clase = Finito;
    bool negativo = false;
    int exponente = 0;
    std::string digitos; // empty for zero
};

// The exact 18 significant digits of x, rounded to nearest with ties to
// even, and E. Zero (and an extended denormal) gives no digits and E = 0.
RegistroDecimal registroExacto(Extended x);

// The record kept for printing: the exact 18 digits rounded again to N digits
// (N = precision, or E + decimales when decimales >= 0, at most precision),
// with trailing zeros removed.
RegistroDecimal registroDecimal(Extended x, int precision, int decimales = -1);

std::string FloatToStr(Extended x);
std::string FloatToStrF(Extended x, TFloatTextFormat formato, int precision, int digitos);

// Reads a decimal text; throws Fault when it is not one.
Extended StrToFloat(const std::string& texto);

std::string IntToStr(std::int64_t n);
// Reads a 32-bit signed integer; throws Fault when it is not one.
std::int32_t StrToInt(const std::string& texto);

Extended Power(Extended base, Extended exponente);
Extended Log10(Extended x);

} // namespace cifral
