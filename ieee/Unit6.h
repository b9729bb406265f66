// The IEEE-754-single-to-decimal converter: the student picks the sign bit
// and types the 8 exponent bits and the 23 fraction bits, and sees the
// number as a power of two times its significand, its decimal value and its
// maximum absolute error. Zeros, subnormal numbers, infinities and NaN are
// recognised.
#pragma once

#include "ieee/sistnum6.h"
#include "shell/Controles.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cifral {

class PasoAPasoDeConversor;
class TForm6Rep;

class TForm6 : public VentanaConversor {
    Q_OBJECT

public:
    TForm6(TForm6Rep* informe, QWidget* padre);

    void ComboBox1Change();
    void Edit2Change();
    void Edit1Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton2MouseMove();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void FormActivate();

    // The values of the last conversion that the report reads.
    const EstadoIEEE6& estado() const { return estado_; }

    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label1;
    QComboBox* ComboBox1;
    LineaEdicion* Edit2;
    LineaEdicion* Edit1;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    BotonRapido* SpeedButton1;
    BotonRapido* SpeedButton2;
    BotonRapido* SpeedButton3;
    BotonRapido* SpeedButton4;
    QLabel* Label4;
    QLineEdit* Edit3;
    QLabel* Label11;
    QLineEdit* Edit4;
    QLabel* Label9;
    QLabel* Label10;
    QPushButton* BotonPasoAPaso = nullptr;

    // The "Paso a paso" window of this converter.
    PasoAPasoDeConversor* pasos() const { return pasos_; }

protected:
    bool event(QEvent* e) override;

private:
    // The steps the three change handlers share after counting.
    void revisarEntradas();
    // Copies what a conversion prepared onto the report page.
    void prepararInforme(const InformeEnConversion6& preparado);

    TForm6Rep* informe_;
    EstadoIEEE6 estado_;
    PasoAPasoDeConversor* pasos_ = nullptr;

protected:
    void construir() override;
};

} // namespace cifral
