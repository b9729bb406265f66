#include "ieee/sistnumPasosIEEE.h"

#include "fixed/sistnumA.h"
#include "ieee/sistnum6.h"
#include "ieee/sistnumFormatos.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace cifral {

using namespace paso;

// ------------------------------------------------------------ exact values

std::string decimalExacto(Extended x)
{
    if (!std::isfinite(x))
        return FloatToStr(x);
    if (x == 0)
        return "0";
    // The 64-bit significand of an extended value, and its power of two.
    int exponente = 0;
    const Extended m = std::frexp(std::fabs(x), &exponente);
    return decimalExactoDeDiadico(x < 0, static_cast<std::uint64_t>(std::ldexp(m, 64)), exponente - 64L);
}

std::string decimalExactoLegible(Extended x)
{
    std::string d = decimalExacto(x);
    if (x == 0 || !std::isfinite(x) || std::fabs(x) >= 1e-6L)
        return d;
    const bool negativo = d[0] == '-';
    const std::size_t coma = d.find(SeparadorDecimal);
    const std::size_t primera = d.find_first_not_of("0", coma + 1);
    std::string r = negativo ? "-" : "";
    r += d[primera];
    if (primera + 1 < d.size())
        r += SeparadorDecimal + d.substr(primera + 1);
    return r + " × 10^" + std::to_string(-static_cast<int>(primera - coma));
}

// ---------------------------------------------------------------- helpers

namespace {

// The weights of the bits set in an unsigned binary text, and their sum:
// "64 + 32 + 16 + 8 + 2 + 1 = 123"; "0" when none is set.
std::string sumaDePesos(const std::string& bits)
{
    std::string r;
    std::uint64_t suma = 0;
    int unos = 0;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (bits[i] != '1')
            continue;
        const std::uint64_t peso = std::uint64_t{1} << (bits.size() - 1 - i);
        r += (unos++ == 0 ? "" : " + ") + std::to_string(peso);
        suma += peso;
    }
    if (unos == 0)
        return "0";
    return unos == 1 ? r : r + " = " + std::to_string(suma);
}

std::string potencia(std::int64_t e)
{
    return "2^" + std::to_string(e);
}

// 2^e, with its exact value when it is short enough to read.
Linea potenciaConValor(std::int32_t e, std::size_t largo = 28)
{
    const std::string valor = decimalExactoLegible(std::ldexp(Extended{1}, e));
    if (valor.size() > largo)
        return {cifra(potencia(e))};
    return {cifra(potencia(e)), t(" = "), cifra(valor)};
}

// A gap between two floats, a power of two: as such, and exactly when it
// reads well.
Linea hueco(Extended d)
{
    int e = 0;
    if (d > 0 && std::frexp(d, &e) == 0.5L)
        return potenciaConValor(e - 1, 40);
    return {cifra(decimalExactoLegible(d))};
}

