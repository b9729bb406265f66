#include "floating/Unit4.h"

#include "floating/UnitRep4.h"
#include "floating/sistnumPasosFlotante.h"
#include "shell/Glifos.h"
#include "shell/PasoAPaso.h"
#include "shell/Servicios.h"
#include "shell/TextoDecimal.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace cifral {

namespace {

// The grey of the number before the layout is configured (the colour of a
// scroll bar); it tells the conversion that the number was never unlocked.
QColor colorSinConfigurar()
{
    return QColor(0xC8, 0xC8, 0xC8);
}

const QStringList sistemas{QStringLiteral("BSS"), QStringLiteral("BCS"), QStringLiteral("CA1"), QStringLiteral("CA2"),
                           QStringLiteral("Exceso")};

// Both length lists offer 8 and 16 bits; without an item there is no length.
QComboBox* listaDeLongitudes(const QString& nombre, QWidget* padre)
{
    auto* c = new QComboBox(padre);
    c->setObjectName(nombre);
    c->addItems({QStringLiteral("8 Bits"), QStringLiteral("16 Bits")});
    c->setCurrentIndex(-1);
    c->setEnabled(false);
    return c;
}

int longitudDeLista(const QComboBox* lista)
{
    switch (lista->currentIndex()) {
    case 0:
        return 8;
    case 1:
        return 16;
    default:
        return 0;
    }
}

QLineEdit* campo(const QString& nombre, QWidget* padre, int pixeles = 11, bool negrita = false)
{
    auto* e = new QLineEdit(padre);
    e->setObjectName(nombre);
    e->setReadOnly(true);
    e->setFont(fuente(pixeles, negrita));
    return e;
}

QGroupBox* grupo(const QString& nombre, const QString& titulo, QWidget* padre)
{
    auto* g = new QGroupBox(titulo, padre);
    g->setObjectName(nombre);
    g->setFont(fuente(11, true));
    return g;
}

} // namespace

// ---------------------------------------------------------- MarcasDeError

MarcasDeError::MarcasDeError(const QString& nombre, QWidget* padre) : QWidget(padre)
{
    setObjectName(nombre);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, Alto);
    // A screen reader says what the bar measures and how far it reaches.
    setAccessibleName(QStringLiteral("Error relativo"));
    setAccessibleDescription(QStringLiteral("0 de %1 marcas").arg(MarcasMaximas));
}

void MarcasDeError::setText(const QString& texto)
{
    texto_ = texto;
    setAccessibleDescription(QStringLiteral("%1 de %2 marcas").arg(texto_.size()).arg(MarcasMaximas));
    resize(static_cast<int>(std::ceil(Paso * static_cast<double>(texto_.size()))), Alto);
    update();
}

void MarcasDeError::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x10, 0x10));
    for (qsizetype i = 0; i < texto_.size(); ++i)
        p.drawRoundedRect(QRectF(Paso * static_cast<double>(i) + 0.5, 2.5, Paso - 2.0, Alto - 5.0), 1.5, 1.5);
}

// ------------------------------------------------------------------ TForm4

TForm4::TForm4(TFormRep4* informe, QWidget* padre)
    : VentanaConversor(QStringLiteral("Form4"), QStringLiteral("Representación  de Decimal a Punto Flotante"), 717, 533,
                       padre),
      informe_(informe)
{
    terminarCreacion();
}

