// Addition and subtraction of two floating-point numbers with integer
// mantissas. The exponents are made equal one position at a time: the
// mantissa with the smaller exponent is halved while it is even (no bit is
// lost), and once it is odd the other one is doubled all the way down. The
// result is the exact sum of the aligned mantissas, or a message when it
// does not fit the layout.
#pragma once

#include "arith/sistnum7.h"

namespace cifral {

// The integer kind of mantissa for the common plan of an operation.
const TipoMantisa& mantisaEntera();

TResultadoOperacion flotantes_conEntera(TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                                        const TOperationDetail& previo);

inline TResultadoOperacion sumar_flotantes_conEntera(const TOperandos& o, const TFormatoSuma& f,
                                                     const TOperationDetail& previo)
{
    return flotantes_conEntera(Suma, o, f, previo);
}

inline TResultadoOperacion restar_flotantes_conEntera(const TOperandos& o, const TFormatoSuma& f,
                                                      const TOperationDetail& previo)
{
    return flotantes_conEntera(Resta, o, f, previo);
}

} // namespace cifral
