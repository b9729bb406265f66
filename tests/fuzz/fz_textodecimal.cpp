// The decimal text: writing a value (the exact digit record, the general,
// exponent and fixed formats) and reading a text (the real and the integer
// reader, and the checks of what the windows accept).
//
// Input: the text to read at the front (up to 40 characters, a '\' followed
// by another character ends it), and from the end the ten bytes of an
// extended value, whether its exponent is drawn from the whole range, the
// precision and the digits of the formats, and the exponent of a power.
#include "Oraculo.h"

#include "floating/sistnum4.h"
#include "ieee/sistnum5.h"
#include "shell/TextoDecimal.h"

#include <cfloat>

using namespace oraculo;
using cifral::Extended;

namespace {

// The extended value of ten bytes, as the hardware keeps it: the integer
// bit follows the exponent field (set for every normal number, clear for a
// denormal), so that no pattern is one the arithmetic never produces.
Extended extendidoDe(std::uint64_t significando, std::uint16_t signoYExponente)
{
    const unsigned campo = signoYExponente & 0x7FFFu;
    if (campo == 0)
        significando &= ~(std::uint64_t{1} << 63);
    else
        significando |= std::uint64_t{1} << 63;
    unsigned char b[sizeof(Extended)] = {};
    std::memcpy(b, &significando, 8);
    std::memcpy(b + 8, &signoYExponente, 2);
    Extended x;
    std::memcpy(&x, b, sizeof x);
    return x;
}

bool campoExponenteCero(Extended x)
{
    unsigned char b[sizeof(Extended)];
    std::memcpy(b, &x, sizeof x);
    std::uint16_t se;
    std::memcpy(&se, b + 8, 2);
    return (se & 0x7FFFu) == 0;
}

// The exact 18 digits and E of |x|, from the C library's printf (exact,
// ties to even).
void referencia(Extended x, std::string& cifras, int& exponente)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.17Le", std::fabs(x));
    const std::string t = b;
    cifras = t.substr(0, 1) + t.substr(2, 17);
    exponente = std::stoi(t.substr(t.find('e') + 1)) + 1;
}

// A written text read back exactly; it must be a decimal text.
mpq_class leido(const std::string& t, const std::string& donde)
{
    const auto d = leerDecimal(t);
    EXIGIR(d.has_value() && !d->exponenteEnorme, donde + " escribe '" + t + "'");
    return valorDecimal(*d);
}

// Half a unit of the k-th significant digit of a number with decimal
// exponent E: 5 * 10^(E - k - 1).
mpq_class mediaUnidad(long long E, long long k)
{
    return mpq_class(5) * potencia10(static_cast<long>(E - k - 1));
}

