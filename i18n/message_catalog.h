#pragma once

#include <cstdint>
#include <string_view>

// Every user-visible text of the program, in six languages.
using LanguageId = std::int32_t;

constexpr LanguageId Spanish = 1;
constexpr LanguageId Portuguese = 2;
constexpr LanguageId French = 3;
constexpr LanguageId German = 4;
constexpr LanguageId English = 5;
constexpr LanguageId Italian = 6;

// One entry per catalogue table. A table is a single message (row 1 only) or a block of
// rows numbered from 1.
enum class CatalogTable : int {
    OperationsMenu,
    EditMenu,
    MouseMenu,
    WheelMenuTitle,
    WheelMenu,
    TableMenu,
    ChartMenu,
    LineMenu,
    ColorMenu,
    CopyConfigMenu,
    CharsetMenu,
    LanguagesMenuTitle,
    NewTableLabels,
    SeparatorWord,
    ThicknessWord,
    TableInfoLabels,
    TextPropsLabels,
    NumberFormatTitle,
    NumberFormatNames,
    FileNameDialogLabels,
    AuthorLabels,
    FavouritesTitle,
    SelectedColorTitle,
    ColorCaughtTitle,
    FileWord,
    ResetWord,
    GetOutWord,
    OldTableTitle,
    ProgrammerTitle,
    BrowseIconTitle,
    BrowsePictureTitle,
    BrowseJpegTitle,
    BrowseBitmapLabels,
    GdiplusErrorMsg,
    AssociationPrompt,
    ReallyExitMsg,
    SaveBeforeExitMsg,
    TableRetouchedMsg,
    WorkFileMsgs,
    WrongFormatMsg,
    PreviousVersionHint,
    NeedFileNameMsg,
    OverwriteMsgs,
    FormMsgs,
    SizeLimitMsgs,
    RowLimitMsg,
    RowLimitMsg2,
    ColumnLimitMsgs,
    InsertLimitMsgs,
    MergeMsgs,
    NoVerticalMergeMsg,
    SelectionMsgs,
    OverrideCellPrompt,
    CopyCellPrompt,
    PasteCellPrompt,
    ClearCellPrompts,
    ExportedBitmapMsg,
    ExportedCutBitmapMsg,
    ExportedJpegCutMsg,
    FavouritesSavedMsg,
    ResetFavouritesMsgs,
    ThanksTexts,
};

constexpr int CatalogTableCount = 62;

// The language of every text the program shows. It starts as Spanish (the language of a
// missing settings file) and holds whatever the settings file or the Languages menu gave,
// even outside 1..6; lookups then answer in Spanish.
LanguageId currentLanguage();
void setCurrentLanguage(LanguageId language);

// The text of a table's row (row 1 for a single message) in the current language, UTF-8.
// A row or table that does not exist is a caller's mistake: it asserts in debug builds and
// answers an empty text otherwise.
std::string_view catalogText(CatalogTable table, int row = 1);
std::string_view catalogText(CatalogTable table, int row, LanguageId language);

// The number of rows of a table, 1 for a single message.
int catalogRows(CatalogTable table);

// The zero-terminated Windows-1252 buffer a table's texts are sized for (100, 120, 150 or
// 200 bytes): every text, encoded that way, fits in one byte less.
int catalogBufferSize(CatalogTable table);
