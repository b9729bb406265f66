#include "floating/sistnum4.h"

#include <cfloat>
#include <cmath>

namespace cifral {

namespace {

Extended dosA(int k)
{
    return Power(2, k);
}

// The integer whose binary digits are the first `cuantos` characters of
// the digit string.
std::int32_t enteroDeDigitos(const std::string& digitos, int cuantos)
{
    std::int32_t v = 0;
    for (int i = 0; i < cuantos; ++i)
        v = 2 * v + (digitos[static_cast<std::size_t>(i)] == '1' ? 1 : 0);
    return v;
}

// A fraction of n bits in a signed system keeps n-1 digits: its magnitude
// reaches at most 1 - 2^-(n-1). M, the integer of the first n-1 fraction
// digits of |x| with the sign of the typed number, is written as an integer
// of the system; a negative number gives CA1 its negative zero.
std::string mantisaConSigno(TNumberSystem sistema, int n, double x, bool positivo, std::vector<std::string>& mensajes)
{
    if (!(std::fabs(Extended{x}) <= 1 - dosA(-(n - 1)))) {
        mensajes.emplace_back(MensajeFueraDelSistema);
        return {};
    }
    const std::int32_t m = enteroDeDigitos(digitosFraccion(x, n), n - 1);
    return convertir_A_Sistema(sistema, n, positivo ? m : -m, !positivo);
}

std::string sinMenosDelante(const std::string& texto)
{
    return !texto.empty() && texto[0] == '-' ? texto.substr(1) : texto;
}

// The absolute and relative error of V = 2^E * M, the value read back,
// against x, and the marks of the bar at the given scale.
TError4 errorDe(double mantisa, double exponente, double x, Extended escala)
{
    const double v = guardarDouble(Power(2, exponente) * mantisa);
    const double a = guardarDouble(std::fabs(Extended{v} - x));
    const double r = x != 0 ? guardarDouble(Extended{a} / x) : 0.0;
    TError4 t;
    t.absoluto = FloatToStr(a);
    t.relativo = FloatToStr(std::fabs(r));
    t.marcas = marcasDeError(r, escala);
    t.mantisa = mantisa;
    t.exponente = exponente;
    t.valor = v;
    return t;
}

} // namespace

// ------------------------------------------------------------ shared steps

bool EsDecimal(const std::string& texto)
{
    return texto.find(SeparadorDecimal) != std::string::npos;
}

double guardarDouble(Extended v)
{
    if (std::isfinite(v) && std::fabs(v) > DBL_MAX)
        throw Fault(MensajeDesbordamiento);
    return static_cast<double>(v);
}

std::string calcular_Mantisa(double m, TNumberSystem sistema, int n)
{
    const auto v = static_cast<std::int32_t>(m);
    return convertir_A_Sistema(sistema, n, v, v <= 0); // a zero is CA1's negative zero
}

std::string calcular_Exponente(int k, TNumberSystem sistema, int e)
{
    return calcular_Mantisa(k, sistema, e);
}

// ------------------------------------------------------ integer mantissa

double calcular_Mantisa_Exp(const std::string& t, int& k)
{
    const double v = guardarDouble(2 * StrToFloat(t));
    --k;
    return v;
}

double transformar(double x)
{
    const double magnitud = std::fabs(x);
    const double i = std::trunc(magnitud);
    const double f = magnitud - i; // exact
    double r = i;
    if (f >= 0.75)
        r = i + 0.75;
    else if (f >= 0.5)
        r = i + 0.5;
    else if (f >= 0.25)
        r = i + 0.25;
    return x < 0 ? -r : r;
}

bool mantisa_valida(int n, TNumberSystem sistema, double m)
{
    // No system of at most 32 bits holds a mantissa beyond 2^62.
    return std::fabs(m) < 0x1p62 && representable(sistema, n, static_cast<std::int64_t>(m));
}

bool exp_valido(int k, int e, TNumberSystem sistema)
{
    return representable(sistema, e, k);
}

bool representar(int k, int n, int e, TNumberSystem sistemaMantisa, TNumberSystem sistemaExponente, double m)
{
    return mantisa_valida(n, sistemaMantisa, m) && exp_valido(k, e, sistemaExponente);
}

std::optional<TMantisaExponente> calcular_MantisaExponente_Entera(int n, int e, TNumberSystem sistemaExponente,
                                                                  TNumberSystem sistemaMantisa, double x,
                                                                  TRastro4* rastro)
{
    // At most four binary fraction digits, each doubling through the text
    // of the value before; with more, a second run on the number cut to
    // quarters, which has at most two.
    std::string t;
    int k = 0;
    for (int corrida = 0; corrida < 2; ++corrida) {
        t = FloatToStr(x);
        k = 0;
        TRastro4::Corrida* traza = nullptr;
        if (rastro != nullptr)
            traza = &rastro->corridas.emplace_back(TRastro4::Corrida{x, t, {}, false});
        for (int i = 0; i < 4 && EsDecimal(t); ++i) {
            const std::string leido = t;
            t = FloatToStr(calcular_Mantisa_Exp(t, k));
            if (traza != nullptr)
                traza->duplicaciones.push_back({leido, t, k});
        }
        if (!EsDecimal(t))
            break;
        if (traza != nullptr)
            traza->sigueDecimal = true;
        x = transformar(x);
    }

    // Halving, truncated, until mantissa and exponent fit. A text in
    // scientific form (below 0,00001) reads as a value below 1: mantissa 0.
    double v = guardarDouble(StrToFloat(t));
    const double exponenteMaximo = rango(sistemaExponente, e).hasta;
    for (;;) {
        const double m = std::trunc(v);
        const bool cabe = representar(k, n, e, sistemaMantisa, sistemaExponente, m);
        if (rastro != nullptr)
            rastro->ajustes.push_back({v, m, k, cabe});
        if (cabe)
            return TMantisaExponente{calcular_Mantisa(m, sistemaMantisa, n),
                                     calcular_Exponente(k, sistemaExponente, e)};
        if (k >= exponenteMaximo)
            return std::nullopt; // every later exponent is too large as well
        v = m / 2;
        ++k;
    }
}

TConversion4 calcular_MantExp_Entera(const std::string& texto, const TFormato4& formato, TRastro4* rastro)
{
    TConversion4 r;
    const double x = guardarDouble(StrToFloat(texto));
    if (x < 0 && formato.sistemaMantisa == BSS) {
        r.mensajes.emplace_back(MensajeNegativoEnBSS);
        r.escribe = true; // both fields become empty
        return r;
    }
    const auto bits = calcular_MantisaExponente_Entera(formato.n, formato.e, formato.sistemaExponente,
                                                       formato.sistemaMantisa, x, rastro);
    if (!bits) {
        r.mensajes.emplace_back(MensajeNoRepresentable);
        return r;
    }
    r.escribe = true;
    r.mantisa = bits->mantisa;
    r.exponente = bits->exponente;
    return r;
}

// ---------------------------------------------------- fractional mantissa

void cambiarRaro(double& b, int& k, TRastro4* rastro)
{
    const bool positivo = b > 0;
    b = std::fabs(b);
    while (b > 0 && b < 0.5) {
        b = 2 * b;
        --k;
        if (rastro != nullptr)
            rastro->dobles.push_back({FloatToStr(b), k});
    }
    if (!positivo)
        b = -b;
}

std::string digitosFraccion(double x, int n, TRastro4* rastro)
{
    std::string digitos(static_cast<std::size_t>(n), '0');
    double q = std::fabs(x);
    for (int i = 0; i < n; ++i) {
        if (!EsDecimal(FloatToStr(q))) {
            if (rastro != nullptr)
                rastro->parado = true;
            break;
        }
        const double resto = q;
        q = 2 * q;
        const int d = q >= 1 ? 1 : 0;
        digitos[static_cast<std::size_t>(i)] = static_cast<char>('0' + d);
        q = q - d;
        if (rastro != nullptr)
            rastro->digitos.push_back({resto, 2 * resto, d, q});
    }
    return digitos;
}

std::string mantisa_Bss(int n, double x, bool positivo, std::vector<std::string>& mensajes)
{
    if (!positivo) {
        mensajes.emplace_back(MensajeNoSeRepresentanNegativos);
        return {};
    }
    if (!(Extended{x} <= 1 - dosA(-n))) {
        mensajes.emplace_back(MensajeFueraDelSistema);
        mensajes.emplace_back(MensajeNoNormalizada);
        return {};
    }
    return convertir_A_BSS(n, enteroDeDigitos(digitosFraccion(x, n), n));
}

// The signed systems write the integer M of the first n-1 digits with the
// typed sign as an n-bit integer of their own: BCS sign and magnitude, CA1
// the complement of the digits after the sign, CA2 2^n - M, Exceso
// 2^(n-1) + M and 2^(n-1) - M.
std::string mantisa_Bcs(int n, double x, bool positivo, std::vector<std::string>& mensajes)
{
    return mantisaConSigno(BCS, n, x, positivo, mensajes);
}

std::string mantisa_CA1(int n, double x, bool positivo, std::vector<std::string>& mensajes)
{
    return mantisaConSigno(CA1, n, x, positivo, mensajes);
}

std::string mantisa_CA2(int n, double x, bool positivo, std::vector<std::string>& mensajes)
{
    return mantisaConSigno(CA2, n, x, positivo, mensajes);
}

std::string mantisa_Exceso(int n, double x, bool positivo, std::vector<std::string>& mensajes)
{
    return mantisaConSigno(Exceso, n, x, positivo, mensajes);
}

std::string calcular_Mantisa_Fraccionaria(TNumberSystem sistema, int n, double x, bool positivo,
                                          std::vector<std::string>& mensajes)
{
    switch (sistema) {
    case BSS:
        return mantisa_Bss(n, x, positivo, mensajes);
    case BCS:
        return mantisa_Bcs(n, x, positivo, mensajes);
    case CA1:
        return mantisa_CA1(n, x, positivo, mensajes);
    case CA2:
        return mantisa_CA2(n, x, positivo, mensajes);
    case Exceso:
        return mantisa_Exceso(n, x, positivo, mensajes);
    }
    return {};
}

std::string recomplementar(std::string bits)
{
    for (char& c : bits)
        c = c == '0' ? '1' : c == '1' ? '0' : c;
    return bits;
}

std::string bit_implicito_Bss(const std::string& s)
{
    return s.substr(1) + '0';
}

std::string bit_implicito_Bcs(const std::string& s)
{
    return s.substr(0, 1) + s.substr(2) + '0';
}

std::string bit_implicito_CA1(const std::string& s)
{
    return recomplementar(bit_implicito_Bcs(recomplementar(s)));
}

std::string bit_implicito(TNumberSystem sistema, int n, double x, bool positivo, std::vector<std::string>& mensajes)
{
    const std::string s = calcular_Mantisa_Fraccionaria(sistema, n, x, positivo, mensajes);
    if (s.size() < 2)
        return s;
    const std::string r = sistema == BSS   ? bit_implicito_Bss(s)
                          : sistema == CA1 ? bit_implicito_CA1(s)
                                           : bit_implicito_Bcs(s);
    if (r[1] != '1')
        mensajes.emplace_back(MensajeImplicitoNoNormalizada);
    return r;
}

TConversion4 calcular_MantExp_Fraccionaria(const std::string& texto, const TFormato4& formato, TRastro4* rastro)
{
    TConversion4 r;
    if (!EsDecimal(texto)) {
        r.mensajes.emplace_back(MensajeNoEsDecimal);
        return r;
    }
    const double tecleado = guardarDouble(StrToFloat(texto));

    // A magnitude of 1 or more is halved, each time through its text, until
    // it is below 1: a power of two such as 2 ends at 0,5 x 2^2, a fraction
    // every system can hold.
    double a = std::fabs(tecleado);
    int k = 0;
    std::string t = texto;
    while (a >= 1) {
        a = a / 2;
        t = FloatToStr(a);
        ++k;
        if (rastro != nullptr)
            rastro->mitades.push_back({t, k});
    }
    double b = guardarDouble(StrToFloat(t));

    // A magnitude below 0,5 is doubled, which takes a negative exponent; no
    // doubling ever brings zero up to 0,5.
    if (-0.5 < b && b < 0.5) {
        if (formato.sistemaExponente == BSS || b == 0) {
            r.mensajes.emplace_back(MensajeNoRepresentable);
            return r;
        }
        cambiarRaro(b, k, rastro);
        t = FloatToStr(b);
    }
    if (!exp_valido(k, formato.e, formato.sistemaExponente)) {
        r.mensajes.emplace_back(MensajeNoRepresentable); // no number of fifteen characters gets here
        return r;
    }

    const double x = guardarDouble(StrToFloat(t));
    if (rastro != nullptr) {
        rastro->normalizado = true;
        rastro->x = x;
        rastro->k = k;
    }
    const bool positivo = tecleado > 0;
    r.mantisa = formato.implicito
                    ? bit_implicito(formato.sistemaMantisa, formato.n, x, positivo, r.mensajes)
                    : calcular_Mantisa_Fraccionaria(formato.sistemaMantisa, formato.n, x, positivo, r.mensajes);
    r.escribe = true;
    r.exponente = calcular_Exponente(k, formato.sistemaExponente, formato.e);
    return r;
}

// -------------------------------------------------------------- the error

int marcasDeError(double relativo, Extended escala)
{
    const Extended marcas = std::fabs(Extended{relativo}) / escala;
    return marcas < MarcasMaximas ? static_cast<int>(marcas) : MarcasMaximas;
}

double calculoM(int longitud, TNumberSystem sistema, const std::string& bits)
{
    return valorSistema(sistema, bits, longitud);
}

double calculoE(int longitud, TNumberSystem sistema, const std::string& bits)
{
    return calculoM(longitud, sistema, bits);
}

std::string cambiarElBitImplicito(const std::string& bits, TNumberSystem sistema)
{
    if (bits.size() < 2)
        return bits;
    return conBitImplicito(bits.substr(0, bits.size() - 1), sistema); // without the filler bit
}

double mfraccionaria(const std::string& bits, int n, TNumberSystem sistema)
{
    const Extended divisor = dosA(sistema == BSS ? n : n - 1);
    return guardarDouble(Extended{valorSistema(sistema, bits, n)} / divisor);
}

std::optional<TError4> calcular_errores(const TFormato4& formato, double x, const std::string& mantisa,
                                        const std::string& exponente)
{
    if (controlarBits(mantisa, formato.n, exponente, formato.e) != BitsCorrectos)
        return std::nullopt;
    const double m = calculoM(formato.n, formato.sistemaMantisa, mantisa);
    const double e = calculoE(formato.e, formato.sistemaExponente, exponente);
    return errorDe(m, e, x, EscalaEntera);
}

std::optional<TError4> calculo_error_F(const TFormato4& formato, double x, const std::string& mantisa,
                                       const std::string& exponente)
{
    if (controlarBits(mantisa, formato.n, exponente, formato.e) != BitsCorrectos)
        return std::nullopt;
    const std::string s = formato.implicito ? cambiarElBitImplicito(mantisa, formato.sistemaMantisa) : mantisa;
    const double m = mfraccionaria(s, formato.n, formato.sistemaMantisa);
    const double e = calculoE(formato.e, formato.sistemaExponente, exponente);
    return errorDe(m, e, x, EscalaFraccionaria);
}

// ---------------------------------------------------------- negative zero

bool esMenosCero(const std::string& texto)
{
    return !texto.empty() && texto[0] == '-' && StrToFloat(texto) == 0;
}

TMantisaExponente menosCeroBcs(int n, int e, int sistemaExponente)
{
    return {'1' + std::string(static_cast<std::size_t>(n - 1), '0'),
            sistemaExponente == Exceso ? convertir_A_Exceso(e, 0) : std::string(static_cast<std::size_t>(e), '0')};
}

// ------------------------------------------------- limits and range texts

bool esNumero(const std::string& texto)
{
    bool coma = false;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c >= '0' && c <= '9')
            continue;
        if (i == 0 && c == '-')
            continue;
        if (c == SeparadorDecimal && i != 0 && !coma) {
            coma = true;
            continue;
        }
        return false;
    }
    return true;
}

