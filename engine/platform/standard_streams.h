#pragma once

// Which of the standard descriptors a program found closed at its start
// (OpenClosedStandardStreams).
enum StandardStream { kStandardInput = 1, kStandardOutput = 2, kStandardError = 4 };

// Opens /dev/null onto each of descriptors 0, 1 and 2 that is closed, so that no file, pipe or
// socket the program opens later takes a standard number (a signal pipe read as input, a line
// for standard error written into a settings file). Called first thing in main, before anything
// opens a file. Returns the StandardStream bits of those that were closed.
int OpenClosedStandardStreams();
