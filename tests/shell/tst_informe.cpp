// The report engine: a small report rendered to PDF and to an image, with
// the positions read back from the PDF by pdftotext.
#include "Apoyo.h"

#include <QAction>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace cifral;
using namespace prueba;

namespace {

Informe ejemplo()
{
    Informe r(QStringLiteral("Ejemplo"), QSize(718, 403));
    r.agregar(QStringLiteral("Titulo"), 24, 16, QStringLiteral("Título"), 15, true);
    r.agregar(QStringLiteral("Base"), 320, 168, QStringLiteral("2"));
    r.agregar(QStringLiteral("Exponente"), 336, 160, QStringLiteral("-126"), 12); // raised
    r.agregar(QStringLiteral("Blanca"), 24, 200, QStringLiteral("oculto"));
    r.agregar(QStringLiteral("Movida"), 16, 147, QStringLiteral("NaN"));
    r.agregar(QStringLiteral("Bajo"), 24, 500, QStringLiteral("cortado")); // below a 403-pixel band
    r.agregarFueraDeBanda(QStringLiteral("Pie"), 632, 1048, QStringLiteral("Cifral"));
    return r;
}

} // namespace

class TestInforme : public QObject {
    Q_OBJECT

private slots:
    void labelsStandWhereTheyArePlaced()
    {
        QTemporaryDir dir;
        Informe r = ejemplo();
        r.mover(QStringLiteral("Movida"), QPoint(16, 168));
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        QVERIFY(guardarPdf(r, pdf));
        const QList<PalabraPdf> ps = palabrasPdf(pdf);
        QVERIFY2(!ps.isEmpty(), "pdftotext gave nothing");
        struct Caso {
            const char* texto;
            double x, y;
        };
        for (const Caso& c : {Caso{"Título", puntosEnPagina(24), puntosEnPagina(16)},
                              Caso{"2", puntosEnPagina(320), puntosEnPagina(168)},
                              Caso{"-126", puntosEnPagina(336), puntosEnPagina(160)},
                              Caso{"NaN", puntosEnPagina(16), puntosEnPagina(168)}}) {
            const PalabraPdf* p = buscarPalabra(ps, QString::fromUtf8(c.texto));
            QVERIFY2(p, c.texto);
            QVERIFY2(std::abs(p->x - c.x) < 0.5 && std::abs(p->y - c.y) < 0.5,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(c.texto).arg(p->x).arg(p->y)));
        }
        // Outside the band a label stands on the page from its corner.
        const PalabraPdf* pie = buscarPalabra(ps, QStringLiteral("Cifral"));
        QVERIFY(pie);
        QVERIFY(std::abs(pie->x - 632 * 0.75) < 0.5 && std::abs(pie->y - 1048 * 0.75) < 0.5);
        // Beyond the band's height nothing is printed.
        QVERIFY(!buscarPalabra(ps, QStringLiteral("cortado")));
    }

    void whiteLabelsDoNotShow()
    {
        Informe r = ejemplo();
        const QRectF zona = rectanguloEtiqueta(r, r.etiqueta(QStringLiteral("Blanca")));
        auto tinta = [&zona](const QImage& img) {
            int oscuros = 0;
            for (int y = int(zona.top()); y < int(zona.bottom()); ++y)
                for (int x = int(zona.left()); x < int(zona.right()); ++x)
                    oscuros += qGray(img.pixel(x, y)) < 128;
            return oscuros;
        };
        QVERIFY(tinta(imagenInforme(r)) > 10);
        r.setColor(QStringLiteral("Blanca"), Qt::white);
        QCOMPARE(tinta(imagenInforme(r)), 0);
        QCOMPARE(r.etiqueta(QStringLiteral("Blanca")).color, QColor(Qt::white));
    }

    void laterLabelCoversEarlierOne()
    {
        Informe r(QStringLiteral("Tapas"));
        r.agregar(QStringLiteral("Debajo"), 16, 730, QStringLiteral("XXXXXXXXXXXX"));
        r.agregar(QStringLiteral("Encima"), 16, 730, QStringLiteral("XXXXXXXXXXXX"));
        r.setColor(QStringLiteral("Encima"), Qt::white);
        const QImage img = imagenInforme(r);
        const QRectF zona = rectanguloEtiqueta(r, r.etiqueta(QStringLiteral("Debajo")));
        for (int y = int(zona.top()); y < int(zona.bottom()); ++y)
            for (int x = int(zona.left()); x < int(zona.right()); ++x)
                QVERIFY(qGray(img.pixel(x, y)) > 200);
    }

    void captionsAndSizes()
    {
        Informe r = ejemplo();
        r.setCaption(QStringLiteral("Base"), QStringLiteral("-2"));
        QCOMPARE(r.caption(QStringLiteral("Base")), QStringLiteral("-2"));
        const QRectF a = rectanguloEtiqueta(r, r.etiqueta(QStringLiteral("Base")));
        r.setCaption(QStringLiteral("Base"), QStringLiteral("-2222"));
        const QRectF b = rectanguloEtiqueta(r, r.etiqueta(QStringLiteral("Base")));
        QVERIFY(b.width() > a.width()); // a label sizes itself to its text
        const QImage img = imagenInforme(r);
        QCOMPARE(img.size(), QSize(794, 1123));
    }

    // The interactive preview: the page in a print preview with a way to
    // save it as PDF; the call returns when the preview is closed.
    void previewReturnsWhenClosed()
    {
        Informe r = ejemplo();
        QStringList acciones;
        bool cerrada = false;
        QTimer::singleShot(0, [&] {
            QWidget* vista = QApplication::activeModalWidget();
            QVERIFY(vista);
            QCOMPARE(vista->objectName(), QString("VistaPrevia"));
            for (QAction* a : vista->findChildren<QAction*>())
                acciones << a->text();
            vista->close();
            cerrada = true;
        });
        vistaPrevia().mostrar(r, nullptr);
        QVERIFY(cerrada);
        QVERIFY(acciones.contains("Guardar como PDF..."));
        QVERIFY(acciones.contains("Print"));
    }

    void longLabelsWrapAtTheBandEdge()
    {
        Informe r(QStringLiteral("Largo"));
        r.agregar(QStringLiteral("L"), 600, 100, QStringLiteral("una etiqueta demasiado larga para el borde"));
        const QRectF z = rectanguloEtiqueta(r, r.etiqueta(QStringLiteral("L")));
        QVERIFY(z.right() <= Margen + 718 + 0.01);
        QVERIFY(z.height() > 20);
    }
};

QTEST_MAIN(TestInforme)
#include "tst_informe.moc"