void TForm4::construir()
{
    // ---- mantissa layout
    GroupBox1 = grupo(QStringLiteral("GroupBox1"), QStringLiteral("Configurar Mantisa"), this);
    colocar(GroupBox1, 8, 6, 300, 158);
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Tipo de Mantisa"),
                                 {QStringLiteral("Entera"), QStringLiteral("Fraccionaria")}, GroupBox1);
    colocar(RadioGroup1, 10, 22, 130, 60);
    Label1 = rotulo(QStringLiteral("Label1"), QStringLiteral("Longitud: "), GroupBox1);
    colocar(Label1, 12, 96, 56, 16);
    ComboBox1 = listaDeLongitudes(QStringLiteral("ComboBox1"), GroupBox1);
    colocar(ComboBox1, 70, 92, 70, 22);
    StaticText1 = rotulo(QStringLiteral("StaticText1"), QStringLiteral("Bit implícito"), GroupBox1);
    colocar(StaticText1, 12, 128, 70, 16);
    ComboBox3 = new QComboBox(GroupBox1);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->addItems({QStringLiteral("SI"), QStringLiteral("NO")});
    ComboBox3->setCurrentIndex(-1);
    colocar(ComboBox3, 86, 124, 54, 22);
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Sistema"), sistemas, GroupBox1);
    colocar(RadioGroup2, 152, 22, 136, 124);

    // ---- exponent layout
    GroupBox2 = grupo(QStringLiteral("GroupBox2"), QStringLiteral("Configurar Exponente"), this);
    colocar(GroupBox2, 316, 6, 250, 158);
    Label2 = rotulo(QStringLiteral("Label2"), QStringLiteral("Longitud: "), GroupBox2);
    colocar(Label2, 12, 44, 80, 16);
    ComboBox2 = listaDeLongitudes(QStringLiteral("ComboBox2"), GroupBox2);
    colocar(ComboBox2, 12, 64, 80, 22);
    RadioGroup4 = new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("Sistema"), sistemas, GroupBox2);
    colocar(RadioGroup4, 104, 22, 136, 124);
    for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup1, RadioGroup2, RadioGroup4, Label1, ComboBox1,
                                                      StaticText1, ComboBox3, Label2, ComboBox2})
        w->setFont(fuente(11));

    // ---- detail and help
    SpeedButton3 = new BotonRapido(
        QStringLiteral("SpeedButton3"), glifoDetalle(), QStringLiteral("Ver detalle"),
        QStringLiteral("Para ver el detalle, se debe representar el número ingresado en decimal"), this);
    SpeedButton3->setEnabled(false);
    colocar(SpeedButton3, 580, 40, 128, 40);
    SpeedButton2 =
        new BotonRapido(QStringLiteral("SpeedButton2"), glifoAyuda(), QStringLiteral("Ayuda"), QString(), this);
    colocar(SpeedButton2, 580, 100, 128, 40);
    pasos_ = new PasoAPasoDeConversor(
        this, QStringLiteral("Decimal a Punto Flotante"),
        QStringLiteral("Configure la mantisa y el exponente, escriba el número y pulse «Representar a Punto "
                       "Flotante»: aquí verá cómo se hizo la conversión, paso a paso."));
    BotonPasoAPaso = pasos_->crearBoton(580, 142, 128, 26);

    // ---- the number and its representation
    GroupBox3 = grupo(QStringLiteral("GroupBox3"), QStringLiteral("Ingresar Datos en Decimal"), this);
    colocar(GroupBox3, 8, 170, 701, 124);
    Label9 = rotulo(QStringLiteral("Label9"), QStringLiteral("Número en Decimal:"), GroupBox3);
    colocar(Label9, 12, 30, 110, 16);
    Edit7 = new LineaEdicion(QStringLiteral("Edit7"), GroupBox3);
    Edit7->setReadOnly(true);
    Edit7->setColor(colorSinConfigurar());
    Edit7->setFont(fuente(13, true));
    Edit7->setLimiteTecleo(15);
    Edit7->setToolTip(QStringLiteral("Si ingresa un número en decimal, hágalo con ','"));
    colocar(Edit7, 124, 26, 170, 24);
    Button1 = botonComando(QStringLiteral("Button1"), QStringLiteral("Representar a Punto Flotante"), GroupBox3);
    Button1->setToolTip(QStringLiteral("Representa el número Decimal ingresado a Punto Flotante"));
    colocar(Button1, 308, 24, 196, 28);
    SpeedButton1 =
        new BotonRapido(QStringLiteral("SpeedButton1"), QIcon(), QStringLiteral("Borrar"), QString(), GroupBox3);
    SpeedButton1->setFont(fuente(11));
    SpeedButton1->setAutoRaise(false);
    colocar(SpeedButton1, 512, 24, 80, 28);

    Label7 = rotulo(QStringLiteral("Label7"), QStringLiteral("Mantisa "), GroupBox3);
    colocar(Label7, 12, 86, 60, 16);
    Edit5 = campo(QStringLiteral("Edit5"), GroupBox3, 13, true);
    colocar(Edit5, 72, 80, 176, 28);
    StaticText5 = rotulo(QStringLiteral("StaticText5"), QStringLiteral("X"), GroupBox3, 15, true);
    colocar(StaticText5, 258, 90, 14, 20);
    StaticText6 = rotulo(QStringLiteral("StaticText6"), QStringLiteral("2"), GroupBox3, 20, true);
    colocar(StaticText6, 278, 84, 16, 26);
    // The exponent stands above and right of the "2", as a superscript.
    Label8 = rotulo(QStringLiteral("Label8"), QStringLiteral("Exponente"), GroupBox3);
    colocar(Label8, 298, 56, 80, 14);
    Edit6 = campo(QStringLiteral("Edit6"), GroupBox3, 13, true);
    colocar(Edit6, 298, 70, 176, 26);

    // ---- the error
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    colocar(Panel1, 8, 300, 701, 96);
    Label14 = rotulo(QStringLiteral("Label14"), QStringLiteral("Proporción del error:"), Panel1, 11, true);
    colocar(Label14, 10, 10, 124, 16);
    Label15 = rotulo(QStringLiteral("Label15"), QStringLiteral("Error Relativo"), Panel1, 11, true);
    colocar(Label15, 140, 10, 100, 16);
    StaticText2 = new MarcasDeError(QStringLiteral("StaticText2"), Panel1);
    StaticText2->move(140, 32);
    Label17 = rotulo(QStringLiteral("Label17"), QStringLiteral("0"), Panel1, 11, true);
    colocar(Label17, 140, 56, 20, 16);
    Label18 = rotulo(QStringLiteral("Label18"), QStringLiteral("MAX"), Panel1, 11, true);
    colocar(Label18, 140 + 312, 56, 30, 16);
    StaticText4 = rotulo(QStringLiteral("StaticText4"), QStringLiteral("Error Relativo"), Panel1, 11, true);
    colocar(StaticText4, 500, 8, 120, 16);
    Edit13 = new LineaEdicion(QStringLiteral("Edit13"), Panel1);
    Edit13->setReadOnly(true);
    Edit13->setFont(fuente(11, true));
    Edit13->setLimiteTecleo(7);
    colocar(Edit13, 500, 24, 190, 22);
    StaticText3 = rotulo(QStringLiteral("StaticText3"), QStringLiteral("Error Absoluto"), Panel1, 11, true);
    colocar(StaticText3, 500, 50, 120, 16);
    Edit12 = campo(QStringLiteral("Edit12"), Panel1, 11, true);
    colocar(Edit12, 500, 66, 190, 22);

    // ---- range and resolution, in two columns
    auto par = [this](const QString& nombreEtiqueta, const QString& titulo, const QString& nombreCampo, int columna,
                      int fila, QLabel*& l, QLineEdit*& e) {
        const int x = columna == 0 ? 8 : 362;
        const int y = 404 + fila * 32;
        l = rotulo(nombreEtiqueta, titulo, this, 11, true);
        colocar(l, x, y + 4, columna == 0 ? 150 : 166, 16);
        e = campo(nombreCampo, this, 11, true);
        colocar(e, columna == 0 ? x + 152 : x + 168, y, columna == 0 ? 196 : 179, 24);
        l->setBuddy(e);
    };
    par(QStringLiteral("Label4"), QStringLiteral("Número máximo positivo:"), QStringLiteral("Edit1"), 0, 0, Label4,
        Edit1);
    par(QStringLiteral("Label6"), QStringLiteral("Número mínimo negativo:"), QStringLiteral("Edit2"), 0, 1, Label6,
        Edit2);
    par(QStringLiteral("Label3"), QStringLiteral("Número máximo negativo:"), QStringLiteral("Edit3"), 0, 2, Label3,
        Edit3);
    par(QStringLiteral("Label5"), QStringLiteral("Número mínimo  positivo:"), QStringLiteral("Edit4"), 0, 3, Label5,
        Edit4);
    par(QStringLiteral("Label10"), QStringLiteral("Resolución máxima negativa:"), QStringLiteral("Edit8"), 1, 0,
        Label10, Edit8);
    par(QStringLiteral("Label11"), QStringLiteral("Resolución máxima positiva:"), QStringLiteral("Edit9"), 1, 1,
        Label11, Edit9);
    par(QStringLiteral("Label12"), QStringLiteral("Resolución  mínima positiva:"), QStringLiteral("Edit10"), 1, 2,
        Label12, Edit10);
    par(QStringLiteral("Label13"), QStringLiteral("Resolución mínima negativa:"), QStringLiteral("Edit11"), 1, 3,
        Label13, Edit11);

    connect(RadioGroup1, &RadioGroup::entrada, this, manejador(this, &TForm4::habg1));
    connect(RadioGroup1, &RadioGroup::click, this, manejador(this, &TForm4::RadioGroup1Click));
    connect(RadioGroup2, &RadioGroup::entrada, this, manejador(this, &TForm4::habilitar2));
    connect(RadioGroup2, &RadioGroup::click, this, manejador(this, &TForm4::RadioGroup2Click));
    connect(RadioGroup4, &RadioGroup::entrada, this, manejador(this, &TForm4::habilitar3));
    connect(RadioGroup4, &RadioGroup::click, this, manejador(this, &TForm4::RadioGroup4Click));
    connect(ComboBox1, &QComboBox::activated, this, manejador(this, &TForm4::ComboBox1Change));
    connect(ComboBox2, &QComboBox::activated, this, manejador(this, &TForm4::ComboBox2Change));
    connect(ComboBox3, &QComboBox::activated, this, manejador(this, &TForm4::ComboBox3Change));
    connect(Edit7, &QLineEdit::textChanged, this, manejador(this, &TForm4::Edit7Change));
    connect(Button1, &QPushButton::clicked, this, manejador(this, &TForm4::Button1Click));
    connect(SpeedButton1, &QToolButton::clicked, this, manejador(this, &TForm4::SpeedButton1Click));
    connect(SpeedButton3, &QToolButton::clicked, this, manejador(this, &TForm4::SpeedButton3Click));
    connect(SpeedButton3, &BotonRapido::movimiento, this, manejador(this, &TForm4::SpeedButton3MouseMove));
    connect(SpeedButton2, &QToolButton::clicked, this, manejador(this, &TForm4::SpeedButton2Click));

    // A screen reader names each field by the label beside it; Tab goes
    // through the mantissa's and the exponent's configuration, the number,
    // the buttons and the results, in reading order.
    Label1->setBuddy(ComboBox1);
    StaticText1->setBuddy(ComboBox3);
    Label2->setBuddy(ComboBox2);
    Label9->setBuddy(Edit7);
    Label7->setBuddy(Edit5);
    Label8->setBuddy(Edit6);
    StaticText4->setBuddy(Edit13);
    StaticText3->setBuddy(Edit12);
    ordenarTabulacion({RadioGroup1, ComboBox1,    ComboBox3,    RadioGroup2,    ComboBox2, RadioGroup4,
                       Edit7,       Button1,      SpeedButton1, Edit5,          Edit6,     Edit13,
                       Edit12,      SpeedButton3, SpeedButton2, BotonPasoAPaso, Edit1,     Edit8,
                       Edit2,       Edit9,        Edit3,        Edit10,         Edit4,     Edit11});
    // The focus starts on the number, so that the first click into any
    // radio group enters it.
    Edit7->setFocus();
}

