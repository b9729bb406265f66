// The "Paso a paso" window of the addition and subtraction window, driven as
// a user does: it follows "Sumar" and "Restar", shows the messages of an
// operation that stops, goes back to its indication with "Borrar", and
// closes with the converter; its button takes free space of the window and
// is reached from the keyboard.
#include "VentanaSuma.h"

#include "shell/PasoAPaso.h"

#include <QTextBrowser>

using namespace cifral;
using namespace prueba;

namespace {

const Formato bss8{BSS, 0, Entera, BSS, 0};
const Formato fraccionCA2{CA2, 0, Fraccionaria, CA1, 0};

} // namespace

class TestPasoAPasoSuma : public QObject, VentanaSuma {
    Q_OBJECT

    QPushButton* boton() const { return control<QPushButton>(w.get(), "BotonPasoAPaso"); }
    TFormPasoAPaso* paso() const { return w->pasos()->ventana(); }
    QString trabajo() const { return control<QTextBrowser>(paso(), "PasoAPaso")->toPlainText(); }

    void abrirPaso()
    {
        QTest::mouseClick(boton(), Qt::LeftButton);
        QVERIFY(paso() != nullptr);
        QVERIFY(paso()->isVisible());
    }

    // A picture of both windows, for whoever looks at them.
    void capturar(const QString& nombre)
    {
        const QString carpeta = qEnvironmentVariable("CIFRAL_CAPTURAS_SUMA");
        if (carpeta.isEmpty())
            return;
        w->grab().save(carpeta + "/" + nombre + "-ventana.png");
        if (paso() == nullptr)
            return;
        paso()->grab().save(carpeta + "/" + nombre + "-paso.png");
        // And the whole working at once.
        const QSize antes = paso()->size();
        paso()->resize(antes.width() + 140, 2600);
        paso()->grab().save(carpeta + "/" + nombre + "-paso-entero.png");
        paso()->resize(antes);
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init() { abrir(); }
    void cleanup() { cerrar(); }

    // Before any operation the window only says what to do.
    void antesDeOperar()
    {
        abrirPaso();
        QCOMPARE(paso()->windowTitle(), QString("Paso a paso \u2014 Suma y Resta"));
        QVERIFY(!paso()->tieneTrabajo());
        QVERIFY(trabajo().contains("«Sumar» o «Restar»"));
        QVERIFY(!trabajo().contains(QRegularExpression("[0-9]")));
    }

    // Open, the working follows every press of "Sumar" and "Restar", with
    // the result fields as the window shows them; "Borrar" takes it back to
    // the indication.
    void sigueLasOperaciones_data()
    {
        QTest::addColumn<Formato>("formato");
        QTest::addColumn<QStringList>("primera");
        QTest::addColumn<QStringList>("segunda");
        QTest::newRow("entera BSS") << bss8 << QStringList{"00000100", "00000011", "00000010", "00000001"}
                                    << QStringList{"00000101", "00000010", "00000011", "00000010"};
        QTest::newRow("fraccionaria CA2") << fraccionCA2 << QStringList{"11000000", "00000001", "00100000", "11111110"}
                                          << QStringList{"01000000", "00000000", "11100000", "00000000"};
    }

    void sigueLasOperaciones()
    {
        QFETCH(Formato, formato);
        QFETCH(QStringList, primera);
        QFETCH(QStringList, segunda);
        configurar(formato);
        escribir(primera);
        abrirPaso();
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QVERIFY(paso()->tieneTrabajo());
        QVERIFY(!w->Edit5->text().isEmpty());
        QVERIFY(trabajo().startsWith("Suma de dos números"));
        QVERIFY(trabajo().contains(w->Edit5->text()));
        QVERIFY(trabajo().contains(w->Edit6->text()));
        capturar(QTest::currentDataTag());

        escribir(segunda);
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        QVERIFY(trabajo().startsWith("Resta de dos números"));
        const QString resultado =
            QString("La ventana muestra la mantisa %1 y el exponente %2.").arg(w->Edit5->text(), w->Edit6->text());
        QVERIFY2(trabajo().contains(resultado), qPrintable(trabajo()));
        QVERIFY(g->mensajes.textos.isEmpty());

        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QVERIFY(!paso()->tieneTrabajo());
        QVERIFY(!trabajo().contains(QRegularExpression("[0-9]")));
    }

    // An operation that stops ends its working with the message the window
    // showed; so does one whose texts are not bit strings.
    void terminaConElMensaje()
    {
        configurar(bss8);
        escribir({"01000000", "00000010", "00000001", "00000000"});
        abrirPaso();
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos, QStringList{"No se pudieron igualar los exponentes"});
        QVERIFY(trabajo().contains("Mensaje: «No se pudieron igualar los exponentes»"));
        QVERIFY(w->Edit5->text().isEmpty());
        capturar("mensaje");

        escribir({"0000000a", "00000010", "00000001", "00000000"});
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos.last(), QString("Ingrese números en Binario"));
        QVERIFY(trabajo().contains("Mensaje: «Ingrese números en Binario»"));
    }

    // Opened after an operation, the window shows it at once; it prints
    // through the preview; closing the converter closes it.
    void abiertaDespuesYCerrada()
    {
        configurar(bss8);
        escribir({"00000011", "00000010", "00000101", "00000010"});
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QVERIFY(paso() == nullptr);
        QTest::keyClick(w.get(), Qt::Key_P, Qt::AltModifier);
        // A shortcut presses the button a moment later.
        QTRY_VERIFY(paso() != nullptr && paso()->isVisible());
        QVERIFY(trabajo().contains("00001000"));
        QTest::mouseClick(paso()->Imprimir, Qt::LeftButton);
        QCOMPARE(g->vista.documentos.size(), 1);
        QVERIFY(g->vista.documentos.first().contains("00001000"));
        w->hide();
        QVERIFY(!paso()->isVisible());
    }

    // The button covers no other control, stays inside the window, which
    // keeps its size, and Tab reaches it.
    void lugarDelBoton()
    {
        QCOMPARE(w->size(), QSize(550, 367));
        comprobarBotonAgregado(w.get(), boton(), w->RadioGroup3->boton(0));
    }
};

QTEST_MAIN(TestPasoAPasoSuma)
#include "tst_pasoapaso_suma.moc"
