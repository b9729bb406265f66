// Handler benchmark: how long a student waits after a click. For one
// converter (argument: its index in the table below) it drives the window as
// a user does with a typical input and prints, one per line, in
// microseconds:
//   manejador <n> <us>   the conversion handler, from the click until it has
//                        written its last field (many times; the first of
//                        a run is the coldest)
//   detalle1 <n> <us>    the first "Ver detalle" of the run, from the click
//                        until the preview with its page has been painted
//   detalle2 <n> <us>    later "Ver detalle" clicks, the same
//   ayuda1 <n> <us>      the first "Ayuda" of the run, from the click until
//                        the help page has been painted
// scripts/bench runs it many times and prints medians and maxima.
#include "arith/Unit7.h"
#include "fixed/UnitDos.h"
#include "fixed/UnitUno.h"
#include "floating/Unit3.h"
#include "floating/Unit4.h"
#include "ieee/Unit5.h"
#include "ieee/Unit6.h"
#include "shell/Arranque.h"
#include "shell/Servicios.h"
#include "shell/Unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace cifral;

namespace {

// What the user does before converting: pick radio items and list items,
// type into entries.
struct Paso {
    enum Tipo { Radio, Lista, Teclear } tipo;
    const char* control;
    int item;
    const char* texto;
};

struct Conversor {
    const char* nombre;
    std::function<QDialog*(Formularios&)> ventana;
    std::vector<Paso> pasos;
    const char* convertir; // the button of the conversion
    const char* detalle;
    const char* ayuda;
};

const std::vector<Conversor>& conversores()
{
    static const std::vector<Conversor> tabla{
        {"binario-entero",
         [](Formularios& f) { return static_cast<QDialog*>(f.FormUno); },
         {{Paso::Radio, "RadioGroup1", 3, nullptr},
          {Paso::Lista, "ComboBox1", 14, nullptr},
          {Paso::Teclear, "Edit1", 0, "1011001110001111"}},
         "Button1",
         "SpeedButton1",
         "SpeedButton2"},
        {"entero-binario",
         [](Formularios& f) { return static_cast<QDialog*>(f.FormDos); },
         {{Paso::Lista, "ComboBox1", 1, nullptr},
          {Paso::Radio, "RadioGroup1", 3, nullptr},
          {Paso::Teclear, "Edit1", 0, "-12345"}},
         "Button1",
         "SpeedButton1",
         "SpeedButton2"},
        {"binario-decimal",
         [](Formularios& f) { return static_cast<QDialog*>(f.Form3); },
         {{Paso::Radio, "RadioGroup1", 1, nullptr},
          {Paso::Radio, "RadioGroup2", 3, nullptr},
          {Paso::Radio, "RadioGroup4", 4, nullptr},
          {Paso::Lista, "ComboBox1", 6, nullptr},
          {Paso::Lista, "ComboBox2", 2, nullptr},
          {Paso::Lista, "ComboBox3", 1, nullptr},
          {Paso::Teclear, "Edit5", 0, "11010010"},
          {Paso::Teclear, "Edit6", 0, "0110"}},
         "Button1",
         "SpeedButton1",
         "SpeedButton2"},
        {"decimal-flotante",
         [](Formularios& f) { return static_cast<QDialog*>(f.Form4); },
         {{Paso::Radio, "RadioGroup1", 1, nullptr},
          {Paso::Radio, "RadioGroup2", 3, nullptr},
          {Paso::Radio, "RadioGroup4", 4, nullptr},
          {Paso::Lista, "ComboBox1", 0, nullptr},
          {Paso::Lista, "ComboBox2", 0, nullptr},
          {Paso::Lista, "ComboBox3", 1, nullptr},
          {Paso::Teclear, "Edit7", 0, "-0,1"}},
         "Button1",
         "SpeedButton3",
         "SpeedButton2"},
        {"decimal-ieee",
         [](Formularios& f) { return static_cast<QDialog*>(f.Form5); },
         {{Paso::Radio, "RadioGroup1", 0, nullptr}, {Paso::Teclear, "Edit1", 0, "0,1"}},
         "SpeedButton1",
         "SpeedButton3",
         "SpeedButton2"},
        {"ieee-decimal",
         [](Formularios& f) { return static_cast<QDialog*>(f.Form6); },
         {{Paso::Lista, "ComboBox1", 1, nullptr},
          {Paso::Teclear, "Edit2", 0, "10000010"},
          {Paso::Teclear, "Edit1", 0, "01101000000000000000000"}},
         "SpeedButton1",
         "SpeedButton2",
         "SpeedButton3"},
        {"suma-resta",
         [](Formularios& f) { return static_cast<QDialog*>(f.Form7); },
         {{Paso::Radio, "RadioGroup3", 3, nullptr},
          {Paso::Lista, "ComboBox1", 0, nullptr},
          {Paso::Radio, "RadioGroup1", 1, nullptr},
          {Paso::Radio, "RadioGroup4", 0, nullptr},
          {Paso::Lista, "ComboBox2", 0, nullptr},
          {Paso::Teclear, "Edit1", 0, "11000000"},
          {Paso::Teclear, "Edit2", 0, "00000001"},
          {Paso::Teclear, "Edit3", 0, "00000011"},
          {Paso::Teclear, "Edit4", 0, "00000000"}},
         "SpeedButton1",
         "SpeedButton3",
         "SpeedButton4"},
    };
    return tabla;
}

struct MensajesContados : ServicioMensajes {
    int cantidad = 0;
    void mostrar(QWidget*, const QString& texto) override
    {
        ++cantidad;
        std::fprintf(stderr, "mensaje inesperado: %s\n", qPrintable(texto));
    }
};

template <class T> T* hijo(QWidget* w, const char* nombre)
{
    T* c = w->findChild<T*>(QString::fromLatin1(nombre));
    if (c == nullptr) {
        std::fprintf(stderr, "no hay control %s\n", nombre);
        std::exit(2);
    }
    return c;
}

void hacer(QDialog* w, const Paso& p)
{
    switch (p.tipo) {
    case Paso::Radio: {
        auto* b = hijo<QAbstractButton>(w, (QByteArray(p.control) + '_' + QByteArray::number(p.item)).constData());
        QTest::mouseClick(b, Qt::LeftButton);
        break;
    }
    case Paso::Lista: {
        auto* c = hijo<QComboBox>(w, p.control);
        c->setFocus(Qt::MouseFocusReason);
        c->setCurrentIndex(p.item);
        emit c->activated(p.item);
        break;
    }
    case Paso::Teclear: {
        auto* e = hijo<QLineEdit>(w, p.control);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QString::fromLatin1(p.texto));
        break;
    }
    }
}

