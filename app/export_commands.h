#pragma once

#include "platform/atomic_file.h"
#include "render/cut_export.h"

#include <string>

class MessageService;
struct EditorState;

// What the editor says after a cut export: the completion message for a saved picture, or
// the file error for one that could not be written (never the completion message then).
struct ExportOutcomeMessage {
    std::string text;
    std::string caption;
    bool failed = false;
};
ExportOutcomeMessage cutExportMessage(CutExportKind kind, const FileWriteResult& result);

// Paints and writes the cut export of the open table on the favourite background.
FileWriteResult exportCut(CutExportKind kind, const std::string& path, EditorState& state,
                          MessageService& messages);

// Runs a cut export of the open table to path and shows its outcome; true when the picture
// was written.
bool runCutExport(CutExportKind kind, const std::string& path, EditorState& state,
                  MessageService& messages);
