// Binary formats of any width: every pattern of the small formats against
// exact rational arithmetic, binary32 and binary64 against the hardware and
// the C library, and every rounding rule against a brute-force oracle.
#include "ieee/sistnumFormatos.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <gmp.h>

#include <algorithm>
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

using namespace cifral;

namespace {

// An exact rational with value semantics, for the oracles.
struct Q {
    mpq_t q;
    Q() { mpq_init(q); }
    Q(const Q& o)
    {
        mpq_init(q);
        mpq_set(q, o.q);
    }
    Q& operator=(const Q& o)
    {
        mpq_set(q, o.q);
        return *this;
    }
    ~Q() { mpq_clear(q); }
    static Q deDouble(double d)
    {
        Q r;
        mpq_set_d(r.q, d);
        return r;
    }
    // m × 2^k
    static Q diadico(std::uint64_t m, long k)
    {
        Q r;
        mpz_set_ui(mpq_numref(r.q), m);
        if (k >= 0)
            mpz_mul_2exp(mpq_numref(r.q), mpq_numref(r.q), static_cast<mp_bitcnt_t>(k));
        else
            mpz_mul_2exp(mpq_denref(r.q), mpq_denref(r.q), static_cast<mp_bitcnt_t>(-k));
        mpq_canonicalize(r.q);
        return r;
    }
    bool operator==(const Q& o) const { return mpq_equal(q, o.q) != 0; }
    bool operator<(const Q& o) const { return mpq_cmp(q, o.q) < 0; }
    bool operator<=(const Q& o) const { return mpq_cmp(q, o.q) <= 0; }
    Q operator+(const Q& o) const
    {
        Q r;
        mpq_add(r.q, q, o.q);
        return r;
    }
    Q operator-(const Q& o) const
    {
        Q r;
        mpq_sub(r.q, q, o.q);
        return r;
    }
    Q mitad() const
    {
        Q r;
        mpq_div_2exp(r.q, q, 1);
        return r;
    }
    Q opuesto() const
    {
        Q r;
        mpq_neg(r.q, q);
        return r;
    }
    QString texto() const
    {
        char* s = mpq_get_str(nullptr, 10, q);
        QString t = QString::fromLatin1(s);
        void (*liberar)(void*, size_t);
        mp_get_memory_functions(nullptr, nullptr, &liberar);
        liberar(s, std::strlen(s) + 1);
        return t;
    }
};

// A decimal text with ',' (no exponent) as a rational.
Q racional(const std::string& t)
{
    std::string s = t;
    bool negativo = !s.empty() && s[0] == '-';
    if (negativo)
        s.erase(0, 1);
    const auto coma = s.find(',');
    std::size_t decimales = 0;
    if (coma != std::string::npos) {
        decimales = s.size() - coma - 1;
        s.erase(coma, 1);
    }
    Q r;
    mpz_set_str(mpq_numref(r.q), s.c_str(), 10);
    mpz_ui_pow_ui(mpq_denref(r.q), 10, decimales);
    mpq_canonicalize(r.q);
    return negativo ? r.opuesto() : r;
}

// The value of a pattern from its fields, independently of the module.
Q valorDeCampos(int e, int f, std::uint64_t patron)
{
    const std::uint64_t fraccion = patron & ((std::uint64_t{1} << f) - 1);
    const std::uint64_t exponente = (patron >> f) & ((std::uint64_t{1} << e) - 1);
    const bool negativo = ((patron >> (e + f)) & 1) != 0;
    const long sesgo = (1L << (e - 1)) - 1;
    const Q v = exponente == 0
                    ? Q::diadico(fraccion, 1 - sesgo - f)
                    : Q::diadico(fraccion + (std::uint64_t{1} << f), static_cast<long>(exponente) - sesgo - f);
    return negativo ? v.opuesto() : v;
}

const QRegularExpression FormaExacta(QStringLiteral("^-?(0|[1-9][0-9]*)(,[0-9]*[1-9])?$"));

std::string sinPunto(std::string s)
{
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// The exact decimal of a double or long double as glibc prints it, with ','.
std::string exactoDe(long double x)
{
    // A long double has 64 significant bits: as many decimals as the power
    // of two of its last bit.
    int exponente = 0;
    std::frexp(x, &exponente);
    const int decimales = std::max(0, 64 - exponente);
    std::vector<char> b(static_cast<std::size_t>(decimales) + 5000);
    std::snprintf(b.data(), b.size(), "%.*Lf", decimales, x);
    std::string s = b.data();
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return sinPunto(s);
}

std::string negado(std::string s)
{
    s.insert(s.begin(), '-');
    return s;
}

NumeroDecimal leer(const std::string& t)
{
    std::string motivo;
    const auto d = leerDecimal(t, motivo);
    if (!d)
        qFatal("not a decimal: %s (%s)", t.c_str(), motivo.c_str());
    return *d;
}

std::uint64_t patronRedondeado(FormatoBinario f, const std::string& t, Redondeo r)
{
    return redondear(f, leer(t), r).patron;
}

// The values of a format in increasing order, each with one of its patterns
// (+0 for zero), and the rule that a brute-force rounding follows.
struct Tabla {
    FormatoBinario f;
    std::vector<std::pair<Q, std::uint64_t>> valores; // finite, increasing
    Q maximo, umbral;                                 // largest finite; max + half its ulp

    explicit Tabla(FormatoBinario formato) : f(formato)
    {
        std::map<double, std::uint64_t> vistos;
        for (std::uint64_t p = 0; p <= f.mascara(); ++p)
            if (esFinito(claseDe(f, p)) && (p != f.bitSigno()))
                vistos.emplace(valorDouble(f, p), p);
        for (const auto& [v, p] : vistos)
            valores.emplace_back(Q::deDouble(v), p);
        maximo = valores.back().first;
        umbral = maximo + (maximo - valores[valores.size() - 2].first).mitad();
    }

    std::uint64_t infinito(bool negativo) const { return armarPatron(f, negativo ? 1 : 0, f.exponenteMaximo(), 0); }

    // The rounding of a nonzero rational under a rule, by search.
    std::uint64_t redondeo(const Q& x, Redondeo r) const
    {
        const bool negativo = mpq_sgn(x.q) < 0;
        const Q magnitud = negativo ? x.opuesto() : x;
        auto conSigno = [&](std::uint64_t p) { return negativo ? p | f.bitSigno() : p; };
        // Toward zero and away from zero, in magnitude.
        auto it = std::upper_bound(valores.begin(), valores.end(), magnitud,
                                   [](const Q& v, const std::pair<Q, std::uint64_t>& e) { return v < e.first; });
        const auto& abajo = *(it - 1); // magnitud >= 0 = valores.front()... for the non-negative half
        if (abajo.first == magnitud)
            return conSigno(abajo.second);
        const bool fuera = it == valores.end();
        const std::uint64_t haciaCero = conSigno(abajo.second);
        const std::uint64_t lejos = fuera ? infinito(negativo) : conSigno(it->second);
        const bool haciaArriba = r == Redondeo::HaciaMasInfinito, haciaAbajo = r == Redondeo::HaciaMenosInfinito;
        if (r == Redondeo::HaciaCero || (haciaArriba && negativo) || (haciaAbajo && !negativo))
            return haciaCero;
        if (haciaArriba || haciaAbajo)
            return lejos;
        // Nearest: past the threshold it is the infinity.
        if (fuera)
            return umbral <= magnitud ? infinito(negativo) : haciaCero;
        const Q medio = (abajo.first + it->first).mitad();
        if (magnitud < medio)
            return haciaCero;
        if (medio < magnitud)
            return lejos;
        if (r == Redondeo::CercanoLejos)
            return lejos;
        return (abajo.second & 1) == 0 ? haciaCero : lejos;
    }
};

const Redondeo Redondeos[] = {Redondeo::CercanoPar, Redondeo::HaciaCero, Redondeo::HaciaMasInfinito,
                              Redondeo::HaciaMenosInfinito, Redondeo::CercanoLejos};

} // namespace

class TestFormatos : public QObject {
    Q_OBJECT

private slots:
    // Every pattern of binary16 and of every format of at most 12 bits: its
    // exact value, its neighbours and its ulp.
    void exhaustivo_data()
    {
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("f");
        QTest::newRow("binary16") << 5 << 10;
        for (int e = BitsExponenteMinimo; e <= BitsExponenteMaximo; ++e)
            for (int f = BitsFraccionMinimo; 1 + e + f <= 12; ++f)
                QTest::addRow("1+%d+%d", e, f) << e << f;
    }
    void exhaustivo()
    {
        QFETCH(int, e);
        QFETCH(int, f);
        const FormatoBinario formato{e, f};
        QVERIFY(formatoValido(formato));
        // The distinct values in increasing order, with -inf and +inf.
        std::vector<double> orden;
        for (std::uint64_t p = 0; p <= formato.mascara(); ++p) {
            const ClaseBinario c = claseDe(formato, p);
            const std::string v = valorExacto(formato, p);
            const bool negativo = ((p >> (e + f)) & 1) != 0;
            const std::uint64_t exponente = (p >> f) & ((std::uint64_t{1} << e) - 1);
            const std::uint64_t fraccion = p & ((std::uint64_t{1} << f) - 1);
            if (exponente == formato.exponenteMaximo()) {
                QCOMPARE(QString::fromStdString(v),
                         QString::fromLatin1(fraccion == 0 ? (negativo ? "-Infinito" : "Infinito") : "NaN"));
                QCOMPARE(c == ClaseBinario::NaNSilencioso, fraccion >> (f - 1) == 1);
                if (fraccion == 0)
                    orden.push_back(valorDouble(formato, p));
                continue;
            }
            QVERIFY2(FormaExacta.match(QString::fromStdString(v)).hasMatch(), v.c_str());
            const Q exacto = valorDeCampos(e, f, p);
            QVERIFY2(racional(v) == exacto,
                     qPrintable(QStringLiteral("%1: %2 != %3").arg(p).arg(QString::fromStdString(v), exacto.texto())));
            QVERIFY(Q::deDouble(valorDouble(formato, p)) == exacto);
            QCOMPARE(std::signbit(valorDouble(formato, p)), negativo);
            QCOMPARE(v == "-0", negativo && exponente == 0 && fraccion == 0);
            orden.push_back(valorDouble(formato, p));
        }
        std::sort(orden.begin(), orden.end());
        orden.erase(std::unique(orden.begin(), orden.end()), orden.end());

        for (std::uint64_t p = 0; p <= formato.mascara(); ++p) {
            const ClaseBinario c = claseDe(formato, p);
            if (c == ClaseBinario::NaNSilencioso || c == ClaseBinario::NaNSenalizador) {
                QVERIFY(!siguienteDe(formato, p) && !anteriorDe(formato, p) && ulpDe(formato, p).empty());
                continue;
            }
            const double x = valorDouble(formato, p);
            const auto i = static_cast<std::size_t>(std::lower_bound(orden.begin(), orden.end(), x) - orden.begin());
            const auto s = siguienteDe(formato, p), a = anteriorDe(formato, p);
            QCOMPARE(s.has_value(), i + 1 < orden.size());
            QCOMPARE(a.has_value(), i > 0);
            if (s)
                QCOMPARE(valorDouble(formato, *s), orden[i + 1]);
            if (a)
                QCOMPARE(valorDouble(formato, *a), orden[i - 1]);
            if (!esFinito(c)) {
                QVERIFY(ulpDe(formato, p).empty());
                continue;
            }
            // The ulp is the gap to the next value away from zero; for the
            // largest finite value, the gap to the one before it.
            const double m = std::fabs(x);
            const auto j = static_cast<std::size_t>(std::lower_bound(orden.begin(), orden.end(), m) - orden.begin());
            const double hueco = std::isinf(orden[j + 1]) ? orden[j] - orden[j - 1] : orden[j + 1] - orden[j];
            QVERIFY(racional(ulpDe(formato, p)) == Q::deDouble(hueco));
        }
        // The two zeros step to the same neighbours, and to a zero back.
        QVERIFY(siguienteDe(formato, formato.bitSigno() | 1) == formato.bitSigno());
        QVERIFY(anteriorDe(formato, 1) == std::uint64_t{0});
    }

