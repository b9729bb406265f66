// The addition and subtraction window as both window tests drive it: the
// recorders, the report and the window made for each test function, the
// layout picked in the order the window opens it, and both numbers typed.
#pragma once

#include "Apoyo.h"

#include "arith/Unit7.h"
#include "arith/Unit7b.h"

#include <memory>

namespace prueba {

// A layout as the student picks it; the lengths are list items (item 0 is
// 8 bits, item 1 is 16).
struct Formato {
    int sistemaMantisa, longitudMantisa, tipo, sistemaExponente, longitudExponente;
};

class VentanaSuma {
protected:
    std::unique_ptr<Grabadores> g;
    std::unique_ptr<cifral::TForm7b> informe;
    std::unique_ptr<cifral::TForm7> w;

    void abrir()
    {
        g = std::make_unique<Grabadores>();
        informe = std::make_unique<cifral::TForm7b>();
        w = std::make_unique<cifral::TForm7>(informe.get(), nullptr);
        mostrarYActivar(w.get());
    }

    // The window goes before the report and the recorders.
    void cerrar()
    {
        w.reset();
        informe.reset();
        g.reset();
    }

    QList<cifral::LineaEdicion*> operandos() const { return {w->Edit1, w->Edit2, w->Edit3, w->Edit4}; }

    void configurar(const Formato& f)
    {
        clicEnRadio(w->RadioGroup3, f.sistemaMantisa);
        QVERIFY(elegir(w->ComboBox1, f.longitudMantisa));
        clicEnRadio(w->RadioGroup1, f.tipo);
        clicEnRadio(w->RadioGroup4, f.sistemaExponente);
        QVERIFY(elegir(w->ComboBox2, f.longitudExponente));
    }

    // m1, e1, m2 and e2, each typed over what its edit held; the edit then
    // shows it.
    void escribir(const QStringList& textos)
    {
        for (int i = 0; i < 4; ++i) {
            cifral::LineaEdicion* e = operandos()[i];
            e->setFocus();
            e->selectAll();
            teclear(e, textos[i]);
            QCOMPARE(e->text(), textos[i]);
        }
    }
};

} // namespace prueba

Q_DECLARE_METATYPE(prueba::Formato)
