// The addition and subtraction window driven as a user does: the layout
// opens one control at a time, the operands are typed, "Sumar" and "Restar"
// show the result or the messages; the report through the recorder.
#include "VentanaSuma.h"

#include <QLabel>

using namespace cifral;
using namespace prueba;

namespace {

const Formato bss8{BSS, 0, Entera, BSS, 0};

bool esBinaria(const QString& s)
{
    static const QRegularExpression bits(QStringLiteral("^[01]*$"));
    return bits.match(s).hasMatch();
}

bool esNumero(const QString& s)
{
    static const QRegularExpression numero(QStringLiteral("^-?[0-9]+(,[0-9]+)?(E-?[0-9]+)?$"));
    return numero.match(s).hasMatch();
}

} // namespace

class TestForm7 : public QObject, VentanaSuma {
    Q_OBJECT

    QList<QWidget*> configuracion() const
    {
        return {w->RadioGroup1, w->ComboBox1, w->RadioGroup2, w->RadioGroup4, w->ComboBox2};
    }

    void sumar() { QTest::mouseClick(w->SpeedButton1, Qt::LeftButton); }
    void restar() { QTest::mouseClick(w->SpeedButton2, Qt::LeftButton); }

    void verDetalle() { QTest::mouseClick(w->SpeedButton3, Qt::LeftButton); }

