// Decimal to floating point: a typed decimal number becomes a mantissa and
// an exponent bit string in the layout the student chose, and the error of
// that representation is read back from the bits.
//
// Two kinds of mantissa:
// - an integer mantissa takes at most four binary fraction digits of the
//   number (each doubling goes through the number's 15-digit text), falls
//   back to quarters when there are more, and then halves the mantissa,
//   truncating, until mantissa and exponent fit;
// - a fractional mantissa is the number normalised to a magnitude between
//   0,5 and 1 times a power of two, its first binary digits kept (truncated,
//   never rounded), optionally without its implicit bit.
//
// The routines only compute: messages, bit strings and texts come back as
// values, in the order the window shows them.
#pragma once

#include "fixed/sistnumA.h"
#include "floating/sistnum3.h"
#include "shell/TextoDecimal.h"

#include <optional>
#include <string>
#include <vector>

namespace cifral {

// The layout of the decimal-to-floating-point window: mantissa and exponent
// lengths (8 or 16), their systems, and whether a fractional mantissa drops
// its implicit bit ("SI" in the list).
struct TFormato4 {
    int n = 8;
    int e = 8;
    TNumberSystem sistemaMantisa = BSS;
    TNumberSystem sistemaExponente = BSS;
    bool implicito = false;
};

// Messages of the conversions, exactly as the window shows them.
inline constexpr const char* MensajeNegativoEnBSS = "No se pueden representar números negativos en BSS";
inline constexpr const char* MensajeNoEsDecimal =
    "En mantisa fraccionaria, debe ingresar un número decimal, NO un número Entero";
inline constexpr const char* MensajeNoRepresentable =
    " El número ingresado no se puede representar con la configuración de mantisa y exponente seleccionada.";
inline constexpr const char* MensajeNoSeRepresentanNegativos = "No se representan negativos en BSS";
inline constexpr const char* MensajeFueraDelSistema =
    "El número ingresado no puede representarse con el sistema configurado";
inline constexpr const char* MensajeNoNormalizada = "La mantisa no está Normalizada";
inline constexpr const char* MensajeImplicitoNoNormalizada =
    "Se convirtió el número,pero la mantisa no está Normalizada";

// What a conversion step leaves for the window: the messages in the order
// they are shown, and, when the step writes its fields, the mantissa (which
// may be empty: the number does not fit the mantissa) and the exponent.
struct TConversion4 {
    std::vector<std::string> mensajes;
    bool escribe = false;
    std::string mantisa;
    std::string exponente;
};

// What a conversion did, step by step, for its working ("Paso a paso"): a
// routine given one records each step as it makes it, with the texts it
// read, so the working shows the very steps the fields come from.
struct TRastro4 {
    // Integer mantissa. A doubling of one fraction digit: the text read, the
    // text of its double and the counter after it.
    struct Duplicacion {
        std::string texto;
        std::string doble;
        int k = 0;
    };
    // A run on a number (a second one on the number cut to quarters): its
    // text, its doublings, and whether the text still had a ',' after them.
    struct Corrida {
        double x = 0;
        std::string texto;
        std::vector<Duplicacion> duplicaciones;
        bool sigueDecimal = false;
    };
    std::vector<Corrida> corridas;
    // A pass of the fitting: the working value, its integer part (the
    // mantissa tried), the counter, and whether both fit the layout.
    struct Ajuste {
        double valor = 0;
        double mantisa = 0;
        int k = 0;
        bool cabe = false;
    };
    std::vector<Ajuste> ajustes;

