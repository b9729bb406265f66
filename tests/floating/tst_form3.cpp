// The floating-point-to-decimal converter driven as a user does: configure
// the layout in order, type mantissa and exponent, evaluate; messages and the
// report through the recorders.
#include "Apoyo.h"

#include "floating/Unit3.h"
#include "floating/Unitrep.h"

using namespace cifral;
using namespace prueba;

namespace {

struct Formato {
    int tipo, n, sistemaMantisa, implicito, m, sistemaExponente; // implicito: 0 SI, 1 NO, -1 none
};

} // namespace

Q_DECLARE_METATYPE(Formato)

class TestForm3 : public QObject {
    Q_OBJECT

    std::unique_ptr<Grabadores> g;
    std::unique_ptr<TForm2> informe;
    std::unique_ptr<TForm3> w;

    // The configuration in the order the window unlocks it.
    void configurar(const Formato& f)
    {
        clicEnRadio(w->RadioGroup1, f.tipo);
        clicEnRadio(w->RadioGroup2, f.sistemaMantisa);
        clicEnRadio(w->RadioGroup4, f.sistemaExponente);
        QVERIFY(elegir(w->ComboBox1, f.n - 2));
        QVERIFY(elegir(w->ComboBox2, f.m - 2));
        if (f.implicito >= 0)
            QVERIFY(elegir(w->ComboBox3, f.implicito));
    }

    void evaluar(const QString& mantisa, const QString& exponente)
    {
        w->Edit5->selectAll();
        teclear(w->Edit5, mantisa);
        w->Edit6->selectAll();
        teclear(w->Edit6, exponente);
        QTest::mouseClick(w->Button1, Qt::LeftButton);
    }

