// The working of a conversion, as a teacher writes it on the board: numbered
// steps, each with lines of words and figures, tables of values, sentences
// on where this program follows a rule of the course that differs from the
// textbook one, and the messages the window showed.
//
// The computing routines write the working while they compute, so every
// figure in it is the figure the window shows; the windows only render it.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace cifral {

// A piece of a line or a cell of a table. A figure is a number as the
// window writes it; a bit string is set in a fixed-width font; the sign,
// exponent and fraction fields of a float are bit strings coloured by field.
struct Tramo {
    enum class Tipo { Texto, Cifra, Bits, Signo, Exponente, Fraccion };
    Tipo tipo = Tipo::Texto;
    std::string contenido;

    bool esCifra() const { return tipo != Tipo::Texto; }
};

// The pieces, by kind; a plain C string is a word piece.
namespace paso {
Tramo t(std::string palabras);
Tramo cifra(std::string numero);
Tramo bits(std::string cadena);
Tramo signo(std::string campo);
Tramo exponente(std::string campo);
Tramo fraccion(std::string campo);
} // namespace paso

using Linea = std::vector<Tramo>;

// A table with a head row; each cell is one piece.
struct Tabla {
    std::vector<std::string> encabezados;
    std::vector<std::vector<Tramo>> filas;
};

struct Bloque {
    enum class Tipo {
        Linea,   // words and figures
        Tabla,   // a table of values
        Regla,   // where this window's rule differs from the textbook one
        Mensaje, // a message the window showed, word for word
    };
    Tipo tipo = Tipo::Linea;
    Linea linea; // Linea, Regla and Mensaje
    Tabla tabla; // Tabla
};

struct Paso {
    std::string titulo;
    std::vector<Bloque> bloques;
};

class Trabajo {
public:
    Trabajo() = default;
    explicit Trabajo(std::string titulo) : titulo_(std::move(titulo)) {}

    const std::string& titulo() const { return titulo_; }
    void setTitulo(std::string titulo) { titulo_ = std::move(titulo); }
    const std::vector<Paso>& pasos() const { return pasos_; }
    bool vacio() const { return pasos_.empty(); }

    // Starts the next numbered step; what follows goes into it.
    Trabajo& paso(std::string titulo);
    Trabajo& linea(Linea l);
    Trabajo& linea(std::initializer_list<Tramo> l) { return linea(Linea(l)); }
    Trabajo& tabla(Tabla t);
    Trabajo& regla(Linea l);
    Trabajo& regla(std::initializer_list<Tramo> l) { return regla(Linea(l)); }
    // A message the window showed, as it showed it.
    Trabajo& mensaje(const std::string& texto);

    // The messages in the order they were shown.
    std::vector<std::string> mensajes() const;
    // The sentences on the rules of the course, each as one text.
    std::vector<std::string> reglas() const;
    // Every figure, bit string and field of the working, and every cell of
    // its tables that is one, as written.
    std::vector<std::string> cifras() const;
    bool contieneCifra(const std::string& cifra) const;

    // The working as plain text: the title, then each step numbered, its
    // tables in aligned columns, its rules and messages marked.
    std::string textoPlano() const;

private:
    Paso& actual();

    std::string titulo_;
    std::vector<Paso> pasos_;
};

} // namespace cifral
