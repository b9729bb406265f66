// The controls every window is built from: a radio group that reports when
// the focus enters it, an edit whose typing limit never shortens its text, a
// flat button with a glyph and a hint that can be switched off, a read-only
// memo, and the frame of the converter windows.
#pragma once

#include <QButtonGroup>
#include <QColor>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <functional>
#include <initializer_list>
#include <string>

namespace cifral {

// Colours of the windows.
QColor colorVentana();   // an unlocked edit (white)
QColor colorLuz3D();     // a locked edit (light grey)
QColor colorCaraBoton(); // the face of buttons and memos

// Arial of the given size in pixels.
QFont fuente(int pixeles, bool negrita = false);

// A label with its control name, caption and font.
QLabel* rotulo(const QString& nombre, const QString& titulo, QWidget* padre, int pixeles = 11, bool negrita = false);

// Disables a container so that nothing in it takes input, while its texts
// stay as readable as when enabled.
void deshabilitarLegible(QWidget* contenedor);

// A control's hint (its tool tip) can be switched off and on again; while
// off it is not shown, and its text stays.
void setSugerenciaActiva(QWidget* w, bool activa);
bool sugerenciaActiva(const QWidget* w);

// The text of an entry as the computing routines read it: one character for
// each character typed ('?' for one outside ASCII), so that lengths count
// what the user sees.
std::string textoDeEntrada(const QString& texto);

// A text of the computing routines as the windows show it.
inline QString texto(const std::string& s)
{
    return QString::fromStdString(s);
}

// Places a widget at a position and size in pixels of its parent.
void colocar(QWidget* w, int x, int y, int ancho, int alto);

// A group of radio buttons with one item index (-1: none). `click` is sent
// when the user clicks an item; `entrada` when the focus moves into the group
// from another control of the same window, which happens before the click of
// the item that was pressed.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& nombre, const QString& titulo, const QStringList& items, QWidget* padre);
    ~RadioGroup() override;

    int itemIndex() const;
    void setItemIndex(int i);
    QRadioButton* boton(int i) const;
    int cantidad() const;

signals:
    void click(int indice);
    void entrada();

private:
    void cambioDeFoco(QWidget* anterior, QWidget* actual);
    bool contiene(const QWidget* w) const;

    QButtonGroup* grupo_;
};

// A single-line edit. Its typing limit (0: none) only stops what the user
// types or pastes; text already there, or written by the program, is never
// shortened. `alPulsarTecla` runs for every typed character before the edit
// takes it, so it may lock the edit and the character is then refused.
class LineaEdicion : public QLineEdit {
    Q_OBJECT

public:
    LineaEdicion(const QString& nombre, QWidget* padre);

    void setLimiteTecleo(int limite);
    int limiteTecleo() const { return limite_; }
    void setColor(const QColor& c);
    QColor color() const;
    std::function<void()> alPulsarTecla;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int espacioLibre() const;
    void pegarLimitado();
    void insertarLimitado(QString t);

    int limite_ = 0;
};

// A flat button with a glyph and, optionally, a bold caption. Its hint can
// be switched off without losing its text; `movimiento` is sent for every
// mouse move over the enabled button.
class BotonRapido : public QToolButton {
    Q_OBJECT

public:
    BotonRapido(const QString& nombre, const QIcon& glifo, const QString& titulo, const QString& sugerencia,
                QWidget* padre);

    void setSugerenciaActiva(bool activa);
    bool sugerenciaActiva() const;

signals:
    void movimiento();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

// A read-only memo without border on the face of the control it stands on:
// its text wrapped at word boundaries, lines spaced one pixel more than the
// font, as the windows were drawn with.
class Memo : public QWidget {
    Q_OBJECT

public:
    Memo(const QString& nombre, int pixeles, QWidget* padre);
    void setTexto(const QString& texto);
    void clear() { setTexto(QString()); }
    QString texto() const { return texto_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString texto_;
};

// A push button with a bold caption that Enter never presses by itself.
QPushButton* botonComando(const QString& nombre, const QString& titulo, QWidget* padre);

// The frame shared by every converter: fixed single border, system menu and
// minimize box only, caption "Cifral - " + title, the given client size,
// modal over the main window (which opens it with exec()).
//
// A window builds its controls in construir(). In the program that happens
// when the window is first shown, so that the hidden windows cost neither
// time nor memory at start-up; everywhere else (tests, tools) each window
// builds them as soon as it is made. Either way the window is made once and
// keeps its controls, and what they hold, until the program ends.
class VentanaConversor : public QDialog {
    Q_OBJECT

public:
    VentanaConversor(const QString& nombre, const QString& titulo, int ancho, int alto, QWidget* padre);

    static void setConstruccionDiferida(bool diferida);

    // Builds the controls if they are not built yet.
    void asegurarConstruida();
    bool construida() const { return construida_; }

    void setVisible(bool visible) override;

protected:
    virtual void construir() = 0;
    // The last step of every window's constructor.
    void terminarCreacion();

private:
    // F1 for help and Ctrl+D for the detail, on the buttons that have
    // those captions.
    void agregarAtajos();

    bool construida_ = false;
};

// The order in which Tab visits the controls of a window; a radio group
// stands for its items.
void ordenarTabulacion(std::initializer_list<QWidget*> controles);

// The two steps that every "Ver detalle" button shares.
void deshabilitarDetalle(BotonRapido* boton); // disabled, hint on
void alMoverSobreDetalle(BotonRapido* boton); // enabled: hint off

} // namespace cifral