// The time from a click until a window of the given kind has painted itself
// for the first time (it is then closed); -1 if none appeared.
long long hastaVerVentana(QAbstractButton* boton, const std::function<bool(QWidget*)>& esLaVentana)
{
    struct Filtro : QObject {
        std::function<bool(QWidget*)> es;
        QElapsedTimer reloj;
        long long visto = -1;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && visto < 0 && o->isWidgetType()) {
                QWidget* ventana = static_cast<QWidget*>(o)->window();
                if (es(ventana)) {
                    visto = 0;
                    // Painted and flushed once the event loop comes back.
                    QTimer::singleShot(0, ventana, [this, ventana] {
                        visto = reloj.nsecsElapsed() / 1000;
                        ventana->close();
                    });
                }
            }
            return false;
        }
    } filtro;
    filtro.es = esLaVentana;
    qApp->installEventFilter(&filtro);
    filtro.reloj.start();
    QTest::mouseClick(boton, Qt::LeftButton);
    // The help viewer is not modal: wait for it here.
    for (int i = 0; i < 500 && filtro.visto <= 0; ++i)
        QTest::qWait(2);
    qApp->removeEventFilter(&filtro);
    return filtro.visto;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    prepararAplicacion();
    const int cual = argc > 1 ? std::atoi(argv[1]) : 0;
    const int repeticiones = argc > 2 ? std::atoi(argv[2]) : 200;
    if (cual < 0 || cual >= static_cast<int>(conversores().size())) {
        std::printf("%zu\n", conversores().size()); // how many converters there are
        return 0;
    }
    const Conversor& c = conversores()[static_cast<std::size_t>(cual)];
    MensajesContados mensajes;
    instalarMensajes(&mensajes);
    Formularios f;
    f.crear();
    f.Form1->show();
    QDialog* w = c.ventana(f);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        return 3;
    for (const Paso& p : c.pasos)
        hacer(w, p);

    auto* convertir = hijo<QAbstractButton>(w, c.convertir);
    for (int i = 0; i < repeticiones; ++i) {
        // The mouse button goes down (the button is drawn pressed), and the
        // click happens when it comes up: from then until the handler has
        // written its last field. Repaints are the event loop's, afterwards.
        const QPointF centro = QRectF(convertir->rect()).center();
        const QPointF global = convertir->mapToGlobal(centro);
        QMouseEvent pulsar(QEvent::MouseButtonPress, centro, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent soltar(QEvent::MouseButtonRelease, centro, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(convertir, &pulsar);
        QApplication::processEvents();
        QElapsedTimer reloj;
        reloj.start();
        QApplication::sendEvent(convertir, &soltar);
        std::printf("manejador %s %lld\n", c.nombre, reloj.nsecsElapsed() / 1000);
        QApplication::processEvents();
    }

    auto* detalle = hijo<QAbstractButton>(w, c.detalle);
    auto esVista = [](QWidget* v) { return qobject_cast<QPrintPreviewDialog*>(v) != nullptr; };
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(convertir, Qt::LeftButton);
        std::printf("%s %s %lld\n", i == 0 ? "detalle1" : "detalle2", c.nombre, hastaVerVentana(detalle, esVista));
    }

    auto* ayuda = hijo<QAbstractButton>(w, c.ayuda);
    auto esAyuda = [w](QWidget* v) { return v != w && v->objectName() == QStringLiteral("VisorAyuda"); };
    std::printf("ayuda1 %s %lld\n", c.nombre, hastaVerVentana(ayuda, esAyuda));
    std::fflush(stdout);
    instalarMensajes(nullptr);
    return mensajes.cantidad == 0 ? 0 : 4;
}
