// "Paso a paso": the window that shows the working of a converter's last
// conversion, and the button that opens it. One class for every converter;
// the converter only hands over the working its routines wrote.
#pragma once

#include "shell/Trabajo.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace cifral {

// A window of its own, child of the converter (it closes with it),
// non-modal and resizable.
class TFormPasoAPaso : public QWidget {
    Q_OBJECT

public:
    // `nombre` is the converter's name, as the title shows it;
    // `indicacion` the line shown before any conversion.
    TFormPasoAPaso(QWidget* conversor, const QString& nombre, const QString& indicacion);

    void mostrarTrabajo(const Trabajo& trabajo);
    // Back to the line that says what to do.
    void mostrarIndicacion();

    bool tieneTrabajo() const { return tieneTrabajo_; }
    // What "Copiar" copies: the working as plain text, or the indication.
    QString textoPlano() const;
    // The working as the view shows it (and the preview prints it).
    static QString html(const Trabajo& trabajo);

    void Copiar_Click();
    void Imprimir_Click();

    QLabel* Titulo;
    QTextBrowser* PasoAPaso;
    QPushButton* Copiar;
    QPushButton* Imprimir;
    QPushButton* Cerrar;

private:
    QString nombre_;
    QString indicacion_;
    Trabajo trabajo_;
    bool tieneTrabajo_ = false;
};

// The "Paso a paso" button of a converter and the window it opens. The
// converter publishes the working of each conversion; the window, once open,
// follows every one.
class PasoAPasoDeConversor : public QObject {
    Q_OBJECT

public:
    PasoAPasoDeConversor(QWidget* conversor, const QString& nombre, const QString& indicacion);

    // The button, placed at a position of the converter's client area.
    QPushButton* crearBoton(int x, int y, int ancho, int alto);
    QPushButton* boton() const { return boton_; }

    // The working of the conversion just made (shown at once if the window
    // is open, and when it opens otherwise).
    void publicar(Trabajo trabajo);
    // No conversion to show (the fields were cleared).
    void limpiar();

    // Opens the window beside the converter, or brings it to the front.
    void abrir();
    TFormPasoAPaso* ventana() const { return ventana_; }
    const Trabajo* ultimo() const { return tieneTrabajo_ ? &trabajo_ : nullptr; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* conversor_;
    QString nombre_;
    QString indicacion_;
    QPushButton* boton_ = nullptr;
    QPointer<TFormPasoAPaso> ventana_;
    Trabajo trabajo_;
    bool tieneTrabajo_ = false;
};

} // namespace cifral
