#include "i18n/message_catalog.h"

#include "i18n/catalog_data.h"

#include <cassert>

namespace {

LanguageId activeLanguage = Spanish;

const CatalogTableData* tableData(CatalogTable table)
{
    const auto index = static_cast<int>(table);
    assert(index >= 0 && index < CatalogTableCount);
    if (index < 0 || index >= CatalogTableCount)
        return nullptr;
    return &catalogTables[index];
}

} // namespace

LanguageId currentLanguage()
{
    return activeLanguage;
}

void setCurrentLanguage(LanguageId language)
{
    activeLanguage = language;
}

std::string_view catalogText(CatalogTable table, int row)
{
    return catalogText(table, row, activeLanguage);
}

std::string_view catalogText(CatalogTable table, int row, LanguageId language)
{
    const CatalogTableData* data = tableData(table);
    if (data == nullptr)
        return {};
    const auto rows = static_cast<int>(data->rows.size());
    assert(row >= 1 && row <= rows);
    if (row < 1 || row > rows)
        return {};
    // The settings file is not checked, so any number can arrive here; Spanish is also what
    // a missing settings file gives.
    if (language < Spanish || language > Italian)
        language = Spanish;
    return data->rows[row - 1][language - 1];
}

int catalogRows(CatalogTable table)
{
    const CatalogTableData* data = tableData(table);
    return data == nullptr ? 0 : static_cast<int>(data->rows.size());
}

int catalogBufferSize(CatalogTable table)
{
    const CatalogTableData* data = tableData(table);
    return data == nullptr ? 0 : data->bufferSize;
}
