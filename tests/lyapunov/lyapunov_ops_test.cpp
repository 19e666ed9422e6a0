#include "lyapunov_fixture.h"

#include "platform/conversion.h"

#include <QFile>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

using Series = InTempDir;
using Fit = InTempDir;
using Results = InTempDir;

TEST(SeriesText, RowsAndFixedNumbersAsPrintfWritesThem)
{
    struct Case {
        int block;
        double value;
        const char* row;
    };
    for (const Case& c : {Case{1, std::log(2.0), "   1               0.693147 \n"},
                          Case{100, 12.3456789, " 100              12.345679 \n"},
                          Case{12345, -0.5, "12345              -0.500000 \n"}})
        EXPECT_EQ(seriesRow(c.block, c.value), c.row);
    EXPECT_EQ(fixedSix(0.5, 7), "0.500000");
    EXPECT_EQ(fixedSix(-0.0123, 7), "-0.012300");
    EXPECT_EQ(fixedSix(3.25, 12), "    3.250000");
}

std::vector<double> seriesValues(const std::string& text, std::vector<int>* blocks = nullptr)
{
    std::vector<double> values;
    std::istringstream in(text);
    int m;
    double v;
    while (in >> m >> v) {
        values.push_back(v);
        if (blocks)
            blocks->push_back(m);
    }
    return values;
}

TEST_F(Series, StartTextsGiveAHundredRowsBarsAndBitmapWithoutPlotting)
{
    Lab lab;
    lab.state.fitEndCut = 7; // stale; the series' move of TrackBar1 runs its rule
    int shown = 0;
    lab.panel.showWindow = [&] { ++shown; };
    lab.series();

    const std::string text = readFile("adat2.dat");
    std::vector<int> blocks;
    const std::vector<double> values = seriesValues(text, &blocks);
    ASSERT_EQ(values.size(), 100u);
    EXPECT_EQ(text.size(), 100u * 29u) << "every row is \"%4i   %20f \\n\"";
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(blocks[i], i + 1);
    double largest = 0;
    for (double v : values)
        largest = std::max(largest, v);
    EXPECT_NEAR(lab.state.lgTrMax, largest, 1e-6 * largest + 1e-6);
    EXPECT_EQ(lab.panel.label4, "lg(tr)max: " + std::to_string(static_cast<int>(std::ceil(lab.state.lgTrMax))));

    EXPECT_EQ(lab.state.blockSize, 500);
    EXPECT_EQ(lab.state.blockCount, 100);
    EXPECT_EQ(lab.state.graphStepX, 4.0f);
    EXPECT_FLOAT_EQ(lab.state.graphScaleY, 330.0f / 40000.0f);
    EXPECT_EQ(lab.panel.trackBar1Max, 100);
    EXPECT_EQ(lab.panel.trackBar1Position, 100);
    EXPECT_EQ(lab.panel.trackBar2Max, 100);
    EXPECT_EQ(lab.panel.tickFrequency, 4);
    EXPECT_EQ(lab.state.fitEndCut, 0);
    EXPECT_EQ(lab.state.fitStart, 0);

    // Unticked: the frame only, the window left alone, the bitmap saved.
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(lab.pixelsOf(kBlack), 0);
    EXPECT_EQ(lab.graph.pixel(5, 100), kGreen);
    ASSERT_TRUE(exists("ljap.bmp"));
    EXPECT_EQ(QFile("ljap.bmp").size(), 54 + 337 * ((409 * 3 + 3) / 4 * 4));
}

TEST_F(Series, TickedBoxShowsTheWindowAndPlotsEveryBlock)
{
    Lab lab;
    lab.panel.checkBox4 = true;
    lab.state.yMax = 400.0f;
    int shown = 0, repainted = 0;
    lab.panel.showWindow = [&] { ++shown; };
    lab.panel.repaintWindow = [&] { EXPECT_EQ(repainted++, shown - 1) << "shown, then repainted"; };
    lab.series();
    EXPECT_EQ(shown, 100);
    EXPECT_EQ(repainted, 100);
    EXPECT_GT(lab.pixelsOf(kBlack), 100);
    const std::vector<double> values = seriesValues(readFile("adat2.dat"));
    ASSERT_EQ(values.size(), 100u);
    // The polyline ends at the last block's point, x = 100 * 4 + 5.
    EXPECT_EQ(lab.graph.penX(), 405);
    EXPECT_EQ(lab.graph.penY(), static_cast<int>(330 - lab.state.graphScaleY * values.back()));
    EXPECT_EQ(lab.graph.brushColor(), kBlack);
}

