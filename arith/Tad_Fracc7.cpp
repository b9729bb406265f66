#include "arith/Tad_Fracc7.h"

#include <cmath>

namespace cifral {

double valorFraccionario(const std::string& s, int n, int sistema)
{
    if (!esSistema(sistema))
        return 0.0;
    int longitud = n;
    return mantFracc(s, longitud, static_cast<TNumberSystem>(sistema), false);
}

Rango rangoFraccionario(TNumberSystem sistema, int n)
{
    const Rango r = rango(sistema, n);
    const int escala = escalaDeFraccion(sistema, n);
    return {std::ldexp(r.desde, -escala), std::ldexp(r.hasta, -escala)};
}

std::string mensajeFraccion(int sistema)
{
    switch (sistema) {
    case BSS:
        return "No es representable en Bss";
    case BCS:
        return "No se puede representar en el sistema configurado";
    case CA1:
        return "No se puede representar en CA1";
    case CA2:
        return "No se puede representar en CA2";
    case Exceso:
        return "No se puede representar en Exceso";
    default:
        return {};
    }
}

std::optional<std::string> fraccionASistema(int sistema, int n, const Corte& x, Mensajes& mensajes)
{
    if (!esSistema(sistema))
        return std::nullopt;
    const auto s = static_cast<TNumberSystem>(sistema);
    if (!dentroDe(x, rangoFraccionario(s, n), escalaDeFraccion(s, n))) {
        mensajes.push_back(mensajeFraccion(sistema));
        return std::nullopt;
    }
    return convertir_A_Sistema(s, n, static_cast<std::int32_t>(haciaCero(x)), x.negativo());
}

std::optional<std::string> convBinario_F(int sistema, int n, const Corte& x, Mensajes& mensajes)
{
    if (!esSistema(sistema))
        return std::nullopt;
    const auto s = static_cast<TNumberSystem>(sistema);
    if (!dentroDe(x, rango(s, n), escalaDeFraccion(s, n))) {
        mensajes.push_back(mensajeRangoMantisa(sistema));
        return std::nullopt;
    }
    return fraccionASistema(sistema, n, x, mensajes);
}

namespace {

// A halved or doubled mantissa as the shift test writes it: no text when it
// is 1 or more, or outside the fractional range (after the encoder's
// message), or with no system.
std::optional<std::string> candidato(int sistema, int n, const Unidades& x, Mensajes& mensajes)
{
    if (!esSistema(sistema))
        return std::nullopt;
    const Corte c = corte(x);
    if (c.piso >= (std::int64_t{1} << escalaDeFraccion(static_cast<TNumberSystem>(sistema), n))) // x >= 1
        return std::nullopt;
    return fraccionASistema(sistema, n, c, mensajes);
}

bool terminaEnCero(const std::optional<std::string>& t, int n)
{
    return t && (*t)[static_cast<std::size_t>(n) - 1] == '0';
}

} // namespace

bool terminaEnCero(int sistema, int n, const Unidades& x, Mensajes& mensajes)
{
    return terminaEnCero(candidato(sistema, n, x, mensajes), n);
}

namespace {

// The n-th character of a typed text is '1'.
bool terminaEnUno(const std::string& s, int n)
{
    return static_cast<int>(s.size()) >= n && s[static_cast<std::size_t>(n) - 1] == '1';
}

// Only a sum: two mantissas that both end in '1' are not equalised.
bool ver_UltBit(TOperacion op, const std::string& mS, const std::string& mL, int nm)
{
    return !(op == Suma && terminaEnUno(mS, nm) && terminaEnUno(mL, nm));
}

// The two attempts, on working copies; the numbers change only when one
// of them reaches the common exponent.
//
// The first attempt raises the smaller exponent kS by one per accepted
// halving, never past kL; the first refusal starts the second attempt once,
// which lowers kL by one per accepted doubling, never past kS, and ends at
// the first refusal. Each attempt takes at most kL - kS (below 2^16) steps.
bool obtener_igualdadesF(int sm, int nm, const Alineacion& a, int numeroS, Unidades& mS, std::int32_t& eS, Unidades& mL,
                         std::int32_t& eL, Mensajes& mensajes)
{
    using Tipo = MovimientoSuma::Tipo;
    const int numeroL = 3 - numeroS;
    Unidades wS = mS;
    Unidades wL = mL;
    std::int32_t kS = eS;
    std::int32_t kL = eL;
    bool primera = true;
    while (kS != kL) {
        if (primera) {
            const Unidades mitad = wS.mitad();
            const std::optional<std::string> t = candidato(sm, nm, mitad, mensajes);
            if (terminaEnCero(t, nm)) {
                wS = mitad;
                ++kS;
                a.anotar({Tipo::Mitad, numeroS, wS, kS, *t, mensajes.size()});
            } else {
                a.anotar({Tipo::MitadRechazada, numeroS, mitad, kS, t.value_or(""), mensajes.size()});
                wS = mS;
                kS = eS;
                primera = false;
                a.anotar({Tipo::Deshacer, numeroS, wS, kS, {}, mensajes.size()});
            }
        } else {
            const Unidades doble = wL.doble();
            const std::optional<std::string> t = candidato(sm, nm, doble, mensajes);
            if (!terminaEnCero(t, nm)) {
                a.anotar({Tipo::DobleRechazado, numeroL, doble, kL, t.value_or(""), mensajes.size()});
                return false;
            }
            wL = doble;
            --kL;
            a.anotar({Tipo::Doble, numeroL, wL, kL, *t, mensajes.size()});
        }
    }
    mS = wS;
    mL = wL;
    eS = kS;
    eL = kL;
    return true;
}

class MantisaFraccionaria : public TipoMantisa {
public:
    int escala(int sistema, int n) const override { return escalaDeFraccion(static_cast<TNumberSystem>(sistema), n); }

