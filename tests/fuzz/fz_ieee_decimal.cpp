// IEEE 754 single to decimal, the steps of "Convertir " on every pattern of
// 32 bits: the value equals the hardware float with those bits, the formula
// and the decimal text are that value, and the neighbour and the maximum
// absolute error follow from it. A character that is not a bit is refused.
//
// Input, from the end: the 32 bits, then whether a character is spoiled and
// which.
#include "Oraculo.h"

#include "ieee/sistnum6.h"

#include <cfloat>

using namespace oraculo;

namespace {

std::string binario(std::uint32_t v, int n)
{
    std::string s;
    for (int i = n - 1; i >= 0; --i)
        s += ((v >> i) & 1u) ? '1' : '0';
    return s;
}

// "(2 ^ X)*S", "-(2 ^ X)*S", "(2 ^-126)*S" or "-(2 ^-126)*S": 2^X times S.
mpq_class valorDeFormula(const std::string& formula, const std::string& donde)
{
    const bool menos = !formula.empty() && formula[0] == '-';
    const std::size_t abre = formula.find("(2 ^");
    const std::size_t cierra = formula.find(")*");
    EXIGIR(abre == (menos ? 1u : 0u) && cierra != std::string::npos, donde + ": fórmula '" + formula + "'");
    const auto x = leerDecimal(formula.substr(abre + 4, cierra - abre - 4));
    const auto s = leerDecimal(formula.substr(cierra + 2));
    EXIGIR(x && s && !s->negativo && x->exponente10 >= 0, donde + ": fórmula '" + formula + "'");
    const mpq_class v = valorDecimal(*s) * potencia2(valorDecimal(*x).get_num().get_si());
    return menos ? mpq_class(-v) : v;
}

// The decimal text: FloatToStr, or the exponent format with 5 digits and
// " (Aprox.)".
mpq_class valorDeDecimal(const std::string& t, bool& aproximado, const std::string& donde)
{
    const std::string marca = " (Aprox.)";
    aproximado = t.size() > marca.size() && t.compare(t.size() - marca.size(), marca.size(), marca) == 0;
    const auto d = leerDecimal(aproximado ? t.substr(0, t.size() - marca.size()) : t);
    EXIGIR(d.has_value(), donde + ": decimal '" + t + "'");
    return valorDecimal(*d);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    FuzzedDataProvider p(datos, tamano);
    const auto bits = p.ConsumeIntegral<std::uint32_t>();
    const bool estropear = p.ConsumeIntegralInRange(0, 15) == 0;
    const int donde_ = p.ConsumeIntegralInRange(0, 30);
    const unsigned s = bits >> 31, E = (bits >> 23) & 0xFFu;
    const std::uint32_t fr = bits & 0x7FFFFFu;
    std::string exponente = binario(E, 8), fraccion = binario(fr, 23);
    std::string donde = "patrón " + std::to_string(s) + " " + exponente + " " + fraccion;

    float hw;
    std::memcpy(&hw, &bits, sizeof hw);
    const cifral::PatronIEEE patron{bits};
    if (!std::isnan(hw) && !std::isinf(hw)) {
        const double v = cifral::valorDe(patron);
        EXIGIR(v == hw && std::signbit(v) == std::signbit(hw), donde + ": valorDe");
    }

    cifral::EstadoIEEE6 estado;
    cifral::ConversorIEEE6 conversor(estado);
    if (estropear) {
        std::string& campo = donde_ < 8 ? exponente : fraccion;
        campo[static_cast<std::size_t>(donde_ < 8 ? donde_ : donde_ - 8)] = '2';
        const cifral::ConversionIEEE6 r = conversor.convertir(static_cast<int>(s), exponente, fraccion);
        EXIGIR(!r.binario && r.formula.empty(), donde + ": un carácter que no es un bit");
        return 0;
    }
    const cifral::ConversionIEEE6 r = conversor.convertir(static_cast<int>(s), exponente, fraccion);
    EXIGIR(r.binario, donde + ": rechazado");
    // "Ver detalle" copies the entered pattern onto the report.
    const cifral::DetalleIEEE6 detalle =
        cifral::detalleIEEE6(static_cast<int>(s), exponente, fraccion, r.formula, estado);
    EXIGIR(detalle.signo == std::to_string(s) && detalle.exponente == exponente && detalle.fraccion == fraccion,
           donde + ": detalle");

    if (E == 255) {
        const std::string esperado = fr != 0 ? "NaN" : (s ? "-Infinito" : "Infinito");
        EXIGIR(r.formula == esperado && r.error == "No Tiene" && r.decimal.empty(), donde + ": '" + r.formula + "'");
        return 0;
    }

    // The value: the float itself; a subnormal number is valued by its
    // magnitude (its sign is only written in front of the formula).
    const float magnitud = std::fabs(hw);
    EXIGIR(r.valor == (E == 0 ? magnitud : hw), donde + ": valor " + std::to_string(r.valor));

    // The neighbour: the next number away from zero, but the previous one
    // when the fraction is all ones (no next one in the binade) and for 2,
    // whose next number the course leaves for the previous one. The zeros
    // take the smallest subnormal number.
    const bool anterior = fr == 0x7FFFFFu || (E == 128 && fr == 0);
    const float vecino = anterior ? std::nextafter(magnitud, 0.0f) : std::nextafter(magnitud, FLT_MAX);
    const double gap = std::fabs(static_cast<double>(vecino) - static_cast<double>(magnitud));
    EXIGIR(estado.diferenciaMayor == gap, donde + ": diferencia " + std::to_string(estado.diferenciaMayor));
    // The maximum absolute error is half of it.
    const std::string mitad = cifral::FloatToStr(gap).find('E') != std::string::npos
                                  ? cifral::FloatToStrF(gap / 2, cifral::ffExponent, 5, 5) + " (Aprox.)"
                                  : cifral::FloatToStr(gap / 2);
    EXIGIR(r.error == mitad, donde + ": error '" + r.error + "', debe ser '" + mitad + "'");

    if (E == 0 && fr == 0) {
        EXIGIR(r.formula == (s ? "-0" : "0") && r.decimal.empty(), donde + ": '" + r.formula + "'");
        return 0;
    }
    // The formula and the decimal text are the value, to 15 significant
    // digits of the significand, and to 5 digits in the exponent format.
    const mpq_class exacto = oraculo::exacto(static_cast<long double>(s ? -magnitud : magnitud));
    const mpq_class formula = valorDeFormula(r.formula, donde);
    EXIGIR(cerca(formula, exacto, abs(exacto) * mpq_class(1, 10000000000000)), donde + ": fórmula '" + r.formula + "'");
    bool aproximado = false;
    const mpq_class decimal = valorDeDecimal(r.decimal, aproximado, donde);
    EXIGIR(cerca(decimal, exacto, abs(exacto) * (aproximado ? mpq_class(1, 10000) : mpq_class(1, 10000000000000))),
           donde + ": decimal '" + r.decimal + "'");
    // The neighbour's formula is the neighbour.
    const mpq_class vv = valorDeFormula(estado.vecinoTexto, donde + " (vecino)");
    const mpq_class ve = oraculo::exacto(static_cast<long double>(vecino));
    EXIGIR(cerca(abs(vv), ve, ve * mpq_class(1, 10000000000000)), donde + ": vecino '" + estado.vecinoTexto + "'");
    return 0;
}
