// The decimal-to-floating-point converter against a table of cases whose
// expected texts were worked out independently of the program: every system
// pair at 8 and 16 bits, both kinds, the implicit bit, the longest numbers,
// tiny ones and the refusals, each compared field by field as a student
// reads them after pressing "Representar a Punto Flotante".
#include "VentanaForm4.h"

using namespace cifral;
using namespace prueba;
using namespace Qt::StringLiterals;

namespace {

constexpr int SI = 0;
constexpr int NO = 1;

// Messages as the student sees them, each with the mantissa, the exponent
// and the absolute error the window showed behind the box.
struct FotografoDeMensajes : ServicioMensajes {
    TForm4* ventana = nullptr;
    QList<QStringList> vistos;
    void mostrar(QWidget*, const QString& texto) override
    {
        vistos.append({texto, ventana->Edit5->text(), ventana->Edit6->text(), ventana->Edit12->text()});
    }
};

} // namespace

class TestForm4Casos : public QObject, public VentanaForm4 {
    Q_OBJECT

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init() { abrir(); }
    void cleanup() { cerrar(); }

    // The numbers are typed one after the other; the last press shows its
    // messages, and the fields hold what it wrote or kept: mantissa,
    // exponent, absolute and relative error, the marks of the bar, and the
    // range (máximo positivo, mínimo negativo, máximo negativo, mínimo
    // positivo, resolución máxima negativa, máxima positiva, mínima positiva,
    // mínima negativa).
    void tablaIndependiente_data()
    {
        QTest::addColumn<Formato>("formato");
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<int>("marcas");
        QTest::addColumn<QStringList>("rango");
        QTest::newRow("16-bit CA2 mantissa, CA1 exponent, longest negative")
            << Formato{Entera, 16, CA2, -1, 16, CA1} << QStringList{"-99999999999999"} << QStringList{}
            << QStringList{"1010010100001101", "0000000000100000", "276447231", "2,76447231000003E-6"} << 0
            << QStringList{"32767 * (2^32767)", "-1 * (2^-32767)", "-32768 * (2^32767)", "1 * (2^-32767)",
                           "-1 * (2^32767)",    "1 * (2^32767)",   "1 * (2^-32767)",     "-1 * (2^-32767)"};
        QTest::newRow("8-bit Exceso mantissa, BSS exponent, 15 nines")
            << Formato{Entera, 8, Exceso, -1, 16, BSS} << QStringList{"999999999999999"} << QStringList{}
            << QStringList{"11110001", "0000000000101011", "6041488490495", "0,00604148849049501"} << 2
            << QStringList{"127 * (2^65535)", "-1 * (2^0)",    "-128 * (2^65535)", "1 * (2^0)",
                           "-1 * (2^65535)",  "1 * (2^65535)", "1 * (2^0)",        "-1 * (2^0)"};
        QTest::newRow("quarters of an integer part beyond 32 bits")
            << Formato{Entera, 16, BCS, -1, 8, Exceso} << QStringList{"99999999999,99"} << QStringList{}
            << QStringList{"0101110100100001", "10010110", "3598335,99000549", "3,59833599000585E-5"} << 0
            << QStringList{"32767 * (2^127)", "-1 * (2^-128)", "-32767 * (2^127)", "1 * (2^-128)",
                           "-1 * (2^127)",    "1 * (2^127)",   "1 * (2^-128)",     "-1 * (2^-128)"};
        QTest::newRow("CA1 zero in both fields")
            << Formato{Entera, 16, CA1, -1, 16, CA1} << QStringList{"0"} << QStringList{}
            << QStringList{"1111111111111111", "1111111111111111", "0", "0"} << 0
            << QStringList{"32767 * (2^32767)", "-1 * (2^-32767)", "-32767 * (2^32767)", "1 * (2^-32767)",
                           "-1 * (2^32767)",    "1 * (2^32767)",   "1 * (2^-32767)",     "-1 * (2^-32767)"};
        QTest::newRow("scientific text with a comma")
            << Formato{Entera, 8, CA2, -1, 8, BCS} << QStringList{"0,000015"} << QStringList{}
            << QStringList{"00000000", "10000001", "1,5E-5", "1"} << 30
            << QStringList{"127 * (2^127)", "-1 * (2^-127)", "-128 * (2^127)", "1 * (2^-127)",
                           "-1 * (2^127)",  "1 * (2^127)",   "1 * (2^-127)",   "-1 * (2^-127)"};
        QTest::newRow("fifteen characters falling back to quarters")
            << Formato{Entera, 16, BSS, -1, 8, CA2} << QStringList{"6172839450615,3"} << QStringList{}
            << QStringList{"1011001110100111", "00011011", "31922167,2998047", "5,17139114911254E-6"} << 0
            << QStringList{"65535 * (2^127)", "No existe",   "No existe",    "1 * (2^-128)",
                           "No existe",       "1 * (2^127)", "1 * (2^-128)", "No existe"};
        QTest::newRow("near -2^31 in quarters")
            << Formato{Entera, 8, BCS, -1, 8, CA2} << QStringList{"-2147483648,5"} << QStringList{}
            << QStringList{"11000000", "00011001", "0,5", "2,3283064359966E-10"} << 0
            << QStringList{"127 * (2^127)", "-1 * (2^-128)", "-127 * (2^127)", "1 * (2^-128)",
                           "-1 * (2^127)",  "1 * (2^127)",   "1 * (2^-128)",   "-1 * (2^-128)"};
        QTest::newRow("16-bit Exceso both")
            << Formato{Entera, 16, Exceso, -1, 16, Exceso} << QStringList{"-32767,75"} << QStringList{}
            << QStringList{"0000000000000001", "1000000000000000", "0,75", "2,2888358218065E-5"} << 0
            << QStringList{"32767 * (2^32767)", "-1 * (2^-32768)", "-32768 * (2^32767)", "1 * (2^-32768)",
                           "-1 * (2^32767)",    "1 * (2^32767)",   "1 * (2^-32768)",     "-1 * (2^-32768)"};
        QTest::newRow("power of two in CA1 exponent")
            << Formato{Entera, 8, CA1, -1, 8, CA1} << QStringList{"1024"} << QStringList{}
            << QStringList{"01000000", "00000100", "0", "0"} << 0
            << QStringList{"127 * (2^127)", "-1 * (2^-127)", "-127 * (2^127)", "1 * (2^-127)",
                           "-1 * (2^127)",  "1 * (2^127)",   "1 * (2^-127)",   "-1 * (2^-127)"};
        QTest::newRow("tiny fraction, 16-bit BSS with implicit bit")
            << Formato{Fraccionaria, 16, BSS, SI, 16, CA2} << QStringList{"0,0000000000001"} << QStringList{}
            << QStringList{"1100001001011100", "1111111111010101", "1,30503840981273E-19", "1,30503840981273E-6"} << 0
            << QStringList{"0,999984741210938 * (2^32767)",
                           "No existe",
                           "No existe",
                           "0,5 * (2^-32768)",
                           "No existe",
                           "1,52587890625E-5 * (2^32767)",
                           "1,52587890625E-5 * (2^-32768)",
                           "No existe"};
        QTest::newRow("CA1 fraction with implicit bit")
            << Formato{Fraccionaria, 16, CA1, SI, 8, BCS} << QStringList{"-1234,5678"} << QStringList{}
            << QStringList{"1110010110101101", "00001011", "1024,0053", "0,829444361014438"} << 30
            << QStringList{"0,999969482421875 * (2^127)",  "-0,5 * (2^-127)",
                           "-0,999969482421875 * (2^127)", "0,5 * (2^-127)",
                           "-3,0517578125E-5 * (2^127)",   "3,0517578125E-5 * (2^127)",
                           "3,0517578125E-5 * (2^-127)",   "3,0517578125E-5 * (2^-127)"};
        QTest::newRow("Exceso fraction at its largest magnitude")
            << Formato{Fraccionaria, 8, Exceso, NO, 8, CA2} << QStringList{"-0,9921875"} << QStringList{}
            << QStringList{"00000001", "00000000", "0", "0"} << 0
            << QStringList{"0,9921875 * (2^127)",  "-0,00390625 * (2^-128)", "-0,0078125 * (2^127)",
                           "0,5 * (2^-128)",       "-0,00390625 * (2^127)",  "0,0078125 * (2^127)",
                           "0,0078125 * (2^-128)", "0,00390625 * (2^-128)"};
        QTest::newRow("Exceso fraction just too close to 1")
            << Formato{Fraccionaria, 8, Exceso, NO, 8, CA2} << QStringList{"0,5", "0,9961"}
            << QStringList{u"El número ingresado no puede representarse con el sistema configurado"_s}
            << QStringList{"", "00000000", "0", "0"} << 0
            << QStringList{"0,9921875 * (2^127)",  "-0,00390625 * (2^-128)", "-0,0078125 * (2^127)",
                           "0,5 * (2^-128)",       "-0,00390625 * (2^127)",  "0,0078125 * (2^127)",
                           "0,0078125 * (2^-128)", "0,00390625 * (2^-128)"};
        QTest::newRow("CA2 -0,5 with implicit bit warns")
            << Formato{Fraccionaria, 16, CA2, SI, 16, CA2} << QStringList{"-0,5"}
            << QStringList{u"Se convirtió el número,pero la mantisa no está Normalizada"_s}
            << QStringList{"1000000000000000", "0000000000000000", "0", "0"} << 0
            << QStringList{"0,999969482421875 * (2^32767)", "-1,52587890625E-5 * (2^-32768)",
                           "-3,0517578125E-5 * (2^32767)",  "0,5 * (2^-32768)",
                           "-1,52587890625E-5 * (2^32767)", "3,0517578125E-5 * (2^32767)",
                           "3,0517578125E-5 * (2^-32768)",  "1,52587890625E-5 * (2^-32768)"};
        QTest::newRow("BSS fraction at its largest")
            << Formato{Fraccionaria, 8, BSS, NO, 16, Exceso} << QStringList{"0,99609375"} << QStringList{}
            << QStringList{"11111111", "1000000000000000", "0", "0"} << 0
            << QStringList{"0,99609375 * (2^32767)",  "No existe", "No existe",
                           "0,5 * (2^-32768)",        "No existe", "0,00390625 * (2^32767)",
                           "0,00390625 * (2^-32768)", "No existe"};
        QTest::newRow("BSS fraction just above its largest")
            << Formato{Fraccionaria, 8, BSS, NO, 16, Exceso} << QStringList{"0,75", "0,996094"}
            << QStringList{u"El número ingresado no puede representarse con el sistema configurado"_s,
                           u"La mantisa no está Normalizada"_s}
            << QStringList{"", "1000000000000000", "0", "0"} << 0
            << QStringList{"0,99609375 * (2^32767)",  "No existe", "No existe",
                           "0,5 * (2^-32768)",        "No existe", "0,00390625 * (2^32767)",
                           "0,00390625 * (2^-32768)", "No existe"};
        QTest::newRow("Exceso fraction with implicit bit")
            << Formato{Fraccionaria, 16, Exceso, SI, 8, CA1} << QStringList{"123456,789"} << QStringList{}
            << QStringList{"1111000100100000", "00010001", "0,789000000004307", "6,39090005819208E-6"} << 0
            << QStringList{"0,999969482421875 * (2^127)", "-1,52587890625E-5 * (2^-127)",
                           "-3,0517578125E-5 * (2^127)",  "0,5 * (2^-127)",
                           "-1,52587890625E-5 * (2^127)", "3,0517578125E-5 * (2^127)",
                           "3,0517578125E-5 * (2^-127)",  "1,52587890625E-5 * (2^-127)"};
        QTest::newRow("a power of two is a half times the next one")
            << Formato{Fraccionaria, 8, BCS, NO, 8, CA1} << QStringList{"0,1", "1024,0"} << QStringList{}
            << QStringList{"01000000", "00001011", "0", "0"} << 0
            << QStringList{"0,9921875 * (2^127)",  "-0,5 * (2^-127)",      "-0,9921875 * (2^127)",
                           "0,5 * (2^-127)",       "-0,0078125 * (2^127)", "0,0078125 * (2^127)",
                           "0,0078125 * (2^-127)", "0,0078125 * (2^-127)"};
        QTest::newRow("below 0,5 with a BSS exponent keeps the fields")
            << Formato{Fraccionaria, 8, BCS, NO, 8, BSS} << QStringList{"0,75", "0,3"}
            << QStringList{u" El número ingresado no se puede representar con la configuración de mantisa y exponente seleccionada."_s}
            << QStringList{"01100000", "00000000", "0", "0"} << 0
            << QStringList{"0,9921875 * (2^255)",  "-0,5 * (2^0)",        "-0,9921875 * (2^255)", "0,5 * (2^0)",
                           "-0,0078125 * (2^255)", "0,0078125 * (2^255)", "0,0078125 * (2^0)",    "0,0078125 * (2^0)"};
        QTest::newRow("negative zero of CA2 keeps the fields")
            << Formato{Fraccionaria, 8, CA2, NO, 8, CA2} << QStringList{"-0,1", "-0,0"}
            << QStringList{"No existe el menos cero en el sistema configurado",
                           u" El número ingresado no se puede representar con la configuración de mantisa y exponente seleccionada."_s}
            << QStringList{"10011010", "11111101", "0,000390625000000006", "0,00390625000000006"} << 13
            << QStringList{"0,9921875 * (2^127)",  "-0,00390625 * (2^-128)", "-0,0078125 * (2^127)",
                           "0,5 * (2^-128)",       "-0,00390625 * (2^127)",  "0,0078125 * (2^127)",
                           "0,0078125 * (2^-128)", "0,00390625 * (2^-128)"};
        QTest::newRow("negative zero of BCS, 16 bits, Exceso exponent")
            << Formato{Fraccionaria, 16, BCS, SI, 16, Exceso} << QStringList{"0,1", "-,"} << QStringList{}
            << QStringList{"1000000000000000", "1000000000000000", "1,52587890625555E-6", "1,52587890625555E-5"} << 0
            << QStringList{"0,999969482421875 * (2^32767)",  "-0,5 * (2^-32768)",
                           "-0,999969482421875 * (2^32767)", "0,5 * (2^-32768)",
                           "-3,0517578125E-5 * (2^32767)",   "3,0517578125E-5 * (2^32767)",
                           "3,0517578125E-5 * (2^-32768)",   "3,0517578125E-5 * (2^-32768)"};
        QTest::newRow("integer text after a fraction rewrites the range")
            << Formato{Fraccionaria, 16, CA1, NO, 8, CA2} << QStringList{"0,1", "7"}
            << QStringList{u"En mantisa fraccionaria, debe ingresar un número decimal, NO un número Entero"_s}
            << QStringList{"0110011001100110", "11111101", "1,52587890625555E-6", "1,52587890625555E-5"} << 0
            << QStringList{"0,999969482421875 * (2^127)",  "-0,5 * (2^-128)",
                           "-0,999969482421875 * (2^127)", "0,5 * (2^-128)",
                           "-3,0517578125E-5 * (2^127)",   "3,0517578125E-5 * (2^127)",
                           "3,0517578125E-5 * (2^-128)",   "3,0517578125E-5 * (2^-128)"};
        QTest::newRow("negative BSS integer empties both fields")
            << Formato{Entera, 16, BSS, -1, 16, CA2} << QStringList{"5", "-7"}
            << QStringList{u"No se pueden representar números negativos en BSS"_s} << QStringList{"", "", "0", "0"} << 0
            << QStringList{"65535 * (2^32767)", "No existe",     "No existe",      "1 * (2^-32768)",
                           "No existe",         "1 * (2^32767)", "1 * (2^-32768)", "No existe"};
        QTest::newRow("negative BSS fraction writes the exponent")
            << Formato{Fraccionaria, 16, BSS, NO, 8, CA2} << QStringList{"0,5", "-0,3"}
            << QStringList{"No se representan negativos en BSS"} << QStringList{"", "11111111", "0", "0"} << 0
            << QStringList{"0,999984741210938 * (2^127)",
                           "No existe",
                           "No existe",
                           "0,5 * (2^-128)",
                           "No existe",
                           "1,52587890625E-5 * (2^127)",
                           "1,52587890625E-5 * (2^-128)",
                           "No existe"};
    }

