#pragma once

#include "platform/canvas.h"

#include <QWidget>

// An image control: owns a Canvas, paints it (the window background until the
// canvas is first drawn on), and turns raw mouse events into the few events
// the handlers want. A double click delivers, in this order: mouseDown, click,
// mouseUp for the first press, then dblClick. click and dblClick come from the
// left button only. Positions are the image's own pixels, (0, 0) top left.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(int width, int height, QWidget* parent = nullptr);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

    // Schedules a repaint from the canvas.
    void refresh();
    // Repaints at once; for handlers that keep the event loop waiting.
    void repaintNow();

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    void mouseMove(int x, int y);
    void click();
    void dblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Canvas canvas_;
    bool inDoubleClick_ = false;
};
