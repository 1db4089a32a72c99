#include "app/command_line.h"

#include "app/console_messages.h"
#include "app/editor_state.h"
#include "app/export_commands.h"
#include "app/work_file_commands.h"
#include "document/table_template.h"
#include "document/text_encoding.h"
#include "i18n/message_catalog.h"
#include "render/cut_export.h"
#include "render/table_view.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* Usage =
    "Usage:\n"
    "  cuadrivista [WORKFILE]                 open the editor, with a work file\n"
    "  cuadrivista --new TEMPLATE OUT         create a table and save it as OUT\n"
    "                                         (TEMPLATE: h16 h24 h32 h64 v16 v24 v32 v64)\n"
    "  cuadrivista --convert OUT WORKFILE [--previous]\n"
    "                                         read a work file (of the previous format with\n"
    "                                         --previous) and save it in the current format\n"
    "  cuadrivista --export-cut OUT WORKFILE [--previous]\n"
    "                                         export the table as a picture: OUT ending in\n"
    "                                         .bmp writes a bitmap, any other name the format\n"
    "                                         its extension selects (.jpg, .png, .gif, .tif)\n"
    "  cuadrivista --render OUT [WORKFILE [--previous]]\n"
    "                                         save the whole canvas as the editor shows it\n"
    "                                         (a new Horizontal 32 pixels table without a\n"
    "                                         work file), in the format OUT's extension selects\n"
    "  cuadrivista --info WORKFILE [--previous]\n"
    "                                         print the table's cell size, rows, columns and\n"
    "                                         separation\n"
    "  cuadrivista --help | --version\n";

constexpr const char* Version = "cuadrivista 0.1.0";

void printLine(std::FILE* stream, const std::string& text)
{
    std::fprintf(stream, "%s\n", consoleText(text).c_str());
}

int usageError(std::FILE* err, const std::string& problem)
{
    std::fprintf(err, "cuadrivista: %s\n%s", problem.c_str(), Usage);
    return 1;
}

bool endsWithBmp(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".bmp";
}

// Loads a work file as the Read file commands do; false when it is missing or refused, the
// message already printed.
bool loadForCommand(EditorState& state, const std::string& path, bool previous,
                    MessageService& errors)
{
    if (!workFileExists(path)) {
        errors.showMessage(std::string(catalogText(CatalogTable::WorkFileMsgs, 1)) + "\r\n" + path +
                               "\r\n" + std::string(catalogText(CatalogTable::WorkFileMsgs, 2)),
                           std::string(catalogText(CatalogTable::ProgrammerTitle)),
                           MessageButtons::Ok);
        return false;
    }
    const int loaded = previous ? loadPreviousWorkFile(path, *state.grid, state.undo, errors)
                                : loadWorkFile(path, *state.grid, state.undo, errors);
    return loaded != 0;
}

struct FileArguments {
    std::vector<std::string> paths;
    bool previous = false;
};

FileArguments splitArguments(const std::vector<std::string>& args)
{
    FileArguments result;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--previous")
            result.previous = true;
        else
            result.paths.push_back(args[i]);
    }
    return result;
}

int commandNew(const FileArguments& a, std::FILE* err)
{
    if (a.paths.size() != 2 || a.previous)
        return usageError(err, "--new takes a template and an output file");
    const auto t = templateByName(a.paths[0]);
    if (!t)
        return usageError(err, "unknown template \"" + a.paths[0] + "\"");
    EditorState state;
    createTable(*state.grid, state.undo, *t);
    ConsoleMessageService errors(err);
    return saveWorkFile(a.paths[1], *state.grid, errors) ? 0 : 1;
}

int commandConvert(const FileArguments& a, std::FILE* err)
{
    if (a.paths.size() != 2)
        return usageError(err, "--convert takes an output file and a work file");
    EditorState state;
    ConsoleMessageService errors(err);
    if (!loadForCommand(state, a.paths[1], a.previous, errors))
        return 1;
    return saveWorkFile(a.paths[0], *state.grid, errors) ? 0 : 1;
}

