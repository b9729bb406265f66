// The five integer systems: every bit string of 1 to 12 bits against the
// textbook definitions, the 32-bit boundaries and the limit texts.
#include "fixed/sistnumA.h"

#include "Referencia.h"

#include <QtTest>

#include <cmath>

using namespace cifral;
using namespace prueba;

namespace {

std::string codificar(TNumberSystem sis, int n, std::int32_t v)
{
    return convertir_A_Sistema(sis, n, v, v < 0);
}

const TNumberSystem sistemas[] = {BSS, BCS, CA1, CA2, Exceso};

} // namespace

class TestSistnumA : public QObject {
    Q_OBJECT

private slots:
    void everyStringUpTo12Bits()
    {
        for (int n = 1; n <= 12; ++n) {
            for (TNumberSystem sis : sistemas) {
                const Rango r = rango(sis, n);
                long long menor = LLONG_MAX, mayor = LLONG_MIN;
                for (std::uint64_t u = 0; u < (1ull << n); ++u) {
                    const std::string s = bits(u, n);
                    const double v = valorSistema(sis, s, n);
                    const long long e = entero(sis, u, n);
                    if (v != static_cast<double>(e))
                        QFAIL(qPrintable(QString("%1 %2: %3, expected %4")
                                             .arg(nombreSistema(sis).c_str(), s.c_str())
                                             .arg(v)
                                             .arg(e)));
                    const bool ceroNegativo =
                        (sis == BCS && u == (1ull << (n - 1))) || (sis == CA1 && u == (1ull << n) - 1);
                    if (v == 0) // only the sign-magnitude zero carries a sign
                        QCOMPARE(std::signbit(v), sis == BCS && ceroNegativo);
                    if (!ceroNegativo)
                        QCOMPARE(QString::fromStdString(codificar(sis, n, static_cast<std::int32_t>(e))),
                                 QString::fromStdString(s));
                    QVERIFY(representable(sis, n, e));
                    menor = std::min(menor, e);
                    mayor = std::max(mayor, e);
                }
                // The range is exactly the set of values the strings reach.
                QCOMPARE(r.desde, static_cast<double>(menor));
                QCOMPARE(r.hasta, static_cast<double>(mayor));
                QVERIFY(!representable(sis, n, menor - 1));
                QVERIFY(!representable(sis, n, mayor + 1));
            }
        }
    }

    void limitsUpTo32Bits()
    {
        for (int n = 2; n <= 32; ++n) {
            const double p = std::ldexp(1.0, n - 1);
            QCOMPARE(maximoPositivo(BSS, n), 2 * p - 1);
            QVERIFY(std::isnan(minimoNegativo(BSS, n)) && std::isnan(maximoNegativo(BSS, n)));
            for (TNumberSystem sis : {BCS, CA1, CA2, Exceso}) {
                QCOMPARE(maximoPositivo(sis, n), p - 1);
                QCOMPARE(minimoPositivo(sis, n), 0.0);
            }
            QCOMPARE(maximoNegativo(BCS, n), 1 - p);
            QCOMPARE(maximoNegativo(CA1, n), 1 - p);
            QCOMPARE(maximoNegativo(CA2, n), -p);
            QCOMPARE(maximoNegativo(Exceso, n), -p);
            QCOMPARE(minimoNegativo(CA2, n), -1.0);
            QCOMPARE(minimoNegativo(Exceso, n), -1.0);
            QVERIFY(minimoNegativo(BCS, n) == 0 && std::signbit(minimoNegativo(BCS, n)));
        }
    }

    void boundariesAt32Bits()
    {
        const std::string unos(32, '1'), ceros(32, '0');
        const std::string unoCeros = "1" + std::string(31, '0');
        QCOMPARE(valorBSS(unos, 32), 4294967295.0);
        QCOMPARE(valorCA2(unoCeros, 32), -2147483648.0);
        QCOMPARE(valorExceso(ceros, 32), -2147483648.0);
        QCOMPARE(valorExceso(unos, 32), 2147483647.0);
        QCOMPARE(valorCA1(unoCeros, 32), -2147483647.0);
        QCOMPARE(rango(BSS, 32).hasta, 4294967295.0);
        QCOMPARE(convertir_A_BSS(32, -1), unos); // read as unsigned
        QCOMPARE(convertir_A_Exceso(32, 0), unoCeros);
        QCOMPARE(convertir_A_Exceso(32, INT32_MIN), ceros);
        QCOMPARE(convertir_A_Exceso(32, INT32_MAX), unos);
        QCOMPARE(convertir_A_CA2(32, INT32_MIN, true), unoCeros);
        QCOMPARE(convertir_A_CA1(32, -INT32_MAX, true), unoCeros);
        QCOMPARE(convertir_A_BCS(32, -INT32_MAX), unos);
        QCOMPARE(potencia2(31), INT32_MIN);
        QVERIFY(representable(CA2, 32, INT32_MIN));
        QVERIFY(!representable(BCS, 32, INT32_MIN));
        QVERIFY(representable(BSS, 32, 4294967295LL));
    }

