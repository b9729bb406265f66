// Decimal to single precision, the computing side: the 48-bit real against
// exact integer arithmetic on the 64-bit significand, the text checks, the
// fraction text, the exponent that the logarithms only estimate, and the
// fields and errors of the textbook cases.
#include "ieee/paraIEEE5.h"
#include "ieee/sistnum5.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace cifral;

Q_DECLARE_METATYPE(std::string)

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// An extended value from its 64-bit significand (top bit set) and the
// exponent of that top bit.
Extended extendido(std::uint64_t significando, int exponente)
{
    return std::ldexp(static_cast<Extended>(significando), exponente - 63);
}

// What the 48-bit real must keep of significando * 2^(exponente - 63): the
// 40-bit significand nearest to it with ties away from zero, by adding half a
// unit of the 40th bit and cutting, and the exponent field that goes with it
// (0: stored as zero; above 255: it does not fit).
struct Esperado {
    std::uint64_t significando40; // hidden bit included, 0 for a zero
    int campo;
};

Esperado esperado(std::uint64_t significando, int exponente)
{
    // (significando + 2^23) / 2^24 without leaving 64 bits.
    std::uint64_t s40 = ((significando >> 1) + (std::uint64_t{1} << 22)) >> 23;
    if (s40 == std::uint64_t{1} << 40) {
        s40 >>= 1;
        ++exponente;
    }
    const int campo = exponente + 129;
    if (campo <= 0)
        return {0, 0};
    return {s40, campo};
}

Extended desdeBits(const RealDe48Bits& r)
{
    if (r.esCero())
        return 0;
    const std::uint64_t s = (std::uint64_t{1} << 39) | r.fraccion();
    const Extended v = std::ldexp(static_cast<Extended>(s), r.campoExponente() - 129 - 39);
    return r.negativo() ? -v : v;
}

} // namespace

class TestSistnum5 : public QObject {
    Q_OBJECT

