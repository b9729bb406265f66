#include "arith/Unit7.h"

#include "arith/Tad_Entera7.h"
#include "arith/Tad_Fracc7.h"
#include "arith/Unit7b.h"
#include "arith/sistnumPasosSuma.h"
#include "shell/Glifos.h"
#include "shell/PasoAPaso.h"
#include "shell/Servicios.h"
#include "shell/TextoDecimal.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <utility>

namespace cifral {

namespace {

// The items of both system groups, in the order of TNumberSystem.
QStringList sistemas()
{
    QStringList nombres;
    for (int s = BSS; s <= Exceso; ++s)
        nombres << texto(nombreSistema(s));
    return nombres;
}

// A result edit shows its text in black also while it is disabled: the
// result must be readable before the edits are opened to the user.
void resultadoLegible(QLineEdit* e)
{
    QPalette p = e->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, p.color(QPalette::Active, QPalette::Text));
    e->setPalette(p);
}

QComboBox* listaDeLongitudes(const QString& nombre, QWidget* padre)
{
    auto* c = new QComboBox(padre);
    c->setObjectName(nombre);
    c->addItems({QStringLiteral("8"), QStringLiteral("16")});
    c->setCurrentIndex(-1);
    c->setFont(fuente(11, true));
    return c;
}

} // namespace

TForm7::TForm7(TForm7b* informe, QWidget* padre)
    : VentanaConversor(QStringLiteral("Form7"), QStringLiteral("Suma y Resta"), 550, 367, padre), informe_(informe)
{
    terminarCreacion();
}

