#include "ieee/Unit5.h"

#include "ieee/Unit5Rep.h"
#include "ieee/sistnumPasosIEEE.h"
#include "shell/Glifos.h"
#include "shell/PasoAPaso.h"
#include "shell/Servicios.h"
#include "shell/TextoDecimal.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <utility>

namespace cifral {

QColor TForm5::colorGris()
{
    return QColor(0xC8, 0xC8, 0xC8);
}

TForm5::TForm5(TForm5Rep* informe, QWidget* padre)
    : VentanaConversor(QStringLiteral("Form5"), QStringLiteral(" Decimal  a IEEE 754 Simple Precisión"), 547, 420,
                       padre),
      informe_(informe)
{
    terminarCreacion();
}

void TForm5::construir()
{
    // ---- the number
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Ingresar números en:"),
                                 {QStringLiteral("Entero"), QStringLiteral("Decimal")}, this);
    RadioGroup1->setFont(fuente(12, true));
    colocar(RadioGroup1, 16, 8, 515, 100);
    RadioGroup1->layout()->activate();
    // The middle of each item's row, in the window.
    auto fila = [this](int i) { return RadioGroup1->y() + RadioGroup1->boton(i)->geometry().center().y(); };

    auto entrada = [this](const QString& nombre, int limite) {
        auto* e = new LineaEdicion(nombre, this);
        e->setFont(fuente(13, true));
        e->setLimiteTecleo(limite);
        e->setColor(colorGris());
        return e;
    };
    Edit1 = entrada(QStringLiteral("Edit1"), 16);
    Edit1->setEnabled(false);
    colocar(Edit1, 124, fila(0) - 12, 176, 24);
    Edit2 = entrada(QStringLiteral("Edit2"), 16);
    Edit2->setEnabled(false);
    colocar(Edit2, 124, fila(1) - 12, 176, 24);
    StaticText1 = rotulo(QStringLiteral("StaticText1"), QStringLiteral("X  10"), this, 13, true);
    colocar(StaticText1, 310, fila(1) - 9, 40, 18);
    // The power of ten stands raised after the 10, like an exponent.
    Edit3 = entrada(QStringLiteral("Edit3"), 2);
    Edit3->setFont(fuente(12, true));
    colocar(Edit3, 344, fila(1) - 26, 32, 22);

    // ---- the buttons
    SpeedButton1 =
        new BotonRapido(QStringLiteral("SpeedButton1"), QIcon(), QStringLiteral("Convertir"), QString(), this);
    SpeedButton1->setFont(fuente(13, true));
    colocar(SpeedButton1, 16, 116, 120, 30);
    SpeedButton2 =
        new BotonRapido(QStringLiteral("SpeedButton2"), glifoAyuda(), QStringLiteral("Ayuda"), QString(), this);
    colocar(SpeedButton2, 152, 116, 100, 30);
    SpeedButton3 = new BotonRapido(QStringLiteral("SpeedButton3"), glifoDetalle(), QStringLiteral("Ver detalle"),
                                   QStringLiteral("Para ver el detalle, debe representar el número"), this);
    colocar(SpeedButton3, 268, 116, 130, 30);
    SpeedButton3->setEnabled(false);
    SpeedButton4 = new BotonRapido(QStringLiteral("SpeedButton4"), QIcon(), QStringLiteral("Borrar"), QString(), this);
    colocar(SpeedButton4, 16, 150, 120, 30);
    // The working of each conversion, in a window of its own; the button
    // closes the row of the window's actions.
    pasos_ = new PasoAPasoDeConversor(
        this, QStringLiteral("Decimal a IEEE 754"),
        QStringLiteral("Elija «Entero» o «Decimal», escriba el número y pulse «Convertir»: aquí verá cómo se "
                       "hizo la conversión, paso a paso."));
    BotonPasoAPaso = pasos_->crearBoton(414, 116, 117, 30);

