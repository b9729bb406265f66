// Every converter driven with the keyboard only: Tab and Shift+Tab to reach
// a control, the arrow keys in radio groups and lists, typing, Space on the
// buttons, and the shortcuts (Ctrl+D, F1, Alt+P, Esc). Each conversion ends
// with the same fields, buttons and messages as the same gestures made with
// the mouse, including the windows whose steps run when the focus enters a
// group.
#include "Apoyo.h"

#include "arith/Unit7.h"
#include "fixed/UnitDos.h"
#include "fixed/UnitUno.h"
#include "floating/Unit3.h"
#include "floating/Unit4.h"
#include "ieee/Unit5.h"
#include "ieee/Unit6.h"

#include <QLabel>
#include <QRadioButton>

using namespace cifral;
using namespace prueba;

namespace {

// One gesture of a conversion: pick an item of a radio group or a list,
// write a text in an edit, or press a button.
struct Gesto {
    enum Tipo { Radio, Lista, Texto, Boton } tipo;
    const char* control;
    int item = 0;
    const char* texto = "";
};

Gesto radio(const char* grupo, int item)
{
    return {Gesto::Radio, grupo, item};
}
Gesto lista(const char* l, int item)
{
    return {Gesto::Lista, l, item};
}
Gesto escribir(const char* edit, const char* texto)
{
    return {Gesto::Texto, edit, 0, texto};
}
Gesto pulsar(const char* boton)
{
    return {Gesto::Boton, boton};
}

// Tab until the focus is on a control that `es` accepts; false if Tab goes
// round the window without reaching one.
bool tabularHasta(QWidget* ventana, const std::function<bool(QWidget*)>& es)
{
    for (int i = 0; i < 80; ++i) {
        QWidget* f = QApplication::focusWidget();
        if (f != nullptr && f->window() == ventana && es(f))
            return true;
        QTest::keyClick(f != nullptr ? f : ventana, Qt::Key_Tab);
    }
    return false;
}

bool conTeclado(QWidget* v, const Gesto& g)
{
    switch (g.tipo) {
    case Gesto::Radio: {
        auto* grupo = control<RadioGroup>(v, g.control);
        // Each arrow key clicks the next item, and a click may send the
        // focus elsewhere: come back by Tab as often as needed.
        for (int i = 0; i < 12 && grupo->itemIndex() != g.item; ++i) {
            if (!tabularHasta(v, [grupo](QWidget* f) { return grupo->isAncestorOf(f); }))
                return false;
            int actual = 0;
            while (actual < grupo->cantidad() && grupo->boton(actual) != QApplication::focusWidget())
                ++actual;
            QWidget* f = QApplication::focusWidget();
            if (actual == g.item)
                QTest::keyClick(f, Qt::Key_Space);
            else
                QTest::keyClick(f, actual < g.item ? Qt::Key_Down : Qt::Key_Up);
        }
        return grupo->itemIndex() == g.item;
    }
    case Gesto::Lista: {
        auto* l = control<QComboBox>(v, g.control);
        for (int i = 0; i < 40 && l->currentIndex() != g.item; ++i) {
            if (!tabularHasta(v, [l](QWidget* f) { return f == l; }))
                return false;
            QTest::keyClick(l, l->currentIndex() < g.item ? Qt::Key_Down : Qt::Key_Up);
        }
        return l->currentIndex() == g.item;
    }
    case Gesto::Texto: {
        auto* e = control<QLineEdit>(v, g.control);
        if (!tabularHasta(v, [e](QWidget* f) { return f == e; }))
            return false;
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e, QString::fromUtf8(g.texto));
        return true;
    }
    case Gesto::Boton: {
        auto* b = control<QAbstractButton>(v, g.control);
        if (!tabularHasta(v, [b](QWidget* f) { return f == b; }))
            return false;
        QTest::keyClick(b, Qt::Key_Space);
        return true;
    }
    }
    return false;
}

void conRaton(QWidget* v, const Gesto& g)
{
    switch (g.tipo) {
    case Gesto::Radio:
        clicEnRadio(control<RadioGroup>(v, g.control), g.item);
        break;
    case Gesto::Lista:
        elegir(control<QComboBox>(v, g.control), g.item);
        break;
    case Gesto::Texto: {
        auto* e = control<QLineEdit>(v, g.control);
        e->selectAll();
        teclear(e, QString::fromUtf8(g.texto));
        break;
    }
    case Gesto::Boton:
        QTest::mouseClick(control<QAbstractButton>(v, g.control), Qt::LeftButton);
        break;
    }
}