// ------------------------------------------------------- configuration

void TForm4::desbloquearNumero()
{
    Edit7->setReadOnly(false);
    Edit7->setColor(colorVentana());
}

void TForm4::reiniciarDetalle()
{
    deshabilitarDetalle(SpeedButton3);
}

void TForm4::habg1()
{
    if (RadioGroup2->itemIndex() != SinEleccion)
        ComboBox1->setEnabled(true);
    if (RadioGroup2->itemIndex() != SinEleccion && RadioGroup4->itemIndex() != SinEleccion)
        desbloquearNumero();
    reiniciarDetalle();
}

void TForm4::habilitar2()
{
    if (RadioGroup1->itemIndex() != SinEleccion)
        ComboBox1->setEnabled(true);
    if (RadioGroup1->itemIndex() != SinEleccion && RadioGroup4->itemIndex() != SinEleccion)
        desbloquearNumero();
    reiniciarDetalle();
}

void TForm4::habilitar3()
{
    ComboBox2->setEnabled(true);
    if (RadioGroup2->itemIndex() != SinEleccion && RadioGroup1->itemIndex() != SinEleccion)
        desbloquearNumero();
    reiniciarDetalle();
}

void TForm4::RadioGroup1Click()
{
    ComboBox3->setEnabled(RadioGroup1->itemIndex() != Entera);
    Edit7->setFocus();
}

