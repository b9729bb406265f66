#include "ieee/Unit5Rep.h"

namespace cifral {

namespace {

constexpr Letra Titulo{16, true}, Subtitulo{15, true}, Negrita{13, true}, Normal{13, false};

// In reading order.
const DisenoEtiqueta rotulos[] = {
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

// The typed number times ten raised to its power, and the quotient of the
// relative error with the head over its divisor.
const EnLinea lineaDelNumero[] = {
    {"QRLabel2", 0}, {"QRLabel4", 4}, {"QRLabel5", 4}, {"QRLabel6", 0}, // raised beside the 10
};

const EnLinea lineaDelCociente[] = {
    {"QRLabel21", 0}, {"QRLabel22", 6}, {"QRLabel23", 4, "QRLabel28"}, {"QRLabel24", 8}, {"QRLabel25", 8},
};

} // namespace

TForm5Rep::TForm5Rep() : QuickRep1(QStringLiteral("Decimal a IEEE 754 Simple Precisión"), QSize(718, 1035))
{
    QuickRep1.agregar(rotulos);
}

void TForm5Rep::acomodar()
{
    QuickRep1.despejarLinea(lineaDelNumero);
    QuickRep1.despejarLinea(lineaDelCociente);
}

} // namespace cifral
