// Writes the seed corpus of the fuzz targets (tests/fuzz/corpus/<target>/)
// from the cases of the core tests: each case encoded the way its target
// reads its bytes (texts at the front, each ended by '\' and another
// character; numbers from the end, the first one read last in the file, in
// the order of FuzzedDataProvider).
//
//   build-fuzz/semillas tests/fuzz/corpus
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

class Semilla {
public:
    // A text read with ConsumeRandomLengthString.
    Semilla& texto(const std::string& t)
    {
        for (char c : t) {
            frente_ += c;
            if (c == '\\')
                frente_ += '\\';
        }
        frente_ += "\\x";
        return *this;
    }
    // ConsumeIntegralInRange(desde, hasta) for a range of fewer than 256
    // values: one byte, v - desde.
    Semilla& rango(long v, long desde)
    {
        cola_.push_back(static_cast<std::uint8_t>(v - desde));
        return *this;
    }
    Semilla& booleano(bool b) { return rango(b ? 1 : 0, 0); }
    // ConsumeIntegral of `bytes` bytes: the most significant byte is read
    // first.
    Semilla& entero(std::uint64_t v, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i)
            cola_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    // The bits of a string as bitsAlAzar reads them: the first character
    // is the lowest bit of a 64-bit number.
    Semilla& bits(const std::string& s)
    {
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < s.size(); ++i)
            if (s[i] == '1')
                v |= std::uint64_t{1} << i;
        return entero(v, 8);
    }

    std::string bytes() const
    {
        std::string r = frente_;
        for (auto it = cola_.rbegin(); it != cola_.rend(); ++it)
            r += static_cast<char>(*it);
        return r;
    }

private:
    std::string frente_;
    std::vector<std::uint8_t> cola_; // in the order they are read
};

std::filesystem::path carpeta;
std::map<std::string, int> numeros; // per target

void guardar(const std::string& objetivo, const Semilla& s)
{
    const auto dir = carpeta / objetivo;
    std::filesystem::create_directories(dir);
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, "semilla-%03d", ++numeros[objetivo]);
    std::ofstream(dir / nombre, std::ios::binary) << s.bytes();
}

// --------------------------------------------------------------- the cases

// A value, the precision and digits of the formats, and a text to read.
void semillaDeTexto(long double x, int precision, int digitos, const char* t, int potencia = 10)
{
    std::uint64_t significando;
    std::uint16_t exponente;
    std::memcpy(&significando, &x, 8);
    std::memcpy(&exponente, reinterpret_cast<const char*>(&x) + 8, 2);
    // Values within 2^(+-128) are drawn by the offset of their exponent in
    // the low byte; the others whole.
    const int e = (exponente & 0x7FFF) - 16383;
    const bool todo = (exponente & 0x7FFF) == 0 || e < -128 || e > 127;
    const auto campo =
        todo ? exponente : static_cast<std::uint16_t>((exponente & 0x8000) | static_cast<std::uint8_t>(e));
    Semilla s;
    s.entero(significando, 8).entero(campo, 2).booleano(todo).rango(precision, 0).rango(digitos, 0);
    s.entero(static_cast<std::uint64_t>(potencia + 5000), 2).texto(t);
    guardar("fz_textodecimal", s);
}

void textoDecimal()
{
    const long double valores[] = {
        0.5L,      1234.5L,     1 / 10000.0L,         1 / 100000.0L, 1e15L,         123456789012345.0L, 0x1p-23L,
        -0.0L,     0.1L + 0.2L, 999999999999999.5L,   -2.5L,         4294967295.0L, 1.0L / 3,           2.0L / 3,
        0.000123L, 1.5e300L,    0.99999999999999999L, 1.0L / 0.0L,   0.0L / 0.0L,   0x1p-16440L};
    const char* const textos[] = {",5",
                                  "5,",
                                  ",",
                                  "  -12,25  ",
                                  "+3",
                                  "1,5E3",
                                  "25e-2",
                                  "7E",
                                  "7E-",
                                  "-,",
                                  "1E-99999",
                                  "0E999999999999",
                                  "0,1",
                                  "123456789,123456789",
                                  "1,18973149535723176502E4932",
                                  "1.5",
                                  "1,2,3",
                                  "abc",
                                  "-",
                                  "",
                                  "$1F",
                                  "  -007",
                                  "2147483648",
                                  "-$ff",
                                  "99999999999999999999",
                                  "0,0001",
                                  "1E-5",
                                  "-12a",
                                  "0,00001234"};
    const int precisiones[] = {15, 5, 10, 10, 6, 18};
    const int digitos[] = {0, 5, 20, 15, 0, 18};
    std::size_t i = 0;
    for (const char* t : textos) {
        semillaDeTexto(valores[i % std::size(valores)], precisiones[i % 6], digitos[i % 6], t);
        ++i;
    }
    // The carry that makes 999999999999999,5 a number of 16 digits: the
    // fixed format with precision 15 writes it in the general form.
    semillaDeTexto(999999999999999.5L, 15, 4, "1E15");
    // Powers: exact up to 10^27, the last one that fits, and reciprocals.
    for (int k : {27, 28, 99, -1, -9, 4932, 4933, -4930})
        semillaDeTexto(0.1L, 15, 0, "0,1", k);
}

