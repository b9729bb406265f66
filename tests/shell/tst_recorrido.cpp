// A walk through every window as a keyboard and screen-reader user meets it:
// the main window with each of its tabs, the seven converters, the working
// of each converter and the formats laboratory. It reports every text
// clipped by its control or its parent, every text that runs into another
// control, every interactive control without an accessible name and every
// button that neither Tab nor a shortcut reaches, with the window and the
// control. The suite runs it at the interface's normal size and, as a
// second test, at 150 %.
#include "Apoyo.h"

#include "arith/Unit7.h"
#include "fixed/UnitDos.h"
#include "fixed/UnitUno.h"
#include "floating/Unit3.h"
#include "floating/Unit4.h"
#include "ieee/Unit5.h"
#include "ieee/Unit6.h"
#include "shell/Controles.h"
#include "shell/Unit1.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

using namespace cifral;
using namespace prueba;

namespace {

// A text drawn by a control, in the window's coordinates, and the room the
// control gives it.
struct TextoDibujado {
    QWidget* control;
    QRect texto;
    QRect espacio;
};

QRect enVentana(const QWidget* w, const QRect& r)
{
    return QRect(w->mapTo(w->window(), r.topLeft()), r.size());
}

bool visibleEn(const QWidget* w, const QWidget* ventana)
{
    return w->window() == ventana && w->isVisibleTo(ventana);
}

bool esAncestro(const QWidget* a, const QWidget* b)
{
    for (const QWidget* p = b->parentWidget(); p != nullptr; p = p->parentWidget())
        if (p == a)
            return true;
    return false;
}

QString nombre(const QWidget* w)
{
    const QString n = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return n;
}

// The rectangle a label's text takes, from its alignment.
std::optional<TextoDibujado> textoDeRotulo(QLabel* l)
{
    if (l->text().isEmpty() || l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()))
        return std::nullopt;
    const QRect cr = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const int banderas = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    // With a buddy, a single '&' marks the shortcut's letter and is not drawn.
    QString t = l->text();
    if (l->buddy() != nullptr)
        t.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QChar(1), QLatin1Char('&'));
    const QRect br = l->fontMetrics().boundingRect(cr, banderas, t);
    return TextoDibujado{l, enVentana(l, br), enVentana(l, cr)};
}

// A button's caption (and glyph) beside the room its style gives them.
std::optional<TextoDibujado> textoDeBoton(QAbstractButton* b)
{
    if (b->text().isEmpty())
        return std::nullopt;
    const QFontMetrics fm = b->fontMetrics();
    const QString t = QString(b->text())
                          .replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                          .remove(QLatin1Char('&'))
                          .replace(QChar(1), QLatin1Char('&'));
    int ancho = fm.horizontalAdvance(t);
    QRect espacio;
    if (auto* r = qobject_cast<QRadioButton*>(b)) {
        QStyleOptionButton o;
        o.initFrom(r);
        espacio = r->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, r);
    } else if (auto* p = qobject_cast<QPushButton*>(b)) {
        QStyleOptionButton o;
        o.initFrom(p);
        espacio = p->style()->subElementRect(QStyle::SE_PushButtonContents, &o, p);
        if (!p->icon().isNull())
            ancho += p->iconSize().width() + 4;
    } else if (auto* tb = qobject_cast<QToolButton*>(b)) {
        espacio = tb->rect().adjusted(2, 2, -2, -2);
        if (tb->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !tb->icon().isNull())
            ancho += tb->iconSize().width() + 4;
    } else {
        espacio = b->rect();
    }
    QRect texto(espacio.left() + (espacio.width() - ancho) / 2, espacio.top() + (espacio.height() - fm.height()) / 2,
                ancho, fm.height());
    if (qobject_cast<QRadioButton*>(b) != nullptr || qobject_cast<QCheckBox*>(b) != nullptr)
        texto.moveLeft(espacio.left());
    return TextoDibujado{b, enVentana(b, texto), enVentana(b, espacio)};
}

