#pragma once

namespace tastrel::host {

// The screen object: its size in twips and the twips in one pixel per axis.
class Screen {
public:
    virtual ~Screen() = default;
    virtual double width_twips() const = 0;
    virtual double height_twips() const = 0;
    virtual double twips_per_pixel_x() const = 0;
    virtual double twips_per_pixel_y() const = 0;
};

}  // namespace tastrel::host
