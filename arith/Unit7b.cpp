#include "arith/Unit7b.h"

namespace cifral {

namespace {

// The fonts of the page, Arial in pixels.
constexpr Letra Titulo{19, true}, Encabezado{15, true}, Subencabezado{13, true},
    Valor{13, false}, // the page's own font
    Resultado{15, false};

// In reading order.
const DisenoEtiqueta rotulos[] = {
    {"QRLabel1", 56, 24, Titulo, "Suma Y Resta"},
    {"QRLabel2", 32, 80, Encabezado, "Tipo de mantisa:"},
    {"QRLabel3", 168, 80, Valor, "QRLabel3"},
    {"QRLabel4", 32, 112, Encabezado, "Sistema de mantisa:"},
    {"QRLabel5", 192, 112, Valor, "QRLabel5"},
    {"QRLabel6", 32, 144, Encabezado, "Longitud de mantisa:"},
    {"QRLabel7", 192, 144, Valor, "QRLabel7"},
    {"QRLabel8", 32, 176, Encabezado, "Sistema de exponente:"},
    {"QRLabel9", 208, 176, Valor, "QRLabel9"},
    {"QRLabel10", 32, 208, Encabezado, "Longitud de exponente:"},
    {"QRLabel11", 208, 208, Valor, "QRLabel11"},
    {"QRLabel12", 32, 240, Encabezado, "Operación:"},
    {"QRLabel13", 120, 240, Valor, "QRLabel13"},
    {"QRLabel14", 32, 280, Encabezado, "Primer Número en Binario:"},
    {"QRLabel19", 296, 280, Encabezado, "Primer Número en Decimal:"},
    {"QRLabel15", 32, 312, Subencabezado, "Mantisa"},
    {"QRLabel17", 168, 312, Subencabezado, "Exponente:"},
    {"QRLabel20", 296, 312, Subencabezado, "Mantisa"},
    {"QRLabel21", 432, 312, Subencabezado, "Exponente:"},
    {"QRLabel16", 32, 336, Valor, "QRLabel16"},
    {"QRLabel18", 168, 336, Valor, "QRLabel18"},
    {"QRLabel22", 288, 336, Valor, "QRLabel22"},
    {"QRLabel23", 432, 336, Valor, "QRLabel23"},
    {"QRLabel26", 32, 392, Encabezado, "Segundo Número en Binario:"},
    {"QRLabel29", 296, 392, Encabezado, "Segundo Número en Decimal:"},
    {"QRLabel27", 32, 424, Subencabezado, "Mantisa"},
    {"QRLabel28", 168, 424, Subencabezado, "Exponente:"},
    {"QRLabel30", 296, 424, Subencabezado, "Mantisa"},
    {"QRLabel31", 432, 424, Subencabezado, "Exponente:"},
    {"QRLabel32", 32, 448, Valor, "QRLabel32"},
    {"QRLabel33", 168, 448, Valor, "QRLabel33"},
    {"QRLabel34", 288, 448, Valor, "QRLabel34"},
    {"QRLabel35", 432, 448, Valor, "QRLabel35"},
    {"QRLabel36", 216, 504, Subencabezado, "Mantisa"},
    {"QRLabel38", 360, 504, Subencabezado, "Exponente:"},
    {"QRLabel24", 32, 528, Encabezado, "Resultado en Binario:"},
    {"QRLabel25", 208, 528, Resultado, "Resultado:"},
    {"QRLabel37", 360, 528, Resultado, "Resultado:"},
    {"QRLabel39", 32, 560, Encabezado, "Resultado en Decimal:"},
    {"QRLabel40", 208, 560, Resultado, "Resultado:"},
    {"QRLabel41", 360, 560, Resultado, "Resultado:"},
    {"QRLabel42", 624, 1008, Valor, "Cifral v1.0"},
};

} // namespace

TForm7b::TForm7b() : QuickRep1(QStringLiteral("Suma y Resta"), QSize(718, 1043))
{
    QuickRep1.agregar(rotulos);
}

} // namespace cifral
