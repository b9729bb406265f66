// Start-up benchmark: Cifral's own start-up up to the first paint of the
// main window (see bench_medida.h).
#include "shell/Arranque.h"
#include "shell/Unit1.h"

#include "bench_medida.h"

int main(int argc, char** argv)
{
    return cifral::arrancar(argc, argv, [](cifral::Formularios& f) { medirPrimerPintado(f.Form1); });
}