    // binary32 and binary64: random and boundary patterns are the hardware
    // value, and their exact text is the one the C library prints.
    void hardware_data()
    {
        QTest::addColumn<int>("ancho");
        QTest::newRow("binary32") << 32;
        QTest::newRow("binary64") << 64;
    }
    void hardware()
    {
        QFETCH(int, ancho);
        const FormatoBinario f = ancho == 32 ? Binary32 : Binary64;
        std::vector<std::uint64_t> patrones;
        for (std::uint64_t signo : {std::uint64_t{0}, f.bitSigno()})
            for (std::uint64_t p :
                 {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{2}, (std::uint64_t{1} << f.bitsFraccion) - 1,
                  std::uint64_t{1} << f.bitsFraccion, armarPatron(f, 0, f.exponenteMaximo() - 1, ~std::uint64_t{0}),
                  armarPatron(f, 0, f.exponenteMaximo(), 0), armarPatron(f, 0, f.sesgo(), 0),
                  armarPatron(f, 0, f.sesgo(), 1), nanSilencioso(f), armarPatron(f, 0, f.exponenteMaximo(), 1)})
                patrones.push_back(p | signo);
        QRandomGenerator azar(18);
        for (int i = 0; i < 3000; ++i)
            patrones.push_back(azar.generate64() & f.mascara());
        for (std::uint64_t p : patrones) {
            const double hw =
                ancho == 32 ? double(std::bit_cast<float>(static_cast<std::uint32_t>(p))) : std::bit_cast<double>(p);
            const ClaseBinario c = claseDe(f, p);
            QCOMPARE(std::isnan(hw), c == ClaseBinario::NaNSilencioso || c == ClaseBinario::NaNSenalizador);
            if (std::isnan(hw))
                continue;
            QCOMPARE(std::bit_cast<std::uint64_t>(valorDouble(f, p)), std::bit_cast<std::uint64_t>(hw));
            QCOMPARE(c == ClaseBinario::Subnormal,
                     ancho == 32 ? std::fpclassify(float(hw)) == FP_SUBNORMAL : std::fpclassify(hw) == FP_SUBNORMAL);
            if (!std::isfinite(hw))
                continue;
            QCOMPARE(QString::fromStdString(valorExacto(f, p)), QString::fromStdString(exactoDe(hw)));
            const std::uint64_t magnitud = p & ~f.bitSigno();
            if (magnitud != armarPatron(f, 0, f.exponenteMaximo() - 1, ~std::uint64_t{0})) {
                const double m = std::fabs(hw);
                const double hueco =
                    ancho == 32 ? double(std::nextafter(float(m), HUGE_VALF)) - m : std::nextafter(m, HUGE_VAL) - m;
                QVERIFY(racional(ulpDe(f, p)) == Q::deDouble(hueco));
            }
        }
    }

