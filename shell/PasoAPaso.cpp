#include "shell/PasoAPaso.h"

#include "shell/Controles.h"
#include "shell/Servicios.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cifral {

namespace {

QString escapar(const std::string& s)
{
    return QString::fromStdString(s).toHtmlEscaped();
}

// The colours of a float's fields, as the laboratory and the IEEE reports
// of this program write them: sign, exponent, fraction.
const char* colorDeCampo(Tramo::Tipo tipo)
{
    switch (tipo) {
    case Tramo::Tipo::Signo:
        return "#b3261e";
    case Tramo::Tipo::Exponente:
        return "#1f5fae";
    case Tramo::Tipo::Fraccion:
        return "#2e7d32";
    default:
        return nullptr;
    }
}

QString htmlDeTramo(const Tramo& tramo)
{
    const QString s = escapar(tramo.contenido);
    switch (tramo.tipo) {
    case Tramo::Tipo::Texto:
        return s;
    case Tramo::Tipo::Cifra:
        return QStringLiteral("<b>%1</b>").arg(s);
    case Tramo::Tipo::Bits:
        return QStringLiteral("<span style=\"font-family:'Liberation Mono',monospace;\">%1</span>").arg(s);
    case Tramo::Tipo::Signo:
    case Tramo::Tipo::Exponente:
    case Tramo::Tipo::Fraccion:
        return QStringLiteral("<span style=\"font-family:'Liberation Mono',monospace; font-weight:bold; "
                              "color:%1;\">%2</span>")
            .arg(QLatin1String(colorDeCampo(tramo.tipo)), s);
    }
    return s;
}

QString htmlDeLinea(const Linea& linea)
{
    QString r;
    for (const Tramo& tramo : linea)
        r += htmlDeTramo(tramo);
    return r;
}

QString htmlDeTabla(const Tabla& tabla)
{
    QString r = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-color:#9a9a9a; margin-left:18px;\">");
    if (!tabla.encabezados.empty()) {
        r += QStringLiteral("<tr>");
        for (const std::string& e : tabla.encabezados)
            r += QStringLiteral("<th style=\"background:#e8e8e8;\">%1</th>").arg(escapar(e));
        r += QStringLiteral("</tr>");
    }
    for (const auto& fila : tabla.filas) {
        r += QStringLiteral("<tr>");
        for (const Tramo& celda : fila)
            r += QStringLiteral("<td align=\"%1\">%2</td>")
                     .arg(celda.esCifra() ? QStringLiteral("right") : QStringLiteral("left"), htmlDeTramo(celda));
        r += QStringLiteral("</tr>");
    }
    return r + QStringLiteral("</table>");
}

} // namespace

// ------------------------------------------------------------ the window

