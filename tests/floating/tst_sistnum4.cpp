// Decimal to floating point without the window: the conversions of both
// mantissa kinds with their messages, the error read back from the bits,
// the number test and the range texts of the window; and a sweep over every
// layout that checks each conversion ends and stays within its error bound.
#include "floating/sistnum4.h"

#include <QtTest>

#include <cmath>

using namespace cifral;

namespace {

const TNumberSystem sistemas[] = {BSS, BCS, CA1, CA2, Exceso};

TFormato4 formato(int n, int sistemaMantisa, int e, int sistemaExponente, bool implicito = false)
{
    return {n, e, static_cast<TNumberSystem>(sistemaMantisa), static_cast<TNumberSystem>(sistemaExponente), implicito};
}

QStringList lista(const std::vector<std::string>& textos)
{
    QStringList r;
    for (const std::string& t : textos)
        r << QString::fromStdString(t);
    return r;
}

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

const QString noRepresentable = MensajeNoRepresentable;

// The columns of a conversion row: the layout, the typed text, the
// messages, and the two fields (null: the step writes nothing).
void columnasDeConversion()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("sistemaMantisa");
    QTest::addColumn<int>("e");
    QTest::addColumn<int>("sistemaExponente");
    QTest::addColumn<bool>("implicito");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("mensajes");
    QTest::addColumn<QString>("mantisa");
    QTest::addColumn<QString>("exponente");
}

void comprobarConversion(const TConversion4& c)
{
    QFETCH(QStringList, mensajes);
    QFETCH(QString, mantisa);
    QFETCH(QString, exponente);
    QCOMPARE(lista(c.mensajes), mensajes);
    QCOMPARE(c.escribe, !exponente.isNull());
    if (c.escribe) {
        QCOMPARE(q(c.mantisa), mantisa);
        QCOMPARE(q(c.exponente), exponente);
    }
}

// The texts a user can type that stress the conversions: zeros, signs,
// the largest and smallest numbers of fifteen characters, numbers with
// more than four binary fraction digits, and integer parts beyond 32 bits.
const char* const textosDeBorde[] = {"0",
                                     "0,0",
                                     "-0,0",
                                     "0,000",
                                     "-,",
                                     "5,",
                                     "1",
                                     "-1",
                                     "0,5",
                                     "-0,5",
                                     "1,0",
                                     "2,0",
                                     "-2,0",
                                     "0,75",
                                     "-0,75",
                                     "0,1",
                                     "-0,1",
                                     "3,3",
                                     "-3,3",
                                     "0,999",
                                     "0,99999999",
                                     "127,5",
                                     "-128,25",
                                     "32767,75",
                                     "65535,99",
                                     "1234,5678",
                                     "0,0001",
                                     "0,00001234",
                                     "0,000001",
                                     "0,0000000000001",
                                     "-,0000000000001",
                                     "999999999999999",
                                     "-99999999999999",
                                     "9999999999999,9",
                                     "-999999999999,9",
                                     "4294967296,5",
                                     "99999999999,99",
                                     "-12345678901,23"};

} // namespace

