#include "render/cell_text.h"

#include "document/cell_record.h"
#include "platform/raster.h"
#include "platform/raster_font.h"
#include "render/cell_font.h"
#include "render/cell_text_cache.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

// ---- Fonts ----------------------------------------------------------------------------

TEST(CellFont, style_bits_count_only_flags_that_are_exactly_one)
{
    CellRecord cell;
    cell.bold = 1;
    cell.italic = 2;
    cell.underline = 1;
    cell.strikeout = -1;
    cell.leading = 1;
    EXPECT_EQ(cellStyleBits(cell), 1 + 4 + 16);
    cell = CellRecord{};
    cell.italic = 1;
    cell.strikeout = 1;
    EXPECT_EQ(cellStyleBits(cell), 2 + 8);
}

TEST(CellFont, size_in_points_becomes_pixels_at_96_dpi_with_the_leading_bit_choosing_the_sign)
{
    struct Case {
        double points;
        int styleBits;
        int height;
    };
    const Case cases[] = {
        {10, 0, -13},           // 13.33
        {10, StyleLeading, 13}, // the cell, internal leading included
        {0, 0, -11},            // taken as 8 points: 10.67
        {11, 0, -15},           // 14.67
        {7.5, StyleBold, -10},  // exactly 10
        {36, StyleLeading, 48},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cellFontRequest("Arial", c.points, c.styleBits, AlignLeft, 0).height, c.height)
            << c.points << " points, bits " << c.styleBits;
}

TEST(CellFont, style_bits_give_weight_and_decorations)
{
    const FontRequest plain = cellFontRequest("Arial", 10, 0, AlignLeft, 0);
    EXPECT_EQ(plain.weight, 400);
    EXPECT_FALSE(plain.italic || plain.underline || plain.strikeout);
    const FontRequest all = cellFontRequest("Arial", 10, 31, AlignLeft, 0);
    EXPECT_EQ(all.weight, 700);
    EXPECT_TRUE(all.italic && all.underline && all.strikeout);
    EXPECT_EQ(all.height, 13);
    EXPECT_EQ(cellFontRequest("Arial", 10, StyleUnderline, AlignLeft, 0).weight, 400);
    EXPECT_TRUE(cellFontRequest("Arial", 10, StyleUnderline, AlignLeft, 0).underline);
}

TEST(CellFont, horizontal_fonts_ask_for_the_chosen_character_set_upright)
{
    for (int alignment : {131, 132, 133, 134, 0, 137}) {
        const FontRequest r = cellFontRequest("Arial", 10, 0, alignment, 177);
        EXPECT_EQ(r.charset, 177) << alignment;
        EXPECT_EQ(r.pitchAndFamily, 0) << alignment;
        EXPECT_EQ(r.escapement, 0) << alignment;
        EXPECT_EQ(r.orientation, 0) << alignment;
    }
}

TEST(CellFont, vertical_fonts_turn_a_quarter_clockwise_with_the_character_set_in_pitch_and_family)
{
    for (int alignment : {135, 136}) {
        const FontRequest r = cellFontRequest("Arial", 10, StyleItalic, alignment, 177);
        EXPECT_EQ(r.escapement, -900) << alignment;
        EXPECT_EQ(r.orientation, -900) << alignment;
        EXPECT_EQ(r.charset, 1) << alignment;
        EXPECT_EQ(r.pitchAndFamily, 177) << alignment;
        EXPECT_EQ(r.height, -13) << alignment;
        EXPECT_TRUE(r.italic) << alignment;
    }
}

TEST(CellFont, face_names_are_cut_to_31_characters)
{
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    EXPECT_EQ(cellFontRequest(forty, 10, 0, AlignLeft, 0).face, forty.substr(0, 31));
    EXPECT_EQ(cellFontRequest("Arial", 10, 0, AlignLeft, 0).face, "Arial");
    // Characters, not bytes: 30 letters and a two-byte one are 31 characters.
    const std::string accented = std::string(30, 'a') + "\xC3\xBC" + "bcd";
    EXPECT_EQ(cellFontRequest(accented, 10, 0, AlignLeft, 0).face,
              std::string(30, 'a') + "\xC3\xBC");
}

