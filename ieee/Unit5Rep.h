// The report of the decimal-to-IEEE converter: the number typed with its
// power of ten, the three fields of the single-precision number, and the
// absolute and relative errors written out as a difference and a quotient.
#pragma once

#include "shell/Informe.h"

namespace cifral {

class TForm5Rep {
public:
    TForm5Rep();

    // Back to the places of the design, then, on the line of the number and
    // on the line of the relative error, each label pushed right as far as
    // it takes not to cover the one before it: a long number or a large
    // error stays readable whole. Labels that fit keep their places.
    void acomodar();

    Informe QuickRep1;
};

} // namespace cifral
