// IEEE 754 single precision to decimal: the value of every kind of pattern
// against the hardware float with the same bits, the steps between
// neighbouring fractions, and the texts of a conversion for each class of
// pattern, with the neighbour it chooses for the maximum absolute error.
#include "ieee/sistnum6.h"

#include "Referencia.h"

#include <QRandomGenerator>
#include <QtTest>

#include <bit>
#include <cmath>

using namespace cifral;
using namespace prueba;

namespace {

float flotante(std::uint32_t bits)
{
    return std::bit_cast<float>(bits);
}

QString hex(std::uint32_t bits)
{
    return QString::number(bits, 16).rightJustified(8, QLatin1Char('0'));
}

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString q(const std::optional<std::string>& s)
{
    return s ? q(*s) : QStringLiteral("<unchanged>");
}

const std::string unos23(23, '1');
const std::string ceros23(23, '0');
const std::string uno23 = std::string(22, '0') + "1";

ConversionIEEE6 convertir(EstadoIEEE6& estado, int signo, const std::string& exponente, const std::string& fraccion)
{
    ConversorIEEE6 c(estado);
    return c.convertir(signo, exponente, fraccion);
}

} // namespace

class TestSistnum6 : public QObject {
    Q_OBJECT

    // The value of a pattern, as valorDe gives it and as the conversion
    // values it (a subnormal number by its magnitude), against the float.
    static void compararConFloat(std::uint32_t bits, bool conConversion)
    {
        const PatronIEEE p{bits};
        const float f = flotante(bits);
        const double v = valorDe(p);
        if (std::bit_cast<std::uint64_t>(v) != std::bit_cast<std::uint64_t>(static_cast<double>(f)))
            QFAIL(qPrintable(QString("valorDe(%1) = %2, the float is %3").arg(hex(bits)).arg(v, 0, 'g', 17).arg(f)));
        if (!conConversion)
            return;
        EstadoIEEE6 estado;
        const ConversionIEEE6 c =
            convertir(estado, int(p.signo()), prueba::bits(p.exponente(), 8), prueba::bits(p.fraccion(), 23));
        const double esperado = p.esSubnormalOCero() ? std::fabs(f) : double(f);
        if (!c.binario || c.valor != esperado)
            QFAIL(
                qPrintable(QString("conversion of %1 values %2, the float is %3").arg(hex(bits)).arg(c.valor).arg(f)));
    }

private slots:
    // Every exponent field of a finite number, with random fractions, both
    // signs; the fields as the window reads them from the bit texts.
    void everyExponentFieldAgainstTheFloat()
    {
        QRandomGenerator azar(754);
        for (unsigned E = 0; E < CampoExponenteMaximo; ++E) {
            for (int k = 0; k < 1000; ++k) {
                const std::uint32_t fraccion = k == 0   ? 0
                                               : k == 1 ? MascaraFraccion
                                                        : azar.generate() & MascaraFraccion;
                for (unsigned s : {0u, 1u}) {
                    const PatronIEEE p = PatronIEEE::armar(s, E, fraccion);
                    if (PatronIEEE::deTextos(s, bits(E, 8), bits(fraccion, 23)).bits != p.bits || p.exponente() != E ||
                        p.fraccion() != fraccion || p.signo() != s)
                        QFAIL(qPrintable("the fields of " + hex(p.bits)));
                    compararConFloat(p.bits, k < 20);
                }
            }
        }
    }