TEST(CellFont, made_fonts_answer_their_request)
{
    const auto font = makeCellFont("Liberation Sans", 10, StyleBold, AlignVerticalTop, 0);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->request,
              cellFontRequest("Liberation Sans", 10, StyleBold, AlignVerticalTop, 0));
    // Asked again in between another font, the same face and style give the same font.
    const auto other = makeCellFont("Liberation Serif", 12, 0, AlignLeft, 0);
    EXPECT_EQ(other->request, cellFontRequest("Liberation Serif", 12, 0, AlignLeft, 0));
    EXPECT_EQ(makeCellFont("Liberation Sans", 10, StyleBold, AlignVerticalTop, 0)->request,
              font->request);
}

TEST(CellFont, the_leading_bit_makes_the_cell_not_the_letters_13_pixels_high_at_10_points)
{
    const auto cellSized = makeCellFont("Liberation Sans", 10, StyleLeading, AlignLeft, 0);
    const auto letterSized = makeCellFont("Liberation Sans", 10, 0, AlignLeft, 0);
    EXPECT_EQ(measureText(*cellSized, u"Hg").height, 13);
    EXPECT_GT(measureText(*letterSized, u"Hg").height, 13);
    EXPECT_LT(measureText(*cellSized, u"Departamento de ventas").width,
              measureText(*letterSized, u"Departamento de ventas").width);
}

// ---- Drawing --------------------------------------------------------------------------

struct Cell {
    std::u16string text;
    int alignment;
    int x;
    int y;
    int w;
    int h;
    const char* face;
    double points;
    int styleBits;
};

// The straightforward way: every line of the layout printed through the raster, measured
// afresh, nothing cached and nothing left out.
void drawPlainly(Raster& r, const Cell& c, const std::shared_ptr<const RasterFont>& font,
                 Colour colour)
{
    selectFont(r, font);
    setTextColour(r, colour);
    setTextPosition(r, c.x, c.y);
    for (const PrintOp& op :
         layoutCellText(c.text, c.alignment, c.x, c.y, c.w, c.h, RasterTextMeasure(*font))) {
        setTextPosition(r, op.x, op.y);
        setJustification(r, op.justifyExtra, op.justifyBlanks);
        printLine(r, std::u16string_view(c.text).substr(op.begin, op.length));
    }
}

// What drawing a picture may leave set on the raster's painter.
void unsettlePainter(Raster& r)
{
    QPainter& p = rasterPainter(r);
    p.setClipRect(0, 0, 20, 20);
    p.setOpacity(0.5);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(7, 3);
    p.setPen(Qt::NoPen);
}

// Each cell's box is drawn before its text, as the painter does, so text running out of a
// cell is covered by the boxes of the cells after it.
Raster paint(const std::vector<Cell>& cells, int width, int height, bool plainly,
             CellTextCache* cache, bool unsettled = false)
{
    Raster r = createRaster(width, height);
    clearRaster(r, White);
    setPen(r, 1, PenStyle::Solid);
    int n = 0;
    for (const Cell& c : cells) {
        if (unsettled && n % 2 == 0)
            unsettlePainter(r);
        const Colour fill = (n++ % 3 == 0) ? rgbColour(230, 240, 255) : NoFillColour;
        drawBox(r, c.x - 1, c.y - 1, c.x + c.w, c.y + c.h, Black,
                fill == NoFillColour ? BoxFill::None : BoxFill::Solid, fill);
        const auto font = makeCellFont(c.face, c.points, c.styleBits, c.alignment, 0);
        const Colour colour = rgbColour(20 * n % 200, 0, 120);
        if (plainly)
            drawPlainly(r, c, font, colour);
        else
            drawCellText(r, c.text, c.alignment, c.x, c.y, c.w, c.h, font, colour, cache);
    }
    return r;
}

