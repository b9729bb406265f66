// The working of the two IEEE converters: every figure the windows and their
// reports write is in it as written, the messages end it where the
// conversion stopped, the course's rules are said where they apply, the
// doublings give the very bits the window shows, and the exact values are
// exact.
#include "ieee/sistnum5.h"
#include "ieee/sistnum6.h"
#include "ieee/sistnumPasosIEEE.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

using namespace cifral;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QStringList lista(const std::vector<std::string>& v)
{
    QStringList r;
    for (const std::string& s : v)
        r << q(s);
    return r;
}

// The course-rule sentences of a working.
QStringList reglas(const Trabajo& w)
{
    return lista(w.reglas());
}

bool algunaDice(const QStringList& frases, const QString& parte)
{
    return std::any_of(frases.begin(), frases.end(), [&](const QString& f) { return f.contains(parte); });
}

// The bits the table of doublings writes, padded with zeros to 23 as the
// working says; empty when there is no table.
std::string bitsDeLaTabla(const Trabajo& w)
{
    for (const Paso& p : w.pasos())
        for (const Bloque& b : p.bloques)
            if (b.tipo == Bloque::Tipo::Tabla && b.tabla.encabezados.back() == "Bit") {
                std::string r;
                for (const auto& fila : b.tabla.filas)
                    r += fila.back().contenido;
                return r + std::string(23 - r.size(), '0');
            }
    return std::string(23, '0');
}

// Every figure of a decimal-to-IEEE conversion that the window writes, and
// those of the report that it previews, missing from the working.
QStringList faltantesDecimal(const ConversionDecimalIEEE& c, const Trabajo& w)
{
    std::vector<std::string> figuras;
    if (c.fin == ConversionDecimalIEEE::Cero || c.fin == ConversionDecimalIEEE::Convertida) {
        // The report writes the number typed, and "0" as the power in
        // "Entero" mode.
        figuras = {c.signo,
                   c.exponente,
                   c.fraccion,
                   *c.absoluto,
                   *c.relativo,
                   c.numero,
                   c.modo == ModoDecimal ? c.potencia : "0"};
        if (c.fin == ConversionDecimalIEEE::Convertida)
            for (const RealDe48Bits& r : {c.numeroARepresentar, c.numeroRepresentado})
                figuras.push_back(FloatToStr(r.valor()));
    }
    QStringList r;
    for (const std::string& f : figuras)
        if (!w.contieneCifra(f))
            r << q(f);
    return r;
}

// The same for IEEE to decimal: the window's formula, value and error, and
// the report's rows of the neighbour, its formula, the gap and its half.
QStringList faltantesIEEE(int signo, const std::string& exponente, const std::string& fraccion, const Trabajo& w)
{
    EstadoIEEE6 estado;
    ConversorIEEE6 conversor(estado);
    const ConversionIEEE6 c = conversor.convertir(signo, exponente, fraccion);
    std::vector<std::string> figuras;
    if (c.binario) {
        figuras = {c.formula, c.error};
        if (!c.decimal.empty())
            figuras.push_back(c.decimal);
        if (!sinValor(c.formula)) {
            const DetalleIEEE6 d = detalleIEEE6(signo, exponente, fraccion, c.formula, estado);
            figuras.insert(figuras.end(), {d.vecinoSigno, d.vecinoExponente, d.vecinoFraccion, *d.formulaVecino,
                                           d.diferencia, *c.informe.mitadDiferencia});
            if (!sinFormula(c.formula))
                figuras.insert(figuras.end(), {d.mantisaBinaria, d.significando, d.exponenteReal});
        }
    }
    QStringList r;
    for (const std::string& f : figuras)
        if (!w.contieneCifra(f))
            r << q(f);
    return r;
}

std::string aleatorio(std::mt19937& g, const std::string& alfabeto, int largo)
{
    std::string s;
    for (int i = 0; i < largo; ++i)
        s += alfabeto[std::uniform_int_distribution<std::size_t>(0, alfabeto.size() - 1)(g)];
    return s;
}

} // namespace

