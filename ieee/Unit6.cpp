#include "ieee/Unit6.h"

#include "ieee/Urep6.h"
#include "ieee/sistnumPasosIEEE.h"
#include "shell/Glifos.h"
#include "shell/PasoAPaso.h"
#include "shell/Servicios.h"
#include "shell/TextoDecimal.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cifral {

namespace {

QLineEdit* resultado(const QString& nombre, QWidget* padre)
{
    auto* e = new QLineEdit(padre);
    e->setObjectName(nombre);
    e->setReadOnly(true);
    e->setFont(fuente(13, true));
    return e;
}

const QString RotuloResultado = QStringLiteral("QRLabel6");

} // namespace

TForm6::TForm6(TForm6Rep* informe, QWidget* padre)
    : VentanaConversor(QStringLiteral("Form6"), QStringLiteral("IEEE 754 Simple Precisión a Decimal"), 560, 318, padre),
      informe_(informe)
{
    terminarCreacion();
}

void TForm6::construir()
{
    Label5 = rotulo(QStringLiteral("Label5"), QStringLiteral("Representación IEEE 754 en 32 bits "), this, 15, true);
    colocar(Label5, 16, 12, 330, 20);

    // ---- the three fields
    Label2 = rotulo(QStringLiteral("Label2"), QStringLiteral("Signo"), this, 11, true);
    colocar(Label2, 16, 44, 56, 16);
    Label3 = rotulo(QStringLiteral("Label3"), QStringLiteral("Exponente"), this, 11, true);
    colocar(Label3, 84, 44, 100, 16);
    Label1 = rotulo(QStringLiteral("Label1"), QStringLiteral("Mantisa"), this, 11, true);
    colocar(Label1, 190, 44, 200, 16);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("0"), QStringLiteral("1")});
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setFont(fuente(13, true));
    colocar(ComboBox1, 16, 62, 56, 26);
    Edit2 = new LineaEdicion(QStringLiteral("Edit2"), this);
    Edit2->setLimiteTecleo(BitsExponenteIEEE);
    Edit2->setFont(fuente(13, true));
    colocar(Edit2, 84, 62, 94, 26);
    Edit1 = new LineaEdicion(QStringLiteral("Edit1"), this);
    Edit1->setLimiteTecleo(BitsFraccionIEEE);
    Edit1->setFont(fuente(13, true));
    colocar(Edit1, 190, 62, 200, 26);
    Label6 = rotulo(QStringLiteral("Label6"), QStringLiteral("Bits ingresados:"), this);
    colocar(Label6, 16, 94, 90, 16);
    Label7 = rotulo(QStringLiteral("Label7"), QStringLiteral("0"), this, 11, true);
    colocar(Label7, 126, 94, 40, 16);
    Label8 = rotulo(QStringLiteral("Label8"), QStringLiteral("0"), this, 11, true);
    colocar(Label8, 282, 94, 40, 16);

    SpeedButton1 = new BotonRapido(QStringLiteral("SpeedButton1"), QIcon(), QStringLiteral("Convertir "), {}, this);
    colocar(SpeedButton1, 410, 60, 134, 30);
    SpeedButton4 = new BotonRapido(QStringLiteral("SpeedButton4"), QIcon(), QStringLiteral("Borrar"), {}, this);
    colocar(SpeedButton4, 410, 94, 134, 30);
    // Without a glyph, a frame tells them from labels.
    SpeedButton1->setAutoRaise(false);
    SpeedButton4->setAutoRaise(false);

    // ---- the result
    Label4 = rotulo(QStringLiteral("Label4"), QStringLiteral("Representación  en decimal"), this, 13, true);
    colocar(Label4, 16, 132, 250, 18);
    Edit3 = resultado(QStringLiteral("Edit3"), this);
    colocar(Edit3, 16, 154, 374, 28);
    Label11 = rotulo(QStringLiteral("Label11"), QStringLiteral("="), this, 24, true);
    colocar(Label11, 400, 154, 24, 28);
    Edit4 = resultado(QStringLiteral("Edit4"), this);
    colocar(Edit4, 16, 190, 374, 28);
    Label9 = rotulo(QStringLiteral("Label9"), QStringLiteral("Error Absoluto Máximo:"), this, 13);
    colocar(Label9, 16, 234, 150, 18);
    Label10 = rotulo(QStringLiteral("Label10"), QString(), this, 13, true);
    colocar(Label10, 168, 234, 300, 18);

    // ---- detail and help
    SpeedButton2 = new BotonRapido(QStringLiteral("SpeedButton2"), glifoDetalle(), QStringLiteral("Ver detalle"),
                                   QStringLiteral("Para ver el detalle, debe representar el número ingresado"), this);
    colocar(SpeedButton2, 16, 270, 118, 38);
    SpeedButton3 = new BotonRapido(QStringLiteral("SpeedButton3"), glifoAyuda(), QStringLiteral("Ayuda"), {}, this);
    colocar(SpeedButton3, 452, 270, 92, 38);
    // The working of each conversion, in a window of its own.
    pasos_ = new PasoAPasoDeConversor(
        this, QStringLiteral("IEEE 754 a Decimal"),
        QStringLiteral("Elija el signo, escriba los 8 bits del exponente y los 23 de la mantisa y pulse "
                       "«Convertir»: aquí verá cómo se hizo la conversión, paso a paso."));
    BotonPasoAPaso = pasos_->crearBoton(146, 270, 118, 38);

    connect(ComboBox1, &QComboBox::activated, this, manejador(this, &TForm6::ComboBox1Change));
    connect(Edit2, &QLineEdit::textChanged, this, manejador(this, &TForm6::Edit2Change));
    connect(Edit1, &QLineEdit::textChanged, this, manejador(this, &TForm6::Edit1Change));
    connect(SpeedButton1, &QToolButton::clicked, this, manejador(this, &TForm6::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, manejador(this, &TForm6::SpeedButton2Click));
    connect(SpeedButton2, &BotonRapido::movimiento, this, manejador(this, &TForm6::SpeedButton2MouseMove));
    connect(SpeedButton3, &QToolButton::clicked, this, manejador(this, &TForm6::SpeedButton3Click));
    connect(SpeedButton4, &QToolButton::clicked, this, manejador(this, &TForm6::SpeedButton4Click));

    // What a screen reader says of each field and counter; Tab goes through
    // the three fields, the buttons and the results, in the order they are
    // read.
    Label2->setBuddy(ComboBox1);
    Label3->setBuddy(Edit2);
    Label1->setBuddy(Edit1);
    Edit3->setAccessibleName(QStringLiteral("Representación en decimal, la fórmula"));
    Edit4->setAccessibleName(QStringLiteral("Representación en decimal, el valor"));
    Label7->setAccessibleName(QStringLiteral("Bits ingresados del exponente"));
    Label8->setAccessibleName(QStringLiteral("Bits ingresados de la mantisa"));
    Label10->setAccessibleDescription(QStringLiteral("Error Absoluto Máximo"));
    ordenarTabulacion({ComboBox1, Edit2, Edit1, SpeedButton1, SpeedButton4, Edit3, Edit4, SpeedButton2, BotonPasoAPaso,
                       SpeedButton3});
    SpeedButton1->setEnabled(false);
    deshabilitarDetalle(SpeedButton2);
    ComboBox1->setFocus();
}

