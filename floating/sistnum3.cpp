#include "floating/sistnum3.h"

namespace cifral {

namespace {

Extended dosA(int k)
{
    return Power(2, k);
}

// The integer value of the first k bits; both negative zeros give 0.
double valorEntero(const std::string& bits, int k, TNumberSystem sistema)
{
    const double v = valorSistema(sistema, bits, k);
    return v == 0 ? 0.0 : v;
}

double guardar(Extended x)
{
    return static_cast<double>(x);
}

} // namespace

int longitudDeItem(int item)
{
    return item >= 0 && item <= 14 ? item + 2 : -1;
}

bool usaBitImplicito(const TFloatFormat& formato)
{
    return formato.tipoMantisa == Fraccionaria && formato.bitImplicito == ConBitImplicito;
}

int longitudEfectiva(const TFloatFormat& formato)
{
    return usaBitImplicito(formato) ? formato.longitudMantisa + 1 : formato.longitudMantisa;
}

TControlBits controlarBits(const std::string& mantisa, int n, const std::string& exponente, int m)
{
    if (!longitudCorrecta(mantisa, n) || !longitudCorrecta(exponente, m))
        return LongitudIncorrecta;
    if (!esBinario(mantisa, n) || !esBinario(exponente, m))
        return DigitoNoBinario;
    return BitsCorrectos;
}

bool mantisaNormalizada(const std::string& bits, int sistema)
{
    if (!esSistema(sistema))
        return false;
    if (sistema == BSS)
        return !bits.empty() && bits[0] == '1';
    return bits.size() < 2 || bits[1] == '1';
}

double manent(const std::string& bits, int n, TNumberSystem sistema)
{
    return valorEntero(bits, n, sistema);
}

std::string conBitImplicito(const std::string& bits, TNumberSystem sistema)
{
    if (sistema == BSS || bits.empty())
        return "1" + bits;
    return bits.substr(0, 1) + "1" + bits.substr(1);
}

int escalaDeFraccion(TNumberSystem sistema, int n)
{
    return sistema == BSS || sistema == Exceso ? n : n - 1;
}

double mantFracc(const std::string& bits, int& n, TNumberSystem sistema, bool implicito)
{
    std::string s = bits;
    if (implicito) {
        s = conBitImplicito(bits, sistema);
        n = n + 1;
    }
    const Extended divisor = dosA(escalaDeFraccion(sistema, n));
    return guardar(Extended{valorEntero(s, n, sistema)} / divisor);
}

double expo(const std::string& bits, int m, TNumberSystem sistema)
{
    return valorEntero(bits, m, sistema);
}

std::string textoConCeroNegativo(const std::string& texto, int sistema, const std::string& bits)
{
    const bool ceros = bits.find('1') == std::string::npos;
    if (sistema == BCS) {
        if (ceros)
            return "0";
        if (bits[0] == '1' && bits.find('1', 1) == std::string::npos)
            return "-0";
    } else if (sistema == CA1) {
        if (ceros)
            return "0";
        if (bits.find('0') == std::string::npos)
            return "-0";
    }
    return texto;
}

void minMaxEnt(int n, TNumberSystem sistema, TFloatLimits& limites)
{
    limites.manMinPos = 1;
    limites.manSigMinPos = 2;
    if (sistema == BSS) {
        const Extended tope = dosA(n);
        limites.manMaxPos = guardar(tope - 1);
        limites.manAntMaxPos = guardar(tope - 2);
        limites.manMaxNeg = ManMaxNegNoExiste;
        limites.manMinNeg = -1;
        limites.manSigMaxNeg = -10;
        limites.manAntMinNeg = -10;
        return;
    }
    const Extended p = dosA(n - 1);
    limites.manMaxPos = guardar(p - 1);
    limites.manAntMaxPos = guardar(p - 2);
    limites.manAntMinNeg = 0;
    if (sistema == BCS || sistema == CA1) {
        limites.manMaxNeg = guardar(1 - p);
        limites.manSigMaxNeg = guardar(2 - p);
        limites.manMinNeg = 1; // the magnitude of the negative nearest zero
    } else {
        limites.manMaxNeg = guardar(-p);
        limites.manSigMaxNeg = guardar(1 - p);
        limites.manMinNeg = -1;
    }
}

void minMaxFracc(int nPrima, TNumberSystem sistema, TFloatLimits& limites)
{
    limites.manMinPos = 0.5;
    if (sistema == BSS) {
        // Steps of u = 2^-n'.
        const Extended d = dosA(nPrima);
        limites.manMaxPos = guardar((d - 1) / d);
        limites.manAntMaxPos = guardar((d - 2) / d);
        limites.manSigMinPos = guardar(1 / d + Extended{0.5});
        limites.manMaxNeg = ManMaxNegNoExiste;
        limites.manMinNeg = -1;
        limites.manSigMaxNeg = -10;
        limites.manAntMinNeg = -10;
        return;
    }
    // The signed systems step by w = 2^-(n'-1).
    const Extended d = dosA(nPrima - 1);
    limites.manMaxPos = guardar((d - 1) / d);
    limites.manAntMaxPos = guardar((d - 2) / d);
    limites.manSigMinPos = guardar(1 / d + Extended{0.5});
    if (sistema == BCS || sistema == CA1) {
        limites.manMaxNeg = guardar(-((d - 1) / d));
        limites.manMinNeg = -0.5;
        limites.manSigMaxNeg = guardar(-((d - 2) / d));
        limites.manAntMinNeg = guardar(-(1 / d + Extended{0.5}));
    } else {
        const Extended w = 1 / d;
        const Extended u = 1 / dosA(nPrima);
        limites.manMaxNeg = guardar(-w);
        limites.manMinNeg = guardar(-u);
        limites.manSigMaxNeg = guardar(-u);
        limites.manAntMinNeg = guardar(-w);
    }
}

void calcExp(int m, TNumberSystem sistema, TFloatLimits& limites)
{
    const Extended q = dosA(m - 1);
    switch (sistema) {
    case BSS:
        limites.expMax = guardar(dosA(m) - 1);
        limites.expMin = 0;
        return;
    case BCS:
    case CA1:
        limites.expMax = guardar(q - 1);
        limites.expMin = guardar(1 - q);
        return;
    case CA2:
    case Exceso:
        limites.expMax = guardar(q - 1);
        limites.expMin = guardar(-q);
        return;
    }
}

std::string textoPotencia2(double factor, double exponente)
{
    return FloatToStr(factor) + " * (2^" + FloatToStr(exponente) + ")";
}

TTextosRango calcularNums(const TFloatLimits& limites, TMantissaKind tipo, int sistemaMantisa)
{
    const TFloatLimits& l = limites;
    // A difference of two limits, rounded to a double before it is written.
    const auto resta = [](double a, double b) { return guardar(Extended{a} - Extended{b}); };

    TTextosRango t;
    const double resMinPos = resta(l.manMinPos, l.manSigMinPos);
    t.resolucionMinimaPositiva = textoPotencia2(resMinPos < 0 ? -resMinPos : resMinPos, l.expMin);
    t.resolucionMaximaPositiva = textoPotencia2(resta(l.manMaxPos, l.manAntMaxPos), l.expMax);
    t.numeroMaximoPositivo = textoPotencia2(l.manMaxPos, l.expMax);
    t.numeroMinimoPositivo = textoPotencia2(l.manMinPos, l.expMin);

    if (l.manMaxNeg == ManMaxNegNoExiste) {
        t.numeroMinimoNegativo = TextoNoExiste;
        t.numeroMaximoNegativo = TextoNoExiste;
        t.resolucionMinimaNegativa = TextoNoExiste;
        t.resolucionMaximaNegativa = TextoNoExiste;
        return t;
    }

    // An integer BCS or CA1 mantissa keeps the magnitude of its negative
    // nearest zero, so its two texts near zero get their sign here; a
    // fractional one keeps its neighbours signed, so only the difference at
    // that end is turned negative.
    const bool magnitudCerca = tipo == Entera && (sistemaMantisa == BCS || sistemaMantisa == CA1);
    const std::string signoMinimo = magnitudCerca ? "-" : "";
    const std::string signoResolucionMinima = (tipo != Entera || magnitudCerca) ? "-" : "";

    t.resolucionMaximaNegativa = textoPotencia2(resta(l.manMaxNeg, l.manSigMaxNeg), l.expMax);
    t.numeroMinimoNegativo = signoMinimo + textoPotencia2(l.manMinNeg, l.expMin);
    t.numeroMaximoNegativo = textoPotencia2(l.manMaxNeg, l.expMax);
    t.resolucionMinimaNegativa = signoResolucionMinima + textoPotencia2(resta(l.manMinNeg, l.manAntMinNeg), l.expMin);
    return t;
}

} // namespace cifral
