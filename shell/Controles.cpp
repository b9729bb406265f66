#include "shell/Controles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QVBoxLayout>

namespace cifral {

QColor colorVentana()
{
    return Qt::white;
}

QColor colorLuz3D()
{
    return QColor(0xE3, 0xE3, 0xE3);
}

QColor colorCaraBoton()
{
    return QColor(0xF0, 0xF0, 0xF0);
}

QFont fuente(int pixeles, bool negrita)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

QLabel* rotulo(const QString& nombre, const QString& titulo, QWidget* padre, int pixeles, bool negrita)
{
    auto* l = new QLabel(titulo, padre);
    l->setObjectName(nombre);
    l->setFont(fuente(pixeles, negrita));
    return l;
}

void deshabilitarLegible(QWidget* contenedor)
{
    QPalette p = contenedor->palette();
    for (auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base, QPalette::Window})
        p.setColor(QPalette::Disabled, rol, p.color(QPalette::Active, rol));
    contenedor->setPalette(p);
    contenedor->setEnabled(false);
}

namespace {

const char* const SugerenciaApagada = "cifralSugerenciaApagada";

class FiltroSugerencia : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip && o->property(SugerenciaApagada).toBool()) {
            e->ignore();
            return true;
        }
        return false;
    }
};

} // namespace

void setSugerenciaActiva(QWidget* w, bool activa)
{
    if (!w->property(SugerenciaApagada).isValid())
        w->installEventFilter(new FiltroSugerencia(w));
    w->setProperty(SugerenciaApagada, !activa);
}

bool sugerenciaActiva(const QWidget* w)
{
    return !w->property(SugerenciaApagada).toBool();
}

std::string textoDeEntrada(const QString& texto)
{
    std::string r;
    r.reserve(static_cast<std::size_t>(texto.size()));
    for (QChar c : texto)
        r += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
    return r;
}

void colocar(QWidget* w, int x, int y, int ancho, int alto)
{
    w->setGeometry(x, y, ancho, alto);
}

// ---------------------------------------------------------------- RadioGroup

namespace {

// An item answers a click anywhere on its row, not only on its circle and
// caption.
class BotonRadio : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& p) const override { return rect().contains(p); }
};

} // namespace

RadioGroup::RadioGroup(const QString& nombre, const QString& titulo, const QStringList& items, QWidget* padre)
    : QGroupBox(titulo, padre), grupo_(new QButtonGroup(this))
{
    setObjectName(nombre);
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(8, 4, 8, 4);
    capa->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new BotonRadio(items[i], this);
        b->setObjectName(nombre + QStringLiteral("_") + QString::number(i));
        grupo_->addButton(b, i);
        capa->addWidget(b);
    }
    connect(grupo_, &QButtonGroup::idClicked, this, &RadioGroup::click);
    connect(qApp, &QApplication::focusChanged, this, &RadioGroup::cambioDeFoco);
}

RadioGroup::~RadioGroup()
{
    // The application outlives the group: while the base destructor deletes
    // the items, the focus leaves them and focusChanged must no longer reach
    // this half-destroyed group.
    disconnect(qApp, nullptr, this, nullptr);
}

int RadioGroup::itemIndex() const
{
    return grupo_->checkedId();
}

void RadioGroup::setItemIndex(int i)
{
    if (i >= 0 && i < cantidad()) {
        grupo_->button(i)->setChecked(true);
        return;
    }
    if (auto* marcado = grupo_->checkedButton()) {
        grupo_->setExclusive(false);
        marcado->setChecked(false);
        grupo_->setExclusive(true);
    }
}

QRadioButton* RadioGroup::boton(int i) const
{
    return qobject_cast<QRadioButton*>(grupo_->button(i));
}

int RadioGroup::cantidad() const
{
    return static_cast<int>(grupo_->buttons().size());
}

bool RadioGroup::contiene(const QWidget* w) const
{
    return w != nullptr && (w == this || isAncestorOf(w));
}

