// The working of the two fixed-point conversions: its figures are the
// figures the windows write, its messages the messages they show, in order,
// and its own steps (weights, divisions, complements) lead to those figures.
#include "fixed/sistnumPasosFijo.h"
#include "shell/TextoDecimal.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cstdint>

using namespace cifral;

namespace {

QStringList lista(const std::vector<std::string>& v)
{
    QStringList r;
    for (const std::string& s : v)
        r << QString::fromStdString(s);
    return r;
}

QStringList textosDe(const TextosLimites& l)
{
    return lista({l.desde, l.hasta, l.minimoNegativo, l.maximoNegativo, l.minimoPositivo, l.maximoPositivo});
}

int reglas(const Trabajo& w)
{
    return static_cast<int>(w.reglas().size());
}

// The first figure of the working that is missing from it, or empty.
QString faltante(const Trabajo& w, const QStringList& cifras)
{
    for (const QString& c : cifras)
        if (!w.contieneCifra(c.toStdString()))
            return c;
    return {};
}

QString textoDe(const Tramo& t)
{
    return QString::fromStdString(t.contenido);
}

// A row of one of the working's tables, its cells written "|a|b|c|".
bool tieneFila(const Trabajo& w, const QString& fila)
{
    const QStringList celdas = fila.mid(1, fila.size() - 2).split(QLatin1Char('|'));
    for (const Paso& p : w.pasos())
        for (const Bloque& b : p.bloques)
            for (const auto& f : b.tabla.filas) {
                QStringList r;
                for (const Tramo& t : f)
                    r << textoDe(t);
                if (r == celdas)
                    return true;
            }
    return false;
}

// A line of the working's plain text, or a row of one of its tables.
bool contiene(const Trabajo& w, const QString& plano, const QString& l)
{
    return l.startsWith(QLatin1Char('|')) ? tieneFila(w, l) : plano.contains(l);
}

// Every weights table adds up to the figure its sum line ends in.
QString pesosQueNoSuman(const Trabajo& w)
{
    for (const Paso& p : w.pasos())
        for (std::size_t i = 0; i < p.bloques.size(); ++i) {
            const Tabla& tabla = p.bloques[i].tabla;
            if (p.bloques[i].tipo != Bloque::Tipo::Tabla || tabla.encabezados.size() != 4 ||
                tabla.encabezados[3] != "Aporte")
                continue;
            std::uint64_t suma = 0;
            for (const auto& fila : tabla.filas)
                suma += textoDe(fila[3]).toULongLong();
            if (i + 1 >= p.bloques.size() || p.bloques[i + 1].linea.empty())
                return QStringLiteral("no sum after the table");
            // The sum line ends in the total, then a full stop or nothing.
            const Linea& l = p.bloques[i + 1].linea;
            QString total;
            for (const Tramo& t : l)
                if (t.tipo == Tramo::Tipo::Cifra)
                    total = textoDe(t);
            if (total.toULongLong() != suma)
                return QStringLiteral("%1 != %2").arg(total).arg(suma);
        }
    return {};
}

// The bit strings of a step, in order.
QStringList bitsDelPaso(const Paso& p)
{
    QStringList r;
    for (const Bloque& b : p.bloques) {
        for (const Tramo& t : b.linea)
            if (t.tipo == Tramo::Tipo::Bits)
                r << textoDe(t);
        for (const auto& fila : b.tabla.filas)
            for (const Tramo& t : fila)
                if (t.tipo == Tramo::Tipo::Bits)
                    r << textoDe(t);
    }
    return r;
}

// The working's own computation ends in the bit string the window writes:
// the last bit string of the step before "Número en binario", and the sum
// row of a complement to 2, are that string.
QString encadenamiento(const Trabajo& w, const QString& cadena)
{
    const auto& pasos = w.pasos();
    for (std::size_t i = 1; i < pasos.size(); ++i) {
        if (pasos[i].titulo != "Número en binario")
            continue;
        const QStringList b = bitsDelPaso(pasos[i - 1]);
        if (b.isEmpty() || b.last() != cadena)
            return QStringLiteral("the step before the result ends in %1")
                .arg(b.isEmpty() ? QStringLiteral("nothing") : b.last());
        for (const Bloque& bl : pasos[i - 1].bloques)
            if (bl.tipo == Bloque::Tipo::Tabla && bl.tabla.filas.size() == 4 && textoDe(bl.tabla.filas[3][1]) != cadena)
                return QStringLiteral("the sum of 1 gives %1").arg(textoDe(bl.tabla.filas[3][1]));
        return {};
    }
    return QStringLiteral("no result step");
}

// The integer a valid bit string stands for, from the definitions.
QString enteroEsperado(TNumberSystem sistema, const std::string& s)
{
    const int n = static_cast<int>(s.size());
    std::int64_t bss = 0;
    for (char c : s)
        bss = bss * 2 + (c - '0');
    const std::int64_t medio = std::int64_t{1} << (n - 1);
    const std::int64_t resto = bss - (s[0] == '1' ? medio : 0);
    switch (sistema) {
    case BSS:
        return QString::number(bss);
    case BCS:
        return s[0] == '1' ? (resto == 0 ? QStringLiteral("-0") : QString::number(-resto)) : QString::number(bss);
    case CA1:
        if (s[0] == '0')
            return QString::number(bss);
        return bss == 2 * medio - 1 ? QStringLiteral("-0") : QString::number(resto - (medio - 1));
    case CA2:
        return QString::number(s[0] == '1' ? resto - medio : bss);
    case Exceso:
        return QString::number(bss - medio);
    }
    return {};
}

} // namespace