Linea unir(Linea a, const Linea& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

bool contiene(const std::string& s, const char* parte)
{
    return s.find(parte) != std::string::npos;
}

// --------------------------------------------------------- decimal to IEEE

using Conversion = ConversionDecimalIEEE;

std::string tituloDecimal(const Conversion& c)
{
    if (c.numero.empty())
        return "Conversión a IEEE 754 simple precisión";
    if (c.modo == ModoDecimal)
        return "Conversión de " + c.numero + " × 10^" + c.potencia + " a IEEE 754 simple precisión";
    return "Conversión de " + c.numero + " a IEEE 754 simple precisión";
}

// The fields of a zero and its errors, as the window writes them.
void camposDelCero(Trabajo& w, const Conversion& c)
{
    w.linea({t("IEEE 754 representa el cero con el exponente y la fracción en cero: "), signo(c.signo), t(" "),
             exponente(c.exponente), t(" "), fraccion(c.fraccion), t(".")});
    w.linea({t("No hay nada que cortar: la ventana escribe los dos errores como "), cifra(*c.absoluto), t(" y "),
             cifra(*c.relativo), t(".")});
}

// The rows of the doublings that give the 23 bits of the fraction of m, and
// what is left of the fraction after them.
struct Duplicaciones {
    Tabla tabla{{"Nº", "Fracción × 2", "Bit"}, {}};
    std::string bits;
    Extended resto = 0;
};

Duplicaciones duplicar(Extended fraccionInicial)
{
    Duplicaciones d;
    Extended f = fraccionInicial; // exact: at most 40 significant bits
    for (int i = 1; i <= BitsFraccionIEEE && f != 0; ++i) {
        const Extended doble = 2 * f;
        const char bit = doble >= 1 ? '1' : '0';
        d.tabla.filas.push_back({cifra(std::to_string(i)), cifra(decimalExacto(doble)), bits(std::string(1, bit))});
        d.bits += bit;
        f = bit == '1' ? doble - 1 : doble;
    }
    d.resto = f;
    return d;
}

// The fields that rounding to nearest with ties to even would give, from
// the cut fraction and what the doublings left over.
struct RedondeoCercano {
    std::string exponente, fraccion;
};

RedondeoCercano redondeoAlMasCercano(const std::string& exponente, const std::string& cortada, Extended resto)
{
    auto entero = static_cast<std::int32_t>(valorBSS(cortada, BitsFraccionIEEE));
    auto campo = static_cast<std::int32_t>(valorBSS(exponente, BitsExponenteIEEE));
    if (resto > 0.5L || (resto == 0.5L && entero % 2 != 0)) {
        if (++entero == std::int32_t{1} << BitsFraccionIEEE) {
            entero = 0; // the carry goes into the exponent
            ++campo;
        }
    }
    return {convertir_A_BSS(BitsExponenteIEEE, campo), convertir_A_BSS(BitsFraccionIEEE, entero)};
}

} // namespace

Trabajo trabajoDecimalAIEEE(const EntradaDecimalIEEE& entrada)
{
    return trabajoDecimalAIEEE(convertirDecimalAIEEE(entrada));
}

