// "Paso a paso" on the two fixed-point converters, driven as a user does:
// the button and Alt+P open the working, which follows every "Convertir",
// ends with the message the window showed, goes back to its indication on
// "Borrar" and closes with the converter.
#include "Apoyo.h"

#include "fixed/UnitDos.h"
#include "fixed/UnitUno.h"
#include "shell/PasoAPaso.h"

#include <QDir>
#include <QTextBrowser>

using namespace cifral;
using namespace prueba;

class TestPasoAPasoFijo : public QObject {
    Q_OBJECT

    std::unique_ptr<Programa> programa;
    VentanaConversor* w = nullptr;
    bool esUno = true;

    // The window of the row: "uno" (binary to integer) or "dos".
    void abrirConversor(const QString& cual)
    {
        esUno = cual == QLatin1String("uno");
        w = esUno ? static_cast<VentanaConversor*>(programa->formularios.FormUno)
                  : static_cast<VentanaConversor*>(programa->formularios.FormDos);
        mostrarYActivar(w);
    }

    QPushButton* boton() const { return control<QPushButton>(w, "BotonPasoAPaso"); }
    QLineEdit* campo(const char* nombre) const { return control<QLineEdit>(w, nombre); }
    PasoAPasoDeConversor* pasos() const { return w->findChild<PasoAPasoDeConversor*>(); }
    TFormPasoAPaso* ventana() const { return pasos()->ventana(); }
    QString trabajo() const { return ventana()->PasoAPaso->toPlainText(); }

    // The integer or bit string and the six range and limit fields.
    QStringList resultados() const
    {
        const QList<const char*> nombres =
            esUno ? QList<const char*>{"Edit2", "Edit11", "Edit12", "Edit7", "Edit8", "Edit9", "Edit10"}
                  : QList<const char*>{"Edit2", "Edit11", "Edit12", "Edit3", "Edit4", "Edit5", "Edit6"};
        QStringList r;
        for (const char* n : nombres)
            r << campo(n)->text();
        return r;
    }

    void convertir(int sistema, int bits, const QString& entrada)
    {
        clicEnRadio(control<RadioGroup>(w, "RadioGroup1"), sistema);
        QVERIFY(elegir(control<QComboBox>(w, "ComboBox1"), esUno ? bits - 2 : (bits == 8 ? 0 : bits == 16 ? 1 : 2)));
        QLineEdit* e = campo("Edit1");
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        teclear(e, entrada);
        QCOMPARE(e->text(), entrada);
        QTest::mouseClick(control<QPushButton>(w, "Button1"), Qt::LeftButton);
    }

    void verMuestra(const QString& nombre, QWidget* v)
    {
        const QString carpeta = qEnvironmentVariable("CIFRAL_CAPTURAS_PASO");
        if (carpeta.isEmpty())
            return;
        QTest::qWait(50); // laid out and painted as shown
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
        QTest::newRow("binario a entero") << "uno"
                                          << "Paso a paso — Binario a Entero";
        QTest::newRow("entero a binario") << "dos"
                                          << "Paso a paso — Entero a Binario";
    }

