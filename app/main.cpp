#include "app/command_line.h"
#include "app/console_messages.h"
#include "app/editor_state.h"
#include "app/table_preview_window.h"
#include "app/work_file_commands.h"
#include "document/table_template.h"
#include "i18n/message_catalog.h"
#include "platform/picture_codec.h"
#include "render/table_view.h"
#include "ui/qt_message_service.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool haveDisplay()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int runHeadless(int argc, char** argv, const std::vector<std::string>& arguments)
{
    // The batch commands never show a window; without a display they use Qt's offscreen
    // platform, which still gives them fonts for the painter.
    if (!haveDisplay())
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Standard error carries the program's own messages, which scripts read; Qt's notes
    // about the session (no runtime folder, no display) are not among them.
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(argc, argv);
    return runCommandLine(arguments, stdout, stderr);
}

int runEditor(int argc, char** argv, const std::vector<std::string>& arguments)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!haveDisplay() && !(platform && *platform)) {
        std::fprintf(stderr, "cuadrivista: no display (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); try cuadrivista --help for the commands that need none\n");
        return 1;
    }
    QApplication app(argc, argv);
    EditorState state;
    state.settings = readSettings(settingsPath());
    setCurrentLanguage(state.settings.language);
    QtMessageService messages;
    if (!startPictureCodecs()) {
        messages.showMessage(std::string(catalogText(CatalogTable::GdiplusErrorMsg)),
                             std::string(catalogText(CatalogTable::ProgrammerTitle)),
                             MessageButtons::Ok);
        return 0;
    }

    const std::string workFile = workFileFromArguments(arguments);
    bool loaded = false;
    if (!workFile.empty()) {
        if (!workFileExists(workFile))
            messages.showMessage(
                std::string(catalogText(CatalogTable::WorkFileMsgs, 1)) + "\r\n" + workFile +
                    "\r\n" + std::string(catalogText(CatalogTable::WorkFileMsgs, 2)),
                std::string(catalogText(CatalogTable::ProgrammerTitle)), MessageButtons::Ok);
        else
            loaded = loadWorkFile(workFile, *state.grid, state.undo, messages) != 0;
    }
    if (!loaded)
        createTable(*state.grid, state.undo, *templateForCommand(3302));
    repaintTable(state.view, *state.grid, state.painter, messages);

    auto window = makeTablePreviewWindow(rasterImage(state.view.screenBuffer));
    window->show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && isCommandLineOption(arguments[0]))
        return runHeadless(argc, argv, arguments);
    return runEditor(argc, argv, arguments);
}
