// The working of an addition or a subtraction: its figures and messages are
// those of the operation the window runs, the course rules are said where
// they apply, the exact values and the column sums are right, and over
// many random layouts and numbers every figure the window would show is in
// the working.
#include "arith/Tad_Entera7.h"
#include "arith/Tad_Fracc7.h"
#include "arith/sistnumPasosSuma.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace cifral;

namespace {

struct Caso {
    int tipo; // Entera, Fraccionaria or SinEleccion
    TOperacion op;
    int sm, se;
    std::string m1, e1, m2, e2;
};

TFormatoSuma formatoDe(const Caso& c)
{
    // The texts have the layout's lengths (the longer ones are not binary
    // past their first 8 or 16 characters).
    auto n = [](const std::string& s) { return s.size() >= 16 && s.find_first_not_of("01") >= 16 ? 16 : 8; };
    return {c.sm, n(c.m1), c.se, n(c.e1)};
}

// What the window computes for the case: the operation it runs (none with
// no mantissa kind or when the texts are not bit strings).
TResultadoOperacion ventana(const Caso& c, const TFormatoSuma& f)
{
    const TOperandos o{c.m1, c.e1, c.m2, c.e2};
    if (c.tipo == Entera)
        return flotantes_conEntera(c.op, o, f, {});
    if (c.tipo == Fraccionaria)
        return flotantes_conFraccionaria(c.op, o, f, {});
    return {};
}

QStringList lista(const std::vector<std::string>& v)
{
    QStringList r;
    for (const std::string& s : v)
        r << QString::fromStdString(s);
    return r;
}

// The course-rule sentences of a working.
QStringList reglas(const Trabajo& w)
{
    return lista(w.reglas());
}

// Every figure the window and its report show after the operation is in the
// working: the result fields, and the decimal values the operation reached.
QString figuraQueFalta(const Trabajo& w, const TResultadoOperacion& r, bool resultadoCalculado)
{
    std::vector<std::string> figuras{r.mantisa, r.exponente};
    figuras.push_back(FloatToStr(r.detalle.valorMantisa1));
    figuras.push_back(FloatToStr(r.detalle.valorMantisa2));
    figuras.push_back(FloatToStr(r.detalle.valorExponente1));
    figuras.push_back(FloatToStr(r.detalle.valorExponente2));
    if (resultadoCalculado)
        figuras.push_back(FloatToStr(r.detalle.valorMantisaResultado));
    if (!r.mantisa.empty() && !r.exponente.empty())
        figuras.push_back(FloatToStr(r.detalle.valorExponenteResultado));
    for (const std::string& f : figuras)
        if (!f.empty() && !w.contieneCifra(f))
            return QString::fromStdString(f);
    return {};
}

const QString NoIguala = QStringLiteral("No se pudo igualar los exponentes");
const QString RangoBSS = QStringLiteral("El resultado no cumple el rango de mantisa en BSS");

} // namespace

Q_DECLARE_METATYPE(Caso)

class TestPasosSuma : public QObject {
    Q_OBJECT