// What the window shows: every edit and label with its text, every button
// enabled or not, and the messages shown.
QStringList estado(QWidget* v, const Grabadores& g)
{
    QStringList r;
    for (QLineEdit* e : v->findChildren<QLineEdit*>())
        if (!e->objectName().isEmpty())
            r << e->objectName() + '=' + e->text();
    for (QLabel* l : v->findChildren<QLabel*>())
        if (!l->objectName().isEmpty())
            r << l->objectName() + '=' + l->text();
    for (QAbstractButton* b : v->findChildren<QAbstractButton*>())
        if (!b->objectName().isEmpty())
            r << b->objectName() + (b->isEnabled() ? " habilitado" : " deshabilitado");
    r << g.mensajes.textos;
    return r;
}

QDialog* conversor(Formularios& f, int i)
{
    const QList<QDialog*> todos{f.FormUno, f.FormDos, f.Form3, f.Form4, f.Form5, f.Form6, f.Form7};
    return todos.at(i);
}

} // namespace

Q_DECLARE_METATYPE(Gesto)

class TestTeclado : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepararAplicacion(); }

    void conversionWithKeysOnly_data()
    {
        QTest::addColumn<int>("ventana");
        QTest::addColumn<QList<Gesto>>("gestos");
        QTest::newRow("Binario a Entero") << 0
                                          << QList<Gesto>{radio("RadioGroup1", 3), lista("ComboBox1", 6),
                                                          escribir("Edit1", "11011000"), pulsar("Button1")};
        QTest::newRow("Entero a Binario") << 1
                                          << QList<Gesto>{lista("ComboBox1", 0), radio("RadioGroup1", 3),
                                                          escribir("Edit1", "-37"), pulsar("Button1")};
        QTest::newRow("Binario a Decimal")
            << 2 << QList<Gesto>{radio("RadioGroup1", 1),   radio("RadioGroup2", 3),   radio("RadioGroup4", 1),
                                 lista("ComboBox1", 2),     lista("ComboBox2", 2),     lista("ComboBox3", 0),
                                 escribir("Edit5", "0110"), escribir("Edit6", "0011"), pulsar("Button1")};
        QTest::newRow("Decimal a Punto Flotante")
            << 3 << QList<Gesto>{radio("RadioGroup1", 1),  radio("RadioGroup2", 1), radio("RadioGroup4", 3),
                                 lista("ComboBox1", 0),    lista("ComboBox2", 0),   lista("ComboBox3", 0),
                                 escribir("Edit7", "5,5"), pulsar("Button1")};
        QTest::newRow("Decimal a IEEE 754")
            << 4 << QList<Gesto>{radio("RadioGroup1", 0), escribir("Edit1", "0,1"), pulsar("SpeedButton1")};
        QTest::newRow("IEEE 754 a Decimal")
            << 5
            << QList<Gesto>{lista("ComboBox1", 1), escribir("Edit2", "01111011"),
                            escribir("Edit1", "10011001100110011001100"), pulsar("SpeedButton1")};
        QTest::newRow("Suma y Resta") << 6 << QList<Gesto>{radio("RadioGroup3", 0),       lista("ComboBox1", 0),
                                                           radio("RadioGroup1", 0),       radio("RadioGroup4", 0),
                                                           lista("ComboBox2", 0),         escribir("Edit1", "00000100"),
                                                           escribir("Edit2", "00000011"), escribir("Edit3", "00000010"),
                                                           escribir("Edit4", "00000001"), pulsar("SpeedButton1")};
    }

    void conversionWithKeysOnly()
    {
        QFETCH(int, ventana);
        QFETCH(QList<Gesto>, gestos);

        QStringList conRatonEstado;
        {
            Programa p;
            QDialog* v = conversor(p.formularios, ventana);
            mostrarYActivar(v);
            for (const Gesto& g : gestos)
                conRaton(v, g);
            conRatonEstado = estado(v, p.grabadores);
        }

        Programa p;
        QDialog* v = conversor(p.formularios, ventana);
        mostrarYActivar(v);
        for (const Gesto& g : gestos)
            QVERIFY2(conTeclado(v, g), g.control);
        QCOMPARE(estado(v, p.grabadores), conRatonEstado);

        // The shortcuts: the detail, the help, the working, and Esc closes.
        QWidget* foco = QApplication::focusWidget();
        QVERIFY(foco != nullptr);
        QTest::keyClick(foco, Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE(p.grabadores.vista.informes.size(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QTRY_COMPARE(p.grabadores.visor.abiertos.size(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(v->findChild<QWidget*>(QStringLiteral("FormPasoAPaso")) != nullptr &&
                    v->findChild<QWidget*>(QStringLiteral("FormPasoAPaso"))->isVisible());
        QTRY_VERIFY(QApplication::activeWindow() == v);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!v->isVisible());
        QVERIFY(!v->findChild<QWidget*>(QStringLiteral("FormPasoAPaso"))->isVisible());
    }
};

QTEST_MAIN(TestTeclado)
#include "tst_teclado.moc"
