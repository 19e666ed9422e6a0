#include "app/color_box.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The standard sixteen colours, then the extended ones.
constexpr NamedColor kColors[] = {
    {"Black", qRgb(0, 0, 0)},          {"Maroon", qRgb(128, 0, 0)},
    {"Green", qRgb(0, 128, 0)},        {"Olive", qRgb(128, 128, 0)},
    {"Navy", qRgb(0, 0, 128)},         {"Purple", qRgb(128, 0, 128)},
    {"Teal", qRgb(0, 128, 128)},       {"Gray", qRgb(128, 128, 128)},
    {"Silver", qRgb(192, 192, 192)},   {"Red", qRgb(255, 0, 0)},
    {"Lime", qRgb(0, 255, 0)},         {"Yellow", qRgb(255, 255, 0)},
    {"Blue", qRgb(0, 0, 255)},         {"Fuchsia", qRgb(255, 0, 255)},
    {"Aqua", qRgb(0, 255, 255)},       {"White", qRgb(255, 255, 255)},
    {"Money Green", qRgb(192, 220, 192)}, {"Sky Blue", qRgb(166, 202, 240)},
    {"Cream", qRgb(255, 251, 240)},    {"Medium Gray", qRgb(160, 160, 164)},
};

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

ColorBox::ColorBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
    setIconSize(QSize(16, 12));
    // The box itself is too narrow for the names; the list is not.
    view()->setMinimumWidth(150);
    for (const NamedColor& c : kColors)
        addColor(QColor(c.rgb), QString::fromLatin1(c.name));
    addItem(QStringLiteral("Custom..."));
    setCurrentIndex(0);

    colorPicker = [this](const QColor& initial) -> std::optional<QColor> {
        QColor picked = QColorDialog::getColor(initial, this);
        if (!picked.isValid())
            return std::nullopt;
        return picked;
    };
    connect(this, &QComboBox::activated, this, &ColorBox::onActivated);
}

void ColorBox::addColor(const QColor& color, const QString& name)
{
    // Custom colours go before the "Custom..." entry, which stays last.
    int at = count() > 0 && itemData(count() - 1).isNull() ? count() - 1 : count();
    insertItem(at, swatch(color), name, color);
}

Rgb ColorBox::selectedColor() const
{
    QColor c = itemData(currentIndex()).value<QColor>();
    if (!c.isValid())
        c = itemData(lastColorIndex_).value<QColor>();
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

void ColorBox::setSelectedColor(Rgb color)
{
    QColor wanted(color.r, color.g, color.b);
    int index = findData(wanted);
    if (index < 0) {
        addColor(wanted, wanted.name(QColor::HexRgb));
        index = findData(wanted);
    }
    setCurrentIndex(index);
    lastColorIndex_ = index;
}

void ColorBox::onActivated(int index)
{
    if (index != customIndex()) {
        lastColorIndex_ = index;
        return;
    }
    QColor initial = itemData(lastColorIndex_).value<QColor>();
    std::optional<QColor> picked = colorPicker ? colorPicker(initial) : std::nullopt;
    if (!picked) {
        setCurrentIndex(lastColorIndex_);
        return;
    }
    QColor c = picked->toRgb();
    setSelectedColor(Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                         static_cast<std::uint8_t>(c.blue())});
}
