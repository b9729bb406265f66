// The decimal-to-IEEE-754-single converter: the student types a number, plain
// ("Entero") or times a power of ten ("Decimal"), and sees its sign bit, its
// 8 exponent bits and its 23 fraction bits, cut, with the absolute and the
// relative error of the representation.
#pragma once

#include "ieee/paraIEEE5.h"
#include "ieee/sistnum5.h"
#include "shell/Controles.h"

#include <cstdint>

class QFrame;
class QLabel;
class QPushButton;

namespace cifral {

class PasoAPasoDeConversor;
class TForm5Rep;

class TForm5 : public VentanaConversor {
    Q_OBJECT

public:
    enum Modo { Entero = 0, Decimal = 1 };

    TForm5(TForm5Rep* informe, QWidget* padre);

    void FormCreate();
    void RadioGroup1Click();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton3MouseDown();
    void SpeedButton3MouseMove();
    void SpeedButton4Click();

    // What the edits hold, as the conversion reads them.
    EntradaDecimalIEEE entrada() const;
    // Writes the errors of a conversion, when it has them.
    void Errores(const ConversionDecimalIEEE& conversion);

    // What the last conversion keeps for the report.
    const RealDe48Bits& numeroARepresentar() const { return numeroARepresentar_; }
    const RealDe48Bits& numeroRepresentado() const { return numeroRepresentado_; }
    std::int32_t exponenteSesgado() const { return exponenteSesgado_; }

    // The grey of a locked entry.
    static QColor colorGris();

    RadioGroup* RadioGroup1;
    LineaEdicion* Edit1;
    LineaEdicion* Edit2;
    QLabel* StaticText1;
    LineaEdicion* Edit3;
    BotonRapido* SpeedButton1;
    BotonRapido* SpeedButton2;
    BotonRapido* SpeedButton3;
    BotonRapido* SpeedButton4;
    QLabel* StaticText2;
    QFrame* Panel1;
    QLabel* StaticText3;
    QLabel* StaticText5;
    QLabel* StaticText7;
    QLabel* StaticText4;
    QLabel* stexpo;
    QLabel* StaticText8;
    QLabel* StaticText9;
    QLabel* EA;
    QLabel* StaticText10;
    QLabel* ER;
    QPushButton* BotonPasoAPaso = nullptr;

    // The "Paso a paso" window of this converter.
    PasoAPasoDeConversor* pasos() const { return pasos_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void mostrarCero(const ConversionDecimalIEEE& conversion);

    TForm5Rep* informe_;
    PasoAPasoDeConversor* pasos_ = nullptr;
    RealDe48Bits numeroARepresentar_;
    RealDe48Bits numeroRepresentado_;
    std::int32_t exponenteSesgado_ = 0;

protected:
    void construir() override;
};

} // namespace cifral
