// The formats laboratory: a pattern of any binary format up to 64 bits,
// edited bit by bit, as text or hexadecimal, or rounded from a decimal
// under any of the five rules, with its exact value, class, formula,
// neighbours, ulp, the errors of every rounding side by side and a picture
// of where the values lie. It is not modal and can be resized.
#pragma once

#include "ieee/sistnumFormatos.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace cifral {

// Where the values of a format lie. Up to 10 bits: every non-negative finite
// value on a number line (linear or logarithmic), subnormal ones in another
// colour, the current value marked. Wider formats: the binade of the current
// value with its spacing and neighbours (or, logarithmic, every binade).
class RectaValores : public QWidget {
    Q_OBJECT

public:
    explicit RectaValores(QWidget* padre);
    void mostrar(FormatoBinario f, std::uint64_t patron);
    void setLogaritmica(bool logaritmica);
    bool logaritmica() const { return logaritmica_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void pintarTodos(class QPainter& p);
    void pintarBinada(QPainter& p);
    void pintarBinadas(QPainter& p);
    QString descripcion() const;

    FormatoBinario formato_{0, 0};
    std::uint64_t patron_ = 0;
    bool logaritmica_ = false;
    std::vector<double> valores_; // non-negative finite values, for the small formats
    std::vector<bool> subnormales_;
};

// A group of bit buttons laid out by field, at most 32 to a row, with the
// field names drawn above them.
class PanelBits : public QWidget {
    Q_OBJECT

public:
    explicit PanelBits(QWidget* padre);
    void setFormato(FormatoBinario f);
    QToolButton* boton(int bit) const { return botones_[static_cast<std::size_t>(bit)]; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void bitPulsado(int bit);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPoint posicion(int bit) const;

    FormatoBinario formato_{0, 0};
    std::array<QToolButton*, 64> botones_{};
};

class TFormLaboratorio : public QWidget {
    Q_OBJECT

public:
    explicit TFormLaboratorio(QWidget* padre = nullptr);

    FormatoBinario formato() const { return formato_; }
    std::uint64_t patron() const { return patron_; }

    // The handlers.
    void FormatoChange();
    void BitsChange();
    void BitClick(int bit);
    void PatronChange();
    void HexadecimalChange();
    void DecimalChange();
    void RedondeoChange();
    void IrAnteriorClick();
    void IrSiguienteClick();

    QComboBox* Formato;
    QSpinBox* BitsExponente;
    QSpinBox* BitsFraccion;
    QLabel* Sesgo;
    PanelBits* Bits;
    QLineEdit* Patron;
    QLineEdit* Hexadecimal;
    QLabel* AvisoPatron;
    QLineEdit* Decimal;
    QComboBox* Redondeo;
    QLabel* AvisoDecimal;
    QPlainTextEdit* ValorExacto;
    QPlainTextEdit* Clase;
    QLineEdit* Anterior;
    QLineEdit* Siguiente;
    QPushButton* IrAnterior;
    QPushButton* IrSiguiente;
    QLineEdit* Ulp;
    QLineEdit* ErrorAbsoluto;
    QLineEdit* ErrorRelativo;
    QTableWidget* Comparacion;
    QGroupBox* Curso;
    QLineEdit* CampoSigno;
    QLineEdit* CampoExponente;
    QLineEdit* CampoMantisa;
    RectaValores* Recta;
    QCheckBox* Logaritmica;

private:
    // Where a new pattern came from: its text is left as the user typed it.
    enum class Origen { Bits, Patron, Hexadecimal, Decimal, Formato };

    void cambiarFormato(FormatoBinario nuevo);
    void mostrar(std::uint64_t patron, Origen origen);
    void mostrarErrores();
    void marcarEntrada(QLineEdit* entrada, QLabel* aviso, const QString& motivo);
    cifral::Redondeo redondeo() const;

    FormatoBinario formato_ = Binary32;
    std::uint64_t patron_ = 0;
    bool bitsNuevos_ = true; // the bit buttons have a new format: paint them all
    // The decimal the pattern was rounded from, if it was.
    std::optional<NumeroDecimal> decimal_;
};

} // namespace cifral