void TForm7::construir()
{
    // ---- mantissa: kind, and over its frame the system and the length
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Configurar Mantisa"),
                                 {QStringLiteral("Entera"), QStringLiteral("Fraccionaria")}, this);
    RadioGroup1->setFont(fuente(11, true));
    colocar(RadioGroup1, 8, 8, 281, 177);
    // The kinds stand in the frame's left column, clear of the system group.
    RadioGroup1->layout()->setContentsMargins(8, 16, 281 - 136, 16);
    RadioGroup3 = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Sistema Numerico"), sistemas(), this);
    RadioGroup3->setFont(fuente(11, true));
    colocar(RadioGroup3, 152, 24, 121, 105);
    StaticText1 = rotulo(QStringLiteral("StaticText1"), QStringLiteral("Longitud:"), this);
    colocar(StaticText1, 176, 136, 60, 16);
    ComboBox1 = listaDeLongitudes(QStringLiteral("ComboBox1"), this);
    colocar(ComboBox1, 176, 152, 57, 21);

    // ---- exponent: a frame with the system and the length over it
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Configurar Exponente"), {}, this);
    RadioGroup2->setFont(fuente(11, true));
    colocar(RadioGroup2, 296, 8, 241, 177);
    RadioGroup4 = new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("Sistema Numerico"), sistemas(), this);
    RadioGroup4->setFont(fuente(11, true));
    colocar(RadioGroup4, 328, 24, 153, 105);
    StaticText2 = rotulo(QStringLiteral("StaticText2"), QStringLiteral("Longitud:"), this);
    colocar(StaticText2, 328, 152, 54, 16);
    ComboBox2 = listaDeLongitudes(QStringLiteral("ComboBox2"), this);
    colocar(ComboBox2, 384, 152, 57, 21);

    // ---- the two numbers and the result
    auto grupo = [this](const QString& nombre, const QString& titulo, int x, int ancho) {
        auto* g = new QGroupBox(titulo, this);
        g->setObjectName(nombre);
        g->setFont(fuente(11, true));
        colocar(g, x, 192, ancho, 121);
        return g;
    };
    auto entrada = [](const QString& nombre, QGroupBox* g, int y, int ancho) {
        auto* e = new LineaEdicion(nombre, g);
        e->setFont(fuente(11, true));
        colocar(e, 8, y, ancho, 21);
        return e;
    };
    auto etiqueta = [](const QString& nombre, const QString& titulo, QGroupBox* g, int y) {
        QLabel* l = rotulo(nombre, titulo, g, 11, true);
        colocar(l, 8, y, 100, 16);
        return l;
    };
    GroupBox1 = grupo(QStringLiteral("GroupBox1"), QStringLiteral("Primer Número"), 8, 161);
    StaticText3 = etiqueta(QStringLiteral("StaticText3"), QStringLiteral("Mantisa:"), GroupBox1, 24);
    Edit1 = entrada(QStringLiteral("Edit1"), GroupBox1, 40, 121);
    StaticText4 = etiqueta(QStringLiteral("StaticText4"), QStringLiteral("Exponente:"), GroupBox1, 72);
    Edit2 = entrada(QStringLiteral("Edit2"), GroupBox1, 88, 121);
    GroupBox2 = grupo(QStringLiteral("GroupBox2"), QStringLiteral("Segundo Número"), 176, 153);
    Label1 = etiqueta(QStringLiteral("Label1"), QStringLiteral("Mantisa:"), GroupBox2, 24);
    Edit3 = entrada(QStringLiteral("Edit3"), GroupBox2, 40, 121);
    Label2 = etiqueta(QStringLiteral("Label2"), QStringLiteral("Exponente:"), GroupBox2, 72);
    Edit4 = entrada(QStringLiteral("Edit4"), GroupBox2, 88, 121);
    GroupBox3 = grupo(QStringLiteral("GroupBox3"), QStringLiteral("Resultado"), 384, 153);
    Label3 = etiqueta(QStringLiteral("Label3"), QStringLiteral("Mantisa:"), GroupBox3, 24);
    Edit5 = entrada(QStringLiteral("Edit5"), GroupBox3, 40, 137);
    Label4 = etiqueta(QStringLiteral("Label4"), QStringLiteral("Exponente:"), GroupBox3, 72);
    Edit6 = entrada(QStringLiteral("Edit6"), GroupBox3, 88, 137);
    Edit6->setReadOnly(true);
    resultadoLegible(Edit5);
    resultadoLegible(Edit6);

    SpeedButton1 = new BotonRapido(QStringLiteral("SpeedButton1"), QIcon(), QStringLiteral("Sumar"), {}, this);
    colocar(SpeedButton1, 336, 216, 41, 25);
    SpeedButton2 = new BotonRapido(QStringLiteral("SpeedButton2"), QIcon(), QStringLiteral("Restar"), {}, this);
    colocar(SpeedButton2, 336, 256, 41, 25);
    Button1 = botonComando(QStringLiteral("Button1"), QStringLiteral("Borrar"), this);
    colocar(Button1, 8, 328, 75, 25);
    // At 73 pixels the caption "Ver Detalle" leaves no room for a glyph.
    SpeedButton3 = new BotonRapido(QStringLiteral("SpeedButton3"), QIcon(), QStringLiteral("Ver Detalle"),
                                   QStringLiteral("Para ver el detalle, debe realizar la operación"), this);
    colocar(SpeedButton3, 104, 328, 73, 25);
    SpeedButton4 = new BotonRapido(QStringLiteral("SpeedButton4"), glifoAyuda(), QStringLiteral("Ayuda"), {}, this);
    SpeedButton4->setIconSize(QSize(16, 16));
    colocar(SpeedButton4, 200, 328, 57, 25);
    pasos_ = new PasoAPasoDeConversor(this, QStringLiteral("Suma y Resta"),
                                      QStringLiteral("Configure el formato, escriba los dos números y pulse «Sumar» o "
                                                     "«Restar»: aquí verá cómo se hizo la operación, paso a paso."));
    BotonPasoAPaso = pasos_->crearBoton(272, 328, 97, 25);

    connect(RadioGroup3, &RadioGroup::entrada, this, manejador(this, &TForm7::RadioGroup3Enter));
    connect(ComboBox1, &QComboBox::activated, this, manejador(this, &TForm7::ComboBox1Change));
    connect(RadioGroup1, &RadioGroup::entrada, this, manejador(this, &TForm7::RadioGroup1Enter));
    connect(RadioGroup4, &RadioGroup::entrada, this, manejador(this, &TForm7::RadioGroup4Enter));
    connect(ComboBox2, &QComboBox::activated, this, manejador(this, &TForm7::ComboBox2Change));
    connect(ComboBox2, &QComboBox::activated, this, manejador(this, &TForm7::ComboBox2Click));
    connect(Edit1, &QLineEdit::textChanged, this, manejador(this, &TForm7::Edit1Change));
    connect(Edit2, &QLineEdit::textChanged, this, manejador(this, &TForm7::Edit2Change));
    connect(Edit3, &QLineEdit::textChanged, this, manejador(this, &TForm7::Edit3Change));
    connect(Edit4, &QLineEdit::textChanged, this, manejador(this, &TForm7::Edit4Change));
    connect(SpeedButton1, &QToolButton::clicked, this, manejador(this, &TForm7::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, manejador(this, &TForm7::SpeedButton2Click));
    connect(Button1, &QPushButton::clicked, this, manejador(this, &TForm7::Button1Click));
    connect(SpeedButton3, &QToolButton::clicked, this, manejador(this, &TForm7::SpeedButton3Click));
    connect(SpeedButton3, &BotonRapido::movimiento, this, manejador(this, &TForm7::SpeedButton3MouseMove));
    connect(SpeedButton4, &QToolButton::clicked, this, manejador(this, &TForm7::SpeedButton4Click));

    // What a screen reader says of each field; Tab goes through the format,
    // the two numbers, the operations and the result, in reading order.
    StaticText1->setBuddy(ComboBox1);
    StaticText2->setBuddy(ComboBox2);
    ComboBox1->setAccessibleName(QStringLiteral("Longitud de la mantisa"));
    ComboBox2->setAccessibleName(QStringLiteral("Longitud del exponente"));
    for (auto [campo, nombre] :
         {std::pair{Edit1, "Mantisa del primer número"}, std::pair{Edit2, "Exponente del primer número"},
          std::pair{Edit3, "Mantisa del segundo número"}, std::pair{Edit4, "Exponente del segundo número"},
          std::pair{Edit5, "Mantisa del resultado"}, std::pair{Edit6, "Exponente del resultado"}})
        campo->setAccessibleName(QString::fromUtf8(nombre));
    ordenarTabulacion({RadioGroup1, RadioGroup3, ComboBox1, RadioGroup4, ComboBox2, Edit1, Edit2, Edit3, Edit4,
                       SpeedButton1, SpeedButton2, Edit5, Edit6, Button1, SpeedButton3, SpeedButton4, BotonPasoAPaso});
    FormCreate();
    // No control holds the focus when the window first shows (all but the
    // system group are disabled): the first click into that group is then
    // an entry into it, which unlocks the length list.
    setFocus();
}

