#pragma once

// Runs the desktop program: application object, data folder, first window.
int runDesktop(int argc, char* argv[]);
