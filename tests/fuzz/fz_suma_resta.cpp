// Addition and subtraction of two floating-point numbers typed as bit
// strings, with integer and with fractional mantissas, in every layout of
// the window (mantissa and exponent of 8 or 16 bits, any systems, now and
// then a system not chosen). A result is the exact sum or difference of the
// two numbers cut toward zero at its last bit, or the operation says why
// there is none: never a wrong result reported as one.
//
// Input, from the end: the kind, the operation, the layout, then the bits
// of the two numbers.
#include "Oraculo.h"

#include "arith/Tad_Entera7.h"
#include "arith/Tad_Fracc7.h"

using namespace oraculo;

namespace {

// The value of a mantissa of the kind: the integer, or the integer over D
// (2^n for BSS and Exceso, 2^(n-1) for the others).
mpq_class mantisa(bool entera, int sistema, const std::string& bits, int n)
{
    const mpq_class v(mpz_class(static_cast<long>(valorEntero(sistema, bits, n))));
    if (entera)
        return v;
    return v * potencia2(-((sistema == BSS || sistema == Exceso) ? n : n - 1));
}

// The unit of the last bit of a mantissa of the kind.
mpq_class ultimoBit(bool entera, int sistema, int n)
{
    return entera ? mpq_class(1) : potencia2(-((sistema == BSS || sistema == Exceso) ? n : n - 1));
}

// q cut toward zero to a whole number of units.
mpq_class haciaCero(const mpq_class& q, const mpq_class& unidad)
{
    const mpq_class t = q / unidad;
    mpz_class z;
    mpz_tdiv_q(z.get_mpz_t(), t.get_num_mpz_t(), t.get_den_mpz_t());
    return mpq_class(z) * unidad;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    FuzzedDataProvider p(datos, tamano);
    const bool entera = p.ConsumeBool();
    const auto op = p.ConsumeBool() ? cifral::Resta : cifral::Suma;
    cifral::TFormatoSuma f;
    f.longitudMantisa = p.ConsumeBool() ? 16 : 8;
    f.longitudExponente = p.ConsumeBool() ? 16 : 8;
    // A system not chosen (-1) now and then: the window lets the
    // operation run without one.
    f.sistemaMantisa = p.ConsumeIntegralInRange(-1, 15);
    f.sistemaExponente = p.ConsumeIntegralInRange(-1, 15);
    if (f.sistemaMantisa > 4)
        f.sistemaMantisa %= 5;
    if (f.sistemaExponente > 4)
        f.sistemaExponente %= 5;
    const int nm = f.longitudMantisa, ne = f.longitudExponente;
    cifral::TOperandos o;
    o.m1 = bitsAlAzar(p, nm);
    o.e1 = bitsAlAzar(p, ne);
    o.m2 = bitsAlAzar(p, nm);
    // The same exponent text now and then: the path of equal exponents.
    o.e2 = p.ConsumeIntegralInRange(0, 3) == 0 ? o.e1 : bitsAlAzar(p, ne);
    const int sm = f.sistemaMantisa, se = f.sistemaExponente;
    const std::string donde = std::string(entera ? "Entera " : "Fraccionaria ") +
                              (op == cifral::Suma ? "Suma " : "Resta ") + "mantisa " + cifral::nombreSistema(sm) +
                              std::to_string(nm) + " exponente " + cifral::nombreSistema(se) + std::to_string(ne) +
                              ": " + o.m1 + " " + o.e1 + (op == cifral::Suma ? " + " : " - ") + o.m2 + " " + o.e2;

    cifral::TrazaSuma traza; // the steps, as the working shows them
    const cifral::TResultadoOperacion r =
        cifral::operarFlotantes(entera ? cifral::mantisaEntera() : cifral::mantisaFraccionaria(), op, o, f, {}, &traza);
    const std::string resultado = donde + " = '" + r.mantisa + "' '" + r.exponente + "'";
    if (sm < 0) {
        // No mantissa system: no result.
        EXIGIR(r.mantisa.empty(), resultado + ": resultado sin sistema de mantisa");
        return 0;
    }
    const mpq_class m1 = mantisa(entera, sm, o.m1, nm), m2 = mantisa(entera, sm, o.m2, nm);
    if (o.e1 == o.e2) {
        // Equal exponent texts: the mantissas are added as they are, and
        // the result is refused exactly when their sum leaves the range of
        // the mantissas of the kind.
        const mpq_class suma = op == cifral::Suma ? mpq_class(m1 + m2) : mpq_class(m1 - m2);
        const mpq_class d = entera ? mpq_class(1) : ultimoBit(entera, sm, nm);
        const bool fuera = suma < desde(sm, nm) * d || suma > hasta(sm, nm) * d;
        EXIGIR(r.mantisa.empty() == fuera && r.exponente == o.e1, resultado + ": exponentes iguales");
    }
    if (r.mantisa.empty()) {
        // No result: a message says why, except where the integer kind
        // stops without one (both working mantissas with '1' as second bit,
        // in a signed system: the course's check gives no message).
        const bool callada = entera && sm != BSS && o.e1 != o.e2;
        EXIGIR(!r.mensajes.empty() || callada || se < 0, resultado + ": falla sin mensaje");
        return 0;
    }
    if (se < 0)
        return 0;
    EXIGIR(binarioDe(r.mantisa, static_cast<std::size_t>(nm)) && binarioDe(r.exponente, static_cast<std::size_t>(ne)),
           resultado + ": los bits del resultado");
    EXIGIR(traza.etapa == cifral::TrazaSuma::Etapa::Resultado && traza.alineada.E1 == traza.alineada.E2,
           resultado + ": el paso a paso no llega al resultado");
    const std::int64_t e1 = valorEntero(se, o.e1, ne), e2 = valorEntero(se, o.e2, ne);
    const mpq_class a = m1 * potencia2(e1), b = m2 * potencia2(e2);
    const mpq_class exacto = op == cifral::Suma ? mpq_class(a + b) : mpq_class(a - b);
    const std::int64_t er = valorEntero(se, r.exponente, ne);
    // The common exponent lies between those of the two numbers.
    EXIGIR(std::min(e1, e2) <= er && er <= std::max(e1, e2), resultado + ": exponente común");
    const mpq_class valor = mantisa(entera, sm, r.mantisa, nm) * potencia2(er);
    const mpq_class esperado = haciaCero(exacto, ultimoBit(entera, sm, nm) * potencia2(er));
    EXIGIR(valor == esperado,
           resultado + " vale " + texto(valor) + "; el exacto " + texto(exacto) + " cortado es " + texto(esperado));
    return 0;
}
