// Shared by the start-up benchmark programs: the wall clock once the first
// paint of a window is drawn, and the peak RSS, printed as "<ns> <KiB>" before the
// program quits; the bench script subtracts the time at which it started
// the process. A program that makes more windows after the first paint
// reads its memory once they exist (terminarMedicion).
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

inline long long nanosegundosReloj()
{
    timespec ahora{};
    clock_gettime(CLOCK_REALTIME, &ahora);
    return static_cast<long long>(ahora.tv_sec) * 1000000000LL + ahora.tv_nsec;
}

struct Medicion {
    long long pintado = 0; // wall clock at the first paint, 0 before it
    bool esperarVentanas = false;
    bool ventanasListas = false;
};

inline Medicion& medicion()
{
    static Medicion m;
    return m;
}

// Prints the figures and quits, once the first paint happened and, when the
// program waits for them, every window exists.
inline void terminarSiListo()
{
    Medicion& m = medicion();
    if (m.pintado == 0 || (m.esperarVentanas && !m.ventanasListas))
        return;
    QTimer::singleShot(0, [] {
        rusage uso{};
        getrusage(RUSAGE_SELF, &uso);
        std::printf("%lld %ld\n", medicion().pintado, uso.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

class FiltroPrimerPintado : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // The window is visible once its first paint has been drawn and
        // flushed: the time is taken when the event loop comes back.
        if (e->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            QTimer::singleShot(0, [] {
                medicion().pintado = nanosegundosReloj();
                terminarSiListo();
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool visto_ = false;
};

inline void medirPrimerPintado(QWidget* ventana, bool esperarVentanas = false)
{
    medicion().esperarVentanas = esperarVentanas;
    ventana->installEventFilter(new FiltroPrimerPintado(ventana));
}

inline void terminarMedicion()
{
    medicion().ventanasListas = true;
    terminarSiListo();
}