    void boundaryPatterns_data()
    {
        QTest::addColumn<quint32>("bits");
        QTest::addColumn<double>("valor");
        QTest::addColumn<double>("significando");
        QTest::addColumn<int>("e");
        QTest::newRow("smallest subnormal") << 0x00000001u << std::ldexp(1.0, -149) << std::ldexp(1.0, -23) << -126;
        QTest::newRow("largest subnormal")
            << 0x007FFFFFu << std::ldexp(1.0, -126) - std::ldexp(1.0, -149) << 1 - std::ldexp(1.0, -23) << -126;
        QTest::newRow("smallest normal") << 0x00800000u << std::ldexp(1.0, -126) << 1.0 << -126;
        QTest::newRow("one") << 0x3F800000u << 1.0 << 1.0 << 0;
        QTest::newRow("minus three") << 0xC0400000u << -3.0 << 1.5 << 1;
        QTest::newRow("largest finite") << 0x7F7FFFFFu << std::ldexp(2 - std::ldexp(1.0, -23), 127)
                                        << 2 - std::ldexp(1.0, -23) << 127;
        QTest::newRow("negative zero") << 0x80000000u << -0.0 << 0.0 << -126;
    }

    void boundaryPatterns()
    {
        QFETCH(quint32, bits);
        QFETCH(double, valor);
        QFETCH(double, significando);
        QFETCH(int, e);
        const PatronIEEE p{bits};
        compararConFloat(bits, true);
        QCOMPARE(std::bit_cast<std::uint64_t>(valorDe(p)), std::bit_cast<std::uint64_t>(valor));
        QVERIFY(significandoDe(p) == significando);
        QCOMPARE(exponenteRealDe(p), e);
    }

    void specialPatterns()
    {
        for (std::uint32_t bits : {0x7F800000u, 0xFF800000u, 0x7F800001u, 0xFFFFFFFFu}) {
            const PatronIEEE p{bits};
            QVERIFY(p.esEspecial() && !p.esNormal() && !p.esSubnormalOCero());
            QCOMPARE(std::isnan(flotante(bits)), p.fraccion() != 0);
        }
        QCOMPARE(MascaraSigno | MascaraExponente | MascaraFraccion, 0xFFFFFFFFu);
        QCOMPARE(MascaraSigno & (MascaraExponente | MascaraFraccion), 0u);
        QCOMPARE(MascaraExponente & MascaraFraccion, 0u);
    }

    // restarUno and sumarUno step the 23 bits by one unit; the fraction after
    // all ones does not exist, so the step goes back instead.
    void fractionSteps()
    {
        EstadoIEEE6 estado;
        ConversorIEEE6 c(estado);
        QRandomGenerator azar(23);
        for (int k = 0; k < 20000; ++k) {
            const std::uint32_t f = k < 2 ? std::uint32_t(k) : 1 + azar.bounded(MascaraFraccion - 1);
            const std::string texto = bits(f, 23);
            if (f > 0)
                QCOMPARE(q(restarUno(texto)), q(bits(f - 1, 23)));
            QCOMPARE(q(c.sumarUno(texto)), q(bits(f + 1, 23)));
            QCOMPARE(q(c.informe().tipoVecino), QString("Número Siguiente"));
            QCOMPARE(q(decABin(std::ldexp(double(f), -23))), q(texto));
        }
        QCOMPARE(q(restarUno(ceros23)), q(ceros23));
        QCOMPARE(q(restarUno("10000000000000000000000")), QString("01111111111111111111111"));
        QVERIFY(todosunos(unos23));
        QVERIFY(!todosunos("11111111111111111111110"));
        QCOMPARE(q(c.sumarUno(unos23)), QString("11111111111111111111110"));
        QCOMPARE(q(c.informe().tipoVecino), QString("Número Anterior"));
    }

