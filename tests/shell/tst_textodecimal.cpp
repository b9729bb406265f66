// Decimal text: writing, reading, the exact digit record and the arithmetic
// helpers.
#include "shell/TextoDecimal.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

using namespace cifral;

namespace {

Extended potencia10(int k)
{
    Extended r = 1;
    for (int i = 0; i < std::abs(k); ++i)
        r *= 10;
    return k < 0 ? 1 / r : r;
}

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The exact 18 significant digits of |x| and E, from glibc's printf (exact,
// round-half-even), as an independent reference.
void referencia(Extended x, std::string& digitos, int& exponente)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(x));
    const std::string t = buf; // d.ddddddddddddddddde±XX
    digitos = t.substr(0, 1) + t.substr(2, 17);
    exponente = std::stoi(t.substr(t.find('e') + 1)) + 1;
}

} // namespace

class TestTextoDecimal : public QObject {
    Q_OBJECT

private slots:
    void floatToStr_data()
    {
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<QString>("obtenido");
        auto fila = [](const char* nombre, Extended x, const char* texto) {
            QTest::newRow(nombre) << QString::fromUtf8(texto) << q(FloatToStr(x));
        };
        fila("0.5", 0.5L, "0,5");
        fila("1234.5", 1234.5L, "1234,5");
        fila("0.0001", 1 / 10000.0L, "0,0001");
        fila("0.00001", 1 / 100000.0L, "1E-5");
        fila("1e15", potencia10(15), "1E15");
        fila("123456789012345", 123456789012345.0L, "123456789012345");
        fila("2^-23", std::ldexp(1.0L, -23), "1,19209289550781E-7");
        fila("-0", -0.0L, "0");
        fila("0", 0.0L, "0");
        fila("0.1+0.2 extended", 0.1L + 0.2L, "0,3");
        fila("carry to E16", 999999999999999.5L, "1E15");
        fila("1e14 fixed", potencia10(14), "100000000000000");
        fila("negative", -2.5L, "-2,5");
        fila("4294967295", 4294967295.0L, "4294967295");
        fila("-2147483648", -2147483648.0L, "-2147483648");
        fila("1/3", 1.0L / 3, "0,333333333333333");
        fila("2/3 rounds up", 2.0L / 3, "0,666666666666667");
        fila("E -3 stays fixed", 0.000123L, "0,000123");
        fila("E -4 is scientific", 0.0000123L, "1,23E-5");
        fila("big scientific", 1.5e300L, "1,5E300");
        fila("carry all nines", 0.99999999999999999L, "1");
        fila("double 0.1", static_cast<Extended>(0.1), "0,1");
        fila("inf", std::numeric_limits<Extended>::infinity(), "INF");
        fila("-inf", -std::numeric_limits<Extended>::infinity(), "-INF");
        fila("nan", std::numeric_limits<Extended>::quiet_NaN(), "NAN");
        fila("-nan", -std::numeric_limits<Extended>::quiet_NaN(), "-NAN");
        fila("extended denormal is zero", LDBL_TRUE_MIN * 4, "0");
        fila("smallest normal", LDBL_MIN, "3,36210314311209E-4932");
        fila("largest", LDBL_MAX, "1,18973149535723E4932");
    }

    void floatToStr()
    {
        QFETCH(QString, esperado);
        QFETCH(QString, obtenido);
        QCOMPARE(obtenido, esperado);
    }

