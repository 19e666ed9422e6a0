#include "phase_fixture.h"

#include "phase/image_files.h"
#include "phase/zoom.h"
#include "platform/number_text.h"

#include <cmath>

namespace {

using Zoom = InTempDir;

PhaseWindow exampleWindow()
{
    return PhaseWindow{0.0, 13.0, 0.0, kPi, 778.0 / 13.0, 666.0 / kPi};
}

TEST_F(Zoom, DragInEitherDirectionGivesTheSameWindow)
{
    const struct { int x1, y1, x2, y2; } drags[] = {{100, 200, 300, 400}, {300, 400, 100, 200}, {100, 400, 300, 200}};
    for (const auto& d : drags) {
        FakeWindow w;
        w.type({"0.5", "2", "1", "45", "1"});
        w.go();
        w.state.window = exampleWindow();
        phaseMouseDown(w.state, MouseButton::Right, d.x1, d.y1);
        ASSERT_EQ(releaseAction(w.state, MouseButton::Right, d.x2, d.y2), ReleaseAction::Zoom);
        zoomTo(w.state, w.phase, d.x2, d.y2, RunControls{}, w.view);
        const PhaseWindow& z = w.state.window;
        EXPECT_DOUBLE_EQ(z.kn, 94 * 13.0 / 778);
        EXPECT_DOUBLE_EQ(z.kx, 294 * 13.0 / 778);
        EXPECT_DOUBLE_EQ(z.px, kPi - 191 * kPi / 666);
        EXPECT_DOUBLE_EQ(z.pn, kPi - 391 * kPi / 666);
        EXPECT_DOUBLE_EQ(z.scaleX, 778 / (200 * 13.0 / 778));
        EXPECT_DOUBLE_EQ(z.scaleY, 666 / (200 * kPi / 666));
        EXPECT_EQ(w.texts["Label11"], formatGeneral(z.scaleX, 15, 0) + "  200 " + formatGeneral(z.scaleY, 15, 0));
        EXPECT_EQ(w.progress.back(), 1000);
    }
}

TEST(ZoomRelease, SameRowOrColumnAsksForTheAnalysisAndOtherButtonsDoNothing)
{
    ProgramState s;
    phaseMouseDown(s, MouseButton::Right, 100, 100);
    EXPECT_EQ(releaseAction(s, MouseButton::Right, 100, 100), ReleaseAction::Analysis);
    EXPECT_EQ(releaseAction(s, MouseButton::Right, 300, 100), ReleaseAction::Analysis);
    EXPECT_EQ(releaseAction(s, MouseButton::Right, 100, 300), ReleaseAction::Analysis);
    EXPECT_EQ(releaseAction(s, MouseButton::Left, 300, 300), ReleaseAction::None);
    phaseMouseDown(s, MouseButton::Left, 5, 5);
    EXPECT_EQ(s.anchorX, 100.0);
}

TEST_F(Zoom, ZoomsCompoundAndKeepTheOrbitToContinue)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    w.go();
    const ResumeState resume = w.state.resume;
    const PhaseWindow first = w.state.window;
    phaseMouseDown(w.state, MouseButton::Right, 6, 9);
    zoomTo(w.state, w.phase, 395, 342, RunControls{}, w.view);
    const PhaseWindow half = w.state.window;
    EXPECT_NEAR(half.kx, (first.kx - first.kn) * 389 / 778, 1e-12);
    phaseMouseDown(w.state, MouseButton::Right, 6, 9);
    zoomTo(w.state, w.phase, 395, 342, RunControls{.savePortrait = true}, w.view);
    EXPECT_NEAR(w.state.window.kx - w.state.window.kn, (half.kx - half.kn) / 2, 1e-12);
    EXPECT_EQ(w.state.resume.x, resume.x);
    EXPECT_EQ(w.state.runCounter, 1);
    EXPECT_TRUE(std::filesystem::exists(portraitName(w.state)));
}

} // namespace
