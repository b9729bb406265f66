// "Paso a paso" on the two floating-point converters, driven as a user does:
// the button and Alt+P open the working, which follows every press of the
// conversion button, ends with the messages the window showed in their
// order, goes back to its indication on "Borrar" and closes with the
// converter.
#include "Apoyo.h"

#include "floating/Unit3.h"
#include "floating/Unit4.h"
#include "shell/PasoAPaso.h"

#include <QDir>
#include <QTextBrowser>

using namespace cifral;
using namespace prueba;

class TestPasoAPasoFlotante : public QObject {
    Q_OBJECT

    std::unique_ptr<Programa> programa;
    VentanaConversor* w = nullptr;
    bool es3 = true;

    void abrirConversor(const QString& cual)
    {
        es3 = cual == QLatin1String("binario");
        w = es3 ? static_cast<VentanaConversor*>(programa->formularios.Form3)
                : static_cast<VentanaConversor*>(programa->formularios.Form4);
        mostrarYActivar(w);
    }

    TForm3* f3() const { return programa->formularios.Form3; }
    TForm4* f4() const { return programa->formularios.Form4; }
    QPushButton* boton() const { return control<QPushButton>(w, "BotonPasoAPaso"); }
    PasoAPasoDeConversor* pasos() const { return w->findChild<PasoAPasoDeConversor*>(); }
    TFormPasoAPaso* ventana() const { return pasos()->ventana(); }
    QString trabajo() const { return ventana()->PasoAPaso->toPlainText(); }
    QStringList mensajes() const { return programa->grabadores.mensajes.textos; }

    // Every field the window writes after a conversion.
    QStringList resultados() const
    {
        QStringList r;
        const QList<QLineEdit*> campos =
            es3 ? QList<QLineEdit*>{f3()->Edit12, f3()->Edit13, f3()->Edit1, f3()->Edit2,  f3()->Edit3,
                                    f3()->Edit4,  f3()->Edit8,  f3()->Edit9, f3()->Edit10, f3()->Edit11}
                : QList<QLineEdit*>{f4()->Edit5, f4()->Edit6, f4()->Edit12, f4()->Edit13, f4()->Edit1,  f4()->Edit2,
                                    f4()->Edit3, f4()->Edit4, f4()->Edit8,  f4()->Edit9,  f4()->Edit10, f4()->Edit11};
        for (QLineEdit* e : campos)
            r << e->text();
        return r;
    }

    // The layout in the order the window unlocks it: kind, mantissa system,
    // exponent system, lengths (items), implicit bit (-1 leaves it out).
    void configurar(int tipo, int sm, int se, int itemN, int itemE, int implicito)
    {
        RadioGroup* g1 = control<RadioGroup>(w, "RadioGroup1");
        clicEnRadio(g1, tipo);
        clicEnRadio(control<RadioGroup>(w, "RadioGroup2"), sm);
        clicEnRadio(control<RadioGroup>(w, "RadioGroup4"), se);
        clicEnRadio(g1, tipo); // entered again with the other two chosen
        QVERIFY(elegir(control<QComboBox>(w, "ComboBox1"), itemN));
        QVERIFY(elegir(control<QComboBox>(w, "ComboBox2"), itemE));
        if (implicito >= 0)
            QVERIFY(elegir(control<QComboBox>(w, "ComboBox3"), implicito));
    }

    void escribir(const char* nombre, const QString& texto)
    {
        QLineEdit* e = control<QLineEdit>(w, nombre);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        teclear(e, texto);
    }

    // Binary to decimal: mantissa and exponent; decimal: the number.
    void convertir(const QString& primero, const QString& segundo = {})
    {
        if (es3) {
            escribir("Edit5", primero);
            escribir("Edit6", segundo);
        } else {
            escribir("Edit7", primero);
        }
        QTest::mouseClick(control<QPushButton>(w, "Button1"), Qt::LeftButton);
    }

    void verMuestra(const QString& nombre, QWidget* v)
    {
        const QString carpeta = qEnvironmentVariable("CIFRAL_CAPTURAS_PASO");
        if (!carpeta.isEmpty())
            QVERIFY(v->grab().save(QDir(carpeta).filePath(nombre + QStringLiteral(".png"))));
    }

private slots:
    void initTestCase() { prepararAplicacion(); }
    void init() { programa = std::make_unique<Programa>(); }
    void cleanup() { programa.reset(); }

