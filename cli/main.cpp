// The entry point of kelvora-convert, the batch converter for a terminal.
#include "cli/convert_cli.h"
#include "engine/platform/standard_streams.h"

// kelvora-convert: Kelvora's batch conversion from a terminal, with no display.
int main(int argc, char **argv)
{
    const int closed = OpenClosedStandardStreams();
    return RunConvertCli(argc, argv, (closed & kStandardOutput) != 0);
}
