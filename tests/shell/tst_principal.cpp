// The main window: start-up state, the tabs, and opening a converter.
#include "Apoyo.h"

#include "fixed/UnitUno.h"
#include "shell/Preferencias.h"
#include "shell/Unit1.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <QDialog>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

using namespace cifral;
using namespace prueba;

namespace {

const char* const D[7] = {
    "Representación de Binario a su correspondiente representación en Entero en BSS, BCS, CA1, CA2 y Exceso.",
    "Representación de Entero a su correspondiente representación en Binario en BSS, BCS, CA1, CA2 y Exceso.",
    "Representación de sistema en Punto Flotante a su correspondiente representación en Decimal.",
    "Representación de Decimal a su correspondiente representación en Punto Flotante.",
    "Representación de Decimal a IEEE 754 Simple Precisión (32 Bits). Cálculo del Error Absoluto y Error Relativo "
    "cometido.",
    "Representación IEEE 754 Simple Precisión(32 bits) a Decimal. Cálculo del Error Absoluto Máximo.",
    "Suma y Resta entre dos números en Punto Flotante.",
};

QString d(int i)
{
    return QString::fromUtf8(D[i - 1]);
}

} // namespace

class TestPrincipal : public QObject {
    Q_OBJECT

    // Every control of a window as the user sees it, one line each.
    static QStringList estado(QWidget* ventana)
    {
        QStringList r;
        for (QWidget* c : ventana->findChildren<QWidget*>()) {
            QString t = QString::fromLatin1(c->metaObject()->className()) + ' ' + c->objectName() + ' ' +
                        QString::number(c->geometry().x()) + ',' + QString::number(c->geometry().y()) + ' ' +
                        QString::number(c->width()) + 'x' + QString::number(c->height()) + ' ' +
                        (c->isVisibleTo(ventana) ? "v" : "-") + (c->isEnabled() ? "e" : "-") + ' ' +
                        c->font().toString() + ' ' + c->toolTip();
            if (auto* l = qobject_cast<QLabel*>(c))
                t += " [" + l->text() + ']';
            if (auto* b = qobject_cast<QAbstractButton*>(c))
                t += " [" + b->text() + ']' + (b->isChecked() ? "x" : "");
            if (auto* e = qobject_cast<QLineEdit*>(c))
                t += " [" + e->text() + ']' + (e->isReadOnly() ? "r" : "") + e->palette().color(QPalette::Base).name();
            if (auto* g = qobject_cast<QGroupBox*>(c))
                t += " [" + g->title() + ']';
            if (auto* l = qobject_cast<QComboBox*>(c)) {
                for (int i = 0; i < l->count(); ++i)
                    t += " <" + l->itemText(i) + '>';
                t += QString::number(l->currentIndex());
            }
            r << t;
        }
        r << QStringLiteral("foco: ") + (ventana->focusWidget() ? ventana->focusWidget()->objectName() : QString());
        return r;
    }

    std::unique_ptr<Formularios> f;
    TForm1* w = nullptr;

    bool creditosVisibles(bool visibles)
    {
        for (Memo* m : w->creditos)
            if (m->isVisible() != visibles)
                return false;
        return true;
    }

private slots:
    void initTestCase() { prepararAplicacion(); }

    void init()
    {
        f = std::make_unique<Formularios>();
        f->crear();
        w = f->Form1;
        mostrarYActivar(w);
    }

    void cleanup() { f.reset(); }

