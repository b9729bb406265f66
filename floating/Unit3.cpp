#include "floating/Unit3.h"

#include "floating/Unitrep.h"
#include "floating/sistnumPasosFlotante.h"
#include "shell/Glifos.h"
#include "shell/PasoAPaso.h"
#include "shell/Servicios.h"
#include "shell/TextoDecimal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cifral {

namespace {

QComboBox* listaDeLongitudes(const QString& nombre, QWidget* padre)
{
    auto* c = new QComboBox(padre);
    c->setObjectName(nombre);
    for (int bits = 2; bits <= 16; ++bits)
        c->addItem(QStringLiteral("%1 Bits").arg(bits));
    c->setCurrentIndex(-1);
    c->setEnabled(false);
    return c;
}

const QStringList sistemas{QStringLiteral("BSS"), QStringLiteral("BCS"), QStringLiteral("CA1"), QStringLiteral("CA2"),
                           QStringLiteral("Exceso")};

// The report's neighbour texts: "F*(2^X)", without the blanks of the range
// texts.
QString textoVecino(double factor, double exponente)
{
    return texto(FloatToStr(factor) + "*(2^" + FloatToStr(exponente) + ")");
}

} // namespace

TForm3::TForm3(TForm2* informe, QWidget* padre)
    : VentanaConversor(QStringLiteral("Form3"), QStringLiteral("Representación de Binario a Decimal"), 640, 540, padre),
      informe_(informe)
{
    terminarCreacion();
}