QRect tituloDeGrupo(QGroupBox* g)
{
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.lineWidth = 1;
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    o.textAlignment = g->alignment();
    const QRect r = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
    return enVentana(g, r);
}

QRect marcoDeGrupo(QGroupBox* g)
{
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.lineWidth = 1;
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect r = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxFrame, g);
    return enVentana(g, r);
}

bool esInteractivo(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w) != nullptr || qobject_cast<QLineEdit*>(w) != nullptr ||
           qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QAbstractSpinBox*>(w) != nullptr ||
           qobject_cast<QTextEdit*>(w) != nullptr ||
           (qobject_cast<Memo*>(w) != nullptr && !qobject_cast<Memo*>(w)->texto().isEmpty()) ||
           w->inherits("cifral::MarcasDeError");
}

// Does the text cross another control? Frames of groups count by their
// lines, not by what they enclose.
bool cruza(const QRect& texto, QWidget* otro, const QWidget* ventana, const QHash<QWidget*, QRect>& textos)
{
    if (auto* g = qobject_cast<QGroupBox*>(otro)) {
        const QRect marco = marcoDeGrupo(g);
        const QRect interior = marco.adjusted(2, 2, -2, -2);
        const bool enLinea = texto.intersects(marco) && !interior.contains(texto);
        const QRect titulo = g->title().isEmpty() ? QRect() : tituloDeGrupo(g);
        return enLinea || (!titulo.isNull() && texto.intersects(titulo));
    }
    if (textos.contains(otro))
        return texto.intersects(textos.value(otro));
    if (!esInteractivo(otro))
        return false;
    Q_UNUSED(ventana);
    return texto.intersects(enVentana(otro, otro->rect()));
}

// Buttons reached by Tab: walk the focus chain of the window as Tab does.
QSet<QWidget*> alcanzadosConTab(QWidget* ventana)
{
    QSet<QWidget*> r;
    QWidget* w = ventana;
    for (int i = 0; i < 2000; ++i) {
        w = w->nextInFocusChain();
        if (w == ventana)
            break;
        if ((w->focusPolicy() & Qt::TabFocus) && visibleEn(w, ventana))
            r.insert(w);
    }
    return r;
}

QStringList hallazgos(QWidget* ventana, const QString& donde)
{
    QStringList r;
    auto hallazgo = [&r, &donde](const QWidget* w, const QString& que) { r << donde + " / " + nombre(w) + ": " + que; };

    QList<TextoDibujado> dibujados;
    QList<QWidget*> controles;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!visibleEn(w, ventana))
            continue;
        controles << w;
        std::optional<TextoDibujado> d;
        if (auto* l = qobject_cast<QLabel*>(w))
            d = textoDeRotulo(l);
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            d = textoDeBoton(b);
        if (d)
            dibujados << *d;
        if (auto* g = qobject_cast<QGroupBox*>(w); g != nullptr && !g->title().isEmpty()) {
            const QRect t = tituloDeGrupo(g);
            const int ancho = g->fontMetrics().horizontalAdvance(g->title());
            if (ancho > t.width() + 1 || t.right() > enVentana(g, g->rect()).right())
                hallazgo(g, "título recortado");
        }
    }
    QHash<QWidget*, QRect> textos;
    for (const TextoDibujado& d : dibujados)
        textos.insert(d.control, d.texto);

    for (const TextoDibujado& d : dibujados) {
        // Clipped by its own control, then by any of its parents.
        if (d.texto.width() > d.espacio.width() + 1 || d.texto.height() > d.espacio.height() + 2)
            hallazgo(d.control, "texto recortado por su control");
        for (QWidget* p = d.control->parentWidget(); p != nullptr && p != ventana; p = p->parentWidget())
            if (!enVentana(p, p->rect()).contains(d.texto.intersected(enVentana(d.control, d.control->rect())))) {
                hallazgo(d.control, "texto recortado por " + nombre(p));
                break;
            }
        for (QWidget* otro : controles) {
            if (otro == d.control || esAncestro(otro, d.control) || esAncestro(d.control, otro))
                continue;
            // Only the visible part of a text counts: what its control shows.
            const QRect visible = d.texto.intersected(enVentana(d.control, d.control->rect()));
            if (cruza(visible, otro, ventana, textos))
                hallazgo(d.control, "su texto cruza " + nombre(otro));
        }
    }

    const QSet<QWidget*> conTab = alcanzadosConTab(ventana);
    for (QWidget* w : controles) {
        if (esInteractivo(w)) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (a == nullptr || a->text(QAccessible::Name).trimmed().isEmpty())
                hallazgo(w, "sin nombre accesible");
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            const bool atajo = !b->shortcut().isEmpty();
            bool tab = (b->focusPolicy() & Qt::TabFocus) && (conTab.contains(b) || !b->isEnabled());
            // Tab enters a group of radio buttons at one of them, the arrow
            // keys reach the others.
            if (qobject_cast<QRadioButton*>(b) != nullptr)
                for (QWidget* hermano : b->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
                    tab = tab || conTab.contains(hermano);
            if (!atajo && !tab)
                hallazgo(w, "ningún teclado lo alcanza");
        }
    }
    return r;
}

} // namespace

