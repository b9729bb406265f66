// The integer-to-binary converter driven as a user does: click a system,
// pick a length, type, convert; messages, report and help through the
// recorders.
#include "Apoyo.h"

#include "fixed/UnitDos.h"
#include "fixed/UnitDosb.h"
#include "fixed/UnitUno.h"
#include "shell/Unit1.h"

#include <QTimer>

using namespace cifral;
using namespace prueba;

namespace {

// desde, hasta, minimoNegativo, maximoNegativo, minimoPositivo,
// maximoPositivo of a system for 8, 16 or 32 bits.
QStringList limitesDe(int sistema, int bits)
{
    struct Fila {
        int sistema, bits;
        QStringList textos;
    };
    static const QList<Fila> tabla{
        {0, 8, {"0", "255", "No existe", "No existe", "0", "255"}},
        {0, 16, {"0", "65535", "No existe", "No existe", "0", "65535"}},
        {0, 32, {"0", "4294967295", "No existe", "No existe", "0", "4294967295"}},
        {1, 8, {"-127", "127", "-0", "-127", "0", "127"}},
        {1, 16, {"-32767", "32767", "-0", "-32767", "0", "32767"}},
        {1, 32, {"-2147483647", "2147483647", "-0", "-2147483647", "0", "2147483647"}},
        {2, 8, {"-127", "127", "-0", "-127", "0", "127"}},
        {2, 16, {"-32767", "32767", "-0", "-32767", "0", "32767"}},
        {2, 32, {"-2147483647", "2147483647", "-0", "-2147483647", "0", "2147483647"}},
        {3, 8, {"-128", "127", "-1", "-128", "0", "127"}},
        {3, 16, {"-32768", "32767", "-1", "-32768", "0", "32767"}},
        {3, 32, {"-2147483648", "2147483647", "-1", "-2147483648", "0", "2147483647"}},
        {4, 8, {"-128", "127", "-1", "-128", "0", "127"}},
        {4, 16, {"-32768", "32767", "-1", "-32768", "0", "32767"}},
        {4, 32, {"-2147483648", "2147483647", "-1", "-2147483648", "0", "2147483647"}},
    };
    for (const Fila& f : tabla)
        if (f.sistema == sistema && f.bits == bits)
            return f.textos;
    qFatal("no limits for %d, %d", sistema, bits);
}

// Types as the keyboard does, also characters that QTest has no key for.
void teclearTexto(QWidget* w, const QString& texto)
{
    for (const QChar c : texto) {
        if (c.unicode() < 128) {
            teclear(w, QString(c));
            continue;
        }
        QKeyEvent pulsada(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &soltada);
    }
}

int indiceDe(int bits)
{
    return bits == 8 ? 0 : bits == 16 ? 1 : 2;
}

} // namespace

class TestFormDos : public QObject {
    Q_OBJECT

    std::unique_ptr<Programa> programa;
    Formularios* f = nullptr;
    Grabadores* g = nullptr;
    TFormDos* w = nullptr;

    void preparar(int sistema, int bits)
    {
        clicEnRadio(w->RadioGroup1, sistema);
        QVERIFY(elegir(w->ComboBox1, indiceDe(bits)));
    }

    void convertir(int sistema, int bits, const QString& numero)
    {
        preparar(sistema, bits);
        w->Edit1->selectAll();
        if (numero.isEmpty())
            QTest::keyClick(w->Edit1, Qt::Key_Backspace);
        else
            teclearTexto(w->Edit1, numero);
        QCOMPARE(w->Edit1->text(), numero);
        QTest::mouseClick(w->Button1, Qt::LeftButton);
    }

    QStringList limites() const
    {
        return {w->Edit11->text(), w->Edit12->text(), w->Edit3->text(),
                w->Edit4->text(),  w->Edit5->text(),  w->Edit6->text()};
    }

    QList<QLineEdit*> campos() const
    {
        return {w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Edit5, w->Edit6, w->Edit11, w->Edit12};
    }

    void verificarVaciado()
    {
        for (QLineEdit* e : campos())
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(w->Edit7->text(), QString("0"));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
    }