void TForm3::construir()
{
    // ---- mantissa layout
    GroupBox1 = new QGroupBox(QStringLiteral("Configurar Mantisa"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFont(fuente(11, true));
    colocar(GroupBox1, 8, 8, 330, 176);
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Tipo de Mantisa"),
                                 {QStringLiteral("Entera"), QStringLiteral("Fraccionaria")}, GroupBox1);
    colocar(RadioGroup1, 10, 22, 150, 64);
    Label1 = rotulo(QStringLiteral("Label1"), QStringLiteral("Longitud: "), GroupBox1);
    colocar(Label1, 12, 100, 60, 16);
    ComboBox1 = listaDeLongitudes(QStringLiteral("ComboBox1"), GroupBox1);
    colocar(ComboBox1, 80, 96, 80, 22);
    StaticText1 = rotulo(QStringLiteral("StaticText1"), QStringLiteral("Bit implícito"), GroupBox1);
    colocar(StaticText1, 12, 140, 70, 16);
    ComboBox3 = new QComboBox(GroupBox1);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->addItems({QStringLiteral("SI"), QStringLiteral("NO")});
    ComboBox3->setCurrentIndex(-1);
    ComboBox3->setEnabled(false);
    colocar(ComboBox3, 100, 136, 60, 22);
    // Both lists carry the hint "Configure tipo de mantisa y exponente",
    // which is never shown.
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Sistema"), sistemas, GroupBox1);
    colocar(RadioGroup2, 176, 22, 140, 140);

    // ---- exponent layout
    GroupBox2 = new QGroupBox(QStringLiteral("Configurar Exponente"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setFont(fuente(11, true));
    colocar(GroupBox2, 346, 8, 286, 176);
    Label2 = rotulo(QStringLiteral("Label2"), QStringLiteral("Longitud: "), GroupBox2);
    colocar(Label2, 12, 40, 60, 16);
    ComboBox2 = listaDeLongitudes(QStringLiteral("ComboBox2"), GroupBox2);
    colocar(ComboBox2, 12, 60, 80, 22);
    RadioGroup4 = new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("Sistema"), sistemas, GroupBox2);
    colocar(RadioGroup4, 132, 22, 140, 140);
    for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup1, RadioGroup2, RadioGroup4, Label1, ComboBox1,
                                                      StaticText1, ComboBox3, Label2, ComboBox2})
        w->setFont(fuente(11));

    // ---- the number
    GroupBox3 = new QGroupBox(QStringLiteral("Ingresar Datos en Binario"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setFont(fuente(11, true));
    colocar(GroupBox3, 8, 190, 624, 178);
    const QString sinConfigurar = QStringLiteral("Realize primero la configuración de mantisa y exponente");
    auto entrada = [&](const QString& nombre, int y) {
        auto* e = new LineaEdicion(nombre, GroupBox3);
        e->setReadOnly(true);
        e->setColor(colorLuz3D());
        e->setFont(fuente(11));
        e->setToolTip(sinConfigurar);
        colocar(e, 150, y, 230, 22);
        return e;
    };
    Label7 = rotulo(QStringLiteral("Label7"), QStringLiteral("Mantisa: "), GroupBox3);
    colocar(Label7, 12, 28, 134, 16);
    Edit5 = entrada(QStringLiteral("Edit5"), 24);
    Label20 = rotulo(QStringLiteral("Label20"), QStringLiteral("Cantidad de bits ingresados:"), GroupBox3);
    colocar(Label20, 392, 28, 160, 16);
    Label22 = rotulo(QStringLiteral("Label22"), QString(), GroupBox3);
    colocar(Label22, 556, 28, 40, 16);
    Label8 = rotulo(QStringLiteral("Label8"), QStringLiteral("Exponente:"), GroupBox3);
    colocar(Label8, 12, 58, 134, 16);
    Edit6 = entrada(QStringLiteral("Edit6"), 54);
    Label21 = rotulo(QStringLiteral("Label21"), QStringLiteral("Cantidad de bits ingresados:"), GroupBox3);
    colocar(Label21, 392, 58, 160, 16);
    Label23 = rotulo(QStringLiteral("Label23"), QString(), GroupBox3);
    colocar(Label23, 556, 58, 40, 16);

    Label9 = rotulo(QStringLiteral("Label9"), QStringLiteral("Resultado en decimal:"), GroupBox3, 11, true);
    colocar(Label9, 12, 120, 134, 16);
    Label14 = rotulo(QStringLiteral("Label14"), QStringLiteral("Mantisa en decimal"), GroupBox3, 10);
    colocar(Label14, 150, 96, 150, 14);
    Edit12 = new QLineEdit(GroupBox3);
    Edit12->setObjectName(QStringLiteral("Edit12"));
    Edit12->setReadOnly(true);
    Edit12->setFont(fuente(15, true));
    colocar(Edit12, 150, 112, 190, 30);
    Label17 = rotulo(QStringLiteral("Label17"), QStringLiteral("X"), GroupBox3, 13, true);
    colocar(Label17, 348, 119, 14, 18);
    Label18 = rotulo(QStringLiteral("Label18"), QStringLiteral("2"), GroupBox3, 20, true);
    colocar(Label18, 368, 114, 16, 26);
    // The exponent stands above and right of the "2", as a superscript.
    Label16 = rotulo(QStringLiteral("Label16"), QStringLiteral("Exponente en decimal"), GroupBox3, 10);
    colocar(Label16, 386, 80, 130, 14);
    Edit13 = new QLineEdit(GroupBox3);
    Edit13->setObjectName(QStringLiteral("Edit13"));
    Edit13->setReadOnly(true);
    Edit13->setFont(fuente(13, true));
    colocar(Edit13, 386, 96, 80, 26);
    Label15 = rotulo(QStringLiteral("Label15"), QString(), GroupBox3);
    Label19 = rotulo(QStringLiteral("Label19"), QString(), GroupBox3);
    colocar(Label15, 12, 150, 1, 1);
    colocar(Label19, 12, 150, 1, 1);

    Button1 = botonComando(QStringLiteral("Button1"), QStringLiteral("Representar a Decimal"), GroupBox3);
    Button1->setToolTip(QStringLiteral("Representa el número en Punto Flotante ingresado a Decimal"));
    colocar(Button1, 480, 96, 134, 28);
    Button2 = botonComando(QStringLiteral("Button2"), QStringLiteral("Borrar"), GroupBox3);
    colocar(Button2, 480, 132, 134, 28);
    SpeedButton1 =
        new BotonRapido(QStringLiteral("SpeedButton1"), glifoDetalle(), QStringLiteral("Ver detalle"),
                        QStringLiteral("Para ver el detalle, se debe reprepresentar el número en Punto Flotante "
                                       "ingresado"),
                        GroupBox3);
    colocar(SpeedButton1, 150, 142, 110, 34);

    // ---- range and resolution
    GroupBox4 = new QGroupBox(QStringLiteral("Acerca del número en Punto Flotante Ingresado"), this);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    GroupBox4->setFont(fuente(11, true));
    colocar(GroupBox4, 8, 374, 624, 132);
    auto par = [this](const QString& nombreEtiqueta, const QString& titulo, const QString& nombreCampo, int columna,
                      int fila, QLabel*& l, QLineEdit*& e) {
        const int x = columna == 0 ? 10 : 318;
        const int y = 24 + fila * 26;
        l = rotulo(nombreEtiqueta, titulo, GroupBox4);
        colocar(l, x, y + 3, 150, 16);
        e = new QLineEdit(GroupBox4);
        e->setObjectName(nombreCampo);
        e->setReadOnly(true);
        e->setFont(fuente(11));
        colocar(e, x + 150, y, 144, 22);
    };
    par(QStringLiteral("Label6"), QStringLiteral("Número mínimo negativo:"), QStringLiteral("Edit2"), 0, 0, Label6,
        Edit2);
    par(QStringLiteral("Label13"), QStringLiteral("Resolución mínima negativa:"), QStringLiteral("Edit11"), 1, 0,
        Label13, Edit11);
    par(QStringLiteral("Label5"), QStringLiteral("Número mínimo  positivo:"), QStringLiteral("Edit4"), 0, 1, Label5,
        Edit4);
    par(QStringLiteral("Label12"), QStringLiteral("Resolución  mínima positiva:"), QStringLiteral("Edit10"), 1, 1,
        Label12, Edit10);
    par(QStringLiteral("Label3"), QStringLiteral("Número máximo negativo:"), QStringLiteral("Edit3"), 0, 2, Label3,
        Edit3);
    par(QStringLiteral("Label11"), QStringLiteral("Resolución máxima positiva:"), QStringLiteral("Edit9"), 1, 2,
        Label11, Edit9);
    par(QStringLiteral("Label4"), QStringLiteral("Número máximo positivo:"), QStringLiteral("Edit1"), 0, 3, Label4,
        Edit1);
    par(QStringLiteral("Label10"), QStringLiteral("Resolución máxima negativa:"), QStringLiteral("Edit8"), 1, 3,
        Label10, Edit8);
    deshabilitarLegible(GroupBox4);

    SpeedButton2 = new BotonRapido(QStringLiteral("SpeedButton2"), glifoAyuda(), QStringLiteral("Ayuda"),
                                   QStringLiteral("Haga click aquí para obtener ayuda"), this);
    colocar(SpeedButton2, 540, 506, 92, 32);
    pasos_ = new PasoAPasoDeConversor(
        this, QStringLiteral("Binario a Decimal"),
        QStringLiteral("Configure la mantisa y el exponente, escriba sus bits y pulse «Representar a Decimal»: aquí "
                       "verá cómo se hizo la conversión, paso a paso."));
    BotonPasoAPaso = pasos_->crearBoton(424, 508, 108, 30);

    connect(RadioGroup1, &RadioGroup::entrada, this, manejador(this, &TForm3::habg1));
    connect(RadioGroup1, &RadioGroup::click, this, manejador(this, &TForm3::habil));
    connect(RadioGroup2, &RadioGroup::entrada, this, manejador(this, &TForm3::habilitar2));
    connect(RadioGroup2, &RadioGroup::click, this, manejador(this, &TForm3::RadioGroup2Click));
    connect(RadioGroup4, &RadioGroup::entrada, this, manejador(this, &TForm3::habilitar3));
    connect(RadioGroup4, &RadioGroup::click, this, manejador(this, &TForm3::RadioGroup4Click));
    for (QComboBox* lista : {ComboBox1, ComboBox2, ComboBox3})
        connect(lista, &QComboBox::activated, this, manejador(this, &TForm3::habi));
    connect(Edit5, &QLineEdit::textChanged, this, manejador(this, &TForm3::inc));
    connect(Edit6, &QLineEdit::textChanged, this, manejador(this, &TForm3::inc));
    Edit5->alPulsarTecla = manejador(this, &TForm3::Edit5KeyPress);
    Edit6->alPulsarTecla = manejador(this, &TForm3::Edit6KeyPress);
    connect(Button1, &QPushButton::clicked, this, manejador(this, &TForm3::Button1Click));
    connect(Button2, &QPushButton::clicked, this, manejador(this, &TForm3::Button2Click));
    connect(SpeedButton1, &QToolButton::clicked, this, manejador(this, &TForm3::SpeedButton1Click));
    connect(SpeedButton1, &BotonRapido::movimiento, this, manejador(this, &TForm3::SpeedButton1MouseMove));
    connect(SpeedButton2, &QToolButton::clicked, this, manejador(this, &TForm3::SpeedButton2Click));

    Edit5->setFocus();
    FormCreate();
}

TFloatFormat TForm3::formato() const
{
    TFloatFormat f;
    f.tipoMantisa = RadioGroup1->itemIndex();
    f.longitudMantisa = longitudDeItem(ComboBox1->currentIndex());
    f.sistemaMantisa = RadioGroup2->itemIndex();
    f.bitImplicito = ComboBox3->currentIndex();
    f.longitudExponente = longitudDeItem(ComboBox2->currentIndex());
    f.sistemaExponente = RadioGroup4->itemIndex();
    return f;
}

void TForm3::FormCreate()
{
    Edit5->setLimiteTecleo(0);
    SpeedButton1->setEnabled(false);
}

void TForm3::desbloquearEntradas()
{
    for (LineaEdicion* e : {Edit5, Edit6}) {
        e->setReadOnly(false);
        e->setColor(colorVentana());
        setSugerenciaActiva(e, false);
    }
}

void TForm3::reiniciarDetalle()
{
    deshabilitarDetalle(SpeedButton1);
}

void TForm3::habg1()
{
    if (RadioGroup2->itemIndex() != SinEleccion)
        ComboBox1->setEnabled(true);
    if (RadioGroup2->itemIndex() != SinEleccion && RadioGroup4->itemIndex() != SinEleccion)
        desbloquearEntradas();
    reiniciarDetalle();
}

void TForm3::habilitar2()
{
    if (RadioGroup1->itemIndex() != SinEleccion)
        ComboBox1->setEnabled(true);
    if (RadioGroup1->itemIndex() != SinEleccion && RadioGroup4->itemIndex() != SinEleccion)
        desbloquearEntradas();
    reiniciarDetalle();
}

void TForm3::habilitar3()
{
    ComboBox2->setEnabled(true);
    if (RadioGroup2->itemIndex() != SinEleccion && RadioGroup1->itemIndex() != SinEleccion)
        desbloquearEntradas();
    reiniciarDetalle();
}

void TForm3::habil()
{
    if (RadioGroup1->itemIndex() == Fraccionaria) {
        Label7->setText(QStringLiteral("Mantisa Normalizada:"));
        ComboBox3->setEnabled(true);
    } else {
        Label7->setText(QStringLiteral("Mantisa:"));
        ComboBox3->setEnabled(false);
    }
    Edit5->setFocus();
}

void TForm3::RadioGroup2Click()
{
    Edit5->setFocus();
}

void TForm3::RadioGroup4Click()
{
    Edit5->setFocus();
    reiniciarDetalle();
}

void TForm3::habi()
{
    // Without a length there is no limit; a new limit never shortens what
    // is already typed.
    const TFloatFormat f = formato();
    Edit5->setLimiteTecleo(f.longitudMantisa > 0 ? f.longitudMantisa : 0);
    Edit6->setLimiteTecleo(f.longitudExponente > 0 ? f.longitudExponente : 0);
    reiniciarDetalle();
}

void TForm3::inc()
{
    Label22->setText(texto(IntToStr(Edit5->text().size())));
    Label23->setText(texto(IntToStr(Edit6->text().size())));
    reiniciarDetalle();
}

void TForm3::Edit5KeyPress()
{
    if (ComboBox1->currentIndex() == SinEleccion)
        Edit5->setReadOnly(true);
}

void TForm3::Edit6KeyPress()
{
    if (ComboBox2->currentIndex() == SinEleccion)
        Edit6->setReadOnly(true);
}

void TForm3::Button1Click()
{
    const TFloatFormat f = formato();
    const int n = f.longitudMantisa;
    const int m = f.longitudExponente;
    const QString mantisa = Edit5->text();
    const QString exponente = Edit6->text();
    const std::string bitsMantisa = textoDeEntrada(mantisa);
    const std::string bitsExponente = textoDeEntrada(exponente);
    pasos_->publicar(
        trabajoBinarioADecimal(f, bitsMantisa, bitsExponente, TEstado3{limites_, valorEntera_, valorFraccionaria_}));

    switch (controlarBits(bitsMantisa, n, bitsExponente, m)) {
    case LongitudIncorrecta:
        SpeedButton1->setEnabled(true);
        ShowMessage(this, QStringLiteral("Ingrese la longitud de mantisa y exponente correctas"));
        return;
    case DigitoNoBinario:
        ShowMessage(this, QStringLiteral("Ingrese números en Binario"));
        SpeedButton1->setEnabled(false);
        return;
    case BitsCorrectos:
        break;
    }
    SpeedButton1->setEnabled(true);
    if (f.tipoMantisa == SinEleccion)
        return;

    const bool hayMantisa = f.sistemaMantisa != SinEleccion;
    const auto sistemaMantisa = static_cast<TNumberSystem>(f.sistemaMantisa);
    if (f.tipoMantisa == Entera) {
        if (hayMantisa) {
            valorEntera_ = manent(bitsMantisa, n, sistemaMantisa);
            minMaxEnt(n, sistemaMantisa, limites_);
        }
        Edit12->setText(texto(textoConCeroNegativo(FloatToStr(valorEntera_), f.sistemaMantisa, bitsMantisa)));
    } else if (!mantisaNormalizada(bitsMantisa, f.sistemaMantisa)) {
        ShowMessage(this, QStringLiteral("Ingrese una mantisa fraccionaria normalizada"));
        SpeedButton1->setEnabled(false);
    } else {
        if (f.bitImplicito == SinEleccion) {
            ShowMessage(this, QStringLiteral("Configure el bit implícito"));
            return;
        }
        if (hayMantisa) {
            int nPrima = n;
            valorFraccionaria_ = mantFracc(bitsMantisa, nPrima, sistemaMantisa, usaBitImplicito(f));
            minMaxFracc(nPrima, sistemaMantisa, limites_);
        }
        Edit12->setText(texto(FloatToStr(valorFraccionaria_)));
    }

    if (f.sistemaExponente != SinEleccion) {
        const auto sistemaExponente = static_cast<TNumberSystem>(f.sistemaExponente);
        Edit13->setText(texto(textoConCeroNegativo(FloatToStr(expo(bitsExponente, m, sistemaExponente)),
                                                   f.sistemaExponente, bitsExponente)));
        calcExp(m, sistemaExponente, limites_);
    } else {
        Edit13->setText(QStringLiteral("0"));
    }

    const TTextosRango t = calcularNums(limites_, static_cast<TMantissaKind>(f.tipoMantisa), f.sistemaMantisa);
    Edit2->setText(texto(t.numeroMinimoNegativo));
    Edit4->setText(texto(t.numeroMinimoPositivo));
    Edit3->setText(texto(t.numeroMaximoNegativo));
    Edit1->setText(texto(t.numeroMaximoPositivo));
    Edit11->setText(texto(t.resolucionMinimaNegativa));
    Edit10->setText(texto(t.resolucionMinimaPositiva));
    Edit9->setText(texto(t.resolucionMaximaPositiva));
    Edit8->setText(texto(t.resolucionMaximaNegativa));
}

void TForm3::Button2Click()
{
    for (QLineEdit* e : {static_cast<QLineEdit*>(Edit5), static_cast<QLineEdit*>(Edit6), Edit12, Edit13, Edit1, Edit2,
                         Edit3, Edit4, Edit8, Edit9, Edit10, Edit11})
        e->clear();
    SpeedButton1->setEnabled(false);
    pasos_->limpiar();
}

void TForm3::SpeedButton1Click()
{
    Informe& r = informe_->QuickRep1;
    const TFloatFormat f = formato();
    const TFloatLimits& l = limites_;
    auto fts = [](double v) { return texto(FloatToStr(v)); };
    if (f.tipoMantisa == Entera)
        r.setCaption(QStringLiteral("QRLabel2"), QStringLiteral("Entera"));
    else if (f.tipoMantisa == Fraccionaria)
        r.setCaption(QStringLiteral("QRLabel2"), f.bitImplicito == SinBitImplicito
                                                     ? QStringLiteral("Fraccionaria  Normalizada")
                                                     : QStringLiteral("Fraccionaria  Normalizada  con  Bit Implícito"));
    // A list without an item has no length: its text stays empty.
    auto longitud = [](int bits) { return bits > 0 ? texto(IntToStr(bits)) : QString(); };
    r.setCaption(QStringLiteral("QRLabel5"), longitud(f.longitudMantisa));
    r.setCaption(QStringLiteral("QRLabel25"), texto(nombreSistema(f.sistemaMantisa)));
    r.setCaption(QStringLiteral("QRLabel9"), texto(nombreSistema(f.sistemaExponente)));
    r.setCaption(QStringLiteral("QRLabel26"), longitud(f.longitudExponente));
    r.setCaption(QStringLiteral("man"), Edit5->text());
    r.setCaption(QStringLiteral("exp"), Edit6->text());
    r.setCaption(QStringLiteral("Res"), Edit1->text());
    r.setCaption(QStringLiteral("Res2"), Edit4->text());
    r.setCaption(QStringLiteral("Res3"), Edit3->text());
    r.setCaption(QStringLiteral("Res4"), Edit2->text());
    r.setCaption(QStringLiteral("QRLabel68"), Edit11->text());
    r.setCaption(QStringLiteral("QRLabel69"), Edit8->text());
    r.setCaption(QStringLiteral("QRLabel61"), Edit10->text());
    r.setCaption(QStringLiteral("QRLabel60"), Edit9->text());
    r.setCaption(QStringLiteral("QRLabel71"), Edit12->text());
    r.setCaption(QStringLiteral("QRLabel74"), Edit13->text());
    r.setCaption(QStringLiteral("QRLabel56"), r.caption(QStringLiteral("Res")));
    r.setCaption(QStringLiteral("QRLabel58"), textoVecino(l.manAntMaxPos, l.expMax));
    r.setCaption(QStringLiteral("QRLabel57"), r.caption(QStringLiteral("Res2")));
    r.setCaption(QStringLiteral("QRLabel59"), textoVecino(l.manSigMinPos, l.expMin));
    r.setCaption(QStringLiteral("QRLabel62"), r.caption(QStringLiteral("Res3")));
    r.setCaption(QStringLiteral("QRLabel63"), textoVecino(l.manSigMaxNeg, l.expMax));
    r.setCaption(QStringLiteral("QRLabel65"), r.caption(QStringLiteral("Res4")));
    r.setCaption(QStringLiteral("QRLabel64"), textoVecino(l.manAntMinNeg, l.expMin));
    r.setCaption(QStringLiteral("manmaxpos"), fts(l.manMaxPos));
    r.setCaption(QStringLiteral("manmaxneg"), fts(l.manMaxNeg));
    // An integer BCS or CA1 mantissa keeps the magnitude of its negative
    // limit nearest zero: the text carries its one minus sign.
    const bool magnitud = f.tipoMantisa == Entera && (f.sistemaMantisa == BCS || f.sistemaMantisa == CA1);
    r.setCaption(QStringLiteral("manmineg"), magnitud ? QStringLiteral("-") + fts(l.manMinNeg) : fts(l.manMinNeg));
    r.setCaption(QStringLiteral("manminpos"), fts(l.manMinPos));
    r.setCaption(QStringLiteral("expmaxpos"), fts(l.expMax));
    r.setCaption(QStringLiteral("expmaxpos2"), fts(l.expMax));
    r.setCaption(QStringLiteral("expminpos"), fts(l.expMin));
    r.setCaption(QStringLiteral("expminneg"), fts(l.expMin));
    const QColor color = f.sistemaMantisa == BSS ? QColor(Qt::white) : QColor(Qt::black);
    for (const QString& e : TForm2::parteNegativa())
        r.setColor(e, color);
    vistaPrevia().mostrar(r, this);
}

void TForm3::SpeedButton1MouseMove()
{
    alMoverSobreDetalle(SpeedButton1);
}

void TForm3::SpeedButton2Click()
{
    pulsarAyuda(QStringLiteral("HELP3.hlp"));
}

} // namespace cifral