TEST_F(Series, BlocksWithoutBouncesAllCarryLnTwo)
{
    Lab lab;
    lab.panel.edit1 = "0";
    lab.panel.edit2 = "3";
    lab.state.lgTrMax = 50.0f; // from an earlier series; a new one starts at 0
    lab.series();
    EXPECT_EQ(readFile("adat2.dat"), "   1               0.693147 \n"
                                     "   2               0.693147 \n"
                                     "   3               0.693147 \n");
    EXPECT_FLOAT_EQ(lab.state.lgTrMax, static_cast<float>(std::log(2.0)));
    EXPECT_EQ(lab.panel.label4, "lg(tr)max: 1");
    EXPECT_EQ(lab.state.graphStepX, 133.0f);
    EXPECT_EQ(lab.panel.tickFrequency, 133);
}

TEST_F(Series, BlocksWithoutAFiniteLogarithmAreLeftOut)
{
    // A direction that is not a number makes every trace one too.
    Lab lab;
    ASSERT_TRUE(bounce(lab.state.billiard, lab.state.geometry));
    lab.reference = {lab.state.billiard.x, lab.state.billiard.y, NAN, NAN};
    lab.panel.edit1 = "5";
    lab.panel.edit2 = "10";
    lab.panel.checkBox4 = true;
    lab.series();
    EXPECT_EQ(readFile("adat2.dat"), "");
    EXPECT_EQ(lab.state.lgTrMax, 0.0f);
    EXPECT_EQ(lab.panel.label4, "lg(tr)max: 0\n10 blocks left out: trace 0 or not finite");
    EXPECT_EQ(lab.pixelsOf(kBlack), 0);
}

TEST_F(Series, BadCountsAndScaleStopBeforeAnythingIsDrawn)
{
    struct Case {
        const char* name;
        std::string blocks;
        float yMax;
        bool conversion;
    };
    for (const Case& c : {Case{"no blocks", "0", 40000.0f, false}, Case{"negative count", "-4", 40000.0f, false},
                          Case{"not a number", "abc", 40000.0f, true}, Case{"Ymax 0", "100", 0.0f, false}}) {
        SCOPED_TRACE(c.name);
        writeFile("adat2.dat", "old rows\n");
        Lab lab;
        lab.panel.edit2 = c.blocks;
        lab.state.yMax = c.yMax;
        const LyapunovPanel before = lab.panel;
        try {
            lab.series();
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& e) {
            EXPECT_TRUE(c.conversion) << e.what();
        } catch (const std::runtime_error& e) {
            EXPECT_FALSE(c.conversion) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.yMax == 0 ? "Ymax" : "blocks"), std::string::npos) << e.what();
        }
        EXPECT_TRUE(exists("adat2.dat"));
        EXPECT_EQ(readFile("adat2.dat"), "");
        EXPECT_FALSE(lab.graph.isDrawn());
        EXPECT_FALSE(exists("ljap.bmp"));
        EXPECT_EQ(lab.panel.label4, before.label4);
        EXPECT_EQ(lab.panel.trackBar1Max, before.trackBar1Max);
    }
}

TEST_F(Series, UnwritableFilesAreNamedAndTheRestIsKept)
{
    {
        Lab lab;
        ASSERT_TRUE(QDir().mkdir("adat2.dat"));
        try {
            lab.series();
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("adat2.dat"), std::string::npos) << e.what();
        }
        EXPECT_FALSE(lab.graph.isDrawn());
        ASSERT_TRUE(QDir().rmdir("adat2.dat"));
    }
    {
        Lab lab;
        ASSERT_TRUE(QDir().mkdir("ljap.bmp"));
        try {
            lab.series();
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("ljap.bmp"), std::string::npos) << e.what();
        }
        EXPECT_EQ(seriesValues(readFile("adat2.dat")).size(), 100u);
        EXPECT_EQ(lab.panel.trackBar1Max, 100);
        EXPECT_EQ(lab.panel.label4.rfind("lg(tr)max: ", 0), 0u);
    }
}

