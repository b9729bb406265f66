// Saves pictures of the windows, their messages and their reports: run
// through scripts/capturas, which passes the folder to write into.
#include "arith/Unit7.h"
#include "fixed/UnitDos.h"
#include "fixed/UnitUno.h"
#include "fixed/UnitUnob.h"
#include "floating/Unit3.h"
#include "floating/Unit4.h"
#include "floating/Unitrep.h"
#include "ieee/Unit5.h"
#include "ieee/Unit6.h"
#include "shell/Arranque.h"
#include "shell/Informe.h"
#include "shell/Servicios.h"
#include "shell/Unit1.h"
#include "shell/VisorAyuda.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

using namespace cifral;

namespace {

QString carpeta;

void guardarImagen(const QImage& img, const QString& nombre)
{
    img.save(QDir(carpeta).filePath(nombre + QStringLiteral(".png")));
    std::printf("%s.png\n", qPrintable(nombre));
}

void guardar(QWidget* w, const QString& nombre)
{
    guardarImagen(w->grab().toImage(), nombre);
}

// Messages are drawn over the window that shows them, as the user sees it.
struct MensajesDibujados : ServicioMensajes {
    QString ultimo;
    QImage imagen;
    void mostrar(QWidget* ventana, const QString& texto) override
    {
        ultimo = texto;
        QMessageBox caja(QMessageBox::NoIcon, tituloAplicacion(), texto, QMessageBox::Ok);
        caja.show();
        QApplication::processEvents();
        QImage fondo = ventana->grab().toImage();
        const QImage frente = caja.grab().toImage();
        QPainter p(&fondo);
        p.fillRect(fondo.rect(), QColor(0, 0, 0, 40));
        const QPoint esquina((fondo.width() - frente.width()) / 2, (fondo.height() - frente.height()) / 2);
        p.drawImage(esquina, frente);
        p.setPen(Qt::darkGray);
        p.drawRect(QRect(esquina, frente.size()).adjusted(0, 0, -1, -1));
        p.end();
        imagen = fondo;
        caja.hide();
    }
};

struct VistaGuardada : ServicioVistaPrevia {
    QString nombre;
    void mostrar(const Informe& informe, QWidget*) override
    {
        guardarImagen(imagenInforme(informe), nombre);
        guardarPdf(informe, QDir(carpeta).filePath(nombre + QStringLiteral(".pdf")));
    }
};

void elegir(QComboBox* c, int i)
{
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void formUno(Formularios& f, MensajesDibujados& mensajes, VistaGuardada& vista)
{
    TFormUno* w = f.FormUno;
    w->show();
    QApplication::processEvents();
    guardar(w, QStringLiteral("binario-entero-inicio"));
    auto convertir = [&](int sistema, int bits, const QString& cadena) {
        QTest::mouseClick(w->RadioGroup1->boton(sistema), Qt::LeftButton);
        elegir(w->ComboBox1, bits - 2);
        w->Edit1->selectAll();
        QTest::keyClicks(w->Edit1, cadena);
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QApplication::processEvents();
    };
    convertir(1, 4, QStringLiteral("1011"));
    guardar(w, QStringLiteral("binario-entero"));
    vista.nombre = QStringLiteral("informe-binario-entero");
    w->SpeedButton1Click();
    convertir(0, 32, QString(32, QLatin1Char('1')));
    guardar(w, QStringLiteral("binario-entero-bss32"));
    convertir(0, 8, QStringLiteral("0101"));
    guardarImagen(mensajes.imagen, QStringLiteral("binario-entero-mensaje-longitud"));
    w->hide();
}

void formDos(Formularios& f, MensajesDibujados& mensajes, VistaGuardada& vista)
{
    TFormDos* w = f.FormDos;
    w->show();
    QApplication::processEvents();
    auto convertir = [&](int sistema, int longitud, const QString& numero) {
        elegir(w->ComboBox1, longitud);
        QTest::mouseClick(w->RadioGroup1->boton(sistema), Qt::LeftButton);
        w->Edit1->selectAll();
        QTest::keyClicks(w->Edit1, numero);
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QApplication::processEvents();
    };
    convertir(2, 0, QStringLiteral("-5"));
    guardar(w, QStringLiteral("entero-binario"));
    vista.nombre = QStringLiteral("informe-entero-binario");
    w->SpeedButton1Click();
    convertir(3, 0, QStringLiteral("-0"));
    guardarImagen(mensajes.imagen, QStringLiteral("entero-binario-mensaje-cero"));
    convertir(0, 2, QStringLiteral("999999"));
    guardar(w, QStringLiteral("entero-binario-bss32"));
    w->hide();
}

void form3(TForm3* w, MensajesDibujados& mensajes, VistaGuardada& vista)
{
    w->show();
    QApplication::processEvents();
    guardar(w, QStringLiteral("binario-decimal-inicio"));
    auto configurar = [&](int tipo, int n, int sm, int implicito, int m, int se) {
        QTest::mouseClick(w->RadioGroup1->boton(tipo), Qt::LeftButton);
        QTest::mouseClick(w->RadioGroup2->boton(sm), Qt::LeftButton);
        QTest::mouseClick(w->RadioGroup4->boton(se), Qt::LeftButton);
        elegir(w->ComboBox1, n - 2);
        elegir(w->ComboBox2, m - 2);
        if (implicito >= 0)
            elegir(w->ComboBox3, implicito);
    };
    auto evaluar = [&](const QString& mantisa, const QString& exponente) {
        w->Edit5->selectAll();
        QTest::keyClicks(w->Edit5, mantisa);
        w->Edit6->selectAll();
        QTest::keyClicks(w->Edit6, exponente);
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QApplication::processEvents();
    };
    configurar(1, 8, 3, 1, 4, 4);
    guardar(w, QStringLiteral("binario-decimal-configurado"));
    evaluar(QStringLiteral("11010010"), QStringLiteral("0110"));
    guardar(w, QStringLiteral("binario-decimal"));
    vista.nombre = QStringLiteral("informe-binario-decimal-ca2");
    w->SpeedButton1Click();
    configurar(0, 8, 0, -1, 4, 1);
    evaluar(QStringLiteral("10110010"), QStringLiteral("1000"));
    guardar(w, QStringLiteral("binario-decimal-bss"));
    vista.nombre = QStringLiteral("informe-binario-decimal-bss");
    w->SpeedButton1Click();
    configurar(1, 8, 1, 1, 4, 1);
    evaluar(QStringLiteral("10010010"), QStringLiteral("0011"));
    guardarImagen(mensajes.imagen, QStringLiteral("binario-decimal-mensaje-normalizada"));
    w->hide();
}

void form4(TForm4* w, MensajesDibujados& mensajes, VistaGuardada& vista)
{
    w->show();
    QApplication::processEvents();
    guardar(w, QStringLiteral("decimal-flotante-inicio"));
    auto configurar = [&](int tipo, int n, int sm, int implicito, int e, int se) {
        QTest::mouseClick(w->RadioGroup1->boton(tipo), Qt::LeftButton);
        QTest::mouseClick(w->RadioGroup2->boton(sm), Qt::LeftButton);
        QTest::mouseClick(w->RadioGroup4->boton(se), Qt::LeftButton);
        elegir(w->ComboBox1, n == 16 ? 1 : 0);
        elegir(w->ComboBox2, e == 16 ? 1 : 0);
        if (implicito >= 0)
            elegir(w->ComboBox3, implicito);
        QApplication::processEvents();
    };
    auto representar = [&](const QString& numero) {
        w->Edit7->selectAll();
        QTest::keyClicks(w->Edit7, numero);
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QApplication::processEvents();
    };
    configurar(0, 8, 1, -1, 8, 3);
    guardar(w, QStringLiteral("decimal-flotante-configurado"));
    representar(QStringLiteral("3,3"));
    guardar(w, QStringLiteral("decimal-flotante-entera"));
    configurar(1, 8, 3, 1, 8, 4);
    representar(QStringLiteral("-0,1"));
    guardar(w, QStringLiteral("decimal-flotante"));
    vista.nombre = QStringLiteral("informe-decimal-flotante-ca2");
    w->SpeedButton3Click();
    configurar(1, 8, 0, 1, 8, 3);
    representar(QStringLiteral("0,1"));
    guardar(w, QStringLiteral("decimal-flotante-bss"));
    vista.nombre = QStringLiteral("informe-decimal-flotante-bss");
    w->SpeedButton3Click();
    configurar(1, 8, 1, 1, 8, 3);
    representar(QStringLiteral("0,999"));
    guardarImagen(mensajes.imagen, QStringLiteral("decimal-flotante-mensaje"));
    configurar(1, 8, 1, 1, 8, 0);
    representar(QStringLiteral("0,3"));
    guardarImagen(mensajes.imagen, QStringLiteral("decimal-flotante-mensaje-exponente"));
    w->hide();
}

void form5(TForm5* w, MensajesDibujados& mensajes, VistaGuardada& vista)
{
    w->show();
    QApplication::processEvents();
    guardar(w, QStringLiteral("decimal-ieee-inicio"));
    auto escribir = [](LineaEdicion* e, const QString& t) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, t);
    };
    auto convertir = [&](int modo, const QString& numero, const QString& potencia) {
        QTest::mouseClick(w->RadioGroup1->boton(modo), Qt::LeftButton);
        escribir(modo == 0 ? w->Edit1 : w->Edit2, numero);
        if (modo == 1)
            escribir(w->Edit3, potencia);
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QApplication::processEvents();
    };
    convertir(0, QStringLiteral("0,1"), QString());
    guardar(w, QStringLiteral("decimal-ieee"));
    vista.nombre = QStringLiteral("informe-decimal-ieee");
    w->SpeedButton3Click();
    convertir(1, QStringLiteral("-2,5"), QStringLiteral("-9"));
    guardar(w, QStringLiteral("decimal-ieee-decimal"));
    vista.nombre = QStringLiteral("informe-decimal-ieee-decimal");
    w->SpeedButton3Click();
    convertir(1, QStringLiteral("1"), QStringLiteral("38"));
    guardar(w, QStringLiteral("decimal-ieee-38"));
    vista.nombre = QStringLiteral("informe-decimal-ieee-38");
    w->SpeedButton3Click();
    convertir(0, QStringLiteral("-0"), QString());
    guardar(w, QStringLiteral("decimal-ieee-cero"));
    vista.nombre = QStringLiteral("informe-decimal-ieee-cero");
    w->SpeedButton3Click();
    convertir(0, QStringLiteral("9999999999999999"), QString());
    vista.nombre = QStringLiteral("informe-decimal-ieee-largo");
    w->SpeedButton3Click();
    convertir(1, QStringLiteral("2"), QStringLiteral("38"));
    guardarImagen(mensajes.imagen, QStringLiteral("decimal-ieee-mensaje"));
    convertir(0, QStringLiteral("1,2,3"), QString());
    guardarImagen(mensajes.imagen, QStringLiteral("decimal-ieee-mensaje-comas"));
    w->hide();
}

