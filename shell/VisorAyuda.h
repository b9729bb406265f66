// The program's help viewer: a window that shows the HTML pages of the help
// files, with links, back and contents.
#pragma once

#include "shell/Servicios.h"

#include <QWidget>

class QTextBrowser;
class QLabel;

namespace cifral {

class VisorAyuda : public QWidget, public VisorDeAyuda {
    Q_OBJECT

public:
    explicit VisorAyuda(QWidget* padre = nullptr);

    void abrirContenido(const QString& archivo) override;

    // What the viewer shows: the page, or the notice of a missing file.
    QTextBrowser* navegador() const { return navegador_; }
    QString archivoMostrado() const { return archivo_; }
    bool encontrado() const { return encontrado_; }

    // The viewer that the help service opens unless another is installed;
    // created on first use, destroyed when the program ends.
    static VisorAyuda& compartido();

private:
    QTextBrowser* navegador_;
    QString archivo_;
    bool encontrado_ = false;
};

} // namespace cifral
