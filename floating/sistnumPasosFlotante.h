// The working ("Paso a paso") of the two floating-point converters, written
// by the routines that compute what the windows show: every figure a window
// writes after a conversion is in it, as the window writes it, with how it
// was obtained, and the messages in the order the window shows them.
#pragma once

#include "floating/sistnum3.h"
#include "floating/sistnum4.h"
#include "shell/Trabajo.h"

#include <string>

namespace cifral {

// ----------------------------------------------------- Binario a Decimal

// What the floating-point-to-decimal window keeps from its last evaluation
// and uses again: the stored limits (the range of a non-normalized mantissa
// is made from them) and the last value of each kind of mantissa (shown when
// no mantissa system is chosen).
struct TEstado3 {
    TFloatLimits limites;
    double valorEntera = 0.0;
    double valorFraccionaria = 0.0;
};

// The working of one press of "Representar a Decimal" with the layout, the
// two entered texts and the window's state before the press.
Trabajo trabajoBinarioADecimal(const TFloatFormat& formato, const std::string& mantisa, const std::string& exponente,
                               const TEstado3& antes);

// ----------------------------------------------- Decimal a Punto Flotante

// What one press of "Representar a Punto Flotante" reads from the window.
struct TPulsacion4 {
    bool configurado = true; // the number was unlocked
    int n = 0;               // 8 or 16; 0 while the list has no item
    int e = 0;
    std::string numero; // the typed text
    int tipo = SinEleccion;
    int sistemaMantisa = SinEleccion;
    int sistemaExponente = SinEleccion;
    int bitImplicito = SinEleccion; // 0 "SI", 1 "NO"
    // The exponent field before the press: a conversion that writes nothing
    // still rewrites the range when the field holds an exponent.
    std::string exponenteAnterior;
};

Trabajo trabajoDecimalAFlotante(const TPulsacion4& pulsacion);

} // namespace cifral