    void floatToStrF_data()
    {
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<QString>("obtenido");
        auto fila = [](const char* nombre, Extended x, TFloatTextFormat f, int p, int d, const char* texto) {
            QTest::newRow(nombre) << QString::fromUtf8(texto) << q(FloatToStrF(x, f, p, d));
        };
        fila("exp 0.000123456", 0.000123456L, ffExponent, 5, 5, "1,2346E-4");
        fila("exp 1", 1.0L, ffExponent, 5, 5, "1,0000E+0");
        fila("exp 1.1921e-7", std::ldexp(1.0L, -23), ffExponent, 5, 5, "1,1921E-7");
        fila("exp half gap", std::ldexp(1.0L, -24), ffExponent, 5, 5, "5,9605E-8");
        fila("exp negative", -12345.678L, ffExponent, 5, 5, "-1,2346E+4");
        fila("exp carry", 9.99996L, ffExponent, 5, 5, "1,0000E+1");
        fila("exp two digits", 1.0L, ffExponent, 5, 2, "1,0000E+00");
        fila("exp three digits", 1e-5L, ffExponent, 3, 3, "1,00E-005");
        fila("exp precision clamp", 2.0L, ffExponent, 1, 1, "2,0E+0");
        fila("exp zero", 0.0L, ffExponent, 5, 5, "0,0000E+0");
        fila("exp inf", std::numeric_limits<Extended>::infinity(), ffExponent, 5, 5, "INF");
        fila("fixed 1/3", 1.0L / 3, ffFixed, 10, 15, "0,333333333300000");
        fila("fixed 18 decimals", 1.0L / 3, ffFixed, 18, 20, "0,333333333333333333");
        fila("fixed decimals clamp", 5.960487215e-9L, ffFixed, 10, 20, "0,000000005960487215");
        fila("fixed relative", 5.960487215e-8L, ffFixed, 10, 20, "0,000000059604872150");
        fila("fixed 1", 1.0L, ffFixed, 10, 15, "1,000000000000000");
        fila("fixed rounds to decimals", 2.5L, ffFixed, 10, 0, "3");
        fila("fixed tiny is zero", 1e-25L, ffFixed, 10, 18, "0,000000000000000000");
        fila("fixed negative tiny is unsigned zero", -1e-25L, ffFixed, 10, 18, "0,000000000000000000");
        fila("fixed rounds up into first decimal", 0.0006L, ffFixed, 10, 3, "0,001");
        fila("fixed rounds down to zero", 0.0004L, ffFixed, 10, 3, "0,000");
        fila("fixed E above precision", 12345678901.0L, ffFixed, 10, 15, "1,23456789E10");
        fila("fixed carry above precision", 9999999999.7L, ffFixed, 10, 0, "1E10");
        fila("fixed significand", 1.00000011920928955078125L, ffFixed, 10, 15, "1,000000119000000");
        fila("fixed negative", -0.75L, ffFixed, 10, 3, "-0,750");
        fila("fixed nan", std::numeric_limits<Extended>::quiet_NaN(), ffFixed, 10, 3, "NAN");
    }

    void floatToStrF()
    {
        QFETCH(QString, esperado);
        QFETCH(QString, obtenido);
        QCOMPARE(obtenido, esperado);
    }

    // The rounding to P digits works on the 18 exact digits, so a value just
    // below a tie in binary still rounds up when its 18 digits end in 5.
    void roundingIsDoneTwice()
    {
        // 0.1234564999999999999 has 18 digits 123456500000000000 -> 0,123457 at 6.
        const Extended x = 0.12345649999999999999L;
        QCOMPARE(q(registroExacto(x).digitos), QString("123456500000000000"));
        QCOMPARE(q(FloatToStrF(x, ffExponent, 6, 0)), QString("1,23457E-1"));
    }

    void exactRecordMatchesReference()
    {
        std::mt19937_64 rng(20261210);
        for (int i = 0; i < 20000; ++i) {
            // Random significand with the integer bit set, random exponent
            // over the whole normal range.
            const std::uint64_t m = rng() | (std::uint64_t{1} << 63);
            const int e = static_cast<int>(rng() % 32760) - 16380;
            const Extended x = std::ldexp(static_cast<Extended>(m), e - 63) * ((rng() & 1) ? -1 : 1);
            if (!std::isnormal(x))
                continue;
            std::string digitos;
            int exponente = 0;
            referencia(x, digitos, exponente);
            const RegistroDecimal r = registroExacto(x);
            if (r.digitos != digitos || r.exponente != exponente || r.negativo != std::signbit(x))
                QFAIL(qPrintable(QString("x=%1: %2 E%3, expected %4 E%5")
                                     .arg(q(FloatToStrF(x, ffExponent, 18, 0)), q(r.digitos))
                                     .arg(r.exponente)
                                     .arg(q(digitos))
                                     .arg(exponente)));
        }
    }

    void exactRecordTiesToEven()
    {
        // 2^-1 .. values with exactly 19 significant digits ending in 5.
        // 1152921504606846976 = 2^60 has 19 digits: ...976 -> 18 digits 115292150460684698.
        QCOMPARE(q(registroExacto(std::ldexp(1.0L, 60)).digitos), QString("115292150460684698"));
        // 2^63 + 2^0 ... a true tie: 1000000000000000005 * 10 = exact 19-digit integer.
        const Extended tiePar = 1000000000000000005.0L;   // -> ...000 (0 is even)
        const Extended tieImpar = 1000000000000000015.0L; // -> ...002
        QCOMPARE(q(registroExacto(tiePar).digitos), QString("100000000000000000"));
        QCOMPARE(q(registroExacto(tieImpar).digitos), QString("100000000000000002"));
    }

