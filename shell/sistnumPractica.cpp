#include "shell/sistnumPractica.h"

#include "arith/Tad_Entera7.h"
#include "arith/Tad_Fracc7.h"
#include "arith/sistnumPasosSuma.h"
#include "fixed/sistnumA.h"
#include "fixed/sistnumPasosFijo.h"
#include "floating/sistnum3.h"
#include "floating/sistnum4.h"
#include "floating/sistnumPasosFlotante.h"
#include "ieee/sistnum5.h"
#include "ieee/sistnum6.h"
#include "ieee/sistnumFormatos.h"
#include "ieee/sistnumPasosIEEE.h"
#include "shell/TextoDecimal.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>

namespace cifral {

namespace {

const char* const NombresTipos[TiposDeEjercicio] = {
    "Binario a Entero",   "Entero a Binario",   "Binario a Decimal (punto flotante)", "Decimal a Punto Flotante",
    "Decimal a IEEE 754", "IEEE 754 a Decimal", "Suma y Resta en Punto Flotante"};

const char* const NombresNiveles[NivelesDeEjercicio] = {"Inicial", "Intermedio", "Avanzado"};

// The minus sign of typeset text, U+2212.
const std::string MenosTipografico = "\xE2\x88\x92";

// ------------------------------------------------------------ the drawing

// The generator of one exercise: the seed, the kind, the level and the
// exercise's number mixed by splitmix64, so neighbouring exercises do not
// share a stream.
std::uint64_t mezclar(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class Sorteo {
public:
    Sorteo(std::uint64_t semilla, int tipo, int nivel, int numero)
        : g_(mezclar(mezclar(mezclar(semilla) ^ static_cast<std::uint64_t>(tipo)) ^
                     static_cast<std::uint64_t>(nivel) * 64) ^
             static_cast<std::uint64_t>(numero))
    {
    }

    // An integer in [desde, hasta], by rejection: the generator's raw
    // output only, the same on every library.
    std::int64_t entre(std::int64_t desde, std::int64_t hasta)
    {
        const std::uint64_t ancho = static_cast<std::uint64_t>(hasta - desde) + 1;
        if (ancho == 0)
            return static_cast<std::int64_t>(g_());
        const std::uint64_t tope =
            std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % ancho;
        std::uint64_t x = g_();
        while (x >= tope)
            x = g_();
        return desde + static_cast<std::int64_t>(x % ancho);
    }
    int entre(int desde, int hasta) { return static_cast<int>(entre(std::int64_t{desde}, std::int64_t{hasta})); }
    bool moneda() { return entre(0, 1) == 1; }
    template <class T> T uno(std::initializer_list<T> l)
    {
        return *(l.begin() + entre(0, static_cast<int>(l.size()) - 1));
    }
    std::string bits(int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += moneda() ? '1' : '0';
        return s;
    }

private:
    std::mt19937_64 g_;
};

std::string menos(std::int64_t v)
{
    return v < 0 ? MenosTipografico + IntToStr(-v) : IntToStr(v);
}

// m / 2^k written exactly, ',' as separator.
std::string decimalDeFraccion(std::int64_t m, int k)
{
    const std::uint64_t a = m < 0 ? 0 - static_cast<std::uint64_t>(m) : static_cast<std::uint64_t>(m);
    return decimalExactoDeDiadico(m < 0, a, -static_cast<long>(k));
}

std::string conMenosTipografico(const std::string& s)
{
    return !s.empty() && s[0] == '-' ? MenosTipografico + s.substr(1) : s;
}

// ----------------------------------------------------------- the kinds

Respuesta respuesta(std::string rotulo, std::string esperada, Comparacion comparacion,
                    Tramo::Tipo pieza = Tramo::Tipo::Cifra, std::string paso = {})
{
    Respuesta r;
    r.rotulo = std::move(rotulo);
    r.esperada = std::move(esperada);
    r.comparacion = comparacion;
    r.pieza = pieza;
    r.paso = std::move(paso);
    return r;
}

void binarioAEntero(Ejercicio& e, Sorteo& s)
{
    for (;;) {
        TNumberSystem sistema;
        int n;
        std::string cadena;
        if (e.nivel == 1) {
            sistema = s.uno({BSS, BCS, CA2});
            n = 8;
            cadena = s.bits(n);
            if (sistema != BSS)
                cadena[0] = '0';
        } else if (e.nivel == 2) {
            sistema = static_cast<TNumberSystem>(s.entre(0, 4));
            n = s.entre(4, 12);
            cadena = s.bits(n);
        } else {
            sistema = static_cast<TNumberSystem>(s.entre(0, 4));
            n = s.uno({8, 16});
            cadena = s.bits(n);
            // The edges of the system, often.
            switch (s.entre(0, 5)) {
            case 0:
                cadena = "1" + std::string(static_cast<std::size_t>(n - 1), '0');
                break;
            case 1:
                cadena = std::string(static_cast<std::size_t>(n), '1');
                break;
            case 2:
                cadena = "0" + std::string(static_cast<std::size_t>(n - 1), '1');
                break;
            default:
                break;
            }
        }
        const std::string entero = textoEntero(sistema, cadena, n);
        const bool ceroNegativo = entero == "-0";
        if (ceroNegativo && e.nivel < 3)
            continue;
        e.disposicion = nombreSistema(sistema) + " de " + IntToStr(n) + " bits";
        e.enunciado = "Obtenga el entero que representa la cadena " + cadena + " en " + nombreSistema(sistema) +
                      " de " + IntToStr(n) + " bits.";
        if (e.nivel >= 2)
            e.enunciado += " Indique también el rango del sistema.";
        if (e.nivel == 3 && (sistema == BCS || sistema == CA1))
            e.enunciado += " El cero negativo se escribe -0.";
        e.datos = {cadena, IntToStr(n)};
        e.respuestas = {respuesta("Entero", entero, Comparacion::Entero)};
        if (e.nivel >= 2) {
            const TextosLimites l = textosLimites(sistema, n);
            e.respuestas.push_back(respuesta("Rango desde", l.desde, Comparacion::Entero, Tramo::Tipo::Cifra, "Rango"));
            e.respuestas.push_back(respuesta("Rango hasta", l.hasta, Comparacion::Entero, Tramo::Tipo::Cifra, "Rango"));
        }
        e.trabajo = trabajoBinarioAEntero(static_cast<int>(sistema), cadena, n);
        return;
    }
}

void enteroABinario(Ejercicio& e, Sorteo& s)
{
    for (;;) {
        TNumberSystem sistema;
        int n;
        std::int64_t v;
        if (e.nivel == 1) {
            sistema = s.uno({BSS, BCS, CA2});
            n = 8;
            v = s.entre(std::int64_t{0}, std::int64_t{127});
        } else {
            sistema = static_cast<TNumberSystem>(s.entre(0, 4));
            n = e.nivel == 2 ? s.uno({8, 16}) : s.uno({8, 16, 32});
            // The window reads a 32-bit integer.
            const Rango r = rango(sistema, n);
            const auto desde =
                std::max<std::int64_t>(static_cast<std::int64_t>(r.desde), std::numeric_limits<std::int32_t>::min());
            const auto hasta =
                std::min<std::int64_t>(static_cast<std::int64_t>(r.hasta), std::numeric_limits<std::int32_t>::max());
            v = s.entre(desde, hasta);
            if (e.nivel == 3) {
                const int borde = s.entre(0, 3);
                if (borde == 0)
                    v = desde;
                else if (borde == 1)
                    v = hasta;
            }
        }
        e.trabajo = trabajoEnteroABinario(static_cast<int>(sistema), IntToStr(v), n);
        if (!e.trabajo.mensajes().empty())
            continue;
        e.disposicion = nombreSistema(sistema) + " con " + IntToStr(n) + " bits";
        e.enunciado = "Represente " + menos(v) + " en " + nombreSistema(sistema) + " con " + IntToStr(n) + " bits.";
        e.datos = {IntToStr(v), IntToStr(n)};
        e.respuestas = {respuesta("Cadena de bits", cadenaDeEntero(sistema, n, static_cast<std::int32_t>(v), false),
                                  Comparacion::Bits)};
        return;
    }
}

// A layout in words: "mantisa fraccionaria de 6 bits en CA2, sin bit
// implícito, y exponente de 4 bits en Exceso".
std::string textoFormato(const TFloatFormat& f)
{
    std::string r = std::string("mantisa ") + (f.tipoMantisa == Entera ? "entera" : "fraccionaria") + " de " +
                    IntToStr(f.longitudMantisa) + " bits en " + nombreSistema(f.sistemaMantisa);
    if (f.tipoMantisa == Fraccionaria)
        r += f.bitImplicito == ConBitImplicito ? ", con bit implícito" : ", sin bit implícito";
    return r + ", y exponente de " + IntToStr(f.longitudExponente) + " bits en " + nombreSistema(f.sistemaExponente);
}

void binarioADecimal(Ejercicio& e, Sorteo& s)
{
    for (;;) {
        TFloatFormat f;
        if (e.nivel == 1) {
            f.tipoMantisa = Entera;
            f.longitudMantisa = s.entre(4, 8);
            f.sistemaMantisa = s.uno({BSS, CA2});
            f.longitudExponente = s.entre(3, 4);
            f.sistemaExponente = s.uno({BSS, Exceso});
        } else {
            f.tipoMantisa = e.nivel == 2 ? s.uno({Entera, Fraccionaria}) : Fraccionaria;
            f.longitudMantisa = s.entre(4, e.nivel == 2 ? 8 : 12);
            f.sistemaMantisa = s.entre(0, 4);
            f.bitImplicito = e.nivel == 2 ? SinBitImplicito : s.uno({ConBitImplicito, SinBitImplicito});
            f.longitudExponente = s.entre(3, 6);
            f.sistemaExponente = s.entre(0, 4);
        }
        const std::string mantisa = s.bits(f.longitudMantisa);
        const std::string exponente = s.bits(f.longitudExponente);
        const auto sm = static_cast<TNumberSystem>(f.sistemaMantisa);
        const auto se = static_cast<TNumberSystem>(f.sistemaExponente);
        if (f.tipoMantisa == Fraccionaria && !mantisaNormalizada(mantisa, f.sistemaMantisa))
            continue;
        // The figures the window writes: the mantissa's value and the
        // exponent's.
        std::string valorMantisa;
        if (f.tipoMantisa == Entera) {
            valorMantisa =
                textoConCeroNegativo(FloatToStr(manent(mantisa, f.longitudMantisa, sm)), f.sistemaMantisa, mantisa);
        } else {
            int nPrima = f.longitudMantisa;
            valorMantisa = FloatToStr(mantFracc(mantisa, nPrima, sm, usaBitImplicito(f)));
        }
        const std::string valorExponente =
            textoConCeroNegativo(FloatToStr(expo(exponente, f.longitudExponente, se)), f.sistemaExponente, exponente);
        if (e.nivel < 3 && (valorMantisa == "-0" || valorExponente == "-0"))
            continue;
        const Trabajo w = trabajoBinarioADecimal(f, mantisa, exponente, TEstado3{});
        if (!w.mensajes().empty())
            continue;
        e.disposicion = textoFormato(f);
        e.disposicion[0] = 'M';
        e.enunciado = "Con " + textoFormato(f) + ", obtenga el valor de la mantisa " + mantisa +
                      " y el del exponente " + exponente + ".";
        if (valorMantisa == "-0" || valorExponente == "-0")
            e.enunciado += " El cero negativo se escribe -0.";
        e.datos = {mantisa, exponente, IntToStr(f.longitudMantisa), IntToStr(f.longitudExponente)};
        e.respuestas = {
            respuesta("Mantisa", valorMantisa, Comparacion::Decimal, Tramo::Tipo::Cifra, "La mantisa"),
            respuesta("Exponente", valorExponente, Comparacion::Entero, Tramo::Tipo::Cifra, "El exponente")};
        e.trabajo = w;
        return;
    }
}

// A decimal of 1 to 3 decimals, not 0, below `tope`, written with ','.
std::string decimalCorto(Sorteo& s, int tope)
{
    for (;;) {
        const int decimales = s.entre(1, 3);
        std::int64_t escala = 1;
        for (int i = 0; i < decimales; ++i)
            escala *= 10;
        const std::int64_t m = s.entre(std::int64_t{1}, tope * escala - 1);
        if (m % 10 == 0)
            continue;
        std::string digitos = std::to_string(m);
        while (static_cast<int>(digitos.size()) <= decimales)
            digitos = "0" + digitos;
        return digitos.substr(0, digitos.size() - static_cast<std::size_t>(decimales)) + "," +
               digitos.substr(digitos.size() - static_cast<std::size_t>(decimales));
    }
}

void decimalAFlotante(Ejercicio& e, Sorteo& s)
{
    for (;;) {
        TFormato4 f;
        TMantissaKind tipo;
        std::string numero;
        if (e.nivel == 1) {
            tipo = Entera;
            f.sistemaMantisa = s.uno({BSS, CA2});
            f.sistemaExponente = s.uno({BSS, CA2});
            numero = IntToStr(s.entre(1, 120));
        } else if (e.nivel == 2) {
            tipo = Fraccionaria;
            f.sistemaMantisa = static_cast<TNumberSystem>(s.entre(0, 4));
            f.sistemaExponente = static_cast<TNumberSystem>(s.entre(0, 4));
            numero = decimalDeFraccion(s.entre(std::int64_t{1}, std::int64_t{127}), s.entre(1, 6));
            if (numero.find(',') == std::string::npos)
                continue;
            if (f.sistemaMantisa != BSS && s.moneda())
                numero = "-" + numero;
        } else {
            tipo = s.uno({Entera, Fraccionaria});
            f.n = s.uno({8, 16});
            f.e = 8;
            f.sistemaMantisa = static_cast<TNumberSystem>(s.entre(0, 4));
            f.sistemaExponente = static_cast<TNumberSystem>(s.entre(0, 4));
            f.implicito = tipo == Fraccionaria && s.moneda();
            numero = tipo == Entera ? IntToStr(s.entre(100, 30000)) : decimalCorto(s, 100);
            if (f.sistemaMantisa != BSS && s.moneda())
                numero = "-" + numero;
        }
        const TConversion4 c =
            tipo == Entera ? calcular_MantExp_Entera(numero, f) : calcular_MantExp_Fraccionaria(numero, f);
        if (!c.mensajes.empty() || !c.escribe || c.mantisa.empty() || c.exponente.empty())
            continue;
        // Only fields that read back as the number, or as a number just
        // below it when bits were cut: a negative number with the implicit
        // bit in a complement reads back as another number by the course's
        // rule, which is no exercise.
        const double x = guardarDouble(StrToFloat(numero));
        const auto leido = tipo == Entera ? calcular_errores(f, x, c.mantisa, c.exponente)
                                          : calculo_error_F(f, x, c.mantisa, c.exponente);
        if (!leido || (e.nivel < 3 && leido->valor != x) ||
            !(std::fabs(leido->valor) <= std::fabs(x) && std::fabs(leido->valor) > std::fabs(x) / 2))
            continue;
        TPulsacion4 p;
        p.n = f.n;
        p.e = f.e;
        p.numero = numero;
        p.tipo = tipo;
        p.sistemaMantisa = f.sistemaMantisa;
        p.sistemaExponente = f.sistemaExponente;
        p.bitImplicito = f.implicito ? ConBitImplicito : SinBitImplicito;
        Trabajo w = trabajoDecimalAFlotante(p);
        if (!w.mensajes().empty())
            continue;
        TFloatFormat ff;
        ff.tipoMantisa = tipo;
        ff.longitudMantisa = f.n;
        ff.sistemaMantisa = f.sistemaMantisa;
        ff.bitImplicito = p.bitImplicito;
        ff.longitudExponente = f.e;
        ff.sistemaExponente = f.sistemaExponente;
        e.disposicion = textoFormato(ff);
        e.disposicion[0] = 'M';
        e.enunciado = "Represente " + conMenosTipografico(numero) + " en punto flotante con " + textoFormato(ff) + ".";
        if (tipo == Fraccionaria)
            e.enunciado += " La mantisa va normalizada y sus bits se cortan, sin redondear.";
        else if (e.nivel == 3)
            e.enunciado += " Si la mantisa no cabe, el número se divide por 2 (y el exponente sube 1) hasta que su "
                           "parte entera quepa.";
        e.datos = {numero, IntToStr(f.n), IntToStr(f.e)};
        e.respuestas = {respuesta("Mantisa", c.mantisa, Comparacion::Bits),
                        respuesta("Exponente", c.exponente, Comparacion::Bits)};
        e.trabajo = std::move(w);
        return;
    }
}

void sumaResta(Ejercicio& e, Sorteo& s)
{
    for (;;) {
        const TMantissaKind tipo = e.nivel == 1 ? Entera : s.uno({Entera, Fraccionaria});
        const TOperacion op = s.moneda() ? Resta : Suma;
        TFormatoSuma f;
        f.longitudMantisa = 8;
        f.longitudExponente = 8;
        if (e.nivel == 1) {
            f.sistemaMantisa = s.uno({BSS, CA2});
            f.sistemaExponente = s.uno({BSS, CA2});
        } else {
            f.sistemaMantisa = s.entre(0, 4);
            f.sistemaExponente = s.entre(0, 4);
        }
        // Small exponents: the first level writes both alike, the others
        // differ by up to two (three) places.
        const auto sistemaE = static_cast<TNumberSystem>(f.sistemaExponente);
        const int e1 = s.entre(0, 3);
        const int e2 = e.nivel == 1 ? e1 : e1 + s.entre(e.nivel == 2 ? -2 : -3, e.nivel == 2 ? 2 : 3);
        if (!representable(sistemaE, 8, e2))
            continue;
        TOperandos o;
        o.m1 = s.bits(8);
        o.m2 = s.bits(8);
        o.e1 = convertir_A_Sistema(sistemaE, 8, e1, false);
        o.e2 = convertir_A_Sistema(sistemaE, 8, e2, e2 < 0);
        const TResultadoOperacion r = tipo == Entera ? flotantes_conEntera(op, o, f, TOperationDetail{})
                                                     : flotantes_conFraccionaria(op, o, f, TOperationDetail{});
        if (!r.mensajes.empty() || r.mantisa.empty() || r.exponente.empty())
            continue;
        Trabajo w = trabajoSumaResta(tipo, op, o, f, TOperationDetail{});
        if (!w.mensajes().empty())
            continue;
        TFloatFormat ff;
        ff.tipoMantisa = tipo;
        ff.longitudMantisa = 8;
        ff.sistemaMantisa = f.sistemaMantisa;
        ff.bitImplicito = SinBitImplicito;
        ff.longitudExponente = 8;
        ff.sistemaExponente = f.sistemaExponente;
        e.disposicion = textoFormato(ff);
        e.disposicion[0] = 'M';
        e.enunciado = "Con " + textoFormato(ff) + (op == Suma ? ", sume el número" : ", reste al número") +
                      " de mantisa " + o.m1 + " y exponente " + o.e1 + (op == Suma ? " con el" : " el") +
                      " de mantisa " + o.m2 + " y exponente " + o.e2 + ".";
        if (e1 != e2)
            e.enunciado += " Iguale los exponentes como en el curso: la mantisa del exponente menor se divide por 2 "
                           "mientras sea par, y si no, la otra se duplica.";
        e.enunciado += " El resultado queda con el exponente común, sin normalizar.";
        e.datos = {o.m1, o.e1, o.m2, o.e2, "8"};
        e.respuestas = {respuesta("Mantisa del resultado", r.mantisa, Comparacion::Bits, Tramo::Tipo::Cifra,
                                  "mantisa del resultado"),
                        respuesta("Exponente del resultado", r.exponente, Comparacion::Bits, Tramo::Tipo::Cifra,
                                  "exponente del resultado")};
        e.trabajo = std::move(w);
        return;
    }
}

void decimalAIEEE(Ejercicio& e, Sorteo& s)
{
    for (;;) {
        std::string numero;
        if (e.nivel == 1) {
            numero = decimalDeFraccion(s.entre(std::int64_t{1}, std::int64_t{255}), s.entre(0, 4));
        } else if (e.nivel == 2) {
            std::int64_t m = s.entre(std::int64_t{1}, std::int64_t{4095});
            if (s.moneda())
                m = -m;
            numero = decimalDeFraccion(m, s.entre(0, 10));
        } else {
            // A decimal that binary does not hold exactly: its fraction is
            // cut.
            const int decimales = s.entre(1, 3);
            std::int64_t escala = 1;
            for (int i = 0; i < decimales; ++i)
                escala *= 10;
            const std::int64_t m = s.entre(std::int64_t{1}, 999 * escala);
            if (m % escala == 0)
                continue;
            std::string digitos = std::to_string(m);
            while (static_cast<int>(digitos.size()) <= decimales)
                digitos = "0" + digitos;
            numero = digitos.substr(0, digitos.size() - static_cast<std::size_t>(decimales)) + "," +
                     digitos.substr(digitos.size() - static_cast<std::size_t>(decimales));
            while (numero.back() == '0')
                numero.pop_back();
            if (s.moneda())
                numero = "-" + numero;
        }
        EntradaDecimalIEEE entrada;
        entrada.modo = ModoEntero;
        entrada.entero = numero;
        const ConversionDecimalIEEE c = convertirDecimalAIEEE(entrada);
        if (c.fin != ConversionDecimalIEEE::Convertida)
            continue;
        e.disposicion = "IEEE 754 simple precisión (1 + 8 + 23 bits)";
        e.enunciado = "Represente " + conMenosTipografico(numero) +
                      " en IEEE 754 simple precisión: signo, "
                      "exponente (8 bits, con sesgo 127) y mantisa (23 bits).";
        if (e.nivel == 3)
            e.enunciado += " La mantisa se corta a 23 bits, sin redondear.";
        e.datos = {numero};
        e.respuestas = {respuesta("Signo", c.signo, Comparacion::Bits, Tramo::Tipo::Signo),
                        respuesta("Exponente", c.exponente, Comparacion::Bits, Tramo::Tipo::Exponente),
                        respuesta("Mantisa", c.fraccion, Comparacion::Bits, Tramo::Tipo::Fraccion)};
        e.trabajo = trabajoDecimalAIEEE(c);
        return;
    }
}

void ieeeADecimal(Ejercicio& e, Sorteo& s)
{
    for (;;) {
        int signo = 0, exponente;
        int bitsUsados;
        if (e.nivel == 1) {
            exponente = s.entre(124, 130);
            bitsUsados = 4;
        } else if (e.nivel == 2) {
            signo = s.entre(0, 1);
            exponente = s.entre(118, 136);
            bitsUsados = 8;
        } else {
            signo = s.entre(0, 1);
            exponente = s.entre(100, 150);
            bitsUsados = 12;
        }
        const std::string fraccion =
            s.bits(bitsUsados) + std::string(static_cast<std::size_t>(BitsFraccionIEEE - bitsUsados), '0');
        std::string campoExponente;
        for (int b = BitsExponenteIEEE - 1; b >= 0; --b)
            campoExponente += ((exponente >> b) & 1) != 0 ? '1' : '0';
        EstadoIEEE6 estado;
        ConversorIEEE6 conversor(estado);
        const ConversionIEEE6 c = conversor.convertir(signo, campoExponente, fraccion);
        // Only values the window writes with all their digits.
        if (!c.binario || c.decimal.empty() || c.decimal.find('E') != std::string::npos ||
            c.decimal.find('(') != std::string::npos)
            continue;
        if (StrToFloat(c.decimal) != static_cast<Extended>(c.valor))
            continue;
        e.disposicion = "IEEE 754 simple precisión (1 + 8 + 23 bits)";
        e.enunciado = "Obtenga el valor decimal del número en IEEE 754 simple precisión de signo " + IntToStr(signo) +
                      ", exponente " + campoExponente + " y mantisa " + fraccion + ".";
        e.datos = {IntToStr(signo), campoExponente, fraccion};
        e.respuestas = {respuesta("Valor decimal", c.decimal, Comparacion::Decimal)};
        e.trabajo = trabajoIEEEADecimal(signo, campoExponente, fraccion);
        return;
    }
}

// --------------------------------------------------------- the answers

std::string sinBlancos(const std::string& texto)
{
    std::string r;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(texto[i]);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        // The no-break and thin spaces, U+00A0, U+2009 and U+202F.
        if (texto.compare(i, 2, "\xC2\xA0") == 0) {
            ++i;
            continue;
        }
        if (texto.compare(i, 3, "\xE2\x80\x89") == 0 || texto.compare(i, 3, "\xE2\x80\xAF") == 0) {
            i += 2;
            continue;
        }
        if (texto.compare(i, 3, MenosTipografico) == 0) {
            r += '-';
            i += 2;
            continue;
        }
        r += static_cast<char>(c);
    }
    return r;
}

bool soloDigitos(const std::string& s)
{
    if (s.empty())
        return false;
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::string nombreTipoEjercicio(int tipo)
{
    return tipo >= 1 && tipo <= TiposDeEjercicio ? NombresTipos[tipo - 1] : "";
}

const std::vector<int>& tiposDisponibles()
{
    static const std::vector<int> tipos{1, 2, 3, 4, 5, 6, 7};
    return tipos;
}

bool tipoDisponible(int tipo)
{
    for (const int t : tiposDisponibles())
        if (t == tipo)
            return true;
    return false;
}

std::string nombreNivel(int nivel)
{
    return nivel >= 1 && nivel <= NivelesDeEjercicio ? NombresNiveles[nivel - 1] : "";
}

Ejercicio generarEjercicio(int tipo, int nivel, std::uint64_t semilla, int numero)
{
    if (!tipoDisponible(tipo) || nivel < 1 || nivel > NivelesDeEjercicio)
        throw std::invalid_argument("tipo o nivel de ejercicio inexistente");
    Ejercicio e;
    e.tipo = tipo;
    e.nivel = nivel;
    e.semilla = semilla;
    e.numero = numero;
    Sorteo s(semilla, tipo, nivel, numero);
    switch (tipo) {
    case 1:
        binarioAEntero(e, s);
        break;
    case 2:
        enteroABinario(e, s);
        break;
    case 3:
        binarioADecimal(e, s);
        break;
    case 4:
        decimalAFlotante(e, s);
        break;
    case 7:
        sumaResta(e, s);
        break;
    case 5:
        decimalAIEEE(e, s);
        break;
    case 6:
        ieeeADecimal(e, s);
        break;
    default:
        break;
    }
    return e;
}

std::string formaCanonica(Comparacion comparacion, const std::string& texto)
{
    std::string s = sinBlancos(texto);
    if (comparacion == Comparacion::Bits)
        return s;
    std::string signo;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        if (s[0] == '-')
            signo = "-";
        s.erase(0, 1);
    }
    if (comparacion == Comparacion::Entero) {
        if (!soloDigitos(s))
            return texto;
        const std::size_t i = s.find_first_not_of('0');
        return signo + (i == std::string::npos ? "0" : s.substr(i));
    }
    for (char& c : s)
        if (c == '.')
            c = ',';
    const std::size_t coma = s.find(',');
    std::string entero = s.substr(0, coma);
    std::string fraccion = coma == std::string::npos ? std::string() : s.substr(coma + 1);
    if (entero.empty() && !fraccion.empty())
        entero = "0";
    if (!soloDigitos(entero) || (!fraccion.empty() && !soloDigitos(fraccion)))
        return texto;
    const std::size_t i = entero.find_first_not_of('0');
    entero = i == std::string::npos ? "0" : entero.substr(i);
    while (!fraccion.empty() && fraccion.back() == '0')
        fraccion.pop_back();
    std::string r = entero + (fraccion.empty() ? "" : "," + fraccion);
    return r == "0" ? r : signo + r;
}

bool respuestaCorrecta(const Respuesta& respuesta, const std::string& dada)
{
    const std::string a = formaCanonica(respuesta.comparacion, dada);
    return !a.empty() && a == formaCanonica(respuesta.comparacion, respuesta.esperada);
}

int pasoDeRespuesta(const Ejercicio& ejercicio, std::size_t i)
{
    if (i >= ejercicio.respuestas.size())
        return -1;
    const Respuesta& r = ejercicio.respuestas[i];
    const std::string buscada = formaCanonica(r.comparacion, r.esperada);
    std::set<std::string> datos;
    for (const std::string& d : ejercicio.datos)
        datos.insert(sinBlancos(d));
    const auto& pasos = ejercicio.trabajo.pasos();
    bool enLosDatos = true; // still in the steps that restate the statement
    for (std::size_t p = 0; p < pasos.size(); ++p) {
        std::vector<const Tramo*> cifras;
        for (const Bloque& b : pasos[p].bloques) {
            for (const Tramo& t : b.linea)
                if (t.esCifra())
                    cifras.push_back(&t);
            for (const auto& fila : b.tabla.filas)
                for (const Tramo& t : fila)
                    if (t.esCifra())
                        cifras.push_back(&t);
        }
        if (enLosDatos) {
            bool soloDatos = true;
            for (const Tramo* t : cifras)
                soloDatos = soloDatos && datos.count(sinBlancos(t->contenido)) != 0;
            if (soloDatos)
                continue;
            enLosDatos = false;
        }
        if (!r.paso.empty() && pasos[p].titulo.find(r.paso) == std::string::npos)
            continue;
        for (const Tramo* t : cifras) {
            if (r.pieza != Tramo::Tipo::Cifra && t->tipo != r.pieza)
                continue;
            if (formaCanonica(r.comparacion, t->contenido) == buscada)
                return static_cast<int>(p);
        }
    }
    return -1;
}

std::vector<Ejercicio> hojaDeEjercicios(const std::vector<int>& tipos, int nivel, int cantidad, std::uint64_t semilla)
{
    std::vector<Ejercicio> r;
    if (tipos.empty())
        return r;
    for (int i = 0; i < cantidad; ++i)
        r.push_back(generarEjercicio(tipos[static_cast<std::size_t>(i) % tipos.size()], nivel, semilla, i + 1));
    return r;
}

} // namespace cifral
