// "Práctica": a window that draws exercises, corrects the student's answers
// field by field and shows the working of the solution, with the first step
// where an answer differs highlighted; and the exercise sheets with their
// solutions, previewed from the window or written as a PDF from the command
// line.
#pragma once

#include "shell/sistnumPractica.h"

#include <QDialog>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextBrowser;
class QGridLayout;

namespace cifral {

// The working of an exercise as the "Paso a paso" window writes it, with step
// `resaltado` (from 0; -1 for none) marked as the one where answer `rotulo`
// differs.
QString htmlTrabajoResaltado(const Ejercicio& ejercicio, int resaltado, const QString& rotulo);

// A sheet: the exercises with room to answer, then after a page break the
// solutions with their working.
QString htmlHojaDeEjercicios(const std::vector<Ejercicio>& ejercicios, int nivel, std::uint64_t semilla);
QString nombreHoja(std::uint64_t semilla);

// The command line of the sheets: true when the arguments ask for one.
bool pideHojaDeEjercicios(int argc, char** argv);
// Writes the sheet's PDF without a window: 0 when written, 2 on bad
// options (a message on stderr), 1 when the file could not be written.
int hojaDesdeLineaDeOrdenes(int argc, char** argv);

// The choice of a sheet: kinds, level, number of exercises and seed.
class TDialogoHoja : public QDialog {
    Q_OBJECT

public:
    TDialogoHoja(QWidget* padre, std::uint64_t semilla);

    std::vector<int> tipos() const;
    int nivel() const;
    int cantidad() const;
    std::uint64_t semilla() const;

    std::vector<QCheckBox*> Tipos; // TipoHoja1..7, only the kinds with exercises
    QComboBox* NivelHoja;
    QSpinBox* CantidadHoja;
    QLineEdit* SemillaHoja;
    QPushButton* Aceptar;
    QPushButton* Cancelar;

private:
    void actualizarAceptar();
};

class TFormPractica : public QWidget {
    Q_OBJECT

public:
    explicit TFormPractica(QWidget* padre = nullptr);

    // The series the exercises are drawn from, and its next exercise's
    // number (1 after a new seed).
    void setSemilla(std::uint64_t semilla);
    std::uint64_t semilla() const { return semilla_; }
    const Ejercicio* ejercicio() const { return tieneEjercicio_ ? &ejercicio_ : nullptr; }
    int correctas() const { return correctas_; }
    int incorrectas() const { return incorrectas_; }

    void NuevoEjercicio_Click();
    void Corregir_Click();
    void VerSolucion_Click();
    // Asks for the sheet and previews it.
    void HojaDeEjercicios_Click();
    // Previews the sheet of these choices.
    void mostrarHoja(const std::vector<int>& tipos, int nivel, int cantidad, std::uint64_t semilla);

    QComboBox* Tipo;
    QComboBox* Nivel;
    QPushButton* NuevoEjercicio;
    QLabel* Enunciado;
    std::vector<QLabel*> Rotulos;
    std::vector<QLineEdit*> Respuestas; // Respuesta1, Respuesta2, ...
    std::vector<QLabel*> Veredictos;    // Veredicto1, Veredicto2, ...
    QPushButton* Corregir;
    QPushButton* VerSolucion;
    QPushButton* HojaDeEjercicios;
    QPushButton* Cerrar;
    QLabel* Contador;
    QTextBrowser* Trabajo;

private:
    void armarRespuestas();
    void ordenarTabulacion();
    void actualizarTitulo();
    void actualizarContador();
    void mostrarTrabajo(int resaltado, const QString& rotulo);

    QGridLayout* rejilla_;
    std::uint64_t semilla_ = 0;
    int siguiente_ = 1;
    Ejercicio ejercicio_;
    bool tieneEjercicio_ = false;
    bool solucionVista_ = false;
    int correctas_ = 0;
    int incorrectas_ = 0;
};

} // namespace cifral
