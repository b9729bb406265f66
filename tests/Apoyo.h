// Support shared by the window tests: recorders in place of the message
// box, the help viewer and the report preview, and the user's gestures.
#pragma once

#include "shell/Arranque.h"
#include "shell/Controles.h"
#include "shell/Informe.h"
#include "shell/Servicios.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace prueba {

struct GrabadorMensajes : cifral::ServicioMensajes {
    QStringList textos;
    void mostrar(QWidget*, const QString& texto) override { textos << texto; }
};

struct GrabadorVistaPrevia : cifral::ServicioVistaPrevia {
    QList<cifral::Informe> informes;
    void mostrar(const cifral::Informe& informe, QWidget*) override { informes.append(informe); }
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

} // namespace prueba
