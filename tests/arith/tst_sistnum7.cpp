// Addition and subtraction of two floating-point numbers, integer and
// fractional mantissas: cases grouped by what happens to the exponents, the
// detail fields each path reaches, the longest equalisations, and random
// operands checked against the exact sum computed with integers.
#include "arith/Tad_Entera7.h"
#include "arith/Tad_Fracc7.h"

#include "Referencia.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace cifral;
using namespace prueba;

namespace {

const int Sin = SinEleccion;

struct Caso {
    int tipo; // Entera or Fraccionaria
    TOperacion op;
    int sm, se;
    QString m1, e1, m2, e2;
};

TResultadoOperacion operar(const Caso& c, const TOperationDetail& previo = {})
{
    const TOperandos o{c.m1.toStdString(), c.e1.toStdString(), c.m2.toStdString(), c.e2.toStdString()};
    // The lengths are those of the layout: the bits of the texts, which may
    // carry more characters after them.
    const int nm = c.m1.size() >= 16 && c.m1.left(16).count('0') + c.m1.left(16).count('1') == 16 ? 16 : 8;
    const int ne = c.e1.size() >= 16 && c.e1.left(16).count('0') + c.e1.left(16).count('1') == 16 ? 16 : 8;
    const TFormatoSuma f{c.sm, nm, c.se, ne};
    return c.tipo == Entera ? flotantes_conEntera(c.op, o, f, previo) : flotantes_conFraccionaria(c.op, o, f, previo);
}

QStringList textos(const Mensajes& m)
{
    QStringList r;
    for (const std::string& s : m)
        r << QString::fromStdString(s);
    return r;
}

const char* const NoIguala = "No se pudo igualar los exponentes";

} // namespace

Q_DECLARE_METATYPE(Caso)

class TestSumaResta : public QObject {
    Q_OBJECT