class TestRecorrido : public QObject {
    Q_OBJECT

    static QStringList recorrerConPasos(QWidget* conversor, const QString& nombreVentana)
    {
        QStringList r = hallazgos(conversor, nombreVentana);
        if (auto* boton = conversor->findChild<QPushButton*>(QStringLiteral("BotonPasoAPaso"))) {
            boton->click();
            if (auto* pasos = conversor->findChild<QWidget*>(QStringLiteral("FormPasoAPaso"))) {
                if (!QTest::qWaitForWindowExposed(pasos))
                    r << nombreVentana + " / Paso a paso: no se muestra";
                r << hallazgos(pasos, nombreVentana + " / Paso a paso");
                pasos->close();
            }
        }
        return r;
    }

private slots:
    void everyWindowIsWholeNamedAndReachable()
    {
        Programa p;
        QStringList r;
        TForm1* principal = p.formularios.Form1;
        mostrarYActivar(principal);
        for (int i = 0; i < principal->TabControl1->count(); ++i) {
            principal->TabControl1->setCurrentIndex(i);
            r << hallazgos(principal, "Principal, pestaña " + principal->TabControl1->tabText(i));
        }
        const QList<QDialog*> conversores{p.formularios.FormUno, p.formularios.FormDos, p.formularios.Form3,
                                          p.formularios.Form4,   p.formularios.Form5,   p.formularios.Form6,
                                          p.formularios.Form7};
        for (QDialog* c : conversores) {
            mostrarYActivar(c);
            r << recorrerConPasos(c, c->objectName());
            c->hide();
        }
        // The windows the main window opens beside the converters.
        const std::pair<int, const char*> otras[] = {{2, "Laboratorio"}, {0, "Practica"}};
        for (const auto& [pestana, nombreVentana] : otras) {
            principal->TabControl1->setCurrentIndex(pestana);
            auto* boton = principal->findChild<QPushButton*>(QStringLiteral("Boton") + nombreVentana);
            QVERIFY2(boton != nullptr && boton->isVisible(), nombreVentana);
            boton->click();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName().contains(QString::fromLatin1(nombreVentana))) {
                    QVERIFY(QTest::qWaitForWindowExposed(w));
                    r << hallazgos(w, w->objectName());
                    w->close();
                }
        }
        if (!r.isEmpty())
            qWarning().noquote() << "\n" + r.join('\n');
        QCOMPARE(r.size(), 0);
    }
};

QTEST_MAIN(TestRecorrido)
#include "tst_recorrido.moc"