    Rango rangoMantisa(TNumberSystem sistema, int n) const override { return rangoFraccionario(sistema, n); }

    // Within the fractional range (which the plan checks first with equal
    // exponent texts) convBinario_F writes what fraccionASistema writes.
    std::optional<std::string> codificarResultado(int sistema, int n, const Corte& x, Mensajes& mensajes) const override
    {
        return convBinario_F(sistema, n, x, mensajes);
    }

    // S is the number with the smaller exponent, L the other one.
    bool igualar(TOperacion op, const TOperandos& o, const TFormatoSuma& f, Alineacion& a,
                 Mensajes& mensajes) const override
    {
        const bool primeroMenor = a.E1 < a.E2;
        const int sm = f.sistemaMantisa;
        const int nm = f.longitudMantisa;
        const bool ultimos = ver_UltBit(op, primeroMenor ? o.m1 : o.m2, primeroMenor ? o.m2 : o.m1, nm);
        if (!ultimos) {
            a.anotar({MovimientoSuma::Tipo::UltimosBits, 1, a.M1, a.E1, o.m1, mensajes.size()});
            a.anotar({MovimientoSuma::Tipo::UltimosBits, 2, a.M2, a.E2, o.m2, mensajes.size()});
        }
        const bool igualados =
            ultimos && (primeroMenor ? obtener_igualdadesF(sm, nm, a, 1, a.M1, a.E1, a.M2, a.E2, mensajes)
                                     : obtener_igualdadesF(sm, nm, a, 2, a.M2, a.E2, a.M1, a.E1, mensajes));
        if (!igualados)
            mensajes.push_back("No se pudo igualar los exponentes");
        return igualados;
    }
};

} // namespace

const TipoMantisa& mantisaFraccionaria()
{
    static const MantisaFraccionaria tipo;
    return tipo;
}

TResultadoOperacion flotantes_conFraccionaria(TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                                              const TOperationDetail& previo)
{
    return operarFlotantes(mantisaFraccionaria(), op, o, f, previo);
}

} // namespace cifral
