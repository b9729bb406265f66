#include "shell/UnitPractica.h"

#include "shell/Glifos.h"
#include "shell/Informe.h"
#include "shell/PasoAPaso.h"
#include "shell/Servicios.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace cifral {

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

const char* const ColorCorrecto = "#1b7a2b";
const char* const ColorIncorrecto = "#b3261e";

void colorear(QLabel* rotulo, const char* color)
{
    QPalette p = rotulo->palette();
    p.setColor(QPalette::WindowText, QColor(QString::fromLatin1(color)));
    rotulo->setPalette(p);
}

} // namespace

// ------------------------------------------------------------ the html

QString htmlTrabajoResaltado(const Ejercicio& ejercicio, int resaltado, const QString& rotulo)
{
    QString html = TFormPasoAPaso::html(ejercicio.trabajo);
    if (resaltado < 0)
        return html;
    const QString cabeza = QStringLiteral("<h3>%1. ").arg(resaltado + 1);
    const int i = html.indexOf(cabeza);
    if (i < 0)
        return html;
    const int fin = html.indexOf(QStringLiteral("</h3>"), i) + 5;
    const QString marca =
        QStringLiteral("<p style=\"margin-left:18px; background-color:#ffd966;\"><b>Aquí difiere su respuesta "
                       "\u00AB%1\u00BB.</b></p>")
            .arg(rotulo.toHtmlEscaped());
    html.insert(fin, marca);
    html.replace(
        i, cabeza.size(),
        QStringLiteral("<a name=\"resaltado\"></a><h3 style=\"background-color:#ffd966;\">%1. ").arg(resaltado + 1));
    return html;
}

QString nombreHoja(std::uint64_t semilla)
{
    return QStringLiteral("Hoja de ejercicios, semilla %1").arg(semilla);
}

QString htmlHojaDeEjercicios(const std::vector<Ejercicio>& ejercicios, int nivel, std::uint64_t semilla)
{
    QString r = QStringLiteral("<h1>Hoja de ejercicios</h1><p>Nivel %1 \u00B7 semilla %2 \u00B7 %3 %4</p>")
                    .arg(q(nombreNivel(nivel)))
                    .arg(semilla)
                    .arg(ejercicios.size())
                    .arg(ejercicios.size() == 1 ? QStringLiteral("ejercicio") : QStringLiteral("ejercicios"));
    for (const Ejercicio& e : ejercicios) {
        r += QStringLiteral("<h3>Ejercicio %1 (%2)</h3><p>%3</p>")
                 .arg(e.numero)
                 .arg(q(nombreTipoEjercicio(e.tipo)).toHtmlEscaped(), q(e.enunciado).toHtmlEscaped());
        for (const Respuesta& a : e.respuestas)
            r += QStringLiteral("<p style=\"margin-left:18px;\">%1: "
                                "______________________________________</p>")
                     .arg(q(a.rotulo).toHtmlEscaped());
        r += QStringLiteral("<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p>");
    }
    r += QStringLiteral("<p style=\"page-break-before:always; font-size:xx-large;\"><b>Soluciones</b></p>");
    for (const Ejercicio& e : ejercicios) {
        r += QStringLiteral("<h2>Ejercicio %1 (%2)</h2><p>%3</p><p>")
                 .arg(e.numero)
                 .arg(q(nombreTipoEjercicio(e.tipo)).toHtmlEscaped(), q(e.enunciado).toHtmlEscaped());
        for (const Respuesta& a : e.respuestas)
            r += QStringLiteral("%1: <b><tt>%2</tt></b><br>")
                     .arg(q(a.rotulo).toHtmlEscaped(), q(a.esperada).toHtmlEscaped());
        r += QStringLiteral("</p>") + TFormPasoAPaso::html(e.trabajo);
    }
    return r;
}

// ------------------------------------------------------- the command line

