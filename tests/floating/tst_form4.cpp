// The decimal-to-floating-point converter driven as a user does: configure
// the layout in order, type a number, represent it; messages, help and the
// report through the recorders.
#include "VentanaForm4.h"

#include <QClipboard>
#include <QTemporaryDir>

using namespace cifral;
using namespace prueba;

namespace {

const QString realize = QStringLiteral("Realize la configuración");
const QString longitudes = QStringLiteral("Ingrese longitud de exponente correctas");
const QString noDecimal = QStringLiteral("Ingrese un número decimal");
const QString sinMenosCero = QStringLiteral("No existe el menos cero en el sistema configurado");
const QString bitImplicito = QStringLiteral("Configure Bit Implícito");
const QString noRepresentable = QString::fromUtf8(MensajeNoRepresentable);

} // namespace

class TestForm4 : public QObject, public VentanaForm4 {
    Q_OBJECT

    // Every result field holds empty text or a well-formed bit string,
    // number or range text.
    bool camposBienFormados(QString& malo) const
    {
        static const QRegularExpression bits(QStringLiteral("^([01]{8}|[01]{16})?$"));
        static const QRegularExpression numero(QStringLiteral("^(-?\\d+(,\\d+)?(E-?\\d+)?)?$"));
        static const QRegularExpression potencia(
            QStringLiteral("^(No existe|-?\\d+(,\\d+)?(E-?\\d+)? \\* \\(2\\^-?\\d+\\))?$"));
        static const QRegularExpression marcas(QStringLiteral("^a{0,30}$"));
        const QList<QPair<QString, const QRegularExpression*>> campos{
            {w->Edit5->text(), &bits},        {w->Edit6->text(), &bits},      {w->Edit12->text(), &numero},
            {w->Edit13->text(), &numero},     {w->Edit1->text(), &potencia},  {w->Edit2->text(), &potencia},
            {w->Edit3->text(), &potencia},    {w->Edit4->text(), &potencia},  {w->Edit8->text(), &potencia},
            {w->Edit9->text(), &potencia},    {w->Edit10->text(), &potencia}, {w->Edit11->text(), &potencia},
            {w->StaticText2->text(), &marcas}};
        for (const auto& [texto, forma] : campos)
            if (!forma->match(texto).hasMatch()) {
                malo = texto;
                return false;
            }
        return true;
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init() { abrir(); }
    void cleanup() { cerrar(); }

    void startState()
    {
        QCOMPARE(w->windowTitle(), QString("Cifral - Representación  de Decimal a Punto Flotante"));
        QCOMPARE(w->size(), QSize(717, 533));
        QVERIFY(w->Edit7->isReadOnly());
        QVERIFY(w->Edit7->color() != colorVentana());
        QCOMPARE(w->Edit7->limiteTecleo(), 15);
        QCOMPARE(w->Edit7->toolTip(), QString("Si ingresa un número en decimal, hágalo con ','"));
        QCOMPARE(w->Button1->text(), QString("Representar a Punto Flotante"));
        QCOMPARE(w->Button1->toolTip(), QString("Representa el número Decimal ingresado a Punto Flotante"));
        for (QComboBox* c : {w->ComboBox1, w->ComboBox2}) {
            QVERIFY(!c->isEnabled());
            QCOMPARE(c->currentIndex(), -1);
            QCOMPARE(c->count(), 2);
            QCOMPARE(c->itemText(0), QString("8 Bits"));
            QCOMPARE(c->itemText(1), QString("16 Bits"));
        }
        QVERIFY(w->ComboBox3->isEnabled());
        QCOMPARE(w->ComboBox3->currentIndex(), -1);
        QCOMPARE(w->ComboBox3->itemText(0), QString("SI"));
        QCOMPARE(w->ComboBox3->itemText(1), QString("NO"));
        QCOMPARE(w->RadioGroup1->boton(1)->text(), QString("Fraccionaria"));
        QCOMPARE(w->RadioGroup4->boton(4)->text(), QString("Exceso"));
        for (RadioGroup* r : {w->RadioGroup1, w->RadioGroup2, w->RadioGroup4})
            QCOMPARE(r->itemIndex(), -1);
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        QCOMPARE(w->SpeedButton3->toolTip(),
                 QString("Para ver el detalle, se debe representar el número ingresado en decimal"));
        QVERIFY(w->SpeedButton1->isEnabled());
        QCOMPARE(w->SpeedButton1->text(), QString("Borrar"));
        QCOMPARE(w->Label5->text(), QString("Número mínimo  positivo:"));
        QCOMPARE(w->Label12->text(), QString("Resolución  mínima positiva:"));
        QCOMPARE(w->Label7->text(), QString("Mantisa "));
        QCOMPARE(w->Edit13->limiteTecleo(), 7);
        QCOMPARE(w->StaticText2->text(), QString());
        // "MAX" stands where the 30th mark ends.
        QCOMPARE(w->Label18->x(), w->StaticText2->x() + 312);
        QCOMPARE(w->limites().manMaxPos, 0.0);
    }

    void configurationOrder()
    {
        clicEnRadio(w->RadioGroup1, Entera);
        QVERIFY(!w->ComboBox1->isEnabled() && !w->ComboBox2->isEnabled());
        QVERIFY(!w->ComboBox3->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w->Edit7);
        clicEnRadio(w->RadioGroup2, BCS);
        QVERIFY(w->ComboBox1->isEnabled());
        QVERIFY(w->Edit7->isReadOnly());
        clicEnRadio(w->RadioGroup4, CA2);
        QVERIFY(w->ComboBox2->isEnabled());
        QVERIFY(!w->Edit7->isReadOnly());
        QCOMPARE(w->Edit7->color(), colorVentana());
        QVERIFY(w->Edit7->toolTip().contains("','")); // its hint stays
        clicEnRadio(w->RadioGroup1, Fraccionaria);
        QVERIFY(w->ComboBox3->isEnabled());
        QVERIFY(elegir(w->ComboBox3, 1));
        clicEnRadio(w->RadioGroup1, Entera);
        QVERIFY(!w->ComboBox3->isEnabled());
        QCOMPARE(w->ComboBox3->currentIndex(), 1);                       // its item stays
        QVERIFY(w->ComboBox1->isEnabled() && w->ComboBox2->isEnabled()); // never disabled again
    }

    // Each group's enter handler looks at the other two groups as they are
    // before its own click.
    void exponentFirst()
    {
        clicEnRadio(w->RadioGroup4, BSS);
        QVERIFY(w->ComboBox2->isEnabled());
        QVERIFY(!w->ComboBox1->isEnabled());
        clicEnRadio(w->RadioGroup2, CA1);
        QVERIFY(!w->ComboBox1->isEnabled()); // no kind yet
        QVERIFY(w->Edit7->isReadOnly());
        clicEnRadio(w->RadioGroup1, Fraccionaria);
        QVERIFY(w->ComboBox1->isEnabled());
        QVERIFY(!w->Edit7->isReadOnly());
        QVERIFY(w->ComboBox3->isEnabled());
    }

    void kindLastUnlocksThroughTheMantissaGroup()
    {
        clicEnRadio(w->RadioGroup1, Entera);
        clicEnRadio(w->RadioGroup4, Exceso);
        QVERIFY(w->Edit7->isReadOnly()); // no mantissa system when the exponent group was entered
        clicEnRadio(w->RadioGroup2, BSS);
        QVERIFY(!w->Edit7->isReadOnly());
        QVERIFY(w->ComboBox1->isEnabled());
    }

    // A group entered by the keyboard without a choice unlocks the number
    // all the same; without both systems there is nothing to convert to.
    void unlockedWithoutASystem()
    {
        clicEnRadio(w->RadioGroup1, Entera);
        clicEnRadio(w->RadioGroup2, CA2);
        w->RadioGroup4->boton(0)->setFocus(Qt::TabFocusReason);
        QVERIFY(!w->Edit7->isReadOnly());
        QVERIFY(elegir(w->ComboBox1, 0));
        QVERIFY(elegir(w->ComboBox2, 0));
        representar("5");
        QCOMPARE(g->mensajes.textos, QStringList{realize});
        QCOMPARE(resultado(), QStringList({"", "", "", "", ""}));
        QCOMPARE(w->Edit1->text(), QString());
        QVERIFY(w->SpeedButton3->isEnabled());
    }

    // Each failure with its messages in order and the state of "Ver
    // detalle" afterwards; nothing is converted.
    void failures_data()
    {
        QTest::addColumn<Formato>("formato");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<bool>("detalle");
        const Formato entera{Entera, 8, BCS, -1, 8, CA2};
        QTest::newRow("no configuration")
            << Formato{-1, 0, -1, -1, 0, -1} << "" << QStringList{realize, longitudes} << false;
        QTest::newRow("no lengths") << Formato{Entera, 0, BCS, -1, 0, CA2} << "5" << QStringList{longitudes} << false;
        QTest::newRow("no exponent length")
            << Formato{Entera, 8, BCS, -1, 0, CA2} << "5" << QStringList{longitudes} << false;
        QTest::newRow("empty") << entera << "" << QStringList{noDecimal} << false;
        for (const char* malo : {"12a", "1,2,3", ",5", "1E5", "1.5", "5 ", "--1", "+5", "a"})
            QTest::newRow(malo) << entera << malo << QStringList{noDecimal} << false;
        QTest::newRow("fraction without implicit bit")
            << Formato{Fraccionaria, 8, BCS, -1, 8, CA2} << "0,75" << QStringList{bitImplicito} << true;
        QTest::newRow("integer text for a fraction")
            << Formato{Fraccionaria, 8, BCS, 1, 8, CA2} << "7"
            << QStringList{"En mantisa fraccionaria, debe ingresar un número decimal, NO un número Entero"} << true;
        QTest::newRow("below 0,5 with a BSS exponent")
            << Formato{Fraccionaria, 8, BCS, 1, 8, BSS} << "0,3" << QStringList{noRepresentable} << true;
    }

    void failures()
    {
        QFETCH(Formato, formato);
        QFETCH(QString, numero);
        QFETCH(QStringList, mensajes);
        QFETCH(bool, detalle);
        configurar(formato);
        representar(numero);
        QCOMPARE(g->mensajes.textos, mensajes);
        QCOMPARE(w->SpeedButton3->isEnabled(), detalle);
        QCOMPARE(resultado(), QStringList({"", "", "", "", ""}));
        QCOMPARE(rango(), QStringList({"", "", "", "", "", "", "", ""}));
    }

    // A refused number keeps what the fields showed; with an exponent shown
    // from before, the range of the current layout is written all the same.
    void refusalsKeepTheFields()
    {
        configurar({Fraccionaria, 8, BCS, 1, 8, CA2});
        representar("0,1");
        const QStringList antes = resultado();
        QCOMPARE(antes, QStringList(
                            {"01100110", "11111101", "0,000390625000000006", "0,00390625000000006", QString(13, 'a')}));
        clicEnRadio(w->RadioGroup2, CA2);
        QVERIFY(elegir(w->ComboBox1, 1));
        representar("7");
        QCOMPARE(resultado(), antes);
        QCOMPARE(w->Edit2->text(), QString("-1,52587890625E-5 * (2^-128)"));
        QVERIFY(w->SpeedButton3->isEnabled());
        // A mantissa that does not fit: empty mantissa, exponent written,
        // error and bar kept.
        representar("0,99999");
        QCOMPARE(g->mensajes.textos.last(),
                 QString("El número ingresado no puede representarse con el sistema configurado"));
        QCOMPARE(resultado(), QStringList({"", "00000000", antes[2], antes[3], antes[4]}));
        // A negative number in an integer BSS mantissa empties both fields.
        clicEnRadio(w->RadioGroup1, Entera);
        clicEnRadio(w->RadioGroup2, BSS);
        representar("-7");
        QCOMPARE(g->mensajes.textos.last(), QString("No se pueden representar números negativos en BSS"));
        QCOMPARE(resultado(), QStringList({"", "", antes[2], antes[3], antes[4]}));
        QCOMPARE(w->Edit1->text(), QString("0,999969482421875 * (2^127)")); // no range without an exponent
        QVERIFY(w->SpeedButton3->isEnabled());
    }

    // A lone '-' passes the number test and cannot be read: the handler ends
    // with the conversion's own message.
    void loneMinus()
    {
        configurar({Entera, 8, BCS, -1, 8, CA2});
        representar("-");
        QCOMPARE(g->mensajes.textos, QStringList{"'-' is not a valid floating point value"});
        QVERIFY(!w->SpeedButton3->isEnabled());
        QCOMPARE(resultado(), QStringList({"", "", "", "", ""}));
    }

    void conversions_data()
    {
        QTest::addColumn<Formato>("formato");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QStringList>("resultado");
        QTest::addColumn<QStringList>("rango");
        QTest::addColumn<QStringList>("mensajes");
        const QString no = "No existe";
        QTest::newRow("Entera BCS 1000") << Formato{Entera, 8, BCS, -1, 8, CA2} << "1000"
                                         << QStringList{"01111101", "00000011", "0", "0", ""}
                                         << QStringList{"127 * (2^127)", "-1 * (2^-128)", "-127 * (2^127)",
                                                        "1 * (2^-128)",  "-1 * (2^127)",  "1 * (2^127)",
                                                        "1 * (2^-128)",  "-1 * (2^-128)"}
                                         << QStringList();
        QTest::newRow("Entera CA2 1000") << Formato{Entera, 8, CA2, -1, 8, CA2} << "1000"
                                         << QStringList{"01111101", "00000011", "0", "0", ""}
                                         << QStringList{"127 * (2^127)", "-1 * (2^-128)", "-128 * (2^127)",
                                                        "1 * (2^-128)",  "-1 * (2^127)",  "1 * (2^127)",
                                                        "1 * (2^-128)",  "-1 * (2^-128)"}
                                         << QStringList();
        QTest::newRow("Entera BCS 3,3") << Formato{Entera, 8, BCS, -1, 8, CA2} << "3,3"
                                        << QStringList{"00001101", "11111110", "0,0499999999999998",
                                                       "0,0151515151515151", "aaaaa"}
                                        << QStringList{"127 * (2^127)", "-1 * (2^-128)", "-127 * (2^127)",
                                                       "1 * (2^-128)",  "-1 * (2^127)",  "1 * (2^127)",
                                                       "1 * (2^-128)",  "-1 * (2^-128)"}
                                        << QStringList();
        QTest::newRow("Entera BCS 5, reads as 5")
            << Formato{Entera, 8, BCS, -1, 8, CA2} << "5," << QStringList{"00000101", "00000000", "0", "0", ""}
            << QStringList{"127 * (2^127)", "-1 * (2^-128)", "-127 * (2^127)", "1 * (2^-128)",
                           "-1 * (2^127)",  "1 * (2^127)",   "1 * (2^-128)",   "-1 * (2^-128)"}
            << QStringList();
        QTest::newRow("Entera BSS 0,5, BSS exponent")
            << Formato{Entera, 16, BSS, -1, 8, BSS} << "0,5"
            << QStringList{"0000000000000000", "00000000", "0,5", "1", QString(30, 'a')}
            << QStringList{"65535 * (2^255)", no, no, "1 * (2^0)", no, "1 * (2^255)", "1 * (2^0)", no} << QStringList();
        QTest::newRow("Fraccionaria BCS 0,75")
            << Formato{Fraccionaria, 8, BCS, 1, 8, CA2} << "0,75" << QStringList{"01100000", "00000000", "0", "0", ""}
            << QStringList{"0,9921875 * (2^127)",  "-0,5 * (2^-128)",      "-0,9921875 * (2^127)",
                           "0,5 * (2^-128)",       "-0,0078125 * (2^127)", "0,0078125 * (2^127)",
                           "0,0078125 * (2^-128)", "0,0078125 * (2^-128)"}
            << QStringList();
        QTest::newRow("Fraccionaria CA2 -0,1")
            << Formato{Fraccionaria, 8, CA2, 1, 8, CA2} << "-0,1"
            << QStringList{"10011010", "11111101", "0,000390625000000006", "0,00390625000000006", QString(13, 'a')}
            << QStringList{"0,9921875 * (2^127)",  "-0,00390625 * (2^-128)", "-0,0078125 * (2^127)",
                           "0,5 * (2^-128)",       "-0,00390625 * (2^127)",  "0,0078125 * (2^127)",
                           "0,0078125 * (2^-128)", "0,00390625 * (2^-128)"}
            << QStringList();
        QTest::newRow("Fraccionaria CA1 SI -0,75, 16-bit exponent")
            << Formato{Fraccionaria, 8, CA1, 0, 16, Exceso} << "-0,75"
            << QStringList{"10111111", "1000000000000000", "0,5", "0,666666666666667", QString(30, 'a')}
            << QStringList{"0,9921875 * (2^32767)",  "-0,5 * (2^-32768)",      "-0,9921875 * (2^32767)",
                           "0,5 * (2^-32768)",       "-0,0078125 * (2^32767)", "0,0078125 * (2^32767)",
                           "0,0078125 * (2^-32768)", "0,0078125 * (2^-32768)"}
            << QStringList{"Se convirtió el número,pero la mantisa no está Normalizada"};
    }

    void conversions()
    {
        QFETCH(Formato, formato);
        QFETCH(QString, numero);
        QFETCH(QStringList, resultado);
        QFETCH(QStringList, rango);
        QFETCH(QStringList, mensajes);
        configurar(formato);
        representar(numero);
        QCOMPARE(g->mensajes.textos, mensajes);
        QCOMPARE(this->resultado(), resultado);
        QCOMPARE(this->rango(), rango);
        QVERIFY(w->SpeedButton3->isEnabled());
        QCOMPARE(w->StaticText2->width(), qCeil(resultado[4].size() * 312.0 / 30));
    }

    // The negative zero of each mantissa system, typed three ways, in both
    // kinds. BCS writes its own negative zero and leaves the error, the bar
    // and the range as they were; the others say there is none and go on
    // with zero, which a fractional mantissa cannot normalise.
    void negativeZero_data()
    {
        QTest::addColumn<QString>("cero");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QString>("mantisa"); // null: nothing converted
        QTest::addColumn<QString>("exponente");
        const QString sinComa = "En mantisa fraccionaria, debe ingresar un número decimal, NO un número Entero";
        const char* const ceroDe[] = {"00000000", "", "11111111", "00000000", "10000000"}; // BSS .. Exceso
        for (const char* cero : {"-0", "-0,0", "-,"}) {
            for (int tipo : {int(Entera), int(Fraccionaria)}) {
                const char* k = tipo == Entera ? "Entera" : "Fraccionaria";
                QTest::addRow("%s %s BCS", k, cero) << QString(cero) << tipo << int(BCS) << QStringList() << "10000000"
                                                    << "10000000";
                for (int sistema : {int(BSS), int(CA1), int(CA2), int(Exceso)}) {
                    const char* nombre = sistema == BSS   ? "BSS"
                                         : sistema == CA1 ? "CA1"
                                         : sistema == CA2 ? "CA2"
                                                          : "Exceso";
                    if (tipo == Entera)
                        QTest::addRow("%s %s %s", k, cero, nombre)
                            << QString(cero) << tipo << sistema << QStringList{sinMenosCero} << QString(ceroDe[sistema])
                            << "10000000";
                    else
                        QTest::addRow("%s %s %s", k, cero, nombre)
                            << QString(cero) << tipo << sistema
                            << QStringList{sinMenosCero, QString(cero).contains(',') ? noRepresentable : sinComa}
                            << QString() << QString();
                }
            }
        }
    }

    void negativeZero()
    {
        QFETCH(QString, cero);
        QFETCH(int, tipo);
        QFETCH(int, sistema);
        QFETCH(QStringList, mensajes);
        QFETCH(QString, mantisa);
        QFETCH(QString, exponente);
        // A conversion first, whose error, bar and range must stay.
        configurar({Fraccionaria, 8, sistema == BSS ? BSS : CA1, 1, 8, Exceso});
        representar("0,1");
        const QStringList antes = resultado();
        const QStringList rangoAntes = rango();
        const double manMaxPos = w->limites().manMaxPos;
        g->mensajes.textos.clear();
        clicEnRadio(w->RadioGroup1, tipo);
        clicEnRadio(w->RadioGroup2, sistema);
        representar(cero);
        QCOMPARE(g->mensajes.textos, mensajes);
        QVERIFY(w->SpeedButton3->isEnabled());
        if (mantisa.isNull()) {
            QCOMPARE(resultado(), antes);
            return;
        }
        QCOMPARE(w->Edit5->text(), mantisa);
        QCOMPARE(w->Edit6->text(), exponente);
        if (sistema == BCS) {
            QCOMPARE(resultado().mid(2), antes.mid(2));
            QCOMPARE(rango(), rangoAntes);
            QCOMPARE(w->limites().manMaxPos, manMaxPos);
        } else {
            QCOMPARE(resultado().mid(2), QStringList({"0", "0", ""}));
        }
    }

    // No zero ever hangs the window: in every mantissa system, both kinds,
    // with a BSS exponent and without, through the negative-zero step and
    // not. A fractional zero is refused; an integer zero is converted.
    void zerosNeverHang()
    {
        configurar({Fraccionaria, 16, BSS, 0, 8, BSS});
        for (int tipo : {int(Entera), int(Fraccionaria)})
            for (int sm = BSS; sm <= Exceso; ++sm)
                for (int se : {int(BSS), int(CA2)}) {
                    clicEnRadio(w->RadioGroup1, tipo);
                    clicEnRadio(w->RadioGroup2, sm);
                    clicEnRadio(w->RadioGroup4, se);
                    for (const char* cero : {"0,0", "-0,0", "0,000", ",0", "0", "-,"}) {
                        const QString c = cero;
                        g->mensajes.textos.clear();
                        representar(c);
                        const QByteArray donde = QByteArray(cero) + " " + QByteArray::number(tipo) + " " +
                                                 QByteArray::number(sm) + " " + QByteArray::number(se);
                        QString malo;
                        QVERIFY2(camposBienFormados(malo), qPrintable(donde + " " + malo));
                        if (c == ",0") {
                            QCOMPARE(g->mensajes.textos, QStringList{noDecimal});
                            continue;
                        }
                        QVERIFY2(w->SpeedButton3->isEnabled(), donde);
                        const bool menosCero = c.startsWith('-') && sm != BCS;
                        QCOMPARE(g->mensajes.textos.contains(sinMenosCero), menosCero);
                        if (tipo == Fraccionaria && c.contains(',') && !(c.startsWith('-') && sm == BCS))
                            QCOMPARE(g->mensajes.textos.last(), noRepresentable);
                        if (tipo == Entera) {
                            // The integer zero of each system, 16 bits; BCS
                            // writes its negative zero itself.
                            const bool menosCeroBcs = sm == BCS && c.startsWith('-');
                            const QString ceroEntero = sm == CA1                        ? QString(16, '1')
                                                       : (sm == Exceso || menosCeroBcs) ? "1" + QString(15, '0')
                                                                                        : QString(16, '0');
                            QVERIFY2(w->Edit5->text() == ceroEntero, donde);
                        }
                    }
                }
    }

    void borrarKeepsTheErrorAndTheBar()
    {
        configurar({Entera, 8, BCS, -1, 8, CA2});
        representar("3,3");
        QVERIFY(w->SpeedButton3->isEnabled());
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        for (QLineEdit* e : {static_cast<QLineEdit*>(w->Edit7), w->Edit5, w->Edit6, w->Edit1, w->Edit2, w->Edit3,
                             w->Edit4, w->Edit8, w->Edit9, w->Edit10, w->Edit11})
            QCOMPARE(e->text(), QString());
        QCOMPARE(w->Edit12->text(), QString("0,0499999999999998"));
        QCOMPARE(w->Edit13->text(), QString("0,0151515151515151"));
        QCOMPARE(w->StaticText2->text(), QString("aaaaa"));
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva()); // through the change of the number
        QCOMPARE(w->RadioGroup2->itemIndex(), int(BCS));
        QCOMPARE(w->ComboBox1->currentIndex(), 0);
        QCOMPARE(w->limites().manMaxPos, 127.0);
        QVERIFY(!w->Edit7->isReadOnly());
    }