TFormatoSuma TForm7::formato() const
{
    return {RadioGroup3->itemIndex(), longitudDeItemSuma(ComboBox1->currentIndex()), RadioGroup4->itemIndex(),
            longitudDeItemSuma(ComboBox2->currentIndex())};
}

TOperandos TForm7::operandos() const
{
    return {textoDeEntrada(Edit1->text()), textoDeEntrada(Edit2->text()), textoDeEntrada(Edit3->text()),
            textoDeEntrada(Edit4->text())};
}

QList<QWidget*> TForm7::bloqueables() const
{
    return {RadioGroup1, ComboBox1, RadioGroup2, RadioGroup4, ComboBox2,    Edit1,        Edit2,       Edit3,
            Edit4,       Edit5,     Edit6,       Button1,     SpeedButton3, SpeedButton1, SpeedButton2};
}

void TForm7::FormCreate()
{
    for (QWidget* w : bloqueables())
        w->setEnabled(false);
    // The detail button's hint waits for the first handler that resets it.
    SpeedButton3->setSugerenciaActiva(false);
}

void TForm7::reiniciarDetalle()
{
    deshabilitarDetalle(SpeedButton3);
}

void TForm7::RadioGroup3Enter()
{
    ComboBox1->setEnabled(true);
    reiniciarDetalle();
}

