#include "shell/TextoDecimal.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <vector>

namespace cifral {

std::string mensajeFloatInvalido(const std::string& texto)
{
    return "'" + texto + "' is not a valid floating point value";
}

std::string mensajeIntInvalido(const std::string& texto)
{
    return "'" + texto + "' is not a valid integer value";
}

namespace {

// Unsigned big integer, little-endian 32-bit words. Only what the exact
// decimal digits of an extended value need.
class Natural {
public:
    explicit Natural(std::uint64_t v = 0)
    {
        while (v != 0) {
            w_.push_back(static_cast<std::uint32_t>(v));
            v >>= 32;
        }
    }

    bool esCero() const { return w_.empty(); }

    void multiplicar(std::uint32_t m)
    {
        std::uint64_t acarreo = 0;
        for (auto& palabra : w_) {
            const std::uint64_t p = std::uint64_t{palabra} * m + acarreo;
            palabra = static_cast<std::uint32_t>(p);
            acarreo = p >> 32;
        }
        if (acarreo != 0)
            w_.push_back(static_cast<std::uint32_t>(acarreo));
        normalizar();
    }

    void multiplicarPorPotenciaDe5(int k)
    {
        constexpr std::uint32_t cinco13 = 1220703125u; // 5^13
        for (; k >= 13; k -= 13)
            multiplicar(cinco13);
        std::uint32_t resto = 1;
        for (; k > 0; --k)
            resto *= 5;
        multiplicar(resto);
    }

    // Divides in place and returns the remainder.
    std::uint32_t dividir(std::uint32_t d)
    {
        std::uint64_t resto = 0;
        for (std::size_t i = w_.size(); i-- > 0;) {
            const std::uint64_t actual = (resto << 32) | w_[i];
            w_[i] = static_cast<std::uint32_t>(actual / d);
            resto = actual % d;
        }
        normalizar();
        return static_cast<std::uint32_t>(resto);
    }

    void dividirPorPotenciaDe5(int k)
    {
        constexpr std::uint32_t cinco13 = 1220703125u;
        for (; k >= 13; k -= 13)
            dividir(cinco13);
        std::uint32_t resto = 1;
        for (; k > 0; --k)
            resto *= 5;
        dividir(resto);
    }

    void desplazarIzquierda(int bits)
    {
        if (esCero() || bits == 0)
            return;
        const int palabras = bits / 32;
        const int resto = bits % 32;
        if (resto != 0) {
            std::uint32_t acarreo = 0;
            for (auto& palabra : w_) {
                const std::uint32_t nueva = (palabra << resto) | acarreo;
                acarreo = palabra >> (32 - resto);
                palabra = nueva;
            }
            if (acarreo != 0)
                w_.push_back(acarreo);
        }
        w_.insert(w_.begin(), static_cast<std::size_t>(palabras), 0u);
    }

    void desplazarDerecha(int bits)
    {
        const std::size_t palabras = static_cast<std::size_t>(bits / 32);
        const int resto = bits % 32;
        if (palabras >= w_.size()) {
            w_.clear();
            return;
        }
        w_.erase(w_.begin(), w_.begin() + static_cast<std::ptrdiff_t>(palabras));
        if (resto != 0) {
            for (std::size_t i = 0; i < w_.size(); ++i) {
                const std::uint32_t alto = i + 1 < w_.size() ? w_[i + 1] << (32 - resto) : 0u;
                w_[i] = (w_[i] >> resto) | alto;
            }
        }
        normalizar();
    }

    void sumar(const Natural& otro)
    {
        if (w_.size() < otro.w_.size())
            w_.resize(otro.w_.size(), 0u);
        std::uint64_t acarreo = 0;
        for (std::size_t i = 0; i < w_.size(); ++i) {
            const std::uint64_t t = std::uint64_t{w_[i]} + (i < otro.w_.size() ? otro.w_[i] : 0u) + acarreo;
            w_[i] = static_cast<std::uint32_t>(t);
            acarreo = t >> 32;
        }
        if (acarreo != 0)
            w_.push_back(static_cast<std::uint32_t>(acarreo));
    }

    // this - otro, with otro <= this.
    void restar(const Natural& otro)
    {
        std::int64_t prestamo = 0;
        for (std::size_t i = 0; i < w_.size(); ++i) {
            std::int64_t d = std::int64_t{w_[i]} - prestamo - (i < otro.w_.size() ? std::int64_t{otro.w_[i]} : 0);
            prestamo = d < 0 ? 1 : 0;
            if (d < 0)
                d += std::int64_t{1} << 32;
            w_[i] = static_cast<std::uint32_t>(d);
        }
        normalizar();
    }

