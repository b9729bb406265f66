// "Práctica": exercises drawn at random, the checking of a student's answers
// and the solution with its working. The expected figures and the working
// come from the converters' own routines, so an exercise's solution is what
// the converter would show for it.
//
// The drawing is seeded and uses only the generator's raw output, so the same
// seed gives the same exercises with every compiler and library.
#pragma once

#include "shell/Trabajo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cifral {

// The kinds, numbered in the order of the converters (1 to 7).
inline constexpr int TiposDeEjercicio = 7;
// The name of a kind as the converter is named ("Binario a Entero", ...).
std::string nombreTipoEjercicio(int tipo);
// The kinds this version draws exercises of, in order.
const std::vector<int>& tiposDisponibles();
bool tipoDisponible(int tipo);

// Levels 1 to 3: "Inicial", "Intermedio", "Avanzado".
inline constexpr int NivelesDeEjercicio = 3;
std::string nombreNivel(int nivel);

// How an answer is compared with the expected figure.
enum class Comparacion {
    Entero,  // an integer; "-0" is its own answer
    Decimal, // a decimal: ',' or '.', trailing zeros and a '+' do not count
    Bits,    // a bit string: blanks between groups do not count
};

struct Respuesta {
    std::string rotulo;   // "Cadena de bits", "Exponente", ...
    std::string esperada; // the figure as the converter writes it
    Comparacion comparacion = Comparacion::Entero;
    // The piece of the working that writes it: a field of a float, or any
    // figure (Tramo::Tipo::Cifra).
    Tramo::Tipo pieza = Tramo::Tipo::Cifra;
    // Words of the title of the step that computes it, when another step
    // may hold the same figure first (the range, after the reading).
    std::string paso;
};

struct Ejercicio {
    int tipo = 0;
    int nivel = 1;
    std::uint64_t semilla = 0;
    int numero = 1; // the exercise's place in its series
    std::string enunciado;
    std::string disposicion;        // the layout given: system and length, format...
    std::vector<std::string> datos; // the figures the statement gives
    std::vector<Respuesta> respuestas;
    Trabajo trabajo; // the working, by the converter's routines
};

// Exercise `numero` of the series of a seed.
Ejercicio generarEjercicio(int tipo, int nivel, std::uint64_t semilla, int numero);

// An answer in a canonical form for its comparison: signs "−" and "+",
// blanks, separators and trailing zeros taken away as the comparison allows.
std::string formaCanonica(Comparacion comparacion, const std::string& texto);
bool respuestaCorrecta(const Respuesta& respuesta, const std::string& dada);

// The index (from 0) of the first step of the working that holds the
// expected figure of answer `i`, past the steps that only restate the
// statement's data and among the steps the answer names; -1 when no step
// holds it.
int pasoDeRespuesta(const Ejercicio& ejercicio, std::size_t i);

// The exercises of a sheet: `cantidad` exercises of the kinds, in turn, from
// one seed.
std::vector<Ejercicio> hojaDeEjercicios(const std::vector<int>& tipos, int nivel, int cantidad, std::uint64_t semilla);

} // namespace cifral
