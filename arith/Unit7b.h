// The report of the addition and subtraction window: the layout, the
// operation, both numbers in binary and in decimal, and the result.
#pragma once

#include "shell/Informe.h"

namespace cifral {

class TForm7b {
public:
    TForm7b();

    Informe QuickRep1;
};

} // namespace cifral
