#pragma once
// norvalis-cli: the archives, the password scramble and the set-up steps,
// without any window.

#include <QStringList>

#include <cstdio>

namespace cli {

enum ExitCode { Ok = 0, Failure = 1, Usage = 2 };

// Whether the command `arguments` ask for draws pages (the card and sheet
// PDFs), which needs fonts and so a GUI application; the others run on a
// plain one, which starts and ends without loading the fonts.
bool drawsPages(const QStringList& arguments);

// `arguments` without the program name. Writes results to `out` and
// messages to `err`; returns the exit status.
int run(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace cli
