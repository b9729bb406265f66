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
    std::string signo;                 // "0" or "1"
    std::string exponente;             // 8 bits
    std::string fraccion;              // 23 bits, and a blank when bits were cut
    bool cero = false;                 // too small for the 48-bit real: shown as a zero
    std::int32_t exponenteBinario = 0; // e, with 2^e <= number < 2^(e+1)
    double significando = 0;           // number / 2^e, in [1, 2): its fraction gives the 23 bits
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

// ------------------------------------------------------------ a conversion

inline constexpr const char* MensajeIngreseNumero = "Ingrese un número entero o decimal";

enum ModoDecimalIEEE { ModoNinguno = -1, ModoEntero = 0, ModoDecimal = 1 };

// What the window holds when "Convertir" is pressed.
struct EntradaDecimalIEEE {
    int modo = ModoNinguno;
    std::string entero;   // the plain number ("Entero")
    std::string decimal;  // the number times the power of ten ("Decimal")
    std::string potencia; // the power of ten
};

// The outcome of pressing "Convertir", and how far the conversion went: each
// optional is set once its step is done, so a conversion that stops shows
// the steps before it.
struct ConversionDecimalIEEE {
    enum Fin {
        SinModo,    // no mode chosen: nothing happens
        Rechazada,  // MensajeIngreseNumero; "Ver detalle" disabled
        Falla,      // a text that is no number, or a number too large: the fault's message, nothing written
        Cero,       // the fields of a zero
        Convertida, // the fields and the errors
    };
    enum Rechazo { NingunRechazo, Vacio, CaracteresNumero, ComasNumero, CaracteresPotencia, ComasPotencia };

    Fin fin = SinModo;
    Rechazo rechazo = NingunRechazo;
    std::string mensaje;                     // Rechazada and Falla
    bool mensajeAntesDeDeshabilitar = false; // "Decimal" mode shows the message before disabling "Ver detalle"

    int modo = ModoNinguno;
    std::string numero;   // the text read as the number
    std::string potencia; // the power of ten, "Decimal" mode only

    std::optional<Extended> leido;              // the number as read
    double X = 0;                               // its magnitude, as a double
    double S = 0;                               // the number, as a double: its sign
    std::optional<std::int32_t> potenciaEntera; // the power of ten read as an integer, for the logarithm
    std::optional<double> logaritmo;            // log2 of the number times the power of ten
    std::optional<std::int32_t> estimado;       // its floor: the exponent the logarithm gives
    std::optional<Extended> k;                  // the power of ten as a number (0 in "Entero" mode)
    std::optional<Extended> producto;           // X * 10^k, before it is stored in the 48-bit real
    std::optional<CamposIEEE> campos;
    std::optional<ErrorIEEE> error;

    // What the window writes, for Cero and Convertida.
    std::string signo, exponente, fraccion;
    std::optional<std::string> absoluto, relativo; // the error texts, when written
    RealDe48Bits numeroARepresentar, numeroRepresentado;
};

// The conversion as the window makes it on pressing "Convertir". Faults of
// the text conversions and of the 48-bit real are caught and recorded.
ConversionDecimalIEEE convertirDecimalAIEEE(const EntradaDecimalIEEE& entrada);

} // namespace cifral
