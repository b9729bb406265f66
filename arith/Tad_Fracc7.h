// Addition and subtraction of two floating-point numbers with fractional
// mantissas (no implicit bit, no normalization). A fraction of n bits is its
// integer value over D: 2^n in BSS and Exceso, 2^(n-1) in BCS, CA1 and CA2.
//
// The exponents are made equal in two attempts that are never mixed: first
// the mantissa with the smaller exponent is halved all the way up, each
// halving accepted when the halved mantissa, written with n bits, ends in
// '0' (a bit below the last one may still fall off: the result is then cut
// toward zero); if a halving is refused, the other mantissa is doubled all
// the way down instead, each doubling accepted while it stays below 1, in
// the range, and ends in '0'. A sum refuses at once two mantissas that both
// end in '1'.
#pragma once

#include "arith/sistnum7.h"

namespace cifral {

// The value of the first n bits of s as a fraction, as the floating-point
// format values a mantissa without implicit bit (0 with no system).
double valorFraccionario(const std::string& s, int n, int sistema);

// The integer range of the system over D.
Rango rangoFraccionario(TNumberSystem sistema, int n);

// The message of the fractional encoder of a system.
std::string mensajeFraccion(int sistema);

// The n-bit string of a fraction x, given in units of 1/D: its magnitude
// cut toward zero to a whole number of units, and written by the integer
// systems, as a negative number when x < 0. Outside the fractional range
// the system's message and no text; with no system no text and no message.
std::optional<std::string> fraccionASistema(int sistema, int n, const Corte& x, Mensajes& mensajes);

// The result's encoder: a fraction below the system's integer range (which
// only a negative BSS result is) gives "El resultado no cumple el rango de
// mantisa en BSS"; anything else goes to fraccionASistema.
std::optional<std::string> convBinario_F(int sistema, int n, const Corte& x, Mensajes& mensajes);

// The test of a halved or doubled mantissa (in units of 1/D): below 1,
// written by fraccionASistema (whose message it may show), and ending in
// '0'.
bool terminaEnCero(int sistema, int n, const Unidades& x, Mensajes& mensajes);

// The fractional kind of mantissa for the common plan of an operation.
const TipoMantisa& mantisaFraccionaria();

TResultadoOperacion flotantes_conFraccionaria(TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                                              const TOperationDetail& previo);

inline TResultadoOperacion sumar_flotantes_conFraccionaria(const TOperandos& o, const TFormatoSuma& f,
                                                           const TOperationDetail& previo)
{
    return flotantes_conFraccionaria(Suma, o, f, previo);
}

inline TResultadoOperacion restar_flotantes_conFraccionaria(const TOperandos& o, const TFormatoSuma& f,
                                                            const TOperationDetail& previo)
{
    return flotantes_conFraccionaria(Resta, o, f, previo);
}

} // namespace cifral