void comprobarEscritura(Extended x, int precision, int digitos)
{
    const std::string donde = "x = " + texto(x);
    const std::string general = cifral::FloatToStr(x);
    if (std::isnan(x)) {
        EXIGIR(general == (std::signbit(x) ? "-NAN" : "NAN"), donde);
        EXIGIR(cifral::FloatToStrF(x, cifral::ffFixed, precision, digitos) == general, donde);
        return;
    }
    if (std::isinf(x)) {
        EXIGIR(general == (x < 0 ? "-INF" : "INF"), donde);
        EXIGIR(cifral::FloatToStrF(x, cifral::ffExponent, precision, digitos) == general, donde);
        return;
    }
    const cifral::RegistroDecimal r = cifral::registroExacto(x);
    if (x == 0 || campoExponenteCero(x)) {
        // Zero, and what is too small for the extended exponent field, has
        // no digits and is written without a sign.
        EXIGIR(r.digitos.empty() && r.exponente == 0 && !r.negativo, donde);
        EXIGIR(general == "0", donde + " escribe '" + general + "'");
        return;
    }
    std::string cifras;
    int E = 0;
    referencia(x, cifras, E);
    EXIGIR(r.digitos == cifras && r.exponente == E && r.negativo == (x < 0),
           donde + ": registro " + r.digitos + " E" + std::to_string(r.exponente) + ", referencia " + cifras + " E" +
               std::to_string(E));

    // The general format: at most 15 significant digits, rounded from the
    // 18 exact ones (half a unit of the 15th digit plus half of the 18th).
    const mpq_class vx = exacto(x);
    const auto dg = leerDecimal(general);
    EXIGIR(dg && cifrasSignificativas(*dg) <= 15 && general.find('+') == std::string::npos &&
               general.find(' ') == std::string::npos,
           donde + " escribe '" + general + "'");
    EXIGIR(cerca(leido(general, donde), vx, mediaUnidad(E, 15) + mediaUnidad(E, 18)),
           donde + " escribe '" + general + "'");
    // Scientific form exactly when the rounded value has more than 15
    // integer digits or starts below 0,0001.
    const long long Eescrito = magnitud10(*dg);
    EXIGIR((general.find('E') != std::string::npos) == (Eescrito > 15 || Eescrito < -3),
           donde + " escribe '" + general + "'");
    // Read back and written again, the text stays: the 15 digits are a value
    // of their own. At the bottom of the extended range the value read back
    // may fall among the denormals, which are written as 0 by rule.
    if (E > -4925) {
        const std::string otra = cifral::FloatToStr(cifral::StrToFloat(general));
        EXIGIR(otra == general, donde + ": '" + general + "' se lee y escribe '" + otra + "'");
    }

    // The exponent format keeps P digits (P clamped to 2..18).
    const int P = std::clamp(precision, 2, 18);
    const std::string exp = cifral::FloatToStrF(x, cifral::ffExponent, precision, digitos);
    const auto de = leerDecimal(exp);
    // A first digit, the separator and P - 1 digits; 'E', a sign, and the
    // exponent with at least D digits for D up to 3 (leading zeros), with
    // no leading zero from 4 on.
    const std::size_t letraE = exp.find('E');
    EXIGIR(de && letraE != std::string::npos, donde + " escribe '" + exp + "'");
    const std::size_t inicio = exp[0] == '-' ? 1 : 0;
    const std::string cifrasExp = exp.substr(letraE + 2);
    EXIGIR(letraE - inicio == static_cast<std::size_t>(P + 1) && exp[inicio + 1] == ',' &&
               (exp[letraE + 1] == '+' || exp[letraE + 1] == '-') && !cifrasExp.empty(),
           donde + " escribe '" + exp + "' con P = " + std::to_string(P));
    const std::size_t minimo = digitos <= 3 ? static_cast<std::size_t>(std::max(digitos, 1)) : 1;
    EXIGIR(cifrasExp.size() >= minimo && (cifrasExp.size() == minimo || cifrasExp[0] != '0'),
           donde + " escribe '" + exp + "' con D = " + std::to_string(digitos));
    EXIGIR(cerca(leido(exp, donde), vx, mediaUnidad(E, P) + mediaUnidad(E, 18)), donde + " escribe '" + exp + "'");

    // The fixed format rounds to D decimals but to no more than P digits,
    // and writes exactly D decimals; when the rounded value has more than P
    // integer digits (a carry may add the one too many, as 999999999999999,5
    // to 15 digits) it is the general format with P digits.
    const int D = std::clamp(digitos, 0, 18);
    const std::string fijo = cifral::FloatToStrF(x, cifral::ffFixed, precision, digitos);
    const mpq_class vf = leido(fijo, donde);
    const auto df = leerDecimal(fijo);
    if (!df->cifras.empty() && magnitud10(*df) > P) {
        EXIGIR(cerca(vf, vx, mediaUnidad(E, P) + mediaUnidad(E, 18)), donde + " escribe '" + fijo + "'");
    } else {
        const std::size_t coma = fijo.find(',');
        const std::size_t decimales = coma == std::string::npos ? 0 : fijo.size() - coma - 1;
        EXIGIR(static_cast<int>(decimales) == D && fijo.find('E') == std::string::npos,
               donde + " escribe '" + fijo + "' con D = " + std::to_string(D));
        const long long kept = std::min<long long>(P, static_cast<long long>(E) + D);
        EXIGIR(cerca(vf, vx, mediaUnidad(E, kept) + mediaUnidad(E, 18)), donde + " escribe '" + fijo + "'");
    }
}

