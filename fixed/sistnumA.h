// The five integer number systems for bit strings of n bits (1 <= n <= 32):
// validity tests, the value of a bit string, the encoding of an integer, and
// the range and limits of each system.
//
// Bit strings are texts of '0' and '1', most significant bit first. The
// routines take them by value, so a routine that clears the sign bit for its
// computation never touches the caller's text.
#pragma once

#include <cstdint>
#include <string>

namespace cifral {

// The order is the order of the radio items of every window.
enum TNumberSystem { BSS = 0, BCS = 1, CA1 = 2, CA2 = 3, Exceso = 4 };

// "BSS", "BCS", "CA1", "CA2" or "Exceso"; the empty text for any other index
// (no system chosen).
std::string nombreSistema(int sistema);
// An item index that names one of the five systems (not "none chosen").
bool esSistema(int sistema);

bool longitudCorrecta(const std::string& s, int n);
// Characters 1..n are all '0' or '1' (n <= length of s).
bool esBinario(const std::string& s, int n);
bool todosCeros(const std::string& s, int n);
// 2^k in 32-bit arithmetic by doubling; 2^31 reads as -2147483648.
std::int32_t potencia2(int k);

double valorBSS(std::string s, int n);
double valorBCS(std::string s, int n);
double valorCA1(std::string s, int n);
double valorCA2(std::string s, int n);
double valorExceso(std::string s, int n);
double valorSistema(TNumberSystem sistema, const std::string& s, int n);

std::string convertir_A_BSS(int n, std::int32_t v);
std::string convertir_A_BCS(int n, std::int32_t v);
std::string convertir_A_CA1(int n, std::int32_t v, bool negativo);
std::string convertir_A_CA2(int n, std::int32_t v, bool negativo);
std::string convertir_A_Exceso(int n, std::int32_t v);
// The encoding of v by the routine of its system. `negativo` tells CA1 and
// CA2 that a negative number is written (a zero written as negative is CA1's
// negative zero; CA2 has a single zero); the other systems ignore it. The
// empty text for any other system.
std::string convertir_A_Sistema(TNumberSystem sistema, int n, std::int32_t v, bool negativo);

struct Rango {
    double desde;
    double hasta;
};
Rango rango(TNumberSystem sistema, int n);

// A limit that does not exist (the negative limits of BSS) is a NaN.
double minimoNegativo(TNumberSystem sistema, int n);
double maximoNegativo(TNumberSystem sistema, int n);
double minimoPositivo(TNumberSystem sistema, int n);
double maximoPositivo(TNumberSystem sistema, int n);
bool existenNegativos(TNumberSystem sistema);

bool representable(TNumberSystem sistema, int n, std::int64_t v);

// The texts of the range and the four limits, as both fixed-point windows
// show them: plain integers, "-0" for the negative zero of BCS and CA1, and
// "No existe" for the negative limits of BSS.
struct TextosLimites {
    std::string desde;
    std::string hasta;
    std::string minimoNegativo;
    std::string maximoNegativo;
    std::string minimoPositivo;
    std::string maximoPositivo;
};
TextosLimites textosLimites(TNumberSystem sistema, int n);

inline constexpr const char* TextoNoExiste = "No existe";

} // namespace cifral