void form6(TForm6* w, MensajesDibujados& mensajes, VistaGuardada& vista)
{
    w->show();
    QApplication::processEvents();
    guardar(w, QStringLiteral("ieee-decimal-inicio"));
    auto convertir = [&](int signo, const QString& exponente, const QString& fraccion) {
        elegir(w->ComboBox1, signo);
        w->Edit2->selectAll();
        QTest::keyClicks(w->Edit2, exponente);
        w->Edit1->selectAll();
        QTest::keyClicks(w->Edit1, fraccion);
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QApplication::processEvents();
    };
    const QString ceros(23, QLatin1Char('0'));
    convertir(1, QStringLiteral("10000010"), QStringLiteral("01101000000000000000000"));
    guardar(w, QStringLiteral("ieee-decimal"));
    vista.nombre = QStringLiteral("informe-ieee-decimal");
    w->SpeedButton2Click();
    convertir(0, QStringLiteral("00000000"), QStringLiteral("00000000000000000000001"));
    guardar(w, QStringLiteral("ieee-decimal-subnormal"));
    vista.nombre = QStringLiteral("informe-ieee-decimal-subnormal");
    w->SpeedButton2Click();
    convertir(1, QStringLiteral("00000000"), ceros);
    guardar(w, QStringLiteral("ieee-decimal-cero"));
    vista.nombre = QStringLiteral("informe-ieee-decimal-cero");
    w->SpeedButton2Click();
    convertir(0, QStringLiteral("11111111"), ceros);
    guardar(w, QStringLiteral("ieee-decimal-infinito"));
    convertir(0, QStringLiteral("11111111"), QStringLiteral("10000000000000000000000"));
    guardar(w, QStringLiteral("ieee-decimal-nan"));
    vista.nombre = QStringLiteral("informe-ieee-decimal-nan");
    w->SpeedButton2Click();
    convertir(0, QStringLiteral("11111110"), QString(23, QLatin1Char('1')));
    guardar(w, QStringLiteral("ieee-decimal-maximo"));
    vista.nombre = QStringLiteral("informe-ieee-decimal-maximo");
    w->SpeedButton2Click();
    convertir(0, QStringLiteral("0111l111"), ceros);
    guardarImagen(mensajes.imagen, QStringLiteral("ieee-decimal-mensaje-binario"));
    w->hide();
}

