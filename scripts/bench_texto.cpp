// Start-up benchmark reference: the bare window with one line of text, to
// tell the cost of loading fonts apart from Cifral's own start-up.
#include "bench_medida.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    QLabel ventana(QStringLiteral("Cifral - Punto Fijo y Punto Flotante"), nullptr,
                   Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ventana.setFixedSize(598, 244);
    medirPrimerPintado(&ventana);
    ventana.show();
    return aplicacion.exec();
}
