// Support shared by the window tests: recorders in place of the message
// box, the help viewer and the report preview, and the user's gestures.
#pragma once

#include "shell/Arranque.h"
#include "shell/Controles.h"
#include "shell/Informe.h"
#include "shell/Servicios.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

namespace prueba {

struct GrabadorMensajes : cifral::ServicioMensajes {
    QStringList textos;
    void mostrar(QWidget*, const QString& texto) override { textos << texto; }
};

struct GrabadorVistaPrevia : cifral::ServicioVistaPrevia {
    QList<cifral::Informe> informes;
    QStringList documentos; // the rich text of each document previewed
    void mostrar(const cifral::Informe& informe, QWidget*) override { informes.append(informe); }
    void mostrarDocumento(const QString& html, const QString&, QWidget*) override { documentos << html; }
};

struct GrabadorVisor : cifral::VisorDeAyuda {
    QStringList abiertos;
    void abrirContenido(const QString& archivo) override { abiertos << archivo; }
};

// The recorders, installed while the object lives.
struct Grabadores {
    GrabadorMensajes mensajes;
    GrabadorVistaPrevia vista;
    GrabadorVisor visor;

    Grabadores()
    {
        cifral::instalarMensajes(&mensajes);
        cifral::instalarVistaPrevia(&vista);
        cifral::ayuda().instalarVisor(&visor);
    }
    ~Grabadores()
    {
        cifral::instalarMensajes(nullptr);
        cifral::instalarVistaPrevia(nullptr);
        cifral::ayuda().instalarVisor(nullptr);
    }
};

// The program's windows with the recorders installed, as each window test
// starts them; the windows go before the recorders.
struct Programa {
    Grabadores grabadores;
    cifral::Formularios formularios;
    Programa() { formularios.crear(); }
};

template <class T> T* control(QWidget* ventana, const char* nombre)
{
    T* c = ventana->findChild<T*>(QString::fromLatin1(nombre));
    if (c == nullptr)
        qFatal("no control %s", nombre);
    return c;
}

// A click of the mouse on an item of a radio group: the press moves the
// focus into the group, the release clicks the item.
inline void clicEnRadio(cifral::RadioGroup* grupo, int item)
{
    QTest::mouseClick(grupo->boton(item), Qt::LeftButton);
}

// The user picks an item of a drop-down list.
inline bool elegir(QComboBox* lista, int item)
{
    if (!lista->isEnabled() || !lista->isVisible())
        return false;
    lista->setFocus(Qt::MouseFocusReason);
    lista->setCurrentIndex(item);
    emit lista->activated(item);
    return true;
}

inline void teclear(QWidget* w, const QString& texto)
{
    QTest::keyClicks(w, texto);
}

inline void mostrarYActivar(QWidget* w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// A button added to a converter: inside the window, over no other control
// of it, its caption whole, named for screen readers, and reached by Tab
// from the control `desde`.
inline void comprobarBotonAgregado(QWidget* ventana, QAbstractButton* b, QWidget* desde)
{
    QVERIFY(b->isVisible());
    QVERIFY(ventana->rect().contains(b->geometry()));
    for (QWidget* otro : ventana->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (otro != b && otro->isVisible() && !otro->isWindow())
            QVERIFY2(!otro->geometry().intersects(b->geometry()), qPrintable(otro->objectName()));
    QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) < b->width() - 8);
    QVERIFY(!b->accessibleName().isEmpty());
    desde->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 60 && QApplication::focusWidget() != b; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b));
}

// A word of a PDF page as pdftotext -bbox reads it: its text and the
// top-left corner of its box in points.
struct PalabraPdf {
    QString texto;
    double x, y;
};

inline QList<PalabraPdf> palabrasPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    const QString salida = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression palabra(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<PalabraPdf> r;
    for (auto m = palabra.globalMatch(salida); m.hasNext();) {
        const auto c = m.next();
        r.append({c.captured(3), c.captured(1).toDouble(), c.captured(2).toDouble()});
    }
    return r;
}

inline const PalabraPdf* buscarPalabra(const QList<PalabraPdf>& ps, const QString& texto)
{
    for (const PalabraPdf& p : ps)
        if (p.texto == texto)
            return &p;
    return nullptr;
}

// Where a position on the band (in 96-dpi pixels) lands on the page, in points.
inline double puntosEnPagina(double pixelesEnBanda)
{
    return (cifral::Margen + pixelesEnBanda) * 0.75;
}

