// One-page reports: the page, its title band and its text labels, and the
// painting of a report onto a printer, a PDF or an image.
//
// Every position is in pixels at 96 per inch. A label on the band is placed
// from the band's top-left corner; a label outside the band from the page's
// top-left corner. Labels are painted in the order they were added, each on
// a white background sized to its text, so a later label covers an earlier
// one at the same place.
#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstddef>

class QPainter;
class QPrinter;
class QImage;

namespace cifral {

struct EtiquetaInforme {
    QString nombre;
    QPoint posicion;
    QPoint diseno;  // where the form puts it
    QString titulo; // caption
    int pixeles = 13;
    bool negrita = false;
    QColor color = Qt::black;
    bool enBanda = true;
    QString familia = QStringLiteral("Arial");
};

// Arial at a size in pixels, regular or bold.
struct Letra {
    int pixeles;
    bool negrita;
};

// One label of a report form's design, on the band.
struct DisenoEtiqueta {
    const char* nombre;
    int x, y;
    Letra letra;
    const char* titulo;
};

// A label on one line of a page and the room it keeps, at least, after the
// label before it; `arrastra` names a label that moves along with it (a
// head over its figure), or none.
struct EnLinea {
    const char* nombre;
    int espacio;
    const char* arrastra = nullptr;
};

class Informe {
public:
    // A4 portrait, 10 mm margins, one white title band of the given size
    // at the top-left corner of the printable area.
    explicit Informe(const QString& nombre, QSize banda = QSize(718, 1035));

    // Design of the form.
    EtiquetaInforme& agregar(const QString& nombre, int x, int y, const QString& titulo, int pixeles = 13,
                             bool negrita = false);
    EtiquetaInforme& agregarFueraDeBanda(const QString& nombre, int x, int y, const QString& titulo, int pixeles = 13,
                                         bool negrita = false);
    // The labels of a design, in their order.
    template <std::size_t N> void agregar(const DisenoEtiqueta (&etiquetas)[N])
    {
        for (const DisenoEtiqueta& e : etiquetas)
            agregar(QString::fromUtf8(e.nombre), e.x, e.y, QString::fromUtf8(e.titulo), e.letra.pixeles,
                    e.letra.negrita);
    }

    // What the windows change before a preview.
    void setCaption(const QString& etiqueta, const QString& texto);
    QString caption(const QString& etiqueta) const;
    void setColor(const QString& etiqueta, const QColor& color);
    void mover(const QString& etiqueta, QPoint posicion);
    // Puts the labels of a line back where the form puts them, except that
    // a label that the one before it would cover moves right, just clear of
    // it: a long figure never hides the words after it.
    template <std::size_t N> void despejarLinea(const EnLinea (&linea)[N]) { despejarLinea(linea, N); }

    const EtiquetaInforme& etiqueta(const QString& nombre) const;
    bool tiene(const QString& nombre) const { return indice_.contains(nombre); }
    const QList<EtiquetaInforme>& etiquetas() const { return etiquetas_; }
    QString nombre() const { return nombre_; }
    QSize banda() const { return banda_; }

private:
    EtiquetaInforme& modificable(const QString& nombre);
    void despejarLinea(const EnLinea* linea, std::size_t cuantas);

    QString nombre_;
    QSize banda_;
    QList<EtiquetaInforme> etiquetas_;
    QHash<QString, qsizetype> indice_;
};

// The page in 96-dpi pixels.
inline constexpr double AnchoPagina = 210.0 / 25.4 * 96.0; // 793.7
inline constexpr double AltoPagina = 297.0 / 25.4 * 96.0;  // 1122.5
inline constexpr double Margen = 10.0 / 25.4 * 96.0;       // 37.8

// Paints the page with the painter's coordinates in 96-dpi pixels from the
// page's top-left corner.
void pintarInforme(QPainter& p, const Informe& informe);
// The rectangle a label occupies on the page, in 96-dpi pixels.
QRectF rectanguloEtiqueta(const Informe& informe, const EtiquetaInforme& e);

// A4 portrait with 10 mm margins; the painter's origin at the paper corner.
void configurarImpresora(QPrinter& impresora);
// Paints the report onto a configured printer (a real one or a PDF file).
bool imprimirInforme(const Informe& informe, QPrinter& impresora);
bool guardarPdf(const Informe& informe, const QString& archivo);

// A rich-text document of one or more A4 pages with 15 mm margins: the
// printer's set-up, its printing, and a PDF of it.
void configurarImpresoraDocumento(QPrinter& impresora);
bool imprimirDocumento(const QString& html, QPrinter& impresora);
bool guardarPdfDocumento(const QString& html, const QString& nombre, const QString& archivo);
QImage imagenInforme(const Informe& informe, double puntosPorPulgada = 96.0);

} // namespace cifral