// The integer reader: blanks in front, an optional sign, decimal digits or
// '$' and hexadecimal digits, and a value of 32 bits with sign.
std::optional<std::int32_t> enteroDe(const std::string& t)
{
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    bool menos = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        menos = t[i++] == '-';
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    long long v = 0;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        v = std::min(v * base + d, 1LL << 40);
    }
    v = menos ? -v : v;
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

void comprobarLectura(const std::string& t)
{
    const std::string donde = "texto '" + escapado(t) + "'";
    // A fault's message is a C string: it ends at a NUL of the text.
    const bool conNulo = t.find('\0') != std::string::npos;
    auto mensajeDeFallo = [&](const std::string& fallo) {
        return conNulo ? fallo == "'" + t.substr(0, t.find('\0'))
                       : fallo == "'" + t + "' is not a valid floating point value";
    };
    std::optional<Extended> v;
    std::string fallo;
    try {
        v = cifral::StrToFloat(t);
    } catch (const cifral::Fault& f) {
        fallo = f.what();
    }
    const auto d = leerDecimal(t);
    if (!d) {
        EXIGIR(!v && mensajeDeFallo(fallo), donde + " se lee");
    } else if (d->cifras.empty()) {
        EXIGIR(v && *v == 0, donde + ": un cero");
    } else {
        const long long E = magnitud10(*d);
        const bool arriba = d->exponenteEnorme ? d->exponente10 > 0 : E > 4934;
        const bool abajo = d->exponenteEnorme ? d->exponente10 < 0 : E < -4952;
        if (arriba) {
            EXIGIR(!v && !fallo.empty(), donde + ": desborda");
        } else if (abajo) {
            EXIGIR(v && *v == 0, donde + ": por debajo del menor desnormal");
        } else {
            // The nearest extended value; from half a unit above the
            // largest one on, the value overflows.
            const mpq_class q = valorDecimal(*d);
            const mpq_class tope = (potencia2(64) - mpq_class(1, 2)) * potencia2(16384 - 64);
            if (abs(q) >= tope) {
                EXIGIR(!v && mensajeDeFallo(fallo), donde + ": desborda");
                return;
            }
            EXIGIR(v.has_value(), donde + " falla: " + fallo);
            const mpq_class error = abs(q - exacto(*v));
            for (Extended vecino : {std::nextafter(*v, -LDBL_MAX), std::nextafter(*v, LDBL_MAX)})
                if (vecino != *v)
                    EXIGIR(error <= abs(q - exacto(vecino)),
                           donde + " se lee " + texto(*v) + ", mejor " + texto(vecino));
            // A text of at most 15 significant digits is written back as the
            // same number, away from the extended range's ends.
            if (cifrasSignificativas(*d) <= 15 && E > -4920 && E < 4920) {
                const std::string escrito = cifral::FloatToStr(*v);
                EXIGIR(leido(escrito, donde) == q, donde + " se escribe '" + escrito + "'");
            }
        }
    }

    // The integer reader.
    std::optional<std::int32_t> n;
    try {
        n = cifral::StrToInt(t);
    } catch (const cifral::Fault& f) {
        if (!conNulo)
            EXIGIR(std::string(f.what()) == "'" + t + "' is not a valid integer value", donde);
    }
    EXIGIR(n == enteroDe(t), donde + " como entero");

    // What the decimal-to-floating-point window accepts: digits, a '-' only
    // in front and one ',' anywhere but first. Such a text, unless empty or
    // a lone '-', is always a number.
    bool numero = true;
    int comas = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == ',' && i > 0 && comas == 0)
            ++comas;
        else if (!((c >= '0' && c <= '9') || (c == '-' && i == 0)))
            numero = false;
    }
    EXIGIR(cifral::esNumero(t) == numero, donde + ": esNumero");
    if (numero && !t.empty() && t != "-")
        EXIGIR(v.has_value(), donde + " pasa la prueba de número y no se lee");

    // What the decimal-to-IEEE window accepts: digits, ',' and '-' anywhere.
    bool validos = true;
    int todasLasComas = 0;
    for (char c : t) {
        validos = validos && ((c >= '0' && c <= '9') || c == ',' || c == '-');
        todasLasComas += c == ',';
    }
    const int n1 = static_cast<int>(t.size());
    EXIGIR(cifral::caracteresValidos(t, n1) == validos, donde + ": caracteresValidos");
    EXIGIR(cifral::contarComas(t, n1) == todasLasComas, donde + ": contarComas");
}