void RadioGroup::cambioDeFoco(QWidget* anterior, QWidget* actual)
{
    // Only a move from another control of this window counts: the focus
    // coming back when the window is activated again is no entry.
    if (contiene(actual) && anterior != nullptr && !contiene(anterior) && anterior->window() == window())
        emit entrada();
}

// -------------------------------------------------------------- LineaEdicion

LineaEdicion::LineaEdicion(const QString& nombre, QWidget* padre) : QLineEdit(padre)
{
    setObjectName(nombre);
    setAcceptDrops(false);
}

void LineaEdicion::setLimiteTecleo(int limite)
{
    limite_ = limite > 0 ? limite : 0;
}

void LineaEdicion::setColor(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Base, c);
    setPalette(p);
}

QColor LineaEdicion::color() const
{
    return palette().color(QPalette::Active, QPalette::Base);
}

int LineaEdicion::espacioLibre() const
{
    if (limite_ == 0)
        return INT_MAX;
    return limite_ - (static_cast<int>(text().size()) - static_cast<int>(selectedText().size()));
}

void LineaEdicion::pegarLimitado()
{
    insertarLimitado(QApplication::clipboard()->text());
}

void LineaEdicion::insertarLimitado(QString t)
{
    if (isReadOnly())
        return;
    t.remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    const int libre = espacioLibre();
    if (libre <= 0 || t.isEmpty())
        return;
    insert(t.left(libre));
}

void LineaEdicion::keyPressEvent(QKeyEvent* e)
{
    const QString t = e->text();
    if (alPulsarTecla && (!t.isEmpty() || e->key() == Qt::Key_Backspace))
        alPulsarTecla();
    if (e->matches(QKeySequence::Paste)) {
        pegarLimitado();
        e->accept();
        return;
    }
    const bool inserta = !t.isEmpty() && t.at(0).isPrint();
    if (inserta && !isReadOnly() && espacioLibre() < t.size()) {
        e->accept(); // refused: the limit is reached
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void LineaEdicion::inputMethodEvent(QInputMethodEvent* e)
{
    if (!e->commitString().isEmpty() && alPulsarTecla)
        alPulsarTecla();
    if (!e->commitString().isEmpty() && (isReadOnly() || espacioLibre() < e->commitString().size())) {
        e->accept();
        return;
    }
    QLineEdit::inputMethodEvent(e);
}

void LineaEdicion::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste")) {
            disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this, &LineaEdicion::pegarLimitado);
        }
    }
    menu->exec(e->globalPos());
    delete menu;
}

// Where the desktop has a selection clipboard, a middle click pastes the
// selected text at the cursor: within the limit, as every other paste.
void LineaEdicion::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            insertarLimitado(QApplication::clipboard()->text(QClipboard::Selection));
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

// --------------------------------------------------------------- BotonRapido

BotonRapido::BotonRapido(const QString& nombre, const QIcon& glifo, const QString& titulo, const QString& sugerencia,
                         QWidget* padre)
    : QToolButton(padre)
{
    setObjectName(nombre);
    setAutoRaise(true);
    setIcon(glifo);
    setToolTip(sugerencia);
    setMouseTracking(true);
    // Tab reaches it, a click does not move the focus: the windows' steps
    // that run when the focus enters or leaves a control see no change from
    // a mouse user.
    setFocusPolicy(Qt::TabFocus);
    if (titulo.isEmpty()) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        setIconSize(QSize(16, 16));
    } else {
        setText(titulo);
        setFont(fuente(11, true));
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        setIconSize(QSize(24, 24));
    }
}

void BotonRapido::setSugerenciaActiva(bool activa)
{
    cifral::setSugerenciaActiva(this, activa);
}

bool BotonRapido::sugerenciaActiva() const
{
    return cifral::sugerenciaActiva(this);
}

void BotonRapido::keyPressEvent(QKeyEvent* e)
{
    // Enter presses a focused button as Space does.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier && isEnabled()) {
        click();
        e->accept();
        return;
    }
    QToolButton::keyPressEvent(e);
}

