#include "arith/sistnumPasosSuma.h"

#include "arith/Tad_Entera7.h"
#include "arith/Tad_Fracc7.h"
#include "floating/sistnum3.h"
#include "ieee/sistnumFormatos.h"
#include "shell/TextoDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace cifral {

namespace {

using paso::bits;
using paso::cifra;
using paso::t;

std::uint64_t magnitud(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

int signoDe(std::int64_t v)
{
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

} // namespace

std::string textoExacto(std::int64_t numerador, int k)
{
    if (numerador == 0)
        return "0";
    if (k > 200 || k < -200)
        return IntToStr(numerador) + " \u00D7 2^" + IntToStr(-k);
    const std::string s = decimalExactoDeDiadico(numerador < 0, magnitud(numerador), -k);
    // Its significant digits: FloatToStr holds up to 15 of them whole.
    std::string cifras;
    for (char c : s)
        if (c >= '0' && c <= '9')
            cifras += c;
    const std::size_t primera = cifras.find_first_not_of('0');
    const std::size_t ultima = cifras.find_last_not_of('0');
    if (ultima - primera + 1 <= 15)
        return FloatToStr(std::ldexp(static_cast<Extended>(numerador), -k));
    return s;
}

CuentaEnColumnas cuentaEnColumnas(std::uint64_t a, std::uint64_t b, bool restar, int ancho, int decimales)
{
    const auto n = static_cast<std::size_t>(ancho);
    CuentaEnColumnas c;
    c.resta = restar;
    c.acarreos.assign(n, '0');
    c.primero.assign(n, '0');
    c.segundo.assign(n, '0');
    c.resultado.assign(n, '0');
    int llevo = 0;
    for (std::size_t i = 0; i < n; ++i) { // from the rightmost column
        const std::size_t columna = n - 1 - i;
        const int x = i < 64 ? static_cast<int>((a >> i) & 1U) : 0;
        const int y = i < 64 ? static_cast<int>((b >> i) & 1U) : 0;
        c.acarreos[columna] = static_cast<char>('0' + llevo);
        c.primero[columna] = static_cast<char>('0' + x);
        c.segundo[columna] = static_cast<char>('0' + y);
        int r = restar ? x - y - llevo : x + y + llevo;
        if (restar) {
            llevo = r < 0 ? 1 : 0;
            r += 2 * llevo;
        } else {
            llevo = r >> 1;
            r &= 1;
        }
        c.resultado[columna] = static_cast<char>('0' + r);
    }
    if (decimales > 0 && decimales < ancho) {
        const std::size_t coma = n - static_cast<std::size_t>(decimales);
        c.acarreos.insert(coma, 1, ' ');
        for (std::string* fila : {&c.primero, &c.segundo, &c.resultado})
            fila->insert(coma, 1, SeparadorDecimal);
    }
    return c;
}

namespace {

// ----------------------------------------------------------- the readings

std::string invertir(std::string s)
{
    for (char& c : s)
        c = c == '0' ? '1' : '0';
    return s;
}

std::string entero(double v)
{
    return FloatToStr(v);
}

// "128 + 4 = 132": the weights of the bits set, and their sum.
Linea pesos(const std::string& b)
{
    const int n = static_cast<int>(b.size());
    std::string suma;
    for (int i = 0; i < n; ++i)
        if (b[static_cast<std::size_t>(i)] == '1')
            suma += (suma.empty() ? "" : " + ") + entero(std::ldexp(1.0, n - 1 - i));
    if (suma.empty())
        return {t("ningún bit en 1")};
    if (suma.find('+') == std::string::npos)
        return {t("un solo bit en 1, de peso " + suma)};
    return {t("suma de los pesos de los bits en 1, " + suma)};
}

void agregar(Linea& l, const Linea& mas)
{
    l.insert(l.end(), mas.begin(), mas.end());
}

// How a bit string of n bits is read in its system, ending with its value
// as the integer systems give it.
Linea lectura(const std::string& b, int n, int sistema)
{
    if (!esSistema(sistema))
        return {bits(b), t(": no se eligió sistema; la ventana toma el valor "), cifra("0")};
    const auto s = static_cast<TNumberSystem>(sistema);
    Linea l{bits(b), t(" en " + nombreSistema(sistema) + ": ")};
    const bool negativo = b[0] == '1';
    switch (s) {
    case BSS:
        agregar(l, pesos(b));
        break;
    case BCS: {
        const std::string m = b.substr(1);
        agregar(l, {t(negativo ? "signo 1 (negativo), magnitud " : "signo 0 (positivo), magnitud "), bits(m), t(" = "),
                    cifra(entero(valorBSS(m, n - 1)))});
        if (negativo && todosCeros(m, n - 1))
            l.push_back(t(": es el cero negativo, que vale 0"));
        break;
    }
    case CA1:
    case CA2:
        if (!negativo) {
            l.push_back(t("signo 0, se lee como en BSS, "));
            agregar(l, pesos(b));
        } else if (s == CA1) {
            const std::string inv = invertir(b);
            agregar(l, {t("signo 1, es negativo: se invierten todos los bits, "), bits(inv), t(" = "),
                        cifra(entero(valorBSS(inv, n)))});
            if (todosCeros(inv, n))
                l.push_back(t(": es el cero negativo, que vale 0"));
        } else {
            const double m = std::ldexp(1.0, n) - valorBSS(b, n);
            agregar(l, {t("signo 1, es negativo: se invierten los bits ("), bits(invertir(b)), t(") y se suma 1: "),
                        bits(convertir_A_BSS(n, static_cast<std::int32_t>(m))), t(" = "), cifra(entero(m))});
        }
        break;
    case Exceso:
        agregar(l, {t("en BSS vale "), cifra(entero(valorBSS(b, n))),
                    t(", menos el exceso 2^" + IntToStr(n - 1) + " = "), cifra(entero(std::ldexp(1.0, n - 1)))});
        break;
    }
    agregar(l, {t("; vale "), cifra(entero(valorSistema(s, b, n)))});
    return l;
}

// How the integer v is written with n bits in its system: the bits of the
// result, as the encoder wrote them, close the line.
Linea escritura(int sistema, int n, std::int64_t v, const std::string& resultado)
{
    const auto s = static_cast<TNumberSystem>(sistema);
    const auto m = static_cast<std::int32_t>(magnitud(v));
    Linea l{cifra(IntToStr(v)), t(" en " + nombreSistema(sistema) + " con " + IntToStr(n) + " bits: ")};
    const bool unos = !resultado.empty() && todosCeros(invertir(resultado), n);
    switch (s) {
    case BSS:
        l.push_back(t("su binario, "));
        break;
    case BCS:
        l.push_back(
            t(std::string("signo ") + (v < 0 ? "1" : "0") + " y la magnitud con " + IntToStr(n - 1) + " bits, "));
        break;
    case CA1:
        if (v == 0 && unos)
            l.push_back(t("el 0 se escribe como negativo, con todos los bits en 1 (el cero negativo), "));
        else if (v < 0)
            agregar(l, {t("la magnitud es "), bits(convertir_A_BSS(n, m)), t("; se invierten todos los bits, ")});
        else
            l.push_back(t("como en BSS, "));
        break;
    case CA2:
        if (v < 0)
            agregar(l, {t("la magnitud es "), bits(convertir_A_BSS(n, m)), t("; se invierten los bits ("),
                        bits(invertir(convertir_A_BSS(n, m))), t(") y se suma 1, ")});
        else
            l.push_back(t("como en BSS, "));
        break;
    case Exceso:
        agregar(l, {t("se le suma el exceso 2^" + IntToStr(n - 1) + ": "),
                    cifra(IntToStr(v + (std::int64_t{1} << (n - 1)))), t(", en BSS, ")});
        break;
    }
    l.push_back(bits(resultado));
    return l;
}

// --------------------------------------------------------------- the plan

struct Contexto {
    TOperacion op;
    bool fraccionaria;
    const TipoMantisa* tipo;
    int sm, nm, se, ne;
    int escala; // a mantissa is worth its units over 2^escala
};

std::string valor(const Contexto& c, const Unidades& u)
{
    return textoExacto(u.numerador, u.desplazamiento + c.escala);
}

// The figure the report prints for a value, where it differs from the
// exact one.
void comoElInforme(Linea& l, double v, const std::string& exacto)
{
    const std::string informe = FloatToStr(v);
    if (informe != exacto)
        agregar(l, {t(" (el informe lo escribe "), cifra(informe), t(")")});
}

const char* ordinal(int numero)
{
    return numero == 1 ? "1.º" : "2.º";
}

const char* nombreNumero(int numero)
{
    return numero == 1 ? "primer" : "segundo";
}

std::string tipoTexto(const Contexto& c)
{
    return c.fraccionaria ? "fraccionaria" : "entera";
}

void leerNumero(Trabajo& w, const Contexto& c, int numero, const std::string& m, const std::string& e,
                const Unidades& M, std::int32_t E, double informeMantisa, double informeExponente, bool leido)
{
    w.paso(std::string("El ") + nombreNumero(numero) + " número");
    Linea lm{t("Mantisa: ")};
    agregar(lm, lectura(m, c.nm, c.sm));
    w.linea(lm);
    const std::string v = valor(c, M);
    if (c.fraccionaria && esSistema(c.sm)) {
        Linea lf{t("Como mantisa fraccionaria se divide por 2^" + IntToStr(c.escala) + ": "),
                 cifra(IntToStr(M.numerador)), t(" / 2^" + IntToStr(c.escala) + " = "), cifra(v)};
        if (leido)
            comoElInforme(lf, informeMantisa, v);
        w.linea(lf);
    } else if (leido) {
        Linea lf;
        comoElInforme(lf, informeMantisa, v);
        if (!lf.empty())
            w.linea(lf);
    }
    Linea le{t("Exponente: ")};
    agregar(le, lectura(e, c.ne, c.se));
    w.linea(le);
    Linea ln{t(std::string("El ") + nombreNumero(numero) + " número es M \u00D7 2^E = "), cifra(v),
             t(" \u00D7 2^" + IntToStr(E))};
    if (M.numerador != 0 && std::abs(static_cast<long>(E)) <= 150)
        agregar(ln, {t(" = "), cifra(textoExacto(M.numerador, M.desplazamiento + c.escala - E))});
    w.linea(ln);
    if (leido && informeExponente != static_cast<double>(E))
        w.linea({t("El informe escribe el exponente "), cifra(FloatToStr(informeExponente))});
}

// The row of a move of the equalisation: its number, the number it moved,
// what was done, the mantissa written, its value and its exponent.
std::vector<Tramo> filaDeMovimiento(const Contexto& c, const TOperandos& o, int paso, const MovimientoSuma& m)
{
    // Undone, a number is again as it was typed.
    const std::string escrita = m.tipo != MovimientoSuma::Tipo::Deshacer ? m.bits
                                : m.numero == 1                          ? o.m1.substr(0, std::size_t(c.nm))
                                                                         : o.m2.substr(0, std::size_t(c.nm));
    using Tipo = MovimientoSuma::Tipo;
    std::string que;
    switch (m.tipo) {
    case Tipo::Mitad:
        que = c.fraccionaria
                  ? (corte(m.mantisa).resto ? "÷ 2: escrita con " + IntToStr(c.nm) +
                                                  " bits termina en 0, se acepta (un bit queda por debajo del último)"
                                            : "÷ 2: escrita con " + IntToStr(c.nm) + " bits termina en 0, se acepta")
                  : "÷ 2 (era par), el exponente sube 1";
        break;
    case Tipo::MitadRechazada:
        que = !c.fraccionaria  ? "no se divide: la mantisa es impar"
              : m.bits.empty() ? "÷ 2: no se puede escribir, se rechaza"
                               : "÷ 2: termina en 1, se rechaza";
        break;
    case Tipo::Deshacer:
        que = "se deshacen las divisiones: vuelve a como se escribió";
        break;
    case Tipo::Doble:
        que = c.fraccionaria ? "× 2: termina en 0, se acepta; el exponente baja 1"
                             : "× 2 (queda en el rango), el exponente baja 1";
        break;
    case Tipo::DobleRechazado:
        que = !c.fraccionaria                                          ? "× 2: sale del rango, se rechaza"
              : !m.bits.empty()                                        ? "× 2: termina en 1, se rechaza"
              : corte(m.mantisa).piso >= (std::int64_t{1} << c.escala) ? "× 2: llega a 1, se rechaza"
                                                                       : "× 2: sale del rango, se rechaza";
        break;
    case Tipo::BitsAltos:
    case Tipo::UltimosBits:
        break;
    }
    return {cifra(IntToStr(paso)),      t(ordinal(m.numero)),        t(que), escrita.empty() ? t("—") : bits(escrita),
            cifra(valor(c, m.mantisa)), cifra(IntToStr(m.exponente))};
}

void explicarMetodo(Trabajo& w, const Contexto& c, const TrazaSuma& tr)
{
    const std::int32_t E1 = tr.inicial.E1;
    const std::int32_t E2 = tr.inicial.E2;
    const int menor = E1 < E2 ? 1 : 2;
    const std::int32_t Emenor = std::min(E1, E2);
    const std::int32_t Emayor = std::max(E1, E2);
    w.linea(
        {t("E1 = "), cifra(IntToStr(E1)), t(" y E2 = "), cifra(IntToStr(E2)),
         t(" son distintos: antes de operar hay que llevar los dos números al mismo exponente. El menor es el del " +
           std::string(nombreNumero(menor)) + " número.")});
    const bool comoBSS = c.sm == BSS || !esSistema(c.sm);
    if (!c.fraccionaria) {
        w.linea({t("Mientras la mantisa del " + std::string(nombreNumero(menor)) +
                   " número sea par, se divide por 2 y su exponente sube 1 (no se pierde ningún bit). Cuando queda "
                   "impar, se duplica la mantisa del otro número y su exponente baja 1, hasta que los exponentes "
                   "coinciden; cada duplicación debe quedar en el rango. Antes de cada paso se mira el " +
                   std::string(comoBSS ? "primer" : "segundo") +
                   " bit de las dos mantisas: si en las dos es 1, no se sigue.")});
        w.regla({t("Un sumador real desplaza siempre a la derecha la mantisa del exponente menor y redondea los bits "
                   "que salen; esta ventana la divide sólo mientras es par y, si no, duplica la otra mantisa.")});
    } else {
        w.linea({t("Primero se intenta subir el exponente " + IntToStr(Emenor) + " hasta " + IntToStr(Emayor) +
                   " dividiendo por 2 la mantisa del " + std::string(nombreNumero(menor)) +
                   " número: cada división se acepta si la mantisa, escrita con " + IntToStr(c.nm) +
                   " bits, termina en 0. Si una no se acepta, se vuelve a los números como se escribieron y se baja "
                   "el exponente " +
                   IntToStr(Emayor) +
                   " duplicando la otra mantisa: cada duplicación se acepta si queda por debajo de 1, en el rango, y "
                   "escrita termina en 0.")});
        if (c.op == Suma)
            w.linea({t("En la suma, si las dos mantisas terminan en 1, no se intenta.")});
        w.regla({t("Un sumador real desplaza siempre a la derecha la mantisa del exponente menor y redondea los bits "
                   "que salen; esta ventana acepta una división aunque un bit caiga por debajo del último (lo mira "
                   "escrita con " +
                   IntToStr(c.nm) +
                   " bits) y, si no puede dividir, duplica la otra mantisa; nunca mezcla las dos formas.")});
    }
}

// The moves of the equalisation as one table; a very long one keeps its
// first and last rows.
void tablaDeMovimientos(Trabajo& w, const Contexto& c, const TOperandos& o, const TrazaSuma& tr)
{
    Tabla tabla{{"Paso", "Número", "Operación", "Mantisa", "Valor", "Exponente"}, {}};
    tabla.filas.push_back({cifra("0"), t("1.º"), t("como se escribió"), bits(o.m1.substr(0, std::size_t(c.nm))),
                           cifra(valor(c, tr.inicial.M1)), cifra(IntToStr(tr.inicial.E1))});
    tabla.filas.push_back({cifra("0"), t("2.º"), t("como se escribió"), bits(o.m2.substr(0, std::size_t(c.nm))),
                           cifra(valor(c, tr.inicial.M2)), cifra(IntToStr(tr.inicial.E2))});
    std::vector<std::vector<Tramo>> filas;
    for (const MovimientoSuma& m : tr.movimientos)
        if (m.tipo != MovimientoSuma::Tipo::BitsAltos && m.tipo != MovimientoSuma::Tipo::UltimosBits)
            filas.push_back(filaDeMovimiento(c, o, static_cast<int>(filas.size()) + 1, m));
    const std::size_t primeras = 24, ultimas = 16;
    if (filas.size() > primeras + ultimas + 1) {
        const std::size_t saltadas = filas.size() - primeras - ultimas;
        tabla.filas.insert(tabla.filas.end(), filas.begin(), filas.begin() + primeras);
        tabla.filas.push_back({t("…"), t(""),
                               t(IntToStr(static_cast<std::int64_t>(saltadas)) + " pasos más como los de arriba"),
                               t(""), t(""), t("")});
        tabla.filas.insert(tabla.filas.end(), filas.end() - ultimas, filas.end());
    } else
        tabla.filas.insert(tabla.filas.end(), filas.begin(), filas.end());
    if (tabla.filas.size() > 2)
        w.tabla(tabla);
}

void igualarExponentes(Trabajo& w, const Contexto& c, const TOperandos& o, const TrazaSuma& tr,
                       const TResultadoOperacion& r)
{
    w.paso("Los exponentes");
    if (tr.mismoTexto) {
        w.linea({t("Los dos exponentes se escriben igual, "), bits(o.e1.substr(0, std::size_t(c.ne))),
                 t(std::string(": no hay que mover ninguna mantisa; se ") + (c.op == Suma ? "suman" : "restan") +
                   " las mantisas tal como están y el resultado lleva ese mismo exponente.")});
        return;
    }
    if (tr.inicial.E1 == tr.inicial.E2) {
        w.linea({t("Los exponentes se escriben distinto pero valen lo mismo, "), cifra(IntToStr(tr.inicial.E1)),
                 t(": no hay que mover ninguna mantisa.")});
        w.regla({t("La ventana compara los textos de los exponentes: como no son iguales, el exponente del resultado "
                   "se vuelve a escribir a partir de su valor, que puede no coincidir con ninguno de los dos.")});
        return;
    }
    explicarMetodo(w, c, tr);
    // The tests that stop the equalisation before any move.
    std::vector<const MovimientoSuma*> altos;
    for (const MovimientoSuma& m : tr.movimientos)
        if (m.tipo == MovimientoSuma::Tipo::BitsAltos || m.tipo == MovimientoSuma::Tipo::UltimosBits)
            altos.push_back(&m);
    tablaDeMovimientos(w, c, o, tr);
    if (altos.size() == 2) {
        const bool ultimos = altos[0]->tipo == MovimientoSuma::Tipo::UltimosBits;
        const bool comoBSS = c.sm == BSS || !esSistema(c.sm);
        const std::string cual = ultimos ? "el último bit" : comoBSS ? "el primer bit" : "el segundo bit";
        w.linea({t("Las mantisas " + std::string(ultimos ? "" : "de trabajo ")), bits(altos[0]->bits), t(" y "),
                 bits(altos[1]->bits), t(" tienen las dos " + cual + " en 1: la ventana no sigue.")});
        if (!ultimos && comoBSS && c.op == Resta)
            w.regla({t("La ventana hace esta prueba también al restar, con el mensaje de la suma, aunque la diferencia "
                       "pudiera entrar en el rango.")});
        if (!ultimos && !comoBSS)
            w.regla({t("En BCS, CA1, CA2 y Exceso la ventana se detiene aquí sin mostrar ningún mensaje, aunque el "
                       "resultado pudiera entrar en el rango (por ejemplo, con dos mantisas negativas pequeñas).")});
        if (ultimos)
            w.regla({t("Sólo la suma hace esta prueba; la resta intenta igualar los exponentes igual.")});
    }
    if (tr.etapa == TrazaSuma::Etapa::Igualacion) {
        for (const std::string& m : r.mensajes)
            w.mensaje(m);
        w.linea({t("Los exponentes no se igualaron: la ventana deja vacíos los dos campos del resultado.")});
        return;
    }
    for (std::size_t i = 0; i < tr.mensajesAntesDelResultado && i < r.mensajes.size(); ++i)
        w.mensaje(r.mensajes[i]);
    w.linea({t("Exponente común: "), cifra(IntToStr(tr.alineada.E1)), t(". Primera mantisa: "),
             cifra(valor(c, tr.alineada.M1)), t("; segunda mantisa: "), cifra(valor(c, tr.alineada.M2)), t(".")});
}

// The mantissas added or subtracted column by column, on their magnitudes,
// as on paper.
void operarMantisas(Trabajo& w, const Contexto& c, const TrazaSuma& tr, const TResultadoOperacion& r)
{
    const bool suma = c.op == Suma;
    w.paso(suma ? "La suma de las mantisas" : "La resta de las mantisas");
    const Unidades& x = tr.alineada.M1;
    const Unidades& y = tr.alineada.M2;
    const int d = std::max(x.desplazamiento, y.desplazamiento);
    w.regla({t("La ventana opera con los valores de las mantisas, con su signo, como se hace en el papel, y recién "
               "después escribe el resultado en el sistema de la mantisa; un sumador real opera directamente con los "
               "bits de las mantisas codificadas.")});
    if (d > 40) {
        w.linea({t("Una mantisa quedó " + IntToStr(d) +
                   " posiciones por debajo del último bit: la cuenta en columnas no entra en la página. Con los "
                   "valores: "),
                 cifra(valor(c, x)), t(suma ? " + " : " - "), cifra(valor(c, y)), t(" = "),
                 cifra(FloatToStr(r.detalle.valorMantisaResultado))});
        return;
    }
    const int k = c.escala + d;
    const std::uint64_t A = magnitud(x.numerador) << (d - x.desplazamiento);
    const std::uint64_t B = magnitud(y.numerador) << (d - y.desplazamiento);
    const int sx = signoDe(x.numerador);
    const int sy = signoDe(y.numerador) * (suma ? 1 : -1);
    const std::string nx = "1.ª mantisa";
    const std::string ny = "2.ª mantisa";
    bool restar;
    bool primeroArriba = true;
    int signo;
    if (sx * sy >= 0) {
        restar = false;
        signo = sx != 0 ? sx : sy;
        if (sx * sy == 0 && signo != 0)
            w.linea({t("Una de las mantisas es 0: se suman las magnitudes y el resultado lleva el signo de la otra.")});
        else
            w.linea({t(
                suma ? "Las dos mantisas tienen el mismo signo: se suman sus magnitudes y el resultado lleva ese signo."
                     : "La primera mantisa y la segunda cambiada de signo tienen el mismo signo: se suman sus "
                       "magnitudes y el resultado lleva ese signo.")});
    } else {
        restar = true;
        primeroArriba = A >= B;
        signo = primeroArriba ? sx : sy;
        w.linea({t(std::string(suma ? "Las mantisas tienen signos distintos"
                                    : "La primera mantisa y la segunda cambiada de signo tienen signos distintos") +
                   ": a la magnitud mayor (la de la " + std::string(primeroArriba ? "primera" : "segunda") +
                   ") se le resta la menor, con préstamos, y el resultado lleva el signo de la mayor.")});
    }
    const std::uint64_t arriba = primeroArriba ? A : B;
    const std::uint64_t abajo = primeroArriba ? B : A;
    const std::uint64_t R = restar ? arriba - abajo : arriba + abajo;
    int ancho = c.fraccionaria ? k + 1 : c.nm + 1;
    while (ancho < 63 && (R >> ancho) != 0)
        ++ancho;
    const CuentaEnColumnas cuenta = cuentaEnColumnas(arriba, abajo, restar, ancho, c.fraccionaria ? k : 0);
    auto fila = [k](const std::string& nombre, const std::string& b, std::uint64_t v) {
        return std::vector<Tramo>{t(nombre), bits(b), cifra(textoExacto(static_cast<std::int64_t>(v), k))};
    };
    Tabla tabla{{"", "Magnitudes en binario", "Valor"}, {}};
    tabla.filas.push_back({t(restar ? "Préstamos" : "Acarreos"), bits(cuenta.acarreos), t("")});
    tabla.filas.push_back(fila(primeroArriba ? nx : ny, cuenta.primero, arriba));
    tabla.filas.push_back(fila(std::string(restar ? "- " : "+ ") + (primeroArriba ? ny : nx), cuenta.segundo, abajo));
    tabla.filas.push_back(fila(restar ? "= diferencia" : "= suma", cuenta.resultado, R));
    w.tabla(tabla);
    const std::int64_t exacto = signo < 0 ? -static_cast<std::int64_t>(R) : static_cast<std::int64_t>(R);
    const std::string textoExact = textoExacto(exacto, k);
    Linea l{t("Resultado exacto: "), cifra(valor(c, x)), t(suma ? " + " : " - "),
            cifra(valor(c, y)),      t(" = "),           cifra(textoExact)};
    comoElInforme(l, r.detalle.valorMantisaResultado, textoExact);
    w.linea(l);
}

void mantisaDelResultado(Trabajo& w, const Contexto& c, const TrazaSuma& tr, const TResultadoOperacion& r)
{
    w.paso("La mantisa del resultado");
    const Rango rg = c.tipo->rangoMantisa(static_cast<TNumberSystem>(c.sm), c.nm);
    auto unidades = [&c](double v) { return static_cast<std::int64_t>(std::ldexp(v, c.escala)); };
    w.linea({t("El rango de una mantisa " + tipoTexto(c) + " de " + IntToStr(c.nm) + " bits en " + nombreSistema(c.sm) +
               " va de "),
             cifra(textoExacto(unidades(rg.desde), c.escala)), t(" a "),
             cifra(textoExacto(unidades(rg.hasta), c.escala)), t(".")});
    const std::size_t desde = std::min(tr.mensajesAntesDelResultado, r.mensajes.size());
    const std::size_t hasta = std::min(tr.mensajesAntesDelExponente, r.mensajes.size());
    const Corte& x = tr.resultado;
    if (r.mantisa.empty()) {
        w.linea({t("El resultado queda fuera de ese rango: no se puede escribir.")});
        for (std::size_t i = desde; i < hasta; ++i)
            w.mensaje(r.mensajes[i]);
        w.regla({t("La ventana no normaliza el resultado: un sumador real, cuando la mantisa no alcanza, la corre un "
                   "lugar y cambia el exponente; esta ventana muestra el mensaje y deja vacía la mantisa del "
                   "resultado.")});
        return;
    }
    const std::int64_t v = haciaCero(x);
    if (x.resto) {
        w.linea({t("El resultado está en el rango, pero tiene bits por debajo del último de la mantisa: se cortan "
                   "(hacia el cero) y queda "),
                 cifra(textoExacto(v, c.escala)), t(".")});
        w.regla({t("La ventana corta el resultado en lugar de redondearlo, y no lo normaliza.")});
    } else {
        w.linea({t("El resultado está en el rango y no tiene bits por debajo del último: se escribe tal cual.")});
        w.regla({t("La ventana no normaliza el resultado: lo deja con el exponente común aunque su mantisa empiece "
                   "con ceros; un sumador real lo normaliza y redondea.")});
    }
    if (c.fraccionaria)
        w.linea({t("Por 2^" + IntToStr(c.escala) + " es el entero "), cifra(IntToStr(v)), t(".")});
    w.linea(escritura(c.sm, c.nm, v, r.mantisa));
    if (c.sm == CA1 && v == 0 && todosCeros(invertir(r.mantisa), c.nm))
        w.regla({t(c.fraccionaria ? "Un resultado negativo que se corta a 0 queda escrito con todos los bits en 1, el "
                                    "cero negativo de CA1; el libro escribe el cero con todos los bits en 0."
                                  : "Con mantisa entera la ventana escribe en CA1 como negativo todo valor que no "
                                    "sea positivo: un resultado 0 queda con todos los bits en 1 (el cero negativo); "
                                    "el libro lo escribe con todos los bits en 0.")});
    for (std::size_t i = desde; i < hasta; ++i)
        w.mensaje(r.mensajes[i]);
}

void exponenteDelResultado(Trabajo& w, const Contexto& c, const TrazaSuma& tr, const TResultadoOperacion& r)
{
    w.paso("El exponente del resultado");
    if (tr.mismoTexto) {
        w.linea({t("Es el exponente de los dos números, tal como se escribió: "), bits(r.exponente)});
        return;
    }
    const std::int32_t E = tr.alineada.E1;
    if (!esSistema(c.se)) {
        w.linea({t("No se eligió sistema para el exponente: no se escribe.")});
    } else if (r.exponente.empty()) {
        w.linea({t("El exponente común "), cifra(IntToStr(E)), t(" no entra en el exponente.")});
    } else {
        w.linea(escritura(c.se, c.ne, E, r.exponente));
        if (c.se == CA1 && E == 0)
            w.regla({t("La ventana escribe en CA1 como negativo todo exponente que no sea positivo: el 0 queda con "
                       "todos los bits en 1 (el cero negativo); el libro lo escribe con todos los bits en 0.")});
    }
    for (std::size_t i = std::min(tr.mensajesAntesDelExponente, r.mensajes.size()); i < r.mensajes.size(); ++i)
        w.mensaje(r.mensajes[i]);
}

void resultado(Trabajo& w, const Contexto& c, const TrazaSuma& tr, const TResultadoOperacion& r)
{
    w.paso("El resultado");
    auto campo = [](const std::string& s) { return s.empty() ? t("(vacío)") : bits(s); };
    w.linea({t("La ventana muestra la mantisa "), campo(r.mantisa), t(" y el exponente "), campo(r.exponente), t(".")});
    if (r.mantisa.empty() || r.exponente.empty())
        return;
    const std::int64_t v = haciaCero(tr.resultado);
    const std::int32_t E = tr.alineada.E1;
    Linea l{t("En decimal, como el informe: mantisa "), cifra(FloatToStr(r.detalle.valorMantisaResultado)),
            t(", exponente "), cifra(FloatToStr(r.detalle.valorExponenteResultado)), t(".")};
    w.linea(l);
    if (tr.resultado.resto)
        w.linea({t("El informe da el valor exacto de la operación; la mantisa escrita vale "),
                 cifra(textoExacto(v, c.escala)), t(".")});
    Linea n{t("El resultado es "), cifra(textoExacto(v, c.escala)), t(" \u00D7 2^" + IntToStr(E))};
    if (v != 0 && std::abs(static_cast<long>(E)) <= 150)
        agregar(n, {t(" = "), cifra(textoExacto(v, c.escala - E))});
    n.push_back(t("."));
    w.linea(n);
}

void escribirTrabajo(Trabajo& w, int tipoMantisa, TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                     const TOperationDetail& previo)
{
    const bool fraccionaria = tipoMantisa == Fraccionaria;
    Contexto c{op,
               fraccionaria,
               fraccionaria ? &mantisaFraccionaria() : &mantisaEntera(),
               f.sistemaMantisa,
               f.longitudMantisa,
               f.sistemaExponente,
               f.longitudExponente,
               0};
    auto sistema = [](int s) { return esSistema(s) ? nombreSistema(s) : std::string("sin sistema elegido"); };
    auto longitud = [](int n) { return n > 0 ? IntToStr(n) + " bits" : std::string("sin longitud elegida"); };

    w.paso("El formato y la operación");
    w.linea({t(std::string("Mantisa ") +
               (tipoMantisa == Entera ? "entera"
                : fraccionaria        ? "fraccionaria"
                                      : "sin tipo elegido") +
               " de " + longitud(c.nm) + " en " + sistema(c.sm) + "; exponente de " + longitud(c.ne) + " en " +
               sistema(c.se) + ".")});
    w.linea({t(std::string("Cada número vale M \u00D7 2^E, con la mantisa M y el exponente E leídos cada uno en su "
                           "sistema. La operación es ") +
               (op == Suma ? "primero + segundo." : "primero - segundo."))});

    if (fraccionaria)
        w.regla({t("Una mantisa fraccionaria de n bits vale su número entero dividido por 2^n en BSS y Exceso y por "
                   "2^(n-1) en BCS, CA1 y CA2, donde el primer bit es el signo; así en Exceso queda entre -0,5 y 0,5. "
                   "En esta ventana no hay bit implícito ni se pide mantisa normalizada.")});
    else if (tipoMantisa == Entera)
        w.regla({t("La mantisa entera vale su número entero en el sistema, sin bit implícito ni normalización; un "
                   "formato real usa una mantisa fraccionaria normalizada.")});

    w.paso("Los bits escritos");
    if (!operandosBinarios(o, f)) {
        const std::string nombres[] = {"La primera mantisa", "El primer exponente", "La segunda mantisa",
                                       "El segundo exponente"};
        const std::string* textos[] = {&o.m1, &o.e1, &o.m2, &o.e2};
        for (int i = 0; i < 4; ++i) {
            const std::string& s = *textos[i];
            const int n = i % 2 == 0 ? c.nm : c.ne;
            if (SonBinarios(s, s, n))
                continue;
            const std::string porque = n < 1 ? "no hay longitud elegida"
                                       : static_cast<int>(s.size()) < n
                                           ? "tiene " + IntToStr(static_cast<std::int64_t>(s.size())) +
                                                 " caracteres y hacen falta " + IntToStr(n)
                                           : "tiene un carácter que no es 0 ni 1 entre sus primeros " + IntToStr(n);
            w.linea({t(nombres[i] + " «" + s + "» " + porque + ".")});
        }
        w.mensaje("Ingrese números en Binario");
        w.linea({t("La ventana vacía los dos campos del resultado y no calcula nada.")});
        return;
    }
    w.linea({t("Mantisas "), bits(o.m1.substr(0, std::size_t(c.nm))), t(" y "), bits(o.m2.substr(0, std::size_t(c.nm))),
             t("; exponentes "), bits(o.e1.substr(0, std::size_t(c.ne))), t(" y "),
             bits(o.e2.substr(0, std::size_t(c.ne))), t(": todos con los bits del formato, 0 o 1.")});
    const std::size_t largo = std::max({o.m1.size() - std::size_t(c.nm), o.m2.size() - std::size_t(c.nm),
                                        o.e1.size() - std::size_t(c.ne), o.e2.size() - std::size_t(c.ne)});
    if (largo > 0)
        w.linea({t("De un texto más largo que el formato sólo se leen sus primeros bits.")});
    if (tipoMantisa != Entera && !fraccionaria) {
        w.paso("El tipo de mantisa");
        w.linea({t("No se eligió el tipo de mantisa («Entera» o «Fraccionaria»): la ventana no calcula nada y el "
                   "resultado queda como estaba.")});
        return;
    }
    if (fraccionaria && esSistema(c.sm))
        c.escala = c.tipo->escala(c.sm, c.nm);

    TrazaSuma tr;
    const TResultadoOperacion r = operarFlotantes(*c.tipo, op, o, f, previo, &tr);
    const bool leido = tr.etapa != TrazaSuma::Etapa::SinSistema;
    const std::string m1 = o.m1.substr(0, std::size_t(c.nm));
    const std::string m2 = o.m2.substr(0, std::size_t(c.nm));
    const std::string e1 = o.e1.substr(0, std::size_t(c.ne));
    const std::string e2 = o.e2.substr(0, std::size_t(c.ne));
    leerNumero(w, c, 1, m1, e1, tr.inicial.M1, tr.inicial.E1, r.detalle.valorMantisa1, r.detalle.valorExponente1,
               leido);
    leerNumero(w, c, 2, m2, e2, tr.inicial.M2, tr.inicial.E2, r.detalle.valorMantisa2, r.detalle.valorExponente2,
               leido);

    if (tr.etapa == TrazaSuma::Etapa::SinSistema) {
        w.paso("Sin sistema de mantisa");
        w.linea({t("Los exponentes se escriben igual, pero no se eligió el sistema de la mantisa: la ventana no "
                   "opera y sólo escribe el exponente del resultado, "),
                 bits(r.exponente), t(".")});
        return;
    }
    igualarExponentes(w, c, o, tr, r);
    if (tr.etapa == TrazaSuma::Etapa::Igualacion)
        return;
    if (tr.etapa == TrazaSuma::Etapa::PrimeraFuera || tr.etapa == TrazaSuma::Etapa::SegundaFuera) {
        w.paso("El rango de las mantisas");
        w.linea({t(std::string(tr.etapa == TrazaSuma::Etapa::PrimeraFuera ? "La primera" : "La segunda") +
                   " mantisa no está en el rango de la mantisa (sin sistema elegido no hay rango): no se opera.")});
        for (std::size_t i = tr.mensajesAntesDelResultado; i < r.mensajes.size(); ++i)
            w.mensaje(r.mensajes[i]);
        return;
    }
    operarMantisas(w, c, tr, r);
    mantisaDelResultado(w, c, tr, r);
    exponenteDelResultado(w, c, tr, r);
    resultado(w, c, tr, r);
}

} // namespace

Trabajo trabajoSumaResta(int tipoMantisa, TOperacion op, const TOperandos& o, const TFormatoSuma& f,
                         const TOperationDetail& previo)
{
    Trabajo w(op == Suma ? "Suma de dos números en punto flotante" : "Resta de dos números en punto flotante");
    try {
        escribirTrabajo(w, tipoMantisa, op, o, f, previo);
    } catch (const Fault& falla) {
        w.mensaje(falla.what());
    }
    return w;
}

} // namespace cifral
