#include "app/work_file_commands.h"

#include "document/table_grid.h"
#include "document/undo_store.h"
#include "document/work_file.h"
#include "i18n/message_catalog.h"
#include "platform/atomic_file.h"
#include "platform/file_read.h"
#include "platform/message_service.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

void showFileError(MessageService& messages, int errorNumber)
{
    messages.showMessage(fileErrorText(errorNumber, std::strerror(errorNumber)), ProgrammerCaption,
                         MessageButtons::Ok);
}

void showWrongFormat(MessageService& messages, WorkFileFormat format)
{
    std::string text(catalogText(CatalogTable::WrongFormatMsg));
    if (format == WorkFileFormat::Current) {
        text += "\r\n";
        text += catalogText(CatalogTable::PreviousVersionHint);
    }
    messages.showMessage(text, std::string(catalogText(CatalogTable::ProgrammerTitle)),
                         MessageButtons::Ok);
}

// A folder or a pipe opens but cannot be read as a file of records; the numbers are the
// ones the system gives for reading a folder and for positioning in a pipe.
int notRegularFileError(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error) ? EISDIR : ESPIPE;
}

int loadInFormat(const std::string& path, WorkFileFormat format, TableGrid& grid, UndoStore& undo,
                 MessageService& messages)
{
    // A file larger than the biggest table is refused unread, like any other file the
    // editor cannot have written.
    const FileReadResult file =
        readWholeFile(path, MaxWorkFileRecords * workFileRecordSize(format));
    switch (file.error) {
    case FileReadError::None:
        break;
    case FileReadError::TooLarge:
        showWrongFormat(messages, format);
        return 0;
    case FileReadError::NotRegularFile:
        showFileError(messages, notRegularFileError(path));
        return 0;
    case FileReadError::NotFound:
    case FileReadError::ReadFailed:
        showFileError(messages, file.systemError != 0 ? file.systemError : EIO);
        return 0;
    }
    if (!loadWorkFileBytes(file.bytes, format, grid, undo).accepted()) {
        showWrongFormat(messages, format);
        return 0;
    }
    return 1;
}

} // namespace

std::string fileErrorText(int errorNumber, const std::string& description)
{
    return "Err: " + std::string(" ") + std::to_string(errorNumber) + " " + description;
}

bool workFileExists(const std::string& path)
{
    std::error_code error;
    (void)std::filesystem::status(path, error);
    return !error;
}

bool saveWorkFile(const std::string& path, const TableGrid& grid, MessageService& messages)
{
    const FileWriteResult result =
        writeFileAtomically(path, [&grid](const FileByteSink& sink) { writeWorkFile(grid, sink); });
    if (!result.ok())
        messages.showMessage(fileErrorText(result.errorNumber, result.description),
                             ProgrammerCaption, MessageButtons::Ok);
    return result.ok();
}

int loadWorkFile(const std::string& path, TableGrid& grid, UndoStore& undo,
                 MessageService& messages)
{
    return loadInFormat(path, WorkFileFormat::Current, grid, undo, messages);
}

int loadPreviousWorkFile(const std::string& path, TableGrid& grid, UndoStore& undo,
                         MessageService& messages)
{
    return loadInFormat(path, WorkFileFormat::Previous, grid, undo, messages);
}
