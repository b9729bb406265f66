// The report of the integer-to-binary converter: the system, the length,
// the integer as typed, its bit string, the four limits and the range.
#pragma once

#include "shell/Informe.h"

namespace cifral {

class Treporte2 {
public:
    Treporte2();

    Informe QuickRep1;
};

} // namespace cifral