    void beforeAnyConversion()
    {
        QFETCH(QString, cual);
        QFETCH(QString, titulo);
        abrirConversor(cual);
        QVERIFY(pasos()->ventana() == nullptr);
        QTest::mouseClick(boton(), Qt::LeftButton);
        QVERIFY(ventana() != nullptr && ventana()->isVisible());
        // The keyboard stays in the converter, to go on converting.
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), w);
        QCOMPARE(ventana()->windowTitle(), titulo);
        QVERIFY(!ventana()->tieneTrabajo());
        QVERIFY(trabajo().contains(QStringLiteral("«Convertir»")));
        QVERIFY2(!trabajo().contains(QRegularExpression(QStringLiteral("[0-9]"))), qPrintable(trabajo()));
        // A click leaves the focus where it was.
        QVERIFY(QApplication::focusWidget() != boton());
    }

    // With the working open, each conversion replaces it, and every field
    // the window wrote is in it as written.
    void followsEveryConversion_data()
    {
        QTest::addColumn<QString>("cual");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("primera");
        QTest::addColumn<QString>("segunda");
        QTest::newRow("binario a entero, CA2") << "uno" << 3 << 8 << "01111111"
                                               << "11011000";
        QTest::newRow("binario a entero, BCS -0") << "uno" << 1 << 4 << "1000"
                                                  << "0111";
        QTest::newRow("binario a entero, BSS 32") << "uno" << 0 << 32 << QString(32, '1') << QString(32, '0');
        QTest::newRow("entero a binario, CA2") << "dos" << 3 << 8 << "-37"
                                               << "100";
        QTest::newRow("entero a binario, Exceso") << "dos" << 4 << 16 << "-999"
                                                  << "0";
        QTest::newRow("entero a binario, CA1 -0") << "dos" << 2 << 32 << "-0"
                                                  << "12345";
    }

    void followsEveryConversion()
    {
        QFETCH(QString, cual);
        QFETCH(int, sistema);
        QFETCH(int, bits);
        QFETCH(QString, primera);
        QFETCH(QString, segunda);
        abrirConversor(cual);
        QTest::mouseClick(boton(), Qt::LeftButton);
        for (const QString& entrada : {primera, segunda}) {
            convertir(sistema, bits, entrada);
            QVERIFY(programa->grabadores.mensajes.textos.isEmpty());
            QVERIFY(ventana()->tieneTrabajo());
            const QStringList r = resultados();
            QVERIFY2(trabajo().contains(QStringLiteral("La ventana muestra %1.").arg(r.first())),
                     qPrintable(trabajo()));
            QVERIFY2(trabajo().contains(entrada), qPrintable(trabajo()));
            for (const QString& cifra : r)
                QVERIFY2(!cifra.isEmpty() && trabajo().contains(cifra), qPrintable(cifra));
        }
        verMuestra(QStringLiteral("%1-%2").arg(cual).arg(QTest::currentDataTag()), ventana());
    }

    // A conversion that stops with a message shows the working up to the
    // message; a refused number keeps it, though the window clears its
    // fields as "Borrar" does.
    void endsWithTheMessageShown_data()
    {
        QTest::addColumn<QString>("cual");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("entrada");
        QTest::newRow("binario a entero, short") << "uno" << 3 << 8 << "0101";
        QTest::newRow("binario a entero, not a bit") << "uno" << 0 << 4 << "0102";
        QTest::newRow("entero a binario, range") << "dos" << 0 << 8 << "300";
        QTest::newRow("entero a binario, not a number") << "dos" << 1 << 8 << "5-";
        QTest::newRow("entero a binario, lone minus") << "dos" << 1 << 8 << "-";
        QTest::newRow("entero a binario, -0 in CA2") << "dos" << 3 << 8 << "-0";
        QTest::newRow("entero a binario, -0 in BSS") << "dos" << 0 << 16 << "-00";
    }

    void endsWithTheMessageShown()
    {
        QFETCH(QString, cual);
        QFETCH(int, sistema);
        QFETCH(int, bits);
        QFETCH(QString, entrada);
        abrirConversor(cual);
        QTest::mouseClick(boton(), Qt::LeftButton);
        convertir(sistema, bits, entrada);
        QCOMPARE(programa->grabadores.mensajes.textos.size(), 1);
        QVERIFY(ventana()->tieneTrabajo());
        const QString mensaje = programa->grabadores.mensajes.textos.first();
        QVERIFY2(trabajo().contains(QStringLiteral("Mensaje: «%1»").arg(mensaje)), qPrintable(trabajo()));
        QCOMPARE(QString::fromStdString(pasos()->ultimo()->mensajes().back()), mensaje);
    }

    // Opened after a conversion, by Alt+P, it shows that conversion at once;
    // "Borrar" takes it back to the indication.
    void openedLaterAndCleared_data()
    {
        QTest::addColumn<QString>("cual");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("entrada");
        QTest::newRow("binario a entero") << "uno" << 4 << 4 << "0000";
        QTest::newRow("entero a binario") << "dos" << 2 << 8 << "-5";
    }

    void openedLaterAndCleared()
    {
        QFETCH(QString, cual);
        QFETCH(int, sistema);
        QFETCH(int, bits);
        QFETCH(QString, entrada);
        abrirConversor(cual);
        convertir(sistema, bits, entrada);
        QVERIFY(pasos()->ventana() == nullptr);
        QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
        // A shortcut presses the button as a click would, a moment later.
        QTRY_VERIFY(ventana() != nullptr && ventana()->isVisible());
        QVERIFY(trabajo().contains(QStringLiteral("La ventana muestra %1.").arg(campo("Edit2")->text())));
        mostrarYActivar(w);
        QTest::mouseClick(control<QPushButton>(w, "Button2"), Qt::LeftButton);
        QVERIFY(!ventana()->tieneTrabajo());
        QVERIFY(!trabajo().contains(QRegularExpression(QStringLiteral("[0-9]"))));
    }

    void closesWithTheConverter_data() { beforeAnyConversion_data(); }

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
    void buttonInFreeSpace_data() { beforeAnyConversion_data(); }

    void buttonInFreeSpace()
    {
        QFETCH(QString, cual);
        abrirConversor(cual);
        QPushButton* b = boton();
        comprobarBotonAgregado(w, b, campo("Edit1"));
        QTest::keyClick(b, Qt::Key_Space);
        QVERIFY(ventana() != nullptr && ventana()->isVisible());
        verMuestra(QStringLiteral("ventana-%1").arg(cual), w);
    }
};

QTEST_MAIN(TestPasoAPasoFijo)
#include "tst_pasoapaso_fijo.moc"
