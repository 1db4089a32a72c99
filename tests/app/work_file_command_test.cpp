#include "app/work_file_commands.h"
#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "i18n/message_catalog.h"
#include "platform/message_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct ShownMessage {
    std::string text;
    std::string caption;
};

class RecordingMessages : public MessageService {
  public:
    std::vector<ShownMessage> shown;
    MessageAnswer showMessage(const std::string& text, const std::string& caption,
                              MessageButtons) override
    {
        shown.push_back({text, caption});
        return MessageAnswer::Ok;
    }
    std::string chooseFile(const FileDialogRequest&) override { return {}; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

Bytes readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct HelperRun {
    int exitCode = -1;
    std::string output;
};

class WorkFileCommandTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/cv-workfile-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        // Open to everyone, so that the unprivileged helper reaches the folders below.
        fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
        setCurrentLanguage(English);
        createTable(*grid, undo, *templateByName("h64"));
        assignCellText(grid->at(1, 1), u"open table");
        takeSnapshot(undo, *grid);
        grid->at(2, 2).inTable = 1;
    }

    void TearDown() override
    {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(root, ignored)) {
            if (entry.is_directory(ignored))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(root, ignored);
    }

    void expectTableUntouched(const std::vector<CellRecord>& cells, const UndoStore::Level& level0)
    {
        EXPECT_TRUE(grid->cells == cells);
        EXPECT_EQ(grid->rows, 12);
        EXPECT_EQ(grid->columns, 17);
        EXPECT_EQ(undo.position, 1);
        EXPECT_TRUE(undo.levels[0] == level0);
    }

    bool privileged() const { return ::geteuid() == 0; }

    // Hands a path to the user the helper runs as.
    void giveToHelperUser(const fs::path& path) const
    {
        if (privileged()) {
            ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        }
    }