TEST(Graph, FrameClearAndYMax)
{
    Lab lab;
    lab.graph.setPenColor(kBlue);
    lab.graph.moveTo(50, 50);
    lab.graph.lineTo(200, 200);
    lab.panel.edit4 = "0.01";
    lab.panel.label4 = "kept";
    clearGraph(lab.graph, lab.panel);
    EXPECT_EQ(lab.pixelsOf(kBlue), 0);
    EXPECT_EQ(lab.graph.pixel(100, 100), kWhite);
    EXPECT_EQ(lab.graph.pixel(408, 336), kWhite) << "the whole image";
    for (auto [x, y] : {std::pair{0, 330}, {404, 330}, {105, 328}, {5, 336}, {5, 1}, {7, 165}, {3, 252}})
        EXPECT_EQ(lab.graph.pixel(x, y), kGreen) << x << "," << y;
    EXPECT_EQ(lab.graph.pixel(105, 327), kWhite) << "a tick leaves out its end";
    EXPECT_EQ(lab.graph.penColor(), kBlack);
    EXPECT_EQ(lab.graph.brushColor(), kBlack);
    EXPECT_EQ(lab.panel.edit4, "");
    EXPECT_EQ(lab.panel.label4, "kept");

    lab.state.sep = ',';
    yMaxChange(lab.state, "12,5");
    EXPECT_EQ(lab.state.yMax, 12.5f);
    yMaxChange(lab.state, "0");
    EXPECT_EQ(lab.state.yMax, 0.0f);
    EXPECT_THROW(yMaxChange(lab.state, "abc"), ConversionError);
    EXPECT_THROW(yMaxChange(lab.state, ""), ConversionError);
    EXPECT_EQ(lab.state.yMax, 0.0f);
}

// Rows of y = n + 2 with outliers at blocks 1, 4, 9 and 10.
std::string fitRows()
{
    std::string text;
    for (int n = 1; n <= 10; ++n)
        text += seriesRow(n, (n == 1 || n == 4 || n == 9 || n == 10) ? 30.0 : n + 2.0);
    return text;
}

void setUpFit(Lab& lab)
{
    lab.panel.edit2 = "10";
    lab.state.lgTrMax = 33.0f;
    lab.state.blockSize = 4;
    lab.state.graphStepX = 4.0f;
    lab.state.fitStart = 3;
    lab.state.fitEndCut = 2;
}

TEST_F(Fit, StrictRangeRowsRedLineAndTexts)
{
    writeFile("adat2.dat", fitRows());
    Lab lab;
    setUpFit(lab);
    fitLinear(lab.state, lab.panel, lab.graph);
    // fitStart 3 and fitEndCut 2 fit rows 4..7, blocks 5..8: exactly y = x + 2.
    EXPECT_EQ(lab.panel.label4, "y=ax+b\na= 1.000000E+00\nb= 2.000000E+00\nblockindependent gradient:");
    EXPECT_DOUBLE_EQ(lab.state.gradient, 0.25);
    EXPECT_EQ(lab.panel.edit4, "0.25");
    EXPECT_EQ(lab.state.yMax, 33.0f);
    EXPECT_FLOAT_EQ(lab.state.graphScaleY, 10.0f);
    EXPECT_EQ(lab.state.blockCount, 10);
    // The red line runs from block 3 to block 8 of the fitted line.
    EXPECT_EQ(lab.graph.pixel(3 * 4 + 5, 330 - 50), kRed);
    EXPECT_EQ(lab.graph.penX(), 8 * 4 + 5);
    EXPECT_EQ(lab.graph.penY(), 330 - 100);
    EXPECT_EQ(lab.graph.penColor(), kRed);
    // Every row is in the polyline, the outliers too.
    EXPECT_EQ(lab.graph.pixel(4 * 4 + 5, 330 - 300), kBlack);
}

TEST_F(Fit, StartRangeStopsAtTheEndOfTheFileAndTakesNegativeValues)
{
    // Block 1 is left out by the strict test; blocks 2..5 lie on y = x - 2.5,
    // with -0.5 at block 2; the count of 10 runs past the file's five rows.
    std::string text = seriesRow(1, 30.0);
    for (int n = 2; n <= 5; ++n)
        text += seriesRow(n, n - 2.5);
    writeFile("adat2.dat", text);
    Lab lab;
    setUpFit(lab);
    lab.state.fitStart = 0;
    lab.state.fitEndCut = 0;
    fitLinear(lab.state, lab.panel, lab.graph);
    EXPECT_EQ(lab.panel.label4, "y=ax+b\na= 1.000000E+00\nb= -2.500000E+00\nblockindependent gradient:");
    EXPECT_EQ(lab.graph.penX(), 10 * 4 + 5) << "the red line still ends at blockCount - fitEndCut";
}