void form7(TForm7* w, MensajesDibujados& mensajes, VistaGuardada& vista)
{
    w->show();
    QApplication::processEvents();
    guardar(w, QStringLiteral("suma-resta-inicio"));
    // The configuration, one step at a time.
    QTest::mouseClick(w->RadioGroup3->boton(3), Qt::LeftButton);
    guardar(w, QStringLiteral("suma-resta-paso-1-sistema"));
    elegir(w->ComboBox1, 0);
    guardar(w, QStringLiteral("suma-resta-paso-2-longitud"));
    QTest::mouseClick(w->RadioGroup1->boton(1), Qt::LeftButton);
    guardar(w, QStringLiteral("suma-resta-paso-3-tipo"));
    QTest::mouseClick(w->RadioGroup4->boton(0), Qt::LeftButton);
    guardar(w, QStringLiteral("suma-resta-paso-4-sistema-exponente"));
    elegir(w->ComboBox2, 0);
    guardar(w, QStringLiteral("suma-resta-paso-5-longitud-exponente"));
    auto operar = [&](BotonRapido* boton, const QStringList& textos) {
        const QList<QLineEdit*> edits{w->Edit1, w->Edit2, w->Edit3, w->Edit4};
        for (int i = 0; i < 4; ++i) {
            edits[i]->selectAll();
            QTest::keyClicks(edits[i], textos[i]);
        }
        QTest::mouseClick(boton, Qt::LeftButton);
        QApplication::processEvents();
    };
    // CA2 fractions: -0,5 * 2^1 + 3/128 * 2^0; the halving is refused and
    // -0,5 is doubled to -1.
    operar(w->SpeedButton1, {QStringLiteral("11000000"), QStringLiteral("00000001"), QStringLiteral("00000011"),
                             QStringLiteral("00000000")});
    guardar(w, QStringLiteral("suma-resta"));
    vista.nombre = QStringLiteral("informe-suma-resta");
    QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
    QApplication::processEvents();
    guardar(w, QStringLiteral("suma-resta-tras-informe"));
    // Two odd mantissas cannot be equalised for a sum.
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    operar(w->SpeedButton1, {QStringLiteral("00000001"), QStringLiteral("00000001"), QStringLiteral("00000011"),
                             QStringLiteral("00000000")});
    guardarImagen(mensajes.imagen, QStringLiteral("suma-resta-mensaje"));
    // Integer mantissas: halving, then doubling.
    QTest::mouseClick(w->RadioGroup3->boton(0), Qt::LeftButton);
    QTest::mouseClick(w->RadioGroup1->boton(0), Qt::LeftButton);
    operar(w->SpeedButton1, {QStringLiteral("00000100"), QStringLiteral("00000011"), QStringLiteral("00000010"),
                             QStringLiteral("00000001")});
    guardar(w, QStringLiteral("suma-resta-entera"));
    vista.nombre = QStringLiteral("informe-suma-resta-entera");
    QTest::mouseClick(w->SpeedButton3, Qt::LeftButton);
    w->hide();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    prepararAplicacion();
    MensajesDibujados mensajes;
    VistaGuardada vista;
    instalarMensajes(&mensajes);
    instalarVistaPrevia(&vista);
    Formularios f;
    f.crear();
    f.Form1->show();
    for (int i = 0; i < 5; ++i) {
        f.Form1->TabControl1->setCurrentIndex(i);
        QApplication::processEvents();
        guardar(f.Form1, QStringLiteral("principal-%1").arg(i));
    }
    f.Form1->TabControl1->setCurrentIndex(0);
    formUno(f, mensajes, vista);
    formDos(f, mensajes, vista);
    form3(f.Form3, mensajes, vista);
    form4(f.Form4, mensajes, vista);
    form5(f.Form5, mensajes, vista);
    form6(f.Form6, mensajes, vista);
    form7(f.Form7, mensajes, vista);

    VisorAyuda visor;
    for (const char* ayuda :
         {"HELP1.hlp", "HELP2.hlp", "HELP3.hlp", "HELP4.hlp", "HELP5.hlp", "HELP6.hlp", "HELP7.hlp"}) {
        visor.abrirContenido(QString::fromLatin1(ayuda));
        QApplication::processEvents();
        guardar(&visor, QStringLiteral("ayuda-") + QString::fromLatin1(ayuda).section(QLatin1Char('.'), 0, 0));
    }
    return 0;
}