void TForm4::RadioGroup2Click()
{
    Edit7->setFocus();
}

void TForm4::RadioGroup4Click()
{
    Edit7->setFocus();
}

void TForm4::Edit7Change()
{
    reiniciarDetalle();
}

void TForm4::ComboBox1Change()
{
    reiniciarDetalle();
}

void TForm4::ComboBox2Change()
{
    reiniciarDetalle();
}

void TForm4::ComboBox3Change()
{
    reiniciarDetalle();
}

// ---------------------------------------------------------- conversion

bool TForm4::calcular_Menos_Cero(const std::string& numero, int n, int e, int sistemaMantisa, int sistemaExponente)
{
    if (!esMenosCero(numero))
        return false;
    if (sistemaMantisa != BCS) {
        ShowMessage(this, QStringLiteral("No existe el menos cero en el sistema configurado"));
        return false;
    }
    // Sign and magnitude has a negative zero.
    const TMantisaExponente cero = menosCeroBcs(n, e, sistemaExponente);
    Edit5->setText(texto(cero.mantisa));
    Edit6->setText(texto(cero.exponente));
    return true;
}

bool TForm4::selBImp()
{
    if (RadioGroup1->itemIndex() == Fraccionaria && ComboBox3->currentIndex() == SinEleccion) {
        ShowMessage(this, QStringLiteral("Configure Bit Implícito"));
        return false;
    }
    return true;
}

