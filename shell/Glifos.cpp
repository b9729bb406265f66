#include "shell/Glifos.h"

#include <QPixmap>

static void iniciarRecursosCifral()
{
    Q_INIT_RESOURCE(cifral);
}

namespace cifral {

void iniciarRecursos()
{
    iniciarRecursosCifral();
}

QIcon glifoMarca()
{
    QIcon icono;
    icono.addPixmap(QPixmap(QStringLiteral(":/glifos/marca.xpm")), QIcon::Normal);
    icono.addPixmap(QPixmap(QStringLiteral(":/glifos/marca_gris.xpm")), QIcon::Disabled);
    return icono;
}

QIcon glifoDetalle()
{
    return QIcon(QPixmap(QStringLiteral(":/glifos/detalle.xpm")));
}

QIcon glifoAyuda()
{
    return QIcon(QPixmap(QStringLiteral(":/glifos/ayuda.xpm")));
}

} // namespace cifral
