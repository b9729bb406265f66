// IEEE 754 single precision to decimal: the three fields of a 32-bit pattern
// and its exact value, and the conversion that the window makes of the
// pattern the student enters: the formula, the decimal value, the
// neighbouring number that gives the maximum absolute error, and what the
// conversion prepares on the report page.
//
// A pattern is s | E | f: one sign bit, an 8-bit biased exponent field and a
// 23-bit fraction. For 1 <= E <= 254 it stands for (-1)^s * 1.f * 2^(E-127);
// E = 0 holds the zeros and the subnormal numbers (-1)^s * 0.f * 2^-126, and
// E = 255 the infinities (f = 0) and NaN (f != 0). Every finite value is a
// 24-bit integer times a power of two and is held exactly in a double.
#pragma once

#include "shell/TextoDecimal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace cifral {

// ---------------------------------------------------------------- the fields

inline constexpr int BitsExponenteIEEE = 8;
inline constexpr int BitsFraccionIEEE = 23;
inline constexpr int SesgoIEEE = (1 << (BitsExponenteIEEE - 1)) - 1;            // 127
inline constexpr int ExponenteSubnormalIEEE = 1 - SesgoIEEE;                    // -126
inline constexpr unsigned CampoExponenteMaximo = (1u << BitsExponenteIEEE) - 1; // 255

inline constexpr std::uint32_t MascaraFraccion = (std::uint32_t{1} << BitsFraccionIEEE) - 1;
inline constexpr std::uint32_t MascaraExponente = std::uint32_t{CampoExponenteMaximo} << BitsFraccionIEEE;
inline constexpr std::uint32_t MascaraSigno = std::uint32_t{1} << (BitsExponenteIEEE + BitsFraccionIEEE);

struct PatronIEEE {
    std::uint32_t bits = 0;

    // The pattern of three fields; each is cut to its width.
    static PatronIEEE armar(unsigned signo, unsigned exponente, std::uint32_t fraccion);
    // The pattern of a sign bit and the bit texts of the exponent field and
    // the fraction, which hold exactly 8 and 23 characters '0' and '1'.
    static PatronIEEE deTextos(unsigned signo, const std::string& exponente, const std::string& fraccion);

    unsigned signo() const { return (bits & MascaraSigno) != 0 ? 1u : 0u; }
    unsigned exponente() const { return (bits & MascaraExponente) >> BitsFraccionIEEE; }
    std::uint32_t fraccion() const { return bits & MascaraFraccion; }

    bool esSubnormalOCero() const { return exponente() == 0; }
    bool esEspecial() const { return exponente() == CampoExponenteMaximo; } // an infinity or NaN
    bool esNormal() const { return !esSubnormalOCero() && !esEspecial(); }
};

// The leading bit L: 1 for a normal number, 0 for a subnormal one or a zero.
unsigned bitPrincipal(PatronIEEE p);
// L.f, exactly: the 24-bit integer L f over 2^23.
double significandoDe(PatronIEEE p);
// e, the power of two the significand is scaled by: E - 127, or -126 when
// E = 0.
int exponenteRealDe(PatronIEEE p);
// The value of a finite pattern, sign included (-0 for the negative zero):
// the same number as the hardware float with these bits.
double valorDe(PatronIEEE p);

// ------------------------------------------------------------ texts of values

// A value as the window writes it: FloatToStr, or FloatToStrF(ffExponent, 5,
// 5) followed by " (Aprox.)" when FloatToStr would need an exponent.
std::string textoAproximado(Extended x);
// The maximum absolute error of a gap d: half of d, with the choice of the
// form made on the whole gap.
std::string textoErrorMaximo(Extended diferencia);

inline constexpr const char* TextoNaN = "NaN";
inline constexpr const char* TextoInfinito = "Infinito";
inline constexpr const char* TextoMenosInfinito = "-Infinito";
inline constexpr const char* TextoNoTiene = "No Tiene";
inline constexpr const char* TextoNumeroAnterior = "Número Anterior";
inline constexpr const char* TextoNumeroSiguiente = "Número Siguiente";
inline constexpr const char* MensajeNoBinario = "Ingrese números en binario";

// "NaN", "Infinito" or "-Infinito": a result without a value.
bool sinValor(const std::string& resultado);
// Those, or a zero ("0", "-0"): a result without a formula.
bool sinFormula(const std::string& resultado);

// ------------------------------------------------------- fractions as texts

// All 23 bits '1'.
bool todosunos(const std::string& fraccion);
// The fraction one step smaller: the last '1' becomes '0' and every bit after
// it '1'. Bits without any '1' stay as they are.
std::string restarUno(std::string fraccion);
// The first 23 binary digits of a fraction 0 <= x < 1: double it, take the
// digit of its integer part and drop that part, 23 times.
std::string decABin(double x);

// --------------------------------------------------------------- a conversion

