// Start-up benchmark reference: a bare Qt window of the main window's size
// and frame, measured the same way as Cifral's start-up.
#include "bench_medida.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    QWidget ventana(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ventana.setFixedSize(598, 244);
    ventana.setWindowTitle(QStringLiteral("Ventana Qt"));
    medirPrimerPintado(&ventana);
    ventana.show();
    return aplicacion.exec();
}
