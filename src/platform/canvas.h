#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// A colour as the program's texts give it: (red, green, blue).
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// The drawing surface of an image control. Pen colour, brush colour and pen
// position persist between handlers; a drawing that sets none inherits them.
// Until first drawn on, the surface is "empty" (the control shows the window
// background); the first drawing gives it a white bitmap of its size.
// Lines leave out their end pixel; fill and ellipse rectangles exclude their
// right column and bottom row. Nothing here is virtual: marks are drawn a
// million times per run.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isDrawn() const { return drawn_; }
    // Makes sure a white bitmap of the surface's size exists.
    void ensureDrawable();

    void setPenColor(Rgb c) { pen_ = c; }
    void setBrushColor(Rgb c) { brush_ = c; }
    Rgb penColor() const { return pen_; }
    Rgb brushColor() const { return brush_; }
    int penX() const { return penX_; }
    int penY() const { return penY_; }

    void moveTo(int x, int y);
    // From the pen position to (x, y), end pixel left out; the pen moves there.
    void lineTo(int x, int y);
    // Brush fill of the rectangle with corners (x1, y1), (x2, y2), in any order,
    // right column and bottom row excluded.
    void fillRect(int x1, int y1, int x2, int y2);
    // Ellipse inscribed in the rectangle (corners in any order, right column and
    // bottom row excluded): filled with the brush, outlined with the pen.
    void ellipse(int x1, int y1, int x2, int y2);
    // Counterclockwise (on the screen) arc of the ellipse in the bounding
    // rectangle, from the ray towards (xStart, yStart) to the ray towards
    // (xEnd, yEnd), drawn with the pen.
    void arc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd);

    Rgb pixel(int x, int y) const;
    const QImage& image() const { return image_; }

    // Writes the surface as a 24-bit bitmap file. Returns false with a message
    // naming the file when it cannot be written.
    bool saveBitmap(const std::string& path, std::string& error) const;
    // Replaces the surface's picture by a picture file (bitmap, PNG, JPEG),
    // scaled to nothing: the picture keeps its size, drawn from the top left.
    // Returns false, changing nothing, when the file is not a readable picture.
    bool loadPicture(const std::string& path, std::string& error);

private:
    friend class MarkStamp;
    int width_, height_;
    bool drawn_ = false;
    QImage image_;
    Rgb pen_ = kBlack;
    Rgb brush_ = kWhite;
    int penX_ = 0, penY_ = 0;
};

// The pixels that ellipse(X, Y, X + m, Y - m) covers with the current pen and
// brush, computed once per run so that a mark costs a few pixel writes.
// stamp(canvas, X, Y) leaves exactly the pixels that the ellipse call leaves.
class MarkStamp {
public:
    MarkStamp(const Canvas& canvas, int markSize);
    void stamp(Canvas& canvas, int x, int y) const;

private:
    struct Px { int dx, dy; std::uint32_t argb; };
    std::vector<Px> pixels_;
    int markSize_;
};
