// The working of an addition or a subtraction in floating point, as a
// teacher writes it on the board: both numbers read in their systems, the
// exponents brought to one (every halving or doubling with the mantissa it
// gives), the mantissas added or subtracted column by column with their
// carries or borrows, and the result written in the layout, or the reason
// it could not be.
//
// The working is written from the trace of the very operation the window
// runs, so its figures are the window's figures.
#pragma once

#include "arith/sistnum7.h"
#include "shell/Trabajo.h"

#include <cstdint>
#include <string>

namespace cifral {

// The working of one press of "Sumar" or "Restar": the mantissa kind (an
// item of its group, or SinEleccion), the operation, the four texts as
// typed, the layout, and the detail of the operation before (what the report
// keeps where this one does not reach).
Trabajo trabajoSumaResta(int tipoMantisa, TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                         const TOperationDetail& previo);

// The value numerador / 2^k written exactly: as FloatToStr writes it when
// its 15 digits hold it, otherwise with every digit (',' decimals), and as
// "numerador × 2^-k" when that would take hundreds of digits.
std::string textoExacto(std::int64_t numerador, int k);

// A sum or a difference of two magnitudes written in columns, the way it is
// done on paper: the row of carries (of borrows for a difference) above the
// two numbers, and the result below. All four rows have the same width; the
// last `decimales` digits follow a ',' (a blank in the carries row).
struct CuentaEnColumnas {
    bool resta = false;
    std::string acarreos;
    std::string primero;
    std::string segundo;
    std::string resultado;
};

// a + b, or a - b with a >= b, in `ancho` binary digits (enough for the
// result).
CuentaEnColumnas cuentaEnColumnas(std::uint64_t a, std::uint64_t b, bool restar, int ancho, int decimales);

} // namespace cifral