    static void fila(const char* nombre, Caso c, const QStringList& mensajes, const QStringList& figuras,
                     const QStringList& reglasEsperadas = {})
    {
        QTest::newRow(nombre) << c << mensajes << figuras << reglasEsperadas;
    }

private slots:
    // One operation per row: the working ends with the window's messages in
    // order, holds the result fields and the figures of the steps named in
    // the row (the halved or doubled mantissas, the rows of a column sum,
    // the values read), and says the course rules that the row brings out.
    void trabajo_data()
    {
        QTest::addColumn<Caso>("caso");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QStringList>("figuras");
        QTest::addColumn<QStringList>("reglasEsperadas");
        const int E = Entera, F = Fraccionaria;

        // Integer mantissas.
        fila("entera BSS, mismo exponente", {E, Suma, BSS, BSS, "00000011", "00000010", "00000101", "00000010"}, {},
             {"00001000", "00000010", "3", "5", "8", "000001110", "000000011", "000000101", "000001000"},
             {"opera con los valores"});
        fila("entera BSS, fuera de rango", {E, Suma, BSS, BSS, "11111111", "00000000", "00000001", "00000000"},
             {RangoBSS}, {"00000000", "256", "255"}, {"no normaliza"});
        fila("entera BSS, divide y duplica", {E, Suma, BSS, BSS, "00000100", "00000011", "00000010", "00000001"}, {},
             {"00001001", "00000010", "00000001", "00001000", "36"}, {"divide sólo mientras es par"});
        fila("entera BSS, primeros bits", {E, Suma, BSS, BSS, "10000000", "00000001", "10000000", "00000000"},
             {"La suma excede el rango"}, {"10000000", "128"});
        fila("entera BSS, primeros bits al restar",
             {E, Resta, BSS, BSS, "10000000", "00000001", "10000000", "00000000"}, {"La suma excede el rango"},
             {"10000000"}, {"también al restar"});
        fila("entera BSS, duplicar sale del rango", {E, Suma, BSS, BSS, "01000000", "00000010", "00000001", "00000000"},
             {"No se pudieron igualar los exponentes"}, {"01000000", "128", "256"});
        fila("entera CA2, segundos bits sin mensaje",
             {E, Suma, CA2, CA2, "11111111", "00000001", "11111110", "00000000"}, {}, {"-1", "-2"},
             {"sin mostrar ningún mensaje"});
        fila("entera CA1, exponente cero", {E, Suma, CA1, CA1, "00000001", "00000001", "00000001", "00000000"}, {},
             {"00000011", "11111111", "00000010"}, {"todo exponente que no sea positivo"});
        fila("entera BCS, resta con préstamos", {E, Resta, BCS, BCS, "00000101", "00000010", "00000111", "00000010"},
             {}, {"10000010", "-2", "000000111", "000000101", "000000010", "000000000"});
        fila("entera CA1, cero negativo", {E, Suma, CA1, BSS, "00000001", "00000000", "11111110", "00000000"}, {},
             {"11111111", "00000001"}, {"todo valor que no sea positivo"});
        fila("entera CA2, dos negativos", {E, Suma, CA2, Exceso, "11111101", "10000001", "11111110", "10000001"}, {},
             {"11111011", "10000001", "-3", "-5", "00000101"});
        fila("entera Exceso, 16 bits",
             {E, Resta, Exceso, CA2, "1000000000000011", "0000000000000100", "1000000000000001", "0000000000000010"},
             {}, {"1000000000001011", "0000000000000010", "3", "4", "1"});
        fila("entera, textos de exponente distintos del mismo valor",
             {E, Suma, CA1, CA1, "00000001", "00000000", "00000010", "11111111"}, {}, {"00000011", "11111111"},
             {"compara los textos"});

        // Fractional mantissas.
        fila("fraccionaria BSS, mismo exponente", {F, Suma, BSS, BSS, "01000000", "00000000", "00100000", "00000000"},
             {}, {"01100000", "0,375", "0,25", "0,125", "0,01100000"}, {"dividido por 2^n en BSS"});
        fila("fraccionaria BCS, signos distintos", {F, Suma, BCS, BSS, "01000000", "00000000", "11100000", "00000000"},
             {}, {"10100000", "-0,25", "0,5", "-0,75"});
        fila("fraccionaria Exceso, fuera de rango",
             {F, Suma, Exceso, BSS, "11000000", "00000000", "11000000", "00000000"},
             {"El resultado no cumple el rango de mantisa en Exceso"}, {"0,5", "00000000"});
        fila("fraccionaria BSS, divide", {F, Suma, BSS, BSS, "10000000", "00000001", "01000000", "00000000"}, {},
             {"10100000", "00000001", "00100000", "0,125", "0,625"});
        fila("fraccionaria BSS, duplica", {F, Suma, BSS, BSS, "01000000", "00000001", "00000010", "00000000"}, {},
             {"10000010", "00000000", "10000000", "0,5", "00000001"}, {"nunca mezcla"});
        fila("fraccionaria BSS, duplicar llega a 1",
             {F, Suma, BSS, BSS, "10000000", "00000001", "00000011", "00000000"}, {NoIguala},
             {"0,005859375", "1", "00000001"});
        fila("fraccionaria BSS, últimos bits al sumar",
             {F, Suma, BSS, BSS, "00000001", "00000001", "00000011", "00000000"}, {NoIguala}, {"00000001", "00000011"},
             {"Sólo la suma"});
        fila("fraccionaria BSS, diferencia negativa",
             {F, Resta, BSS, BSS, "00000001", "00000001", "00000011", "00000000"}, {RangoBSS}, {"00000000"});
        fila("fraccionaria BSS, suma de 1 o más", {F, Suma, BSS, BSS, "11000000", "00000001", "11000000", "00000000"},
             {"No es representable en Bss"}, {"00000001", "1,125"});
        fila("fraccionaria BSS, corte", {F, Suma, BSS, BSS, "10000000", "00000001", "00000001", "00000000"}, {},
             {"10000000", "00000001", "0,501953125", "0,5"}, {"corta el resultado"});
        fila("fraccionaria BCS, duplicar sale del rango",
             {F, Suma, BCS, BSS, "11000000", "00000001", "00000011", "00000000"},
             {"No se puede representar en el sistema configurado", NoIguala}, {"-0,5", "-1"});
        fila("fraccionaria CA1 con exponente CA1", {F, Suma, CA1, CA1, "11000000", "00000000", "00000000", "00000001"},
             {}, {"11100000", "00000001", "-0,4921875", "-0,24609375", "-0,2421875"});
        fila("fraccionaria CA2, 16 bits",
             {F, Resta, CA2, BCS, "1100000000000000", "0000000000000001", "0010000000000000", "1000000000000001"}, {},
             {"1011100000000000", "0000000000000001", "-0,5", "0,25", "0,0625", "-0,5625"});

        // What the window checks before it operates.
        fila("no binario", {E, Suma, BSS, BSS, "0000000a", "00000000", "00000001", "00000000"},
             {"Ingrese números en Binario"}, {});
        fila("sin tipo de mantisa", {SinEleccion, Suma, BSS, BSS, "00000001", "00000000", "00000001", "00000000"}, {},
             {});
        fila("sin sistema de mantisa, mismo exponente",
             {E, Suma, SinEleccion, BSS, "00000001", "00000011", "00000001", "00000011"}, {}, {"00000011"});
        fila("sin sistema de mantisa, exponentes distintos",
             {E, Suma, SinEleccion, BSS, "00000001", "00000001", "00000010", "00000000"},
             {"La primera mantisa no está en el rango"}, {});
    }

