#include "Application.h"

int main(int argc, char** argv)
{
    return tervane::runTervane(argc, argv);
}
