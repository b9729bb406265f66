// The IEEE-754-to-decimal converter driven as a user does: pick the sign,
// type the exponent and fraction bits, convert; messages, the report
// preview and the help through the recorders.
#include "Apoyo.h"

#include "ieee/Unit6.h"
#include "ieee/Urep6.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>

using namespace cifral;
using namespace prueba;

namespace {

const QString ceros23(23, '0');
const QString uno23 = QString(22, '0') + "1";

// A word of the PDF at a place given in 96-dpi pixels, on the band or on
// the page itself. A word that runs into the next label (the 25 characters
// of the significand in bits reach the "=") is matched by its start.
bool hayPalabra(const QList<PalabraPdf>& ps, const QString& texto, double x, double y, bool enBanda = true,
                bool comienzo = false)
{
    const double px = enBanda ? puntosEnPagina(x) : x * 0.75;
    const double py = enBanda ? puntosEnPagina(y) : y * 0.75;
    for (const PalabraPdf& p : ps)
        if ((comienzo ? p.texto.startsWith(texto) : p.texto == texto) && std::abs(p.x - px) < 0.6 &&
            std::abs(p.y - py) < 0.6)
            return true;
    return false;
}

} // namespace

class TestForm6 : public QObject {
    Q_OBJECT

    std::unique_ptr<Grabadores> g;
    std::unique_ptr<TForm6Rep> informe;
    std::unique_ptr<TForm6> w;

    void escribir(LineaEdicion* e, const QString& bits)
    {
        e->selectAll();
        if (bits.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            teclear(e, bits);
    }

    void convertir(int signo, const QString& exponente, const QString& fraccion)
    {
        QVERIFY(elegir(w->ComboBox1, signo));
        escribir(w->Edit2, exponente);
        escribir(w->Edit1, fraccion);
        QVERIFY(w->SpeedButton1->isEnabled());
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
    }

    const Informe& verDetalle()
    {
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        return g->vista.informes.last();
    }

    QStringList captions(const Informe& r, const QStringList& etiquetas)
    {
        QStringList t;
        for (const QString& e : etiquetas)
            t << r.caption(e);
        return t;
    }

    static bool parteFormulaDeColor(const Informe& r, const QColor& color)
    {
        for (const QString& e : TForm6Rep::parteFormula())
            if (r.etiqueta(e).color != color)
                return false;
        return true;
    }

    QList<PalabraPdf> pdf(const Informe& r)
    {
        const QString archivo = dir.filePath(QString("informe%1.pdf").arg(++pdfs));
        if (!guardarPdf(r, archivo))
            return {};
        return palabrasPdf(archivo);
    }

    QTemporaryDir dir;
    int pdfs = 0;

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init()
    {
        g = std::make_unique<Grabadores>();
        informe = std::make_unique<TForm6Rep>();
        w = std::make_unique<TForm6>(informe.get(), nullptr);
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
        QCOMPARE(w->windowTitle(), QString("Cifral - IEEE 754 Simple Precisión a Decimal"));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->Label5->text(), QString("Representación IEEE 754 en 32 bits "));
        QVERIFY(w->Label5->font().bold() && w->Label5->font().pixelSize() > w->Label6->font().pixelSize());
        for (auto [l, t] :
             {std::pair{w->Label2, "Signo"}, std::pair{w->Label3, "Exponente"}, std::pair{w->Label1, "Mantisa"}}) {
            QCOMPARE(l->text(), QString(t));
            QVERIFY(l->font().bold());
        }
        QCOMPARE(w->ComboBox1->count(), 2);
        QCOMPARE(w->ComboBox1->itemText(0), QString("0"));
        QCOMPARE(w->ComboBox1->itemText(1), QString("1"));
        QCOMPARE(w->ComboBox1->currentIndex(), -1);
        QCOMPARE(w->Edit2->limiteTecleo(), 8);
        QCOMPARE(w->Edit1->limiteTecleo(), 23);
        QCOMPARE(w->Edit2->maxLength(), 32767); // the limit stops typing only
        QCOMPARE(w->Label6->text(), QString("Bits ingresados:"));
        QCOMPARE(w->Label7->text(), QString("0"));
        QCOMPARE(w->Label8->text(), QString("0"));
        QCOMPARE(w->SpeedButton1->text(), QString("Convertir "));
        QVERIFY(!w->SpeedButton1->isEnabled());
        QCOMPARE(w->SpeedButton2->text(), QString("Ver detalle"));
        QCOMPARE(w->SpeedButton2->toolTip(), QString("Para ver el detalle, debe representar el número ingresado"));
        QVERIFY(!w->SpeedButton2->isEnabled() && w->SpeedButton2->sugerenciaActiva());
        QCOMPARE(w->SpeedButton3->text(), QString("Ayuda"));
        QCOMPARE(w->SpeedButton4->text(), QString("Borrar"));
        QCOMPARE(w->Label4->text(), QString("Representación  en decimal"));
        QCOMPARE(w->Label11->text(), QString("="));
        QCOMPARE(w->Label9->text(), QString("Error Absoluto Máximo:"));
        for (QLineEdit* e : {w->Edit3, w->Edit4}) {
            QVERIFY(e->isReadOnly());
            QCOMPARE(e->text(), QString());
        }
        QCOMPARE(w->Label10->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w->ComboBox1);
        for (const char* nombre : {"ComboBox1", "Edit1", "Edit2", "Edit3", "Edit4", "Label10", "SpeedButton1",
                                   "SpeedButton2", "SpeedButton3", "SpeedButton4"})
            QVERIFY2(w->findChild<QWidget*>(nombre), nombre);
    }

