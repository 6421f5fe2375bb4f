// Shared main() of every test program that needs nothing around its tests.
#include "TestProgram.h"

int main(int argc, char** argv)
{
    return vqtest::runTestProgram(argc, argv);
}