    // A first conversion whose results must stay or go: 5 in BCS, 8 bits.
    void convertirPrevia()
    {
        convertir(1, 8, "5");
        QCOMPARE(w->Edit2->text(), QString("00000101"));
        QVERIFY(w->SpeedButton1->isEnabled());
        g->mensajes.textos.clear();
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init()
    {
        programa = std::make_unique<Programa>();
        f = &programa->formularios;
        g = &programa->grabadores;
        w = f->FormDos;
        mostrarYActivar(w);
    }

    void cleanup() { programa.reset(); }

    void startState()
    {
        QCOMPARE(w->windowTitle(), QString("Cifral - Representación de Entero a Binario"));
        QCOMPARE(w->size(), QSize(584, 402));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!w->Edit1->isEnabled());
        QVERIFY(!w->Edit1->isReadOnly());
        QCOMPARE(w->Edit1->color(), colorLuz3D());
        QCOMPARE(w->Edit1->limiteTecleo(), 6);
        QCOMPARE(w->Edit1->maxLength(), 32767);
        QCOMPARE(w->Label1->text(), QString("Ingrese el número en Entero:"));
        QCOMPARE(w->Label2->text(), QString("Cantidad de dígitos ingresados:"));
        QCOMPARE(w->Label5->text(), QString("Número en binario:"));
        QCOMPARE(w->ComboBox1->count(), 3);
        QCOMPARE(w->ComboBox1->itemText(0), QString("8 bits"));
        QCOMPARE(w->ComboBox1->itemText(2), QString("32 bits"));
        QCOMPARE(w->ComboBox1->currentIndex(), -1);
        QVERIFY(!w->ComboBox1->isEditable());
        QCOMPARE(w->RadioGroup1->itemIndex(), -1);
        QCOMPARE(w->RadioGroup1->title(), QString("Seleccione una opción"));
        QCOMPARE(w->RadioGroup1->boton(3)->text(), QString("Convertir a CA2"));
        QCOMPARE(w->Button1->text(), QString("Convertir"));
        QCOMPARE(w->Button1->toolTip(), QString("Representa el número ingresado en Binario"));
        QCOMPARE(w->Button2->text(), QString("Borrar"));
        QCOMPARE(w->SpeedButton2->text(), QString("Ayuda"));
        QCOMPARE(w->SpeedButton2->toolTip(), QString("Haga click aquí para obtener ayuda"));
        QCOMPARE(w->GroupBox1->title(), QString("Acerca del número convertido:"));
        QCOMPARE(w->SpeedButton1->parentWidget(), w->GroupBox1);
        QCOMPARE(w->SpeedButton1->text(), QString("Ver Detalle"));
        QCOMPARE(w->SpeedButton1->toolTip(), QString("Para ver el detalle, se debe convertir el número"));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        QList<QLineEdit*> resultados = campos().mid(1);
        resultados << w->Edit7;
        for (QLineEdit* e : resultados)
            QVERIFY2(e->isReadOnly() && e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(w->Label9->text(), QString("Máximo número positivo:"));
        QCOMPARE(w->Label14->text(), QString("RANGO:"));
    }

    // Every control lies inside the client area and no two controls of one
    // parent cover each other.
    void layoutFits()
    {
        for (QWidget* padre : {static_cast<QWidget*>(w), static_cast<QWidget*>(w->GroupBox1)}) {
            QList<QWidget*> hijos;
            for (QObject* o : padre->children())
                if (auto* h = qobject_cast<QWidget*>(o); h && !h->isWindow() && !h->objectName().isEmpty())
                    hijos << h;
            for (int i = 0; i < hijos.size(); ++i) {
                QVERIFY2(padre->rect().contains(hijos[i]->geometry()), qPrintable(hijos[i]->objectName()));
                for (int j = i + 1; j < hijos.size(); ++j)
                    QVERIFY2(!hijos[i]->geometry().intersects(hijos[j]->geometry()),
                             qPrintable(hijos[i]->objectName() + " / " + hijos[j]->objectName()));
            }
        }
        for (QLabel* l : w->findChildren<QLabel*>())
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
        // The longest bit string is shown whole.
        w->Edit2->setText(QString(32, '0'));
        QVERIFY(w->Edit2->fontMetrics().horizontalAdvance(w->Edit2->text()) < w->Edit2->width() - 8);
    }

    // Edit1 takes text only once a system and a length are both chosen,
    // in either order.
    void unlockingOrder_data()
    {
        QTest::addColumn<bool>("longitudPrimero");
        QTest::newRow("system, then length") << false;
        QTest::newRow("length, then system") << true;
    }

    void unlockingOrder()
    {
        QFETCH(bool, longitudPrimero);
        if (longitudPrimero)
            QVERIFY(elegir(w->ComboBox1, 1));
        else
            clicEnRadio(w->RadioGroup1, 2);
        QVERIFY(!w->Edit1->isEnabled());
        QCOMPARE(w->Edit1->color(), colorLuz3D());
        teclear(w->Edit1, "12");
        QCOMPARE(w->Edit1->text(), QString());
        if (longitudPrimero)
            clicEnRadio(w->RadioGroup1, 2);
        else
            QVERIFY(elegir(w->ComboBox1, 1));
        QVERIFY(w->Edit1->isEnabled());
        QVERIFY(!w->Edit1->isReadOnly());
        QCOMPARE(w->Edit1->color(), colorVentana());
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
        if (longitudPrimero)
            QCOMPARE(w->Edit7->text(), QString("0"));
        teclear(w->Edit1, "-12");
        QCOMPARE(w->Edit1->text(), QString("-12"));
        QCOMPARE(w->Edit7->text(), QString("3"));
        // The choices change, never clear, and the input stays open.
        QVERIFY(elegir(w->ComboBox1, 2));
        clicEnRadio(w->RadioGroup1, 0);
        QVERIFY(w->Edit1->isEnabled());
        QCOMPARE(w->Edit1->text(), QString("-12"));
        QVERIFY(g->mensajes.textos.isEmpty());
    }

    // At most six characters are typed; the count follows every change.
    void typingLimitAndCount()
    {
        preparar(0, 32);
        teclear(w->Edit1, "12345678");
        QCOMPARE(w->Edit1->text(), QString("123456"));
        QCOMPARE(w->Edit7->text(), QString("6"));
        QTest::keyClick(w->Edit1, Qt::Key_Backspace);
        QCOMPARE(w->Edit7->text(), QString("5"));
    }

    void conversions_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("cadena");
        auto fila = [](const char* nombre, int sistema, int bits, const char* numero, const QString& cadena) {
            QTest::newRow(nombre) << sistema << bits << QString(numero) << cadena;
        };
        fila("BSS 8 0", 0, 8, "0", "00000000");
        fila("BSS 8 255", 0, 8, "255", "11111111");
        fila("BSS 8 007", 0, 8, "007", "00000111");
        fila("BSS 16 65535", 0, 16, "65535", QString(16, '1'));
        fila("BSS 32 999999", 0, 32, "999999", "000000000000" + QString("11110100001000111111"));
        fila("BCS 8 0", 1, 8, "0", "00000000");
        fila("BCS 8 -0", 1, 8, "-0", "10000000");
        fila("BCS 8 -000", 1, 8, "-000", "10000000");
        fila("BCS 8 -127", 1, 8, "-127", "11111111");
        fila("BCS 8 127", 1, 8, "127", "01111111");
        fila("BCS 16 -1", 1, 16, "-1", "1" + QString(14, '0') + "1");
        fila("BCS 16 -0", 1, 16, "-0", "1" + QString(15, '0'));
        fila("BCS 32 -99999", 1, 32, "-99999", "10000000000000011000011010011111");
        fila("CA1 8 -0", 2, 8, "-0", "11111111");
        fila("CA1 8 -5", 2, 8, "-5", "11111010");
        fila("CA1 8 5", 2, 8, "5", "00000101");
        fila("CA1 8 -127", 2, 8, "-127", "10000000");
        fila("CA1 8 0", 2, 8, "0", "00000000");
        fila("CA1 16 -32767", 2, 16, "-32767", "1" + QString(15, '0'));
        fila("CA1 32 -0", 2, 32, "-0", QString(32, '1'));
        fila("CA1 32 -99999", 2, 32, "-99999", "11111111111111100111100101100000");
        fila("CA2 8 -128", 3, 8, "-128", "10000000");
        fila("CA2 8 -1", 3, 8, "-1", "11111111");
        fila("CA2 8 -5", 3, 8, "-5", "11111011");
        fila("CA2 8 -007", 3, 8, "-007", "11111001");
        fila("CA2 8 127", 3, 8, "127", "01111111");
        fila("CA2 8 000", 3, 8, "000", "00000000");
        fila("CA2 16 -32768", 3, 16, "-32768", "1" + QString(15, '0'));
        fila("CA2 32 -1", 3, 32, "-1", QString(32, '1'));
        fila("CA2 32 -99999", 3, 32, "-99999", "11111111111111100111100101100001");
        fila("Exceso 8 -128", 4, 8, "-128", "00000000");
        fila("Exceso 8 0", 4, 8, "0", "10000000");
        fila("Exceso 8 127", 4, 8, "127", "11111111");
        fila("Exceso 8 -1", 4, 8, "-1", "01111111");
        fila("Exceso 16 -32768", 4, 16, "-32768", QString(16, '0'));
        fila("Exceso 16 32767", 4, 16, "32767", QString(16, '1'));
        fila("Exceso 32 0", 4, 32, "0", "1" + QString(31, '0'));
        fila("Exceso 32 -99999", 4, 32, "-99999", "01111111111111100111100101100001");
        fila("Exceso 32 999999", 4, 32, "999999", "10000000000011110100001000111111");
    }

