#include "phase_fixture.h"

#include "phase/image_files.h"
#include "platform/conversion.h"

namespace {

using ImageFiles = InTempDir;

TEST(PortraitNames, ExampleNamesAndTheLocaleSeparator)
{
    ProgramState s;
    buildGeometry(s.geometry, s.window, 0.5, 2.0);
    s.bTyped = 0.5;
    s.billiard.flight = 1.25;
    s.window.kx = 7.0;
    refreshStamp(s);
    EXPECT_EQ(s.imageStamp, "1.25");
    EXPECT_EQ(portraitName(s), "fk_B_0.50000_rr_2.00000_i_1.25_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp");
    EXPECT_EQ(draftName(s), "vazlatB_0.5_rr_2_i_1.25.bmp");
    s.sep = ',';
    refreshStamp(s);
    EXPECT_EQ(portraitName(s), "fk_B_0,50000_rr_2,00000_i_1,25_kx_7,00000_kn_0,00000_px_3,14159_pn_0,00000.bmp");
}

TEST(PortraitNames, ParseFindsTheFirstKeyAnywhereInThePath)
{
    const auto f = parsePortraitPath(
        "/data/grafikon/fk_B_0.50000_rr_2.00000_i_1.25_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp");
    EXPECT_EQ(f.bText, "0.50000");
    EXPECT_EQ(f.rrText, "2.00000");
    EXPECT_EQ(f.kxText, "7.00000");
    EXPECT_EQ(f.pxText, "3.14159");
    const auto big = parsePortraitPath("fk_B_1.00000_rr_11.95000_i_2_kx_13.00000_kn_-0.12345_px_3.14159_pn_0.00000.bmp");
    EXPECT_EQ(big.kxText, "13.0000");
    EXPECT_EQ(big.knText, "-0.1234");
    EXPECT_EQ(big.rrText, "11.95000");
    const auto wrong = parsePortraitPath("/x/B_dir/fk_B_0.50000_rr_2.00000_i_1_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp");
    EXPECT_NE(wrong.bText, "0.50000");
    // A missing key reads from the third character on, which is no number.
    EXPECT_EQ(parsePortraitPath("vazlatB_0.5_rr_2_i_1.25.bmp").kxText, "zlatB_0");
}

TEST_F(ImageFiles, LoadRestoresTheParametersFromTheName)
{
    FakeWindow w;
    w.type({"0.7", "3", "1", "45", "1"});
    w.go();
    const std::string name = "fk_B_0.50000_rr_2.00000_i_1.25_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp";
    std::string error;
    ASSERT_TRUE(w.phase.saveBitmap(name, error)) << error;
    const std::string path = (dir_ / name).string();
    loadPortrait(w.state, w.phase, path, w.view);
    EXPECT_EQ(w.texts["Edit1"], "0.50000");
    EXPECT_EQ(w.texts["Edit2"], "2.00000");
    EXPECT_EQ(w.state.bTyped, 0.5);
    EXPECT_EQ(w.state.geometry.rr, 2.0);
    EXPECT_EQ(w.state.window.kx, 7.0);
    EXPECT_EQ(w.state.window.px, 3.14159);
    EXPECT_EQ(w.state.runCounter, 2);
    EXPECT_EQ(w.texts["Label11"], "loaded:\nB= 0.5  erperer= 2");
    EXPECT_EQ(w.texts["Button1"], "go"); // the b box changed, so the orbit was let go
    EXPECT_DOUBLE_EQ(w.state.window.scaleX, 778.0 / 7.0);
    EXPECT_TRUE(isOpen(w.state.dataFile));
    // A double click then closes the file the load opened.
    runDoubleClick(w.state, w.phase, "0", RunControls{.dataFile = true}, w.view);
    EXPECT_FALSE(isOpen(w.state.dataFile));
    EXPECT_EQ(countLines(slurp("adat.dat")), 17);
}

TEST_F(ImageFiles, ABadFileChangesNothingAndABadNameStopsAtItsField)
{
    FakeWindow w;
    w.type({"0.7", "3", "1", "45", "1"});
    w.go();
    const PhaseWindow before = w.state.window;
    {
        std::ofstream("fk_B_0.5_rr_2_i_1_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp") << "not a picture";
    }
    EXPECT_THROW(loadPortrait(w.state, w.phase, (dir_ / "fk_B_0.5_rr_2_i_1_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp").string(), w.view),
                 FileError);
    EXPECT_EQ(w.state.runCounter, 1);
    EXPECT_EQ(w.state.window.kx, before.kx);

    std::string error;
    ASSERT_TRUE(w.phase.saveBitmap("vazlatB_0.5_rr_2_i_1.25.bmp", error));
    EXPECT_THROW(loadPortrait(w.state, w.phase, (dir_ / "vazlatB_0.5_rr_2_i_1.25.bmp").string(), w.view),
                 ConversionError);
    EXPECT_EQ(w.state.runCounter, 2);
    EXPECT_EQ(w.state.bTyped, 0.5);
    EXPECT_EQ(w.state.geometry.rr, 2.0);
    EXPECT_EQ(w.state.geometry.b, 0.7); // not rebuilt
}

TEST_F(ImageFiles, EmptyAndTruncatedPicturesChangeNothing)
{
    FakeWindow w;
    w.type({"0.7", "3", "1", "45", "1"});
    w.go();
    std::string error;
    ASSERT_TRUE(w.phase.saveBitmap("whole.bmp", error));
    const std::string bytes = slurp("whole.bmp");
    const std::string tail = "_rr_2.00000_i_1_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp";
    { std::ofstream("fk_B_0.50000" + tail, std::ios::binary); }
    { std::ofstream("fk_B_0.60000" + tail, std::ios::binary) << bytes.substr(0, 40); }
    { std::ofstream("fk_B_0.80000" + tail, std::ios::binary) << bytes.substr(0, bytes.size() / 2); }
    for (const char* b : {"0.50000", "0.60000", "0.80000"}) {
        EXPECT_THROW(loadPortrait(w.state, w.phase, (dir_ / ("fk_B_" + std::string(b) + tail)).string(), w.view),
                     FileError) << b;
        EXPECT_EQ(w.state.runCounter, 1);
        EXPECT_EQ(w.state.bTyped, 0.7);
    }
}

TEST_F(ImageFiles, SaveIntoAMissingDirectoryIsAFileErrorThatKeepsTheImage)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    std::filesystem::create_directory("fk_B_0.50000_rr_2.00000_i_0_kx_8.01738_kn_0.00000_px_3.14159_pn_0.00000.bmp");
    w.state.billiard.flight = 0.0;
    refreshStamp(w.state);
    EXPECT_THROW(savePortrait(w.state, w.phase), FileError);
}

} // namespace
