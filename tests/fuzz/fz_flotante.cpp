// The floating-point layout, bits to value: for every layout (kind, mantissa
// of 2 to 16 bits, implicit bit, exponent of 2 to 16 bits, any systems) the
// value of a mantissa and of an exponent, the ten limits (ordered, and the
// extreme ones attained) and the range texts made from them.
//
// Input, from the end: the layout, then the bits of the mantissa and of the
// exponent.
#include "Oraculo.h"

#include "floating/sistnum3.h"

using namespace oraculo;

namespace {

std::string formato(const cifral::TFloatFormat& f)
{
    return std::string(f.tipoMantisa == cifral::Entera ? "Entera " : "Fraccionaria ") +
           cifral::nombreSistema(f.sistemaMantisa) + std::to_string(f.longitudMantisa) +
           (f.bitImplicito == cifral::ConBitImplicito ? " SI " : " NO ") + cifral::nombreSistema(f.sistemaExponente) +
           std::to_string(f.longitudExponente);
}

// "F * (2^X)" read back: F and X.
void leerPotencia(const std::string& t, double& factor, double& exponente, const std::string& donde)
{
    const std::size_t por = t.find(" * (2^");
    EXIGIR(por != std::string::npos && t.back() == ')', donde + ": '" + t + "'");
    const auto f = leerDecimal(t.substr(0, por));
    const auto x = leerDecimal(t.substr(por + 6, t.size() - por - 7));
    EXIGIR(f && x, donde + ": '" + t + "'");
    factor = valorDecimal(*f).get_d();
    exponente = valorDecimal(*x).get_d();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    FuzzedDataProvider p(datos, tamano);
    cifral::TFloatFormat f;
    f.tipoMantisa = p.ConsumeIntegralInRange(0, 1);
    f.longitudMantisa = p.ConsumeIntegralInRange(2, 16);
    f.sistemaMantisa = p.ConsumeIntegralInRange(0, 4);
    f.bitImplicito = p.ConsumeIntegralInRange(0, 1);
    f.longitudExponente = p.ConsumeIntegralInRange(2, 16);
    f.sistemaExponente = p.ConsumeIntegralInRange(0, 4);
    const int n = f.longitudMantisa, m = f.longitudExponente;
    const int sm = f.sistemaMantisa, se = f.sistemaExponente;
    const auto sistemaM = static_cast<cifral::TNumberSystem>(sm);
    const auto sistemaE = static_cast<cifral::TNumberSystem>(se);
    const std::string mantisa = bitsAlAzar(p, n);
    const std::string exponente = bitsAlAzar(p, m);
    const std::string donde = formato(f) + " '" + mantisa + "' '" + exponente + "'";

    EXIGIR(cifral::controlarBits(mantisa, n, exponente, m) == cifral::BitsCorrectos, donde);

    // The exponent: its integer value, a negative zero as a plain 0, within
    // its limits, which are the ends of its system's range.
    cifral::TFloatLimits lim;
    cifral::calcExp(m, sistemaE, lim);
    const double E = cifral::expo(exponente, m, sistemaE);
    EXIGIR(E == static_cast<double>(valorEntero(se, exponente, m)) && !(E == 0 && std::signbit(E)), donde + ": E");
    EXIGIR(lim.expMin == static_cast<double>(desde(se, m)) && lim.expMax == static_cast<double>(hasta(se, m)),
           donde + ": expMin, expMax");
    EXIGIR(lim.expMin < lim.expMax && lim.expMin <= E && E <= lim.expMax, donde + ": E fuera de sus límites");

    double M = 0;
    if (f.tipoMantisa == cifral::Entera) {
        M = cifral::manent(mantisa, n, sistemaM);
        EXIGIR(M == static_cast<double>(valorEntero(sm, mantisa, n)) && !(M == 0 && std::signbit(M)), donde + ": M");
        cifral::minMaxEnt(n, sistemaM, lim);
        // The largest and the most negative mantissa are the ends of the
        // system's range; 1 and -1 are the ones nearest zero.
        EXIGIR(lim.manMaxPos == static_cast<double>(hasta(sm, n)) && lim.manMinPos == 1, donde + ": positivos");
        EXIGIR(lim.manAntMaxPos == lim.manMaxPos - 1 && lim.manSigMinPos == 2, donde + ": vecinos positivos");
        EXIGIR(M <= lim.manMaxPos, donde + ": M sobre el máximo");
        if (sm == BSS) {
            EXIGIR(lim.manMaxNeg == cifral::ManMaxNegNoExiste && M >= 0, donde);
        } else {
            EXIGIR(lim.manMaxNeg == static_cast<double>(desde(sm, n)) && std::fabs(lim.manMinNeg) == 1,
                   donde + ": negativos");
            EXIGIR(lim.manSigMaxNeg == lim.manMaxNeg + 1 && lim.manMaxNeg <= M, donde + ": M bajo el mínimo");
        }
    } else {
        const bool implicito = f.bitImplicito == cifral::ConBitImplicito;
        int nPrima = n;
        M = cifral::mantFracc(mantisa, nPrima, sistemaM, implicito);
        EXIGIR(nPrima == n + (implicito ? 1 : 0), donde + ": n'");
        // The implicit '1' goes in front of a BSS mantissa and after the
        // sign bit in the other systems; the value is the integer of the n'
        // bits over 2^n' (BSS, Exceso) or 2^(n'-1).
        std::string bits = mantisa;
        if (implicito)
            bits = sm == BSS ? "1" + mantisa : mantisa.substr(0, 1) + "1" + mantisa.substr(1);
        const int escala = (sm == BSS || sm == Exceso) ? nPrima : nPrima - 1;
        const mpq_class valor =
            mpq_class(mpz_class(static_cast<long>(valorEntero(sm, bits, nPrima)))) * potencia2(-escala);
        EXIGIR(mpq_class(M) == valor, donde + ": M = " + std::to_string(M) + ", debe ser " + texto(valor));

        cifral::minMaxFracc(nPrima, sistemaM, lim);
        const mpq_class u = potencia2(-nPrima), w = potencia2(-(nPrima - 1));
        // The largest positive fraction of the system, but for Exceso,
        // which is bounded like CA2 although its values stay below 0,5.
        EXIGIR(mpq_class(lim.manMaxPos) == 1 - (sm == BSS ? u : w) && lim.manMinPos == 0.5, donde + ": positivos");
        EXIGIR(lim.manAntMaxPos < lim.manMaxPos && lim.manMinPos < lim.manSigMinPos, donde + ": vecinos positivos");
        if (sm == BSS) {
            EXIGIR(lim.manMaxNeg == cifral::ManMaxNegNoExiste, donde);
        } else {
            EXIGIR(lim.manMaxNeg < lim.manSigMaxNeg && lim.manAntMinNeg < lim.manMinNeg && lim.manMinNeg < 0,
                   donde + ": negativos desordenados");
            EXIGIR(std::fabs(lim.manMinNeg) <= std::fabs(lim.manMaxNeg), donde + ": negativos desordenados");
        }
        // A normalized mantissa lies within the limits. The check on the
        // second bit normalizes the positive numbers of the signed systems
        // and the negative ones of sign and magnitude; the complements'
        // negative numbers and every excess mantissa are not bounded by it.
        if (cifral::mantisaNormalizada(mantisa, sm)) {
            const bool acotada = sm == BSS || sm == BCS || (mantisa[0] == '0' && sm != Exceso);
            if (acotada && M > 0)
                EXIGIR(lim.manMinPos <= M && M <= lim.manMaxPos, donde + ": M fuera de los positivos");
            if (acotada && M < 0)
                EXIGIR(lim.manMaxNeg <= M && M <= lim.manMinNeg, donde + ": M fuera de los negativos");
        }
    }

    // The range texts: the largest and the smallest positive number are
    // their mantissa times 2 to their exponent limit.
    const cifral::TTextosRango t =
        cifral::calcularNums(lim, static_cast<cifral::TMantissaKind>(f.tipoMantisa), f.sistemaMantisa);
    double factor = 0, exp = 0;
    leerPotencia(t.numeroMaximoPositivo, factor, exp, donde);
    EXIGIR(std::fabs(factor - lim.manMaxPos) <= 1e-14 * lim.manMaxPos && exp == lim.expMax, donde);
    leerPotencia(t.numeroMinimoPositivo, factor, exp, donde);
    EXIGIR(std::fabs(factor - lim.manMinPos) <= 1e-14 * lim.manMinPos && exp == lim.expMin, donde);
    if (sm == BSS)
        EXIGIR(t.numeroMaximoNegativo == "No existe" && t.resolucionMinimaNegativa == "No existe", donde);
    return 0;
}
