#include "arith/sistnum7.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace cifral {

std::string nombreOperacion(TOperacion op)
{
    return op == Suma ? "Suma" : "Resta";
}

int longitudDeItemSuma(int item)
{
    switch (item) {
    case 0:
        return 8;
    case 1:
        return 16;
    default:
        return SinEleccion;
    }
}

bool SonBinarios(const std::string& s1, const std::string& s2, int n)
{
    auto binario = [n](const std::string& s) { return static_cast<int>(s.size()) >= n && esBinario(s, n); };
    return n >= 1 && binario(s1) && binario(s2);
}

bool operandosBinarios(const TOperandos& o, const TFormatoSuma& f)
{
    return SonBinarios(o.m1, o.m2, f.longitudMantisa) && SonBinarios(o.e1, o.e2, f.longitudExponente);
}

std::string mensajeRangoMantisa(int sistema)
{
    return "El resultado no cumple el rango de mantisa en " + nombreSistema(sistema);
}

// ------------------------------------------------------------ exact values

Unidades Unidades::mitad() const
{
    if (desplazamiento == 0 && numerador % 2 == 0)
        return {numerador / 2, 0};
    return {numerador, desplazamiento + 1};
}

Unidades Unidades::doble() const
{
    if (desplazamiento > 0)
        return {numerador, desplazamiento - 1};
    return {numerador * 2, 0};
}

Corte corte(const Unidades& x)
{
    if (x.desplazamiento == 0)
        return {x.numerador, false};
    // Past 61 halvings a numerator of a few bits is less than one unit.
    if (x.desplazamiento > 61)
        return {x.numerador < 0 ? -1 : 0, x.numerador != 0};
    const std::int64_t piso = x.numerador >> x.desplazamiento; // floor, also below zero
    return {piso, x.numerador != piso * (std::int64_t{1} << x.desplazamiento)};
}

Corte corteDeOperacion(TOperacion op, const Unidades& primero, const Unidades& segundo)
{
    Unidades a = primero;
    Unidades b = segundo;
    if (op == Resta)
        b.numerador = -b.numerador;
    if (a.desplazamiento > b.desplazamiento)
        std::swap(a, b);
    const int j = b.desplazamiento - a.desplazamiento;
    if (j <= 32)
        return corte({a.numerador * (std::int64_t{1} << j) + b.numerador, b.desplazamiento});
    // b is less than half a step of a's grid: only its sign can move the sum
    // off a's value, and it cannot carry it past the next step. Half a step
    // with that sign stands between the same two steps.
    const std::int64_t signo = b.numerador > 0 ? 1 : b.numerador < 0 ? -1 : 0;
    return corte({2 * a.numerador + signo, a.desplazamiento + 1});
}

std::int64_t haciaCero(const Corte& x)
{
    return x.piso < 0 && x.resto ? x.piso + 1 : x.piso;
}

double valorDe(const Unidades& x, int escala)
{
    return std::ldexp(static_cast<double>(x.numerador), -(x.desplazamiento + escala));
}

bool dentroDe(const Corte& x, const Rango& r, int escala)
{
    // The bounds are whole units: exact in a double and in 64 bits.
    const auto desde = static_cast<std::int64_t>(std::ldexp(r.desde, escala));
    const auto hasta = static_cast<std::int64_t>(std::ldexp(r.hasta, escala));
    return x.piso >= desde && (x.piso < hasta || (x.piso == hasta && !x.resto));
}

Unidades unidadesDe(const std::string& s, int n, int sistema)
{
    return {static_cast<std::int64_t>(obtenerExp(s, n, sistema)), 0};
}

// ------------------------------------------------- exponents and integers

std::int32_t convertir_sistema(const std::string& s, int sistema, int n)
{
    return static_cast<std::int32_t>(unidadesDe(s, n, sistema).numerador);
}

double obtenerExp(const std::string& s, int n, int sistema)
{
    if (!esSistema(sistema))
        return 0.0;
    return valorSistema(static_cast<TNumberSystem>(sistema), s, n);
}

std::optional<std::string> convBinario(int sistema, int n, const Corte& x, Mensajes& mensajes)
{
    if (!esSistema(sistema))
        return std::nullopt;
    const auto s = static_cast<TNumberSystem>(sistema);
    if (!dentroDe(x, rango(s, n), 0)) {
        mensajes.push_back(mensajeRangoMantisa(sistema));
        return std::nullopt;
    }
    const std::int64_t v = haciaCero(x);
    return convertir_A_Sistema(s, n, static_cast<std::int32_t>(v), v <= 0);
}

// ------------------------------------------------------------------ plan

bool transformarMYE(const TipoMantisa& tipo, int sistema, int n, const Unidades& x)
{
    if (!esSistema(sistema))
        return false;
    const auto s = static_cast<TNumberSystem>(sistema);
    return dentroDe(corte(x), tipo.rangoMantisa(s, n), tipo.escala(sistema, n));
}