    // What one conversion shows in the window (formula, decimal value,
    // error) and what it leaves for the report: the neighbour's caption,
    // sign, exponent and fraction rows, formula, the gap and its half.
    void conversions_data()
    {
        QTest::addColumn<int>("signo");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("tipoVecino");
        QTest::addColumn<QStringList>("vecino"); // sign, exponent, fraction rows
        QTest::addColumn<QString>("formulaVecino");
        QTest::addColumn<QString>("diferencia");
        QTest::addColumn<QString>("mitad");
        const QString u1 = QString::fromStdString(uno23), c0 = QString::fromStdString(ceros23),
                      u = QString::fromStdString(unos23);
        const QString siguiente = "Número Siguiente", anterior = "Número Anterior";

        QTest::newRow("1") << 0 << "01111111" << c0 << "(2 ^ 0)*1"
                           << "1"
                           << "5,9605E-8 (Aprox.)" << siguiente << QStringList{"0", "01111111", u1}
                           << "(2 ^ 0)*1,00000011920929"
                           << "1,1921E-7 (Aprox.)"
                           << "5,9605E-8 (Aprox.)";
        QTest::newRow("-3") << 1 << "10000000"
                            << "10000000000000000000000"
                            << "-(2 ^ 1)*1,5"
                            << "-3"
                            << "1,1921E-7 (Aprox.)" << siguiente
                            << QStringList{"1", "10000000", "10000000000000000000001"} << "-(2 ^ 1)*1,50000011920929"
                            << "2,3842E-7 (Aprox.)"
                            << "1,1921E-7 (Aprox.)";
        // 2 and -2 take the previous number, the largest of the binade of
        // 1, as their neighbour.
        for (int s : {0, 1})
            QTest::addRow("%s2", s ? "-" : "")
                << s << "10000000" << c0 << (s ? "-(2 ^ 1)*1" : "(2 ^ 1)*1") << (s ? "-2" : "2") << "5,9605E-8 (Aprox.)"
                << anterior << QStringList{QString::number(s), "01111111", u}
                << (s ? "-(2 ^ 0)*1,99999988079071" : "(2 ^ 0)*1,99999988079071") << "1,1921E-7 (Aprox.)"
                << "5,9605E-8 (Aprox.)";
        QTest::newRow("-2^40") << 1 << "10100111" << c0 << "-(2 ^ 40)*1"
                               << "-1099511627776"
                               << "65536" << siguiente << QStringList{"1", "10100111", u1}
                               << "-(2 ^ 40)*1,00000011920929"
                               << "131072"
                               << "65536";
        // The choice of the error's form is made on the whole gap 2^-13,
        // which FloatToStr writes without exponent; half of it needs one.
        QTest::newRow("1024 + 2^-13") << 0 << "10001001" << u1 << "(2 ^ 10)*1,00000011920929"
                                      << "1024,00012207031"
                                      << "6,103515625E-5" << siguiente
                                      << QStringList{"0", "10001001", "00000000000000000000010"}
                                      << "(2 ^ 10)*1,00000023841858"
                                      << "0,0001220703125"
                                      << "6,1035E-5 (Aprox.)";
        // The decimal value is 2^e times the significand as the formula
        // writes it, with 15 digits: here ...547, where the bits give ...546;
        // 2^45 * 1,16359353065491 shows a decimal part the number has not.
        QTest::newRow("15 digits") << 0 << "01110001"
                                   << "10111111101100001011110"
                                   << "(2 ^ -14)*1,74879050254822"
                                   << "0,000106737701571547"
                                   << "3,6380E-12 (Aprox.)" << siguiente
                                   << QStringList{"0", "01110001", "10111111101100001011111"}
                                   << "(2 ^ -14)*1,74879062175751"
                                   << "7,2760E-12 (Aprox.)"
                                   << "3,6380E-12 (Aprox.)";
        QTest::newRow("read back, 2^45") << 0 << "10101100"
                                         << "00101001111000010100010"
                                         << "(2 ^ 45)*1,16359353065491"
                                         << "40940307742720,1"
                                         << "2097152" << siguiente
                                         << QStringList{"0", "10101100", "00101001111000010100011"}
                                         << "(2 ^ 45)*1,1635936498642"
                                         << "4194304"
                                         << "2097152";
        QTest::newRow("read back, negative")
            << 1 << "10010100"
            << "11001000111011010101001"
            << "-(2 ^ 21)*1,78487122058868"
            << "-3743146,24999999"
            << "0,125" << siguiente << QStringList{"1", "10010100", "11001000111011010101010"}
            << "-(2 ^ 21)*1,78487133979797"
            << "0,25"
            << "0,125";
        QTest::newRow("all-ones fraction")
            << 0 << "01111111" << u << "(2 ^ 0)*1,99999988079071"
            << "1,99999988079071"
            << "5,9605E-8 (Aprox.)" << anterior << QStringList{"0", "01111111", "11111111111111111111110"}
            << "(2 ^ 0)*1,99999976158142"
            << "1,1921E-7 (Aprox.)"
            << "5,9605E-8 (Aprox.)";
        // There is no finite number after it: both neighbours are the
        // previous pattern.
        QTest::newRow("largest finite") << 0 << "11111110" << u << "(2 ^ 127)*1,99999988079071"
                                        << "3,4028E+38 (Aprox.)"
                                        << "1,0141E+31 (Aprox.)" << anterior
                                        << QStringList{"0", "11111110", "11111111111111111111110"}
                                        << "(2 ^ 127)*1,99999976158142"
                                        << "2,0282E+31 (Aprox.)"
                                        << "1,0141E+31 (Aprox.)";
        QTest::newRow("smallest normal") << 0 << "00000001" << c0 << "(2 ^ -126)*1"
                                         << "1,1755E-38 (Aprox.)"
                                         << "7,0065E-46 (Aprox.)" << siguiente << QStringList{"0", "00000001", u1}
                                         << "(2 ^ -126)*1,00000011920929"
                                         << "1,4013E-45 (Aprox.)"
                                         << "7,0065E-46 (Aprox.)";
        QTest::newRow("subnormal") << 0 << "00000000"
                                   << "10000000000000000000000"
                                   << "(2 ^-126)*0,5"
                                   << "5,8775E-39 (Aprox.)"
                                   << "7,0065E-46 (Aprox.)" << siguiente
                                   << QStringList{"0", "00000000", "10000000000000000000001"}
                                   << "(2 ^-126)*0,50000011920929"
                                   << "1,4013E-45 (Aprox.)"
                                   << "7,0065E-46 (Aprox.)";
        QTest::newRow("negative subnormal")
            << 1 << "00000000"
            << "10000000000000000000000"
            << "-(2 ^-126)*0,5"
            << "-5,8775E-39 (Aprox.)"
            << "7,0065E-46 (Aprox.)" << siguiente << QStringList{"1", "00000000", "10000000000000000000001"}
            << "-(2 ^-126)*0,50000011920929"
            << "1,4013E-45 (Aprox.)"
            << "7,0065E-46 (Aprox.)";
        QTest::newRow("smallest subnormal")
            << 0 << "00000000" << u1 << "(2 ^-126)*1,19209289550781E-7"
            << "1,4013E-45 (Aprox.)"
            << "7,0065E-46 (Aprox.)" << siguiente << QStringList{"0", "00000000", "00000000000000000000010"}
            << "(2 ^-126)*2,38418579101563E-7"
            << "1,4013E-45 (Aprox.)"
            << "7,0065E-46 (Aprox.)";
        QTest::newRow("largest subnormal")
            << 0 << "00000000" << u << "(2 ^-126)*0,99999988079071"
            << "1,1755E-38 (Aprox.)"
            << "7,0065E-46 (Aprox.)" << anterior << QStringList{"0", "00000000", "11111111111111111111110"}
            << "(2 ^-126)*0,999999761581421"
            << "1,4013E-45 (Aprox.)"
            << "7,0065E-46 (Aprox.)";
        // Both zeros: the neighbour is shown as the negative number -2^-149.
        for (int s : {0, 1})
            QTest::addRow("zero %d", s) << s << "00000000" << c0 << (s ? "-0" : "0") << ""
                                        << "7,0065E-46 (Aprox.)" << siguiente << QStringList{"1", "00000000", u1}
                                        << "-(2 ^-126)*1,19209289550781E-7"
                                        << "1,4013E-45 (Aprox.)"
                                        << "7,0065E-46 (Aprox.)";
        for (int s : {0, 1})
            QTest::addRow("infinity %d", s) << s << "11111111" << c0 << (s ? "-Infinito" : "Infinito") << ""
                                            << "No Tiene"
                                            << "<unchanged>" << QStringList{"No Tiene", "", ""} << "No Tiene"
                                            << "No Tiene"
                                            << "No Tiene";
        // The neighbours of a NaN are valued as specials too.
        QTest::newRow("NaN") << 1 << "11111111" << u1 << "NaN"
                             << ""
                             << "No Tiene" << siguiente << QStringList{"No Tiene", "", ""} << "No Tiene"
                             << "No Tiene"
                             << "No Tiene";
        QTest::newRow("NaN all ones") << 0 << "11111111" << u << "NaN"
                                      << ""
                                      << "No Tiene" << anterior << QStringList{"No Tiene", "", ""} << "No Tiene"
                                      << "No Tiene"
                                      << "No Tiene";
    }

