// Reference values of bit strings for the core tests, by the textbook rule
// of each integer system, independent of the program's own routines.
#pragma once

#include "fixed/sistnumA.h"

#include <cstdint>
#include <string>

namespace prueba {

// The n low bits of u as a bit string, most significant first.
inline std::string bits(std::uint64_t u, int n)
{
    std::string s;
    for (int i = n - 1; i >= 0; --i)
        s += ((u >> i) & 1u) ? '1' : '0';
    return s;
}

// The integer the n bits of u stand for in a system.
inline long long entero(cifral::TNumberSystem sis, std::uint64_t u, int n)
{
    const long long p = 1LL << (n - 1);
    const bool signo = (u >> (n - 1)) & 1u;
    const auto su = static_cast<long long>(u);
    switch (sis) {
    case cifral::BSS:
        return su;
    case cifral::BCS:
        return signo ? -(su - p) : su;
    case cifral::CA1:
        return signo ? su - ((1LL << n) - 1) : su;
    case cifral::CA2:
        return signo ? su - (1LL << n) : su;
    case cifral::Exceso:
        return su - p;
    }
    return 0;
}

} // namespace prueba
