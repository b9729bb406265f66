// The formats laboratory on the real widgets: bits, pattern, hexadecimal
// and decimal typed or clicked keep every field in step with the pattern; a
// bad text changes nothing but its own field and says why; formats and
// roundings switch; the keyboard reaches everything; the main window opens
// it.
#include "Apoyo.h"

#include "ieee/UnitLaboratorio.h"
#include "shell/Unit1.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include <bit>
#include <cstdlib>

using namespace cifral;
using namespace prueba;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString hex(FormatoBinario f, std::uint64_t p)
{
    return QString::number(p, 16).toUpper().rightJustified((f.ancho() + 3) / 4, QLatin1Char('0'));
}

const FormatoBinario Formatos[] = {Binary16, BFloat16, Binary32, Binary64};

// Everything the window shows, for "nothing else changed".
QStringList estado(TFormLaboratorio& w)
{
    QStringList r{w.Patron->text(),
                  w.Hexadecimal->text(),
                  w.Decimal->text(),
                  w.ValorExacto->toPlainText(),
                  w.Clase->toPlainText(),
                  w.Anterior->text(),
                  w.Siguiente->text(),
                  w.Ulp->text(),
                  w.ErrorAbsoluto->text(),
                  w.ErrorRelativo->text(),
                  w.Recta->accessibleDescription()};
    for (int i = 0; i < w.formato().ancho(); ++i)
        r << (w.Bits->boton(i)->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 0; i < w.Comparacion->rowCount(); ++i)
        for (int c = 0; c < w.Comparacion->columnCount(); ++c)
            r << w.Comparacion->item(i, c)->text();
    return r;
}

void teclearEn(QLineEdit* e, const QString& texto)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, texto);
}

} // namespace

class TestLaboratorio : public QObject {
    Q_OBJECT