TFormPasoAPaso::TFormPasoAPaso(QWidget* conversor, const QString& nombre, const QString& indicacion)
    : QWidget(conversor, Qt::Window), nombre_(nombre), indicacion_(indicacion)
{
    setObjectName(QStringLiteral("FormPasoAPaso"));
    setWindowTitle(QStringLiteral("Paso a paso \u2014 ") + nombre);
    setAccessibleName(windowTitle());
    resize(600, 640);

    Titulo = new QLabel(QStringLiteral("Cómo se hizo la conversión, paso a paso"), this);
    Titulo->setObjectName(QStringLiteral("Titulo"));
    Titulo->setFont(fuente(15, true));

    PasoAPaso = new QTextBrowser(this);
    PasoAPaso->setObjectName(QStringLiteral("PasoAPaso"));
    PasoAPaso->setAccessibleName(QStringLiteral("Trabajo de la conversión"));
    PasoAPaso->setOpenLinks(false);
    PasoAPaso->setFont(fuente(14));
    PasoAPaso->document()->setDefaultStyleSheet(
        QStringLiteral("h3 { margin-top: 12px; margin-bottom: 4px; } p { margin-top: 2px; margin-bottom: 2px; }"));
    Titulo->setBuddy(PasoAPaso);

    Copiar = new QPushButton(QStringLiteral("Copiar"), this);
    Copiar->setObjectName(QStringLiteral("Copiar"));
    Copiar->setToolTip(QStringLiteral("Copia todo el trabajo como texto (Ctrl+Mayús+C)"));
    Copiar->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    Imprimir = new QPushButton(QStringLiteral("Imprimir…"), this);
    Imprimir->setObjectName(QStringLiteral("Imprimir"));
    Imprimir->setToolTip(QStringLiteral("Vista previa para imprimir o guardar como PDF (Ctrl+P)"));
    Imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    Cerrar->setObjectName(QStringLiteral("Cerrar"));
    Cerrar->setToolTip(QStringLiteral("Cierra esta ventana (Esc)"));
    for (QPushButton* b : {Copiar, Imprimir, Cerrar})
        b->setAutoDefault(false);

    auto* botones = new QHBoxLayout;
    botones->addWidget(Copiar);
    botones->addWidget(Imprimir);
    botones->addStretch(1);
    botones->addWidget(Cerrar);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(Titulo);
    todo->addWidget(PasoAPaso, 1);
    todo->addLayout(botones);

    setTabOrder(PasoAPaso, Copiar);
    setTabOrder(Copiar, Imprimir);
    setTabOrder(Imprimir, Cerrar);

    connect(Copiar, &QPushButton::clicked, this, [this] { Copiar_Click(); });
    connect(Imprimir, &QPushButton::clicked, this, [this] { Imprimir_Click(); });
    connect(Cerrar, &QPushButton::clicked, this, &QWidget::close);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);

    mostrarIndicacion();
}

void TFormPasoAPaso::mostrarTrabajo(const Trabajo& trabajo)
{
    trabajo_ = trabajo;
    tieneTrabajo_ = true;
    PasoAPaso->setHtml(html(trabajo_));
    Imprimir->setEnabled(true);
}

void TFormPasoAPaso::mostrarIndicacion()
{
    trabajo_ = Trabajo();
    tieneTrabajo_ = false;
    PasoAPaso->setHtml(QStringLiteral("<p>%1</p>").arg(indicacion_.toHtmlEscaped()));
    Imprimir->setEnabled(false);
}

QString TFormPasoAPaso::textoPlano() const
{
    return tieneTrabajo_ ? QString::fromStdString(trabajo_.textoPlano()) : indicacion_;
}

QString TFormPasoAPaso::html(const Trabajo& trabajo)
{
    QString r;
    if (!trabajo.titulo().empty())
        r += QStringLiteral("<h2>%1</h2>").arg(escapar(trabajo.titulo()));
    int numero = 0;
    for (const Paso& p : trabajo.pasos()) {
        r += QStringLiteral("<h3>%1. %2</h3>").arg(++numero).arg(escapar(p.titulo));
        for (const Bloque& b : p.bloques) {
            switch (b.tipo) {
            case Bloque::Tipo::Linea:
                r += QStringLiteral("<p style=\"margin-left:18px;\">%1</p>").arg(htmlDeLinea(b.linea));
                break;
            case Bloque::Tipo::Tabla:
                r += htmlDeTabla(b.tabla);
                break;
            case Bloque::Tipo::Regla:
                r += QStringLiteral("<p style=\"margin-left:18px; background-color:#fff4ce;\"><i><b>Regla del "
                                    "curso:</b> %1</i></p>")
                         .arg(htmlDeLinea(b.linea));
                break;
            case Bloque::Tipo::Mensaje:
                r += QStringLiteral("<p style=\"margin-left:18px; color:#a4161a;\"><b>Mensaje:</b> "
                                    "\u00AB%1\u00BB</p>")
                         .arg(htmlDeLinea(b.linea));
                break;
            }
        }
    }
    return r;
}

