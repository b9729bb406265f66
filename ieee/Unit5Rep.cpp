#include "ieee/Unit5Rep.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace cifral {

namespace {

enum Fuente { Titulo, Subtitulo, Negrita, Normal };

struct Rotulo {
    const char* nombre;
    int x, y;
    Fuente fuente;
    const char* titulo;
};

// In reading order.
const Rotulo rotulos[] = {
    {"QRLabel26", 24, 24, Titulo, "Decimal a IEEE 754 Simple Precisión"},
    {"QRLabel1", 24, 56, Subtitulo, "Número en decimal:"},
    {"QRLabel6", 176, 88, Normal, "QRLabel6"},
    {"QRLabel2", 32, 96, Normal, "QRLabel2"},
    {"QRLabel4", 136, 96, Normal, "X"},
    {"QRLabel5", 160, 96, Normal, "10"},
    {"QRLabel3", 24, 128, Negrita, "Número en representación IEEE 754 Simple Precisión (32 Bits):"},
    {"QRLabel7", 40, 160, Negrita, "Signo"},
    {"QRLabel8", 136, 160, Negrita, "Exponente"},
    {"QRLabel9", 288, 160, Negrita, "Mantisa"},
    {"QRLabel10", 48, 184, Normal, "QRLabel10"},
    {"QRLabel11", 140, 184, Normal, "QRLabel11"},
    {"QRLabel12", 256, 184, Normal, "QRLabel12"},
    {"QRLabel13", 40, 216, Negrita, "Error Absoluto:"},
    {"QRLabel14", 56, 240, Normal, "Número más próximo a representar:"},
    {"QRLabel17", 288, 240, Normal, "QRLabel17"},
    {"QRLabel15", 56, 264, Normal, "Número que se quiere representar:"},
    {"QRLabel16", 288, 264, Normal, "QRLabel16"},
    {"QRLabel18", 56, 288, Normal, "Diferencia:"},
    {"QRLabel19", 288, 288, Normal, "QRLabel19"},
    {"QRLabel20", 40, 328, Negrita, "Error Relativo:"},
    {"QRLabel27", 56, 352, Normal, "(Error Absoluto)"},
    {"QRLabel28", 248, 352, Normal, "(Número que se quiere representar)"},
    {"QRLabel21", 56, 376, Normal, "QRLabel21"},
    {"QRLabel22", 240, 376, Normal, "/"},
    {"QRLabel23", 256, 376, Normal, "QRLabel23"},
    {"QRLabel24", 440, 376, Normal, "="},
    {"QRLabel25", 504, 376, Normal, "QRLabel25"},
    {"QRLabel29", 600, 992, Normal, "Cifral v1.0"},
};

// A label of a line and the room it leaves, at least, after the label
// before it; `arrastra` moves along with it (a head over its figure).
struct EnLinea {
    const char* nombre;
    int espacio;
    const char* arrastra;
};

const EnLinea lineaDelNumero[] = {
    {"QRLabel2", 0, nullptr},
    {"QRLabel4", 4, nullptr},
    {"QRLabel5", 4, nullptr},
    {"QRLabel6", 0, nullptr}, // raised beside the 10
};

const EnLinea lineaDelCociente[] = {
    {"QRLabel21", 0, nullptr}, {"QRLabel22", 6, nullptr}, {"QRLabel23", 4, "QRLabel28"},
    {"QRLabel24", 8, nullptr}, {"QRLabel25", 8, nullptr},
};

QPoint posicionDeDiseno(const QString& nombre)
{
    for (const Rotulo& r : rotulos)
        if (nombre == QLatin1String(r.nombre))
            return QPoint(r.x, r.y);
    qFatal("no label %s", qPrintable(nombre));
}

template <std::size_t N> void empujar(Informe& informe, const EnLinea (&linea)[N])
{
    double derecha = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const QString nombre = QString::fromLatin1(linea[i].nombre);
        const QPoint diseno = posicionDeDiseno(nombre);
        int x = diseno.x();
        if (i > 0)
            x = std::max(x, static_cast<int>(std::ceil(derecha)) + linea[i].espacio);
        informe.mover(nombre, QPoint(x, diseno.y()));
        if (linea[i].arrastra != nullptr) {
            const QString cabeza = QString::fromLatin1(linea[i].arrastra);
            informe.mover(cabeza, posicionDeDiseno(cabeza) + QPoint(x - diseno.x(), 0));
        }
        const EtiquetaInforme& e = informe.etiqueta(nombre);
        derecha = e.titulo.isEmpty() ? x : rectanguloEtiqueta(informe, e).right() - Margen;
    }
}

} // namespace

TForm5Rep::TForm5Rep() : QuickRep1(QStringLiteral("Decimal a IEEE 754 Simple Precisión"), QSize(718, 1035))
{
    for (const Rotulo& r : rotulos) {
        const int pixeles = r.fuente == Titulo ? 16 : r.fuente == Subtitulo ? 15 : 13;
        const bool negrita = r.fuente != Normal;
        QuickRep1.agregar(QString::fromUtf8(r.nombre), r.x, r.y, QString::fromUtf8(r.titulo), pixeles, negrita);
    }
}

void TForm5Rep::acomodar()
{
    empujar(QuickRep1, lineaDelNumero);
    empujar(QuickRep1, lineaDelCociente);
}

} // namespace cifral
