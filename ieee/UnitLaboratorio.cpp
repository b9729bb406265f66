#include "ieee/UnitLaboratorio.h"

#include "shell/Controles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace cifral {

namespace {

using Regla = cifral::Redondeo;

// The colours of the three fields: light when the bit is 0, strong when 1.
struct ColoresCampo {
    QColor claro, fuerte;
};
const ColoresCampo ColorSigno{QColor(0xF6, 0xD2, 0xCE), QColor(0xC0, 0x39, 0x2B)};
const ColoresCampo ColorExponente{QColor(0xD3, 0xEC, 0xCF), QColor(0x2E, 0x8B, 0x3E)};
const ColoresCampo ColorFraccion{QColor(0xD0, 0xE1, 0xF5), QColor(0x2C, 0x6F, 0xB7)};
const QColor ColorSubnormal(0xE6, 0x7E, 0x22);
const QColor ColorMarca(0xC0, 0x39, 0x2B);
const QColor ColorMalo(0xFF, 0xDD, 0xDD);

const ColoresCampo& coloresDelBit(FormatoBinario f, int bit)
{
    if (bit == f.ancho() - 1)
        return ColorSigno;
    return bit >= f.bitsFraccion ? ColorExponente : ColorFraccion;
}

constexpr int LargoCelda = 60;
constexpr int AnchoBit = 21, AltoBit = 24, SeparacionCampos = 10, BitsPorFila = 32, AltoRotulo = 16;

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// A short decimal text of a double for the picture's labels.
QString corto(double v)
{
    QString t = QString::number(v, 'g', 6);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    t.replace(QStringLiteral("e+"), QStringLiteral("E"));
    t.replace(QLatin1Char('e'), QLatin1Char('E'));
    return t;
}

QString potencia(long k)
{
    return QStringLiteral("2^") + (k < 0 ? QStringLiteral("\u2212") + QString::number(-k) : QString::number(k));
}

QLineEdit* campoLectura(const QString& nombre, QWidget* padre)
{
    auto* e = new QLineEdit(padre);
    e->setObjectName(nombre);
    e->setReadOnly(true);
    e->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return e;
}

QPlainTextEdit* textoLectura(const QString& nombre, int lineas, QPlainTextEdit::LineWrapMode modo, QWidget* padre)
{
    auto* t = new QPlainTextEdit(padre);
    t->setObjectName(nombre);
    t->setReadOnly(true);
    t->setLineWrapMode(modo);
    t->setWordWrapMode(modo == QPlainTextEdit::WidgetWidth ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                                           : QTextOption::NoWrap);
    t->setTabChangesFocus(true);
    const QFontMetrics m(t->font());
    t->setFixedHeight(m.lineSpacing() * lineas + 2 * static_cast<int>(t->document()->documentMargin()) + 4);
    return t;
}

// A caption for a control: its buddy gives the control its accessible name.
QLabel* rotuloDe(const QString& titulo, QWidget* control, QWidget* padre)
{
    auto* l = new QLabel(titulo, padre);
    l->setBuddy(control);
    QString nombre = titulo;
    if (nombre.endsWith(QLatin1Char(':')))
        nombre.chop(1);
    control->setAccessibleName(nombre);
    // A spin box's own edit is what a screen reader meets.
    if (qobject_cast<QAbstractSpinBox*>(control) != nullptr)
        for (QLineEdit* e : control->findChildren<QLineEdit*>())
            e->setAccessibleName(nombre);
    return l;
}

QString conNota(const TextoError& e)
{
    if (e.texto.empty())
        return {};
    return q(e.texto) + (e.exacto ? QStringLiteral("  (exacto)") : QStringLiteral("  (20 cifras significativas)"));
}

QString hexadecimal(FormatoBinario f, std::uint64_t patron)
{
    return QString::number(patron, 16).toUpper().rightJustified((f.ancho() + 3) / 4, QLatin1Char('0'));
}

QString binario(FormatoBinario f, std::uint64_t patron)
{
    QString t(f.ancho(), QLatin1Char('0'));
    for (int i = 0; i < f.ancho(); ++i)
        if ((patron >> i) & 1)
            t[f.ancho() - 1 - i] = QLatin1Char('1');
    return t;
}

const FormatoBinario Predefinidos[4] = {Binary16, BFloat16, Binary32, Binary64};

// Texts are written only when they change: an update repaints only what
// changed.
void escribir(QLineEdit* e, const QString& t)
{
    if (e->text() != t) {
        e->setText(t);
        e->setCursorPosition(0);
    }
}

void escribir(QPlainTextEdit* e, const QString& t)
{
    if (e->toPlainText() != t)
        e->setPlainText(t);
}

void escribir(QLabel* l, const QString& t)
{
    if (l->text() != t)
        l->setText(t);
}

// A control in red or back to normal, changed only when that changes.
void ponerEnRojo(QWidget* w, bool rojo, QPalette::ColorRole fondo)
{
    if (w->property("rojo").toBool() == rojo)
        return;
    w->setProperty("rojo", rojo);
    QPalette p;
    if (rojo) {
        if (fondo != QPalette::NoRole)
            p.setColor(QPalette::All, fondo, ColorMalo);
        p.setColor(QPalette::All, QPalette::Text, QColor(0xA0, 0x00, 0x00));
        p.setColor(QPalette::All, QPalette::WindowText, QColor(0xA0, 0x00, 0x00));
    }
    w->setPalette(p);
}

} // namespace

// ================================================================ bits

PanelBits::PanelBits(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("PanelBits"));
    QFont negrita = font();
    negrita.setBold(true);
    for (int i = 0; i < 64; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("Bit%1").arg(i));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoRaise(false);
        b->setFont(negrita);
        b->resize(AnchoBit, AltoBit);
        b->setText(QStringLiteral("0"));
        b->setVisible(false);
        connect(b, &QToolButton::clicked, this, [this, i] { emit bitPulsado(i); });
        botones_[static_cast<std::size_t>(i)] = b;
    }
}

