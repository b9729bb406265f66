#include "floating/UnitRep4.h"

namespace cifral {

namespace {

// The fonts of the page, Arial in pixels: large bold 15, bold 13, plain 13,
// small bold 12 and small 12.
constexpr Letra Grande{15, true}, Negrita{13, true}, Normal{13, false}, ChicaNegrita{12, true}, Chica{12, false};

// In reading order. The captions of the written labels are placeholders
// that every press of "Ver detalle" replaces (all but the kind of mantissa,
// which stays until a kind is chosen).
const DisenoEtiqueta rotulos[] = {
    {"QRLabel1", 16, 32, Grande, "Mantisa:"},
    {"QRLabel2", 80, 32, Grande, "QRLabel2"},
    {"QRLabel3", 16, 56, Grande, "en"},
    {"QRLabel63", 48, 56, Grande, "sist"},
    {"QRLabel5", 96, 56, Grande, "de"},
    {"QRLabel62", 128, 56, Grande, "en"},
    {"QRLabel4", 168, 56, Grande, "Bits."},
    {"QRLabel6", 16, 80, Grande, "Exponente"},
    {"QRLabel7", 96, 80, Grande, "en"},
    {"QRLabel8", 128, 80, Grande, "sist"},
    {"QRLabel9", 168, 80, Grande, "en"},
    {"QRLabel10", 200, 80, Grande, "cbits"},
    {"QRLabel64", 240, 80, Grande, "Bits."},
    {"QRLabel11", 16, 120, Negrita, "Número decimal ingresado:"},
    {"QRLabel12", 32, 144, Normal, "QRLabel12"},
    {"QRLabel13", 16, 168, Negrita, "Representación en Punto Flotante:"},
    {"QRLabel15", 24, 192, ChicaNegrita, "Mantisa:"},
    {"QRLabel14", 96, 192, Chica, "QRLabel14"},
    {"QRLabel16", 24, 216, ChicaNegrita, "Exponente:"},
    {"QRLabel17", 96, 216, Chica, "QRLabel17"},
    {"QRLabel18", 24, 248, Negrita, "Número máximo positivo:"},
    {"QRLabel19", 32, 280, Chica, "Mantisa máxima positiva"},
    {"QRLabel22", 208, 280, Chica, "Exponente máximo"},
    {"QRLabel24", 240, 296, Normal, "expdos"},
    {"QRLabel20", 56, 304, Normal, "num1"},
    {"QRLabel21", 184, 304, Normal, "*"},
    {"QRLabel23", 224, 304, Normal, "2"},
    {"QRLabel33", 336, 304, Negrita, "="},
    {"QRLabel34", 368, 304, Normal, "res1"},
    {"QRLabel25", 24, 328, Negrita, "Número mínimo positivo:"},
    {"QRLabel31", 208, 336, Chica, "Exponente mínimo"},
    {"QRLabel26", 32, 352, Chica, "Mantisa mínima positiva"},
    {"QRLabel30", 240, 368, Normal, "expdos"},
    {"QRLabel27", 56, 376, Normal, "num1"},
    {"QRLabel28", 184, 376, Normal, "*"},
    {"QRLabel29", 224, 376, Normal, "2"},
    {"QRLabel32", 336, 376, Negrita, "="},
    {"QRLabel35", 368, 376, Normal, "res1"},
    {"QRLabel36", 24, 400, Negrita, "Número máximo negativo:"},
    {"QRLabel37", 32, 424, Chica, "Mantisa máxima negativa"},
    {"QRLabel42", 208, 424, Chica, "Exponente máximo"},
    {"QRLabel41", 240, 440, Normal, "expdos"},
    {"QRLabel38", 56, 448, Normal, "num1"},
    {"QRLabel39", 184, 448, Normal, "*"},
    {"QRLabel40", 224, 448, Normal, "2"},
    {"QRLabel43", 336, 448, Negrita, "="},
    {"QRLabel44", 368, 448, Normal, "res1"},
    {"QRLabel45", 24, 480, Negrita, "Número mínimo negativo:"},
    {"QRLabel46", 32, 504, Chica, "Mantisa mínima negativa"},
    {"QRLabel51", 208, 504, Chica, "Exponente mínimo"},
    {"QRLabel50", 240, 520, Normal, "expdos"},
    {"QRLabel47", 56, 528, Normal, "num1"},
    {"QRLabel48", 184, 528, Normal, "*"},
    {"QRLabel49", 224, 528, Normal, "2"},
    {"QRLabel52", 336, 528, Negrita, "="},
    {"QRLabel53", 368, 528, Normal, "res1"},
    {"QRLabel54", 24, 568, Negrita, "Resolución máxima positiva:"},
    {"QRLabel55", 224, 568, Normal, "res1"},
    {"QRLabel56", 24, 600, Negrita, "Resolución mínima positiva:"},
    {"QRLabel57", 224, 600, Normal, "res1"},
    {"QRLabel58", 24, 632, Negrita, "Resolución máxima negativa:"},
    {"QRLabel59", 224, 632, Normal, "res1"},
    {"QRLabel60", 24, 664, Negrita, "Resolución mínima negativa:"},
    {"QRLabel61", 224, 664, Normal, "res1"},
    {"QRLabel65", 24, 696, Negrita, "Error Relativo:"},
    {"QRLabel67", 224, 696, Normal, "res1"},
    {"QRLabel66", 24, 728, Negrita, "Error Absoluto:"},
    {"QRLabel68", 224, 728, Normal, "res1"},
    {"QRLabel69", 608, 1008, Chica, "Cifral v1.0"},
};

} // namespace

TFormRep4::TFormRep4() : QuickRep1(QStringLiteral("Representación de Decimal a Punto Flotante"), QSize(718, 1043))
{
    QuickRep1.agregar(rotulos);
}

void TFormRep4::despejarSistemas()
{
    // "Exceso" is wider than the room the header leaves for a system name.
    static const EnLinea mantisa[] = {{"QRLabel63", 0}, {"QRLabel5", 6}, {"QRLabel62", 6}, {"QRLabel4", 6}};
    static const EnLinea exponente[] = {{"QRLabel8", 0}, {"QRLabel9", 6}, {"QRLabel10", 6}, {"QRLabel64", 6}};
    QuickRep1.despejarLinea(mantisa);
    QuickRep1.despejarLinea(exponente);
}

const QStringList& TFormRep4::parteNegativa()
{
    static const QStringList nombres = [] {
        QStringList r;
        for (int i = 36; i <= 53; ++i)
            r << QStringLiteral("QRLabel%1").arg(i);
        for (int i = 58; i <= 61; ++i)
            r << QStringLiteral("QRLabel%1").arg(i);
        return r;
    }();
    return nombres;
}

} // namespace cifral
