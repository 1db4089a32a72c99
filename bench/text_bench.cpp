#include "document/cell_record.h"
#include "platform/raster.h"
#include "render/cell_font.h"
#include "render/cell_text.h"
#include "render/cell_text_cache.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// The text areas of a table's cells as the painter hands them over: the box moved by the
// line thickness 1, separation 1, the table at (2, 2) and each cell 2 pixels in.
struct TextArea {
    int x;
    int y;
    int size;
};

std::vector<TextArea> tableAreas(int rows, int columns, int cellSize)
{
    std::vector<TextArea> areas;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            areas.push_back({4 + c * (cellSize + 1) + 1, 4 + r * (cellSize + 1) + 1, cellSize - 1});
    return areas;
}

// Short words, so that lines fit the cells and get drawn instead of being pushed down.
std::u16string words(int count, int first)
{
    static const char16_t* const vocabulary[] = {u"la",  u"casa", u"de",  u"mi", u"tia", u"y",
                                                 u"el",  u"sol",  u"que", u"va", u"por", u"un",
                                                 u"rio", u"con",  u"su",  u"pan"};
    std::u16string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += u' ';
        text += vocabulary[(first + i) % 16];
    }
    return text;
}

void paintTexts(benchmark::State& state, const std::vector<TextArea>& areas,
                const std::vector<std::u16string>& texts, int alignment, bool cached)
{
    Raster raster = createRaster(1122, 1122);
    CellTextCache cache;
    CellTextCache* useCache = cached ? &cache : nullptr;
    auto paint = [&] {
        clearRaster(raster, White);
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const TextArea& a = areas[i];
            const auto font = makeCellFont("Times New Roman", 10, 0, alignment, 0);
            drawCellText(raster, texts[i % texts.size()], alignment, a.x, a.y, a.size, a.size, font,
                         Black, useCache);
        }
    };
    paint();
    for (auto _ : state) {
        paint();
        benchmark::DoNotOptimize(pixelAt(raster, 10, 10));
    }
}

void layoutH16Cells(benchmark::State& state)
{
    std::vector<std::u16string> texts;
    for (int i = 0; i < 46 * 65; ++i)
        texts.push_back(words(2, i));
    paintTexts(state, tableAreas(46, 65, 16), texts, AlignLeft, state.range(0) != 0);
}
BENCHMARK(layoutH16Cells)
    ->Name("text/layout_h16_cells")
    ->ArgName("cached")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void layoutH64Paragraphs(benchmark::State& state)
{
    paintTexts(state, tableAreas(12, 17, 64), {words(20, 0)}, AlignJustified, state.range(0) != 0);
}
BENCHMARK(layoutH64Paragraphs)
    ->Name("text/layout_h64_paragraphs")
    ->ArgName("cached")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void layoutMaxCells(benchmark::State& state)
{
    paintTexts(state, tableAreas(101, 101, 10), {u"a b", u"1 2", u"x y"}, AlignLeft,
               state.range(0) != 0);
}
BENCHMARK(layoutMaxCells)
    ->Name("text/layout_max_cells")
    ->ArgName("cached")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Every paint meets texts never laid out or shaped before, as after loading a work file.
void layoutNewTexts(benchmark::State& state, const std::vector<TextArea>& areas, int wordCount,
                    int alignment)
{
    Raster raster = createRaster(1122, 1122);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::u16string> texts;
        for (std::size_t i = 0; i < areas.size(); ++i)
            texts.push_back(words(wordCount, int(i)) + u" " +
                            std::u16string(1, char16_t(u'A' + round % 26)) +
                            std::u16string(1, char16_t(u'A' + round / 26 % 26)) +
                            std::u16string(1, char16_t(u'a' + i % 26)) +
                            std::u16string(1, char16_t(u'a' + i / 26 % 26)));
        ++round;
        CellTextCache cache;
        clearRaster(raster, White);
        state.ResumeTiming();
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const TextArea& a = areas[i];
            drawCellText(raster, texts[i], alignment, a.x, a.y, a.size, a.size,
                         makeCellFont("Times New Roman", 10, 0, alignment, 0), Black, &cache);
        }
        benchmark::DoNotOptimize(pixelAt(raster, 10, 10));
    }
}

void layoutH16NewTexts(benchmark::State& state)
{
    layoutNewTexts(state, tableAreas(46, 65, 16), 1, AlignLeft);
}
BENCHMARK(layoutH16NewTexts)->Name("text/layout_h16_new_texts")->Unit(benchmark::kMillisecond);

void layoutH64NewParagraphs(benchmark::State& state)
{
    layoutNewTexts(state, tableAreas(12, 17, 64), 19, AlignJustified);
}
BENCHMARK(layoutH64NewParagraphs)
    ->Name("text/layout_h64_new_paragraphs")
    ->Unit(benchmark::kMillisecond);

} // namespace
