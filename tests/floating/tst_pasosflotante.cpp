// The working of the two floating-point converters: its figures are the
// converters' figures, its messages are the ones the window shows in the
// order it shows them, and it says where the window follows a rule of the
// course; over many layouts and numbers, every figure the window would show
// is in it.
#include "floating/sistnumPasosFlotante.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace cifral;

namespace {

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

// Every figure in `cifras` is a figure of the working, as written.
QString faltante(const Trabajo& w, const QStringList& cifras)
{
    for (const QString& c : cifras)
        if (!c.isEmpty() && !w.contieneCifra(c.toStdString()))
            return c;
    return {};
}

// Each expected rule is said, by a word of it.
QString reglaFaltante(const Trabajo& w, const QStringList& esperadas)
{
    const QStringList dichas = reglas(w);
    for (const QString& e : esperadas) {
        bool dicha = false;
        for (const QString& d : dichas)
            dicha = dicha || d.contains(e);
        if (!dicha)
            return e;
    }
    return {};
}

QStringList textosDe(const TTextosRango& t)
{
    return {QString::fromStdString(t.numeroMaximoPositivo),     QString::fromStdString(t.numeroMinimoPositivo),
            QString::fromStdString(t.numeroMaximoNegativo),     QString::fromStdString(t.numeroMinimoNegativo),
            QString::fromStdString(t.resolucionMaximaPositiva), QString::fromStdString(t.resolucionMinimaPositiva),
            QString::fromStdString(t.resolucionMaximaNegativa), QString::fromStdString(t.resolucionMinimaNegativa)};
}

// ----------------------------------------------- what TForm3 would show

struct Vista3 {
    QStringList mensajes;
    QString mantisa; // Edit12, empty when not written
    QString exponente;
    QStringList rango; // empty when not written
};

// The evaluation of "Representar a Decimal" for a complete layout and a
// fresh window, by the routines the window calls.
Vista3 vista3(const TFloatFormat& f, const std::string& m, const std::string& e)
{
    Vista3 v;
    switch (controlarBits(m, f.longitudMantisa, e, f.longitudExponente)) {
    case LongitudIncorrecta:
        v.mensajes << "Ingrese la longitud de mantisa y exponente correctas";
        return v;
    case DigitoNoBinario:
        v.mensajes << "Ingrese números en Binario";
        return v;
    case BitsCorrectos:
        break;
    }
    TFloatLimits l;
    const auto sm = static_cast<TNumberSystem>(f.sistemaMantisa);
    const auto se = static_cast<TNumberSystem>(f.sistemaExponente);
    if (f.tipoMantisa == Entera) {
        minMaxEnt(f.longitudMantisa, sm, l);
        v.mantisa = QString::fromStdString(
            textoConCeroNegativo(FloatToStr(manent(m, f.longitudMantisa, sm)), f.sistemaMantisa, m));
    } else if (!mantisaNormalizada(m, f.sistemaMantisa)) {
        v.mensajes << "Ingrese una mantisa fraccionaria normalizada";
    } else if (f.bitImplicito == SinEleccion) {
        v.mensajes << "Configure el bit implícito";
        return v;
    } else {
        int n = f.longitudMantisa;
        v.mantisa = QString::fromStdString(FloatToStr(mantFracc(m, n, sm, usaBitImplicito(f))));
        minMaxFracc(n, sm, l);
    }
    v.exponente = QString::fromStdString(
        textoConCeroNegativo(FloatToStr(expo(e, f.longitudExponente, se)), f.sistemaExponente, e));
    calcExp(f.longitudExponente, se, l);
    v.rango = textosDe(calcularNums(l, static_cast<TMantissaKind>(f.tipoMantisa), f.sistemaMantisa));
    return v;
}

// ----------------------------------------------- what TForm4 would show

struct Vista4 {
    QStringList mensajes;
    QStringList cifras; // every field written: bits, errors, marks, range
};

// One press of "Representar a Punto Flotante" with a complete layout and a
// number the window's test accepts, by the routines the window calls.
Vista4 vista4(const TPulsacion4& p)
{
    Vista4 v;
    const TFormato4 f{p.n, p.e, static_cast<TNumberSystem>(p.sistemaMantisa),
                      static_cast<TNumberSystem>(p.sistemaExponente), p.bitImplicito == ConBitImplicito};
    if (esMenosCero(p.numero)) {
        if (f.sistemaMantisa == BCS) {
            const TMantisaExponente cero = menosCeroBcs(p.n, p.e, p.sistemaExponente);
            v.cifras << QString::fromStdString(cero.mantisa) << QString::fromStdString(cero.exponente);
            return v;
        }
        v.mensajes << "No existe el menos cero en el sistema configurado";
    }
    const auto tipo = static_cast<TMantissaKind>(p.tipo);
    const TConversion4 c =
        tipo == Entera ? calcular_MantExp_Entera(p.numero, f) : calcular_MantExp_Fraccionaria(p.numero, f);
    v.mensajes << lista(c.mensajes);
    if (c.escribe) {
        v.cifras << QString::fromStdString(c.mantisa) << QString::fromStdString(c.exponente);
        const double x = guardarDouble(StrToFloat(p.numero));
        if (const auto e = tipo == Entera ? calcular_errores(f, x, c.mantisa, c.exponente)
                                          : calculo_error_F(f, x, c.mantisa, c.exponente))
            v.cifras << QString::fromStdString(e->absoluto) << QString::fromStdString(e->relativo)
                     << QString::number(e->marcas);
    }
    if (!(c.escribe ? c.exponente : p.exponenteAnterior).empty()) {
        TTextosRango t = textosDelRango(limitesDelFormato(tipo, f), tipo, f.sistemaMantisa);
        t.numeroMinimoNegativo = conSignoNegativo(t.numeroMinimoNegativo);
        v.cifras << textosDe(t);
    }
    return v;
}

TFloatFormat formato3(int tipo, int n, int sm, int implicito, int m, int se)
{
    TFloatFormat f;
    f.tipoMantisa = tipo;
    f.longitudMantisa = n;
    f.sistemaMantisa = sm;
    f.bitImplicito = implicito;
    f.longitudExponente = m;
    f.sistemaExponente = se;
    return f;
}

TPulsacion4 pulsacion(int tipo, int n, int sm, int implicito, int e, int se, const std::string& numero)
{
    TPulsacion4 p;
    p.tipo = tipo;
    p.n = n;
    p.sistemaMantisa = sm;
    p.bitImplicito = implicito;
    p.e = e;
    p.sistemaExponente = se;
    p.numero = numero;
    return p;
}

const int SI = ConBitImplicito;
const int NO = SinBitImplicito;
const int nada = SinEleccion;

} // namespace

