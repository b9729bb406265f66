#include "shell/Servicios.h"

#include "shell/Informe.h"
#include "shell/TextoDecimal.h"
#include "shell/VisorAyuda.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>

namespace cifral {

namespace {

QString& titulo()
{
    static QString t;
    return t;
}

ServicioMensajes* mensajesInstalados = nullptr;
ServicioVistaPrevia* vistaPreviaInstalada = nullptr;

} // namespace

QString tituloAplicacion()
{
    return titulo();
}

void setTituloAplicacion(const QString& t)
{
    titulo() = t;
}

// ------------------------------------------------------------------ messages

void ServicioMensajes::mostrar(QWidget* ventana, const QString& texto)
{
    QMessageBox caja(QMessageBox::NoIcon, tituloAplicacion(), texto, QMessageBox::Ok, ventana);
    caja.setObjectName(QStringLiteral("Mensaje"));
    caja.exec();
}

ServicioMensajes& mensajes()
{
    static ServicioMensajes interactivo;
    return mensajesInstalados != nullptr ? *mensajesInstalados : interactivo;
}

void instalarMensajes(ServicioMensajes* servicio)
{
    mensajesInstalados = servicio;
}

void ejecutarManejador(QWidget* ventana, const std::function<void()>& manejador)
{
    try {
        manejador();
    } catch (const std::exception& falla) {
        mensajes().mostrar(ventana, QString::fromStdString(falla.what()));
    }
}

// ---------------------------------------------------------------------- help

void ServicioAyuda::comando(int comando, int /*dato*/)
{
    if (comando != HelpContents)
        return;
    if (visor_ != nullptr)
        visor_->abrirContenido(archivo_);
    else
        VisorAyuda::compartido().abrirContenido(archivo_);
}

ServicioAyuda& ayuda()
{
    static ServicioAyuda servicio;
    return servicio;
}

void pulsarAyuda(const QString& archivo)
{
    ayuda().setArchivo(archivo);
    ayuda().comando(ServicioAyuda::HelpContents, 10);
}

QString carpetaAyudas()
{
    return QStringLiteral(":/Ayudas");
}

QString paginaDeAyuda(const QString& archivo)
{
    if (archivo.isEmpty())
        return {};
    const QFileInfo info(archivo);
    const QString carpeta = info.isRelative() ? carpetaAyudas() : info.absolutePath();
    // The pages are HTML under the stem of the help file's name.
    const QString pagina = carpeta + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".html");
    return QFileInfo::exists(pagina) ? pagina : QString();
}

// ------------------------------------------------------------------- reports

namespace {

// A print preview of pages that `pintar` draws on a printer, with a button
// that saves them as PDF through `guardar`; returns when it is closed.
void mostrarVistaPrevia(QPrinter& impresora, QWidget* ventana, const QString& titulo, const QString& archivoPdf,
                        const std::function<void(QPrinter*)>& pintar,
                        const std::function<bool(const QString&)>& guardar)
{
    QPrintPreviewDialog vista(&impresora, ventana);
    vista.setObjectName(QStringLiteral("VistaPrevia"));
    vista.setWindowTitle(titulo);
    vista.resize(900, 760);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista, pintar);
    if (auto* barra = vista.findChild<QToolBar*>()) {
        barra->addSeparator();
        QAction* pdf = barra->addAction(vista.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                        QStringLiteral("Guardar como PDF..."));
        QObject::connect(pdf, &QAction::triggered, &vista, [&vista, &guardar, archivoPdf] {
            const QString archivo = QFileDialog::getSaveFileName(&vista, QStringLiteral("Guardar como PDF"),
                                                                 QDir::home().filePath(archivoPdf),
                                                                 QStringLiteral("Documento PDF (*.pdf)"));
            if (!archivo.isEmpty() && !guardar(archivo))
                mensajes().mostrar(&vista, QStringLiteral("No se pudo guardar el archivo PDF."));
        });
    }
    vista.exec();
}

} // namespace

void ServicioVistaPrevia::mostrar(const Informe& informe, QWidget* ventana)
{
    // The page is laid out once, as it is when the preview opens.
    const Informe pagina = informe;
    QPrinter impresora(QPrinter::HighResolution);
    configurarImpresora(impresora);
    impresora.setDocName(pagina.nombre());
    mostrarVistaPrevia(
        impresora, ventana, QStringLiteral("Vista previa del informe"), QStringLiteral("informe-cifral.pdf"),
        [&pagina](QPrinter* destino) { imprimirInforme(pagina, *destino); },
        [&pagina](const QString& archivo) { return guardarPdf(pagina, archivo); });
}

void ServicioVistaPrevia::mostrarDocumento(const QString& html, const QString& nombre, QWidget* ventana)
{
    QPrinter impresora(QPrinter::HighResolution);
    configurarImpresoraDocumento(impresora);
    impresora.setDocName(nombre);
    mostrarVistaPrevia(
        impresora, ventana, QStringLiteral("Vista previa"), QStringLiteral("paso-a-paso-cifral.pdf"),
        [&html](QPrinter* destino) { imprimirDocumento(html, *destino); },
        [&html, &nombre](const QString& archivo) { return guardarPdfDocumento(html, nombre, archivo); });
}

ServicioVistaPrevia& vistaPrevia()
{
    static ServicioVistaPrevia interactiva;
    return vistaPreviaInstalada != nullptr ? *vistaPreviaInstalada : interactiva;
}

void instalarVistaPrevia(ServicioVistaPrevia* servicio)
{
    vistaPreviaInstalada = servicio;
}

} // namespace cifral