    // The eight range texts in the order of calcularNums: resolución mínima
    // positiva, resolución máxima positiva, máximo positivo, mínimo positivo,
    // mínimo negativo, máximo negativo, resolución mínima negativa, resolución
    // máxima negativa.
    QStringList rango() const
    {
        return {w->Edit10->text(), w->Edit9->text(), w->Edit1->text(),  w->Edit4->text(),
                w->Edit2->text(),  w->Edit3->text(), w->Edit11->text(), w->Edit8->text()};
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init()
    {
        g = std::make_unique<Grabadores>();
        informe = std::make_unique<TForm2>();
        w = std::make_unique<TForm3>(informe.get(), nullptr);
        mostrarYActivar(w.get());
    }

    void cleanup()
    {
        w.reset();
        informe.reset();
        g.reset();
    }

    void startState()
    {
        QCOMPARE(w->windowTitle(), QString("Cifral - Representación de Binario a Decimal"));
        for (LineaEdicion* e : {w->Edit5, w->Edit6}) {
            QVERIFY(e->isReadOnly());
            QCOMPARE(e->color(), colorLuz3D());
            QCOMPARE(e->toolTip(), QString("Realize primero la configuración de mantisa y exponente"));
            QVERIFY(sugerenciaActiva(e));
            QCOMPARE(e->limiteTecleo(), 0);
        }
        for (QComboBox* c : {w->ComboBox1, w->ComboBox2, w->ComboBox3}) {
            QVERIFY(!c->isEnabled());
            QCOMPARE(c->currentIndex(), -1);
        }
        QCOMPARE(w->ComboBox1->count(), 15);
        QCOMPARE(w->ComboBox2->itemText(14), QString("16 Bits"));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QCOMPARE(w->SpeedButton1->toolTip(),
                 QString("Para ver el detalle, se debe reprepresentar el número en Punto Flotante ingresado"));
        QCOMPARE(w->Label7->text(), QString("Mantisa: "));
        QCOMPARE(w->Label5->text(), QString("Número mínimo  positivo:"));
        QCOMPARE(w->Label12->text(), QString("Resolución  mínima positiva:"));
        QVERIFY(!w->GroupBox4->isEnabled());
    }

    void configurationOrder()
    {
        clicEnRadio(w->RadioGroup1, Entera);
        QVERIFY(!w->ComboBox1->isEnabled() && !w->ComboBox2->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w->Edit5);
        clicEnRadio(w->RadioGroup2, BCS);
        QVERIFY(w->ComboBox1->isEnabled());
        QVERIFY(w->Edit5->isReadOnly());
        clicEnRadio(w->RadioGroup4, CA2);
        QVERIFY(w->ComboBox2->isEnabled());
        for (LineaEdicion* e : {w->Edit5, w->Edit6}) {
            QVERIFY(!e->isReadOnly());
            QCOMPARE(e->color(), colorVentana());
            QVERIFY(!sugerenciaActiva(e));
        }
        QVERIFY(!w->ComboBox3->isEnabled());
        clicEnRadio(w->RadioGroup1, Fraccionaria);
        QCOMPARE(w->Label7->text(), QString("Mantisa Normalizada:"));
        QVERIFY(w->ComboBox3->isEnabled());
        QVERIFY(elegir(w->ComboBox3, 1));
        clicEnRadio(w->RadioGroup1, Entera);
        QCOMPARE(w->Label7->text(), QString("Mantisa:"));
        QVERIFY(!w->ComboBox3->isEnabled());
        QCOMPARE(w->ComboBox3->currentIndex(), 1); // its item stays
    }

    void exponentFirst()
    {
        clicEnRadio(w->RadioGroup4, BSS);
        QVERIFY(w->ComboBox2->isEnabled());
        QVERIFY(!w->ComboBox1->isEnabled());
        clicEnRadio(w->RadioGroup2, CA1);
        QVERIFY(!w->ComboBox1->isEnabled()); // no kind yet
        clicEnRadio(w->RadioGroup1, Fraccionaria);
        QVERIFY(w->ComboBox1->isEnabled());
        QVERIFY(!w->Edit5->isReadOnly());
    }

    void evaluations_data()
    {
        QTest::addColumn<Formato>("formato");
        QTest::addColumn<QString>("mantisa");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("valorExponente");
        QTest::addColumn<QStringList>("rango");
        const QStringList bcsCa2{"1 * (2^-4)",  "1 * (2^3)",  "7 * (2^3)",   "1 * (2^-4)",
                                 "-1 * (2^-4)", "-7 * (2^3)", "-1 * (2^-4)", "-1 * (2^3)"};
        QTest::newRow("Entera BCS -0") << Formato{Entera, 4, BCS, -1, 3, CA2} << "1000"
                                       << "011"
                                       << "-0"
                                       << "3" << bcsCa2;
        QTest::newRow("Entera BCS +0") << Formato{Entera, 4, BCS, -1, 3, CA2} << "0000"
                                       << "100"
                                       << "0"
                                       << "-4" << bcsCa2;
        QTest::newRow("Entera BCS -3") << Formato{Entera, 4, BCS, -1, 3, CA2} << "1011"
                                       << "111"
                                       << "-3"
                                       << "-1" << bcsCa2;
        QTest::newRow("Entera CA1 -0 and exponent -0")
            << Formato{Entera, 4, CA1, -1, 3, CA1} << "1111"
            << "111"
            << "-0"
            << "-0" << QStringList{"1 * (2^-3)",  "1 * (2^3)",  "7 * (2^3)",   "1 * (2^-3)",
                                   "-1 * (2^-3)", "-7 * (2^3)", "-1 * (2^-3)", "-1 * (2^3)"};
        QTest::newRow("Entera CA2 -8") << Formato{Entera, 4, CA2, -1, 2, BSS} << "1000"
                                       << "00"
                                       << "-8"
                                       << "0" << QStringList{"1 * (2^0)",  "1 * (2^3)",  "7 * (2^3)",  "1 * (2^0)",
                                                             "-1 * (2^0)", "-8 * (2^3)", "-1 * (2^0)", "-1 * (2^3)"};
        QTest::newRow("Entera BSS") << Formato{Entera, 3, BSS, -1, 2, BSS} << "101"
                                    << "11"
                                    << "5"
                                    << "3" << QStringList{"1 * (2^0)", "1 * (2^3)", "7 * (2^3)", "1 * (2^0)",
                                                          "No existe", "No existe", "No existe", "No existe"};
        QTest::newRow("exponent BCS -0") << Formato{Entera, 3, BSS, -1, 3, BCS} << "101"
                                         << "100"
                                         << "5"
                                         << "-0" << QStringList{"1 * (2^-3)", "1 * (2^3)", "7 * (2^3)", "1 * (2^-3)",
                                                                "No existe",  "No existe", "No existe", "No existe"};
        QTest::newRow("Fraccionaria CA2")
            << Formato{Fraccionaria, 4, CA2, 1, 2, BSS} << "1100"
            << "10"
            << "-0,5"
            << "2" << QStringList{"0,125 * (2^0)",   "0,125 * (2^3)",  "0,875 * (2^3)",   "0,5 * (2^0)",
                                  "-0,0625 * (2^0)", "-0,125 * (2^3)", "-0,0625 * (2^0)", "-0,0625 * (2^3)"};
        QTest::newRow("Fraccionaria BCS implicit")
            << Formato{Fraccionaria, 4, BCS, 0, 2, Exceso} << "0101"
            << "00"
            << "0,8125"
            << "-2" << QStringList{"0,0625 * (2^-2)", "0,0625 * (2^1)",  "0,9375 * (2^1)",   "0,5 * (2^-2)",
                                   "-0,5 * (2^-2)",   "-0,9375 * (2^1)", "-0,0625 * (2^-2)", "-0,0625 * (2^1)"};
        QTest::newRow("Fraccionaria Exceso")
            << Formato{Fraccionaria, 4, Exceso, 1, 2, CA2} << "1100"
            << "10"
            << "0,25"
            << "-2" << QStringList{"0,125 * (2^-2)",   "0,125 * (2^1)",  "0,875 * (2^1)",    "0,5 * (2^-2)",
                                   "-0,0625 * (2^-2)", "-0,125 * (2^1)", "-0,0625 * (2^-2)", "-0,0625 * (2^1)"};
        QTest::newRow("16 bits BSS fraction") << Formato{Fraccionaria, 16, BSS, 1, 16, CA2} << "1000000000000001"
                                              << "0111111111111111"
                                              << "0,500015258789063"
                                              << "32767"
                                              << QStringList{"1,52587890625E-5 * (2^-32768)",
                                                             "1,52587890625E-5 * (2^32767)",
                                                             "0,999984741210938 * (2^32767)",
                                                             "0,5 * (2^-32768)",
                                                             "No existe",
                                                             "No existe",
                                                             "No existe",
                                                             "No existe"};
        QTest::newRow("16 bits CA2 integer")
            << Formato{Entera, 16, CA2, -1, 16, BSS} << "1000000000000000"
            << "1111111111111111"
            << "-32768"
            << "65535" << QStringList{"1 * (2^0)",  "1 * (2^65535)",      "32767 * (2^65535)", "1 * (2^0)",
                                      "-1 * (2^0)", "-32768 * (2^65535)", "-1 * (2^0)",        "-1 * (2^65535)"};
    }

    void evaluations()
    {
        QFETCH(Formato, formato);
        QFETCH(QString, mantisa);
        QFETCH(QString, exponente);
        QFETCH(QString, valor);
        QFETCH(QString, valorExponente);
        QFETCH(QStringList, rango);
        configurar(formato);
        evaluar(mantisa, exponente);
        QVERIFY2(g->mensajes.textos.isEmpty(), qPrintable(g->mensajes.textos.join('|')));
        QCOMPARE(w->Edit12->text(), valor);
        QCOMPARE(w->Edit13->text(), valorExponente);
        QCOMPARE(this->rango(), rango);
        QVERIFY(w->SpeedButton1->isEnabled());
        QCOMPARE(w->Label22->text(), QString::number(mantisa.size()));
        QCOMPARE(w->Label23->text(), QString::number(exponente.size()));
    }

    void wrongLengthLeavesDetailEnabled()
    {
        configurar({Entera, 4, BCS, -1, 3, CA2});
        evaluar("1011", "111");
        QVERIFY(elegir(w->ComboBox1, 3)); // 5 bits
        evaluar("1010", "111");
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese la longitud de mantisa y exponente correctas"});
        QVERIFY(w->SpeedButton1->isEnabled());
        QCOMPARE(w->Edit12->text(), QString("-3"));
        // A wrong exponent length gives the same message.
        evaluar("10101", "11");
        QCOMPARE(g->mensajes.textos.size(), 2);
        QCOMPARE(g->mensajes.textos.last(), QString("Ingrese la longitud de mantisa y exponente correctas"));
    }

    void notBinary()
    {
        configurar({Entera, 4, BCS, -1, 3, CA2});
        evaluar("1021", "111");
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese números en Binario"});
        QVERIFY(!w->SpeedButton1->isEnabled());
        QCOMPARE(w->Edit12->text(), QString());
        evaluar("1011", "1a1");
        QCOMPARE(g->mensajes.textos.last(), QString("Ingrese números en Binario"));
        // A character outside ASCII counts as one character.
        w->Edit5->setText(QString::fromUtf8("10ñ1"));
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos.last(), QString("Ingrese números en Binario"));
        w->Edit5->setText(QString::fromUtf8("1ñ1"));
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos.last(), QString("Ingrese la longitud de mantisa y exponente correctas"));
    }

    // The exponent is still evaluated, and the range box is rewritten from
    // the stored mantissa limits (zeros before the first evaluation).
    void notNormalized()
    {
        configurar({Fraccionaria, 4, BCS, 1, 2, BSS});
        evaluar("1000", "11");
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese una mantisa fraccionaria normalizada"});
        QVERIFY(!w->SpeedButton1->isEnabled());
        QCOMPARE(w->Edit12->text(), QString());
        QCOMPARE(w->Edit13->text(), QString("3"));
        QCOMPARE(rango(), (QStringList{"0 * (2^0)", "0 * (2^3)", "0 * (2^3)", "0 * (2^0)", "0 * (2^0)", "0 * (2^3)",
                                       "-0 * (2^0)", "0 * (2^3)"}));
        // After a good evaluation, a bad mantissa keeps its value and limits
        // while the exponent limits follow the new exponent.
        evaluar("0100", "01");
        QCOMPARE(w->Edit12->text(), QString("0,5"));
        QVERIFY(elegir(w->ComboBox2, 1));
        evaluar("1011", "111");
        QCOMPARE(w->Edit12->text(), QString("0,5"));
        QCOMPARE(w->Edit13->text(), QString("7"));
        QCOMPARE(w->Edit1->text(), QString("0,875 * (2^7)"));
        QCOMPARE(w->limites().manMaxPos, 0.875);
    }

    void implicitBitNotChosen()
    {
        configurar({Fraccionaria, 4, CA2, -1, 2, BSS});
        // A mantissa that is not normalized gives its own message first.
        evaluar("1000", "01");
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese una mantisa fraccionaria normalizada"});
        QCOMPARE(w->Edit13->text(), QString("1"));
        evaluar("1100", "10");
        QCOMPARE(g->mensajes.textos.last(), QString("Configure el bit implícito"));
        QVERIFY(w->SpeedButton1->isEnabled());
        QCOMPARE(w->Edit12->text(), QString());
        QCOMPARE(w->Edit13->text(), QString("1")); // nothing else changes
    }

    void noExponentSystem()
    {
        // The focus reaches the exponent group by the keyboard: entries
        // unlocked, no exponent system.
        clicEnRadio(w->RadioGroup1, Entera);
        clicEnRadio(w->RadioGroup2, CA2);
        w->RadioGroup4->boton(0)->setFocus(Qt::TabFocusReason);
        QVERIFY(!w->Edit5->isReadOnly());
        QVERIFY(elegir(w->ComboBox1, 1));
        QVERIFY(elegir(w->ComboBox2, 1));
        evaluar("101", "111");
        QCOMPARE(w->Edit12->text(), QString("-3"));
        QCOMPARE(w->Edit13->text(), QString("0"));
        QCOMPARE(w->Edit1->text(), QString("3 * (2^0)"));
    }

    void noKindChosen()
    {
        clicEnRadio(w->RadioGroup2, BSS);
        clicEnRadio(w->RadioGroup4, BSS);
        w->RadioGroup1->boton(0)->setFocus(Qt::TabFocusReason);
        QVERIFY(!w->Edit5->isReadOnly());
        QVERIFY(elegir(w->ComboBox1, 0));
        QVERIFY(elegir(w->ComboBox2, 0));
        evaluar("11", "11");
        QVERIFY(g->mensajes.textos.isEmpty());
        QVERIFY(w->SpeedButton1->isEnabled());
        QCOMPARE(w->Edit12->text(), QString());
        QCOMPARE(w->Edit1->text(), QString());
    }

    void typingLimits()
    {
        clicEnRadio(w->RadioGroup1, Entera);
        clicEnRadio(w->RadioGroup2, BSS);
        clicEnRadio(w->RadioGroup4, BSS);
        // No length yet: a key locks the entry.
        teclear(w->Edit5, "1");
        QVERIFY(w->Edit5->isReadOnly());
        QCOMPARE(w->Edit5->text(), QString());
        QVERIFY(elegir(w->ComboBox1, 2));
        QCOMPARE(w->Edit5->limiteTecleo(), 4);
        QCOMPARE(w->Edit6->limiteTecleo(), 0);
        clicEnRadio(w->RadioGroup4, BSS); // entering a group unlocks again
        QVERIFY(!w->Edit5->isReadOnly());
        teclear(w->Edit5, "101101");
        QCOMPARE(w->Edit5->text(), QString("1011"));
        QVERIFY(elegir(w->ComboBox1, 0));
        QCOMPARE(w->Edit5->text(), QString("1011")); // never shortened
    }

    void detailButtonResets()
    {
        configurar({Entera, 4, BCS, -1, 3, CA2});
        evaluar("1011", "111");
        QVERIFY(w->SpeedButton1->isEnabled());
        QTest::mouseMove(w->SpeedButton1);
        QVERIFY(!w->SpeedButton1->sugerenciaActiva());
        clicEnRadio(w->RadioGroup2, CA1); // entering the group resets it
        QVERIFY(!w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QVERIFY(w->SpeedButton1->isEnabled());
        w->RadioGroup2Click(); // choosing a system alone does not
        w->habil();
        QVERIFY(w->SpeedButton1->isEnabled());
        QVERIFY(elegir(w->ComboBox2, 2));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        teclear(w->Edit6, "1");
        QVERIFY(!w->SpeedButton1->isEnabled());
    }

    void borrar()
    {
        configurar({Entera, 4, BCS, -1, 3, CA2});
        evaluar("1011", "111");
        QTest::mouseClick(w->Button2, Qt::LeftButton);
        for (QLineEdit* e : {static_cast<QLineEdit*>(w->Edit5), static_cast<QLineEdit*>(w->Edit6), w->Edit12, w->Edit13,
                             w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Edit8, w->Edit9, w->Edit10, w->Edit11})
            QCOMPARE(e->text(), QString());
        QCOMPARE(w->Label22->text(), QString("0"));
        QCOMPARE(w->Label23->text(), QString("0"));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QCOMPARE(w->RadioGroup2->itemIndex(), int(BCS));
        QCOMPARE(w->ComboBox1->currentIndex(), 2);
        QCOMPARE(w->limites().manMaxPos, 7.0);
    }

    void reportOfAnIntegerMantissa()
    {
        configurar({Entera, 4, BCS, -1, 3, CA2});
        evaluar("1011", "111");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->vista.informes.size(), 1);
        const Informe& r = g->vista.informes.last();
        const QList<QPair<QString, QString>> esperados{{"QRLabel2", "Entera"},
                                                       {"QRLabel5", "4"},
                                                       {"QRLabel25", "BCS"},
                                                       {"QRLabel9", "CA2"},
                                                       {"QRLabel26", "3"},
                                                       {"man", "1011"},
                                                       {"exp", "111"},
                                                       {"QRLabel71", "-3"},
                                                       {"QRLabel74", "-1"},
                                                       {"Res", "7 * (2^3)"},
                                                       {"QRLabel56", "7 * (2^3)"},
                                                       {"QRLabel58", "6*(2^3)"},
                                                       {"QRLabel59", "2*(2^-4)"},
                                                       {"QRLabel63", "-6*(2^3)"},
                                                       {"QRLabel64", "0*(2^-4)"},
                                                       {"manmineg", "-1"},
                                                       {"manmaxneg", "-7"},
                                                       {"manmaxpos", "7"},
                                                       {"manminpos", "1"},
                                                       {"expmaxpos", "3"},
                                                       {"expminneg", "-4"},
                                                       {"QRLabel68", "-1 * (2^-4)"},
                                                       {"QRLabel69", "-1 * (2^3)"},
                                                       {"QRLabel65", "-1 * (2^-4)"},
                                                       {"Res4", "-1 * (2^-4)"},
                                                       {"QRLabel60", "1 * (2^3)"}};
        for (const auto& [etiqueta, texto] : esperados)
            QVERIFY2(r.caption(etiqueta) == texto, qPrintable(etiqueta + ": " + r.caption(etiqueta)));
        for (const QString& e : TForm2::parteNegativa())
            QCOMPARE(r.etiqueta(e).color, QColor(Qt::black));
        QCOMPARE(r.etiqueta("QRLabel74").posicion, QPoint(376, 120)); // raised
        QCOMPARE(r.banda(), QSize(718, 1043));
    }

    void reportOfABssMantissaHidesTheNegativePart()
    {
        configurar({Fraccionaria, 4, BSS, 1, 2, BSS});
        evaluar("1010", "01");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        const Informe& r = g->vista.informes.last();
        QCOMPARE(r.caption("QRLabel2"), QString("Fraccionaria  Normalizada"));
        QCOMPARE(r.caption("manmaxneg"), QString("-999"));
        QCOMPARE(r.caption("manmineg"), QString("-1"));
        QVERIFY(r.caption("QRLabel63").startsWith("-10*(2^"));
        QVERIFY(r.caption("QRLabel64").startsWith("-10*(2^"));
        QCOMPARE(r.caption("Res3"), QString("No existe"));
        QCOMPARE(TForm2::parteNegativa().size(), 32);
        for (const QString& e : TForm2::parteNegativa())
            QCOMPARE(r.etiqueta(e).color, QColor(Qt::white));
        QCOMPARE(r.etiqueta("QRLabel49").color, QColor(Qt::black)); // covered by QRLabel67
        // Nothing of the negative part shows on the page.
        const QImage pagina = imagenInforme(r);
        const QRectF zona = rectanguloEtiqueta(r, r.etiqueta("QRLabel49"));
        for (int y = int(zona.top()); y < int(zona.bottom()); ++y)
            for (int x = int(zona.left()); x < int(zona.right()); ++x)
                QVERIFY(qGray(pagina.pixel(x, y)) > 200);
        // A second press with a signed mantissa prints it in black again.
        clicEnRadio(w->RadioGroup2, CA2);
        evaluar("0110", "01");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->vista.informes.last().etiqueta("Res3").color, QColor(Qt::black));
    }

    void reportCaptions()
    {
        // Before any kind is chosen the kind label keeps its design caption.
        w->SpeedButton1Click();
        QCOMPARE(g->vista.informes.last().caption("QRLabel2"), QString("QRLabel2"));
        QCOMPARE(g->vista.informes.last().caption("QRLabel58"), QString("0*(2^0)"));
        configurar({Fraccionaria, 4, BCS, 0, 2, BSS});
        evaluar("0101", "01");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        const Informe& r = g->vista.informes.last();
        QCOMPARE(r.caption("QRLabel2"), QString("Fraccionaria  Normalizada  con  Bit Implícito"));
        QCOMPARE(r.caption("QRLabel5"), QString("4"));       // the length entered
        QCOMPARE(r.caption("manmaxpos"), QString("0,9375")); // limits of 5 bits
        QCOMPARE(r.caption("manmineg"), QString("-0,5"));
    }

    void reportLabelsDoNotOverlap()
    {
        configurar({Fraccionaria, 16, CA2, 1, 16, BCS});
        evaluar("1100000000000001", "1111111111111111");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        const Informe& r = g->vista.informes.last();
        const auto& ls = r.etiquetas();
        for (int i = 0; i < ls.size(); ++i)
            for (int j = i + 1; j < ls.size(); ++j) {
                if (ls[i].titulo.isEmpty() || ls[j].titulo.isEmpty() || ls[j].nombre == "QRLabel67")
                    continue;
                const QRectF a = rectanguloEtiqueta(r, ls[i]), b = rectanguloEtiqueta(r, ls[j]);
                // Trailing blanks may touch the next label.
                QVERIFY2(a.intersected(b).width() < 3 || a.intersected(b).height() < 3,
                         qPrintable(ls[i].nombre + " / " + ls[j].nombre));
            }
    }

    void randomUseNeverBreaks()
    {
        for (quint32 semilla = 1; semilla <= 4; ++semilla)
            QCOMPARE(usoAlAzar(w.get(), 400, semilla), 400);
        QVERIFY(w->isVisible());
        QVERIFY(g->mensajes.textos.size() > 10); // the clicks reached the handlers
    }

    // Thousands of actions with whole texts typed now and then, the edge
    // ones among them: every result field stays empty or well formed.
    void randomUseKeepsResultsWellFormed()
    {
        const QStringList textos{"",
                                 "0",
                                 "1",
                                 "10",
                                 "01",
                                 "1000",
                                 "0111",
                                 "11010010",
                                 "10000000",
                                 "0110000000",
                                 QString(16, '1'),
                                 QString(16, '0'),
                                 "012",
                                 "ñ0",
                                 "1 0",
                                 QString(17, '1')};
        QString falla;
        auto revisar = [&] {
            if (falla.isEmpty())
                falla = resultadoMalFormado(w.get(), {"Edit5", "Edit6"});
        };
        for (quint32 semilla = 11; semilla <= 12; ++semilla)
            QCOMPARE(usoAlAzar(w.get(), 2000, semilla, textos, revisar), 2000);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        QVERIFY(!g->vista.informes.isEmpty());
    }

    void help()
    {
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(ayuda().archivo(), QString("HELP3.hlp"));
        QCOMPARE(g->visor.abiertos, QStringList{"HELP3.hlp"});
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