void TForm7::ComboBox1Change()
{
    RadioGroup1->setEnabled(true);
    const int nm = formato().longitudMantisa;
    Edit1->setLimiteTecleo(nm);
    Edit3->setLimiteTecleo(nm);
    reiniciarDetalle();
}

void TForm7::RadioGroup1Enter()
{
    RadioGroup2->setEnabled(true);
    RadioGroup4->setEnabled(true);
    reiniciarDetalle();
}

void TForm7::RadioGroup4Enter()
{
    ComboBox2->setEnabled(true);
    reiniciarDetalle();
}

void TForm7::ComboBox2Change()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, Edit3, Edit4, Button1})
        w->setEnabled(true);
    const int ne = formato().longitudExponente;
    Edit2->setLimiteTecleo(ne);
    Edit4->setLimiteTecleo(ne);
    reiniciarDetalle();
}

void TForm7::ComboBox2Click()
{
}

// The operations unlock when the four texts have the lengths of the layout;
// their characters are looked at only when an operation runs.
void TForm7::revisarLongitudes()
{
    const TFormatoSuma f = formato();
    const TOperandos o = operandos();
    auto mide = [](const std::string& t, int n) { return static_cast<int>(t.size()) == n; };
    const bool listas = mide(o.m1, f.longitudMantisa) && mide(o.e1, f.longitudExponente) &&
                        mide(o.m2, f.longitudMantisa) && mide(o.e2, f.longitudExponente);
    SpeedButton1->setEnabled(listas);
    SpeedButton2->setEnabled(listas);
    reiniciarDetalle();
}

void TForm7::Edit1Change()
{
    revisarLongitudes();
}

void TForm7::Edit2Change()
{
    revisarLongitudes();
}

void TForm7::Edit3Change()
{
    revisarLongitudes();
}

void TForm7::Edit4Change()
{
    revisarLongitudes();
}

void TForm7::operar(TOperacion op)
{
    // The working is written from the inputs of this press, before the
    // operation changes the detail it starts from.
    const int tipo = RadioGroup1->itemIndex();
    Trabajo trabajo = trabajoSumaResta(tipo, op, operandos(), formato(), detalle_);
    if (!operandosBinarios(operandos(), formato())) {
        Edit5->setText(QString());
        Edit6->setText(QString());
        ShowMessage(this, QStringLiteral("Ingrese números en Binario"));
        pasos_->publicar(std::move(trabajo));
        return;
    }
    // With no kind chosen nothing is computed and the result stays.
    if (tipo == Entera)
        op == Suma ? calcular_suma_entera() : calcular_resta_entera();
    else if (tipo == Fraccionaria)
        op == Suma ? calcular_suma_fraccionaria() : calcular_resta_fraccionaria();
    SpeedButton3->setEnabled(!Edit5->text().isEmpty() && !Edit6->text().isEmpty());
    detalle_.operacion = nombreOperacion(op);
    pasos_->publicar(std::move(trabajo));
}

void TForm7::calcular(TOperacion op, TMantissaKind tipo)
{
    const TOperandos o = operandos();
    const TResultadoOperacion r = tipo == Entera ? flotantes_conEntera(op, o, formato(), detalle_)
                                                 : flotantes_conFraccionaria(op, o, formato(), detalle_);
    detalle_ = r.detalle;
    for (const std::string& m : r.mensajes)
        ShowMessage(this, texto(m));
    Edit5->setText(texto(r.mantisa));
    Edit6->setText(texto(r.exponente));
}

