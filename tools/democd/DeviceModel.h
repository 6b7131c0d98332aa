#pragma once

#include "catalogue/mainwindow/LayoutTable.h"

#include <QRgb>
#include <span>

namespace velox::democd {

// The look of one handheld model on its photo.
struct DeviceModel {
    const char* name;      // "Falcon"
    const char* photoFile; // "Falcon.gif", as the catalogue loads it from \Pictures\.
    veloxcd::LayoutVariant variant;
    const char* captionStrip; // the German caption strip that lies over this photo
    const char* plate;        // the name plate's text
    QRgb body;                // the plain body colour
    QRgb bodyShade;           // the keyboard deck and the body's edges
    QRgb keyCap;              // the icon bar's keys
    QRgb keyInk;              // the pictograms printed on those keys
    QRgb accent;              // name plate and trim
    int cornerRadius;         // rounder or more angular bodies
    bool chamfered;           // corners cut straight instead of rounded
    bool sideRails;           // rails in the trim colour along the body's sides
};

// The four photos: Wren, Falcon, Merlin, Osprey.
std::span<const DeviceModel> deviceModels();

} // namespace velox::democd
