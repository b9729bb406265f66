// Saves pictures of the windows and reports for the README: run through
// scripts/capturas, which passes the folder to write into.
#include "shell/Arranque.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QWidget>

#include <cstdio>

using namespace cifral;

namespace {

QString carpeta;

void guardar(QWidget* w, const QString& nombre)
{
    w->grab().save(QDir(carpeta).filePath(nombre + QStringLiteral(".png")));
    std::printf("%s.png\n", qPrintable(nombre));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    prepararAplicacion();
    Formularios f;
    f.crear();
    f.Form1->show();
    for (int i = 0; i < 5; ++i) {
        f.Form1->TabControl1->setCurrentIndex(i);
        QApplication::processEvents();
        guardar(f.Form1, QStringLiteral("principal-%1").arg(i));
    }
    return 0;
}