Q_DECLARE_METATYPE(TFloatFormat)
Q_DECLARE_METATYPE(TPulsacion4)

class TestPasosFlotante : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------ Binario a Decimal

    void binarioADecimal_data()
    {
        QTest::addColumn<TFloatFormat>("formato");
        QTest::addColumn<QString>("mantisa");
        QTest::addColumn<QString>("exponente");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QStringList>("cifras");
        QTest::addColumn<QStringList>("reglas");
        const QStringList ninguno;
        QTest::newRow("integer BCS, -0") << formato3(Entera, 4, BCS, nada, 3, CA2) << "1000"
                                         << "011" << ninguno
                                         << QStringList{"-0", "3", "7 * (2^3)", "-1 * (2^-4)", "-7 * (2^3)"} << ninguno;
        QTest::newRow("integer BSS, no negatives")
            << formato3(Entera, 3, BSS, nada, 2, BSS) << "101"
            << "11" << ninguno << QStringList{"5", "3", "7 * (2^3)", "1 * (2^0)", "No existe", "4", "2^2"} << ninguno;
        QTest::newRow("integer CA1 -0, exponent CA1 -0")
            << formato3(Entera, 4, CA1, nada, 3, CA1) << "1111"
            << "111" << ninguno << QStringList{"-0", "0000", "-7 * (2^3)"} << ninguno;
        QTest::newRow("integer CA2 -8") << formato3(Entera, 4, CA2, nada, 3, Exceso) << "1000"
                                        << "110" << ninguno << QStringList{"-8", "1000", "2", "-8 * (2^3)"} << ninguno;
        QTest::newRow("fraction CA2 -0,5")
            << formato3(Fraccionaria, 4, CA2, NO, 2, BSS) << "1100"
            << "01" << ninguno
            << QStringList{"-0,5",       "1", "0,875 * (2^3)", "-0,125 * (2^3)", "-0,0625 * (2^0)", "-0,0625 * (2^3)",
                           "0,5 * (2^0)"}
            << QStringList{"mantisa máxima negativa -2^-3 = -0,125"};
        QTest::newRow("fraction BCS with implicit bit")
            << formato3(Fraccionaria, 4, BCS, SI, 3, CA2) << "0101"
            << "001" << ninguno << QStringList{"01101", "0,8125", "0,9375 * (2^3)", "13", "16", "1,625"} << ninguno;
        QTest::newRow("fraction CA2 negative with implicit bit")
            << formato3(Fraccionaria, 4, CA2, SI, 3, CA2) << "1100"
            << "000" << ninguno << QStringList{"11100", "-0,25"} << QStringList{"bit implícito es siempre un 1"};
        QTest::newRow("fraction Exceso over 2^n")
            << formato3(Fraccionaria, 4, Exceso, NO, 3, CA2) << "1100"
            << "000" << ninguno << QStringList{"0,25", "2^4", "4"} << QStringList{"2^n'", "como los de CA2"};
        QTest::newRow("fraction not normalized")
            << formato3(Fraccionaria, 4, BCS, NO, 3, CA2) << "1000"
            << "010" << QStringList{"Ingrese una mantisa fraccionaria normalizada"} << QStringList{"2"} << ninguno;
        QTest::newRow("implicit bit not chosen")
            << formato3(Fraccionaria, 4, BCS, nada, 3, CA2) << "0100"
            << "010" << QStringList{"Configure el bit implícito"} << ninguno << ninguno;
        QTest::newRow("length") << formato3(Entera, 5, BCS, nada, 3, CA2) << "1010"
                                << "010" << QStringList{"Ingrese la longitud de mantisa y exponente correctas"}
                                << ninguno << ninguno;
        QTest::newRow("not binary") << formato3(Entera, 4, BCS, nada, 3, CA2) << "1021"
                                    << "010" << QStringList{"Ingrese números en Binario"} << ninguno << ninguno;
        QTest::newRow("16 bits each") << formato3(Fraccionaria, 16, CA1, NO, 16, Exceso) << "1100000000000000"
                                      << "1000000000000011" << ninguno
                                      << QStringList{"-0,499969482421875", "3", "0,999969482421875 * (2^32767)"}
                                      << ninguno;
    }

    void binarioADecimal()
    {
        QFETCH(TFloatFormat, formato);
        QFETCH(QString, mantisa);
        QFETCH(QString, exponente);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, cifras);
        QFETCH(QStringList, reglas);
        const Trabajo w = trabajoBinarioADecimal(formato, mantisa.toStdString(), exponente.toStdString(), {});
        QCOMPARE(lista(w.mensajes()), mensajes);
        const Vista3 v = vista3(formato, mantisa.toStdString(), exponente.toStdString());
        QCOMPARE(v.mensajes, mensajes);
        QVERIFY2(faltante(w, cifras).isEmpty(), qPrintable(faltante(w, cifras) + "\n" + w.textoPlano().c_str()));
        QVERIFY2(faltante(w, QStringList{v.mantisa, v.exponente} + v.rango).isEmpty(), w.textoPlano().c_str());
        QVERIFY2(reglaFaltante(w, reglas).isEmpty(), qPrintable(reglaFaltante(w, reglas)));
        if (reglas.isEmpty())
            QVERIFY2(::reglas(w).isEmpty(), qPrintable(::reglas(w).join('\n')));
    }

    // The window's state goes into the working: a mantissa that is not
    // normalized leaves the stored limits in the range, and without a
    // mantissa system the value of the last evaluation is shown.
    void binarioADecimalKeepsTheWindowsState()
    {
        TEstado3 antes;
        minMaxFracc(5, CA2, antes.limites);
        calcExp(3, BCS, antes.limites);
        antes.valorEntera = 6;
        const Trabajo noNormalizada =
            trabajoBinarioADecimal(formato3(Fraccionaria, 4, BCS, NO, 3, CA2), "1000", "010", antes);
        TFloatLimits l = antes.limites;
        calcExp(3, CA2, l);
        QVERIFY(faltante(noNormalizada, textosDe(calcularNums(l, Fraccionaria, BCS))).isEmpty());
        const Trabajo sinSistema =
            trabajoBinarioADecimal(formato3(Entera, 4, nada, nada, 3, CA2), "0111", "010", antes);
        QVERIFY(sinSistema.contieneCifra("6"));
    }

    // ----------------------------------------- Decimal a Punto Flotante

    void decimalAFlotante_data()
    {
        QTest::addColumn<TPulsacion4>("pulsacion");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QStringList>("cifras");
        QTest::addColumn<QStringList>("reglas");
        const QStringList ninguno;
        const QString fuera = MensajeFueraDelSistema;
        QTest::newRow("integer 1000") << pulsacion(Entera, 8, BCS, nada, 8, CA2, "1000") << ninguno
                                      << QStringList{"01111101",      "00000011",     "0",
                                                     "127 * (2^127)", "1 * (2^-128)", "-127 * (2^127)",
                                                     "-1 * (2^-128)", "-1 * (2^127)", "125"}
                                      << QStringList{"se corta"};
        QTest::newRow("integer 3,3 falls back to quarters")
            << pulsacion(Entera, 8, BCS, nada, 8, CA2, "3,3") << ninguno
            << QStringList{"00001101", "11111110", "0,0499999999999998", "0,0151515151515151", "5", "52,8", "3,25"}
            << QStringList{"15 cifras", "0,25"};
        QTest::newRow("integer 0,5 with a BSS exponent")
            << pulsacion(Entera, 8, BCS, nada, 8, BSS, "0,5") << ninguno << QStringList{"00000000", "0,5", "1", "30"}
            << QStringList{"15 cifras", "se corta"};
        QTest::newRow("integer CA2 minimum negative")
            << pulsacion(Entera, 8, CA2, nada, 8, CA2, "-3,75") << ninguno
            << QStringList{"11110001", "11111110", "-128 * (2^127)", "-1 * (2^-128)", "-1 * (2^-128)"}
            << QStringList{"15 cifras"};
        QTest::newRow("integer zero in CA1") << pulsacion(Entera, 8, CA1, nada, 8, CA1, "0") << ninguno
                                             << QStringList{"11111111", "0"} << QStringList{"cero negativo"};
        QTest::newRow("integer negative in BSS")
            << pulsacion(Entera, 8, BSS, nada, 8, CA2, "-7") << QStringList{MensajeNegativoEnBSS} << ninguno << ninguno;
        QTest::newRow("fraction 0,1 BSS")
            << pulsacion(Fraccionaria, 8, BSS, NO, 8, CA2, "0,1") << ninguno
            << QStringList{"11001100", "11111101", "0,000390625000000006", "0,00390625000000006", "13",
                           "0,8",      "1,6",      "0,099609375"}
            << QStringList{"se corta"};
        QTest::newRow("fraction 0,75 BCS")
            << pulsacion(Fraccionaria, 8, BCS, NO, 8, CA2, "0,75") << ninguno
            << QStringList{"01100000", "00000000", "-0,5 * (2^-128)", "0,0078125 * (2^-128)"}
            << QStringList{"sin el \"-\""};
        QTest::newRow("fraction 2,0 is a half") << pulsacion(Fraccionaria, 8, BCS, NO, 8, CA2, "2,0") << ninguno
                                                << QStringList{"01000000", "00000010", "0,5", "10"} << ninguno;
        QTest::newRow("fraction 1234,5678 16 bits")
            << pulsacion(Fraccionaria, 16, BCS, NO, 8, BSS, "1234,5678") << ninguno
            << QStringList{"0100110100101001", "00001011", "10011010010"} << QStringList{"se corta"};
        QTest::newRow("fraction too close to 1, BSS")
            << pulsacion(Fraccionaria, 8, BSS, NO, 8, CA2, "0,999") << QStringList{fuera, MensajeNoNormalizada}
            << QStringList{"00000000"} << ninguno;
        QTest::newRow("fraction below 0,5 with a BSS exponent")
            << pulsacion(Fraccionaria, 8, BCS, NO, 8, BSS, "0,3") << QStringList{MensajeNoRepresentable} << ninguno
            << ninguno;
        QTest::newRow("fraction negative in BSS")
            << pulsacion(Fraccionaria, 8, BSS, NO, 8, CA2, "-0,3") << QStringList{MensajeNoSeRepresentanNegativos}
            << QStringList{"11111111", "-0,6"} << ninguno;
        TPulsacion4 entero = pulsacion(Fraccionaria, 8, BCS, NO, 8, CA2, "7");
        entero.exponenteAnterior = "00000011";
        QTest::newRow("fraction refuses an integer, range rewritten")
            << entero << QStringList{MensajeNoEsDecimal} << QStringList{"0,9921875 * (2^127)"} << ninguno;
        QTest::newRow("fraction implicit bit, -0,75 CA1")
            << pulsacion(Fraccionaria, 8, CA1, SI, 8, CA2, "-0,75") << QStringList{MensajeImplicitoNoNormalizada}
            << QStringList{"10111111", "10011111", "11011111", "0,5", "0,666666666666667", "30"}
            << QStringList{"era un 0", "con los 8 bits"};
        QTest::newRow("fraction Exceso over 2^(n-1)")
            << pulsacion(Fraccionaria, 8, Exceso, NO, 8, Exceso, "-0,75") << ninguno
            << QStringList{"00100000", "10000000", "-0,75", "-0,0078125 * (2^127)", "-0,00390625 * (2^-128)"}
            << QStringList{"2^(n-1)", "mantisa más negativa sería -1"};
        QTest::newRow("negative zero in BCS")
            << pulsacion(Entera, 8, BCS, nada, 8, Exceso, "-0") << ninguno << QStringList{"10000000"} << ninguno;
        QTest::newRow("negative zero elsewhere") << pulsacion(Entera, 8, CA1, nada, 8, CA2, "-0,0")
                                                 << QStringList{"No existe el menos cero en el sistema configurado"}
                                                 << QStringList{"11111111"} << QStringList{"cero negativo"};
        QTest::newRow("implicit bit not chosen") << pulsacion(Fraccionaria, 8, BCS, nada, 8, CA2, "0,5")
                                                 << QStringList{"Configure Bit Implícito"} << ninguno << ninguno;
        QTest::newRow("a lone minus") << pulsacion(Entera, 8, BCS, nada, 8, CA2, "-")
                                      << QStringList{"'-' is not a valid floating point value"} << ninguno << ninguno;
        QTest::newRow("not a number") << pulsacion(Entera, 8, BCS, nada, 8, CA2, "1,2,3")
                                      << QStringList{"Ingrese un número decimal"} << ninguno << ninguno;
        TPulsacion4 nadaElegido;
        nadaElegido.configurado = false;
        nadaElegido.numero = "5";
        QTest::newRow("nothing configured")
            << nadaElegido << QStringList{"Realize la configuración", "Ingrese longitud de exponente correctas"}
            << ninguno << ninguno;
        QTest::newRow("no exponent system") << pulsacion(Entera, 8, BCS, nada, 8, nada, "5")
                                            << QStringList{"Realize la configuración"} << ninguno << ninguno;
    }

    void decimalAFlotante()
    {
        QFETCH(TPulsacion4, pulsacion);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, cifras);
        QFETCH(QStringList, reglas);
        const Trabajo w = trabajoDecimalAFlotante(pulsacion);
        QCOMPARE(lista(w.mensajes()), mensajes);
        QVERIFY2(faltante(w, cifras).isEmpty(), qPrintable(faltante(w, cifras) + "\n" + w.textoPlano().c_str()));
        if (esSistema(pulsacion.sistemaMantisa) && esSistema(pulsacion.sistemaExponente) && pulsacion.n > 0 &&
            pulsacion.tipo != nada && esNumero(pulsacion.numero) && pulsacion.numero != "-" &&
            !(pulsacion.tipo == Fraccionaria && pulsacion.bitImplicito == nada)) {
            const Vista4 v = vista4(pulsacion);
            QCOMPARE(v.mensajes, mensajes);
            QVERIFY2(faltante(w, v.cifras).isEmpty(), w.textoPlano().c_str());
        }
        QVERIFY2(reglaFaltante(w, reglas).isEmpty(),
                 qPrintable(reglaFaltante(w, reglas) + "\n" + ::reglas(w).join('\n')));
    }

    // -------------------------------------------------------- at random

    void binarioADecimalAtRandom()
    {
        QRandomGenerator azar(17);
        for (int i = 0; i < 3000; ++i) {
            const int tipo = azar.bounded(2);
            const int n = azar.bounded(2, 17);
            const int m = azar.bounded(2, 17);
            const TFloatFormat f = formato3(tipo, n, azar.bounded(5), azar.bounded(2), m, azar.bounded(5));
            std::string mantisa, exponente;
            for (int j = 0; j < n; ++j)
                mantisa += azar.bounded(2) ? '1' : '0';
            for (int j = 0; j < m; ++j)
                exponente += azar.bounded(2) ? '1' : '0';
            const Trabajo w = trabajoBinarioADecimal(f, mantisa, exponente, {});
            const Vista3 v = vista3(f, mantisa, exponente);
            const QString caso = QString::fromStdString(mantisa + " " + exponente + "\n" + w.textoPlano());
            QCOMPARE(lista(w.mensajes()), v.mensajes);
            QVERIFY2(faltante(w, QStringList{v.mantisa, v.exponente} + v.rango).isEmpty(), qPrintable(caso));
        }
    }

    void decimalAFlotanteAtRandom()
    {
        QRandomGenerator azar(4);
        for (int i = 0; i < 3000; ++i) {
            // A text the window takes: at most 15 characters, a '-' in front
            // and a ',' anywhere but first.
            std::string numero = azar.bounded(3) == 0 ? "-" : "";
            const int enteros = azar.bounded(1, 8);
            for (int j = 0; j < enteros; ++j)
                numero += static_cast<char>('0' + (j == 0 && enteros > 1 ? azar.bounded(1, 10) : azar.bounded(10)));
            if (azar.bounded(4) != 0) {
                numero += ',';
                const int decimales = azar.bounded(0, static_cast<int>(15 - numero.size()) + 1);
                for (int j = 0; j < decimales; ++j)
                    numero += static_cast<char>('0' + azar.bounded(10));
            }
            TPulsacion4 p = pulsacion(azar.bounded(2), azar.bounded(2) ? 16 : 8, azar.bounded(5), azar.bounded(2),
                                      azar.bounded(2) ? 16 : 8, azar.bounded(5), numero);
            if (azar.bounded(5) == 0)
                p.exponenteAnterior = "00000001";
            const Trabajo w = trabajoDecimalAFlotante(p);
            const Vista4 v = vista4(p);
            const QString caso = QString::fromStdString(numero + "\n" + w.textoPlano());
            QVERIFY2(lista(w.mensajes()) == v.mensajes, qPrintable(caso));
            QVERIFY2(faltante(w, v.cifras).isEmpty(), qPrintable(faltante(w, v.cifras) + "\n" + caso));
        }
    }
};

QTEST_APPLESS_MAIN(TestPasosFlotante)
#include "tst_pasosflotante.moc"
