// Decimal to IEEE 754 single, the conversion of "Convertir" on every input
// of the window: a number of up to 16 characters alone ("Entero") or times a
// power of ten of up to 2 characters ("Decimal"). What the window's checks
// refuse is refused, what is no number fails as the reader does, and for
// every other input the three fields are those of the stored 48-bit real cut
// toward zero to single precision (the hardware float conversion under
// round-toward-zero), and the errors are the differences they claim.
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
    // The mode: none, "Entero" or "Decimal". The power of ten stays
    // editable (and ignored) in "Entero" mode.
    const int modo = p.ConsumeIntegralInRange(0, 2) - 1;
    const std::string T = p.ConsumeRandomLengthString(16);
    const std::string K = p.ConsumeRandomLengthString(2);
    cifral::EntradaDecimalIEEE entrada;
    entrada.modo = modo;
    (modo == cifral::ModoDecimal ? entrada.decimal : entrada.entero) = T;
    entrada.potencia = K;
    const cifral::ConversionDecimalIEEE c = cifral::convertirDecimalAIEEE(entrada);
    const bool decimal = modo == cifral::ModoDecimal;
    const std::string donde = std::string(decimal                      ? "Decimal '"
                                          : modo == cifral::ModoEntero ? "Entero '"
                                                                       : "sin modo '") +
                              T + "' x 10^'" + K + "'";
    using C = cifral::ConversionDecimalIEEE;

    // The checks of the window: a number is there (in "Decimal" mode also
    // its power), made of digits, ',' and '-', with at most one ','.
    const bool vacio = T.empty() || (decimal && K.empty());
    if (vacio || modo == cifral::ModoNinguno) {
        EXIGIR(c.fin == (vacio ? C::Rechazada : C::SinModo), donde + ": vacío o sin modo");
        return 0;
    }
    const bool admitidos = admitido(T) && (!decimal || admitido(K));
    EXIGIR((c.fin == C::Rechazada) == !admitidos && c.fin != C::SinModo, donde + ": rechazo");
    if (!admitidos)
        return 0;

    // A text that passes those checks and is no number, or a power of ten
    // that is no integer, is the reader's failure; a zero has the fields
    // of a zero, with the sign of the text.
    const auto d = leerDecimal(T);
    if (!d) {
        EXIGIR(c.fin == C::Falla && c.mensaje == "'" + T + "' is not a valid floating point value",
               donde + ": " + c.mensaje);
        return 0;
    }
    if (d->cifras.empty()) {
        EXIGIR(c.fin == C::Cero && c.signo == (T[0] == '-' ? "1" : "0") && c.exponente == "00000000" &&
                   c.fraccion == std::string(23, '0') && c.absoluto == "0" && c.relativo == "0",
               donde + ": un cero");
        return 0;
    }
    if (decimal && !esEntero(K)) {
        EXIGIR(c.fin == C::Falla && c.mensaje == "'" + K + "' is not a valid integer value", donde + ": " + c.mensaje);
        return 0;
    }

    // The number to represent: |x| times the power of ten in extended
    // precision, then stored in the 48-bit real.
    const auto X = static_cast<double>(std::fabs(cifral::StrToFloat(T)));
    const Extended k = decimal ? cifral::StrToFloat(K) : 0;
    const std::optional<long double> R = real48(cifral::Power(10, k) * X);
    if (!R) {
        EXIGIR(c.fin == C::Falla && c.mensaje == "Floating point overflow", donde + ": desborda; " + c.mensaje);
        return 0;
    }
    EXIGIR(c.fin == C::Convertida && c.campos, donde + ": no convierte; " + c.mensaje);
    EXIGIR(c.numeroARepresentar.valor() == *R, donde + ": número a representar " + texto(*R));
    // Within the window's limits (16 characters, a power of two characters)
    // the number lies between 2^-76 and 2^127: always a normal single.
    EXIGIR(*R >= std::ldexp(1.0L, -80), donde + ": tan chico no se escribe");

    const float f = haciaCero(*R);
    std::uint32_t patron;
    std::memcpy(&patron, &f, sizeof patron);
    const std::string campos = c.signo + " " + c.exponente + " " + c.fraccion;
    EXIGIR(c.signo == (d->negativo ? "1" : "0"), donde + ": signo " + campos);
    EXIGIR(c.exponente == binario((patron >> 23) & 0xFFu, 8), donde + ": exponente " + campos);
    EXIGIR(c.fraccion.substr(0, 23) == binario(patron & 0x7FFFFFu, 23), donde + ": fracción " + campos);
    // A blank follows the 23 bits when bits were cut.
    const bool cortado = f != *R;
    EXIGIR(c.fraccion.size() == (cortado ? 24u : 23u) && (!cortado || c.fraccion[23] == ' '),
           donde + ": '" + c.fraccion + "'");
    EXIGIR(c.campos->exponenteSesgado == static_cast<std::int32_t>((patron >> 23) & 0xFFu),
           donde + ": exponente sesgado");

    // The errors: the number represented is the single, the absolute error
    // its distance to the number to represent, the relative one that over
    // the number (each rounded once to a double).
    EXIGIR(c.error.has_value() && c.absoluto && c.relativo, donde + ": sin error");
    EXIGIR(c.numeroRepresentado.valor() == f, donde + ": número representado");
    const mpq_class absoluto = exacto(*R) - exacto(f);
    EXIGIR(mpq_class(c.error->absoluto) == absoluto, donde + ": error absoluto " + std::to_string(c.error->absoluto));
    const mpq_class relativo = absoluto / exacto(*R);
    EXIGIR(cerca(mpq_class(c.error->relativo), relativo, relativo * potencia2(-52)),
           donde + ": error relativo " + std::to_string(c.error->relativo));
    // Written with at most 10 significant digits, and with 18 decimals
    // unless it has more than 10 integer digits (then in the general form).
    const auto ea = leerDecimal(*c.absoluto);
    EXIGIR(ea && cifrasSignificativas(*ea) <= 10 &&
               cerca(valorDecimal(*ea), absoluto,
                     std::max(mpq_class(absoluto * mpq_class(1, 1000000000)), potencia10(-18))),
           donde + ": error absoluto escrito '" + *c.absoluto + "'");
    if (ea->cifras.empty() || magnitud10(*ea) <= 10)
        EXIGIR(c.absoluto->find(',') != std::string::npos && c.absoluto->size() - c.absoluto->find(',') - 1 == 18,
               donde + ": error absoluto escrito '" + *c.absoluto + "'");
    return 0;
}
