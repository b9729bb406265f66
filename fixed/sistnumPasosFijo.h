// The two fixed-point conversions as their windows run them, and their
// working: the texts and messages the binary-to-integer and the
// integer-to-binary windows show, and the steps that lead to them, written by
// the same routines so that the working and the window cannot disagree.
#pragma once

#include "fixed/sistnumA.h"
#include "shell/Trabajo.h"

#include <cstdint>
#include <string>

namespace cifral {

// ------------------------------------------------------- binary to integer

inline constexpr const char* MensajeIngreseOpcion = "Ingrese una opción";

// Every character after the first is '0' (the caller knows the first is '1').
bool sonCeros(const std::string& s);
// Characters 1 to n are all '1'; stops at the first other character.
bool todosUnos(const std::string& s, int n);

// The bit string has exactly n characters, each '0' or '1'.
bool cadenaValida(const std::string& s, int n);
// The message for a bit string that is not valid. n is the length as the
// window reads it: the chosen item plus 2, so 1 when no length is chosen.
std::string mensajeCadenaInvalida(int n);

// The integer of a valid bit string as the window writes it: "-0" for the
// negative zero of BCS ('1' and zeros) and of CA1 (all ones), otherwise the
// value of its system in plain decimal.
std::string textoEntero(TNumberSystem sistema, const std::string& s, int n);

// The working of "Convertir": `sistema` is the radio item (-1 for none),
// `bits` the typed text, n the length as above.
Trabajo trabajoBinarioAEntero(int sistema, const std::string& bits, int n);

// ------------------------------------------------------- integer to binary

inline constexpr const char* MensajeIngreseEntero = "Ingrese un número entero";
inline constexpr const char* MensajeFueraDeRango = "El número no está dentro del rango";
inline constexpr const char* MensajeLongitudInvalida = "Ingrese una longitud de cadena válida";

// Every character a decimal digit, except a '-' in the first place; the
// empty text and "-" alone pass.
bool esNumeroEntero(const std::string& s);
// The typed text is a zero written with a '-' in front ("-0", "-000").
bool esCeroNegativo(const std::string& s, std::int32_t v);
// "No existe el -0 en " and the system, for the systems with a single zero
// or without sign (BSS, CA2, Exceso); empty for BCS and CA1, which write it.
std::string mensajeCeroNegativo(TNumberSystem sistema);
// The bit string the window writes for v with n bits: the system's encoding,
// or its negative zero ('1' and zeros in BCS, all ones in CA1); empty for a
// negative zero the system refuses.
std::string cadenaDeEntero(TNumberSystem sistema, int n, std::int32_t v, bool ceroNegativo);

// The working of "Convertir": `sistema` is the radio item (-1 for none),
// `numero` the typed text, n the chosen length (8, 16 or 32; 0 for none).
Trabajo trabajoEnteroABinario(int sistema, const std::string& numero, int n);

} // namespace cifral