    static void fila(const char* nombre, int tipo, TOperacion op, int sm, int se, const char* m1, const char* e1,
                     const char* m2, const char* e2, const char* mantisa, const char* exponente,
                     const QStringList& mensajes = {}, double valor = std::numeric_limits<double>::quiet_NaN())
    {
        QTest::newRow(nombre) << Caso{tipo, op, sm, se, m1, e1, m2, e2} << QString(mantisa) << QString(exponente)
                              << mensajes << valor;
    }

private slots:
    // Results and messages. Unless a row says otherwise the mantissas and
    // exponents have 8 bits; the valor column, where given, is the detail's
    // valorMantisaResultado.
    void operations_data()
    {
        QTest::addColumn<Caso>("caso");
        QTest::addColumn<QString>("mantisa");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<double>("valor");
        const int E = Entera, F = Fraccionaria;
        const QString rangoBSS = "El resultado no cumple el rango de mantisa en BSS";

        // ---- the same exponent text: the mantissas are added as they are
        fila("E same BSS", E, Suma, BSS, BSS, "00000011", "00000010", "00000101", "00000010", "00001000", "00000010",
             {}, 8);
        fila("E same BCS difference", E, Resta, BCS, BCS, "00000101", "00000000", "00000111", "00000000", "10000010",
             "00000000", {}, -2);
        fila("E same CA1 zero is written negative", E, Suma, CA1, CA1, "00000001", "00000000", "11111110", "00000000",
             "11111111", "00000000");
        fila("E same CA2 lowest", E, Suma, CA2, BSS, "10000000", "00000001", "00000000", "00000001", "10000000",
             "00000001");
        fila("E same Exceso", E, Suma, Exceso, Exceso, "10000011", "11111111", "01111111", "11111111", "10000010",
             "11111111");
        fila("F same BSS", F, Suma, BSS, BSS, "01000000", "00000000", "00100000", "00000000", "01100000", "00000000",
             {}, 0.375);
        fila("F same BCS", F, Suma, BCS, BSS, "01000000", "00000000", "11100000", "00000000", "10100000", "00000000",
             {}, -0.25);
        fila("F same CA2 -1", F, Suma, CA2, BSS, "10000000", "00000000", "00000000", "00000000", "10000000",
             "00000000");
        fila("F same CA2 -0.5 twice", F, Suma, CA2, BSS, "11000000", "00000000", "11000000", "00000000", "10000000",
             "00000000", {}, -1);
        fila("F same Exceso", F, Suma, Exceso, BSS, "11000000", "00000000", "10000000", "00000000", "11000000",
             "00000000");
        fila("F same CA1 zero is zeros", F, Suma, CA1, BSS, "11111110", "00000000", "00000001", "00000000", "00000000",
             "00000000");
        // Bits after those of the layout are not read, and the result
        // exponent keeps only the layout's bits.
        fila("E same text longer than the layout", E, Suma, BSS, BSS, "00000011ab", "00000010xy", "00000101cd",
             "00000010xy", "00001000", "00000010");

        // ---- equal exponent values written differently: the equalisation
        // has nothing to do and the exponent is written anew
        fila("E BCS zeros", E, Suma, BCS, BCS, "00000001", "00000000", "00000010", "10000000", "00000011", "00000000");
        fila("E CA1 zero written as ones", E, Suma, CA1, CA1, "00000001", "00000000", "00000010", "11111111",
             "00000011", "11111111");
        fila("F CA1 zero written as ones", F, Suma, BSS, CA1, "01000000", "00000000", "00100000", "11111111",
             "01100000", "11111111");

        // ---- halving the mantissa of the smaller exponent
        fila("E halve then double", E, Suma, BSS, BSS, "00000100", "00000011", "00000010", "00000001", "00001001",
             "00000010");
        fila("E halve zero", E, Suma, BSS, BSS, "00000101", "00000100", "00000000", "00000000", "00000101", "00000100");
        fila("E halve a negative", E, Suma, BCS, BSS, "00000001", "00000001", "10000100", "00000000", "10000001",
             "00000001", {}, -1);
        fila("F halve", F, Suma, BSS, BSS, "10000000", "00000001", "01000000", "00000000", "10100000", "00000001", {},
             0.625);
        fila("F halve drops a bit", F, Suma, BSS, BSS, "10000000", "00000001", "00000001", "00000000", "10000000",
             "00000001", {}, 0.501953125);
        fila("F halve CA1", F, Suma, CA1, CA1, "11000000", "00000000", "00000000", "00000001", "11100000", "00000001",
             {}, -63.0 / 256);
        // -1/128 halved 100 times is written 00000000 each time; the exact
        // sum 0.5 - 2^-107 is cut toward zero, while its double is 0.5.
        fila("F halve far, cut toward zero", F, Suma, CA2, BSS, "01000000", "01100100", "11111111", "00000000",
             "00111111", "01100100", {}, 0.5);

        // ---- halving refused, the other mantissa doubled instead
        fila("E double CA1", E, Suma, CA1, CA1, "00000001", "00000001", "00000001", "00000000", "00000011", "11111111");
        fila("F double", F, Suma, BSS, BSS, "01000000", "00000001", "00000010", "00000000", "10000010", "00000000");
        fila("F double to -1", F, Suma, CA2, BSS, "11000000", "00000001", "00000011", "00000000", "10000011",
             "00000000", {}, -125.0 / 128);

        // ---- failures
        fila("E same out of range", E, Suma, BSS, BSS, "11111111", "00000000", "00000001", "00000000", "", "00000000",
             {rangoBSS}, 256);
        fila("E both large BSS", E, Suma, BSS, BSS, "10000000", "00000001", "10000000", "00000000", "", "",
             {"La suma excede el rango"});
        fila("E both large BSS difference", E, Resta, BSS, BSS, "10000000", "00000001", "10000000", "00000000", "", "",
             {"La suma excede el rango"});
        fila("E doubling leaves BSS", E, Suma, BSS, BSS, "01000000", "00000010", "00000001", "00000000", "", "",
             {"No se pudieron igualar los exponentes"});
        fila("E doubling leaves CA2", E, Suma, CA2, BSS, "00100000", "00000011", "00000001", "00000000", "", "",
             {"No se pueden igualar los exponentes"});
        fila("E aligned out of range", E, Suma, BSS, BSS, "11111111", "00000001", "01111110", "00000000", "",
             "00000001", {rangoBSS}, 318);
        fila("F same Exceso out of range", F, Suma, Exceso, BSS, "11000000", "00000000", "11000000", "00000000", "",
             "00000000", {"El resultado no cumple el rango de mantisa en Exceso"});
        fila("F same BCS out of range", F, Suma, BCS, BSS, "11100000", "00000000", "11100000", "00000000", "",
             "00000000", {"El resultado no cumple el rango de mantisa en BCS"});
        fila("F sum of two odd mantissas", F, Suma, BSS, BSS, "00000001", "00000001", "00000011", "00000000", "", "",
             {NoIguala});
        fila("F doubling reaches 1", F, Suma, BSS, BSS, "10000000", "00000001", "00000010", "00000000", "", "",
             {NoIguala});
        fila("F doubling below BCS", F, Suma, BCS, BSS, "11000000", "00000001", "00000011", "00000000", "", "",
             {"No se puede representar en el sistema configurado", NoIguala});
        fila("F doubling above Exceso", F, Suma, Exceso, BSS, "11000000", "00000001", "10000010", "00000000", "", "",
             {"No se puede representar en Exceso", NoIguala});
        fila("F aligned out of BSS", F, Suma, BSS, BSS, "11000000", "00000001", "11000000", "00000000", "", "00000001",
             {"No es representable en Bss"}, 1.125);
        fila("F aligned out of CA1", F, Suma, CA1, BSS, "01111110", "00000001", "01000000", "00000000", "", "00000001",
             {"No se puede representar en CA1"}, 1.234375);
        fila("F aligned out of CA2", F, Resta, CA2, BSS, "10000010", "00000001", "01000000", "00000000", "", "00000001",
             {"No se puede representar en CA2"}, -1.234375);

        // ---- the silent failure: two large signed mantissas
        fila("E silent CA2", E, Suma, CA2, CA2, "11111111", "00000001", "11111110", "00000000", "", "");

        // ---- sum against difference of the same operands
        fila("E sum", E, Suma, BSS, BSS, "00000001", "00000001", "00000011", "00000000", "00000101", "00000000");
        fila("E difference negative in BSS", E, Resta, BSS, BSS, "00000001", "00000001", "00000011", "00000000", "",
             "00000000", {rangoBSS}, -1);
        fila("F sum refuses two last bits", F, Suma, BSS, BSS, "00000001", "00000001", "00000011", "00000000", "", "",
             {NoIguala});
        fila("F difference equalises them", F, Resta, BSS, BSS, "00000001", "00000001", "00000011", "00000000", "",
             "00000000", {rangoBSS}, -1.0 / 256);
        fila("F difference", F, Resta, BSS, BSS, "10000000", "00000001", "01000000", "00000000", "01100000", "00000001",
             {}, 0.375);

        // ---- no system chosen
        fila("E no mantissa system, same exponent", E, Suma, Sin, BSS, "00000001", "00000000", "00000001", "00000000",
             "", "00000000");
        fila("E no mantissa system", E, Suma, Sin, BSS, "00000001", "00000001", "00000001", "00000000", "", "",
             {"La primera mantisa no está en el rango"});
        fila("E no mantissa system, large mantissas", E, Suma, Sin, BSS, "10000000", "00000001", "10000000", "00000000",
             "", "", {"La suma excede el rango"});
        fila("E no exponent system", E, Suma, BSS, Sin, "00000001", "00000001", "00000010", "00000000", "00000011", "");
        fila("E no exponent system, same exponent", E, Suma, BSS, Sin, "00000001", "00000001", "00000010", "00000001",
             "00000011", "00000001");
        fila("F no mantissa system, same exponent", F, Suma, Sin, BSS, "01000000", "00000000", "01000000", "00000000",
             "", "00000000");
        fila("F no mantissa system", F, Suma, Sin, BSS, "01000000", "00000001", "01000000", "00000000", "", "",
             {NoIguala});
        fila("F no mantissa system, equal exponent values", F, Suma, Sin, BCS, "01000000", "00000000", "01000000",
             "10000000", "", "", {"La primera mantisa no está en el rango"});
        fila("F no exponent system", F, Suma, BSS, Sin, "01000000", "00000001", "00100000", "00000000", "01100000", "");

        // ---- the longest equalisations: 16-bit exponents 65535 apart
        const char* const uno16 = "0000000000000001";
        const char* const cero16 = "0000000000000000";
        const char* const max16 = "1111111111111111";
        fila("E 16 bits, halving zero all the way", E, Suma, BSS, BSS, "0000000000000101", max16, cero16, cero16,
             "0000000000000101", max16);
        fila("E 16 bits, doubling to the top", E, Suma, CA2, CA2, uno16, "0000000000001110", uno16, cero16,
             "0100000000000001", cero16);
        fila("E 16 bits, doubling past the top", E, Suma, CA2, CA2, uno16, "0000000000001111", uno16, cero16, "", "",
             {"No se pueden igualar los exponentes"});
        fila("F 16 bits, halving all the way", F, Suma, BSS, BSS, "1000000000000000", max16, uno16, cero16,
             "1000000000000000", max16, {}, 0.5);
        fila("F 16 bits, doubling all the way", F, Suma, BSS, BSS, cero16, max16, "0000000000000010", cero16,
             "0000000000000010", cero16, {}, 1.0 / 32768);
        fila("F 16 bits, both attempts refused", F, Resta, CA2, CA2, "0100000000000000", "0111111111111111",
             "0000000000000011", "1000000000000000", "", "", {NoIguala});
    }