void MinMaxEnt(int n, TNumberSystem sistema, TFloatLimits& limites)
{
    minMaxEnt(n, sistema, limites);
    if (sistema == CA2 || sistema == Exceso) {
        limites.manMinNeg = 1;
        limites.manAntMinNeg = 2;
    }
}

TFloatLimits limitesDelFormato(TMantissaKind tipo, const TFormato4& formato)
{
    TFloatLimits l;
    if (tipo == Entera)
        MinMaxEnt(formato.n, formato.sistemaMantisa, l);
    else
        minMaxFracc(formato.n, formato.sistemaMantisa, l);
    calcExp(formato.e, formato.sistemaExponente, l);
    return l;
}

TTextosRango textosDelRango(const TFloatLimits& limites, TMantissaKind tipo, TNumberSystem sistemaMantisa)
{
    TTextosRango t = calcularNums(limites, tipo, sistemaMantisa);
    if (tipo == Fraccionaria)
        t.resolucionMinimaNegativa = sinMenosDelante(t.resolucionMinimaNegativa);
    return t;
}

std::string conSignoNegativo(const std::string& minimoNegativo)
{
    if (minimoNegativo.empty() || minimoNegativo[0] == '-' || minimoNegativo == TextoNoExiste)
        return minimoNegativo;
    return "-" + minimoNegativo;
}

} // namespace cifral
