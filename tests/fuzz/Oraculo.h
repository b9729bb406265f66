// What the fuzz targets check the computing routines against: exact rational
// arithmetic (GMP), the integer systems by their definitions, and a reader of
// decimal texts written from the grammar of the decimal text. None of it
// calls the routines under test.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <gmpxx.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace oraculo {

// A property failed: say which and on what, and stop (libFuzzer keeps the
// input as the reproducer).
[[noreturn]] inline void falla(const char* propiedad, const std::string& detalle, const char* archivo, int linea)
{
    std::fprintf(stderr, "\n%s:%d: propiedad violada: %s\n  %s\n", archivo, linea, propiedad, detalle.c_str());
    std::fflush(stderr);
    std::abort();
}

#define EXIGIR(condicion, detalle)                                                                                     \
    do {                                                                                                               \
        if (!(condicion))                                                                                              \
            ::oraculo::falla(#condicion, (detalle), __FILE__, __LINE__);                                               \
    } while (0)

// ------------------------------------------------------------ exact values

inline mpq_class potencia2(long k)
{
    mpq_class q = 1;
    if (k >= 0)
        mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(k));
    else
        mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-k));
    return q;
}

inline mpq_class potencia10(long k)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(k < 0 ? -k : k));
    return k < 0 ? mpq_class(mpz_class(1), p) : mpq_class(p);
}

// The exact value of a finite long double.
inline mpq_class exacto(long double x)
{
    if (x == 0)
        return 0;
    int e = 0;
    const long double m = std::frexp(std::fabs(x), &e); // [0.5, 1)
    const auto significando = static_cast<unsigned long>(std::ldexp(m, 64));
    mpq_class q = mpq_class(mpz_class(significando)) * potencia2(e - 64);
    return x < 0 ? mpq_class(-q) : q;
}

// A text with its unprintable bytes as \xNN.
inline std::string escapado(const std::string& t)
{
    std::string r;
    for (unsigned char c : t) {
        if (c >= 32 && c < 127) {
            r += static_cast<char>(c);
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            r += b;
        }
    }
    return r;
}

inline std::string texto(const mpq_class& q)
{
    return q.get_str();
}

inline std::string texto(long double x)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.21Lg", x);
    return b;
}

// -------------------------------------------------------- integer systems

enum Sistema { BSS = 0, BCS = 1, CA1 = 2, CA2 = 3, Exceso = 4 };

// The value of n bits (1 <= n <= 32) by the definitions of the systems:
// unsigned; sign and magnitude; one's complement (a negative number is the
// unsigned value minus 2^n - 1); two's complement (minus 2^n); excess
// 2^(n-1). `menosCero` is set for the negative zeros: '1' and zeros in BCS,
// all ones in CA1.
inline std::int64_t valorEntero(int sistema, const std::string& bits, int n, bool* menosCero = nullptr)
{
    std::int64_t u = 0;
    for (int i = 0; i < n; ++i)
        u = 2 * u + (bits[static_cast<std::size_t>(i)] == '1' ? 1 : 0);
    const std::int64_t p = std::int64_t{1} << (n - 1);
    const bool signo = bits[0] == '1';
    std::int64_t v = u;
    switch (sistema) {
    case BSS:
        break;
    case BCS:
        v = signo ? -(u - p) : u;
        break;
    case CA1:
        v = signo ? u - (2 * p - 1) : u;
        break;
    case CA2:
        v = signo ? u - 2 * p : u;
        break;
    case Exceso:
        v = u - p;
        break;
    }
    if (menosCero)
        *menosCero = signo && v == 0 && (sistema == BCS || sistema == CA1);
    return v;
}

// The lowest and the highest integer of n bits in a system.
inline std::int64_t desde(int sistema, int n)
{
    const std::int64_t p = std::int64_t{1} << (n - 1);
    switch (sistema) {
    case BSS:
        return 0;
    case BCS:
    case CA1:
        return -(p - 1);
    default:
        return -p;
    }
}