    // ---- the result
    StaticText2 = rotulo(QStringLiteral("StaticText2"),
                         QStringLiteral("Resultado en Representación IEEE 754 Simple Precisión :"), this, 16, true);
    colocar(StaticText2, 16, 194, 515, 22);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    colocar(Panel1, 16, 222, 515, 182);
    StaticText3 = rotulo(QStringLiteral("StaticText3"), QStringLiteral("Signo"), Panel1, 13, true);
    colocar(StaticText3, 14, 14, 50, 18);
    StaticText5 = rotulo(QStringLiteral("StaticText5"), QStringLiteral("Exponente"), Panel1, 13, true);
    colocar(StaticText5, 78, 14, 90, 18);
    StaticText7 = rotulo(QStringLiteral("StaticText7"), QStringLiteral("Mantisa"), Panel1, 13, true);
    colocar(StaticText7, 190, 14, 80, 18);
    StaticText4 = rotulo(QStringLiteral("StaticText4"), QString(), Panel1, 15, true);
    colocar(StaticText4, 26, 40, 30, 22);
    stexpo = rotulo(QStringLiteral("stexpo"), QString(), Panel1, 15, true);
    colocar(stexpo, 78, 40, 100, 22);
    StaticText8 = rotulo(QStringLiteral("StaticText8"), QString(), Panel1, 15, true);
    colocar(StaticText8, 190, 40, 300, 22);
    StaticText9 = rotulo(QStringLiteral("StaticText9"), QStringLiteral("Error Absoluto:"), Panel1, 13, true);
    colocar(StaticText9, 14, 98, 120, 18);
    EA = rotulo(QStringLiteral("EA"), QString(), Panel1, 13, true);
    colocar(EA, 140, 98, 360, 18);
    StaticText10 = rotulo(QStringLiteral("StaticText10"), QStringLiteral("Error Relativo:"), Panel1, 13, true);
    colocar(StaticText10, 14, 134, 120, 18);
    ER = rotulo(QStringLiteral("ER"), QString(), Panel1, 13, true);
    colocar(ER, 140, 134, 360, 18);
    for (QLabel* valor : {StaticText4, stexpo, StaticText8, EA, ER})
        valor->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(RadioGroup1, &RadioGroup::click, this, manejador(this, &TForm5::RadioGroup1Click));
    connect(Edit1, &QLineEdit::textChanged, this, manejador(this, &TForm5::Edit1Change));
    connect(Edit2, &QLineEdit::textChanged, this, manejador(this, &TForm5::Edit2Change));
    connect(Edit3, &QLineEdit::textChanged, this, manejador(this, &TForm5::Edit3Change));
    connect(SpeedButton1, &QToolButton::clicked, this, manejador(this, &TForm5::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, manejador(this, &TForm5::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, manejador(this, &TForm5::SpeedButton3Click));
    connect(SpeedButton3, &BotonRapido::movimiento, this, manejador(this, &TForm5::SpeedButton3MouseMove));
    SpeedButton3->installEventFilter(this);
    connect(SpeedButton4, &QToolButton::clicked, this, manejador(this, &TForm5::SpeedButton4Click));

    // What a screen reader says of each field; Tab goes through the mode,
    // the number and the buttons, in the order they are read.
    Edit1->setAccessibleName(QStringLiteral("Número entero"));
    Edit2->setAccessibleName(QStringLiteral("Número decimal"));
    Edit3->setAccessibleName(QStringLiteral("Potencia de diez"));
    for (auto [valor, campo] :
         {std::pair{StaticText4, "Signo"}, std::pair{stexpo, "Exponente"}, std::pair{StaticText8, "Mantisa"},
          std::pair{EA, "Error Absoluto"}, std::pair{ER, "Error Relativo"}})
        valor->setAccessibleDescription(QString::fromUtf8(campo));
    ordenarTabulacion(
        {RadioGroup1, Edit1, Edit2, Edit3, SpeedButton1, SpeedButton2, SpeedButton3, BotonPasoAPaso, SpeedButton4});
    FormCreate();
}

bool TForm5::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == SpeedButton3 && evento->type() == QEvent::MouseButtonPress)
        manejador(this, &TForm5::SpeedButton3MouseDown)();
    return VentanaConversor::eventFilter(objeto, evento);
}

void TForm5::FormCreate()
{
    Edit1->setColor(colorGris());
    Edit2->setColor(colorGris());
}

void TForm5::RadioGroup1Click()
{
    switch (RadioGroup1->itemIndex()) {
    case Entero:
        Edit1->setEnabled(true);
        Edit2->setEnabled(false);
        Edit1->setColor(colorVentana());
        Edit2->setColor(colorGris());
        Edit3->setColor(colorGris());
        Edit2->clear();
        Edit3->clear();
        Edit1->setFocus();
        break;
    case Decimal:
        Edit2->setColor(colorVentana());
        Edit3->setColor(colorVentana());
        Edit1->setColor(colorGris());
        Edit1->clear(); // its change handler locks it
        // An Edit1 that was empty has no change to lock it: it is locked
        // all the same, so that nothing is typed there in this mode.
        Edit1->setEnabled(false);
        Edit2->setEnabled(true);
        Edit2->setFocus();
        break;
    default:
        break;
    }
}

void TForm5::Edit1Change()
{
    if (RadioGroup1->itemIndex() == Decimal)
        Edit1->setEnabled(false);
    deshabilitarDetalle(SpeedButton3);
}

