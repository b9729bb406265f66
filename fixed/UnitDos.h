// The integer-to-binary converter: a decimal integer of at most six
// characters, its bit string in one of the five integer systems with 8, 16
// or 32 bits, and the range and limits of the chosen system and length.
#pragma once

#include "shell/Controles.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cifral {

class PasoAPasoDeConversor;
class Treporte2;

class TFormDos : public VentanaConversor {
    Q_OBJECT

public:
    TFormDos(Treporte2* informe, QWidget* padre);

    void ComboBox1Click();
    void ComboBox1Change();
    void RadioGroup1Enter();
    void RadioGroup1Click();
    void Edit1Change();
    void Button1Click();
    void Button2Click();
    void SpeedButton1Click();
    void SpeedButton1MouseMove();
    void SpeedButton2Click();

    // Every character a decimal digit, except a '-' in the first place; the
    // empty text and "-" alone pass.
    static bool esNumero(const QString& s);
    // A length is chosen.
    bool checkcombo() const;
    // The length of the list's item: 0 -> 8, 1 -> 16, 2 -> 32; 0 for no item.
    static int devolver_indice(int i);
    // Reads s (a conversion fault ends the handler) and, when a system and a
    // length are chosen, tells whether it is representable; otherwise `ok`
    // is left as the caller set it.
    void controlar_rango(const QString& s, int i, bool& ok, int sistema) const;
    static void cambiarCerosxUnos(QString& s);

    QLabel* Label1;
    LineaEdicion* Edit1;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QLineEdit* Edit7;
    RadioGroup* RadioGroup1;
    QPushButton* Button1;
    QLabel* Label5;
    QLineEdit* Edit2;
    QPushButton* Button2;
    BotonRapido* SpeedButton2;
    QGroupBox* GroupBox1;
    QLabel* Label6;
    QLineEdit* Edit3;
    QLabel* Label7;
    QLineEdit* Edit4;
    QLabel* Label8;
    QLineEdit* Edit5;
    QLabel* Label9;
    QLineEdit* Edit6;
    QLabel* Label14;
    QLabel* Label15;
    QLineEdit* Edit11;
    QLabel* Label16;
    QLineEdit* Edit12;
    BotonRapido* SpeedButton1;
    QPushButton* BotonPasoAPaso;

    PasoAPasoDeConversor* pasos() const { return pasos_; }

private:
    // Edit1 takes text once a system and a length are both chosen.
    void habilitarEntrada();

    Treporte2* informe_;
    PasoAPasoDeConversor* pasos_ = nullptr;

protected:
    void construir() override;
};

} // namespace cifral