    void listedCases()
    {
        QCOMPARE(valorBCS("1011", 4), -3.0);
        QCOMPARE(valorCA1("1000", 4), -7.0);
        QCOMPARE(valorCA2("1000", 4), -8.0);
        QCOMPARE(valorExceso("1000", 4), 0.0);
        QCOMPARE(rango(BCS, 2).desde, -1.0);
        QCOMPARE(rango(CA2, 2).desde, -2.0);
        QVERIFY(!esBinario("0120", 4));
        QVERIFY(esBinario("01x", 2)); // only the first n characters count
        QVERIFY(!longitudCorrecta("01", 3));
        QVERIFY(todosCeros("000", 3));
        QVERIFY(!todosCeros("", 0));
        QCOMPARE(convertir_A_BSS(8, 0), std::string("00000000"));
        QCOMPARE(convertir_A_BCS(8, 127), std::string("01111111"));
        QCOMPARE(convertir_A_BCS(16, -1), std::string("1000000000000001"));
        QCOMPARE(convertir_A_BCS(8, -5), std::string("10000101"));
        QCOMPARE(convertir_A_CA1(8, -127, true), std::string("10000000"));
        QCOMPARE(convertir_A_CA1(8, 5, false), std::string("00000101"));
        QCOMPARE(convertir_A_CA1(8, 0, true), std::string("11111111"));
        QCOMPARE(convertir_A_CA2(8, -1, true), std::string("11111111"));
        QCOMPARE(convertir_A_CA2(8, -5, true), std::string("11111011"));
        QCOMPARE(convertir_A_Exceso(8, -128), std::string("00000000"));
        QCOMPARE(convertir_A_Exceso(8, 127), std::string("11111111"));
        QVERIFY(!representable(BSS, 8, -1));
        QVERIFY(representable(CA2, 8, -128));
        QVERIFY(!representable(BCS, 8, -128));
    }

    void valueRoutinesKeepTheCallersText()
    {
        const std::string s = "1011";
        valorBCS(s, 4);
        valorCA1(s, 4);
        valorCA2(s, 4);
        valorExceso(s, 4);
        QCOMPARE(s, std::string("1011"));
    }

    void encodersNeverShorten()
    {
        QCOMPARE(convertir_A_BSS(4, 255), std::string("11111111"));
        QCOMPARE(convertir_A_BCS(4, 100), std::string("01100100"));
    }

    void limitTexts_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("textos"); // desde hasta minNeg maxNeg minPos maxPos
        QTest::newRow("BSS 32") << int(BSS) << 32
                                << QStringList{"0", "4294967295", "No existe", "No existe", "0", "4294967295"};
        QTest::newRow("BCS 4") << int(BCS) << 4 << QStringList{"-7", "7", "-0", "-7", "0", "7"};
        QTest::newRow("CA1 8") << int(CA1) << 8 << QStringList{"-127", "127", "-0", "-127", "0", "127"};
        QTest::newRow("CA2 4") << int(CA2) << 4 << QStringList{"-8", "7", "-1", "-8", "0", "7"};
        QTest::newRow("Exceso 32") << int(Exceso) << 32
                                   << QStringList{"-2147483648", "2147483647", "-1", "-2147483648", "0", "2147483647"};
        QTest::newRow("BCS 32") << int(BCS) << 32
                                << QStringList{"-2147483647", "2147483647", "-0", "-2147483647", "0", "2147483647"};
        QTest::newRow("CA2 2") << int(CA2) << 2 << QStringList{"-2", "1", "-1", "-2", "0", "1"};
    }

    void limitTexts()
    {
        QFETCH(int, sistema);
        QFETCH(int, n);
        QFETCH(QStringList, textos);
        const TextosLimites t = textosLimites(static_cast<TNumberSystem>(sistema), n);
        const QStringList obtenidos{QString::fromStdString(t.desde),          QString::fromStdString(t.hasta),
                                    QString::fromStdString(t.minimoNegativo), QString::fromStdString(t.maximoNegativo),
                                    QString::fromStdString(t.minimoPositivo), QString::fromStdString(t.maximoPositivo)};
        QCOMPARE(obtenidos, textos);
    }

    void systemNames()
    {
        QCOMPARE(QString::fromStdString(nombreSistema(Exceso)), QString("Exceso"));
        QCOMPARE(QString::fromStdString(nombreSistema(-1)), QString());
    }
};

QTEST_APPLESS_MAIN(TestSistnumA)
#include "tst_sistnumA.moc"