class TestSistnum4 : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------- integer mantissa

    void integerMantissa_data()
    {
        columnasDeConversion();
        auto fila = [](const char* nombre, int n, int sm, int e, int se, const char* texto, const char* mantisa,
                       const char* exponente) {
            QTest::newRow(nombre) << n << sm << e << se << false << QString(texto) << QStringList() << QString(mantisa)
                                  << QString(exponente);
        };
        // A whole number, and the fraction digits that doublings find.
        fila("5", 8, BCS, 8, CA2, "5", "00000101", "00000000");
        fila("0,0625: four doublings", 8, BCS, 8, CA2, "0,0625", "00000001", "11111100");
        fila("-3,75 CA2 Exceso", 8, CA2, 8, Exceso, "-3,75", "11110001", "01111110");
        // More than four digits: the quarter fallback.
        fila("3,3 falls back to 3,25", 8, BCS, 8, CA2, "3,3", "00001101", "11111110");
        fila("0,0001 falls back to 0", 8, BCS, 8, CA2, "0,0001", "00000000", "00000000");
        fila("-0,1 falls back to -0", 8, CA1, 8, CA2, "-0,1", "11111111", "00000000");
        // A value below 0,00001 has a scientific text without ','.
        fila("0,000001 reads as 1E-6", 8, BCS, 8, CA2, "0,000001", "00000000", "00000000");
        fila("0,00001234 is doubled through 1,234E-5", 8, BCS, 8, CA2, "0,00001234", "00000000", "00000000");
        // Halvings until the layout fits, truncating.
        fila("1000 halved three times", 8, BCS, 8, CA2, "1000", "01111101", "00000011");
        fila("1001 truncates 500,5", 8, BCS, 8, CA2, "1001", "01111101", "00000011");
        fila("300 in BSS", 8, BSS, 8, BSS, "300", "10010110", "00000001");
        fila("-32769 in CA2 16 is halved once", 16, CA2, 16, BCS, "-32769", "1100000000000000", "0000000000000001");
        fila("32767,75 loses its quarters again", 16, BCS, 8, CA2, "32767,75", "0111111111111111", "00000000");
        // A BSS exponent cannot hold the doublings: they are halved away.
        fila("0,5 with a BSS exponent", 8, BCS, 8, BSS, "0,5", "00000000", "00000000");
        fila("6,75 with a BSS exponent", 8, BCS, 16, BSS, "6,75", "00000110", "0000000000000000");
        // Zeros, and the negative zero of CA1.
        fila("0 in CA1 CA1", 8, CA1, 8, CA1, "0", "11111111", "11111111");
        fila("-0,0 in CA2 Exceso", 8, CA2, 8, Exceso, "-0,0", "00000000", "10000000");
        fila("-1 in CA2 CA2", 8, CA2, 8, CA2, "-1", "11111111", "00000000");
        // Fifteen characters: the largest numbers fit every exponent.
        fila("999999999999999 BSS BSS", 8, BSS, 8, BSS, "999999999999999", "11100011", "00101010");
        fila("-99999999999999 CA2 CA1", 16, CA2, 8, CA1, "-99999999999999", "1010010100001101", "00100000");
        // Integer parts beyond 32 bits in the quarter fallback keep their value.
        fila("99999999999,99 falls back to 99999999999,75", 16, BCS, 8, CA2, "99999999999,99", "0101110100100001",
             "00010110");
        fila("-4294967296,6 falls back to -4294967296,5", 16, CA1, 8, BCS, "-4294967296,6", "1011111111111111",
             "00010010");
    }

    void integerMantissa()
    {
        QFETCH(int, n);
        QFETCH(int, sistemaMantisa);
        QFETCH(int, e);
        QFETCH(int, sistemaExponente);
        QFETCH(QString, texto);
        comprobarConversion(
            calcular_MantExp_Entera(texto.toStdString(), formato(n, sistemaMantisa, e, sistemaExponente)));
    }

    void negativeInBss()
    {
        const TConversion4 c = calcular_MantExp_Entera("-7", formato(8, BSS, 8, CA2));
        QCOMPARE(lista(c.mensajes), QStringList{"No se pueden representar números negativos en BSS"});
        QVERIFY(c.escribe);
        QVERIFY(c.mantisa.empty() && c.exponente.empty());
        // A negative zero is no negative number.
        QVERIFY(calcular_MantExp_Entera("-0", formato(8, BSS, 8, CA2)).mensajes.empty());
    }

    void quarters_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("cuartos");
        QTest::newRow("3,3") << 3.3 << 3.25;
        QTest::newRow("-3,3") << -3.3 << -3.25;
        QTest::newRow("2,8") << 2.8 << 2.75;
        QTest::newRow("2,5") << 2.5 << 2.5;
        QTest::newRow("0,1") << 0.1 << 0.0;
        QTest::newRow("99999999999,99") << 99999999999.99 << 99999999999.75;
        QTest::newRow("-4294967296,6") << -4294967296.6 << -4294967296.5;
        QTest::newRow("2^60 + 0,0") << std::ldexp(1.0, 60) << std::ldexp(1.0, 60);
        QTest::newRow("1E300") << 1e300 << 1e300;
    }

    void quarters()
    {
        QFETCH(double, x);
        QFETCH(double, cuartos);
        QCOMPARE(transformar(x), cuartos);
        QCOMPARE(std::signbit(transformar(x)), std::signbit(cuartos));
    }

    // A number too large for every exponent of the layout is refused, and
    // one beyond the double range is an overflow: no text of fifteen
    // characters gets there, but the routines end on anything.
    void beyondTheLayout()
    {
        QVERIFY(!calcular_MantisaExponente_Entera(8, 8, CA2, BCS, 1e300));
        QVERIFY(calcular_MantisaExponente_Entera(8, 16, CA2, BCS, 1e300));
        const TConversion4 c = calcular_MantExp_Entera("1" + std::string(60, '0'), formato(8, CA2, 8, BCS));
        QCOMPARE(lista(c.mensajes), QStringList{noRepresentable});
        QVERIFY(!c.escribe);
        QVERIFY_THROWS_EXCEPTION(Fault, calcular_MantExp_Entera("1" + std::string(400, '0'), formato(8, CA2, 16, BCS)));
        QVERIFY_THROWS_EXCEPTION(
            Fault, calcular_MantExp_Fraccionaria("1" + std::string(400, '0') + ",", formato(8, CA2, 16, BCS)));
    }

    // ---------------------------------------------- fractional mantissa

    void fractionalMantissa_data()
    {
        columnasDeConversion();
        auto fila = [](const char* nombre, int sm, int se, bool implicito, const char* texto,
                       const QStringList& mensajes, const char* mantisa, const char* exponente, int n = 8) {
            QTest::newRow(nombre) << n << sm << 8 << se << implicito << QString(texto) << mensajes << QString(mantisa)
                                  << QString(exponente);
        };
        const QStringList nada;
        const QString fuera = MensajeFueraDelSistema;
        fila("0,75 BSS", BSS, CA2, false, "0,75", nada, "11000000", "00000000");
        fila("0,75 BCS", BCS, CA2, false, "0,75", nada, "01100000", "00000000");
        fila("-0,75 BCS", BCS, CA2, false, "-0,75", nada, "11100000", "00000000");
        fila("-0,75 CA1", CA1, CA2, false, "-0,75", nada, "10011111", "00000000");
        fila("-0,75 CA2", CA2, CA2, false, "-0,75", nada, "10100000", "00000000");
        fila("-0,75 Exceso", Exceso, CA2, false, "-0,75", nada, "00100000", "00000000");
        fila("0,75 Exceso", Exceso, CA2, false, "0,75", nada, "11100000", "00000000");
        fila("-0,5 CA2", CA2, CA2, false, "-0,5", nada, "11000000", "00000000");
        // Normalised by doublings (a negative exponent) or by halvings.
        fila("0,1 BSS", BSS, CA2, false, "0,1", nada, "11001100", "11111101");
        fila("0,1 BCS", BCS, CA2, false, "0,1", nada, "01100110", "11111101");
        fila("-0,1 CA2", CA2, CA2, false, "-0,1", nada, "10011010", "11111101");
        fila("5,5 BCS", BCS, CA2, false, "5,5", nada, "01011000", "00000011");
        fila("-5,5 BCS", BCS, CA2, false, "-5,5", nada, "11011000", "00000011");
        fila("-5,5 CA1", CA1, CA2, false, "-5,5", nada, "10100111", "00000011");
        fila("-5,5 CA2", CA2, CA2, false, "-5,5", nada, "10101000", "00000011");
        fila("-5,5 Exceso", Exceso, CA2, false, "-5,5", nada, "00101000", "00000011");
        fila("1234,5678 16 bits, BSS exponent", BCS, BSS, false, "1234,5678", nada, "0100110100101001", "00001011", 16);
        fila("the smallest number typed", BCS, BCS, false, "0,0000000000001", nada, "01110000", "10101011");
        fila("the largest integer part", CA2, Exceso, false, "9999999999999,9", nada, "01001000", "10101100");
        // Magnitudes too close to 1, and negatives in BSS.
        fila("0,999 BCS", BCS, CA2, false, "0,999", {fuera}, "", "00000000");
        fila("0,999 BSS", BSS, CA2, false, "0,999", {fuera, MensajeNoNormalizada}, "", "00000000");
        fila("0,996 BSS fits", BSS, CA2, false, "0,996", nada, "11111110", "00000000");
        fila("2,0 is 0,5 x 2^2", BCS, CA2, false, "2,0", nada, "01000000", "00000010");
        fila("-1,0 is -0,5 x 2^1", CA2, CA2, false, "-1,0", nada, "11000000", "00000001");
        fila("-0,3 BSS", BSS, CA2, false, "-0,3", {MensajeNoSeRepresentanNegativos}, "", "11111111");
        fila("-5,5 BSS", BSS, CA2, false, "-5,5", {MensajeNoSeRepresentanNegativos}, "", "00000011");
        // Refused before anything is written.
        fila("0,3 with a BSS exponent", BCS, BSS, false, "0,3", {noRepresentable}, nullptr, nullptr);
        fila("7 has no ','", BCS, CA2, false, "7", {MensajeNoEsDecimal}, nullptr, nullptr);
        // The implicit bit: dropped, with a filler bit at the right.
        fila("SI 0,75 BSS", BSS, CA2, true, "0,75", {MensajeImplicitoNoNormalizada}, "10000000", "00000000");
        fila("SI 0,875 BSS", BSS, CA2, true, "0,875", nada, "11000000", "00000000");
        fila("SI 0,75 BCS", BCS, CA2, true, "0,75", nada, "01000000", "00000000");
        fila("SI 0,75 CA1", CA1, CA2, true, "0,75", nada, "01000001", "00000000");
        fila("SI -0,75 CA1", CA1, CA2, true, "-0,75", {MensajeImplicitoNoNormalizada}, "10111111", "00000000");
        fila("SI -0,75 CA2", CA2, CA2, true, "-0,75", nada, "11000000", "00000000");
        fila("SI -0,875 CA2", CA2, CA2, true, "-0,875", {MensajeImplicitoNoNormalizada}, "10100000", "00000000");
        fila("SI 0,999 CA2", CA2, CA2, true, "0,999", {fuera}, "", "00000000");
    }

    void fractionalMantissa()
    {
        QFETCH(int, n);
        QFETCH(int, sistemaMantisa);
        QFETCH(int, e);
        QFETCH(int, sistemaExponente);
        QFETCH(bool, implicito);
        QFETCH(QString, texto);
        comprobarConversion(calcular_MantExp_Fraccionaria(texto.toStdString(),
                                                          formato(n, sistemaMantisa, e, sistemaExponente, implicito)));
    }

    // A power of two from 1 up is 0,5 times the next power: its mantissa is
    // the one of 0,5 (or -0,5), messages included, in every system, length
    // and implicit-bit choice, and only the exponent grows.
    void powersOfTwoAreHalves()
    {
        for (TNumberSystem sm : sistemas)
            for (int n : {8, 16})
                for (bool implicito : {false, true})
                    for (const char* signo : {"", "-"}) {
                        const TFormato4 f{n, 8, sm, CA2, implicito};
                        const TConversion4 medio = calcular_MantExp_Fraccionaria(std::string(signo) + "0,5", f);
                        for (int j = 0; j <= 40; ++j) {
                            const std::string texto = std::string(signo) + FloatToStr(std::ldexp(1.0, j)) + ",0";
                            const TConversion4 c = calcular_MantExp_Fraccionaria(texto, f);
                            QVERIFY2(c.escribe, texto.c_str());
                            QCOMPARE(lista(c.mensajes), lista(medio.mensajes));
                            QCOMPARE(q(c.mantisa), q(medio.mantisa));
                            QCOMPARE(q(c.exponente), q(calcular_Exponente(j + 1, CA2, 8)));
                        }
                    }
    }

    // No doubling brings a zero to 0,5: every zero is refused with the
    // message of a number the layout cannot hold, in every layout.
    void zerosAreRefused()
    {
        for (const char* cero : {"0,0", "-0,0", ",0", "0,000", "-,", "0,"})
            for (TNumberSystem sm : sistemas)
                for (TNumberSystem se : sistemas)
                    for (bool implicito : {false, true}) {
                        const TConversion4 c = calcular_MantExp_Fraccionaria(cero, {16, 8, sm, se, implicito});
                        QVERIFY2(!c.escribe, cero);
                        QCOMPARE(lista(c.mensajes), QStringList{noRepresentable});
                    }
    }

    void normalisation()
    {
        double b = -0.3;
        int k = 2;
        cambiarRaro(b, k);
        QCOMPARE(b, -0.6);
        QCOMPARE(k, 1);
        b = std::ldexp(1.0, -40);
        cambiarRaro(b, k);
        QCOMPARE(b, 0.5);
        QCOMPARE(k, -38);
        QCOMPARE(q(digitosFraccion(0.8, 8)), QString("11001100"));
        QCOMPARE(q(digitosFraccion(-0.5, 8)), QString("10000000"));
        QCOMPARE(q(digitosFraccion(1.0, 8)), QString("00000000")); // "1" has no ','
        QCOMPARE(q(recomplementar("0110")), QString("1001"));
    }

    // ------------------------------------------------------- the error

    // The error texts and the marks, read back from the bits the conversion
    // wrote, as the window computes them right after.
    void errors_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("sistemaMantisa");
        QTest::addColumn<int>("sistemaExponente");
        QTest::addColumn<bool>("implicito");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("absoluto");
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<int>("marcas");
        auto fila = [](const char* nombre, int tipo, int sm, int se, bool implicito, const char* texto,
                       const char* absoluto, const char* relativo, int marcas) {
            QTest::newRow(nombre) << tipo << sm << se << implicito << QString(texto) << QString(absoluto)
                                  << QString(relativo) << marcas;
        };
        fila("Entera 3,3", Entera, BCS, CA2, false, "3,3", "0,0499999999999998", "0,0151515151515151", 5);
        fila("Entera -3,3", Entera, BCS, CA2, false, "-3,3", "0,0499999999999998", "0,0151515151515151", 5);
        fila("Entera 1001", Entera, BCS, CA2, false, "1001", "1", "0,000999000999000999", 0);
        fila("Entera 0,5 BSS exponent", Entera, BCS, BSS, false, "0,5", "0,5", "1", 30);
        fila("Entera 0", Entera, CA1, CA1, false, "0", "0", "0", 0);
        fila("Entera -0 in BCS", Entera, BCS, CA2, false, "-0", "0", "0", 0);
        fila("Entera 1000", Entera, BCS, CA2, false, "1000", "0", "0", 0);
        // 0,0095 of relative error: three marks at one per 0,003.
        fila("Entera 94,9 in 8 bits", Entera, BCS, Exceso, false, "94,9", "0,900000000000006", "0,00948366701791365",
             3);
        fila("Fraccionaria 0,1 BSS", Fraccionaria, BSS, CA2, false, "0,1", "0,000390625000000006",
             "0,00390625000000006", 13);
        fila("Fraccionaria 0,75 CA1", Fraccionaria, CA1, CA2, false, "0,75", "0", "0", 0);
        fila("Fraccionaria -0,75 Exceso", Fraccionaria, Exceso, BCS, false, "-0,75", "0", "0", 0);
        fila("Fraccionaria SI 0,75 BSS", Fraccionaria, BSS, CA2, true, "0,75", "0", "0", 0);
        fila("Fraccionaria SI -0,75 CA1", Fraccionaria, CA1, CA2, true, "-0,75", "0,5", "0,666666666666667", 30);
        fila("Fraccionaria SI -0,75 BCS", Fraccionaria, BCS, CA1, true, "-0,75", "0", "0", 0);
        // The same relative error as in the integer row: ten times the marks,
        // capped at 30.
        fila("Fraccionaria 94,9 in 8 bits", Fraccionaria, BCS, Exceso, false, "94,9", "0,900000000000006",
             "0,00948366701791365", 30);
        fila("Fraccionaria 1234,5678", Fraccionaria, CA2, CA2, false, "1234,5678", "2,56780000000003",
             "0,00207991817055332", 6);
    }

    void errors()
    {
        QFETCH(int, tipo);
        QFETCH(int, sistemaMantisa);
        QFETCH(int, sistemaExponente);
        QFETCH(bool, implicito);
        QFETCH(QString, texto);
        QFETCH(QString, absoluto);
        QFETCH(QString, relativo);
        QFETCH(int, marcas);
        const TFormato4 f = formato(8, sistemaMantisa, 8, sistemaExponente, implicito);
        const std::string t = texto.toStdString();
        const double x = static_cast<double>(StrToFloat(t));
        const TConversion4 c = tipo == Entera ? calcular_MantExp_Entera(t, f) : calcular_MantExp_Fraccionaria(t, f);
        QVERIFY(c.escribe && !c.mantisa.empty());
        const auto error = tipo == Entera ? calcular_errores(f, x, c.mantisa, c.exponente)
                                          : calculo_error_F(f, x, c.mantisa, c.exponente);
        QVERIFY(error);
        QCOMPARE(q(error->absoluto), absoluto);
        QCOMPARE(q(error->relativo), relativo);
        QCOMPARE(error->marcas, marcas);
    }

    void errorReadBack()
    {
        const TFormato4 bssSi = formato(8, BSS, 8, CA2, true);
        QCOMPARE(q(cambiarElBitImplicito("10000000", BSS)), QString("11000000"));
        QCOMPARE(q(cambiarElBitImplicito("10111111", CA1)), QString("11011111"));
        QCOMPARE(mfraccionaria("11011111", 8, CA1), -0.25);
        // Exceso is read over 2^(n-1), as its encoder writes it.
        QCOMPARE(mfraccionaria("00100000", 8, Exceso), -0.75);
        QCOMPARE(mfraccionaria("11000000", 8, BSS), 0.75);
        // An empty mantissa leaves the error as it was.
        QVERIFY(!calculo_error_F(bssSi, 0.999, "", "00000000"));
        QVERIFY(!calcular_errores(formato(8, BSS, 8, CA2), -7, "", ""));
        // Two scales: 30 marks from 0,09 and from 0,009.
        QCOMPARE(marcasDeError(0.0899, EscalaEntera), 29);
        QCOMPARE(marcasDeError(-0.5, EscalaEntera), 30);
        QCOMPARE(marcasDeError(0.00899, EscalaFraccionaria), 29);
        QCOMPARE(marcasDeError(0.0002999, EscalaFraccionaria), 0);
        QCOMPARE(marcasDeError(0.003, EscalaEntera), 1);
    }

    // ---------------------------------------------- what the window checks

    void numberTest_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("numero");
        for (const char* si : {"", "5", "-5", "5,", "-,", "-", "12,75", "-0,0", "000"})
            QTest::newRow(si) << QString(si) << true;
        for (const char* no : {"12a", "1,2,3", ",5", "1E5", " 5", "5 ", "1.5", "--5", "5-", "+5", "?"})
            QTest::newRow(no) << QString(no) << false;
    }

    void numberTest()
    {
        QFETCH(QString, texto);
        QFETCH(bool, numero);
        QCOMPARE(esNumero(texto.toStdString()), numero);
    }

    // The negative zero of a BCS mantissa: its exponent is a plain zero of
    // its system, also in CA1 and without a system.
    void negativeZero()
    {
        for (const char* si : {"-0", "-0,0", "-,", "-00,000"})
            QVERIFY2(esMenosCero(si), si);
        for (const char* no : {"", "0", "0,0", "-0,5", "-1"})
            QVERIFY2(!esMenosCero(no), no);
        struct Caso {
            int n, e, sistemaExponente;
            const char* mantisa;
            const char* exponente;
        };
        for (const Caso& c :
             {Caso{8, 8, Exceso, "10000000", "10000000"}, Caso{16, 8, CA1, "1000000000000000", "00000000"},
              Caso{8, 16, BSS, "10000000", "0000000000000000"}, Caso{8, 8, SinEleccion, "10000000", "00000000"}}) {
            const TMantisaExponente r = menosCeroBcs(c.n, c.e, c.sistemaExponente);
            QCOMPARE(q(r.mantisa), QString(c.mantisa));
            QCOMPARE(q(r.exponente), QString(c.exponente));
        }
    }

    // Texts in the order resolución mínima positiva, resolución máxima
    // positiva, máximo positivo, mínimo positivo, mínimo negativo (with the
    // sign the window gives it), máximo negativo, resolución mínima negativa,
    // resolución máxima negativa.
    void rangeTexts_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<bool>("implicito");
        QTest::addColumn<int>("sistemaExponente");
        QTest::addColumn<QStringList>("esperados");
        const QString no = TextoNoExiste;
        QTest::newRow("Entera BCS") << int(Entera) << 8 << int(BCS) << false << int(CA2)
                                    << QStringList{"1 * (2^-128)",  "1 * (2^127)",    "127 * (2^127)", "1 * (2^-128)",
                                                   "-1 * (2^-128)", "-127 * (2^127)", "-1 * (2^-128)", "-1 * (2^127)"};
        QTest::newRow("Entera CA2") << int(Entera) << 8 << int(CA2) << false << int(CA2)
                                    << QStringList{"1 * (2^-128)",  "1 * (2^127)",    "127 * (2^127)", "1 * (2^-128)",
                                                   "-1 * (2^-128)", "-128 * (2^127)", "-1 * (2^-128)", "-1 * (2^127)"};
        QTest::newRow("Entera Exceso 16, BSS exponent")
            << int(Entera) << 16 << int(Exceso) << false << int(BSS)
            << QStringList{"1 * (2^0)",  "1 * (2^255)",      "32767 * (2^255)", "1 * (2^0)",
                           "-1 * (2^0)", "-32768 * (2^255)", "-1 * (2^0)",      "-1 * (2^255)"};
        QTest::newRow("Fraccionaria BCS")
            << int(Fraccionaria) << 8 << int(BCS) << false << int(CA2)
            << QStringList{"0,0078125 * (2^-128)", "0,0078125 * (2^127)", "0,9921875 * (2^127)",
                           "0,5 * (2^-128)",       "-0,5 * (2^-128)",     "-0,9921875 * (2^127)",
                           "0,0078125 * (2^-128)", "-0,0078125 * (2^127)"};
        QTest::newRow("Fraccionaria CA2")
            << int(Fraccionaria) << 8 << int(CA2) << false << int(CA2)
            << QStringList{"0,0078125 * (2^-128)",  "0,0078125 * (2^127)",    "0,9921875 * (2^127)",
                           "0,5 * (2^-128)",        "-0,00390625 * (2^-128)", "-0,0078125 * (2^127)",
                           "0,00390625 * (2^-128)", "-0,00390625 * (2^127)"};
        // The stored length bounds a mantissa with its implicit bit.
        QTest::newRow("Fraccionaria CA1 SI")
            << int(Fraccionaria) << 8 << int(CA1) << true << int(CA1)
            << QStringList{"0,0078125 * (2^-127)", "0,0078125 * (2^127)", "0,9921875 * (2^127)",
                           "0,5 * (2^-127)",       "-0,5 * (2^-127)",     "-0,9921875 * (2^127)",
                           "0,0078125 * (2^-127)", "-0,0078125 * (2^127)"};
        QTest::newRow("Fraccionaria BSS 16 SI")
            << int(Fraccionaria) << 16 << int(BSS) << true << int(BSS) << QStringList{"1,52587890625E-5 * (2^0)",
                                                                                      "1,52587890625E-5 * (2^255)",
                                                                                      "0,999984741210938 * (2^255)",
                                                                                      "0,5 * (2^0)",
                                                                                      no,
                                                                                      no,
                                                                                      no,
                                                                                      no};
        QTest::newRow("Entera BSS")
            << int(Entera) << 8 << int(BSS) << false << int(Exceso)
            << QStringList{"1 * (2^-128)", "1 * (2^127)", "255 * (2^127)", "1 * (2^-128)", no, no, no, no};
    }

    void rangeTexts()
    {
        QFETCH(int, tipo);
        QFETCH(int, n);
        QFETCH(int, sistema);
        QFETCH(bool, implicito);
        QFETCH(int, sistemaExponente);
        QFETCH(QStringList, esperados);
        const auto k = static_cast<TMantissaKind>(tipo);
        const TFloatLimits l = limitesDelFormato(k, formato(n, sistema, 8, sistemaExponente, implicito));
        const TTextosRango t = textosDelRango(l, k, static_cast<TNumberSystem>(sistema));
        QCOMPARE((QStringList{q(t.resolucionMinimaPositiva), q(t.resolucionMaximaPositiva), q(t.numeroMaximoPositivo),
                              q(t.numeroMinimoPositivo), q(conSignoNegativo(t.numeroMinimoNegativo)),
                              q(t.numeroMaximoNegativo), q(t.resolucionMinimaNegativa), q(t.resolucionMaximaNegativa)}),
                 esperados);
    }

    void integerLimitsNearZero()
    {
        TFloatLimits l;
        MinMaxEnt(8, CA2, l);
        QCOMPARE(l.manMinNeg, 1.0);
        QCOMPARE(l.manAntMinNeg, 2.0);
        QCOMPARE(l.manMaxNeg, -128.0);
        MinMaxEnt(8, BCS, l);
        QCOMPARE(l.manMinNeg, 1.0);
        QCOMPARE(l.manAntMinNeg, 0.0);
        QCOMPARE(q(conSignoNegativo("No existe")), QString("No existe"));
        QCOMPARE(q(conSignoNegativo("")), QString(""));
        QCOMPARE(q(conSignoNegativo("-0,5 * (2^-128)")), QString("-0,5 * (2^-128)"));
        QCOMPARE(q(conSignoNegativo("1 * (2^0)")), QString("-1 * (2^0)"));
    }

    // ------------------------------------------------------ every layout

    // Every layout (25 system pairs, both lengths of each part, both kinds,
    // with and without the implicit bit) and every text of the list: each
    // conversion ends, its bits have their lengths, and the number they
    // stand for is the typed one truncated. An integer mantissa loses less
    // than one unit of its last bit plus the quarter cut; a fractional one
    // less than one unit of its last bit.
    void everyLayoutEndsWithinItsBound()
    {
        int conversiones = 0;
        for (const char* texto : textosDeBorde) {
            const double x = static_cast<double>(StrToFloat(texto));
            for (TNumberSystem sm : sistemas)
                for (TNumberSystem se : sistemas)
                    for (int n : {8, 16})
                        for (int e : {8, 16}) {
                            ++conversiones;
                            const TFormato4 ent{n, e, sm, se, false};
                            const TConversion4 c = calcular_MantExp_Entera(texto, ent);
                            if (x < 0 && sm == BSS) {
                                QVERIFY(c.mantisa.empty() && c.exponente.empty());
                            } else {
                                QVERIFY2(c.mensajes.empty(), texto);
                                verificarEntera(c, ent, x, texto);
                            }
                            for (bool implicito : {false, true}) {
                                const TFormato4 fr{n, e, sm, se, implicito};
                                verificarFraccionaria(calcular_MantExp_Fraccionaria(texto, fr), fr, x, texto);
                            }
                        }
        }
        QVERIFY(conversiones > 0);
    }

