#include "floating/sistnumPasosFlotante.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace cifral {

namespace {

using paso::bits;
using paso::cifra;

Tramo txt(std::string palabras)
{
    return paso::t(std::move(palabras));
}

std::string fts(Extended x)
{
    return FloatToStr(x);
}

std::string entero(std::int64_t v)
{
    return IntToStr(v);
}

std::string potencia(int k)
{
    return "2^" + std::to_string(k);
}

std::string nombre(int sistema)
{
    return nombreSistema(sistema);
}

// The significant digits of a number's text (0 for scientific form).
int cifrasSignificativas(const std::string& texto)
{
    if (texto.find('E') != std::string::npos)
        return 0;
    int r = 0;
    bool empezado = false;
    for (char c : texto) {
        if (c < '0' || c > '9')
            continue;
        empezado = empezado || c != '0';
        if (empezado)
            ++r;
    }
    return r;
}

// ------------------------------------------------ reading a bit string

// "64 + 32 + 4 = 100": the weights of the bits in 1 of an unsigned reading,
// and their sum as the integer systems value it.
Linea sumaDePesos(const std::string& cadena, const std::string& antes)
{
    const int n = static_cast<int>(cadena.size());
    Linea l{txt(antes)};
    int unos = 0;
    for (int i = 0; i < n; ++i) {
        if (cadena[static_cast<std::size_t>(i)] != '1')
            continue;
        if (unos > 0)
            l.push_back(txt(" + "));
        l.push_back(cifra(fts(std::ldexp(1.0L, n - 1 - i))));
        ++unos;
    }
    if (unos == 0)
        l.push_back(txt("ningún bit en 1"));
    if (unos != 1) {
        l.push_back(txt(" = "));
        l.push_back(cifra(fts(valorBSS(cadena, n))));
    }
    return l;
}

// How the integer value of a bit string is read in its system, up to the
// integer `valor` (the value the computing routine gave).
void explicarLectura(Trabajo& w, const std::string& cadena, int n, TNumberSystem sistema, double valor)
{
    const char signo = cadena.empty() ? '0' : cadena[0];
    const std::string resto = cadena.size() > 1 ? cadena.substr(1) : std::string();
    switch (sistema) {
    case BSS:
        w.linea({txt("En BSS cada bit pesa una potencia de 2: "), cifra(potencia(n - 1)), txt(" el de la izquierda, "),
                 cifra("2^0"), txt(" el de la derecha.")});
        w.linea(sumaDePesos(cadena, "Suma de los pesos de los bits en 1: "));
        break;
    case BCS:
        w.linea({txt("En BCS el primer bit es el signo ("), bits(std::string(1, signo)),
                 txt(signo == '1' ? ": negativo" : ": positivo"), txt(") y los otros "), cifra(entero(n - 1)),
                 txt(" bits, "), bits(resto), txt(", son la magnitud en BSS.")});
        w.linea(sumaDePesos(resto, "Magnitud: "));
        break;
    case CA1:
    case CA2:
        if (signo == '0') {
            w.linea({txt("El primer bit es "), bits("0"), txt(": el número es positivo y vale lo mismo que en BSS.")});
            w.linea(sumaDePesos(cadena, "Suma de los pesos de los bits en 1: "));
            break;
        }
        {
            const std::string invertidos = recomplementar(cadena);
            if (sistema == CA1) {
                w.linea({txt("El primer bit es "), bits("1"),
                         txt(": el número es negativo. Su magnitud se obtiene invirtiendo cada bit: "), bits(cadena),
                         txt(" → "), bits(invertidos), txt(".")});
                w.linea(sumaDePesos(invertidos, "Magnitud: "));
            } else {
                const double mas1 = valorBSS(invertidos, n) + 1;
                const std::string suma = convertir_A_BSS(n, static_cast<std::int32_t>(mas1));
                w.linea({txt("El primer bit es "), bits("1"),
                         txt(": el número es negativo. Su magnitud se obtiene invirtiendo cada bit y sumando 1: "),
                         bits(cadena), txt(" → "), bits(invertidos), txt(" + 1 = "), bits(suma), txt(".")});
                w.linea(sumaDePesos(suma, "Magnitud: "));
            }
        }
        break;
    case Exceso:
        w.linea({txt("En Exceso se lee la cadena en BSS y se le resta el sesgo "), cifra(potencia(n - 1)), txt(" = "),
                 cifra(fts(std::ldexp(1.0L, n - 1))), txt(".")});
        w.linea(sumaDePesos(cadena, "Valor en BSS: "));
        w.linea({cifra(fts(valorBSS(cadena, n))), txt(" - "), cifra(fts(std::ldexp(1.0L, n - 1))), txt(" = "),
                 cifra(fts(valorBSS(cadena, n) - std::ldexp(1.0, n - 1)))});
        break;
    }
    w.linea({txt("Valor entero de "), bits(cadena), txt(" en "), txt(nombre(sistema)), txt(": "),
             cifra(fts(valor == 0 ? 0.0 : valor))});
}

// ------------------------------------------------ writing an integer

// The divisions by 2 of v, a row each, and the digits read from the last
// remainder to the first.
Tabla tablaDivisiones(std::uint64_t v, std::string& digitos)
{
    Tabla t{{"Dividendo", "Cociente", "Resto"}, {}};
    digitos.clear();
    do {
        const std::uint64_t q = v / 2;
        const std::uint64_t r = v % 2;
        t.filas.push_back({cifra(IntToStr(static_cast<std::int64_t>(v))), cifra(IntToStr(static_cast<std::int64_t>(q))),
                           bits(std::string(1, static_cast<char>('0' + r)))});
        digitos.insert(digitos.begin(), static_cast<char>('0' + r));
        v = q;
    } while (v != 0);
    return t;
}

// How the integer v is written in its system with n bits, up to `resultado`
// (the bits the computing routine wrote). `negativo` is what the routine was
// told: a zero written as negative is CA1's negative zero.
void explicarCodificacion(Trabajo& w, const std::string& que, std::int64_t v, bool negativo, TNumberSystem sistema,
                          int n, const std::string& resultado)
{
    w.linea({txt(que), txt(" = "), cifra(entero(v)), txt(" en "), txt(nombre(sistema)), txt(" de "), cifra(entero(n)),
             txt(" bits.")});
    const std::int64_t sesgo = std::int64_t{1} << (n - 1);
    const std::int64_t aEscribir = sistema == Exceso ? v + sesgo : std::llabs(v);
    if (sistema == Exceso)
        w.linea({txt("Se le suma el sesgo "), cifra(potencia(n - 1)), txt(": "), cifra(entero(v)), txt(" + "),
                 cifra(entero(sesgo)), txt(" = "), cifra(entero(aEscribir)), txt(", que se escribe en BSS.")});
    std::string digitos;
    if (aEscribir > 0) {
        w.linea({txt("Divisiones sucesivas por 2 de "), cifra(entero(aEscribir)),
                 txt("; los bits se leen del último resto al primero:")});
        w.tabla(tablaDivisiones(static_cast<std::uint64_t>(aEscribir), digitos));
        w.linea({cifra(entero(aEscribir)), txt(" = "), bits(digitos), txt(" en binario.")});
    }
    switch (sistema) {
    case BSS:
        w.linea({txt("Con ceros a la izquierda hasta "), cifra(entero(n)), txt(" bits: "), bits(resultado)});
        break;
    case BCS:
        w.linea({txt("Bit de signo "), bits(v < 0 ? "1" : "0"), txt(" y la magnitud en "), cifra(entero(n - 1)),
                 txt(" bits: "), bits(resultado)});
        break;
    case CA1:
        if (!negativo) {
            w.linea({txt("Positivo: se escribe como en BCS, con signo "), bits("0"), txt(": "), bits(resultado)});
        } else {
            const std::string magnitud = convertir_A_BSS(n, static_cast<std::int32_t>(std::llabs(v)));
            w.linea({txt("Negativo: la magnitud en "), cifra(entero(n)), txt(" bits, "), bits(magnitud),
                     txt(", con cada bit invertido: "), bits(resultado)});
            if (v == 0)
                w.regla({txt("este conversor escribe el cero en CA1 como "), bits(resultado),
                         txt(", el cero negativo (todos unos); el cero positivo "),
                         bits(std::string(static_cast<std::size_t>(n), '0')),
                         txt(" es el que se escribe en el libro.")});
        }
        break;
    case CA2:
        if (v >= 0) {
            w.linea({txt(v == 0 ? "Cero: todos los bits en 0: " : "Positivo: se escribe como en BCS, con signo 0: "),
                     bits(resultado)});
        } else {
            const std::string magnitud = convertir_A_BSS(n, static_cast<std::int32_t>(std::llabs(v)));
            w.linea({txt("Negativo: la magnitud en "), cifra(entero(n)), txt(" bits, "), bits(magnitud),
                     txt(", con cada bit invertido, "), bits(recomplementar(magnitud)), txt(", y 1 sumado: "),
                     bits(resultado)});
        }
        break;
    case Exceso:
        w.linea({txt("Con ceros a la izquierda hasta "), cifra(entero(n)), txt(" bits: "), bits(resultado)});
        break;
    }
}

// ------------------------------------------------ range and resolution

std::string resta(const std::string& a, const std::string& b)
{
    return "(" + a + " - " + b + ")";
}

// The formula of each of the ten limits, with the lengths written in.
struct FormulasLimites {
    std::string manMaxPos, manMinPos, manMaxNeg, manMinNeg, manAntMaxPos, manSigMinPos, manSigMaxNeg, manAntMinNeg;
    std::string expMax, expMin;
};

FormulasLimites formulas(TMantissaKind tipo, TNumberSystem sm, int n, TNumberSystem se, int m, bool ventana4)
{
    FormulasLimites f;
    const std::string p = "2^" + std::to_string(n - 1);
    if (tipo == Entera) {
        const std::string tope = sm == BSS ? "2^" + std::to_string(n) : p;
        f.manMaxPos = tope + " - 1";
        f.manMinPos = "1";
        f.manAntMaxPos = tope + " - 2";
        f.manSigMinPos = "2";
        if (sm == BCS || sm == CA1) {
            f.manMaxNeg = "-(" + p + " - 1)";
            f.manMinNeg = "1 (la magnitud)";
            f.manSigMaxNeg = "2 - " + p;
            f.manAntMinNeg = "0";
        } else if (sm != BSS) {
            f.manMaxNeg = "-" + p;
            f.manMinNeg = ventana4 ? "1 (la magnitud)" : "-1";
            f.manSigMaxNeg = "1 - " + p;
            f.manAntMinNeg = ventana4 ? "2" : "0";
        }
    } else {
        const std::string u = "2^-" + std::to_string(n);
        const std::string w = "2^-" + std::to_string(n - 1);
        const std::string paso = sm == BSS ? u : w;
        f.manMaxPos = "1 - " + paso;
        f.manMinPos = "0,5";
        f.manAntMaxPos = "1 - 2 * " + paso;
        f.manSigMinPos = "0,5 + " + paso;
        if (sm == BCS || sm == CA1) {
            f.manMaxNeg = "-(1 - " + w + ")";
            f.manMinNeg = "-0,5";
            f.manSigMaxNeg = "-(1 - 2 * " + w + ")";
            f.manAntMinNeg = "-(0,5 + " + w + ")";
        } else if (sm != BSS) {
            f.manMaxNeg = "-" + w;
            f.manMinNeg = "-" + u;
            f.manSigMaxNeg = "-" + u;
            f.manAntMinNeg = "-" + w;
        }
    }
    const std::string q = "2^" + std::to_string(m - 1);
    switch (se) {
    case BSS:
        f.expMax = "2^" + std::to_string(m) + " - 1";
        f.expMin = "0";
        break;
    case BCS:
    case CA1:
        f.expMax = q + " - 1";
        f.expMin = "1 - " + q;
        break;
    case CA2:
    case Exceso:
        f.expMax = q + " - 1";
        f.expMin = "-" + q;
        break;
    }
    return f;
}

// What the range step needs to know about how the limits were obtained.
struct OrigenRango {
    TMantissaKind tipo = Entera;
    int sistemaMantisa = SinEleccion;
    int nLimites = 0;          // the length the mantissa limits were computed with
    bool mantisaNueva = false; // computed in this conversion (else kept)
    int sistemaExponente = SinEleccion;
    int m = 0;
    bool exponenteNuevo = false;
    bool ventana4 = false; // the decimal-to-floating-point window's differences
};

void pasoRango(Trabajo& w, const OrigenRango& o, const TFloatLimits& l, const TTextosRango& textos)
{
    w.paso("Rango y resolución del formato");
    const bool sinNegativos = l.manMaxNeg == ManMaxNegNoExiste;
    const bool formulasMantisa = o.mantisaNueva && esSistema(o.sistemaMantisa);
    const bool formulasExponente = o.exponenteNuevo && esSistema(o.sistemaExponente);
    FormulasLimites f;
    if (formulasMantisa || formulasExponente)
        f = formulas(o.tipo, static_cast<TNumberSystem>(esSistema(o.sistemaMantisa) ? o.sistemaMantisa : BSS),
                     o.nLimites, static_cast<TNumberSystem>(esSistema(o.sistemaExponente) ? o.sistemaExponente : BSS),
                     o.m, o.ventana4);
    if (formulasMantisa) {
        w.linea({txt(o.tipo == Entera ? "Límites de la mantisa entera de " : "Límites de la mantisa fraccionaria de "),
                 cifra(entero(o.nLimites)), txt(" bits en "), txt(nombre(o.sistemaMantisa)), txt(":")});
    } else {
        w.linea({txt("Los límites de la mantisa no se calcularon en esta conversión: son los que la ventana guardó de "
                     "la última que los calculó (todos 0 antes de la primera).")});
    }
    if (!formulasExponente)
        w.linea({txt("Los límites del exponente no se calcularon en esta conversión: son los guardados.")});
    Tabla t{{"Límite", "Fórmula", "Valor"}, {}};
    auto fila = [&t](const char* nombreLimite, const std::string& formula, bool conFormula, double valor) {
        t.filas.push_back({txt(nombreLimite), txt(conFormula ? formula : "guardado"), cifra(fts(valor))});
    };
    fila("manMaxPos (mantisa máxima positiva)", f.manMaxPos, formulasMantisa, l.manMaxPos);
    fila("manAntMaxPos (la anterior)", f.manAntMaxPos, formulasMantisa, l.manAntMaxPos);
    fila("manMinPos (mantisa mínima positiva)", f.manMinPos, formulasMantisa, l.manMinPos);
    fila("manSigMinPos (la siguiente)", f.manSigMinPos, formulasMantisa, l.manSigMinPos);
    if (!sinNegativos) {
        fila("manMaxNeg (mantisa máxima negativa)", f.manMaxNeg, formulasMantisa, l.manMaxNeg);
        fila("manSigMaxNeg (su vecina hacia el cero)", f.manSigMaxNeg, formulasMantisa, l.manSigMaxNeg);
        fila("manMinNeg (mantisa mínima negativa)", f.manMinNeg, formulasMantisa, l.manMinNeg);
        fila("manAntMinNeg (su vecina lejos del cero)", f.manAntMinNeg, formulasMantisa, l.manAntMinNeg);
    }
    fila("expMax (exponente máximo)", f.expMax, formulasExponente, l.expMax);
    fila("expMin (exponente mínimo)", f.expMin, formulasExponente, l.expMin);
    w.tabla(t);
    if (sinNegativos)
        w.linea({txt("Una mantisa en BSS no tiene negativos: los cuatro textos negativos son "), cifra(TextoNoExiste),
                 txt(".")});

    // The signs each window puts in front of the texts near zero.
    const bool entera = o.tipo == Entera;
    const bool magnitudCerca = entera && (o.sistemaMantisa == BCS || o.sistemaMantisa == CA1);
    std::string minimoNegativo = "manMinNeg * (2^expMin)";
    std::string resolucionMinimaNegativa = resta("manMinNeg", "manAntMinNeg") + " * (2^expMin)";
    if (o.ventana4) {
        if (entera)
            minimoNegativo = "\"-\" delante de " + minimoNegativo;
    } else {
        if (magnitudCerca)
            minimoNegativo = "\"-\" delante de " + minimoNegativo;
        if (!entera || magnitudCerca)
            resolucionMinimaNegativa = "\"-\" delante de " + resolucionMinimaNegativa;
    }
    if (o.ventana4 && magnitudCerca)
        resolucionMinimaNegativa = "\"-\" delante de " + resolucionMinimaNegativa;

    w.linea({txt("La ventana no multiplica: escribe cada número como factor * (2^exponente), con el factor y el "
                 "exponente en decimal.")});
    Tabla r{{"Campo", "Cómo se obtiene", "Texto"}, {}};
    auto texto = [&r](const char* campo, const std::string& como, const std::string& resultado) {
        r.filas.push_back({txt(campo), txt(como), cifra(resultado)});
    };
    texto("Número máximo positivo", "manMaxPos * (2^expMax)", textos.numeroMaximoPositivo);
    texto("Número mínimo positivo", "manMinPos * (2^expMin)", textos.numeroMinimoPositivo);
    texto("Resolución máxima positiva", resta("manMaxPos", "manAntMaxPos") + " * (2^expMax)",
          textos.resolucionMaximaPositiva);
    texto("Resolución mínima positiva", "|manMinPos - manSigMinPos| * (2^expMin)", textos.resolucionMinimaPositiva);
    const std::string noExiste = "BSS no tiene negativos";
    texto("Número máximo negativo", sinNegativos ? noExiste : "manMaxNeg * (2^expMax)", textos.numeroMaximoNegativo);
    texto("Número mínimo negativo", sinNegativos ? noExiste : minimoNegativo, textos.numeroMinimoNegativo);
    texto("Resolución máxima negativa", sinNegativos ? noExiste : resta("manMaxNeg", "manSigMaxNeg") + " * (2^expMax)",
          textos.resolucionMaximaNegativa);
    texto("Resolución mínima negativa", sinNegativos ? noExiste : resolucionMinimaNegativa,
          textos.resolucionMinimaNegativa);
    w.tabla(r);

    if (sinNegativos || !formulasMantisa)
        return;
    if (o.ventana4 && entera && (o.sistemaMantisa == CA2 || o.sistemaMantisa == Exceso))
        w.linea({txt("La ventana guarda la magnitud 1 del negativo más cercano a cero y le pone el \"-\" al final: "),
                 cifra(textos.numeroMinimoNegativo), txt(".")});
    if (!entera && (o.sistemaMantisa == CA2 || o.sistemaMantisa == Exceso))
        w.regla({txt("para una mantisa fraccionaria en "), txt(nombre(o.sistemaMantisa)),
                 txt(" el curso toma como mantisa máxima negativa -"), cifra(potencia(-(o.nLimites - 1))), txt(" = "),
                 cifra(fts(l.manMaxNeg)), txt(" y como mínima negativa -"), cifra(potencia(-o.nLimites)), txt(" = "),
                 cifra(fts(l.manMinNeg)),
                 txt("; leída la cadena de bits en complemento, la mantisa más negativa sería -1 y la más cercana a "
                     "cero -"),
                 cifra(potencia(-(o.nLimites - 1))), txt(".")});
    if (!entera && o.sistemaMantisa == Exceso && !o.ventana4)
        w.regla({txt("una mantisa fraccionaria en Exceso vale entre -0,5 y 0,5 (se lee sobre 2^n), pero sus límites "
                     "se toman como los de CA2, hasta "),
                 cifra(fts(l.manMaxPos)), txt(".")});
    if (o.ventana4 && !entera)
        w.regla({txt("este conversor escribe la resolución mínima negativa de una mantisa fraccionaria sin el \"-\" "
                     "delante: "),
                 cifra(textos.resolucionMinimaNegativa), txt("; «Binario a Decimal» la escribe negativa.")});
}

// M × 2^E written out, when 2^E can be written at all.
void valorDelNumero(Trabajo& w, const std::string& textoM, double m, const std::string& textoE, double e)
{
    w.paso("El número: M × 2^E");
    if (std::fabs(e) > 16000) {
        w.linea({txt("M × 2^E = "), cifra(textoM), txt(" × 2^"), cifra(textoE),
                 txt(": 2^E está fuera de lo que se puede escribir con 15 cifras.")});
        return;
    }
    const Extended v = std::ldexp(static_cast<Extended>(m), static_cast<int>(e));
    w.linea({txt("La ventana muestra M y E por separado; el número que representan es M × 2^E = "), cifra(textoM),
             txt(" × 2^"), cifra(textoE), txt(" = "), cifra(fts(v)), txt(".")});
}

// ============================================== Binario a Decimal

void binarioADecimal(Trabajo& w, const TFloatFormat& f, const std::string& mantisa, const std::string& exponente,
                     const TEstado3& antes)
{
    const int n = f.longitudMantisa;
    const int m = f.longitudExponente;
    w.paso("Los datos");
    w.linea({txt("Mantisa: "), bits(mantisa), txt(" ("), cifra(entero(static_cast<std::int64_t>(mantisa.size()))),
             txt(" bits); exponente: "), bits(exponente), txt(" ("),
             cifra(entero(static_cast<std::int64_t>(exponente.size()))), txt(" bits).")});
    {
        Linea l{txt("Formato: mantisa ")};
        l.push_back(txt(f.tipoMantisa == Entera         ? "entera"
                        : f.tipoMantisa == Fraccionaria ? "fraccionaria"
                                                        : "(sin tipo)"));
        if (n > 0)
            l.insert(l.end(), {txt(" de "), cifra(entero(n)), txt(" bits")});
        if (esSistema(f.sistemaMantisa))
            l.insert(l.end(), {txt(" en "), txt(nombre(f.sistemaMantisa))});
        if (f.tipoMantisa == Fraccionaria)
            l.push_back(txt(f.bitImplicito == ConBitImplicito   ? ", con bit implícito"
                            : f.bitImplicito == SinBitImplicito ? ", sin bit implícito"
                                                                : ", bit implícito sin elegir"));
        l.push_back(txt("; exponente"));
        if (m > 0)
            l.insert(l.end(), {txt(" de "), cifra(entero(m)), txt(" bits")});
        if (esSistema(f.sistemaExponente))
            l.insert(l.end(), {txt(" en "), txt(nombre(f.sistemaExponente))});
        l.push_back(txt("."));
        w.linea(l);
    }
    switch (controlarBits(mantisa, n, exponente, m)) {
    case LongitudIncorrecta:
        w.linea({txt(n <= 0 || m <= 0 ? "Falta elegir una longitud."
                                      : "La mantisa debe tener exactamente la longitud elegida, y el exponente "
                                        "también.")});
        w.mensaje("Ingrese la longitud de mantisa y exponente correctas");
        return;
    case DigitoNoBinario:
        w.linea({txt("Una cadena tiene un carácter que no es 0 ni 1.")});
        w.mensaje("Ingrese números en Binario");
        return;
    case BitsCorrectos:
        break;
    }
    if (f.tipoMantisa == SinEleccion) {
        w.linea({txt("No se eligió el tipo de mantisa: la evaluación termina aquí.")});
        return;
    }

    const bool hayMantisa = esSistema(f.sistemaMantisa);
    const auto sm = static_cast<TNumberSystem>(hayMantisa ? f.sistemaMantisa : BSS);
    const auto tipo = static_cast<TMantissaKind>(f.tipoMantisa);
    TFloatLimits l = antes.limites;
    OrigenRango origen;
    origen.tipo = tipo;
    origen.sistemaMantisa = f.sistemaMantisa;
    origen.sistemaExponente = f.sistemaExponente;
    origen.m = m;
    bool mantisaEscrita = true;
    double valorM = 0;
    std::string textoM;

    if (tipo == Entera) {
        w.paso("La mantisa entera");
        if (hayMantisa) {
            valorM = manent(mantisa, n, sm);
            minMaxEnt(n, sm, l);
            origen.mantisaNueva = true;
            origen.nLimites = n;
            explicarLectura(w, mantisa, n, sm, valorM);
        } else {
            valorM = antes.valorEntera;
            w.linea({txt("No hay sistema de mantisa elegido: el campo muestra el valor de la evaluación anterior.")});
        }
        textoM = textoConCeroNegativo(FloatToStr(valorM), f.sistemaMantisa, mantisa);
        if (textoM == "-0")
            w.linea({txt("Es el cero negativo de "), txt(nombre(sm)), txt(": vale 0 y la ventana lo escribe "),
                     cifra(textoM), txt(".")});
        w.linea({txt("Mantisa en decimal: M = "), cifra(textoM)});
    } else {
        w.paso("¿Está normalizada la mantisa?");
        if (!hayMantisa)
            w.linea({txt("No hay sistema de mantisa elegido: ninguna mantisa pasa la prueba.")});
        else if (sm == BSS)
            w.linea({txt("En BSS una mantisa fraccionaria normalizada empieza con "), bits("1"),
                     txt(" (vale 0,5 o más).")});
        else
            w.linea({txt("En "), txt(nombre(sm)), txt(" el bit que sigue al signo debe ser "), bits("1"),
                     txt(": se mira el segundo bit de "), bits(mantisa), txt(".")});
        if (!mantisaNormalizada(mantisa, f.sistemaMantisa)) {
            w.linea({txt("No lo está.")});
            w.mensaje("Ingrese una mantisa fraccionaria normalizada");
            w.linea({txt("La mantisa en decimal no cambia, pero la evaluación sigue con el exponente; el rango se "
                         "escribe con los límites de mantisa guardados.")});
            mantisaEscrita = false;
        } else {
            w.linea({txt("Lo está.")});
            if (f.bitImplicito == SinEleccion) {
                w.mensaje("Configure el bit implícito");
                return;
            }
            if (hayMantisa) {
                const bool implicito = usaBitImplicito(f);
                std::string cadena = mantisa;
                if (implicito) {
                    cadena = conBitImplicito(mantisa, sm);
                    w.paso("El bit implícito");
                    w.linea({txt(sm == BSS ? "Se pone un 1 delante: " : "Se pone un 1 después del bit de signo: "),
                             bits(mantisa), txt(" → "), bits(cadena), txt("; la mantisa se lee con n' = "),
                             cifra(entero(n + 1)), txt(" bits.")});
                    const bool negativa =
                        (sm == CA1 || sm == CA2) ? mantisa[0] == '1' : sm == Exceso && mantisa[0] == '0';
                    if (negativa)
                        w.regla({txt("el bit implícito es siempre un 1, también en una mantisa negativa en "),
                                 txt(nombre(sm)),
                                 txt("; en complemento, el bit que sigue al signo de un negativo normalizado sería "
                                     "un 0.")});
                }
                w.paso("La mantisa fraccionaria");
                int nPrima = n;
                valorM = mantFracc(mantisa, nPrima, sm, implicito);
                minMaxFracc(nPrima, sm, l);
                origen.mantisaNueva = true;
                origen.nLimites = nPrima;
                explicarLectura(w, cadena, nPrima, sm, valorSistema(sm, cadena, nPrima));
                const int k = escalaDeFraccion(sm, nPrima);
                w.linea({txt("La coma va después del "), txt(k == nPrima ? "principio de la cadena" : "bit de signo"),
                         txt(": el entero se divide por "), cifra(potencia(k)), txt(" = "),
                         cifra(fts(std::ldexp(1.0L, k))), txt(".")});
                if (sm == Exceso)
                    w.regla({txt("este conversor divide una mantisa en Exceso por 2^n' ("), cifra(potencia(k)),
                             txt("), no por 2^(n'-1): sus valores quedan entre -0,5 y 0,5; «Decimal a Punto "
                                 "Flotante» la lee sobre 2^(n-1).")});
            } else {
                valorM = antes.valorFraccionaria;
                w.linea(
                    {txt("No hay sistema de mantisa elegido: el campo muestra el valor de la evaluación anterior.")});
            }
            textoM = FloatToStr(valorM);
            w.linea({txt("Mantisa en decimal: M = "), cifra(textoM)});
        }
    }

    w.paso("El exponente");
    double valorE = 0;
    std::string textoE = "0";
    if (esSistema(f.sistemaExponente)) {
        const auto se = static_cast<TNumberSystem>(f.sistemaExponente);
        valorE = expo(exponente, m, se);
        explicarLectura(w, exponente, m, se, valorE);
        textoE = textoConCeroNegativo(FloatToStr(valorE), f.sistemaExponente, exponente);
        if (textoE == "-0")
            w.linea({txt("Es el cero negativo de "), txt(nombre(se)), txt(": vale 0 y la ventana lo escribe "),
                     cifra(textoE), txt(".")});
        calcExp(m, se, l);
        origen.exponenteNuevo = true;
    } else {
        w.linea({txt("No hay sistema de exponente elegido: el campo muestra 0 y sus límites no cambian.")});
    }
    w.linea({txt("Exponente en decimal: E = "), cifra(textoE)});

    if (mantisaEscrita)
        valorDelNumero(w, textoM, valorM, textoE, valorE);
    pasoRango(w, origen, l, calcularNums(l, tipo, f.sistemaMantisa));
}

// ======================================== Decimal a Punto Flotante

// The messages of a conversion step that belong to one part of the working.
void mensajesDe(Trabajo& w, const TConversion4& c, std::initializer_list<const char*> cuales)
{
    for (const std::string& m : c.mensajes)
        for (const char* cual : cuales)
            if (m == cual)
                w.mensaje(m);
}

void mensajesSalvo(Trabajo& w, const TConversion4& c, std::initializer_list<const char*> salvo)
{
    for (const std::string& m : c.mensajes) {
        bool otro = true;
        for (const char* s : salvo)
            otro = otro && m != s;
        if (otro)
            w.mensaje(m);
    }
}

void rangoDeSistema(Trabajo& w, const char* que, TNumberSystem sistema, int longitud)
{
    const Rango r = rango(sistema, longitud);
    w.linea({txt(que), txt(" en "), txt(nombre(sistema)), txt(" de "), cifra(entero(longitud)), txt(" bits: de "),
             cifra(fts(r.desde)), txt(" a "), cifra(fts(r.hasta)), txt(".")});
}

void conversionEntera(Trabajo& w, const TFormato4& f, const TConversion4& c, const TRastro4& r)
{
    if (!c.mensajes.empty() && c.mensajes.front() == MensajeNegativoEnBSS) {
        w.paso("Un negativo en BSS");
        w.linea({txt("BSS no tiene signo: un número negativo no se puede representar.")});
        w.mensaje(MensajeNegativoEnBSS);
        w.linea({txt("Los campos de la mantisa y del exponente quedan vacíos.")});
        return;
    }
    for (std::size_t i = 0; i < r.corridas.size(); ++i) {
        const TRastro4::Corrida& corrida = r.corridas[i];
        w.paso(i == 0 ? "La parte fraccionaria, por duplicaciones (hasta cuatro)"
                      : "De nuevo, con el número cortado a cuartos");
        w.linea({txt("Texto del número: "), cifra(corrida.texto), txt(".")});
        if (corrida.duplicaciones.empty()) {
            w.linea({txt("El texto no tiene ',': no hace falta duplicar; el exponente queda en 0.")});
        } else {
            w.linea({txt("Mientras el texto tenga ',' (a lo sumo cuatro veces) se duplica y el exponente baja 1:")});
            Tabla t{{"Texto", "× 2", "Exponente k"}, {}};
            for (const TRastro4::Duplicacion& d : corrida.duplicaciones)
                t.filas.push_back({cifra(d.texto), cifra(d.doble), cifra(entero(d.k))});
            w.tabla(t);
            if (i == 0)
                w.regla({txt("cada duplicación parte del texto del valor anterior, escrito con 15 cifras "
                             "significativas, y se buscan a lo sumo cuatro cifras binarias fraccionarias.")});
        }
        if (corrida.sigueDecimal) {
            w.linea({txt("Después de cuatro duplicaciones el texto todavía tiene ','.")});
            w.regla({txt("entonces la parte fraccionaria de la magnitud se corta al múltiplo de 0,25 de abajo "
                         "(0, 0,25, 0,5 o 0,75) y la conversión empieza de nuevo con ese número; el libro seguiría "
                         "duplicando o redondearía.")});
            if (i + 1 < r.corridas.size())
                w.linea({txt("Número cortado a cuartos: "), cifra(fts(r.corridas[i + 1].x)), txt(".")});
        }
    }

    w.paso("Mantisa y exponente que caben");
    rangoDeSistema(w, "Mantisa entera", f.sistemaMantisa, f.n);
    rangoDeSistema(w, "Exponente", f.sistemaExponente, f.e);
    w.linea({txt("Se toma la parte entera del valor; si la mantisa o el exponente no caben, el valor se divide por 2 "
                 "y el exponente sube 1:")});
    Tabla t{{"Valor", "Parte entera (mantisa)", "Exponente k", "¿Cabe?"}, {}};
    for (const TRastro4::Ajuste& a : r.ajustes)
        t.filas.push_back({cifra(fts(a.valor)), cifra(fts(a.mantisa)), cifra(entero(a.k)), txt(a.cabe ? "sí" : "no")});
    w.tabla(t);
    if (r.ajustes.size() > 1 || (!r.ajustes.empty() && r.ajustes.front().valor != r.ajustes.front().mantisa)) {
        // Something is lost when a value has a fraction or a halved mantissa is odd.
        bool perdida = false;
        for (std::size_t i = 0; i < r.ajustes.size(); ++i) {
            const TRastro4::Ajuste& a = r.ajustes[i];
            perdida = perdida || a.valor != a.mantisa || (i + 1 < r.ajustes.size() && std::fmod(a.mantisa, 2) != 0);
        }
        w.regla({txt("de cada valor se toma la parte entera y cada mitad se corta: las cifras que no caben se "
                     "pierden, no se redondea."),
                 txt(perdida ? " Aquí se perdieron cifras: el error lo muestra." : " Aquí no se perdió ninguna.")});
    }
    if (!c.escribe) {
        w.linea({txt("Ningún exponente del formato alcanza para este número.")});
        mensajesDe(w, c, {MensajeNoRepresentable});
        return;
    }
    const TRastro4::Ajuste& fin = r.ajustes.back();
    w.paso("La mantisa y el exponente en sus sistemas");
    const auto mm = static_cast<std::int64_t>(fin.mantisa);
    explicarCodificacion(w, "Mantisa M", mm, mm <= 0, f.sistemaMantisa, f.n, c.mantisa);
    explicarCodificacion(w, "Exponente k", fin.k, fin.k <= 0, f.sistemaExponente, f.e, c.exponente);
    w.linea({txt("Mantisa: "), bits(c.mantisa), txt("   Exponente: "), bits(c.exponente)});
}

// Returns the mantissa before its implicit bit was dropped.
std::string conversionFraccionaria(Trabajo& w, const std::string& numero, const TFormato4& f, const TConversion4& c,
                                   const TRastro4& r)
{
    w.paso("La mantisa fraccionaria pide un número con ','");
    if (!EsDecimal(numero)) {
        w.linea({txt("El número "), cifra(numero), txt(" no tiene ','.")});
        mensajesDe(w, c, {MensajeNoEsDecimal});
        return {};
    }
    const double x = static_cast<double>(StrToFloat(numero));
    const double magnitud = std::fabs(x);
    w.linea({txt("Número: "), cifra(fts(x)), txt("; su magnitud, "), cifra(fts(magnitud)),
             txt(", se lleva a una fracción entre 0,5 y 1 por un exponente de 2.")});

    w.paso("Normalización");
    if (magnitud >= 1 && magnitud < 0x1p63) {
        std::string digitos;
        const auto parteEntera = static_cast<std::uint64_t>(magnitud);
        w.linea({txt("La parte entera, "), cifra(IntToStr(static_cast<std::int64_t>(parteEntera))),
                 txt(", por divisiones sucesivas por 2:")});
        w.tabla(tablaDivisiones(parteEntera, digitos));
        w.linea({txt("En binario es "), bits(digitos), txt(": tiene "),
                 cifra(entero(static_cast<std::int64_t>(digitos.size()))),
                 txt(" cifras, tantas como mitades hacen falta para que la magnitud quede debajo de 1.")});
    }
    if (!r.mitades.empty()) {
        Tabla t{{"Magnitud / 2", "Exponente k"}, {}};
        for (const TRastro4::Escalon& e : r.mitades)
            t.filas.push_back({cifra(e.texto), cifra(entero(e.k))});
        w.linea({txt("Mientras la magnitud sea 1 o más, se divide por 2 y el exponente sube 1:")});
        w.tabla(t);
        if (r.mitades.back().texto == "0,5")
            w.linea({txt("Es una potencia de 2: queda 0,5 × 2^"), cifra(entero(r.mitades.back().k)), txt(".")});
    }
    const bool falloNormalizacion = !r.normalizado;
    if (r.mitades.empty() && r.dobles.empty() && magnitud >= 0.5 && magnitud < 1)
        w.linea({txt("La magnitud ya está entre 0,5 y 1: no hace falta normalizar.")});
    if (!r.dobles.empty()) {
        Tabla t{{"Magnitud × 2", "Exponente k"}, {}};
        for (const TRastro4::Escalon& e : r.dobles)
            t.filas.push_back({cifra(e.texto), cifra(entero(e.k))});
        w.linea({txt("La magnitud es menor que 0,5: se duplica y el exponente baja 1 hasta llegar a 0,5 o más:")});
        w.tabla(t);
    }
    if (falloNormalizacion) {
        if (x == 0)
            w.linea({txt("El cero no se normaliza: ninguna duplicación lo lleva a 0,5.")});
        else if (magnitud < 0.5 && f.sistemaExponente == BSS)
            w.linea({txt("Hace falta un exponente negativo, y un exponente en BSS no tiene negativos.")});
        else
            rangoDeSistema(w, "El exponente no cabe: exponente", f.sistemaExponente, f.e);
        mensajesDe(w, c, {MensajeNoRepresentable});
        return {};
    }
    w.linea({txt("Valor normalizado: "), cifra(fts(r.x)), txt(" × 2^"), cifra(entero(r.k)), txt(".")});

    w.paso("Las cifras binarias de la fracción, por duplicaciones");
    TRastro4 cifras;
    const std::string digitos = digitosFraccion(r.x, f.n, &cifras);
    Tabla t{{"Fracción", "× 2", "Bit", "Nueva fracción"}, {}};
    for (const TRastro4::Digito& d : cifras.digitos)
        t.filas.push_back({cifra(fts(d.resto)), cifra(fts(d.doble)),
                           bits(std::string(1, static_cast<char>('0' + d.bit))), cifra(fts(d.nuevo))});
    w.linea({txt("Se duplica la fracción; la parte entera del doble es el bit siguiente (se muestran con 15 cifras, "
                 "como las escribe el conversor):")});
    w.tabla(t);
    if (cifras.parado)
        w.linea({txt("La fracción que queda ya no tiene ',': las cifras que faltan hasta "), cifra(entero(f.n)),
                 txt(" son 0.")});
    bool largas = false;
    for (const TRastro4::Digito& d : cifras.digitos)
        largas = largas || cifrasSignificativas(fts(d.nuevo)) >= 15;
    if (largas)
        w.linea({txt("Las cifras de más al final de algunas fracciones vienen de que el número se guarda en binario "
                     "con 53 bits: el valor guardado no es exactamente el decimal escrito.")});
    w.linea({txt("Las "), cifra(entero(f.n)), txt(" primeras cifras: "), bits(digitos), txt(".")});
    if (!cifras.parado && !cifras.digitos.empty() && cifras.digitos.back().nuevo != 0)
        w.regla({txt("la mantisa se corta: lo que queda después de esas cifras ("),
                 cifra(fts(cifras.digitos.back().nuevo)), txt(" de la última posición) se pierde; no se redondea.")});
    else
        w.regla({txt("la mantisa se corta a las cifras que caben, no se redondea.")});

    const bool positivo = StrToFloat(numero) > 0;
    std::vector<std::string> mensajes;
    const std::string s = calcular_Mantisa_Fraccionaria(f.sistemaMantisa, f.n, r.x, positivo, mensajes);
    w.paso("La mantisa en su sistema");
    if (f.sistemaMantisa == BSS) {
        w.linea({txt("BSS guarda las "), cifra(entero(f.n)),
                 txt(" cifras si el número es positivo y su magnitud "
                     "normalizada no pasa de 1 - 2^-"),
                 cifra(entero(f.n)), txt(".")});
        if (!s.empty())
            w.linea({txt("Mantisa: "), bits(s)});
    } else {
        w.linea({txt("Un sistema con signo guarda el signo y las "), cifra(entero(f.n - 1)),
                 txt(" primeras cifras, si la magnitud normalizada no pasa de 1 - 2^-"), cifra(entero(f.n - 1)),
                 txt(".")});
        if (!s.empty()) {
            std::int64_t mm = 0;
            for (int i = 0; i < f.n - 1; ++i)
                mm = 2 * mm + (digitos[static_cast<std::size_t>(i)] == '1' ? 1 : 0);
            w.linea({txt("Cifras guardadas: "), bits(digitos.substr(0, static_cast<std::size_t>(f.n - 1))), txt(" = "),
                     cifra(entero(mm)), txt(" (sobre "), cifra(potencia(f.n - 1)), txt(").")});
            explicarCodificacion(w, positivo ? "M" : "-M", positivo ? mm : -mm, !positivo, f.sistemaMantisa, f.n, s);
        }
    }
    mensajesSalvo(w, c, {MensajeNoEsDecimal, MensajeNoRepresentable, MensajeImplicitoNoNormalizada});
    if (s.empty())
        w.linea({txt("La mantisa queda vacía; el exponente se escribe igual.")});
    if (f.implicito && !s.empty()) {
        w.paso("Se quita el bit implícito");
        const bool bss = f.sistemaMantisa == BSS;
        w.linea({txt(bss ? "Se quita el primer bit" : "Se quita el bit que sigue al signo"),
                 txt(", lo demás pasa un lugar a la izquierda y entra a la derecha un bit de relleno ("),
                 bits(f.sistemaMantisa == CA1 ? "1" : "0"), txt("): "), bits(s), txt(" → "), bits(c.mantisa),
                 txt(".")});
        mensajesDe(w, c, {MensajeImplicitoNoNormalizada});
    }
    w.paso("El exponente en su sistema");
    explicarCodificacion(w, "Exponente k", r.k, r.k <= 0, f.sistemaExponente, f.e, c.exponente);
    w.linea({txt("Mantisa: "), c.mantisa.empty() ? txt("(vacía)") : bits(c.mantisa), txt("   Exponente: "),
             bits(c.exponente)});
    return s;
}

void pasoError(Trabajo& w, TMantissaKind tipo, const TFormato4& f, double x, const TConversion4& c, const TError4& e,
               const std::string& sinQuitar)
{
    w.paso("El valor leído y el error");
    if (tipo == Entera) {
        w.linea({txt("Se leen los campos escritos: M = "), bits(c.mantisa), txt(" en "), txt(nombre(f.sistemaMantisa)),
                 txt(" = "), cifra(fts(e.mantisa)), txt("; E = "), bits(c.exponente), txt(" en "),
                 txt(nombre(f.sistemaExponente)), txt(" = "), cifra(fts(e.exponente)), txt(".")});
    } else {
        std::string s = c.mantisa;
        if (f.implicito) {
            s = cambiarElBitImplicito(c.mantisa, f.sistemaMantisa);
            w.linea({txt("Se vuelve a poner el bit implícito, un 1, y se descarta el último bit guardado: "),
                     bits(c.mantisa), txt(" → "), bits(s), txt(".")});
        }
        const int k = f.sistemaMantisa == BSS ? f.n : f.n - 1;
        w.linea({txt("M = "), bits(s), txt(" en "), txt(nombre(f.sistemaMantisa)), txt(" = "),
                 cifra(fts(valorSistema(f.sistemaMantisa, s, f.n))), txt(" / "), cifra(potencia(k)), txt(" = "),
                 cifra(fts(e.mantisa)), txt("; E = "), bits(c.exponente), txt(" en "), txt(nombre(f.sistemaExponente)),
                 txt(" = "), cifra(fts(e.exponente)), txt(".")});
        if (f.sistemaMantisa == Exceso)
            w.regla({txt("este conversor lee una mantisa fraccionaria en Exceso sobre 2^(n-1) ("), cifra(potencia(k)),
                     txt("); «Binario a Decimal» la lee sobre 2^n.")});
        // The implicit bit put back is always a 1; in a negative mantissa of
        // a complement system the bit that was dropped may be a 0.
        const std::size_t lugar = f.sistemaMantisa == BSS ? 0 : 1;
        if (f.implicito && sinQuitar.size() > lugar && sinQuitar[lugar] != '1')
            w.regla({txt("el bit que se quitó de "), bits(sinQuitar),
                     txt(" era un 0, pero al leer la mantisa se "
                         "vuelve a poner siempre un 1: el valor "
                         "leído no es el del número convertido "
                         "(el libro volvería a poner el bit "
                         "quitado).")});
    }
    w.linea({txt("Valor representado: V = M × 2^E = "), cifra(fts(e.mantisa)), txt(" × 2^"), cifra(fts(e.exponente)),
             txt(" = "), cifra(fts(e.valor)), txt(".")});
    w.linea({txt("Error absoluto = |V - x| = |"), cifra(fts(e.valor)), txt(x < 0 ? " - (" : " - "), cifra(fts(x)),
             txt(x < 0 ? ")| = " : "| = "), cifra(e.absoluto)});
    w.linea({txt("Error relativo = error absoluto / |x| = "), cifra(e.relativo)});
    const bool entera = tipo == Entera;
    w.linea({txt("La barra: una marca por cada "), cifra(entera ? "0,003" : "0,0003"),
             txt(" de error relativo, hasta 30: "), cifra(entero(e.marcas)), txt(" marcas de 30.")});
}

void decimalAFlotante(Trabajo& w, const TPulsacion4& p)
{
    w.paso("Los datos");
    if (!p.configurado)
        w.mensaje("Realize la configuración");
    if (p.n == 0 || p.e == 0) {
        w.linea({txt("Falta elegir la longitud de la mantisa o la del exponente.")});
        w.mensaje("Ingrese longitud de exponente correctas");
        return;
    }
    if (p.numero.empty() || !esNumero(p.numero)) {
        w.linea({txt(p.numero.empty() ? "No se escribió ningún número."
                                      : "El texto no es un número decimal (cifras, un '-' adelante y una ',').")});
        w.mensaje("Ingrese un número decimal");
        return;
    }
    {
        Linea l{txt("Número: "), cifra(p.numero), txt("; mantisa ")};
        l.push_back(txt(p.tipo == Entera ? "entera" : p.tipo == Fraccionaria ? "fraccionaria" : "(sin tipo)"));
        l.insert(l.end(), {txt(" de "), cifra(entero(p.n)), txt(" bits")});
        if (esSistema(p.sistemaMantisa))
            l.insert(l.end(), {txt(" en "), txt(nombre(p.sistemaMantisa))});
        if (p.tipo == Fraccionaria)
            l.push_back(txt(p.bitImplicito == ConBitImplicito   ? ", con bit implícito"
                            : p.bitImplicito == SinBitImplicito ? ", sin bit implícito"
                                                                : ""));
        l.insert(l.end(), {txt("; exponente de "), cifra(entero(p.e)), txt(" bits")});
        if (esSistema(p.sistemaExponente))
            l.insert(l.end(), {txt(" en "), txt(nombre(p.sistemaExponente))});
        l.push_back(txt("."));
        w.linea(l);
    }
    if (esMenosCero(p.numero)) {
        w.paso("El cero negativo");
        if (p.sistemaMantisa == BCS) {
            const TMantisaExponente cero = menosCeroBcs(p.n, p.e, p.sistemaExponente);
            w.linea({txt("BCS tiene un cero negativo: signo 1 y magnitud 0. Mantisa: "), bits(cero.mantisa),
                     txt("; exponente 0: "), bits(cero.exponente), txt(".")});
            w.linea({txt("Los errores, la barra y el rango no cambian.")});
            return;
        }
        w.mensaje("No existe el menos cero en el sistema configurado");
        w.linea({txt("La conversión sigue con el valor 0.")});
    }
    if (p.tipo == Fraccionaria && p.bitImplicito == SinEleccion) {
        w.mensaje("Configure Bit Implícito");
        return;
    }
    if (p.tipo == SinEleccion) {
        w.linea({txt("No se eligió el tipo de mantisa: no se convierte nada.")});
        return;
    }
    if (!esSistema(p.sistemaMantisa) || !esSistema(p.sistemaExponente)) {
        w.mensaje("Realize la configuración");
        return;
    }

    const TFormato4 f{p.n, p.e, static_cast<TNumberSystem>(p.sistemaMantisa),
                      static_cast<TNumberSystem>(p.sistemaExponente), p.bitImplicito == ConBitImplicito};
    const auto tipo = static_cast<TMantissaKind>(p.tipo);
    TRastro4 r;
    const TConversion4 c =
        tipo == Entera ? calcular_MantExp_Entera(p.numero, f, &r) : calcular_MantExp_Fraccionaria(p.numero, f, &r);
    std::string sinQuitar;
    if (tipo == Entera)
        conversionEntera(w, f, c, r);
    else
        sinQuitar = conversionFraccionaria(w, p.numero, f, c, r);

    if (c.escribe) {
        const double x = guardarDouble(StrToFloat(p.numero));
        const auto error = tipo == Entera ? calcular_errores(f, x, c.mantisa, c.exponente)
                                          : calculo_error_F(f, x, c.mantisa, c.exponente);
        if (error)
            pasoError(w, tipo, f, x, c, *error, sinQuitar);
        else
            w.linea({txt("Sin mantisa escrita no hay valor que leer: los errores y la barra conservan lo que "
                         "mostraban.")});
    }
    const std::string exponente = c.escribe ? c.exponente : p.exponenteAnterior;
    if (exponente.empty())
        return;
    if (!c.escribe)
        w.linea({txt("El campo del exponente conserva uno anterior: el rango se escribe igual para el formato "
                     "elegido.")});
    const TFloatLimits l = limitesDelFormato(tipo, f);
    TTextosRango textos = textosDelRango(l, tipo, f.sistemaMantisa);
    textos.numeroMinimoNegativo = conSignoNegativo(textos.numeroMinimoNegativo);
    OrigenRango o;
    o.tipo = tipo;
    o.sistemaMantisa = f.sistemaMantisa;
    o.nLimites = f.n;
    o.mantisaNueva = true;
    o.sistemaExponente = f.sistemaExponente;
    o.m = f.e;
    o.exponenteNuevo = true;
    o.ventana4 = true;
    pasoRango(w, o, l, textos);
    if (tipo == Fraccionaria && f.implicito)
        w.regla({txt("con bit implícito la mantisa tiene en realidad "), cifra(entero(f.n + 1)),
                 txt(" bits significativos, pero este conversor calcula los límites con los "), cifra(entero(f.n)),
                 txt(" bits guardados.")});
}

} // namespace

Trabajo trabajoBinarioADecimal(const TFloatFormat& formato, const std::string& mantisa, const std::string& exponente,
                               const TEstado3& antes)
{
    Trabajo w("Binario a Decimal");
    binarioADecimal(w, formato, mantisa, exponente, antes);
    return w;
}

Trabajo trabajoDecimalAFlotante(const TPulsacion4& pulsacion)
{
    Trabajo w("Decimal a Punto Flotante");
    try {
        decimalAFlotante(w, pulsacion);
    } catch (const Fault& falla) {
        w.mensaje(falla.what()); // the window shows it and its handler ends
    }
    return w;
}

} // namespace cifral
