#include "platform/image_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <string>
#include <vector>

namespace {

// The widgets need an application object; the test runner's main does not make one.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

const char* buttonName(Qt::MouseButton b)
{
    return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "other";
}

class ImageControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        control = std::make_unique<ImageControl>(80, 60);
        QObject::connect(control.get(), &ImageControl::mouseDown, [this](Qt::MouseButton b, int x, int y) {
            log.push_back(std::string("down ") + buttonName(b) + " " + std::to_string(x) + "," + std::to_string(y));
        });
        QObject::connect(control.get(), &ImageControl::mouseUp, [this](Qt::MouseButton b, int x, int y) {
            log.push_back(std::string("up ") + buttonName(b) + " " + std::to_string(x) + "," + std::to_string(y));
        });
        QObject::connect(control.get(), &ImageControl::mouseMove, [this](int x, int y) {
            log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        });
        QObject::connect(control.get(), &ImageControl::click, [this] { log.push_back("click"); });
        QObject::connect(control.get(), &ImageControl::dblClick, [this] { log.push_back("dblclick"); });
    }

    std::unique_ptr<ImageControl> control;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(ImageControlTest, IsFixedSizeWithCrossHairAndTracksTheMouse)
{
    EXPECT_EQ(control->size(), QSize(80, 60));
    EXPECT_EQ(control->minimumSize(), control->maximumSize());
    EXPECT_EQ(control->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(control->hasMouseTracking());
    EXPECT_EQ(control->canvas().width(), 80);
    EXPECT_EQ(control->canvas().height(), 60);
}

TEST_F(ImageControlTest, LeftClickGivesDownClickUp)
{
    QTest::mousePress(control.get(), Qt::LeftButton, {}, QPoint(5, 7));
    QTest::mouseRelease(control.get(), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(log, (Log{"down left 5,7", "click", "up left 6,8"}));
}

TEST_F(ImageControlTest, RightButtonNeverClicks)
{
    QTest::mousePress(control.get(), Qt::RightButton, {}, QPoint(10, 20));
    QTest::mouseRelease(control.get(), Qt::RightButton, {}, QPoint(30, 40));
    QTest::mouseDClick(control.get(), Qt::RightButton, {}, QPoint(30, 40));
    QTest::mouseRelease(control.get(), Qt::RightButton, {}, QPoint(30, 40));
    EXPECT_EQ(log, (Log{"down right 10,20", "up right 30,40", "down right 30,40", "up right 30,40"}));
}

TEST_F(ImageControlTest, DoubleClickDeliversSingleClickThenDoubleClickOnce)
{
    // Qt hands a widget the second press of a double click as the double-click event.
    QTest::mousePress(control.get(), Qt::LeftButton, {}, QPoint(12, 34));
    QTest::mouseRelease(control.get(), Qt::LeftButton, {}, QPoint(12, 34));
    QTest::mouseDClick(control.get(), Qt::LeftButton, {}, QPoint(12, 34));
    QTest::mouseRelease(control.get(), Qt::LeftButton, {}, QPoint(12, 34));
    // A later ordinary click clicks again.
    QTest::mousePress(control.get(), Qt::LeftButton, {}, QPoint(1, 2));
    QTest::mouseRelease(control.get(), Qt::LeftButton, {}, QPoint(1, 2));
    EXPECT_EQ(log, (Log{"down left 12,34", "click", "up left 12,34", "dblclick", "up left 12,34",
                        "down left 1,2", "click", "up left 1,2"}));
}

TEST_F(ImageControlTest, MovesArriveWithoutAButton)
{
    // Sent directly: the test platform only moves a pointer over shown windows.
    // Fractional positions land on the pixel that contains them.
    for (QPointF p : {QPointF(17.7, 9.2), QPointF(0, 59.99)}) {
        QMouseEvent move(QEvent::MouseMove, p, control->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control.get(), &move);
    }
    EXPECT_EQ(log, (Log{"move 17,9", "move 0,59"}));
}

TEST_F(ImageControlTest, PaintsTheCanvasOnceDrawn)
{
    control->canvas().setBrushColor(kRed);
    control->canvas().fillRect(0, 0, 40, 60);
    control->repaintNow();
    const QImage shown = control->grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(70, 10), QColor(255, 255, 255));
}
