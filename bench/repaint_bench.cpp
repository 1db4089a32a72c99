#include "bench/largest_table.h"
#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "platform/message_service.h"
#include "platform/picture_codec.h"
#include "platform/raster.h"
#include "render/cut_export.h"
#include "render/table_painter.h"
#include "render/table_view.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

// Answers nothing; no benchmark table shows a message.
class SilentMessages : public MessageService {
  public:
    MessageAnswer showMessage(const std::string&, const std::string&, MessageButtons) override
    {
        return MessageAnswer::Ok;
    }
    std::string chooseFile(const FileDialogRequest&) override { return {}; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

struct Fixture {
    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;
    TableView view = makeTableView();
    PainterState painter;
    SilentMessages messages;

    explicit Fixture(const char* templateName)
    {
        createTable(*grid, undo, *templateByName(templateName));
    }

    void fillText(const std::u16string& text, std::int16_t alignment = AlignLeft)
    {
        for (int i = 0; i < grid->rows; ++i)
            for (int j = 0; j < grid->columns; ++j) {
                CellRecord& c = grid->at(i, j);
                c.inTable = 1;
                c.alignment = alignment;
                assignCellText(c, text);
            }
    }

    void repaint() { repaintTable(view, *grid, painter, messages); }
};

void runRepaints(benchmark::State& state, Fixture& f)
{
    f.repaint();
    for (auto _ : state) {
        f.repaint();
        benchmark::DoNotOptimize(pixelAt(f.view.screenBuffer, 10, 10));
    }
}

void repaintFloor(benchmark::State& state)
{
    Fixture f("h16");
    for (auto _ : state) {
        clearRaster(f.view.screenBuffer, White);
        clearRaster(f.view.tableBitmap, White);
        copyRaster(f.view.tableBitmap, f.view.screenBuffer, 0, 0);
        benchmark::DoNotOptimize(pixelAt(f.view.screenBuffer, 10, 10));
    }
}
BENCHMARK(repaintFloor)->Name("repaint/floor")->Unit(benchmark::kMillisecond);

void repaintH16Free(benchmark::State& state)
{
    Fixture f("h16");
    runRepaints(state, f);
}
BENCHMARK(repaintH16Free)->Name("repaint/h16_free")->Unit(benchmark::kMillisecond);

void repaintH16Text(benchmark::State& state)
{
    // Two short words: the first fits a 16-pixel cell, the second goes to a second line, so
    // every cell really draws text rather than pushing it off the canvas.
    Fixture f("h16");
    f.fillText(u"ab cd");
    runRepaints(state, f);
}
BENCHMARK(repaintH16Text)->Name("repaint/h16_text")->Unit(benchmark::kMillisecond);

void repaintH64Paragraphs(benchmark::State& state)
{
    Fixture f("h64");
    f.fillText(u"The board meets every month to review the budget and the plans of each "
               u"department before the annual report is written",
               AlignJustified);
    runRepaints(state, f);
}
BENCHMARK(repaintH64Paragraphs)->Name("repaint/h64_paragraphs")->Unit(benchmark::kMillisecond);

void repaintMaxText(benchmark::State& state)
{
    Fixture f("h16");
    makeLargestTable(*f.grid, f.undo);
    f.fillText(u"a b");
    runRepaints(state, f);
}
BENCHMARK(repaintMaxText)->Name("repaint/max_text")->Unit(benchmark::kMillisecond);

void repaintH64Pictures(benchmark::State& state)
{
    startPictureCodecs();
    const auto path = std::filesystem::temp_directory_path() / "cuadrivista-bench-photo.jpg";
    QImage photo(2000, 1500, QImage::Format_RGB32);
    QPainter p(&photo);
    p.fillRect(photo.rect(), QColor(40, 90, 160));
    p.fillRect(200, 200, 1200, 800, QColor(220, 180, 60));
    p.end();
    photo.save(QString::fromStdString(path.string()), "JPEG", 90);

    Fixture f("h64");
    for (int k = 0; k < 20; ++k) {
        CellRecord& c = f.grid->at(k / 10, k % 10);
        c.inTable = 1;
        c.backColour = NoFillColour;
        assignText(c.picture, path.string() + "|16777215");
    }
    runRepaints(state, f);
    std::filesystem::remove(path);
}
BENCHMARK(repaintH64Pictures)->Name("repaint/h64_pictures")->Unit(benchmark::kMillisecond);

void exportCut(benchmark::State& state, bool bitmap)
{
    startPictureCodecs();
    Fixture f("h16");
    f.fillText(u"ab cd");
    const auto path = std::filesystem::temp_directory_path() /
                      (bitmap ? "cuadrivista-bench-cut.bmp" : "cuadrivista-bench-cut.jpg");
    f.repaint();
    for (auto _ : state) {
        const FileWriteResult r =
            bitmap ? exportCutBitmap(path.string(), f.view, *f.grid, f.painter, White, f.messages)
                   : exportCutJpeg(path.string(), f.view, *f.grid, f.painter, White, f.messages);
        benchmark::DoNotOptimize(r.errorNumber);
    }
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(exportCut, bmp, true)
    ->Name("export/cut_bmp_h16_text")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportCut, jpeg, false)
    ->Name("export/cut_jpeg_h16_text")
    ->Unit(benchmark::kMillisecond);

} // namespace