void TForm4::escribirError(const TError4& error)
{
    Edit12->setText(texto(error.absoluto));
    Edit13->setText(texto(error.relativo));
    StaticText2->setText(QString(error.marcas, QLatin1Char('a')));
}

// The window step of either kind of mantissa: its messages, then the fields
// it writes, then the error.
void TForm4::convertir(TMantissaKind tipo, const TFormato4& formato)
{
    const std::string numero = textoDeEntrada(Edit7->text());
    const TConversion4 c =
        tipo == Entera ? calcular_MantExp_Entera(numero, formato) : calcular_MantExp_Fraccionaria(numero, formato);
    for (const std::string& m : c.mensajes)
        ShowMessage(this, texto(m));
    if (!c.escribe)
        return;
    Edit5->setText(texto(c.mantisa));
    Edit6->setText(texto(c.exponente));
    // The error is read back from what the fields show, against the number
    // read again from its text.
    const double x = guardarDouble(StrToFloat(numero));
    const std::string mantisa = textoDeEntrada(Edit5->text());
    const std::string exponente = textoDeEntrada(Edit6->text());
    if (const auto error = tipo == Entera ? calcular_errores(formato, x, mantisa, exponente)
                                          : calculo_error_F(formato, x, mantisa, exponente))
        escribirError(*error);
}

