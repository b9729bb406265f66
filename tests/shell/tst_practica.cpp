// Exercises of "Práctica": every kind and level over many seeds against the
// converters' routines, the checking of answers and the drawing's
// reproducibility.
#include "fixed/sistnumA.h"
#include "floating/sistnum4.h"
#include "ieee/sistnum6.h"
#include "shell/TextoDecimal.h"
#include "shell/sistnumPractica.h"

#include <QTest>

#include <cmath>

using namespace cifral;

Q_DECLARE_METATYPE(cifral::Comparacion)

namespace {

constexpr int Semillas = 150;

TNumberSystem sistemaDe(const std::string& disposicion)
{
    for (int s = 0; s < 5; ++s)
        if (disposicion.rfind(nombreSistema(s) + " ", 0) == 0 || disposicion.rfind(nombreSistema(s) + ",", 0) == 0)
            return static_cast<TNumberSystem>(s);
    return BSS;
}

// The value of the three fields of an answer.
double valorIEEE(const std::vector<Respuesta>& r)
{
    return valorDe(PatronIEEE::deTextos(r[0].esperada == "1" ? 1u : 0u, r[1].esperada, r[2].esperada.substr(0, 23)));
}

// The answer with one character changed: a bit flipped, a digit moved.
std::string cambiada(const Respuesta& r)
{
    std::string s = r.esperada;
    const std::size_t i = s.find_last_of("0123456789");
    if (r.comparacion == Comparacion::Bits)
        s[i] = s[i] == '0' ? '1' : '0';
    else
        s[i] = s[i] == '9' ? '8' : static_cast<char>(s[i] + 1);
    return s;
}

} // namespace

