// The addition and subtraction window: the student configures one
// floating-point layout step by step, types two numbers in it as bit strings
// and adds or subtracts them; the result is shown as a mantissa and an
// exponent of the same layout.
#pragma once

#include "arith/sistnum7.h"
#include "shell/Controles.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace cifral {

class PasoAPasoDeConversor;
class TForm7b;

class TForm7 : public VentanaConversor {
    Q_OBJECT

public:
    TForm7(TForm7b* informe, QWidget* padre);

    void FormCreate();
    void RadioGroup3Enter();
    void ComboBox1Change();
    void RadioGroup1Enter();
    void RadioGroup4Enter();
    void ComboBox2Change();
    void ComboBox2Click();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button1Click();
    void SpeedButton3Click();
    void SpeedButton3MouseMove();
    void SpeedButton4Click();

    void calcular_suma_entera();
    void calcular_resta_entera();
    void calcular_suma_fraccionaria();
    void calcular_resta_fraccionaria();
    void ActivarConf();

    // The report's texts of a mantissa kind, a system and a length item;
    // the empty text for an item that is not one of the list's.
    static QString queTipoMantisa(int item);
    static QString queSistNumerico(int item);
    static QString queLongitud(int item);

    // The layout as the controls give it now.
    TFormatoSuma formato() const;
    // The two numbers as typed.
    TOperandos operandos() const;
    // What the report prints of the last operation.
    const TOperationDetail& detalle() const { return detalle_; }

    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup3;
    QLabel* StaticText1;
    QComboBox* ComboBox1;
    RadioGroup* RadioGroup2;
    RadioGroup* RadioGroup4;
    QLabel* StaticText2;
    QComboBox* ComboBox2;
    QGroupBox* GroupBox1;
    QLabel* StaticText3;
    LineaEdicion* Edit1;
    QLabel* StaticText4;
    LineaEdicion* Edit2;
    QGroupBox* GroupBox2;
    QLabel* Label1;
    LineaEdicion* Edit3;
    QLabel* Label2;
    LineaEdicion* Edit4;
    QGroupBox* GroupBox3;
    QLabel* Label3;
    LineaEdicion* Edit5;
    QLabel* Label4;
    LineaEdicion* Edit6;
    BotonRapido* SpeedButton1;
    BotonRapido* SpeedButton2;
    QPushButton* Button1;
    BotonRapido* SpeedButton3;
    BotonRapido* SpeedButton4;
    QPushButton* BotonPasoAPaso;

    // The working of the operations, and the window that shows it.
    PasoAPasoDeConversor* pasos() const { return pasos_; }

private:
    // The controls that start locked and that ActivarConf opens at once.
    QList<QWidget*> bloqueables() const;
    void reiniciarDetalle();
    void revisarLongitudes();
    void operar(TOperacion op);
    void calcular(TOperacion op, TMantissaKind tipo);

    TForm7b* informe_;
    TOperationDetail detalle_;
    PasoAPasoDeConversor* pasos_ = nullptr;

protected:
    void construir() override;
};

} // namespace cifral