namespace {

double operarValores(TOperacion op, double a, double b)
{
    return op == Suma ? a + b : a - b;
}

// Equal exponent texts: the mantissas are added as they are. With no
// mantissa system nothing at all happens.
std::optional<std::string> mantisaConIgualExponente(const TipoMantisa& tipo, TOperacion op, const TOperandos& o,
                                                    const TFormatoSuma& f, TOperationDetail& d, Mensajes& mensajes)
{
    const int sm = f.sistemaMantisa;
    const int nm = f.longitudMantisa;
    if (!esSistema(sm))
        return std::nullopt;
    const Unidades m1 = unidadesDe(o.m1, nm, sm);
    const Unidades m2 = unidadesDe(o.m2, nm, sm);
    const int escala = tipo.escala(sm, nm);
    d.valorMantisa1 = valorDe(m1, escala);
    d.valorMantisa2 = valorDe(m2, escala);
    d.valorMantisaResultado = operarValores(op, d.valorMantisa1, d.valorMantisa2);
    const Corte r = corteDeOperacion(op, m1, m2);
    if (!dentroDe(r, tipo.rangoMantisa(static_cast<TNumberSystem>(sm), nm), escala)) {
        mensajes.push_back(mensajeRangoMantisa(sm));
        return std::nullopt;
    }
    return tipo.codificarResultado(sm, nm, r, mensajes);
}

} // namespace

bool mismoTextoDeExponente(const TOperandos& o)
{
    return o.e1 == o.e2;
}

TResultadoOperacion operarFlotantes(const TipoMantisa& tipo, TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                                    const TOperationDetail& previo, TrazaSuma* traza)
{
    TrazaSuma sinTraza;
    TrazaSuma& t = traza != nullptr ? *traza : sinTraza;
    t = TrazaSuma{};
    TResultadoOperacion r;
    r.detalle = previo;
    TOperationDetail& d = r.detalle;
    const int sm = f.sistemaMantisa;
    const int nm = f.longitudMantisa;
    const int se = f.sistemaExponente;
    const int ne = f.longitudExponente;
    // What is not a bit string of the layout is never read.
    if (!operandosBinarios(o, f))
        return r;

    t.mismoTexto = mismoTextoDeExponente(o);
    t.inicial.M1 = unidadesDe(o.m1, nm, sm);
    t.inicial.M2 = unidadesDe(o.m2, nm, sm);
    t.inicial.E1 = convertir_sistema(o.e1, se, ne);
    t.inicial.E2 = convertir_sistema(o.e2, se, ne);
    t.alineada = t.inicial;
    if (t.mismoTexto) {
        d.valorExponente1 = obtenerExp(o.e1, ne, se);
        d.valorExponente2 = d.valorExponente1;
        d.valorExponenteResultado = d.valorExponente1;
        t.etapa = esSistema(sm) ? TrazaSuma::Etapa::Resultado : TrazaSuma::Etapa::SinSistema;
        if (esSistema(sm))
            t.resultado = corteDeOperacion(op, t.inicial.M1, t.inicial.M2);
        r.mantisa = mantisaConIgualExponente(tipo, op, o, f, d, r.mensajes).value_or("");
        t.mensajesAntesDelExponente = r.mensajes.size();
        // The exponent of both is the result's: its bits of the layout,
        // without what may follow them in the text.
        r.exponente = o.e1.substr(0, static_cast<std::size_t>(ne));
        return r;
    }

    Alineacion a = t.inicial;
    // Only a working wants the moves.
    a.registro = traza != nullptr ? &t.movimientos : nullptr;
    const int escala = esSistema(sm) ? tipo.escala(sm, nm) : 0;
    d.valorMantisa1 = valorDe(a.M1, escala);
    d.valorMantisa2 = valorDe(a.M2, escala);
    d.valorExponente1 = a.E1;
    d.valorExponente2 = a.E2;
    t.etapa = TrazaSuma::Etapa::Igualacion;
    if (a.E1 != a.E2 && !tipo.igualar(op, o, f, a, r.mensajes))
        return r;
    a.registro = nullptr;
    t.alineada = a;
    if (!transformarMYE(tipo, sm, nm, a.M1)) {
        t.etapa = TrazaSuma::Etapa::PrimeraFuera;
        r.mensajes.push_back("La primera mantisa no está en el rango");
        return r;
    }
    if (!transformarMYE(tipo, sm, nm, a.M2)) {
        t.etapa = TrazaSuma::Etapa::SegundaFuera;
        r.mensajes.push_back("La segunda mantisa no está en el rango");
        return r;
    }
    t.etapa = TrazaSuma::Etapa::Resultado;
    t.resultado = corteDeOperacion(op, a.M1, a.M2);
    t.mensajesAntesDelResultado = r.mensajes.size();
    r.mantisa = tipo.codificarResultado(sm, nm, t.resultado, r.mensajes).value_or("");
    d.valorMantisaResultado = operarValores(op, valorDe(a.M1, escala), valorDe(a.M2, escala));
    t.mensajesAntesDelExponente = r.mensajes.size();
    r.exponente = convBinario(se, ne, Corte{a.E1, false}, r.mensajes).value_or("");
    d.valorExponenteResultado = a.E1;
    return r;
}

} // namespace cifral
