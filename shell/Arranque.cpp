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
#include "ieee/Unit6.h"
#include "ieee/Urep6.h"

// addition and subtraction

#include "shell/Controles.h"
#include "shell/Glifos.h"
#include "shell/Servicios.h"
#include "shell/Unit1.h"

#include <QApplication>
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
    Form6Rep = std::make_unique<TForm6Rep>();
    Form6 = new TForm6(Form6Rep.get(), Form1);
    Form1->setConversor(2, 1, Form6);

    // addition and subtraction

}

void prepararAplicacion()
{
    iniciarRecursos();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(fuente(11));
    QCoreApplication::setApplicationName(QStringLiteral("Cifral"));
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
