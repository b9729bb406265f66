// The "Práctica" window on the real widgets, offscreen: the solution corrects
// as right, a wrong answer opens the working at its step, the counter, the
// sheet's preview and PDF, and the command line of the sheets.
#include "Apoyo.h"

#include "shell/Arranque.h"
#include "shell/Informe.h"
#include "shell/Unit1.h"
#include "shell/UnitPractica.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace cifral;
using namespace prueba;

namespace {

QString textoPdf(const QString& archivo)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {archivo, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

void elegir(TFormPractica& v, int tipo, int nivel)
{
    v.Tipo->setCurrentIndex(v.Tipo->findData(tipo));
    v.Nivel->setCurrentIndex(nivel - 1);
}

QString programa()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Project1");
}

} // namespace

class TestPracticaVentana : public QObject {
    Q_OBJECT

private slots:
    void solucionCorrecta_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("nivel");
        for (const int tipo : tiposDisponibles())
            for (int nivel = 1; nivel <= NivelesDeEjercicio; ++nivel)
                QTest::addRow("%s, %s", nombreTipoEjercicio(tipo).c_str(), nombreNivel(nivel).c_str()) << tipo << nivel;
    }

    // "Ver solución" then "Corregir": every answer right, and what was
    // copied is not counted.
    void solucionCorrecta()
    {
        QFETCH(int, tipo);
        QFETCH(int, nivel);
        Grabadores g;
        TFormPractica v;
        v.setSemilla(2024);
        elegir(v, tipo, nivel);
        v.show();
        for (int k = 0; k < 4; ++k) {
            v.NuevoEjercicio->click();
            QVERIFY(!v.Enunciado->text().isEmpty());
            QCOMPARE(v.Respuestas.size(), v.ejercicio()->respuestas.size());
            v.VerSolucion->click();
            QVERIFY(v.Trabajo->isVisible());
            v.Corregir->click();
            for (std::size_t i = 0; i < v.Respuestas.size(); ++i) {
                auto* veredicto = control<QLabel>(&v, qPrintable(QStringLiteral("Veredicto%1").arg(i + 1)));
                QCOMPARE(veredicto->text(), QStringLiteral("Correcto"));
            }
        }
        QVERIFY(v.windowTitle().contains(QStringLiteral("semilla 2024, ejercicio 4")));
        QCOMPARE(v.correctas() + v.incorrectas(), 0);
        QVERIFY(g.mensajes.textos.isEmpty());
    }

    // A wrong answer: "Incorrecto", the working opens at the step that holds
    // the expected figure, and the counter counts both.
    void respuestaIncorrecta_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("nivel");
        QTest::addColumn<int>("mala");       // the answer typed wrong, from 1
        QTest::addColumn<QString>("enPaso"); // words of the highlighted step's title
        QTest::newRow("entero") << 1 << 2 << 1 << QStringLiteral("Lectura en");
        QTest::newRow("rango") << 1 << 2 << 2 << QStringLiteral("Rango");
        QTest::newRow("cadena") << 2 << 2 << 1 << QString();
        QTest::newRow("exponente de punto flotante") << 3 << 2 << 2 << QStringLiteral("El exponente");
        QTest::newRow("mantisa de punto flotante") << 4 << 2 << 1 << QString();
        QTest::newRow("suma") << 7 << 2 << 1 << QStringLiteral("mantisa del resultado");
        QTest::newRow("exponente") << 5 << 2 << 2 << QString();
        QTest::newRow("mantisa") << 5 << 3 << 3 << QString();
        QTest::newRow("valor") << 6 << 2 << 1 << QString();
    }

    void respuestaIncorrecta()
    {
        QFETCH(int, tipo);
        QFETCH(int, nivel);
        QFETCH(int, mala);
        QFETCH(QString, enPaso);
        Grabadores g;
        TFormPractica v;
        v.setSemilla(31);
        elegir(v, tipo, nivel);
        v.show();
        v.NuevoEjercicio->click();
        const Ejercicio& e = *v.ejercicio();
        for (std::size_t i = 0; i < e.respuestas.size(); ++i) {
            auto* edit = control<QLineEdit>(&v, qPrintable(QStringLiteral("Respuesta%1").arg(i + 1)));
            edit->setText(QString::fromStdString(e.respuestas[i].esperada));
        }
        auto* edit = control<QLineEdit>(&v, qPrintable(QStringLiteral("Respuesta%1").arg(mala)));
        edit->setText(edit->text() + QStringLiteral("1"));
        v.Corregir->click();
        const int n = static_cast<int>(e.respuestas.size());
        for (int i = 1; i <= n; ++i)
            QCOMPARE(control<QLabel>(&v, qPrintable(QStringLiteral("Veredicto%1").arg(i)))->text(),
                     i == mala ? QStringLiteral("Incorrecto") : QStringLiteral("Correcto"));
        QCOMPARE(v.correctas(), n - 1);
        QCOMPARE(v.incorrectas(), 1);
        QVERIFY(v.Contador->text().contains(QStringLiteral("%1 respuesta").arg(n - 1)));
        QVERIFY(v.Trabajo->isVisible());
        const int paso = pasoDeRespuesta(e, static_cast<std::size_t>(mala - 1));
        QVERIFY(paso >= 0);
        const std::string titulo = e.trabajo.pasos()[static_cast<std::size_t>(paso)].titulo;
        QVERIFY2(enPaso.isEmpty() || QString::fromStdString(titulo).contains(enPaso), titulo.c_str());
        // The highlighted step is that one, and only one is.
        const QString texto = v.Trabajo->toPlainText();
        QCOMPARE(texto.count(QStringLiteral("Aquí difiere su respuesta")), 1);
        const int marca = texto.indexOf(QStringLiteral("Aquí difiere su respuesta"));
        const QString cabeza = QStringLiteral("%1. %2").arg(paso + 1).arg(QString::fromStdString(titulo));
        QVERIFY2(texto.left(marca).trimmed().endsWith(cabeza), qPrintable(cabeza));
        QVERIFY(texto.mid(marca).contains(QString::fromStdString(e.respuestas[std::size_t(mala - 1)].esperada)));
        // A second exercise adds to the counter.
        v.NuevoEjercicio->click();
        QVERIFY(!v.Trabajo->isVisible());
        v.Corregir->click();
        QCOMPARE(v.correctas(), n - 1);
        QCOMPARE(v.incorrectas(), 1 + static_cast<int>(v.ejercicio()->respuestas.size()));
    }

    // The teacher's sheet: the preview has the statements, then after
    // "Soluciones" the answers and the working; its PDF too; the command
    // line writes the same text.
    void hoja()
    {
        Grabadores g;
        TFormPractica v;
        const std::vector<int> tipos{1, 2, 5, 6};
        v.mostrarHoja(tipos, 2, 8, 4711);
        QCOMPARE(g.vista.documentos.size(), 1);
        const QString html = g.vista.documentos.first();
        const int soluciones = html.indexOf(QStringLiteral("Soluciones"));
        QVERIFY(soluciones > 0);
        QVERIFY(html.lastIndexOf(QStringLiteral("page-break-before:always"), soluciones) > 0);
        for (const Ejercicio& e : hojaDeEjercicios(tipos, 2, 8, 4711)) {
            const QString enunciado = QString::fromStdString(e.enunciado).toHtmlEscaped();
            QVERIFY(html.indexOf(enunciado) < soluciones);
            QVERIFY(html.indexOf(enunciado, soluciones) > soluciones);
            for (const Respuesta& r : e.respuestas)
                QVERIFY(html.indexOf(QString::fromStdString(r.esperada), soluciones) > soluciones);
        }

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ventana.pdf"));
        QVERIFY(guardarPdfDocumento(html, nombreHoja(4711), pdf));
        const QString texto = textoPdf(pdf);
        const int enPdf = texto.indexOf(QStringLiteral("Soluciones"));
        QVERIFY(enPdf > 0);
        QVERIFY(texto.indexOf(QStringLiteral("Ejercicio 8")) < enPdf);
        QVERIFY(texto.indexOf(QStringLiteral("Ejercicio 8"), enPdf) > enPdf);
        QVERIFY(texto.indexOf(QStringLiteral("semilla 4711")) >= 0);

        // Without a display: the command line sets the platform itself.
        QProcess p;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.remove(QStringLiteral("QT_QPA_PLATFORM"));
        entorno.remove(QStringLiteral("DISPLAY"));
        entorno.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(entorno);
        const QString cli = dir.filePath(QStringLiteral("cli.pdf"));
        p.start(programa(), {QStringLiteral("--hoja-de-ejercicios"), QStringLiteral("8"), QStringLiteral("--tipos"),
                             QStringLiteral("1,2,5,6"), QStringLiteral("--nivel"), QStringLiteral("2"),
                             QStringLiteral("--semilla"), QStringLiteral("4711"), QStringLiteral("--pdf"), cli});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(textoPdf(cli), texto);
    }

    void opcionesMalas_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("dice");
        const QString pdf = QStringLiteral("/nonexistent-dir/x.pdf");
        QTest::newRow("cero ejercicios") << QStringList{"--hoja-de-ejercicios", "0", "--pdf", pdf} << "1 a 50";
        QTest::newRow("51 ejercicios") << QStringList{"--hoja-de-ejercicios", "51", "--pdf", pdf} << "1 a 50";
        QTest::newRow("nivel 4") << QStringList{"--hoja-de-ejercicios", "3", "--nivel", "4", "--pdf", pdf} << "nivel";
        QTest::newRow("tipo 8") << QStringList{"--hoja-de-ejercicios", "3", "--tipos", "1,8", "--pdf", pdf} << "tipo";
        QTest::newRow("tipos vacío") << QStringList{"--hoja-de-ejercicios", "3", "--tipos", "", "--pdf", pdf} << "tipo";
        QTest::newRow("semilla") << QStringList{"--hoja-de-ejercicios", "3", "--semilla", "-5", "--pdf", pdf}
                                 << "semilla";
        QTest::newRow("sin pdf") << QStringList{"--hoja-de-ejercicios", "3"} << "--pdf";
        QTest::newRow("sin valor") << QStringList{"--pdf", pdf, "--hoja-de-ejercicios"} << "falta";
        QTest::newRow("desconocida") << QStringList{"--hoja-de-ejercicios", "3", "--color", "1", "--pdf", pdf}
                                     << "desconocida";
    }

    void opcionesMalas()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, dice);
        QProcess p;
        p.start(programa(), argumentos);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 2);
        const QString error = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("cifral: ")) && error.contains(dice), qPrintable(error));
    }

    // The dialog of the sheet, by its controls.
    void dialogoHoja()
    {
        Grabadores g;
        TFormPractica v;
        v.show();
        QTimer::singleShot(0, &v, [] {
            auto* d = qobject_cast<TDialogoHoja*>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            for (QCheckBox* c : d->Tipos)
                c->setChecked(c->objectName() == QStringLiteral("TipoHoja6"));
            d->CantidadHoja->setValue(3);
            d->NivelHoja->setCurrentIndex(2);
            d->SemillaHoja->setText(QStringLiteral("55"));
            d->Aceptar->click();
        });
        v.HojaDeEjercicios->click();
        QCOMPARE(g.vista.documentos.size(), 1);
        const QString& html = g.vista.documentos.first();
        QVERIFY(html.contains(QStringLiteral("semilla 55")));
        QVERIFY(html.contains(QStringLiteral("Nivel Avanzado")));
        QCOMPARE(html.count(QStringLiteral("(IEEE 754 a Decimal)")), 6);
    }

    // The main window opens it, non-modal; every control is named and
    // reached by Tab in reading order; Esc closes it.
    void teclado()
    {
        Programa programa;
        TForm1* principal = programa.formularios.Form1;
        principal->show();
        auto* boton = control<QPushButton>(principal, "BotonPractica");
        QVERIFY(boton->isVisible());
        boton->click();
        TFormPractica* v = principal->practica();
        QVERIFY(v != nullptr && v->isVisible() && !v->isModal());
        QVERIFY(QTest::qWaitForWindowExposed(v));
        v->NuevoEjercicio->click();
        QList<QWidget*> orden;
        QWidget* w = v->Tipo;
        for (int i = 0; i < 40 && !orden.contains(w); ++i) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                orden << w;
            w = w->nextInFocusChain();
        }
        QStringList nombres;
        for (QWidget* c : orden) {
            nombres << c->objectName();
            QVERIFY2(!c->accessibleName().isEmpty() ||
                         (qobject_cast<QPushButton*>(c) && !qobject_cast<QPushButton*>(c)->text().isEmpty()),
                     qPrintable(c->objectName()));
        }
        QStringList esperado{"Tipo", "Nivel", "NuevoEjercicio"};
        for (std::size_t i = 1; i <= v->Respuestas.size(); ++i)
            esperado << QStringLiteral("Respuesta%1").arg(i);
        esperado << "Corregir"
                 << "VerSolucion"
                 << "HojaDeEjercicios"
                 << "Cerrar";
        QCOMPARE(nombres.mid(0, esperado.size()).join(QLatin1Char(',')), esperado.join(QLatin1Char(',')));
        QTest::keyClick(v, Qt::Key_Escape);
        QVERIFY(!v->isVisible());
    }
};

QTEST_MAIN(TestPracticaVentana)
#include "tst_practica_ventana.moc"