class TestPractica : public QObject {
    Q_OBJECT

private slots:
    void ejercicios_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("nivel");
        for (const int tipo : tiposDisponibles())
            for (int nivel = 1; nivel <= NivelesDeEjercicio; ++nivel)
                QTest::addRow("%s, %s", nombreTipoEjercicio(tipo).c_str(), nombreNivel(nivel).c_str()) << tipo << nivel;
    }

    // The solution is the converter's, the working holds every expected
    // figure without a message, the solution's own answers are right and
    // one changed character makes an answer wrong.
    void ejercicios()
    {
        QFETCH(int, tipo);
        QFETCH(int, nivel);
        for (std::uint64_t semilla = 1; semilla <= Semillas; ++semilla) {
            const Ejercicio e = generarEjercicio(tipo, nivel, semilla * 7919, 1 + static_cast<int>(semilla % 5));
            const std::string donde = "semilla " + std::to_string(semilla) + ": " + e.enunciado;
            QVERIFY2(!e.respuestas.empty(), donde.c_str());
            QVERIFY2(e.trabajo.mensajes().empty(), donde.c_str());
            const auto& r = e.respuestas;
            switch (tipo) {
            case 1: {
                const TNumberSystem s = sistemaDe(e.disposicion);
                const int n = std::stoi(e.datos[1]);
                const double v = valorSistema(s, e.datos[0], n);
                QVERIFY2(std::stod(r[0].esperada) == v, donde.c_str());
                QVERIFY2(nivel < 3 || r[0].esperada != "-0" || s == BCS || s == CA1, donde.c_str());
                QVERIFY2(nivel == 3 || r[0].esperada != "-0", donde.c_str());
                if (nivel >= 2) {
                    QCOMPARE(std::stod(r[1].esperada), rango(s, n).desde);
                    QCOMPARE(std::stod(r[2].esperada), rango(s, n).hasta);
                }
                break;
            }
            case 2: {
                const TNumberSystem s = sistemaDe(e.disposicion);
                const int n = std::stoi(e.datos[1]);
                QCOMPARE(static_cast<int>(r[0].esperada.size()), n);
                QVERIFY2(valorSistema(s, r[0].esperada, n) == std::stod(e.datos[0]), donde.c_str());
                break;
            }
            case 3: {
                // The exponent is an integer of its system; an integer
                // mantissa too.
                const std::string& d = e.disposicion;
                const TNumberSystem se = sistemaDe(d.substr(d.rfind(" en ") + 4) + " ");
                const int m = std::stoi(e.datos[3]);
                if (r[1].esperada != "-0")
                    QVERIFY2(std::stod(r[1].esperada) == valorSistema(se, e.datos[1], m), donde.c_str());
                if (d.find("entera") != std::string::npos && r[0].esperada != "-0") {
                    const TNumberSystem sm = sistemaDe(d.substr(d.find(" en ") + 4));
                    QVERIFY2(std::stod(r[0].esperada) == valorSistema(sm, e.datos[0], std::stoi(e.datos[2])),
                             donde.c_str());
                }
                break;
            }
            case 4: {
                // Read back by the converter's error routine: the number
                // itself, or below it when bits were cut.
                const std::string& d = e.disposicion;
                TFormato4 f;
                f.n = std::stoi(e.datos[1]);
                f.e = std::stoi(e.datos[2]);
                f.sistemaMantisa = sistemaDe(d.substr(d.find(" en ") + 4));
                f.sistemaExponente = sistemaDe(d.substr(d.rfind(" en ") + 4) + " ");
                f.implicito = d.find("con bit implícito") != std::string::npos;
                const double x = guardarDouble(StrToFloat(e.datos[0]));
                const auto error = d.find("entera") != std::string::npos
                                       ? calcular_errores(f, x, r[0].esperada, r[1].esperada)
                                       : calculo_error_F(f, x, r[0].esperada, r[1].esperada);
                QVERIFY2(error.has_value(), donde.c_str());
                if (nivel < 3)
                    QVERIFY2(error->valor == x, donde.c_str());
                else
                    QVERIFY2(std::fabs(error->valor) <= std::fabs(x) && std::fabs(error->valor) > std::fabs(x) / 2,
                             donde.c_str());
                break;
            }
            case 7: {
                // With both exponents written alike nothing moves: the
                // mantissas' integers add (or subtract) as they are.
                if (e.datos[1] == e.datos[3]) {
                    const std::string& d = e.disposicion;
                    const TNumberSystem sm = sistemaDe(d.substr(d.find(" en ") + 4));
                    const double a = valorSistema(sm, e.datos[0], 8);
                    const double b = valorSistema(sm, e.datos[2], 8);
                    const bool suma = e.enunciado.find("sume") != std::string::npos;
                    QVERIFY2(valorSistema(sm, r[0].esperada, 8) == (suma ? a + b : a - b), donde.c_str());
                    QCOMPARE(r[1].esperada, e.datos[1]);
                }
                break;
            }
            case 5: {
                const Extended x = StrToFloat(e.datos[0]);
                const double v = valorIEEE(r);
                if (nivel < 3) {
                    QVERIFY2(static_cast<Extended>(v) == x, donde.c_str());
                } else {
                    // Cut, not rounded: the value is the one below or at x,
                    // and the next pattern is beyond it.
                    QVERIFY2(std::fabs(v) <= std::fabs(x) && (v < 0) == (x < 0), donde.c_str());
                    const std::string f = r[2].esperada.substr(0, 23);
                    const auto p = PatronIEEE::deTextos(0, r[1].esperada, f);
                    const PatronIEEE siguiente{p.bits + 1};
                    QVERIFY2(valorDe(siguiente) > std::fabs(x), donde.c_str());
                }
                break;
            }
            case 6: {
                const auto p = PatronIEEE::deTextos(e.datos[0] == "1" ? 1u : 0u, e.datos[1], e.datos[2]);
                QVERIFY2(StrToFloat(r[0].esperada) == static_cast<Extended>(valorDe(p)), donde.c_str());
                break;
            }
            default:
                QFAIL("tipo sin comprobar");
            }
            for (std::size_t i = 0; i < r.size(); ++i) {
                const std::string cual = donde + " / " + r[i].rotulo;
                QVERIFY2(e.trabajo.contieneCifra(r[i].esperada), cual.c_str());
                QVERIFY2(pasoDeRespuesta(e, i) >= 0, cual.c_str());
                QVERIFY2(respuestaCorrecta(r[i], r[i].esperada), cual.c_str());
                QVERIFY2(!respuestaCorrecta(r[i], cambiada(r[i])), cual.c_str());
                QVERIFY2(!respuestaCorrecta(r[i], ""), cual.c_str());
            }
        }
    }

    void formasEquivalentes_data()
    {
        QTest::addColumn<Comparacion>("comparacion");
        QTest::addColumn<QString>("esperada");
        QTest::addColumn<QString>("dada");
        QTest::addColumn<bool>("correcta");
        const auto E = Comparacion::Entero;
        const auto D = Comparacion::Decimal;
        const auto B = Comparacion::Bits;
        QTest::newRow("entero igual") << E << "-37"
                                      << "-37" << true;
        QTest::newRow("menos tipográfico") << E << "-37"
                                           << "\u221237" << true;
        QTest::newRow("más y ceros") << E << "37"
                                     << "+0037" << true;
        QTest::newRow("blancos") << E << "-128"
                                 << " - 128 " << true;
        QTest::newRow("cero negativo no es cero") << E << "-0"
                                                  << "0" << false;
        QTest::newRow("cero negativo") << E << "-0"
                                       << "-00" << true;
        QTest::newRow("otro entero") << E << "-37"
                                     << "37" << false;
        QTest::newRow("no es un número") << E << "12"
                                         << "12a" << false;
        QTest::newRow("ceros finales") << D << "0,375"
                                       << "0,37500" << true;
        QTest::newRow("punto") << D << "-5,75"
                               << "-5.75" << true;
        QTest::newRow("sin cero inicial") << D << "0,5"
                                          << ",5" << true;
        QTest::newRow("entero con coma") << D << "12"
                                         << "12,000" << true;
        QTest::newRow("menos tipográfico decimal") << D << "-0,125"
                                                   << "\u22120,125" << true;
        QTest::newRow("otra cifra") << D << "0,375"
                                    << "0,3751" << false;
        QTest::newRow("sin signo") << D << "-0,375"
                                   << "0,375" << false;
        QTest::newRow("bits agrupados") << B << "11011000"
                                        << "1101 1000" << true;
        QTest::newRow("mantisa cortada") << B << "00110011001100110011001 "
                                         << "0011 0011 0011 0011 0011 001" << true;
        QTest::newRow("un bit menos") << B << "11011000"
                                      << "1101100" << false;
        QTest::newRow("otro bit") << B << "11011000"
                                  << "11011001" << false;
    }

    void formasEquivalentes()
    {
        QFETCH(Comparacion, comparacion);
        QFETCH(QString, esperada);
        QFETCH(QString, dada);
        QFETCH(bool, correcta);
        Respuesta r;
        r.esperada = esperada.toStdString();
        r.comparacion = comparacion;
        QCOMPARE(respuestaCorrecta(r, dada.toStdString()), correcta);
    }

    // A seed gives the same series every time and everywhere; another seed
    // another one.
    void mismaSemilla()
    {
        const std::vector<int> tipos = tiposDisponibles();
        const auto a = hojaDeEjercicios(tipos, 2, 12, 123);
        const auto b = hojaDeEjercicios(tipos, 2, 12, 123);
        const auto c = hojaDeEjercicios(tipos, 2, 12, 124);
        QCOMPARE(a.size(), std::size_t{12});
        int distintos = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            QCOMPARE(a[i].tipo, tipos[i % tipos.size()]);
            QCOMPARE(a[i].enunciado, b[i].enunciado);
            QCOMPARE(a[i].trabajo.textoPlano(), b[i].trabajo.textoPlano());
            distintos += a[i].enunciado != c[i].enunciado ? 1 : 0;
        }
        QVERIFY(distintos >= 10);
        // The generator's raw output only: these statements are the same
        // with every compiler and library.
        QCOMPARE(generarEjercicio(2, 1, 123, 4).enunciado, std::string("Represente 34 en BCS con 8 bits."));
        QCOMPARE(generarEjercicio(5, 2, 123, 1).enunciado,
                 std::string("Represente \u2212329,5 en IEEE 754 simple precisión: signo, exponente (8 bits, con "
                             "sesgo 127) y mantisa (23 bits)."));
    }
};

QTEST_APPLESS_MAIN(TestPractica)
#include "tst_practica.moc"