TEST_F(Fit, WhatCannotBeFittedLeavesEverythingAsItWas)
{
    struct Case {
        const char* name;
        void (*spoil)(Lab&);
    };
    const Case cases[] = {
        {"no series file", [](Lab&) { QFile::remove("adat2.dat"); }},
        {"lg(tr)max 0", [](Lab& lab) { lab.state.lgTrMax = 0.0f; }},
        {"one row in range", [](Lab& lab) { lab.state.fitStart = 7, lab.state.fitEndCut = 1; }},
        {"count no number", [](Lab& lab) { lab.panel.edit2 = std::string(1, 'x'); }},
        {"blocks without bounces", [](Lab& lab) { lab.state.blockSize = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("adat2.dat", fitRows());
        Lab lab;
        setUpFit(lab);
        lab.graph.setPenColor(kBlue);
        lab.graph.moveTo(50, 50);
        lab.graph.lineTo(60, 50);
        lab.panel.label4 = "earlier fit";
        lab.panel.edit4 = "0.1";
        lab.state.gradient = 0.1;
        lab.state.yMax = 123.0f;
        c.spoil(lab);
        EXPECT_THROW(fitLinear(lab.state, lab.panel, lab.graph), std::runtime_error);
        EXPECT_EQ(lab.graph.pixel(55, 50), kBlue);
        EXPECT_EQ(lab.panel.label4, "earlier fit");
        EXPECT_EQ(lab.panel.edit4, "0.1");
        EXPECT_EQ(lab.state.gradient, 0.1);
        EXPECT_EQ(lab.state.yMax, 123.0f);
    }
}

TEST(RangeBars, LeftEndStaysLeftOfTheRightEnd)
{
    auto afterSeries = [] {
        Lab lab;
        lab.state.blockCount = 100;
        lab.panel.trackBar1Max = lab.panel.trackBar2Max = 100;
        lab.panel.trackBar1Position = 100;
        return lab;
    };
    {
        Lab lab = afterSeries();
        moveTrackBar2(lab.state, lab.panel, 100);
        EXPECT_EQ(lab.panel.trackBar2Position, 99);
        EXPECT_EQ(lab.state.fitStart, 99);
    }
    {
        Lab lab = afterSeries();
        moveTrackBar2(lab.state, lab.panel, 10);
        moveTrackBar1(lab.state, lab.panel, 0);
        EXPECT_EQ(lab.panel.trackBar1Position, 11);
        EXPECT_EQ(lab.state.fitEndCut, 89);
        EXPECT_EQ(lab.state.fitStart, 10);
    }
    {
        Lab lab = afterSeries();
        moveTrackBar1(lab.state, lab.panel, 60);
        EXPECT_EQ(lab.state.fitEndCut, 40);
        moveTrackBar2(lab.state, lab.panel, 70);
        EXPECT_EQ(lab.panel.trackBar2Position, 59);
        EXPECT_EQ(lab.state.fitStart, 59);
        moveTrackBar2(lab.state, lab.panel, 500);
        EXPECT_EQ(lab.panel.trackBar2Position, 59) << "clamped to 100, then back to 59";
    }
}

TEST_F(Results, WritesGoOnOneLinePerTable)
{
    Lab lab;
    lab.state.bTyped = 0.5;
    lab.state.gradient = 0.0123;
    ASSERT_TRUE(lab.state.paramsEdited);
    writeResult(lab.state, lab.panel);
    EXPECT_EQ(readFile("ljap.dat"), "\n0.500000  2.000000      0.012300");
    EXPECT_FALSE(lab.state.paramsEdited);
    EXPECT_EQ(lab.panel.edit5, "1");

    lab.state.gradient = -0.5;
    writeResult(lab.state, lab.panel);
    EXPECT_EQ(readFile("ljap.dat"), "\n0.500000  2.000000      0.012300  -0.500000");
    EXPECT_EQ(lab.state.writeCount, 2);
    EXPECT_EQ(lab.panel.edit5, "2");

    lab.state.paramsEdited = true;
    lab.state.bTyped = 1.0;
    writeResult(lab.state, lab.panel);
    EXPECT_EQ(readFile("ljap.dat"),
              "\n0.500000  2.000000      0.012300  -0.500000\n1.000000  2.000000      -0.500000");
    EXPECT_EQ(lab.state.writeCount, 1);
    EXPECT_EQ(lab.panel.edit5, "1");
}

TEST_F(Results, UnwritableFileKeepsTheCounters)
{
    ASSERT_TRUE(QDir().mkdir("ljap.dat"));
    Lab lab;
    lab.state.writeCount = 3;
    try {
        writeResult(lab.state, lab.panel);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("ljap.dat"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(lab.state.paramsEdited);
    EXPECT_EQ(lab.state.writeCount, 3);
    EXPECT_EQ(lab.panel.edit5, "0");
}

} // namespace