std::vector<Cell> variedCells()
{
    const std::u16string paragraph =
        u"Los equipos de la oficina central revisan cada semana las cuentas del "
        u"departamento de ventas y envian un informe breve a la direccion general";
    std::vector<Cell> cells = {
        {u"Ventas norte", AlignLeft, 10, 10, 90, 30, "Liberation Sans", 10, 0},
        {u"abc def ghi", AlignLeft, 110, 10, 48, 30, "Liberation Sans", 10, 0},
        {u"Departamento de ventas", AlignLeft, 170, 10, 40, 30, "Liberation Serif", 10, 0},
        {u"Sinblanconingunoenestetexto", AlignRight, 220, 10, 60, 30, "DejaVu Sans", 9, 0},
        {u"Total 1,234.50", AlignRight, 290, 10, 70, 30, "Liberation Sans", 10, StyleBold},
        {u"Centro del texto aqui", AlignCentred, 370, 10, 61, 40, "Liberation Serif", 11,
         StyleItalic},
        {u"AV To Ta WA yo", AlignCentred, 440, 10, 47, 40, "Liberation Sans", 12, 0},
        {paragraph, AlignJustified, 10, 60, 150, 120, "Liberation Serif", 10, 0},
        {paragraph, AlignJustified, 170, 60, 101, 120, "DejaVu Sans", 8, StyleUnderline},
        {paragraph, AlignLeft, 280, 60, 70, 60, "Liberation Sans", 10, StyleStrikeout},
        {u"Vertical arriba", AlignVerticalTop, 360, 60, 30, 150, "Liberation Sans", 10, 0},
        {u"Vertical centrado y largo de verdad", AlignVerticalCentred, 400, 60, 31, 100,
         "Liberation Serif", 10, StyleBold},
        {u"Nunca dibujado", 137, 440, 60, 60, 60, "Liberation Sans", 10, 0},
        {u"", AlignLeft, 440, 130, 60, 30, "Liberation Sans", 10, 0},
        {u"   blancos   al   principio", AlignJustified, 10, 190, 90, 60, "Liberation Sans", 10, 0},
        {u"שלום עולם, זהו טקסט בעברית ארוך", AlignLeft, 110, 190, 80, 60, "DejaVu Sans", 10, 0},
        {u"مرحبا بالعالم هذا نص عربي طويل", AlignJustified, 200, 190, 90, 60, "DejaVu Sans", 10, 0},
        {u"東京都 新宿区 西新宿 二丁目", AlignCentred, 300, 190, 70, 60, "Droid Sans Fallback", 10,
         0},
        {u"สวัสดีครับ ภาษาไทย", AlignLeft, 380, 190, 60, 60, "DejaVu Sans", 10, 0},
        {u"mixed עברית and 中文 text", AlignRight, 450, 190, 60, 60, "Liberation Sans", 10, 0},
        {u"fi fl ffi office", AlignJustified, 10, 260, 45, 60, "DejaVu Serif", 14, 0},
        // Near the edges of the raster: lines that are partly outside must still be drawn.
        {paragraph, AlignLeft, 460, 260, 80, 40, "Liberation Sans", 10, 0},
        {paragraph, AlignJustified, 200, 300, 120, 40, "Liberation Serif", 12, 0},
        {u"Al borde izquierdo del lienzo", AlignRight, -40, 270, 60, 40, "Liberation Sans", 10, 0},
        {u"Arriba del todo", AlignVerticalCentred, 350, -5, 20, 20, "Liberation Sans", 10, 0},
        {u"Cortado por arriba", AlignLeft, 60, -9, 100, 20, "Liberation Sans", 10, 0},
        {u"Cortado por abajo", AlignLeft, 330, 326, 100, 20, "Liberation Sans", 10, 0},
        {u"Justo al borde derecho", AlignLeft, 517, 100, 60, 20, "Liberation Sans", 10, 0},
        // Underline and strikeout follow their text wherever the alignment puts it.
        {u"Subrayado a la derecha", AlignRight, 100, 300, 150, 20, "Liberation Sans", 10,
         StyleUnderline},
        {u"Tachado centrado dos lineas", AlignCentred, 420, 240, 90, 40, "Liberation Serif", 10,
         StyleStrikeout},
    };
    return cells;
}