    void trabajo()
    {
        QFETCH(Caso, caso);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, figuras);
        QFETCH(QStringList, reglasEsperadas);
        const TFormatoSuma f = formatoDe(caso);
        const TResultadoOperacion r = ventana(caso, f);
        const Trabajo w = trabajoSumaResta(caso.tipo, caso.op, {caso.m1, caso.e1, caso.m2, caso.e2}, f, {});
        const QString texto = QString::fromStdString(w.textoPlano());

        if (operandosBinarios({caso.m1, caso.e1, caso.m2, caso.e2}, f))
            QCOMPARE(lista(w.mensajes()), lista(r.mensajes));
        QCOMPARE(lista(w.mensajes()), mensajes);
        for (const std::string& campo : {r.mantisa, r.exponente})
            if (!campo.empty())
                QVERIFY2(w.contieneCifra(campo), campo.c_str());
        for (const QString& figura : figuras)
            QVERIFY2(w.contieneCifra(figura.toStdString()), qPrintable(figura + "\n" + texto));
        const QStringList dichas = reglas(w);
        for (const QString& regla : reglasEsperadas)
            QVERIFY2(dichas.filter(regla).size() == 1, qPrintable(regla + "\n" + texto));
        if (caso.tipo == SinEleccion)
            QVERIFY(texto.contains("No se eligió el tipo de mantisa"));
    }

    // A very long equalisation keeps its first and last moves.
    void igualacionLarga()
    {
        const std::string cero(16, '0');
        const TOperandos o{cero, cero, "0100000000000000", "0000000100000000"};
        const TFormatoSuma f{BSS, 16, BSS, 16};
        const TResultadoOperacion r = flotantes_conFraccionaria(Suma, o, f, {});
        const Trabajo w = trabajoSumaResta(Fraccionaria, Suma, o, f, {});
        QCOMPARE(r.exponente, std::string("0000000100000000"));
        QVERIFY(w.contieneCifra(r.mantisa));
        QVERIFY(w.contieneCifra("256"));
        const QString texto = QString::fromStdString(w.textoPlano());
        QVERIFY(texto.contains("216 pasos más"));
        QVERIFY(texto.count('\n') < 200);
    }

    void textoExacto_data()
    {
        QTest::addColumn<qint64>("numerador");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("texto");
        QTest::newRow("0") << qint64(0) << 5 << "0";
        QTest::newRow("entero") << qint64(5) << -3 << "40";
        QTest::newRow("negativo") << qint64(-3) << 1 << "-1,5";
        QTest::newRow("como FloatToStr") << qint64(1) << 9 << "0,001953125";
        QTest::newRow("exponente de FloatToStr") << qint64(1) << 16 << "1,52587890625E-5";
        QTest::newRow("16 cifras") << qint64(65535) << 16 << "0,9999847412109375";
        QTest::newRow("muchas cifras") << qint64(12345) << 40 << "0,0000000112277120933867990970611572265625";
        QTest::newRow("potencia") << qint64(3) << 250 << "3 \u00D7 2^-250";
    }

    void textoExacto()
    {
        QFETCH(qint64, numerador);
        QFETCH(int, k);
        QFETCH(QString, texto);
        QCOMPARE(QString::fromStdString(cifral::textoExacto(numerador, k)), texto);
    }

    // The column sum on paper: the result row is the sum (or difference) of
    // the two rows, and every carry or borrow is the one that column takes
    // from the column to its right.
    void cuentaEnColumnas()
    {
        QRandomGenerator azar(17);
        for (int i = 0; i < 4000; ++i) {
            const bool restar = azar.bounded(2) == 1;
            const int ancho = 2 + azar.bounded(40);
            const quint64 tope = quint64(1) << (ancho - 1);
            quint64 a = azar.generate64() % tope;
            quint64 b = azar.generate64() % tope;
            if (restar && a < b)
                std::swap(a, b);
            const int decimales = azar.bounded(ancho);
            const CuentaEnColumnas c = cifral::cuentaEnColumnas(a, b, restar, ancho, decimales);
            auto valor = [](std::string s) {
                s.erase(std::remove(s.begin(), s.end(), SeparadorDecimal), s.end());
                s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
                return std::stoull(s, nullptr, 2);
            };
            QCOMPARE(valor(c.primero), a);
            QCOMPARE(valor(c.segundo), b);
            QCOMPARE(valor(c.resultado), restar ? a - b : a + b);
            QCOMPARE(c.acarreos.size(), c.resultado.size());
            const std::string ac = c.acarreos;
            for (std::size_t j = 0; j + 1 < ac.size(); ++j) {
                if (ac[j] == ' ')
                    continue;
                // The carry into column j is what columns j + 1 and the
                // carry into it make.
                std::size_t d = j + 1;
                if (ac[d] == ' ')
                    ++d;
                const int x = c.primero[d] - '0', y = c.segundo[d] - '0', k = ac[d] - '0';
                const int esperado = restar ? (x - y - k < 0 ? 1 : 0) : (x + y + k) / 2;
                QCOMPARE(ac[j] - '0', esperado);
            }
            QCOMPARE(ac.back(), '0');
            if (decimales > 0)
                QCOMPARE(c.resultado[c.resultado.size() - std::size_t(decimales) - 1], SeparadorDecimal);
        }
    }

    // Many layouts and numbers: the working's messages are the window's, in
    // order, and every figure the window and its report would show is in
    // it. With integer mantissas the column sum gives the exact result the
    // report prints, so the working never has to add the report's figure.
    void alAzar()
    {
        QRandomGenerator azar(20261211);
        auto cadena = [&azar](int n) {
            std::string s;
            for (int i = 0; i < n; ++i)
                s += azar.bounded(2) == 0 ? '0' : '1';
            return s;
        };
        for (int i = 0; i < 3000; ++i) {
            const int tipo = azar.bounded(2);
            const TOperacion op = azar.bounded(2) == 0 ? Suma : Resta;
            const TFormatoSuma f{azar.bounded(5), azar.bounded(3) == 0 ? 16 : 8, azar.bounded(5),
                                 azar.bounded(3) == 0 ? 16 : 8};
            // Exponents near each other (most of the time) so that the
            // equalisations run to their end.
            const std::string e1 = cadena(f.longitudExponente);
            std::string e2 = e1;
            if (azar.bounded(4) != 0) {
                const std::size_t desde = e2.size() - std::size_t(1 + azar.bounded(4));
                for (std::size_t j = desde; j < e2.size(); ++j)
                    e2[j] = azar.bounded(2) == 0 ? '0' : '1';
            }
            // Mantissas with few bits set in the middle, often.
            auto mantisa = [&] {
                std::string m = cadena(f.longitudMantisa);
                if (azar.bounded(2) == 0)
                    for (std::size_t j = 2; j < m.size(); ++j)
                        if (azar.bounded(3) != 0)
                            m[j] = '0';
                return m;
            };
            const TOperandos o{mantisa(), e1, mantisa(), e2};
            const TResultadoOperacion r =
                tipo == Entera ? flotantes_conEntera(op, o, f, {}) : flotantes_conFraccionaria(op, o, f, {});
            const Trabajo w = trabajoSumaResta(tipo, op, o, f, {});
            const QString caso = QString("%1 %2 sm%3 se%4 %5 %6 %7 %8")
                                     .arg(tipo)
                                     .arg(op)
                                     .arg(f.sistemaMantisa)
                                     .arg(f.sistemaExponente)
                                     .arg(QString::fromStdString(o.m1), QString::fromStdString(o.e1),
                                          QString::fromStdString(o.m2), QString::fromStdString(o.e2));
            QVERIFY2(lista(w.mensajes()) == lista(r.mensajes), qPrintable(caso));
            TrazaSuma traza;
            operarFlotantes(tipo == Entera ? mantisaEntera() : mantisaFraccionaria(), op, o, f, {}, &traza);
            const bool calculado = traza.etapa == TrazaSuma::Etapa::Resultado;
            const QString falta = figuraQueFalta(w, r, calculado);
            QVERIFY2(falta.isEmpty(), qPrintable(caso + ": " + falta + "\n" + QString::fromStdString(w.textoPlano())));
            if (tipo == Entera)
                QVERIFY2(!QString::fromStdString(w.textoPlano()).contains("el informe lo escribe"),
                         qPrintable(caso + "\n" + QString::fromStdString(w.textoPlano())));
        }
    }
};

QTEST_APPLESS_MAIN(TestPasosSuma)
#include "tst_pasossuma.moc"
