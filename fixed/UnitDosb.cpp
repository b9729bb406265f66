#include "fixed/UnitDosb.h"

namespace cifral {

Treporte2::Treporte2() : QuickRep1(QStringLiteral("Representación de Entero a Binario"), QSize(718, 1035))
{
    Informe& r = QuickRep1;
    r.agregar(QStringLiteral("QRLabel23"), 24, 16, QStringLiteral("Representación de Entero a Binario"), 15, true);
    r.agregar(QStringLiteral("QRLabel1"), 24, 56, QStringLiteral("Sistema:"), 13, true);
    r.agregar(QStringLiteral("QRLabel9"), 96, 56, QStringLiteral("QRLabel9"));
    r.agregar(QStringLiteral("QRLabel2"), 24, 88, QStringLiteral("Longitud de la cadena:"), 13, true);
    r.agregar(QStringLiteral("QRLabel10"), 184, 88, QStringLiteral("QRLabel10"));
    r.agregar(QStringLiteral("QRLabel3"), 24, 128, QStringLiteral("Número en decimal:"), 13, true);
    r.agregar(QStringLiteral("QRLabel11"), 184, 128, QStringLiteral("QRLabel11"));
    r.agregar(QStringLiteral("QRLabel4"), 24, 160, QStringLiteral("Número en binario:"), 13, true);
    r.agregar(QStringLiteral("QRLabel12"), 184, 160, QStringLiteral("QRLabel12"));
    r.agregar(QStringLiteral("QRLabel5"), 24, 192, QStringLiteral("Mínimo número negativo:"), 13, true);
    r.agregar(QStringLiteral("QRLabel13"), 208, 192, QStringLiteral("QRLabel13"));
    r.agregar(QStringLiteral("QRLabel6"), 24, 224, QStringLiteral("Máximo número negativo:"), 13, true);
    r.agregar(QStringLiteral("QRLabel14"), 208, 224, QStringLiteral("QRLabel14"));
    r.agregar(QStringLiteral("QRLabel7"), 24, 256, QStringLiteral("Mínimo número positivo:"), 13, true);
    r.agregar(QStringLiteral("QRLabel15"), 208, 256, QStringLiteral("QRLabel15"));
    r.agregar(QStringLiteral("QRLabel8"), 24, 288, QStringLiteral("Máximo número positivo:"), 13, true);
    r.agregar(QStringLiteral("QRLabel16"), 208, 288, QStringLiteral("QRLabel16"));
    r.agregar(QStringLiteral("QRLabel17"), 24, 328, QStringLiteral("Rango:"), 13, true);
    r.agregar(QStringLiteral("QRLabel20"), 152, 328, QStringLiteral("["));
    r.agregar(QStringLiteral("QRLabel18"), 160, 328, QStringLiteral("QRLabel18"));
    r.agregar(QStringLiteral("QRLabel22"), 248, 328, QStringLiteral(","));
    r.agregar(QStringLiteral("QRLabel19"), 264, 328, QStringLiteral("QRLabel19"));
    r.agregar(QStringLiteral("QRLabel21"), 344, 328, QStringLiteral("]"));
    r.agregar(QStringLiteral("QRLabel24"), 624, 1000, QStringLiteral("Cifral v1.0"));
}

} // namespace cifral
