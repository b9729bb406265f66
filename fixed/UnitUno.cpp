#include "fixed/UnitUno.h"

#include "fixed/UnitUnob.h"
#include "fixed/sistnumA.h"
#include "fixed/sistnumPasosFijo.h"
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

QLineEdit* campo(const QString& nombre, QWidget* padre, int x, int y)
{
    auto* e = new QLineEdit(padre);
    e->setObjectName(nombre);
    colocar(e, x, y, 150, 22);
    return e;
}

} // namespace

TFormUno::TFormUno(TForm2a* informe, QWidget* padre)
    : VentanaConversor(QStringLiteral("FormUno"), QStringLiteral("Representación de Binario a Entero"), 581, 410,
                       padre),
      informe_(informe)
{
    terminarCreacion();
}

void TFormUno::construir()
{
    Label1 = rotulo(QStringLiteral("Label1"), QStringLiteral("Ingrese el número en binario:"), this, 15, true);
    colocar(Label1, 16, 14, 260, 20);
    Edit1 = new LineaEdicion(QStringLiteral("Edit1"), this);
    Edit1->setReadOnly(true);
    Edit1->setColor(colorLuz3D());
    Edit1->setFont(fuente(11, true));
    Edit1->setLimiteTecleo(32);
    colocar(Edit1, 16, 38, 257, 24);
    Label4 = rotulo(QStringLiteral("Label4"), QStringLiteral("Longitud de la cadena:"), this, 11, true);
    // Eight pixels left of the list below it, so that its text stays clear
    // of the option group's frame.
    colocar(Label4, 280, 20, 130, 16);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (int bits = 2; bits <= 32; ++bits)
        ComboBox1->addItem(QStringLiteral("%1 Bits").arg(bits));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEnabled(false);
    ComboBox1->setMaxVisibleItems(12);
    colocar(ComboBox1, 288, 38, 90, 24);

    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Seleccione una opción"),
                                 {QStringLiteral("Convertir a BSS"), QStringLiteral("Convertir a BCS"),
                                  QStringLiteral("Convertir a CA1"), QStringLiteral("Convertir a CA2"),
                                  QStringLiteral("Convertir a Exceso")},
                                 this);
    colocar(RadioGroup1, 400, 8, 170, 132);

    Label2 = rotulo(QStringLiteral("Label2"), QStringLiteral("Cantidad de números ingresados:"), this, 15);
    colocar(Label2, 16, 74, 230, 20);
    Label3 = rotulo(QStringLiteral("Label3"), QString(), this, 8, true);
    colocar(Label3, 250, 79, 40, 12);

    Label5 = rotulo(QStringLiteral("Label5"), QStringLiteral("Número en entero:"), this, 15, true);
    colocar(Label5, 16, 106, 200, 20);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setFont(fuente(13, true));
    colocar(Edit2, 16, 130, 257, 26);
    SpeedButton1 = new BotonRapido(QStringLiteral("SpeedButton1"), glifoDetalle(), QStringLiteral("Ver detalle"),
                                   QStringLiteral("Para ver el detalle, se debe convertir el número"), this);
    colocar(SpeedButton1, 284, 124, 108, 38);
    Button1 = botonComando(QStringLiteral("Button1"), QStringLiteral("Convertir"), this);
    Button1->setToolTip(QStringLiteral("Representa el número ingresado en entero"));
    colocar(Button1, 424, 150, 110, 28);

    Button2 = botonComando(QStringLiteral("Button2"), QStringLiteral("Borrar"), this);
    colocar(Button2, 16, 170, 100, 28);
    SpeedButton2 = new BotonRapido(QStringLiteral("SpeedButton2"), glifoAyuda(), QStringLiteral("Ayuda"),
                                   QStringLiteral("Haga click aquí para obtener ayuda"), this);
    colocar(SpeedButton2, 130, 166, 90, 36);
    pasos_ =
        new PasoAPasoDeConversor(this, QStringLiteral("Binario a Entero"),
                                 QStringLiteral("Elija el sistema y la longitud, escriba la cadena de bits y pulse "
                                                "«Convertir»: aquí verá cómo se hizo la conversión, paso a paso."));
    BotonPasoAPaso = pasos_->crearBoton(284, 170, 108, 28);

    // GroupBox2 fills GroupBox1, so only GroupBox2 shows.
    GroupBox1 = new QGroupBox(QStringLiteral("Acerca del número convertido:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    colocar(GroupBox1, 8, 214, 565, 188);
    GroupBox2 =
        new QGroupBox(QStringLiteral("Acerca del sistema de numeración y la longitud de la cadena elegida"), GroupBox1);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setFont(fuente(11, true));
    GroupBox2->setAutoFillBackground(true);
    colocar(GroupBox2, 0, 0, 565, 188);
    auto filaLimite = [this](const QString& nombreEtiqueta, const QString& titulo, const QString& nombreCampo, int y,
                             QLabel*& l, QLineEdit*& e) {
        l = rotulo(nombreEtiqueta, titulo, GroupBox2, 11, true);
        colocar(l, 16, y + 3, 170, 16);
        e = campo(nombreCampo, GroupBox2, 180, y);
        l->setBuddy(e);
    };
    filaLimite(QStringLiteral("Label10"), QStringLiteral("Mínimo número negativo:"), QStringLiteral("Edit7"), 30,
               Label10, Edit7);
    filaLimite(QStringLiteral("Label11"), QStringLiteral("Máximo número negativo:"), QStringLiteral("Edit8"), 68,
               Label11, Edit8);
    filaLimite(QStringLiteral("Label12"), QStringLiteral("Mínimo número positivo:"), QStringLiteral("Edit9"), 106,
               Label12, Edit9);
    filaLimite(QStringLiteral("Label13"), QStringLiteral("Máximo número positivo:"), QStringLiteral("Edit10"), 144,
               Label13, Edit10);
    Label14 = rotulo(QStringLiteral("Label14"), QStringLiteral("RANGO:"), GroupBox2, 11, true);
    colocar(Label14, 360, 33, 80, 16);
    Label15 = rotulo(QStringLiteral("Label15"), QStringLiteral("Desde:"), GroupBox2, 11, true);
    colocar(Label15, 360, 71, 50, 16);
    Edit11 = campo(QStringLiteral("Edit11"), GroupBox2, 408, 68);
    Label16 = rotulo(QStringLiteral("Label16"), QStringLiteral("Hasta:"), GroupBox2, 11, true);
    colocar(Label16, 360, 109, 50, 16);
    Edit12 = campo(QStringLiteral("Edit12"), GroupBox2, 408, 106);
    for (QLineEdit* e : {Edit7, Edit8, Edit9, Edit10, Edit11, Edit12})
        e->setFont(fuente(11));
    deshabilitarLegible(GroupBox2);

    connect(RadioGroup1, &RadioGroup::entrada, this, manejador(this, &TFormUno::hab));
    connect(RadioGroup1, &RadioGroup::click, this, manejador(this, &TFormUno::RadioGroup1Click));
    connect(ComboBox1, &QComboBox::activated, this, manejador(this, &TFormUno::test));
    Edit1->alPulsarTecla = manejador(this, &TFormUno::Edit1KeyPress);
    connect(Edit1, &QLineEdit::textChanged, this, manejador(this, &TFormUno::Edit1Change));
    connect(Button1, &QPushButton::clicked, this, manejador(this, &TFormUno::Button1Click));
    connect(Button2, &QPushButton::clicked, this, manejador(this, &TFormUno::Button2Click));
    // "Borrar" leaves no conversion to show.
    connect(Button2, &QPushButton::clicked, pasos_, &PasoAPasoDeConversor::limpiar);
    connect(SpeedButton1, &QToolButton::clicked, this, manejador(this, &TFormUno::SpeedButton1Click));
    connect(SpeedButton1, &BotonRapido::movimiento, this, manejador(this, &TFormUno::SpeedButton1MouseMove));
    connect(SpeedButton2, &QToolButton::clicked, this, manejador(this, &TFormUno::SpeedButton2Click));

    // A screen reader names each field by the label beside it; Tab goes
    // through the configuration, the number, the buttons and the results.
    Label1->setBuddy(Edit1);
    Label4->setBuddy(ComboBox1);
    Label5->setBuddy(Edit2);
    Label15->setBuddy(Edit11);
    Label16->setBuddy(Edit12);
    ordenarTabulacion(
        {RadioGroup1, ComboBox1, Edit1, Button1, Edit2, SpeedButton1, BotonPasoAPaso, Button2, SpeedButton2});
    Edit1->setFocus();
    FormCreate();
}

int TFormUno::longitud() const
{
    return ComboBox1->currentIndex() + 2;
}

void TFormUno::FormCreate()
{
    SpeedButton1->setEnabled(false);
}

void TFormUno::hab()
{
    Edit1->setReadOnly(false);
    ComboBox1->setEnabled(true);
    Edit1->setColor(colorVentana());
    deshabilitarDetalle(SpeedButton1);
}

void TFormUno::RadioGroup1Click()
{
    Edit1->setFocus();
}

void TFormUno::test()
{
    Edit1->setFocus();
    Edit1->setLimiteTecleo(longitud());
    if (ComboBox1->currentIndex() != 0)
        Edit1->setReadOnly(false);
    deshabilitarDetalle(SpeedButton1);
}

void TFormUno::Edit1KeyPress()
{
    if (ComboBox1->currentIndex() == -1)
        Edit1->setReadOnly(true);
}

void TFormUno::Edit1Change()
{
    Label3->setText(texto(IntToStr(Edit1->text().size())));
    deshabilitarDetalle(SpeedButton1);
}

void TFormUno::Button1Click()
{
    const std::string s = textoDeEntrada(Edit1->text());
    const int n = longitud();
    pasos_->publicar(trabajoBinarioAEntero(RadioGroup1->itemIndex(), s, n));
    if (!cadenaValida(s, n)) {
        ShowMessage(this, texto(mensajeCadenaInvalida(n)));
        if (ComboBox1->currentIndex() != -1) {
            Edit1->clear();
            Edit2->clear();
            Edit1->setFocus();
        }
        return;
    }
    SpeedButton1->setEnabled(true);
    if (!esSistema(RadioGroup1->itemIndex())) {
        ShowMessage(this, texto(MensajeIngreseOpcion));
        return;
    }
    const auto sistema = static_cast<TNumberSystem>(RadioGroup1->itemIndex());
    Edit2->setText(texto(textoEntero(sistema, s, n)));
    const TextosLimites t = textosLimites(sistema, n);
    Edit11->setText(texto(t.desde));
    Edit12->setText(texto(t.hasta));
    Edit7->setText(texto(t.minimoNegativo));
    Edit8->setText(texto(t.maximoNegativo));
    Edit9->setText(texto(t.minimoPositivo));
    Edit10->setText(texto(t.maximoPositivo));
}

bool TFormUno::sonCeros(const QString& s)
{
    return cifral::sonCeros(textoDeEntrada(s));
}

bool TFormUno::todosUnos(const QString& s, int n)
{
    return cifral::todosUnos(textoDeEntrada(s), n);
}

void TFormUno::QueSistema(const RadioGroup* grupo, QString& texto)
{
    const QString nombre = QString::fromStdString(nombreSistema(grupo->itemIndex()));
    if (!nombre.isEmpty())
        texto = nombre;
}

void TFormUno::Button2Click()
{
    for (QLineEdit* e : {static_cast<QLineEdit*>(Edit1), Edit2, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12})
        e->clear();
    SpeedButton1->setEnabled(false);
}

void TFormUno::SpeedButton1Click()
{
    Informe& r = informe_->QuickRep1;
    QString sistema;
    QueSistema(RadioGroup1, sistema);
    r.setCaption(QStringLiteral("QRLabel2"), sistema);
    r.setCaption(QStringLiteral("QRLabel5"), texto(IntToStr(longitud())));
    r.setCaption(QStringLiteral("QRLabel11"), Edit1->text());
    r.setCaption(QStringLiteral("QRLabel23"), Edit2->text());
    r.setCaption(QStringLiteral("QRLabel19"), Edit9->text());
    r.setCaption(QStringLiteral("QRLabel20"), Edit10->text());
    r.setCaption(QStringLiteral("QRLabel21"), Edit7->text());
    r.setCaption(QStringLiteral("QRLabel22"), Edit8->text());
    r.setCaption(QStringLiteral("QRLabel17"), Edit11->text());
    r.setCaption(QStringLiteral("QRLabel18"), Edit12->text());
    vistaPrevia().mostrar(r, this);
}

void TFormUno::SpeedButton1MouseMove()
{
    alMoverSobreDetalle(SpeedButton1);
}

void TFormUno::SpeedButton2Click()
{
    pulsarAyuda(QStringLiteral("HELP1.hlp"));
}

} // namespace cifral
