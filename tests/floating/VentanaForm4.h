// The decimal-to-floating-point window as its window tests drive it: made
// anew with its report and the recorders for every test function, configured
// in the order the window unlocks it, numbers typed and represented, and its
// fields read back.
#pragma once

#include "Apoyo.h"

#include "floating/Unit4.h"
#include "floating/UnitRep4.h"

#include <memory>

namespace prueba {

// A layout of the window. A kind, a system or the implicit bit (0 "SI",
// 1 "NO") of -1 and a length of 0 leave that choice out.
struct Formato {
    int tipo, n, sistemaMantisa, implicito, e, sistemaExponente;
};

struct VentanaForm4 {
    std::unique_ptr<Grabadores> g;
    std::unique_ptr<cifral::TFormRep4> informe;
    std::unique_ptr<cifral::TForm4> w;

    void abrir()
    {
        g = std::make_unique<Grabadores>();
        informe = std::make_unique<cifral::TFormRep4>();
        w = std::make_unique<cifral::TForm4>(informe.get(), nullptr);
        mostrarYActivar(w.get());
    }

    void cerrar()
    {
        w.reset();
        informe.reset();
        g.reset();
    }

    // The configuration in the order the window unlocks it.
    void configurar(const Formato& f)
    {
        if (f.tipo >= 0)
            clicEnRadio(w->RadioGroup1, f.tipo);
        if (f.sistemaMantisa >= 0)
            clicEnRadio(w->RadioGroup2, f.sistemaMantisa);
        if (f.sistemaExponente >= 0)
            clicEnRadio(w->RadioGroup4, f.sistemaExponente);
        if (f.n > 0)
            QVERIFY(elegir(w->ComboBox1, f.n == 16 ? 1 : 0));
        if (f.e > 0)
            QVERIFY(elegir(w->ComboBox2, f.e == 16 ? 1 : 0));
        if (f.implicito >= 0)
            QVERIFY(elegir(w->ComboBox3, f.implicito));
    }

    // The number typed in place of what the entry holds, and represented.
    void representar(const QString& numero)
    {
        w->Edit7->selectAll();
        QTest::keyClick(w->Edit7, Qt::Key_Delete);
        teclear(w->Edit7, numero);
        QTest::mouseClick(w->Button1, Qt::LeftButton);
    }

    void representarUnoTrasOtro(const QStringList& numeros)
    {
        for (const QString& numero : numeros)
            representar(numero);
    }

    // Every text the conversion shows besides the range: the two bit
    // strings, the absolute and relative errors and the bar.
    QStringList resultado() const
    {
        return {w->Edit5->text(), w->Edit6->text(), w->Edit12->text(), w->Edit13->text(), w->StaticText2->text()};
    }

    // The eight range fields: máximo positivo, mínimo negativo, máximo
    // negativo, mínimo positivo, resolución máxima negativa, máxima
    // positiva, mínima positiva, mínima negativa.
    QStringList rango() const
    {
        return {w->Edit1->text(), w->Edit2->text(), w->Edit3->text(),  w->Edit4->text(),
                w->Edit8->text(), w->Edit9->text(), w->Edit10->text(), w->Edit11->text()};
    }
};

} // namespace prueba

Q_DECLARE_METATYPE(prueba::Formato)