bool TForm6::event(QEvent* e)
{
    const bool hecho = VentanaConversor::event(e);
    // Being shown counts as becoming active: without a window manager the
    // activation itself may never come.
    if (construida() && (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show))
        FormActivate();
    return hecho;
}

void TForm6::FormActivate()
{
    ComboBox1->setFocus(Qt::ActiveWindowFocusReason);
}

void TForm6::revisarEntradas()
{
    SpeedButton1->setEnabled(Edit2->text().size() == BitsExponenteIEEE && Edit1->text().size() == BitsFraccionIEEE &&
                             ComboBox1->currentIndex() != -1);
    deshabilitarDetalle(SpeedButton2);
}

void TForm6::ComboBox1Change()
{
    revisarEntradas();
}

void TForm6::Edit2Change()
{
    Label7->setText(texto(IntToStr(Edit2->text().size())));
    revisarEntradas();
}

void TForm6::Edit1Change()
{
    Label8->setText(texto(IntToStr(Edit1->text().size())));
    revisarEntradas();
}

void TForm6::prepararInforme(const InformeEnConversion6& p)
{
    Informe& r = informe_->QuickRep1;
    const QColor color = p.parteFormulaVisible ? QColor(Qt::black) : QColor(Qt::white);
    for (const QString& etiqueta : TForm6Rep::parteFormula())
        r.setColor(etiqueta, color);
    if (p.resultado)
        r.setCaption(RotuloResultado, texto(*p.resultado));
    if (p.alturaResultado)
        r.mover(RotuloResultado, QPoint(r.etiqueta(RotuloResultado).posicion.x(), *p.alturaResultado));
    const std::pair<const char*, const std::optional<std::string>*> captions[] = {
        {"QRLabel15", &p.tipoVecino},      {"QRLabel18", &p.formulaVecino},  {"QRLabel16", &p.signoVecino},
        {"QRLabel29", &p.exponenteVecino}, {"QRLabel30", &p.fraccionVecino}, {"QRLabel26", &p.mitadDiferencia}};
    for (const auto& [etiqueta, valor] : captions)
        if (*valor)
            r.setCaption(QString::fromLatin1(etiqueta), texto(**valor));
}