    // Fractional mantissa. A halving of a magnitude of 1 or more (the text
    // of the half) or a doubling of one below 0,5 (the double), with the
    // counter after it.
    struct Escalon {
        std::string texto;
        int k = 0;
    };
    std::vector<Escalon> mitades;
    std::vector<Escalon> dobles;
    // The normalised value and its exponent, once reached.
    bool normalizado = false;
    double x = 0;
    int k = 0;
    // The fraction digits: the remainder, its double, the digit and the new
    // remainder; `parado` when a remainder's text had no ',' before n digits.
    struct Digito {
        double resto = 0;
        double doble = 0;
        int bit = 0;
        double nuevo = 0;
    };
    std::vector<Digito> digitos;
    bool parado = false;
};

// ------------------------------------------------------------ shared steps

// The text holds the decimal separator ','.
bool EsDecimal(const std::string& texto);

// An extended value stored as a double; a value beyond the double range is
// a floating-point overflow (a Fault), as storing it would be.
double guardarDouble(Extended v);

// The encoding of an integer in a system with the given length, as the
// window writes mantissas and exponents: CA1 takes 0 as its negative zero
// (all ones), CA2 and the others their single zero.
std::string calcular_Mantisa(double m, TNumberSystem sistema, int n);
std::string calcular_Exponente(int k, TNumberSystem sistema, int e);

// ------------------------------------------------------ integer mantissa

// The doubling of one fraction digit: the value of the text t times two,
// stored as a double, with the exponent counter one lower.
double calcular_Mantisa_Exp(const std::string& t, int& k);

// x with the fraction of its magnitude cut down to a multiple of 1/4. The
// integer part is taken whole, however large (a double's own integer part),
// so that no number loses it.
double transformar(double x);

// The integer m (a whole double) is a mantissa of the layout and k one of
// its exponents.
bool mantisa_valida(int n, TNumberSystem sistema, double m);
bool exp_valido(int k, int e, TNumberSystem sistema);
bool representar(int k, int n, int e, TNumberSystem sistemaMantisa, TNumberSystem sistemaExponente, double m);

// The mantissa and exponent bits of x; nothing when the number is too large
// for any exponent of the layout (no number of fifteen characters is).
struct TMantisaExponente {
    std::string mantisa;
    std::string exponente;
};
std::optional<TMantisaExponente> calcular_MantisaExponente_Entera(int n, int e, TNumberSystem sistemaExponente,
                                                                  TNumberSystem sistemaMantisa, double x,
                                                                  TRastro4* rastro = nullptr);

// The window step of an integer mantissa for the typed text (a number the
// window's test accepted): a negative number in BSS is refused and both
// fields become empty.
TConversion4 calcular_MantExp_Entera(const std::string& texto, const TFormato4& formato, TRastro4* rastro = nullptr);

// ---------------------------------------------------- fractional mantissa

// Normalisation of a value of magnitude below 0,5 and not 0: doubled until
// its magnitude reaches 0,5, the counter lowered once per doubling; the
// sign stays.
void cambiarRaro(double& b, int& k, TRastro4* rastro = nullptr);

// The first n binary fraction digits of |x| (0,5 <= |x| <= 1), truncated;
// digits stop early when the remainder's text has no ',' and count as 0.
std::string digitosFraccion(double x, int n, TRastro4* rastro = nullptr);

// The five encoders of a normalised fraction x (0,5 <= |x| <= 1) of n bits,
// each with its range test: when it fails, its messages are added and the
// mantissa is empty. `positivo` is the sign of the typed number.
std::string mantisa_Bss(int n, double x, bool positivo, std::vector<std::string>& mensajes);
std::string mantisa_Bcs(int n, double x, bool positivo, std::vector<std::string>& mensajes);
std::string mantisa_CA1(int n, double x, bool positivo, std::vector<std::string>& mensajes);
std::string mantisa_CA2(int n, double x, bool positivo, std::vector<std::string>& mensajes);
std::string mantisa_Exceso(int n, double x, bool positivo, std::vector<std::string>& mensajes);
std::string calcular_Mantisa_Fraccionaria(TNumberSystem sistema, int n, double x, bool positivo,
                                          std::vector<std::string>& mensajes);

// Every '0' turned into '1' and every '1' into '0'.
std::string recomplementar(std::string bits);

// The mantissa without its implicit bit: the bit after the sign (the first
// bit in BSS) leaves, the rest moves one place left and a filler bit enters
// at the right end ('1' in CA1, '0' otherwise).
std::string bit_implicito_Bss(const std::string& s);
std::string bit_implicito_Bcs(const std::string& s); // also CA2 and Exceso
std::string bit_implicito_CA1(const std::string& s);
std::string bit_implicito(TNumberSystem sistema, int n, double x, bool positivo, std::vector<std::string>& mensajes);

// The window step of a fractional mantissa for the typed text. A text
// without ',' is refused; so is a number whose exponent the layout cannot
// hold: one below 0,5 with a BSS exponent, and zero, which no doubling
// normalises.
TConversion4 calcular_MantExp_Fraccionaria(const std::string& texto, const TFormato4& formato,
                                           TRastro4* rastro = nullptr);

// -------------------------------------------------------------- the error

// The error texts and the number of marks of the bar (0 to 30), with the
// values read back they come from: M, E and V = 2^E * M.
struct TError4 {
    std::string absoluto;
    std::string relativo;
    int marcas = 0;
    double mantisa = 0;
    double exponente = 0;
    double valor = 0;
};

// One mark of the bar per 0,003 of relative error for an integer mantissa,
// per 0,0003 for a fractional one.
inline constexpr Extended EscalaEntera = 0.003L;
inline constexpr Extended EscalaFraccionaria = 0.0003L;
inline constexpr int MarcasMaximas = 30;
int marcasDeError(double relativo, Extended escala);

// The value of a bit string of the given length in a system (mantissa or
// exponent alike).
double calculoM(int longitud, TNumberSystem sistema, const std::string& bits);
double calculoE(int longitud, TNumberSystem sistema, const std::string& bits);

// The stored mantissa with its implicit bit put back ('1' in front in BSS,
// after the sign otherwise); the last stored bit, the filler, leaves.
std::string cambiarElBitImplicito(const std::string& bits, TNumberSystem sistema);

// The value of a fractional mantissa of n bits as this window reads it: over
// 2^n in BSS and over 2^(n-1) in the other four systems, Exceso included.
double mfraccionaria(const std::string& bits, int n, TNumberSystem sistema);

// The error of an integer-mantissa conversion, read back from the written
// fields, against x, the typed number; nothing when a field is not a bit
// string of its length.
std::optional<TError4> calcular_errores(const TFormato4& formato, double x, const std::string& mantisa,
                                        const std::string& exponente);
// The error of a fractional-mantissa conversion; nothing when a field is
// empty (the conversion wrote no mantissa) or not a bit string.
std::optional<TError4> calculo_error_F(const TFormato4& formato, double x, const std::string& mantisa,
                                       const std::string& exponente);

// ---------------------------------------------------------- negative zero

// The typed text (a number the window's test accepted) begins with '-' and
// reads as 0: "-0", "-0,0", "-,".
bool esMenosCero(const std::string& texto);

// The negative zero of a BCS mantissa of n bits, '1' and zeros, with the
// exponent 0 of e bits as a plain zero: all zeros, '1' and zeros in Exceso
// (CA1 too gets zeros, not the negative zero a converted 0 is written
// with). An exponent without a system (SinEleccion) is all zeros.
TMantisaExponente menosCeroBcs(int n, int e, int sistemaExponente);

// ------------------------------------------------- limits and range texts

// The typed text is a decimal number for the window: digits, a '-' only in
// front, and at most one ',' anywhere but first. The empty text and a lone
// "-" pass.
bool esNumero(const std::string& texto);

// The eight limits of an integer mantissa as this window bounds it: those of
// the layout, except that CA2 and Exceso keep the magnitude 1 of their
// negative nearest zero, and 2 as its neighbour.
void MinMaxEnt(int n, TNumberSystem sistema, TFloatLimits& limites);

// The ten limits of the layout: a fractional mantissa is bounded with its
// stored length n, also when it drops its implicit bit.
TFloatLimits limitesDelFormato(TMantissaKind tipo, const TFormato4& formato);

// The eight range texts of the window: a fractional mantissa's "Resolución
// mínima negativa" is written without a '-' in front.
TTextosRango textosDelRango(const TFloatLimits& limites, TMantissaKind tipo, TNumberSystem sistemaMantisa);

// The text of the "Número mínimo negativo" field with its sign: a '-' in
// front unless it is empty, has one already, or reads "No existe".
std::string conSignoNegativo(const std::string& minimoNegativo);

} // namespace cifral