void TFormPasoAPaso::Copiar_Click()
{
    QApplication::clipboard()->setText(textoPlano());
}

void TFormPasoAPaso::Imprimir_Click()
{
    if (!tieneTrabajo_)
        return;
    vistaPrevia().mostrarDocumento(html(trabajo_), windowTitle(), this);
}

// ------------------------------------------------ the converter's button

PasoAPasoDeConversor::PasoAPasoDeConversor(QWidget* conversor, const QString& nombre, const QString& indicacion)
    : QObject(conversor), conversor_(conversor), nombre_(nombre), indicacion_(indicacion)
{
    conversor->installEventFilter(this);
}

QPushButton* PasoAPasoDeConversor::crearBoton(int x, int y, int ancho, int alto)
{
    boton_ = new QPushButton(QStringLiteral("Paso a paso"), conversor_);
    boton_->setObjectName(QStringLiteral("BotonPasoAPaso"));
    boton_->setAccessibleName(QStringLiteral("Paso a paso"));
    boton_->setToolTip(QStringLiteral("Muestra cómo se hizo la conversión, paso a paso (Alt+P)"));
    boton_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_P));
    // Reached by Tab; a click leaves the focus where it was, as the
    // windows' focus-driven steps expect.
    boton_->setFocusPolicy(Qt::TabFocus);
    boton_->setAutoDefault(false);
    boton_->setFont(fuente(11, true));
    colocar(boton_, x, y, ancho, alto);
    connect(boton_, &QPushButton::clicked, this, &PasoAPasoDeConversor::abrir);
    return boton_;
}

void PasoAPasoDeConversor::publicar(Trabajo trabajo)
{
    trabajo_ = std::move(trabajo);
    tieneTrabajo_ = true;
    if (ventana_ != nullptr)
        ventana_->mostrarTrabajo(trabajo_);
}

void PasoAPasoDeConversor::limpiar()
{
    trabajo_ = Trabajo();
    tieneTrabajo_ = false;
    if (ventana_ != nullptr)
        ventana_->mostrarIndicacion();
}

void PasoAPasoDeConversor::abrir()
{
    // Open already: the button takes the keyboard into the working, to
    // scroll, copy or print it.
    if (ventana_ != nullptr && ventana_->isVisible()) {
        ventana_->raise();
        ventana_->activateWindow();
        return;
    }
    if (ventana_ == nullptr) {
        ventana_ = new TFormPasoAPaso(conversor_, nombre_, indicacion_);
        if (tieneTrabajo_)
            ventana_->mostrarTrabajo(trabajo_);
        // Beside the converter, on the same screen; to its left where the
        // right side has no room.
        const QRect marco = conversor_->frameGeometry();
        QRect lugar(QPoint(marco.right() + 8, marco.top()), ventana_->size());
        if (const QScreen* pantalla = conversor_->screen()) {
            const QRect disponible = pantalla->availableGeometry();
            if (lugar.right() > disponible.right())
                lugar.moveRight(marco.left() - 8);
            if (lugar.left() < disponible.left())
                lugar.moveLeft(disponible.left());
            if (lugar.bottom() > disponible.bottom())
                lugar.setBottom(disponible.bottom());
            if (lugar.top() < disponible.top())
                lugar.moveTop(disponible.top());
        }
        ventana_->setGeometry(lugar);
        ventana_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    // The working opens beside the converter and the keyboard stays in the
    // converter, so the student goes on converting and watches the working
    // follow.
    ventana_->show();
    ventana_->raise();
    conversor_->activateWindow();
}

bool PasoAPasoDeConversor::eventFilter(QObject* objeto, QEvent* evento)
{
    // Closing the converter closes its working; minimizing it does not.
    if (objeto == conversor_ && evento->type() == QEvent::Hide && !evento->spontaneous() && ventana_ != nullptr)
        ventana_->close();
    return QObject::eventFilter(objeto, evento);
}

} // namespace cifral