    void conversions()
    {
        QFETCH(int, signo);
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        EstadoIEEE6 estado;
        const ConversionIEEE6 c = convertir(estado, signo, exponente.toStdString(), fraccion.toStdString());
        QVERIFY(c.binario);
        QTEST(q(c.formula), "formula");
        QTEST(q(c.decimal), "decimal");
        QTEST(q(c.error), "error");
        QTEST(q(c.informe.tipoVecino), "tipoVecino");
        QTEST(q(c.informe.mitadDiferencia), "mitad");
        const DetalleIEEE6 d = detalleIEEE6(signo, exponente.toStdString(), fraccion.toStdString(), c.formula, estado);
        QTEST((QStringList{q(d.vecinoSigno), q(d.vecinoExponente), q(d.vecinoFraccion)}), "vecino");
        // For a special the neighbour's formula row keeps what the
        // conversion wrote there.
        QTEST(q(d.formulaVecino ? d.formulaVecino : c.informe.formulaVecino), "formulaVecino");
        QTEST(q(d.diferencia), "diferencia");
    }

    void notBinary_data()
    {
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::newRow("digit in the exponent") << "12345671" << QString(23, '0');
        QTest::newRow("letter in the fraction") << "01111111" << QString(22, '0') + "a";
        QTest::newRow("blank") << "0111 111" << QString(23, '0');
        QTest::newRow("accented letter") << "01111111" << QString(22, '0') + "?"; // as the window reads it
        QTest::newRow("short") << "0111111" << QString(23, '0');
        QTest::newRow("empty") << ""
                               << "";
    }