enum { BSS, BCS, CA1, CA2, Exceso };

void enteros()
{
    struct Caso {
        int sistema, n;
        const char* bits;
        long valor;
    };
    const Caso casos[] = {{BCS, 4, "1011", 5},
                          {BCS, 4, "1000", -7},
                          {CA1, 4, "1111", 0},
                          {CA1, 4, "1000", -7},
                          {CA2, 4, "1000", -8},
                          {CA2, 4, "0000", 0},
                          {Exceso, 4, "0000", -8},
                          {Exceso, 4, "1000", 0},
                          {Exceso, 4, "1111", 7},
                          {BSS, 32, "11111111111111111111111111111111", 4294967295},
                          {CA2, 32, "10000000000000000000000000000000", -2147483648},
                          {Exceso, 32, "00000000000000000000000000000000", 2147483647},
                          {BCS, 2, "11", -1},
                          {CA2, 2, "10", 1},
                          {BSS, 8, "00000000", 255},
                          {BCS, 8, "01111111", 127},
                          {BCS, 16, "1000000000000001", -1},
                          {CA1, 8, "10000000", -127},
                          {CA1, 8, "00000101", 5},
                          {CA2, 8, "10000000", -128},
                          {Exceso, 8, "00000000", -128},
                          {BSS, 8, "11111111", -1},
                          {BCS, 8, "10000000", -128},
                          {BSS, 1, "1", 0},
                          {CA1, 32, "11111111111111111111111111111111", -2147483647}};
    for (const Caso& c : casos) {
        Semilla s;
        s.rango(c.sistema, 0).rango(c.n, 1).rango(3, 0).entero(static_cast<std::uint32_t>(c.valor - INT32_MIN), 4);
        s.bits(c.bits);
        guardar("fz_enteros", s);
    }
}

void flotante()
{
    struct Caso {
        int tipo, n, sm, implicito, m, se;
        const char *mantisa, *exponente;
    };
    // tipo 0 Entera, 1 Fraccionaria; implicito 0 SI, 1 NO.
    const Caso casos[] = {{0, 4, BCS, 1, 3, CA2, "0111", "011"},
                          {0, 4, BCS, 1, 3, CA2, "1000", "100"},
                          {1, 4, CA2, 1, 2, BSS, "0111", "11"},
                          {1, 4, CA2, 1, 2, BSS, "1100", "00"},
                          {1, 4, BSS, 1, 3, BSS, "1000", "000"},
                          {1, 4, BCS, 0, 3, CA1, "0101", "111"},
                          {1, 4, Exceso, 1, 3, Exceso, "1100", "100"},
                          {0, 4, CA1, 1, 4, BCS, "1111", "1000"},
                          {0, 16, CA2, 1, 16, Exceso, "1000000000000000", "0000000000000000"},
                          {1, 16, CA1, 0, 16, CA2, "0111111111111111", "1000000000000000"},
                          {1, 2, BCS, 0, 2, CA1, "01", "11"}};
    for (const Caso& c : casos) {
        Semilla s;
        s.rango(c.tipo, 0).rango(c.n, 2).rango(c.sm, 0).rango(c.implicito, 0).rango(c.m, 2).rango(c.se, 0);
        s.bits(c.mantisa).bits(c.exponente);
        guardar("fz_flotante", s);
    }
}