QPoint PanelBits::posicion(int bit) const
{
    // Bits are placed from the most significant one, left to right, 32 to
    // a row; a gap separates the fields within a row.
    const int n = formato_.ancho();
    const int orden = n - 1 - bit; // 0 for the sign
    const int fila = orden / BitsPorFila;
    const int columna = orden % BitsPorFila;
    const int primero = fila * BitsPorFila; // order of the row's first bit
    int huecos = 0;
    for (int limite : {1, 1 + formato_.bitsExponente})
        if (limite > primero && limite <= orden)
            ++huecos;
    return {columna * AnchoBit + huecos * SeparacionCampos, AltoRotulo + fila * (AltoBit + AltoRotulo)};
}

void PanelBits::setFormato(FormatoBinario f)
{
    formato_ = f;
    const int n = f.ancho();
    for (int i = 0; i < 64; ++i) {
        QToolButton* b = botones_[static_cast<std::size_t>(i)];
        if (i >= n) {
            b->setVisible(false);
            continue;
        }
        b->move(posicion(i));
        const QString campo = i == n - 1
                                  ? QStringLiteral("signo")
                                  : (i >= f.bitsFraccion ? QStringLiteral("exponente") : QStringLiteral("fracción"));
        b->setAccessibleName(QStringLiteral("Bit %1, %2").arg(i).arg(campo));
        b->setToolTip(QStringLiteral("Bit %1. ").arg(i) + q(pesoDelBit(f, i)));
        b->setAccessibleDescription(q(pesoDelBit(f, i)));
        b->setVisible(true);
    }
    // Tab goes through the bits as the eye reads them.
    for (int i = n - 1; i > 0; --i)
        setTabOrder(botones_[static_cast<std::size_t>(i)], botones_[static_cast<std::size_t>(i - 1)]);
    updateGeometry();
    update();
}

QSize PanelBits::sizeHint() const
{
    const int n = formato_.ancho();
    const int filas = std::max(1, (n + BitsPorFila - 1) / BitsPorFila);
    const int columnas = std::min(n, BitsPorFila);
    return {columnas * AnchoBit + 2 * SeparacionCampos + 2, filas * (AltoBit + AltoRotulo)};
}

void PanelBits::paintEvent(QPaintEvent*)
{
    // Above each run of a field in a row: its name and a bracket.
    QPainter p(this);
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    const int n = formato_.ancho();
    int bit = n - 1;
    while (bit >= 0) {
        const ColoresCampo& c = coloresDelBit(formato_, bit);
        const int fila = (n - 1 - bit) / BitsPorFila;
        int fin = bit;
        while (fin - 1 >= 0 && &coloresDelBit(formato_, fin - 1) == &c && (n - fin) / BitsPorFila == fila)
            --fin;
        const QPoint a = posicion(bit), b = posicion(fin);
        const QRect caja(a.x(), a.y() - AltoRotulo, b.x() + AnchoBit - a.x(), AltoRotulo - 2);
        p.setPen(c.fuerte);
        p.drawLine(caja.left() + 1, caja.bottom(), caja.right() - 1, caja.bottom());
        QString nombre;
        if (&c == &ColorSigno)
            nombre = QStringLiteral("S");
        else if (&c == &ColorExponente)
            nombre = QStringLiteral("Exponente (%1 bits, sesgo %2)").arg(formato_.bitsExponente).arg(formato_.sesgo());
        else
            nombre = QStringLiteral("Fracción (%1 bits)").arg(formato_.bitsFraccion);
        // Shorter names where the field is narrow.
        for (const QString& corto :
             {nombre.section(QLatin1Char(' '), 0, 0), nombre.left(3) + QLatin1Char('.'), nombre.left(1)})
            if (p.fontMetrics().horizontalAdvance(nombre) > caja.width())
                nombre = corto;
        p.drawText(caja.adjusted(0, 0, 0, -2), Qt::AlignHCenter | Qt::AlignBottom, nombre);
        bit = fin - 1;
    }
}

// =============================================================== picture

RectaValores::RectaValores(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("Recta"));
    setAccessibleName(QStringLiteral("Dónde están los valores"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(116);
    setFocusPolicy(Qt::NoFocus);
}

QSize RectaValores::sizeHint() const
{
    return {640, 116};
}

QSize RectaValores::minimumSizeHint() const
{
    return {320, 116};
}

void RectaValores::setLogaritmica(bool logaritmica)
{
    logaritmica_ = logaritmica;
    setAccessibleDescription(descripcion());
    update();
}

void RectaValores::mostrar(FormatoBinario f, std::uint64_t patron)
{
    if (!(f == formato_)) {
        formato_ = f;
        valores_.clear();
        subnormales_.clear();
        if (f.ancho() <= 10)
            for (std::uint64_t p = 0; p < f.bitSigno(); ++p) {
                const ClaseBinario c = claseDe(f, p);
                if (!esFinito(c))
                    continue;
                valores_.push_back(valorDouble(f, p));
                subnormales_.push_back(c == ClaseBinario::Subnormal);
            }
    }
    patron_ = patron;
    setAccessibleDescription(descripcion());
    update();
}

QString RectaValores::descripcion() const
{
    const ClaseBinario c = claseDe(formato_, patron_);
    if (formato_.ancho() <= 10)
        return QStringLiteral("%1 valores finitos no negativos%2; el actual, %3")
            .arg(valores_.size())
            .arg(logaritmica_ ? QStringLiteral(" en escala logarítmica") : QString())
            .arg(esFinito(c) ? q(valorExacto(formato_, patron_)) : QStringLiteral("fuera de la recta"));
    if (!esFinito(c) || c == ClaseBinario::Cero)
        return QStringLiteral("El valor actual no está en ninguna binada");
    const std::uint64_t e = std::max<std::uint64_t>(camposDe(formato_, patron_).exponente, 1);
    const long k = static_cast<long>(e) - formato_.sesgo();
    return QStringLiteral("Binada de %1 a %2 con 2^%3 valores separados por %4")
        .arg(c == ClaseBinario::Subnormal ? QStringLiteral("0") : potencia(k), potencia(k + 1))
        .arg(formato_.bitsFraccion)
        .arg(potencia(k - formato_.bitsFraccion));
}

void RectaValores::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    if (formato_.ancho() <= 10)
        pintarTodos(p);
    else if (logaritmica_)
        pintarBinadas(p);
    else
        pintarBinada(p);
}