    // "Convertir " follows each keystroke and the sign list: enabled exactly
    // with 8 exponent characters, 23 fraction characters and a sign.
    void convertUnlocksExactly()
    {
        for (QChar c : QString("0111111")) {
            teclear(w->Edit2, c);
            QCOMPARE(w->Label7->text(), QString::number(w->Edit2->text().size()));
        }
        for (int i = 0; i < 23; ++i) {
            teclear(w->Edit1, "0");
            QCOMPARE(w->Label8->text(), QString::number(i + 1));
            QVERIFY(!w->SpeedButton1->isEnabled());
        }
        teclear(w->Edit2, "1");
        QCOMPARE(w->Label7->text(), QString("8"));
        QVERIFY(!w->SpeedButton1->isEnabled()); // no sign yet
        QTest::keyClick(w->ComboBox1, '1');     // a sign chosen from the keyboard
        QCOMPARE(w->ComboBox1->currentIndex(), 1);
        QVERIFY(w->SpeedButton1->isEnabled());
        QVERIFY(elegir(w->ComboBox1, 0));
        QVERIFY(w->SpeedButton1->isEnabled());
        teclear(w->Edit2, "1"); // beyond the limit: refused
        QCOMPARE(w->Edit2->text(), QString("01111111"));
        QTest::keyClick(w->Edit1, Qt::Key_Backspace);
        QCOMPARE(w->Label8->text(), QString("22"));
        QVERIFY(!w->SpeedButton1->isEnabled());
        // A pasted text is cut at the limit.
        QApplication::clipboard()->setText("1111111111");
        w->Edit1->setFocus();
        QTest::keySequence(w->Edit1, QKeySequence::Paste);
        QCOMPARE(w->Edit1->text(), QString(22, '0') + "1");
        QCOMPARE(w->Label8->text(), QString("23"));
        QVERIFY(w->SpeedButton1->isEnabled());
        // Text written by the program is never shortened.
        w->Edit1->setText(QString(30, '1'));
        QCOMPARE(w->Edit1->text().size(), 30);
        QCOMPARE(w->Label8->text(), QString("30"));
        QVERIFY(!w->SpeedButton1->isEnabled());
    }

    void notBinary_data()
    {
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::newRow("digits") << "12345671" << ceros23;
        QTest::newRow("blank") << "0111 111" << ceros23;
        QTest::newRow("letter") << "01111111" << QString(22, '0') + "a";
        QTest::newRow("accented") << "01111111" << QString(22, '0') + QString::fromUtf8("ñ");
    }

    // Only the formula is emptied; the rest stays as the last conversion
    // left it, and the focus goes back to the sign list.
    void notBinary()
    {
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        convertir(0, "01111111", ceros23);
        QCOMPARE(w->Edit4->text(), QString("1"));
        escribir(w->Edit2, exponente);
        escribir(w->Edit1, fraccion.left(22));
        for (QChar c : fraccion.mid(22))
            QTest::sendKeyEvent(QTest::Click, w->Edit1, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(w->Edit1->text(), fraccion);
        QVERIFY(w->SpeedButton1->isEnabled());
        w->Edit1->setFocus();
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos, QStringList{"Ingrese números en binario"});
        QCOMPARE(w->Edit3->text(), QString());
        QCOMPARE(w->Edit4->text(), QString("1"));
        QCOMPARE(w->Label10->text(), QString("5,9605E-8 (Aprox.)"));
        QVERIFY(!w->SpeedButton2->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w->ComboBox1);
    }