int commandExportCut(const FileArguments& a, std::FILE* out, std::FILE* err)
{
    if (a.paths.size() != 2)
        return usageError(err, "--export-cut takes an output file and a work file");
    EditorState state;
    state.settings = readSettings(settingsPath());
    ConsoleMessageService errors(err);
    if (!loadForCommand(state, a.paths[1], a.previous, errors))
        return 1;
    const std::string& target = a.paths[0];
    const CutExportKind kind = endsWithBmp(target) ? CutExportKind::Bitmap : CutExportKind::Jpeg;
    const ExportOutcomeMessage outcome =
        cutExportMessage(kind, exportCut(kind, target, state, errors));
    printLine(outcome.failed ? err : out, outcome.text);
    return outcome.failed ? 1 : 0;
}

int commandRender(const FileArguments& a, std::FILE* err)
{
    if (a.paths.empty() || a.paths.size() > 2)
        return usageError(err, "--render takes an output file and an optional work file");
    EditorState state;
    ConsoleMessageService errors(err);
    if (a.paths.size() == 2) {
        if (!loadForCommand(state, a.paths[1], a.previous, errors))
            return 1;
    } else {
        createTable(*state.grid, state.undo, *templateByName("h32"));
    }
    repaintTable(state.view, *state.grid, state.painter, errors);
    const FileWriteResult written =
        saveImageByExtension(rasterImage(state.view.tableBitmap), a.paths[0]);
    if (!written.ok()) {
        errors.showMessage(fileErrorText(written.errorNumber, written.description),
                           ProgrammerCaption, MessageButtons::Ok);
        return 1;
    }
    return 0;
}

int commandInfo(const FileArguments& a, std::FILE* out, std::FILE* err)
{
    if (a.paths.size() != 1)
        return usageError(err, "--info takes a work file");
    EditorState state;
    ConsoleMessageService errors(err);
    if (!loadForCommand(state, a.paths[0], a.previous, errors))
        return 1;
    const TableGrid& g = *state.grid;
    const auto label = [](int row) {
        return std::string(catalogText(CatalogTable::TableInfoLabels, row));
    };
    printLine(out, label(1) + std::to_string(g.cellWidth) + label(2) +
                       std::to_string(g.cellHeight) + label(3) + std::to_string(g.rows) + label(4) +
                       std::to_string(g.columns) + label(5) + std::to_string(g.separation));
    return 0;
}

} // namespace

bool isCommandLineOption(const std::string& first)
{
    return first == "--new" || first == "--convert" || first == "--export-cut" ||
           first == "--info" || first == "--render" || first == "--help" || first == "--version";
}

int runCommandLine(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err)
{
    if (arguments.empty() || !isCommandLineOption(arguments[0]))
        return usageError(err, "no command");
    setCurrentLanguage(readSettings(settingsPath()).language);
    const std::string& command = arguments[0];
    if (command == "--help") {
        std::fputs(Usage, out);
        return 0;
    }
    if (command == "--version") {
        std::fprintf(out, "%s\n", Version);
        return 0;
    }
    if (!startPictureCodecs()) {
        printLine(err, std::string(catalogText(CatalogTable::GdiplusErrorMsg)));
        return 1;
    }
    const FileArguments a = splitArguments(arguments);
    if (command == "--new")
        return commandNew(a, err);
    if (command == "--convert")
        return commandConvert(a, err);
    if (command == "--export-cut")
        return commandExportCut(a, out, err);
    if (command == "--render")
        return commandRender(a, err);
    return commandInfo(a, out, err);
}

std::string workFileFromArguments(const std::vector<std::string>& arguments)
{
    std::string joined;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            joined += ' ';
        joined += arguments[i];
    }
    joined.erase(std::remove(joined.begin(), joined.end(), '"'), joined.end());
    return joined.substr(0, utf8PrefixLength(joined, 255));
}