void expectSamePixels(Raster& expected, Raster& actual)
{
    const QImage& a = rasterImage(expected);
    const QImage& b = rasterImage(actual);
    ASSERT_EQ(a.size(), b.size());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

int inkedPixels(Raster& r)
{
    const QImage& image = rasterImage(r);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != 0xFFFFFFFFu;
    return inked;
}

TEST(CellText, drawing_with_and_without_a_cache_gives_the_pixels_of_printing_every_line)
{
    const std::vector<Cell> cells = variedCells();
    Raster expected = paint(cells, 520, 330, true, nullptr);
    ASSERT_GT(inkedPixels(expected), 5000) << "the reference draws the table";

    Raster uncached = paint(cells, 520, 330, false, nullptr);
    expectSamePixels(expected, uncached);

    CellTextCache cache;
    Raster filling = paint(cells, 520, 330, false, &cache);
    expectSamePixels(expected, filling);
    EXPECT_GT(cache.size(), 20u);
    Raster fromCache = paint(cells, 520, 330, false, &cache);
    expectSamePixels(expected, fromCache);
}

TEST(CellText, drawing_ignores_what_other_drawing_left_on_the_painter)
{
    const std::vector<Cell> cells = variedCells();
    Raster expected = paint(cells, 520, 330, true, nullptr, true);
    Raster settled = paint(cells, 520, 330, true, nullptr);
    expectSamePixels(settled, expected);
    CellTextCache cache;
    Raster first = paint(cells, 520, 330, false, &cache, true);
    Raster second = paint(cells, 520, 330, false, &cache, true);
    expectSamePixels(expected, first);
    expectSamePixels(expected, second);
}

TEST(CellText, a_cache_keeps_layouts_of_different_areas_fonts_and_alignments_apart)
{
    // The same text in areas, fonts and alignments that each lay it out differently; a cache
    // that confused any two of them would draw one of them wrongly.
    std::vector<Cell> cells;
    const std::u16string text = u"uno dos tres cuatro cinco seis";
    int y = 5;
    for (int w : {40, 41, 80}) {
        for (int alignment = AlignLeft; alignment <= AlignVerticalCentred; ++alignment) {
            cells.push_back({text, alignment, 5 + (alignment - AlignLeft) * 95, y, w, 60,
                             "Liberation Sans", 10, 0});
            cells.push_back({text, alignment, 5 + (alignment - AlignLeft) * 95 + 45, y, w, 61,
                             "Liberation Sans", 10, StyleBold});
        }
        y += 100;
    }
    Raster expected = paint(cells, 580, 300, true, nullptr);
    CellTextCache cache;
    Raster first = paint(cells, 580, 300, false, &cache);
    Raster second = paint(cells, 580, 300, false, &cache);
    expectSamePixels(expected, first);
    expectSamePixels(expected, second);
}

TEST(CellText, empty_texts_and_unknown_alignments_leave_the_raster_untouched)
{
    const auto font = makeCellFont("Liberation Sans", 10, 0, AlignLeft, 0);
    CellTextCache cache;
    for (CellTextCache* c : {static_cast<CellTextCache*>(nullptr), &cache}) {
        Raster r = createRaster(100, 60);
        clearRaster(r, White);
        drawCellText(r, u"", AlignLeft, 5, 5, 90, 50, font, Black, c);
        drawCellText(r, u"texto", 130, 5, 5, 90, 50, font, Black, c);
        drawCellText(r, u"texto", 137, 5, 5, 90, 50, font, Black, c);
        EXPECT_EQ(inkedPixels(r), 0);
    }
}

struct InkBox {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = -1;
    int bottom = -1;
};

InkBox inkBox(Raster& r)
{
    const QImage& image = rasterImage(r);
    InkBox box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFFu) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

TEST(CellText, vertical_text_runs_down_the_middle_of_its_area)
{
    const auto font = makeCellFont("Liberation Sans", 10, 0, AlignVerticalTop, 0);
    Raster r = createRaster(200, 200);
    clearRaster(r, White);
    drawCellText(r, u"Hola mundo", AlignVerticalTop, 40, 20, 60, 150, font, Black);
    const InkBox box = inkBox(r);
    ASSERT_GE(box.right, 0);
    // Taller than wide, starting at the top of the area, centred across it.
    EXPECT_GT(box.bottom - box.top, 3 * (box.right - box.left));
    EXPECT_GE(box.top, 20);
    EXPECT_LE(box.top, 24);
    EXPECT_NEAR((box.left + box.right) / 2.0, 40 + 30, 4);
}

TEST(CellText, right_aligned_text_ends_three_pixels_before_the_area_does)
{
    const auto font = makeCellFont("Liberation Sans", 10, 0, AlignRight, 0);
    Raster r = createRaster(200, 60);
    clearRaster(r, White);
    drawCellText(r, u"Total", AlignRight, 10, 10, 150, 40, font, Black);
    const InkBox box = inkBox(r);
    // The ink of the last letter ends at or just before its advance.
    EXPECT_LE(box.right, 10 + 150 - 3 - 1);
    EXPECT_GE(box.right, 10 + 150 - 3 - 3);
}

TEST(CellTextCache, holds_at_most_its_bound_and_keeps_what_is_in_use)
{
    CellTextCache cache(100);
    const std::u16string kept = u"kept";
    cache.insert(CellTextKey{1, AlignLeft, 10, 10, kept}, CellTextPlan{});
    for (int i = 0; i < 1000; ++i) {
        const std::u16string text = u"text " + std::u16string(1, char16_t(u'0' + i % 10)) +
                                    std::u16string(1, char16_t(u'a' + i / 10 % 26)) +
                                    std::u16string(1, char16_t(u'a' + i / 260));
        CellTextPlan plan;
        plan.lineHeight = i;
        cache.insert(CellTextKey{1, AlignLeft, 10, 10, text}, std::move(plan));
        EXPECT_LE(cache.size(), 100u);
        ASSERT_NE(cache.find(CellTextKey{1, AlignLeft, 10, 10, kept}), nullptr) << i;
        ASSERT_NE(cache.find(CellTextKey{1, AlignLeft, 10, 10, text}), nullptr) << i;
        EXPECT_EQ(cache.find(CellTextKey{1, AlignLeft, 10, 10, text})->plan.lineHeight, i);
    }
    EXPECT_EQ(cache.find(CellTextKey{2, AlignLeft, 10, 10, kept}), nullptr);
    EXPECT_EQ(cache.find(CellTextKey{1, AlignRight, 10, 10, kept}), nullptr);
    EXPECT_EQ(cache.find(CellTextKey{1, AlignLeft, 11, 10, kept}), nullptr);
    EXPECT_EQ(cache.find(CellTextKey{1, AlignLeft, 10, 11, kept}), nullptr);
}

TEST(CellTextCache, holds_about_its_bound_in_bytes)
{
    // Each layout of a hundred lines takes well over 2,400 bytes: no more than 27 fit in 64 KB.
    CellTextCache cache(100000, 64 * 1024);
    for (int i = 0; i < 500; ++i) {
        CellTextPlan plan;
        plan.lines.resize(100);
        cache.insert(CellTextKey{1, AlignLeft, i, 10, u"a"}, std::move(plan));
        EXPECT_LE(cache.size(), 28u);
    }
    EXPECT_NE(cache.find(CellTextKey{1, AlignLeft, 499, 10, u"a"}), nullptr);
}

} // namespace
