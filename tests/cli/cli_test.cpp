// The headless tool as a user runs it: its output, its files, its errors.
#include <gtest/gtest.h>

#include "read_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Result {
    int code = -1;
    std::string out, err;
};

class Cli : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / "vellacor-cli-test" / info->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }

    Result run(const std::string& args)
    {
        const std::string command = "cd '" + dir_.string() + "' && '" VELLACOR_CLI "' " + args + " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        Result r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = slurp(dir_ / "out.txt");
        r.err = slurp(dir_ / "err.txt");
        return r;
    }

    std::vector<std::string> files(const fs::path& d)
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(d))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_F(Cli, GeometryPrintsEveryFieldInOrder)
{
    const Result r = run("geometry --b 0.5 --rr 2");
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::string> names;
    for (std::string name, value; lines >> name >> value;)
        names.push_back(name);
    const std::vector<std::string> expected = {
        "b", "rr", "alpha", "delta", "sideHalfAngle", "bottomHalfAngle", "legTilt", "corner1.x", "corner1.y",
        "corner2.x", "corner2.y", "corner3.x", "corner3.y", "corner4.x", "corner4.y", "x1", "y1", "r", "x2", "y2",
        "R8", "x3", "y3", "R", "x4", "y4", "sEnd1", "sEnd2", "sEnd3", "sEnd4"};
    EXPECT_EQ(names, expected);
    EXPECT_NE(r.out.find("sEnd4 8.0173753548467"), std::string::npos);
}

TEST_F(Cli, TraceIsTheDataFileAndLastOnlyItsLastRow)
{
    const Result all = run("trace --b 0.5 --rr 2 --distance 1 --angle 45 --bounces 50");
    ASSERT_EQ(all.code, 0);
    EXPECT_EQ(all.out.rfind("b=5.000000e-01, c=6.885304e-01\n", 0), 0u);
    const std::size_t lastRow = all.out.rfind('\n', all.out.size() - 2) + 1;
    const Result last = run("trace --b 0.5 --rr 2 --distance 1 --angle 45 --bounces 50 --last-only");
    EXPECT_EQ(last.out, all.out.substr(lastRow));
    // The same text that a desktop launch and a run with "data file" write.
    ASSERT_EQ(run("portrait --b 0.5 --rr 2 --distance 1 --angle 45 --repeat 0 --data-file").code, 0);
    const std::string header = slurp(dir_ / "adat.dat");
    EXPECT_EQ(all.out.substr(0, header.size()), header);
}

TEST_F(Cli, BadOptionsNameTheOptionAndWriteNothing)
{
    const struct { const char* args; const char* message; } cases[] = {
        {"trace --b x --rr 2 --distance 1 --angle 45 --bounces 1", "option --b: 'x' is not a valid number"},
        {"trace --b 0.5 --distance 1 --angle 45 --bounces 1", "missing option --rr"},
        {"trace --b 0.5 --rr 2 --distance 1 --angle 45 --bounces 1.5", "option --bounces: '1.5'"},
        {"geometry --b 0.5 --rr 1e400", "option --rr: '1e400'"},
        {"portrait --b 0.5 --rr 2 --distance 1 --angle 45 --repeat 1 --color red", "option --color"},
        {"portrait --b 0.5 --rr 2 --distance 1 --angle 45 --repeat 1 --size huge", "option --size"},
        {"portrait --b 0.5 --rr 2 --distance 1 --angle 45 --repeat 1 --window 1,2,3", "option --window"},
        {"series --distance 1 --angle 45 --repeat 0 --shard 2/2", "option --shard"},
        {"series --distance 1 --angle 45 --repeat 0 --jobs 0", "option --jobs"},
        {"nonsense", "unknown command"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.code, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << " -> " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_FALSE(fs::exists(dir_ / "adat.dat"));
    const Result help = run("--help");
    EXPECT_EQ(help.code, 0);
    for (const char* word : {"geometry", "trace", "portrait", "series", "--last-only", "--shard"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

TEST_F(Cli, PortraitPrintsItsNameAndZoomSavesASecond)
{
    const Result r = run("portrait --b 0.5 --rr 2 --distance 1 --angle 45 --repeat 2 --zoom 100,200,300,400 --cursor 2,60 --out-dir pics");
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first.rfind("fk_B_0.50000_rr_2.00000_i_", 0), 0u);
    EXPECT_NE(first.find("_kx_8.01738_kn_0.00000_px_3.14159_pn_0.00000.bmp"), std::string::npos);
    EXPECT_NE(second.find("_kn_0.96868_"), std::string::npos) << second;
    EXPECT_TRUE(fs::exists(dir_ / "pics" / first));
    EXPECT_TRUE(fs::exists(dir_ / "pics" / second));
    EXPECT_TRUE(fs::exists(dir_ / "pics" / "adat.dat"));
}

// Threads and shards change who draws a portrait, never its bytes.
TEST_F(Cli, SeriesFilesDoNotDependOnJobsOrShards)
{
    ASSERT_EQ(run("series --distance 1 --angle 45 --repeat 0 --shard 0/110 --jobs 1 --out-dir one").code, 0);
    ASSERT_EQ(run("series --distance 1 --angle 45 --repeat 0 --shard 0/110 --jobs 2 --out-dir two").code, 0);
    ASSERT_EQ(run("series --distance 1 --angle 45 --repeat 0 --shard 0/220 --out-dir half").code, 0);
    const auto one = files(dir_ / "one");
    ASSERT_EQ(one.size(), 4u);
    EXPECT_EQ(one, files(dir_ / "two"));
    for (const std::string& name : one)
        EXPECT_EQ(slurp(dir_ / "one" / name), slurp(dir_ / "two" / name)) << name;
    for (const std::string& name : files(dir_ / "half"))
        EXPECT_EQ(slurp(dir_ / "half" / name), slurp(dir_ / "one" / name)) << name;
    EXPECT_EQ(one.front().rfind("fk_B_0.50000_rr_10.00000_i_", 0), 0u);
}

} // namespace
