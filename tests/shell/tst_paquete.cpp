// The Debian package built from this tree: its name and dependencies, the
// files it installs, the icons its menu entry names, the desktop's validators
// on its menu entry and metadata, and the program's name on the desktop.
#include "shell/Arranque.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace cifral;

namespace {

struct Salida {
    int codigo = -1;
    QString texto; // standard output and error together
};

Salida correr(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    proceso.start(programa, argumentos);
    if (!proceso.waitForStarted())
        return {-1, programa + QStringLiteral(" no arranca: falta instalarlo (bash scripts/instalar --pruebas)")};
    proceso.waitForFinished(120000);
    Salida s;
    s.codigo = proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1;
    s.texto = QString::fromUtf8(proceso.readAll());
    return s;
}

QString leer(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The value of a key of a desktop entry, or of a field of a package's control.
QString valor(const QString& texto, const QString& clave, QChar separador)
{
    const QRegularExpression linea(QStringLiteral("^") + QRegularExpression::escape(clave) + QStringLiteral("\\s*") +
                                       separador + QStringLiteral("\\s*(.*)$"),
                                   QRegularExpression::MultilineOption);
    return linea.match(texto).captured(1).trimmed();
}

const int Lados[] = {16, 32, 48, 64, 128, 256};

} // namespace

class TestDebian : public QObject {
    Q_OBJECT

