// Cifral: fixed point and floating point, for a computer-architecture course.
#include "shell/Arranque.h"

int main(int argc, char** argv)
{
    return cifral::arrancar(argc, argv);
}
