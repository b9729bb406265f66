// The decimal-to-IEEE converter driven as a user does: choose the mode, type
// the number (and the power of ten), convert; messages, report and help
// through the recorders. The fields are checked against the number to
// represent taken apart with integer arithmetic.
#include "Apoyo.h"
#include "Referencia.h"

#include "ieee/Unit5.h"
#include "ieee/Unit5Rep.h"
#include "ieee/sistnum5.h"

#include <QClipboard>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

using namespace cifral;
using namespace prueba;

namespace {

const QString Ingrese = QStringLiteral("Ingrese un número entero o decimal");
const QString Ceros18 = QStringLiteral("0,000000000000000000");

enum Modo { Ninguno = -1, Entero = 0, Decimal = 1 };

// The fields a conversion must show for the number to represent that the
// window keeps: its exponent field less the 48-bit bias is the binary
// exponent, the first 23 of its 39 fraction bits are the fraction, a blank
// follows when any of the other 16 is set, and those 16 bits are the
// absolute error.
struct Campos {
    QString exponente, fraccion, ea, er;
};

Campos camposDe(const RealDe48Bits& n)
{
    const std::uint64_t b = n.bits();
    const int campo = static_cast<int>(b & 0xFF);
    const std::uint64_t fraccion = (b >> 8) & ((std::uint64_t{1} << 39) - 1);
    const std::uint64_t cortados = fraccion & 0xFFFF;
    Campos c;
    c.exponente = QString::fromStdString(bits(static_cast<std::uint64_t>(campo - 129 + 127), 8));
    c.fraccion = QString::fromStdString(bits(fraccion >> 16, 23)) + (cortados != 0 ? " " : "");
    const Extended absoluto = std::ldexp(static_cast<Extended>(cortados), campo - 129 - 39);
    c.ea = QString::fromStdString(textoError(static_cast<double>(absoluto)));
    c.er = QString::fromStdString(textoError(static_cast<double>(static_cast<double>(absoluto) / n.valor())));
    return c;
}

// What the window keeps of a typed number and power of ten.
Extended guardado(const QString& numero, const QString& potencia)
{
    try {
        const auto x = static_cast<double>(std::fabs(StrToFloat(numero.toStdString())));
        const Extended k = potencia.isEmpty() ? 0 : StrToFloat(potencia.toStdString());
        return RealDe48Bits(porPotenciaDe10(x, k)).valor();
    } catch (const Fault&) {
        return -1;
    }
}

// d with as many decimals as fit in `largo` characters, trailing zeros
// dropped, "0," shortened to ",".
QString textoQueCabe(Extended d, int largo)
{
    for (int decimales = 20; decimales >= 0; --decimales) {
        char b[96];
        std::snprintf(b, sizeof b, "%.*Lf", decimales, d);
        QString s = QString::fromLatin1(b);
        if (s.contains('.')) {
            while (s.endsWith('0'))
                s.chop(1);
            if (s.endsWith('.'))
                s.chop(1);
        }
        if (s.startsWith("0."))
            s.remove(0, 1);
        s.replace('.', ',');
        if (s.size() <= largo && !s.isEmpty() && s != "0")
            return s;
    }
    return {};
}

struct Entrada {
    QString numero, potencia;
};

// A text of at most `largo` characters (and a power of ten from -9 to 99 in
// "Decimal" mode) near t, whose number to represent is exactly `meta`.
std::optional<Entrada> entradaPara(Extended t, Extended meta, Modo modo, int largo)
{
    if (modo == Entero) {
        const QString s = textoQueCabe(t, largo);
        if (!s.isEmpty() && guardado(s, {}) == meta)
            return Entrada{s, {}};
        return std::nullopt;
    }
    const int k0 = static_cast<int>(std::floor(std::log10(static_cast<double>(t))));
    QList<int> ks{k0 - 15, k0, k0 - 14, k0 - 1};
    for (int k = -9; k <= 99; ++k)
        ks << k;
    for (int k : ks) {
        k = std::clamp(k, -9, 99);
        const QString s = textoQueCabe(t / Power(10, k), largo);
        if (!s.isEmpty() && guardado(s, QString::number(k)) == meta)
            return Entrada{s, QString::number(k)};
    }
    return std::nullopt;
}

// A number to convert whose number to represent is known.
struct Caso {
    Modo modo;
    QString numero, potencia;
    Extended meta;
    QString nombre;
};

// Around every power of two that the entries reach: the power itself, a
// number typed just below and one typed just above it that are kept as the
// power, and the two 48-bit numbers next to it. Some are negative.
QList<Caso> casosDePotencias(Modo modo)
{
    QList<Caso> casos;
    for (int e = -140; e <= 130; ++e) {
        const Extended p = std::ldexp(1.0L, e);
        struct Variante {
            const char* nombre;
            Extended tecleado, meta;
        };
        const Variante variantes[] = {
            {"", p, p},
            {" typed just below", p - std::ldexp(1.0L, e - 42), p},
            {" typed just above", p + std::ldexp(1.0L, e - 41), p},
            {" - 1 unit of 40 bits", p - std::ldexp(1.0L, e - 40), p - std::ldexp(1.0L, e - 40)},
            {" + 1 unit of 40 bits", p + std::ldexp(1.0L, e - 39), p + std::ldexp(1.0L, e - 39)},
        };
        QStringList vistos;
        for (const Variante& v : variantes) {
            auto entrada = entradaPara(v.tecleado, v.meta, modo, 16);
            if (!entrada || vistos.contains(entrada->numero + "E" + entrada->potencia))
                continue;
            vistos << entrada->numero + "E" + entrada->potencia;
            if (entrada->numero.size() < 16 && (e + int(vistos.size())) % 3 == 0)
                entrada->numero.prepend('-');
            casos.append({modo, entrada->numero, entrada->potencia, v.meta,
                          QString("2^%1%2").arg(e).arg(QString::fromLatin1(v.nombre))});
        }
    }
    return casos;
}

} // namespace

