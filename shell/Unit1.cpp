#include "shell/Unit1.h"

#include "ieee/UnitLaboratorio.h"
#include "shell/Controles.h"
#include "shell/Glifos.h"
#include "shell/Preferencias.h"
#include "shell/UnitPractica.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace cifral {

namespace {

const char* const D1 =
    "Representación de Binario a su correspondiente representación en Entero en BSS, BCS, CA1, CA2 y Exceso.";
const char* const D2 =
    "Representación de Entero a su correspondiente representación en Binario en BSS, BCS, CA1, CA2 y Exceso.";
const char* const D3 = "Representación de sistema en Punto Flotante a su correspondiente representación en Decimal.";
const char* const D4 = "Representación de Decimal a su correspondiente representación en Punto Flotante.";
const char* const D5 = "Representación de Decimal a IEEE 754 Simple Precisión (32 Bits). Cálculo del Error Absoluto y "
                       "Error Relativo cometido.";
const char* const D6 =
    "Representación IEEE 754 Simple Precisión(32 bits) a Decimal. Cálculo del Error Absoluto Máximo.";
const char* const D7 = "Suma y Resta entre dos números en Punto Flotante.";

// The credits, one line per memo. The course edits the people, the course
// and the institution here.
const char* const Creditos[7] = {
    "Sistema: Cifral (Punto Fijo y Punto Flotante)  Versión 1.0",
    "Proyecto Arquitectura de Computadoras 2005 - Facultad de Ingeniería",
    "Profesor: cátedra de Arquitectura de Computadoras",
    "Alumnos:",
    "Alumno/a 1  00000   alumno1@example.edu",
    "Alumno/a 2  00000   alumno2@example.edu",
    "Realizado entre Noviembre de 2005 y Marzo de 2006",
};

const int TopesCreditos[7] = {40, 64, 88, 112, 136, 160, 184};

class EstiloPestanas : public QProxyStyle {
public:
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
    {
        if (m == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(m, o, w);
    }
};

} // namespace

TForm1::TForm1(QWidget* padre)
    : QWidget(padre, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Cifral - Punto Fijo y Punto Flotante v1.0 "));
    setFixedSize(598, 244);

    TabControl1 = new QTabWidget(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setUsesScrollButtons(false);
    TabControl1->setElideMode(Qt::ElideNone);
    // Five tabs must fit the window's width: narrower tab padding.
    auto* estilo = new EstiloPestanas;
    estilo->setParent(TabControl1);
    TabControl1->tabBar()->setStyle(estilo);
    colocar(TabControl1, 0, 0, 598, 244);
    for (const char* pestana : {"Punto Fijo", "Punto Flotante", "Representación IEEE 754 Simple Precisión",
                                "Suma y Resta en Punto Flotante", "Acerca..."})
        TabControl1->addTab(new QWidget, QString::fromUtf8(pestana));

    // The controls stand on the tab control itself, the same for every tab.
    SpeedButton1 = new BotonRapido(QStringLiteral("SpeedButton1"), glifoMarca(), {}, {}, TabControl1);
    colocar(SpeedButton1, 24, 72, 57, 41);
    SpeedButton2 = new BotonRapido(QStringLiteral("SpeedButton2"), glifoMarca(), {}, {}, TabControl1);
    colocar(SpeedButton2, 24, 136, 57, 41);
    Memo1 = new Memo(QStringLiteral("Memo1"), 15, TabControl1);
    colocar(Memo1, 112, 72, 345, 49);
    Memo2 = new Memo(QStringLiteral("Memo2"), 15, TabControl1);
    colocar(Memo2, 112, 136, 345, 49);
    for (int i = 0; i < 7; ++i) {
        creditos[static_cast<std::size_t>(i)] = new Memo(QStringLiteral("Memo%1").arg(i + 3), 11, TabControl1);
        colocar(creditos[static_cast<std::size_t>(i)], 32, TopesCreditos[i], 345, i == 2 ? 41 : 33);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton1, SpeedButton2, Memo1, Memo2})
        w->raise();
    for (Memo* m : creditos)
        m->raise();
    // Below the IEEE tab's converters: the formats laboratory.
    BotonLaboratorio = new QPushButton(QStringLiteral("Laboratorio de formatos"), TabControl1);
    BotonLaboratorio->setObjectName(QStringLiteral("BotonLaboratorio"));
    colocar(BotonLaboratorio, 24, 198, 150, 26);
    RotuloLaboratorio =
        rotulo(QStringLiteral("RotuloLaboratorio"),
               QStringLiteral("Bits, valores exactos y redondeos, de binary16 a binary64."), TabControl1);
    colocar(RotuloLaboratorio, 184, 198, 400, 26);
    BotonLaboratorio->setVisible(false);
    RotuloLaboratorio->setVisible(false);
    setTabOrder(SpeedButton2, BotonLaboratorio);
    // Right of the descriptions: exercises of every converter.
    BotonPractica = new QPushButton(QStringLiteral("Práctica"), TabControl1);
    BotonPractica->setObjectName(QStringLiteral("BotonPractica"));
    BotonPractica->setAccessibleName(QStringLiteral("Abrir Práctica"));
    BotonPractica->setToolTip(QStringLiteral("Ejercicios que Cifral arma y corrige, y hojas de ejercicios"));
    colocar(BotonPractica, 472, 72, 110, 26);
    setTabOrder(SpeedButton2, BotonPractica);
    setTabOrder(BotonPractica, BotonLaboratorio);

    // On the "Acerca..." tab, beside the credits: the size of the interface
    // and the keys of every window.
    RotuloTamano =
        rotulo(QStringLiteral("RotuloTamano"), QStringLiteral("Tamaño de la interfaz:"), TabControl1, 11, true);
    colocar(RotuloTamano, 400, 40, 180, 16);
    TamanoInterfaz = new QComboBox(TabControl1);
    TamanoInterfaz->setObjectName(QStringLiteral("TamanoInterfaz"));
    for (int t : TamanosDeInterfaz)
        TamanoInterfaz->addItem(QStringLiteral("%1 %").arg(t), t);
    TamanoInterfaz->setCurrentIndex(TamanoInterfaz->findData(tamanoDeInterfaz()));
    colocar(TamanoInterfaz, 400, 58, 90, 22);
    RotuloTamano->setBuddy(TamanoInterfaz);
    AvisoTamano = rotulo(QStringLiteral("AvisoTamano"), QString(), TabControl1, 11);
    AvisoTamano->setWordWrap(true);
    colocar(AvisoTamano, 400, 84, 190, 30);
    RotuloAtajos = rotulo(QStringLiteral("RotuloAtajos"),
                          QStringLiteral("Teclado: Tab y Mayús+Tab recorren los controles; Espacio pulsa el botón "
                                         "elegido. En cada conversor: F1 abre la ayuda, Ctrl+D el detalle, Alt+P "
                                         "el paso a paso, y Esc lo cierra."),
                          TabControl1, 11);
    RotuloAtajos->setWordWrap(true);
    RotuloAtajos->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    colocar(RotuloAtajos, 400, 118, 190, 100);
    for (QWidget* w : std::initializer_list<QWidget*>{RotuloTamano, TamanoInterfaz, AvisoTamano, RotuloAtajos})
        w->setVisible(false);
    setTabOrder(BotonLaboratorio, TamanoInterfaz);
    connect(TamanoInterfaz, &QComboBox::activated, this, &TForm1::TamanoInterfazChange);

    connect(TabControl1, &QTabWidget::currentChanged, this, &TForm1::TabControl1Change);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(BotonLaboratorio, &QPushButton::clicked, this, &TForm1::BotonLaboratorioClick);
    connect(BotonPractica, &QPushButton::clicked, this, &TForm1::BotonPracticaClick);
    FormCreate();
}

void TForm1::setConversor(int pestana, int boton, QDialog* conversor)
{
    conversores_.at(static_cast<std::size_t>(pestana)).at(static_cast<std::size_t>(boton)) = conversor;
}

void TForm1::FormCreate()
{
    ocultarMemos();
}

void TForm1::FormActivate()
{
    TabControl1Change();
}

void TForm1::TabControl1Change()
{
    struct Pestana {
        const char* memo1;
        const char* memo2; // nullptr: Memo2 keeps its text
        bool segundoBoton;
    };
    static const Pestana pestanas[4] = {{D1, D2, true}, {D3, D4, true}, {D5, D6, true}, {D7, nullptr, false}};
    const int i = TabControl1->currentIndex();
    BotonLaboratorio->setVisible(i == 2);
    RotuloLaboratorio->setVisible(i == 2);
    BotonPractica->setVisible(i >= 0 && i < 4);
    for (QWidget* w : std::initializer_list<QWidget*>{RotuloTamano, TamanoInterfaz, AvisoTamano, RotuloAtajos})
        w->setVisible(i == 4);
    if (i >= 0 && i < 4) {
        const Pestana& p = pestanas[i];
        // What a screen reader says of the two buttons: the converter each
        // opens, and the description beside it.
        static const char* const nombres[4][2] = {{"Binario a Entero", "Entero a Binario"},
                                                  {"Binario a Decimal", "Decimal a Punto Flotante"},
                                                  {"Decimal a IEEE 754", "IEEE 754 a Decimal"},
                                                  {"Suma y Resta", ""}};
        SpeedButton1->setAccessibleName(QStringLiteral("Abrir ") + QString::fromUtf8(nombres[i][0]));
        SpeedButton1->setAccessibleDescription(QString::fromUtf8(p.memo1));
        SpeedButton2->setAccessibleName(QStringLiteral("Abrir ") + QString::fromUtf8(nombres[i][1]));
        SpeedButton2->setAccessibleDescription(p.memo2 != nullptr ? QString::fromUtf8(p.memo2) : QString());
        Memo1->setTexto(QString::fromUtf8(p.memo1));
        if (p.memo2 != nullptr)
            Memo2->setTexto(QString::fromUtf8(p.memo2));
        SpeedButton1->setVisible(true);
        SpeedButton2->setVisible(p.segundoBoton);
        Memo2->setVisible(p.segundoBoton);
        ocultarMemos();
    } else if (i == 4) {
        Memo1->clear();
        SpeedButton1->setVisible(false);
        SpeedButton2->setVisible(false);
        Memo2->setVisible(false);
        verMemos();
        for (int k = 0; k < 7; ++k)
            creditos[static_cast<std::size_t>(k)]->setTexto(QString::fromUtf8(Creditos[k]));
    }
}

void TForm1::TamanoInterfazChange()
{
    const int t = TamanoInterfaz->currentData().toInt();
    guardarTamanoDeInterfaz(t);
    AvisoTamano->setText(QStringLiteral("Se aplicará la próxima vez que se abra Cifral."));
}

void TForm1::verMemos()
{
    for (Memo* m : creditos)
        m->setVisible(true);
}

void TForm1::ocultarMemos()
{
    for (Memo* m : creditos)
        m->setVisible(false);
}

void TForm1::abrir(int pestana, int boton)
{
    if (alNecesitarConversores)
        alNecesitarConversores();
    QDialog* conversor = conversores_.at(static_cast<std::size_t>(pestana)).at(static_cast<std::size_t>(boton));
    if (conversor == nullptr)
        return;
    conversor->exec();
    // Offscreen or without a window manager nothing reactivates the main
    // window after a modal window closes: do it here, and show the selected
    // tab again.
    activateWindow();
    FormActivate();
}

void TForm1::SpeedButton1Click()
{
    const int i = TabControl1->currentIndex();
    if (i >= 0 && i < 4)
        abrir(i, 0);
}

void TForm1::SpeedButton2Click()
{
    const int i = TabControl1->currentIndex();
    if (i >= 0 && i < 3)
        abrir(i, 1);
}

void TForm1::BotonLaboratorioClick()
{
    if (laboratorio_ == nullptr)
        laboratorio_ = new TFormLaboratorio(this);
    laboratorio_->show();
    laboratorio_->raise();
    laboratorio_->activateWindow();
}

void TForm1::BotonPracticaClick()
{
    if (practica_ == nullptr)
        practica_ = new TFormPractica(this);
    practica_->show();
    practica_->raise();
    practica_->activateWindow();
}

bool TForm1::event(QEvent* e)
{
    // Being shown counts as becoming active: without a window manager the
    // activation itself may never come.
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show)
        FormActivate();
    const bool pintado = e->type() == QEvent::Paint && !pintado_;
    const bool r = QWidget::event(e);
    if (pintado) {
        pintado_ = true;
        emit primerPintado();
    }
    return r;
}

void TForm1::closeEvent(QCloseEvent* e)
{
    // Closing the main window ends the program, whatever else is open.
    QWidget::closeEvent(e);
    QCoreApplication::quit();
}

} // namespace cifral
