#include "fixed/sistnumPasosFijo.h"

#include "shell/TextoDecimal.h"

#include <cstddef>
#include <cstdint>

namespace cifral {

using paso::bits;
using paso::cifra;
using paso::t;

namespace {

// 2^k exactly, for the formulas of the working (0 <= k <= 32).
std::uint64_t dosA(int k)
{
    return k <= 0 ? 1u : std::uint64_t{1} << k;
}

std::string numero(std::int64_t v)
{
    return IntToStr(v);
}

std::string potencia(int k)
{
    return "2^" + std::to_string(k);
}

std::string nombreLargo(TNumberSystem sistema)
{
    switch (sistema) {
    case BSS:
        return "BSS (binario sin signo)";
    case BCS:
        return "BCS (signo y magnitud)";
    case CA1:
        return "CA1 (complemento a 1)";
    case CA2:
        return "CA2 (complemento a 2)";
    case Exceso:
        return "Exceso (exceso a 2^(n-1))";
    }
    return {};
}

bool soloBits(const std::string& s)
{
    return !s.empty() && esBinario(s, static_cast<int>(s.size()));
}

// A typed text: set as a bit string when it is one, between quotes otherwise.
Tramo tecleado(const std::string& s)
{
    return soloBits(s) ? bits(s) : t("\xC2\xAB" + s + "\xC2\xBB");
}

std::string invertir(std::string s)
{
    for (char& c : s)
        c = c == '0' ? '1' : '0';
    return s;
}

// The sum b + 1 as written on the board: the carry that enters each column
// from the one on its right, and the result; a carry out of the leftmost
// column is dropped.
struct SumaUno {
    std::string acarreos;
    std::string resultado;
    bool acarreoFinal = false;
};

SumaUno sumarUno(const std::string& b)
{
    SumaUno r{std::string(b.size(), '0'), b, false};
    int acarreo = 0;
    for (std::size_t i = b.size(); i-- > 0;) {
        r.acarreos[i] = static_cast<char>('0' + acarreo);
        const int suma = (b[i] - '0') + (i + 1 == b.size() ? 1 : 0) + acarreo;
        r.resultado[i] = static_cast<char>('0' + suma % 2);
        acarreo = suma / 2;
    }
    r.acarreoFinal = acarreo != 0;
    return r;
}

void escribirSumaUno(Trabajo& w, const std::string& b)
{
    const SumaUno s = sumarUno(b);
    std::string uno(b.size(), '0');
    if (!uno.empty())
        uno.back() = '1';
    w.tabla(Tabla{{},
                  {{t("acarreos"), bits(s.acarreos)},
                   {t("invertida"), bits(b)},
                   {t("+ 1"), bits(uno)},
                   {t("resultado"), bits(s.resultado)}}});
    if (s.acarreoFinal)
        w.linea({t("El acarreo que sale del bit de la izquierda se descarta.")});
}

// The table of positional weights of a bit string and the sum of the
// weights of its ones. The total is the value the system routine gives for
// the string read in BSS, written as the window writes it.
std::string sumaDePesos(Trabajo& w, const std::string& cadena)
{
    const int n = static_cast<int>(cadena.size());
    if (n == 0) {
        w.linea({t("No hay bits que sumar: el valor es "), cifra("0"), t(".")});
        return "0";
    }
    const std::string total = FloatToStr(valorBSS(cadena, n));
    Tabla tabla{{"k", "Bit", "Peso 2^k", "Aporte"}, {}};
    std::vector<std::string> aportes;
    for (int i = 0; i < n; ++i) {
        const int k = n - 1 - i;
        const char c = cadena[static_cast<std::size_t>(i)];
        const std::string peso = numero(static_cast<std::int64_t>(dosA(k)));
        tabla.filas.push_back({cifra(numero(k)), bits(std::string(1, c)), cifra(peso), cifra(c == '1' ? peso : "0")});
        if (c == '1')
            aportes.push_back(peso);
    }
    w.linea({t("Se lee "), bits(cadena),
             t(" en BSS: cada bit aporta su peso 2^k, con k su posición contada desde 0 a la derecha, y se suman "
               "los pesos de los bits en 1:")});
    w.tabla(std::move(tabla));
    if (aportes.empty()) {
        w.linea({t("Ningún bit está en 1: el valor es "), cifra(total), t(".")});
    } else if (aportes.size() == 1) {
        w.linea({t("Un solo bit está en 1: el valor es "), cifra(total), t(".")});
    } else {
        Linea suma{t("Suma: ")};
        for (std::size_t i = 0; i < aportes.size(); ++i) {
            if (i > 0)
                suma.push_back(t(" + "));
            suma.push_back(cifra(aportes[i]));
        }
        suma.push_back(t(" = "));
        suma.push_back(cifra(total));
        w.linea(std::move(suma));
    }
    return total;
}

// The divisions by 2 of m as a table, and its digits read from the last
// remainder to the first.
std::string divisiones(Trabajo& w, std::uint64_t m)
{
    if (m == 0) {
        w.linea({t("El número es "), cifra("0"), t(": en binario es "), bits("0"), t(", sin divisiones.")});
        return "0";
    }
    Tabla tabla{{"Dividendo", "Cociente", "Resto"}, {}};
    std::string restos;
    for (std::uint64_t d = m; d != 0; d /= 2) {
        const char resto = static_cast<char>('0' + d % 2);
        tabla.filas.push_back({cifra(numero(static_cast<std::int64_t>(d))),
                               cifra(numero(static_cast<std::int64_t>(d / 2))), bits(std::string(1, resto))});
        restos += resto;
    }
    const std::string digitos(restos.rbegin(), restos.rend());
    w.linea({t("Se divide "), cifra(numero(static_cast<std::int64_t>(m))),
             t(" por 2, y cada cociente otra vez, hasta llegar al cociente 0; cada resto es un bit, empezando por el "
               "de la derecha:")});
    w.tabla(std::move(tabla));
    w.linea({t("Leídos desde el último resto hasta el primero: "), bits(digitos)});
    return digitos;
}

// The digits filled up with zeros on the left to a width.
std::string completar(Trabajo& w, const std::string& digitos, int ancho)
{
    const int faltan = ancho - static_cast<int>(digitos.size());
    if (faltan <= 0) {
        w.linea({bits(digitos), t(" ya tiene "), cifra(numero(ancho)), t(" bits.")});
        return digitos;
    }
    const std::string r = std::string(static_cast<std::size_t>(faltan), '0') + digitos;
    w.linea({t("Se completa a "), cifra(numero(ancho)), t(" bits con "), cifra(numero(faltan)),
             t(faltan == 1 ? " cero a la izquierda: " : " ceros a la izquierda: "), bits(r)});
    return r;
}

// The padding to n bits, as a step of its own.
std::string completarA(Trabajo& w, const std::string& digitos, int n)
{
    w.paso("Completar a " + numero(n) + " bits");
    return completar(w, digitos, n);
}

// The range and the four limits as the window writes them, each with its
// formula for n bits.
void pasoLimites(Trabajo& w, TNumberSystem sistema, int n)
{
    const TextosLimites lim = textosLimites(sistema, n);
    const std::string ene = numero(n);
    const std::string medio = potencia(n - 1);
    w.paso("Rango y límites de " + nombreSistema(sistema) + " con " + ene + " bits");
    if (sistema == BSS)
        w.linea({t("Con n = "), cifra(ene), t(": 2^n = " + potencia(n) + " = "),
                 cifra(numero(static_cast<std::int64_t>(dosA(n)))), t(".")});
    else
        w.linea({t("Con n = "), cifra(ene), t(": 2^(n-1) = " + medio + " = "),
                 cifra(numero(static_cast<std::int64_t>(dosA(n - 1)))), t(".")});
    struct Fila {
        const char* nombre;
        std::string formula;
        std::string cuenta;
        std::string valor;
    };
    std::vector<Fila> filas;
    switch (sistema) {
    case BSS:
        filas = {{"Desde", "0", "0", lim.desde},
                 {"Hasta", "2^n - 1", potencia(n) + " - 1", lim.hasta},
                 {"Mínimo número negativo", "no hay negativos", "", lim.minimoNegativo},
                 {"Máximo número negativo", "no hay negativos", "", lim.maximoNegativo},
                 {"Mínimo número positivo", "0", "0", lim.minimoPositivo},
                 {"Máximo número positivo", "2^n - 1", potencia(n) + " - 1", lim.maximoPositivo}};
        break;
    case BCS:
    case CA1:
        filas = {{"Desde", "-(2^(n-1) - 1)", "-(" + medio + " - 1)", lim.desde},
                 {"Hasta", "2^(n-1) - 1", medio + " - 1", lim.hasta},
                 {"Mínimo número negativo", "el cero negativo", "", lim.minimoNegativo},
                 {"Máximo número negativo", "-(2^(n-1) - 1)", "-(" + medio + " - 1)", lim.maximoNegativo},
                 {"Mínimo número positivo", "0", "0", lim.minimoPositivo},
                 {"Máximo número positivo", "2^(n-1) - 1", medio + " - 1", lim.maximoPositivo}};
        break;
    case CA2:
    case Exceso:
        filas = {{"Desde", "-2^(n-1)", "-" + medio, lim.desde},
                 {"Hasta", "2^(n-1) - 1", medio + " - 1", lim.hasta},
                 {"Mínimo número negativo", "-1", "-1", lim.minimoNegativo},
                 {"Máximo número negativo", "-2^(n-1)", "-" + medio, lim.maximoNegativo},
                 {"Mínimo número positivo", "0", "0", lim.minimoPositivo},
                 {"Máximo número positivo", "2^(n-1) - 1", medio + " - 1", lim.maximoPositivo}};
        break;
    }
    Tabla tabla{{"", "Fórmula", "Con n = " + ene, "Valor"}, {}};
    for (const Fila& f : filas)
        tabla.filas.push_back({t(f.nombre), t(f.formula), t(f.cuenta == f.formula ? "" : f.cuenta), cifra(f.valor)});
    w.tabla(std::move(tabla));
    w.linea({t("Rango: desde "), cifra(lim.desde), t(" hasta "), cifra(lim.hasta), t(".")});
    switch (sistema) {
    case BSS:
        w.linea({t("BSS no tiene bit de signo: no representa negativos, y los dos límites negativos dicen "),
                 cifra(lim.minimoNegativo), t(".")});
        return;
    case BCS:
    case CA1:
        w.linea({t(nombreSistema(sistema) + " tiene dos ceros, el 0 y el -0, y tantos negativos como positivos.")});
        w.regla({t("el mínimo número negativo que da la ventana es el cero negativo, "), cifra(lim.minimoNegativo),
                 t(", porque este sistema lo representa; sin contarlo, el negativo más cercano a cero sería -1.")});
        break;
    case CA2:
    case Exceso:
        w.linea({t(nombreSistema(sistema) +
                   " tiene un solo cero, así que le queda lugar para un negativo más que positivos.")});
        break;
    }
    w.regla({t("«mínimo» y «máximo» de un número negativo se refieren a su magnitud: el mínimo número negativo es "
               "el más cercano a cero y el máximo número negativo el más alejado (en la recta numérica sería al "
               "revés).")});
}

void reglaDelSesgo(Trabajo& w)
{
    w.regla({t("Exceso con n bits usa el sesgo 2^(n-1); algunos libros, y el exponente de IEEE 754, usan "
               "2^(n-1) - 1.")});
}

std::string tituloDe(const char* conversor, int sistema, const std::string& entrada, int n, int minimo)
{
    std::string r = conversor;
    if (entrada.empty())
        return r;
    r += ": " + entrada;
    if (esSistema(sistema))
        r += " en " + nombreSistema(sistema);
    if (n >= minimo)
        r += " con " + numero(n) + " bits";
    return r;
}

} // namespace

// ------------------------------------------------------- binary to integer

bool sonCeros(const std::string& s)
{
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i] != '0')
            return false;
    return true;
}