    void detailButtonResets()
    {
        configurar({Entera, 8, BCS, -1, 8, CA2});
        representar("5");
        QVERIFY(w->SpeedButton3->isEnabled());
        QTest::mouseMove(w->SpeedButton3);
        QVERIFY(!w->SpeedButton3->sugerenciaActiva());
        teclear(w->Edit7, "1");
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        for (QComboBox* lista : {w->ComboBox1, w->ComboBox2}) {
            QTest::mouseClick(w->Button1, Qt::LeftButton);
            QVERIFY(w->SpeedButton3->isEnabled());
            QVERIFY(elegir(lista, 1));
            QVERIFY(!w->SpeedButton3->isEnabled());
        }
        for (RadioGroup* grupo : {w->RadioGroup1, w->RadioGroup2, w->RadioGroup4}) {
            QTest::mouseClick(w->Button1, Qt::LeftButton);
            QVERIFY(w->SpeedButton3->isEnabled());
            clicEnRadio(grupo, 1); // the group's enter handler
            QVERIFY(!w->SpeedButton3->isEnabled());
        }
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        w->RadioGroup1Click(); // a click alone does not
        w->RadioGroup2Click();
        w->RadioGroup4Click();
        QVERIFY(w->SpeedButton3->isEnabled());
        QVERIFY(elegir(w->ComboBox3, 0));
        QVERIFY(!w->SpeedButton3->isEnabled());
    }

