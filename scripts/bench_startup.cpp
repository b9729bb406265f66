// Start-up benchmark: Cifral's own start-up up to the first paint of the
// main window, and its peak memory once every window exists (see
// bench_medida.h).
#include "shell/Arranque.h"
#include "shell/Unit1.h"

#include "bench_medida.h"

int main(int argc, char** argv)
{
    cifral::Ganchos ganchos;
    ganchos.antesDeMostrar = [](cifral::Formularios& f) { medirPrimerPintado(f.Form1, true); };
    ganchos.alCrear = [](cifral::Formularios&) { terminarMedicion(); };
    return cifral::arrancar(argc, argv, ganchos);
}