    // The pointer passes over the detail button (from another point, so
    // that a move is delivered even where an earlier test left it).
    void pasarSobreDetalle()
    {
        QTest::mouseMove(w->SpeedButton3, QPoint(3, 3));
        QTest::mouseMove(w->SpeedButton3);
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init() { abrir(); }
    void cleanup() { cerrar(); }

    void startState()
    {
        QCOMPARE(w->windowTitle(), QString("Cifral - Suma y Resta"));
        QCOMPARE(w->size(), QSize(550, 367));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        struct Lugar {
            const char* nombre;
            QRect rect;
        };
        for (const Lugar& l : {Lugar{"RadioGroup1", {8, 8, 281, 177}}, Lugar{"RadioGroup3", {152, 24, 121, 105}},
                               Lugar{"ComboBox1", {176, 152, 57, 21}}, Lugar{"RadioGroup2", {296, 8, 241, 177}},
                               Lugar{"RadioGroup4", {328, 24, 153, 105}}, Lugar{"ComboBox2", {384, 152, 57, 21}},
                               Lugar{"GroupBox1", {8, 192, 161, 121}}, Lugar{"GroupBox2", {176, 192, 153, 121}},
                               Lugar{"GroupBox3", {384, 192, 153, 121}}, Lugar{"Edit1", {8, 40, 121, 21}},
                               Lugar{"Edit4", {8, 88, 121, 21}}, Lugar{"Edit5", {8, 40, 137, 21}},
                               Lugar{"Edit6", {8, 88, 137, 21}}, Lugar{"SpeedButton1", {336, 216, 41, 25}},
                               Lugar{"SpeedButton2", {336, 256, 41, 25}}, Lugar{"Button1", {8, 328, 75, 25}},
                               Lugar{"SpeedButton3", {104, 328, 73, 25}}, Lugar{"SpeedButton4", {200, 328, 57, 25}}})
            QCOMPARE(control<QWidget>(w.get(), l.nombre)->geometry(), l.rect);
        QCOMPARE(control<QLabel>(w.get(), "StaticText1")->pos(), QPoint(176, 136));
        QCOMPARE(control<QLabel>(w.get(), "StaticText2")->pos(), QPoint(328, 152));

        QCOMPARE(w->RadioGroup1->title(), QString("Configurar Mantisa"));
        QCOMPARE(w->RadioGroup1->boton(1)->text(), QString("Fraccionaria"));
        QCOMPARE(w->RadioGroup2->title(), QString("Configurar Exponente"));
        QCOMPARE(w->RadioGroup2->cantidad(), 0);
        for (RadioGroup* r : {w->RadioGroup3, w->RadioGroup4}) {
            QCOMPARE(r->title(), QString("Sistema Numerico"));
            QCOMPARE(r->cantidad(), 5);
            QCOMPARE(r->boton(4)->text(), QString("Exceso"));
        }
        for (RadioGroup* r : {w->RadioGroup1, w->RadioGroup3, w->RadioGroup4})
            QCOMPARE(r->itemIndex(), -1);
        for (QComboBox* c : {w->ComboBox1, w->ComboBox2}) {
            QCOMPARE(c->count(), 2);
            QCOMPARE(c->itemText(0), QString("8"));
            QCOMPARE(c->itemText(1), QString("16"));
            QCOMPARE(c->currentIndex(), -1);
        }
        const QStringList rotulos{
            "StaticText1", "Longitud:", "StaticText3", "Mantisa:", "StaticText4", "Exponente:", "Label1",
            "Mantisa:",    "Label2",    "Exponente:",  "Label3",   "Mantisa:",    "Label4",     "Exponente:"};
        for (int i = 0; i < rotulos.size(); i += 2)
            QCOMPARE(control<QLabel>(w.get(), qPrintable(rotulos[i]))->text(), rotulos[i + 1]);
        QCOMPARE(w->GroupBox1->title(), QString("Primer Número"));
        QCOMPARE(w->GroupBox2->title(), QString("Segundo Número"));
        QCOMPARE(w->GroupBox3->title(), QString("Resultado"));
        QCOMPARE(w->SpeedButton1->text(), QString("Sumar"));
        QCOMPARE(w->SpeedButton2->text(), QString("Restar"));
        QCOMPARE(w->Button1->text(), QString("Borrar"));
        QCOMPARE(w->SpeedButton3->text(), QString("Ver Detalle"));
        QCOMPARE(w->SpeedButton4->text(), QString("Ayuda"));
        QVERIFY(w->Button1->font().bold() && w->Edit1->font().bold() && w->ComboBox1->font().bold());

        // Only the mantissa system and "Ayuda" answer at first.
        QVERIFY(w->RadioGroup3->isEnabled() && w->SpeedButton4->isEnabled());
        for (QWidget* c : configuracion())
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        for (QWidget* c :
             std::initializer_list<QWidget*>{w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Edit5, w->Edit6, w->Button1,
                                             w->SpeedButton1, w->SpeedButton2, w->SpeedButton3})
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        QVERIFY(!w->Edit5->isReadOnly());
        QVERIFY(w->Edit6->isReadOnly());
        for (LineaEdicion* e : operandos())
            QCOMPARE(e->limiteTecleo(), 0);
        QCOMPARE(w->SpeedButton3->toolTip(), QString("Para ver el detalle, debe realizar la operación"));
        QVERIFY(!w->SpeedButton3->sugerenciaActiva());
    }

    // Each step opens the next one when it is entered or changed; the
    // detail button is reset by each of them, which also switches its hint on.
    void enablingSequence()
    {
        clicEnRadio(w->RadioGroup3, CA2);
        QVERIFY(w->ComboBox1->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        QVERIFY(!w->RadioGroup1->isEnabled());
        QVERIFY(elegir(w->ComboBox1, 1));
        QVERIFY(w->RadioGroup1->isEnabled());
        QCOMPARE(w->Edit1->limiteTecleo(), 16);
        QCOMPARE(w->Edit3->limiteTecleo(), 16);
        QCOMPARE(w->Edit2->limiteTecleo(), 0);
        QVERIFY(!w->RadioGroup2->isEnabled() && !w->RadioGroup4->isEnabled());
        clicEnRadio(w->RadioGroup1, Fraccionaria);
        QVERIFY(w->RadioGroup2->isEnabled() && w->RadioGroup4->isEnabled());
        QVERIFY(!w->ComboBox2->isEnabled());
        clicEnRadio(w->RadioGroup4, Exceso);
        QVERIFY(w->ComboBox2->isEnabled());
        QVERIFY(!w->Edit1->isEnabled());
        QVERIFY(elegir(w->ComboBox2, 0));
        for (QWidget* c : std::initializer_list<QWidget*>{w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Button1})
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
        QCOMPARE(w->Edit2->limiteTecleo(), 8);
        QCOMPARE(w->Edit4->limiteTecleo(), 8);
        for (QWidget* c :
             std::initializer_list<QWidget*>{w->Edit5, w->Edit6, w->SpeedButton1, w->SpeedButton2, w->SpeedButton3})
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        // Nothing closes again, and the typed text is never cut.
        teclear(w->Edit1, "00000000000000001");
        QCOMPARE(w->Edit1->text(), QString(16, '0'));
        QVERIFY(elegir(w->ComboBox1, 0));
        QCOMPARE(w->Edit1->text(), QString(16, '0'));
        for (QWidget* c : configuracion())
            QVERIFY(c->isEnabled());
    }

    // Entering a group by the keyboard, without choosing an item, is an
    // entry as well.
    void enteringWithoutChoosing()
    {
        w->RadioGroup3->boton(0)->setFocus(Qt::TabFocusReason);
        QVERIFY(w->ComboBox1->isEnabled());
        QCOMPARE(w->RadioGroup3->itemIndex(), -1);
    }

    void lengthsUnlockTheOperations()
    {
        configurar(bss8);
        escribir({"00000001", "00000001", "00000001", "0000000"});
        QVERIFY(!w->SpeedButton1->isEnabled() && !w->SpeedButton2->isEnabled());
        teclear(w->Edit4, "a"); // lengths only: the letter counts
        QVERIFY(w->SpeedButton1->isEnabled() && w->SpeedButton2->isEnabled());
        QTest::keyClick(w->Edit1, Qt::Key_Backspace);
        QVERIFY(!w->SpeedButton1->isEnabled());
        w->Edit1->setText("000000011"); // nine characters written by the program
        QVERIFY(!w->SpeedButton1->isEnabled());
        w->Edit1->setText(QString::fromUtf8("0000000ñ")); // eight characters
        QVERIFY(w->SpeedButton1->isEnabled());
        sumar();
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese números en Binario"});
    }

    void operations_data()
    {
        QTest::addColumn<Formato>("formato");
        QTest::addColumn<bool>("suma");
        QTest::addColumn<QStringList>("operandos");
        QTest::addColumn<QString>("mantisa");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("integer sum") << bss8 << true << QStringList{"00000100", "00000011", "00000010", "00000001"}
                                     << "00001001"
                                     << "00000010" << QStringList{};
        QTest::newRow("integer difference, CA1 zero")
            << Formato{CA1, 0, Entera, CA1, 0} << false << QStringList{"00000001", "00000000", "00000001", "00000000"}
            << "11111111"
            << "00000000" << QStringList{};
        QTest::newRow("fractional sum") << Formato{BSS, 0, Fraccionaria, BSS, 0} << true
                                        << QStringList{"10000000", "00000001", "00000001", "00000000"} << "10000000"
                                        << "00000001" << QStringList{};
        QTest::newRow("fractional sum refused") << Formato{BSS, 0, Fraccionaria, BSS, 0} << true
                                                << QStringList{"00000001", "00000001", "00000011", "00000000"} << ""
                                                << "" << QStringList{"No se pudo igualar los exponentes"};
        QTest::newRow("two messages") << Formato{BCS, 0, Fraccionaria, BSS, 0} << true
                                      << QStringList{"11000000", "00000001", "00000011", "00000000"} << ""
                                      << ""
                                      << QStringList{"No se puede representar en el sistema configurado",
                                                     "No se pudo igualar los exponentes"};
        QTest::newRow("result exponent without mantissa")
            << bss8 << true << QStringList{"11111111", "00000000", "00000001", "00000000"} << ""
            << "00000000" << QStringList{"El resultado no cumple el rango de mantisa en BSS"};
        QTest::newRow("silent") << Formato{CA2, 0, Entera, CA2, 0} << true
                                << QStringList{"11111111", "00000001", "11111110", "00000000"} << ""
                                << "" << QStringList{};
        QTest::newRow("16 bits") << Formato{CA2, 1, Entera, CA2, 1} << true
                                 << QStringList{"0000000000000001", "0000000000001110", "0000000000000001",
                                                "0000000000000000"}
                                 << "0100000000000001"
                                 << "0000000000000000" << QStringList{};
    }

    // The result edits show the operation's texts; "Ver Detalle" opens only
    // when both are filled.
    void operations()
    {
        QFETCH(Formato, formato);
        QFETCH(bool, suma);
        QFETCH(QStringList, operandos);
        QFETCH(QString, mantisa);
        QFETCH(QString, exponente);
        QFETCH(QStringList, mensajes);
        configurar(formato);
        escribir(operandos);
        suma ? sumar() : restar();
        QCOMPARE(g->mensajes.textos, mensajes);
        QCOMPARE(w->Edit5->text(), mantisa);
        QCOMPARE(w->Edit6->text(), exponente);
        QCOMPARE(w->SpeedButton3->isEnabled(), !mantisa.isEmpty() && !exponente.isEmpty());
        QCOMPARE(w->detalle().operacion, std::string(suma ? "Suma" : "Resta"));
    }

    // Texts that are not bit strings of the layout: the message, both result
    // edits emptied, nothing computed and the operation's name kept.
    void notBinary()
    {
        configurar(bss8);
        escribir({"00000011", "00000010", "00000101", "00000010"});
        sumar();
        QVERIFY(w->SpeedButton3->isEnabled());
        escribir({"0000000a", "00000010", "00000101", "00000010"});
        restar();
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese números en Binario"});
        QCOMPARE(w->Edit5->text(), QString());
        QCOMPARE(w->Edit6->text(), QString());
        QCOMPARE(w->detalle().operacion, std::string("Suma"));
        QCOMPARE(w->detalle().valorMantisaResultado, 8.0);
        // A longer length keeps "Sumar" open; the texts are then too short.
        escribir({"00000011", "00000010", "00000101", "00000010"});
        QVERIFY(elegir(w->ComboBox1, 1));
        QVERIFY(w->SpeedButton1->isEnabled());
        sumar();
        QCOMPARE(g->mensajes.textos.size(), 2);
        QCOMPARE(g->mensajes.textos.last(), QString("Ingrese números en Binario"));
        // A shorter one runs on the first bits of the longer texts.
        escribir({"0000001111111111", "00000010", "0000010100000000", "00000010"});
        QVERIFY(elegir(w->ComboBox1, 0));
        sumar();
        QCOMPARE(g->mensajes.textos.size(), 2);
        QCOMPARE(w->Edit5->text(), QString("00001000"));
    }

    // With no kind chosen nothing is computed: the result edits keep what
    // they showed, and the operation is named all the same.
    void noKindChosen()
    {
        clicEnRadio(w->RadioGroup3, BSS);
        QVERIFY(elegir(w->ComboBox1, 0));
        w->RadioGroup1->boton(0)->setFocus(Qt::TabFocusReason);
        clicEnRadio(w->RadioGroup4, BSS);
        QVERIFY(elegir(w->ComboBox2, 0));
        escribir({"00000011", "00000010", "00000101", "00000010"});
        restar();
        QVERIFY(g->mensajes.textos.isEmpty());
        QCOMPARE(w->Edit5->text(), QString());
        QVERIFY(!w->SpeedButton3->isEnabled());
        QCOMPARE(w->detalle().operacion, std::string("Resta"));
        clicEnRadio(w->RadioGroup1, Entera);
        sumar();
        QCOMPARE(w->Edit5->text(), QString("00001000"));
        QVERIFY(w->SpeedButton3->isEnabled());
    }

    // The mantissa system group entered by the keyboard without a choice.
    void noSystemChosen()
    {
        w->RadioGroup3->boton(0)->setFocus(Qt::TabFocusReason);
        QVERIFY(elegir(w->ComboBox1, 0));
        clicEnRadio(w->RadioGroup1, Fraccionaria);
        clicEnRadio(w->RadioGroup4, BCS);
        QVERIFY(elegir(w->ComboBox2, 0));
        escribir({"01000000", "00000000", "01000000", "10000000"});
        sumar();
        QCOMPARE(g->mensajes.textos, QStringList{"La primera mantisa no está en el rango"});
        escribir({"01000000", "00000000", "01000000", "00000000"});
        sumar(); // the same exponent: nothing at all but the exponent
        QCOMPARE(g->mensajes.textos.size(), 1);
        QCOMPARE(w->Edit5->text(), QString());
        QCOMPARE(w->Edit6->text(), QString("00000000"));
    }

    void borrar()
    {
        configurar(bss8);
        escribir({"00000011", "00000010", "00000101", "00000010"});
        sumar();
        pasarSobreDetalle();
        QVERIFY(!w->SpeedButton3->sugerenciaActiva());
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        for (LineaEdicion* e : {w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Edit5, w->Edit6})
            QCOMPARE(e->text(), QString());
        QVERIFY(!w->SpeedButton1->isEnabled() && !w->SpeedButton2->isEnabled() && !w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        QCOMPARE(w->RadioGroup3->itemIndex(), int(BSS));
        QCOMPARE(w->ComboBox2->currentIndex(), 0);
        QVERIFY(w->Edit1->isEnabled());
    }

    void detailButton()
    {
        configurar(bss8);
        escribir({"00000011", "00000010", "00000101", "00000010"});
        sumar();
        QVERIFY(w->SpeedButton3->isEnabled());
        pasarSobreDetalle();
        QVERIFY(!w->SpeedButton3->sugerenciaActiva());
        teclear(w->Edit4, "1"); // refused by the limit: no change
        QVERIFY(w->SpeedButton3->isEnabled());
        QTest::keyClick(w->Edit4, Qt::Key_Backspace);
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        teclear(w->Edit4, "0");
        sumar();
        QVERIFY(w->SpeedButton3->isEnabled());
        clicEnRadio(w->RadioGroup4, CA2); // a change of the layout resets it
        QVERIFY(!w->SpeedButton3->isEnabled());
    }

    // The report restates the layout, the operands, the result and their
    // decimal values; closing its preview opens every control.
    void reportAndActivarConf()
    {
        configurar(bss8);
        escribir({"00000011", "00000010", "00000101", "00000010"});
        sumar();
        verDetalle();
        QCOMPARE(g->vista.informes.size(), 1);
        const Informe& r = g->vista.informes.last();
        const QList<QPair<QString, QString>> esperados{
            {"QRLabel3", "Entera"},       {"QRLabel5", "BSS"},
            {"QRLabel7", "8 bits"},       {"QRLabel9", "BSS"},
            {"QRLabel11", "8 bits"},      {"QRLabel13", "Suma"},
            {"QRLabel16", "00000011"},    {"QRLabel18", "00000010"},
            {"QRLabel22", "3"},           {"QRLabel23", "2"},
            {"QRLabel32", "00000101"},    {"QRLabel33", "00000010"},
            {"QRLabel34", "5"},           {"QRLabel35", "2"},
            {"QRLabel25", "00001000"},    {"QRLabel37", "00000010"},
            {"QRLabel40", "8"},           {"QRLabel41", "2"},
            {"QRLabel1", "Suma Y Resta"}, {"QRLabel24", "Resultado en Binario:"},
            {"QRLabel42", "Cifral v1.0"}};
        for (const auto& [etiqueta, texto] : esperados)
            QVERIFY2(r.caption(etiqueta) == texto, qPrintable(etiqueta + ": " + r.caption(etiqueta)));

        // Everything opens: Edit5 takes typing, Edit6 stays read-only, and the
        // operations run whatever the lengths.
        for (QWidget* c : configuracion())
            QVERIFY(c->isEnabled());
        for (QWidget* c : std::initializer_list<QWidget*>{w->Edit5, w->Edit6, w->Button1, w->SpeedButton1,
                                                          w->SpeedButton2, w->SpeedButton3})
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
        QVERIFY(w->Edit6->isReadOnly());
        teclear(w->Edit5, "x");
        QCOMPARE(w->Edit5->text(), QString("00001000x"));
        teclear(w->Edit6, "x");
        QCOMPARE(w->Edit6->text(), QString("00000010"));
        QTest::keyClick(w->Edit1, Qt::Key_Backspace);
        QVERIFY(!w->SpeedButton1->isEnabled()); // a change closes them again
        teclear(w->Edit1, "1");
        sumar(); // the next operation overwrites what was typed
        QCOMPARE(w->Edit5->text(), QString("00001000"));
        restar();
        QCOMPARE(g->mensajes.textos, QStringList{"El resultado no cumple el rango de mantisa en BSS"});
        QCOMPARE(w->Edit5->text(), QString());
    }

    void reportOfFractions()
    {
        configurar({BSS, 0, Fraccionaria, BSS, 0});
        escribir({"01000000", "00000000", "00100000", "00000000"});
        sumar();
        verDetalle();
        QCOMPARE(g->vista.informes.last().caption("QRLabel40"), QString("0,375"));
        QCOMPARE(g->vista.informes.last().caption("QRLabel22"), QString("0,25"));
        // A second preview shows the second operation.
        clicEnRadio(w->RadioGroup3, BCS);
        clicEnRadio(w->RadioGroup1, Entera);
        escribir({"10000000", "00000000", "00000001", "00000000"});
        restar();
        verDetalle();
        const Informe& r = g->vista.informes.last();
        QCOMPARE(r.caption("QRLabel3"), QString("Entera"));
        QCOMPARE(r.caption("QRLabel5"), QString("BCS"));
        QCOMPARE(r.caption("QRLabel13"), QString("Resta"));
        QCOMPARE(r.caption("QRLabel22"), QString("0")); // BCS negative zero
        QCOMPARE(r.caption("QRLabel25"), QString("10000001"));
        QCOMPARE(r.caption("QRLabel40"), QString("-1"));
    }

    // Where the words land on the printed page (1/72 inch), and their fonts.
    void reportPage()
    {
        configurar({CA2, 1, Fraccionaria, CA2, 1});
        escribir({"1100000000000001", "0000000000000001", "0100000000000001", "1111111111111111"});
        restar();
        QCOMPARE(g->mensajes.textos, QStringList{});
        verDetalle();
        const Informe& r = g->vista.informes.last();
        QCOMPARE(r.banda(), QSize(718, 1043));
        QCOMPARE(r.etiqueta("QRLabel1").pixeles, 19);
        QVERIFY(r.etiqueta("QRLabel1").negrita);
        QVERIFY(r.etiqueta("QRLabel14").negrita && r.etiqueta("QRLabel14").pixeles == 15);
        QVERIFY(r.etiqueta("QRLabel15").negrita && r.etiqueta("QRLabel15").pixeles == 13);
        QVERIFY(!r.etiqueta("QRLabel40").negrita && r.etiqueta("QRLabel40").pixeles == 15);
        QVERIFY(!r.etiqueta("QRLabel16").negrita && r.etiqueta("QRLabel16").pixeles == 13);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("informe.pdf");
        QVERIFY(guardarPdf(r, pdf));
        const QList<PalabraPdf> ps = palabrasPdf(pdf);
        QVERIFY2(!ps.isEmpty(), "pdftotext gave nothing");
        struct Caso {
            const char* texto;
            int x, y;
        };
        for (const Caso& c :
             {Caso{"Suma", 56, 24}, Caso{"Fraccionaria", 168, 80}, Caso{"16", 192, 144}, Caso{"Operación:", 32, 240},
              Caso{"1100000000000001", 32, 336}, Caso{"0000000000000001", 168, 336},
              Caso{"-0,499969482421875", 288, 336}, Caso{"-1", 432, 448}, Caso{"1011000000000001", 208, 528},
              Caso{"-0,624977111816406", 208, 560}, Caso{"v1.0", 0, 1008}}) {
            const PalabraPdf* p = buscarPalabra(ps, QString::fromUtf8(c.texto));
            QVERIFY2(p, c.texto);
            QVERIFY2(std::abs(p->y - puntosEnPagina(c.y)) < 0.5, c.texto);
            if (c.x > 0)
                QVERIFY2(std::abs(p->x - puntosEnPagina(c.x)) < 0.5, c.texto);
        }
        // Nothing on the filled page overlaps.
        const auto& ls = r.etiquetas();
        for (int i = 0; i < ls.size(); ++i)
            for (int j = i + 1; j < ls.size(); ++j)
                QVERIFY2(!rectanguloEtiqueta(r, ls[i]).intersects(rectanguloEtiqueta(r, ls[j])),
                         qPrintable(ls[i].nombre + " / " + ls[j].nombre));
    }

    // A student at random: besides the clicks and keys of usoAlAzar, now and
    // then both numbers typed at once (bits of the layout's lengths or
    // others, a letter among them) and an operation, and odd texts written
    // in between.
    // Nothing breaks, and what the program writes into the result edits and
    // the report is empty, a bit string or a number.
    void randomUseNeverBreaks()
    {
        QRandomGenerator azar(11);
        bool tecleado = false;
        const auto conexion = connect(w->Edit5, &QLineEdit::textEdited, this, [&tecleado] { tecleado = true; });
        QString anterior;
        int acciones = 0;
        auto revisar = [&] {
            if (w->Edit5->text() != anterior && !tecleado)
                QVERIFY2(esBinaria(w->Edit5->text()), qPrintable(w->Edit5->text()));
            QVERIFY2(esBinaria(w->Edit6->text()), qPrintable(w->Edit6->text()));
            // Every few actions the student types both numbers, mostly with
            // the layout's lengths, presses "Sumar" or "Restar", and sometimes
            // looks at the report.
            if (++acciones % 5 == 0) {
                const TFormatoSuma f = w->formato();
                for (int i = 0; i < 4; ++i) {
                    LineaEdicion* e = operandos()[i];
                    const int propio = i % 2 == 0 ? f.longitudMantisa : f.longitudExponente;
                    const int largo = azar.bounded(8) == 0 ? int(azar.bounded(18)) : propio;
                    QString t;
                    for (int k = 0; k < largo; ++k)
                        t += azar.bounded(400) == 0 ? QChar('x') : QChar(azar.bounded(2) == 0 ? '0' : '1');
                    if (i == 3 && azar.bounded(2) == 0) // often the same exponent
                        t = w->Edit2->text();
                    if (e->isEnabled()) {
                        e->selectAll();
                        teclear(e, t);
                    }
                }
                BotonRapido* b = azar.bounded(2) == 0 ? w->SpeedButton1 : w->SpeedButton2;
                const QString antes = w->Edit5->text();
                if (b->isEnabled()) {
                    QTest::mouseClick(b, Qt::LeftButton);
                    // With no kind chosen the result edits keep what they had.
                    if (w->RadioGroup1->itemIndex() >= 0)
                        QVERIFY2(esBinaria(w->Edit5->text()), qPrintable(w->Edit5->text()));
                    else
                        QCOMPARE(w->Edit5->text(), antes);
                }
                if (w->SpeedButton3->isEnabled() && azar.bounded(2) == 0)
                    QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
            }
            anterior = w->Edit5->text();
            tecleado = false;
        };
        const QStringList raros{"0000000100000001", "11111111x", "", QString::fromUtf8("ñ0000000"), "1", "10000000"};
        for (quint32 semilla = 1; semilla <= 6; ++semilla) {
            QCOMPARE(usoAlAzar(w.get(), 400, semilla, revisar), 400);
            for (LineaEdicion* e : operandos())
                e->setText(raros[int((semilla + quint32(operandos().indexOf(e))) % quint32(raros.size()))]);
        }
        disconnect(conexion);
        QVERIFY(w->isVisible());
        // The operations ran, with results, messages and reports.
        QVERIFY(g->mensajes.textos.size() > 20);
        QVERIFY(g->vista.informes.size() > 20);
        for (const Informe& r : g->vista.informes)
            for (const char* e : {"QRLabel22", "QRLabel23", "QRLabel34", "QRLabel35", "QRLabel40", "QRLabel41"})
                QVERIFY2(esNumero(r.caption(e)), qPrintable(r.caption(e)));
    }

    void help()
    {
        QTest::mouseClick(w->SpeedButton4, Qt::LeftButton);
        QCOMPARE(ayuda().archivo(), QString("HELP7.hlp"));
        QCOMPARE(g->visor.abiertos, QStringList{"HELP7.hlp"});
        QVERIFY(!paginaDeAyuda("HELP7.hlp").isEmpty());
    }
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