void TForm6::SpeedButton1Click()
{
    const int signo = ComboBox1->currentIndex();
    const std::string exponente = textoDeEntrada(Edit2->text());
    const std::string fraccion = textoDeEntrada(Edit1->text());
    pasos_->publicar(trabajoIEEEADecimal(signo, exponente, fraccion));
    ConversorIEEE6 conversor(estado_);
    const ConversionIEEE6 c = conversor.convertir(signo, exponente, fraccion);
    if (!c.binario) {
        ShowMessage(this, QString::fromUtf8(MensajeNoBinario));
        FormActivate();
        Edit3->clear();
        return;
    }
    Edit4->clear();
    Edit3->setText(texto(c.formula));
    prepararInforme(c.informe);
    SpeedButton2->setEnabled(true);
    Label10->setText(texto(c.error));
    Edit4->setText(texto(c.decimal));
}

void TForm6::SpeedButton2Click()
{
    const DetalleIEEE6 d = detalleIEEE6(ComboBox1->currentIndex(), textoDeEntrada(Edit2->text()),
                                        textoDeEntrada(Edit1->text()), textoDeEntrada(Edit3->text()), estado_);
    Informe& r = informe_->QuickRep1;
    auto escribir = [&r](const char* etiqueta, const std::string& valor) {
        r.setCaption(QString::fromLatin1(etiqueta), texto(valor));
    };
    escribir("QRLabel6", d.resultado);
    escribir("QRLabel1", d.signo);
    escribir("QRLabel2", d.exponente);
    escribir("QRLabel3", d.fraccion);
    escribir("QRLabel7", d.exponenteReal);
    escribir("QRLabel9", d.mantisaBinaria);
    escribir("QRLabel22", d.exponenteReal);
    escribir("QRLabel24", d.significando);
    escribir("QRLabel12", d.resultado);
    escribir("QRLabel14", d.signo);
    escribir("QRLabel27", d.exponente);
    escribir("QRLabel28", d.fraccion);
    escribir("QRLabel30", d.vecinoFraccion);
    escribir("QRLabel29", d.vecinoExponente);
    escribir("QRLabel16", d.vecinoSigno);
    escribir("QRLabel33", d.formula);
    if (d.formulaVecino)
        escribir("QRLabel18", *d.formulaVecino);
    escribir("QRLabel34", d.diferencia);
    escribir("QRLabel37", d.formula);
    vistaPrevia().mostrar(r, this);
    FormActivate();
}

void TForm6::SpeedButton2MouseMove()
{
    alMoverSobreDetalle(SpeedButton2);
}

void TForm6::SpeedButton3Click()
{
    pulsarAyuda(QStringLiteral("HELP6.hlp"));
}

void TForm6::SpeedButton4Click()
{
    Edit2->clear();
    Edit1->clear();
    Edit3->clear();
    Edit4->clear();
    ComboBox1->setCurrentIndex(-1);
    SpeedButton1->setEnabled(false);
    deshabilitarDetalle(SpeedButton2);
    pasos_->limpiar();
}

} // namespace cifral
