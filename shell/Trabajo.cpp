#include "shell/Trabajo.h"

#include <algorithm>
#include <cstddef>

namespace cifral {

namespace paso {

Tramo t(std::string palabras)
{
    return {Tramo::Tipo::Texto, std::move(palabras)};
}

Tramo cifra(std::string numero)
{
    return {Tramo::Tipo::Cifra, std::move(numero)};
}

Tramo bits(std::string cadena)
{
    return {Tramo::Tipo::Bits, std::move(cadena)};
}

Tramo signo(std::string campo)
{
    return {Tramo::Tipo::Signo, std::move(campo)};
}

Tramo exponente(std::string campo)
{
    return {Tramo::Tipo::Exponente, std::move(campo)};
}

Tramo fraccion(std::string campo)
{
    return {Tramo::Tipo::Fraccion, std::move(campo)};
}

} // namespace paso

namespace {

// Characters, not bytes, of a UTF-8 text: what a column's width counts.
std::size_t anchoVisible(const std::string& s)
{
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string unir(const Linea& linea)
{
    std::string r;
    for (const Tramo& tramo : linea)
        r += tramo.contenido;
    return r;
}

void escribirTabla(const Tabla& tabla, std::string& r)
{
    std::vector<std::size_t> anchos(tabla.encabezados.size(), 0);
    auto medir = [&anchos](std::size_t i, const std::string& s) {
        if (i >= anchos.size())
            anchos.resize(i + 1, 0);
        anchos[i] = std::max(anchos[i], anchoVisible(s));
    };
    for (std::size_t i = 0; i < tabla.encabezados.size(); ++i)
        medir(i, tabla.encabezados[i]);
    for (const auto& fila : tabla.filas)
        for (std::size_t i = 0; i < fila.size(); ++i)
            medir(i, fila[i].contenido);
    auto escribirFila = [&r, &anchos](const std::vector<std::string>& celdas) {
        r += "   ";
        for (std::size_t i = 0; i < celdas.size(); ++i) {
            r += i == 0 ? "| " : " | ";
            r += celdas[i];
            r += std::string(anchos[i] - anchoVisible(celdas[i]), ' ');
        }
        r += " |\n";
    };
    if (!tabla.encabezados.empty())
        escribirFila(tabla.encabezados);
    for (const auto& fila : tabla.filas) {
        std::vector<std::string> celdas;
        for (const Tramo& celda : fila)
            celdas.push_back(celda.contenido);
        escribirFila(celdas);
    }
}

} // namespace

Paso& Trabajo::actual()
{
    if (pasos_.empty())
        pasos_.push_back({});
    return pasos_.back();
}

Trabajo& Trabajo::paso(std::string titulo)
{
    pasos_.push_back({std::move(titulo), {}});
    return *this;
}

Trabajo& Trabajo::linea(Linea l)
{
    actual().bloques.push_back({Bloque::Tipo::Linea, std::move(l), {}});
    return *this;
}

Trabajo& Trabajo::tabla(Tabla t)
{
    actual().bloques.push_back({Bloque::Tipo::Tabla, {}, std::move(t)});
    return *this;
}

Trabajo& Trabajo::regla(Linea l)
{
    actual().bloques.push_back({Bloque::Tipo::Regla, std::move(l), {}});
    return *this;
}

Trabajo& Trabajo::mensaje(const std::string& texto)
{
    actual().bloques.push_back({Bloque::Tipo::Mensaje, {paso::t(texto)}, {}});
    return *this;
}

namespace {

std::vector<std::string> textosDe(const std::vector<Paso>& pasos, Bloque::Tipo tipo)
{
    std::vector<std::string> r;
    for (const Paso& p : pasos)
        for (const Bloque& b : p.bloques)
            if (b.tipo == tipo)
                r.push_back(unir(b.linea));
    return r;
}

} // namespace

std::vector<std::string> Trabajo::mensajes() const
{
    return textosDe(pasos_, Bloque::Tipo::Mensaje);
}

std::vector<std::string> Trabajo::reglas() const
{
    return textosDe(pasos_, Bloque::Tipo::Regla);
}

std::vector<std::string> Trabajo::cifras() const
{
    std::vector<std::string> r;
    auto tomar = [&r](const Tramo& tramo) {
        if (tramo.esCifra())
            r.push_back(tramo.contenido);
    };
    for (const Paso& p : pasos_)
        for (const Bloque& b : p.bloques) {
            for (const Tramo& tramo : b.linea)
                tomar(tramo);
            for (const auto& fila : b.tabla.filas)
                for (const Tramo& celda : fila)
                    tomar(celda);
        }
    return r;
}

bool Trabajo::contieneCifra(const std::string& cifra) const
{
    const std::vector<std::string> todas = cifras();
    return std::find(todas.begin(), todas.end(), cifra) != todas.end();
}

std::string Trabajo::textoPlano() const
{
    std::string r = titulo_;
    if (!r.empty())
        r += '\n';
    int numero = 0;
    for (const Paso& p : pasos_) {
        r += '\n';
        r += std::to_string(++numero);
        r += ". ";
        r += p.titulo;
        r += '\n';
        for (const Bloque& b : p.bloques) {
            switch (b.tipo) {
            case Bloque::Tipo::Linea:
                r += "   ";
                r += unir(b.linea);
                r += '\n';
                break;
            case Bloque::Tipo::Tabla:
                escribirTabla(b.tabla, r);
                break;
            case Bloque::Tipo::Regla:
                r += "   Regla del curso: ";
                r += unir(b.linea);
                r += '\n';
                break;
            case Bloque::Tipo::Mensaje:
                r += "   Mensaje: \xC2\xAB";
                r += unir(b.linea);
                r += "\xC2\xBB\n";
                break;
            }
        }
    }
    return r;
}

} // namespace cifral