    void readsBackWhatItWrites()
    {
        std::mt19937_64 rng(7);
        std::uniform_real_distribution<double> mantisa(1.0, 10.0);
        for (int i = 0; i < 20000; ++i) {
            const int e = static_cast<int>(rng() % 80) - 40;
            const Extended x = mantisa(rng) * std::pow(10.0L, e) * ((rng() & 1) ? -1 : 1);
            const std::string t = FloatToStr(x);
            const std::string otra = FloatToStr(StrToFloat(t));
            if (t != otra)
                QFAIL(qPrintable(q(t) + " read back as " + q(otra)));
        }
    }

    void strToFloat_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow(",5") << ",5" << 0.5;
        QTest::newRow("5,") << "5," << 5.0;
        QTest::newRow(",") << "," << 0.0;
        QTest::newRow("spaces") << "  -12,25  " << -12.25;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("exponent") << "1,5E3" << 1500.0;
        QTest::newRow("exponent lower") << "25e-2" << 0.25;
        QTest::newRow("E without digits") << "7E" << 7.0;
        QTest::newRow("E with sign only") << "7E-" << 7.0;
        QTest::newRow("-,") << "-," << 0.0;
        QTest::newRow("underflow is zero") << "1E-99999" << 0.0;
        QTest::newRow("huge exponent of zero") << "0E999999999999" << 0.0;
    }

    void strToFloat()
    {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QCOMPARE(static_cast<double>(StrToFloat(texto.toStdString())), valor);
    }

    void strToFloatCorrectlyRounded()
    {
        QCOMPARE(StrToFloat("0,1"), 0.1L);
        QCOMPARE(StrToFloat("123456789,123456789"), 123456789.123456789L);
        QCOMPARE(StrToFloat("1,18973149535723176502E4932"), LDBL_MAX);
    }

    void strToFloatFailures_data()
    {
        QTest::addColumn<QString>("texto");
        for (const char* t : {"", "-", "+", "1.5", "1,2,3", "abc", "1,5x", "E5", "1 5", "- 5", "INF", "NAN", "1E99999",
                              "0x10", "1e5e5"})
            QTest::newRow(t) << QString(t);
    }

    void strToFloatFailures()
    {
        QFETCH(QString, texto);
        try {
            StrToFloat(texto.toStdString());
            QFAIL("no fault");
        } catch (const Fault& f) {
            QCOMPARE(QString(f.what()), "'" + texto + "' is not a valid floating point value");
        }
    }

    void intText()
    {
        QCOMPARE(q(IntToStr(0)), QString("0"));
        QCOMPARE(q(IntToStr(-2147483648LL)), QString("-2147483648"));
        QCOMPARE(StrToInt("  -007"), -7);
        QCOMPARE(StrToInt("2147483647"), 2147483647);
        QCOMPARE(StrToInt("-2147483648"), INT32_MIN);
        QCOMPARE(StrToInt("$1F"), 31);
        QCOMPARE(StrToInt("-$ff"), -255);
        QCOMPARE(StrToInt("+12"), 12);
        for (const char* t :
             {"", "-", "+", "2147483648", "-2147483649", "12 ", "1,5", "$", "$G", "99999999999999999999"}) {
            try {
                StrToInt(t);
                QFAIL(t);
            } catch (const Fault& f) {
                QCOMPARE(QString(f.what()), QString("'%1' is not a valid integer value").arg(t));
            }
        }
    }

    void power()
    {
        QCOMPARE(Power(0, 0), 1.0L);
        QCOMPARE(Power(2, -3), 0.125L);
        QCOMPARE(Power(2, 32), 4294967296.0L);
        QCOMPARE(Power(2, -126), std::ldexp(1.0L, -126));
        QCOMPARE(Power(-2, 3), -8.0L);
        QCOMPARE(Power(0, 2.5L), 0.0L);
        QCOMPARE(Power(10, -99999), 0.0L);
        QVERIFY(std::fabs(Power(4, 0.5L) - 2) < 1e-18L);
        auto falla = [](Extended b, Extended e, const char* mensaje) {
            try {
                Power(b, e);
                return false;
            } catch (const Fault& f) {
                return QString(f.what()) == mensaje;
            }
        };
        QVERIFY(falla(10, 99999, "Floating point overflow"));
        QVERIFY(falla(0, -1, "Floating point division by zero"));
        QVERIFY(falla(-2, 0.5L, "Invalid floating point operation"));
    }

    void log10()
    {
        QVERIFY(std::fabs(Log10(1000) - 3) < 1e-18L);
        for (Extended x : {0.0L, -1.0L}) {
            try {
                Log10(x);
                QFAIL("no fault");
            } catch (const Fault& f) {
                QCOMPARE(QString(f.what()), QString("Invalid floating point operation"));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestTextoDecimal)
#include "tst_textodecimal.moc"
