#include "cli/CliApp.h"

int main(int argc, char** argv)
{
    return tervane::runCli(argc, argv);
}
