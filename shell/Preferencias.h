// What Cifral keeps between runs: only the size of the interface, which a
// student with low vision, or a teacher projecting the program in class,
// chooses in the "Acerca..." tab.
#pragma once

#include <array>

namespace cifral {

// The sizes offered, in percent of the normal size.
inline constexpr std::array<int, 4> TamanosDeInterfaz{100, 125, 150, 200};

// The size kept (100 when none was chosen, or the kept value is not one of
// the sizes offered).
int tamanoDeInterfaz();
void guardarTamanoDeInterfaz(int porcentaje);

// Runs before the application object is made: the whole interface (windows,
// previews and help) is drawn at the kept size, unless the environment
// already sets a scale (QT_SCALE_FACTOR).
void aplicarTamanoDeInterfaz();

} // namespace cifral