    void operations()
    {
        QFETCH(Caso, caso);
        QFETCH(QString, mantisa);
        QFETCH(QString, exponente);
        QFETCH(QStringList, mensajes);
        QFETCH(double, valor);
        const TResultadoOperacion r = operar(caso);
        QCOMPARE(textos(r.mensajes), mensajes);
        QCOMPARE(QString::fromStdString(r.mantisa), mantisa);
        QCOMPARE(QString::fromStdString(r.exponente), exponente);
        if (!std::isnan(valor))
            QVERIFY2(r.detalle.valorMantisaResultado == valor,
                     qPrintable(QString::number(r.detalle.valorMantisaResultado, 'g', 20)));
    }

    // Which fields of the detail each path writes; the others keep the
    // previous operation's values (7 here).
    void detailFieldsReached_data()
    {
        QTest::addColumn<Caso>("caso");
        QTest::addColumn<QList<double>>("campos"); // mantisa 1, exponente 1, mantisa 2, exponente 2, resultados
        const double x = 7;
        QTest::newRow("same exponent, no mantissa system")
            << Caso{Entera, Suma, Sin, CA2, "00000001", "11111110", "00000001", "11111110"}
            << QList<double>{x, -2, x, -2, x, -2};
        QTest::newRow("same exponent, out of range")
            << Caso{Fraccionaria, Suma, BSS, BSS, "11000000", "00000011", "11000000", "00000011"}
            << QList<double>{0.75, 3, 0.75, 3, 1.5, 3};
        QTest::newRow("equalisation fails")
            << Caso{Entera, Suma, BSS, BSS, "10000000", "00000001", "10000000", "00000000"}
            << QList<double>{128, 1, 128, 0, x, x};
        QTest::newRow("fractional equalisation fails")
            << Caso{Fraccionaria, Suma, BSS, Exceso, "00000001", "10000001", "00000011", "10000000"}
            << QList<double>{1.0 / 256, 1, 3.0 / 256, 0, x, x};
        QTest::newRow("aligned mantissa out of range")
            << Caso{Entera, Suma, Sin, BSS, "00000001", "00000001", "00000001", "00000000"}
            << QList<double>{0, 1, 0, 0, x, x};
        QTest::newRow("aligned sum out of range")
            << Caso{Fraccionaria, Suma, BSS, BSS, "11000000", "00000001", "11000000", "00000000"}
            << QList<double>{0.75, 1, 0.75, 0, 1.125, 1};
        QTest::newRow("BCS negative zero")
            << Caso{Entera, Suma, BCS, BCS, "10000000", "10000001", "10000000", "00000001"}
            << QList<double>{0, -1, 0, 1, 0, 1};
    }

