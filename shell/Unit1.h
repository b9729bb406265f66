// The main window: five tabs, each describing a family of conversions with
// one or two buttons that open its converters; the last tab shows the
// credits.
#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QTabWidget;

namespace cifral {

class BotonRapido;
class Memo;
class TFormLaboratorio;
class TFormPractica;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* padre = nullptr);

    // The converters that the two buttons open on each of the four first
    // tabs; nullptr opens nothing.
    void setConversor(int pestana, int boton, QDialog* conversor);
    // Makes the converters if they do not exist yet; a button runs it
    // before it opens one.
    std::function<void()> alNecesitarConversores;

    void FormCreate();
    void FormActivate();
    void TabControl1Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    // Opens the formats laboratory (made on the first click); it is not
    // modal.
    void BotonLaboratorioClick();
    TFormLaboratorio* laboratorio() const { return laboratorio_; }
    // Opens the "Práctica" window (made on the first click); it is not
    // modal.
    void BotonPracticaClick();
    TFormPractica* practica() const { return practica_; }
    // The size of the interface chosen on the "Acerca..." tab: kept, and
    // used from the next start.
    void TamanoInterfazChange();
    void verMemos();
    void ocultarMemos();

signals:
    // The window has been painted for the first time.
    void primerPintado();

public:
    QTabWidget* TabControl1;
    BotonRapido* SpeedButton1;
    BotonRapido* SpeedButton2;
    Memo* Memo1;
    Memo* Memo2;
    std::array<Memo*, 7> creditos; // Memo3 .. Memo9
    QPushButton* BotonLaboratorio; // on the IEEE tab only
    QLabel* RotuloLaboratorio;
    QPushButton* BotonPractica; // beside the descriptions of the first four tabs
    QLabel* RotuloTamano;       // on the "Acerca..." tab only
    QComboBox* TamanoInterfaz;
    QLabel* AvisoTamano;
    QLabel* RotuloAtajos;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void abrir(int pestana, int boton);

    std::array<std::array<QDialog*, 2>, 4> conversores_{};
    bool pintado_ = false;
    TFormLaboratorio* laboratorio_ = nullptr;
    TFormPractica* practica_ = nullptr;
};

} // namespace cifral