    // Random decimals, short and of 30 digits, tiny and huge, and exact
    // midpoints between neighbours: the pattern is what strtof/strtod give
    // under the same hardware rounding mode.
    void contraLaBibliotecaC_data()
    {
        QTest::addColumn<int>("ancho");
        QTest::addColumn<int>("redondeo");
        QTest::addColumn<int>("modo");
        const std::pair<Redondeo, int> modos[] = {{Redondeo::CercanoPar, FE_TONEAREST},
                                                  {Redondeo::HaciaCero, FE_TOWARDZERO},
                                                  {Redondeo::HaciaMasInfinito, FE_UPWARD},
                                                  {Redondeo::HaciaMenosInfinito, FE_DOWNWARD}};
        for (int ancho : {32, 64})
            for (const auto& [r, m] : modos)
                QTest::addRow("binary%d %s", ancho, nombreRedondeo(r).c_str()) << ancho << int(r) << m;
    }
    void contraLaBibliotecaC()
    {
        QFETCH(int, ancho);
        QFETCH(int, redondeo);
        QFETCH(int, modo);
        const FormatoBinario f = ancho == 32 ? Binary32 : Binary64;
        QRandomGenerator azar(static_cast<quint32>(ancho * 10 + redondeo));
        std::vector<std::string> textos;
        const int emin = ancho == 32 ? -50 : -330, emax = ancho == 32 ? 40 : 310;
        for (int i = 0; i < 1500; ++i) {
            const int cifras = i % 2 == 0 ? 1 + azar.bounded(7) : 30;
            std::string t(1, char('1' + azar.bounded(9)));
            t += ',';
            for (int k = 1; k < cifras; ++k)
                t += char('0' + azar.bounded(10));
            t.append("E").append(std::to_string(emin + azar.bounded(emax - emin + 1)));
            textos.push_back(azar.bounded(2) ? negado(t) : t);
        }
        // Midpoints between neighbours, normal and subnormal, and past the
        // largest finite value.
        for (int i = 0; i < 300; ++i) {
            std::uint64_t p = azar.generate64() & (f.mascara() >> 1);
            if (i % 3 == 0)
                p &= (std::uint64_t{1} << f.bitsFraccion) - 1;
            if (claseDe(f, p) != ClaseBinario::Normal && claseDe(f, p) != ClaseBinario::Subnormal)
                continue;
            const long double x = valorDouble(f, p);
            const long double y = valorDouble(f, p + 1);
            textos.push_back(i % 2 ? negado(exactoDe((x + y) / 2)) : exactoDe((x + y) / 2));
        }
        const long double maximo = valorDouble(f, armarPatron(f, 0, f.exponenteMaximo() - 1, ~std::uint64_t{0}));
        const long double ulpMaximo =
            maximo - valorDouble(f, armarPatron(f, 0, f.exponenteMaximo() - 1, ~std::uint64_t{0}) - 1);
        textos.push_back(exactoDe(maximo + ulpMaximo / 2));
        textos.push_back(exactoDe(maximo + ulpMaximo / 4));
        textos.push_back(negado(exactoDe(maximo + ulpMaximo * 3 / 4)));

        for (const std::string& t : textos) {
            std::string c = t;
            std::replace(c.begin(), c.end(), ',', '.');
            std::fesetround(modo);
            const std::uint64_t esperado = ancho == 32 ? std::bit_cast<std::uint32_t>(std::strtof(c.c_str(), nullptr))
                                                       : std::bit_cast<std::uint64_t>(std::strtod(c.c_str(), nullptr));
            std::fesetround(FE_TONEAREST);
            QVERIFY2(patronRedondeado(f, t, Redondeo(redondeo)) == esperado, t.c_str());
        }
    }