    // Runs the helper as an unprivileged user (root ignores file permissions), optionally
    // under a launcher such as prlimit instead.
    HelperRun runHelper(const std::string& command, const fs::path& path, bool unprivileged,
                        const std::string& launcher = {})
    {
        const fs::path helper = root / "helper";
        if (!fs::exists(helper))
            fs::copy_file(WORK_FILE_HELPER, helper);
        std::string line = "cd / && ";
        if (unprivileged && privileged())
            line += "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        line +=
            launcher + " '" + helper.string() + "' " + command + " '" + path.string() + "' 2>&1";
        HelperRun run;
        FILE* pipe = ::popen(line.c_str(), "r");
        if (!pipe)
            return run;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            run.output += buffer;
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    fs::path root;
    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;
    RecordingMessages messages;
};

TEST_F(WorkFileCommandTest, a_saved_table_loads_back_and_leaves_no_other_file_behind)
{
    const fs::path path = root / "chart.qvtb";
    grid->at(5, 5).marked = 1;
    saveWorkFile(path.string(), *grid, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(fs::file_size(path), 12u * 17u * 1345u);
    EXPECT_EQ(namesIn(root), std::vector<std::string>{"chart.qvtb"});

    auto loaded = std::make_unique<TableGrid>();
    UndoStore loadedUndo;
    createTable(*loaded, loadedUndo, *templateByName("v16"));
    takeSnapshot(loadedUndo, *loaded);
    EXPECT_EQ(loadWorkFile(path.string(), *loaded, loadedUndo, messages), 1);
    EXPECT_TRUE(messages.shown.empty());
    grid->at(5, 5).marked = 0;
    EXPECT_TRUE(loaded->cells == grid->cells);
    EXPECT_EQ(loaded->rows, 12);
    EXPECT_EQ(loaded->columns, 17);
    EXPECT_EQ(loaded->cellWidth, 64);
    EXPECT_EQ(loadedUndo.position, 0);
    EXPECT_TRUE(loadedUndo.levels[0].empty());
}

TEST_F(WorkFileCommandTest, saving_replaces_a_longer_file_whole_and_follows_a_link)
{
    const fs::path real = root / "real.qvtb";
    const fs::path link = root / "link.qvtb";
    writeBytes(real, Bytes(20 * 17 * 1345, 0xAB));
    fs::create_symlink(real, link);
    saveWorkFile(link.string(), *grid, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::file_size(real), 12u * 17u * 1345u);
    EXPECT_EQ(readBytes(real)[0], 2); // left of cell (0, 0)
    EXPECT_EQ(namesIn(root), (std::vector<std::string>{"link.qvtb", "real.qvtb"}));
}

TEST_F(WorkFileCommandTest, refused_files_show_the_wrong_format_message_of_their_loader)
{
    const std::string twoLines =
        "Wrong format file ...\r\nYou can try a work file from a previous version ...";
    const std::string oneLine = "Wrong format file ...";

    Bytes goodCurrent(2 * 1345, 0);
    goodCurrent[1248] = goodCurrent[1250] = 1;
    Bytes badIndex = goodCurrent;
    badIndex[1345 + 18] = 101;
    Bytes noRows = goodCurrent;
    noRows[1250] = 0;
    Bytes badPreviousIndex(2 * 1071, 0);
    badPreviousIndex[974] = badPreviousIndex[976] = 1;
    badPreviousIndex[1071 + 16] = 0xFF; // column -1
    badPreviousIndex[1071 + 17] = 0xFF;

    struct Case {
        const char* name;
        Bytes file;
        bool previous;
        std::string text;
    } cases[] = {
        {"partial record", Bytes(1345 * 3 + 1, 0), false, twoLines},
        {"previous file read as current", Bytes(1071 * 3, 0), false, twoLines},
        {"current file read as previous", Bytes(1345 * 3, 0), true, oneLine},
        {"cell index beyond the grid", badIndex, false, twoLines},
        {"no rows", noRows, false, twoLines},
        {"previous cell index beyond the grid", badPreviousIndex, true, oneLine},
    };
    const std::vector<CellRecord> cells = grid->cells;
    const UndoStore::Level level0 = undo.levels[0];
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = root / "refused.qvtb";
        writeBytes(path, c.file);
        messages.shown.clear();
        const int result = c.previous ? loadPreviousWorkFile(path.string(), *grid, undo, messages)
                                      : loadWorkFile(path.string(), *grid, undo, messages);
        EXPECT_EQ(result, 0);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, c.text);
        EXPECT_EQ(messages.shown[0].caption, "Programmer");
        expectTableUntouched(cells, level0);
    }
}

TEST_F(WorkFileCommandTest, a_file_larger_than_the_largest_table_is_refused_unread)
{
    const fs::path path = root / "huge.qvtb";
    writeBytes(path, {});
    fs::resize_file(path, (101u * 101u + 1u) * 1345u);
    const std::vector<CellRecord> cells = grid->cells;
    const UndoStore::Level level0 = undo.levels[0];
    EXPECT_EQ(loadWorkFile(path.string(), *grid, undo, messages), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.substr(0, 21), "Wrong format file ...");
    expectTableUntouched(cells, level0);
}

TEST_F(WorkFileCommandTest, an_empty_file_is_accepted_and_keeps_the_open_table)
{
    const fs::path path = root / "empty.qvtb";
    writeBytes(path, {});
    const std::vector<CellRecord> cells = grid->cells;
    const UndoStore::Level level0 = undo.levels[0];
    EXPECT_EQ(loadWorkFile(path.string(), *grid, undo, messages), 1);
    EXPECT_EQ(loadPreviousWorkFile(path.string(), *grid, undo, messages), 1);
    EXPECT_TRUE(messages.shown.empty());
    expectTableUntouched(cells, level0);
}

TEST_F(WorkFileCommandTest, a_folder_or_a_pipe_is_refused_at_once_with_the_system_error)
{
    const fs::path folder = root / "folder.qvtb";
    fs::create_directory(folder);
    const fs::path pipe = root / "pipe.qvtb";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);

    const std::vector<CellRecord> cells = grid->cells;
    const UndoStore::Level level0 = undo.levels[0];
    const struct {
        fs::path path;
        std::string text;
    } cases[] = {{folder, "Err:  21 Is a directory"}, {pipe, "Err:  29 Illegal seek"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        for (const bool previous : {false, true}) {
            messages.shown.clear();
            const int result = previous
                                   ? loadPreviousWorkFile(c.path.string(), *grid, undo, messages)
                                   : loadWorkFile(c.path.string(), *grid, undo, messages);
            EXPECT_EQ(result, 0);
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, c.text);
            EXPECT_EQ(messages.shown[0].caption, "Programador");
            expectTableUntouched(cells, level0);
        }
    }
}