// Types a text as the keyboard does, also characters that QTest has no key
// for.
inline void teclearCaracteres(QWidget* w, const QString& texto)
{
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A student clicking and typing at random: items of radio groups, items of
// enabled lists, characters into enabled entries, and the window's buttons.
// When `textos` is given, some entries get one of those texts typed whole in
// place of what they hold; `despues` runs after every action. Recorders must
// be installed, so that nothing blocks. Returns the number of actions made.
inline int usoAlAzar(QWidget* ventana, int acciones, quint32 semilla, const QStringList& textos = {},
                     const std::function<void()>& despues = {})
{
    QRandomGenerator azar(semilla);
    const QList<cifral::RadioGroup*> grupos = ventana->findChildren<cifral::RadioGroup*>();
    const QList<QComboBox*> listas = ventana->findChildren<QComboBox*>();
    const QList<QLineEdit*> entradas = ventana->findChildren<QLineEdit*>();
    QList<QAbstractButton*> botones;
    for (QAbstractButton* b : ventana->findChildren<QAbstractButton*>())
        if (qobject_cast<QPushButton*>(b) || qobject_cast<cifral::BotonRapido*>(b))
            botones << b;
    const QString caracteres = QStringLiteral("0101010101-+, .a9");
    int hechas = 0;
    for (int i = 0; i < acciones; ++i) {
        switch (azar.bounded(5)) {
        case 0: {
            if (grupos.isEmpty())
                break;
            cifral::RadioGroup* g = grupos.at(azar.bounded(grupos.size()));
            if (g->cantidad() > 0) // a group drawn as a frame has no items
                QTest::mouseClick(g->boton(azar.bounded(g->cantidad())), Qt::LeftButton);
            break;
        }
        case 1: {
            if (listas.isEmpty())
                break;
            QComboBox* c = listas.at(azar.bounded(listas.size()));
            if (c->isEnabled() && c->isVisible())
                elegir(c, azar.bounded(c->count()));
            break;
        }
        case 2:
        case 3: {
            if (entradas.isEmpty())
                break;
            QLineEdit* e = entradas.at(azar.bounded(entradas.size()));
            if (!e->isEnabled() || !e->isVisible() || !e->window()->isActiveWindow())
                break;
            e->setFocus();
            if (!textos.isEmpty() && azar.bounded(3) == 0) {
                const QString t = textos.at(azar.bounded(textos.size()));
                e->selectAll();
                if (t.isEmpty())
                    QTest::keyClick(e, Qt::Key_Backspace);
                teclearCaracteres(e, t);
            } else if (azar.bounded(6) == 0)
                QTest::keyClick(e, Qt::Key_Backspace);
            else
                QTest::keyClick(e, caracteres.at(azar.bounded(caracteres.size())).toLatin1());
            break;
        }
        default: {
            if (botones.isEmpty())
                break;
            QAbstractButton* b = botones.at(azar.bounded(botones.size()));
            if (b->isEnabled() && b->isVisible())
                QTest::mouseClick(b, Qt::LeftButton);
            break;
        }
        }
        ++hechas;
        if (despues)
            despues();
    }
    return hechas;
}

inline int usoAlAzar(QWidget* ventana, int acciones, quint32 semilla, const std::function<void()>& despues)
{
    return usoAlAzar(ventana, acciones, semilla, {}, despues);
}

// What a result field of a converter may show: nothing, a decimal number
// written by the program (also in exponent form, "-0" included), a bit
// string, a power-of-two text "F * (2^X)", or "No existe".
inline bool resultadoBienFormado(const QString& t)
{
    static const QRegularExpression forma(
        QStringLiteral("^(|No existe|[01]+|-?[0-9]+(,[0-9]+)?(E[-+]?[0-9]+)?|-?[0-9]+(,[0-9]+)?(E-?[0-9]+)? \\* "
                       "\\(2\\^-?[0-9]+\\))$"));
    return forma.match(t).hasMatch();
}

// The first result field of a window (a read-only edit other than those
// named) that shows something else, as "name: text"; empty when all are
// well formed.
inline QString resultadoMalFormado(QWidget* ventana, const QStringList& entradas)
{
    for (QLineEdit* e : ventana->findChildren<QLineEdit*>())
        if (!entradas.contains(e->objectName()) && !resultadoBienFormado(e->text()))
            return e->objectName() + QStringLiteral(": ") + e->text();
    return {};
}

} // namespace prueba
