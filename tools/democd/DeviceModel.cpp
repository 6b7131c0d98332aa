#include "tools/democd/DeviceModel.h"

#include <array>

namespace velox::democd {
namespace {

using veloxcd::LayoutVariant;

constexpr std::array<DeviceModel, 4> models = {{
    {"Wren", "Wren.gif", LayoutVariant::Wren, "katWrenger", "wren PLUS", qRgb(70, 74, 82),
     qRgb(52, 55, 62), qRgb(104, 110, 122), qRgb(246, 246, 240), qRgb(236, 120, 40), 34, false,
     false},
    {"Falcon", "Falcon.gif", LayoutVariant::Other, "katFalconger", "Falcon", qRgb(182, 187, 194),
     qRgb(150, 156, 165), qRgb(92, 100, 114), qRgb(250, 250, 250), qRgb(34, 96, 178), 40, false,
     false},
    {"Merlin", "Merlin.gif", LayoutVariant::Other, "katMerlinger", "Merlin PRO", qRgb(44, 58, 88),
     qRgb(32, 42, 66), qRgb(92, 110, 146), qRgb(250, 250, 250), qRgb(200, 206, 216), 22, true,
     false},
    {"Osprey", "Osprey.gif", LayoutVariant::Other, "katMerlinger", "Osprey", qRgb(164, 140, 104),
     qRgb(128, 108, 80), qRgb(72, 60, 46), qRgb(246, 232, 206), qRgb(60, 46, 30), 26, false, true},
}};

} // namespace

std::span<const DeviceModel> deviceModels() {
    return models;
}

} // namespace velox::democd
