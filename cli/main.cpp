// The entry point of kelvora-convert, the batch converter for a terminal.
#include "cli/convert_cli.h"

// kelvora-convert: Kelvora's batch conversion from a terminal, with no display.
int main(int argc, char **argv)
{
    return RunConvertCli(argc, argv);
}