class TestForm5 : public QObject {
    Q_OBJECT

    std::unique_ptr<Grabadores> g;
    std::unique_ptr<TForm5Rep> informe;
    std::unique_ptr<TForm5> w;

    void escribir(LineaEdicion* e, const QString& texto, bool pegar = false)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        if (pegar) {
            QApplication::clipboard()->setText(texto);
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        } else {
            teclearCaracteres(e, texto);
        }
    }

    void convertir(Modo modo, const QString& numero, const QString& potencia = {})
    {
        if (modo != Ninguno)
            clicEnRadio(w->RadioGroup1, modo);
        if (modo == Entero) {
            escribir(w->Edit1, numero);
        } else if (modo == Decimal) {
            escribir(w->Edit2, numero);
            escribir(w->Edit3, potencia);
        }
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
    }

    QStringList resultado() const
    {
        return {w->StaticText4->text(), w->stexpo->text(), w->StaticText8->text(), w->EA->text(), w->ER->text()};
    }

    // The fields against the kept number to represent; empty when they
    // agree.
    QString discordancia(bool negativo) const
    {
        const Campos c = camposDe(w->numeroARepresentar());
        const QStringList esperado{negativo ? "1" : "0", c.exponente, c.fraccion, c.ea, c.er};
        if (resultado() == esperado)
            return {};
        return resultado().join('|') + " instead of " + esperado.join('|');
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init()
    {
        g = std::make_unique<Grabadores>();
        informe = std::make_unique<TForm5Rep>();
        w = std::make_unique<TForm5>(informe.get(), nullptr);
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
        QCOMPARE(w->windowTitle(), QString("Cifral -  Decimal  a IEEE 754 Simple Precisión"));
        QCOMPARE(w->size(), QSize(547, 420));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->RadioGroup1->title(), QString("Ingresar números en:"));
        QCOMPARE(w->RadioGroup1->cantidad(), 2);
        QCOMPARE(w->RadioGroup1->boton(0)->text(), QString("Entero"));
        QCOMPARE(w->RadioGroup1->boton(1)->text(), QString("Decimal"));
        QCOMPARE(w->RadioGroup1->itemIndex(), -1);
        QCOMPARE(w->RadioGroup1->font().pixelSize(), 12);
        QVERIFY(w->RadioGroup1->font().bold());
        for (LineaEdicion* e : {w->Edit1, w->Edit2, w->Edit3}) {
            QVERIFY(e->text().isEmpty());
            QCOMPARE(e->color(), TForm5::colorGris());
            QVERIFY(e->font().bold());
            QCOMPARE(e->maxLength(), 32767); // the limits stop typing only
        }
        QVERIFY(!w->Edit1->isEnabled());
        QVERIFY(!w->Edit2->isEnabled());
        QVERIFY(w->Edit3->isEnabled());
        QCOMPARE(w->Edit1->limiteTecleo(), 16);
        QCOMPARE(w->Edit2->limiteTecleo(), 16);
        QCOMPARE(w->Edit3->limiteTecleo(), 2);
        QCOMPARE(w->StaticText1->text(), QString("X  10"));
        QCOMPARE(w->StaticText1->font().pixelSize(), 13);
        QCOMPARE(w->SpeedButton1->text(), QString("Convertir"));
        QCOMPARE(w->SpeedButton1->font().pixelSize(), 13);
        QCOMPARE(w->SpeedButton2->text(), QString("Ayuda"));
        QCOMPARE(w->SpeedButton3->text(), QString("Ver detalle"));
        QCOMPARE(w->SpeedButton3->toolTip(), QString("Para ver el detalle, debe representar el número"));
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        QCOMPARE(w->SpeedButton4->text(), QString("Borrar"));
        for (BotonRapido* b : {w->SpeedButton1, w->SpeedButton2, w->SpeedButton3, w->SpeedButton4})
            QVERIFY(b->font().bold());
        QCOMPARE(w->StaticText2->text(), QString("Resultado en Representación IEEE 754 Simple Precisión :"));
        QCOMPARE(w->StaticText2->font().pixelSize(), 16);
        QCOMPARE(w->StaticText3->text(), QString("Signo"));
        QCOMPARE(w->StaticText5->text(), QString("Exponente"));
        QCOMPARE(w->StaticText7->text(), QString("Mantisa"));
        QCOMPARE(w->StaticText9->text(), QString("Error Absoluto:"));
        QCOMPARE(w->StaticText10->text(), QString("Error Relativo:"));
        for (QLabel* l : {w->StaticText4, w->stexpo, w->StaticText8})
            QCOMPARE(l->font().pixelSize(), 15);
        for (QLabel* l : {w->StaticText4, w->stexpo, w->StaticText8, w->EA, w->ER}) {
            QVERIFY(l->text().isEmpty());
            QVERIFY(l->font().bold());
            QCOMPARE(l->parentWidget(), w->Panel1);
        }
        QCOMPARE(w->numeroARepresentar().valor(), Extended{0});
        QCOMPARE(w->numeroRepresentado().valor(), Extended{0});
        QCOMPARE(w->exponenteSesgado(), 0);
    }

    // The entries stand on the rows of their modes, "X  10" and the raised
    // power after the second; nothing else covers anything, and the longest
    // texts fit.
    void layoutFits()
    {
        for (int i = 0; i < 2; ++i) {
            QRadioButton* b = w->RadioGroup1->boton(i);
            const QRect fila(b->mapTo(w.get(), QPoint(0, 0)), b->size());
            LineaEdicion* e = i == 0 ? w->Edit1 : w->Edit2;
            QVERIFY(w->RadioGroup1->geometry().contains(e->geometry()));
            QVERIFY(std::abs(e->geometry().center().y() - fila.center().y()) <= 2);
            QVERIFY(e->x() > fila.x() + 24 + b->fontMetrics().horizontalAdvance(b->text()));
        }
        QVERIFY(w->StaticText1->x() >= w->Edit2->geometry().right());
        QVERIFY(w->Edit3->x() >= w->StaticText1->x() + w->StaticText1->fontMetrics().horizontalAdvance("X  10"));
        QVERIFY(w->Edit3->geometry().bottom() < w->Edit2->geometry().center().y());
        QVERIFY(w->RadioGroup1->geometry().contains(w->Edit3->geometry()));
        for (QWidget* padre : {static_cast<QWidget*>(w.get()), static_cast<QWidget*>(w->Panel1)}) {
            QList<QWidget*> hijos;
            for (QObject* o : padre->children())
                if (auto* h = qobject_cast<QWidget*>(o);
                    h && !h->isWindow() && h != w->Edit1 && h != w->Edit2 && h != w->Edit3 && h != w->StaticText1)
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
        auto cabe = [](QWidget* c, const QString& t) { return c->fontMetrics().horizontalAdvance(t) < c->width() - 6; };
        QVERIFY(cabe(w->StaticText8, "11111111111111111111111 "));
        QVERIFY(cabe(w->stexpo, "11111111"));
        QVERIFY(cabe(w->EA, "8589934592,000000000000000000"));
        QVERIFY(cabe(w->Edit1, "-999999999999999"));
        QVERIFY(cabe(w->Edit3, "-9"));
    }

    void modeSwitching()
    {
        clicEnRadio(w->RadioGroup1, Entero);
        QVERIFY(w->Edit1->isEnabled());
        QVERIFY(!w->Edit2->isEnabled());
        QCOMPARE(w->Edit1->color(), colorVentana());
        QCOMPARE(w->Edit2->color(), TForm5::colorGris());
        QCOMPARE(w->Edit3->color(), TForm5::colorGris());
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
        // The power of ten stays open, grey, and is ignored.
        QVERIFY(w->Edit3->isEnabled());
        escribir(w->Edit3, "7");
        escribir(w->Edit1, "3");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(w->stexpo->text(), QString("10000000"));

        clicEnRadio(w->RadioGroup1, Decimal);
        QVERIFY(w->Edit1->text().isEmpty());
        QVERIFY(!w->Edit1->isEnabled());
        QVERIFY(w->Edit2->isEnabled());
        QCOMPARE(w->Edit1->color(), TForm5::colorGris());
        QCOMPARE(w->Edit2->color(), colorVentana());
        QCOMPARE(w->Edit3->color(), colorVentana());
        QCOMPARE(w->Edit3->text(), QString("7")); // kept
        QCOMPARE(QApplication::focusWidget(), w->Edit2);
        escribir(w->Edit2, "5");

        clicEnRadio(w->RadioGroup1, Entero);
        QVERIFY(w->Edit2->text().isEmpty());
        QVERIFY(w->Edit3->text().isEmpty());
        QVERIFY(!w->Edit2->isEnabled());
        // An Edit1 left empty is locked too on the way to "Decimal".
        clicEnRadio(w->RadioGroup1, Decimal);
        QVERIFY(!w->Edit1->isEnabled());
        teclear(w->Edit1, "4");
        QVERIFY(w->Edit1->text().isEmpty());
        QVERIFY(g->mensajes.textos.isEmpty());
    }

    // The limits stop typing and pasting; text that is already there is
    // never shortened.
    void typingLimits()
    {
        clicEnRadio(w->RadioGroup1, Entero);
        escribir(w->Edit1, "12345678901234567890");
        QCOMPARE(w->Edit1->text(), QString("1234567890123456"));
        escribir(w->Edit1, "98765432109876543210", true);
        QCOMPARE(w->Edit1->text(), QString("9876543210987654"));
        escribir(w->Edit3, "123");
        QCOMPARE(w->Edit3->text(), QString("12"));
        clicEnRadio(w->RadioGroup1, Decimal);
        escribir(w->Edit2, "-1234567890,12345678");
        QCOMPARE(w->Edit2->text(), QString("-1234567890,1234"));
        w->Edit3->setText("12345");
        QCOMPARE(w->Edit3->text(), QString("12345"));
        QTest::keyClick(w->Edit3, '6');
        QCOMPARE(w->Edit3->text(), QString("12345"));
    }

    // Where the desktop has a selection clipboard (X11), a middle click
    // pastes the selected text: the limits hold there as for every other
    // paste. Without one (offscreen) this check runs again in a child of the
    // test on a virtual X display, when there is one.
    void middleClickPasteKeepsTheLimits()
    {
        if (!QApplication::clipboard()->supportsSelection()) {
            const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
            if (xvfb.isEmpty() || qEnvironmentVariableIsSet("CIFRAL_PRUEBA_X11"))
                QSKIP("no selection clipboard and no virtual X display");
            QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
            entorno.insert("QT_QPA_PLATFORM", "xcb");
            entorno.insert("CIFRAL_PRUEBA_X11", "1");
            // The X libraries keep memory until the end: no leak report.
            entorno.insert("ASAN_OPTIONS", entorno.value("ASAN_OPTIONS") + ":detect_leaks=0");
            QProcess hijo;
            hijo.setProcessEnvironment(entorno);
            hijo.setProcessChannelMode(QProcess::MergedChannels);
            hijo.start(xvfb, {"-a", QCoreApplication::applicationFilePath(), "middleClickPasteKeepsTheLimits"});
            QVERIFY(hijo.waitForFinished(120000));
            const QByteArray salida = hijo.readAll();
            QVERIFY2(hijo.exitStatus() == QProcess::NormalExit && hijo.exitCode() == 0, salida.constData());
            QVERIFY2(salida.contains("PASS   : TestForm5::middleClickPasteKeepsTheLimits()"), salida.constData());
            return;
        }
        QApplication::clipboard()->setText("-123456789012345678901234567890", QClipboard::Selection);
        clicEnRadio(w->RadioGroup1, Entero);
        QTest::mouseClick(w->Edit1, Qt::MiddleButton);
        QCOMPARE(w->Edit1->text(), QString("-123456789012345"));
        QTest::mouseClick(w->Edit1, Qt::MiddleButton); // full: nothing more
        QCOMPARE(w->Edit1->text(), QString("-123456789012345"));
        QVERIFY(!w->SpeedButton3->isEnabled());
        QTest::mouseClick(w->Edit3, Qt::MiddleButton);
        QCOMPARE(w->Edit3->text(), QString("-1"));
    }

    // The figures shown for a few numbers, zeros of both signs among them.
    void conversions_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("potencia");
        QTest::addColumn<QStringList>("figuras"); // sign, exponent, fraction, EA, ER
        const QString cero23(23, '0');
        const QStringList unDecimo{"0", "01111011", "10011001100110011001100 ", "0,000000005960487215",
                                   "0,000000059604872150"};
        QTest::newRow("0,1") << int(Entero) << "0,1" << QString() << unDecimo;
        QTest::newRow(",1") << int(Entero) << ",1" << QString() << unDecimo;
        QTest::newRow("1 X 10^-1") << int(Decimal) << "1"
                                   << "-1" << unDecimo;
        QTest::newRow("0,01 X 10^1") << int(Decimal) << "0,01"
                                     << "1" << unDecimo;
        QTest::newRow("1") << int(Entero) << "1" << QString() << QStringList{"0", "01111111", cero23, Ceros18, Ceros18};
        QTest::newRow("3") << int(Entero) << "3" << QString()
                           << QStringList{"0", "10000000", "1" + QString(22, '0'), Ceros18, Ceros18};
        QTest::newRow("-8") << int(Entero) << "-8" << QString()
                            << QStringList{"1", "10000010", cero23, Ceros18, Ceros18};
        QTest::newRow("-2,5 X 10^2") << int(Decimal) << "-2,5"
                                     << "2"
                                     << QStringList{"1", "10000110", "11110100000000000000000", Ceros18, Ceros18};
        QTest::newRow("1 X 10^38") << int(Decimal) << "1"
                                   << "38"
                                   << QStringList{"0", "11111101", "00101100111011010011001 ", "3,197134894E30",
                                                  "0,000000031971348940"};
        QTest::newRow("9999999999999999") << int(Entero) << "9999999999999999" << QString()
                                          << QStringList{"0", "10110100", "00011100001101111001001 ",
                                                         "801177600,000000000000000000", "0,000000080117760000"};
        const QStringList cero{"0", "00000000", cero23, "0", "0"};
        const QStringList menosCero{"1", "00000000", cero23, "0", "0"};
        QTest::newRow("0") << int(Entero) << "0" << QString() << cero;
        QTest::newRow("-0") << int(Entero) << "-0" << QString() << menosCero;
        QTest::newRow("0,0") << int(Entero) << "0,0" << QString() << cero;
        QTest::newRow("a lone comma") << int(Entero) << "," << QString() << cero;
        QTest::newRow("-,") << int(Entero) << "-," << QString() << menosCero;
        QTest::newRow("-0,000") << int(Entero) << "-0,000" << QString() << menosCero;
        // A zero never reads its power of ten.
        QTest::newRow("0 X 10^-") << int(Decimal) << "0"
                                  << "-" << cero;
        QTest::newRow("-0 X 10^99") << int(Decimal) << "-0"
                                    << "99" << menosCero;
        QTest::newRow("0 X 10^,5") << int(Decimal) << "0"
                                   << ",5" << cero;
    }

    void conversions()
    {
        QFETCH(int, modo);
        QFETCH(QString, numero);
        QFETCH(QString, potencia);
        QFETCH(QStringList, figuras);
        convertir(Modo(modo), numero, potencia);
        QVERIFY2(g->mensajes.textos.isEmpty(), qPrintable(g->mensajes.textos.join('|')));
        QCOMPARE(resultado(), figuras);
        QVERIFY(w->SpeedButton3->isEnabled());
        if (figuras[1] == "00000000") {
            QCOMPARE(w->numeroARepresentar().valor(), Extended{0});
            QCOMPARE(w->numeroRepresentado().valor(), Extended{0});
        } else {
            QCOMPARE(discordancia(figuras[0] == "1"), QString());
            QCOMPARE(w->exponenteSesgado(), figuras[1].toInt(nullptr, 2));
        }
    }

    // Every text the entries can hold that is no number ends in a message;
    // the results of the last conversion stay.
    void rejectedInput_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("potencia");
        QTest::addColumn<bool>("pegar");
        QTest::addColumn<QString>("mensaje");
        auto fila = [](const char* nombre, Modo modo, const char* numero, const char* potencia, const QString& mensaje,
                       bool pegar = false) {
            QTest::newRow(nombre) << int(modo) << QString::fromUtf8(numero) << QString::fromUtf8(potencia) << pegar
                                  << mensaje;
        };
        auto noFloat = [](const char* t) { return QString("'%1' is not a valid floating point value").arg(t); };
        auto noInt = [](const char* t) { return QString("'%1' is not a valid integer value").arg(t); };
        fila("no mode, nothing typed", Ninguno, "", "", Ingrese);
        fila("no mode, a power typed", Ninguno, "", "5", Ingrese);
        fila("Entero, empty", Entero, "", "", Ingrese);
        fila("two commas", Entero, "1,2,3", "", Ingrese);
        fila("two lone commas", Entero, ",,", "", Ingrese);
        fila("a letter", Entero, "12a", "", Ingrese);
        fila("an exponent", Entero, "1E5", "", Ingrese);
        fila("a blank", Entero, "1 2", "", Ingrese);
        fila("a leading blank", Entero, " 12", "", Ingrese);
        fila("a plus sign", Entero, "+5", "", Ingrese);
        fila("a point", Entero, "1.5", "", Ingrese);
        fila("an accented letter", Entero, "1ñ", "", Ingrese);
        fila("accents only", Entero, "áé", "", Ingrese);
        fila("pasted with blanks", Entero, "1 000 000", "", Ingrese, true);
        fila("pasted letters", Entero, "cuarenta y dos, con coma", "", Ingrese, true);
        fila("lone minus", Entero, "-", "", noFloat("-"));
        fila("5-3", Entero, "5-3", "", noFloat("5-3"));
        fila("--1", Entero, "--1", "", noFloat("--1"));
        fila("1-", Entero, "1-", "", noFloat("1-"));
        fila("-,-", Entero, "-,-", "", noFloat("-,-"));
        fila("16 minus signs", Entero, "----------------", "", noFloat("----------------"));
        fila("Decimal, no power", Decimal, "5", "", Ingrese);
        fila("Decimal, no number", Decimal, "", "5", Ingrese);
        fila("Decimal, nothing", Decimal, "", "", Ingrese);
        fila("Decimal, two commas", Decimal, "1,2,3", "1", Ingrese);
        fila("power with a letter", Decimal, "5", "a", Ingrese);
        fila("power with a blank", Decimal, "5", " 1", Ingrese);
        fila("power 1E", Decimal, "5", "1E", Ingrese);
        fila("power of two commas", Decimal, "5", ",,", Ingrese);
        fila("power with an accent", Decimal, "5", "é", Ingrese);
        fila("power -", Decimal, "5", "-", noInt("-"));
        fila("power --", Decimal, "5", "--", noInt("--"));
        fila("power ,5", Decimal, "5", ",5", noInt(",5"));
        fila("power 1,", Decimal, "5", "1,", noInt("1,"));
        fila("power ,", Decimal, "5", ",", noInt(","));
        fila("power 5-", Decimal, "5", "5-", noInt("5-"));
        fila("number -", Decimal, "-", "5", noFloat("-"));
        fila("number 5-3, power -", Decimal, "5-3", "-", noFloat("5-3"));
        fila("2 X 10^38", Decimal, "2", "38", MensajeDesbordamiento);
        fila("just below 2^127 but kept as it", Decimal, "1,70141183460469", "38", MensajeDesbordamiento);
        fila("16 nines X 10^99", Decimal, "9999999999999999", "99", MensajeDesbordamiento);
        fila("16 nines X 10^23", Decimal, "9999999999999999", "23", MensajeDesbordamiento);
    }

    void rejectedInput()
    {
        QFETCH(int, modo);
        QFETCH(QString, numero);
        QFETCH(QString, potencia);
        QFETCH(bool, pegar);
        QFETCH(QString, mensaje);
        QStringList antes(5);
        if (modo != Ninguno) {
            convertir(Modo(modo), "3", "0");
            antes = resultado();
            QCOMPARE(antes[1], QString("10000000"));
            clicEnRadio(w->RadioGroup1, modo);
        }
        if (modo == Decimal || modo == Ninguno) {
            escribir(w->Edit3, potencia, pegar);
            QCOMPARE(w->Edit3->text(), potencia);
        }
        if (modo != Ninguno) {
            LineaEdicion* e = modo == Entero ? w->Edit1 : w->Edit2;
            escribir(e, numero, pegar);
            QCOMPARE(e->text(), numero.left(16));
        }
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(g->mensajes.textos, QStringList{mensaje});
        QCOMPARE(resultado(), antes);
        QVERIFY(!w->SpeedButton3->isEnabled());
        if (modo != Ninguno)
            QCOMPARE(w->numeroARepresentar().valor(), Extended{3});
        // The window stays usable.
        g->mensajes.textos.clear();
        convertir(modo == Ninguno ? Entero : Modo(modo), "1", "38");
        QVERIFY2(g->mensajes.textos.isEmpty(), qPrintable(g->mensajes.textos.join('|')));
        QVERIFY(w->SpeedButton3->isEnabled());
    }

    // Every power of two that the entries reach, the numbers around it, and
    // the numbers where a decimal logarithm lands on the wrong side of a
    // whole number: the exponent is the one of the number to represent and
    // the significand lies in [1, 2).
    void powersOfTwo_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("Entero") << int(Entero);
        QTest::newRow("Decimal") << int(Decimal);
    }

    void powersOfTwo()
    {
        QFETCH(int, modo);
        QList<Caso> casos = casosDePotencias(Modo(modo));
        // The entries reach 2^-15 to 2^53 as plain numbers, and 2^-35 to
        // 2^126 with a power of ten.
        const int desde = modo == Entero ? -15 : -35, hasta = modo == Entero ? 53 : 126;
        for (int e = desde; e <= hasta; ++e) {
            const QString nombre = QString("2^%1").arg(e);
            QVERIFY2(std::any_of(casos.begin(), casos.end(), [&](const Caso& c) { return c.nombre == nombre; }),
                     qPrintable("no input for " + nombre));
        }
        auto mano = [&](const char* numero, const char* potencia, int e) {
            casos.append({Modo(modo), numero, potencia, std::ldexp(1.0L, e), QString::fromUtf8(numero)});
        };
        if (modo == Entero) {
            mano("1024", "", 10);
            mano("0,5", "", -1);
            mano(",000030517578125", "", -15);
            mano("9007199254740992", "", 53);
            mano("0,99999999999999", "", 0); // just below one
            mano("-,99999999999999", "", 0);
            mano("1,99999999999999", "", 1);
            mano(",499999999999999", "", -1);
            mano("16383,9999999999", "", 14);
        } else {
            mano("5", "-1", -1);
            mano("25", "-2", -2);
            mano("125", "-3", -3);
            mano("1,024", "3", 10);
            mano("9,5367431640625", "-7", -20);
            mano("119,209289550781", "-9", -23);
            mano("238,418579101562", "-9", -22);
            mano(",058207660913467", "-9", -34);
            mano(",007275957614183", "-9", -37);
        }
        for (const Caso& c : casos) {
            g->mensajes.textos.clear();
            convertir(c.modo, c.numero, c.potencia);
            const QString contexto = c.nombre + ": " + c.numero + (c.potencia.isEmpty() ? "" : " X 10^" + c.potencia);
            QVERIFY2(g->mensajes.textos.isEmpty(), qPrintable(contexto + " " + g->mensajes.textos.join('|')));
            QVERIFY2(w->numeroARepresentar().valor() == c.meta, qPrintable(contexto + " kept another number"));
            const QString d = discordancia(c.numero.startsWith('-'));
            QVERIFY2(d.isEmpty(), qPrintable(contexto + ": " + d));
            QCOMPARE(w->exponenteSesgado(), w->stexpo->text().toInt(nullptr, 2));
        }
    }

    void detailButton()
    {
        convertir(Entero, "0,1");
        QVERIFY(w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        QTest::mouseMove(w->SpeedButton3);
        QVERIFY(!w->SpeedButton3->sugerenciaActiva());
        teclear(w->Edit1, "5");
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        // Pressing a mouse button on it switches the hint off too.
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QVERIFY(w->SpeedButton3->isEnabled());
        QTest::mousePress(w->SpeedButton3, Qt::RightButton);
        QTest::mouseRelease(w->SpeedButton3, Qt::RightButton);
        QVERIFY(!w->SpeedButton3->sugerenciaActiva());
        QVERIFY(g->vista.informes.isEmpty());
        // The power of ten, even ignored, disables it.
        escribir(w->Edit3, "4");
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        // A zero enables it; a rejected text disables it.
        convertir(Entero, "-0");
        QVERIFY(w->SpeedButton3->isEnabled());
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QVERIFY(w->SpeedButton3->isEnabled());
        w->Edit1->setText("1,2,3");
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QVERIFY(!w->SpeedButton3->isEnabled());
        // Disabled, a press does not switch the hint off.
        QTest::mousePress(w->SpeedButton3, Qt::RightButton);
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
    }

    void borrar()
    {
        convertir(Decimal, "-2,5", "2");
        QCOMPARE(w->StaticText4->text(), QString("1"));
        QTest::mouseClick(w->SpeedButton4, Qt::LeftButton);
        for (LineaEdicion* e : {w->Edit1, w->Edit2, w->Edit3})
            QVERIFY(e->text().isEmpty());
        QCOMPARE(resultado(), QStringList(5));
        QVERIFY(!w->SpeedButton3->isEnabled());
        QVERIFY(w->SpeedButton3->sugerenciaActiva());
        QCOMPARE(w->RadioGroup1->itemIndex(), int(Decimal));
        QVERIFY(w->Edit2->isEnabled());
        QVERIFY(!w->Edit1->isEnabled());
        QVERIFY(g->mensajes.textos.isEmpty());
    }

    // The page after 0,1 and then after -0: every caption, the design
    // places, and the places of the words in the printed PDF.
    void reportOfZeroPointOneAndOfMinusZero()
    {
        convertir(Entero, "0,1");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        QCOMPARE(g->vista.informes.size(), 1);
        const Informe r = g->vista.informes.last();
        const QList<QPair<QString, QString>> esperados{
            {"QRLabel26", "Decimal a IEEE 754 Simple Precisión"},
            {"QRLabel1", "Número en decimal:"},
            {"QRLabel6", "0"},
            {"QRLabel2", "0,1"},
            {"QRLabel4", "X"},
            {"QRLabel5", "10"},
            {"QRLabel3", "Número en representación IEEE 754 Simple Precisión (32 Bits):"},
            {"QRLabel7", "Signo"},
            {"QRLabel8", "Exponente"},
            {"QRLabel9", "Mantisa"},
            {"QRLabel10", "0"},
            {"QRLabel11", "01111011"},
            {"QRLabel12", "10011001100110011001100 "},
            {"QRLabel13", "Error Absoluto:"},
            {"QRLabel14", "Número más próximo a representar:"},
            {"QRLabel17", "0,0999999940395355"},
            {"QRLabel15", "Número que se quiere representar:"},
            {"QRLabel16", "0,100000000000023"},
            {"QRLabel18", "Diferencia:"},
            {"QRLabel19", "0,000000005960487215"},
            {"QRLabel20", "Error Relativo:"},
            {"QRLabel27", "(Error Absoluto)"},
            {"QRLabel28", "(Número que se quiere representar)"},
            {"QRLabel21", "0,000000005960487215"},
            {"QRLabel22", "/"},
            {"QRLabel23", "0,100000000000023"},
            {"QRLabel24", "="},
            {"QRLabel25", "0,000000059604872150"},
            {"QRLabel29", "Cifral v1.0"}};
        QCOMPARE(r.etiquetas().size(), esperados.size());
        for (int i = 0; i < esperados.size(); ++i) {
            QCOMPARE(r.etiquetas()[i].nombre, esperados[i].first); // in reading order
            QCOMPARE(r.etiquetas()[i].titulo, esperados[i].second);
        }
        QCOMPARE(r.banda(), QSize(718, 1035));
        QCOMPARE(r.etiqueta("QRLabel26").pixeles, 16);
        QCOMPARE(r.etiqueta("QRLabel1").pixeles, 15);
        for (const char* negrita : {"QRLabel26", "QRLabel1", "QRLabel3", "QRLabel7", "QRLabel13", "QRLabel20"})
            QVERIFY(r.etiqueta(negrita).negrita);
        for (const char* normal : {"QRLabel2", "QRLabel6", "QRLabel14", "QRLabel21", "QRLabel29"}) {
            QVERIFY(!r.etiqueta(normal).negrita);
            QCOMPARE(r.etiqueta(normal).pixeles, 13);
        }

        QTemporaryDir dir;
        const QString pdf = dir.filePath("informe.pdf");
        QVERIFY(guardarPdf(r, pdf));
        const QList<PalabraPdf> ps = palabrasPdf(pdf);
        QVERIFY2(!ps.isEmpty(), "pdftotext gave nothing");
        struct Lugar {
            const char* texto;
            int x, y;
        };
        for (const Lugar& l :
             {Lugar{"Decimal", 24, 24}, Lugar{"0,1", 32, 96}, Lugar{"X", 136, 96}, Lugar{"10", 160, 96},
              Lugar{"0", 176, 88}, Lugar{"0", 48, 184}, Lugar{"01111011", 140, 184},
              Lugar{"10011001100110011001100", 256, 184}, Lugar{"0,0999999940395355", 288, 240},
              Lugar{"0,100000000000023", 288, 264}, Lugar{"0,000000005960487215", 288, 288},
              Lugar{"0,000000005960487215", 56, 376}, Lugar{"/", 240, 376}, Lugar{"0,100000000000023", 256, 376},
              Lugar{"=", 440, 376}, Lugar{"0,000000059604872150", 504, 376}, Lugar{"(Error", 56, 352},
              Lugar{"Cifral", 600, 992}}) {
            const bool hallada = std::any_of(ps.begin(), ps.end(), [&](const PalabraPdf& p) {
                return p.texto == QString::fromUtf8(l.texto) && std::abs(p.x - puntosEnPagina(l.x)) < 0.5 &&
                       std::abs(p.y - puntosEnPagina(l.y)) < 0.5;
            });
            QVERIFY2(hallada, qPrintable(QString("%1 at (%2, %3)").arg(l.texto).arg(l.x).arg(l.y)));
        }

        // The report form keeps its captions; the second filling shows -0.
        convertir(Entero, "-0");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe& r2 = g->vista.informes.last();
        const QList<QPair<QString, QString>> deCero{{"QRLabel2", "-0"},
                                                    {"QRLabel6", "0"},
                                                    {"QRLabel10", "1"},
                                                    {"QRLabel11", "00000000"},
                                                    {"QRLabel12", QString(23, '0')},
                                                    {"QRLabel16", "0"},
                                                    {"QRLabel17", "0"},
                                                    {"QRLabel19", "0"},
                                                    {"QRLabel21", "0"},
                                                    {"QRLabel23", "0"},
                                                    {"QRLabel25", "0"}};
        for (const auto& [etiqueta, texto] : deCero)
            QVERIFY2(r2.caption(etiqueta) == texto, qPrintable(etiqueta + ": " + r2.caption(etiqueta)));
        QCOMPARE(informe->QuickRep1.caption("QRLabel11"), QString("00000000"));
    }

    // In "Decimal" mode the page shows the power typed, raised after the 10.
    void reportRaisesThePowerOfTen()
    {
        convertir(Decimal, "-2,5", "-9");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe& r = g->vista.informes.last();
        QCOMPARE(r.caption("QRLabel2"), QString("-2,5"));
        QCOMPARE(r.caption("QRLabel6"), QString("-9"));
        QCOMPARE(r.caption("QRLabel10"), QString("1"));
        QCOMPARE(r.etiqueta("QRLabel6").posicion, QPoint(176, 88));
        QCOMPARE(r.etiqueta("QRLabel5").posicion, QPoint(160, 96));
        QCOMPARE(r.caption("QRLabel16"), QString("2,49999999999871E-9"));
    }

    // A 16-digit number and an error of nine integer digits are wider than
    // the room the page gives them: what follows moves right, nothing is
    // covered, and the next short number is back in its place.
    void reportKeepsLongFiguresWhole()
    {
        convertir(Entero, "9999999999999999");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe r = g->vista.informes.last();
        QCOMPARE(r.caption("QRLabel21"), QString("801177600,000000000000000000"));
        const auto& ls = r.etiquetas();
        for (int i = 0; i < ls.size(); ++i)
            for (int j = i + 1; j < ls.size(); ++j)
                QVERIFY2(!rectanguloEtiqueta(r, ls[i]).intersects(rectanguloEtiqueta(r, ls[j])),
                         qPrintable(ls[i].nombre + " / " + ls[j].nombre));
        QVERIFY(r.etiqueta("QRLabel4").posicion.x() > 136);
        QCOMPARE(r.etiqueta("QRLabel4").posicion.y(), 96);
        QCOMPARE(r.etiqueta("QRLabel6").posicion.y(), 88);
        QVERIFY(r.etiqueta("QRLabel22").posicion.x() > 240);
        QCOMPARE(r.etiqueta("QRLabel28").posicion.x() - 248, r.etiqueta("QRLabel23").posicion.x() - 256);
        QVERIFY(rectanguloEtiqueta(r, r.etiqueta("QRLabel25")).right() < Margen + 718);

        convertir(Entero, "0,1");
        QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
        const Informe& corto = g->vista.informes.last();
        for (const auto& [nombre, x] : {std::pair{"QRLabel4", 136},
                                        {"QRLabel5", 160},
                                        {"QRLabel6", 176},
                                        {"QRLabel22", 240},
                                        {"QRLabel23", 256},
                                        {"QRLabel28", 248},
                                        {"QRLabel24", 440},
                                        {"QRLabel25", 504}})
            QCOMPARE(corto.etiqueta(nombre).posicion.x(), x);
    }

    void help()
    {
        QTest::mouseClick(w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(ayuda().archivo(), QString("HELP5.hlp"));
        QCOMPARE(g->visor.abiertos, QStringList{"HELP5.hlp"});
        QVERIFY(!paginaDeAyuda("HELP5.hlp").isEmpty());
    }

    // Random numbers of every length, sign and power of ten: the fields are
    // those of the number kept, or the number is too large.
    void randomNumbersShowTheirBits()
    {
        QRandomGenerator azar(5);
        int convertidos = 0;
        for (int i = 0; i < 1000; ++i) {
            const Modo modo = azar.bounded(2) == 0 ? Entero : Decimal;
            const bool negativo = azar.bounded(3) == 0;
            const int largo = 1 + azar.bounded(negativo ? 15 : 16);
            QString numero;
            for (int j = 0; j < largo; ++j)
                numero += QChar('0' + azar.bounded(10));
            if (largo > 1 && azar.bounded(2) == 0)
                numero[azar.bounded(largo)] = ',';
            if (negativo)
                numero.prepend('-');
            const QString potencia = QString::number(azar.bounded(-9, 100));
            g->mensajes.textos.clear();
            convertir(modo, numero, potencia);
            const QString contexto = numero + (modo == Decimal ? " X 10^" + potencia : QString());
            if (!g->mensajes.textos.isEmpty()) {
                QVERIFY2(g->mensajes.textos == QStringList{MensajeDesbordamiento} && modo == Decimal,
                         qPrintable(contexto + ": " + g->mensajes.textos.join('|')));
                continue;
            }
            QVERIFY2(w->SpeedButton3->isEnabled(), qPrintable(contexto));
            if (w->numeroARepresentar().esCero()) {
                QVERIFY2(StrToFloat(numero.toStdString()) == 0, qPrintable(contexto));
                continue;
            }
            ++convertidos;
            const QString d = discordancia(negativo);
            QVERIFY2(d.isEmpty(), qPrintable(contexto + ": " + d));
        }
        QVERIFY(convertidos > 600);
    }

    // Thousands of random clicks and texts: every message is one of the
    // window's, every field is empty or well formed, and while "Ver detalle"
    // is enabled the fields are those of the number it keeps.
    void randomUseNeverBreaks()
    {
        const QStringList textos{"",
                                 "-",
                                 ",",
                                 "-,",
                                 "0",
                                 "-0",
                                 "5-3",
                                 "--1",
                                 "1,2,3",
                                 "1E5",
                                 "12a",
                                 QString::fromUtf8("ñ"),
                                 " 1",
                                 "9999999999999999",
                                 ",000000000000001",
                                 "1,99999999999999",
                                 "0,99999999999999",
                                 "0,1",
                                 "-8",
                                 "38",
                                 "99",
                                 "-9",
                                 ",5",
                                 "1,",
                                 QString::fromUtf8("á"),
                                 "1024",
                                 "3",
                                 "-2,5",
                                 "0,3",
                                 "123456,789",
                                 "7",
                                 "-0,0001",
                                 ",75",
                                 "3,14159265358979",
                                 "-1234567890123,5",
                                 "2",
                                 "1",
                                 "-1",
                                 "12",
                                 "-37"};
        static const QRegularExpression mensaje(
            "^(Ingrese un número entero o decimal|'.*' is not a valid (floating point|integer) value|"
            "Floating point overflow)$");
        static const QRegularExpression bits8("^[01]{8}$"), bits23("^[01]{23} ?$"),
            error("^(0|[0-9]+,[0-9]{18}|[0-9](,[0-9]+)?E-?[0-9]+)$");
        QString falla;
        int conversiones = 0;
        bool habilitado = false;
        auto comprobar = [&] {
            if (!falla.isEmpty())
                return;
            for (const QString& m : g->mensajes.textos)
                if (!mensaje.match(m).hasMatch())
                    falla = "message " + m;
            g->mensajes.textos.clear();
            const QStringList r = resultado();
            if (!(r[0].isEmpty() || r[0] == "0" || r[0] == "1") || !(r[1].isEmpty() || bits8.match(r[1]).hasMatch()) ||
                !(r[2].isEmpty() || bits23.match(r[2]).hasMatch()) ||
                !(r[3].isEmpty() || error.match(r[3]).hasMatch()) || !(r[4].isEmpty() || error.match(r[4]).hasMatch()))
                falla = "fields " + r.join('|');
            if (w->SpeedButton3->isEnabled() && !habilitado)
                ++conversiones;
            habilitado = w->SpeedButton3->isEnabled();
            if (habilitado && falla.isEmpty()) {
                if (w->numeroARepresentar().esCero()) {
                    if (r.mid(1) != QStringList{"00000000", QString(23, '0'), "0", "0"})
                        falla = "zero " + r.join('|');
                } else if (const QString d = discordancia(r[0] == "1"); !d.isEmpty()) {
                    falla = d;
                }
            }
        };
        for (quint32 semilla = 1; semilla <= 4; ++semilla)
            QCOMPARE(usoAlAzar(w.get(), 2000, semilla, textos, comprobar), 2000);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        QVERIFY(w->isVisible());
        QVERIFY(conversiones > 20);
        QVERIFY(!g->vista.informes.isEmpty());
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
