// The report of the decimal-to-floating-point converter: the layout, the
// typed number and its mantissa and exponent, the four extreme numbers with
// the mantissa and exponent that make them, the four resolutions and the two
// errors of the conversion.
#pragma once

#include "shell/Informe.h"

#include <QStringList>

namespace cifral {

class TFormRep4 {
public:
    TFormRep4();

    // The labels of the negative part of the page, printed in white when
    // the mantissa has no negative values.
    static const QStringList& parteNegativa();

    // The two rows that name the systems keep their places, except that a
    // name too wide for its place ("Exceso") pushes the rest of its row to
    // the right instead of being covered by the next word.
    void despejarSistemas();

    Informe QuickRep1;
};

} // namespace cifral
