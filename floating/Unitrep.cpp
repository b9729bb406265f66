#include "floating/Unitrep.h"

namespace cifral {

namespace {

// The fonts of the page, Arial in pixels.
constexpr Letra Grande{15, true}, Negrita{13, true}, Normal{13, false}, Chica{12, false};

// In reading order; a label printed over another follows it.
const DisenoEtiqueta rotulos[] = {
    {"QRLabel1", 16, 8, Grande, "Mantisa: "},
    {"QRLabel2", 80, 8, Grande, "QRLabel2"},
    {"QRLabel3", 16, 26, Grande, "en"},
    {"QRLabel25", 48, 26, Grande, "tsist"},
    {"QRLabel4", 112, 26, Grande, "de"},
    {"QRLabel5", 136, 26, Grande, "cbs"},
    {"QRLabel6", 160, 26, Grande, "Bits."},
    {"QRLabel7", 16, 48, Grande, "Exponente"},
    {"QRLabel8", 100, 48, Grande, "en"},
    {"QRLabel9", 128, 48, Grande, "sns"},
    {"QRLabel17", 190, 48, Grande, "en"},
    {"QRLabel26", 216, 48, Grande, "bs"},
    {"QRLabel10", 248, 48, Grande, "Bits."},
    {"QRLabel11", 16, 72, Negrita, "Número en Punto Flotante representado:"},
    {"QRLabel13", 16, 96, Normal, "Mantisa:"},
    {"man", 72, 96, Normal, "man"},
    {"QRLabel15", 272, 96, Normal, "Exponente:"},
    {"exp", 344, 96, Normal, "exp"},
    {"QRLabel12", 16, 128, Grande, "Resultado en decimal:"},
    {"QRLabel71", 184, 128, Normal, "QRLabel71"},
    {"QRLabel72", 336, 128, Normal, "*"},
    {"QRLabel75", 360, 128, Normal, "2"},
    {"QRLabel74", 376, 120, Normal, "QRLabel74"},
    {"QRLabel14", 16, 162, Negrita, "Número máximo positivo:"},
    {"QRLabel37", 272, 178, Chica, "Exponente máximo "},
    {"QRLabel28", 16, 186, Chica, "Mantisa máxima positiva:"},
    {"manmaxpos", 48, 202, Chica, "manmaxpos"},
    {"QRLabel31", 216, 202, Negrita, "*"},
    {"QRLabel16", 288, 200, Normal, "2"},
    {"expmaxpos", 300, 197, Chica, "expmaxpos"},
    {"QRLabel27", 448, 202, Grande, "="},
    {"Res", 472, 202, Chica, "Res1"},
    {"QRLabel20", 16, 232, Negrita, "Número mínimo positivo:"},
    {"QRLabel38", 272, 242, Chica, "Exponente mínimo "},
    {"QRLabel29", 16, 258, Chica, "Mantisa mínima positiva:"},
    {"manminpos", 48, 274, Chica, "manminpos"},
    {"QRLabel32", 216, 274, Negrita, "*"},
    {"QRLabel36", 288, 272, Normal, "2"},
    {"expminpos", 300, 265, Chica, "expminpos"},
    {"QRLabel33", 448, 274, Grande, "="},
    {"Res2", 472, 274, Chica, "Res2"},
    {"QRLabel21", 16, 296, Negrita, "Número máximo negativo:"},
    {"QRLabel34", 272, 306, Chica, "Exponente máximo"},
    {"QRLabel30", 16, 322, Chica, "Mantisa máxima negativa:"},
    {"manmaxneg", 48, 338, Chica, "manmaxneg"},
    {"QRLabel35", 216, 338, Negrita, "*"},
    {"QRLabel39", 288, 338, Normal, "2"},
    {"expmaxpos2", 300, 328, Chica, "expmaxpos2"},
    {"QRLabel43", 448, 346, Grande, "="},
    {"Res3", 472, 346, Chica, "Res3"},
    {"QRLabel19", 16, 376, Negrita, "Número mínimo negativo:"},
    {"QRLabel41", 272, 386, Chica, "Exponente mínimo  "},
    {"manminneg", 16, 402, Chica, "Mantisa mínima negativa:"},
    {"manmineg", 48, 418, Chica, "manmineg"},
    {"QRLabel40", 216, 418, Negrita, "*"},
    {"QRLabel70", 288, 418, Normal, "2"},
    {"expminneg", 300, 408, Chica, "expminneg"},
    {"QRLabel44", 448, 418, Grande, "="},
    {"Res4", 472, 418, Chica, "Res4"},
    {"QRLabel24", 16, 472, Negrita, "Resolución máxima positiva:"},
    {"QRLabel42", 16, 498, Chica, "Mayor número representable positivo:"},
    {"QRLabel56", 280, 498, Chica, "QRLabel56"},
    {"QRLabel45", 16, 522, Chica, "Anterior número representable:"},
    {"QRLabel58", 280, 520, Chica, "QRLabel58"},
    {"QRLabel52", 16, 546, Chica, "Diferencia:"},
    {"QRLabel60", 280, 546, Chica, "QRLabel60"},
    {"QRLabel23", 16, 576, Negrita, "Resolución mínima positiva:"},
    {"QRLabel46", 16, 602, Chica, "Menor número representable positivo:"},
    {"QRLabel57", 280, 602, Chica, "QRLabel57"},
    {"QRLabel47", 16, 626, Chica, "Siguiente número representable:"},
    {"QRLabel59", 280, 626, Chica, "QRLabel59"},
    {"QRLabel53", 16, 650, Chica, "Diferencia:"},
    {"QRLabel61", 280, 650, Chica, "QRLabel61"},
    {"QRLabel22", 16, 680, Negrita, "Resolución máxima negativa:"},
    {"QRLabel48", 16, 706, Chica, "Mayor número representable negativo:"},
    {"QRLabel62", 280, 706, Chica, "QRLabel62"},
    {"QRLabel49", 16, 730, Chica, "Anterior número representable:"},
    {"QRLabel67", 16, 730, Chica, "Anterior número representable:"},
    {"QRLabel63", 280, 730, Chica, "QRLabel63"},
    {"QRLabel66", 16, 754, Chica, "Difererncia:"},
    {"QRLabel69", 280, 754, Chica, "QRLabel69"},
    {"QRLabel18", 16, 784, Negrita, "Resolución mínima negativa:"},
    {"QRLabel50", 16, 810, Chica, "Mínimo número representable negativo:"},
    {"QRLabel65", 280, 810, Chica, "QRLabel65"},
    {"QRLabel51", 16, 834, Chica, "Siguiente número representable: "},
    {"QRLabel64", 280, 834, Chica, "QRLabel64"},
    {"QRLabel54", 16, 856, Chica, "Diferencia:"},
    {"QRLabel68", 280, 856, Chica, "QRLabel68"},
    {"QRLabel55", 624, 992, Chica, "Cifral v1.0"},
};

} // namespace

TForm2::TForm2() : QuickRep1(QStringLiteral("Representación de Binario a Decimal"), QSize(718, 1043))
{
    QuickRep1.agregar(rotulos);
}

const QStringList& TForm2::parteNegativa()
{
    static const QStringList nombres{
        QStringLiteral("QRLabel21"),  QStringLiteral("QRLabel34"), QStringLiteral("QRLabel30"),
        QStringLiteral("manmaxneg"),  QStringLiteral("QRLabel35"), QStringLiteral("QRLabel39"),
        QStringLiteral("expmaxpos2"), QStringLiteral("QRLabel43"), QStringLiteral("Res3"),
        QStringLiteral("QRLabel19"),  QStringLiteral("QRLabel41"), QStringLiteral("manminneg"),
        QStringLiteral("manmineg"),   QStringLiteral("QRLabel40"), QStringLiteral("QRLabel70"),
        QStringLiteral("expminneg"),  QStringLiteral("QRLabel44"), QStringLiteral("Res4"),
        QStringLiteral("QRLabel22"),  QStringLiteral("QRLabel48"), QStringLiteral("QRLabel62"),
        QStringLiteral("QRLabel67"),  QStringLiteral("QRLabel63"), QStringLiteral("QRLabel66"),
        QStringLiteral("QRLabel69"),  QStringLiteral("QRLabel18"), QStringLiteral("QRLabel50"),
        QStringLiteral("QRLabel65"),  QStringLiteral("QRLabel51"), QStringLiteral("QRLabel64"),
        QStringLiteral("QRLabel54"),  QStringLiteral("QRLabel68")};
    return nombres;
}

} // namespace cifral
