#pragma once

#include <string>

class MessageService;
struct TableGrid;
struct UndoStore;

// The caption of developer-level file errors, the same in every language.
inline constexpr const char* ProgrammerCaption = "Programador";

// "Err: " followed by the error number (after one blank), a blank and the system's text.
std::string fileErrorText(int errorNumber, const std::string& description);

// True when the path's attributes can be read; a folder exists too. Shows nothing.
bool workFileExists(const std::string& path);

// Writes the table in use as a work file. A failure shows one "Err: " message and leaves
// whatever file was at the path untouched. True when the file was written.
bool saveWorkFile(const std::string& path, const TableGrid& grid, MessageService& messages);

// Read a work file of the current or the previous format into the grid: 1 when the file was
// accepted, 0 when it was refused, the message already shown and the open table and its
// undo history unchanged.
int loadWorkFile(const std::string& path, TableGrid& grid, UndoStore& undo,
                 MessageService& messages);
int loadPreviousWorkFile(const std::string& path, TableGrid& grid, UndoStore& undo,
                         MessageService& messages);
