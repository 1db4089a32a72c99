#include "app/export_commands.h"

#include "app/editor_state.h"
#include "app/work_file_commands.h"
#include "i18n/message_catalog.h"
#include "platform/message_service.h"

ExportOutcomeMessage cutExportMessage(CutExportKind kind, const FileWriteResult& result)
{
    if (!result.ok())
        return {fileErrorText(result.errorNumber, result.description), ProgrammerCaption, true};
    const CatalogTable message = kind == CutExportKind::Bitmap ? CatalogTable::ExportedCutBitmapMsg
                                                               : CatalogTable::ExportedJpegCutMsg;
    return {std::string(catalogText(message)),
            std::string(catalogText(CatalogTable::ProgrammerTitle)), false};
}

FileWriteResult exportCut(CutExportKind kind, const std::string& path, EditorState& state,
                          MessageService& messages)
{
    const Colour background = state.settings.favouriteBackground;
    return kind == CutExportKind::Bitmap
               ? exportCutBitmap(path, state.view, *state.grid, state.painter, background, messages)
               : exportCutJpeg(path, state.view, *state.grid, state.painter, background, messages);
}

bool runCutExport(CutExportKind kind, const std::string& path, EditorState& state,
                  MessageService& messages)
{
    const ExportOutcomeMessage outcome =
        cutExportMessage(kind, exportCut(kind, path, state, messages));
    messages.showMessage(outcome.text, outcome.caption, MessageButtons::Ok);
    return !outcome.failed;
}