    void conversions()
    {
        QFETCH(int, sistema);
        QFETCH(int, bits);
        QFETCH(QString, numero);
        QFETCH(QString, cadena);
        convertir(sistema, bits, numero);
        QVERIFY2(g->mensajes.textos.isEmpty(), qPrintable(g->mensajes.textos.join('|')));
        QCOMPARE(w->Edit2->text(), cadena);
        QCOMPARE(limites(), limitesDe(sistema, bits));
        QCOMPARE(w->Edit1->text(), numero);
        QCOMPARE(w->Edit7->text(), QString::number(numero.size()));
        QVERIFY(w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
    }

    // Not a number: the fields are emptied as by "Borrar".
    void notANumber_data()
    {
        QTest::addColumn<QString>("numero");
        for (const char* t :
             {"abc", "12a", "1 2", " 12", "12 ", "+5", "+", "--5", "5-", "1-2", "1.5", "1,5", "$1F", "١٢", "½"})
            QTest::newRow(t) << QString::fromUtf8(t);
    }

    void notANumber()
    {
        QFETCH(QString, numero);
        convertirPrevia();
        convertir(1, 8, numero);
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese un número entero"});
        verificarVaciado();
        QCOMPARE(w->RadioGroup1->itemIndex(), 1);
        QCOMPARE(w->ComboBox1->currentIndex(), 0);
    }

    void outOfRange_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("numero");
        auto fila = [](const char* nombre, int sistema, int bits, const char* numero) {
            QTest::newRow(nombre) << sistema << bits << QString(numero);
        };
        fila("BSS 8 256", 0, 8, "256");
        fila("BSS 8 -1", 0, 8, "-1");
        fila("BSS 8 -007", 0, 8, "-007");
        fila("BSS 16 65536", 0, 16, "65536");
        fila("BSS 32 -1", 0, 32, "-1");
        fila("BCS 8 -128", 1, 8, "-128");
        fila("BCS 8 128", 1, 8, "128");
        fila("BCS 16 -32768", 1, 16, "-32768");
        fila("CA1 8 -128", 2, 8, "-128");
        fila("CA1 16 32768", 2, 16, "32768");
        fila("CA2 8 128", 3, 8, "128");
        fila("CA2 8 -129", 3, 8, "-129");
        fila("CA2 16 32768", 3, 16, "32768");
        fila("Exceso 8 -129", 4, 8, "-129");
        fila("Exceso 16 -32769", 4, 16, "-32769");
    }