    // A wrong digit changes nothing but the formula, which is emptied.
    void notBinary()
    {
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        EstadoIEEE6 estado;
        convertir(estado, 0, "01111111", ceros23);
        const EstadoIEEE6 antes = estado;
        const ConversionIEEE6 c = convertir(estado, 1, exponente.toStdString(), fraccion.toStdString());
        QVERIFY(!c.binario);
        QCOMPARE(q(c.formula), QString());
        QVERIFY(!c.informe.resultado && !c.informe.tipoVecino && !c.informe.mitadDiferencia);
        QCOMPARE(estado.vecinoTexto, antes.vecinoTexto);
        QCOMPARE(estado.diferenciaMayor, antes.diferenciaMayor);
        QCOMPARE(estado.mantisaBinaria, antes.mantisaBinaria);
    }

    // The state keeps what a conversion does not write: a zero leaves the
    // converted number's fields, an infinity also the neighbour's.
    void stateKeepsOlderValues()
    {
        EstadoIEEE6 e;
        convertir(e, 1, "10000000", "10000000000000000000000"); // -3
        QCOMPARE(e.potencia, -2.0);
        QCOMPARE(e.exponenteReal, 1.0);
        QCOMPARE(e.significandoMostrado, 1.5);
        QCOMPARE(q(e.mantisaBinaria), QString("1.10000000000000000000000"));
        QCOMPARE(q(e.vecinoExponente), QString());

        convertir(e, 0, "00000000", ceros23); // 0
        QCOMPARE(e.exponenteReal, 1.0);
        QCOMPARE(e.significandoMostrado, 1.5);
        QCOMPARE(q(e.mantisaBinaria), QString("1.10000000000000000000000"));
        QCOMPARE(e.potencia, std::ldexp(1.0, -126)); // the neighbour was valued last
        QCOMPARE(e.significando, std::ldexp(1.0, -23));
        QCOMPARE(q(e.vecinoSigno), QString("1"));
        QCOMPARE(e.diferenciaMayor, std::ldexp(1.0, -149));

        convertir(e, 0, "11111111", ceros23); // Infinito
        QCOMPARE(q(e.vecinoSigno), QString("1"));
        QCOMPARE(q(e.vecinoTexto), QString("(2 ^-126)*1,19209289550781E-7"));
        QCOMPARE(e.diferenciaMayor, std::ldexp(1.0, -149));
        QCOMPARE(e.exponenteReal, 1.0);

        const ConversionIEEE6 nan = convertir(e, 0, "11111111", uno23); // NaN: the neighbours are specials too
        QCOMPARE(q(nan.informe.resultado), QString("NaN (Not a number)"));
        QCOMPARE(nan.informe.alturaResultado, std::optional<int>(147));
        QVERIFY(!nan.informe.parteFormulaVisible);
        QCOMPARE(q(e.vecinoTexto), QString());
        QCOMPARE(q(e.vecinoFraccion), QString("00000000000000000000010"));
        QCOMPARE(e.diferenciaMayor, 0.0);

        const ConversionIEEE6 cero = convertir(e, 1, "00000000", ceros23);
        QCOMPARE(q(cero.informe.resultado), QString("-0"));
        QVERIFY(!cero.informe.alturaResultado); // stays where the last special put it
        const ConversionIEEE6 uno = convertir(e, 0, "01111111", ceros23);
        QVERIFY(!uno.informe.resultado);
        QCOMPARE(uno.informe.alturaResultado, std::optional<int>(168));
        QVERIFY(uno.informe.parteFormulaVisible);
    }

