#include "Application.h"

int main(int argc, char** argv)
{
    return RunTervane(argc, argv);
}