void TForm4::calcularRango(TMantissaKind tipo, const TFormato4& formato)
{
    limites_ = limitesDelFormato(tipo, formato);
    const TTextosRango t = textosDelRango(limites_, tipo, formato.sistemaMantisa);
    Edit1->setText(texto(t.numeroMaximoPositivo));
    Edit2->setText(texto(t.numeroMinimoNegativo));
    Edit3->setText(texto(t.numeroMaximoNegativo));
    Edit4->setText(texto(t.numeroMinimoPositivo));
    Edit8->setText(texto(t.resolucionMaximaNegativa));
    Edit9->setText(texto(t.resolucionMaximaPositiva));
    Edit10->setText(texto(t.resolucionMinimaPositiva));
    Edit11->setText(texto(t.resolucionMinimaNegativa));
}

void TForm4::Button1Click()
{
    TPulsacion4 pulsacion;
    pulsacion.configurado = Edit7->color() != colorSinConfigurar();
    pulsacion.n = longitudDeLista(ComboBox1);
    pulsacion.e = longitudDeLista(ComboBox2);
    pulsacion.numero = textoDeEntrada(Edit7->text());
    pulsacion.tipo = RadioGroup1->itemIndex();
    pulsacion.sistemaMantisa = RadioGroup2->itemIndex();
    pulsacion.sistemaExponente = RadioGroup4->itemIndex();
    pulsacion.bitImplicito = ComboBox3->currentIndex();
    pulsacion.exponenteAnterior = textoDeEntrada(Edit6->text());
    pasos_->publicar(trabajoDecimalAFlotante(pulsacion));

    if (Edit7->color() == colorSinConfigurar())
        ShowMessage(this, QStringLiteral("Realize la configuración"));

    // The checks and the conversion; a failed check skips the rest and goes
    // on to the sign of the smallest negative number. A number that cannot
    // be read ends the whole handler.
    [this] {
        const int n = longitudDeLista(ComboBox1);
        const int e = longitudDeLista(ComboBox2);
        if (n == 0 || e == 0) {
            SpeedButton3->setEnabled(false);
            ShowMessage(this, QStringLiteral("Ingrese longitud de exponente correctas"));
            return;
        }
        const std::string numero = textoDeEntrada(Edit7->text());
        if (numero.empty()) {
            SpeedButton3->setEnabled(false);
            ShowMessage(this, QStringLiteral("Ingrese un número decimal"));
            return;
        }
        if (!esNumero(numero)) {
            ShowMessage(this, QStringLiteral("Ingrese un número decimal"));
            SpeedButton3->setEnabled(false);
            return;
        }
        const int tipo = RadioGroup1->itemIndex();
        const int sistemaMantisa = RadioGroup2->itemIndex();
        const int sistemaExponente = RadioGroup4->itemIndex();
        if (!calcular_Menos_Cero(numero, n, e, sistemaMantisa, sistemaExponente) && selBImp() && tipo != SinEleccion) {
            if (sistemaMantisa == SinEleccion || sistemaExponente == SinEleccion) {
                // A group entered without a choice unlocks the number; there
                // is still no layout to convert to.
                ShowMessage(this, QStringLiteral("Realize la configuración"));
            } else {
                const TFormato4 f{n, e, static_cast<TNumberSystem>(sistemaMantisa),
                                  static_cast<TNumberSystem>(sistemaExponente),
                                  ComboBox3->currentIndex() == ConBitImplicito};
                const auto clase = static_cast<TMantissaKind>(tipo);
                convertir(clase, f);
                if (!Edit6->text().isEmpty())
                    calcularRango(clase, f);
            }
        }
        SpeedButton3->setEnabled(true);
    }();

    const QString minimo = texto(conSignoNegativo(textoDeEntrada(Edit2->text())));
    if (minimo != Edit2->text())
        Edit2->setText(minimo);
}

void TForm4::SpeedButton1Click()
{
    for (QLineEdit* e :
         {static_cast<QLineEdit*>(Edit7), Edit5, Edit6, Edit1, Edit2, Edit3, Edit4, Edit8, Edit9, Edit10, Edit11})
        e->clear();
    SpeedButton3->setEnabled(false);
    pasos_->limpiar();
}