    void tablaIndependiente()
    {
        QFETCH(Formato, formato);
        QFETCH(QStringList, numeros);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, campos);
        configurar(formato);
        representarUnoTrasOtro(numeros.mid(0, numeros.size() - 1));
        g->mensajes.textos.clear();
        representar(numeros.last());
        QCOMPARE(g->mensajes.textos, mensajes);
        QCOMPARE(resultado().mid(0, 4), campos);
        QTEST(int(w->StaticText2->text().size()), "marcas");
        QVERIFY(w->StaticText2->text().count(QLatin1Char('a')) == w->StaticText2->text().size());
        QTEST(rango(), "rango");
        QVERIFY(w->SpeedButton3->isEnabled());
    }

    // A message box stands in front of the fields as they were: a refusal or
    // a warning is shown before the mantissa and the exponent are written.
    void mensajesAntesDeEscribir_data()
    {
        QTest::addColumn<Formato>("formato");
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QList<QStringList>>("vistos"); // message, mantissa, exponent, absolute error
        QTest::addColumn<QStringList>("despues");       // mantissa, exponent, absolute error
        QTest::newRow("range refusal of a fraction")
            << Formato{Fraccionaria, 8, BCS, NO, 8, CA2} << QStringList{"0,5", "0,999"}
            << QList<QStringList>{QStringList{
                   u"El número ingresado no puede representarse con el sistema configurado"_s, "01000000", "00000000",
                   "0"}}
            << QStringList{"", "00000000", "0"};
        QTest::newRow("negative integer in BSS")
            << Formato{Entera, 8, BSS, -1, 8, CA2} << QStringList{"5", "-7"}
            << QList<QStringList>{QStringList{u"No se pueden representar números negativos en BSS"_s, "00000101",
                                              "00000000", "0"}}
            << QStringList{"", "", "0"};
        QTest::newRow("implicit-bit warning")
            << Formato{Fraccionaria, 8, BSS, SI, 8, CA2} << QStringList{"0,875", "0,75"}
            << QList<QStringList>{QStringList{u"Se convirtió el número,pero la mantisa no está Normalizada"_s,
                                              "11000000", "00000000", "0"}}
            << QStringList{"10000000", "00000000", "0"};
        QTest::newRow("negative zero of CA1 before the zero")
            << Formato{Entera, 8, CA1, -1, 8, CA2} << QStringList{"5", "-0"}
            << QList<QStringList>{QStringList{"No existe el menos cero en el sistema configurado", "00000101",
                                              "00000000", "0"}}
            << QStringList{"11111111", "00000000", "0"};
        QTest::newRow("both BSS range messages")
            << Formato{Fraccionaria, 8, BSS, NO, 8, CA2} << QStringList{"0,1", "0,999"}
            << QList<QStringList>{QStringList{
                                      u"El número ingresado no puede representarse con el sistema configurado"_s,
                                      "11001100", "11111101", "0,000390625000000006"},
                                  QStringList{u"La mantisa no está Normalizada"_s, "11001100", "11111101",
                                              "0,000390625000000006"}}
            << QStringList{"", "00000000", "0,000390625000000006"};
        QTest::newRow("negative BSS fraction")
            << Formato{Fraccionaria, 8, BSS, NO, 8, CA2} << QStringList{"0,1", "-0,3"}
            << QList<QStringList>{QStringList{"No se representan negativos en BSS", "11001100", "11111101",
                                              "0,000390625000000006"}}
            << QStringList{"", "11111111", "0,000390625000000006"};
    }

    void mensajesAntesDeEscribir()
    {
        QFETCH(Formato, formato);
        QFETCH(QStringList, numeros);
        configurar(formato);
        representarUnoTrasOtro(numeros.mid(0, numeros.size() - 1));
        FotografoDeMensajes fotografo;
        fotografo.ventana = w.get();
        instalarMensajes(&fotografo);
        representar(numeros.last());
        instalarMensajes(&g->mensajes);
        QTEST(fotografo.vistos, "vistos");
        QTEST(QStringList({w->Edit5->text(), w->Edit6->text(), w->Edit12->text()}), "despues");
    }

    // A fraction pressed before the implicit bit was chosen is refused, and
    // "Ver detalle" then names the kind with the implicit bit: only "NO"
    // names it without.
    void informeSinBitImplicitoElegido()
    {
        configurar({Fraccionaria, 8, BCS, -1, 8, CA2});
        representar("0,5");
        QCOMPARE(g->mensajes.textos, QStringList{u"Configure Bit Implícito"_s});
        QVERIFY(w->SpeedButton3->isEnabled());
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        QCOMPARE(g->vista.informes.last().caption("QRLabel2"), u"Fraccionaria  Normalizada  con  Bit Implícito"_s);
        QVERIFY(elegir(w->ComboBox3, NO));
        representar("0,5");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        QCOMPARE(g->vista.informes.last().caption("QRLabel2"), u"Fraccionaria  Normalizada"_s);
    }
};

QTEST_MAIN(TestForm4Casos)
#include "tst_form4_casos.moc"
