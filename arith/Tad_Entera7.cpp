#include "arith/Tad_Entera7.h"

namespace cifral {

namespace {

// Character i (from 0) of a working text; a text that could not be written
// (no system chosen) has none.
char caracter(const std::string& s, std::size_t i)
{
    return i < s.size() ? s[i] : '\0';
}

// One step of the equalisation. A is the number with the larger exponent,
// B the other one. B is halved once while its mantissa is even; an odd one
// cannot be halved without losing its last bit, so A is doubled instead
// until both exponents meet.
bool verificar_igualdadE(const TFormatoSuma& f, Alineacion& a, std::string& mt1, std::string& mt2, Mensajes& mensajes)
{
    const bool primeroMayor = a.E1 > a.E2;
    Unidades& mA = primeroMayor ? a.M1 : a.M2;
    std::int32_t& eA = primeroMayor ? a.E1 : a.E2;
    std::string& mtA = primeroMayor ? mt1 : mt2;
    Unidades& mB = primeroMayor ? a.M2 : a.M1;
    std::int32_t& eB = primeroMayor ? a.E2 : a.E1;
    std::string& mtB = primeroMayor ? mt2 : mt1;
    const int sm = f.sistemaMantisa;
    const int nm = f.longitudMantisa;
    // Without a system the equalisation goes as for BSS.
    const bool comoBSS = sm == BSS || !esSistema(sm);

    // Both mantissas large: in BSS both have the first bit set; in the
    // signed systems both have the bit after the sign set.
    const std::size_t alto = comoBSS ? 0 : 1;
    const int numeroA = primeroMayor ? 1 : 2;
    const int numeroB = primeroMayor ? 2 : 1;
    if (caracter(mtA, alto) == '1' && caracter(mtB, alto) == '1') {
        if (comoBSS)
            mensajes.push_back("La suma excede el rango");
        // One move per number, the first number first.
        a.anotar({MovimientoSuma::Tipo::BitsAltos, 1, a.M1, a.E1, mt1, mensajes.size()});
        a.anotar({MovimientoSuma::Tipo::BitsAltos, 2, a.M2, a.E2, mt2, mensajes.size()});
        return false;
    }
    if (mB.numerador % 2 == 0) {
        ++eB;
        mB = mB.mitad();
        mtB = convBinario(sm, nm, corte(mB), mensajes).value_or("");
        a.anotar({MovimientoSuma::Tipo::Mitad, numeroB, mB, eB, mtB, mensajes.size()});
        return true;
    }
    a.anotar({MovimientoSuma::Tipo::MitadRechazada, numeroB, mB, eB, mtB, mensajes.size()});
    while (eA != eB) {
        const Unidades doble = mA.doble();
        if (!transformarMYE(mantisaEntera(), sm, nm, doble)) {
            mensajes.push_back(comoBSS ? "No se pudieron igualar los exponentes"
                                       : "No se pueden igualar los exponentes");
            a.anotar({MovimientoSuma::Tipo::DobleRechazado, numeroA, doble, eA, {}, mensajes.size()});
            return false;
        }
        mA = doble;
        --eA;
        if (a.registro != nullptr) {
            // The working shows each doubled mantissa written; the routine
            // writes only the last one.
            Mensajes ninguno;
            a.anotar({MovimientoSuma::Tipo::Doble, numeroA, mA, eA,
                      convBinario(sm, nm, corte(mA), ninguno).value_or(""), mensajes.size()});
        }
    }
    mtA = convBinario(sm, nm, corte(mA), mensajes).value_or("");
    return true;
}

class MantisaEntera : public TipoMantisa {
public:
    int escala(int, int) const override { return 0; }

    Rango rangoMantisa(TNumberSystem sistema, int n) const override { return rango(sistema, n); }

    std::optional<std::string> codificarResultado(int sistema, int n, const Corte& x, Mensajes& mensajes) const override
    {
        return convBinario(sistema, n, x, mensajes);
    }

    // Every step either raises B's exponent by one towards A's, or lowers
    // A's exponent by one per doubling until they meet or a doubling fails:
    // the distance between the exponents (below 2^16) falls at every pass,
    // so the loop ends.
    bool igualar(TOperacion, const TOperandos& o, const TFormatoSuma& f, Alineacion& a,
                 Mensajes& mensajes) const override
    {
        std::string mt1 = o.m1;
        std::string mt2 = o.m2;
        while (a.E1 != a.E2)
            if (!verificar_igualdadE(f, a, mt1, mt2, mensajes))
                return false;
        return true;
    }
};

} // namespace

const TipoMantisa& mantisaEntera()
{
    static const MantisaEntera tipo;
    return tipo;
}

TResultadoOperacion flotantes_conEntera(TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                                        const TOperationDetail& previo)
{
    return operarFlotantes(mantisaEntera(), op, o, f, previo);
}

} // namespace cifral