// ---------------------------------------------------------------- report

void TForm4::SpeedButton3Click()
{
    Informe& r = informe_->QuickRep1;
    const TFloatLimits& l = limites_;
    auto fts = [](double v) { return texto(FloatToStr(v)); };
    const int tipo = RadioGroup1->itemIndex();
    if (tipo == Entera)
        r.setCaption(QStringLiteral("QRLabel2"), QStringLiteral("Entera"));
    else if (tipo == Fraccionaria)
        r.setCaption(QStringLiteral("QRLabel2"), ComboBox3->currentIndex() == SinBitImplicito
                                                     ? QStringLiteral("Fraccionaria  Normalizada")
                                                     : QStringLiteral("Fraccionaria  Normalizada  con  Bit Implícito"));
    // A list without an item has no length: its text stays empty.
    auto longitud = [](const QComboBox* lista) {
        const int bits = longitudDeLista(lista);
        return bits > 0 ? texto(IntToStr(bits)) : QString();
    };
    r.setCaption(QStringLiteral("QRLabel62"), longitud(ComboBox1));
    r.setCaption(QStringLiteral("QRLabel63"), texto(nombreSistema(RadioGroup2->itemIndex())));
    r.setCaption(QStringLiteral("QRLabel8"), texto(nombreSistema(RadioGroup4->itemIndex())));
    r.setCaption(QStringLiteral("QRLabel10"), longitud(ComboBox2));
    r.setCaption(QStringLiteral("QRLabel12"), Edit7->text());
    r.setCaption(QStringLiteral("QRLabel14"), Edit5->text());
    r.setCaption(QStringLiteral("QRLabel17"), Edit6->text());
    r.setCaption(QStringLiteral("QRLabel20"), fts(l.manMaxPos));
    r.setCaption(QStringLiteral("QRLabel24"), fts(l.expMax));
    r.setCaption(QStringLiteral("QRLabel27"), fts(l.manMinPos));
    r.setCaption(QStringLiteral("QRLabel38"), fts(l.manMaxNeg));
    r.setCaption(QStringLiteral("QRLabel30"), fts(l.expMin));
    r.setCaption(QStringLiteral("QRLabel41"), fts(l.expMax));
    r.setCaption(QStringLiteral("QRLabel50"), fts(l.expMin));
    // The mantissa of the negative number nearest zero, whatever sign the
    // window keeps it with.
    r.setCaption(QStringLiteral("QRLabel47"), QStringLiteral("-") + fts(std::fabs(l.manMinNeg)));
    r.setCaption(QStringLiteral("QRLabel34"), Edit1->text());
    r.setCaption(QStringLiteral("QRLabel35"), Edit4->text());
    r.setCaption(QStringLiteral("QRLabel44"), Edit3->text());
    r.setCaption(QStringLiteral("QRLabel53"), Edit2->text());
    r.setCaption(QStringLiteral("QRLabel55"), Edit9->text());
    r.setCaption(QStringLiteral("QRLabel57"), Edit10->text());
    r.setCaption(QStringLiteral("QRLabel59"), Edit8->text());
    r.setCaption(QStringLiteral("QRLabel61"), Edit11->text());
    r.setCaption(QStringLiteral("QRLabel67"), Edit13->text());
    r.setCaption(QStringLiteral("QRLabel68"), Edit12->text());
    const QColor color = RadioGroup2->itemIndex() == BSS ? QColor(Qt::white) : QColor(Qt::black);
    for (const QString& e : TFormRep4::parteNegativa())
        r.setColor(e, color);
    informe_->despejarSistemas();
    vistaPrevia().mostrar(r, this);
}

void TForm4::SpeedButton3MouseMove()
{
    alMoverSobreDetalle(SpeedButton3);
}

void TForm4::SpeedButton2Click()
{
    pulsarAyuda(QStringLiteral("HELP4.hlp"));
}

} // namespace cifral
