#include "shell/VisorAyuda.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace cifral {

VisorAyuda::VisorAyuda(QWidget* padre) : QWidget(padre, Qt::Window), navegador_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("VisorAyuda"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Ayuda de Cifral"));
    resize(680, 560);
    navegador_->setObjectName(QStringLiteral("Contenido"));
    navegador_->setOpenExternalLinks(false);
    navegador_->setOpenLinks(true);

    auto* atras = new QPushButton(QStringLiteral("< Atrás"), this);
    atras->setObjectName(QStringLiteral("Atras"));
    auto* inicio = new QPushButton(QStringLiteral("Contenido"), this);
    inicio->setObjectName(QStringLiteral("Inicio"));
    atras->setEnabled(false);
    connect(atras, &QPushButton::clicked, navegador_, &QTextBrowser::backward);
    connect(inicio, &QPushButton::clicked, navegador_, &QTextBrowser::home);
    connect(navegador_, &QTextBrowser::backwardAvailable, atras, &QPushButton::setEnabled);

    auto* barra = new QHBoxLayout;
    barra->addWidget(atras);
    barra->addWidget(inicio);
    barra->addStretch();
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(barra);
    capa->addWidget(navegador_);
}

void VisorAyuda::abrirContenido(const QString& archivo)
{
    archivo_ = archivo;
    const QString pagina = paginaDeAyuda(archivo);
    encontrado_ = !pagina.isEmpty();
    if (encontrado_) {
        navegador_->setSource(pagina.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + pagina)
                                                                  : QUrl::fromLocalFile(pagina));
    } else {
        navegador_->setSource(QUrl());
        navegador_->setHtml(QStringLiteral("<h2>No se encontró la ayuda</h2>"
                                           "<p>El archivo de ayuda <b>%1</b> no existe o no se puede abrir.</p>"
                                           "<p>Las páginas de ayuda de Cifral se instalan junto con el programa; "
                                           "si falta alguna, vuelva a compilar o instalar Cifral.</p>")
                                .arg(archivo.toHtmlEscaped()));
    }
    // Each help file starts its own history.
    navegador_->clearHistory();
    setWindowTitle(QStringLiteral("Ayuda de Cifral - ") +
                   (archivo.isEmpty() ? QStringLiteral("(sin archivo)") : archivo));
    show();
    raise();
    activateWindow();
}

VisorAyuda& VisorAyuda::compartido()
{
    static VisorAyuda* visor = nullptr;
    if (visor == nullptr) {
        visor = new VisorAyuda;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete visor;
            visor = nullptr;
        });
    }
    return *visor;
}

} // namespace cifral
