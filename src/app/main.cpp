#include "Application.h"

int main(int argc, char** argv)
{
    return tervane::RunTervane(argc, argv);
}