    // Every rule in small formats against a search among all their values,
    // for random rationals, exact values, midpoints and numbers past the
    // largest finite one.
    void todasLasReglas_data()
    {
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("f");
        QTest::newRow("1+4+3") << 4 << 3;
        QTest::newRow("1+3+2") << 3 << 2;
        QTest::newRow("1+2+1") << 2 << 1;
        QTest::newRow("1+5+6") << 5 << 6;
        QTest::newRow("binary16") << 5 << 10;
    }
    void todasLasReglas()
    {
        QFETCH(int, e);
        QFETCH(int, f);
        const Tabla tabla({e, f});
        QRandomGenerator azar(static_cast<quint32>(e * 100 + f));
        std::vector<long double> numeros;
        const std::size_t n = tabla.valores.size();
        for (int i = 0; i < 1500; ++i) {
            const std::size_t k = azar.bounded(static_cast<quint32>(n - 1));
            const long double a = mpq_get_d(tabla.valores[k].first.q), b = mpq_get_d(tabla.valores[k + 1].first.q);
            long double x = a;
            switch (i % 4) {
            case 0:
                x = (a + b) / 2;
                break;
            case 1:
                x = a + (b - a) * static_cast<long double>(azar.generateDouble());
                break;
            case 2:
                x = b;
                break;
            default:
                x = mpq_get_d(tabla.maximo.q) * (1 + static_cast<long double>(azar.generateDouble()) / (i % 8 + 1));
            }
            numeros.push_back(i % 3 == 0 ? -x : x);
        }
        numeros.push_back(mpq_get_d(tabla.umbral.q));
        numeros.push_back(-mpq_get_d(tabla.umbral.q));
        for (long double x : numeros) {
            if (x == 0)
                continue;
            const std::string t = exactoDe(x);
            const Q q = racional(t);
            for (Redondeo r : Redondeos) {
                const std::uint64_t obtenido = patronRedondeado(tabla.f, t, r);
                const std::uint64_t esperado = tabla.redondeo(q, r);
                QVERIFY2(obtenido == esperado,
                         qPrintable(QStringLiteral("%1 %2: %3 != %4")
                                        .arg(QString::fromStdString(t), QString::fromStdString(nombreRedondeo(r)))
                                        .arg(obtenido, 0, 16)
                                        .arg(esperado, 0, 16)));
            }
        }
    }

