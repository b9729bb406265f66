// The floating-point layout, decimal to bits: every text the window accepts
// (at most 15 characters), in every layout of the window (mantissa and
// exponent of 8 or 16 bits, any systems, both kinds, with or without the
// implicit bit). The number the written bits stand for is the typed number
// cut toward zero within the layout's resolution, or the conversion says
// why not; the error the window shows is the distance of those bits.
//
// Input: the typed text at the front (a '\' and another character end it),
// the layout from the end.
#include "Oraculo.h"

#include "floating/sistnum4.h"

using namespace oraculo;

namespace {

// The typed number passes through 15-digit texts on its way (doublings and
// halvings are written and read again): each pass may move it by half a unit
// of its 15th digit, and no conversion makes more than a few.
const mpq_class Holgura(1, 50000000000000); // 2e-14, relative

std::string formato(const cifral::TFormato4& f, bool entera)
{
    return std::string(entera ? "Entera " : "Fraccionaria ") + cifral::nombreSistema(f.sistemaMantisa) +
           std::to_string(f.n) + (f.implicito ? " SI " : " NO ") + cifral::nombreSistema(f.sistemaExponente) +
           std::to_string(f.e);
}

// The error the window shows, read back, is |v - x| for the double x it
// read: half a unit of its 15th digit off at most.
void comprobarError(const std::optional<cifral::TError4>& error, const mpq_class& v, double x, const std::string& donde)
{
    EXIGIR(error.has_value(), donde + ": sin error");
    const mpq_class a = abs(v - mpq_class(x));
    const auto leido = leerDecimal(error->absoluto);
    EXIGIR(leido.has_value(), donde + ": error '" + error->absoluto + "'");
    EXIGIR(cerca(valorDecimal(*leido), a, a * mpq_class(1, 100000000000000)),
           donde + ": error '" + error->absoluto + "', debe ser " + std::to_string(a.get_d()));
    EXIGIR(error->marcas >= 0 && error->marcas <= cifral::MarcasMaximas, donde + ": marcas");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    FuzzedDataProvider p(datos, tamano);
    const bool entera = p.ConsumeBool();
    cifral::TFormato4 f;
    f.n = p.ConsumeBool() ? 16 : 8;
    f.e = p.ConsumeBool() ? 16 : 8;
    f.sistemaMantisa = static_cast<cifral::TNumberSystem>(p.ConsumeIntegralInRange(0, 4));
    f.sistemaExponente = static_cast<cifral::TNumberSystem>(p.ConsumeIntegralInRange(0, 4));
    f.implicito = p.ConsumeBool();
    const std::string t = p.ConsumeRandomLengthString(15);
    // What the window lets through: its number test, and a text that reads
    // as a number (a lone '-' is the reader's failure, not a conversion).
    if (t.empty() || t == "-" || !cifral::esNumero(t))
        return 0;
    const int sm = f.sistemaMantisa, se = f.sistemaExponente;
    const std::string donde = formato(f, entera) + " '" + t + "'";
    const auto d = leerDecimal(t);
    EXIGIR(d.has_value(), donde + ": no es un número");
    const mpq_class x = valorDecimal(*d);
    const double xd = static_cast<double>(cifral::StrToFloat(t));

    // The range box of the layout.
    const auto tipo = entera ? cifral::Entera : cifral::Fraccionaria;
    const cifral::TFloatLimits lim = cifral::limitesDelFormato(tipo, f);
    const cifral::TTextosRango rango = cifral::textosDelRango(lim, tipo, f.sistemaMantisa);
    EXIGIR(lim.expMin < lim.expMax && lim.manMinPos <= lim.manMaxPos && !rango.numeroMaximoPositivo.empty(),
           donde + ": límites");

    // Sign and magnitude has a negative zero of its own: '1' and zeros, with
    // the exponent 0.
    if (cifral::esMenosCero(t) && sm == BCS) {
        const cifral::TMantisaExponente z = cifral::menosCeroBcs(f.n, f.e, se);
        EXIGIR(z.mantisa == "1" + std::string(static_cast<std::size_t>(f.n - 1), '0'), donde + ": " + z.mantisa);
        EXIGIR(binarioDe(z.exponente, static_cast<std::size_t>(f.e)) && valorEntero(se, z.exponente, f.e) == 0,
               donde + ": " + z.exponente);
        return 0;
    }

    if (entera) {
        cifral::TRastro4 rastro; // the steps, as the working shows them
        const cifral::TConversion4 c = cifral::calcular_MantExp_Entera(t, f, &rastro);
        if (x < 0 && sm == BSS) {
            EXIGIR(c.mantisa.empty() && c.exponente.empty() && c.mensajes.size() == 1, donde + ": negativo en BSS");
            return 0;
        }
        EXIGIR(c.escribe && c.mensajes.empty(), donde + ": no escribe");
        EXIGIR(binarioDe(c.mantisa, static_cast<std::size_t>(f.n)) &&
                   binarioDe(c.exponente, static_cast<std::size_t>(f.e)),
               donde + ": '" + c.mantisa + "' '" + c.exponente + "'");
        const std::int64_t m = valorEntero(sm, c.mantisa, f.n);
        const std::int64_t k = valorEntero(se, c.exponente, f.e);
        const mpq_class v = mpq_class(mpz_class(static_cast<long>(m))) * potencia2(k);
        const std::string bits = donde + " -> '" + c.mantisa + "' '" + c.exponente + "' = " + texto(v);
        // The typed number cut toward zero: never above it, and below it by
        // less than a unit of the mantissa's last bit, plus the quarter
        // that the fallback to two fraction digits may cut.
        EXIGIR(m == 0 || (m < 0) == (x < 0), bits + ": signo");
        EXIGIR(abs(v) <= abs(x) * (1 + Holgura), bits + ": mayor que el número");
        EXIGIR(abs(x) - abs(v) < potencia2(k) + mpq_class(1, 4) + abs(x) * Holgura, bits + ": resolución");
        comprobarError(cifral::calcular_errores(f, xd, c.mantisa, c.exponente), v, xd, bits);
        // The working's last fitting is the mantissa written, and it fits.
        EXIGIR(!rastro.ajustes.empty() && rastro.ajustes.back().cabe &&
                   rastro.ajustes.back().mantisa == static_cast<double>(m) && rastro.ajustes.back().k == k,
               bits + ": el último ajuste del paso a paso");
        return 0;
    }

    cifral::TRastro4 rastro;
    const cifral::TConversion4 c = cifral::calcular_MantExp_Fraccionaria(t, f, &rastro);
    if (t.find(',') == std::string::npos) {
        EXIGIR(!c.escribe && c.mensajes == std::vector<std::string>{cifral::MensajeNoEsDecimal}, donde);
        return 0;
    }
    // Below 0,5 the number needs a negative exponent, which a BSS exponent
    // does not hold; a zero is never normalized. Both are refused.
    if (x == 0 || (abs(x) < mpq_class(1, 2) && se == BSS)) {
        EXIGIR(!c.escribe && c.mensajes == std::vector<std::string>{cifral::MensajeNoRepresentable}, donde);
        return 0;
    }
    EXIGIR(c.escribe && binarioDe(c.exponente, static_cast<std::size_t>(f.e)), donde + ": '" + c.exponente + "'");
    const std::int64_t k = valorEntero(se, c.exponente, f.e);
    // The number normalized: 0,5 <= |x| / 2^k <= 1 (a power of two from 1 up
    // normalizes to 1 exactly).
    const mpq_class normalizado = abs(x) * potencia2(-k);
    EXIGIR(normalizado >= mpq_class(1, 2) * (1 - Holgura) && normalizado <= 1 + Holgura,
           donde + ": exponente " + std::to_string(k));
    EXIGIR(rastro.normalizado && rastro.k == k, donde + ": el exponente del paso a paso");
    const int digitos = sm == BSS ? f.n : f.n - 1;
    if (c.mantisa.empty()) {
        // Refused with a message: a negative number in BSS, or a magnitude
        // too close to 1 for the mantissa's digits.
        const bool cercaDeUno = normalizado > 1 - potencia2(-digitos) - Holgura;
        EXIGIR(!c.mensajes.empty() && ((x < 0 && sm == BSS) || cercaDeUno), donde + ": mantisa vacía");
        return 0;
    }
    EXIGIR(binarioDe(c.mantisa, static_cast<std::size_t>(f.n)), donde + ": '" + c.mantisa + "'");
    EXIGIR(!(x < 0 && sm == BSS), donde + ": un negativo en BSS");
    // The window reads an implicit bit back as '1'; for a negative number in
    // a complement or in excess that bit is not a '1', so the value read
    // back is not the number's (a limit of the course's implicit bit).
    if (f.implicito && x < 0 && sm != BCS)
        return 0;
    std::string s = c.mantisa;
    if (f.implicito)
        s = sm == BSS ? "1" + s.substr(0, s.size() - 1) : s.substr(0, 1) + "1" + s.substr(1, s.size() - 2);
    const mpq_class mv = mpq_class(mpz_class(static_cast<long>(valorEntero(sm, s, f.n)))) * potencia2(-digitos);
    const mpq_class v = mv * potencia2(k);
    const std::string bits = donde + " -> '" + c.mantisa + "' '" + c.exponente + "' = " + texto(v);
    EXIGIR(abs(mv) >= mpq_class(1, 2) && abs(mv) < 1 && (mv < 0) == (x < 0), bits + ": mantisa no normalizada");
    EXIGIR(abs(v) <= abs(x) * (1 + Holgura), bits + ": mayor que el número");
    // The first binary digits of the fraction, cut: less than a unit of the
    // last one is lost. The digits also stop when the remainder's text is
    // written in scientific form (below 0,0001): from the second digit on,
    // what is left then is less than 0,0001 / 2.
    const mpq_class ultimo = std::max(potencia2(-digitos), mpq_class(1, 20000));
    EXIGIR(abs(x) - abs(v) < potencia2(k) * ultimo + abs(x) * Holgura, bits + ": resolución");
    if (!f.implicito)
        comprobarError(cifral::calculo_error_F(f, xd, c.mantisa, c.exponente), v, xd, bits);
    return 0;
}
