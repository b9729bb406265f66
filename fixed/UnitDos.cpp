#include "fixed/UnitDos.h"

#include "fixed/UnitDosb.h"
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

QLineEdit* campo(const QString& nombre, QWidget* padre, int x, int y, int ancho = 150)
{
    auto* e = new QLineEdit(padre);
    e->setObjectName(nombre);
    e->setReadOnly(true);
    colocar(e, x, y, ancho, 22);
    return e;
}

} // namespace

TFormDos::TFormDos(Treporte2* informe, QWidget* padre)
    : VentanaConversor(QStringLiteral("FormDos"), QStringLiteral("Representación de Entero a Binario"), 584, 402,
                       padre),
      informe_(informe)
{
    terminarCreacion();
}

void TFormDos::construir()
{
    Label1 = rotulo(QStringLiteral("Label1"), QStringLiteral("Ingrese el número en Entero:"), this, 15, true);
    colocar(Label1, 16, 14, 228, 20);
    Edit1 = new LineaEdicion(QStringLiteral("Edit1"), this);
    Edit1->setEnabled(false);
    Edit1->setColor(colorLuz3D());
    Edit1->setFont(fuente(13, true));
    Edit1->setLimiteTecleo(6);
    colocar(Edit1, 16, 38, 150, 24);
    Label4 = rotulo(QStringLiteral("Label4"), QStringLiteral("Longitud de la cadena:"), this, 11, true);
    colocar(Label4, 250, 20, 140, 16);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("8 bits"), QStringLiteral("16 bits"), QStringLiteral("32 bits")});
    ComboBox1->setCurrentIndex(-1);
    colocar(ComboBox1, 250, 38, 100, 24);

    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Seleccione una opción"),
                                 {QStringLiteral("Convertir a BSS"), QStringLiteral("Convertir a BCS"),
                                  QStringLiteral("Convertir a CA1"), QStringLiteral("Convertir a CA2"),
                                  QStringLiteral("Convertir a Exceso")},
                                 this);
    colocar(RadioGroup1, 400, 8, 170, 124);

    Label2 = rotulo(QStringLiteral("Label2"), QStringLiteral("Cantidad de dígitos ingresados:"), this, 15);
    colocar(Label2, 16, 78, 220, 20);
    Edit7 = new QLineEdit(this);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    Edit7->setReadOnly(true);
    Edit7->setFont(fuente(11, true));
    colocar(Edit7, 240, 76, 40, 22);

    Label5 = rotulo(QStringLiteral("Label5"), QStringLiteral("Número en binario:"), this, 15, true);
    colocar(Label5, 16, 112, 200, 20);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setFont(fuente(13, true));
    colocar(Edit2, 16, 136, 300, 26);
    Button1 = botonComando(QStringLiteral("Button1"), QStringLiteral("Convertir"), this);
    Button1->setToolTip(QStringLiteral("Representa el número ingresado en Binario"));
    colocar(Button1, 332, 135, 110, 28);

    Button2 = botonComando(QStringLiteral("Button2"), QStringLiteral("Borrar"), this);
    colocar(Button2, 16, 176, 100, 28);
    SpeedButton2 = new BotonRapido(QStringLiteral("SpeedButton2"), glifoAyuda(), QStringLiteral("Ayuda"),
                                   QStringLiteral("Haga click aquí para obtener ayuda"), this);
    colocar(SpeedButton2, 130, 172, 90, 36);
    pasos_ =
        new PasoAPasoDeConversor(this, QStringLiteral("Entero a Binario"),
                                 QStringLiteral("Elija el sistema y la longitud, escriba el número y pulse "
                                                "«Convertir»: aquí verá cómo se hizo la conversión, paso a paso."));
    BotonPasoAPaso = pasos_->crearBoton(332, 176, 110, 28);

    GroupBox1 = new QGroupBox(QStringLiteral("Acerca del número convertido:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFont(fuente(12, true));
    colocar(GroupBox1, 8, 216, 568, 178);
    auto filaLimite = [this](const QString& nombreEtiqueta, const QString& titulo, const QString& nombreCampo, int y,
                             QLabel*& l, QLineEdit*& e) {
        l = rotulo(nombreEtiqueta, titulo, GroupBox1, 12, true);
        colocar(l, 16, y + 3, 164, 16);
        e = campo(nombreCampo, GroupBox1, 184, y);
        l->setBuddy(e);
    };
    filaLimite(QStringLiteral("Label6"), QStringLiteral("Mínimo número negativo:"), QStringLiteral("Edit3"), 30, Label6,
               Edit3);
    filaLimite(QStringLiteral("Label7"), QStringLiteral("Máximo número negativo:"), QStringLiteral("Edit4"), 66, Label7,
               Edit4);
    filaLimite(QStringLiteral("Label8"), QStringLiteral("Mínimo número positivo:"), QStringLiteral("Edit5"), 102,
               Label8, Edit5);
    filaLimite(QStringLiteral("Label9"), QStringLiteral("Máximo número positivo:"), QStringLiteral("Edit6"), 138,
               Label9, Edit6);
    Label14 = rotulo(QStringLiteral("Label14"), QStringLiteral("RANGO:"), GroupBox1, 12, true);
    colocar(Label14, 360, 33, 80, 16);
    Label15 = rotulo(QStringLiteral("Label15"), QStringLiteral("Desde:"), GroupBox1, 12, true);
    colocar(Label15, 360, 69, 46, 16);
    Edit11 = campo(QStringLiteral("Edit11"), GroupBox1, 408, 66);
    Label16 = rotulo(QStringLiteral("Label16"), QStringLiteral("Hasta:"), GroupBox1, 12, true);
    colocar(Label16, 360, 105, 46, 16);
    Edit12 = campo(QStringLiteral("Edit12"), GroupBox1, 408, 102);
    for (QLineEdit* e : {Edit3, Edit4, Edit5, Edit6, Edit11, Edit12})
        e->setFont(fuente(12));
    SpeedButton1 = new BotonRapido(QStringLiteral("SpeedButton1"), glifoDetalle(), QStringLiteral("Ver Detalle"),
                                   QStringLiteral("Para ver el detalle, se debe convertir el número"), GroupBox1);
    colocar(SpeedButton1, 408, 132, 120, 38);
    SpeedButton1->setEnabled(false);

    connect(ComboBox1, &QComboBox::activated, this, manejador(this, &TFormDos::ComboBox1Click));
    connect(ComboBox1, &QComboBox::activated, this, manejador(this, &TFormDos::ComboBox1Change));
    connect(RadioGroup1, &RadioGroup::entrada, this, manejador(this, &TFormDos::RadioGroup1Enter));
    connect(RadioGroup1, &RadioGroup::click, this, manejador(this, &TFormDos::RadioGroup1Click));
    connect(Edit1, &QLineEdit::textChanged, this, manejador(this, &TFormDos::Edit1Change));
    connect(Button1, &QPushButton::clicked, this, manejador(this, &TFormDos::Button1Click));
    connect(Button2, &QPushButton::clicked, this, manejador(this, &TFormDos::Button2Click));
    // "Borrar" leaves no conversion to show; a refused number, which also
    // runs Button2Click, keeps the working that says why.
    connect(Button2, &QPushButton::clicked, pasos_, &PasoAPasoDeConversor::limpiar);
    connect(SpeedButton1, &QToolButton::clicked, this, manejador(this, &TFormDos::SpeedButton1Click));
    connect(SpeedButton1, &BotonRapido::movimiento, this, manejador(this, &TFormDos::SpeedButton1MouseMove));
    connect(SpeedButton2, &QToolButton::clicked, this, manejador(this, &TFormDos::SpeedButton2Click));

    // A screen reader names each field by the label beside it; Tab goes
    // through the configuration, the number, the buttons and the results.
    Label1->setBuddy(Edit1);
    Label4->setBuddy(ComboBox1);
    Label2->setBuddy(Edit7);
    Label5->setBuddy(Edit2);
    Label15->setBuddy(Edit11);
    Label16->setBuddy(Edit12);
    ordenarTabulacion(
        {ComboBox1, RadioGroup1, Edit1, Button1, Edit7, Edit2, BotonPasoAPaso, Button2, SpeedButton2, SpeedButton1});
    ComboBox1->setFocus();
}

bool TFormDos::esNumero(const QString& s)
{
    return esNumeroEntero(textoDeEntrada(s));
}

bool TFormDos::checkcombo() const
{
    const int i = ComboBox1->currentIndex();
    return i >= 0 && i <= 2;
}

int TFormDos::devolver_indice(int i)
{
    switch (i) {
    case 0:
        return 8;
    case 1:
        return 16;
    case 2:
        return 32;
    default:
        return 0;
    }
}

void TFormDos::controlar_rango(const QString& s, int i, bool& ok, int sistema) const
{
    const int n = devolver_indice(i);
    const std::int32_t v = StrToInt(s.toStdString());
    if (sistema >= BSS && sistema <= Exceso && n > 0)
        ok = representable(static_cast<TNumberSystem>(sistema), n, v);
}

void TFormDos::cambiarCerosxUnos(QString& s)
{
    s.fill(QLatin1Char('1'));
}

void TFormDos::habilitarEntrada()
{
    if (RadioGroup1->itemIndex() < 0 || !checkcombo())
        return;
    Edit1->setEnabled(true);
    Edit1->setColor(colorVentana());
    Edit1->setFocus();
}

void TFormDos::ComboBox1Click()
{
    habilitarEntrada();
}

void TFormDos::ComboBox1Change()
{
    deshabilitarDetalle(SpeedButton1);
}

void TFormDos::RadioGroup1Enter()
{
    if (RadioGroup1->itemIndex() >= 0 && checkcombo())
        SpeedButton1->setEnabled(false);
    SpeedButton1->setSugerenciaActiva(true);
}

void TFormDos::RadioGroup1Click()
{
    habilitarEntrada();
    Edit7->setText(texto(IntToStr(Edit1->text().size())));
}

void TFormDos::Edit1Change()
{
    Edit7->setText(texto(IntToStr(Edit1->text().size())));
    deshabilitarDetalle(SpeedButton1);
}

void TFormDos::Button1Click()
{
    const QString s = Edit1->text();
    pasos_->publicar(
        trabajoEnteroABinario(RadioGroup1->itemIndex(), textoDeEntrada(s), devolver_indice(ComboBox1->currentIndex())));
    if (s.isEmpty()) {
        ShowMessage(this, texto(MensajeIngreseEntero));
        return;
    }
    if (!esNumero(s)) {
        ShowMessage(this, texto(MensajeIngreseEntero));
        SpeedButton1->setEnabled(false);
        Button2Click();
        Edit1->setFocus();
        return;
    }
    bool ok = false;
    controlar_rango(s, ComboBox1->currentIndex(), ok, RadioGroup1->itemIndex());
    if (!ok) {
        ShowMessage(this, texto(MensajeFueraDeRango));
        Button2Click();
        Edit1->setFocus();
        return;
    }
    if (!checkcombo()) {
        ShowMessage(this, texto(MensajeLongitudInvalida));
        Edit1->setFocus();
        return;
    }
    const int n = devolver_indice(ComboBox1->currentIndex());
    const std::int32_t v = StrToInt(s.toStdString());
    const bool ceroNegativo = esCeroNegativo(s.toStdString(), v);
    // controlar_rango accepted the number, so a system is chosen.
    const auto sistema = static_cast<TNumberSystem>(RadioGroup1->itemIndex());
    const std::string rechazo = ceroNegativo ? mensajeCeroNegativo(sistema) : std::string();
    const bool escrita = rechazo.empty();
    if (escrita) {
        Edit2->setText(texto(cadenaDeEntero(sistema, n, v, ceroNegativo)));
    } else if (sistema == BSS) {
        ShowMessage(this, texto(rechazo)); // the bit string stays as it was
    } else {
        Edit1->clear();
        ShowMessage(this, texto(rechazo));
        SpeedButton1->setEnabled(false);
        Edit2->clear();
    }
    const TextosLimites t = textosLimites(sistema, n);
    Edit11->setText(texto(t.desde));
    Edit12->setText(texto(t.hasta));
    Edit3->setText(texto(t.minimoNegativo));
    Edit4->setText(texto(t.maximoNegativo));
    Edit5->setText(texto(t.minimoPositivo));
    Edit6->setText(texto(t.maximoPositivo));
    if (escrita)
        SpeedButton1->setEnabled(true);
}

void TFormDos::Button2Click()
{
    for (QLineEdit* e : {static_cast<QLineEdit*>(Edit1), Edit2, Edit3, Edit4, Edit5, Edit6, Edit11, Edit12})
        e->clear();
    SpeedButton1->setEnabled(false);
}

void TFormDos::SpeedButton1Click()
{
    Informe& r = informe_->QuickRep1;
    r.setCaption(QStringLiteral("QRLabel9"), texto(nombreSistema(RadioGroup1->itemIndex())));
    r.setCaption(QStringLiteral("QRLabel10"), texto(IntToStr(devolver_indice(ComboBox1->currentIndex()))));
    r.setCaption(QStringLiteral("QRLabel11"), Edit1->text());
    r.setCaption(QStringLiteral("QRLabel12"), Edit2->text());
    r.setCaption(QStringLiteral("QRLabel13"), Edit3->text());
    r.setCaption(QStringLiteral("QRLabel14"), Edit4->text());
    r.setCaption(QStringLiteral("QRLabel15"), Edit5->text());
    r.setCaption(QStringLiteral("QRLabel16"), Edit6->text());
    r.setCaption(QStringLiteral("QRLabel18"), Edit11->text());
    r.setCaption(QStringLiteral("QRLabel19"), Edit12->text());
    vistaPrevia().mostrar(r, this);
}

void TFormDos::SpeedButton1MouseMove()
{
    alMoverSobreDetalle(SpeedButton1);
}

void TFormDos::SpeedButton2Click()
{
    pulsarAyuda(QStringLiteral("HELP2.hlp"));
}

} // namespace cifral