    // At most fifteen characters are typed or pasted; text already there is
    // never shortened, and whatever the entry holds ends in a message or a
    // result.
    void whatTheEntryHolds()
    {
        configurar({Entera, 16, CA2, -1, 8, BCS});
        representar("12345678901234567890");
        QCOMPARE(w->Edit7->text(), QString("123456789012345"));
        QVERIFY(g->mensajes.textos.isEmpty());
        QCOMPARE(w->Edit5->text(), QString("0111000001001000"));
        QGuiApplication::clipboard()->setText("-98765432109876543,21");
        w->Edit7->selectAll();
        QTest::keySequence(w->Edit7, QKeySequence::Paste);
        QCOMPARE(w->Edit7->text(), QString("-98765432109876"));
        // Accented letters and blanks are refused by the number test.
        w->Edit7->clear();
        teclear(w->Edit7, "1");
        QTest::sendKeyEvent(QTest::KeyAction::Click, w->Edit7, Qt::Key_unknown, QString::fromUtf8("é"), Qt::NoModifier);
        QCOMPARE(w->Edit7->text(), QString::fromUtf8("1é"));
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos, QStringList{noDecimal});
        // A longer text put there stays whole, and still converts soundly.
        const QString largo = "1" + QString(60, '0') + ",5";
        w->Edit7->setText(largo);
        QCOMPARE(w->Edit7->text(), largo);
        g->mensajes.textos.clear();
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos, QStringList{noRepresentable});
        w->Edit7->setText("1" + QString(400, '0'));
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos.last(), QString("Floating point overflow"));
        QString malo;
        QVERIFY2(camposBienFormados(malo), qPrintable(malo));
    }

    // ----------------------------------------------------------- report

    void reportOfAnIntegerMantissa()
    {
        configurar({Entera, 8, BCS, -1, 8, CA2});
        representar("1000");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        QCOMPARE(g->vista.informes.size(), 1);
        const Informe& r = g->vista.informes.last();
        const QList<QPair<QString, QString>> esperados{{"QRLabel2", "Entera"},
                                                       {"QRLabel63", "BCS"},
                                                       {"QRLabel62", "8"},
                                                       {"QRLabel8", "CA2"},
                                                       {"QRLabel10", "8"},
                                                       {"QRLabel12", "1000"},
                                                       {"QRLabel14", "01111101"},
                                                       {"QRLabel17", "00000011"},
                                                       {"QRLabel20", "127"},
                                                       {"QRLabel24", "127"},
                                                       {"QRLabel41", "127"},
                                                       {"QRLabel27", "1"},
                                                       {"QRLabel30", "-128"},
                                                       {"QRLabel50", "-128"},
                                                       {"QRLabel38", "-127"},
                                                       {"QRLabel47", "-1"},
                                                       {"QRLabel34", "127 * (2^127)"},
                                                       {"QRLabel35", "1 * (2^-128)"},
                                                       {"QRLabel44", "-127 * (2^127)"},
                                                       {"QRLabel53", "-1 * (2^-128)"},
                                                       {"QRLabel55", "1 * (2^127)"},
                                                       {"QRLabel57", "1 * (2^-128)"},
                                                       {"QRLabel59", "-1 * (2^127)"},
                                                       {"QRLabel61", "-1 * (2^-128)"},
                                                       {"QRLabel67", "0"},
                                                       {"QRLabel68", "0"},
                                                       {"QRLabel1", "Mantisa:"},
                                                       {"QRLabel69", "Cifral v1.0"}};
        for (const auto& [etiqueta, texto] : esperados)
            QVERIFY2(r.caption(etiqueta) == texto, qPrintable(etiqueta + ": " + r.caption(etiqueta)));
        QCOMPARE(TFormRep4::parteNegativa().size(), 22);
        for (const QString& e : TFormRep4::parteNegativa())
            QCOMPARE(r.etiqueta(e).color, QColor(Qt::black));
        QCOMPARE(r.banda(), QSize(718, 1043));
        QCOMPARE(r.etiqueta("QRLabel24").posicion, QPoint(240, 296)); // raised
        QCOMPARE(r.etiqueta("QRLabel24").pixeles, 13);
        QVERIFY(r.etiqueta("QRLabel15").negrita && r.etiqueta("QRLabel15").pixeles == 12);
    }

    void reportOfABssMantissaHidesTheNegativePart()
    {
        configurar({Fraccionaria, 8, BSS, 1, 8, CA2});
        representar("0,1");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe& r = g->vista.informes.last();
        QCOMPARE(r.caption("QRLabel2"), QString("Fraccionaria  Normalizada"));
        QCOMPARE(r.caption("QRLabel38"), QString("-999"));
        QCOMPARE(r.caption("QRLabel47"), QString("-1"));
        QCOMPARE(r.caption("QRLabel44"), QString("No existe"));
        for (const QString& e : TFormRep4::parteNegativa())
            QCOMPARE(r.etiqueta(e).color, QColor(Qt::white));
        QCOMPARE(r.etiqueta("QRLabel54").color, QColor(Qt::black));
        // Nothing of the negative part shows on the page.
        const QImage pagina = imagenInforme(r);
        for (const QString& e : TFormRep4::parteNegativa()) {
            const QRectF zona = rectanguloEtiqueta(r, r.etiqueta(e));
            for (int y = int(zona.top()); y < int(zona.bottom()); ++y)
                for (int x = int(zona.left()); x < int(zona.right()); ++x)
                    QVERIFY(qGray(pagina.pixel(x, y)) > 200);
        }
        // A second press with a signed mantissa prints it in black again.
        clicEnRadio(w->RadioGroup2, CA2);
        representar("0,1");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe& r2 = g->vista.informes.last();
        QCOMPARE(r2.etiqueta("QRLabel44").color, QColor(Qt::black));
        QCOMPARE(r2.caption("QRLabel47"), QString("-0,00390625"));
    }

    void reportCaptions()
    {
        // Before any kind the kind label keeps its design caption, and the
        // limits are zeros.
        w->SpeedButton3Click();
        QCOMPARE(g->vista.informes.last().caption("QRLabel2"), QString("QRLabel2"));
        QCOMPARE(g->vista.informes.last().caption("QRLabel47"), QString("-0"));
        configurar({Fraccionaria, 16, BCS, 0, 8, CA1});
        representar("0,75");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe& r = g->vista.informes.last();
        QCOMPARE(r.caption("QRLabel2"), QString("Fraccionaria  Normalizada  con  Bit Implícito"));
        QCOMPARE(r.caption("QRLabel62"), QString("16"));
        QCOMPARE(r.caption("QRLabel47"), QString("-0,5"));
        QCOMPARE(r.caption("QRLabel20"), QString("0,999969482421875")); // bounded with 16 bits
        // After a handled negative zero: its bits, with the limits, range and
        // errors of the last full conversion.
        representar("-0,0");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe& r2 = g->vista.informes.last();
        QCOMPARE(r2.caption("QRLabel14"), QString("1000000000000000"));
        QCOMPARE(r2.caption("QRLabel17"), QString("00000000"));
        QCOMPARE(r2.caption("QRLabel12"), QString("-0,0"));
        QCOMPARE(r2.caption("QRLabel20"), QString("0,999969482421875"));
        QCOMPARE(r2.caption("QRLabel68"), r.caption("QRLabel68"));
    }

    // The filled page, printed to PDF, has its labels where the form puts
    // them, also after a system name too wide for its place.
    void reportAsPdf()
    {
        configurar({Entera, 8, Exceso, -1, 16, Exceso});
        representar("1000");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("informe.pdf");
        QVERIFY(guardarPdf(g->vista.informes.last(), pdf));
        const QList<PalabraPdf> ps = palabrasPdf(pdf);
        QVERIFY2(!ps.isEmpty(), "pdftotext gave nothing");
        struct Caso {
            const char* texto;
            int x, y;
        };
        for (const Caso& c : {Caso{"Mantisa:", 16, 32}, Caso{"Exceso", 48, 56}, Caso{"1000", 32, 144},
                              Caso{"11111101", 96, 192}, Caso{"1000000000000011", 96, 216}, Caso{"32767", 240, 296},
                              Caso{"Error", 24, 696}, Caso{"Cifral", 608, 1008}}) {
            const PalabraPdf* p = buscarPalabra(ps, QString::fromUtf8(c.texto));
            QVERIFY2(p, c.texto);
            QVERIFY2(std::abs(p->y - puntosEnPagina(c.y)) < 0.5, c.texto);
            QVERIFY2(std::abs(p->x - puntosEnPagina(c.x)) < 0.5, c.texto);
        }
        // "Exceso" pushes the rest of its row: no word of the header covers
        // another.
        const PalabraPdf* de = buscarPalabra(ps, "de");
        QVERIFY(de && de->x > puntosEnPagina(96));
    }

    // ------------------------------------------------------ random use

    // Random clicks and keys, with edge numbers typed in between; every
    // field stays well formed and the window answers throughout.
    void randomUseNeverBreaks()
    {
        const QStringList bordes{"0,0",
                                 "-0,0",
                                 "-,",
                                 "-",
                                 ",5",
                                 "5,",
                                 "999999999999999",
                                 "-99999999999999",
                                 "0,0000000000001",
                                 "9999999999999,9",
                                 "1,2,3",
                                 "1E5",
                                 "3,3",
                                 "-0,75",
                                 "0,999",
                                 "2,0",
                                 "99999999999,99",
                                 "0,00001234"};
        QRandomGenerator azar(4);
        for (int ronda = 0; ronda < 40; ++ronda) {
            QCOMPARE(usoAlAzar(w.get(), 60, 100 + ronda), 60);
            if (!w->Edit7->isReadOnly()) {
                representar(bordes.at(azar.bounded(bordes.size())));
                if (w->SpeedButton3->isEnabled())
                    QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
            }
            QString malo;
            QVERIFY2(camposBienFormados(malo), qPrintable(malo));
        }
        QVERIFY(w->isVisible());
        QVERIFY(g->mensajes.textos.size() > 10); // the clicks reached the handlers
        QVERIFY(!g->vista.informes.isEmpty());
    }

    void help()
    {
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(ayuda().archivo(), QString("HELP4.hlp"));
        QCOMPARE(g->visor.abiertos, QStringList{"HELP4.hlp"});
        QVERIFY(!paginaDeAyuda("HELP4.hlp").isEmpty());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