void decimalFlotante()
{
    struct Caso {
        bool entera;
        int n, sm, e, se;
        bool implicito;
        const char* texto;
    };
    const Caso casos[] = {
        {true, 8, BCS, 8, CA2, false, "5"},
        {true, 8, BCS, 8, CA2, false, "0,0625"},
        {true, 8, CA2, 8, Exceso, false, "-3,75"},
        {true, 8, BCS, 8, CA2, false, "3,3"},
        {true, 8, BCS, 8, CA2, false, "0,0001"},
        {true, 8, CA1, 8, CA2, false, "-0,1"},
        {true, 8, BCS, 8, CA2, false, "0,000001"},
        {true, 8, BCS, 8, CA2, false, "0,00001234"},
        {true, 8, BCS, 8, CA2, false, "1001"},
        {true, 8, BSS, 8, BSS, false, "300"},
        {true, 16, CA2, 16, BCS, false, "-32769"},
        {true, 16, BCS, 8, CA2, false, "32767,75"},
        {true, 8, BCS, 8, BSS, false, "0,5"},
        {true, 8, CA1, 8, CA1, false, "0"},
        {true, 8, CA2, 8, Exceso, false, "-0,0"},
        {true, 8, BSS, 8, BSS, false, "999999999999999"},
        {true, 16, CA2, 8, CA1, false, "-99999999999999"},
        {true, 16, BCS, 8, CA2, false, "99999999999,99"},
        {true, 16, CA1, 8, BCS, false, "-4294967296,6"},
        {true, 8, BSS, 8, CA2, false, "-7"},
        {false, 8, BSS, 8, CA2, false, "0,75"},
        {false, 8, CA1, 8, CA2, false, "-0,75"},
        {false, 8, Exceso, 8, CA2, false, "-0,75"},
        {false, 8, BSS, 8, CA2, false, "0,1"},
        {false, 8, CA2, 8, CA2, false, "-0,1"},
        {false, 8, CA1, 8, CA2, false, "-5,5"},
        {false, 16, BCS, 8, BSS, false, "1234,5678"},
        {false, 8, BCS, 8, BCS, false, "0,0000000000001"},
        {false, 8, CA2, 8, Exceso, false, "9999999999999,9"},
        {false, 8, BSS, 8, CA2, false, "0,999"},
        {false, 8, BSS, 8, CA2, false, "0,996"},
        {false, 8, BCS, 8, CA2, false, "2,0"},
        {false, 8, BSS, 8, CA2, false, "-0,3"},
        {false, 8, BCS, 8, BSS, false, "0,3"},
        {false, 8, BCS, 8, CA2, false, "7"},
        {false, 8, BSS, 8, CA2, true, "0,75"},
        {false, 8, CA1, 8, CA2, true, "-0,75"},
        {false, 8, CA2, 8, CA2, true, "-0,875"},
        {false, 16, CA2, 16, CA2, true, "0,50004"},
        {false, 8, BCS, 8, Exceso, false, "-,"},
        {false, 8, CA2, 8, CA2, false, "0,0"},
    };
    for (const Caso& c : casos) {
        Semilla s;
        s.booleano(c.entera).booleano(c.n == 16).booleano(c.e == 16).rango(c.sm, 0).rango(c.se, 0);
        s.booleano(c.implicito).texto(c.texto);
        guardar("fz_decimal_flotante", s);
    }
}

void decimalIEEE()
{
    struct Caso {
        const char* numero;
        const char* potencia; // nullptr: "Entero"
    };
    const Caso casos[] = {{"0,1", nullptr},
                          {"1", nullptr},
                          {"3", nullptr},
                          {"-8", nullptr},
                          {"1", "-1"},
                          {"0", nullptr},
                          {"-0", nullptr},
                          {"0,0", nullptr},
                          {"1,2,3", nullptr},
                          {"12a", nullptr},
                          {"2", "38"},
                          {"1", "38"},
                          {"-", nullptr},
                          {"5-3", nullptr},
                          {"1", "-"},
                          {"1", "1,"},
                          {"0,00000000000001", "-9"},
                          {"9999999999999999", "22"},
                          {"-0,3", "5"},
                          {"123,456", "-7"},
                          {"3", "25"},
                          {"", "5"},
                          {"1", ""}};
    for (const Caso& c : casos) {
        // The mode item plus one: 1 "Entero", 2 "Decimal".
        Semilla s;
        s.rango(c.potencia != nullptr ? 2 : 1, 0).texto(c.numero).texto(c.potencia ? c.potencia : "");
        guardar("fz_decimal_ieee", s);
    }
}

