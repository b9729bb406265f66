// The layout of a floating-point number: a mantissa and an exponent, each a
// bit string in one of the five integer systems. The value of a mantissa and
// of an exponent, the checks on the entered bit strings, the ten limits of a
// layout and the eight range and resolution texts made from them.
//
// The number a pair stands for is M * 2^E; the windows show M and E side by
// side and never form the product. Integer values come from the integer
// systems (exact for up to 17 bits); fractions and limits are quotients of
// powers of two computed in extended precision and stored as doubles, all
// exact.
#pragma once

#include "fixed/sistnumA.h"
#include "shell/TextoDecimal.h"

#include <string>

namespace cifral {

// An item index of a list or radio group that has no item chosen.
inline constexpr int SinEleccion = -1;

// The order is the order of the items "Entera", "Fraccionaria".
enum TMantissaKind { Entera = 0, Fraccionaria = 1 };

// The order is the order of the items "SI", "NO" of the implicit-bit list.
enum TBitImplicito { ConBitImplicito = 0, SinBitImplicito = 1 };

// The layout as a window's controls give it. A kind, a system or the
// implicit bit is an item index or SinEleccion; a length is a number of bits
// (longitudDeItem of the list's item), which no text length equals while the
// list has no item.
struct TFloatFormat {
    int tipoMantisa = SinEleccion;       // TMantissaKind
    int longitudMantisa = SinEleccion;   // n
    int sistemaMantisa = SinEleccion;    // TNumberSystem
    int bitImplicito = SinEleccion;      // TBitImplicito; ignored for Entera
    int longitudExponente = SinEleccion; // m
    int sistemaExponente = SinEleccion;  // TNumberSystem
};

// Item i of a length list ("2 Bits" ... "16 Bits") is i + 2 bits; an item
// outside 0..14 (none chosen) gives -1, which no text length can equal.
int longitudDeItem(int item);

// A fractional mantissa with "SI" in the implicit-bit list.
bool usaBitImplicito(const TFloatFormat& formato);
// n', the length a mantissa is valued and bounded with: n, plus one for the
// implicit bit.
int longitudEfectiva(const TFloatFormat& formato);

// The ten limits of a layout. The eight mantissa limits depend on the kind,
// the length and the system of the mantissa, the last two on the exponent.
// "Máximo" and "mínimo" of a negative limit refer to its magnitude.
struct TFloatLimits {
    double manMaxPos = 0.0;
    double manMinPos = 0.0;
    double manMaxNeg = 0.0; // ManMaxNegNoExiste for a system without negatives
    double manMinNeg = 0.0;
    double manAntMaxPos = 0.0;
    double manSigMinPos = 0.0;
    double manSigMaxNeg = 0.0;
    double manAntMinNeg = 0.0;
    double expMax = 0.0;
    double expMin = 0.0;
};

// manMaxNeg of a BSS mantissa, which has no negative values. The other three
// negative limits of BSS hold the placeholders -1, -10 and -10, which the
// report writes (in white) but no window shows.
inline constexpr double ManMaxNegNoExiste = -999.0;

// Checks on the entered bits, in the order the window makes them: both
// lengths (the exponent only when the mantissa passes), then the digits.
enum TControlBits { BitsCorrectos, LongitudIncorrecta, DigitoNoBinario };
TControlBits controlarBits(const std::string& mantisa, int n, const std::string& exponente, int m);

// A fractional mantissa is normalized when, on its n stored bits (before the
// implicit bit is added), the first bit is '1' in BSS and the second bit is
// '1' in the other four systems (a text without a second bit passes). With no
// system chosen (an index outside 0..4) no mantissa passes.
bool mantisaNormalizada(const std::string& bits, int sistema);

// The bit strings below hold exactly n (or m) characters '0' and '1'. A
// negative zero (BCS '1' and zeros, CA1 all ones) is valued as a plain 0:
// showing it as "-0" is the window's task.

// The value of an integer mantissa: its integer value in the system.
double manent(const std::string& bits, int n, TNumberSystem sistema);

// The n + 1 bits of a mantissa with its implicit bit: "1" in front of a BSS
// mantissa, and after the first (sign) bit in the other systems.
std::string conBitImplicito(const std::string& bits, TNumberSystem sistema);

// The divisor D of a fraction of n bits as a power of two, D = 2^k: k is n
// for BSS and Exceso and n - 1 for BCS, CA1 and CA2.
int escalaDeFraccion(TNumberSystem sistema, int n);

// The value of a fractional mantissa: the integer value of its n' bits over
// 2^n' (BSS and Exceso) or 2^(n'-1) (BCS, CA1, CA2); an excess fraction thus
// lies in [-0.5, 0.5). n becomes n', so that the caller bounds the mantissa
// with the same length.
double mantFracc(const std::string& bits, int& n, TNumberSystem sistema, bool implicito);

// The value of the exponent: its integer value in the system.
double expo(const std::string& bits, int m, TNumberSystem sistema);

// The text a window shows for an integer mantissa or an exponent whose value
// it wrote as `texto`: in BCS and CA1 a string of zeros reads "0" and the
// negative zero ('1' and zeros in BCS, all ones in CA1) "-0"; every other
// string, and every other system (SinEleccion too), keeps `texto`.
std::string textoConCeroNegativo(const std::string& texto, int sistema, const std::string& bits);

// The eight mantissa limits of an integer mantissa of n bits. For BCS and CA1
// manMinNeg holds the magnitude +1; manAntMinNeg is 0 for every signed system.
void minMaxEnt(int n, TNumberSystem sistema, TFloatLimits& limites);

// The eight mantissa limits of a fractional mantissa of n' bits. CA2 and
// Exceso take -2^-(n'-1) and -2^-n' as their largest and smallest negative
// limits; Exceso is bounded like CA2 although its values lie in [-0.5, 0.5).
void minMaxFracc(int nPrima, TNumberSystem sistema, TFloatLimits& limites);

// expMax and expMin of an exponent of m bits.
void calcExp(int m, TNumberSystem sistema, TFloatLimits& limites);

// The texts of the range box, one per label.
struct TTextosRango {
    std::string resolucionMinimaPositiva;
    std::string resolucionMaximaPositiva;
    std::string numeroMaximoPositivo;
    std::string numeroMinimoPositivo;
    std::string numeroMinimoNegativo;
    std::string numeroMaximoNegativo;
    std::string resolucionMinimaNegativa;
    std::string resolucionMaximaNegativa;
};

// "F * (2^X)" with F and X written by FloatToStr.
std::string textoPotencia2(double factor, double exponente);

// The eight texts of the range and resolution of a layout from its stored
// limits. sistemaMantisa may be SinEleccion (the limits are then whatever the
// window kept). The four negative texts are "No existe" when manMaxNeg is
// ManMaxNegNoExiste.
TTextosRango calcularNums(const TFloatLimits& limites, TMantissaKind tipo, int sistemaMantisa);

} // namespace cifral