    // Ties away from zero against ties to even, at the points where they
    // differ and where they do not.
    void empates_data()
    {
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("f");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<quint64>("lejos");
        QTest::addColumn<quint64>("par");
        QTest::newRow("32: 1 + 2^-24") << 8 << 23 << "1,000000059604644775390625" << 0x3F800001ull << 0x3F800000ull;
        QTest::newRow("32: -(1 + 2^-24)") << 8 << 23 << "-1,000000059604644775390625" << 0xBF800001ull << 0xBF800000ull;
        QTest::newRow("32: just below the tie")
            << 8 << 23 << "1,000000059604644775390624999999" << 0x3F800000ull << 0x3F800000ull;
        QTest::newRow("32: 1 + 3 × 2^-24") << 8 << 23 << "1,000000178813934326171875" << 0x3F800002ull << 0x3F800002ull;
        QTest::newRow("32: 2^-150") << 8 << 23 << QString::fromStdString(exactoDe(std::ldexp(1.0L, -150))) << 0x1ull
                                    << 0x0ull;
        QTest::newRow("32: 3 × 2^-150") << 8 << 23 << QString::fromStdString(exactoDe(3 * std::ldexp(1.0L, -150)))
                                        << 0x2ull << 0x2ull;
        QTest::newRow("32: max + ulp/2") << 8 << 23 << QString::fromStdString(exactoDe(std::ldexp(0x1FFFFFFLL, 103)))
                                         << 0x7F800000ull << 0x7F800000ull;
        QTest::newRow("64: 1 + 2^-53") << 11 << 52 << QString::fromStdString(exactoDe(1 + std::ldexp(1.0L, -53)))
                                       << 0x3FF0000000000001ull << 0x3FF0000000000000ull;
        QTest::newRow("64: 2^-1075") << 11 << 52 << QString::fromStdString(exactoDe(std::ldexp(1.0L, -1075))) << 0x1ull
                                     << 0x0ull;
        QTest::newRow("64: -2^-1075") << 11 << 52 << QString::fromStdString(negado(exactoDe(std::ldexp(1.0L, -1075))))
                                      << 0x8000000000000001ull << 0x8000000000000000ull;
        QTest::newRow("16: 2049") << 5 << 10 << "2049" << 0x6801ull << 0x6800ull;
        QTest::newRow("16: -2049") << 5 << 10 << "-2049" << 0xE801ull << 0xE800ull;
        QTest::newRow("16: 65520") << 5 << 10 << "65520" << 0x7C00ull << 0x7C00ull;
        QTest::newRow("16: 65519,99") << 5 << 10 << "65519,99" << 0x7BFFull << 0x7BFFull;
        QTest::newRow("1+4+3: 1,0625") << 4 << 3 << "1,0625" << 0x39ull << 0x38ull;
        QTest::newRow("1+4+3: 1,0625E0 with the exponent") << 4 << 3 << "10,625e-1" << 0x39ull << 0x38ull;
    }
    void empates()
    {
        QFETCH(int, e);
        QFETCH(int, f);
        QFETCH(QString, decimal);
        QFETCH(quint64, lejos);
        QFETCH(quint64, par);
        const FormatoBinario formato{e, f};
        QCOMPARE(patronRedondeado(formato, decimal.toStdString(), Redondeo::CercanoLejos), lejos);
        QCOMPARE(patronRedondeado(formato, decimal.toStdString(), Redondeo::CercanoPar), par);
    }

