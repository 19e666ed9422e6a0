#include "phase_fixture.h"

#include "phase/image_files.h"
#include "phase/series.h"

namespace {

using Series = InTempDir;

TEST(SeriesSteps, OrderAndTexts)
{
    const auto steps = seriesSteps('.');
    ASSERT_EQ(steps.size(), 440u);
    const struct { int index; const char* b; const char* rr; } cases[] = {
        {0, "0.5", "10"}, {1, "0.5", "10.05"}, {39, "0.5", "11.95"}, {40, "0.55", "10"},
        {79, "0.55", "11.95"}, {400, "1", "10"}, {439, "1", "11.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(steps[c.index].index, c.index);
        EXPECT_EQ(steps[c.index].bText, c.b) << c.index;
        EXPECT_EQ(steps[c.index].rrText, c.rr) << c.index;
    }
    EXPECT_EQ(seriesSteps(',')[41].rrText, "10,05");
}

TEST_F(Series, RunsSaveIntoTheSeriesDirectoryWithTheSmallestPerimeterSoFar)
{
    FakeWindow w;
    edit3Change(w.state, "1", w.view);
    const auto steps = seriesSteps('.');
    const PanelTexts boxes{"", "", "1", "45", "0"};
    double smallest = 13.0;
    for (int i = 0; i < 3; ++i) {
        runSeriesStep(w.state, w.phase, steps[i], boxes, RunControls{}, w.view);
        smallest = std::min(smallest, w.state.geometry.sEnd4);
        EXPECT_EQ(w.state.window.kx, smallest);
        EXPECT_EQ(w.texts["Edit1"], "0.5");
        EXPECT_EQ(w.texts["Label8"], "ready!");
        EXPECT_EQ(w.texts["Button1"], "continue");
        // A repeat count of 0 still bounces once per pass.
        EXPECT_TRUE(w.state.resume.held());
        ASSERT_TRUE(enterSeriesDirectory(w.state));
        savePortrait(w.state, w.phase);
    }
    EXPECT_EQ(std::filesystem::current_path(), dir_ / "grafikon");
    EXPECT_EQ(w.state.runCounter, 3);
    // The first run's data file lies where the queue started.
    EXPECT_TRUE(std::filesystem::exists(dir_ / "adat.dat"));
    int portraits = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir_ / "grafikon"))
        portraits += entry.path().filename().string().rfind("fk_B_0.50000_rr_1", 0) == 0;
    EXPECT_EQ(portraits, 3);
}

TEST_F(Series, AnUnusableDirectoryLeavesTheWorkingDirectory)
{
    { std::ofstream("grafikon") << "a file, not a directory"; }
    ProgramState s;
    EXPECT_FALSE(enterSeriesDirectory(s));
    EXPECT_EQ(std::filesystem::current_path(), dir_);
}

// A step run on its own, from start-up with only kx carried over, draws what
// the same step draws in the middle of the queue: the basis of the parallel
// and sharded series.
TEST_F(Series, AStepOnItsOwnDrawsWhatItDrawsInTheQueue)
{
    const auto steps = seriesSteps('.');
    const PanelTexts boxes{"", "", "1", "45", "0"};
    FakeWindow queue;
    edit3Change(queue.state, "1", queue.view);
    for (int i = 0; i <= 41; ++i)
        runSeriesStep(queue.state, queue.phase, steps[i], boxes, RunControls{}, queue.view);

    FakeWindow alone;
    alone.state.window.kx = queue.state.window.kx; // no table later in this stretch has a shorter perimeter
    edit3Change(alone.state, "1", alone.view);
    runSeriesStep(alone.state, alone.phase, steps[41], boxes, RunControls{}, alone.view);
    EXPECT_EQ(portraitName(alone.state), portraitName(queue.state));
    EXPECT_TRUE(alone.phase.image() == queue.phase.image());
}

} // namespace