void ieeeDecimal()
{
    const std::uint32_t patrones[] = {0x3F800000, 0xC0400000, 0x40000000, 0x00400000, 0x80400000, 0x00000000,
                                      0x80000000, 0x7F800000, 0xFF800000, 0x7FC00000, 0x7F7FFFFF, 0x00000001,
                                      0x007FFFFF, 0x00800000, 0x3F7FFFFF, 0xC0000000, 0x3DCCCCCD};
    for (std::uint32_t p : patrones) {
        Semilla s;
        s.entero(p, 4).rango(1, 0).rango(0, 0);
        guardar("fz_ieee_decimal", s);
    }
    // An exponent with a character that is not a bit.
    Semilla s;
    s.entero(0x3F800000, 4).rango(0, 0).rango(2, 0);
    guardar("fz_ieee_decimal", s);
}

void sumaResta()
{
    struct Caso {
        bool entera, resta;
        int sm, se;
        const char *m1, *e1, *m2, *e2;
    };
    const Caso casos[] = {
        {true, false, BSS, BSS, "00000011", "00000010", "00000101", "00000010"},
        {true, false, BSS, BSS, "11111111", "00000010", "00000001", "00000010"},
        {true, false, BSS, BSS, "00000100", "00000011", "00000010", "00000001"},
        {true, false, BSS, BSS, "10000000", "00000001", "10000000", "00000000"},
        {true, false, BSS, BSS, "01000000", "00000010", "00000001", "00000000"},
        {true, false, CA2, CA2, "11111111", "00000001", "11111110", "00000000"},
        {true, false, CA1, CA1, "00000001", "00000001", "00000001", "00000000"},
        {true, true, BCS, BCS, "00000101", "00000000", "00000111", "00000000"},
        {true, false, CA1, CA1, "00000001", "00000000", "11111110", "00000000"},
        {true, false, BCS, BCS, "00000001", "00000000", "00000001", "10000000"},
        {false, false, BSS, BSS, "01000000", "00000000", "00100000", "00000000"},
        {false, false, BCS, BSS, "01000000", "00000000", "11100000", "00000000"},
        {false, false, CA2, BSS, "11000000", "00000000", "11000000", "00000000"},
        {false, false, Exceso, BSS, "11000000", "00000000", "11000000", "00000000"},
        {false, false, BSS, BSS, "10000000", "00000001", "01000000", "00000000"},
        {false, false, BSS, BSS, "01000000", "00000001", "00000010", "00000000"},
        {false, false, BSS, BSS, "00000001", "00000001", "00000011", "00000000"},
        {false, true, BSS, BSS, "00000001", "00000001", "00000011", "00000000"},
        {false, false, BSS, BSS, "11000000", "00000001", "11000000", "00000000"},
        {false, false, BSS, BSS, "10000000", "00000001", "00000001", "00000000"},
        {false, false, BCS, BSS, "11000000", "00000001", "00000011", "00000000"},
        {false, false, CA1, CA1, "11000000", "00000000", "00000000", "00000001"},
        {false, true, CA2, Exceso, "1000000000000000", "0000000000000000", "0111111111111111", "1000000000000000"},
    };
    for (const Caso& c : casos) {
        Semilla s;
        s.booleano(c.entera).booleano(c.resta).booleano(std::strlen(c.m1) == 16).booleano(std::strlen(c.e1) == 16);
        s.rango(c.sm, -1).rango(c.se, -1).bits(c.m1).bits(c.e1).bits(c.m2);
        if (std::strcmp(c.e1, c.e2) == 0)
            s.rango(0, 0);
        else
            s.rango(1, 0).bits(c.e2);
        guardar("fz_suma_resta", s);
    }
}

} // namespace

int main(int argc, char** argv)
{
    carpeta = argc > 1 ? argv[1] : "tests/fuzz/corpus";
    textoDecimal();
    enteros();
    flotante();
    decimalFlotante();
    decimalIEEE();
    ieeeDecimal();
    sumaResta();
    return 0;
}
