// The floating-point-to-decimal converter: the student chooses the layout
// of mantissa and exponent, types both as bit strings and sees the value of
// the mantissa, the exponent raised over a 2, and the range and resolution
// of the layout.
#pragma once

#include "floating/sistnum3.h"
#include "shell/Controles.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cifral {

class TForm2;
class PasoAPasoDeConversor;

class TForm3 : public VentanaConversor {
    Q_OBJECT

public:
    TForm3(TForm2* informe, QWidget* padre);

    void FormCreate();
    void habg1();
    void habilitar2();
    void habilitar3();
    void habil();
    void RadioGroup2Click();
    void RadioGroup4Click();
    void habi();
    void inc();
    void Edit5KeyPress();
    void Edit6KeyPress();
    void Button1Click();
    void Button2Click();
    void SpeedButton1Click();
    void SpeedButton1MouseMove();
    void SpeedButton2Click();

    // The layout as the controls give it now.
    TFloatFormat formato() const;
    // The limits of the last evaluation (all 0 before the first).
    const TFloatLimits& limites() const { return limites_; }

    QGroupBox* GroupBox3;
    QLabel* Label7;
    LineaEdicion* Edit5;
    QLabel* Label20;
    QLabel* Label22;
    QLabel* Label8;
    LineaEdicion* Edit6;
    QLabel* Label21;
    QLabel* Label23;
    QLabel* Label9;
    QLabel* Label14;
    QLineEdit* Edit12;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label16;
    QLineEdit* Edit13;
    QLabel* Label15;
    QLabel* Label19;
    QPushButton* Button1;
    QPushButton* Button2;
    BotonRapido* SpeedButton1;
    QGroupBox* GroupBox1;
    RadioGroup* RadioGroup1;
    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* StaticText1;
    QComboBox* ComboBox3;
    RadioGroup* RadioGroup2;
    QGroupBox* GroupBox2;
    QLabel* Label2;
    QComboBox* ComboBox2;
    RadioGroup* RadioGroup4;
    QGroupBox* GroupBox4;
    QLabel* Label6;
    QLineEdit* Edit2;
    QLabel* Label5;
    QLineEdit* Edit4;
    QLabel* Label3;
    QLineEdit* Edit3;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLabel* Label13;
    QLineEdit* Edit11;
    QLabel* Label12;
    QLineEdit* Edit10;
    QLabel* Label11;
    QLineEdit* Edit9;
    QLabel* Label10;
    QLineEdit* Edit8;
    BotonRapido* SpeedButton2;
    QPushButton* BotonPasoAPaso;

    // The "Paso a paso" of this converter.
    PasoAPasoDeConversor* pasos() const { return pasos_; }

private:
    void desbloquearEntradas();
    void reiniciarDetalle();

    TForm2* informe_;
    TFloatLimits limites_;
    // The last mantissa values, kept apart for each kind.
    double valorEntera_ = 0.0;
    double valorFraccionaria_ = 0.0;
    PasoAPasoDeConversor* pasos_ = nullptr;

protected:
    void construir() override;
};

} // namespace cifral