    // Every field agrees with the window's pattern and format.
    static void consistente(TFormLaboratorio& w)
    {
        const FormatoBinario f = w.formato();
        const std::uint64_t p = w.patron();
        QCOMPARE(w.BitsExponente->value(), f.bitsExponente);
        QCOMPARE(w.BitsFraccion->value(), f.bitsFraccion);
        QString bits;
        for (int i = 63; i >= 0; --i) {
            QToolButton* b = w.Bits->boton(i);
            QCOMPARE(b->isVisibleTo(&w), i < f.ancho());
            if (i < f.ancho()) {
                QCOMPARE(b->isChecked(), ((p >> i) & 1) != 0);
                QCOMPARE(b->text(), b->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
                QVERIFY(!b->toolTip().isEmpty());
                bits += b->text();
            }
        }
        QCOMPARE(w.Patron->text(), bits);
        QCOMPARE(w.Hexadecimal->text(), hex(f, p));
        QCOMPARE(w.ValorExacto->toPlainText(), q(valorExacto(f, p)));
        QCOMPARE(w.Clase->toPlainText(), q(lecturaDe(f, p)));
        QVERIFY(w.Clase->toPlainText().startsWith(q(nombreClase(claseDe(f, p)))));
        const auto a = anteriorDe(f, p), s = siguienteDe(f, p);
        QCOMPARE(w.Anterior->text(), a ? q(valorExacto(f, *a)) : QStringLiteral("No tiene"));
        QCOMPARE(w.Siguiente->text(), s ? q(valorExacto(f, *s)) : QStringLiteral("No tiene"));
        QCOMPARE(w.IrAnterior->isEnabled(), a.has_value());
        QCOMPARE(w.IrSiguiente->isEnabled(), s.has_value());
        QCOMPARE(w.Ulp->text(), ulpDe(f, p).empty() ? QStringLiteral("No tiene") : q(ulpDe(f, p)));
        QCOMPARE(w.Curso->isVisibleTo(&w), f == Binary32);
        if (f == Binary32)
            QCOMPARE(w.CampoSigno->text() + w.CampoExponente->text() + w.CampoMantisa->text(), bits);
        // The errors belong to a decimal, and then to the chosen rounding.
        std::string motivo;
        const auto d = leerDecimal(w.Decimal->text().toStdString(), motivo);
        if (!d) {
            QVERIFY(w.ErrorAbsoluto->text().isEmpty());
            QVERIFY(w.Comparacion->item(0, 2)->text().isEmpty());
            return;
        }
        const Redondeado r = redondear(f, *d, cifral::Redondeo(w.Redondeo->currentIndex()));
        QCOMPARE(p, r.patron);
        QVERIFY(w.ErrorAbsoluto->text().startsWith(q(r.absoluto.texto)));
        QVERIFY(w.ErrorRelativo->text().startsWith(q(r.relativo.texto)));
        for (int i = 0; i < CantidadRedondeos; ++i)
            QCOMPARE(w.Comparacion->item(i, 1)->text(), hex(f, redondear(f, *d, cifral::Redondeo(i)).patron));
    }

private slots:
    // Clicking bits builds 1,0 from zero in binary32, and the sign bit
    // makes it -1.
    void clicarBits()
    {
        TFormLaboratorio w;
        mostrarYActivar(&w);
        teclearEn(w.Hexadecimal, QStringLiteral("00000000"));
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("0"));
        for (int i = 23; i <= 29; ++i) {
            QTest::mouseClick(w.Bits->boton(i), Qt::LeftButton);
            consistente(w);
        }
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("1"));
        QTest::mouseClick(w.Bits->boton(31), Qt::LeftButton);
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("-1"));
        QVERIFY(w.Decimal->text().isEmpty());
        consistente(w);
    }

    // Each text typed in each format: every keystroke of a complete text
    // updates the rest.
    void teclear_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("hexadecimal");
        QTest::newRow("binary16 pattern 1") << 0 << "Patron"
                                            << "0011110000000000"
                                            << "3C00";
        QTest::newRow("bfloat16 hex") << 1 << "Hexadecimal"
                                      << "c0a0"
                                      << "C0A0";
        QTest::newRow("binary32 0,1") << 2 << "Decimal"
                                      << "0,1"
                                      << "3DCCCCCD";
        QTest::newRow("binary64 hex 0,1") << 3 << "Hexadecimal"
                                          << "3FB999999999999A"
                                          << "3FB999999999999A";
        QTest::newRow("binary64 30 digits") << 3 << "Decimal"
                                            << "-123456789012345678901234567890E-330"
                                            << "";
        QTest::newRow("binary16 overflow") << 0 << "Decimal"
                                           << "1E5"
                                           << "7C00";
        QTest::newRow("binary16 nan") << 0 << "Decimal"
                                      << "nan"
                                      << "7E00";
        QTest::newRow("bfloat16 -inf") << 1 << "Decimal"
                                       << "-inf"
                                       << "FF80";
        QTest::newRow("binary32 subnormal") << 2 << "Decimal"
                                            << "1e-45"
                                            << "00000001";
    }
    void teclear()
    {
        QFETCH(int, formato);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, hexadecimal);
        TFormLaboratorio w;
        mostrarYActivar(&w);
        QVERIFY(elegir(w.Formato, formato));
        consistente(w);
        auto* e = control<QLineEdit>(&w, campo.toLatin1().constData());
        teclearEn(e, texto);
        QCOMPARE(e->text(), texto);
        if (hexadecimal.isEmpty()) { // what the C library reads
            QString c = texto;
            c.replace(QLatin1Char(','), QLatin1Char('.'));
            hexadecimal = hex(Binary64, std::bit_cast<std::uint64_t>(std::strtod(c.toLatin1().constData(), nullptr)));
        }
        QCOMPARE(w.Hexadecimal->text().toUpper(), hexadecimal);
        if (campo != QStringLiteral("Hexadecimal"))
            QCOMPARE(w.Hexadecimal->text(), hexadecimal);
        if (campo == QStringLiteral("Decimal"))
            QCOMPARE(w.ErrorAbsoluto->text().isEmpty(), texto == QStringLiteral("nan"));
        else
            QVERIFY(w.Decimal->text().isEmpty());
        if (campo != QStringLiteral("Hexadecimal"))
            consistente(w);
    }

    // A text that is not one of the format's changes nothing else, turns
    // its field red and says why in one line.
    void textoMalo_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("pattern with a 2") << 2 << "Patron"
                                          << "0102"
                                          << "«2»";
        QTest::newRow("pattern short") << 0 << "Patron"
                                       << "0101"
                                       << "Faltan 12 bits";
        QTest::newRow("pattern long") << 4 << "Patron"
                                      << "000000000"
                                      << "Sobran 1";
        QTest::newRow("hex letter") << 2 << "Hexadecimal"
                                    << "3G"
                                    << "«G»";
        QTest::newRow("hex long") << 0 << "Hexadecimal"
                                  << "12345"
                                  << "Sobran 1";
        QTest::newRow("hex beyond 8 bits") << 4 << "Hexadecimal"
                                           << "1FF"
                                           << "Sobran";
        QTest::newRow("decimal point") << 2 << "Decimal"
                                       << "0.5"
                                       << "coma";
        QTest::newRow("decimal letter") << 3 << "Decimal"
                                        << "1x"
                                        << "«x»";
        QTest::newRow("decimal bare E") << 3 << "Decimal"
                                        << "2E"
                                        << "exponente";
    }
    void textoMalo()
    {
        QFETCH(int, formato);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, motivo);
        TFormLaboratorio w;
        mostrarYActivar(&w);
        QVERIFY(elegir(w.Formato, formato));
        auto* e = control<QLineEdit>(&w, campo.toLatin1().constData());
        // Up to the last keystroke the text may still be a good one.
        teclearEn(e, texto.chopped(1));
        const QStringList antes = estado(w);
        const QColor fondo = QPalette().color(QPalette::Base); // of a good text
        QTest::keyClick(e, texto.back().toLatin1());
        QStringList despues = estado(w);
        // estado() starts with the three entries.
        const qsizetype i =
            QStringList{QStringLiteral("Patron"), QStringLiteral("Hexadecimal"), QStringLiteral("Decimal")}.indexOf(
                campo);
        QCOMPARE(despues[i], texto);
        despues[i] = antes[i];
        QCOMPARE(despues, antes);
        QVERIFY(e->palette().color(QPalette::Base) != fondo);
        auto* aviso = control<QLabel>(&w, campo == QStringLiteral("Decimal") ? "AvisoDecimal" : "AvisoPatron");
        QVERIFY2(aviso->text().contains(motivo), qPrintable(aviso->text()));
        QVERIFY(!aviso->text().contains(QLatin1Char('\n')));
        // A good text afterwards takes over and clears the mark.
        teclearEn(w.Hexadecimal, hex(w.formato(), 1));
        consistente(w);
        QCOMPARE(e->palette().color(QPalette::Base), fondo);
    }

    // Switching format re-rounds a typed decimal, and otherwise keeps the
    // value as well as the new format can.
    void cambiarFormato()
    {
        TFormLaboratorio w;
        mostrarYActivar(&w);
        QCOMPARE(w.Decimal->text(), QStringLiteral("0,1")); // as it opens
        for (int i = 0; i < 4; ++i) {
            QVERIFY(elegir(w.Formato, i));
            QVERIFY(w.formato() == Formatos[i]);
            QVERIFY(!w.BitsExponente->isEnabled());
            consistente(w);
        }
        // 1,5 from binary64 to every other format.
        teclearEn(w.Hexadecimal, QStringLiteral("3FF8000000000000"));
        for (int i : {0, 1, 2, 4}) {
            QVERIFY(elegir(w.Formato, i));
            QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("1,5"));
            consistente(w);
        }
        // Personalizado from a preset is the course's 1 + 4 + 3.
        QVERIFY(w.formato() == (FormatoBinario{4, 3}));
        QVERIFY(w.BitsExponente->isEnabled() && w.BitsFraccion->isEnabled());
        w.BitsExponente->setValue(2);
        w.BitsFraccion->setValue(1);
        QVERIFY(w.formato() == (FormatoBinario{2, 1}));
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("1,5"));
        consistente(w);
        // 7 bits: two hexadecimal digits, the first one up to 7.
        w.BitsExponente->setValue(4);
        w.BitsFraccion->setValue(2);
        teclearEn(w.Hexadecimal, QStringLiteral("FF"));
        QVERIFY2(w.AvisoPatron->text().contains(QStringLiteral("llega a 7")), qPrintable(w.AvisoPatron->text()));
        teclearEn(w.Hexadecimal, QStringLiteral("7F"));
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("NaN"));
        consistente(w);
        w.BitsExponente->setValue(11);
        w.BitsFraccion->setValue(52);
        QVERIFY(w.formato() == Binary64);
        consistente(w);
        // Infinity and NaN stay what they are.
        teclearEn(w.Decimal, QStringLiteral("-inf"));
        QVERIFY(elegir(w.Formato, 0));
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("-Infinito"));
        QTest::mouseClick(w.Bits->boton(0), Qt::LeftButton);
        QVERIFY(elegir(w.Formato, 3));
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("NaN"));
        consistente(w);
    }

    // Each rounding of the typed decimal, with its errors and the others
    // side by side.
    void redondeos()
    {
        TFormLaboratorio w;
        mostrarYActivar(&w);
        teclearEn(w.Decimal, QStringLiteral("0,3"));
        for (int r = 0; r < CantidadRedondeos; ++r) {
            QVERIFY(elegir(w.Redondeo, r));
            consistente(w);
            QVERIFY(w.Comparacion->item(r, 0)->font().bold());
        }
        QVERIFY(w.ErrorRelativo->text().contains(QStringLiteral("20 cifras")));
        QVERIFY(w.ErrorAbsoluto->text().contains(QStringLiteral("exacto")));
    }

    // The steps to the neighbours, up to the infinity and across zero.
    void pasos()
    {
        TFormLaboratorio w;
        mostrarYActivar(&w);
        QVERIFY(elegir(w.Formato, 0));
        teclearEn(w.Hexadecimal, QStringLiteral("7BFF"));
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("65504"));
        QTest::mouseClick(w.IrSiguiente, Qt::LeftButton);
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("Infinito"));
        QVERIFY(!w.IrSiguiente->isEnabled());
        consistente(w);
        teclearEn(w.Hexadecimal, QStringLiteral("0000"));
        QTest::mouseClick(w.IrAnterior, Qt::LeftButton);
        QCOMPARE(w.Hexadecimal->text(), QStringLiteral("8001"));
        QTest::mouseClick(w.IrSiguiente, Qt::LeftButton);
        QCOMPARE(w.ValorExacto->toPlainText(), QStringLiteral("-0"));
        consistente(w);
    }

    // The picture follows the pattern and the scale, in a small and a wide
    // format.
    void recta()
    {
        TFormLaboratorio w;
        mostrarYActivar(&w);
        for (int formato : {4, 2}) {
            QVERIFY(elegir(w.Formato, formato));
            const QImage antes = w.Recta->grab().toImage();
            const QString descripcion = w.Recta->accessibleDescription();
            QTest::mouseClick(w.Bits->boton(w.formato().bitsFraccion + 1), Qt::LeftButton);
            QVERIFY(w.Recta->grab().toImage() != antes);
            QVERIFY(w.Recta->accessibleDescription() != descripcion);
            const QImage lineal = w.Recta->grab().toImage();
            QTest::mouseClick(w.Logaritmica, Qt::LeftButton);
            QVERIFY(w.Recta->logaritmica());
            QVERIFY(w.Recta->grab().toImage() != lineal);
            QTest::mouseClick(w.Logaritmica, Qt::LeftButton);
        }
    }

    // Tab visits the controls as the eye reads them, reaches every button
    // and every control has an accessible name; Esc closes the window.
    void teclado()
    {
        TFormLaboratorio w;
        mostrarYActivar(&w);
        QVERIFY(elegir(w.Formato, 0));
        w.Formato->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visitados;
        for (int i = 0; i < 200 && !visitados.contains(QApplication::focusWidget()); ++i) {
            QWidget* foco = QApplication::focusWidget();
            visitados << foco;
            QVERIFY2(!foco->accessibleName().isEmpty() || (qobject_cast<QAbstractButton*>(foco) &&
                                                           !qobject_cast<QAbstractButton*>(foco)->text().isEmpty()),
                     qPrintable(foco->objectName()));
            QTest::keyClick(foco, Qt::Key_Tab);
        }
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled())
                QVERIFY2(visitados.contains(b), qPrintable(b->objectName()));
        QList<QWidget*> orden{w.Formato, w.Bits->boton(15)};
        for (int i = 14; i >= 0; --i)
            orden << w.Bits->boton(i);
        orden << w.Patron << w.Hexadecimal;
        int ultimo = -1;
        for (QWidget* c : orden) {
            const int i = static_cast<int>(visitados.indexOf(c));
            QVERIFY2(i > ultimo, qPrintable(c->objectName()));
            ultimo = i;
        }
        QVERIFY(visitados.indexOf(w.Decimal) > visitados.indexOf(w.Hexadecimal));
        QTest::keyClick(w.Decimal, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // Long values scroll inside their fields: binary64 keeps the window
    // within a usual screen.
    void valoresLargos()
    {
        TFormLaboratorio w;
        mostrarYActivar(&w);
        QVERIFY(elegir(w.Formato, 3));
        teclearEn(w.Hexadecimal, QStringLiteral("0000000000000001")); // 767 significant digits
        QVERIFY(w.ValorExacto->toPlainText().size() > 1000);
        QApplication::processEvents();
        QVERIFY2(w.width() <= 1280 && w.height() <= 768,
                 qPrintable(QStringLiteral("%1 x %2").arg(w.width()).arg(w.height())));
        QVERIFY(w.minimumSizeHint().width() <= 1280);
    }

    // The IEEE tab's button opens the laboratory, not modal.
    void desdeLaVentanaPrincipal()
    {
        Programa p;
        TForm1* principal = p.formularios.Form1;
        mostrarYActivar(principal);
        QVERIFY(!principal->BotonLaboratorio->isVisible());
        principal->TabControl1->setCurrentIndex(2);
        QVERIFY(principal->BotonLaboratorio->isVisible());
        QVERIFY(principal->BotonLaboratorio->focusPolicy() & Qt::TabFocus);
        QTest::mouseClick(principal->BotonLaboratorio, Qt::LeftButton);
        TFormLaboratorio* w = principal->laboratorio();
        QVERIFY(w != nullptr && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Laboratorio de formatos"));
        QVERIFY(!w->isModal() && QApplication::activeModalWidget() == nullptr);
        QVERIFY(principal->isEnabled());
        QTest::mouseClick(principal->BotonLaboratorio, Qt::LeftButton);
        QCOMPARE(principal->laboratorio(), w);
        principal->TabControl1->setCurrentIndex(0);
        QVERIFY(!principal->BotonLaboratorio->isVisible());
    }
};

QTEST_MAIN(TestLaboratorio)
#include "tst_laboratorio.moc"