class TestPasosFijo : public QObject {
    Q_OBJECT

private slots:
    void binarioAEntero_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("cadena");
        QTest::addColumn<QString>("entero"); // the window's integer; empty when it stops
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QStringList>("trabajo"); // texts of its lines, and rows of its tables "|a|b|"
        QTest::addColumn<int>("reglas");

        QTest::newRow("BSS weights") << 0 << 4 << "1011"
                                     << "11" << QStringList{} << QStringList{"Suma: 8 + 2 + 1 = 11"} << 0;
        QTest::newRow("BSS one bit") << 0 << 8 << "00010000"
                                     << "16" << QStringList{} << QStringList{"Un solo bit está en 1: el valor es 16"}
                                     << 0;
        QTest::newRow("BSS 32 ones") << 0 << 32 << QString(32, '1') << "4294967295" << QStringList{}
                                     << QStringList{"2147483648", "No existe"} << 0;
        QTest::newRow("BCS negative") << 1 << 4 << "1011"
                                      << "-3" << QStringList{}
                                      << QStringList{"son la magnitud, en BSS: 011",
                                                     "Con el signo menos delante de la magnitud 3 da -3."}
                                      << 2;
        QTest::newRow("BCS -0") << 1 << 4 << "1000"
                                << "-0" << QStringList{}
                                << QStringList{"Signo 1 y magnitud 0: es el cero negativo, que se escribe -0."} << 2;
        QTest::newRow("BCS +0") << 1 << 4 << "0000"
                                << "0" << QStringList{} << QStringList{"Ningún bit está en 1: el valor es 0."} << 2;
        QTest::newRow("CA1 complement") << 2 << 4 << "1000"
                                        << "-7" << QStringList{}
                                        << QStringList{"1000 invertida da 0111", "Suma: 4 + 2 + 1 = 7"} << 2;
        QTest::newRow("CA1 -0") << 2 << 4 << "1111"
                                << "-0" << QStringList{}
                                << QStringList{"1111 invertida da 0000", "cero negativo de CA1"} << 2;
        QTest::newRow("CA1 positive") << 2 << 8 << "01111111"
                                      << "127" << QStringList{}
                                      << QStringList{"Suma: 64 + 32 + 16 + 8 + 4 + 2 + 1 = 127"} << 2;
        QTest::newRow("CA2 carries") << 3 << 8 << "11111000"
                                     << "-8" << QStringList{}
                                     << QStringList{"11111000 invertida da 00000111", "|acarreos|00001110|",
                                                    "|resultado|00001000|",
                                                    "Con el signo menos delante de la magnitud 8 da -8."}
                                     << 1;
        QTest::newRow("CA2 no carry") << 3 << 8 << "11011011"
                                      << "-37" << QStringList{}
                                      << QStringList{"|acarreos|00000000|", "|resultado|00100101|",
                                                     "Suma: 32 + 4 + 1 = 37"}
                                      << 1;
        QTest::newRow("CA2 most negative")
            << 3 << 4 << "1000"
            << "-8" << QStringList{} << QStringList{"|resultado|1000|", "Es el número más negativo"} << 1;
        QTest::newRow("CA2 positive") << 3 << 4 << "0101"
                                      << "5" << QStringList{} << QStringList{"Suma: 4 + 1 = 5"} << 1;
        QTest::newRow("Exceso lowest") << 4 << 4 << "0000"
                                       << "-8" << QStringList{} << QStringList{"Se resta el sesgo: 0 - 8 = -8"} << 2;
        QTest::newRow("Exceso zero") << 4 << 4 << "1000"
                                     << "0" << QStringList{} << QStringList{"Se resta el sesgo: 8 - 8 = 0"} << 2;
        QTest::newRow("Exceso 32") << 4 << 32 << QString(32, '1') << "2147483647" << QStringList{}
                                   << QStringList{"Se resta el sesgo: 4294967295 - 2147483648 = 2147483647"} << 2;
        QTest::newRow("too short") << 3 << 8 << "0101"
                                   << "" << QStringList{"Ingrese una cadena válida de 8 bits"}
                                   << QStringList{"debe tener exactamente 8 caracteres, y tiene 4."} << 0;
        QTest::newRow("not a bit") << 0 << 4 << "0102"
                                   << "" << QStringList{"Ingrese una cadena válida de 4 bits"}
                                   << QStringList{"El carácter 4, «2», no es 0 ni 1"} << 0;
        QTest::newRow("no length") << 0 << 1 << ""
                                   << "" << QStringList{"Ingrese un sistema y una longitud de cadena correctos"}
                                   << QStringList{"No se eligió la longitud"} << 0;
        QTest::newRow("no system") << -1 << 4 << "1010"
                                   << "" << QStringList{"Ingrese una opción"} << QStringList{"es una cadena válida"}
                                   << 0;
    }

    void binarioAEntero()
    {
        QFETCH(int, sistema);
        QFETCH(int, n);
        QFETCH(QString, cadena);
        QFETCH(QString, entero);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, trabajo);
        QFETCH(int, reglas);
        const std::string s = cadena.toStdString();
        const Trabajo w = trabajoBinarioAEntero(sistema, s, n);
        const QString plano = QString::fromStdString(w.textoPlano());
        QCOMPARE(lista(w.mensajes()), mensajes);
        for (const QString& l : trabajo)
            QVERIFY2(contiene(w, plano, l), qPrintable(l + "\n" + plano));
        QCOMPARE(::reglas(w), reglas);
        if (entero.isEmpty()) {
            QVERIFY(!plano.contains(QStringLiteral("Número en entero")));
            return;
        }
        const auto sis = static_cast<TNumberSystem>(sistema);
        QCOMPARE(QString::fromStdString(textoEntero(sis, s, n)), entero);
        QVERIFY(plano.contains(QStringLiteral("La ventana muestra %1.").arg(entero)));
        QCOMPARE(faltante(w, textosDe(textosLimites(sis, n))), QString());
        QCOMPARE(pesosQueNoSuman(w), QString());
    }

    void enteroABinario_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("cadena"); // the window's bit string; empty when none is written
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QStringList>("trabajo");
        QTest::addColumn<bool>("limites"); // the range and limits are written

        const QStringList nada;
        QTest::newRow("BSS 255") << 0 << 8 << "255"
                                 << "11111111" << nada << QStringList{"|255|127|1|"} << true;
        QTest::newRow("BSS 32 bits") << 0 << 32 << "999999"
                                     << "00000000000011110100001000111111" << nada
                                     << QStringList{"Leídos desde el último resto hasta el primero: "
                                                    "11110100001000111111",
                                                    "Se completa a 32 bits con 12 ceros a la izquierda"}
                                     << true;
        QTest::newRow("BSS zero") << 0 << 8 << "0"
                                  << "00000000" << nada << QStringList{"en binario es 0, sin divisiones"} << true;
        QTest::newRow("BSS too big") << 0 << 8 << "256"
                                     << "" << QStringList{"El número no está dentro del rango"}
                                     << QStringList{"256 es mayor que 255"} << false;
        QTest::newRow("BSS negative") << 0 << 8 << "-1"
                                      << "" << QStringList{"El número no está dentro del rango"}
                                      << QStringList{"-1 es menor que 0"} << false;
        QTest::newRow("BSS -0") << 0 << 8 << "-0"
                                << "" << QStringList{"No existe el -0 en BSS"}
                                << QStringList{"no existe un cero negativo"} << true;
        QTest::newRow("BCS -5") << 1 << 8 << "-5"
                                << "10000101" << nada
                                << QStringList{"Se completa a 7 bits con 4 ceros a la izquierda: 0000101",
                                               "Con el bit de signo delante: 1 y 0000101 dan 10000101"}
                                << true;
        QTest::newRow("BCS -0") << 1 << 8 << "-0"
                                << "10000000" << nada << QStringList{"con la magnitud 0: 10000000"} << true;
        QTest::newRow("BCS 0") << 1 << 8 << "0"
                               << "00000000" << nada << QStringList{"el bit de signo es 0"} << true;
        QTest::newRow("BCS -128") << 1 << 8 << "-128"
                                  << "" << QStringList{"El número no está dentro del rango"}
                                  << QStringList{"-128 es menor que -127"} << false;
        QTest::newRow("CA1 -5") << 2 << 8 << "-5"
                                << "11111010" << nada << QStringList{"00000101 invertida da 11111010"} << true;
        QTest::newRow("CA1 -0") << 2 << 8 << "-0"
                                << "11111111" << nada << QStringList{"cada bit de 00000000 invertido: 11111111"}
                                << true;
        QTest::newRow("CA1 positive") << 2 << 8 << "5"
                                      << "00000101" << nada << QStringList{"se escribe como en BCS"} << true;
        QTest::newRow("CA2 -8") << 3 << 8 << "-8"
                                << "11111000" << nada
                                << QStringList{"00001000 invertida da 11110111", "|acarreos|00001110|",
                                               "|resultado|11111000|",
                                               "se copian los bits hasta el primer 1 inclusive, 1000, y se invierten "
                                               "los demás, 0000, que dan 1111: 11111000"}
                                << true;
        QTest::newRow("CA2 -128") << 3 << 8 << "-128"
                                  << "10000000" << nada
                                  << QStringList{"01111111; se suma 1", "no queda ninguno que invertir: 10000000"}
                                  << true;
        QTest::newRow("CA2 -1") << 3 << 8 << "-1"
                                << "11111111" << nada << QStringList{"|acarreos|00000000|"} << true;
        QTest::newRow("CA2 leading zeros") << 3 << 8 << "-007"
                                           << "11111001" << nada << QStringList{"Se lee como el entero -7"} << true;
        QTest::newRow("CA2 -0") << 3 << 8 << "-0"
                                << "" << QStringList{"No existe el -0 en CA2"}
                                << QStringList{"CA2 tiene un solo cero, 00000000"} << true;
        QTest::newRow("Exceso -128") << 4 << 8 << "-128"
                                     << "00000000" << nada << QStringList{"-128 + 128 = 0"} << true;
        QTest::newRow("Exceso 0") << 4 << 8 << "0"
                                  << "10000000" << nada << QStringList{"0 + 128 = 128"} << true;
        QTest::newRow("Exceso 127") << 4 << 8 << "127"
                                    << "11111111" << nada << QStringList{"127 + 128 = 255"} << true;
        QTest::newRow("Exceso -000") << 4 << 16 << "-000"
                                     << "" << QStringList{"No existe el -0 en Exceso"}
                                     << QStringList{"Exceso tiene un solo cero, 0 más el sesgo: 1000000000000000"}
                                     << true;
        QTest::newRow("empty") << 3 << 8 << ""
                               << "" << QStringList{"Ingrese un número entero"} << nada << false;
        QTest::newRow("minus after") << 3 << 8 << "5-"
                                     << "" << QStringList{"Ingrese un número entero"}
                                     << QStringList{"El carácter 2, «-», no es un dígito"} << false;
        QTest::newRow("two minus") << 3 << 8 << "--5"
                                   << "" << QStringList{"Ingrese un número entero"} << QStringList{"El carácter 2, «-»"}
                                   << false;
        QTest::newRow("decimal") << 3 << 8 << "1.5"
                                 << "" << QStringList{"Ingrese un número entero"} << QStringList{"El carácter 2, «.»"}
                                 << false;
        QTest::newRow("lone minus") << 3 << 8 << "-"
                                    << "" << QStringList{QString::fromStdString(mensajeIntInvalido("-"))}
                                    << QStringList{"solo un signo"} << false;
        QTest::newRow("no system") << -1 << 8 << "5"
                                   << "" << QStringList{"El número no está dentro del rango"}
                                   << QStringList{"No se eligió el sistema"} << false;
        QTest::newRow("no length") << 3 << 0 << "5"
                                   << "" << QStringList{"El número no está dentro del rango"}
                                   << QStringList{"No se eligió la longitud"} << false;
    }

    void enteroABinario()
    {
        QFETCH(int, sistema);
        QFETCH(int, n);
        QFETCH(QString, numero);
        QFETCH(QString, cadena);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, trabajo);
        QFETCH(bool, limites);
        const std::string texto = numero.toStdString();
        const Trabajo w = trabajoEnteroABinario(sistema, texto, n);
        const QString plano = QString::fromStdString(w.textoPlano());
        QCOMPARE(lista(w.mensajes()), mensajes);
        for (const QString& l : trabajo)
            QVERIFY2(contiene(w, plano, l), qPrintable(l + "\n" + plano));
        QCOMPARE(plano.contains(QStringLiteral("Rango y límites")), limites);
        if (limites)
            QCOMPARE(faltante(w, textosDe(textosLimites(static_cast<TNumberSystem>(sistema), n))), QString());
        if (cadena.isEmpty()) {
            QVERIFY(!plano.contains(QStringLiteral("Número en binario")));
            return;
        }
        const auto sis = static_cast<TNumberSystem>(sistema);
        const std::int32_t v = StrToInt(texto);
        QCOMPARE(QString::fromStdString(cadenaDeEntero(sis, n, v, esCeroNegativo(texto, v))), cadena);
        QVERIFY(plano.contains(QStringLiteral("La ventana muestra %1.").arg(cadena)));
        if (!esCeroNegativo(texto, v))
            QCOMPARE(encadenamiento(w, cadena), QString());
    }

    // The integer-to-binary working says why a negative zero has no bits in
    // three systems and which bits it has in the other two; BSS keeps the
    // window's old bit string, so it says nothing is written.
    void negativeZeroMessagesAreTheWindowsOwn_data()
    {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("BSS") << 0 << "No existe el -0 en BSS";
        QTest::newRow("BCS") << 1 << "";
        QTest::newRow("CA1") << 2 << "";
        QTest::newRow("CA2") << 3 << "No existe el -0 en CA2";
        QTest::newRow("Exceso") << 4 << "No existe el -0 en Exceso";
    }

    void negativeZeroMessagesAreTheWindowsOwn()
    {
        QFETCH(int, sistema);
        QFETCH(QString, mensaje);
        const auto s = static_cast<TNumberSystem>(sistema);
        QCOMPARE(QString::fromStdString(mensajeCeroNegativo(s)), mensaje);
        QCOMPARE(cadenaDeEntero(s, 16, 0, true).empty(), !mensaje.isEmpty());
    }

    // Many layouts and numbers: every figure the window writes is in the
    // working, every message it shows is there in order, and the working's
    // own sums, divisions and complements end in the window's figures.
    void everyFigureOfTheWindowIsInTheWorking()
    {
        QRandomGenerator azar(20261211);
        for (int caso = 0; caso < 3000; ++caso) {
            const int sistema = static_cast<int>(azar.bounded(-1, 5));
            const int n = static_cast<int>(azar.bounded(1, 33)); // 1: no length chosen
            int largo = n;
            if (azar.bounded(10) == 0)
                largo = static_cast<int>(azar.bounded(0, 34));
            std::string s;
            for (int i = 0; i < largo; ++i)
                s += azar.bounded(200) == 0 ? '2' : static_cast<char>('0' + azar.bounded(2));
            const Trabajo w = trabajoBinarioAEntero(sistema, s, n);
            const QString donde = QStringLiteral("%1 %2 %3").arg(sistema).arg(n).arg(QString::fromStdString(s));
            QStringList mensajes;
            QStringList cifras;
            if (!cadenaValida(s, n)) {
                mensajes << QString::fromStdString(mensajeCadenaInvalida(n));
            } else if (!esSistema(sistema)) {
                mensajes << QString::fromStdString(MensajeIngreseOpcion);
            } else {
                const auto sis = static_cast<TNumberSystem>(sistema);
                const QString entero = QString::fromStdString(textoEntero(sis, s, n));
                QVERIFY2(entero == enteroEsperado(sis, s), qPrintable(donde + ": " + entero));
                cifras << entero << textosDe(textosLimites(sis, n));
            }
            QVERIFY2(lista(w.mensajes()) == mensajes, qPrintable(donde));
            QVERIFY2(faltante(w, cifras).isEmpty(), qPrintable(donde + ": " + faltante(w, cifras)));
            QVERIFY2(pesosQueNoSuman(w).isEmpty(), qPrintable(donde + ": " + pesosQueNoSuman(w)));
        }

        const QStringList raros{"", "-", "-0", "-00", "--1", "1-", "1,5", " 7", "+3", "x"};
        for (int caso = 0; caso < 3000; ++caso) {
            const int sistema = static_cast<int>(azar.bounded(-1, 5));
            const int indice = static_cast<int>(azar.bounded(-1, 3));
            const int n = indice < 0 ? 0 : 8 << indice;
            std::string texto;
            if (azar.bounded(8) == 0) {
                texto = raros.at(static_cast<int>(azar.bounded(raros.size()))).toStdString();
            } else {
                // Up to six characters, as the entry allows: -99999 to 999999.
                const int digitos = static_cast<int>(azar.bounded(1, 7));
                std::int64_t tope = 1;
                for (int i = 0; i < digitos; ++i)
                    tope *= 10;
                texto = std::to_string(azar.bounded(static_cast<quint32>(tope)));
                if (azar.bounded(2) == 0 && texto.size() < 6)
                    texto = "-" + texto;
                if (azar.bounded(10) == 0 && texto.size() < 6)
                    texto = texto[0] == '-' ? "-0" + texto.substr(1) : "0" + texto;
            }
            const Trabajo w = trabajoEnteroABinario(sistema, texto, n);
            const QString donde = QStringLiteral("%1 %2 %3").arg(sistema).arg(n).arg(QString::fromStdString(texto));
            QStringList mensajes;
            QStringList cifras;
            QString cadena;
            std::int32_t v = 0;
            bool leido = false;
            if (texto.empty() || !esNumeroEntero(texto)) {
                mensajes << QString::fromStdString(MensajeIngreseEntero);
            } else {
                try {
                    v = StrToInt(texto);
                    leido = true;
                } catch (const Fault& falla) {
                    mensajes << QString::fromUtf8(falla.what());
                }
            }
            if (leido) {
                if (!esSistema(sistema) || n == 0 || !representable(static_cast<TNumberSystem>(sistema), n, v)) {
                    mensajes << QString::fromStdString(MensajeFueraDeRango);
                } else {
                    const auto sis = static_cast<TNumberSystem>(sistema);
                    const bool cero = esCeroNegativo(texto, v);
                    const std::string rechazo = cero ? mensajeCeroNegativo(sis) : std::string();
                    if (!rechazo.empty())
                        mensajes << QString::fromStdString(rechazo);
                    cadena = QString::fromStdString(cadenaDeEntero(sis, n, v, cero));
                    if (!cadena.isEmpty()) {
                        // Read back, the bit string is the number typed.
                        const std::string b = cadena.toStdString();
                        const QString vuelta = QString::fromStdString(textoEntero(sis, b, n));
                        QVERIFY2(vuelta == (cero ? QStringLiteral("-0") : QString::number(v)),
                                 qPrintable(donde + ": " + cadena + " reads " + vuelta));
                        cifras << cadena;
                        if (!cero)
                            QVERIFY2(encadenamiento(w, cadena).isEmpty(),
                                     qPrintable(donde + ": " + encadenamiento(w, cadena)));
                    }
                    cifras << textosDe(textosLimites(sis, n));
                }
            }
            QVERIFY2(lista(w.mensajes()) == mensajes,
                     qPrintable(donde + ": " + lista(w.mensajes()).join(" / ") + " != " + mensajes.join(" / ")));
            QVERIFY2(faltante(w, cifras).isEmpty(), qPrintable(donde + ": " + faltante(w, cifras)));
        }
    }
};

QTEST_APPLESS_MAIN(TestPasosFijo)
#include "tst_pasosfijo.moc"