void BotonRapido::mouseMoveEvent(QMouseEvent* e)
{
    emit movimiento();
    QToolButton::mouseMoveEvent(e);
}

void ordenarTabulacion(std::initializer_list<QWidget*> controles)
{
    QWidget* anterior = nullptr;
    auto siguiente = [&anterior](QWidget* w) {
        if (anterior != nullptr)
            QWidget::setTabOrder(anterior, w);
        anterior = w;
    };
    for (QWidget* w : controles) {
        if (auto* grupo = qobject_cast<RadioGroup*>(w)) {
            for (int i = 0; i < grupo->cantidad(); ++i)
                siguiente(grupo->boton(i));
        } else {
            siguiente(w);
        }
    }
}

void deshabilitarDetalle(BotonRapido* boton)
{
    boton->setEnabled(false);
    boton->setSugerenciaActiva(true);
}

void alMoverSobreDetalle(BotonRapido* boton)
{
    if (boton->isEnabled())
        boton->setSugerenciaActiva(false);
}

// ---------------------------------------------------------------------- Memo

Memo::Memo(const QString& nombre, int pixeles, QWidget* padre) : QWidget(padre)
{
    setObjectName(nombre);
    setFont(fuente(pixeles));
}

void Memo::setTexto(const QString& texto)
{
    texto_ = texto;
    setAccessibleName(texto);
    update();
}

void Memo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    QTextLayout capa(texto_, font());
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WordWrap);
    capa.setTextOption(opcion);
    const int alto = font().pixelSize() + 1;
    capa.beginLayout();
    for (int y = 1; y < height();) {
        QTextLine linea = capa.createLine();
        if (!linea.isValid())
            break;
        linea.setLineWidth(width() - 2);
        linea.setPosition(QPointF(1, y));
        y += alto;
    }
    capa.endLayout();
    capa.draw(&p, QPointF(0, 0));
}

// -------------------------------------------------------------- the frames

QPushButton* botonComando(const QString& nombre, const QString& titulo, QWidget* padre)
{
    auto* b = new QPushButton(titulo, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setFont(fuente(11, true));
    return b;
}

VentanaConversor::VentanaConversor(const QString& nombre, const QString& titulo, int ancho, int alto, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(nombre);
    setWindowTitle(QStringLiteral("Cifral - ") + titulo);
    setFixedSize(ancho, alto);
    setSizeGripEnabled(false);
    setWindowModality(Qt::WindowModal);
}

namespace {

bool diferirConstruccion = false;

} // namespace

void VentanaConversor::setConstruccionDiferida(bool diferida)
{
    diferirConstruccion = diferida;
}

void VentanaConversor::asegurarConstruida()
{
    if (construida_)
        return;
    construida_ = true;
    construir();
    agregarAtajos();
    // The fonts of the fields are made ready with the window, not by the
    // first result written into them.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->fontMetrics().horizontalAdvance(QStringLiteral("-0123456789,E+*()^ "));
}

void VentanaConversor::setVisible(bool visible)
{
    if (visible)
        asegurarConstruida();
    QDialog::setVisible(visible);
}

void VentanaConversor::agregarAtajos()
{
    // Every converter has one "Ayuda" and one "Ver detalle" button: F1 and
    // Ctrl+D press them. Esc closes the window, as in every dialog.
    for (BotonRapido* b : findChildren<BotonRapido*>()) {
        const QString titulo = b->text().trimmed();
        if (titulo == QStringLiteral("Ayuda")) {
            b->setShortcut(QKeySequence(Qt::Key_F1));
            b->setAccessibleDescription(QStringLiteral("Abre la ayuda de esta ventana (F1)"));
        } else if (titulo.compare(QStringLiteral("Ver detalle"), Qt::CaseInsensitive) == 0) {
            b->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
            b->setAccessibleDescription(QStringLiteral("Informe de una página con vista previa (Ctrl+D)"));
        }
    }
}

void VentanaConversor::terminarCreacion()
{
    if (!diferirConstruccion)
        asegurarConstruida();
}

} // namespace cifral