namespace {

// A marker under the axis at x: the current value.
void marca(QPainter& p, double x, int y, const QString& texto)
{
    QPainterPath flecha;
    flecha.moveTo(x, y + 4);
    flecha.lineTo(x - 6, y + 14);
    flecha.lineTo(x + 6, y + 14);
    flecha.closeSubpath();
    p.fillPath(flecha, ColorMarca);
    p.setPen(ColorMarca);
    const int ancho = p.fontMetrics().horizontalAdvance(texto);
    const int izquierda = static_cast<int>(std::clamp(x - ancho / 2.0, 4.0, p.device()->width() - ancho - 4.0));
    p.drawText(izquierda, y + 28, texto);
}

} // namespace

void RectaValores::pintarTodos(QPainter& p)
{
    const int izquierda = 28, derecha = width() - 16, eje = 52;
    const double maximo = valores_.empty() ? 1 : valores_.back();
    const double minimo = valores_.size() > 1 ? valores_[1] : 1; // the smallest subnormal
    auto x = [&](double v) -> double {
        if (!logaritmica_)
            return izquierda + (derecha - izquierda) * v / maximo;
        if (v <= 0)
            return izquierda - 14; // zero, off the logarithmic scale
        return izquierda + (derecha - izquierda) * (std::log2(v) - std::log2(minimo)) /
                               std::max(1e-9, std::log2(maximo) - std::log2(minimo));
    };
    p.setPen(palette().color(QPalette::Text));
    p.drawText(8, 16,
               logaritmica_ ? QStringLiteral("Valores no negativos, escala logarítmica (cada binada igual de ancha)")
                            : QStringLiteral("Valores no negativos, escala lineal"));
    p.drawLine(izquierda, eje, derecha, eje);
    for (std::size_t i = 0; i < valores_.size(); ++i) {
        p.setPen(QPen(subnormales_[i] ? ColorSubnormal : ColorFraccion.fuerte, 1));
        const double xi = x(valores_[i]);
        p.drawLine(QPointF(xi, eje - 10), QPointF(xi, eje));
    }
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QPointF(x(0) - 3, eje - 14), QStringLiteral("0"));
    const QString textoMaximo = corto(maximo);
    p.drawText(QPointF(derecha - p.fontMetrics().horizontalAdvance(textoMaximo), eje - 14), textoMaximo);
    // The legend.
    p.setPen(ColorSubnormal);
    p.drawText(8, height() - 8, QStringLiteral("| subnormales"));
    p.setPen(ColorFraccion.fuerte);
    p.drawText(100, height() - 8, QStringLiteral("| normales"));
    const ClaseBinario c = claseDe(formato_, patron_);
    if (esFinito(c)) {
        const double v = std::fabs(valorDouble(formato_, patron_));
        const bool negativo = std::signbit(valorDouble(formato_, patron_));
        marca(p, x(v), eje, (negativo ? QStringLiteral("|x| = ") : QStringLiteral("x = ")) + corto(v));
    } else {
        p.setPen(ColorMarca);
        p.drawText(180, height() - 8,
                   c == ClaseBinario::Infinito ? QStringLiteral("El valor actual, ∞, queda fuera de la recta")
                                               : QStringLiteral("NaN no es un número: no está en la recta"));
    }
}

void RectaValores::pintarBinada(QPainter& p)
{
    const ClaseBinario c = claseDe(formato_, patron_);
    p.setPen(palette().color(QPalette::Text));
    if (!esFinito(c) || c == ClaseBinario::Cero) {
        p.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   c == ClaseBinario::Cero
                       ? QStringLiteral("El cero está en el borde de la primera binada: los subnormales la llenan "
                                        "con el mismo paso que la de 2^(1 − sesgo).")
                       : QStringLiteral("∞ y NaN no están en la recta de los números."));
        return;
    }
    const CamposBinario campos = camposDe(formato_, patron_);
    const std::uint64_t e = std::max<std::uint64_t>(campos.exponente, 1);
    const long k = static_cast<long>(e) - formato_.sesgo();
    const int f = formato_.bitsFraccion;
    const bool subnormal = c == ClaseBinario::Subnormal;
    const int izquierda = 16, derecha = width() - 16;
    // Top: the binade, from 2^k (or 0) to 2^(k+1), and where the value is.
    const int eje = 40;
    p.drawText(8, 16,
               QStringLiteral("Binada [%1, %2): 2^%3 valores separados por ulp = %4")
                   .arg(subnormal ? QStringLiteral("0") : potencia(k), potencia(k + 1))
                   .arg(f)
                   .arg(potencia(k - f)));
    p.drawLine(izquierda, eje, derecha, eje);
    const double cuantos = std::ldexp(1.0, f);
    if (f <= 7) {
        p.setPen(ColorFraccion.fuerte);
        for (int i = 0; i <= (1 << f); ++i) {
            const double xi = izquierda + (derecha - izquierda) * i / cuantos;
            p.drawLine(QPointF(xi, eje - 8), QPointF(xi, eje));
        }
    } else {
        p.fillRect(QRectF(izquierda, eje - 8, derecha - izquierda, 8), ColorFraccion.claro);
    }
    const double posicion = static_cast<double>(campos.fraccion) / cuantos;
    const double xv = izquierda + (derecha - izquierda) * posicion;
    p.setPen(ColorMarca);
    p.drawLine(QPointF(xv, eje - 12), QPointF(xv, eje + 2));
    // Bottom: nine neighbouring values around the current one, equally
    // spaced by the ulp (the binade ends where they stop).
    const int abajo = 86, paso = std::max(20, (derecha - izquierda) / 9);
    const int centro = (izquierda + derecha) / 2;
    p.setPen(palette().color(QPalette::Text));
    p.drawLine(izquierda, abajo, derecha, abajo);
    // The lines from the mark down to the zoomed strip.
    p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    p.drawLine(QPointF(xv, eje + 2), QPointF(centro - 4 * paso, abajo - 12));
    p.drawLine(QPointF(xv, eje + 2), QPointF(centro + 4 * paso, abajo - 12));
    for (int i = -4; i <= 4; ++i) {
        const long long vecino = static_cast<long long>(campos.fraccion) + i;
        const bool dentro = vecino >= 0 && vecino <= static_cast<long long>(cuantos);
        if (!dentro)
            continue;
        const int xi = centro + i * paso;
        p.setPen(i == 0 ? ColorMarca : (subnormal ? ColorSubnormal : ColorFraccion.fuerte));
        p.drawLine(xi, abajo - 10, xi, abajo);
        const QString texto =
            i == 0
                ? QStringLiteral("actual")
                : (i == -1 ? QStringLiteral("anterior")
                           : (i == 1 ? QStringLiteral("siguiente")
                                     : (i < 0 ? QStringLiteral("%1 ulp").arg(i) : QStringLiteral("+%1 ulp").arg(i))));
        p.setPen(i == 0 ? ColorMarca : palette().color(QPalette::Text));
        const int ancho = p.fontMetrics().horizontalAdvance(texto);
        p.drawText(xi - ancho / 2, abajo + 16, texto);
    }
    if (campos.signo != 0) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(8, height() - 6, QStringLiteral("Valor negativo: se muestra su valor absoluto."));
    }
}

