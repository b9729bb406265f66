// Decimal to IEEE 754 single, the steps of "Convertir" on every input the
// window accepts: a number of up to 16 characters alone ("Entero") or times
// a power of ten of up to 2 characters ("Decimal"). The three fields are
// those of the stored 48-bit real cut toward zero to single precision (the
// hardware float conversion under round-toward-zero), and the errors are the
// differences they claim.
//
// Input: the number, then the power of ten, at the front (each ended by a
// '\' and another character); the mode at the end.
#include "Oraculo.h"

#include "ieee/sistnum5.h"

#include <cfenv>

using namespace oraculo;
using cifral::Extended;

namespace {

// The 48-bit real: the 40 leading bits of the magnitude, one unit added in
// the last kept place when the next bit is 1. Nothing when it does not fit
// (2^127 or more); 0 below 2^-128.
std::optional<long double> real48(Extended v)
{
    const mpq_class q = abs(exacto(v));
    if (q == 0)
        return 0.0L;
    const int e = std::ilogb(v); // 2^e <= |v| < 2^(e+1)
    const mpq_class t = q * potencia2(39 - e) + mpq_class(1, 2);
    mpz_class guardados; // floor(t + 1/2): rounded half up, which only the first dropped bit decides
    mpz_fdiv_q(guardados.get_mpz_t(), t.get_num_mpz_t(), t.get_den_mpz_t());
    const long double r = std::ldexp(static_cast<long double>(guardados.get_ui()), e - 39);
    if (r >= std::ldexp(1.0L, 127))
        return std::nullopt;
    if (r < std::ldexp(1.0L, -128))
        return 0.0L;
    return r;
}

// x cut toward zero to single precision by the hardware.
float haciaCero(long double x)
{
    volatile long double fuente = x;
    std::fesetround(FE_TOWARDZERO);
    volatile float f = static_cast<float>(fuente);
    std::fesetround(FE_TONEAREST);
    return f;
}

bool esEntero(const std::string& k)
{
    std::size_t i = k.size() > 0 && (k[0] == '-') ? 1 : 0;
    if (i == k.size())
        return false;
    for (; i < k.size(); ++i)
        if (k[i] < '0' || k[i] > '9')
            return false;
    return true;
}

std::string binario(unsigned v, int n)
{
    std::string s;
    for (int i = n - 1; i >= 0; --i)
        s += ((v >> i) & 1u) ? '1' : '0';
    return s;
}

bool admitido(const std::string& t)
{
    const int n = static_cast<int>(t.size());
    return cifral::caracteresValidos(t, n) && cifral::contarComas(t, n) < 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    FuzzedDataProvider p(datos, tamano);
    const bool decimal = p.ConsumeBool();
    const std::string T = p.ConsumeRandomLengthString(16);
    const std::string K = decimal ? p.ConsumeRandomLengthString(2) : std::string();
    if (T.empty() || (decimal && K.empty()) || !admitido(T) || (decimal && !admitido(K)))
        return 0; // "Ingrese un número entero o decimal"
    const std::string donde = std::string(decimal ? "Decimal '" : "Entero '") + T + (decimal ? "' x 10^" + K : "'");

    // A text that passes the window's checks and is no number ends the
    // handler with the reader's failure.
    const auto d = leerDecimal(T);
    std::optional<Extended> leido;
    try {
        leido = cifral::StrToFloat(T);
    } catch (const cifral::Fault&) {
    }
    EXIGIR(leido.has_value() == d.has_value(), donde + ": lectura");
    if (!leido || *leido == 0)
        return 0; // a zero: the fields of a zero, written by the window
    if (decimal && !esEntero(K)) {
        bool falla = false;
        try {
            cifral::StrToInt(K);
        } catch (const cifral::Fault&) {
            falla = true;
        }
        EXIGIR(falla, donde + ": la potencia no es entera");
        return 0;
    }

    // The steps of the window.
    const auto X = static_cast<double>(std::fabs(*leido));
    const auto S = static_cast<double>(*leido);
    const double L = decimal ? cifral::log2ConPotencia(X, cifral::StrToInt(K)) : cifral::logaritmo2(X);
    const std::int32_t e = cifral::piso(L);
    const Extended k = decimal ? cifral::StrToFloat(K) : 0;
    // The number to represent: |x| times the power of ten in extended
    // precision, then stored in the 48-bit real.
    const Extended producto = cifral::Power(10, k) * X;
    const std::optional<long double> R = real48(producto);
    std::optional<cifral::CamposIEEE> c;
    try {
        c = cifral::camposIEEE(X, S, k, e);
    } catch (const cifral::Fault& f) {
        EXIGIR(!R && std::string(f.what()) == "Floating point overflow", donde + ": " + f.what());
        return 0;
    }
    EXIGIR(R.has_value(), donde + ": no desborda, y 2^127 no cabe");
    EXIGIR(c->numeroARepresentar.valor() == *R, donde + ": número a representar " + texto(*R));
    // Within the window's limits (16 characters, a power of two characters)
    // the number lies between 2^-76 and 2^127: always a normal single.
    EXIGIR(!c->cero && *R >= std::ldexp(1.0L, -80), donde + ": tan chico no se escribe");

    const float f = haciaCero(*R);
    std::uint32_t patron;
    std::memcpy(&patron, &f, sizeof patron);
    const std::string campos = c->signo + " " + c->exponente + " " + c->fraccion;
    EXIGIR(c->signo == (S > 0 ? "0" : "1"), donde + ": signo " + campos);
    EXIGIR(c->exponente == binario((patron >> 23) & 0xFFu, 8), donde + ": exponente " + campos);
    EXIGIR(c->fraccion.substr(0, 23) == binario(patron & 0x7FFFFFu, 23), donde + ": fracción " + campos);
    // A blank follows the 23 bits when bits were cut.
    const bool cortado = f != *R;
    EXIGIR(c->fraccion.size() == (cortado ? 24u : 23u) && (!cortado || c->fraccion[23] == ' '),
           donde + ": '" + c->fraccion + "'");
    EXIGIR(c->exponenteSesgado == static_cast<std::int32_t>((patron >> 23) & 0xFFu), donde + ": exponente sesgado");

    // The errors: the number represented is the single, the absolute error
    // its distance to the number to represent, the relative one that over
    // the number (each rounded once to a double).
    const auto error = cifral::errorIEEE(c->exponente, c->fraccion, c->exponenteSesgado, c->numeroARepresentar);
    EXIGIR(error.has_value(), donde + ": sin error");
    EXIGIR(error->numeroRepresentado.valor() == f, donde + ": número representado");
    const mpq_class absoluto = exacto(*R) - exacto(f);
    EXIGIR(mpq_class(error->absoluto) == absoluto, donde + ": error absoluto " + std::to_string(error->absoluto));
    const mpq_class relativo = absoluto / exacto(*R);
    EXIGIR(cerca(mpq_class(error->relativo), relativo, relativo * potencia2(-52)),
           donde + ": error relativo " + std::to_string(error->relativo));
    return 0;
}
