#include "cli/analyse.h"
#include "lyapunov_fixture.h"

#include <QCommandLineParser>

namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun run(int (*command)(const Options&), const QList<QCommandLineOption>& options, QStringList args)
{
    QCommandLineParser parser;
    parser.addOptions(options);
    args.prepend("vellacor-cli");
    EXPECT_TRUE(parser.parse(args)) << parser.errorText().toStdString();
    QStringList known;
    for (const auto& o : options)
        known << o.names();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int code = command(Options(parser, known));
    std::string out = testing::internal::GetCapturedStdout();
    return {code, out, testing::internal::GetCapturedStderr()};
}

using AnalyseCommand = InTempDir;

TEST_F(AnalyseCommand, PrintsTheLabelsInOrderAndWritesTheFiles)
{
    TableGeometry g;
    PhaseWindow w;
    buildGeometry(g, w, 0.5, 2.0);
    const QString middle = QString::number(g.sEnd1 / 2, 'g', 17);
    const CliRun r = run(runAnalyse, analyseOptions(),
                         {"--b", "0.5", "--rr", "2", "--distance", middle, "--angle", "90", "--out-dir", "out"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string head = "period?: 2 ; 2 , 2 , 2\n21.83333  hiperbolic\nm11=26.5  ;  m22=-4.66667\nlg(tr)max: ";
    EXPECT_EQ(r.out.rfind(head, 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\ny=ax+b\na= "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nblockindependent gradient:\n"), std::string::npos) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3 + 1 + 4 + 1);
    // The command works in its output directory.
    EXPECT_TRUE(QDir::currentPath().endsWith("/out"));
    EXPECT_TRUE(exists("adat2.dat"));
    EXPECT_TRUE(exists("ljap.bmp"));
}

TEST_F(AnalyseCommand, SeriesErrorAfterTheAnswerIsReported)
{
    const CliRun r = run(runAnalyse, analyseOptions(),
                         {"--b", "0.5", "--rr", "2", "--distance", "1", "--angle", "60", "--period", "1000",
                          "--blocks", "0"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "\n") << "Label11 keeps its empty start text";
    EXPECT_NE(r.err.find("at least 1"), std::string::npos) << r.err;
    EXPECT_EQ(readFile("adat2.dat"), "");
}

TEST_F(AnalyseCommand, CornerPrintsItsAnswer)
{
    const CliRun near = run(runCorner, cornerOptions(), {"--b", "0.5", "--rr", "2", "--distance", "1", "--angle", "60"});
    EXPECT_EQ(near.code, 0);
    EXPECT_EQ(near.out.rfind("closest corner is in: ", 0), 0u) << near.out;
    EXPECT_EQ(near.out.substr(near.out.size() - 6), "steps\n");
    const CliRun never = run(runCorner, cornerOptions(),
                             {"--b", "0.5", "--rr", "2", "--distance", "1", "--angle", "60", "--sensitivity", "5"});
    EXPECT_EQ(never.out, "won't approach any corners in a while\n");
}

} // namespace