Trabajo trabajoDecimalAIEEE(const ConversionDecimalIEEE& c)
{
    Trabajo w(tituloDecimal(c));
    const bool decimal = c.modo == ModoDecimal;
    // The working ends with the fault's message where the conversion stopped.
    auto termina = [&w, &c](bool llegado) {
        if (llegado)
            return false;
        w.mensaje(c.mensaje);
        return true;
    };

    // ---- the text
    w.paso("El número escrito");
    switch (c.rechazo) {
    case Conversion::Vacio:
        w.linea({t(decimal ? "Falta el número o la potencia de diez: no hay nada que convertir."
                           : "No hay ningún número escrito: no hay nada que convertir.")});
        w.mensaje(c.mensaje);
        return w;
    case Conversion::NingunRechazo:
    case Conversion::CaracteresNumero:
    case Conversion::ComasNumero:
    case Conversion::CaracteresPotencia:
    case Conversion::ComasPotencia:
        break;
    }
    if (c.fin == Conversion::SinModo) {
        w.linea({t("No hay un modo elegido («Entero» o «Decimal»): la ventana no convierte nada.")});
        return w;
    }
    if (decimal)
        w.linea({t("Modo «Decimal»: el número es "), cifra(c.numero), t(" × 10^"), cifra(c.potencia), t(".")});
    else
        w.linea({t("Modo «Entero»: el número es "), cifra(c.numero), t(" (el informe lo escribe "), cifra(c.numero),
                 t(" × 10^"), cifra("0"), t(").")});
    switch (c.rechazo) {
    case Conversion::CaracteresNumero:
    case Conversion::CaracteresPotencia:
        w.linea({t(c.rechazo == Conversion::CaracteresNumero ? "El número" : "La potencia de diez"),
                 t(" tiene un carácter que no es una cifra, «,» ni «-»: no se puede leer.")});
        w.mensaje(c.mensaje);
        return w;
    case Conversion::ComasNumero:
    case Conversion::ComasPotencia:
        w.linea({t(c.rechazo == Conversion::ComasNumero ? "El número" : "La potencia de diez"),
                 t(" tiene más de una coma: no se puede leer.")});
        w.mensaje(c.mensaje);
        return w;
    default:
        break;
    }
    w.linea({t(decimal ? "El número y la potencia tienen" : "Tiene"),
             t(decimal ? " solo cifras, «,» y «-», con una coma como mucho: la ventana los lee como números."
                       : " solo cifras, «,» y «-», con una coma como mucho: la ventana lo lee como número.")});
    if (!c.leido) {
        w.linea({t("Pero el texto no es un número: la lectura falla.")});
        w.mensaje(c.mensaje);
        return w;
    }

    // ---- a zero
    if (c.fin == Conversion::Cero && !c.campos) {
        w.paso("El cero");
        w.linea(
            {t("El número vale 0. "), t(c.signo == "1" ? "El texto empieza con «-»: el signo es 1 (el cero negativo)."
                                                       : "El signo es 0 (el cero positivo).")});
        camposDelCero(w, c);
        return w;
    }

    // ---- the sign
    w.paso("El signo");
    if (c.S > 0)
        w.linea({t("El número es positivo: el bit de signo es "), signo("0"), t(".")});
    else
        w.linea({t("El número es negativo: el bit de signo es "), signo("1"), t(".")});
    w.linea({t("Desde aquí se trabaja con su valor absoluto.")});

    // ---- the exponent, estimated
    w.paso("Una primera estimación del exponente");
    if (decimal && !c.potenciaEntera) {
        w.linea({t("La potencia de diez no es un número entero: la lectura falla.")});
        w.mensaje(c.mensaje);
        return w;
    }
    if (termina(c.logaritmo.has_value()))
        return w;
    if (decimal)
        w.linea({t("Primero se aplica la potencia de diez, sumando su logaritmo: log₂(x × 10^k) = (log₁₀ x + k) / "
                   "log₁₀ 2 ≈ "),
                 cifra(FloatToStr(*c.logaritmo)), t(".")});
    else
        w.linea({t("log₂ x = log₁₀ x / log₁₀ 2 ≈ "), cifra(FloatToStr(*c.logaritmo)), t(".")});
    if (termina(c.estimado.has_value()))
        return w;
    w.linea({t("Su parte entera hacia abajo da el exponente estimado: "), cifra(std::to_string(*c.estimado)), t(".")});

    // ---- the number stored
    w.paso("El número que se guarda");
    if (termina(c.k.has_value() && c.producto.has_value()))
        return w;
    if (decimal)
        w.linea({t("La ventana calcula x × 10^k = "), cifra(c.numero), t(" × 10^"), cifra(c.potencia),
                 t(" en precisión extendida y lo guarda en un real de 48 bits (40 bits significativos, redondeado).")});
    else
        w.linea({t("La ventana guarda el valor absoluto en un real de 48 bits (40 bits significativos, "
                   "redondeado).")});
    if (!c.campos) {
        w.linea({t("El número, "), cifra(decimalExactoLegible(*c.producto)), t(", redondeado a 40 bits llega a "),
                 cifra(potencia(127)), t(" = "), cifra(decimalExacto(std::ldexp(Extended{1}, 127))),
                 t(" o más: no cabe en el real de 48 bits.")});
        w.mensaje(c.mensaje);
        return w;
    }
    if (c.campos->cero) {
        w.linea({t("Es tan pequeño que el real de 48 bits lo guarda como 0: la ventana muestra el cero.")});
        camposDelCero(w, c);
        return w;
    }
    const Extended guardado = c.campos->numeroARepresentar.valor();
    w.linea({t("Se guarda exactamente "), cifra(decimalExacto(guardado)), t("; el informe lo escribe "),
             cifra(FloatToStr(guardado)), t(".")});
    w.regla({t("los errores se miden contra este número guardado (el número redondeado a 40 bits "
               "significativos), no contra el número escrito.")});

    // ---- the exponent, checked
    const std::int32_t e = c.campos->exponenteBinario;
    w.paso("El exponente y su comprobación");
    w.linea(unir(unir({t("Se comprueba 2^e ≤ número < 2^(e+1) con e = "), cifra(std::to_string(e)), t(": ")},
                      potenciaConValor(e)),
                 unir(unir({t(" ≤ número < ")}, potenciaConValor(e + 1)), {t(".")})));
    if (e != *c.estimado)
        w.linea({t("El logaritmo, redondeado, cae junto a un número entero y da "), cifra(std::to_string(*c.estimado)),
                 t(": la comprobación con las potencias de dos exactas lo corrige a "), cifra(std::to_string(e)),
                 t(".")});
    else
        w.linea({t("Se cumple: el exponente es "), cifra(std::to_string(e)), t(".")});

    // ---- the biased exponent
    w.paso("El exponente sesgado");
    const std::int32_t sesgado = c.campos->exponenteSesgado;
    w.linea({t(e < 0 ? "E = 127 + e = 127 + (" : "E = 127 + e = 127 + "), cifra(std::to_string(e)),
             t(e < 0 ? ") = " : " = "), cifra(std::to_string(sesgado)), t(".")});
    w.linea({t("En binario sin signo de 8 bits: "), cifra(sumaDePesos(c.exponente)), t(", es decir "),
             exponente(c.exponente), t(".")});

    // ---- the significand and its fraction bits
    const Extended M = c.campos->significando;
    const Duplicaciones d = duplicar(M - 1);
    w.paso("El significando y los 23 bits de la fracción");
    w.linea({t("M = número / 2^e = "), cifra(decimalExacto(guardado)), t(" / "), cifra(potencia(e)), t(" = "),
             cifra(decimalExacto(M)), t(".")});
    if (d.tabla.filas.empty()) {
        w.linea({t("M está entre 1 y 2: su 1 es el bit implícito, que no se guarda. La fracción es 0: los 23 bits "
                   "son ceros.")});
    } else {
        w.linea({t("M está entre 1 y 2: su 1 es el bit implícito, que no se guarda. Los bits de la fracción "),
                 cifra(decimalExacto(M - 1)),
                 t(" salen duplicándola: cada vez se escribe la parte entera y se sigue con lo que queda después "
                   "de la coma.")});
        w.tabla(d.tabla);
    }
    if (d.bits.size() < static_cast<std::size_t>(BitsFraccionIEEE) && !d.tabla.filas.empty())
        w.linea({t("La fracción llegó a 0 en el bit "), cifra(std::to_string(d.bits.size())),
                 t(": los bits que faltan hasta 23 son ceros.")});

    // ---- the cut
    const std::string cortada = c.fraccion.substr(0, BitsFraccionIEEE);
    w.paso("El corte");
    if (d.resto != 0) {
        w.linea({t("Después del bit 23 todavía queda "), cifra(decimalExacto(d.resto)),
                 t(": la fracción tiene más bits, y la ventana los descarta. Escribe un blanco después del bit 23 "
                   "para avisar que cortó.")});
        const RedondeoCercano r = redondeoAlMasCercano(c.exponente, cortada, d.resto);
        w.regla({t("esta ventana corta la fracción después del bit 23 (hacia cero). El estándar, y el hardware por "
                   "omisión, redondean al más cercano, con empate al par: aquí darían "),
                 bits(c.signo), t(" "), bits(r.exponente), t(" "), bits(r.fraccion), t(".")});
    } else {
        w.linea({t("La fracción cabe entera en 23 bits: no hay nada que cortar.")});
    }

    // ---- the fields
    w.paso("Los tres campos");
    w.linea({t("Signo, exponente y fracción: "), signo(c.signo), t(" "), exponente(c.exponente), t(" "),
             fraccion(c.fraccion), t(d.resto != 0 ? "(el blanco del final avisa que se cortaron bits)." : ".")});

    // ---- what the fields stand for, and the errors
    if (!c.error) {
        w.linea({t("El exponente sesgado es 0 o 255: no es un número normal, y la ventana no calcula los errores.")});
        return w;
    }
    const Extended representado = c.numeroRepresentado.valor();
    w.paso("El número representado");
    w.linea({t("2^e × 1,f = "), cifra(potencia(e)), t(" × "), cifra(decimalExacto(valorMantisa(c.fraccion, 1))),
             t(" = "), cifra(decimalExacto(representado)), t("; el informe lo escribe "),
             cifra(FloatToStr(representado)), t(".")});

    w.paso("El error absoluto");
    w.linea({t("|número representado − número guardado| = |"), cifra(decimalExacto(representado)), t(" − "),
             cifra(decimalExacto(guardado)), t("| = "), cifra(decimalExacto(c.error->absoluto)), t(".")});
    w.linea({t("La ventana lo escribe con 10 cifras significativas y 18 decimales: "), cifra(*c.absoluto), t(".")});

    w.paso("El error relativo");
    w.linea({t("Error absoluto / número guardado = "), cifra(*c.absoluto), t(" / "), cifra(FloatToStr(guardado)),
             t(" = "), cifra(*c.relativo), t(".")});
    w.linea({t("(También con 10 cifras significativas y 18 decimales.)")});
    return w;
}

