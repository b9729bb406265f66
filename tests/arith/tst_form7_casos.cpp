// Operations worked out by hand with exact fractions, checked on the real
// window as a student makes them: the layout clicked in the order the window
// opens it, the four texts typed, "Sumar" or "Restar" pressed, and then
// everything the student reads: both result edits, the messages in order,
// and the decimal values on the report.
#include "VentanaSuma.h"

using namespace cifral;
using namespace prueba;

namespace {

struct Caso {
    Formato formato;
    bool suma;
    QStringList operandos; // m1, e1, m2, e2
};

} // namespace

Q_DECLARE_METATYPE(Caso)

class TestForm7Casos : public QObject, VentanaSuma {
    Q_OBJECT

private slots:
    void initTestCase() { prepararAplicacion(); }
    void init() { abrir(); }
    void cleanup() { cerrar(); }

    void operations_data()
    {
        QTest::addColumn<Caso>("caso");
        QTest::addColumn<QString>("mantisa");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QStringList>("mensajes");
        // The report's QRLabel22, 23, 34, 35, 40 and 41: both numbers and
        // the result in decimal (none when "Ver Detalle" stays closed).
        QTest::addColumn<QStringList>("decimales");
        const int E = Entera, F = Fraccionaria;

        // -5 * 2^-3 + 6 * 2^-4: 6 is halved to 3, then -5 is doubled.
        QTest::newRow("E BCS, Exceso exponents below zero")
            << Caso{{BCS, 0, E, Exceso, 0}, true, {"10000101", "01111101", "00000110", "01111100"}} << "10000010"
            << "01111101" << QStringList{} << QStringList{"-5", "-3", "6", "-4", "-2", "-3"};
        QTest::newRow("E CA1 16 bits, BCS exponents, difference")
            << Caso{{CA1, 1, E, BCS, 0}, false, {"1111111111111010", "10000011", "0000000000001100", "10000101"}}
            << "1111111111110111"
            << "10000011" << QStringList{} << QStringList{"-5", "-3", "12", "-5", "-8", "-3"};
        QTest::newRow("E Exceso, CA2 16-bit exponents")
            << Caso{{Exceso, 0, E, CA2, 1}, true, {"01111100", "1111111111111110", "10000110", "1111111111111100"}}
            << "01111011"
            << "1111111111111101" << QStringList{} << QStringList{"-4", "-2", "6", "-4", "-5", "-3"};
        // 3 * 2^4 + -6 * 2^2: -6 is halved to -3 at 2^3, then 3 is doubled.
        QTest::newRow("E CA2, common exponent between both")
            << Caso{{CA2, 0, E, CA2, 0}, true, {"00000011", "00000100", "11111010", "00000010"}} << "00000011"
            << "00000011" << QStringList{} << QStringList{"3", "4", "-6", "2", "3", "3"};
        QTest::newRow("E BCS, both exponents zero, written apart")
            << Caso{{BCS, 0, E, BCS, 0}, true, {"00000001", "00000000", "00000010", "10000000"}} << "00000011"
            << "00000000" << QStringList{} << QStringList{"1", "0", "2", "0", "3", "0"};
        QTest::newRow("E BSS difference below zero")
            << Caso{{BSS, 0, E, BSS, 0}, false, {"00000001", "00000001", "00000011", "00000000"}} << ""
            << "00000000" << QStringList{"El resultado no cumple el rango de mantisa en BSS"} << QStringList{};

        QTest::newRow("F CA2 16 bits, CA1 exponents, difference")
            << Caso{{CA2, 1, F, CA1, 1},
                    false,
                    {"1100000000000001", "1111111111111101", "0100000000000001", "1111111111111100"}}
            << "1010000000000001"
            << "1111111111111101" << QStringList{}
            << QStringList{"-0,499969482421875", "-2", "0,500030517578125", "-3", "-0,749984741210938", "-2"};
        // -0.25 * 2^-2 + 0.125 * 2^-1: the excess zero is 10000000.
        QTest::newRow("F Exceso, BCS exponents, sum zero")
            << Caso{{Exceso, 0, F, BCS, 0}, true, {"01000000", "10000010", "10100000", "10000001"}} << "10000000"
            << "10000001" << QStringList{} << QStringList{"-0,25", "-2", "0,125", "-1", "0", "-1"};
        QTest::newRow("F BSS 16 bits, Exceso exponents")
            << Caso{{BSS, 1, F, Exceso, 0}, true, {"1000000000000001", "10000011", "0100000000000000", "10000000"}}
            << "1000100000000001"
            << "10000011" << QStringList{}
            << QStringList{"0,500015258789063", "3", "0,25", "0", "0,531265258789063", "3"};
        // 1/128 - 3/256 = -1/256 is cut to a zero written as negative.
        QTest::newRow("F CA1 negative result cut to zero")
            << Caso{{CA1, 0, F, BSS, 0}, true, {"00000001", "00000001", "11111100", "00000000"}} << "11111111"
            << "00000001" << QStringList{} << QStringList{"0,0078125", "1", "-0,0234375", "0", "-0,00390625", "1"};
        // -1/128 halved 100 times is still below the last bit: the exact
        // 0.5 - 2^-107 is cut toward zero, though its double is 0.5.
        QTest::newRow("F CA2 halved 100 times")
            << Caso{{CA2, 0, F, BSS, 0}, true, {"01000000", "01100100", "11111111", "00000000"}} << "00111111"
            << "01100100" << QStringList{} << QStringList{"0,5", "100", "-0,0078125", "0", "0,5", "100"};
        QTest::newRow("F BSS halved 53 times, difference")
            << Caso{{BSS, 0, F, BSS, 0}, false, {"01010100", "01111011", "00000001", "01000110"}} << "01010011"
            << "01111011" << QStringList{} << QStringList{"0,328125", "123", "0,00390625", "70", "0,328125", "123"};
        QTest::newRow("F Exceso 16 bits, doubling above the range")
            << Caso{{Exceso, 1, F, BSS, 0}, true, {"1100000000000000", "00000001", "1000000000000010", "00000000"}}
            << ""
            << "" << QStringList{"No se puede representar en Exceso", "No se pudo igualar los exponentes"}
            << QStringList{};
    }

    void operations()
    {
        QFETCH(Caso, caso);
        QFETCH(QString, mantisa);
        QFETCH(QString, exponente);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, decimales);
        configurar(caso.formato);
        escribir(caso.operandos);
        if (QTest::currentTestFailed())
            return;
        QTest::mouseClick(caso.suma ? w->SpeedButton1 : w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos, mensajes);
        QCOMPARE(w->Edit5->text(), mantisa);
        QCOMPARE(w->Edit6->text(), exponente);
        QCOMPARE(w->SpeedButton3->isEnabled(), !decimales.isEmpty());
        if (decimales.isEmpty())
            return;
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        QCOMPARE(g->vista.informes.size(), 1);
        const Informe& r = g->vista.informes.last();
        QStringList leidos;
        for (const char* e : {"QRLabel22", "QRLabel23", "QRLabel34", "QRLabel35", "QRLabel40", "QRLabel41"})
            leidos << r.caption(QString::fromLatin1(e));
        QCOMPARE(leidos, decimales);
        QCOMPARE(r.caption("QRLabel13"), QString(caso.suma ? "Suma" : "Resta"));
        QCOMPARE(r.caption("QRLabel25"), mantisa);
        QCOMPARE(r.caption("QRLabel37"), exponente);
    }
};

QTEST_MAIN(TestForm7Casos)
#include "tst_form7_casos.moc"