class TestPasosIEEE : public QObject {
    Q_OBJECT

private slots:
    // Exact means every digit: the text read back is the very value, and
    // the known expansions come out whole.
    void exactDecimals()
    {
        QCOMPARE(q(decimalExacto(0.1)), QString("0,1000000000000000055511151231257827021181583404541015625"));
        QCOMPARE(q(decimalExacto(-0.5)), QString("-0,5"));
        QCOMPARE(q(decimalExacto(std::ldexp(1.0L, 127))), QString("170141183460469231731687303715884105728"));
        QCOMPARE(q(decimalExactoLegible(std::ldexp(1.0L, -149))),
                 QString("1,40129846432481707092372958328991613128026194187651577175706828388979108268586060148663818"
                         "836212158203125 × 10^-45"));
        QCOMPARE(q(decimalExactoLegible(0.0625)), QString("0,0625"));
        std::mt19937_64 g(17);
        for (int i = 0; i < 3000; ++i) {
            const auto bits = g();
            double x = 0;
            std::memcpy(&x, &bits, sizeof x);
            if (!std::isfinite(x))
                continue;
            std::string t = decimalExacto(x);
            std::replace(t.begin(), t.end(), ',', '.');
            QVERIFY2(std::strtod(t.c_str(), nullptr) == x, t.c_str());
        }
    }

    // Decimal to IEEE 754: the fields, errors and kept numbers of the
    // conversion are in the working; the messages end it; the cut and the
    // kept number are said as rules where they apply.
    void decimalToIEEE_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("potencia");
        QTest::addColumn<QStringList>("campos"); // sign, exponent, fraction as the window writes them
        QTest::addColumn<QStringList>("errores");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<bool>("corte");       // the cut rule, with the fields rounding would give
        QTest::addColumn<QString>("redondeo"); // those fields' fraction
        QTest::addColumn<QString>("dice");     // a sentence of the working

