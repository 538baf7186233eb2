#pragma once

class DataFolderLock;

// Runs the desktop program: application object, data folder, first window.
int runDesktop(int argc, char* argv[]);

// What the program does with the data folder before its first window, given
// the folder's lock it tried to take. When another program holds the folder,
// says so and answers false: the program then ends without touching any
// file. Otherwise it makes the day's backup on the first start of the day
// (a backup that fails is reported and the program goes on) and answers true.
// A folder where no lock can be made is reported and used without one.
bool startOnDataFolder(const DataFolderLock& lock);