    void beforeAnyConversion_data()
    {
        QTest::addColumn<QString>("cual");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("boton");
        QTest::newRow("binario a decimal") << "binario"
                                           << "Paso a paso — Binario a Decimal"
                                           << "«Representar a Decimal»";
        QTest::newRow("decimal a punto flotante") << "decimal"
                                                  << "Paso a paso — Decimal a Punto Flotante"
                                                  << "«Representar a Punto Flotante»";
    }

    void beforeAnyConversion()
    {
        QFETCH(QString, cual);
        QFETCH(QString, titulo);
        QFETCH(QString, boton);
        abrirConversor(cual);
        QVERIFY(pasos()->ventana() == nullptr);
        QTest::mouseClick(this->boton(), Qt::LeftButton);
        QVERIFY(ventana() != nullptr && ventana()->isVisible());
        QCOMPARE(ventana()->windowTitle(), titulo);
        QVERIFY(!ventana()->tieneTrabajo());
        QVERIFY(trabajo().contains(boton));
        QVERIFY2(!trabajo().contains(QRegularExpression(QStringLiteral("[0-9]"))), qPrintable(trabajo()));
        QVERIFY(QApplication::focusWidget() != this->boton());
    }

    // With the working open, each press replaces it, and every field the
    // window wrote is in it as written.
    void followsEveryConversion_data()
    {
        QTest::addColumn<QString>("cual");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("sm");
        QTest::addColumn<int>("se");
        QTest::addColumn<int>("itemN");
        QTest::addColumn<int>("itemE");
        QTest::addColumn<int>("implicito");
        QTest::addColumn<QStringList>("entradas"); // pairs for binary to decimal
        QTest::newRow("binario, entera BCS")
            << "binario" << 0 << 1 << 3 << 2 << 1 << -1 << QStringList{"1000", "011", "0111", "100"};
        QTest::newRow("binario, fraccionaria CA2 con bit implícito")
            << "binario" << 1 << 3 << 4 << 6 << 2 << 0 << QStringList{"11000000", "1010", "01100000", "0001"};
        QTest::newRow("decimal, entera") << "decimal" << 0 << 1 << 3 << 0 << 0 << -1 << QStringList{"3,3", "1000"};
        QTest::newRow("decimal, fraccionaria")
            << "decimal" << 1 << 3 << 4 << 1 << 0 << 1 << QStringList{"-5,5", "1234,5678"};
    }

    void followsEveryConversion()
    {
        QFETCH(QString, cual);
        QFETCH(int, tipo);
        QFETCH(int, sm);
        QFETCH(int, se);
        QFETCH(int, itemN);
        QFETCH(int, itemE);
        QFETCH(int, implicito);
        QFETCH(QStringList, entradas);
        abrirConversor(cual);
        configurar(tipo, sm, se, itemN, itemE, implicito);
        QTest::mouseClick(boton(), Qt::LeftButton);
        mostrarYActivar(w);
        const int paso = es3 ? 2 : 1;
        for (int i = 0; i < entradas.size(); i += paso) {
            convertir(entradas[i], es3 ? entradas[i + 1] : QString());
            QCOMPARE(mensajes(), QStringList());
            QVERIFY(ventana()->tieneTrabajo());
            QVERIFY2(trabajo().contains(entradas[i]), qPrintable(trabajo()));
            for (const QString& r : resultados())
                QVERIFY2(!r.isEmpty() && pasos()->ultimo()->contieneCifra(r.toStdString()) && trabajo().contains(r),
                         qPrintable(r + "\n" + trabajo()));
        }
        verMuestra(QStringLiteral("%1-%2").arg(cual).arg(QTest::currentDataTag()).replace(' ', '-'), ventana());
        verMuestra(QStringLiteral("ventana-%1").arg(QTest::currentDataTag()).replace(' ', '-'), w);
    }

    // A press that shows messages has them in its working, in the order the
    // window showed them, each as shown.
    void showsTheMessagesInOrder_data()
    {
        QTest::addColumn<QString>("cual");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("sm");
        QTest::addColumn<int>("implicito");
        QTest::addColumn<QString>("primero");
        QTest::addColumn<QString>("segundo");
        QTest::newRow("binario, no binario") << "binario" << 0 << 1 << -1 << "1021"
                                             << "01";
        QTest::newRow("binario, no normalizada") << "binario" << 1 << 1 << 1 << "1000"
                                                 << "01";
        QTest::newRow("binario, sin bit implícito") << "binario" << 1 << 1 << -1 << "0100"
                                                    << "01";
        QTest::newRow("decimal, cerca de 1 en BSS") << "decimal" << 1 << 0 << 1 << "0,999" << QString();
        QTest::newRow("decimal, menos cero en CA1") << "decimal" << 0 << 2 << -1 << "-0" << QString();
        QTest::newRow("decimal, un guion") << "decimal" << 0 << 1 << -1 << "-" << QString();
        QTest::newRow("decimal, bit implícito no normalizado") << "decimal" << 1 << 2 << 0 << "-0,75" << QString();
    }