    // The captions of "Ver detalle" for the result line.
    void detailOfTheResultLine_data()
    {
        QTest::addColumn<int>("signo");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::addColumn<QStringList>("linea"); // base, exponent, bits, significand
        QTest::newRow("1") << 0 << "01111111" << QString(23, '0')
                           << QStringList{"2", "0", "1.00000000000000000000000", "1,000000000000000"};
        QTest::newRow("-3") << 1 << "10000000"
                            << "10000000000000000000000"
                            << QStringList{"-2", "1", "1.10000000000000000000000", "1,500000000000000"};
        QTest::newRow("negative subnormal")
            << 1 << "00000000"
            << "01000000000000000000000" << QStringList{"-2", "-126", "0.01000000000000000000000", "0,250000000000000"};
        QTest::newRow("NaN") << 0 << "11111111"
                             << "01000000000000000000000" << QStringList{"NaN", "0", "", "0,000000000000000"};
    }

    void detailOfTheResultLine()
    {
        QFETCH(int, signo);
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        QFETCH(QStringList, linea);
        EstadoIEEE6 estado;
        const ConversionIEEE6 c = convertir(estado, signo, exponente.toStdString(), fraccion.toStdString());
        const DetalleIEEE6 d = detalleIEEE6(signo, exponente.toStdString(), fraccion.toStdString(), c.formula, estado);
        QCOMPARE((QStringList{q(d.resultado), q(d.exponenteReal), q(d.mantisaBinaria), q(d.significando)}), linea);
        QCOMPARE(q(d.formula), q(c.formula));
        QCOMPARE(q(d.signo), QString::number(signo));
    }
};

QTEST_APPLESS_MAIN(TestSistnum6)
#include "tst_sistnum6.moc"
