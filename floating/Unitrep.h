// The report of the floating-point-to-decimal converter: the layout and the
// bits entered, their values, the four extreme numbers with the mantissa and
// exponent that make them, and the four resolutions with their neighbours.
#pragma once

#include "shell/Informe.h"

#include <QStringList>

namespace cifral {

class TForm2 {
public:
    TForm2();

    // The labels of the negative part of the page, printed in white when
    // the mantissa has no negative values.
    static const QStringList& parteNegativa();

    Informe QuickRep1;
};

} // namespace cifral