void TForm5::Edit2Change()
{
    if (RadioGroup1->itemIndex() == Entero)
        Edit2->setEnabled(false);
    deshabilitarDetalle(SpeedButton3);
}

void TForm5::Edit3Change()
{
    deshabilitarDetalle(SpeedButton3);
}

void TForm5::mostrarCero(const ConversionDecimalIEEE& c)
{
    stexpo->setText(texto(c.exponente));
    StaticText8->setText(texto(c.fraccion));
    StaticText4->setText(texto(c.signo));
    EA->setText(texto(*c.absoluto));
    ER->setText(texto(*c.relativo));
    numeroARepresentar_ = c.numeroARepresentar;
    numeroRepresentado_ = c.numeroRepresentado;
}

EntradaDecimalIEEE TForm5::entrada() const
{
    return {RadioGroup1->itemIndex(), textoDeEntrada(Edit1->text()), textoDeEntrada(Edit2->text()),
            textoDeEntrada(Edit3->text())};
}

void TForm5::SpeedButton1Click()
{
    const ConversionDecimalIEEE c = convertirDecimalAIEEE(entrada());
    pasos_->publicar(trabajoDecimalAIEEE(c));
    switch (c.fin) {
    case ConversionDecimalIEEE::SinModo:
        return;
    case ConversionDecimalIEEE::Rechazada:
        if (c.mensajeAntesDeDeshabilitar) {
            ShowMessage(this, texto(c.mensaje));
            SpeedButton3->setEnabled(false);
        } else {
            SpeedButton3->setEnabled(false);
            ShowMessage(this, texto(c.mensaje));
        }
        return;
    case ConversionDecimalIEEE::Falla:
        // The handler ends with the fault's message, as any other fault.
        throw Fault(c.mensaje);
    case ConversionDecimalIEEE::Cero:
        mostrarCero(c);
        SpeedButton3->setEnabled(true);
        return;
    case ConversionDecimalIEEE::Convertida:
        break;
    }
    numeroARepresentar_ = c.numeroARepresentar;
    exponenteSesgado_ = c.campos->exponenteSesgado;
    StaticText8->setText(texto(c.fraccion));
    stexpo->setText(texto(c.exponente));
    StaticText4->setText(texto(c.signo));
    SpeedButton3->setEnabled(true);
    Errores(c);
}

void TForm5::Errores(const ConversionDecimalIEEE& c)
{
    if (!c.error)
        return;
    numeroRepresentado_ = c.numeroRepresentado;
    EA->setText(texto(*c.absoluto));
    ER->setText(texto(*c.relativo));
}

void TForm5::SpeedButton4Click()
{
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    StaticText4->clear();
    StaticText8->clear();
    stexpo->clear();
    EA->clear();
    ER->clear();
    pasos_->limpiar();
}

void TForm5::SpeedButton3Click()
{
    Informe& r = informe_->QuickRep1;
    const int modo = RadioGroup1->itemIndex();
    if (modo == Entero) {
        r.setCaption(QStringLiteral("QRLabel2"), Edit1->text());
        r.setCaption(QStringLiteral("QRLabel6"), QStringLiteral("0"));
    } else if (modo == Decimal) {
        r.setCaption(QStringLiteral("QRLabel2"), Edit2->text());
        r.setCaption(QStringLiteral("QRLabel6"), Edit3->text());
    }
    r.setCaption(QStringLiteral("QRLabel10"), StaticText4->text());
    r.setCaption(QStringLiteral("QRLabel11"), stexpo->text());
    r.setCaption(QStringLiteral("QRLabel12"), StaticText8->text());
    r.setCaption(QStringLiteral("QRLabel16"), texto(FloatToStr(numeroARepresentar_.valor())));
    r.setCaption(QStringLiteral("QRLabel19"), EA->text());
    r.setCaption(QStringLiteral("QRLabel17"), texto(FloatToStr(numeroRepresentado_.valor())));
    r.setCaption(QStringLiteral("QRLabel21"), r.caption(QStringLiteral("QRLabel19")));
    r.setCaption(QStringLiteral("QRLabel23"), r.caption(QStringLiteral("QRLabel16")));
    r.setCaption(QStringLiteral("QRLabel25"), ER->text());
    informe_->acomodar();
    vistaPrevia().mostrar(r, this);
}

void TForm5::SpeedButton3MouseDown()
{
    alMoverSobreDetalle(SpeedButton3);
}

void TForm5::SpeedButton3MouseMove()
{
    alMoverSobreDetalle(SpeedButton3);
}

void TForm5::SpeedButton2Click()
{
    pulsarAyuda(QStringLiteral("HELP5.hlp"));
}

} // namespace cifral
