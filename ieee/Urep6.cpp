#include "ieee/Urep6.h"

namespace cifral {

namespace {

// The fonts of the page, Arial in pixels.
// Title 12 pt, headings 10 pt bold, column heads 9 pt bold, the rest 10 pt.
constexpr Letra Titulo{16, true}, Encabezado{13, true}, Columna{12, true}, Normal{13, false};

// In reading order. The base of the result line comes after the formula
// part, so that a whitened label never covers a special text moved up.
const DisenoEtiqueta rotulos[] = {
    {"QRLabel4", 16, 16, Titulo, "IEEE 754 Simple Precisión a Decimal"},
    {"QRLabel17", 16, 48, Encabezado, "Número en IEEE 754 de 32 bits representado:"},
    {"QRLabel19", 24, 72, Columna, "Signo"},
    {"QRLabel21", 128, 72, Columna, "Exponente"},
    {"QRLabel20", 256, 72, Columna, "Mantisa"},
    {"QRLabel1", 32, 96, Normal, "QRLabel1"},
    {"QRLabel2", 128, 96, Normal, "QRLabel2"},
    {"QRLabel3", 224, 96, Normal, "QRLabel3"},
    {"QRLabel5", 24, 128, Encabezado, "Resultado en decimal:"},
    {"QRLabel7", 32, 160, Normal, "QRLabel7"},
    {"QRLabel8", 96, 168, Normal, "*"},
    {"QRLabel9", 112, 168, Normal, "QRLabel9"},
    {"QRLabel11", 288, 168, Normal, "="},
    {"QRLabel12", 320, 168, Normal, "QRLabel12"},
    {"QRLabel22", 336, 160, Normal, "QRLabel22"},
    {"QRLabel23", 392, 168, Normal, "*"},
    {"QRLabel24", 408, 168, Normal, "QRLabel24"},
    {"QRLabel6", 16, 168, Normal, "QRLabel6"},
    {"QRLabel10", 16, 232, Encabezado, "Cálculo del Error  Absoluto Máximo:"},
    {"QRLabel13", 16, 264, Normal, "Número representado:"},
    {"QRLabel14", 280, 264, Normal, "QRLabel14"},
    {"QRLabel27", 312, 264, Normal, "QRLabel27"},
    {"QRLabel28", 400, 264, Normal, "QRLabel28"},
    {"QRLabel15", 16, 288, Normal, "Número anterior:"},
    {"QRLabel16", 280, 288, Normal, "QRLabel16"},
    {"QRLabel29", 312, 288, Normal, "QRLabel29"},
    {"QRLabel30", 400, 288, Normal, "QRLabel30"},
    {"QRLabel31", 16, 312, Normal, "Número representado en decimal:"},
    {"QRLabel33", 280, 312, Normal, "QRLabel33"},
    {"QRLabel32", 16, 336, Normal, "Número anterior en decimal:"},
    {"QRLabel18", 280, 336, Normal, "QRLabel18"},
    {"QRLabel25", 16, 368, Normal, "Error Absoluto Máximo:"},
    {"QRLabel34", 280, 368, Normal, "QRLabel34"},
    {"QRLabel35", 448, 368, Normal, "/    2"},
    {"QRLabel36", 496, 368, Normal, "="},
    {"QRLabel26", 520, 368, Normal, "QRLabel26"},
};

} // namespace

TForm6Rep::TForm6Rep() : QuickRep1(QStringLiteral("IEEE 754 Simple Precisión a Decimal"), QSize(718, 403))
{
    QuickRep1.agregar(rotulos);
    // On the page itself, below and beside the band.
    QuickRep1.agregarFueraDeBanda(QStringLiteral("QRLabel37"), 416, 168, QStringLiteral("QRLabel37"));
    QuickRep1.agregarFueraDeBanda(QStringLiteral("QRLabel38"), 632, 1048, QStringLiteral("Cifral v1.0"));
}

const QStringList& TForm6Rep::parteFormula()
{
    static const QStringList nombres{QStringLiteral("QRLabel7"),  QStringLiteral("QRLabel8"),
                                     QStringLiteral("QRLabel9"),  QStringLiteral("QRLabel11"),
                                     QStringLiteral("QRLabel12"), QStringLiteral("QRLabel23"),
                                     QStringLiteral("QRLabel24"), QStringLiteral("QRLabel22")};
    return nombres;
}

} // namespace cifral
