#include "ieee/sistnum6.h"

#include "fixed/sistnumA.h"

#include <cmath>

namespace cifral {

namespace {

const std::string FraccionCero(BitsFraccionIEEE, '0');
const std::string FraccionUno = std::string(BitsFraccionIEEE - 1, '0') + '1';
const std::string FraccionUnos(BitsFraccionIEEE, '1');
const std::string ExponenteCero(BitsExponenteIEEE, '0');

// The unsigned value of a field's bits.
unsigned campo(const std::string& bits, int n)
{
    return static_cast<unsigned>(valorBSS(bits, n));
}

std::string conSigno(unsigned signo, const std::string& texto)
{
    return signo == 1 ? "-" + texto : texto;
}

// v as the window writes it: FloatToStr, or FloatToStrF(ffExponent, 5, 5)
// and " (Aprox.)" when FloatToStr of `medida` needs an exponent.
std::string segunForma(Extended medida, Extended v)
{
    if (FloatToStr(medida).find('E') != std::string::npos)
        return FloatToStrF(v, ffExponent, 5, 5) + " (Aprox.)";
    return FloatToStr(v);
}

} // namespace

// ---------------------------------------------------------------- the fields

PatronIEEE PatronIEEE::armar(unsigned signo, unsigned exponente, std::uint32_t fraccion)
{
    PatronIEEE p;
    p.bits = ((std::uint32_t{signo} << (BitsExponenteIEEE + BitsFraccionIEEE)) & MascaraSigno) |
             ((std::uint32_t{exponente} << BitsFraccionIEEE) & MascaraExponente) | (fraccion & MascaraFraccion);
    return p;
}

PatronIEEE PatronIEEE::deTextos(unsigned signo, const std::string& exponente, const std::string& fraccion)
{
    return armar(signo, campo(exponente, BitsExponenteIEEE),
                 static_cast<std::uint32_t>(valorBSS(fraccion, BitsFraccionIEEE)));
}

unsigned bitPrincipal(PatronIEEE p)
{
    return p.esSubnormalOCero() ? 0u : 1u;
}

double significandoDe(PatronIEEE p)
{
    // L f is an integer of 24 bits; the scaling by 2^-23 is exact.
    const std::uint32_t entero = (std::uint32_t{bitPrincipal(p)} << BitsFraccionIEEE) | p.fraccion();
    return static_cast<double>(static_cast<Extended>(entero) * Power(2, -BitsFraccionIEEE));
}

int exponenteRealDe(PatronIEEE p)
{
    return p.esSubnormalOCero() ? ExponenteSubnormalIEEE : static_cast<int>(p.exponente()) - SesgoIEEE;
}

double valorDe(PatronIEEE p)
{
    const auto magnitud = static_cast<double>(significandoDe(p) * Power(2, exponenteRealDe(p)));
    return p.signo() == 1 ? -magnitud : magnitud;
}

// ------------------------------------------------------------ texts of values

std::string textoAproximado(Extended x)
{
    return segunForma(x, x);
}

std::string textoErrorMaximo(Extended diferencia)
{
    return segunForma(diferencia, diferencia / 2);
}

bool sinValor(const std::string& resultado)
{
    return resultado == TextoNaN || resultado == TextoInfinito || resultado == TextoMenosInfinito;
}

bool sinFormula(const std::string& resultado)
{
    return sinValor(resultado) || resultado == "0" || resultado == "-0";
}

// ------------------------------------------------------- fractions as texts

bool todosunos(const std::string& fraccion)
{
    return fraccion == FraccionUnos;
}

std::string restarUno(std::string fraccion)
{
    for (std::size_t i = fraccion.size(); i-- > 0;) {
        if (fraccion[i] == '1') {
            fraccion[i] = '0';
            for (std::size_t j = i + 1; j < fraccion.size(); ++j)
                fraccion[j] = '1';
            break;
        }
    }
    return fraccion;
}

std::string decABin(double x)
{
    // Doubling 23 times and taking the integer digits writes the integer
    // part of x * 2^23, which the scaling gives exactly.
    return convertir_A_BSS(BitsFraccionIEEE, static_cast<std::int32_t>(std::ldexp(x, BitsFraccionIEEE)));
}

// --------------------------------------------------------------- a conversion

ConversorIEEE6::ConversorIEEE6(EstadoIEEE6& estado) : estado_(estado)
{
}

void ConversorIEEE6::hab()
{
    informe_.parteFormulaVisible = true;
    informe_.alturaResultado = AlturaConFormula;
}

void ConversorIEEE6::desh()
{
    informe_.parteFormulaVisible = false;
}

ConversorIEEE6::Valoracion ConversorIEEE6::realizarCase(const std::string& fraccion, const std::string& exponente,
                                                        unsigned signo, Modo modo)
{
    const unsigned E = campo(exponente, BitsExponenteIEEE);
    if (E == 0)
        return expCero(fraccion, signo, modo);
    if (E == CampoExponenteMaximo)
        return exp255(fraccion, signo);
    return en_0_y_255(fraccion, exponente, signo, modo);
}

ConversorIEEE6::Valoracion ConversorIEEE6::valorar(PatronIEEE p, unsigned signo, const std::string& base,
                                                   const std::string& fraccion, Modo modo)
{
    const int e = exponenteRealDe(p);
    estado_.significando = significandoDe(p);
    const auto dosALaE = static_cast<double>(Power(2, e));
    estado_.potencia = p.signo() == 1 ? -dosALaE : dosALaE;
    Valoracion r;
    r.valor = valorDe(p);
    r.formula = conSigno(signo, base + FloatToStr(e) + ")*" + FloatToStr(estado_.significando));
    if (modo == Mostrar) {
        estado_.mantisaBinaria = IntToStr(bitPrincipal(p)) + "." + fraccion;
        hab();
        estado_.exponenteReal = e;
        estado_.significandoMostrado = estado_.significando;
        formula_ = r.formula;
    }
    return r;
}

ConversorIEEE6::Valoracion ConversorIEEE6::en_0_y_255(const std::string& fraccion, const std::string& exponente,
                                                      unsigned signo, Modo modo)
{
    return valorar(PatronIEEE::deTextos(signo, exponente, fraccion), signo, "(2 ^ ", fraccion, modo);
}

ConversorIEEE6::Valoracion ConversorIEEE6::expCero(const std::string& fraccion, unsigned signo, Modo modo)
{
    if (!todosCeros(fraccion, BitsFraccionIEEE)) {
        // A subnormal number is valued by its magnitude; the formula carries
        // the sign, and writes no blank after the caret.
        return valorar(PatronIEEE::deTextos(0, ExponenteCero, fraccion), signo, "(2 ^", fraccion, modo);
    }
    Valoracion r;
    r.formula = signo == 1 ? "-0" : "0";
    if (modo == Mostrar) {
        desh();
        informe_.resultado = r.formula;
        formula_ = r.formula;
    }
    return r;
}

ConversorIEEE6::Valoracion ConversorIEEE6::exp255(const std::string& fraccion, unsigned signo)
{
    // Also for a neighbour: the result line shows the special text.
    desh();
    if (!todosCeros(fraccion, BitsFraccionIEEE)) {
        formula_ = TextoNaN;
        informe_.resultado = "NaN (Not a number)";
    } else {
        formula_ = signo == 1 ? TextoMenosInfinito : TextoInfinito;
        informe_.resultado = formula_;
    }
    informe_.alturaResultado = AlturaEspecial;
    return {};
}

std::string ConversorIEEE6::sumarUno(const std::string& fraccion)
{
    // The fraction after all ones would be 2^23, which 23 bits cannot hold:
    // the neighbour is then the previous fraction.
    if (todosunos(fraccion)) {
        informe_.tipoVecino = TextoNumeroAnterior;
        return restarUno(fraccion);
    }
    const Extended unidad = Power(2, -BitsFraccionIEEE);
    const auto siguiente = static_cast<double>(Extended{valorBSS(fraccion, BitsFraccionIEEE)} * unidad + unidad);
    informe_.tipoVecino = TextoNumeroSiguiente;
    return decABin(siguiente);
}

std::string ConversorIEEE6::calcEAMax(const std::string& exponente, unsigned signo)
{
    const unsigned E = campo(exponente, BitsExponenteIEEE);
    if (E == 0) {
        // Both zeros take the smallest subnormal number as their neighbour,
        // which the report shows negative.
        estado_.vecinoFraccion = FraccionUno;
        estado_.vecinoExponente = ExponenteCero;
        estado_.vecinoSigno = IntToStr(1);
        informe_.tipoVecino = TextoNumeroSiguiente;
        return ExponenteCero;
    }
    if (E == SesgoIEEE + 1) {
        // 2 (and -2) takes the previous number, the largest of the binade
        // of 1, as its neighbour.
        estado_.vecinoFraccion = FraccionUnos;
        estado_.vecinoExponente = convertir_A_BSS(BitsExponenteIEEE, SesgoIEEE);
        estado_.vecinoSigno = IntToStr(signo);
        informe_.tipoVecino = TextoNumeroAnterior;
        return estado_.vecinoExponente;
    }
    return calcAntSig(exponente, signo);
}

std::string ConversorIEEE6::calcAntSig(const std::string& exponente, unsigned signo)
{
    // The largest number of the binade below lies 2^(E-151) under
    // 2^(E-127), the second number of its own binade 2^(E-150) over it: the
    // gap above is always the larger one, so the next number is the
    // neighbour.
    estado_.vecinoSigno = IntToStr(signo);
    estado_.vecinoFraccion = sumarUno(FraccionCero);
    estado_.vecinoExponente = exponente;
    return exponente;
}

std::string ConversorIEEE6::validarResultado(const std::string& resultado, const std::string& error)
{
    if (!sinValor(resultado))
        return error;
    informe_.formulaVecino = TextoNoTiene;
    informe_.mitadDiferencia = TextoNoTiene;
    informe_.signoVecino = TextoNoTiene;
    informe_.exponenteVecino = std::string();
    informe_.fraccionVecino = std::string();
    return TextoNoTiene;
}

namespace {

// The decimal value of the converted number, read back from its formula: the
// power of two from the text after "(2 ^ " (a subnormal number has none and
// takes -126) times the significand as the formula writes it, with 15
// significant digits; the formula's sign goes in front. The value therefore
// rests on the written significand, not on the bits.
std::string decimalDeLaFormula(const std::string& formula)
{
    const std::string conExponente = "(2 ^ ";
    const std::size_t inicio = formula.find(conExponente);
    const std::size_t cierre = formula.find(')');
    const std::int32_t e =
        inicio == std::string::npos
            ? ExponenteSubnormalIEEE
            : StrToInt(formula.substr(inicio + conExponente.size(), cierre - inicio - conExponente.size()));
    const std::size_t cifra = formula.find_first_of("0123456789", cierre);
    const Extended x = Power(2, e) * StrToFloat(formula.substr(cifra));
    const std::string t = textoAproximado(x);
    return formula[0] == '-' ? "-" + t : t;
}

} // namespace

ConversionIEEE6 ConversorIEEE6::convertir(int signoElegido, const std::string& exponente, const std::string& fraccion)
{
    ConversionIEEE6 r;
    formula_.clear();
    informe_ = {};
    // The button is enabled only with 8 and 23 characters; other lengths
    // get the same message as a wrong digit.
    if (exponente.size() != BitsExponenteIEEE || fraccion.size() != BitsFraccionIEEE ||
        !esBinario(exponente, BitsExponenteIEEE) || !esBinario(fraccion, BitsFraccionIEEE))
        return r;
    r.binario = true;
    const unsigned s = signoElegido == 1 ? 1u : 0u;

    const double v = realizarCase(fraccion, exponente, s, Mostrar).valor;
    double vR = 0.0;
    std::string error;
    if (formula_ != TextoInfinito && formula_ != TextoMenosInfinito) {
        if (!todosCeros(fraccion, BitsFraccionIEEE)) {
            // Neighbours by the fraction, within the same binade.
            estado_.vecinoFraccion = restarUno(fraccion);
            estado_.vecinoSigno = IntToStr(s);
            const Valoracion anterior = realizarCase(estado_.vecinoFraccion, exponente, s, Calcular);
            const Extended dA = std::fabs(Extended{v} - anterior.valor);
            const std::string fraccionSiguiente = sumarUno(fraccion);
            const Valoracion siguiente = realizarCase(fraccionSiguiente, exponente, s, Calcular);
            const Extended dS = std::fabs(Extended{v} - siguiente.valor);
            if (dA > dS) {
                informe_.tipoVecino = TextoNumeroAnterior;
                estado_.vecinoTexto = anterior.formula;
                estado_.diferenciaMayor = static_cast<double>(dA);
                error = textoErrorMaximo(dA);
            } else {
                estado_.vecinoTexto = siguiente.formula;
                estado_.diferenciaMayor = static_cast<double>(dS);
                error = textoErrorMaximo(dS);
                estado_.vecinoFraccion = fraccionSiguiente;
            }
            vR = anterior.valor;
        } else {
            const std::string exponenteVecino = calcEAMax(exponente, s);
            const Valoracion vecino = realizarCase(estado_.vecinoFraccion, exponenteVecino, s, Calcular);
            estado_.vecinoTexto = vecino.formula;
            const Extended d = std::fabs(Extended{v} - vecino.valor);
            estado_.diferenciaMayor = static_cast<double>(d);
            error = textoErrorMaximo(d);
            vR = vecino.valor;
        }
    }
    informe_.formulaVecino = validarResultado(formula_, std::string());
    informe_.mitadDiferencia = textoAproximado(std::fabs((Extended{v} - vR) / 2));
    r.error = validarResultado(formula_, error);
    r.formula = formula_;
    r.valor = v;
    if (!sinFormula(formula_))
        r.decimal = decimalDeLaFormula(formula_);
    r.informe = informe_;
    return r;
}

// ------------------------------------------------------------ "Ver detalle"

DetalleIEEE6 detalleIEEE6(int signoElegido, const std::string& exponente, const std::string& fraccion,
                          const std::string& formula, const EstadoIEEE6& estado)
{
    DetalleIEEE6 d;
    if (sinFormula(formula))
        d.resultado = formula;
    else
        d.resultado = estado.potencia < 0 || (!formula.empty() && formula[0] == '-') ? "-2" : "2";
    d.signo = IntToStr(signoElegido == 1 ? 1 : 0);
    d.exponente = exponente;
    d.fraccion = fraccion;
    d.exponenteReal = FloatToStr(estado.exponenteReal);
    d.mantisaBinaria = estado.mantisaBinaria;
    d.significando = FloatToStrF(estado.significandoMostrado, ffFixed, 10, 15);
    d.vecinoFraccion = estado.vecinoFraccion;
    // The neighbour of a pattern with a zero fraction may lie in another
    // binade; otherwise it shares the entered exponent field.
    d.vecinoExponente = todosCeros(fraccion, BitsFraccionIEEE) && !todosCeros(exponente, BitsExponenteIEEE)
                            ? estado.vecinoExponente
                            : exponente;
    d.vecinoSigno = estado.vecinoSigno;
    d.formula = formula;
    if (sinValor(formula)) {
        d.vecinoExponente.clear();
        d.vecinoFraccion.clear();
        d.diferencia = TextoNoTiene;
        d.vecinoSigno = TextoNoTiene;
        return d;
    }
    d.formulaVecino = estado.vecinoTexto;
    if (d.vecinoSigno == "1" && !d.formulaVecino->empty() && (*d.formulaVecino)[0] != '-')
        d.formulaVecino = "-" + *d.formulaVecino;
    d.diferencia = textoAproximado(estado.diferenciaMayor);
    return d;
}

} // namespace cifral