    // The window shows what the conversion computes, for each kind of
    // pattern; the values themselves are checked in tst_sistnum6.
    void conversions_data()
    {
        QTest::addColumn<int>("signo");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::addColumn<QStringList>("textos"); // Edit3, Edit4, Label10
        QTest::newRow("1") << 0 << "01111111" << ceros23 << QStringList{"(2 ^ 0)*1", "1", "5,9605E-8 (Aprox.)"};
        QTest::newRow("-3") << 1 << "10000000"
                            << "10000000000000000000000" << QStringList{"-(2 ^ 1)*1,5", "-3", "1,1921E-7 (Aprox.)"};
        QTest::newRow("subnormal") << 1 << "00000000"
                                   << "10000000000000000000000"
                                   << QStringList{"-(2 ^-126)*0,5", "-5,8775E-39 (Aprox.)", "7,0065E-46 (Aprox.)"};
        QTest::newRow("-0") << 1 << "00000000" << ceros23 << QStringList{"-0", "", "7,0065E-46 (Aprox.)"};
        QTest::newRow("-Infinito") << 1 << "11111111" << ceros23 << QStringList{"-Infinito", "", "No Tiene"};
        QTest::newRow("NaN") << 0 << "11111111" << uno23 << QStringList{"NaN", "", "No Tiene"};
    }

    void conversions()
    {
        QFETCH(int, signo);
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        QFETCH(QStringList, textos);
        convertir(signo, exponente, fraccion);
        QVERIFY(g->mensajes.textos.isEmpty());
        QCOMPARE((QStringList{w->Edit3->text(), w->Edit4->text(), w->Label10->text()}), textos);
        QVERIFY(w->SpeedButton2->isEnabled());
        // A second conversion starts from an empty decimal value.
        convertir(0, "11111111", ceros23);
        QCOMPARE(w->Edit4->text(), QString());
    }

    void detailButtonState()
    {
        convertir(0, "01111111", ceros23);
        QVERIFY(w->SpeedButton2->isEnabled());
        QTest::mouseMove(w->SpeedButton2);
        QVERIFY(!w->SpeedButton2->sugerenciaActiva());
        QVERIFY(elegir(w->ComboBox1, 1)); // picking a sign resets it
        QVERIFY(!w->SpeedButton2->isEnabled() && w->SpeedButton2->sugerenciaActiva());
        QVERIFY(w->SpeedButton1->isEnabled());
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QVERIFY(w->SpeedButton2->isEnabled());
        teclear(w->Edit1, "1"); // refused at the limit: nothing changes
        QVERIFY(w->SpeedButton2->isEnabled());
        QTest::keyClick(w->Edit2, Qt::Key_Backspace);
        QVERIFY(!w->SpeedButton2->isEnabled());
    }

    // "Borrar" empties the four edits in their order, clears the sign and
    // keeps the error text.
    void borrar()
    {
        convertir(1, "10000000", "10000000000000000000000");
        QStringList vaciados;
        for (QLineEdit* e : {static_cast<QLineEdit*>(w->Edit1), static_cast<QLineEdit*>(w->Edit2), w->Edit3, w->Edit4})
            connect(e, &QLineEdit::textChanged, this, [e, &vaciados] { vaciados << e->objectName(); });
        QTest::mouseClick(w->SpeedButton4, Qt::LeftButton);
        QCOMPARE(vaciados, (QStringList{"Edit2", "Edit1", "Edit3", "Edit4"}));
        QCOMPARE(w->Label7->text(), QString("0"));
        QCOMPARE(w->Label8->text(), QString("0"));
        QCOMPARE(w->ComboBox1->currentIndex(), -1);
        QVERIFY(!w->SpeedButton1->isEnabled() && !w->SpeedButton2->isEnabled());
        QCOMPARE(w->Label10->text(), QString("1,1921E-7 (Aprox.)"));
        escribir(w->Edit2, "10000000");
        escribir(w->Edit1, ceros23);
        QVERIFY(!w->SpeedButton1->isEnabled()); // the sign is chosen again first
        for (QLineEdit* e : {static_cast<QLineEdit*>(w->Edit1), static_cast<QLineEdit*>(w->Edit2), w->Edit3, w->Edit4})
            disconnect(e, nullptr, this, nullptr);
    }