// --------------------------------------------------------- IEEE to decimal

namespace {

std::string signoTexto(unsigned s)
{
    return s == 1 ? "1" : "0";
}

// The neighbour the window chose, and why.
void vecinoYError(Trabajo& w, PatronIEEE p, const ConversionIEEE6& c, const EstadoIEEE6& estado, const DetalleIEEE6& d)
{
    w.paso("El número vecino y el error absoluto máximo");
    const unsigned E = p.exponente();
    if (p.fraccion() != 0 && !todosunos(d.fraccion)) {
        w.linea({t("La fracción no es cero: los vecinos tienen el mismo exponente y la fracción anterior o la "
                   "siguiente, a la misma distancia. La ventana toma el número siguiente.")});
    } else if (p.fraccion() != 0) {
        w.linea({t("La fracción es toda unos: la siguiente no cabe en 23 bits. La ventana toma el número anterior, "
                   "a la misma distancia.")});
    } else if (E == 0) {
        w.linea({t("Para el cero, el vecino es el subnormal más pequeño, "), cifra(potencia(-149)),
                 t(", que el informe muestra con signo negativo.")});
    } else if (E == SesgoIEEE + 1) {
        w.linea({t("La fracción es cero: el número es una potencia de dos, y por debajo de ella los números están "
                   "al doble de juntos que por arriba.")});
        w.regla({t("para 2 y −2 esta ventana toma como vecino el número anterior, cuyo hueco ("), cifra(potencia(-23)),
                 t(") es la mitad del de arriba ("), cifra(potencia(-22)),
                 t("); para las demás potencias de dos toma el siguiente.")});
    } else {
        w.linea({t("La fracción es cero: el número es una potencia de dos. Por debajo de ella los números están al "
                   "doble de juntos; la ventana toma el número siguiente, el del hueco mayor.")});
    }
    const PatronIEEE vecino = PatronIEEE::deTextos(d.vecinoSigno == "1" ? 1u : 0u, d.vecinoExponente, d.vecinoFraccion);
    w.linea({t(c.informe.tipoVecino.value_or("") == TextoNumeroAnterior ? "Número anterior: " : "Número siguiente: "),
             signo(d.vecinoSigno), t(" "), exponente(d.vecinoExponente), t(" "), fraccion(d.vecinoFraccion),
             t(", que el informe escribe "), cifra(d.formulaVecino.value_or("")), t(" y vale exactamente "),
             cifra(decimalExactoLegible(valorDe(vecino))), t(".")});
    w.linea(unir(unir({t("El hueco entre los dos: ")}, hueco(estado.diferenciaMayor)),
                 {t("; el informe lo escribe "), cifra(d.diferencia), t(".")}));
    w.linea(unir(unir({t("Un número que cae entre los dos está como mucho a la mitad del hueco del más cercano: el "
                         "error absoluto máximo es ")},
                      hueco(Extended{estado.diferenciaMayor} / 2)),
                 {t(". La ventana escribe "), cifra(c.error), t(".")}));
    if (contiene(c.error, "(Aprox.)"))
        w.linea({t("Como necesita un exponente de diez, la ventana lo escribe con 5 cifras y «(Aprox.)».")});
    const std::string mitad = c.informe.mitadDiferencia.value_or("");
    if (mitad != c.error)
        w.linea({t("El informe decide la forma por la mitad y no por el hueco: escribe "), cifra(mitad), t(".")});
}

} // namespace

