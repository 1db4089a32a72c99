// Runs one work-file command in a process of its own, so that the tests can start it as
// another user or under a file-size limit. Every message box is printed to standard output
// as one line "MESSAGE <caption>|<text>".
//
//   work_file_test_helper save PATH      saves a fresh Horizontal 16 pixels table to PATH
//   work_file_test_helper load PATH      loads PATH over an edited table and prints whether
//                                        the table and its undo history stayed as they were
//
// The exit code is 0 when no message was shown and 3 otherwise; 2 for a wrong call.

#include "app/work_file_commands.h"
#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "platform/message_service.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

class PrintedMessages : public MessageService {
  public:
    int count = 0;
    MessageAnswer showMessage(const std::string& text, const std::string& caption,
                              MessageButtons) override
    {
        ++count;
        std::printf("MESSAGE %s|%s\n", caption.c_str(), text.c_str());
        return MessageAnswer::Ok;
    }
    std::string chooseFile(const FileDialogRequest&) override { return {}; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string path = argv[2];
    PrintedMessages messages;
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    createTable(*grid, undo, *templateByName("h16"));

    if (std::strcmp(argv[1], "save") == 0) {
        saveWorkFile(path, *grid, messages);
    } else if (std::strcmp(argv[1], "load") == 0) {
        takeSnapshot(undo, *grid);
        assignCellText(grid->at(3, 4), u"edited after the snapshot");
        const std::vector<CellRecord> cells = grid->cells;
        const auto levels = undo.levels;
        const auto position = undo.position;
        const int result = loadWorkFile(path, *grid, undo, messages);
        const bool unchanged = grid->cells == cells && grid->rows == 46 && grid->columns == 65 &&
                               undo.levels == levels && undo.position == position;
        std::printf("RESULT %d %s\n", result, unchanged ? "unchanged" : "changed");
    } else {
        return 2;
    }
    return messages.count == 0 ? 0 : 3;
}