bool todosUnos(const std::string& s, int n)
{
    for (int i = 0; i < n && i < static_cast<int>(s.size()); ++i)
        if (s[static_cast<std::size_t>(i)] != '1')
            return false;
    return true;
}

bool cadenaValida(const std::string& s, int n)
{
    return longitudCorrecta(s, n) && esBinario(s, n);
}

std::string mensajeCadenaInvalida(int n)
{
    if (n < 2)
        return "Ingrese un sistema y una longitud de cadena correctos";
    return "Ingrese una cadena válida de " + IntToStr(n) + " bits";
}

std::string textoEntero(TNumberSystem sistema, const std::string& s, int n)
{
    if (sistema == BCS && s[0] == '1' && sonCeros(s))
        return "-0";
    if (sistema == CA1 && todosUnos(s, n))
        return "-0";
    return FloatToStr(valorSistema(sistema, s, n));
}

Trabajo trabajoBinarioAEntero(int sistema, const std::string& cadena, int n)
{
    Trabajo w(tituloDe("Binario a Entero", sistema, cadena, n, 2));
    w.paso("La cadena ingresada");
    const int largo = static_cast<int>(cadena.size());
    if (cadena.empty())
        w.linea({t("No se ingresó ninguna cadena.")});
    else
        w.linea({t("Se ingresó "), tecleado(cadena), t(", de "), cifra(numero(largo)),
                 t(largo == 1 ? " carácter." : " caracteres.")});
    if (n < 2)
        w.linea({t("No se eligió la longitud de la cadena; sin ella, la ventana solo acepta una cadena de 1 "
                   "carácter.")});
    else
        w.linea({t("La longitud elegida es de "), cifra(numero(n)), t(" bits.")});
    if (!longitudCorrecta(cadena, n)) {
        w.linea({t("La cadena debe tener exactamente "), cifra(numero(n)),
                 t(n == 1 ? " carácter, y tiene " : " caracteres, y tiene "), cifra(numero(largo)), t(".")});
        w.mensaje(mensajeCadenaInvalida(n));
        return w;
    }
    if (!esBinario(cadena, n)) {
        std::size_t i = 0;
        while (cadena[i] == '0' || cadena[i] == '1')
            ++i;
        w.linea({t("El carácter " + numero(static_cast<std::int64_t>(i + 1)) + ", \xC2\xAB" +
                   std::string(1, cadena[i]) + "\xC2\xBB, no es 0 ni 1: una cadena de bits solo tiene ceros y unos.")});
        w.mensaje(mensajeCadenaInvalida(n));
        return w;
    }
    w.linea({t("Tiene exactamente "), cifra(numero(n)), t(" caracteres, todos 0 o 1: es una cadena válida.")});
    if (!esSistema(sistema)) {
        w.paso("El sistema de numeración");
        w.linea({t("No se eligió ningún sistema: no se sabe cómo leer la cadena.")});
        w.mensaje(MensajeIngreseOpcion);
        return w;
    }
    const auto s = static_cast<TNumberSystem>(sistema);
    const std::string resultado = textoEntero(s, cadena, n);
    const bool negativo = cadena[0] == '1';
    switch (s) {
    case BSS:
        w.paso("Lectura en " + nombreLargo(s));
        w.linea({t("En BSS no hay bit de signo: todos los bits son de magnitud.")});
        sumaDePesos(w, cadena);
        break;
    case BCS: {
        w.paso("Lectura en " + nombreLargo(s));
        w.linea({t("El primer bit es el signo: "), bits(cadena.substr(0, 1)),
                 t(negativo ? " indica un número negativo." : " indica un número positivo.")});
        const std::string magnitud = cadena.substr(1);
        if (!magnitud.empty())
            w.linea({t("Los " + numero(n - 1) + " bits restantes son la magnitud, en BSS: "), bits(magnitud)});
        const std::string valor = sumaDePesos(w, magnitud);
        if (negativo && sonCeros(cadena))
            w.linea({t("Signo 1 y magnitud 0: es el cero negativo, que se escribe "), cifra(resultado), t(".")});
        else
            w.linea({t(negativo ? "Con el signo menos delante de la magnitud " : "Con el signo más, la magnitud "),
                     cifra(valor), t(" da "), cifra(resultado), t(".")});
        break;
    }
    case CA1:
    case CA2: {
        w.paso("Lectura en " + nombreLargo(s));
        if (!negativo) {
            w.linea({t("El primer bit es "), bits("0"),
                     t(": el número es positivo (o cero) y su valor es el de la cadena en BSS.")});
            sumaDePesos(w, cadena);
            break;
        }
        const std::string invertida = invertir(cadena);
        if (s == CA1) {
            w.linea({t("El primer bit es "), bits("1"),
                     t(": el número es negativo. Su magnitud es el complemento a 1 de la cadena: cada bit "
                       "invertido.")});
            w.linea({bits(cadena), t(" invertida da "), bits(invertida)});
            const std::string magnitud = sumaDePesos(w, invertida);
            if (todosUnos(cadena, n))
                w.linea({t("La magnitud es 0: la cadena de todos unos es el cero negativo de CA1, que se escribe "),
                         cifra(resultado), t(".")});
            else
                w.linea({t("Con el signo menos delante de la magnitud "), cifra(magnitud), t(" da "), cifra(resultado),
                         t(".")});
            break;
        }
        w.linea({t("El primer bit es "), bits("1"),
                 t(": el número es negativo. Su magnitud es el complemento a 2 de la cadena: se invierte cada bit y "
                   "se suma 1.")});
        w.linea({bits(cadena), t(" invertida da "), bits(invertida)});
        w.linea({t("Se suma 1, con los acarreos:")});
        escribirSumaUno(w, invertida);
        const std::string magnitudBits = sumarUno(invertida).resultado;
        const std::string magnitud = sumaDePesos(w, magnitudBits);
        if (sonCeros(cadena))
            w.linea({t("Es el número más negativo: su complemento a 2 es la misma cadena, que en BSS vale "),
                     cifra(magnitud), t(".")});
        w.linea(
            {t("Con el signo menos delante de la magnitud "), cifra(magnitud), t(" da "), cifra(resultado), t(".")});
        break;
    }
    case Exceso: {
        w.paso("Lectura en " + nombreLargo(s));
        const std::string sesgo = numero(static_cast<std::int64_t>(dosA(n - 1)));
        w.linea({t("En Exceso se lee la cadena en BSS y se le resta el sesgo 2^(n-1) = " + potencia(n - 1) + " = "),
                 cifra(sesgo), t(".")});
        reglaDelSesgo(w);
        const std::string valor = sumaDePesos(w, cadena);
        w.linea({t("Se resta el sesgo: "), cifra(valor), t(" - "), cifra(sesgo), t(" = "), cifra(resultado)});
        break;
    }
    }
    w.paso("Número en entero");
    w.linea({t("La ventana muestra "), cifra(resultado), t(".")});
    pasoLimites(w, s, n);
    return w;
}