void RectaValores::pintarBinadas(QPainter& p)
{
    // Every binade of the format, equally wide on a logarithmic scale: the
    // subnormal values first, then 2^(1 − sesgo) ... 2^(sesgo + 1).
    const long sesgo = formato_.sesgo();
    const long primera = 1 - sesgo - formato_.bitsFraccion, ultima = sesgo + 1;
    const int izquierda = 16, derecha = width() - 16, eje = 56;
    auto x = [&](double log2v) {
        return izquierda + (derecha - izquierda) * (log2v - primera) / static_cast<double>(ultima - primera);
    };
    p.setPen(palette().color(QPalette::Text));
    p.drawText(8, 16,
               QStringLiteral("Todas las binadas, escala logarítmica: de %1 a %2; cada una tiene 2^%3 valores")
                   .arg(potencia(primera), potencia(ultima))
                   .arg(formato_.bitsFraccion));
    p.fillRect(QRectF(x(primera), eje - 8, x(1 - sesgo) - x(primera), 8), QColor(0xF8, 0xD9, 0xBC));
    p.fillRect(QRectF(x(1 - sesgo), eje - 8, x(ultima) - x(1 - sesgo), 8), ColorFraccion.claro);
    p.drawLine(izquierda, eje, derecha, eje);
    p.drawText(QPointF(izquierda, eje + 16), potencia(primera));
    const QString fin = potencia(ultima);
    p.drawText(QPointF(derecha - p.fontMetrics().horizontalAdvance(fin), eje + 16), fin);
    p.setPen(ColorSubnormal);
    p.drawText(8, height() - 8, QStringLiteral("subnormales"));
    p.setPen(ColorFraccion.fuerte);
    p.drawText(100, height() - 8, QStringLiteral("normales"));
    const ClaseBinario c = claseDe(formato_, patron_);
    if (esFinito(c) && c != ClaseBinario::Cero) {
        const double v = std::fabs(valorDouble(formato_, patron_));
        marca(p, x(std::log2(v)), eje, QStringLiteral("|x| ≈ ") + corto(v));
    }
}

// ============================================================== window

