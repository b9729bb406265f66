// The report of the binary-to-integer converter: the system, the length,
// the bit string, its integer, the four limits and the range.
#pragma once

#include "shell/Informe.h"

namespace cifral {

class TForm2a {
public:
    TForm2a();

    Informe QuickRep1;
};

} // namespace cifral
