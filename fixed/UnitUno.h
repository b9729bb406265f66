// The binary-to-integer converter: a bit string of 2 to 32 bits in one of
// the five integer systems, its integer, and the range and limits of the
// chosen system and length.
#pragma once

#include "shell/Controles.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cifral {

class PasoAPasoDeConversor;
class TForm2a;

class TFormUno : public VentanaConversor {
    Q_OBJECT

public:
    TFormUno(TForm2a* informe, QWidget* padre);

    void FormCreate();
    void hab();
    void RadioGroup1Click();
    void test();
    void Edit1KeyPress();
    void Edit1Change();
    void Button1Click();
    void Button2Click();
    void SpeedButton1Click();
    void SpeedButton1MouseMove();
    void SpeedButton2Click();

    static bool sonCeros(const QString& s);
    static bool todosUnos(const QString& s, int n);
    static void QueSistema(const RadioGroup* grupo, QString& texto);

    QLabel* Label1;
    LineaEdicion* Edit1;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QLabel* Label3;
    RadioGroup* RadioGroup1;
    QPushButton* Button1;
    QLabel* Label5;
    QLineEdit* Edit2;
    BotonRapido* SpeedButton1;
    QPushButton* Button2;
    BotonRapido* SpeedButton2;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QLabel* Label10;
    QLineEdit* Edit7;
    QLabel* Label11;
    QLineEdit* Edit8;
    QLabel* Label12;
    QLineEdit* Edit9;
    QLabel* Label13;
    QLineEdit* Edit10;
    QLabel* Label14;
    QLabel* Label15;
    QLineEdit* Edit11;
    QLabel* Label16;
    QLineEdit* Edit12;
    QPushButton* BotonPasoAPaso;

    PasoAPasoDeConversor* pasos() const { return pasos_; }

private:
    // The chosen length: the item index plus 2, which is 1 with no item.
    int longitud() const;

    TForm2a* informe_;
    PasoAPasoDeConversor* pasos_ = nullptr;

protected:
    void construir() override;
};

} // namespace cifral
