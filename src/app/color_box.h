#pragma once

#include "platform/canvas.h"

#include <QColor>
#include <QComboBox>

#include <functional>
#include <optional>

// A colour picker narrow enough that only the swatch of the chosen colour
// shows; the drop-down list names the colours. The last entry asks for any
// colour and adds it to the list.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    // Asks for a custom colour, starting from the given one; nullopt on cancel.
    using ColorPicker = std::function<std::optional<QColor>(const QColor& initial)>;

    explicit ColorBox(QWidget* parent = nullptr);

    Rgb selectedColor() const;
    // Chooses the colour, adding it to the list when it is not offered yet.
    void setSelectedColor(Rgb color);

    // Replaceable so that tests never block on the modal colour dialog.
    ColorPicker colorPicker;

    int customIndex() const { return count() - 1; }

private:
    void addColor(const QColor& color, const QString& name);
    void onActivated(int index);

    int lastColorIndex_ = 0;
};