void TForm7::calcular_suma_entera()
{
    calcular(Suma, Entera);
}

void TForm7::calcular_resta_entera()
{
    calcular(Resta, Entera);
}

void TForm7::calcular_suma_fraccionaria()
{
    calcular(Suma, Fraccionaria);
}

void TForm7::calcular_resta_fraccionaria()
{
    calcular(Resta, Fraccionaria);
}

void TForm7::SpeedButton1Click()
{
    operar(Suma);
}

void TForm7::SpeedButton2Click()
{
    operar(Resta);
}

void TForm7::Button1Click()
{
    for (LineaEdicion* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        e->setText(QString());
    SpeedButton3->setEnabled(false);
    pasos_->limpiar();
}

QString TForm7::queTipoMantisa(int item)
{
    switch (item) {
    case Entera:
        return QStringLiteral("Entera");
    case Fraccionaria:
        return QStringLiteral("Fraccionaria");
    default:
        return {};
    }
}

QString TForm7::queSistNumerico(int item)
{
    return texto(nombreSistema(item));
}

QString TForm7::queLongitud(int item)
{
    const int bits = longitudDeItemSuma(item);
    return bits > 0 ? texto(IntToStr(bits)) + QStringLiteral(" bits") : QString();
}

void TForm7::SpeedButton3Click()
{
    Informe& r = informe_->QuickRep1;
    auto fts = [](double v) { return texto(FloatToStr(v)); };
    r.setCaption(QStringLiteral("QRLabel3"), queTipoMantisa(RadioGroup1->itemIndex()));
    r.setCaption(QStringLiteral("QRLabel5"), queSistNumerico(RadioGroup3->itemIndex()));
    r.setCaption(QStringLiteral("QRLabel7"), queLongitud(ComboBox1->currentIndex()));
    r.setCaption(QStringLiteral("QRLabel9"), queSistNumerico(RadioGroup4->itemIndex()));
    r.setCaption(QStringLiteral("QRLabel11"), queLongitud(ComboBox2->currentIndex()));
    r.setCaption(QStringLiteral("QRLabel13"), texto(detalle_.operacion));
    r.setCaption(QStringLiteral("QRLabel16"), Edit1->text());
    r.setCaption(QStringLiteral("QRLabel18"), Edit2->text());
    r.setCaption(QStringLiteral("QRLabel22"), fts(detalle_.valorMantisa1));
    r.setCaption(QStringLiteral("QRLabel23"), fts(detalle_.valorExponente1));
    r.setCaption(QStringLiteral("QRLabel32"), Edit3->text());
    r.setCaption(QStringLiteral("QRLabel33"), Edit4->text());
    r.setCaption(QStringLiteral("QRLabel34"), fts(detalle_.valorMantisa2));
    r.setCaption(QStringLiteral("QRLabel35"), fts(detalle_.valorExponente2));
    r.setCaption(QStringLiteral("QRLabel25"), Edit5->text());
    r.setCaption(QStringLiteral("QRLabel37"), Edit6->text());
    r.setCaption(QStringLiteral("QRLabel40"), fts(detalle_.valorMantisaResultado));
    r.setCaption(QStringLiteral("QRLabel41"), fts(detalle_.valorExponenteResultado));
    vistaPrevia().mostrar(r, this);
    ActivarConf();
}

// After a preview every control is open at once: Edit5 takes typing, Edit6
// stays read-only, and the operations run whatever the lengths.
void TForm7::ActivarConf()
{
    for (QWidget* w : bloqueables())
        w->setEnabled(true);
}

void TForm7::SpeedButton3MouseMove()
{
    alMoverSobreDetalle(SpeedButton3);
}

void TForm7::SpeedButton4Click()
{
    pulsarAyuda(QStringLiteral("HELP7.hlp"));
}

} // namespace cifral