private:
    static double leido(const std::string& bits, int n, TNumberSystem s) { return valorSistema(s, bits, n); }

    void verificarEntera(const TConversion4& c, const TFormato4& f, double x, const char* texto)
    {
        const QByteArray donde = QByteArray(texto) + " " + nombreSistema(f.sistemaMantisa).c_str() + " " +
                                 nombreSistema(f.sistemaExponente).c_str() + " " + QByteArray::number(f.n) + "/" +
                                 QByteArray::number(f.e);
        QVERIFY2(c.escribe && longitudCorrecta(c.mantisa, f.n) && esBinario(c.mantisa, f.n), donde);
        QVERIFY2(longitudCorrecta(c.exponente, f.e) && esBinario(c.exponente, f.e), donde);
        const double m = leido(c.mantisa, f.n, f.sistemaMantisa);
        const double e = leido(c.exponente, f.e, f.sistemaExponente);
        const double v = std::ldexp(m, static_cast<int>(e));
        const double ulp = std::ldexp(1.0, static_cast<int>(e));
        QVERIFY2(m == 0 || (m < 0) == (x < 0), donde);
        QVERIFY2(std::fabs(v) <= std::fabs(x) * (1 + 1e-14), donde);
        QVERIFY2(std::fabs(x) - std::fabs(v) < ulp + 0.25 + std::fabs(x) * 1e-14, donde);
    }

    void verificarFraccionaria(const TConversion4& c, const TFormato4& f, double x, const char* texto)
    {
        const QByteArray donde = QByteArray(texto) + " " + nombreSistema(f.sistemaMantisa).c_str() + " " +
                                 nombreSistema(f.sistemaExponente).c_str() + " " + QByteArray::number(f.n) + "/" +
                                 QByteArray::number(f.e) + (f.implicito ? " SI" : " NO");
        if (!c.escribe) {
            // Refused: an integer text, or no exponent for the number.
            QVERIFY2(!std::string(texto).empty(), donde);
            const bool entero = std::string(texto).find(',') == std::string::npos;
            const bool chico = std::fabs(x) < 0.5 && (f.sistemaExponente == BSS || x == 0);
            QVERIFY2(entero || chico, donde);
            return;
        }
        QVERIFY2(longitudCorrecta(c.exponente, f.e) && esBinario(c.exponente, f.e), donde);
        if (c.mantisa.empty()) {
            QVERIFY2(!c.mensajes.empty(), donde);
            return;
        }
        QVERIFY2(longitudCorrecta(c.mantisa, f.n) && esBinario(c.mantisa, f.n), donde);
        // Read back the way the window reads it: exact for positive numbers
        // and sign and magnitude; the implicit bit of a negative complement
        // or excess mantissa is not the '1' it is read back with.
        if (f.implicito && x < 0 && f.sistemaMantisa != BCS)
            return;
        const std::string s = f.implicito ? cambiarElBitImplicito(c.mantisa, f.sistemaMantisa) : c.mantisa;
        const double m = mfraccionaria(s, f.n, f.sistemaMantisa);
        const double e = leido(c.exponente, f.e, f.sistemaExponente);
        const double v = std::ldexp(m, static_cast<int>(e));
        const int digitos = f.sistemaMantisa == BSS ? f.n : f.n - 1;
        QVERIFY2(std::fabs(m) >= 0.5 && std::fabs(m) < 1, donde);
        QVERIFY2((m < 0) == (x < 0), donde);
        QVERIFY2(std::fabs(v) <= std::fabs(x) * (1 + 1e-14), donde);
        QVERIFY2(std::fabs(x) - std::fabs(v) < std::ldexp(1.0, static_cast<int>(e) - digitos) + std::fabs(x) * 1e-14,
                 donde);
    }
};

QTEST_APPLESS_MAIN(TestSistnum4)
#include "tst_sistnum4.moc"