TFormLaboratorio::TFormLaboratorio(QWidget* padre) : QWidget(padre, Qt::Window)
{
    setObjectName(QStringLiteral("FormLaboratorio"));
    setWindowTitle(QStringLiteral("Laboratorio de formatos"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* principal = new QVBoxLayout(this);

    // ---- the format
    auto* filaFormato = new QHBoxLayout;
    Formato = new QComboBox(this);
    Formato->setObjectName(QStringLiteral("Formato"));
    Formato->addItems({QStringLiteral("binary16 (media precisión)"), QStringLiteral("bfloat16"),
                       QStringLiteral("binary32 (simple precisión)"), QStringLiteral("binary64 (doble precisión)"),
                       QStringLiteral("Personalizado")});
    BitsExponente = new QSpinBox(this);
    BitsExponente->setObjectName(QStringLiteral("BitsExponente"));
    BitsExponente->setRange(BitsExponenteMinimo, BitsExponenteMaximo);
    BitsFraccion = new QSpinBox(this);
    BitsFraccion->setObjectName(QStringLiteral("BitsFraccion"));
    BitsFraccion->setRange(BitsFraccionMinimo, BitsFraccionMaximo);
    Sesgo = new QLabel(this);
    Sesgo->setObjectName(QStringLiteral("Sesgo"));
    filaFormato->addWidget(rotuloDe(QStringLiteral("Formato:"), Formato, this));
    filaFormato->addWidget(Formato);
    filaFormato->addSpacing(12);
    filaFormato->addWidget(rotuloDe(QStringLiteral("Bits de exponente:"), BitsExponente, this));
    filaFormato->addWidget(BitsExponente);
    filaFormato->addWidget(rotuloDe(QStringLiteral("Bits de fracción:"), BitsFraccion, this));
    filaFormato->addWidget(BitsFraccion);
    filaFormato->addSpacing(12);
    filaFormato->addWidget(Sesgo, 1);
    principal->addLayout(filaFormato);

    // ---- the bits, the pattern as text and the picture
    auto* grupoBits = new QGroupBox(QStringLiteral("Patrón de bits: un clic cambia un bit"), this);
    auto* capaBits = new QVBoxLayout(grupoBits);
    Bits = new PanelBits(grupoBits);
    capaBits->addWidget(Bits, 0, Qt::AlignLeft);
    auto* filaPatron = new QHBoxLayout;
    Patron = new QLineEdit(grupoBits);
    Patron->setObjectName(QStringLiteral("Patron"));
    Patron->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Hexadecimal = new QLineEdit(grupoBits);
    Hexadecimal->setObjectName(QStringLiteral("Hexadecimal"));
    Hexadecimal->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Hexadecimal->setMaximumWidth(QFontMetrics(Hexadecimal->font()).horizontalAdvance(QString(20, QLatin1Char('0'))));
    filaPatron->addWidget(rotuloDe(QStringLiteral("Patrón:"), Patron, grupoBits));
    filaPatron->addWidget(Patron, 3);
    filaPatron->addWidget(rotuloDe(QStringLiteral("Hexadecimal:"), Hexadecimal, grupoBits));
    filaPatron->addWidget(Hexadecimal, 1);
    capaBits->addLayout(filaPatron);
    AvisoPatron = new QLabel(grupoBits);
    AvisoPatron->setObjectName(QStringLiteral("AvisoPatron"));
    capaBits->addWidget(AvisoPatron);
    auto* filaRecta = new QHBoxLayout;
    Recta = new RectaValores(grupoBits);
    Logaritmica = new QCheckBox(QStringLiteral("Escala &logarítmica"), grupoBits);
    Logaritmica->setObjectName(QStringLiteral("Logaritmica"));
    filaRecta->addWidget(Recta, 1);
    filaRecta->addWidget(Logaritmica, 0, Qt::AlignTop);
    capaBits->addLayout(filaRecta);
    principal->addWidget(grupoBits);

    // ---- two columns: what the pattern is | from a decimal
    auto* columnas = new QHBoxLayout;
    principal->addLayout(columnas, 1);

    auto* grupoValor = new QGroupBox(QStringLiteral("Qué es el patrón"), this);
    auto* capaValor = new QGridLayout(grupoValor);
    ValorExacto = textoLectura(QStringLiteral("ValorExacto"), 3, QPlainTextEdit::WidgetWidth, grupoValor);
    Clase = textoLectura(QStringLiteral("Clase"), 3, QPlainTextEdit::WidgetWidth, grupoValor);
    Anterior = campoLectura(QStringLiteral("Anterior"), grupoValor);
    Siguiente = campoLectura(QStringLiteral("Siguiente"), grupoValor);
    Ulp = campoLectura(QStringLiteral("Ulp"), grupoValor);
    IrAnterior = new QPushButton(QStringLiteral("◀ Ir al a&nterior"), grupoValor);
    IrAnterior->setObjectName(QStringLiteral("IrAnterior"));
    IrSiguiente = new QPushButton(QStringLiteral("Ir al si&guiente ▶"), grupoValor);
    IrSiguiente->setObjectName(QStringLiteral("IrSiguiente"));
    int fila = 0;
    capaValor->addWidget(rotuloDe(QStringLiteral("Valor exacto:"), ValorExacto, grupoValor), fila, 0, Qt::AlignTop);
    capaValor->addWidget(ValorExacto, fila++, 1, 1, 2);
    capaValor->addWidget(rotuloDe(QStringLiteral("Clase:"), Clase, grupoValor), fila, 0, Qt::AlignTop);
    capaValor->addWidget(Clase, fila++, 1, 1, 2);
    capaValor->addWidget(rotuloDe(QStringLiteral("Anterior:"), Anterior, grupoValor), fila, 0);
    capaValor->addWidget(Anterior, fila, 1);
    capaValor->addWidget(IrAnterior, fila++, 2);
    capaValor->addWidget(rotuloDe(QStringLiteral("Siguiente:"), Siguiente, grupoValor), fila, 0);
    capaValor->addWidget(Siguiente, fila, 1);
    capaValor->addWidget(IrSiguiente, fila++, 2);
    capaValor->addWidget(rotuloDe(QStringLiteral("Ulp:"), Ulp, grupoValor), fila, 0);
    capaValor->addWidget(Ulp, fila++, 1, 1, 2);
    capaValor->setRowStretch(fila, 1);
    capaValor->setColumnStretch(1, 1);
    columnas->addWidget(grupoValor, 1);

    auto* grupoDecimal = new QGroupBox(QStringLiteral("Desde un decimal"), this);
    auto* capaDecimal = new QGridLayout(grupoDecimal);
    Decimal = new QLineEdit(grupoDecimal);
    Decimal->setObjectName(QStringLiteral("Decimal"));
    Decimal->setPlaceholderText(QStringLiteral("por ejemplo 0,1 o -1,5E-7 o inf"));
    Redondeo = new QComboBox(grupoDecimal);
    Redondeo->setObjectName(QStringLiteral("Redondeo"));
    for (int r = 0; r < CantidadRedondeos; ++r)
        Redondeo->addItem(q(nombreRedondeo(Regla(r))));
    AvisoDecimal = new QLabel(grupoDecimal);
    AvisoDecimal->setObjectName(QStringLiteral("AvisoDecimal"));
    ErrorAbsoluto = campoLectura(QStringLiteral("ErrorAbsoluto"), grupoDecimal);
    ErrorRelativo = campoLectura(QStringLiteral("ErrorRelativo"), grupoDecimal);
    fila = 0;
    capaDecimal->addWidget(rotuloDe(QStringLiteral("Decimal:"), Decimal, grupoDecimal), fila, 0);
    capaDecimal->addWidget(Decimal, fila++, 1);
    capaDecimal->addWidget(rotuloDe(QStringLiteral("Redondeo:"), Redondeo, grupoDecimal), fila, 0);
    capaDecimal->addWidget(Redondeo, fila++, 1);
    capaDecimal->addWidget(AvisoDecimal, fila++, 0, 1, 2);
    capaDecimal->addWidget(rotuloDe(QStringLiteral("Error absoluto:"), ErrorAbsoluto, grupoDecimal), fila, 0);
    capaDecimal->addWidget(ErrorAbsoluto, fila++, 1);
    capaDecimal->addWidget(rotuloDe(QStringLiteral("Error relativo:"), ErrorRelativo, grupoDecimal), fila, 0);
    capaDecimal->addWidget(ErrorRelativo, fila++, 1);

    // For binary32, the pattern as the course's IEEE windows write it.
    Curso = new QGroupBox(QStringLiteral("Como lo escriben las ventanas IEEE 754 del curso"), grupoDecimal);
    Curso->setObjectName(QStringLiteral("Curso"));
    auto* capaCurso = new QHBoxLayout(Curso);
    CampoSigno = campoLectura(QStringLiteral("CampoSigno"), Curso);
    CampoSigno->setMaximumWidth(30);
    CampoExponente = campoLectura(QStringLiteral("CampoExponente"), Curso);
    CampoExponente->setMaximumWidth(84);
    CampoMantisa = campoLectura(QStringLiteral("CampoMantisa"), Curso);
    CampoMantisa->setMinimumWidth(QFontMetrics(CampoMantisa->font()).horizontalAdvance(QString(24, QLatin1Char('0'))));
    capaCurso->addWidget(rotuloDe(QStringLiteral("Signo:"), CampoSigno, Curso));
    capaCurso->addWidget(CampoSigno);
    capaCurso->addWidget(rotuloDe(QStringLiteral("Exponente:"), CampoExponente, Curso));
    capaCurso->addWidget(CampoExponente);
    capaCurso->addWidget(rotuloDe(QStringLiteral("Mantisa:"), CampoMantisa, Curso));
    capaCurso->addWidget(CampoMantisa, 1);
    capaDecimal->addWidget(Curso, fila++, 0, 1, 2);
    capaDecimal->setRowStretch(fila, 1);
    capaDecimal->setColumnStretch(1, 1);
    columnas->addWidget(grupoDecimal, 1);

    // ---- every rounding side by side
    auto* grupoComparacion = new QGroupBox(QStringLiteral("Lo que da cada redondeo del decimal"), this);
    auto* capaComparacion = new QVBoxLayout(grupoComparacion);
    Comparacion = new QTableWidget(CantidadRedondeos, 5, grupoComparacion);
    Comparacion->setObjectName(QStringLiteral("Comparacion"));
    Comparacion->setAccessibleName(QStringLiteral("Lo que da cada redondeo del decimal"));
    Comparacion->setHorizontalHeaderLabels({QStringLiteral("Redondeo"), QStringLiteral("Hexadecimal"),
                                            QStringLiteral("Valor exacto"), QStringLiteral("Error absoluto"),
                                            QStringLiteral("Error relativo")});
    Comparacion->verticalHeader()->setVisible(false);
    Comparacion->verticalHeader()->setDefaultSectionSize(QFontMetrics(Comparacion->font()).height() + 6);
    Comparacion->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Comparacion->setSelectionBehavior(QAbstractItemView::SelectRows);
    Comparacion->setTabKeyNavigation(false);
    Comparacion->setWordWrap(false);
    Comparacion->setTextElideMode(Qt::ElideRight);
    Comparacion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The names and the hexadecimal take the width they need, set once per
    // format rather than measured on every update; the values share the
    // rest.
    Comparacion->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Comparacion->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    Comparacion->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    for (int r = 0; r < CantidadRedondeos; ++r)
        for (int c = 0; c < 5; ++c)
            Comparacion->setItem(r, c, new QTableWidgetItem(c == 0 ? q(nombreRedondeo(Regla(r))) : QString()));
    {
        QFont negrita = Comparacion->font();
        negrita.setBold(true);
        Comparacion->setColumnWidth(0, QFontMetrics(negrita).horizontalAdvance(q(nombreRedondeo(Regla::CercanoLejos))) +
                                           16);
    }
    Comparacion->setFixedHeight(Comparacion->horizontalHeader()->sizeHint().height() +
                                CantidadRedondeos * Comparacion->verticalHeader()->defaultSectionSize() + 4);
    capaComparacion->addWidget(Comparacion);
    principal->addWidget(grupoComparacion);

    // Tab follows the eye: format, bits, pattern, picture, then the left
    // column and the right one.
    setTabOrder(Formato, BitsExponente);
    setTabOrder(BitsExponente, BitsFraccion);
    setTabOrder(BitsFraccion, Bits->boton(63));

    connect(Formato, &QComboBox::currentIndexChanged, this, &TFormLaboratorio::FormatoChange);
    connect(BitsExponente, &QSpinBox::valueChanged, this, &TFormLaboratorio::BitsChange);
    connect(BitsFraccion, &QSpinBox::valueChanged, this, &TFormLaboratorio::BitsChange);
    connect(Bits, &PanelBits::bitPulsado, this, &TFormLaboratorio::BitClick);
    connect(Patron, &QLineEdit::textEdited, this, &TFormLaboratorio::PatronChange);
    connect(Hexadecimal, &QLineEdit::textEdited, this, &TFormLaboratorio::HexadecimalChange);
    connect(Decimal, &QLineEdit::textEdited, this, &TFormLaboratorio::DecimalChange);
    connect(Redondeo, &QComboBox::currentIndexChanged, this, &TFormLaboratorio::RedondeoChange);
    connect(IrAnterior, &QPushButton::clicked, this, &TFormLaboratorio::IrAnteriorClick);
    connect(IrSiguiente, &QPushButton::clicked, this, &TFormLaboratorio::IrSiguienteClick);
    connect(Logaritmica, &QCheckBox::toggled, Recta, &RectaValores::setLogaritmica);
    auto* cerrar = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cerrar, &QShortcut::activated, this, &QWidget::close);

    // It opens on binary32 with 0,1 rounded to the nearest.
    {
        const QSignalBlocker b(Formato);
        Formato->setCurrentIndex(2);
    }
    cambiarFormato(Binary32);
    Decimal->setText(QStringLiteral("0,1"));
    DecimalChange();
    resize(sizeHint().expandedTo(QSize(1000, 0)));
}

Regla TFormLaboratorio::redondeo() const
{
    return Regla(std::max(0, Redondeo->currentIndex()));
}

void TFormLaboratorio::marcarEntrada(QLineEdit* entrada, QLabel* aviso, const QString& motivo)
{
    ponerEnRojo(entrada, !motivo.isEmpty(), QPalette::Base);
    ponerEnRojo(aviso, !motivo.isEmpty(), QPalette::NoRole);
    escribir(aviso, motivo);
}

void TFormLaboratorio::cambiarFormato(FormatoBinario nuevo)
{
    const FormatoBinario viejo = formato_;
    const std::uint64_t patronViejo = patron_;
    formato_ = nuevo;
    {
        const QSignalBlocker be(BitsExponente), bf(BitsFraccion);
        BitsExponente->setValue(nuevo.bitsExponente);
        BitsFraccion->setValue(nuevo.bitsFraccion);
    }
    const bool personalizado = Formato->currentIndex() == 4;
    BitsExponente->setEnabled(personalizado);
    BitsFraccion->setEnabled(personalizado);
    Sesgo->setText(QStringLiteral("%1 bits: 1 de signo, %2 de exponente (sesgo %3), %4 de fracción")
                       .arg(nuevo.ancho())
                       .arg(nuevo.bitsExponente)
                       .arg(nuevo.sesgo())
                       .arg(nuevo.bitsFraccion));
    Bits->setFormato(nuevo);
    bitsNuevos_ = true;
    setTabOrder(BitsFraccion, Bits->boton(nuevo.ancho() - 1));
    setTabOrder(Bits->boton(0), Patron);
    Patron->setPlaceholderText(QStringLiteral("%1 bits 0 y 1").arg(nuevo.ancho()));
    Hexadecimal->setPlaceholderText(QStringLiteral("%1 cifras").arg((nuevo.ancho() + 3) / 4));
    Curso->setVisible(nuevo == Binary32);
    {
        QFont negrita = Comparacion->font();
        negrita.setBold(true);
        const int cifras = (nuevo.ancho() + 3) / 4;
        Comparacion->setColumnWidth(
            1,
            std::max(QFontMetrics(negrita).horizontalAdvance(QString(cifras, QLatin1Char('D'))),
                     Comparacion->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Hexadecimal"))) +
                16);
    }
    marcarEntrada(Patron, AvisoPatron, {});
    marcarEntrada(Hexadecimal, AvisoPatron, {});

    if (decimal_) {
        // The typed decimal, rounded into the new format.
        mostrar(redondear(nuevo, *decimal_, redondeo()).patron, Origen::Decimal);
        return;
    }
    // The value of the old pattern, rounded into the new format.
    std::uint64_t p = 0;
    const ClaseBinario c = claseDe(viejo, patronViejo);
    const unsigned signo = camposDe(viejo, patronViejo).signo;
    if (c == ClaseBinario::NaNSilencioso || c == ClaseBinario::NaNSenalizador)
        p = nanSilencioso(nuevo);
    else if (c == ClaseBinario::Infinito)
        p = armarPatron(nuevo, signo, nuevo.exponenteMaximo(), 0);
    else {
        std::string motivo;
        const auto d = leerDecimal(valorExacto(viejo, patronViejo), motivo);
        p = d ? redondear(nuevo, *d, redondeo()).patron : 0;
    }
    mostrar(p, Origen::Formato);
}

void TFormLaboratorio::FormatoChange()
{
    const int i = Formato->currentIndex();
    if (i >= 0 && i < 4) {
        cambiarFormato(Predefinidos[i]);
        return;
    }
    // Personalizado: from a preset, the course's small example 1 + 4 + 3.
    const bool predefinido =
        std::find(std::begin(Predefinidos), std::end(Predefinidos), formato_) != std::end(Predefinidos);
    cambiarFormato(predefinido ? FormatoBinario{4, 3} : formato_);
}

void TFormLaboratorio::BitsChange()
{
    // The ranges of the spin boxes keep the format within 64 bits.
    cambiarFormato({BitsExponente->value(), BitsFraccion->value()});
}

void TFormLaboratorio::BitClick(int bit)
{
    decimal_.reset();
    mostrar(patron_ ^ (std::uint64_t{1} << bit), Origen::Bits);
}

void TFormLaboratorio::PatronChange()
{
    const QString t = Patron->text();
    const int n = formato_.ancho();
    QString motivo;
    std::uint64_t p = 0;
    for (int i = 0; i < t.size() && motivo.isEmpty(); ++i) {
        if (t[i] != QLatin1Char('0') && t[i] != QLatin1Char('1'))
            motivo = QStringLiteral("Solo van los bits 0 y 1: «%1» en la posición %2.").arg(t[i]).arg(i + 1);
        else
            p = (p << 1) | (t[i] == QLatin1Char('1') ? 1u : 0u);
    }
    if (motivo.isEmpty() && t.size() < n)
        motivo = QStringLiteral("Faltan %1 bits: el patrón tiene %2 de %3.").arg(n - t.size()).arg(t.size()).arg(n);
    if (motivo.isEmpty() && t.size() > n)
        motivo = QStringLiteral("Sobran %1 bits: el patrón tiene %2 de %3.").arg(t.size() - n).arg(t.size()).arg(n);
    if (!motivo.isEmpty()) {
        marcarEntrada(Patron, AvisoPatron, motivo);
        return;
    }
    decimal_.reset();
    mostrar(p, Origen::Patron);
}

void TFormLaboratorio::HexadecimalChange()
{
    const QString t = Hexadecimal->text();
    const int n = formato_.ancho();
    const int cifras = (n + 3) / 4;
    QString motivo;
    std::uint64_t p = 0;
    for (int i = 0; i < t.size() && motivo.isEmpty(); ++i) {
        const int v = QStringLiteral("0123456789ABCDEF").indexOf(t[i].toUpper());
        if (v < 0)
            motivo = QStringLiteral("«%1» no es una cifra hexadecimal (0 a 9, A a F).").arg(t[i]);
        else
            p = (p << 4) | static_cast<std::uint64_t>(v);
    }
    if (motivo.isEmpty() && t.size() != cifras)
        motivo = t.size() < cifras ? QStringLiteral("Faltan %1 cifras: el patrón de %2 bits lleva %3.")
                                         .arg(cifras - t.size())
                                         .arg(n)
                                         .arg(cifras)
                                   : QStringLiteral("Sobran %1 cifras: el patrón de %2 bits lleva %3.")
                                         .arg(t.size() - cifras)
                                         .arg(n)
                                         .arg(cifras);
    if (motivo.isEmpty() && (p & ~formato_.mascara()) != 0)
        motivo = QStringLiteral("Con %1 bits la primera cifra llega a %2.")
                     .arg(n)
                     .arg(QString::number((1 << (n - 4 * (cifras - 1))) - 1, 16).toUpper());
    if (!motivo.isEmpty()) {
        marcarEntrada(Hexadecimal, AvisoPatron, motivo);
        return;
    }
    decimal_.reset();
    mostrar(p, Origen::Hexadecimal);
}

void TFormLaboratorio::DecimalChange()
{
    std::string motivo;
    const auto d = leerDecimal(textoDeEntrada(Decimal->text()), motivo);
    if (!d) {
        marcarEntrada(Decimal, AvisoDecimal, q(motivo));
        return;
    }
    decimal_ = *d;
    mostrar(redondear(formato_, *d, redondeo()).patron, Origen::Decimal);
}

void TFormLaboratorio::RedondeoChange()
{
    if (decimal_)
        mostrar(redondear(formato_, *decimal_, redondeo()).patron, Origen::Decimal);
    else
        mostrarErrores();
}

void TFormLaboratorio::IrAnteriorClick()
{
    if (const auto p = anteriorDe(formato_, patron_)) {
        decimal_.reset();
        mostrar(*p, Origen::Bits);
    }
}

void TFormLaboratorio::IrSiguienteClick()
{
    if (const auto p = siguienteDe(formato_, patron_)) {
        decimal_.reset();
        mostrar(*p, Origen::Bits);
    }
}

void TFormLaboratorio::mostrar(std::uint64_t patron, Origen origen)
{
    const FormatoBinario f = formato_;
    patron_ = patron & f.mascara();
    const int n = f.ancho();
    for (int i = 0; i < n; ++i) {
        QToolButton* b = Bits->boton(i);
        const bool uno = ((patron_ >> i) & 1) != 0;
        // A click has already toggled the button: its text tells what it
        // shows.
        b->setChecked(uno);
        if ((b->text() == QStringLiteral("1")) != uno || bitsNuevos_) {
            b->setText(uno ? QStringLiteral("1") : QStringLiteral("0"));
            const ColoresCampo& c = coloresDelBit(f, i);
            QPalette p = b->palette();
            p.setColor(QPalette::Button, uno ? c.fuerte : c.claro);
            p.setColor(QPalette::ButtonText, uno ? QColor(Qt::white) : QColor(Qt::black));
            b->setPalette(p);
        }
    }
    bitsNuevos_ = false;
    if (origen != Origen::Patron) {
        if (Patron->text() != binario(f, patron_))
            Patron->setText(binario(f, patron_));
        marcarEntrada(Patron, AvisoPatron, {});
    }
    if (origen != Origen::Hexadecimal) {
        if (Hexadecimal->text() != hexadecimal(f, patron_))
            Hexadecimal->setText(hexadecimal(f, patron_));
        marcarEntrada(Hexadecimal, AvisoPatron, {});
    }
    if (origen == Origen::Patron || origen == Origen::Hexadecimal)
        marcarEntrada(origen == Origen::Patron ? Patron : Hexadecimal, AvisoPatron, {});
    if (origen == Origen::Decimal)
        marcarEntrada(Decimal, AvisoDecimal, {});
    else if (!decimal_) {
        Decimal->clear();
        marcarEntrada(Decimal, AvisoDecimal, {});
    }

    escribir(ValorExacto, q(valorExacto(f, patron_)));
    escribir(Clase, q(lecturaDe(f, patron_)));
    const auto anterior = anteriorDe(f, patron_), siguiente = siguienteDe(f, patron_);
    escribir(Anterior, anterior ? q(valorExacto(f, *anterior)) : QStringLiteral("No tiene"));
    escribir(Siguiente, siguiente ? q(valorExacto(f, *siguiente)) : QStringLiteral("No tiene"));
    IrAnterior->setEnabled(anterior.has_value());
    IrSiguiente->setEnabled(siguiente.has_value());
    const std::string ulp = ulpDe(f, patron_);
    escribir(Ulp, ulp.empty() ? QStringLiteral("No tiene") : q(ulp));
    if (f == Binary32) {
        const CamposBinario c = camposDe(f, patron_);
        escribir(CampoSigno, QString::number(c.signo));
        escribir(CampoExponente, QString::number(c.exponente, 2).rightJustified(8, QLatin1Char('0')));
        escribir(CampoMantisa, binario(f, patron_).right(23));
    }
    mostrarErrores();
    Recta->mostrar(f, patron_);
}

void TFormLaboratorio::mostrarErrores()
{
    const int elegido = Redondeo->currentIndex();
    if (!decimal_) {
        escribir(ErrorAbsoluto, QString());
        escribir(ErrorRelativo, QString());
        // A bad text in the decimal keeps its reason.
        if (!Decimal->property("rojo").toBool())
            escribir(AvisoDecimal,
                     QStringLiteral("El patrón no viene de un decimal: escriba uno para ver sus errores."));
        for (int r = 0; r < CantidadRedondeos; ++r)
            for (int c = 1; c < 5; ++c)
                if (!Comparacion->item(r, c)->text().isEmpty())
                    Comparacion->item(r, c)->setText(QString());
        return;
    }
    QString nota;
    QFont normal = Comparacion->font(), negrita = normal;
    negrita.setBold(true);
    for (int r = 0; r < CantidadRedondeos; ++r) {
        const Redondeado x = redondear(formato_, *decimal_, Regla(r));
        const QString textos[5] = {q(nombreRedondeo(Regla(r))), hexadecimal(formato_, x.patron),
                                   q(valorExacto(formato_, x.patron)), conNota(x.absoluto), conNota(x.relativo)};
        for (int c = 0; c < 5; ++c) {
            QTableWidgetItem* item = Comparacion->item(r, c);
            // A cell shows the start of a long value, its tool tip all of
            // it: a cell is never wide enough for hundreds of digits, and
            // laying them out on every update would cost time.
            const QString celda =
                textos[c].size() > LargoCelda ? textos[c].left(LargoCelda - 1) + QChar(0x2026) : textos[c];
            if (item->text() != celda) {
                item->setText(celda);
                item->setToolTip(textos[c]);
            }
            if (item->font().bold() != (r == elegido))
                item->setFont(r == elegido ? negrita : normal);
        }
        if (r == elegido) {
            escribir(ErrorAbsoluto, textos[3]);
            escribir(ErrorRelativo, textos[4]);
            if (decimal_->tipo == NumeroDecimal::NoNumero)
                nota = QStringLiteral("NaN no tiene error: no es un número.");
            else if (x.desborde)
                nota = QStringLiteral("Desbordamiento: el número pasa del mayor valor finito.");
            else if (x.subdesborde)
                nota = QStringLiteral("Subdesbordamiento: el número es menor que el menor normal y no es exacto.");
            else if (!x.inexacto)
                nota = QStringLiteral("El número es exactamente representable: no hay error.");
            else
                nota = QStringLiteral("El número no es representable: queda entre dos valores del formato.");
        }
    }
    if (!Decimal->property("rojo").toBool())
        escribir(AvisoDecimal, nota);
}

} // namespace cifral
