#include "ieee/sistnumFormatos.h"

#include <gmp.h>
#include <mpfr.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace cifral {

namespace {

// ------------------------------------------------------------ GMP helpers

struct Entero {
    mpz_t z;
    Entero() { mpz_init(z); }
    explicit Entero(std::uint64_t v) { mpz_init_set_ui(z, v); }
    ~Entero() { mpz_clear(z); }
    Entero(const Entero&) = delete;
    Entero& operator=(const Entero&) = delete;
    operator mpz_ptr() { return z; }
    operator mpz_srcptr() const { return z; }
};

std::string cadena(mpz_srcptr z)
{
    std::string s(mpz_sizeinbase(z, 10) + 2, '\0');
    mpz_get_str(s.data(), 10, z);
    s.resize(std::char_traits<char>::length(s.c_str()));
    return s;
}

const std::string Menos = "\u2212"; // the minus sign of formulas
const std::string Por = " \u00d7 ";

// A power of two as a formula writes it: 2^3, 2^−14.
std::string potenciaDeDos(long k)
{
    return "2^" + (k < 0 ? Menos + std::to_string(-k) : std::to_string(k));
}

// digitos × 10^exponente in positional notation: digitos is a natural number
// without leading zeros ("0" or empty for zero).
std::string posicional(bool negativo, const std::string& digitos, long long exponente)
{
    std::string r = negativo ? "-" : "";
    if (digitos.empty() || digitos == "0")
        return r + "0";
    if (exponente >= 0)
        return r + digitos + std::string(static_cast<std::size_t>(exponente), '0');
    const auto decimales = static_cast<std::size_t>(-exponente);
    std::string entera, fraccion;
    if (digitos.size() > decimales) {
        entera = digitos.substr(0, digitos.size() - decimales);
        fraccion = digitos.substr(digitos.size() - decimales);
    } else {
        entera = "0";
        fraccion = std::string(decimales - digitos.size(), '0') + digitos;
    }
    while (!fraccion.empty() && fraccion.back() == '0')
        fraccion.pop_back();
    return r + entera + (fraccion.empty() ? "" : "," + fraccion);
}

// M × 2^k as an exact decimal: the digits of an integer and a power of ten.
void diadicoADecimal(mpz_srcptr m, long k, std::string& digitos, long long& exponente)
{
    Entero n;
    if (k >= 0) {
        mpz_mul_2exp(n, m, static_cast<mp_bitcnt_t>(k));
        exponente = 0;
    } else {
        mpz_ui_pow_ui(n, 5, static_cast<unsigned long>(-k));
        mpz_mul(n, n, m);
        exponente = k;
    }
    digitos = cadena(n);
}

// The significand and the power of two of a finite pattern: |value| = M × 2^k.
struct Diadico {
    bool negativo;
    std::uint64_t significando;
    long exponente;
};

Diadico diadicoDe(FormatoBinario f, std::uint64_t patron)
{
    const CamposBinario c = camposDe(f, patron);
    const long minimo = 1 - f.sesgo() - f.bitsFraccion;
    if (c.exponente == 0)
        return {c.signo != 0, c.fraccion, minimo};
    return {c.signo != 0, c.fraccion | (std::uint64_t{1} << f.bitsFraccion),
            static_cast<long>(c.exponente) - f.sesgo() - f.bitsFraccion};
}

std::string exactoDeDiadico(bool negativo, std::uint64_t m, long k)
{
    Entero z(m);
    std::string digitos;
    long long e = 0;
    diadicoADecimal(z, k, digitos, e);
    return posicional(negativo, digitos, e);
}

// -------------------------------------------------------------- errors

constexpr std::size_t LargoPosicionalMaximo = 1200;
constexpr int CifrasAproximadas = 20;

// digitos (no leading zeros) × 10^exponente in exponent form: "1,5E-400". The digits are already rounded.
std::string conExponente(bool negativo, const std::string& digitos, long long exponente)
{
    std::string d = digitos;
    long long e = exponente + static_cast<long long>(d.size()) - 1;
    while (d.size() > 1 && d.back() == '0')
        d.pop_back();
    std::string r;
    if (negativo)
        r.push_back('-');
    r.push_back(d.front());
    if (d.size() > 1) {
        r.push_back(',');
        r.append(d, 1, std::string::npos);
    }
    if (e != 0) {
        r.push_back('E');
        r.append(std::to_string(e));
    }
    return r;
}

// A value: positional when its first digit is not far from the comma, else
// in exponent form.
std::string escribirAproximado(const std::string& digitos, long long exponente)
{
    const long long primera = exponente + static_cast<long long>(digitos.size());
    if (primera > -25 && primera <= 30)
        return posicional(false, digitos, exponente);
    return conExponente(false, digitos, exponente);
}

// Rounds a digit string to n significant digits, half away from zero (a
// tie comes only from an exact value; a quotient that does not terminate
// has none). Returns how many digits were dropped.
long long redondearCifras(std::string& digitos, std::size_t n)
{
    if (digitos.size() <= n)
        return 0;
    const long long quitadas = static_cast<long long>(digitos.size() - n);
    const bool arriba = digitos[n] >= '5';
    digitos.resize(n);
    if (arriba) {
        int i = static_cast<int>(n) - 1;
        while (i >= 0 && digitos[static_cast<std::size_t>(i)] == '9')
            digitos[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            digitos.insert(digitos.begin(), '1');
        else
            ++digitos[static_cast<std::size_t>(i)];
    }
    return quitadas;
}

// An exact terminating decimal as an error is written: positional when
// its first digit is not far from the comma, else in exponent form; rounded
// to 20 digits when it has too many to read.
TextoError errorExacto(const std::string& digitos, long long exponente)
{
    if (digitos.size() > LargoPosicionalMaximo) {
        std::string d = digitos;
        const long long e = exponente + redondearCifras(d, CifrasAproximadas);
        return {escribirAproximado(d, e), false};
    }
    return {escribirAproximado(digitos, exponente), true};
}

// num / den × 10^exponente (num, den > 0): exact when it terminates and is
// short enough, else to 20 significant digits, correctly rounded.
TextoError errorDeCociente(mpz_srcptr num, mpz_srcptr den, long long exponente)
{
    Entero g, n, d;
    mpz_gcd(g, num, den);
    mpz_divexact(n, num, g);
    mpz_divexact(d, den, g);
    // Terminating when d = 2^a × 5^b.
    Entero resto;
    mpz_set(resto, d);
    const mp_bitcnt_t a = mpz_scan1(resto, 0);
    mpz_fdiv_q_2exp(resto, resto, a);
    unsigned long b = 0;
    while (mpz_divisible_ui_p(resto, 5)) {
        mpz_divexact_ui(resto, resto, 5);
        ++b;
    }
    if (mpz_cmp_ui(resto.z, 1) == 0) {
        const unsigned long t = std::max<unsigned long>(a, b);
        Entero factor;
        mpz_ui_pow_ui(factor, 2, t - a);
        mpz_mul(n, n, factor);
        mpz_ui_pow_ui(factor, 5, t - b);
        mpz_mul(n, n, factor);
        return errorExacto(cadena(n), exponente - static_cast<long long>(t));
    }
    // Not terminating: there is no tie, so the first 22 digits or so round
    // correctly.
    const long long escala =
        static_cast<long long>(CifrasAproximadas + 2) -
        (static_cast<long long>(mpz_sizeinbase(n, 10)) - static_cast<long long>(mpz_sizeinbase(d, 10)));
    Entero p;
    mpz_ui_pow_ui(p, 10, static_cast<unsigned long>(std::llabs(escala)));
    if (escala >= 0)
        mpz_mul(n, n, p);
    else
        mpz_mul(d, d, p);
    Entero q;
    mpz_tdiv_q(q, n, d);
    std::string digitos = cadena(q);
    long long e = exponente - escala;
    e += redondearCifras(digitos, CifrasAproximadas);
    return {escribirAproximado(digitos, e), false};
}

// Normalises an integer's digits: removes trailing zeros into the exponent.
void normalizar(std::string& digitos, long long& exponente)
{
    while (digitos.size() > 1 && digitos.back() == '0') {
        digitos.pop_back();
        ++exponente;
    }
}

// ------------------------------------------------------- MPFR rounding

class RangoDeExponentes {
public:
    RangoDeExponentes(mpfr_exp_t emin, mpfr_exp_t emax) : emin_(mpfr_get_emin()), emax_(mpfr_get_emax())
    {
        mpfr_set_emin(emin);
        mpfr_set_emax(emax);
    }
    ~RangoDeExponentes()
    {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    RangoDeExponentes(const RangoDeExponentes&) = delete;
    RangoDeExponentes& operator=(const RangoDeExponentes&) = delete;

private:
    mpfr_exp_t emin_, emax_;
};

struct Real {
    mpfr_t x;
    explicit Real(mpfr_prec_t p) { mpfr_init2(x, p); }
    ~Real() { mpfr_clear(x); }
    Real(const Real&) = delete;
    Real& operator=(const Real&) = delete;
};

mpfr_rnd_t modo(Redondeo r)
{
    switch (r) {
    case Redondeo::HaciaCero:
        return MPFR_RNDZ;
    case Redondeo::HaciaMasInfinito:
        return MPFR_RNDU;
    case Redondeo::HaciaMenosInfinito:
        return MPFR_RNDD;
    default:
        return MPFR_RNDN;
    }
}

// The text MPFR reads for a finite nonzero decimal; one far outside every
// format's range is replaced by a number as far out on the same side, which
// rounds the same in every rule.
std::string textoParaMpfr(const NumeroDecimal& d)
{
    const long long magnitud = d.exponente + static_cast<long long>(d.digitos.size());
    std::string s = d.negativo ? "-" : "";
    if (magnitud > 400)
        return s + "1e400";
    if (magnitud < -400)
        return s + "1e-400";
    return s + d.digitos + "e" + std::to_string(d.exponente);
}

// The pattern of a nonzero finite MPFR number that already lies in the
// format (right precision, subnormalised).
std::uint64_t patronDe(FormatoBinario f, mpfr_srcptr x)
{
    const unsigned signo = mpfr_signbit(x) ? 1 : 0;
    if (mpfr_inf_p(x))
        return armarPatron(f, signo, f.exponenteMaximo(), 0);
    if (mpfr_zero_p(x))
        return armarPatron(f, signo, 0, 0);
    Entero z;
    long k = static_cast<long>(mpfr_get_z_2exp(z, x));
    mpz_abs(z, z);
    const long minimo = 1 - f.sesgo() - f.bitsFraccion;
    if (k < minimo) {
        mpz_fdiv_q_2exp(z, z, static_cast<mp_bitcnt_t>(minimo - k));
        k = minimo;
    }
    std::uint64_t m = mpz_get_ui(z);
    const std::uint64_t implicito = std::uint64_t{1} << f.bitsFraccion;
    while (m >= 2 * implicito) {
        m >>= 1;
        ++k;
    }
    while (m < implicito && k > minimo && m != 0) {
        m <<= 1;
        --k;
    }
    if (m < implicito)
        return armarPatron(f, signo, 0, m);
    return armarPatron(f, signo, static_cast<std::uint64_t>(k + f.sesgo() + f.bitsFraccion), m - implicito);
}

// The number rounded into the format by MPFR under a rule it has (the
// nearest with ties to even, or a directed one); `inexacto` gets its
// ternary value.
std::uint64_t redondearMpfr(FormatoBinario f, const std::string& texto, mpfr_rnd_t rnd, int& ternario)
{
    // MPFR's exponent e means 0,1xxx × 2^e: the largest finite value has
    // e = sesgo + 1, the smallest subnormal 2^(1 - sesgo - f) has e = 2 -
    // sesgo - f.
    RangoDeExponentes rango(2 - f.sesgo() - f.bitsFraccion, f.sesgo() + 1);
    Real x(f.bitsFraccion + 1);
    ternario = mpfr_strtofr(x.x, texto.c_str(), nullptr, 10, rnd);
    ternario = mpfr_subnormalize(x.x, ternario, rnd);
    return patronDe(f, x.x);
}

// The next pattern away from zero (the infinity after the largest finite).
std::uint64_t alejarDeCero(std::uint64_t patron)
{
    return patron + 1;
}

// Whether the decimal lies exactly halfway between the finite value
// `haciaCero` (toward zero from it) and the next one away from zero.
bool esPuntoMedio(FormatoBinario f, const NumeroDecimal& d, std::uint64_t haciaCero)
{
    const Diadico v = diadicoDe(f, haciaCero);
    // (2M + 1) × 2^(k-1)
    Entero m(v.significando);
    mpz_mul_2exp(m, m, 1);
    mpz_add_ui(m, m, 1);
    std::string digitos;
    long long e = 0;
    diadicoADecimal(m, v.exponente - 1, digitos, e);
    normalizar(digitos, e);
    return digitos == d.digitos && e == d.exponente;
}

// The error of a finite rounded value v against the decimal d.
void calcularErrores(FormatoBinario f, const NumeroDecimal& d, Redondeado& r)
{
    if (claseDe(f, r.patron) == ClaseBinario::Infinito) {
        r.absoluto = {"Infinito", true};
        r.relativo = {"Infinito", true};
        return;
    }
    if (d.digitos.empty()) {
        r.absoluto = {"0", true};
        r.relativo = {"0", true};
        return;
    }
    const Diadico v = diadicoDe(f, r.patron);
    const long long n = static_cast<long long>(d.digitos.size());
    if (std::llabs(d.exponente) > n + 5000) {
        // Far outside the range: the value is 0, the smallest subnormal or
        // the largest finite, and nothing cancels.
        if (v.significando == 0) {
            r.absoluto = errorExacto(d.digitos, d.exponente);
            r.relativo = {"1", true};
            return;
        }
        // MPFR's widest exponent range holds 10^(±10^9).
        RangoDeExponentes rango(mpfr_get_emin_min(), mpfr_get_emax_max());
        Real dec(256), val(256), dif(256), rel(256);
        mpfr_strtofr(dec.x, (d.digitos + "e" + std::to_string(d.exponente)).c_str(), nullptr, 10, MPFR_RNDN);
        mpfr_set_ui_2exp(val.x, v.significando, v.exponente, MPFR_RNDN);
        mpfr_sub(dif.x, val.x, dec.x, MPFR_RNDN);
        mpfr_abs(dif.x, dif.x, MPFR_RNDN);
        mpfr_div(rel.x, dif.x, dec.x, MPFR_RNDN);
        auto texto = [](mpfr_srcptr x) {
            mpfr_exp_t e = 0;
            char* s = mpfr_get_str(nullptr, &e, 10, CifrasAproximadas, x, MPFR_RNDN);
            std::string digitos = s;
            mpfr_free_str(s);
            return escribirAproximado(digitos, static_cast<long long>(e) - CifrasAproximadas);
        };
        r.absoluto = {texto(dif.x), false};
        r.relativo = {texto(rel.x), false};
        return;
    }
    // Both numbers as integers times 10^s.
    std::string dv;
    long long ev = 0;
    Entero mv(v.significando);
    diadicoADecimal(mv, v.exponente, dv, ev);
    const long long s = std::min(ev, d.exponente);
    Entero a, b, p;
    mpz_set_str(a, dv.c_str(), 10);
    mpz_ui_pow_ui(p, 10, static_cast<unsigned long>(ev - s));
    mpz_mul(a, a, p);
    if (v.negativo)
        mpz_neg(a, a);
    mpz_set_str(b, d.digitos.c_str(), 10);
    mpz_ui_pow_ui(p, 10, static_cast<unsigned long>(d.exponente - s));
    mpz_mul(b, b, p);
    if (d.negativo)
        mpz_neg(b, b);
    Entero dif;
    mpz_sub(dif, a, b);
    mpz_abs(dif, dif);
    if (mpz_sgn(dif.z) == 0) {
        r.absoluto = {"0", true};
        r.relativo = {"0", true};
        return;
    }
    std::string digitos = cadena(dif);
    long long e = s;
    normalizar(digitos, e);
    r.absoluto = errorExacto(digitos, e);
    mpz_abs(b, b);
    r.relativo = errorDeCociente(dif, b, 0);
}

} // namespace

std::string decimalExactoDeDiadico(bool negativo, std::uint64_t m, long k)
{
    return exactoDeDiadico(negativo, m, k);
}

bool formatoValido(FormatoBinario f)
{
    return f.bitsExponente >= BitsExponenteMinimo && f.bitsExponente <= BitsExponenteMaximo &&
           f.bitsFraccion >= BitsFraccionMinimo && f.bitsFraccion <= BitsFraccionMaximo && f.ancho() <= 64;
}

CamposBinario camposDe(FormatoBinario f, std::uint64_t patron)
{
    patron &= f.mascara();
    return {static_cast<unsigned>(patron >> (f.ancho() - 1)), (patron >> f.bitsFraccion) & f.exponenteMaximo(),
            patron & ((std::uint64_t{1} << f.bitsFraccion) - 1)};
}

std::uint64_t armarPatron(FormatoBinario f, unsigned signo, std::uint64_t exponente, std::uint64_t fraccion)
{
    return (signo != 0 ? f.bitSigno() : 0) | ((exponente & f.exponenteMaximo()) << f.bitsFraccion) |
           (fraccion & ((std::uint64_t{1} << f.bitsFraccion) - 1));
}

ClaseBinario claseDe(FormatoBinario f, std::uint64_t patron)
{
    const CamposBinario c = camposDe(f, patron);
    if (c.exponente == 0)
        return c.fraccion == 0 ? ClaseBinario::Cero : ClaseBinario::Subnormal;
    if (c.exponente != f.exponenteMaximo())
        return ClaseBinario::Normal;
    if (c.fraccion == 0)
        return ClaseBinario::Infinito;
    return (c.fraccion >> (f.bitsFraccion - 1)) != 0 ? ClaseBinario::NaNSilencioso : ClaseBinario::NaNSenalizador;
}

std::string nombreClase(ClaseBinario c)
{
    switch (c) {
    case ClaseBinario::Normal:
        return "Normal";
    case ClaseBinario::Subnormal:
        return "Subnormal";
    case ClaseBinario::Cero:
        return "Cero";
    case ClaseBinario::Infinito:
        return "Infinito";
    case ClaseBinario::NaNSilencioso:
        return "NaN silencioso";
    case ClaseBinario::NaNSenalizador:
        return "NaN señalizador";
    }
    return {};
}

double valorDouble(FormatoBinario f, std::uint64_t patron)
{
    const ClaseBinario c = claseDe(f, patron);
    const bool negativo = camposDe(f, patron).signo != 0;
    if (c == ClaseBinario::Infinito)
        return negativo ? -HUGE_VAL : HUGE_VAL;
    if (c == ClaseBinario::NaNSilencioso || c == ClaseBinario::NaNSenalizador)
        return std::nan("");
    const Diadico v = diadicoDe(f, patron);
    const double m = std::ldexp(static_cast<double>(v.significando), static_cast<int>(v.exponente));
    return negativo ? -m : m;
}

std::string pesoDelBit(FormatoBinario f, int bit)
{
    if (bit == f.ancho() - 1)
        return "Signo: 0 positivo, 1 negativo";
    if (bit >= f.bitsFraccion) {
        const int i = bit - f.bitsFraccion;
        Entero z;
        mpz_ui_pow_ui(z, 2, static_cast<unsigned long>(i));
        return "Exponente: vale 2^" + std::to_string(i) + " = " + cadena(z) + " en el campo E";
    }
    const int k = bit - f.bitsFraccion; // negative
    return "Fracción: vale 2^" + Menos + std::to_string(-k) + " = " + exactoDeDiadico(false, 1, k) +
           " en el significando";
}

std::string valorExacto(FormatoBinario f, std::uint64_t patron)
{
    const ClaseBinario c = claseDe(f, patron);
    const bool negativo = camposDe(f, patron).signo != 0;
    if (c == ClaseBinario::Infinito)
        return negativo ? "-Infinito" : "Infinito";
    if (c == ClaseBinario::NaNSilencioso || c == ClaseBinario::NaNSenalizador)
        return "NaN";
    const Diadico v = diadicoDe(f, patron);
    return exactoDeDiadico(v.negativo, v.significando, v.exponente);
}

std::string lecturaDe(FormatoBinario f, std::uint64_t patron)
{
    const CamposBinario c = camposDe(f, patron);
    const ClaseBinario clase = claseDe(f, patron);
    const std::string signo = "(" + Menos + "1)^" + std::to_string(c.signo);
    const std::string sesgo = std::to_string(f.sesgo());
    const std::string todoUnos = "Exponente con todos sus bits en 1 (" + std::to_string(f.exponenteMaximo()) + ")";
    switch (clase) {
    case ClaseBinario::Normal: {
        const long e = static_cast<long>(c.exponente) - f.sesgo();
        const std::string significando =
            exactoDeDiadico(false, c.fraccion | (std::uint64_t{1} << f.bitsFraccion), -f.bitsFraccion);
        return "Normal. Se lee (" + Menos + "1)^s" + Por + "1,f" + Por + "2^(E " + Menos + " sesgo), con E " + Menos +
               " sesgo = " + std::to_string(c.exponente) + " " + Menos + " " + sesgo + " = " +
               (e < 0 ? Menos + std::to_string(-e) : std::to_string(e)) + ": " + signo + Por + significando + Por +
               potenciaDeDos(e);
    }
    case ClaseBinario::Subnormal: {
        const std::string significando = exactoDeDiadico(false, c.fraccion, -f.bitsFraccion);
        return "Subnormal. Exponente en 0: sin bit implícito, se lee (" + Menos + "1)^s" + Por + "0,f" + Por + "2^(1 " +
               Menos + " sesgo) = " + signo + Por + significando + Por + potenciaDeDos(1 - f.sesgo());
    }
    case ClaseBinario::Cero:
        return std::string("Cero. Exponente y fracción en 0: ") +
               (c.signo != 0 ? "el signo 1 da " + Menos + "0." : "el signo 0 da +0.");
    case ClaseBinario::Infinito:
        return "Infinito. " + todoUnos + " y fracción en 0: " + (c.signo != 0 ? Menos + "∞." : "+∞.");
    case ClaseBinario::NaNSilencioso:
        return "NaN silencioso. " + todoUnos +
               " y el primer bit de la fracción en 1: no es un número y pasa por las operaciones sin avisar.";
    case ClaseBinario::NaNSenalizador:
        return "NaN señalizador. " + todoUnos +
               ", fracción distinta de 0 con su primer bit en 0: no es un número y una operación que lo usa avisa.";
    }
    return {};
}

std::optional<std::uint64_t> siguienteDe(FormatoBinario f, std::uint64_t patron)
{
    patron &= f.mascara();
    const ClaseBinario c = claseDe(f, patron);
    if (c == ClaseBinario::NaNSilencioso || c == ClaseBinario::NaNSenalizador)
        return std::nullopt;
    const std::uint64_t magnitud = patron & ~f.bitSigno();
    if (magnitud == 0)
        return std::uint64_t{1};
    if ((patron & f.bitSigno()) == 0)
        return c == ClaseBinario::Infinito ? std::nullopt : std::optional<std::uint64_t>(patron + 1);
    return patron - 1;
}

std::optional<std::uint64_t> anteriorDe(FormatoBinario f, std::uint64_t patron)
{
    patron &= f.mascara();
    const ClaseBinario c = claseDe(f, patron);
    if (c == ClaseBinario::NaNSilencioso || c == ClaseBinario::NaNSenalizador)
        return std::nullopt;
    const std::uint64_t magnitud = patron & ~f.bitSigno();
    if (magnitud == 0)
        return f.bitSigno() | 1;
    if ((patron & f.bitSigno()) != 0)
        return c == ClaseBinario::Infinito ? std::nullopt : std::optional<std::uint64_t>(patron + 1);
    return patron - 1;
}

std::string ulpDe(FormatoBinario f, std::uint64_t patron)
{
    if (!esFinito(claseDe(f, patron)))
        return {};
    const std::uint64_t e = std::max<std::uint64_t>(camposDe(f, patron).exponente, 1);
    return exactoDeDiadico(false, 1, static_cast<long>(e) - f.sesgo() - f.bitsFraccion);
}

std::uint64_t nanSilencioso(FormatoBinario f)
{
    return armarPatron(f, 0, f.exponenteMaximo(), std::uint64_t{1} << (f.bitsFraccion - 1));
}

std::optional<NumeroDecimal> leerDecimal(const std::string& texto, std::string& motivo)
{
    std::size_t i = 0, fin = texto.size();
    while (i < fin && (texto[i] == ' ' || texto[i] == '\t'))
        ++i;
    while (fin > i && (texto[fin - 1] == ' ' || texto[fin - 1] == '\t'))
        --fin;
    std::string t = texto.substr(i, fin - i);
    if (t.empty()) {
        motivo = "Escriba un número decimal.";
        return std::nullopt;
    }
    NumeroDecimal d;
    std::size_t p = 0;
    if (t[p] == '+' || t[p] == '-')
        d.negativo = t[p++] == '-';
    std::string resto = t.substr(p);
    std::string minusculas = resto;
    std::transform(minusculas.begin(), minusculas.end(), minusculas.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (minusculas == "inf") {
        d.tipo = NumeroDecimal::Infinito;
        return d;
    }
    if (minusculas == "nan") {
        if (p > 0) {
            motivo = "NaN se escribe sin signo.";
            return std::nullopt;
        }
        d.tipo = NumeroDecimal::NoNumero;
        return d;
    }
    auto digito = [&t](std::size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
    std::string enteros, fraccion;
    while (digito(p))
        enteros += t[p++];
    if (p < t.size() && t[p] == ',') {
        ++p;
        while (digito(p))
            fraccion += t[p++];
    }
    if (enteros.empty() && fraccion.empty()) {
        motivo = p < t.size() && t[p] == '.' ? "Use la coma para los decimales: 0,5."
                                             : "Falta el número: se esperaba una cifra.";
        return std::nullopt;
    }
    long long exponente = 0;
    if (p < t.size() && (t[p] == 'E' || t[p] == 'e')) {
        ++p;
        bool negativo = false;
        if (p < t.size() && (t[p] == '+' || t[p] == '-'))
            negativo = t[p++] == '-';
        std::string cifras;
        while (digito(p))
            cifras += t[p++];
        if (cifras.empty()) {
            motivo = "Falta el exponente después de la E.";
            return std::nullopt;
        }
        cifras.erase(0, std::min(cifras.find_first_not_of('0'), cifras.size()));
        if (cifras.size() > 9) {
            motivo = "El exponente tiene más de 9 cifras.";
            return std::nullopt;
        }
        exponente = cifras.empty() ? 0 : std::stoll(cifras);
        if (negativo)
            exponente = -exponente;
    }
    if (p < t.size()) {
        if (t[p] == '.')
            motivo = "Use la coma para los decimales: 0,5.";
        else if (t[p] == ',')
            motivo = "Hay más de una coma.";
        else
            motivo = "El carácter «" + std::string(1, t[p]) + "» no va en un número decimal.";
        return std::nullopt;
    }
    std::string digitos = enteros + fraccion;
    exponente -= static_cast<long long>(fraccion.size());
    digitos.erase(0, std::min(digitos.find_first_not_of('0'), digitos.size()));
    if (digitos.empty()) {
        d.exponente = 0;
        return d;
    }
    normalizar(digitos, exponente);
    d.digitos = std::move(digitos);
    d.exponente = exponente;
    return d;
}

std::string nombreRedondeo(Redondeo r)
{
    switch (r) {
    case Redondeo::CercanoPar:
        return "Al más cercano, empates al par";
    case Redondeo::HaciaCero:
        return "Hacia cero (truncar)";
    case Redondeo::HaciaMasInfinito:
        return "Hacia +∞";
    case Redondeo::HaciaMenosInfinito:
        return "Hacia −∞";
    case Redondeo::CercanoLejos:
        return "Al más cercano, empates lejos del cero";
    }
    return {};
}

Redondeado redondear(FormatoBinario f, const NumeroDecimal& d, Redondeo r)
{
    Redondeado res;
    const unsigned signo = d.negativo ? 1 : 0;
    if (d.tipo == NumeroDecimal::NoNumero) {
        res.patron = nanSilencioso(f);
        return res;
    }
    if (d.tipo == NumeroDecimal::Infinito) {
        res.patron = armarPatron(f, signo, f.exponenteMaximo(), 0);
        res.absoluto = res.relativo = {"0", true};
        return res;
    }
    if (d.digitos.empty()) {
        res.patron = armarPatron(f, signo, 0, 0);
        res.absoluto = res.relativo = {"0", true};
        return res;
    }
    const std::string texto = textoParaMpfr(d);
    int ternario = 0;
    // Toward zero tells an overflow (beyond the largest finite value) and a
    // tie of the nearest away from zero.
    int haciaCero = 0;
    const std::uint64_t z = redondearMpfr(f, texto, MPFR_RNDZ, haciaCero);
    if (r == Redondeo::CercanoLejos) {
        // The nearest with ties to even, except at an exact tie: then the
        // value toward zero's neighbour away from zero.
        res.patron = redondearMpfr(f, texto, MPFR_RNDN, ternario);
        if (haciaCero != 0 && claseDe(f, z) != ClaseBinario::Infinito && esPuntoMedio(f, d, z)) {
            res.patron = alejarDeCero(z);
            ternario = d.negativo ? -1 : 1;
        }
    } else {
        res.patron = redondearMpfr(f, texto, modo(r), ternario);
    }
    res.inexacto = ternario != 0;
    res.desborde = claseDe(f, z) == ClaseBinario::Normal && haciaCero != 0 &&
                   camposDe(f, z).exponente == f.exponenteMaximo() - 1 &&
                   camposDe(f, z).fraccion == (std::uint64_t{1} << f.bitsFraccion) - 1;
    res.subdesborde = ternario != 0 && camposDe(f, z).exponente == 0;
    calcularErrores(f, d, res);
    return res;
}

} // namespace cifral