    void detailFieldsReached()
    {
        QFETCH(Caso, caso);
        QFETCH(QList<double>, campos);
        const TOperationDetail previo{7, 7, 7, 7, 7, 7, "anterior"};
        const TOperationDetail d = operar(caso, previo).detalle;
        const QList<double> obtenidos{d.valorMantisa1,   d.valorExponente1,       d.valorMantisa2,
                                      d.valorExponente2, d.valorMantisaResultado, d.valorExponenteResultado};
        QCOMPARE(obtenidos, campos);
        QVERIFY(!std::signbit(d.valorMantisa1));
        QCOMPARE(d.operacion, std::string("anterior")); // the window writes it
    }

    // The small routines at the edges of their ranges.
    void encoders()
    {
        Mensajes m;
        // A negative fraction cut to zero: CA1 writes its negative zero, CA2
        // its only zero; a positive one is written in CA1 as zeros.
        QCOMPARE(fraccionASistema(CA1, 8, corte({-1, 1}), m).value(), std::string("11111111"));
        QCOMPARE(fraccionASistema(CA2, 8, corte({-1, 1}), m).value(), std::string("00000000"));
        QCOMPARE(fraccionASistema(CA1, 8, corte({1, 1}), m).value(), std::string("00000000"));
        QCOMPARE(fraccionASistema(Exceso, 8, corte({-128, 0}), m).value(), std::string("00000000"));
        QCOMPARE(fraccionASistema(CA2, 16, corte({-32768, 0}), m).value(), std::string("1000000000000000"));
        QVERIFY(m.empty());
        QVERIFY(!fraccionASistema(Exceso, 8, corte({128, 0}), m));
        QVERIFY(!fraccionASistema(BSS, 8, corte({-1, 40}), m)); // however small, below zero
        QVERIFY(!convBinario_F(BSS, 8, corte({-1, 40}), m));
        QVERIFY(!fraccionASistema(Sin, 8, corte({0, 0}), m));
        QCOMPARE(textos(m), (QStringList{"No se puede representar en Exceso", "No es representable en Bss",
                                         "El resultado no cumple el rango de mantisa en BSS"}));
        m.clear();
        // The integer encoder writes a zero as CA1's negative zero.
        QCOMPARE(convBinario(CA1, 8, {0, false}, m).value(), std::string("11111111"));
        QCOMPARE(convBinario(CA2, 16, {-32768, false}, m).value(), std::string("1000000000000000"));
        QVERIFY(!convBinario(BCS, 8, {-128, false}, m));
        QVERIFY(!convBinario(Sin, 8, {0, false}, m));
        QCOMPARE(textos(m), QStringList{"El resultado no cumple el rango de mantisa en BCS"});
        // The shift test: below 1, representable, ending in '0'.
        m.clear();
        QVERIFY(terminaEnCero(BSS, 8, {1, 1}, m));     // 1/512 is written 00000000
        QVERIFY(!terminaEnCero(BSS, 8, {255, 0}, m));  // ends in '1'
        QVERIFY(!terminaEnCero(BSS, 8, {256, 0}, m));  // 1 itself, without a message
        QVERIFY(terminaEnCero(CA2, 8, {-128, 0}, m));  // -1
        QVERIFY(!terminaEnCero(CA2, 8, {-256, 0}, m)); // -2
        QVERIFY(!terminaEnCero(Sin, 8, {0, 0}, m));
        QCOMPARE(textos(m), QStringList{"No se puede representar en CA2"});
        // The fractional ranges.
        QCOMPARE(rangoFraccionario(BSS, 8).hasta, 255.0 / 256);
        QCOMPARE(rangoFraccionario(BCS, 8).desde, -127.0 / 128);
        QCOMPARE(rangoFraccionario(CA2, 16).desde, -1.0);
        QCOMPARE(rangoFraccionario(Exceso, 8).desde, -0.5);
        QCOMPARE(rangoFraccionario(Exceso, 8).hasta, 127.0 / 256);
        // Two bit strings of the layout, and nothing without a length.
        QVERIFY(SonBinarios("00000001x", "11111111", 8));
        QVERIFY(!SonBinarios("0000000", "11111111", 8));
        QVERIFY(!SonBinarios("0000000a", "11111111", 8));
        QVERIFY(!SonBinarios("", "", Sin));
    }

