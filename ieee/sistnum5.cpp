#include "ieee/sistnum5.h"

#include "fixed/sistnumA.h"
#include "ieee/sistnum6.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace cifral {

namespace {

// Characters 1..n of s that exist.
int hasta(const std::string& s, int n)
{
    return std::clamp(n, 0, static_cast<int>(s.size()));
}

char caracter(const std::string& s, int i)
{
    return s[static_cast<std::size_t>(i - 1)];
}

} // namespace

bool caracteresValidos(const std::string& s, int n)
{
    for (int i = 1; i <= hasta(s, n); ++i) {
        const char c = caracter(s, i);
        if (!((c >= '0' && c <= '9') || c == ',' || c == '-'))
            return false;
    }
    return true;
}

int contarComas(const std::string& s, int n)
{
    int comas = 0;
    for (int i = 1; i <= hasta(s, n); ++i)
        if (caracter(s, i) == ',')
            ++comas;
    return comas;
}

std::int32_t valorBSSEntero(const std::string& s, int n)
{
    // The unsigned sum wraps at 32 bits; read as a signed 32-bit integer.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(valorBSS(s, hasta(s, n))));
}

double valorMantisa(const std::string& s, int bitImplicito)
{
    Extended suma = bitImplicito;
    for (int i = 1; i <= hasta(s, BitsFraccionIEEE); ++i)
        if (caracter(s, i) == '1')
            suma += Power(2, -i);
    return static_cast<double>(suma);
}

double logaritmo2(double x)
{
    return static_cast<double>(Log10(x) / Log10(2));
}

double log2ConPotencia(double x, std::int32_t k)
{
    return static_cast<double>((Log10(x) + Log10(10) * k) / Log10(2));
}

std::int32_t piso(double x)
{
    const double p = std::floor(x);
    if (!(p >= INT32_MIN && p <= INT32_MAX))
        throw Fault(MensajeOperacionInvalida);
    return static_cast<std::int32_t>(p);
}

Extended porPotenciaDe10(double x, Extended k)
{
    return Power(10, k) * x;
}

double potenciaDe2(std::int32_t e)
{
    return static_cast<double>(Power(2, e));
}

std::int32_t sesgar(std::int32_t e)
{
    return e + SesgoIEEE;
}

std::int32_t exponenteBinario(std::int32_t estimado, Extended numero)
{
    if (!(numero > 0) || std::isinf(numero))
        throw Fault(MensajeOperacionInvalida);
    std::int32_t e = std::clamp(estimado, -16500, 16500);
    while (std::ldexp(1.0L, e) > numero)
        --e;
    while (std::ldexp(1.0L, e + 1) <= numero)
        ++e;
    return e;
}

std::string fraccionABinario(double m)
{
    const double f = m - std::trunc(m);
    std::string texto = decABin(f);
    if (std::ldexp(f, BitsFraccionIEEE) != std::trunc(std::ldexp(f, BitsFraccionIEEE)))
        texto += ' '; // the fraction has more than 23 bits: cut
    return texto;
}

std::string exponenteABinario(std::int32_t E)
{
    return convertir_A_BSS(BitsExponenteIEEE, E);
}

std::string ponerCeros(std::string s, int n)
{
    if (n > static_cast<int>(s.size()))
        s.resize(static_cast<std::size_t>(n), '0');
    for (int i = 1; i <= n; ++i)
        s[static_cast<std::size_t>(i - 1)] = '0';
    return s;
}

CamposIEEE camposIEEE(double x, double s, Extended k, std::int32_t estimado)
{
    CamposIEEE c;
    c.numeroARepresentar = RealDe48Bits(porPotenciaDe10(x, k));
    c.signo.assign(1, s > 0 ? '0' : '1');
    if (c.numeroARepresentar.esCero()) {
        // Below 2^-128 nothing is kept, and single precision has no normal
        // number there either: the fields of a zero.
        c.cero = true;
        c.exponente = ponerCeros(std::string(), BitsExponenteIEEE);
        c.fraccion = ponerCeros(std::string(), BitsFraccionIEEE);
        return c;
    }
    const Extended numero = c.numeroARepresentar.valor();
    const std::int32_t e = exponenteBinario(estimado, numero);
    const double P = potenciaDe2(e);
    const auto M = static_cast<double>(numero / P);
    c.exponenteBinario = e;
    c.significando = M;
    c.exponenteSesgado = sesgar(e);
    c.fraccion = fraccionABinario(M);
    c.exponente = exponenteABinario(c.exponenteSesgado);
    return c;
}

