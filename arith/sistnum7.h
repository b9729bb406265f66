// Addition and subtraction of two floating-point numbers M1 * 2^E1 and
// M2 * 2^E2 typed as bit strings in one layout: what both kinds of mantissa
// share. The plan of an operation is the same for integer and fractional
// mantissas (equal exponent texts add the mantissas as they are; different
// texts first bring both numbers to one exponent); what differs is put
// behind TipoMantisa and lives in Tad_Entera7 and Tad_Fracc7.
//
// Sum and difference follow the same steps: the operation is a parameter
// everywhere, and the difference is always first minus second.
//
// A value is kept exactly while the exponents are equalised. It is counted
// in units of its mantissa's last bit (1 for an integer mantissa, 1/D for a
// fraction), and a halving that moves bits past the last one only counts
// one more halving: no number of halvings loses anything, and a result is
// cut to its last bit from the exact sum.
#pragma once

#include "fixed/sistnumA.h"
#include "floating/sistnum3.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cifral {

// The order is that of the buttons "Sumar" and "Restar".
enum TOperacion { Suma, Resta };

// "Suma" or "Resta", as the report prints the last operation.
std::string nombreOperacion(TOperacion op);

// What the report prints about the last operation. Every field starts at 0
// (and the empty text); a field that an operation does not reach keeps the
// value of the operation before.
struct TOperationDetail {
    double valorMantisa1 = 0.0;
    double valorExponente1 = 0.0;
    double valorMantisa2 = 0.0;
    double valorExponente2 = 0.0;
    double valorMantisaResultado = 0.0;
    double valorExponenteResultado = 0.0;
    std::string operacion;
};

// The layout as the window's controls give it at the moment of use: a
// system is an item index or SinEleccion; a length is a number of bits, or
// SinEleccion while its list has no item.
struct TFormatoSuma {
    int sistemaMantisa = SinEleccion;
    int longitudMantisa = SinEleccion;
    int sistemaExponente = SinEleccion;
    int longitudExponente = SinEleccion;
};

// Item 0 of a length list is 8 bits and item 1 is 16; any other item (none
// chosen) gives SinEleccion, which no text length equals.
int longitudDeItemSuma(int item);

// Both texts hold at least n characters and their first n are '0' or '1'.
// Without a length (n < 1) no text passes.
bool SonBinarios(const std::string& s1, const std::string& s2, int n);

// The two numbers as typed: mantissa and exponent of each. Only the first
// nm (or ne) characters are read; the window checks them with SonBinarios.
struct TOperandos {
    std::string m1, e1, m2, e2;
};

// Both mantissas, and both exponents, are bit strings of the layout.
bool operandosBinarios(const TOperandos& o, const TFormatoSuma& f);

using Mensajes = std::vector<std::string>;

// What an operation yields: the result mantissa and exponent texts (each
// empty unless the operation produced it), its messages in the order they
// are shown, and the detail of the previous operation updated with the
// fields this one reached.
struct TResultadoOperacion {
    std::string mantisa;
    std::string exponente;
    Mensajes mensajes;
    TOperationDetail detalle;
};

// "El resultado no cumple el rango de mantisa en " and the system's name.
std::string mensajeRangoMantisa(int sistema);

// ------------------------------------------------------------ exact values

// A value in units of a last bit: numerador / 2^desplazamiento units.
// Numerators stay within a few bits more than a mantissa of 16 bits.
struct Unidades {
    std::int64_t numerador = 0;
    int desplazamiento = 0; // halvings past the last bit, >= 0

    // Half of it: an even whole number halves its numerator, anything else
    // counts one more halving.
    Unidades mitad() const;
    // Twice it: undoes a halving past the last bit, or doubles the numerator.
    Unidades doble() const;
};

// A value cut at its last bit: the whole units at or below it (its floor)
// and whether anything lay below the last bit.
struct Corte {
    std::int64_t piso = 0;
    bool resto = false;

    bool negativo() const { return piso < 0; }
};

Corte corte(const Unidades& x);
// The exact first plus (or minus) second, cut at the last bit.
Corte corteDeOperacion(TOperacion op, const Unidades& a, const Unidades& b);
// The whole units of the value with its magnitude cut toward zero.
std::int64_t haciaCero(const Corte& x);
// The value of x units of 2^-escala, rounded once to a double.
double valorDe(const Unidades& x, int escala);
// desde <= x <= hasta for a range of values whose bounds are whole units of
// 2^-escala (as every mantissa and exponent range is).
bool dentroDe(const Corte& x, const Rango& r, int escala);

// The integer value of the first n bits of s in a system, as whole units;
// 0 with no system chosen.
Unidades unidadesDe(const std::string& s, int n, int sistema);

// ------------------------------------------------- exponents and integers

