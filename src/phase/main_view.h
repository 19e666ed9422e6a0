#pragma once

#include <functional>
#include <string>

enum class MouseButton { Left, Right, Middle };

// What the operations write into the main window besides the images: labels,
// captions, hints, box texts and the progress bar. The desktop program binds
// them to widgets; the headless tool binds what it needs. Unset members are
// skipped. Never called per bounce.
struct MainView {
    std::function<void(const std::string&)> label1, label8, label9, label11;
    std::function<void(const std::string&)> button1Caption;
    std::function<void(const std::string&)> edit2Hint, edit3Hint;
    // Writing a box's text runs its change handler when the text differs.
    std::function<void(const std::string&)> setEdit1Text, setEdit2Text;
    std::function<void(int)> progress;
    // Which run of the queue is at work (index from 0, count).
    std::function<void(int, int)> seriesRun;

    template <class F, class... A>
    static void call(const F& f, A&&... args)
    {
        if (f)
            f(std::forward<A>(args)...);
    }
};
