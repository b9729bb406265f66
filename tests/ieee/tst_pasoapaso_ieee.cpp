// "Paso a paso" on the two IEEE converters, driven as a user does: the
// button in free space, reached by Tab and by Alt+P; the window that says
// what to do before any conversion, follows every conversion with the
// fields as the converter shows them, ends with the message of a conversion
// that stopped, forgets the working on "Borrar" and closes with its
// converter.
#include "Apoyo.h"

#include "ieee/Unit5.h"
#include "ieee/Unit5Rep.h"
#include "ieee/Unit6.h"
#include "ieee/Urep6.h"
#include "shell/PasoAPaso.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>

#include <functional>

using namespace cifral;
using namespace prueba;

namespace {

// One converter as these tests drive it.
struct Conversor {
    QString nombre;
    VentanaConversor* ventana;
    std::function<PasoAPasoDeConversor*()> pasos;
    std::function<QPushButton*()> boton;
    // Two conversions that succeed and one that ends with a message.
    std::function<void()> convertirUno, convertirOtro, convertirMal;
    QString mensaje;
    std::function<void()> borrar;
    // The result fields as the window shows them.
    std::function<QStringList()> campos;
};

} // namespace

class TestPasoAPasoIEEE : public QObject {
    Q_OBJECT

    std::unique_ptr<Grabadores> g;
    std::unique_ptr<TForm5Rep> informe5;
    std::unique_ptr<TForm6Rep> informe6;
    std::unique_ptr<TForm5> w5;
    std::unique_ptr<TForm6> w6;