    // The focus goes to the sign list whenever the window becomes active,
    // also after the preview closes.
    void focusOnTheSignList()
    {
        convertir(0, "01111111", ceros23);
        w->Edit1->setFocus();
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w->ComboBox1);
        w->Edit2->setFocus();
        QWidget otra;
        mostrarYActivar(&otra);
        mostrarYActivar(w.get());
        QCOMPARE(QApplication::focusWidget(), w->ComboBox1);
    }

    void reportOfOne()
    {
        const Informe& antes = informe->QuickRep1;
        QCOMPARE(antes.caption("QRLabel15"), QString("Número anterior:"));
        QCOMPARE(antes.banda(), QSize(718, 403));
        convertir(0, "01111111", ceros23);
        const Informe& r = verDetalle();
        QCOMPARE(g->vista.informes.size(), 1);
        QCOMPARE(captions(r, {"QRLabel6", "QRLabel7", "QRLabel8", "QRLabel9", "QRLabel11", "QRLabel12", "QRLabel22",
                              "QRLabel23", "QRLabel24"}),
                 (QStringList{"2", "0", "*", "1.00000000000000000000000", "=", "2", "0", "*", "1,000000000000000"}));
        QCOMPARE(captions(r, {"QRLabel1", "QRLabel2", "QRLabel3", "QRLabel14", "QRLabel27", "QRLabel28"}),
                 (QStringList{"0", "01111111", ceros23, "0", "01111111", ceros23}));
        QCOMPARE(captions(r, {"QRLabel15", "QRLabel16", "QRLabel29", "QRLabel30"}),
                 (QStringList{"Número Siguiente", "0", "01111111", uno23}));
        QCOMPARE(captions(r, {"QRLabel33", "QRLabel18", "QRLabel34", "QRLabel26", "QRLabel37"}),
                 (QStringList{"(2 ^ 0)*1", "(2 ^ 0)*1,00000011920929", "1,1921E-7 (Aprox.)", "5,9605E-8 (Aprox.)",
                              "(2 ^ 0)*1"}));
        QVERIFY(parteFormulaDeColor(r, Qt::black));
        QCOMPARE(r.etiqueta("QRLabel6").posicion, QPoint(16, 168));
        QCOMPARE(r.etiqueta("QRLabel4").pixeles, 16);
        QVERIFY(r.etiqueta("QRLabel4").negrita);

        const QList<PalabraPdf> ps = pdf(r);
        QVERIFY2(!ps.isEmpty(), "pdftotext gave nothing");
        struct Lugar {
            const char* texto;
            int x, y;
            bool enBanda;
        };
        QVERIFY(hayPalabra(ps, "1.00000000000000000000000", 112, 168, true, true));
        for (const Lugar& l :
             {Lugar{"2", 16, 168, true}, Lugar{"0", 32, 160, true}, Lugar{"*", 96, 168, true},
              Lugar{"2", 320, 168, true}, Lugar{"0", 336, 160, true}, Lugar{"*", 392, 168, true},
              Lugar{"=", 496, 368, true}, Lugar{"1,000000000000000", 408, 168, true}, Lugar{"Número", 16, 288, true},
              Lugar{"1,1921E-7", 280, 368, true}, Lugar{"5,9605E-8", 520, 368, true}, Lugar{"(2", 416, 168, false},
              Lugar{"Cifral", 632, 1048, false}}) {
            QVERIFY2(hayPalabra(ps, QString::fromUtf8(l.texto), l.x, l.y, l.enBanda),
                     qPrintable(QString("%1 at %2,%3").arg(l.texto).arg(l.x).arg(l.y)));
        }
    }

    void reportOfAZero()
    {
        convertir(0, "01111111", ceros23);
        convertir(0, "00000000", ceros23);
        const Informe& r = verDetalle();
        QCOMPARE(r.caption("QRLabel6"), QString("0"));
        QCOMPARE(r.etiqueta("QRLabel6").posicion, QPoint(16, 168)); // where the number before left it
        QVERIFY(parteFormulaDeColor(r, Qt::white));
        QCOMPARE(captions(r, {"QRLabel15", "QRLabel16", "QRLabel29", "QRLabel30", "QRLabel18"}),
                 (QStringList{"Número Siguiente", "1", "00000000", uno23, "-(2 ^-126)*1,19209289550781E-7"}));
        QCOMPARE(captions(r, {"QRLabel34", "QRLabel26"}), (QStringList{"1,4013E-45 (Aprox.)", "7,0065E-46 (Aprox.)"}));
        // The formula part keeps the converted number before the zero, in
        // white: on the page the result line shows only "0".
        QCOMPARE(r.caption("QRLabel9"), QString("1.00000000000000000000000"));
        const QImage pagina = imagenInforme(r);
        const QRectF linea(Margen + 30, Margen + 158, 600, 24);
        for (int y = int(linea.top()); y < int(linea.bottom()); ++y)
            for (int x = int(linea.left()); x < int(linea.right()); ++x)
                QVERIFY(qGray(pagina.pixel(x, y)) > 200);
        // After a special, the minus zero stays at the top position.
        convertir(0, "11111111", ceros23);
        convertir(1, "00000000", ceros23);
        const Informe& r2 = verDetalle();
        QCOMPARE(r2.caption("QRLabel6"), QString("-0"));
        QCOMPARE(r2.etiqueta("QRLabel6").posicion, QPoint(16, 147));
    }

    void reportOfNaN()
    {
        convertir(1, "10000000", "10000000000000000000000");
        convertir(0, "11111111", uno23);
        const Informe& r = verDetalle();
        QCOMPARE(r.caption("QRLabel6"), QString("NaN"));
        QCOMPARE(r.etiqueta("QRLabel6").posicion, QPoint(16, 147));
        QVERIFY(parteFormulaDeColor(r, Qt::white));
        QCOMPARE(captions(r, {"QRLabel16", "QRLabel18", "QRLabel34", "QRLabel26", "QRLabel29", "QRLabel30"}),
                 (QStringList{"No Tiene", "No Tiene", "No Tiene", "No Tiene", "", ""}));
        QCOMPARE(captions(r, {"QRLabel33", "QRLabel37"}), (QStringList{"NaN", "NaN"}));
        const QList<PalabraPdf> ps = pdf(r);
        QVERIFY(hayPalabra(ps, "NaN", 16, 147));
        QVERIFY(hayPalabra(ps, "NaN", 416, 168, false));
        QVERIFY(hayPalabra(ps, "No", 280, 368));
        QVERIFY(hayPalabra(ps, "No", 520, 368));
        // Between conversions the result line shows "NaN (Not a number)",
        // as the conversion wrote it, until "Ver detalle" writes the formula.
        convertir(0, "11111111", uno23);
        QCOMPARE(informe->QuickRep1.caption("QRLabel6"), QString("NaN (Not a number)"));
        // A number with a formula brings the result line down again.
        convertir(0, "01111111", ceros23);
        QCOMPARE(verDetalle().etiqueta("QRLabel6").posicion, QPoint(16, 168));
    }

    void reportOfANegativeNormalNumber()
    {
        convertir(1, "10000000", "10000000000000000000000");
        const Informe& r = verDetalle();
        QCOMPARE(captions(r, {"QRLabel6", "QRLabel12", "QRLabel7", "QRLabel9", "QRLabel24"}),
                 (QStringList{"-2", "-2", "1", "1.10000000000000000000000", "1,500000000000000"}));
        QVERIFY(r.caption("QRLabel33").startsWith("-(2 ^ "));
        QCOMPARE(
            captions(r, {"QRLabel15", "QRLabel16", "QRLabel29", "QRLabel30", "QRLabel18"}),
            (QStringList{"Número Siguiente", "1", "10000000", "10000000000000000000001", "-(2 ^ 1)*1,50000011920929"}));
        QVERIFY(parteFormulaDeColor(r, Qt::black));
        const QList<PalabraPdf> ps = pdf(r);
        QVERIFY(hayPalabra(ps, "-2", 16, 168));
        QVERIFY(hayPalabra(ps, "-2", 320, 168));
        QVERIFY(hayPalabra(ps, "1", 32, 160));
    }

    // Nothing of the filled page overlaps, but the labels made to share a
    // line with a whitened neighbour.
    void reportLabelsDoNotOverlap()
    {
        convertir(1, "11111110", QString(23, '1'));
        const Informe& r = verDetalle();
        const auto& ls = r.etiquetas();
        for (int i = 0; i < ls.size(); ++i)
            for (int j = i + 1; j < ls.size(); ++j) {
                if (ls[i].titulo.isEmpty() || ls[j].titulo.isEmpty())
                    continue;
                const QRectF a = rectanguloEtiqueta(r, ls[i]), b = rectanguloEtiqueta(r, ls[j]);
                QVERIFY2(a.intersected(b).width() < 3 || a.intersected(b).height() < 3,
                         qPrintable(ls[i].nombre + " / " + ls[j].nombre));
            }
    }

    void help()
    {
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        QCOMPARE(ayuda().archivo(), QString("HELP6.hlp"));
        QCOMPARE(g->visor.abiertos, QStringList{"HELP6.hlp"});
        QFile pagina(paginaDeAyuda("HELP6.hlp"));
        QVERIFY(pagina.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(pagina.readAll());
        for (const char* texto : {"Ingrese números en binario", "No Tiene", "2 ^-126", "NaN", "(Aprox.)"})
            QVERIFY2(html.contains(QString::fromUtf8(texto)), texto);
    }

    // A student at random: the shared random use, valid and special
    // patterns typed whole, edge texts and "Borrar"; every result field
    // shows nothing or a well-formed text.
    void randomUseNeverBreaks()
    {
        static const QRegularExpression numero("^-?\\d+(,\\d+)?(E[+-]?\\d+)?( \\(Aprox\\.\\))?$");
        static const QRegularExpression formula("^-?\\(2 \\^( -?\\d+|-126)\\)\\*\\d+(,\\d+)?(E-\\d+)?$");
        const QStringList especiales{"0", "-0", "NaN", "Infinito", "-Infinito"};
        QRandomGenerator azar(6);
        auto bitsAlAzar = [&azar](int n) {
            QString s;
            for (int i = 0; i < n; ++i)
                s += azar.bounded(2) ? '1' : '0';
            return s;
        };
        int conversiones = 0;
        for (int paso = 0; paso < 1500; ++paso) {
            switch (azar.bounded(7)) {
            case 0:
            case 1:
                usoAlAzar(w.get(), 5, quint32(paso));
                break;
            case 2: { // a whole field, often an edge value
                const int campo = azar.bounded(4);
                const QString exponente = campo == 0 ? "00000000" : campo == 1 ? "11111111" : bitsAlAzar(8);
                escribir(w->Edit2, exponente);
                escribir(w->Edit1, azar.bounded(3) == 0 ? ceros23 : bitsAlAzar(23));
                elegir(w->ComboBox1, azar.bounded(2));
                break;
            }
            case 3:
            case 5:
                if (w->SpeedButton1->isEnabled()) {
                    QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
                    ++conversiones;
                }
                if (w->SpeedButton2->isEnabled())
                    QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
                break;
            case 4: { // an edge text over a character: accented, blank, pasted
                LineaEdicion* e = azar.bounded(2) ? w->Edit1 : w->Edit2;
                e->setFocus();
                if (!e->text().isEmpty())
                    e->setSelection(azar.bounded(int(e->text().size())), 1);
                const int k = azar.bounded(3);
                if (k == 0)
                    QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString::fromUtf8("á"), Qt::NoModifier);
                else if (k == 1)
                    QTest::keyClick(e, ' ');
                else {
                    QApplication::clipboard()->setText(bitsAlAzar(1 + azar.bounded(40)));
                    QTest::keySequence(e, QKeySequence::Paste);
                }
                break;
            }
            default:
                QTest::mouseClick(w->SpeedButton4, Qt::LeftButton);
                break;
            }
            const QString f = w->Edit3->text();
            QVERIFY2(f.isEmpty() || especiales.contains(f) || formula.match(f).hasMatch(), qPrintable(f));
            const QString d = w->Edit4->text();
            QVERIFY2(d.isEmpty() || numero.match(d).hasMatch(), qPrintable(d));
            const QString e = w->Label10->text();
            QVERIFY2(e.isEmpty() || e == "No Tiene" || numero.match(e).hasMatch(), qPrintable(e));
            QCOMPARE(w->Label7->text(), QString::number(w->Edit2->text().size()));
            QCOMPARE(w->Label8->text(), QString::number(w->Edit1->text().size()));
            QVERIFY(w->Edit2->text().size() <= 8 && w->Edit1->text().size() <= 23);
        }
        QVERIFY(w->isVisible());
        QVERIFY(conversiones > 100);
        QVERIFY(g->vista.informes.size() > 50);
        QVERIFY(g->mensajes.textos.count("Ingrese números en binario") > 10);
    }
};

QTEST_MAIN(TestForm6)
#include "tst_form6.moc"