namespace {

struct OpcionesHoja {
    int cantidad = 0;
    std::vector<int> tipos;
    int nivel = 1;
    std::uint64_t semilla = 0;
    bool conSemilla = false;
    QString pdf;
};

bool leerEntero(const char* texto, long long desde, long long hasta, long long& valor)
{
    if (texto == nullptr || *texto == '\0')
        return false;
    for (const char* c = texto; *c != '\0'; ++c)
        if (*c < '0' || *c > '9')
            return false;
    if (std::strlen(texto) > 18)
        return false;
    valor = std::atoll(texto);
    return valor >= desde && valor <= hasta;
}

// The options, or the message that refuses them.
QString leerOpciones(int argc, char** argv, OpcionesHoja& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string opcion = argv[i];
        const char* valor = i + 1 < argc ? argv[i + 1] : nullptr;
        if (valor == nullptr)
            return QStringLiteral("falta el valor de %1").arg(q(opcion));
        long long v = 0;
        if (opcion == "--hoja-de-ejercicios") {
            if (!leerEntero(valor, 1, 50, v))
                return QStringLiteral("el número de ejercicios debe ser un entero de 1 a 50, no \u00AB%1\u00BB")
                    .arg(QString::fromLocal8Bit(valor));
            o.cantidad = static_cast<int>(v);
        } else if (opcion == "--nivel") {
            if (!leerEntero(valor, 1, NivelesDeEjercicio, v))
                return QStringLiteral("el nivel debe ser 1 (Inicial), 2 (Intermedio) o 3 (Avanzado), no \u00AB%1\u00BB")
                    .arg(QString::fromLocal8Bit(valor));
            o.nivel = static_cast<int>(v);
        } else if (opcion == "--semilla") {
            if (!leerEntero(valor, 0, 999999999999999999LL, v))
                return QStringLiteral("la semilla debe ser un entero de 0 a 999999999999999999, no \u00AB%1\u00BB")
                    .arg(QString::fromLocal8Bit(valor));
            o.semilla = static_cast<std::uint64_t>(v);
            o.conSemilla = true;
        } else if (opcion == "--tipos") {
            o.tipos.clear();
            const QStringList partes = QString::fromLocal8Bit(valor).split(QLatin1Char(','));
            for (const QString& p : partes) {
                long long t = 0;
                const QByteArray b = p.trimmed().toLatin1();
                if (!leerEntero(b.constData(), 1, TiposDeEjercicio, t))
                    return QStringLiteral("cada tipo debe ser un número de 1 a %1, no \u00AB%2\u00BB")
                        .arg(TiposDeEjercicio)
                        .arg(p);
                if (!tipoDisponible(static_cast<int>(t)))
                    return QStringLiteral("el tipo %1 (%2) todavía no tiene ejercicios")
                        .arg(t)
                        .arg(q(nombreTipoEjercicio(static_cast<int>(t))));
                o.tipos.push_back(static_cast<int>(t));
            }
        } else if (opcion == "--pdf") {
            o.pdf = QString::fromLocal8Bit(valor);
            if (o.pdf.isEmpty())
                return QStringLiteral("falta el nombre del archivo PDF");
        } else {
            return QStringLiteral("opción desconocida \u00AB%1\u00BB").arg(q(opcion));
        }
        ++i;
    }
    if (o.pdf.isEmpty())
        return QStringLiteral("falta --pdf ARCHIVO");
    if (o.tipos.empty())
        o.tipos = tiposDisponibles();
    return {};
}

QString usoHoja()
{
    QStringList tipos;
    for (const int t : tiposDisponibles())
        tipos << QStringLiteral("%1 %2").arg(t).arg(q(nombreTipoEjercicio(t)));
    return QStringLiteral("Uso: cifral --hoja-de-ejercicios N [--tipos 1,2,5] [--nivel 1|2|3] [--semilla S] "
                          "--pdf ARCHIVO\n  N: de 1 a 50 ejercicios. Tipos: %1.\n")
        .arg(tipos.join(QStringLiteral(", ")));
}

} // namespace

bool pideHojaDeEjercicios(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--hoja-de-ejercicios") == 0)
            return true;
    return false;
}