// Power by repeated squaring: exact for the powers of two of the extended
// range and for 10^k up to 10^27 (5^27 still fits 64 bits); beyond, within
// the rounding of its few products; a reciprocal for a negative exponent.
void comprobarPotencias(int k)
{
    const std::string donde = "Power, k = " + std::to_string(k);
    if (k >= -16382 && k <= 16383)
        EXIGIR(cifral::Power(2, k) == std::ldexp(1.0L, k), donde + ": 2^k");
    EXIGIR(cifral::Power(0, 0) == 1 && cifral::Power(k, 0) == 1, donde + ": exponente 0");
    if (k > 4932) {
        bool desborda = false;
        try {
            cifral::Power(10, k);
        } catch (const cifral::Fault& f) {
            desborda = std::string(f.what()) == "Floating point overflow";
        }
        EXIGIR(desborda, donde + ": 10^k no cabe");
        return;
    }
    if (k < -4930)
        return; // the reciprocal of a power beyond the range: a quiet zero
    const Extended p = cifral::Power(10, k);
    const mpq_class exacta = potencia10(k);
    if (k >= 0 && k <= 27)
        EXIGIR(exacto(p) == exacta, donde + ": 10^k = " + texto(p));
    else
        EXIGIR(cerca(exacto(p), exacta, exacta * potencia2(-58)), donde + ": 10^k = " + texto(p));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    FuzzedDataProvider p(datos, tamano);
    const auto significando = p.ConsumeIntegral<std::uint64_t>();
    auto signoYExponente = p.ConsumeIntegral<std::uint16_t>();
    // Most values drawn lie within 2^(+-128), where the numbers of the
    // windows are (the exponent is the low byte's offset from 2^0); the
    // others from the whole extended range.
    if (!p.ConsumeBool())
        signoYExponente = static_cast<std::uint16_t>((signoYExponente & 0x8000u) |
                                                     (16383 + static_cast<std::int8_t>(signoYExponente & 0xFFu)));
    const int precision = p.ConsumeIntegralInRange(0, 20);
    const int digitos = p.ConsumeIntegralInRange(0, 22);
    const int k = p.ConsumeIntegralInRange(-5000, 5000);
    const std::string t = p.ConsumeRandomLengthString(40);

    comprobarEscritura(extendidoDe(significando, signoYExponente), precision, digitos);
    comprobarLectura(t);
    comprobarPotencias(k);
    // The value of the text is written by the same rules.
    const auto d = leerDecimal(t);
    if (d && !d->exponenteEnorme && std::llabs(d->exponente10) < 5000) {
        try {
            comprobarEscritura(cifral::StrToFloat(t), precision, digitos);
        } catch (const cifral::Fault&) {
        }
    }
    return 0;
}
