// Where the demo finds zel.it and data/.
#pragma once

#include <string>
#include <vector>

// The directories to look in, in order: the working directory ("."), then,
// relative to the directory holding the program, the installed data
// directory, the program's own directory (a copied bundle) and run/ (a
// build tree).
std::vector<std::string> datacandidates(const std::string& programdir);

// Changes to the first candidate that holds zel.it. When none does, stays
// where it is, so that loading fails with the usual line.
void enterdatadir();