int hojaDesdeLineaDeOrdenes(int argc, char** argv)
{
    OpcionesHoja o;
    const QString error = leerOpciones(argc, argv, o);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "cifral: %s\n%s", error.toLocal8Bit().constData(), usoHoja().toLocal8Bit().constData());
        return 2;
    }
    // No window is opened: a machine without a display prints too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    iniciarRecursos();
    if (!o.conSemilla)
        o.semilla = QRandomGenerator::global()->bounded(1000000u);
    const auto ejercicios = hojaDeEjercicios(o.tipos, o.nivel, o.cantidad, o.semilla);
    if (!guardarPdfDocumento(htmlHojaDeEjercicios(ejercicios, o.nivel, o.semilla), nombreHoja(o.semilla), o.pdf)) {
        std::fprintf(stderr, "cifral: no se pudo escribir %s\n", o.pdf.toLocal8Bit().constData());
        return 1;
    }
    std::printf("Hoja de %d ejercicios, semilla %llu: %s\n", o.cantidad, static_cast<unsigned long long>(o.semilla),
                o.pdf.toLocal8Bit().constData());
    return 0;
}

// ------------------------------------------------------------ the dialog

TDialogoHoja::TDialogoHoja(QWidget* padre, std::uint64_t semilla) : QDialog(padre)
{
    setObjectName(QStringLiteral("DialogoHoja"));
    setWindowTitle(QStringLiteral("Hoja de ejercicios"));
    auto* columna = new QVBoxLayout(this);
    auto* grupo = new QGroupBox(QStringLiteral("Tipos de ejercicio"), this);
    auto* tipos = new QVBoxLayout(grupo);
    for (const int t : tiposDisponibles()) {
        auto* c = new QCheckBox(q(nombreTipoEjercicio(t)), grupo);
        c->setObjectName(QStringLiteral("TipoHoja%1").arg(t));
        c->setChecked(true);
        c->setProperty("tipo", t);
        tipos->addWidget(c);
        Tipos.push_back(c);
        connect(c, &QCheckBox::toggled, this, &TDialogoHoja::actualizarAceptar);
    }
    columna->addWidget(grupo);
    auto* formulario = new QFormLayout;
    NivelHoja = new QComboBox(this);
    NivelHoja->setObjectName(QStringLiteral("NivelHoja"));
    for (int n = 1; n <= NivelesDeEjercicio; ++n)
        NivelHoja->addItem(q(nombreNivel(n)), n);
    formulario->addRow(QStringLiteral("&Nivel:"), NivelHoja);
    CantidadHoja = new QSpinBox(this);
    CantidadHoja->setObjectName(QStringLiteral("CantidadHoja"));
    CantidadHoja->setRange(1, 50);
    CantidadHoja->setValue(10);
    formulario->addRow(QStringLiteral("&Cantidad de ejercicios:"), CantidadHoja);
    SemillaHoja = new QLineEdit(QString::number(semilla), this);
    SemillaHoja->setObjectName(QStringLiteral("SemillaHoja"));
    SemillaHoja->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), SemillaHoja));
    formulario->addRow(QStringLiteral("&Semilla:"), SemillaHoja);
    columna->addLayout(formulario);
    auto* botones = new QDialogButtonBox(this);
    Aceptar = botones->addButton(QStringLiteral("Vista previa"), QDialogButtonBox::AcceptRole);
    Aceptar->setObjectName(QStringLiteral("Aceptar"));
    Cancelar = botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    Cancelar->setObjectName(QStringLiteral("Cancelar"));
    columna->addWidget(botones);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(SemillaHoja, &QLineEdit::textChanged, this, &TDialogoHoja::actualizarAceptar);
}

void TDialogoHoja::actualizarAceptar()
{
    Aceptar->setEnabled(!tipos().empty() && !SemillaHoja->text().isEmpty());
}

std::vector<int> TDialogoHoja::tipos() const
{
    std::vector<int> r;
    for (QCheckBox* c : Tipos)
        if (c->isChecked())
            r.push_back(c->property("tipo").toInt());
    return r;
}