    void outOfRange()
    {
        QFETCH(int, sistema);
        QFETCH(int, bits);
        QFETCH(QString, numero);
        convertirPrevia();
        convertir(sistema, bits, numero);
        QCOMPARE(g->mensajes.textos, QStringList{"El número no está dentro del rango"});
        verificarVaciado();
    }

    // Six characters never overflow 32 bits, so at 32 bits only BSS
    // refuses a negative number; every bad text ends in its message in
    // every system and length.
    void badInputInEverySystemAndLength_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("corto"); // at 8 and 16 bits
        QTest::addColumn<QString>("largo"); // at 32 bits but in BSS
        QTest::addColumn<QString>("largoBSS");
        const QString rango("El número no está dentro del rango");
        const QString entero("Ingrese un número entero");
        QTest::newRow("999999") << "999999" << rango << QString() << QString();
        QTest::newRow("-99999") << "-99999" << rango << QString() << rango;
        QTest::newRow("100000") << "100000" << rango << QString() << QString();
        QTest::newRow("000000") << "000000" << QString() << QString() << QString();
        for (const char* t : {"abc", "+12", "12-3", "1 2", "9e9"})
            QTest::newRow(t) << QString(t) << entero << entero << entero;
        const QString menos("'-' is not a valid integer value");
        QTest::newRow("-") << "-" << menos << menos << menos;
    }

    void badInputInEverySystemAndLength()
    {
        QFETCH(QString, numero);
        QFETCH(QString, corto);
        QFETCH(QString, largo);
        QFETCH(QString, largoBSS);
        for (int sistema = 0; sistema < 5; ++sistema) {
            for (int bits : {8, 16, 32}) {
                const QString caso = QString("system %1, %2 bits").arg(sistema).arg(bits);
                g->mensajes.textos.clear();
                convertir(sistema, bits, numero);
                const QString esperado = bits < 32 ? corto : sistema == 0 ? largoBSS : largo;
                const QStringList mensajes = esperado.isEmpty() ? QStringList{} : QStringList{esperado};
                QVERIFY2(g->mensajes.textos == mensajes, qPrintable(caso + ": " + g->mensajes.textos.join('|')));
                QCOMPARE(w->SpeedButton1->isEnabled(), esperado.isEmpty());
                if (esperado.isEmpty())
                    QVERIFY2(w->Edit2->text().size() == bits, qPrintable(caso));
                QVERIFY(w->isVisible());
            }
        }
    }

    void emptyInputChangesNothing()
    {
        convertirPrevia();
        convertir(1, 8, "");
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese un número entero"});
        QCOMPARE(w->Edit2->text(), QString("00000101"));
        QCOMPARE(limites(), limitesDe(1, 8));
        QCOMPARE(w->Edit7->text(), QString("0"));
        QVERIFY(!w->SpeedButton1->isEnabled());
    }

    // A lone '-' passes the character check and fails in the reading of the
    // number: the fault's message ends the handler and nothing changes.
    void loneMinus()
    {
        convertirPrevia();
        convertir(3, 16, "-");
        QCOMPARE(g->mensajes.textos, QStringList{"'-' is not a valid integer value"});
        QCOMPARE(w->Edit1->text(), QString("-"));
        QCOMPARE(w->Edit2->text(), QString("00000101"));
        QCOMPARE(limites(), limitesDe(1, 8));
        QVERIFY(!w->SpeedButton1->isEnabled());
        // The window goes on working.
        g->mensajes.textos.clear();
        w->Edit1->selectAll();
        teclear(w->Edit1, "-2");
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QVERIFY(g->mensajes.textos.isEmpty());
        QCOMPARE(w->Edit2->text(), QString("1111111111111110"));
    }

    void negativeZeroRejected_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("BSS 8 -0") << 0 << 8 << "-0"
                                  << "No existe el -0 en BSS";
        QTest::newRow("BSS 32 -000") << 0 << 32 << "-000"
                                     << "No existe el -0 en BSS";
        QTest::newRow("CA2 8 -0") << 3 << 8 << "-0"
                                  << "No existe el -0 en CA2";
        QTest::newRow("CA2 32 -000") << 3 << 32 << "-000"
                                     << "No existe el -0 en CA2";
        QTest::newRow("Exceso 16 -0") << 4 << 16 << "-0"
                                      << "No existe el -0 en Exceso";
        QTest::newRow("Exceso 8 -00000") << 4 << 8 << "-00000"
                                         << "No existe el -0 en Exceso";
    }

    void negativeZeroRejected()
    {
        QFETCH(int, sistema);
        QFETCH(int, bits);
        QFETCH(QString, numero);
        QFETCH(QString, mensaje);
        convertirPrevia();
        convertir(sistema, bits, numero);
        QCOMPARE(g->mensajes.textos, QStringList{mensaje});
        if (sistema == 0) {
            // BSS leaves the input and the bit string as they were.
            QCOMPARE(w->Edit1->text(), numero);
            QCOMPARE(w->Edit2->text(), QString("00000101"));
            QCOMPARE(w->Edit7->text(), QString::number(numero.size()));
        } else {
            QCOMPARE(w->Edit1->text(), QString());
            QCOMPARE(w->Edit2->text(), QString());
            QCOMPARE(w->Edit7->text(), QString("0"));
        }
        // The range and limits are those of the chosen system and length.
        QCOMPARE(limites(), limitesDe(sistema, bits));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
    }

    // In CA2 the input is emptied before the message shows, and the bit
    // string only after it.
    void negativeZeroOrderInCA2()
    {
        struct Observador : GrabadorMensajes {
            TFormDos* w = nullptr;
            QStringList vistos;
            void mostrar(QWidget* v, const QString& texto) override
            {
                GrabadorMensajes::mostrar(v, texto);
                vistos << w->Edit1->text() << w->Edit2->text() << w->Edit7->text();
            }
        } observador;
        observador.w = w;
        convertirPrevia();
        instalarMensajes(&observador);
        convertir(3, 8, "-0");
        instalarMensajes(&g->mensajes);
        QCOMPARE(observador.textos, QStringList{"No existe el -0 en CA2"});
        QCOMPARE(observador.vistos, (QStringList{"", "00000101", "0"}));
    }

    void detailButtonAndItsHint()
    {
        convertir(3, 8, "-5");
        QVERIFY(w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        QTest::mouseMove(w->SpeedButton1);
        QVERIFY(!w->SpeedButton1->sugerenciaActiva());
        // A change of the input disables it and switches the hint on.
        teclear(w->Edit1, "0");
        QVERIFY(!w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        // So does picking a length, even the same one.
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(w->Edit2->text(), QString("11001110"));
        QVERIFY(w->SpeedButton1->isEnabled());
        QTest::mouseMove(w->SpeedButton1);
        QVERIFY(elegir(w->ComboBox1, 0));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        // And the focus entering the system group.
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QVERIFY(w->SpeedButton1->isEnabled());
        QTest::mouseMove(w->SpeedButton1);
        QTest::mousePress(w->RadioGroup1->boton(2), Qt::LeftButton);
        QVERIFY(!w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        QTest::mouseRelease(w->RadioGroup1->boton(2), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
        // Moving over a disabled button leaves the hint on.
        QTest::mouseMove(w->SpeedButton1);
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        QVERIFY(g->mensajes.textos.isEmpty());
    }

    void borrar()
    {
        convertir(2, 16, "-5");
        QVERIFY(w->SpeedButton1->isEnabled());
        QStringList vaciados;
        for (QLineEdit* e : campos())
            connect(e, &QLineEdit::textChanged, this, [&vaciados, e] { vaciados << e->objectName(); });
        QTest::mouseClick(w->Button2, Qt::LeftButton);
        QCOMPARE(vaciados, (QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit11", "Edit12"}));
        for (QLineEdit* e : campos())
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(w->Edit7->text(), QString("0"));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QVERIFY(w->SpeedButton1->sugerenciaActiva());
        QCOMPARE(w->RadioGroup1->itemIndex(), 2);
        QCOMPARE(w->ComboBox1->currentIndex(), 1);
        QVERIFY(w->Edit1->isEnabled());
        // Nothing left to convert.
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese un número entero"});
    }

    void report_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("CA1 8 -5") << 2 << 8 << "-5"
                                  << QStringList{"CA1", "8", "-5", "11111010", "-0", "-127", "0", "127", "-127", "127"};
        QTest::newRow("BCS 16 -0") << 1 << 16 << "-0" << QStringList{"BCS",    "16",     "-0", "1" + QString(15, '0'),
                                                                     "-0",     "-32767", "0",  "32767",
                                                                     "-32767", "32767"};
        QTest::newRow("BSS 32 999999") << 0 << 32 << "999999"
                                       << QStringList{"BSS",
                                                      "32",
                                                      "999999",
                                                      "000000000000"
                                                      "11110100001000111111",
                                                      "No existe",
                                                      "No existe",
                                                      "0",
                                                      "4294967295",
                                                      "0",
                                                      "4294967295"};
    }

    void report()
    {
        QFETCH(int, sistema);
        QFETCH(int, bits);
        QFETCH(QString, numero);
        QFETCH(QStringList, textos);
        convertir(sistema, bits, numero);
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->vista.informes.size(), 1);
        const Informe& r = g->vista.informes.first();
        const QStringList etiquetas{"QRLabel9",  "QRLabel10", "QRLabel11", "QRLabel12", "QRLabel13",
                                    "QRLabel14", "QRLabel15", "QRLabel16", "QRLabel18", "QRLabel19"};
        QStringList vistos;
        for (const QString& e : etiquetas)
            vistos << r.caption(e);
        QCOMPARE(vistos, textos);
        QCOMPARE(f->reporte2->QuickRep1.caption("QRLabel12"), textos[3]);
    }

    void reportPage()
    {
        const Informe& r = f->reporte2->QuickRep1;
        QCOMPARE(r.banda(), QSize(718, 1035));
        QCOMPARE(r.caption("QRLabel23"), QString("Representación de Entero a Binario"));
        QCOMPARE(r.etiqueta("QRLabel23").pixeles, 15);
        QVERIFY(r.etiqueta("QRLabel23").negrita);
        const QStringList estaticas{"Sistema:",
                                    "Longitud de la cadena:",
                                    "Número en decimal:",
                                    "Número en binario:",
                                    "Mínimo número negativo:",
                                    "Máximo número negativo:",
                                    "Mínimo número positivo:",
                                    "Máximo número positivo:"};
        for (int i = 0; i < estaticas.size(); ++i) {
            const EtiquetaInforme& e = r.etiqueta("QRLabel" + QString::number(i + 1));
            QCOMPARE(e.titulo, estaticas[i]);
            QVERIFY(e.negrita);
            QCOMPARE(e.posicion.x(), 24);
        }
        QCOMPARE(r.caption("QRLabel17"), QString("Rango:"));
        QVERIFY(r.etiqueta("QRLabel17").negrita);
        QCOMPARE(r.etiqueta("QRLabel17").posicion, QPoint(24, 328));
        QCOMPARE(r.caption("QRLabel20"), QString("["));
        QCOMPARE(r.caption("QRLabel22"), QString(","));
        QCOMPARE(r.caption("QRLabel21"), QString("]"));
        QCOMPARE(r.etiqueta("QRLabel19").posicion, QPoint(264, 328));
        QCOMPARE(r.etiqueta("QRLabel13").posicion, QPoint(208, 192));
        QVERIFY(!r.etiqueta("QRLabel13").negrita);
        QCOMPARE(r.caption("QRLabel24"), QString("Cifral v1.0"));
        QCOMPARE(r.etiqueta("QRLabel24").posicion, QPoint(624, 1000));
        QCOMPARE(r.etiquetas().size(), 24);
    }

    // The report form keeps its captions; a second preview shows the second
    // conversion.
    void reportTwice()
    {
        convertir(2, 8, "-5");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        convertir(4, 32, "0");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->vista.informes.size(), 2);
        QCOMPARE(g->vista.informes[0].caption("QRLabel12"), QString("11111010"));
        const Informe& r = g->vista.informes[1];
        QCOMPARE(r.caption("QRLabel9"), QString("Exceso"));
        QCOMPARE(r.caption("QRLabel10"), QString("32"));
        QCOMPARE(r.caption("QRLabel12"), "1" + QString(31, '0'));
        QCOMPARE(r.caption("QRLabel13"), QString("-1"));
        QCOMPARE(r.caption("QRLabel18"), QString("-2147483648"));
    }

    // The labels of the filled page never overlap, with the widest texts.
    void reportLabelsDoNotOverlap_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QString>("numero");
        QTest::newRow("BSS 999999") << 0 << "999999";
        QTest::newRow("CA2 -99999") << 3 << "-99999";
        QTest::newRow("BCS -0") << 1 << "-0";
    }

    void reportLabelsDoNotOverlap()
    {
        QFETCH(int, sistema);
        QFETCH(QString, numero);
        convertir(sistema, 32, numero);
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->vista.informes.size(), 1);
        const Informe& r = g->vista.informes.last();
        const auto& ls = r.etiquetas();
        const QRectF banda(QPointF(Margen, Margen), QSizeF(r.banda()));
        for (int i = 0; i < ls.size(); ++i) {
            QVERIFY2(banda.contains(rectanguloEtiqueta(r, ls[i])), qPrintable(ls[i].nombre));
            for (int j = i + 1; j < ls.size(); ++j)
                QVERIFY2(!rectanguloEtiqueta(r, ls[i]).intersects(rectanguloEtiqueta(r, ls[j])),
                         qPrintable(ls[i].nombre + " / " + ls[j].nombre));
        }
    }

    void randomUseNeverBreaks()
    {
        for (quint32 semilla = 1; semilla <= 4; ++semilla)
            QCOMPARE(usoAlAzar(w, 300, semilla), 300);
        QVERIFY(w->isVisible());
        QVERIFY(g->mensajes.textos.size() > 10); // the clicks reached the handlers
    }

    // Thousands of actions with whole texts typed now and then, the edge
    // ones among them: every result field stays empty or well formed.
    void randomUseKeepsResultsWellFormed()
    {
        const QStringList textos{"",    "-",    "0",          "-0",          "5",          "-5",
                                 "127", "-128", "2147483647", "-2147483648", "4294967295", "99999999999",
                                 "1,5", "12a",  "ñ",          " 5",          "+5",         "$FF"};
        QString falla;
        auto revisar = [&] {
            if (falla.isEmpty())
                falla = resultadoMalFormado(w, {"Edit1"});
        };
        for (quint32 semilla = 11; semilla <= 12; ++semilla)
            QCOMPARE(usoAlAzar(w, 2000, semilla, textos, revisar), 2000);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        QVERIFY(!g->vista.informes.isEmpty());
    }

    void help()
    {
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(ayuda().archivo(), QString("HELP2.hlp"));
        f->FormUno->SpeedButton2->click();
        QCOMPARE(g->visor.abiertos, (QStringList{"HELP2.hlp", "HELP1.hlp"}));
        QCOMPARE(ayuda().archivo(), QString("HELP1.hlp"));
    }

    // The second button of the "Punto Fijo" tab opens the window modally;
    // it keeps what it showed from one opening to the next.
    void openedFromTheMainWindow()
    {
        w->hide();
        mostrarYActivar(f->Form1);
        TFormDos* dos = w;
        QString visto;
        QTimer::singleShot(0, dos, [this, dos] {
            QVERIFY(dos->isVisible());
            QVERIFY(dos->isModal());
            convertir(3, 8, "-128");
            dos->close();
        });
        QTest::mouseClick(f->Form1->SpeedButton2, Qt::LeftButton);
        QVERIFY(!dos->isVisible());
        QTimer::singleShot(0, dos, [dos, &visto] {
            visto = dos->Edit2->text();
            dos->close();
        });
        QTest::mouseClick(f->Form1->SpeedButton2, Qt::LeftButton);
        QCOMPARE(visto, QString("10000000"));
        QVERIFY(g->mensajes.textos.isEmpty());
    }
};

QTEST_MAIN(TestFormDos)
#include "tst_formdos.moc"
