#include "fixed/sistnumA.h"

#include "shell/TextoDecimal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cifral {

namespace {

Extended dosA(int k)
{
    return Power(2, k);
}

std::string sinSigno(std::string s)
{
    s[0] = '0';
    return s;
}

// Binary digits of m, most significant first: repeated halving until 1.
std::string digitosBinarios(std::uint32_t m)
{
    if (m <= 1)
        return std::string(1, static_cast<char>('0' + m));
    std::string d;
    while (m != 1) {
        d += static_cast<char>('0' + (m % 2));
        m /= 2;
    }
    d += '1';
    std::reverse(d.begin(), d.end());
    return d;
}

std::string rellenar(const std::string& d, int ancho, char relleno)
{
    if (static_cast<int>(d.size()) >= ancho)
        return d;
    return std::string(static_cast<std::size_t>(ancho) - d.size(), relleno) + d;
}

std::uint32_t magnitud(std::int32_t v)
{
    return v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v);
}

const double noExiste = std::numeric_limits<double>::quiet_NaN();

} // namespace

bool esSistema(int sistema)
{
    return sistema >= BSS && sistema <= Exceso;
}

std::string nombreSistema(int sistema)
{
    switch (sistema) {
    case BSS:
        return "BSS";
    case BCS:
        return "BCS";
    case CA1:
        return "CA1";
    case CA2:
        return "CA2";
    case Exceso:
        return "Exceso";
    default:
        return "";
    }
}

bool longitudCorrecta(const std::string& s, int n)
{
    return static_cast<int>(s.size()) == n;
}

bool esBinario(const std::string& s, int n)
{
    for (int i = 0; i < n && i < static_cast<int>(s.size()); ++i)
        if (s[static_cast<std::size_t>(i)] != '0' && s[static_cast<std::size_t>(i)] != '1')
            return false;
    return true;
}

bool todosCeros(const std::string& s, int n)
{
    if (n < 1)
        return false;
    for (int i = 0; i < n; ++i)
        if (static_cast<std::size_t>(i) >= s.size() || s[static_cast<std::size_t>(i)] != '0')
            return false;
    return true;
}

std::int32_t potencia2(int k)
{
    std::uint32_t p = 1;
    for (int i = 0; i < k; ++i)
        p *= 2; // wraps like the 32-bit register it stands for
    return static_cast<std::int32_t>(p);
}

double valorBSS(std::string s, int n)
{
    std::uint32_t suma = 0;
    for (int i = 1; i <= n; ++i) {
        if (s[static_cast<std::size_t>(i - 1)] != '1')
            continue;
        std::uint32_t termino = 1;
        for (int j = 0; j < n - i; ++j)
            termino *= 2;
        suma += termino;
    }
    return static_cast<double>(suma);
}

double valorBCS(std::string s, int n)
{
    if (s[0] == '1')
        return -valorBSS(sinSigno(s), n); // '1' and zeros gives -0
    return valorBSS(s, n);
}

double valorCA1(std::string s, int n)
{
    if (s[0] == '1')
        return static_cast<double>(Extended{valorBSS(sinSigno(s), n)} + (-(dosA(n - 1) - 1)));
    return valorBSS(s, n);
}

double valorCA2(std::string s, int n)
{
    if (todosCeros(s, n))
        return 0;
    if (s[0] == '1')
        return static_cast<double>(Extended{valorBSS(sinSigno(s), n)} + (-dosA(n - 1)));
    return valorCA1(s, n);
}

double valorExceso(std::string s, int n)
{
    if (s[0] == '0')
        return static_cast<double>(Extended{valorBSS(s, n)} - dosA(n - 1));
    return valorBSS(sinSigno(s), n);
}

double valorSistema(TNumberSystem sistema, const std::string& s, int n)
{
    switch (sistema) {
    case BSS:
        return valorBSS(s, n);
    case BCS:
        return valorBCS(s, n);
    case CA1:
        return valorCA1(s, n);
    case CA2:
        return valorCA2(s, n);
    case Exceso:
        return valorExceso(s, n);
    }
    return 0;
}

std::string convertir_A_BSS(int n, std::int32_t v)
{
    return rellenar(digitosBinarios(static_cast<std::uint32_t>(v)), n, '0');
}

std::string convertir_A_BCS(int n, std::int32_t v)
{
    if (v == 0)
        return std::string(static_cast<std::size_t>(std::max(n, 0)), '0');
    const char signo = v > 0 ? '0' : '1';
    return signo + rellenar(digitosBinarios(magnitud(v)), n - 1, '0');
}