    // The texts a decimal is read from, and why the others are not.
    void lectura_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<QString>("motivo"); // a word of it
        QTest::newRow("comma") << "0,1" << true << "";
        QTest::newRow("exponent") << "-1,5E-7" << true << "";
        QTest::newRow("lower e and plus") << "+2e+3" << true << "";
        QTest::newRow("trailing comma") << "3," << true << "";
        QTest::newRow("leading comma") << ",5" << true << "";
        QTest::newRow("inf") << "-inf" << true << "";
        QTest::newRow("nan") << "NaN" << true << "";
        QTest::newRow("blanks") << "  7  " << true << "";
        QTest::newRow("empty") << "" << false << "Escriba";
        QTest::newRow("point") << "0.5" << false << "coma";
        QTest::newRow("two commas") << "1,2,3" << false << "coma";
        QTest::newRow("letter") << "12a" << false << "«a»";
        QTest::newRow("bare E") << "1E" << false << "exponente";
        QTest::newRow("huge exponent") << "1E1234567890" << false << "9 cifras";
        QTest::newRow("only sign") << "-" << false << "cifra";
        QTest::newRow("signed nan") << "-nan" << false << "NaN";
    }
    void lectura()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(QString, motivo);
        std::string m;
        const auto d = leerDecimal(texto.toStdString(), m);
        QCOMPARE(d.has_value(), valido);
        if (!valido)
            QVERIFY2(QString::fromStdString(m).contains(motivo), m.c_str());
    }

    // The errors of a rounding: exact while they terminate and fit, else
    // to 20 significant digits.
    void errores_data()
    {
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("f");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<int>("redondeo");
        QTest::addColumn<QString>("absoluto");
        QTest::addColumn<bool>("absolutoExacto");
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<bool>("relativoExacto");
        QTest::newRow("0,1 nearest") << 8 << 23 << "0,1" << int(Redondeo::CercanoPar) << "0,000000001490116119384765625"
                                     << true << "0,00000001490116119384765625" << true;
        QTest::newRow("0,1 truncated") << 8 << 23 << "0,1" << int(Redondeo::HaciaCero) << "0,0000000059604644775390625"
                                       << true << "0,000000059604644775390625" << true;
        QTest::newRow("0,3 relative repeats")
            << 8 << 23 << "0,3" << int(Redondeo::CercanoPar) << "0,000000011920928955078125" << true
            << "0,000000039736429850260416667" << false;
        QTest::newRow("64: 0,1") << 11 << 52 << "0,1" << int(Redondeo::CercanoPar)
                                 << "0,0000000000000000055511151231257827021181583404541015625" << true
                                 << "0,000000000000000055511151231257827021181583404541015625" << true;
        QTest::newRow("exact") << 8 << 23 << "-2,5" << int(Redondeo::HaciaMasInfinito) << "0" << true << "0" << true;
        QTest::newRow("underflow to zero")
            << 11 << 52 << "1E-400" << int(Redondeo::CercanoPar) << "1E-400" << true << "1" << true;
        QTest::newRow("far underflow up")
            << 11 << 52 << "1E-900000" << int(Redondeo::HaciaMasInfinito) << "4,9406564584124654418E-324" << false
            << "4,9406564584124654418E899676" << false;
        QTest::newRow("far overflow truncated")
            << 5 << 10 << "-1E999999999" << int(Redondeo::HaciaCero) << "1E999999999" << false << "1" << false;
        QTest::newRow("overflow") << 5 << 10 << "1E5" << int(Redondeo::CercanoPar) << "Infinito" << true << "Infinito"
                                  << true;
        QTest::newRow("overflow truncated")
            << 5 << 10 << "1E5" << int(Redondeo::HaciaCero) << "34496" << true << "0,34496" << true;
    }
    void errores()
    {
        QFETCH(int, e);
        QFETCH(int, f);
        QFETCH(QString, decimal);
        QFETCH(int, redondeo);
        QFETCH(QString, absoluto);
        QFETCH(bool, absolutoExacto);
        QFETCH(QString, relativo);
        QFETCH(bool, relativoExacto);
        const Redondeado r = redondear({e, f}, leer(decimal.toStdString()), Redondeo(redondeo));
        QCOMPARE(QString::fromStdString(r.absoluto.texto), absoluto);
        QCOMPARE(r.absoluto.exacto, absolutoExacto);
        QCOMPARE(QString::fromStdString(r.relativo.texto), relativo);
        QCOMPARE(r.relativo.exacto, relativoExacto);
    }
};

QTEST_APPLESS_MAIN(TestFormatos)
#include "tst_formatos.moc"