    std::uint64_t comoU64() const
    {
        std::uint64_t v = 0;
        for (std::size_t i = std::min<std::size_t>(w_.size(), 2); i-- > 0;)
            v = (v << 32) | w_[i];
        return v;
    }

    friend int comparar(const Natural& a, const Natural& b)
    {
        if (a.w_.size() != b.w_.size())
            return a.w_.size() < b.w_.size() ? -1 : 1;
        for (std::size_t i = a.w_.size(); i-- > 0;)
            if (a.w_[i] != b.w_[i])
                return a.w_[i] < b.w_[i] ? -1 : 1;
        return 0;
    }

private:
    void normalizar()
    {
        while (!w_.empty() && w_.back() == 0)
            w_.pop_back();
    }

    std::vector<std::uint32_t> w_;
};

Natural multiplicado(const Natural& n, std::uint64_t m)
{
    Natural bajo = n;
    bajo.multiplicar(static_cast<std::uint32_t>(m));
    Natural alto = n;
    alto.multiplicar(static_cast<std::uint32_t>(m >> 32));
    alto.desplazarIzquierda(32);
    bajo.sumar(alto);
    return bajo;
}

struct Extendido {
    bool negativo;
    int campoExponente; // 15 bits
    std::uint64_t significando;
};

Extendido descomponer(Extended x)
{
    static_assert(sizeof(Extended) >= 10 && LDBL_MANT_DIG == 64, "extended must be the x87 80-bit type");
    unsigned char bytes[sizeof(Extended)];
    std::memcpy(bytes, &x, sizeof bytes);
    Extendido e{};
    std::memcpy(&e.significando, bytes, 8);
    const unsigned alto = unsigned(bytes[8]) | (unsigned(bytes[9]) << 8);
    e.negativo = (alto & 0x8000u) != 0;
    e.campoExponente = static_cast<int>(alto & 0x7FFFu);
    return e;
}

constexpr std::uint64_t diezA17 = 100000000000000000ull;
constexpr std::uint64_t diezA18 = 1000000000000000000ull;

} // namespace

RegistroDecimal registroExacto(Extended x)
{
    RegistroDecimal r;
    const Extendido e = descomponer(x);
    if (e.campoExponente == 0x7FFF) {
        r.negativo = e.negativo;
        r.clase = (e.significando << 1) == 0 ? RegistroDecimal::Infinito : RegistroDecimal::NoNumero;
        return r;
    }
    if (e.campoExponente == 0 || e.significando == 0)
        return r; // zero is written without sign

    r.negativo = e.negativo;
    // |x| = M * 2^k exactly.
    const int k = e.campoExponente - 16383 - 63;
    int E = static_cast<int>(std::floor(std::log10(std::fabs(x)))) + 1;

    for (;;) {
        // q = floor(|x| * 10^(18-E)) computed as num / den with
        // num = M * 2^p2n * 5^p5n and den = 2^c * 5^p5d.
        const int s = 18 - E;
        const int p2n = std::max(k, 0) + std::max(s, 0);
        const int p2d = std::max(-k, 0) + std::max(-s, 0);
        const int p5n = std::max(s, 0);
        const int p5d = std::max(-s, 0);
        Natural num(e.significando);
        int c = 0;
        if (p2n >= p2d)
            num.desplazarIzquierda(p2n - p2d);
        else
            c = p2d - p2n;
        num.multiplicarPorPotenciaDe5(p5n);

        Natural cociente = num;
        cociente.desplazarDerecha(c);
        cociente.dividirPorPotenciaDe5(p5d);
        std::uint64_t q = cociente.comoU64();
        if (q < diezA17) {
            --E;
            continue;
        }
        if (q >= diezA18) {
            ++E;
            continue;
        }

        Natural den(1);
        den.multiplicarPorPotenciaDe5(p5d);
        den.desplazarIzquierda(c);
        Natural resto = num;
        resto.restar(multiplicado(den, q));
        resto.desplazarIzquierda(1);
        const int mitad = comparar(resto, den);
        if (mitad > 0 || (mitad == 0 && (q & 1u) != 0))
            ++q;
        if (q == diezA18) {
            q = diezA17;
            ++E;
        }
        r.exponente = E;
        r.digitos = std::to_string(q);
        return r;
    }
}

RegistroDecimal registroDecimal(Extended x, int precision, int decimales)
{
    RegistroDecimal r = registroExacto(x);
    if (r.clase != RegistroDecimal::Finito || r.digitos.empty())
        return r;

    int n = precision;
    if (decimales >= 0)
        n = std::min(r.exponente + decimales, precision);
    if (n < 0)
        return RegistroDecimal{};
    if (n < static_cast<int>(r.digitos.size())) {
        const bool subir = r.digitos[static_cast<std::size_t>(n)] >= '5';
        r.digitos.resize(static_cast<std::size_t>(n));
        if (subir) {
            int i = n - 1;
            while (i >= 0 && r.digitos[static_cast<std::size_t>(i)] == '9')
                r.digitos[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++r.digitos[static_cast<std::size_t>(i)];
            } else {
                r.digitos.assign(1, '1');
                ++r.exponente;
            }
        }
    }
    while (!r.digitos.empty() && r.digitos.back() == '0')
        r.digitos.pop_back();
    if (r.digitos.empty())
        return RegistroDecimal{};
    return r;
}

namespace {

std::string textoEspecial(const RegistroDecimal& r)
{
    const std::string signo = r.negativo ? "-" : "";
    return signo + (r.clase == RegistroDecimal::Infinito ? "INF" : "NAN");
}

// General format: plain digits while E lies in -3..precision, scientific
// otherwise.
std::string escribirGeneral(const RegistroDecimal& r, int precision)
{
    if (r.clase != RegistroDecimal::Finito)
        return textoEspecial(r);
    const std::string& d = r.digitos;
    const int E = r.exponente;
    std::string t = r.negativo ? "-" : "";
    if (E > precision || E < -3) {
        t += d[0];
        if (d.size() > 1) {
            t += SeparadorDecimal;
            t.append(d, 1);
        }
        t += 'E';
        if (E - 1 < 0)
            t += '-';
        t += std::to_string(std::abs(E - 1));
    } else if (E <= 0) {
        t += '0';
        if (!d.empty()) {
            t += SeparadorDecimal;
            t.append(static_cast<std::size_t>(-E), '0');
            t += d;
        }
    } else {
        const auto enteros = static_cast<std::size_t>(E);
        if (d.size() >= enteros) {
            t.append(d, 0, enteros);
            if (d.size() > enteros) {
                t += SeparadorDecimal;
                t.append(d, enteros);
            }
        } else {
            t += d;
            t.append(enteros - d.size(), '0');
        }
    }
    return t;
}

std::string escribirExponente(const RegistroDecimal& r, int precision, int digitos)
{
    if (r.clase != RegistroDecimal::Finito)
        return textoEspecial(r);
    const std::string& d = r.digitos;
    std::string t = r.negativo ? "-" : "";
    t += d.empty() ? '0' : d[0];
    t += SeparadorDecimal;
    for (int i = 1; i < precision; ++i)
        t += i < static_cast<int>(d.size()) ? d[static_cast<std::size_t>(i)] : '0';
    const int exponente = d.empty() ? 0 : r.exponente - 1;
    t += 'E';
    t += exponente < 0 ? '-' : '+';
    std::string cifras = std::to_string(std::abs(exponente));
    const int ancho = digitos >= 4 ? 1 : std::max(digitos, 1);
    if (static_cast<int>(cifras.size()) < ancho)
        cifras.insert(0, static_cast<std::size_t>(ancho) - cifras.size(), '0');
    return t + cifras;
}

std::string escribirFijo(const RegistroDecimal& r, int precision, int decimales)
{
    if (r.clase != RegistroDecimal::Finito)
        return textoEspecial(r);
    if (!r.digitos.empty() && r.exponente > precision)
        return escribirGeneral(r, precision);
    const std::string& d = r.digitos;
    const int E = d.empty() ? 0 : r.exponente;
    std::string t = r.negativo ? "-" : "";
    std::size_t usados = 0;
    if (E > 0) {
        for (int i = 0; i < E; ++i)
            t += usados < d.size() ? d[usados++] : '0';
    } else {
        t += '0';
    }
    if (decimales > 0) {
        t += SeparadorDecimal;
        std::string fraccion;
        if (E < 0)
            fraccion.append(static_cast<std::size_t>(-E), '0');
        fraccion.append(d, usados);
        if (static_cast<int>(fraccion.size()) < decimales)
            fraccion.append(static_cast<std::size_t>(decimales) - fraccion.size(), '0');
        t += fraccion;
    }
    return t;
}

int acotar(int v, int desde, int hasta)
{
    return std::min(std::max(v, desde), hasta);
}

bool esDigito(char c)
{
    return c >= '0' && c <= '9';
}

locale_t localeC()
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

std::string FloatToStr(Extended x)
{
    return escribirGeneral(registroDecimal(x, 15), 15);
}

std::string FloatToStrF(Extended x, TFloatTextFormat formato, int precision, int digitos)
{
    const int p = acotar(precision, 2, 18);
    switch (formato) {
    case ffExponent:
        return escribirExponente(registroDecimal(x, p), p, digitos);
    case ffFixed: {
        const int d = acotar(digitos, 0, 18);
        return escribirFijo(registroDecimal(x, p, d), p, d);
    }
    case ffGeneral:
        break;
    }
    return escribirGeneral(registroDecimal(x, p), p);
}

Extended StrToFloat(const std::string& texto)
{
    std::size_t i = 0;
    std::size_t fin = texto.size();
    while (i < fin && texto[i] == ' ')
        ++i;
    while (fin > i && texto[fin - 1] == ' ')
        --fin;

    std::string c;
    if (i < fin && (texto[i] == '+' || texto[i] == '-'))
        c += texto[i++];
    bool hayMantisa = false;
    std::string enteros, fraccion;
    while (i < fin && esDigito(texto[i]))
        enteros += texto[i++];
    if (i < fin && texto[i] == SeparadorDecimal) {
        hayMantisa = true;
        ++i;
        while (i < fin && esDigito(texto[i]))
            fraccion += texto[i++];
    }
    hayMantisa = hayMantisa || !enteros.empty();
    std::string exponente;
    if (hayMantisa && i < fin && (texto[i] == 'E' || texto[i] == 'e')) {
        ++i;
        std::string signo;
        if (i < fin && (texto[i] == '+' || texto[i] == '-'))
            signo = texto[i++];
        std::string cifras;
        while (i < fin && esDigito(texto[i]))
            cifras += texto[i++];
        if (!cifras.empty())
            exponente = "e" + signo + cifras;
    }
    if (!hayMantisa || i != fin)
        throw Fault(mensajeFloatInvalido(texto));

    c += enteros.empty() ? "0" : enteros;
    c += '.';
    c += fraccion.empty() ? "0" : fraccion;
    c += exponente;
    const Extended v = strtold_l(c.c_str(), nullptr, localeC());
    if (std::isinf(v))
        throw Fault(mensajeFloatInvalido(texto));
    return v;
}

std::string IntToStr(std::int64_t n)
{
    return std::to_string(n);
}

std::int32_t StrToInt(const std::string& texto)
{
    std::size_t i = 0;
    while (i < texto.size() && texto[i] == ' ')
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        negativo = texto[i++] == '-';
    int base = 10;
    if (i < texto.size() && texto[i] == '$') {
        base = 16;
        ++i;
    }
    std::int64_t valor = 0;
    std::size_t cifras = 0;
    for (; i < texto.size(); ++i, ++cifras) {
        const char ch = texto[i];
        int d;
        if (esDigito(ch))
            d = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f')
            d = ch - 'a' + 10;
        else if (base == 16 && ch >= 'A' && ch <= 'F')
            d = ch - 'A' + 10;
        else
            throw Fault(mensajeIntInvalido(texto));
        valor = valor * base + d;
        if (valor > std::int64_t{INT32_MAX} + 1)
            throw Fault(mensajeIntInvalido(texto));
    }
    if (cifras == 0)
        throw Fault(mensajeIntInvalido(texto));
    if (negativo)
        valor = -valor;
    if (valor > INT32_MAX || valor < INT32_MIN)
        throw Fault(mensajeIntInvalido(texto));
    return static_cast<std::int32_t>(valor);
}

Extended Power(Extended base, Extended exponente)
{
    if (exponente == 0)
        return 1;
    if (base == 0 && exponente > 0)
        return 0;
    if (std::isnan(base) || std::isnan(exponente))
        return base + exponente;
    if (exponente == std::trunc(exponente) && std::fabs(exponente) <= 2147483647.0L) {
        std::uint32_t k = static_cast<std::uint32_t>(std::fabs(exponente));
        Extended resultado = 1;
        Extended factor = base;
        while (k != 0) {
            if ((k & 1u) != 0)
                resultado *= factor;
            k >>= 1;
            if (k != 0)
                factor *= factor;
        }
        if (exponente > 0) {
            if (std::isinf(resultado) && !std::isinf(base))
                throw Fault(MensajeDesbordamiento);
            return resultado;
        }
        if (base == 0)
            throw Fault(MensajeDivisionFlotantePorCero);
        if (resultado == 0 && !std::isinf(base))
            throw Fault(MensajeDesbordamiento); // 1 / (a power that underflowed)
        return 1 / resultado;                   // a power that overflowed gives a quiet zero
    }
    if (base <= 0)
        throw Fault(MensajeOperacionInvalida);
    const Extended r = std::exp(exponente * std::log(base));
    if (std::isinf(r) && !std::isinf(base) && !std::isinf(exponente))
        throw Fault(MensajeDesbordamiento);
    return r;
}

Extended Log10(Extended x)
{
    if (std::isnan(x))
        return x;
    if (x <= 0)
        throw Fault(MensajeOperacionInvalida);
    return std::log10(x);
}

} // namespace cifral
