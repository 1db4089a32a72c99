#pragma once

#include "document/table_grid.h"
#include "document/undo_store.h"
#include "platform/settings_file.h"
#include "render/table_painter.h"
#include "render/table_view.h"

#include <memory>
#include <string>

// The editor's state in one record, passed by reference to what needs it: the document,
// the rasters behind the canvas, the painter's state and the preferences.
struct EditorState {
    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;
    TableView view = makeTableView();
    PainterState painter;
    Settings settings;
    std::string currentWorkFile;
    bool tableOpen = false;
};
