// The report of the IEEE-754-to-decimal converter: the entered pattern, the
// number as a power of two times its significand (in bits and in decimal),
// and the maximum absolute error from the number and its chosen neighbour.
// The page is a short band; the converted formula and the footer stand on
// the page outside it.
#pragma once

#include "shell/Informe.h"

#include <QStringList>

namespace cifral {

class TForm6Rep {
public:
    TForm6Rep();

    // The labels of the result line that follow the base: printed in black
    // for a number with a formula, in white for a zero, an infinity or NaN.
    static const QStringList& parteFormula();

    Informe QuickRep1;
};

} // namespace cifral
