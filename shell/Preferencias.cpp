#include "shell/Preferencias.h"

#include <QByteArray>
#include <QSettings>
#include <QtGlobal>

#include <algorithm>

namespace cifral {

namespace {

constexpr const char* ClaveTamano = "interfaz/tamano";

QSettings preferencias()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Cifral"), QStringLiteral("Cifral"));
}

} // namespace

int tamanoDeInterfaz()
{
    const int t = preferencias().value(QLatin1String(ClaveTamano), 100).toInt();
    return std::find(TamanosDeInterfaz.begin(), TamanosDeInterfaz.end(), t) != TamanosDeInterfaz.end() ? t : 100;
}

void guardarTamanoDeInterfaz(int porcentaje)
{
    QSettings s = preferencias();
    s.setValue(QLatin1String(ClaveTamano), porcentaje);
    s.sync();
}

void aplicarTamanoDeInterfaz()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    const int t = tamanoDeInterfaz();
    if (t != 100)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(t / 100.0));
}

} // namespace cifral