Trabajo trabajoIEEEADecimal(int signoElegido, const std::string& exponenteTexto, const std::string& fraccionTexto)
{
    EstadoIEEE6 estado;
    ConversorIEEE6 conversor(estado);
    const ConversionIEEE6 c = conversor.convertir(signoElegido, exponenteTexto, fraccionTexto);
    const unsigned s = signoElegido == 1 ? 1u : 0u;
    Trabajo w("Valor decimal de " + signoTexto(s) + " " + exponenteTexto + " " + fraccionTexto);

    // ---- the fields
    w.paso("Los tres campos");
    w.linea({t("Signo "), signo(signoTexto(s)), t(", exponente "), exponente(exponenteTexto), t(" y fracción "),
             fraccion(fraccionTexto), t(".")});
    if (!c.binario) {
        if (exponenteTexto.size() != BitsExponenteIEEE || fraccionTexto.size() != BitsFraccionIEEE)
            w.linea({t("El exponente lleva 8 bits y la fracción 23: con otra cantidad no es un número IEEE 754 de "
                       "32 bits.")});
        else
            w.linea({t("El exponente o la fracción tiene un carácter que no es 0 ni 1.")});
        w.mensaje(MensajeNoBinario);
        return w;
    }
    if (signoElegido != 0 && signoElegido != 1)
        w.linea({t("No hay signo elegido: la ventana toma el signo 0.")});
    const PatronIEEE p = PatronIEEE::deTextos(s, exponenteTexto, fraccionTexto);
    const unsigned E = p.exponente();
    w.linea({t(s == 1 ? "s = 1: el número es negativo." : "s = 0: el número es positivo.")});
    w.linea({t("E = "), exponente(exponenteTexto), t(" en binario sin signo: "), cifra(sumaDePesos(exponenteTexto)),
             t(".")});
    w.linea({t("f = "), fraccion(fraccionTexto), t(" es el entero "), cifra(std::to_string(p.fraccion())),
             t(" sobre 2^23: 0,f = "),
             cifra(decimalExacto(std::ldexp(static_cast<Extended>(p.fraccion()), -BitsFraccionIEEE))), t(".")});

    // ---- the class
    w.paso("La clase del número");
    const std::string eTexto = std::to_string(E);
    if (p.esNormal())
        w.linea({t("E = "), cifra(eTexto),
                 t(" no es 0 ni 255: es un número normal. Su significando es 1,f (el 1 es el bit implícito) y su "
                   "exponente, E − 127 = "),
                 cifra(std::to_string(exponenteRealDe(p))), t(".")});
    else if (p.esSubnormalOCero() && p.fraccion() != 0)
        w.linea({t("E = 0 y la fracción no es cero: es un número subnormal. No tiene bit implícito (su significando "
                   "es 0,f) y su exponente es fijo: "),
                 cifra(std::to_string(ExponenteSubnormalIEEE)), t(".")});
    else if (p.esSubnormalOCero())
        w.linea({t(s == 1 ? "E = 0 y la fracción es cero: es el cero negativo."
                          : "E = 0 y la fracción es cero: es el cero positivo.")});
    else if (p.fraccion() == 0)
        w.linea({t(s == 1 ? "E = 255 (todos unos) y la fracción es cero: es menos infinito."
                          : "E = 255 (todos unos) y la fracción es cero: es infinito.")});
    else
        w.linea({t("E = 255 (todos unos) y la fracción no es cero: es NaN, «no es un número».")});

    if (p.esEspecial()) {
        w.paso("El resultado");
        w.linea({t("No tiene valor numérico: la ventana escribe "), cifra(c.formula),
                 t(". Tampoco tiene número vecino ni error absoluto máximo: la ventana escribe "), cifra(c.error),
                 t(".")});
        return w;
    }

    const DetalleIEEE6 d = detalleIEEE6(signoElegido, exponenteTexto, fraccionTexto, c.formula, estado);
    if (p.esSubnormalOCero() && p.fraccion() == 0) {
        w.paso("El valor");
        w.linea({t("(−1)^s × 0,f × 2^−126 con f = 0 vale 0: la ventana escribe "), cifra(c.formula),
                 t(" y no escribe un valor decimal.")});
        vecinoYError(w, p, c, estado, d);
        return w;
    }

    // ---- the formula
    const int e = exponenteRealDe(p);
    const double significando = significandoDe(p);
    const std::string exacto = decimalExacto(significando);
    w.paso("La fórmula");
    if (p.esNormal())
        w.linea({t("(−1)^s × 1,f × 2^(E − 127) = (−1)^"), cifra(signoTexto(s)), t(" × "), bits(estado.mantisaBinaria),
                 t(" × 2^("), cifra(eTexto), t(" − 127) = "), t(s == 1 ? "−" : ""), cifra(potencia(e)), t(" × "),
                 cifra(exacto), t(".")});
    else
        w.linea({t("(−1)^s × 0,f × 2^−126 = (−1)^"), cifra(signoTexto(s)), t(" × "), bits(estado.mantisaBinaria),
                 t(" × 2^−126 = "), t(s == 1 ? "−" : ""), cifra(potencia(e)), t(" × "), cifra(exacto), t(".")});
    w.linea({t("El significando "), bits(estado.mantisaBinaria), t(" vale "), cifra(exacto),
             t("; el informe lo escribe con 10 cifras significativas y 15 decimales: "), cifra(d.significando),
             t(".")});
    w.linea({t("La ventana escribe la fórmula: "), cifra(c.formula), t(".")});
    const std::string escrito = FloatToStr(significando);
    if (escrito != exacto)
        w.regla({t("la fórmula escribe el significando con 15 cifras significativas, "), cifra(escrito),
                 t("; su valor exacto es "), cifra(exacto), t(".")});

    // ---- the value
    w.paso("El valor");
    const double valor = valorDe(p);
    w.linea({t("Valor exacto: "), t(s == 1 ? "−" : ""), cifra(potencia(e)), t(" × "), cifra(exacto), t(" = "),
             cifra(decimalExactoLegible(valor)), t(".")});
    w.linea({t("La ventana lee de vuelta la fórmula, "), cifra(potencia(e)), t(" × "), cifra(escrito),
             t(s == 1 ? ", pone delante el «-» con que empieza la fórmula y escribe " : ", y escribe "),
             cifra(c.decimal), t(".")});
    if (contiene(c.decimal, "(Aprox.)"))
        w.linea({t("El valor necesita un exponente de diez: la ventana lo escribe con 5 cifras y «(Aprox.)».")});
    w.regla({t("la ventana calcula el valor decimal desde el significando de 15 cifras que escribe la fórmula, no "
               "desde los bits: sus últimas cifras pueden diferir del valor exacto.")});
    std::string exactoComoVentana = textoAproximado(std::fabs(valor));
    if (s == 1)
        exactoComoVentana.insert(0, 1, '-');
    if (exactoComoVentana != c.decimal)
        w.linea(
            {t("Aquí difieren: el valor exacto, escrito de la misma forma, sería "), cifra(exactoComoVentana), t(".")});

    vecinoYError(w, p, c, estado, d);
    return w;
}

} // namespace cifral
