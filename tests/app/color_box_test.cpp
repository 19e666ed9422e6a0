#include "app/color_box.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ColorBox, OffersNamedColoursAndStartsBlack)
{
    ColorBox box;
    EXPECT_FALSE(box.isEditable());
    EXPECT_EQ(box.selectedColor(), kBlack);
    struct Row {
        const char* name;
        Rgb rgb;
    };
    for (const Row& row : {Row{"Black", {0, 0, 0}}, Row{"Maroon", {128, 0, 0}},
                           Row{"Lime", {0, 255, 0}}, Row{"Fuchsia", {255, 0, 255}},
                           Row{"White", {255, 255, 255}}, Row{"Sky Blue", {166, 202, 240}}}) {
        SCOPED_TRACE(row.name);
        int index = box.findText(row.name);
        ASSERT_GE(index, 0);
        box.setCurrentIndex(index);
        EXPECT_EQ(box.selectedColor(), row.rgb);
    }
    EXPECT_EQ(box.itemText(box.customIndex()), "Custom...");
}

TEST(ColorBox, CustomEntryAddsThePickedColourOrKeepsTheOldOne)
{
    ColorBox box;
    box.setSelectedColor(kRed);
    std::optional<QColor> answer = QColor(12, 34, 56);
    std::vector<QColor> offered;
    box.colorPicker = [&](const QColor& initial) {
        offered.push_back(initial);
        return answer;
    };

    int before = box.count();
    box.setCurrentIndex(box.customIndex());
    emit box.activated(box.customIndex());
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], QColor(255, 0, 0)) << "the dialog starts from the current colour";
    EXPECT_EQ(box.selectedColor(), (Rgb{12, 34, 56}));
    EXPECT_EQ(box.count(), before + 1);
    EXPECT_EQ(box.itemText(box.customIndex()), "Custom...") << "the custom entry stays last";

    answer.reset();
    box.setCurrentIndex(box.customIndex());
    emit box.activated(box.customIndex());
    EXPECT_EQ(box.selectedColor(), (Rgb{12, 34, 56})) << "a cancel keeps the colour";
    EXPECT_NE(box.currentIndex(), box.customIndex());
}

TEST(ColorBox, SettingAnUnlistedColourAddsIt)
{
    ColorBox box;
    box.setSelectedColor(Rgb{1, 2, 3});
    EXPECT_EQ(box.selectedColor(), (Rgb{1, 2, 3}));
    box.setSelectedColor(kBlue);
    EXPECT_EQ(box.itemText(box.currentIndex()), "Blue");
}

} // namespace