TEST_F(WorkFileCommandTest, a_file_that_cannot_be_opened_is_refused_with_the_system_error)
{
    const fs::path path = root / "locked.qvtb";
    Bytes file(1345, 0);
    file[1248] = file[1250] = 1;
    writeBytes(path, file);
    fs::permissions(path, fs::perms::none);

    const HelperRun run = runHelper("load", path, true);
    EXPECT_EQ(run.exitCode, 3) << run.output;
    EXPECT_EQ(run.output, "MESSAGE Programador|Err:  13 Permission denied\nRESULT 0 unchanged\n");
}

TEST_F(WorkFileCommandTest, existence_is_whether_the_path_can_be_examined)
{
    writeBytes(root / "file.qvtb", {});
    fs::create_directory(root / "folder");
    fs::create_symlink(root / "missing.qvtb", root / "dangling.qvtb");
    const struct {
        fs::path path;
        bool exists;
    } cases[] = {
        {root / "file.qvtb", true},
        {root / "folder", true},
        {root / "missing.qvtb", false},
        {root / "no-folder" / "file.qvtb", false},
        {root / "file.qvtb" / "below-a-file", false},
        {root / "dangling.qvtb", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(workFileExists(c.path.string()), c.exists) << c.path;
}

TEST_F(WorkFileCommandTest, a_save_that_cannot_start_reports_the_system_error_and_creates_nothing)
{
    fs::create_directory(root / "folder.qvtb");
    const struct {
        fs::path path;
        std::string text;
    } cases[] = {
        {root / "no-folder" / "chart.qvtb", "Err:  2 No such file or directory"},
        {root / "folder.qvtb", "Err:  21 Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        messages.shown.clear();
        saveWorkFile(c.path.string(), *grid, messages);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, c.text);
        EXPECT_EQ(messages.shown[0].caption, "Programador");
        EXPECT_EQ(namesIn(root), std::vector<std::string>{"folder.qvtb"});
        EXPECT_TRUE(fs::is_empty(root / "folder.qvtb"));
    }
}

TEST_F(WorkFileCommandTest, a_save_into_a_read_only_folder_fails_and_keeps_the_old_file)
{
    const fs::path folder = root / "read-only";
    fs::create_directory(folder);
    const fs::path path = folder / "chart.qvtb";
    const Bytes old(3 * 1345, 0x5A);
    writeBytes(path, old);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);

    const HelperRun run = runHelper("save", path, true);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.output, "MESSAGE Programador|Err:  13 Permission denied\n");
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"chart.qvtb"});
}

TEST_F(WorkFileCommandTest, a_save_over_a_read_only_file_replaces_it)
{
    const fs::path folder = root / "mine";
    fs::create_directory(folder);
    giveToHelperUser(folder);
    const fs::path path = folder / "chart.qvtb";
    writeBytes(path, Bytes(3 * 1345, 0x5A));
    giveToHelperUser(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::others_read);

    const HelperRun run = runHelper("save", path, true);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(fs::file_size(path), 46u * 65u * 1345u);
    EXPECT_TRUE((fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"chart.qvtb"});
}

TEST_F(WorkFileCommandTest, a_save_cut_short_by_a_size_limit_keeps_the_old_file)
{
    const fs::path path = root / "chart.qvtb";
    const Bytes old(3 * 1345, 0x5A);
    writeBytes(path, old);

    // The table is 46 x 65 x 1345 bytes; the limit stops it part way through a record.
    const HelperRun run = runHelper("save", path, false, "prlimit --fsize=100000");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.output, "MESSAGE Programador|Err:  27 File too large\n");
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(namesIn(root), (std::vector<std::string>{"chart.qvtb", "helper"}));
}

} // namespace
