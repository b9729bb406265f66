// Shared by the two start-up benchmark programs: on the first paint of a
// window, print "<wall clock in ns> <peak RSS KiB>" and quit; the bench
// script subtracts the time at which it started the process.
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

class FiltroPrimerPintado : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !hecho_) {
            hecho_ = true;
            QTimer::singleShot(0, [] {
                rusage uso{};
                getrusage(RUSAGE_SELF, &uso);
                std::printf("%lld %ld\n", nanosegundosReloj(), uso.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool hecho_ = false;
};

inline void medirPrimerPintado(QWidget* ventana)
{
    ventana->installEventFilter(new FiltroPrimerPintado(ventana));
}