    // Stores significando * 2^(exponente - 63), with either sign, and checks
    // the six bytes and the value read back against the integer reference.
    void comprobarAlmacenado(std::uint64_t significando, int exponente)
    {
        const Esperado e = esperado(significando, exponente);
        for (const bool negativo : {false, true}) {
            const Extended x = negativo ? -extendido(significando, exponente) : extendido(significando, exponente);
            const QString caso = QString("%1 * 2^%2").arg(significando, 16, 16, QChar('0')).arg(exponente - 63);
            if (e.campo > 255) {
                try {
                    RealDe48Bits r(x);
                    QFAIL(qPrintable(caso + " fits, expected overflow"));
                } catch (const Fault& f) {
                    QCOMPARE(QString(f.what()), QString("Floating point overflow"));
                }
                continue;
            }
            const RealDe48Bits r(x);
            if (e.campo == 0) {
                QVERIFY2(r.bits() == 0 && r.valor() == 0, qPrintable(caso));
                continue;
            }
            QVERIFY2(r.campoExponente() == e.campo, qPrintable(caso));
            QVERIFY2(r.fraccion() == (e.significando40 & ((std::uint64_t{1} << 39) - 1)), qPrintable(caso));
            QVERIFY2(r.negativo() == negativo, qPrintable(caso));
            QVERIFY2((r.bits() >> 48) == 0, qPrintable(caso));
            const Extended v = std::ldexp(static_cast<Extended>(e.significando40), e.campo - 129 - 39);
            QVERIFY2(r.valor() == (negativo ? -v : v), qPrintable(caso));
            QVERIFY2(desdeBits(r) == r.valor(), qPrintable(caso));
            // Reading back and storing again changes nothing.
            QVERIFY2(RealDe48Bits(r.valor()) == r, qPrintable(caso));
        }
    }

private slots:
    // Random significands over the whole range of the 48-bit real and
    // beyond both ends, with the low 24 bits drawn so that the rounding
    // bit, exact ties and carries out of the significand all come up.
    void realOf48BitsAgainstIntegerArithmetic()
    {
        std::mt19937_64 azar(20051130);
        std::uniform_int_distribution<int> exponentes(-140, 130);
        const std::uint64_t alto = std::uint64_t{1} << 63;
        for (int i = 0; i < 200000; ++i) {
            std::uint64_t s = azar() | alto;
            switch (i % 5) {
            case 0: // exactly half a unit dropped
                s = (s & ~std::uint64_t{0xFFFFFF}) | 0x800000;
                break;
            case 1: // just below half
                s = (s & ~std::uint64_t{0xFFFFFF}) | 0x7FFFFF;
                break;
            case 2: // 40 ones and a rounding bit: the carry
                s = ~std::uint64_t{0} << (azar() % 24);
                s |= std::uint64_t{1} << 23;
                break;
            default:
                break;
            }
            comprobarAlmacenado(s, exponentes(azar));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void realOf48BitsAtItsEnds_data()
    {
        QTest::addColumn<quint64>("significando");
        QTest::addColumn<int>("exponente");
        const quint64 uno = quint64{1} << 63;
        const quint64 todos = ~quint64{0};
        const quint64 cuarentaUnos = ~quint64{0} << 24;
        QTest::newRow("2^127 does not fit") << uno << 127;
        QTest::newRow("largest, 40 ones times 2^126") << cuarentaUnos << 126;
        QTest::newRow("just below 2^127, rounds up to it") << (cuarentaUnos | (quint64{1} << 23)) << 126;
        QTest::newRow("just below 2^127, rounds down") << (cuarentaUnos | 0x7FFFFF) << 126;
        QTest::newRow("smallest, 2^-128") << uno << -128;
        QTest::newRow("2^-129 is kept as 0") << uno << -129;
        QTest::newRow("below 2^-128, rounds up to it") << todos << -129;
        QTest::newRow("below 2^-128, rounds down to 0") << (cuarentaUnos | 0x7FFFFF) << -129;
        QTest::newRow("1") << uno << 0;
        QTest::newRow("1 + 2^-40, a tie, away") << (uno | (quint64{1} << 23)) << 0;
        QTest::newRow("1 + 2^-39") << (uno | (quint64{1} << 24)) << 0;
        QTest::newRow("carry into 2") << todos << 0;
        QTest::newRow("extended far below") << uno << -16000;
        QTest::newRow("extended far above") << uno << 16000;
    }

    void realOf48BitsAtItsEnds()
    {
        QFETCH(quint64, significando);
        QFETCH(int, exponente);
        comprobarAlmacenado(significando, exponente);
    }

    void realOf48BitsSpecialValues()
    {
        QCOMPARE(RealDe48Bits().valor(), Extended{0});
        QCOMPARE(RealDe48Bits(-0.0L).bits(), quint64{0});
        QCOMPARE(RealDe48Bits(0.5L).bits(), quint64{128}); // 2^-1: field 128, fraction 0
        QCOMPARE(RealDe48Bits(-3.0L).bits(), (quint64{1} << 47) | (quint64{1} << 46) | 130u);
        QVERIFY_THROWS_EXCEPTION(Fault, RealDe48Bits{HUGE_VALL});
        try {
            RealDe48Bits r(std::nanl(""));
            QFAIL("a NaN was stored");
        } catch (const Fault& f) {
            QCOMPARE(QString(f.what()), QString("Invalid floating point operation"));
        }
    }

    void textChecks_data()
    {
        QTest::addColumn<std::string>("texto");
        QTest::addColumn<bool>("validos");
        QTest::addColumn<int>("comas");
        QTest::newRow("empty") << std::string() << true << 0;
        QTest::newRow("digits, comma and minus") << std::string("-12,5") << true << 1;
        QTest::newRow("minus anywhere") << std::string("5-3") << true << 0;
        QTest::newRow("lone minus") << std::string("-") << true << 0;
        QTest::newRow("three commas") << std::string("1,2,3,") << true << 3;
        QTest::newRow("letter") << std::string("12a") << false << 0;
        QTest::newRow("exponent") << std::string("1E5") << false << 0;
        QTest::newRow("blank") << std::string("1 2") << false << 0;
        QTest::newRow("plus") << std::string("+5") << false << 0;
        QTest::newRow("point") << std::string("1.5") << false << 0;
        QTest::newRow("outside ASCII") << std::string("1\xC3\xB1") << false << 0;
    }

    void textChecks()
    {
        QFETCH(std::string, texto);
        QFETCH(bool, validos);
        QFETCH(int, comas);
        const int n = static_cast<int>(texto.size());
        QCOMPARE(caracteresValidos(texto, n), validos);
        QCOMPARE(contarComas(texto, n), comas);
        // Only characters 1..n count.
        QVERIFY(caracteresValidos(texto + "x", n) == validos);
        QCOMPARE(contarComas(texto + ",", n), comas);
    }

    // The exponent bits read back, and texts far longer than 32 bits: the
    // sum wraps like a 32-bit register and nothing overflows.
    void integerValueOfBits()
    {
        QCOMPARE(valorBSSEntero("01111011", 8), 123);
        QCOMPARE(valorBSSEntero("11111101 ", 8), 253);
        QCOMPARE(valorBSSEntero("00000000", 8), 0);
        QCOMPARE(valorBSSEntero(std::string(31, '1'), 31), 2147483647);
        QCOMPARE(valorBSSEntero("1" + std::string(31, '0'), 32), INT32_MIN);
        QCOMPARE(valorBSSEntero(std::string(32, '1'), 32), -1);
        QCOMPARE(valorBSSEntero(std::string(200, '1'), 200), -1);
        QCOMPARE(valorBSSEntero("1" + std::string(40, '0') + "101", 44), 5);
        QCOMPARE(valorBSSEntero("101", 10), 5); // no more characters than there are
    }

    void fractionValue()
    {
        QCOMPARE(valorMantisa(std::string(23, '0'), 1), 1.0);
        QCOMPARE(valorMantisa("1" + std::string(22, '0') + " ", 1), 1.5);
        QCOMPARE(valorMantisa(std::string(23, '1'), 0), 1.0 - std::ldexp(1.0, -23));
        QCOMPARE(valorMantisa("10011001100110011001100 ", 1), 13421772.0 / 8388608.0);
        QCOMPARE(valorMantisa(std::string(30, '1'), 1), 2.0 - std::ldexp(1.0, -23)); // 23 bits at most
    }

    void floorAndBias()
    {
        QCOMPARE(piso(3.0), 3);
        QCOMPARE(piso(2.9999999999999996), 2);
        QCOMPARE(piso(-3.0), -3);
        QCOMPARE(piso(-3.5), -4);
        QCOMPARE(piso(-1e-300), -1);
        QCOMPARE(piso(-0.0), 0);
        for (const double fuera : {3e9, -3e9, std::nan(""), HUGE_VAL})
            QVERIFY_THROWS_EXCEPTION(Fault, piso(fuera));
        QCOMPARE(sesgar(0), 127);
        QCOMPARE(sesgar(-80), 47);
        QCOMPARE(exponenteABinario(0), std::string("00000000"));
        QCOMPARE(exponenteABinario(127), std::string("01111111"));
        QCOMPARE(exponenteABinario(253), std::string("11111101"));
        QCOMPARE(exponenteABinario(300), std::string("100101100")); // never shortened
        QCOMPARE(ponerCeros("1011", 2), std::string("0011"));
        QCOMPARE(ponerCeros("", 8), std::string("00000000"));
    }

    void fractionText_data()
    {
        QTest::addColumn<double>("m");
        QTest::addColumn<std::string>("texto");
        const std::string ceros(23, '0');
        QTest::newRow("1") << 1.0 << ceros;
        QTest::newRow("1.5") << 1.5 << "1" + std::string(22, '0');
        QTest::newRow("1.75, a short fraction is padded") << 1.75 << "11" + std::string(21, '0');
        QTest::newRow("23 bits, no blank") << 1 + std::ldexp(1.0, -23) << std::string(22, '0') + "1";
        QTest::newRow("all 23 ones") << 2 - std::ldexp(1.0, -23) << std::string(23, '1');
        QTest::newRow("24th bit: cut, a blank") << 1 + std::ldexp(1.0, -24) << ceros + " ";
        QTest::newRow("23rd and 24th bits") << 1 + std::ldexp(3.0, -24) << std::string(22, '0') + "1 ";
        QTest::newRow("a far bit alone") << 1 + std::ldexp(1.0, -52) << ceros + " ";
        QTest::newRow("1.1, cut not rounded") << 1.1 << std::string("00011001100110011001100 ");
        QTest::newRow("0,1 of the 48-bit real") << 1.6000000000003638 << std::string("10011001100110011001100 ");
        QTest::newRow("ones after the 23rd bit") << 2 - std::ldexp(1.0, -39) << std::string(23, '1') + " ";
        QTest::newRow("0") << 0.0 << ceros;
    }

    void fractionText()
    {
        QFETCH(double, m);
        QFETCH(std::string, texto);
        QCOMPARE(q(fraccionABinario(m)), q(texto));
    }

    // The logarithm's exponent, right or off either way, ends at the true
    // floor of log2; the powers of two are exact.
    void exponentFromItsEstimate()
    {
        const std::int32_t desvios[] = {0, -1, 1, -7, 9};
        for (int e = -129; e <= 126; ++e) {
            const Extended potencia = std::ldexp(1.0L, e);
            for (const Extended n : {potencia, potencia * (2 - std::ldexp(1.0L, -39)), potencia * 1.5L})
                for (const std::int32_t d : desvios)
                    QCOMPARE(exponenteBinario(e + d, n), e);
        }
        QVERIFY_THROWS_EXCEPTION(Fault, exponenteBinario(0, 0));
        QCOMPARE(exponenteBinario(INT32_MAX, 1), 0);
        QCOMPARE(exponenteBinario(INT32_MIN, 1), 0);
    }

    // The figures of the textbook cases, and the overflow.
    void fieldsAndErrors_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("signo");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::addColumn<QString>("ea");
        QTest::addColumn<QString>("er");
        const QString cero18("0,000000000000000000");
        QTest::newRow("0,1") << 0.1 << 0 << "0"
                             << "01111011"
                             << "10011001100110011001100 "
                             << "0,000000005960487215"
                             << "0,000000059604872150";
        QTest::newRow("1") << 1.0 << 0 << "0"
                           << "01111111" << QString(23, '0') << cero18 << cero18;
        QTest::newRow("3") << 3.0 << 0 << "0"
                           << "10000000"
                           << "1" + QString(22, '0') << cero18 << cero18;
        QTest::newRow("1 X 10^-1") << 1.0 << -1 << "0"
                                   << "01111011"
                                   << "10011001100110011001100 "
                                   << "0,000000005960487215"
                                   << "0,000000059604872150";
        QTest::newRow("1 X 10^38") << 1.0 << 38 << "0"
                                   << "11111101"
                                   << "00101100111011010011001 "
                                   << "3,197134894E30"
                                   << "0,000000031971348940";
        QTest::newRow("the smallest typed, 1 X 10^-24")
            << 1e-15 << -9 << "0"
            << "00101111"
            << "00110101011111000010100 " << cero18 << "0,000000079065442750";
    }

    void fieldsAndErrors()
    {
        QFETCH(double, x);
        QFETCH(int, k);
        QFETCH(QString, signo);
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        QFETCH(QString, ea);
        QFETCH(QString, er);
        const std::int32_t estimado = piso(log2ConPotencia(x, k));
        const CamposIEEE c = camposIEEE(x, x, k, estimado);
        QVERIFY(!c.cero);
        QCOMPARE(q(c.signo), signo);
        QCOMPARE(q(c.exponente), exponente);
        QCOMPARE(q(c.fraccion), fraccion);
        QCOMPARE(c.exponenteSesgado, valorBSSEntero(c.exponente, 8));
        const auto error = errorIEEE(c.exponente, c.fraccion, c.exponenteSesgado, c.numeroARepresentar);
        QVERIFY(error.has_value());
        QCOMPARE(q(textoError(error->absoluto)), ea);
        QCOMPARE(q(textoError(error->relativo)), er);
    }

    void negativeSign()
    {
        const CamposIEEE c = camposIEEE(8, -8, 0, 3);
        QCOMPARE(q(c.signo), QString("1"));
        QCOMPARE(q(c.exponente), QString("10000010"));
        QCOMPARE(q(c.fraccion), QString(23, '0'));
        QCOMPARE(c.numeroARepresentar.valor(), Extended{8}); // the magnitude
    }

    void overflow()
    {
        for (const auto& [x, k] : {std::pair{2.0, 38}, {1.70141183460469, 38}, {9999999999999999.0, 99}}) {
            try {
                camposIEEE(x, x, k, piso(log2ConPotencia(x, k)));
                QFAIL("stored");
            } catch (const Fault& f) {
                QCOMPARE(QString(f.what()), QString("Floating point overflow"));
            }
        }
    }

    // A number the 48-bit real keeps as 0 lies far below the normal numbers
    // of single precision: the fields of a zero, with no logarithm of 0 and
    // no division by it. Typed numbers never get there (10^-24 is the
    // smallest); the errors are not worked out for such fields.
    void belowTheRealOf48Bits()
    {
        const double x = 1e-40;
        const CamposIEEE c = camposIEEE(x, -x, 0, piso(logaritmo2(x)));
        QVERIFY(c.cero);
        QVERIFY(c.numeroARepresentar.esCero());
        QCOMPARE(q(c.signo), QString("1"));
        QCOMPARE(q(c.exponente), QString("00000000"));
        QCOMPARE(q(c.fraccion), QString(23, '0'));
        QVERIFY(!errorIEEE(c.exponente, c.fraccion, c.exponenteSesgado, c.numeroARepresentar).has_value());
        QVERIFY(!errorIEEE("11111111", c.fraccion, 255, RealDe48Bits(1.0L)).has_value());
    }
};

QTEST_APPLESS_MAIN(TestSistnum5)
#include "tst_sistnum5.moc"