    void showsTheMessagesInOrder()
    {
        QFETCH(QString, cual);
        QFETCH(int, tipo);
        QFETCH(int, sm);
        QFETCH(int, implicito);
        QFETCH(QString, primero);
        QFETCH(QString, segundo);
        abrirConversor(cual);
        configurar(tipo, sm, 3, es3 ? 2 : 0, 0, implicito);
        QTest::mouseClick(boton(), Qt::LeftButton);
        mostrarYActivar(w);
        convertir(primero, segundo);
        QVERIFY(!mensajes().isEmpty());
        QStringList enElTrabajo;
        for (const std::string& m : pasos()->ultimo()->mensajes())
            enElTrabajo << QString::fromStdString(m);
        QCOMPARE(enElTrabajo, mensajes());
        for (const QString& m : mensajes())
            QVERIFY2(trabajo().contains(QStringLiteral("«%1»").arg(m)), qPrintable(trabajo()));
    }

    // Pressed before any configuration: the decimal window's two messages.
    void unconfiguredDecimal()
    {
        abrirConversor(QStringLiteral("decimal"));
        QTest::mouseClick(f4()->Button1, Qt::LeftButton);
        // The shortcut presses the button as a click does, released a moment
        // later.
        QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(pasos()->ventana() != nullptr && ventana()->tieneTrabajo());
        QCOMPARE(mensajes(), (QStringList{"Realize la configuración", "Ingrese longitud de exponente correctas"}));
        QVERIFY(trabajo().contains(QStringLiteral("«Ingrese longitud de exponente correctas»")));
    }

    // Opened after a conversion, by Alt+P, it shows that conversion at once;
    // "Borrar" takes it back to the indication.
    void openedLaterAndCleared_data()
    {
        QTest::addColumn<QString>("cual");
        QTest::newRow("binario") << "binario";
        QTest::newRow("decimal") << "decimal";
    }

    void openedLaterAndCleared()
    {
        QFETCH(QString, cual);
        abrirConversor(cual);
        configurar(0, 3, 3, es3 ? 6 : 0, es3 ? 6 : 0, -1);
        convertir(es3 ? QStringLiteral("10000001") : QStringLiteral("-3,75"), QStringLiteral("11111110"));
        QVERIFY(pasos()->ventana() == nullptr);
        QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(pasos()->ventana() != nullptr && ventana()->isVisible());
        const QString primero = resultados().first();
        QVERIFY2(trabajo().contains(primero), qPrintable(primero));
        mostrarYActivar(w);
        QTest::mouseClick(control<QAbstractButton>(w, es3 ? "Button2" : "SpeedButton1"), Qt::LeftButton);
        QVERIFY(!ventana()->tieneTrabajo());
        QVERIFY(!trabajo().contains(QRegularExpression(QStringLiteral("[0-9]"))));
    }

    void closesWithTheConverter_data() { openedLaterAndCleared_data(); }

    void closesWithTheConverter()
    {
        QFETCH(QString, cual);
        abrirConversor(cual);
        QTest::mouseClick(boton(), Qt::LeftButton);
        QVERIFY(ventana()->isVisible());
        w->close();
        QVERIFY(!ventana()->isVisible());
    }

    // The button sits in free space of the window, shows its caption whole
    // and is reached by Tab.
    void buttonInFreeSpace_data() { openedLaterAndCleared_data(); }

    void buttonInFreeSpace()
    {
        QFETCH(QString, cual);
        abrirConversor(cual);
        QPushButton* b = boton();
        comprobarBotonAgregado(w, b, control<QWidget>(w, "Button1"));
        QTest::keyClick(b, Qt::Key_Space);
        QVERIFY(ventana() != nullptr && ventana()->isVisible());
    }
};

QTEST_MAIN(TestPasoAPasoFlotante)
#include "tst_pasoapaso_flotante.moc"