        const QString ceros18 = "0,000000000000000000", c23(23, '0');
        const QStringList sinMensaje;
        const QStringList ingrese{"Ingrese un número entero o decimal"};
        QTest::newRow("0,1") << 0 << "0,1"
                             << "" << QStringList{"0", "01111011", "10011001100110011001100 "}
                             << QStringList{"0,000000005960487215", "0,000000059604872150"} << sinMensaje << true
                             << "10011001100110011001101"
                             << "2^-4 = 0,0625 ≤ número < 2^-3 = 0,125";
        QTest::newRow("1 X 10^-1") << 1 << "1"
                                   << "-1" << QStringList{"0", "01111011", "10011001100110011001100 "}
                                   << QStringList{"0,000000005960487215", "0,000000059604872150"} << sinMensaje << true
                                   << "10011001100110011001101"
                                   << "Primero se aplica la potencia de diez";
        QTest::newRow("1") << 0 << "1"
                           << "" << QStringList{"0", "01111111", c23} << QStringList{ceros18, ceros18} << sinMensaje
                           << false << ""
                           << "La fracción es 0: los 23 bits son ceros.";
        QTest::newRow("3") << 0 << "3"
                           << "" << QStringList{"0", "10000000", "1" + QString(22, '0')}
                           << QStringList{ceros18, ceros18} << sinMensaje << false << ""
                           << "La fracción llegó a 0 en el bit 1";
        QTest::newRow("-8") << 0 << "-8"
                            << "" << QStringList{"1", "10000010", c23} << QStringList{ceros18, ceros18} << sinMensaje
                            << false << ""
                            << "128 + 2 = 130";
        // Kept with 40 bits, 0,9999999999999 is 1: the logarithm's -1 is
        // corrected to 0.
        QTest::newRow("0,9999999999999") << 0 << "0,9999999999999"
                                         << "" << QStringList{"0", "01111111", c23} << QStringList{ceros18, ceros18}
                                         << sinMensaje << false << ""
                                         << "la comprobación con las potencias de dos exactas lo corrige a 0";
        // The fraction 0,4 ends in 1100...: rounding to nearest keeps the cut.
        QTest::newRow("1,4") << 0 << "1,4"
                             << "" << QStringList{"0", "01111111", "01100110011001100110011 "}
                             << QStringList{"0,000000023841494110", "0,000000017029638650"} << sinMensaje << true
                             << "01100110011001100110011"
                             << "Fracción × 2";
        // Rounding to nearest carries out of the fraction into the exponent:
        // the nearest float is 2.
        QTest::newRow("1,99999999") << 0 << "1,99999999"
                                    << "" << QStringList{"0", "01111111", QString(23, '1') + " "}
                                    << QStringList{"0,000000109208485800", "0,000000054604243180"} << sinMensaje << true
                                    << "10000000 00000000000000000000000"
                                    << "la fracción tiene más bits";
        // Exactly half a unit is left: the tie goes to the even fraction,
        // down from 1 + 2^-24 and up from 1 + 3 * 2^-24.
        QTest::newRow("tie, even") << 0 << "1,000000059604644775390625"
                                   << "" << QStringList{"0", "01111111", c23 + " "}
                                   << QStringList{"0,000000059604644780", "0,000000059604641220"} << sinMensaje << true
                                   << "01111111 00000000000000000000000"
                                   << "Después del bit 23 todavía queda 0,5";
        QTest::newRow("tie, odd") << 0 << "1,000000178813934326171875"
                                  << "" << QStringList{"0", "01111111", QString(22, '0') + "1 "}
                                  << QStringList{"0,000000059604644780", "0,000000059604634120"} << sinMensaje << true
                                  << "01111111 00000000000000000000010"
                                  << "Después del bit 23 todavía queda 0,5";
        QTest::newRow("1 X 10^38") << 1 << "1"
                                   << "38" << QStringList{"0", "11111101", "00101100111011010011001 "}
                                   << QStringList{"3,197134894E30", "0,000000031971348940"} << sinMensaje << true
                                   << "00101100111011010011001"
                                   << "E = 127 + e = 127 + 126 = 253";
        for (const char* cero : {"0", "-0", "0,0"})
            QTest::newRow(cero) << 0 << cero << "" << QStringList{cero[0] == '-' ? "1" : "0", "00000000", c23}
                                << QStringList{"0", "0"} << sinMensaje << false << ""
                                << (cero[0] == '-' ? "el signo es 1 (el cero negativo)" : "El número vale 0.");
        QTest::newRow("1,2,3") << 0 << "1,2,3"
                               << "" << QStringList{} << QStringList{} << ingrese << false << ""
                               << "tiene más de una coma";
        QTest::newRow("12a") << 0 << "12a"
                             << "" << QStringList{} << QStringList{} << ingrese << false << ""
                             << "tiene un carácter que no es una cifra";
        QTest::newRow("power 1a") << 1 << "1"
                                  << "1a" << QStringList{} << QStringList{} << ingrese << false << ""
                                  << "La potencia de diez tiene un carácter";
        QTest::newRow("no power") << 1 << "1"
                                  << "" << QStringList{} << QStringList{} << ingrese << false << ""
                                  << "Falta el número o la potencia de diez";
        QTest::newRow("lone minus") << 0 << "-"
                                    << "" << QStringList{} << QStringList{} << QStringList{q(mensajeFloatInvalido("-"))}
                                    << false << ""
                                    << "el texto no es un número";
        QTest::newRow("power 1,") << 1 << "5"
                                  << "1," << QStringList{} << QStringList{} << QStringList{q(mensajeIntInvalido("1,"))}
                                  << false << ""
                                  << "no es un número entero";
        QTest::newRow("2 X 10^38") << 1 << "2"
                                   << "38" << QStringList{} << QStringList{} << QStringList{"Floating point overflow"}
                                   << false << ""
                                   << "no cabe en el real de 48 bits";
    }

    void decimalToIEEE()
    {
        QFETCH(int, modo);
        QFETCH(QString, numero);
        QFETCH(QString, potencia);
        QFETCH(QStringList, campos);
        QFETCH(QStringList, errores);
        QFETCH(QStringList, mensajes);
        QFETCH(bool, corte);
        QFETCH(QString, redondeo);
        QFETCH(QString, dice);

        EntradaDecimalIEEE entrada;
        entrada.modo = modo;
        (modo == ModoEntero ? entrada.entero : entrada.decimal) = numero.toStdString();
        entrada.potencia = potencia.toStdString();
        const ConversionDecimalIEEE c = convertirDecimalAIEEE(entrada);
        const Trabajo w = trabajoDecimalAIEEE(entrada);
        const QString texto = q(w.textoPlano());

        QCOMPARE(lista(w.mensajes()), mensajes);
        QVERIFY2(texto.contains(dice), qPrintable(texto));
        if (campos.isEmpty()) {
            // Stopped: the message is the working's last block.
            QCOMPARE(w.pasos().back().bloques.back().tipo, Bloque::Tipo::Mensaje);
            return;
        }
        QCOMPARE((QStringList{q(c.signo), q(c.exponente), q(c.fraccion)}), campos);
        QCOMPARE((QStringList{q(*c.absoluto), q(*c.relativo)}), errores);
        QVERIFY2(faltantesDecimal(c, w).isEmpty(), qPrintable(faltantesDecimal(c, w).join(" | ")));
        // The doublings write the very bits the window shows.
        if (c.fin == ConversionDecimalIEEE::Convertida)
            QCOMPARE(q(bitsDeLaTabla(w)), campos[2].left(23));

        const QStringList r = reglas(w);
        QCOMPARE(algunaDice(r, "corta la fracción después del bit 23"), corte);
        if (corte)
            QVERIFY2(algunaDice(r, "al más cercano, con empate al par: aquí darían 0 ") && algunaDice(r, redondeo),
                     qPrintable(r.join('\n')));
        QCOMPARE(algunaDice(r, "los errores se miden contra este número guardado"),
                 c.fin == ConversionDecimalIEEE::Convertida);
    }

    // IEEE 754 to decimal: the window's and the report's figures are in the
    // working; the class is named; the 15-digit significand and the
    // neighbour of 2 are said as rules.
    void ieeeToDecimal_data()
    {
        QTest::addColumn<int>("signo");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::addColumn<QStringList>("ventana"); // formula, decimal value, error
        QTest::addColumn<QString>("clase");
        QTest::addColumn<QStringList>("reglas"); // parts of the rule sentences, in order

        const QString c0(23, '0'), u1 = QString(22, '0') + "1", u(23, '1');
        const QString quince = "significando de 15 cifras que escribe la fórmula";
        const QString escribeQuince = "la fórmula escribe el significando con 15 cifras significativas";
        QTest::newRow("1") << 0 << "01111111" << c0 << QStringList{"(2 ^ 0)*1", "1", "5,9605E-8 (Aprox.)"}
                           << "número normal" << QStringList{quince};
        QTest::newRow("-3") << 1 << "10000000"
                            << "10000000000000000000000" << QStringList{"-(2 ^ 1)*1,5", "-3", "1,1921E-7 (Aprox.)"}
                            << "número normal" << QStringList{quince};
        for (int s : {0, 1})
            QTest::addRow("%s2", s ? "-" : "")
                << s << "10000000" << c0
                << QStringList{s ? "-(2 ^ 1)*1" : "(2 ^ 1)*1", s ? "-2" : "2", "5,9605E-8 (Aprox.)"} << "número normal"
                << QStringList{quince, "para 2 y −2 esta ventana toma como vecino el número anterior"};
        QTest::newRow("subnormal") << 0 << "00000000"
                                   << "10000000000000000000000"
                                   << QStringList{"(2 ^-126)*0,5", "5,8775E-39 (Aprox.)", "7,0065E-46 (Aprox.)"}
                                   << "número subnormal" << QStringList{quince};
        QTest::newRow("-subnormal") << 1 << "00000000" << u1
                                    << QStringList{"-(2 ^-126)*1,19209289550781E-7", "-1,4013E-45 (Aprox.)",
                                                   "7,0065E-46 (Aprox.)"}
                                    << "número subnormal" << QStringList{escribeQuince, quince};
        QTest::newRow("+0") << 0 << "00000000" << c0 << QStringList{"0", "", "7,0065E-46 (Aprox.)"} << "cero positivo"
                            << QStringList{};
        QTest::newRow("-0") << 1 << "00000000" << c0 << QStringList{"-0", "", "7,0065E-46 (Aprox.)"} << "cero negativo"
                            << QStringList{};
        QTest::newRow("inf") << 0 << "11111111" << c0 << QStringList{"Infinito", "", "No Tiene"} << "es infinito"
                             << QStringList{};
        QTest::newRow("-inf") << 1 << "11111111" << c0 << QStringList{"-Infinito", "", "No Tiene"} << "menos infinito"
                              << QStringList{};
        QTest::newRow("NaN") << 0 << "11111111" << u1 << QStringList{"NaN", "", "No Tiene"} << "es NaN"
                             << QStringList{};
        QTest::newRow("largest") << 0 << "11111110" << u
                                 << QStringList{"(2 ^ 127)*1,99999988079071", "3,4028E+38 (Aprox.)",
                                                "1,0141E+31 (Aprox.)"}
                                 << "número normal" << QStringList{escribeQuince, quince};
        // The report chooses the form of the half on the half itself.
        QTest::newRow("1024 + 2^-13") << 0 << "10001001" << u1
                                      << QStringList{"(2 ^ 10)*1,00000011920929", "1024,00012207031", "6,103515625E-5"}
                                      << "número normal" << QStringList{escribeQuince, quince};
        // Read back from the 15 digits, the value ends in ...547; the bits
        // give ...546.
        QTest::newRow("15 digits") << 0 << "01110001"
                                   << "10111111101100001011110"
                                   << QStringList{"(2 ^ -14)*1,74879050254822", "0,000106737701571547",
                                                  "3,6380E-12 (Aprox.)"}
                                   << "número normal" << QStringList{escribeQuince, quince};
        QTest::newRow("sign not chosen") << -1 << "01111111" << c0
                                         << QStringList{"(2 ^ 0)*1", "1", "5,9605E-8 (Aprox.)"}
                                         << "No hay signo elegido" << QStringList{quince};
    }

    void ieeeToDecimal()
    {
        QFETCH(int, signo);
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        QFETCH(QStringList, ventana);
        QFETCH(QString, clase);
        QFETCH(QStringList, reglas);

        const Trabajo w = trabajoIEEEADecimal(signo, exponente.toStdString(), fraccion.toStdString());
        EstadoIEEE6 estado;
        const ConversionIEEE6 c =
            ConversorIEEE6(estado).convertir(signo, exponente.toStdString(), fraccion.toStdString());
        QCOMPARE((QStringList{q(c.formula), q(c.decimal), q(c.error)}), ventana);
        const QStringList faltan = faltantesIEEE(signo, exponente.toStdString(), fraccion.toStdString(), w);
        QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(" | ")));
        QVERIFY(w.mensajes().empty());
        const QString texto = q(w.textoPlano());
        QVERIFY2(texto.contains(clase), qPrintable(texto));
        // The three fields, coloured by field, open the working.
        const Linea& campos = w.pasos().front().bloques.front().linea;
        QCOMPARE(campos[1].tipo, Tramo::Tipo::Signo);
        QCOMPARE(campos[3].contenido, exponente.toStdString());
        QCOMPARE(campos[5].tipo, Tramo::Tipo::Fraccion);

        const QStringList dichas = ::reglas(w);
        QCOMPARE(dichas.size(), reglas.size());
        for (int i = 0; i < reglas.size(); ++i)
            QVERIFY2(dichas[i].contains(reglas[i]), qPrintable(dichas[i]));
    }

    void ieeeNotBinary_data()
    {
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QString>("fraccion");
        QTest::newRow("digit 2") << "12345671" << QString(23, '0');
        QTest::newRow("a letter") << "01111111" << QString(22, '0') + "x";
        QTest::newRow("short") << "0111111" << QString(23, '0');
    }

    void ieeeNotBinary()
    {
        QFETCH(QString, exponente);
        QFETCH(QString, fraccion);
        const Trabajo w = trabajoIEEEADecimal(0, exponente.toStdString(), fraccion.toStdString());
        QCOMPARE(lista(w.mensajes()), QStringList{"Ingrese números en binario"});
        QCOMPARE(w.pasos().size(), std::size_t{1});
        QCOMPARE(w.pasos().back().bloques.back().tipo, Bloque::Tipo::Mensaje);
    }

    // Thousands of typed numbers, powers of ten and patterns, seeded: every
    // figure the window would show is in the working, and a stopped
    // conversion ends with its message.
    void randomizedFiguresAreInTheWorking()
    {
        std::mt19937 g(1754);
        for (int i = 0; i < 4000; ++i) {
            EntradaDecimalIEEE e;
            e.modo = static_cast<int>(g() % 2);
            const int largo = 1 + static_cast<int>(g() % 16);
            std::string numero = i % 10 == 0 ? aleatorio(g, "0123456789,-a", largo) : aleatorio(g, "0123456789", largo);
            if (i % 3 == 0)
                numero.insert(g() % numero.size(), 1, ',');
            if (i % 4 == 0)
                numero.insert(0, 1, '-');
            numero = numero.substr(0, 16);
            (e.modo == ModoEntero ? e.entero : e.decimal) = numero;
            if (e.modo == ModoDecimal)
                e.potencia = i % 25 == 0 ? aleatorio(g, "0123456789,-", 2) : std::to_string(int(g() % 109) - 9);
            const ConversionDecimalIEEE c = convertirDecimalAIEEE(e);
            const Trabajo w = trabajoDecimalAIEEE(c);
            const QString donde = q(numero + " x 10^" + e.potencia);
            const QStringList faltan = faltantesDecimal(c, w);
            QVERIFY2(faltan.isEmpty(), qPrintable(donde + ": " + faltan.join(" | ")));
            if (c.fin == ConversionDecimalIEEE::Rechazada || c.fin == ConversionDecimalIEEE::Falla)
                QVERIFY2(lista(w.mensajes()) == QStringList{q(c.mensaje)}, qPrintable(donde));
            else
                QVERIFY2(w.mensajes().empty(), qPrintable(donde));
            if (c.fin == ConversionDecimalIEEE::Convertida)
                QVERIFY2(bitsDeLaTabla(w) == c.fraccion.substr(0, 23), qPrintable(donde));
        }

        // Patterns, with the exponent fields of the special cases often.
        const unsigned campos[] = {0, 1, 127, 128, 254, 255};
        for (int i = 0; i < 4000; ++i) {
            const unsigned E = i % 2 == 0 ? campos[g() % 6] : static_cast<unsigned>(g() % 256);
            std::uint32_t f = g() & MascaraFraccion;
            if (i % 7 == 0)
                f = i % 14 == 0 ? 0 : MascaraFraccion;
            const int signo = static_cast<int>(g() % 3) - 1;
            const PatronIEEE p = PatronIEEE::armar(0, E, f);
            std::string exponente, fraccion;
            for (int b = 7; b >= 0; --b)
                exponente += ((p.exponente() >> b) & 1u) != 0 ? '1' : '0';
            for (int b = 22; b >= 0; --b)
                fraccion += ((p.fraccion() >> b) & 1u) != 0 ? '1' : '0';
            const Trabajo w = trabajoIEEEADecimal(signo, exponente, fraccion);
            const QStringList faltan = faltantesIEEE(signo, exponente, fraccion, w);
            QVERIFY2(faltan.isEmpty(), qPrintable(q(exponente + " " + fraccion) + ": " + faltan.join(" | ")));
            QVERIFY(w.mensajes().empty());
        }
    }
};

QTEST_APPLESS_MAIN(TestPasosIEEE)
#include "tst_pasosieee.moc"
