#include "shell/Informe.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace cifral {

Informe::Informe(const QString& nombre, QSize banda) : nombre_(nombre), banda_(banda)
{
}

EtiquetaInforme& Informe::agregar(const QString& nombre, int x, int y, const QString& titulo, int pixeles, bool negrita)
{
    Q_ASSERT(!indice_.contains(nombre));
    EtiquetaInforme e;
    e.nombre = nombre;
    e.posicion = QPoint(x, y);
    e.diseno = e.posicion;
    e.titulo = titulo;
    e.pixeles = pixeles;
    e.negrita = negrita;
    indice_.insert(nombre, etiquetas_.size());
    etiquetas_.append(e);
    return etiquetas_.last();
}

EtiquetaInforme& Informe::agregarFueraDeBanda(const QString& nombre, int x, int y, const QString& titulo, int pixeles,
                                              bool negrita)
{
    EtiquetaInforme& e = agregar(nombre, x, y, titulo, pixeles, negrita);
    e.enBanda = false;
    return e;
}

EtiquetaInforme& Informe::modificable(const QString& nombre)
{
    const auto i = indice_.constFind(nombre);
    if (i == indice_.constEnd())
        qFatal("report %s has no label %s", qPrintable(nombre_), qPrintable(nombre));
    return etiquetas_[*i];
}

const EtiquetaInforme& Informe::etiqueta(const QString& nombre) const
{
    return const_cast<Informe*>(this)->modificable(nombre);
}

void Informe::setCaption(const QString& etiqueta, const QString& texto)
{
    modificable(etiqueta).titulo = texto;
}

QString Informe::caption(const QString& etiqueta) const
{
    return this->etiqueta(etiqueta).titulo;
}

void Informe::setColor(const QString& etiqueta, const QColor& color)
{
    modificable(etiqueta).color = color;
}

void Informe::mover(const QString& etiqueta, QPoint posicion)
{
    modificable(etiqueta).posicion = posicion;
}

void Informe::despejarLinea(const EnLinea* linea, std::size_t cuantas)
{
    double derecha = 0;
    for (std::size_t i = 0; i < cuantas; ++i) {
        EtiquetaInforme& e = modificable(QString::fromUtf8(linea[i].nombre));
        int x = e.diseno.x();
        if (i > 0)
            x = std::max(x, static_cast<int>(std::ceil(derecha)) + linea[i].espacio);
        e.posicion = QPoint(x, e.diseno.y());
        if (linea[i].arrastra != nullptr) {
            EtiquetaInforme& cabeza = modificable(QString::fromUtf8(linea[i].arrastra));
            cabeza.posicion = cabeza.diseno + QPoint(x - e.diseno.x(), 0);
        }
        derecha = e.titulo.isEmpty() ? x : rectanguloEtiqueta(*this, e).right() - Margen;
    }
}

namespace {

QFont fuenteDe(const EtiquetaInforme& e)
{
    QFont f(e.familia);
    f.setPixelSize(e.pixeles);
    f.setBold(e.negrita);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

constexpr int banderasTexto = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

QRectF rectanguloEtiqueta(const Informe& informe, const EtiquetaInforme& e)
{
    const QPointF origen = e.enBanda ? QPointF(Margen, Margen) : QPointF(0, 0);
    const QPointF arriba = origen + QPointF(e.posicion);
    // Labels size themselves to their text and wrap only where they would
    // run past the band's right edge.
    const double derecha = Margen + informe.banda().width();
    const double disponible = std::max(1.0, derecha - arriba.x());
    const QFontMetricsF m(fuenteDe(e));
    const double ancho = m.horizontalAdvance(e.titulo);
    if (ancho <= disponible)
        return QRectF(arriba, QSizeF(ancho, m.height()));
    const QRectF envuelto = m.boundingRect(QRectF(arriba, QSizeF(disponible, 1e6)), banderasTexto, e.titulo);
    return QRectF(arriba, QSizeF(disponible, envuelto.height()));
}

void pintarInforme(QPainter& p, const Informe& informe)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, AnchoPagina, AltoPagina), Qt::white);
    p.fillRect(QRectF(QPointF(Margen, Margen), QSizeF(informe.banda())), Qt::white);
    const QRectF banda(QPointF(Margen, Margen), QSizeF(informe.banda()));
    for (const EtiquetaInforme& e : informe.etiquetas()) {
        if (e.titulo.isEmpty())
            continue;
        // What lies beyond the band's bottom is cut off, as on a band of
        // that height; labels outside the band stand on the page itself.
        const QRectF r = rectanguloEtiqueta(informe, e);
        if (e.enBanda && r.top() >= banda.bottom())
            continue;
        p.setClipRect(e.enBanda ? banda : QRectF(0, 0, AnchoPagina, AltoPagina));
        // The white background reaches a pixel beyond the text box, so that
        // it also covers the smoothed edges of a label printed under it.
        p.fillRect(r.adjusted(-1, -1, 1, 1), Qt::white);
        p.setFont(fuenteDe(e));
        p.setPen(e.color);
        // A label that fits its line is drawn on one line, whatever the
        // rounding of the glyph advances.
        const bool cabe = r.height() < QFontMetricsF(fuenteDe(e)).height() * 1.5;
        p.drawText(r, cabe ? (Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip) : banderasTexto,
                   e.titulo);
    }
    p.restore();
}

void configurarImpresora(QPrinter& impresora)
{
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                        QPageLayout::Millimeter));
    impresora.setFullPage(true);
}

bool imprimirInforme(const Informe& informe, QPrinter& impresora)
{
    QPainter p(&impresora);
    if (!p.isActive())
        return false;
    // With a full page the painter starts at the paper corner; the margins
    // are part of the drawing.
    p.scale(impresora.resolution() / 96.0, impresora.resolution() / 96.0);
    pintarInforme(p, informe);
    return p.end();
}

bool guardarPdf(const Informe& informe, const QString& archivo)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(archivo);
    impresora.setDocName(informe.nombre());
    impresora.setCreator(QStringLiteral("Cifral v1.0"));
    configurarImpresora(impresora);
    return imprimirInforme(informe, impresora);
}

void configurarImpresoraDocumento(QPrinter& impresora)
{
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                        QPageLayout::Millimeter));
    impresora.setFullPage(false);
}

bool imprimirDocumento(const QString& html, QPrinter& impresora)
{
    QTextDocument documento;
    documento.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    documento.setHtml(html);
    documento.print(&impresora);
    return impresora.printerState() != QPrinter::Error;
}

bool guardarPdfDocumento(const QString& html, const QString& nombre, const QString& archivo)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(archivo);
    impresora.setDocName(nombre);
    impresora.setCreator(QStringLiteral("Cifral v1.0"));
    configurarImpresoraDocumento(impresora);
    return imprimirDocumento(html, impresora);
}

QImage imagenInforme(const Informe& informe, double puntosPorPulgada)
{
    const double escala = puntosPorPulgada / 96.0;
    QImage img(qRound(AnchoPagina * escala), qRound(AltoPagina * escala), QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(puntosPorPulgada / 0.0254));
    img.setDotsPerMeterY(qRound(puntosPorPulgada / 0.0254));
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(escala, escala);
    pintarInforme(p, informe);
    p.end();
    return img;
}

} // namespace cifral
