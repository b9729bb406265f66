// The working's data and the one window that shows it for every converter:
// plain text and figures, the view, copy, print, and the window's life
// beside its converter.
#include "Apoyo.h"

#include "shell/Informe.h"
#include "shell/PasoAPaso.h"
#include "shell/Trabajo.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace cifral;
using namespace cifral::paso;

namespace {

// A working with every kind of block: two steps, a table with a wide
// accented head, a rule of the course and a message.
Trabajo ejemplo()
{
    Trabajo w("-5 en CA2 con 4 bits");
    w.paso("Divisiones por 2");
    w.tabla({{"Dividendo", "Cociente", "Resto"},
             {{cifra("5"), cifra("2"), bits("1")},
              {cifra("2"), cifra("1"), bits("0")},
              {cifra("1"), cifra("0"), bits("1")}}});
    w.linea({t("Se leen los restos de abajo hacia arriba: "), bits("0101"), t(".")});
    w.paso("Complemento a 2");
    w.linea({t("Se invierte cada bit y se suma 1: "), bits("1011"), t(" <fin>")});
    w.regla({t("esta ventana corta la mantisa; el redondeo da "), cifra("0,5"), t(".")});
    w.mensaje("El número ingresado no puede representarse con el sistema configurado");
    return w;
}

} // namespace

class TestPasoAPaso : public QObject {
    Q_OBJECT

private slots:
    void plainTextNumbersStepsAndAlignsTables()
    {
        const std::string texto = ejemplo().textoPlano();
        QCOMPARE(QString::fromStdString(texto),
                 QString("-5 en CA2 con 4 bits\n"
                         "\n1. Divisiones por 2\n"
                         "   | Dividendo | Cociente | Resto |\n"
                         "   | 5         | 2        | 1     |\n"
                         "   | 2         | 1        | 0     |\n"
                         "   | 1         | 0        | 1     |\n"
                         "   Se leen los restos de abajo hacia arriba: 0101.\n"
                         "\n2. Complemento a 2\n"
                         "   Se invierte cada bit y se suma 1: 1011 <fin>\n"
                         "   Regla del curso: esta ventana corta la mantisa; el redondeo da 0,5.\n"
                         "   Mensaje: «El número ingresado no puede representarse con el sistema configurado»\n"));
        // Accented heads count as one character each.
        Trabajo w;
        w.tabla({{"Exponente", "Posición"}, {{cifra("10"), cifra("1234567890")}}});
        QVERIFY(w.textoPlano().find("| Exponente | Posición   |") != std::string::npos);
    }

    void figuresAreThePiecesThatAreFigures()
    {
        const Trabajo w = ejemplo();
        for (const char* c : {"5", "2", "1", "0101", "1011", "0,5"})
            QVERIFY2(w.contieneCifra(c), c);
        // Words and parts of figures are not figures.
        for (const char* c : {"Se invierte", "101", "0,"})
            QVERIFY2(!w.contieneCifra(c), c);
        QCOMPARE(w.mensajes().size(), std::size_t{1});
        QVERIFY(Trabajo().vacio());
    }

    void viewEscapesTextAndColoursFields()
    {
        Trabajo w("IEEE");
        w.linea({signo("0"), exponente("01111011"), fraccion("10011001100110011001100")});
        w.linea({t("a < b & c")});
        const QString html = TFormPasoAPaso::html(w);
        QVERIFY(html.contains("a &lt; b &amp; c"));
        QVERIFY(html.indexOf("01111011") > html.indexOf(">0<"));
        QTextBrowser vista;
        vista.setHtml(html);
        QCOMPARE(vista.toPlainText().count("10011001100110011001100"), 1);
    }

    // Before a conversion the window only says what to do; then it follows
    // every working published, copies it as plain text and prints it.
    void windowFollowsTheConverter()
    {
        prueba::Grabadores g;
        QDialog conversor;
        conversor.resize(400, 300);
        PasoAPasoDeConversor pasos(&conversor, "Prueba", "Pulse «Convertir».");
        QPushButton* boton = pasos.crearBoton(10, 10, 100, 28);
        QCOMPARE(boton->objectName(), QString("BotonPasoAPaso"));
        QCOMPARE(boton->focusPolicy(), Qt::TabFocus);
        QVERIFY(!boton->accessibleName().isEmpty());
        prueba::mostrarYActivar(&conversor);

        QTest::keyClick(&conversor, Qt::Key_P, Qt::AltModifier);
        // A shortcut presses the button as a click would, a moment later.
        QTRY_VERIFY(pasos.ventana() != nullptr && pasos.ventana()->isVisible());
        TFormPasoAPaso* v = pasos.ventana();
        QCOMPARE(v->windowTitle(), QString("Paso a paso — Prueba"));
        QCOMPARE(v->PasoAPaso->toPlainText(), QString("Pulse «Convertir»."));
        QVERIFY(!v->tieneTrabajo());
        QVERIFY(!v->Imprimir->isEnabled());

        pasos.publicar(ejemplo());
        QVERIFY(v->PasoAPaso->toPlainText().contains("1011"));
        QTest::mouseClick(v->Copiar, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(ejemplo().textoPlano()));
        QTest::mouseClick(v->Imprimir, Qt::LeftButton);
        QCOMPARE(g.vista.documentos.size(), 1);
        QVERIFY(g.vista.documentos[0].contains("Complemento a 2"));

        pasos.limpiar();
        QVERIFY(!v->tieneTrabajo());
        QCOMPARE(v->PasoAPaso->toPlainText(), QString("Pulse «Convertir»."));

        // It opens without taking the keyboard from the converter; the
        // button again takes the keyboard into it, and Esc closes it.
        QTRY_COMPARE(QApplication::activeWindow(), &conversor);
        QTest::keyClick(&conversor, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activeWindow(), v);
        QTest::keyClick(v->PasoAPaso, Qt::Key_Escape);
        QVERIFY(!v->isVisible());
        // Opened again after a conversion it shows that conversion at once;
        // closing the converter closes it.
        pasos.publicar(ejemplo());
        QTest::mouseClick(boton, Qt::LeftButton);
        QVERIFY(v->isVisible());
        QVERIFY(v->PasoAPaso->toPlainText().contains("Divisiones por 2"));
        conversor.hide();
        QVERIFY(!v->isVisible());
    }

    void documentPrintsToPdf()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("paso.pdf");
        Trabajo largo("Largo");
        for (int i = 0; i < 120; ++i)
            largo.paso("Paso").linea({t("Duplicación "), cifra(std::to_string(i) + ",5")});
        QVERIFY(guardarPdfDocumento(TFormPasoAPaso::html(largo), "Largo", pdf));
        const QList<prueba::PalabraPdf> palabras = prueba::palabrasPdf(pdf);
        QStringList textos;
        for (const auto& p : palabras)
            textos << p.texto;
        QVERIFY(textos.contains("Duplicación"));
        QVERIFY(textos.contains("119,5"));
    }
};

QTEST_MAIN(TestPasoAPaso)
#include "tst_pasoapaso.moc"
