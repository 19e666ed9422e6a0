#include "platform/image_control.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

QPoint pixelOf(const QMouseEvent* event)
{
    const QPointF p = event->position();
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

} // namespace

ImageControl::ImageControl(int width, int height, QWidget* parent)
    : QWidget(parent), canvas_(width, height)
{
    setFixedSize(width, height);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
}

void ImageControl::refresh()
{
    update();
}

void ImageControl::repaintNow()
{
    repaint();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    // An undrawn canvas leaves the window background showing.
    if (!canvas_.isDrawn()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.image());
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = pixelOf(event);
    inDoubleClick_ = false;
    emit mouseDown(event->button(), p.x(), p.y());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = pixelOf(event);
    const Qt::MouseButton button = event->button();
    // The release that ends a double click closes it without a second click.
    const bool endsDoubleClick = inDoubleClick_ && button == Qt::LeftButton;
    if (endsDoubleClick) inDoubleClick_ = false;
    else if (button == Qt::LeftButton) emit click();
    emit mouseUp(button, p.x(), p.y());
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        // Only the left button double-clicks; any other second press is a press.
        mousePressEvent(event);
        return;
    }
    inDoubleClick_ = true;
    emit dblClick();
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = pixelOf(event);
    emit mouseMove(p.x(), p.y());
}