    static void escribir(LineaEdicion* e, const QString& texto)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        teclearCaracteres(e, texto);
    }

    void convertir5(int modo, const QString& numero, const QString& potencia = {})
    {
        clicEnRadio(w5->RadioGroup1, modo);
        escribir(modo == TForm5::Entero ? w5->Edit1 : w5->Edit2, numero);
        if (modo == TForm5::Decimal)
            escribir(w5->Edit3, potencia);
        QTest::mouseClick(w5->SpeedButton1, Qt::LeftButton);
    }

    void convertir6(int signo, const QString& exponente, const QString& fraccion)
    {
        QVERIFY(elegir(w6->ComboBox1, signo));
        escribir(w6->Edit2, exponente);
        escribir(w6->Edit1, fraccion);
        QTest::mouseClick(w6->SpeedButton1, Qt::LeftButton);
    }

    QList<Conversor> conversores()
    {
        TForm5* v5 = w5.get();
        TForm6* v6 = w6.get();
        return {
            {"Decimal a IEEE 754", v5, [v5] { return v5->pasos(); }, [v5] { return v5->BotonPasoAPaso; },
             [this] { convertir5(TForm5::Entero, "0,1"); }, [this] { convertir5(TForm5::Decimal, "-3", "2"); },
             [this] { convertir5(TForm5::Decimal, "2", "38"); }, "Floating point overflow",
             [v5] { QTest::mouseClick(v5->SpeedButton4, Qt::LeftButton); },
             [v5] {
                 return QStringList{v5->StaticText4->text(), v5->stexpo->text(), v5->StaticText8->text(),
                                    v5->EA->text(), v5->ER->text()};
             }},
            {"IEEE 754 a Decimal", v6, [v6] { return v6->pasos(); }, [v6] { return v6->BotonPasoAPaso; },
             [this] { convertir6(0, "01111011", "10011001100110011001101"); },
             [this] { convertir6(1, "00000000", "10000000000000000000000"); },
             [this] { convertir6(0, "0111111a", QString(23, '0')); }, "Ingrese números en binario",
             [v6] { QTest::mouseClick(v6->SpeedButton4, Qt::LeftButton); },
             [v6] {
                 return QStringList{v6->Edit3->text(), v6->Edit4->text(), v6->Label10->text()};
             }},
        };
    }

    static QString trabajo(const Conversor& c) { return c.pasos()->ventana()->PasoAPaso->toPlainText(); }

    // Every field, as the window shows it, is in the working's text.
    static QStringList faltantes(const Conversor& c)
    {
        QStringList r;
        for (const QString& campo : c.campos())
            if (!campo.isEmpty() && !trabajo(c).contains(campo))
                r << campo;
        return r;
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init()
    {
        g = std::make_unique<Grabadores>();
        informe5 = std::make_unique<TForm5Rep>();
        informe6 = std::make_unique<TForm6Rep>();
        w5 = std::make_unique<TForm5>(informe5.get(), nullptr);
        w6 = std::make_unique<TForm6>(informe6.get(), nullptr);
    }

    void cleanup()
    {
        w5.reset();
        w6.reset();
        informe5.reset();
        informe6.reset();
        g.reset();
    }

    void indicationBeforeAnyConversion()
    {
        for (const Conversor& c : conversores()) {
            mostrarYActivar(c.ventana);
            QVERIFY(c.pasos()->ventana() == nullptr);
            QTest::mouseClick(c.boton(), Qt::LeftButton);
            TFormPasoAPaso* v = c.pasos()->ventana();
            QVERIFY(v != nullptr && v->isVisible());
            QCOMPARE(v->windowTitle(), "Paso a paso — " + c.nombre);
            QVERIFY(!v->tieneTrabajo());
            QVERIFY(trabajo(c).contains("pulse «Convertir»"));
            QVERIFY(!trabajo(c).contains(QRegularExpression("[01]{8}")));
            c.ventana->hide();
        }
    }

    // Open, the window shows each conversion as it is made; opened after
    // one, it shows it at once; "Borrar" takes it back to the indication.
    void followsEveryConversion()
    {
        for (const Conversor& c : conversores()) {
            mostrarYActivar(c.ventana);
            c.convertirUno();
            const QStringList primeros = c.campos();
            QTest::mouseClick(c.boton(), Qt::LeftButton);
            QVERIFY(c.pasos()->ventana()->tieneTrabajo());
            QVERIFY2(faltantes(c).isEmpty(), qPrintable(c.nombre + ": " + faltantes(c).join(" | ")));

            c.convertirOtro();
            QVERIFY(c.campos() != primeros);
            QVERIFY2(faltantes(c).isEmpty(), qPrintable(c.nombre + ": " + faltantes(c).join(" | ")));
            QVERIFY(!trabajo(c).contains(primeros[1]));

            c.borrar();
            QVERIFY(!c.pasos()->ventana()->tieneTrabajo());
            c.ventana->hide();
        }
    }

    void messageEndsTheWorking()
    {
        for (const Conversor& c : conversores()) {
            mostrarYActivar(c.ventana);
            QTest::mouseClick(c.boton(), Qt::LeftButton);
            c.convertirMal();
            QCOMPARE(g->mensajes.textos.last(), c.mensaje);
            QVERIFY2(trabajo(c).trimmed().endsWith("Mensaje: «" + c.mensaje + "»"), qPrintable(trabajo(c)));
            c.ventana->hide();
        }
    }

    void closesWithItsConverter()
    {
        for (const Conversor& c : conversores()) {
            mostrarYActivar(c.ventana);
            QTest::mouseClick(c.boton(), Qt::LeftButton);
            QVERIFY(c.pasos()->ventana()->isVisible());
            c.ventana->hide();
            QVERIFY(c.pasos()->ventana() == nullptr || !c.pasos()->ventana()->isVisible());
        }
    }

    // The button covers no other control and its text fits; Tab reaches it
    // and Space presses it; Alt+P opens the window from anywhere in the
    // converter.
    void buttonInFreeSpaceByTabAndAltP()
    {
        for (const Conversor& c : conversores()) {
            mostrarYActivar(c.ventana);
            QPushButton* b = c.boton();

            // The shortcut presses the button as a click does, released a
            // moment later.
            QTest::keyClick(c.ventana, Qt::Key_P, Qt::AltModifier);
            QTRY_VERIFY(c.pasos()->ventana() != nullptr && c.pasos()->ventana()->isVisible());
            c.pasos()->ventana()->close();
            mostrarYActivar(c.ventana);

            comprobarBotonAgregado(c.ventana, b, QApplication::focusWidget());
            QTest::keyClick(b, Qt::Key_Space);
            QVERIFY(c.pasos()->ventana()->isVisible());
            c.ventana->hide();
        }
    }

    // With CIFRAL_CAPTURAS set to a folder, the two windows after a typical
    // conversion are saved there as pictures, to be looked at.
    void pictures()
    {
        const QString carpeta = qEnvironmentVariable("CIFRAL_CAPTURAS");
        if (carpeta.isEmpty())
            QSKIP("CIFRAL_CAPTURAS not set");
        for (const Conversor& c : conversores()) {
            mostrarYActivar(c.ventana);
            c.convertirUno();
            QTest::mouseClick(c.boton(), Qt::LeftButton);
            TFormPasoAPaso* v = c.pasos()->ventana();
            v->resize(600, 640);
            QTest::qWait(50);
            const QString base = carpeta + "/" + c.nombre.toLower().replace(' ', '-');
            QVERIFY(c.ventana->grab().save(base + "-conversor.png"));
            QVERIFY(v->grab().save(base + "-paso.png"));
            // And the rest of the working, a page at a time.
            QScrollBar* barra = v->PasoAPaso->verticalScrollBar();
            for (int pagina = 1; barra->value() < barra->maximum(); ++pagina) {
                barra->setValue(barra->value() + barra->pageStep());
                QVERIFY(v->grab().save(base + QString("-paso-%1.png").arg(pagina)));
            }
            c.ventana->hide();
        }
    }
};

QTEST_MAIN(TestPasoAPasoIEEE)
#include "tst_pasoapaso_ieee.moc"
