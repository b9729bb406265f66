#include "fixed/UnitUnob.h"

namespace cifral {

TForm2a::TForm2a() : QuickRep1(QStringLiteral("Representación de Binario a Entero"), QSize(718, 1035))
{
    Informe& r = QuickRep1;
    r.agregar(QStringLiteral("QRLabel24"), 24, 16, QStringLiteral("Representación de Binario a Entero"), 15, true);
    r.agregar(QStringLiteral("QRLabel1"), 24, 48, QStringLiteral("Sistema:"), 13, true);
    r.agregar(QStringLiteral("QRLabel2"), 96, 48, QStringLiteral("QRLabel2"));
    r.agregar(QStringLiteral("QRLabel3"), 24, 80, QStringLiteral("Longitud de la cadena:"), 13, true);
    r.agregar(QStringLiteral("QRLabel5"), 184, 80, QStringLiteral("cbits"));
    r.agregar(QStringLiteral("QRLabel4"), 216, 80, QStringLiteral("Bits."));
    r.agregar(QStringLiteral("QRLabel10"), 24, 112, QStringLiteral("Número en binario representado:"), 13, true);
    r.agregar(QStringLiteral("QRLabel11"), 256, 112, QStringLiteral("QRLabel11"));
    r.agregar(QStringLiteral("QRLabel12"), 24, 152, QStringLiteral("Número en entero:"), 13, true);
    r.agregar(QStringLiteral("QRLabel23"), 160, 152, QStringLiteral("QRLabel23"));
    r.agregar(QStringLiteral("QRLabel6"), 24, 200, QStringLiteral("Mínimo número positivo representable:"), 13, true);
    r.agregar(QStringLiteral("QRLabel19"), 296, 200, QStringLiteral("QRLabel19"));
    r.agregar(QStringLiteral("QRLabel7"), 24, 232, QStringLiteral("Máximo número positivo representable:"), 13, true);
    r.agregar(QStringLiteral("QRLabel20"), 296, 232, QStringLiteral("QRLabel20"));
    r.agregar(QStringLiteral("QRLabel8"), 24, 264, QStringLiteral("Mínimo número negativo representable:"), 13, true);
    r.agregar(QStringLiteral("QRLabel21"), 296, 264, QStringLiteral("QRLabel21"));
    r.agregar(QStringLiteral("QRLabel9"), 24, 296, QStringLiteral("Máximo número negativo representable:"), 13, true);
    r.agregar(QStringLiteral("QRLabel22"), 296, 296, QStringLiteral("QRLabel22"));
    r.agregar(QStringLiteral("QRLabel13"), 24, 350, QStringLiteral("RANGO:"), 13, true);
    r.agregar(QStringLiteral("QRLabel14"), 96, 350, QStringLiteral("["), 16, true);
    r.agregar(QStringLiteral("QRLabel17"), 112, 350, QStringLiteral("QRLabel17"));
    r.agregar(QStringLiteral("QRLabel16"), 192, 350, QStringLiteral(","));
    r.agregar(QStringLiteral("QRLabel18"), 208, 350, QStringLiteral("QRLabel18"));
    r.agregar(QStringLiteral("QRLabel15"), 288, 350, QStringLiteral("]"), 16, true);
    r.agregar(QStringLiteral("QRLabel25"), 616, 1000, QStringLiteral("Cifral v1.0"));
}

} // namespace cifral