    QTemporaryDir temporal;
    QString paquete;          // the .deb
    QString control;          // its control fields
    QStringList listado;      // `dpkg-deb -c`: one line per entry
    QString raiz;             // the package unpacked, as installed
    QString escritorio;       // the menu entry's text
    QString nombreEscritorio; // its file name

private slots:
    void initTestCase()
    {
        prepararAplicacion();
        QVERIFY(temporal.isValid());
        const QString compilacion = QStringLiteral(CIFRAL_COMPILACION);
        const Salida cpack = correr(QStringLiteral(CIFRAL_CPACK),
                                    {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), temporal.path(),
                                     QStringLiteral("--config"), compilacion + QStringLiteral("/CPackConfig.cmake")});
        QVERIFY2(cpack.codigo == 0, qPrintable(cpack.texto));
        const QStringList debs = QDir(temporal.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        paquete = temporal.filePath(debs.first());

        const Salida campos = correr(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), paquete});
        QVERIFY2(campos.codigo == 0, qPrintable(campos.texto));
        control = campos.texto;
        const Salida contenido = correr(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), paquete});
        QVERIFY2(contenido.codigo == 0, qPrintable(contenido.texto));
        listado = contenido.texto.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        raiz = temporal.filePath(QStringLiteral("raiz"));
        const Salida extraer = correr(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), paquete, raiz});
        QVERIFY2(extraer.codigo == 0, qPrintable(extraer.texto));

        const QStringList entradas =
            QDir(raiz + QStringLiteral("/usr/share/applications")).entryList({QStringLiteral("*.desktop")});
        QCOMPARE(entradas.size(), 1);
        nombreEscritorio = entradas.first();
        escritorio = leer(raiz + QStringLiteral("/usr/share/applications/") + nombreEscritorio);
    }

    // Named by Debian's convention, package_version_architecture.deb, with
    // one version in the package, its changelog and its metadata; depending
    // on the runtime libraries and the fonts, never on a development
    // package or a compiler.
    void nombreYDependencias()
    {
        const QString nombre = valor(control, QStringLiteral("Package"), QLatin1Char(':'));
        const QString version = valor(control, QStringLiteral("Version"), QLatin1Char(':'));
        QCOMPARE(nombre, QStringLiteral("cifral"));
        QCOMPARE(QFileInfo(paquete).fileName(), nombre + QLatin1Char('_') + version + QLatin1Char('_') +
                                                    valor(control, QStringLiteral("Architecture"), QLatin1Char(':')) +
                                                    QStringLiteral(".deb"));
        const Salida cambios =
            correr(QStringLiteral("gzip"),
                   {QStringLiteral("-dc"), raiz + QStringLiteral("/usr/share/doc/cifral/changelog.gz")});
        QVERIFY2(cambios.texto.startsWith(nombre + QStringLiteral(" (") + version + QStringLiteral(")")),
                 qPrintable(cambios.texto));
        const QString metadatos = leer(raiz + QStringLiteral("/usr/share/metainfo/") +
                                       QGuiApplication::desktopFileName() + QStringLiteral(".metainfo.xml"));
        QVERIFY2(metadatos.contains(QStringLiteral("<release version=\"") + version + QLatin1Char('"')),
                 qPrintable(version));

        QStringList depende;
        const QString linea = valor(control, QStringLiteral("Depends"), QLatin1Char(':'));
        for (const QString& d : linea.split(QRegularExpression(QStringLiteral("[,|]")), Qt::SkipEmptyParts))
            depende << d.section(QLatin1Char('('), 0, 0).trimmed();
        for (const char* necesario : {"fonts-liberation2", "libqt6widgets6", "libqt6printsupport6", "libc6"})
            QVERIFY2(depende.contains(QLatin1String(necesario)), qPrintable(linea));
        for (const QString& d : depende)
            QVERIFY2(!d.endsWith(QLatin1String("-dev")) && !d.startsWith(QLatin1String("g++")) &&
                         !d.startsWith(QLatin1String("gcc")) && d != QLatin1String("cmake"),
                     qPrintable(linea));
    }

    // The command and the desktop's files, all under /usr and nothing from
    // /usr/local, the build folder or elsewhere; the build tree's program
    // name does not leak into the package.
    void archivos()
    {
        const QString compilacion = QDir::cleanPath(QStringLiteral(CIFRAL_COMPILACION)).mid(1);
        const QStringList lugares = {
            QStringLiteral("./usr/bin/cifral"),        QStringLiteral("./usr/share/applications/"),
            QStringLiteral("./usr/share/metainfo/"),   QStringLiteral("./usr/share/icons/hicolor/"),
            QStringLiteral("./usr/share/doc/cifral/"), QStringLiteral("./usr/share/man/man1/cifral.1.gz"),
        };
        bool comando = false;
        int metadatos = 0;
        for (const QString& entrada : listado) {
            const QString modo = entrada.section(QLatin1Char(' '), 0, 0);
            const QString ruta = entrada.section(QLatin1Char(' '), -1);
            QVERIFY2(ruta.startsWith(QLatin1String("./usr/")), qPrintable(entrada));
            QVERIFY2(!ruta.startsWith(QLatin1String("./usr/local")), qPrintable(entrada));
            QVERIFY2(!ruta.contains(compilacion) && !ruta.contains(QLatin1String("Project1")), qPrintable(entrada));
            if (modo.startsWith(QLatin1Char('d')))
                continue;
            QVERIFY2(std::any_of(lugares.begin(), lugares.end(), [&](const QString& l) { return ruta.startsWith(l); }),
                     qPrintable(entrada));
            if (ruta == QLatin1String("./usr/bin/cifral")) {
                comando = true;
                QCOMPARE(modo, QStringLiteral("-rwxr-xr-x"));
            }
            if (ruta.startsWith(QLatin1String("./usr/share/metainfo/")))
                metadatos++;
        }
        QVERIFY(comando);
        QCOMPARE(metadatos, 1);
        // The menu entry starts the installed command.
        QCOMPARE(valor(escritorio, QStringLiteral("Exec"), QLatin1Char('=')), QStringLiteral("cifral"));
    }

    // The icon the menu entry names is in the hicolor theme: scalable, and a
    // PNG of each size in the folder of that size.
    void iconos()
    {
        const QString icono = valor(escritorio, QStringLiteral("Icon"), QLatin1Char('='));
        QVERIFY(!icono.isEmpty());
        const QString tema = raiz + QStringLiteral("/usr/share/icons/hicolor/");
        QVERIFY(leer(tema + QStringLiteral("scalable/apps/") + icono + QStringLiteral(".svg")).contains("<svg"));
        for (const int lado : Lados) {
            const QString archivo = tema + QStringLiteral("%1x%1/apps/").arg(lado) + icono + QStringLiteral(".png");
            const QImage imagen(archivo);
            QVERIFY2(!imagen.isNull(), qPrintable(archivo));
            QCOMPARE(imagen.size(), QSize(lado, lado));
        }
    }

    // The validators of the desktop accept the menu entry and the metadata.
    // The entry is in two main categories, Education and Science, on
    // purpose: desktop-file-validate's hint about that is no fault.
    void validadores()
    {
        const Salida entrada = correr(QStringLiteral("desktop-file-validate"),
                                      {raiz + QStringLiteral("/usr/share/applications/") + nombreEscritorio});
        QVERIFY2(entrada.codigo == 0, qPrintable(entrada.texto));
        QVERIFY2(!entrada.texto.contains(QLatin1String("error:")) && !entrada.texto.contains(QLatin1String("warning:")),
                 qPrintable(entrada.texto));

        const QStringList metainfo =
            QDir(raiz + QStringLiteral("/usr/share/metainfo")).entryList({QStringLiteral("*.metainfo.xml")});
        QCOMPARE(metainfo.size(), 1);
        const Salida metadatos =
            correr(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                    raiz + QStringLiteral("/usr/share/metainfo/") + metainfo.first()});
        QVERIFY2(metadatos.codigo == 0, qPrintable(metadatos.texto));
        // The whole tree: the metadata's menu entry is there under its name.
        const Salida arbol =
            correr(QStringLiteral("appstreamcli"), {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), raiz});
        QVERIFY2(arbol.codigo == 0, qPrintable(arbol.texto));
    }

    // The program names itself after the installed menu entry, so that the
    // desktop shows its windows as "Cifral" with the icon; the window icon
    // comes from the program's resources in the sizes of title and task
    // bars.
    void nombreEnElEscritorio()
    {
        QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), nombreEscritorio);
        const QString metainfo = leer(raiz + QStringLiteral("/usr/share/metainfo/") +
                                      QGuiApplication::desktopFileName() + QStringLiteral(".metainfo.xml"));
        QVERIFY(
            metainfo.contains(QStringLiteral("<id>") + QGuiApplication::desktopFileName() + QStringLiteral("</id>")));
        QCOMPARE(valor(escritorio, QStringLiteral("Name"), QLatin1Char('=')), QStringLiteral("Cifral"));

        const QIcon icono = QApplication::windowIcon();
        for (const int lado : {16, 32, 48, 64}) {
            QVERIFY2(icono.availableSizes().contains(QSize(lado, lado)), qPrintable(QString::number(lado)));
            QCOMPARE(icono.pixmap(QSize(lado, lado)).size(), QSize(lado, lado));
        }
    }
};

QTEST_MAIN(TestDebian)
#include "tst_paquete.moc"