int TDialogoHoja::nivel() const
{
    return NivelHoja->currentData().toInt();
}

int TDialogoHoja::cantidad() const
{
    return CantidadHoja->value();
}

std::uint64_t TDialogoHoja::semilla() const
{
    return SemillaHoja->text().toULongLong();
}

// ------------------------------------------------------------ the window

TFormPractica::TFormPractica(QWidget* padre) : QWidget(padre, Qt::Window)
{
    setObjectName(QStringLiteral("FormPractica"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* columna = new QVBoxLayout(this);

    auto* eleccion = new QHBoxLayout;
    auto* rotuloTipo = new QLabel(QStringLiteral("&Tipo:"), this);
    Tipo = new QComboBox(this);
    Tipo->setObjectName(QStringLiteral("Tipo"));
    for (const int t : tiposDisponibles())
        Tipo->addItem(q(nombreTipoEjercicio(t)), t);
    rotuloTipo->setBuddy(Tipo);
    Tipo->setAccessibleName(QStringLiteral("Tipo de ejercicio"));
    auto* rotuloNivel = new QLabel(QStringLiteral("&Nivel:"), this);
    Nivel = new QComboBox(this);
    Nivel->setObjectName(QStringLiteral("Nivel"));
    for (int n = 1; n <= NivelesDeEjercicio; ++n)
        Nivel->addItem(q(nombreNivel(n)), n);
    rotuloNivel->setBuddy(Nivel);
    Nivel->setAccessibleName(QStringLiteral("Nivel"));
    NuevoEjercicio = new QPushButton(QStringLiteral("N&uevo ejercicio"), this);
    NuevoEjercicio->setObjectName(QStringLiteral("NuevoEjercicio"));
    eleccion->addWidget(rotuloTipo);
    eleccion->addWidget(Tipo, 1);
    eleccion->addWidget(rotuloNivel);
    eleccion->addWidget(Nivel);
    eleccion->addWidget(NuevoEjercicio);
    columna->addLayout(eleccion);

    Enunciado = new QLabel(QStringLiteral("Elija el tipo y el nivel, y pulse \u00ABNuevo ejercicio\u00BB."), this);
    Enunciado->setObjectName(QStringLiteral("Enunciado"));
    Enunciado->setAccessibleName(QStringLiteral("Enunciado"));
    Enunciado->setWordWrap(true);
    Enunciado->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Enunciado->setMinimumHeight(56);
    QFont grande = Enunciado->font();
    if (grande.pixelSize() > 0)
        grande.setPixelSize(grande.pixelSize() * 5 / 4);
    else
        grande.setPointSizeF(grande.pointSizeF() * 1.25);
    Enunciado->setFont(grande);
    columna->addWidget(Enunciado);

    rejilla_ = new QGridLayout;
    rejilla_->setColumnStretch(1, 1);
    rejilla_->setColumnMinimumWidth(2, 90);
    columna->addLayout(rejilla_);

    auto* acciones = new QHBoxLayout;
    Corregir = new QPushButton(QStringLiteral("&Corregir"), this);
    Corregir->setObjectName(QStringLiteral("Corregir"));
    VerSolucion = new QPushButton(QStringLiteral("&Ver solución"), this);
    VerSolucion->setObjectName(QStringLiteral("VerSolucion"));
    HojaDeEjercicios = new QPushButton(QStringLiteral("&Hoja de ejercicios…"), this);
    HojaDeEjercicios->setObjectName(QStringLiteral("HojaDeEjercicios"));
    Cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    Cerrar->setObjectName(QStringLiteral("Cerrar"));
    for (QPushButton* b : {Corregir, VerSolucion, HojaDeEjercicios, Cerrar})
        b->setAccessibleName(b->text().remove(QLatin1Char('&')).remove(QChar(0x2026)));
    acciones->addWidget(Corregir);
    acciones->addWidget(VerSolucion);
    acciones->addStretch(1);
    acciones->addWidget(HojaDeEjercicios);
    acciones->addWidget(Cerrar);
    columna->addLayout(acciones);

    Contador = new QLabel(this);
    Contador->setObjectName(QStringLiteral("Contador"));
    Contador->setAccessibleName(QStringLiteral("Respuestas correctas e incorrectas"));
    columna->addWidget(Contador);

    Trabajo = new QTextBrowser(this);
    Trabajo->setObjectName(QStringLiteral("Trabajo"));
    Trabajo->setAccessibleName(QStringLiteral("Trabajo de la solución"));
    Trabajo->setMinimumHeight(260);
    Trabajo->setVisible(false);
    columna->addWidget(Trabajo, 1);

    Corregir->setEnabled(false);
    VerSolucion->setEnabled(false);
    connect(NuevoEjercicio, &QPushButton::clicked, this, manejador(this, &TFormPractica::NuevoEjercicio_Click));
    connect(Corregir, &QPushButton::clicked, this, manejador(this, &TFormPractica::Corregir_Click));
    connect(VerSolucion, &QPushButton::clicked, this, manejador(this, &TFormPractica::VerSolucion_Click));
    connect(HojaDeEjercicios, &QPushButton::clicked, this, manejador(this, &TFormPractica::HojaDeEjercicios_Click));
    connect(Cerrar, &QPushButton::clicked, this, &QWidget::close);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);

    setSemilla(QRandomGenerator::global()->bounded(1000000u));
    actualizarContador();
    ordenarTabulacion();
    resize(640, 300);
}

void TFormPractica::setSemilla(std::uint64_t semilla)
{
    semilla_ = semilla;
    siguiente_ = 1;
    actualizarTitulo();
}

void TFormPractica::actualizarTitulo()
{
    QString t = QStringLiteral("Práctica \u2014 semilla %1").arg(semilla_);
    if (tieneEjercicio_)
        t += QStringLiteral(", ejercicio %1").arg(ejercicio_.numero);
    setWindowTitle(t);
}

void TFormPractica::actualizarContador()
{
    Contador->setText(
        QStringLiteral("Desde que abrió la ventana: %1 %2 y %3 %4.")
            .arg(correctas_)
            .arg(correctas_ == 1 ? QStringLiteral("respuesta correcta") : QStringLiteral("respuestas correctas"))
            .arg(incorrectas_)
            .arg(incorrectas_ == 1 ? QStringLiteral("incorrecta") : QStringLiteral("incorrectas")));
}

void TFormPractica::armarRespuestas()
{
    for (QWidget* w : Rotulos)
        delete w;
    for (QWidget* w : Respuestas)
        delete w;
    for (QWidget* w : Veredictos)
        delete w;
    Rotulos.clear();
    Respuestas.clear();
    Veredictos.clear();
    int fila = 0;
    for (const Respuesta& r : ejercicio_.respuestas) {
        ++fila;
        auto* rotulo = new QLabel(q(r.rotulo) + QLatin1Char(':'), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Respuesta%1").arg(fila));
        edit->setAccessibleName(q(r.rotulo));
        rotulo->setBuddy(edit);
        QFont fija = edit->font();
        fija.setFamily(QStringLiteral("Liberation Mono"));
        fija.setStyleHint(QFont::Monospace);
        edit->setFont(fija);
        auto* veredicto = new QLabel(this);
        veredicto->setObjectName(QStringLiteral("Veredicto%1").arg(fila));
        veredicto->setAccessibleName(QStringLiteral("Veredicto de %1").arg(q(r.rotulo)));
        QFont negrita = veredicto->font();
        negrita.setBold(true);
        veredicto->setFont(negrita);
        rejilla_->addWidget(rotulo, fila, 0);
        rejilla_->addWidget(edit, fila, 1);
        rejilla_->addWidget(veredicto, fila, 2);
        // At once, not when the event loop comes back.
        for (QWidget* w : std::initializer_list<QWidget*>{rotulo, edit, veredicto})
            w->show();
        Rotulos.push_back(rotulo);
        Respuestas.push_back(edit);
        Veredictos.push_back(veredicto);
        connect(edit, &QLineEdit::returnPressed, Corregir, &QPushButton::click);
    }
    ordenarTabulacion();
}

void TFormPractica::ordenarTabulacion()
{
    std::vector<QWidget*> orden{Tipo, Nivel, NuevoEjercicio};
    for (QLineEdit* e : Respuestas)
        orden.push_back(e);
    for (QWidget* w : std::initializer_list<QWidget*>{Corregir, VerSolucion, HojaDeEjercicios, Cerrar, Trabajo})
        orden.push_back(w);
    for (std::size_t i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

void TFormPractica::NuevoEjercicio_Click()
{
    ejercicio_ = generarEjercicio(Tipo->currentData().toInt(), Nivel->currentData().toInt(), semilla_, siguiente_++);
    tieneEjercicio_ = true;
    solucionVista_ = false;
    Enunciado->setText(QStringLiteral("<b>%1.</b> %2<br><small>%3</small>")
                           .arg(ejercicio_.numero)
                           .arg(q(ejercicio_.enunciado).toHtmlEscaped(), q(ejercicio_.disposicion).toHtmlEscaped()));
    Enunciado->setAccessibleDescription(q(ejercicio_.enunciado));
    armarRespuestas();
    Trabajo->clear();
    Trabajo->setVisible(false);
    Corregir->setEnabled(true);
    VerSolucion->setEnabled(true);
    actualizarTitulo();
    if (!Respuestas.empty())
        Respuestas.front()->setFocus();
}

void TFormPractica::mostrarTrabajo(int resaltado, const QString& rotulo)
{
    Trabajo->setHtml(htmlTrabajoResaltado(ejercicio_, resaltado, rotulo));
    Trabajo->setVisible(true);
    if (height() < 560)
        resize(width() < 720 ? 720 : width(), 640);
    if (resaltado >= 0)
        Trabajo->scrollToAnchor(QStringLiteral("resaltado"));
}

void TFormPractica::Corregir_Click()
{
    if (!tieneEjercicio_)
        return;
    int primeraMal = -1;
    for (std::size_t i = 0; i < Respuestas.size(); ++i) {
        const bool bien = respuestaCorrecta(ejercicio_.respuestas[i], Respuestas[i]->text().toStdString());
        Veredictos[i]->setText(bien ? QStringLiteral("Correcto") : QStringLiteral("Incorrecto"));
        colorear(Veredictos[i], bien ? ColorCorrecto : ColorIncorrecto);
        // What is copied from the solution does not count.
        if (!solucionVista_)
            (bien ? correctas_ : incorrectas_)++;
        if (!bien && primeraMal < 0)
            primeraMal = static_cast<int>(i);
    }
    actualizarContador();
    if (primeraMal >= 0)
        mostrarTrabajo(pasoDeRespuesta(ejercicio_, static_cast<std::size_t>(primeraMal)),
                       q(ejercicio_.respuestas[static_cast<std::size_t>(primeraMal)].rotulo));
}

void TFormPractica::VerSolucion_Click()
{
    if (!tieneEjercicio_)
        return;
    solucionVista_ = true;
    for (std::size_t i = 0; i < Respuestas.size(); ++i) {
        Respuestas[i]->setText(q(ejercicio_.respuestas[i].esperada));
        Veredictos[i]->clear();
    }
    mostrarTrabajo(-1, QString());
}

void TFormPractica::HojaDeEjercicios_Click()
{
    TDialogoHoja dialogo(this, semilla_);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    mostrarHoja(dialogo.tipos(), dialogo.nivel(), dialogo.cantidad(), dialogo.semilla());
}

void TFormPractica::mostrarHoja(const std::vector<int>& tipos, int nivel, int cantidad, std::uint64_t semilla)
{
    const auto ejercicios = hojaDeEjercicios(tipos, nivel, cantidad, semilla);
    vistaPrevia().mostrarDocumento(htmlHojaDeEjercicios(ejercicios, nivel, semilla), nombreHoja(semilla), this);
}

} // namespace cifral
