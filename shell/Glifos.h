// The glyphs of the buttons.
#pragma once

#include <QIcon>

namespace cifral {

// Makes the program's resources (glyphs, help pages) available. The start-up
// calls it; so does every test that builds a window.
void iniciarRecursos();

QIcon glifoMarca();   // red check mark, with a grey disabled image
QIcon glifoDetalle(); // a hand writing on a page
QIcon glifoAyuda();   // a question mark

} // namespace cifral