    // Random operands against the exact value of the operation, computed
    // with integers: M1 * 2^E1 +- M2 * 2^E2 over the result's unit 2^Ec / D
    // and cut toward zero must be the result mantissa, Ec must lie between
    // E1 and E2, and the result is exact whenever nothing fell below the
    // last bit (always with integer mantissas). A shown message leaves no
    // mantissa.
    void randomOperandsAgainstExactValue()
    {
        QRandomGenerator azar(20260411);
        const TNumberSystem sistemas[] = {BSS, BCS, CA1, CA2, Exceso};
        int resultados = 0, inexactos = 0, lejanos = 0;
        for (int i = 0; i < 20000; ++i) {
            const int tipo = azar.bounded(2);
            const TNumberSystem sm = sistemas[azar.bounded(5)];
            const TNumberSystem se = sistemas[azar.bounded(5)];
            const int nm = azar.bounded(4) == 0 ? 16 : 8;
            const int ne = 8;
            // Mantissas: any bits, or a few units around zero, so that
            // halvings are accepted.
            auto mantisa = [&]() -> std::uint64_t {
                if (azar.bounded(2) == 0)
                    return azar.bounded(1u << nm);
                const std::uint64_t pequena = azar.bounded(9);
                for (std::uint64_t u = 0; u < (1u << nm); ++u)
                    if (entero(sm, u, nm) == static_cast<long long>(pequena) - 4)
                        return u;
                return 0;
            };
            const std::uint64_t u1 = mantisa(), u2 = mantisa();
            // Exponents: any bits, or a few apart.
            const std::uint64_t x1 = azar.bounded(1u << ne);
            std::uint64_t x2 = azar.bounded(1u << ne);
            if (azar.bounded(2) == 0) {
                const long long objetivo = entero(se, x1, ne) + azar.bounded(7) - 3;
                for (std::uint64_t u = 0; u < (1u << ne); ++u)
                    if (entero(se, u, ne) == objetivo)
                        x2 = u;
            }
            const TOperacion op = azar.bounded(2) == 0 ? Suma : Resta;
            const TOperandos o{bits(u1, nm), bits(x1, ne), bits(u2, nm), bits(x2, ne)};
            const TFormatoSuma f{sm, nm, se, ne};
            const TResultadoOperacion r =
                tipo == Entera ? flotantes_conEntera(op, o, f, {}) : flotantes_conFraccionaria(op, o, f, {});
            const QString caso =
                QString("%1 %2 %3 %4 %5 %6 %7 %8")
                    .arg(tipo == Entera ? "Entera" : "Fraccionaria", QString::fromStdString(nombreSistema(sm)),
                         QString::fromStdString(nombreSistema(se)), op == Suma ? "+" : "-")
                    .arg(QString::fromStdString(o.m1), QString::fromStdString(o.e1), QString::fromStdString(o.m2),
                         QString::fromStdString(o.e2));
            const int log2D = tipo == Entera ? 0 : (sm == BSS || sm == Exceso ? nm : nm - 1);
            const long long v1 = entero(sm, u1, nm), v2 = entero(sm, u2, nm);
            QVERIFY2(r.detalle.valorMantisa1 == std::ldexp(double(v1), -log2D), qPrintable(caso));
            if (!r.mensajes.empty()) {
                QVERIFY2(r.mantisa.empty(), qPrintable(caso));
                continue;
            }
            if (r.mantisa.empty() && r.exponente.empty()) {
                // The one silent failure: integer mantissas in a signed system.
                QVERIFY2(tipo == Entera && sm != BSS, qPrintable(caso));
                continue;
            }
            QVERIFY2(r.mantisa.size() == std::size_t(nm) && r.exponente.size() == std::size_t(ne), qPrintable(caso));
            const long long e1 = entero(se, x1, ne), e2 = entero(se, x2, ne);
            const long long ec = entero(se, std::stoull(r.exponente, nullptr, 2), ne);
            QVERIFY2(std::min(e1, e2) <= ec && ec <= std::max(e1, e2), qPrintable(caso));
            const long long resultado = entero(sm, std::stoull(r.mantisa, nullptr, 2), nm);

            // The exact value in units 2^ec / D: a whole part from the number
            // whose exponent is not below ec, and the other one over 2^q.
            QVERIFY2(tipo == Entera || ec == e1 || ec == e2, qPrintable(caso));
            const bool primeroArriba = e1 >= ec && e2 <= ec;
            const long long arriba = primeroArriba ? v1 : (op == Suma ? v2 : -v2);
            const long long abajo = primeroArriba ? (op == Suma ? v2 : -v2) : v1;
            const long long p = (primeroArriba ? e1 : e2) - ec;
            const long long q = ec - (primeroArriba ? e2 : e1);
            QVERIFY2(arriba == 0 || (p <= 20 && std::llabs(arriba) << p < (1LL << 20)), qPrintable(caso));
            const long long entero_ = arriba == 0 ? 0 : arriba * (1LL << p);
            long long esperado;
            bool exacto;
            if (q <= 40) {
                const long long numerador = entero_ * (1LL << q) + abajo;
                esperado = numerador / (1LL << q); // toward zero
                exacto = numerador % (1LL << q) == 0;
            } else {
                // Less than a unit: it only moves a whole part of the other
                // sign one unit toward zero.
                const bool contra = abajo != 0 && entero_ != 0 && (abajo < 0) != (entero_ < 0);
                esperado = contra ? entero_ - (entero_ > 0 ? 1 : -1) : entero_;
                exacto = abajo == 0;
                ++lejanos;
            }
            // The value, rounded once to a double.
            const double valor = std::ldexp(std::fma(double(abajo), std::ldexp(1.0, int(-q)), double(entero_)), -log2D);
            QVERIFY2(resultado == esperado, qPrintable(caso + " gives " + QString::fromStdString(r.mantisa)));
            QVERIFY2(exacto || tipo == Fraccionaria, qPrintable(caso));
            QVERIFY2(r.detalle.valorMantisaResultado == valor, qPrintable(caso));
            QVERIFY2(r.detalle.valorExponenteResultado == double(ec), qPrintable(caso));
            ++resultados;
            inexactos += exacto ? 0 : 1;
        }
        // The sample reaches every kind of result.
        QVERIFY(resultados > 2000);
        QVERIFY(inexactos > 100);
        QVERIFY(lejanos > 10);
    }
};

QTEST_APPLESS_MAIN(TestSumaResta)
#include "tst_sistnum7.moc"
