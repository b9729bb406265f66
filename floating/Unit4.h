// The decimal-to-floating-point converter: the student chooses the layout
// of mantissa and exponent, types a decimal number and sees its mantissa and
// exponent bits, the error of the representation with a bar of red marks,
// and the range and resolution of the layout.
#pragma once

#include "floating/sistnum4.h"
#include "shell/Controles.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cifral {

class TFormRep4;
class PasoAPasoDeConversor;

// The bar of the relative error: its text is made of letters "a", one per
// mark, and each is drawn as a filled red mark; it grows to the right with
// its text, 30 marks spanning 312 pixels.
class MarcasDeError : public QWidget {
    Q_OBJECT

public:
    MarcasDeError(const QString& nombre, QWidget* padre);

    QString text() const { return texto_; }
    void setText(const QString& texto);

    static constexpr int Alto = 19;
    static constexpr double Paso = 312.0 / MarcasMaximas;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString texto_;
};

class TForm4 : public VentanaConversor {
    Q_OBJECT

public:
    TForm4(TFormRep4* informe, QWidget* padre);

    void habg1();
    void habilitar2();
    void habilitar3();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup4Click();
    void Edit7Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void Button1Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton3MouseMove();
    void SpeedButton2Click();

    // The limits of the last range computation (all 0 before the first).
    const TFloatLimits& limites() const { return limites_; }

    QGroupBox* GroupBox3;
    QLabel* Label9;
    LineaEdicion* Edit7;
    QPushButton* Button1;
    BotonRapido* SpeedButton1;
    QLabel* Label7;
    QLineEdit* Edit5;
    QLabel* StaticText5;
    QLabel* StaticText6;
    QLabel* Label8;
    QLineEdit* Edit6;
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
    BotonRapido* SpeedButton3;
    BotonRapido* SpeedButton2;
    QFrame* Panel1;
    QLabel* Label14;
    QLabel* Label15;
    MarcasDeError* StaticText2;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* StaticText4;
    LineaEdicion* Edit13;
    QLabel* StaticText3;
    QLineEdit* Edit12;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLabel* Label6;
    QLineEdit* Edit2;
    QLabel* Label3;
    QLineEdit* Edit3;
    QLabel* Label5;
    QLineEdit* Edit4;
    QLabel* Label10;
    QLineEdit* Edit8;
    QLabel* Label11;
    QLineEdit* Edit9;
    QLabel* Label12;
    QLineEdit* Edit10;
    QLabel* Label13;
    QLineEdit* Edit11;
    QPushButton* BotonPasoAPaso;

    // The "Paso a paso" of this converter.
    PasoAPasoDeConversor* pasos() const { return pasos_; }

private:
    void desbloquearNumero();
    void reiniciarDetalle();
    bool calcular_Menos_Cero(const std::string& numero, int n, int e, int sistemaMantisa, int sistemaExponente);
    bool selBImp();
    void convertir(TMantissaKind tipo, const TFormato4& formato);
    void escribirError(const TError4& error);
    void calcularRango(TMantissaKind tipo, const TFormato4& formato);

    TFormRep4* informe_;
    TFloatLimits limites_;
    PasoAPasoDeConversor* pasos_ = nullptr;

protected:
    void construir() override;
};

} // namespace cifral
