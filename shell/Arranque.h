// Start-up: the application, its title and help file, and every window of
// the program, created once in a fixed order and kept until the end.
#pragma once

#include <functional>
#include <memory>

namespace cifral {

class TForm1;
class TFormUno;
class TForm2a;
class TFormDos;
class Treporte2;
class TForm3;
class TForm2;
class TForm4;
class TFormRep4;
class TForm5;
class TForm5Rep;
class TForm6;
class TForm6Rep;
class TForm7;
class TForm7b;

// The windows of the program, each in one reference. The main window owns
// the converter windows; the report forms live beside it.
struct Formularios {
    Formularios();
    ~Formularios();
    Formularios(const Formularios&) = delete;
    Formularios& operator=(const Formularios&) = delete;

    // Creates the windows in their order and wires the main window's
    // buttons to the converters.
    void crear();
    // The same in two halves: the main window, then every other window
    // (once; a second call does nothing).
    void crearPrincipal();
    void crearConversores();
    bool conversoresCreados() const { return FormUno != nullptr; }
    // After crearPrincipal: the other windows are made as soon as the event
    // loop comes back from the main window's first paint; then `listo` runs.
    void crearTrasPrimerPintado(std::function<void()> listo = {});

    // The report forms, declared first so that they outlive the windows.
    std::unique_ptr<TForm2a> Form2a;
    std::unique_ptr<Treporte2> reporte2;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TFormRep4> FormRep4;
    std::unique_ptr<TForm5Rep> Form5Rep;
    std::unique_ptr<TForm6Rep> Form6Rep;
    std::unique_ptr<TForm7b> Form7b;

    TForm1* Form1 = nullptr;
    TFormUno* FormUno = nullptr;
    TFormDos* FormDos = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;
    TForm7* Form7 = nullptr;

private:
    std::unique_ptr<TForm1> principal_;
};

// The program: runs the start-up steps and the event loop with the main
// window; returns when the main window is closed. The main window is shown
// first; the other windows are made right after its first paint, and in
// any case before one of its buttons opens a converter. The hooks are for
// the start-up benchmark: `antesDeMostrar` runs just before the main window
// is shown, `alCrear` once every window exists.
struct Ganchos {
    std::function<void(Formularios&)> antesDeMostrar;
    std::function<void(Formularios&)> alCrear;
};
int arrancar(int argc, char** argv, const Ganchos& ganchos = {});

// Title, style, fonts, resources and help file of an application object that
// already exists (the program's or a test's).
void prepararAplicacion();

} // namespace cifral
