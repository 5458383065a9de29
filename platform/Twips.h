#pragma once

#include <QRect>

// Designed sizes are in twips; 15 twips are one pixel.
namespace Twips {
constexpr int toPixels(int twips) { return (twips + 7) / 15; }
inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
} // namespace Twips
