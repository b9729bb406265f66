// Formats laboratory benchmark: how long a bit click and a keystroke in the
// decimal take, in binary32 and binary64, from the event until every field
// is written (handler), and until the window has also repainted what
// changed (with paint). Prints the medians and maxima in milliseconds.
// Argument: the number of repetitions (default 200).
#include "ieee/UnitLaboratorio.h"
#include "shell/Arranque.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace cifral;

namespace {

struct Medida {
    std::vector<double> manejador, conPintado; // ms
};

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs `accion` (which sends one event) many times, timing it alone and up
// to the end of the repaint it causes.
Medida medir(int veces, const std::function<void(int)>& preparar, const std::function<void(int)>& accion)
{
    Medida m;
    for (int i = 0; i < veces; ++i) {
        preparar(i);
        QApplication::processEvents();
        QElapsedTimer reloj;
        reloj.start();
        accion(i);
        m.manejador.push_back(reloj.nsecsElapsed() / 1e6);
        QApplication::processEvents();
        m.conPintado.push_back(reloj.nsecsElapsed() / 1e6);
    }
    return m;
}

void imprimir(const char* que, const Medida& m)
{
    std::printf("%-24s %8.3f / %8.3f   %8.3f / %8.3f\n", que, mediana(m.manejador),
                *std::max_element(m.manejador.begin(), m.manejador.end()), mediana(m.conPintado),
                *std::max_element(m.conPintado.begin(), m.conPintado.end()));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    prepararAplicacion();
    const int veces = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    TFormLaboratorio w;
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        return 3;
    std::printf("%-24s %19s   %19s\n", "laboratorio", "manejador", "con pintado");
    for (int formato : {2, 3}) {
        w.Formato->setCurrentIndex(formato);
        const char* nombre = formato == 2 ? "binary32" : "binary64";
        // A click on a fraction bit, the press first (the button is drawn
        // pressed), the time from the release.
        QToolButton* bit = w.Bits->boton(w.formato().bitsFraccion - 3);
        const QPointF centro = QRectF(bit->rect()).center();
        const Medida clic = medir(
            veces,
            [&](int) {
                QMouseEvent pulsar(QEvent::MouseButtonPress, centro, bit->mapToGlobal(centro), Qt::LeftButton,
                                   Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(bit, &pulsar);
            },
            [&](int) {
                QMouseEvent soltar(QEvent::MouseButtonRelease, centro, bit->mapToGlobal(centro), Qt::LeftButton,
                                   Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(bit, &soltar);
            });
        // Keystrokes in the decimal: a digit added to 0,1 and taken away,
        // in turn.
        w.Decimal->setFocus();
        w.Decimal->setText(QStringLiteral("0,1"));
        w.Decimal->setCursorPosition(3);
        const Medida tecla = medir(
            veces, [](int) {},
            [&](int i) {
                QKeyEvent k(QEvent::KeyPress, i % 2 ? Qt::Key_Backspace : Qt::Key_7, Qt::NoModifier,
                            i % 2 ? QString() : QStringLiteral("7"));
                QApplication::sendEvent(w.Decimal, &k);
            });
        imprimir((std::string("clic de un bit, ") + nombre).c_str(), clic);
        imprimir((std::string("tecla en Decimal, ") + nombre).c_str(), tecla);
    }
    return 0;
}
