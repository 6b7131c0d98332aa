#pragma once

#include <optional>
#include <span>

namespace veloxcd {

// A control's rectangle in twips, in the order the layout assigns it.
struct TwipsRect {
    float left;
    float top;
    float height;
    float width;
};

// One entry of the main window's layout: the control (an element of a control
// array when index >= 0), the frame it sits in (empty for the window itself) and
// its rectangle in the two layout variants. A variant without a rectangle leaves
// the control where it is.
struct LayoutEntry {
    const char* control;
    int index;
    const char* container;
    std::optional<TwipsRect> wren;
    std::optional<TwipsRect> other;
};

enum class LayoutVariant { Wren, Other };

// The Wren has a layout of its own; every other code for the larger models.
LayoutVariant layoutVariantFor(int code);

// The entries in the order in which they are applied.
std::span<const LayoutEntry> layoutTable();

// The rectangle of a control in a variant, if the table places it there.
std::optional<TwipsRect> layoutRect(LayoutVariant variant, const char* control, int index = -1);

} // namespace veloxcd