// The value of the first n bits of s in a system, truncated toward zero;
// 0 with no system chosen.
std::int32_t convertir_sistema(const std::string& s, int sistema, int n);
// The same value as a double.
double obtenerExp(const std::string& s, int n, int sistema);

// The bit string of a whole number x: outside rango(sistema, n) the message
// "El resultado no cumple el rango de mantisa en ..." and no text; with no
// system chosen no text and no message. A zero is written with the negative
// flag, so CA1 writes it as n ones.
std::optional<std::string> convBinario(int sistema, int n, const Corte& x, Mensajes& mensajes);

// ------------------------------------------------------------------ plan

// One move of an exponent equalisation, kept for the working of the
// operation: what was done to which number, and what it gave.
struct MovimientoSuma {
    enum class Tipo {
        Mitad,          // the mantissa was halved and its exponent raised by one
        MitadRechazada, // the mantissa was not halved (the candidate is kept here)
        Deshacer,       // the halvings so far were undone: the number as typed
        Doble,          // the mantissa was doubled and its exponent lowered by one
        DobleRechazado, // the mantissa could not be doubled (the candidate is kept here)
        BitsAltos,      // both working mantissas have the tested high bit set
        UltimosBits,    // a sum of two mantissas that both end in '1'
    };
    Tipo tipo = Tipo::Mitad;
    int numero = 1;           // 1 or 2: the number it was done to
    Unidades mantisa;         // the mantissa after the move, or the refused candidate
    std::int32_t exponente{}; // its exponent after the move
    std::string bits;         // the mantissa as the routine wrote it; empty when not written
    std::size_t mensajes = 0; // how many messages had been shown when the move was made
};

// The numbers of an operation while their exponents are equalised. When
// `registro` is set the equalisation writes its moves there.
struct Alineacion {
    Unidades M1, M2;
    std::int32_t E1 = 0, E2 = 0;
    std::vector<MovimientoSuma>* registro = nullptr;

    void anotar(MovimientoSuma m) const
    {
        if (registro != nullptr)
            registro->push_back(std::move(m));
    }
};

// What integer and fractional mantissas do their own way.
class TipoMantisa {
public:
    virtual ~TipoMantisa() = default;

    // A mantissa of the kind is worth its integer value over 2^escala.
    virtual int escala(int sistema, int n) const = 0;
    // The values a mantissa of the kind may take (the system is chosen).
    virtual Rango rangoMantisa(TNumberSystem sistema, int n) const = 0;
    // The result mantissa; no text when it is not representable (its
    // message is then in `mensajes`). With equal exponent texts the plan
    // checks the kind's range first, and the encoder then writes as the
    // kind's own encoder does.
    virtual std::optional<std::string> codificarResultado(int sistema, int n, const Corte& x,
                                                          Mensajes& mensajes) const = 0;
    // Brings E1 and E2 (which differ) to one exponent, halving or doubling
    // the mantissas in step; false when it cannot, after its messages.
    virtual bool igualar(TOperacion op, const TOperandos& o, const TFormatoSuma& f, Alineacion& a,
                         Mensajes& mensajes) const = 0;
};

// x lies within the mantissa range of the kind; never with no system.
bool transformarMYE(const TipoMantisa& tipo, int sistema, int n, const Unidades& x);

// How an operation went, for its working: the path it took, where it
// stopped, the numbers as typed and as aligned, every move of the
// equalisation and the exact result, with the number of messages shown
// before each stage.
struct TrazaSuma {
    enum class Etapa {
        SinOperandos, // the texts are not bit strings of the layout: nothing was read
        SinSistema,   // equal exponent texts and no mantissa system: nothing was computed
        Igualacion,   // the exponents could not be equalised
        PrimeraFuera, // the first aligned mantissa is outside the range
        SegundaFuera, // the second aligned mantissa is outside the range
        Resultado,    // the result was computed and encoded (or refused by its range)
    };
    bool mismoTexto = false; // both exponents are written alike
    Etapa etapa = Etapa::SinOperandos;
    Alineacion inicial;  // as typed
    Alineacion alineada; // after the equalisation
    std::vector<MovimientoSuma> movimientos;
    Corte resultado; // the exact first plus (or minus) second, cut at the last bit
    std::size_t mensajesAntesDelResultado = 0;
    std::size_t mensajesAntesDelExponente = 0;
};

// Both exponents are the same text: the mantissas are then added as they
// are, without looking at the exponents' values.
bool mismoTextoDeExponente(const TOperandos& o);

// The whole operation; with a trace, how it went.
TResultadoOperacion operarFlotantes(const TipoMantisa& tipo, TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                                    const TOperationDetail& previo, TrazaSuma* traza = nullptr);

} // namespace cifral
