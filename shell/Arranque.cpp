#include "shell/Arranque.h"

#include "fixed/UnitDos.h"
#include "fixed/UnitDosb.h"
#include "fixed/UnitUno.h"
#include "fixed/UnitUnob.h"
#include "floating/Unit3.h"
#include "floating/Unitrep.h"

// decimal to floating point

// decimal to single precision

// single precision to decimal

// addition and subtraction

#include "shell/Controles.h"
#include "shell/Glifos.h"
#include "shell/Servicios.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace cifral {

Formularios::Formularios() = default;

Formularios::~Formularios()
{
    // The converter windows go with the main window, before the report
    // forms they write into.
    principal_.reset();
}

void Formularios::crear()
{
    principal_ = std::make_unique<TForm1>();
    Form1 = principal_.get();
    // Each report form is made just before the converter that fills it.
    Form2a = std::make_unique<TForm2a>();
    FormUno = new TFormUno(Form2a.get(), Form1);
    Form1->setConversor(0, 0, FormUno);
    reporte2 = std::make_unique<Treporte2>();
    FormDos = new TFormDos(reporte2.get(), Form1);
    Form1->setConversor(0, 1, FormDos);
    Form2 = std::make_unique<TForm2>();
    Form3 = new TForm3(Form2.get(), Form1);
    Form1->setConversor(1, 0, Form3);

    // decimal to floating point

    // decimal to single precision

    // single precision to decimal

    // addition and subtraction

}

// The program's mark in each size drawn for it, for title and task bars.
static QIcon iconoPrograma()
{
    QIcon icono;
    for (const int lado : {16, 32, 48, 64, 128, 256})
        icono.addFile(QStringLiteral(":/icono/cifral-%1.png").arg(lado), QSize(lado, lado));
    return icono;
}

void prepararAplicacion()
{
    iniciarRecursos();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(fuente(11));
    QCoreApplication::setApplicationName(QStringLiteral("Cifral"));
    // The menu entry installed with the program is named after this, so
    // that desktops show the windows under its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ar.edu.catedra.cifral"));
    QApplication::setWindowIcon(iconoPrograma());
    setTituloAplicacion(QStringLiteral("Cifral - Punto Fijo y Punto Flotante"));
    // The help file of the application until the first "Ayuda" of a
    // converter replaces it.
    ayuda().setArchivo(carpetaAyudas() + QStringLiteral("/HELP3.HLP"));
}

int arrancar(int argc, char** argv, const std::function<void(Formularios&)>& alCrear)
{
    QApplication aplicacion(argc, argv);
    prepararAplicacion();
    Formularios formularios;
    formularios.crear();
    if (alCrear)
        alCrear(formularios);
    formularios.Form1->show();
    formularios.Form1->activateWindow();
    return aplicacion.exec();
}

} // namespace cifral
