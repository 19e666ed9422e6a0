#include "cli/series.h"

#include "cli/portrait.h"
#include "phase/image_files.h"
#include "phase/panel.h"
#include "phase/series.h"
#include "platform/conversion.h"

#include <QDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

struct Shard {
    int index = 0, count = 1;
};

Shard shardOption(const Options& options)
{
    if (!options.isSet("shard"))
        return {};
    const QString text = options.text("shard");
    const QStringList parts = text.split('/');
    bool ok1 = false, ok2 = false;
    Shard s;
    if (parts.size() == 2) {
        s.index = parts[0].toInt(&ok1);
        s.count = parts[1].toInt(&ok2);
    }
    if (!ok1 || !ok2 || s.count < 1 || s.index < 0 || s.index >= s.count)
        throw UsageError("option --shard: '" + text.toStdString() + "' is not I/K with 0 <= I < K");
    return s;
}

// Prints the saved names in queue order however the threads finish, and a
// progress bar on a terminal.
class Reporter {
public:
    explicit Reporter(std::size_t total) : names_(total), done_(total, false), total_(total) {}

    void finished(std::size_t slot, std::string name)
    {
        std::lock_guard lock(mutex_);
        names_[slot] = std::move(name);
        done_[slot] = true;
        ++count_;
        while (next_ < total_ && done_[next_])
            std::printf("%s\n", names_[next_++].c_str());
        std::fflush(stdout);
        if (isatty(STDERR_FILENO)) {
            const int width = 40, filled = static_cast<int>(width * count_ / total_);
            std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(filled, '#').c_str(),
                         std::string(width - filled, ' ').c_str(), count_, total_);
            if (count_ == total_)
                std::fprintf(stderr, "\n");
        }
    }

private:
    std::mutex mutex_;
    std::vector<std::string> names_;
    std::vector<bool> done_;
    std::size_t total_, next_ = 0, count_ = 0;
};

} // namespace

QList<QCommandLineOption> seriesOptions()
{
    QList<QCommandLineOption> options;
    for (const QCommandLineOption& o : portraitOptions())
        if (QStringList{"distance", "angle", "repeat", "size", "color", "no-grid"}.contains(o.names().first()))
            options << o;
    options << valueOption("out-dir", "directory for the portraits (default: grafikon)", "DIR")
            << valueOption("jobs", "portraits made at once (default: the number of cores)", "J")
            << valueOption("shard", "write only the runs whose index modulo K is I", "I/K");
    return options;
}

int runSeriesCommand(const Options& options)
{
    PanelTexts boxes;
    boxes.distance = options.boxText("distance");
    boxes.angle = options.boxText("angle");
    boxes.repeat = std::to_string(options.integer("repeat"));
    RunControls controls = portraitControls(options);
    const Shard shard = shardOption(options);
    int jobs = options.isSet("jobs") ? options.integer("jobs") : static_cast<int>(std::thread::hardware_concurrency());
    if (options.isSet("jobs") && jobs < 1)
        throw UsageError("option --jobs: '" + options.text("jobs").toStdString() + "' is not a positive count");
    jobs = std::max(jobs, 1);
    const QString outDir = options.isSet("out-dir") ? options.text("out-dir") : QString(kSeriesDirectory);
    if (!QDir().mkpath(outDir))
        throw UsageError("option --out-dir: cannot create directory '" + outDir.toStdString() + "'");
    const std::string dir = QDir(outDir).absolutePath().toStdString();

    // What the queue carries from one table to the next is worked out first:
    // the box texts are the step's own, and kx is the smallest perimeter so far.
    const std::vector<SeriesStep> steps = seriesSteps('.');
    std::vector<double> kxBefore(steps.size());
    {
        ProgramState walk;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            kxBefore[i] = walk.window.kx;
            buildFromTexts(walk, steps[i].bText, steps[i].rrText);
        }
    }
    std::vector<std::size_t> mine;
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (static_cast<int>(i % shard.count) == shard.index)
            mine.push_back(i);

    Reporter reporter(mine.size());
    std::atomic<std::size_t> next{0};
    std::mutex errorMutex;
    std::string firstError;
    bool problem = false;
    auto worker = [&] {
        std::FILE* nowhere = std::fopen("/dev/null", "w");
        Canvas phase(kPhaseImageWidth, kPhaseImageHeight);
        for (std::size_t slot; (slot = next++) < mine.size();) {
            const SeriesStep& step = steps[mine[slot]];
            ProgramState state;
            state.window.kx = kxBefore[step.index];
            state.dataFile.redirect = nowhere;
            MainView view;
            view.setEdit1Text = [&state, &view](const std::string& t) { edit1Change(state, t, view); };
            view.setEdit2Text = [&state](const std::string&) { edit2Change(state); };
            try {
                // From start-up the user types the distance and the angle; the
                // queue fills the b and ratio boxes itself.
                edit3Change(state, boxes.distance, view);
                edit4Change(state, view);
                runSeriesStep(state, phase, step, boxes, controls, view);
                const std::string name = portraitName(state);
                std::string error;
                if (!phase.saveBitmap(dir + "/" + name, error))
                    throw FileError(error);
                reporter.finished(slot, name);
            } catch (const std::exception& e) {
                std::lock_guard lock(errorMutex);
                if (firstError.empty())
                    firstError = e.what();
                problem = problem || dynamic_cast<const BounceProblem*>(&e) != nullptr;
                next = mine.size();
            }
        }
        std::fclose(nowhere);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < std::min<int>(jobs, static_cast<int>(mine.size())); ++t)
        threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads)
        t.join();
    if (problem) {
        std::printf("%s", kProblemText);
        return 1;
    }
    if (!firstError.empty()) {
        std::fprintf(stderr, "vellacor-cli: %s\n", firstError.c_str());
        return 1;
    }
    return 0;
}
