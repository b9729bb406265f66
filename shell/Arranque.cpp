#include "shell/Arranque.h"

#include "arith/Unit7.h"
#include "arith/Unit7b.h"
#include "fixed/UnitDos.h"
#include "fixed/UnitDosb.h"
#include "fixed/UnitUno.h"
#include "fixed/UnitUnob.h"
#include "floating/Unit3.h"
#include "floating/Unit4.h"
#include "floating/UnitRep4.h"
#include "floating/Unitrep.h"
#include "ieee/Unit5.h"
#include "ieee/Unit5Rep.h"
#include "ieee/Unit6.h"
#include "ieee/Urep6.h"
#include "shell/Controles.h"
#include "shell/Glifos.h"
#include "shell/Preferencias.h"
#include "shell/Servicios.h"
#include "shell/Unit1.h"
#include "shell/UnitPractica.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

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
    crearPrincipal();
    crearConversores();
}

void Formularios::crearPrincipal()
{
    principal_ = std::make_unique<TForm1>();
    Form1 = principal_.get();
    Form1->alNecesitarConversores = [this] { crearConversores(); };
}

void Formularios::crearConversores()
{
    if (conversoresCreados())
        return;
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
    FormRep4 = std::make_unique<TFormRep4>();
    Form4 = new TForm4(FormRep4.get(), Form1);
    Form1->setConversor(1, 1, Form4);
    Form5Rep = std::make_unique<TForm5Rep>();
    Form5 = new TForm5(Form5Rep.get(), Form1);
    Form1->setConversor(2, 0, Form5);
    Form6Rep = std::make_unique<TForm6Rep>();
    Form6 = new TForm6(Form6Rep.get(), Form1);
    Form1->setConversor(2, 1, Form6);
    Form7b = std::make_unique<TForm7b>();
    Form7 = new TForm7(Form7b.get(), Form1);
    Form1->setConversor(3, 0, Form7);
}

void Formularios::crearTrasPrimerPintado(std::function<void()> listo)
{
    QObject::connect(Form1, &TForm1::primerPintado, Form1, [this, listo] {
        QTimer::singleShot(0, Form1, [this, listo] {
            crearConversores();
            if (listo)
                listo();
        });
    });
}

// The program's mark in the sizes of title and task bars. The larger ones
// are installed for the desktop's menus; decoded here they would only take
// memory.
static QIcon iconoPrograma()
{
    QIcon icono;
    for (const int lado : {16, 32, 48, 64})
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

int arrancar(int argc, char** argv, const Ganchos& ganchos)
{
    // "--hoja-de-ejercicios": the sheet's PDF, without a window.
    if (pideHojaDeEjercicios(argc, argv))
        return hojaDesdeLineaDeOrdenes(argc, argv);
    aplicarTamanoDeInterfaz();
    QApplication aplicacion(argc, argv);
    prepararAplicacion();
    VentanaConversor::setConstruccionDiferida(true);
    Formularios formularios;
    formularios.crearPrincipal();
    // The hidden windows cost nothing the user sees: they are made once the
    // main window is on the screen.
    formularios.crearTrasPrimerPintado([&formularios, &ganchos] {
        if (ganchos.alCrear)
            ganchos.alCrear(formularios);
    });
    if (ganchos.antesDeMostrar)
        ganchos.antesDeMostrar(formularios);
    formularios.Form1->show();
    formularios.Form1->activateWindow();
    return aplicacion.exec();
}

} // namespace cifral