// What the window keeps from one conversion to the next and the report reads.
// A conversion writes some of the fields; the others keep older values.
struct EstadoIEEE6 {
    double potencia = 0.0;      // 2^e of the last valued pattern, negative for a negative normal number
    double significando = 0.0;  // significand of the last valued pattern
    double exponenteReal = 0.0; // e of the converted number
    double significandoMostrado = 0.0;
    std::string mantisaBinaria;   // "1." or "0." and the 23 fraction bits of the converted number
    double diferenciaMayor = 0.0; // gap to the chosen neighbour
    std::string vecinoFraccion;
    std::string vecinoExponente; // written only when the converted fraction is zero
    std::string vecinoSigno;
    std::string vecinoTexto; // formula of the neighbour
};

// What a conversion writes on the report page while it runs. An empty
// optional leaves the label as it was.
struct InformeEnConversion6 {
    bool parteFormulaVisible = false;           // the formula part shown (black) or whitened
    std::optional<std::string> resultado;       // the result line: "0", "-0", "NaN (Not a number)", ...
    std::optional<int> alturaResultado;         // the result line moved: 168 with a formula, 147 for a special
    std::optional<std::string> tipoVecino;      // "Número Anterior" or "Número Siguiente"
    std::optional<std::string> formulaVecino;   // the neighbour's formula row: emptied, or "No Tiene"
    std::optional<std::string> signoVecino;     // "No Tiene" for a special
    std::optional<std::string> exponenteVecino; // emptied for a special
    std::optional<std::string> fraccionVecino;  // emptied for a special
    std::optional<std::string> mitadDiferencia; // half the gap, or "No Tiene"
};

inline constexpr int AlturaConFormula = 168;
inline constexpr int AlturaEspecial = 147;

// The outcome of pressing "Convertir ".
struct ConversionIEEE6 {
    bool binario = false; // false: the message "Ingrese números en binario", the formula emptied, nothing else
    std::string formula;  // Edit3
    std::string decimal;  // Edit4: read back from the formula
    std::string error;    // Label10
    double valor = 0.0;   // the value of the entered pattern, 0 for an infinity or NaN
    InformeEnConversion6 informe;
};

// The steps of a conversion, on the window state it is given. Each valuing
// of a pattern records in this object what it writes to the window (the
// formula) and to the report.
class ConversorIEEE6 {
public:
    enum Modo { Mostrar, Calcular }; // the entered pattern, or a neighbour

    struct Valoracion {
        double valor = 0.0;  // 0 when there is none (an infinity or NaN)
        std::string formula; // empty when there is none
    };

    explicit ConversorIEEE6(EstadoIEEE6& estado);

    // The whole conversion of a sign item (1: negative; 0 or none: positive)
    // and the texts of the two entries.
    ConversionIEEE6 convertir(int signo, const std::string& exponente, const std::string& fraccion);

    Valoracion realizarCase(const std::string& fraccion, const std::string& exponente, unsigned signo, Modo modo);
    Valoracion expCero(const std::string& fraccion, unsigned signo, Modo modo);
    Valoracion exp255(const std::string& fraccion, unsigned signo);
    Valoracion en_0_y_255(const std::string& fraccion, const std::string& exponente, unsigned signo, Modo modo);

    // The next fraction, or the previous one when the fraction is all ones;
    // names the neighbour on the report accordingly.
    std::string sumarUno(const std::string& fraccion);

    // The neighbour of a pattern with a zero fraction: its fraction,
    // exponent and sign written into the state; returns its exponent bits.
    // The zeros take the smallest subnormal number, 2 and -2 the previous
    // number, every other power of two the next one (calcAntSig).
    std::string calcEAMax(const std::string& exponente, unsigned signo);
    std::string calcAntSig(const std::string& exponente, unsigned signo);

    // "No Tiene" for a result without a value, which also fills the
    // neighbour rows of the report; any other error text unchanged.
    std::string validarResultado(const std::string& resultado, const std::string& error);

    void hab();
    void desh();

    const std::string& formula() const { return formula_; }
    const InformeEnConversion6& informe() const { return informe_; }

private:
    // The value and formula of a finite pattern that is not a zero: 2^e
    // written after `base`, then the significand; the sign of the formula is
    // `signo`, that of the value the pattern's own. Mostrar also keeps the
    // number's figures for the report.
    Valoracion valorar(PatronIEEE p, unsigned signo, const std::string& base, const std::string& fraccion, Modo modo);

    EstadoIEEE6& estado_;
    std::string formula_;
    InformeEnConversion6 informe_;
};

// The captions that "Ver detalle" writes on the report, from the window's
// entries and formula and the state of the last conversion.
struct DetalleIEEE6 {
    std::string resultado; // the result line and its copy after "="
    std::string signo;     // the entered pattern, also on the error rows
    std::string exponente;
    std::string fraccion;
    std::string exponenteReal;  // raised after each base
    std::string mantisaBinaria; // "1.f" or "0.f"
    std::string significando;   // the significand with 15 decimals
    std::string vecinoSigno;    // the neighbour's row, or "No Tiene" and two empty labels
    std::string vecinoExponente;
    std::string vecinoFraccion;
    std::string formula;                      // the converted number's formula
    std::optional<std::string> formulaVecino; // the neighbour's formula; kept as it was for a special
    std::string diferencia;                   // the gap, or "No Tiene"
};

DetalleIEEE6 detalleIEEE6(int signo, const std::string& exponente, const std::string& fraccion,
                          const std::string& formula, const EstadoIEEE6& estado);

} // namespace cifral
