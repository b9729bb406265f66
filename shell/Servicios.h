// The three services every converter goes through: message boxes, help and
// the report preview. Each has one program-wide instance; tests install
// their own (a recorder) in place of the interactive one.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace cifral {

class Informe;

// The application's title, shown on message boxes.
QString tituloAplicacion();
void setTituloAplicacion(const QString& titulo);

// ------------------------------------------------------------------ messages

class ServicioMensajes {
public:
    virtual ~ServicioMensajes() = default;
    // A modal box with the text and an OK button; returns when it is closed.
    virtual void mostrar(QWidget* ventana, const QString& texto);
};

ServicioMensajes& mensajes();
// Installs a service (the program keeps ownership with the caller); nullptr
// restores the interactive one.
void instalarMensajes(ServicioMensajes* servicio);

inline void ShowMessage(QWidget* ventana, const QString& texto)
{
    mensajes().mostrar(ventana, texto);
}

// Runs a window's event handler. A decimal-text or arithmetic fault that the
// handler does not catch itself ends it there: what it already wrote stays,
// and the fault's message is shown in a message box.
void ejecutarManejador(QWidget* ventana, const std::function<void()>& manejador);

// A window's method as an event handler that runs inside that boundary.
template <class Ventana> std::function<void()> manejador(Ventana* ventana, void (Ventana::*metodo)())
{
    return [ventana, metodo] { ejecutarManejador(ventana, [ventana, metodo] { (ventana->*metodo)(); }); };
}

// ---------------------------------------------------------------------- help

class VisorDeAyuda {
public:
    virtual ~VisorDeAyuda() = default;
    // Opens the contents page of a help file (a name without folder is
    // looked up among the program's help pages).
    virtual void abrirContenido(const QString& archivo) = 0;
};

class ServicioAyuda {
public:
    static constexpr int HelpContents = 3;

    QString archivo() const { return archivo_; }
    void setArchivo(const QString& archivo) { archivo_ = archivo; }
    // A help command on the current help file; only the contents page (3)
    // is used. The result is not reported.
    void comando(int comando, int dato);

    void instalarVisor(VisorDeAyuda* visor) { visor_ = visor; }

private:
    QString archivo_;
    VisorDeAyuda* visor_ = nullptr;
};

ServicioAyuda& ayuda();

// The "Ayuda" button of every converter.
void pulsarAyuda(const QString& archivo);

// The folder of the program's help pages, and the page a help file name
// stands for (empty when there is none).
QString carpetaAyudas();
QString paginaDeAyuda(const QString& archivo);

// ------------------------------------------------------------------- reports

class ServicioVistaPrevia {
public:
    virtual ~ServicioVistaPrevia() = default;
    // Shows the report's page in a print preview and returns when the
    // preview is closed.
    virtual void mostrar(const Informe& informe, QWidget* ventana);
    // Shows a document of one or more pages (rich text, A4 with margins) in
    // the same preview, to print it or save it as PDF.
    virtual void mostrarDocumento(const QString& html, const QString& nombre, QWidget* ventana);
};

ServicioVistaPrevia& vistaPrevia();
void instalarVistaPrevia(ServicioVistaPrevia* servicio);

} // namespace cifral