// ------------------------------------------------------- integer to binary

bool esNumeroEntero(const std::string& s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == 0 && s[i] == '-')
            continue;
        if (s[i] < '0' || s[i] > '9')
            return false;
    }
    return true;
}

bool esCeroNegativo(const std::string& s, std::int32_t v)
{
    return v == 0 && !s.empty() && s[0] == '-';
}

std::string mensajeCeroNegativo(TNumberSystem sistema)
{
    if (sistema == BCS || sistema == CA1)
        return {};
    return "No existe el -0 en " + nombreSistema(sistema);
}

std::string cadenaDeEntero(TNumberSystem sistema, int n, std::int32_t v, bool ceroNegativo)
{
    std::string r = convertir_A_Sistema(sistema, n, v, v < 0);
    if (!ceroNegativo)
        return r;
    switch (sistema) {
    case BCS:
        r[0] = '1'; // sign 1, magnitude 0
        return r;
    case CA1:
        return std::string(r.size(), '1'); // the complement of zero
    default:
        return {};
    }
}

Trabajo trabajoEnteroABinario(int sistema, const std::string& texto, int n)
{
    Trabajo w(tituloDe("Entero a Binario", sistema, texto, n, 1));
    w.paso("El número ingresado");
    if (texto.empty()) {
        w.linea({t("No se ingresó ningún número.")});
        w.mensaje(MensajeIngreseEntero);
        return w;
    }
    const int largo = static_cast<int>(texto.size());
    w.linea({t("Se ingresó \xC2\xAB" + texto + "\xC2\xBB, de "), cifra(numero(largo)),
             t(largo == 1 ? " carácter." : " caracteres.")});
    if (!esNumeroEntero(texto)) {
        std::size_t i = texto[0] == '-' ? 1 : 0;
        while (texto[i] >= '0' && texto[i] <= '9')
            ++i;
        w.linea({t("El carácter " + numero(static_cast<std::int64_t>(i + 1)) + ", \xC2\xAB" + std::string(1, texto[i]) +
                   "\xC2\xBB, no es un dígito: un número entero tiene solo dígitos y, si es negativo, un «-» "
                   "delante.")});
        w.mensaje(MensajeIngreseEntero);
        return w;
    }
    std::int32_t v = 0;
    try {
        v = StrToInt(texto);
    } catch (const Fault& falla) {
        w.linea({t(texto == "-" ? "Tiene solo un signo y ningún dígito: al leerlo como entero la lectura falla."
                                : "No se puede leer como un entero de 32 bits: la lectura falla.")});
        w.mensaje(falla.what());
        return w;
    }
    const std::string valor = numero(v);
    const bool ceroNegativo = esCeroNegativo(texto, v);
    if (ceroNegativo)
        w.linea({t("Es el cero con signo menos: un cero negativo.")});
    else if (valor != texto)
        w.linea({t("Se lee como el entero "), cifra(valor), t(": los ceros a la izquierda no cambian el valor.")});
    else
        w.linea({t("Es el entero "), cifra(valor), t(".")});

    w.paso("¿Se puede representar?");
    if (!esSistema(sistema) || n <= 0) {
        w.linea(
            {t(!esSistema(sistema) ? "No se eligió el sistema de numeración" : "No se eligió la longitud de la cadena"),
             t(": sin un rango con qué comparar el número, la ventana no lo convierte.")});
        w.mensaje(MensajeFueraDeRango);
        return w;
    }
    const auto s = static_cast<TNumberSystem>(sistema);
    const TextosLimites lim = textosLimites(s, n);
    w.linea({t("En " + nombreSistema(s) + " con "), cifra(numero(n)), t(" bits se representan los enteros desde "),
             cifra(lim.desde), t(" hasta "), cifra(lim.hasta), t(".")});
    if (!representable(s, n, v)) {
        const bool menor = static_cast<double>(v) < rango(s, n).desde;
        w.linea({cifra(valor), t(menor ? " es menor que " : " es mayor que "), cifra(menor ? lim.desde : lim.hasta),
                 t(": no se puede representar con estos bits, y la ventana no lo convierte.")});
        w.mensaje(MensajeFueraDeRango);
        return w;
    }
    w.linea({cifra(valor), t(" está dentro del rango.")});

    const std::string resultado = cadenaDeEntero(s, n, v, ceroNegativo);
    const std::uint64_t magnitud =
        v < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(v)) : static_cast<std::uint64_t>(v);
    if (ceroNegativo) {
        w.paso("El cero negativo en " + nombreLargo(s));
        const std::string ceros(static_cast<std::size_t>(n), '0');
        switch (s) {
        case BSS:
            w.linea({t("BSS no tiene signo: no existe un cero negativo.")});
            w.mensaje(mensajeCeroNegativo(s));
            w.linea({t("La ventana no escribe ninguna cadena; sí escribe el rango y los límites.")});
            break;
        case BCS:
            w.linea({t("En BCS el -0 existe: es el signo "), bits("1"), t(" con la magnitud 0: "), bits(resultado)});
            break;
        case CA1:
            w.linea({t("En CA1 el -0 existe: es el complemento a 1 del cero, cada bit de "), bits(ceros),
                     t(" invertido: "), bits(resultado)});
            break;
        case CA2:
        case Exceso:
            if (s == CA2)
                w.linea({t("CA2 tiene un solo cero, "), bits(convertir_A_CA2(n, 0, false)),
                         t(": al invertir sus bits y sumar 1 se vuelve a la misma cadena (el acarreo que sale se "
                           "descarta), así que no existe un cero negativo.")});
            else
                w.linea({t("Exceso tiene un solo cero, 0 más el sesgo: "), bits(convertir_A_Exceso(n, 0)),
                         t("; no existe un cero negativo.")});
            w.mensaje(mensajeCeroNegativo(s));
            w.linea({t("La ventana borra el número ingresado y no escribe ninguna cadena; sí escribe el rango y los "
                       "límites.")});
            break;
        }
    } else {
        switch (s) {
        case BSS:
            w.paso("Divisiones sucesivas por 2");
            completarA(w, divisiones(w, magnitud), n);
            break;
        case BCS: {
            const char* signo = v < 0 ? "1" : "0";
            w.paso("El signo");
            w.linea({t(v < 0 ? "El número es negativo: el bit de signo es "
                             : "El número es positivo (o cero): el bit de signo es "),
                     bits(signo), t(". La magnitud es "), cifra(numero(static_cast<std::int64_t>(magnitud))), t(".")});
            w.paso("La magnitud: divisiones sucesivas por 2");
            const std::string digitos = divisiones(w, magnitud);
            w.paso("Signo y magnitud");
            const std::string mag = completar(w, digitos, n - 1);
            w.linea(
                {t("Con el bit de signo delante: "), bits(signo), t(" y "), bits(mag), t(" dan "), bits(signo + mag)});
            break;
        }
        case CA1:
        case CA2: {
            if (v >= 0) {
                w.paso("Divisiones sucesivas por 2");
                w.linea({t("Un número positivo (o el 0) se escribe como en BCS: el bit de signo 0 y la magnitud en "
                           "binario.")});
                completarA(w, divisiones(w, magnitud), n);
                break;
            }
            w.paso("La magnitud: divisiones sucesivas por 2");
            w.linea({t("El número es negativo: se escribe su magnitud, "),
                     cifra(numero(static_cast<std::int64_t>(magnitud))), t(", en binario y después se complementa.")});
            const std::string completa = completarA(w, divisiones(w, magnitud), n);
            const std::string invertida = invertir(completa);
            if (s == CA1) {
                w.paso("Complemento a 1: cada bit invertido");
                w.linea({bits(completa), t(" invertida da "), bits(invertida)});
                break;
            }
            w.paso("Complemento a 2: invertir cada bit y sumar 1");
            w.linea({bits(completa), t(" invertida da "), bits(invertida), t("; se suma 1, con los acarreos:")});
            escribirSumaUno(w, invertida);
            const std::size_t uno = completa.find_last_of('1');
            const std::string copiados = completa.substr(uno);
            const std::string demas = completa.substr(0, uno);
            if (demas.empty())
                w.linea({t("Otra forma, copiar y complementar: desde la derecha se copian los bits hasta el primer 1 "
                           "inclusive, y no queda ninguno que invertir: "),
                         bits(copiados)});
            else
                w.linea({t("Otra forma, copiar y complementar: desde la derecha se copian los bits hasta el primer 1 "
                           "inclusive, "),
                         bits(copiados), t(", y se invierten los demás, "), bits(demas), t(", que dan "),
                         bits(invertir(demas)), t(": "), bits(invertir(demas) + copiados)});
            break;
        }
        case Exceso: {
            w.paso("Se suma el sesgo");
            const std::uint64_t sesgo = dosA(n - 1);
            w.linea({t("En Exceso se guarda el número más el sesgo 2^(n-1) = " + potencia(n - 1) + " = "),
                     cifra(numero(static_cast<std::int64_t>(sesgo))), t(":")});
            reglaDelSesgo(w);
            const std::int64_t u = static_cast<std::int64_t>(v) + static_cast<std::int64_t>(sesgo);
            w.linea({cifra(valor), t(" + "), cifra(numero(static_cast<std::int64_t>(sesgo))), t(" = "),
                     cifra(numero(u)), t(", que se escribe en BSS.")});
            w.paso("Divisiones sucesivas por 2");
            completarA(w, divisiones(w, static_cast<std::uint64_t>(u)), n);
            break;
        }
        }
    }
    if (!resultado.empty()) {
        w.paso("Número en binario");
        w.linea({t("La ventana muestra "), bits(resultado), t(".")});
    }
    pasoLimites(w, s, n);
    return w;
}

} // namespace cifral
