#pragma once

#include <QPalette>

// Kelvora's own colours: dark text on light grounds in every state, so that a dark or
// high-contrast desktop theme changes nothing the program draws. Every role of every group is
// set, and each text role stands at a contrast ratio of 4.5 or more against the ground it is
// drawn on (disabled text and highlighted rows included).
QPalette KelvoraPalette();

// Makes Kelvora's look the application's: the palette above and the Fusion style, which paints
// with the palette alone. Also keeps every window of fixed size from being maximised. Called
// before the first window is built; calling it again does nothing more.
void ApplyKelvoraLook();