inline std::int64_t hasta(int sistema, int n)
{
    const std::int64_t p = std::int64_t{1} << (n - 1);
    return sistema == BSS ? 2 * p - 1 : p - 1;
}

inline bool binarioDe(const std::string& s, std::size_t n)
{
    if (s.size() != n)
        return false;
    for (char c : s)
        if (c != '0' && c != '1')
            return false;
    return true;
}

// n random bits.
inline std::string bitsAlAzar(FuzzedDataProvider& p, int n)
{
    std::string s;
    std::uint64_t reserva = 0;
    int quedan = 0;
    for (int i = 0; i < n; ++i) {
        if (quedan == 0) {
            reserva = p.ConsumeIntegral<std::uint64_t>();
            quedan = 64;
        }
        s += (reserva & 1) ? '1' : '0';
        reserva >>= 1;
        --quedan;
    }
    return s;
}

// ------------------------------------------------------------ decimal text

// A decimal text read by the grammar of the program's reader: blanks around
// it, an optional sign, digits, optionally ',' and digits, optionally 'E' or
// 'e' with an optional sign and digits (an 'E' without digits adds nothing);
// at least one digit or the ',' after the sign.
struct Decimal {
    bool negativo = false;
    std::string cifras;        // integer and fraction digits, leading zeros removed
    long long exponente10 = 0; // value = cifras * 10^exponente10 (saturated)
    bool exponenteEnorme = false;
};

inline std::optional<Decimal> leerDecimal(const std::string& t)
{
    std::size_t i = 0, fin = t.size();
    while (i < fin && t[i] == ' ')
        ++i;
    while (fin > i && t[fin - 1] == ' ')
        --fin;
    Decimal d;
    if (i < fin && (t[i] == '+' || t[i] == '-'))
        d.negativo = t[i++] == '-';
    std::string enteros, fraccion;
    bool separador = false;
    while (i < fin && t[i] >= '0' && t[i] <= '9')
        enteros += t[i++];
    if (i < fin && t[i] == ',') {
        separador = true;
        ++i;
        while (i < fin && t[i] >= '0' && t[i] <= '9')
            fraccion += t[i++];
    }
    if (enteros.empty() && !separador)
        return std::nullopt;
    long long exp = 0;
    if (i < fin && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool menos = false;
        if (i < fin && (t[i] == '+' || t[i] == '-'))
            menos = t[i++] == '-';
        while (i < fin && t[i] >= '0' && t[i] <= '9') {
            if (exp < 1000000000LL)
                exp = exp * 10 + (t[i] - '0');
            else
                d.exponenteEnorme = true;
            ++i;
        }
        if (menos)
            exp = -exp;
    }
    if (i != fin)
        return std::nullopt;
    d.cifras = enteros + fraccion;
    d.exponente10 = exp - static_cast<long long>(fraccion.size());
    const std::size_t primera = d.cifras.find_first_not_of('0');
    d.cifras = primera == std::string::npos ? std::string() : d.cifras.substr(primera);
    return d;
}

// Its exact value; only for exponents of a sane size (see magnitud10).
inline mpq_class valorDecimal(const Decimal& d)
{
    if (d.cifras.empty())
        return 0;
    mpq_class q = mpq_class(mpz_class(d.cifras)) * potencia10(static_cast<long>(d.exponente10));
    return d.negativo ? mpq_class(-q) : q;
}

// The decimal exponent E of the value (digits before the point), for a
// value that is not zero.
inline long long magnitud10(const Decimal& d)
{
    return d.exponente10 + static_cast<long long>(d.cifras.size());
}

// Significant digits of the text's value (trailing zeros do not count).
inline int cifrasSignificativas(const Decimal& d)
{
    const std::size_t ultima = d.cifras.find_last_not_of('0');
    return ultima == std::string::npos ? 0 : static_cast<int>(ultima + 1);
}

// |a - b| <= cota
inline bool cerca(const mpq_class& a, const mpq_class& b, const mpq_class& cota)
{
    return abs(a - b) <= cota;
}

} // namespace oraculo
