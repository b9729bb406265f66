// The floating-point layout: every mantissa and exponent of up to 10 bits
// against exact rational values, the limits of every length against the
// values that the bit strings of that length reach, and the range texts.
#include "floating/sistnum3.h"

#include "Referencia.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace cifral;
using namespace prueba;

Q_DECLARE_METATYPE(std::string)

// QCOMPARE compares doubles fuzzily; values and limits must be exact.
#define COMPARAR_EXACTO(obtenido, esperado)                                                                            \
    do {                                                                                                               \
        const double o_ = (obtenido), e_ = (esperado);                                                                 \
        if (o_ != e_)                                                                                                  \
            QFAIL(qPrintable(QString("%1 is %2, expected %3").arg(#obtenido, texto(o_), texto(e_))));                  \
    } while (false)

namespace {

const TNumberSystem sistemas[] = {BSS, BCS, CA1, CA2, Exceso};

// The n + 1 bits of u with the implicit '1' in front (BSS) or after the sign.
std::uint64_t insertarImplicito(TNumberSystem sis, std::uint64_t u, int n)
{
    if (sis == BSS)
        return (1ull << n) | u;
    const std::uint64_t signo = (u >> (n - 1)) & 1u;
    return (signo << n) | (1ull << (n - 1)) | (u & ((1ull << (n - 1)) - 1));
}

// A fraction of n bits is its integer value over 2^exponenteDivisor.
int exponenteDivisor(TNumberSystem sis, int n)
{
    return (sis == BSS || sis == Exceso) ? n : n - 1;
}

QString texto(double x)
{
    return x == 0 && std::signbit(x) ? QString("-0") : QString::number(x, 'g', 20);
}

QString contexto(const std::string& s, double obtenido, double esperado)
{
    return QString("%1: %2, expected %3").arg(QString::fromStdString(s), texto(obtenido), texto(esperado));
}

void filasSistemaLongitud(int desde, int hasta)
{
    QTest::addColumn<int>("sistema");
    QTest::addColumn<int>("n");
    for (TNumberSystem sis : sistemas)
        for (int n = desde; n <= hasta; ++n)
            QTest::addRow("%s %d", nombreSistema(sis).c_str(), n) << int(sis) << n;
}

QStringList textos(const TTextosRango& t)
{
    return {QString::fromStdString(t.resolucionMinimaPositiva), QString::fromStdString(t.resolucionMaximaPositiva),
            QString::fromStdString(t.numeroMaximoPositivo),     QString::fromStdString(t.numeroMinimoPositivo),
            QString::fromStdString(t.numeroMinimoNegativo),     QString::fromStdString(t.numeroMaximoNegativo),
            QString::fromStdString(t.resolucionMinimaNegativa), QString::fromStdString(t.resolucionMaximaNegativa)};
}

} // namespace

class TestSistnum3 : public QObject {
    Q_OBJECT

private slots:
    // manent, expo and mantFracc (with and without the implicit bit) of every
    // bit string, against its integer value over the system's divisor.
    void everyValueUpTo10Bits_data() { filasSistemaLongitud(2, 10); }

    void everyValueUpTo10Bits()
    {
        QFETCH(int, sistema);
        QFETCH(int, n);
        const auto sis = static_cast<TNumberSystem>(sistema);
        for (std::uint64_t u = 0; u < (1ull << n); ++u) {
            const std::string s = bits(u, n);
            const auto v = static_cast<double>(entero(sis, u, n));

            const double m = manent(s, n, sis);
            if (m != v || std::signbit(m) != std::signbit(v))
                QFAIL(qPrintable("manent " + contexto(s, m, v)));
            const double e = expo(s, n, sis);
            if (e != v || std::signbit(e) != std::signbit(v))
                QFAIL(qPrintable("expo " + contexto(s, e, v)));

            int k = n;
            const double f = mantFracc(s, k, sis, false);
            const double fe = std::ldexp(v, -exponenteDivisor(sis, n));
            if (f != fe || std::signbit(f) != std::signbit(fe))
                QFAIL(qPrintable("mantFracc " + contexto(s, f, fe)));
            QCOMPARE(k, n);

            int ki = n;
            const double fi = mantFracc(s, ki, sis, true);
            const auto vi = static_cast<double>(entero(sis, insertarImplicito(sis, u, n), n + 1));
            const double fie = std::ldexp(vi, -exponenteDivisor(sis, n + 1));
            if (fi != fie || std::signbit(fi) != std::signbit(fie))
                QFAIL(qPrintable("mantFracc with implicit bit " + contexto(s, fi, fie)));
            QCOMPARE(ki, n + 1);
        }
    }

    // The integer limits against the sorted values of all n-bit strings. An
    // integer's neighbour is one step of 1 away, also where it is not
    // representable (n = 2). BSS holds placeholders in its negative fields,
    // and every signed system 0 in manAntMinNeg.
    void integerLimits_data() { filasSistemaLongitud(2, 16); }

    void integerLimits()
    {
        QFETCH(int, sistema);
        QFETCH(int, n);
        const auto sis = static_cast<TNumberSystem>(sistema);
        std::vector<double> pos, neg;
        for (std::uint64_t u = 0; u < (1ull << n); ++u) {
            const long long v = entero(sis, u, n);
            if (v > 0)
                pos.push_back(static_cast<double>(v));
            else if (v < 0)
                neg.push_back(static_cast<double>(v));
        }
        std::sort(pos.begin(), pos.end());
        std::sort(neg.begin(), neg.end()); // most negative first

        TFloatLimits l;
        l.expMax = 123;
        l.expMin = -123;
        minMaxEnt(n, sis, l);
        COMPARAR_EXACTO(l.expMax, 123.0); // the exponent limits are not touched
        COMPARAR_EXACTO(l.expMin, -123.0);

        COMPARAR_EXACTO(l.manMaxPos, pos.back());
        COMPARAR_EXACTO(l.manMinPos, pos.front());
        COMPARAR_EXACTO(l.manAntMaxPos, pos.size() > 1 ? pos[pos.size() - 2] : l.manMaxPos - 1);
        COMPARAR_EXACTO(l.manSigMinPos, pos.size() > 1 ? pos[1] : l.manMinPos + 1);
        if (sis == BSS) {
            QVERIFY(neg.empty());
            COMPARAR_EXACTO(l.manMaxNeg, -999.0);
            COMPARAR_EXACTO(l.manMinNeg, -1.0);
            COMPARAR_EXACTO(l.manSigMaxNeg, -10.0);
            COMPARAR_EXACTO(l.manAntMinNeg, -10.0);
            return;
        }
        COMPARAR_EXACTO(l.manMaxNeg, neg.front());
        COMPARAR_EXACTO(l.manSigMaxNeg, neg.size() > 1 ? neg[1] : l.manMaxNeg + 1);
        if (sis == BCS || sis == CA1)
            COMPARAR_EXACTO(l.manMinNeg, -neg.back()); // its magnitude
        else
            COMPARAR_EXACTO(l.manMinNeg, neg.back());
        COMPARAR_EXACTO(l.manAntMinNeg, 0.0);
    }

    // The fractional limits of n' bits against the values of magnitude in
    // [0.5, 1) that the n'-bit strings reach, where the limits mean those:
    // the positive limits of BSS, BCS, CA1 and CA2 and the negative limits of
    // BCS and CA1. The others are fixed: BSS's placeholders, the negative
    // limits -w and -u of CA2 and Exceso, and Exceso's positive limits, which
    // are those of CA2 although an excess fraction lies in [-0.5, 0.5).
    void fractionLimits_data() { filasSistemaLongitud(2, 17); }

    void fractionLimits()
    {
        QFETCH(int, sistema);
        QFETCH(int, n);
        const auto sis = static_cast<TNumberSystem>(sistema);
        const int k = exponenteDivisor(sis, n);
        const double paso = std::ldexp(1.0, -k);
        std::vector<double> pos, neg;
        for (std::uint64_t u = 0; u < (1ull << n); ++u) {
            const long long v = entero(sis, u, n);
            const long long magnitud = v < 0 ? -v : v;
            if (magnitud < (1LL << (k - 1)) || magnitud >= (1LL << k))
                continue;
            (v > 0 ? pos : neg).push_back(std::ldexp(static_cast<double>(v), -k));
        }
        std::sort(pos.begin(), pos.end());
        std::sort(neg.begin(), neg.end());

        TFloatLimits l;
        minMaxFracc(n, sis, l);
        COMPARAR_EXACTO(l.expMax, 0.0);
        COMPARAR_EXACTO(l.expMin, 0.0);

        const double w = std::ldexp(1.0, -(n - 1));
        const double u = std::ldexp(1.0, -n);
        if (sis == Exceso) {
            COMPARAR_EXACTO(l.manMaxPos, 1 - w);
            COMPARAR_EXACTO(l.manAntMaxPos, 1 - 2 * w);
            COMPARAR_EXACTO(l.manMinPos, 0.5);
            COMPARAR_EXACTO(l.manSigMinPos, 0.5 + w);
        } else {
            COMPARAR_EXACTO(l.manMaxPos, pos.back());
            COMPARAR_EXACTO(l.manMinPos, pos.front());
            COMPARAR_EXACTO(l.manAntMaxPos, pos.size() > 1 ? pos[pos.size() - 2] : l.manMaxPos - paso);
            COMPARAR_EXACTO(l.manSigMinPos, pos.size() > 1 ? pos[1] : l.manMinPos + paso);
        }
        switch (sis) {
        case BSS:
            COMPARAR_EXACTO(l.manMaxNeg, -999.0);
            COMPARAR_EXACTO(l.manMinNeg, -1.0);
            COMPARAR_EXACTO(l.manSigMaxNeg, -10.0);
            COMPARAR_EXACTO(l.manAntMinNeg, -10.0);
            break;
        case BCS:
        case CA1:
            COMPARAR_EXACTO(l.manMaxNeg, neg.front());
            COMPARAR_EXACTO(l.manMinNeg, neg.back());
            COMPARAR_EXACTO(l.manSigMaxNeg, neg.size() > 1 ? neg[1] : l.manMaxNeg + paso);
            COMPARAR_EXACTO(l.manAntMinNeg, neg.size() > 1 ? neg[neg.size() - 2] : l.manMinNeg - paso);
            break;
        case CA2:
        case Exceso:
            COMPARAR_EXACTO(l.manMaxNeg, -w);
            COMPARAR_EXACTO(l.manMinNeg, -u);
            COMPARAR_EXACTO(l.manSigMaxNeg, -u);
            COMPARAR_EXACTO(l.manAntMinNeg, -w);
            break;
        }
    }

    // The exponent limits are the largest and smallest value of all m-bit
    // strings.
    void exponentLimits_data() { filasSistemaLongitud(2, 16); }

    void exponentLimits()
    {
        QFETCH(int, sistema);
        QFETCH(int, n);
        const auto sis = static_cast<TNumberSystem>(sistema);
        long long mayor = LLONG_MIN, menor = LLONG_MAX;
        for (std::uint64_t u = 0; u < (1ull << n); ++u) {
            mayor = std::max(mayor, entero(sis, u, n));
            menor = std::min(menor, entero(sis, u, n));
        }
        TFloatLimits l;
        l.manMaxPos = 7;
        calcExp(n, sis, l);
        COMPARAR_EXACTO(l.expMax, static_cast<double>(mayor));
        COMPARAR_EXACTO(l.expMin, static_cast<double>(menor));
        COMPARAR_EXACTO(l.manMaxPos, 7.0); // the mantissa limits are not touched
    }

    void listedValues_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<bool>("implicito");
        QTest::addColumn<std::string>("mantisa");
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("nPrima");
        QTest::newRow("Fraccionaria BCS 0101 with implicit bit is 01101")
            << int(Fraccionaria) << int(BCS) << true << std::string("0101") << 0.8125 << 5;
        QTest::newRow("Fraccionaria Exceso 1100 over 2^4")
            << int(Fraccionaria) << int(Exceso) << false << std::string("1100") << 0.25 << 4;
        QTest::newRow("Fraccionaria CA2 1100")
            << int(Fraccionaria) << int(CA2) << false << std::string("1100") << -0.5 << 4;
        QTest::newRow("Fraccionaria BSS 101 with implicit bit is 1101")
            << int(Fraccionaria) << int(BSS) << true << std::string("101") << 0.8125 << 4;
        QTest::newRow("Entera BCS 1000 is a plain 0")
            << int(Entera) << int(BCS) << false << std::string("1000") << 0.0 << 4;
        QTest::newRow("Entera CA1 1111 is a plain 0")
            << int(Entera) << int(CA1) << false << std::string("1111") << 0.0 << 4;
        QTest::newRow("Entera CA2 1000") << int(Entera) << int(CA2) << false << std::string("1000") << -8.0 << 4;
        QTest::newRow("Entera BSS 16 ones")
            << int(Entera) << int(BSS) << false << std::string(16, '1') << 65535.0 << 16;
        QTest::newRow("Fraccionaria CA1 17 bits")
            << int(Fraccionaria) << int(CA1) << true << ("0" + std::string(15, '1')) << (65535.0 / 65536.0) << 17;
    }

    void listedValues()
    {
        QFETCH(int, tipo);
        QFETCH(int, sistema);
        QFETCH(bool, implicito);
        QFETCH(std::string, mantisa);
        QFETCH(double, valor);
        QFETCH(int, nPrima);
        const auto sis = static_cast<TNumberSystem>(sistema);
        int n = static_cast<int>(mantisa.size());
        const double v = tipo == Entera ? manent(mantisa, n, sis) : mantFracc(mantisa, n, sis, implicito);
        COMPARAR_EXACTO(v, valor);
        QVERIFY(!std::signbit(v) || v != 0);
        QCOMPARE(n, nPrima);
        if (tipo == Entera) { // an exponent is valued alike
            const double e = expo(mantisa, nPrima, sis);
            COMPARAR_EXACTO(e, valor);
            QVERIFY(!std::signbit(e) || e != 0);
        }
    }

    // The caller's length, updated by mantFracc, bounds the mantissa.
    void implicitBitWidensTheLimits()
    {
        QCOMPARE(QString::fromStdString(conBitImplicito("0101", BCS)), QString("01101"));
        QCOMPARE(QString::fromStdString(conBitImplicito("1011", BSS)), QString("11011"));
        int n = 4;
        COMPARAR_EXACTO(mantFracc("0101", n, BCS, true), 13.0 / 16);
        TFloatLimits l;
        minMaxFracc(n, BCS, l);
        COMPARAR_EXACTO(l.manMaxPos, 15.0 / 16);
        COMPARAR_EXACTO(l.manMinPos, 0.5);
    }

    void listedLimits()
    {
        TFloatLimits exceso;
        minMaxFracc(4, Exceso, exceso);
        COMPARAR_EXACTO(exceso.manMinPos, 0.5); // above the value 0.25 of "1100"
        TFloatLimits bss;
        calcExp(5, BSS, bss);
        COMPARAR_EXACTO(bss.expMin, 0.0);
        COMPARAR_EXACTO(bss.expMax, 31.0);
    }

    void normalization_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<std::string>("mantisa");
        QTest::addColumn<bool>("normalizada");
        QTest::newRow("BSS first bit 1") << int(BSS) << std::string("1000") << true;
        QTest::newRow("BSS first bit 0") << int(BSS) << std::string("0111") << false;
        QTest::newRow("BCS 1000") << int(BCS) << std::string("1000") << false;
        QTest::newRow("BCS second bit 1") << int(BCS) << std::string("0100") << true;
        QTest::newRow("CA1 only the second bit counts") << int(CA1) << std::string("1011") << false;
        QTest::newRow("CA2 1100") << int(CA2) << std::string("1100") << true;
        QTest::newRow("Exceso 0111") << int(Exceso) << std::string("0111") << true;
        QTest::newRow("Exceso 1011") << int(Exceso) << std::string("1011") << false;
        QTest::newRow("CA2 one character") << int(CA2) << std::string("0") << true;
        QTest::newRow("no system") << SinEleccion << std::string("1111") << false;
        QTest::newRow("system past the list") << 5 << std::string("1111") << false;
    }

    void normalization()
    {
        QFETCH(int, sistema);
        QFETCH(std::string, mantisa);
        QFETCH(bool, normalizada);
        QCOMPARE(mantisaNormalizada(mantisa, sistema), normalizada);
    }

    void inputChecks_data()
    {
        QTest::addColumn<std::string>("mantisa");
        QTest::addColumn<int>("n");
        QTest::addColumn<std::string>("exponente");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("resultado");
        QTest::newRow("correct") << std::string("1010") << 4 << std::string("01") << 2 << int(BitsCorrectos);
        QTest::newRow("mantissa too short")
            << std::string("1010") << 5 << std::string("01") << 2 << int(LongitudIncorrecta);
        QTest::newRow("exponent too long")
            << std::string("1010") << 4 << std::string("011") << 2 << int(LongitudIncorrecta);
        QTest::newRow("no mantissa length")
            << std::string("") << longitudDeItem(SinEleccion) << std::string("01") << 2 << int(LongitudIncorrecta);
        QTest::newRow("wrong length before wrong digit")
            << std::string("1021") << 4 << std::string("0") << 2 << int(LongitudIncorrecta);
        QTest::newRow("digit 2 in the mantissa")
            << std::string("1021") << 4 << std::string("01") << 2 << int(DigitoNoBinario);
        QTest::newRow("letter in the exponent")
            << std::string("1011") << 4 << std::string("0a") << 2 << int(DigitoNoBinario);
    }

    void inputChecks()
    {
        QFETCH(std::string, mantisa);
        QFETCH(int, n);
        QFETCH(std::string, exponente);
        QFETCH(int, m);
        QFETCH(int, resultado);
        QCOMPARE(int(controlarBits(mantisa, n, exponente, m)), resultado);
    }

    void lengths()
    {
        QCOMPARE(longitudDeItem(0), 2);
        QCOMPARE(longitudDeItem(14), 16);
        QCOMPARE(longitudDeItem(15), -1);
        QCOMPARE(longitudDeItem(SinEleccion), -1);

        TFloatFormat f;
        f.longitudMantisa = 4;
        f.tipoMantisa = Fraccionaria;
        f.bitImplicito = ConBitImplicito;
        QCOMPARE(longitudEfectiva(f), 5);
        f.bitImplicito = SinBitImplicito;
        QCOMPARE(longitudEfectiva(f), 4);
        f.bitImplicito = SinEleccion;
        QCOMPARE(longitudEfectiva(f), 4);
        f.tipoMantisa = Entera; // the implicit bit is ignored
        f.bitImplicito = ConBitImplicito;
        QCOMPARE(longitudEfectiva(f), 4);
    }

    // Texts in the order resolución mínima positiva, resolución máxima
    // positiva, máximo positivo, mínimo positivo, mínimo negativo, máximo
    // negativo, resolución mínima negativa, resolución máxima negativa.
    void rangeTexts_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<bool>("implicito");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("sistemaExp");
        QTest::addColumn<QStringList>("esperados");
        const QString noExiste = "No existe";
        QTest::newRow("Entera 4 BCS, 3 CA2") << int(Entera) << 4 << int(BCS) << false << 3 << int(CA2)
                                             << QStringList{"1 * (2^-4)",  "1 * (2^3)",  "7 * (2^3)",   "1 * (2^-4)",
                                                            "-1 * (2^-4)", "-7 * (2^3)", "-1 * (2^-4)", "-1 * (2^3)"};
        QTest::newRow("Fraccionaria 4 CA2, 2 BSS")
            << int(Fraccionaria) << 4 << int(CA2) << false << 2 << int(BSS)
            << QStringList{"0,125 * (2^0)",   "0,125 * (2^3)",  "0,875 * (2^3)",   "0,5 * (2^0)",
                           "-0,0625 * (2^0)", "-0,125 * (2^3)", "-0,0625 * (2^0)", "-0,0625 * (2^3)"};
        QTest::newRow("Entera 3 BSS, 2 BSS")
            << int(Entera) << 3 << int(BSS) << false << 2 << int(BSS)
            << QStringList{"1 * (2^0)", "1 * (2^3)", "7 * (2^3)", "1 * (2^0)", noExiste, noExiste, noExiste, noExiste};
        QTest::newRow("Fraccionaria 4 BSS, 4 BCS")
            << int(Fraccionaria) << 4 << int(BSS) << false << 4 << int(BCS)
            << QStringList{"0,0625 * (2^-7)", "0,0625 * (2^7)", "0,9375 * (2^7)", "0,5 * (2^-7)",
                           noExiste,          noExiste,         noExiste,         noExiste};
        QTest::newRow("Entera 16 BSS, 16 BSS")
            << int(Entera) << 16 << int(BSS) << false << 16 << int(BSS)
            << QStringList{"1 * (2^0)", "1 * (2^65535)", "65535 * (2^65535)", "1 * (2^0)", noExiste, noExiste,
                           noExiste,    noExiste};
        QTest::newRow("Entera 16 CA1, 16 Exceso")
            << int(Entera) << 16 << int(CA1) << false << 16 << int(Exceso)
            << QStringList{"1 * (2^-32768)",  "1 * (2^32767)",      "32767 * (2^32767)", "1 * (2^-32768)",
                           "-1 * (2^-32768)", "-32767 * (2^32767)", "-1 * (2^-32768)",   "-1 * (2^32767)"};
        QTest::newRow("Entera 16 Exceso, 2 BSS")
            << int(Entera) << 16 << int(Exceso) << false << 2 << int(BSS)
            << QStringList{"1 * (2^0)",  "1 * (2^3)",      "32767 * (2^3)", "1 * (2^0)",
                           "-1 * (2^0)", "-32768 * (2^3)", "-1 * (2^0)",    "-1 * (2^3)"};
        QTest::newRow("Entera 2 CA2, 2 CA1") << int(Entera) << 2 << int(CA2) << false << 2 << int(CA1)
                                             << QStringList{"1 * (2^-1)",  "1 * (2^1)",  "1 * (2^1)",   "1 * (2^-1)",
                                                            "-1 * (2^-1)", "-2 * (2^1)", "-1 * (2^-1)", "-1 * (2^1)"};
        QTest::newRow("Entera 2 BCS, 2 Exceso")
            << int(Entera) << 2 << int(BCS) << false << 2 << int(Exceso)
            << QStringList{"1 * (2^-2)",  "1 * (2^1)",  "1 * (2^1)",   "1 * (2^-2)",
                           "-1 * (2^-2)", "-1 * (2^1)", "-1 * (2^-2)", "-1 * (2^1)"};
        QTest::newRow("Fraccionaria 4 BCS implicit, 3 CA1")
            << int(Fraccionaria) << 4 << int(BCS) << true << 3 << int(CA1)
            << QStringList{"0,0625 * (2^-3)", "0,0625 * (2^3)",  "0,9375 * (2^3)",   "0,5 * (2^-3)",
                           "-0,5 * (2^-3)",   "-0,9375 * (2^3)", "-0,0625 * (2^-3)", "-0,0625 * (2^3)"};
        QTest::newRow("Fraccionaria 2 BCS implicit, 2 CA2")
            << int(Fraccionaria) << 2 << int(BCS) << true << 2 << int(CA2)
            << QStringList{"0,25 * (2^-2)", "0,25 * (2^1)",  "0,75 * (2^1)",   "0,5 * (2^-2)",
                           "-0,5 * (2^-2)", "-0,75 * (2^1)", "-0,25 * (2^-2)", "-0,25 * (2^1)"};
        QTest::newRow("Fraccionaria 2 Exceso, 2 BCS")
            << int(Fraccionaria) << 2 << int(Exceso) << false << 2 << int(BCS)
            << QStringList{"0,5 * (2^-1)",   "0,5 * (2^1)",  "0,5 * (2^1)",    "0,5 * (2^-1)",
                           "-0,25 * (2^-1)", "-0,5 * (2^1)", "-0,25 * (2^-1)", "-0,25 * (2^1)"};
        QTest::newRow("Fraccionaria 2 CA2 implicit, 16 Exceso")
            << int(Fraccionaria) << 2 << int(CA2) << true << 16 << int(Exceso)
            << QStringList{"0,25 * (2^-32768)",   "0,25 * (2^32767)",  "0,75 * (2^32767)",    "0,5 * (2^-32768)",
                           "-0,125 * (2^-32768)", "-0,25 * (2^32767)", "-0,125 * (2^-32768)", "-0,125 * (2^32767)"};
        QTest::newRow("Fraccionaria 16 BSS implicit, 2 CA2")
            << int(Fraccionaria) << 16 << int(BSS) << true << 2 << int(CA2)
            << QStringList{"7,62939453125E-6 * (2^-2)",
                           "7,62939453125E-6 * (2^1)",
                           "0,999992370605469 * (2^1)",
                           "0,5 * (2^-2)",
                           noExiste,
                           noExiste,
                           noExiste,
                           noExiste};
        QTest::newRow("Fraccionaria 16 CA1 implicit, 16 CA2")
            << int(Fraccionaria) << 16 << int(CA1) << true << 16 << int(CA2)
            << QStringList{"1,52587890625E-5 * (2^-32768)",
                           "1,52587890625E-5 * (2^32767)",
                           "0,999984741210938 * (2^32767)",
                           "0,5 * (2^-32768)",
                           "-0,5 * (2^-32768)",
                           "-0,999984741210938 * (2^32767)",
                           "-1,52587890625E-5 * (2^-32768)",
                           "-1,52587890625E-5 * (2^32767)"};
        QTest::newRow("Fraccionaria 16 CA2, 16 BSS")
            << int(Fraccionaria) << 16 << int(CA2) << false << 16 << int(BSS)
            << QStringList{"3,0517578125E-5 * (2^0)",       "3,0517578125E-5 * (2^65535)",
                           "0,999969482421875 * (2^65535)", "0,5 * (2^0)",
                           "-1,52587890625E-5 * (2^0)",     "-3,0517578125E-5 * (2^65535)",
                           "-1,52587890625E-5 * (2^0)",     "-1,52587890625E-5 * (2^65535)"};
    }

    // The window's chain: value (which turns n into n'), mantissa limits with
    // n', exponent limits, texts.
    void rangeTexts()
    {
        QFETCH(int, tipo);
        QFETCH(int, n);
        QFETCH(int, sistema);
        QFETCH(bool, implicito);
        QFETCH(int, m);
        QFETCH(int, sistemaExp);
        QFETCH(QStringList, esperados);
        const auto sis = static_cast<TNumberSystem>(sistema);
        TFloatLimits l;
        if (tipo == Entera) {
            minMaxEnt(n, sis, l);
        } else {
            mantFracc(std::string(static_cast<std::size_t>(n), '1'), n, sis, implicito);
            minMaxFracc(n, sis, l);
        }
        calcExp(m, static_cast<TNumberSystem>(sistemaExp), l);
        QCOMPARE(textos(calcularNums(l, static_cast<TMantissaKind>(tipo), sistema)), esperados);
    }

    // Before the first evaluation the window holds ten zeros, and after one
    // without a mantissa system it still has no system to sign by.
    void rangeTextsOfZeroLimits()
    {
        const TFloatLimits ceros;
        const QString cero = "0 * (2^0)";
        QCOMPARE(textos(calcularNums(ceros, Entera, SinEleccion)),
                 (QStringList{cero, cero, cero, cero, cero, cero, cero, cero}));
        QCOMPARE(textos(calcularNums(ceros, Entera, BCS)),
                 (QStringList{cero, cero, cero, cero, "-" + cero, cero, "-" + cero, cero}));
        QCOMPARE(textos(calcularNums(ceros, Fraccionaria, SinEleccion)),
                 (QStringList{cero, cero, cero, cero, cero, cero, "-" + cero, cero}));
    }

    void powerText()
    {
        QCOMPARE(QString::fromStdString(textoPotencia2(-0.0625, -4)), QString("-0,0625 * (2^-4)"));
        QCOMPARE(QString::fromStdString(textoPotencia2(1e-5, 65535)), QString("1E-5 * (2^65535)"));
    }
};

QTEST_APPLESS_MAIN(TestSistnum3)
#include "tst_sistnum3.moc"
