#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Widgets need one application object for the whole test program.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("app_tests"), nullptr};
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
