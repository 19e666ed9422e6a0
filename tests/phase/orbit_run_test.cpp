#include "phase_fixture.h"

#include "platform/conversion.h"

#include <cmath>

namespace {

using Runs = InTempDir;

const std::string kHeaderEnd = "\n\nvx= ";

TEST_F(Runs, FirstGoLaunchesAndContinueGoesOn)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    EXPECT_EQ(w.texts["Button1"], "go");
    w.go({.dataFile = true});
    EXPECT_EQ(w.state.runCounter, 1);
    EXPECT_EQ(w.texts["Label8"], "ready!");
    EXPECT_EQ(w.texts["Button1"], "continue");
    EXPECT_EQ(w.texts["Label11"], "8.01737535484671");
    EXPECT_EQ(w.progress.front(), 0);
    EXPECT_EQ(w.progress.back(), 1000);
    EXPECT_EQ(w.texts["Label1"].substr(0, 6), "r=0.68");
    const std::string first = slurp("adat.dat");
    EXPECT_EQ(countLines(first), 17 + 1000);

    // The orbit goes on from the last hit: 1000 more bounces land exactly where
    // 2000 bounces from the launch land.
    const ResumeState afterFirst = w.state.resume;
    EXPECT_EQ(afterFirst.x, w.state.billiard.hitX);
    w.go({.dataFile = true});
    EXPECT_EQ(w.state.runCounter, 2);
    EXPECT_EQ(slurp("adat.dat"), first); // no new header, and the file was closed
    FakeWindow fresh;
    fresh.type({"0.5", "2", "1", "45", "2"});
    fresh.go();
    EXPECT_EQ(fresh.state.resume.x, w.state.resume.x);
    EXPECT_EQ(fresh.state.resume.vy, w.state.resume.vy);
}

TEST_F(Runs, DataFileHoldsTheHeaderOnlyWithoutTheBox)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "2"});
    w.go();
    const std::string text = slurp("adat.dat");
    EXPECT_EQ(countLines(text), 17);
    EXPECT_NE(text.find(kHeaderEnd), std::string::npos);

    FakeWindow ticked;
    ticked.type({"0.5", "2", "1", "45", "2"});
    ticked.go({.dataFile = true});
    EXPECT_EQ(countLines(slurp("adat.dat")), 17 + 2000);
}

TEST_F(Runs, RepeatZeroKeepsTheUntouchedHitFields)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "0"});
    w.go();
    EXPECT_FALSE(w.state.resume.held());
    EXPECT_EQ(w.texts["Button1"], "continue");
    // A double click still bounces once per pass.
    w.state.billiard.arcIndex = 1;
    runDoubleClick(w.state, w.phase, "0", RunControls{}, w.view);
    EXPECT_TRUE(w.state.resume.held());
}

TEST_F(Runs, DoubleClickCountsOneThousandAndOnePasses)
{
    FakeWindow a, b;
    for (FakeWindow* w : {&a, &b})
        w->type({"0.5", "2", "1", "45", "1"});
    a.go();
    b.go();
    const int runs = a.state.runCounter;
    runDoubleClick(a.state, a.phase, "2", RunControls{}, a.view);
    EXPECT_EQ(a.state.runCounter, runs);
    EXPECT_EQ(a.texts["Label8"], "ready!");
    EXPECT_EQ(a.progress.back(), 1000);
    // 1001 x 3 bounces from the same place.
    for (int i = 0; i < 1001 * 3; ++i)
        ASSERT_TRUE(bounce(b.state.billiard, b.state.geometry));
    EXPECT_EQ(a.state.resume.x, b.state.billiard.hitX);
    EXPECT_EQ(a.state.resume.y, b.state.billiard.hitY);
}

TEST_F(Runs, BadBoxStopsTheRunBeforeAnythingIsDrawn)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    w.panel.repeat = "x";
    EXPECT_THROW(w.go(), ConversionError);
    EXPECT_EQ(w.state.runCounter, 0);
    EXPECT_FALSE(w.phase.isDrawn());
    EXPECT_THROW(runDoubleClick(w.state, w.phase, "", RunControls{}, w.view), ConversionError);
}

TEST_F(Runs, ContinueAfterClearPlotsWithTheClearScales)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    w.go();
    clearPhaseImage(w.phase, w.state.window, w.state.geometry, kBlack, w.state.paramsEdited);
    w.go();
    EXPECT_EQ(w.state.window.scaleY, 212.10191082802547);
    EXPECT_EQ(w.state.window.kx, w.state.geometry.sEnd4); // lowered by the build again
}

TEST_F(Runs, AnUncreatableDataFileIsReportedOnceAndTheRunCompletes)
{
    std::filesystem::create_directory("adat.dat");
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    w.go({.dataFile = true});
    EXPECT_EQ(w.texts["Label8"], "ready!");
    EXPECT_NE(w.texts["Label11"].find("\"adat.dat\" could not be created"), std::string::npos);
    EXPECT_TRUE(w.state.resume.held());
    w.go({.dataFile = true});
    EXPECT_EQ(w.texts["Label11"], "8.01737535484671");
}

TEST_F(Runs, ProblemBeforeAnyLaunchIsReported)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    w.state.billiard.x = 50.0; // a ball off the table that was never launched
    w.state.billiard.y = 50.0;
    EXPECT_THROW(runDoubleClick(w.state, w.phase, "1", RunControls{}, w.view), BounceProblem);
}

} // namespace
