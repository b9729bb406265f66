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

// Decimal to floating point.

// IEEE 754: decimal to single precision.

// IEEE 754: single precision to decimal.
class TForm6;
class TForm6Rep;

// Addition and subtraction.


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

    // The report forms, declared first so that they outlive the windows.
    std::unique_ptr<TForm2a> Form2a;
    std::unique_ptr<Treporte2> reporte2;
    std::unique_ptr<TForm2> Form2;

    // report form of decimal to floating point

    // report form of decimal to single precision

    // report form of single precision to decimal
    std::unique_ptr<TForm6Rep> Form6Rep;

    // report form of addition and subtraction


    TForm1* Form1 = nullptr;
    TFormUno* FormUno = nullptr;
    TFormDos* FormDos = nullptr;
    TForm3* Form3 = nullptr;

    // decimal to floating point

    // decimal to single precision

    // single precision to decimal
    TForm6* Form6 = nullptr;

    // addition and subtraction


private:
    std::unique_ptr<TForm1> principal_;
};

// The program: runs the start-up steps and the event loop with the main
// window; returns when the main window is closed. `alCrear` (for the
// start-up benchmark) runs once the windows exist.
int arrancar(int argc, char** argv, const std::function<void(Formularios&)>& alCrear = {});

// Title, style, fonts, resources and help file of an application object that
// already exists (the program's or a test's).
void prepararAplicacion();

} // namespace cifral