std::string convertir_A_CA1(int n, std::int32_t v, bool negativo)
{
    if (!negativo)
        return convertir_A_BCS(n, v);
    const std::uint32_t m = 0u - static_cast<std::uint32_t>(v);
    std::string d = digitosBinarios(m);
    for (char& c : d)
        c = c == '0' ? '1' : '0';
    return rellenar(d, n, '1'); // the ones added on the left are the sign
}

std::string convertir_A_CA2(int n, std::int32_t v, bool negativo)
{
    if (v == 0)
        return std::string(static_cast<std::size_t>(std::max(n, 0)), '0');
    if (v > 0)
        return convertir_A_CA1(n, v, negativo);
    return convertir_A_CA1(n, v + 1, negativo);
}

std::string convertir_A_Exceso(int n, std::int32_t v)
{
    const auto sesgo = static_cast<std::uint32_t>(potencia2(n - 1));
    const std::uint32_t u = v > 0 ? static_cast<std::uint32_t>(v) + sesgo : sesgo - magnitud(v);
    return convertir_A_BSS(n, static_cast<std::int32_t>(u));
}

std::string convertir_A_Sistema(TNumberSystem sistema, int n, std::int32_t v, bool negativo)
{
    switch (sistema) {
    case BSS:
        return convertir_A_BSS(n, v);
    case BCS:
        return convertir_A_BCS(n, v);
    case CA1:
        return convertir_A_CA1(n, v, negativo);
    case CA2:
        return convertir_A_CA2(n, v, negativo);
    case Exceso:
        return convertir_A_Exceso(n, v);
    }
    return {};
}

Rango rango(TNumberSystem sistema, int n)
{
    switch (sistema) {
    case BSS:
        return {0.0, static_cast<double>(dosA(n) - 1)};
    case BCS:
    case CA1:
        return {static_cast<double>(-(dosA(n - 1) - 1)), static_cast<double>(dosA(n - 1) - 1)};
    case CA2:
    case Exceso:
        return {static_cast<double>(-dosA(n - 1)), static_cast<double>(dosA(n - 1) - 1)};
    }
    return {0.0, 0.0};
}

bool existenNegativos(TNumberSystem sistema)
{
    return sistema != BSS;
}

double minimoNegativo(TNumberSystem sistema, int /*n*/)
{
    switch (sistema) {
    case BSS:
        return noExiste;
    case BCS:
    case CA1:
        return -0.0;
    case CA2:
    case Exceso:
        return -1.0;
    }
    return noExiste;
}

double maximoNegativo(TNumberSystem sistema, int n)
{
    switch (sistema) {
    case BSS:
        return noExiste;
    case BCS:
    case CA1:
        return static_cast<double>(-(dosA(n - 1) - 1));
    case CA2:
        return static_cast<double>(-dosA(n - 1));
    case Exceso:
        // -(2^(n-1)) in 32 bits: for n = 32 the negation wraps onto itself.
        return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(potencia2(n - 1)));
    }
    return noExiste;
}

double minimoPositivo(TNumberSystem /*sistema*/, int /*n*/)
{
    return 0.0;
}

double maximoPositivo(TNumberSystem sistema, int n)
{
    switch (sistema) {
    case BSS:
        return static_cast<double>(dosA(n) - 1);
    case BCS:
        // 2^(n-1) - 1 in 32 bits: for n = 32, -2147483648 - 1 wraps to 2147483647.
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(potencia2(n - 1)) - 1u);
    case CA1:
    case CA2:
    case Exceso:
        return static_cast<double>(dosA(n - 1) - 1);
    }
    return 0.0;
}

bool representable(TNumberSystem sistema, int n, std::int64_t v)
{
    const Rango r = rango(sistema, n);
    return r.desde <= static_cast<double>(v) && static_cast<double>(v) <= r.hasta;
}

TextosLimites textosLimites(TNumberSystem sistema, int n)
{
    const Rango r = rango(sistema, n);
    TextosLimites t;
    t.desde = FloatToStr(r.desde);
    t.hasta = FloatToStr(r.hasta);
    if (!existenNegativos(sistema)) {
        t.minimoNegativo = TextoNoExiste;
        t.maximoNegativo = TextoNoExiste;
    } else {
        t.minimoNegativo = (sistema == BCS || sistema == CA1) ? std::string("-").append(FloatToStr(0))
                                                              : FloatToStr(minimoNegativo(sistema, n));
        t.maximoNegativo = FloatToStr(maximoNegativo(sistema, n));
    }
    t.minimoPositivo = FloatToStr(minimoPositivo(sistema, n));
    t.maximoPositivo = FloatToStr(maximoPositivo(sistema, n));
    return t;
}

} // namespace cifral
