#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The headless commands of the executable, for scripting and batch use; each prints the
// messages the editor would show and gives the process's exit code (0 done, 1 refused or
// failed).
bool isCommandLineOption(const std::string& firstArgument);
int runCommandLine(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);

// Without an option, the whole argument list is one work file: joined by blanks, every
// double quote removed, at most 255 characters, so a path with blanks arrives whole whether
// or not it was quoted.
std::string workFileFromArguments(const std::vector<std::string>& arguments);