std::optional<ErrorIEEE> errorIEEE(const std::string& exponente, const std::string& fraccion,
                                   std::int32_t exponenteSesgado, const RealDe48Bits& numeroARepresentar)
{
    const std::int32_t a = valorBSSEntero(exponente, BitsExponenteIEEE);
    const double m = valorMantisa(fraccion, 1);
    if (!(0 < a && a < static_cast<std::int32_t>(CampoExponenteMaximo)) || numeroARepresentar.esCero())
        return std::nullopt;
    ErrorIEEE r;
    r.numeroRepresentado = RealDe48Bits(Power(2, exponenteSesgado - SesgoIEEE) * m);
    r.absoluto = static_cast<double>(std::fabs(r.numeroRepresentado.valor() - numeroARepresentar.valor()));
    r.relativo = static_cast<double>(r.absoluto / numeroARepresentar.valor());
    return r;
}

std::string textoError(double error)
{
    return FloatToStrF(error, ffFixed, 10, 20);
}

namespace {

using Conversion = ConversionDecimalIEEE;

// Why a text cannot be read: a character other than a digit, ',' or '-', or
// two commas or more.
Conversion::Rechazo rechazoDe(const std::string& t, Conversion::Rechazo caracteres, Conversion::Rechazo comas)
{
    const int n = static_cast<int>(t.size());
    if (!caracteresValidos(t, n))
        return caracteres;
    if (contarComas(t, n) >= 2)
        return comas;
    return Conversion::NingunRechazo;
}

// The fields of a zero, with the sign of the text or of the number; both
// errors are 0 and nothing is kept.
void comoCero(Conversion& c, const std::string& signo)
{
    c.fin = Conversion::Cero;
    c.signo = signo;
    c.exponente = ponerCeros(std::string(), BitsExponenteIEEE);
    c.fraccion = ponerCeros(std::string(), BitsFraccionIEEE);
    c.absoluto.emplace("0");
    c.relativo.emplace("0");
    c.numeroARepresentar = RealDe48Bits();
    c.numeroRepresentado = RealDe48Bits();
}

} // namespace

ConversionDecimalIEEE convertirDecimalAIEEE(const EntradaDecimalIEEE& entrada)
{
    Conversion c;
    c.modo = entrada.modo;
    auto rechazar = [&c](Conversion::Rechazo motivo, bool mensajeAntes) {
        c.fin = Conversion::Rechazada;
        c.rechazo = motivo;
        c.mensaje = MensajeIngreseNumero;
        c.mensajeAntesDeDeshabilitar = mensajeAntes;
        return c;
    };
    if (entrada.entero.empty() && (entrada.decimal.empty() || entrada.potencia.empty()))
        return rechazar(Conversion::Vacio, false);
    if (c.modo == ModoEntero) {
        c.numero = entrada.entero;
        if (const auto r = rechazoDe(c.numero, Conversion::CaracteresNumero, Conversion::ComasNumero))
            return rechazar(r, false);
    } else if (c.modo == ModoDecimal) {
        c.numero = entrada.decimal;
        c.potencia = entrada.potencia;
        auto r = rechazoDe(c.numero, Conversion::CaracteresNumero, Conversion::ComasNumero);
        if (r == Conversion::NingunRechazo)
            r = rechazoDe(c.potencia, Conversion::CaracteresPotencia, Conversion::ComasPotencia);
        if (r != Conversion::NingunRechazo)
            return rechazar(r, true);
    } else {
        return c;
    }

    try {
        c.leido = StrToFloat(c.numero);
        if (*c.leido == 0) {
            // A zero of either sign: the sign is the text's.
            comoCero(c, !c.numero.empty() && c.numero[0] == '-' ? "1" : "0");
            return c;
        }
        c.X = static_cast<double>(std::fabs(*c.leido));
        c.S = static_cast<double>(*c.leido);
        if (c.modo == ModoDecimal)
            c.potenciaEntera = StrToInt(c.potencia);
        c.logaritmo = c.modo == ModoEntero ? logaritmo2(c.X) : log2ConPotencia(c.X, *c.potenciaEntera);
        c.estimado = piso(*c.logaritmo);
        c.k = c.modo == ModoEntero ? Extended{0} : StrToFloat(c.potencia);
        c.producto = porPotenciaDe10(c.X, *c.k);
        c.campos = camposIEEE(c.X, c.S, *c.k, *c.estimado);
    } catch (const Fault& falla) {
        c.fin = Conversion::Falla;
        c.mensaje = falla.what();
        return c;
    }
    if (c.campos->cero) {
        comoCero(c, c.campos->signo);
        return c;
    }
    c.fin = Conversion::Convertida;
    c.numeroARepresentar = c.campos->numeroARepresentar;
    c.signo = c.campos->signo;
    c.exponente = c.campos->exponente;
    c.fraccion = c.campos->fraccion;
    c.error = errorIEEE(c.exponente, c.fraccion, c.campos->exponenteSesgado, c.numeroARepresentar);
    if (c.error) {
        c.numeroRepresentado = c.error->numeroRepresentado;
        c.absoluto = textoError(c.error->absoluto);
        c.relativo = textoError(c.error->relativo);
    }
    return c;
}

} // namespace cifral
