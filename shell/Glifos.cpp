#include "shell/Glifos.h"

#include <QPixmap>
#include <QPixmapCache>

static void iniciarRecursosCifral()
{
    Q_INIT_RESOURCE(cifral);
}

namespace cifral {

namespace {

// Every window shows the same few glyphs: each is decoded once and then
// shared.
QPixmap glifo(const QString& recurso)
{
    QPixmap p;
    if (!QPixmapCache::find(recurso, &p)) {
        p = QPixmap(recurso);
        QPixmapCache::insert(recurso, p);
    }
    return p;
}

} // namespace

void iniciarRecursos()
{
    iniciarRecursosCifral();
}

QIcon glifoMarca()
{
    QIcon icono;
    icono.addPixmap(glifo(QStringLiteral(":/glifos/marca.xpm")), QIcon::Normal);
    icono.addPixmap(glifo(QStringLiteral(":/glifos/marca_gris.xpm")), QIcon::Disabled);
    return icono;
}

QIcon glifoDetalle()
{
    return QIcon(glifo(QStringLiteral(":/glifos/detalle.xpm")));
}

QIcon glifoAyuda()
{
    return QIcon(glifo(QStringLiteral(":/glifos/ayuda.xpm")));
}

} // namespace cifral