    void startUp()
    {
        QCOMPARE(w->windowTitle(), QString("Cifral - Punto Fijo y Punto Flotante v1.0 "));
        QCOMPARE(w->size(), QSize(598, 244));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->TabControl1->count(), 5);
        QCOMPARE(w->TabControl1->tabText(2), QString("Representación IEEE 754 Simple Precisión"));
        QCOMPARE(w->TabControl1->tabText(4), QString("Acerca..."));
        QCOMPARE(w->TabControl1->currentIndex(), 0);
        QCOMPARE(w->Memo1->texto(), d(1));
        QCOMPARE(w->Memo2->texto(), d(2));
        QVERIFY(w->SpeedButton1->isVisible() && w->SpeedButton2->isVisible() && w->Memo2->isVisible());
        QVERIFY(creditosVisibles(false));
        QCOMPARE(w->SpeedButton1->geometry(), QRect(24, 72, 57, 41));
        QVERIFY(!w->SpeedButton1->icon().isNull());
        QVERIFY(w->SpeedButton1->text().isEmpty());
        QCOMPARE(tituloAplicacion(), QString("Cifral - Punto Fijo y Punto Flotante"));
        // The start-up help file stands for the whole application until an
        // "Ayuda" replaces it.
        QVERIFY(QDir::isAbsolutePath(ayuda().archivo()));
        QVERIFY(ayuda().archivo().endsWith("Ayudas/HELP3.HLP"));
    }

    // Shown without ever being activated (no window manager), the main
    // window still shows its first tab.
    void shownWithoutActivation()
    {
        Formularios otros;
        otros.crear();
        otros.Form1->setAttribute(Qt::WA_ShowWithoutActivating);
        otros.Form1->show();
        QCOMPARE(otros.Form1->Memo1->texto(), d(1));
        QCOMPARE(otros.Form1->Memo2->texto(), d(2));
    }

    // The program shows the main window first and makes the other windows
    // right after its first paint; a button pressed before that makes them
    // itself, so it always finds its converter.
    void windowsMadeAfterFirstPaint()
    {
        Formularios otros;
        otros.crearPrincipal();
        bool listo = false;
        otros.crearTrasPrimerPintado([&listo] { listo = true; });
        QVERIFY(!otros.conversoresCreados());
        otros.Form1->show();
        QTRY_VERIFY(listo);
        QVERIFY(otros.conversoresCreados());
        QVERIFY(!otros.FormUno->isVisible());
    }

    void buttonBeforeTheWindowsExist()
    {
        Formularios otros;
        otros.crearPrincipal();
        QString abierto;
        QTimer::singleShot(0, [&abierto] {
            QWidget* activo = QApplication::activeModalWidget();
            abierto = activo ? activo->windowTitle() : QString();
            if (activo)
                activo->close();
        });
        otros.Form1->SpeedButton1Click();
        QCOMPARE(abierto, QString("Cifral - Representación de Binario a Entero"));
        otros.crearConversores(); // a second call makes nothing new
        QCOMPARE(otros.Form1->findChildren<QDialog*>().size(), w->findChildren<QDialog*>().size());
    }

    // In the program a converter builds its controls when it is first
    // shown; it then holds exactly the controls, texts and states of a
    // converter built at once.
    void convertersBuiltWhenFirstShown()
    {
        VentanaConversor::setConstruccionDiferida(true);
        Formularios diferidos;
        diferidos.crear();
        VentanaConversor::setConstruccionDiferida(false);
        const QList<VentanaConversor*> tarde = diferidos.Form1->findChildren<VentanaConversor*>();
        const QList<VentanaConversor*> pronto = w->findChildren<VentanaConversor*>();
        QCOMPARE(tarde.size(), 7);
        QCOMPARE(pronto.size(), 7);
        for (int i = 0; i < 7; ++i) {
            VentanaConversor* v = tarde[i];
            QCOMPARE(v->objectName(), pronto[i]->objectName());
            QCOMPARE(v->windowTitle(), pronto[i]->windowTitle());
            QCOMPARE(v->construida(), false);
            QVERIFY(v->findChildren<QWidget*>().isEmpty());
            for (VentanaConversor* u : {v, pronto[i]}) {
                QTimer::singleShot(0, u, [u] { u->close(); });
                u->exec();
            }
            QVERIFY(v->construida());
            QCOMPARE(estado(v), estado(pronto[i]));
        }
    }

    void tabs_data()
    {
        QTest::addColumn<int>("pestana");
        QTest::addColumn<QString>("memo1");
        QTest::addColumn<QString>("memo2");
        QTest::addColumn<bool>("segundo");
        QTest::newRow("Punto Fijo") << 0 << d(1) << d(2) << true;
        QTest::newRow("Punto Flotante") << 1 << d(3) << d(4) << true;
        QTest::newRow("IEEE") << 2 << d(5) << d(6) << true;
        // Memo2 keeps the text of the tab shown before.
        QTest::newRow("Suma y Resta") << 3 << d(7) << d(6) << false;
    }

    void tabs()
    {
        QFETCH(int, pestana);
        QFETCH(QString, memo1);
        QFETCH(QString, memo2);
        QFETCH(bool, segundo);
        w->TabControl1->setCurrentIndex(2);
        w->TabControl1->setCurrentIndex(pestana);
        QCOMPARE(w->Memo1->texto(), memo1);
        QCOMPARE(w->Memo2->texto(), memo2);
        QVERIFY(w->SpeedButton1->isVisible());
        QCOMPARE(w->SpeedButton2->isVisible(), segundo);
        QCOMPARE(w->Memo2->isVisible(), segundo);
        QVERIFY(w->Memo1->isVisible());
        QVERIFY(creditosVisibles(false));
    }

    void aboutAndBack()
    {
        w->TabControl1->setCurrentIndex(4);
        QVERIFY(w->Memo1->isVisible());
        QCOMPARE(w->Memo1->texto(), QString());
        QVERIFY(!w->SpeedButton1->isVisible() && !w->SpeedButton2->isVisible() && !w->Memo2->isVisible());
        QVERIFY(creditosVisibles(true));
        QCOMPARE(w->creditos[0]->texto(), QString("Sistema: Cifral (Punto Fijo y Punto Flotante)  Versión 1.0"));
        QVERIFY(w->creditos[2]->texto().startsWith("Profesor: "));
        QCOMPARE(w->creditos[3]->texto(), QString("Alumnos:"));
        QVERIFY(w->creditos[4]->texto().contains(QRegularExpression("^.+  \\d+   \\S+@\\S+$")));
        QCOMPARE(w->creditos[6]->texto(), QString("Realizado entre Noviembre de 2005 y Marzo de 2006"));
        w->TabControl1->setCurrentIndex(0);
        QCOMPARE(w->Memo1->texto(), d(1));
        QVERIFY(w->SpeedButton1->isVisible() && w->SpeedButton2->isVisible() && w->Memo2->isVisible());
        QVERIFY(creditosVisibles(false));
    }

    // A converter is modal; when it is closed the main window shows the
    // selected tab again, and the converter keeps what it showed.
    void openAndCloseConverter()
    {
        TFormUno* uno = f->FormUno;
        QTimer::singleShot(0, uno, [uno] {
            QVERIFY(uno->isVisible());
            QVERIFY(uno->isModal());
            uno->Edit2->setText("quedó");
            uno->close();
        });
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QVERIFY(!uno->isVisible());
        QCOMPARE(w->Memo1->texto(), d(1));
        QCOMPARE(w->Memo2->texto(), d(2));
        QString visto;
        QTimer::singleShot(0, uno, [uno, &visto] {
            visto = uno->Edit2->text();
            uno->close();
        });
        QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(visto, QString("quedó"));
    }

    // Each button opens its converter; the floating-point window leaves the
    // descriptions of its tab in place.
    void buttonsOpenTheirConverters_data()
    {
        QTest::addColumn<int>("pestana");
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("binario a entero") << 0 << 1 << "Cifral - Representación de Binario a Entero";
        QTest::newRow("entero a binario") << 0 << 2 << "Cifral - Representación de Entero a Binario";
        QTest::newRow("binario a decimal") << 1 << 1 << "Cifral - Representación de Binario a Decimal";
        QTest::newRow("decimal a punto flotante") << 1 << 2 << "Cifral - Representación  de Decimal a Punto Flotante";
        QTest::newRow("decimal a IEEE") << 2 << 1 << "Cifral -  Decimal  a IEEE 754 Simple Precisión";
        QTest::newRow("suma y resta") << 3 << 1 << "Cifral - Suma y Resta";
        QTest::newRow("ieee a decimal") << 2 << 2 << "Cifral - IEEE 754 Simple Precisión a Decimal";
    }

    void buttonsOpenTheirConverters()
    {
        QFETCH(int, pestana);
        QFETCH(int, boton);
        QFETCH(QString, titulo);
        w->TabControl1->setCurrentIndex(pestana);
        QString abierto;
        QTimer::singleShot(0, w, [&abierto] {
            QWidget* activo = QApplication::activeModalWidget();
            abierto = activo ? activo->windowTitle() : QString();
            if (activo)
                activo->close();
        });
        QTest::mouseClick(boton == 1 ? w->SpeedButton1 : w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(abierto, titulo);
        QCOMPARE(w->Memo1->texto(), d(2 * pestana + 1));
        if (pestana < 3) // the last tab has one converter and no second memo
            QCOMPARE(w->Memo2->texto(), d(2 * pestana + 2));
    }

    void buttonsWithoutConverterOpenNothing()
    {
        w->TabControl1->setCurrentIndex(3);
        w->SpeedButton2Click();
        w->TabControl1->setCurrentIndex(4);
        w->SpeedButton1Click();
        w->SpeedButton2Click();
        for (QDialog* dlg : w->findChildren<QDialog*>())
            QVERIFY(!dlg->isVisible());
    }

    // From the keyboard: Tab reaches the buttons of the tab shown, Enter
    // opens the converter of the focused one.
    void keyboardOpensTheConverters()
    {
        w->TabControl1->setCurrentIndex(1);
        w->TabControl1->tabBar()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->SpeedButton2);
        QCOMPARE(w->SpeedButton2->accessibleName(), QString("Abrir Decimal a Punto Flotante"));
        QString abierto;
        QTimer::singleShot(0, w, [&abierto] {
            QWidget* activo = QApplication::activeModalWidget();
            abierto = activo ? activo->windowTitle() : QString();
            if (activo)
                activo->close();
        });
        QTest::keyClick(w->SpeedButton2, Qt::Key_Return);
        QCOMPARE(abierto, QString("Cifral - Representación  de Decimal a Punto Flotante"));
    }

    // The size of the interface is kept and used from the next start, unless
    // the environment sets a scale of its own.
    void interfaceSizeForTheNextStart()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QByteArray antes = qgetenv("QT_SCALE_FACTOR");
        w->TabControl1->setCurrentIndex(4);
        QVERIFY(w->TamanoInterfaz->isVisible());
        QVERIFY(w->AvisoTamano->text().isEmpty());
        QVERIFY(elegir(w->TamanoInterfaz, 2));
        QCOMPARE(tamanoDeInterfaz(), 150);
        QCOMPARE(w->AvisoTamano->text(), QString("Se aplicará la próxima vez que se abra Cifral."));
        qunsetenv("QT_SCALE_FACTOR");
        aplicarTamanoDeInterfaz();
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
        qputenv("QT_SCALE_FACTOR", "1");
        guardarTamanoDeInterfaz(200);
        aplicarTamanoDeInterfaz();
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1"));
        guardarTamanoDeInterfaz(130); // not a size offered
        QCOMPARE(tamanoDeInterfaz(), 100);
        guardarTamanoDeInterfaz(100);
        if (antes.isNull())
            qunsetenv("QT_SCALE_FACTOR");
        else
            qputenv("QT_SCALE_FACTOR", antes);
    }
};

QTEST_MAIN(TestPrincipal)
#include "tst_principal.moc"
