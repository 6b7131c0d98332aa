#include "tools/democd/PaletteQuantiser.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace velox::democd {
namespace {

constexpr int maxColours = 256;

struct Swatch {
    QRgb colour;
    qint64 count;
};

int channel(QRgb colour, int axis) {
    switch (axis) {
    case 0:
        return qRed(colour);
    case 1:
        return qGreen(colour);
    default:
        return qBlue(colour);
    }
}

// A box of median cut: a range of the swatch list.
struct Box {
    std::size_t begin;
    std::size_t end;

    [[nodiscard]] std::pair<int, int> widestAxis(const std::vector<Swatch>& swatches) const {
        std::array<int, 3> low{255, 255, 255};
        std::array<int, 3> high{0, 0, 0};
        for (std::size_t i = begin; i < end; ++i) {
            for (int axis = 0; axis < 3; ++axis) {
                const int value = channel(swatches[i].colour, axis);
                low[static_cast<std::size_t>(axis)] =
                    std::min(low[static_cast<std::size_t>(axis)], value);
                high[static_cast<std::size_t>(axis)] =
                    std::max(high[static_cast<std::size_t>(axis)], value);
            }
        }
        int best = 0;
        for (int axis = 1; axis < 3; ++axis) {
            if (high[static_cast<std::size_t>(axis)] - low[static_cast<std::size_t>(axis)] >
                high[static_cast<std::size_t>(best)] - low[static_cast<std::size_t>(best)]) {
                best = axis;
            }
        }
        return {best, high[static_cast<std::size_t>(best)] - low[static_cast<std::size_t>(best)]};
    }

    [[nodiscard]] QRgb average(const std::vector<Swatch>& swatches) const {
        qint64 r = 0;
        qint64 g = 0;
        qint64 b = 0;
        qint64 n = 0;
        for (std::size_t i = begin; i < end; ++i) {
            r += qRed(swatches[i].colour) * swatches[i].count;
            g += qGreen(swatches[i].colour) * swatches[i].count;
            b += qBlue(swatches[i].colour) * swatches[i].count;
            n += swatches[i].count;
        }
        if (n == 0) {
            return qRgb(0, 0, 0);
        }
        return qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
    }
};

std::vector<QRgb> medianCut(std::vector<Swatch> swatches, int wanted) {
    std::vector<Box> boxes{{0, swatches.size()}};
    while (static_cast<int>(boxes.size()) < wanted) {
        // Split the box with the widest spread, weighted by how many pixels it holds.
        std::size_t chosen = boxes.size();
        qint64 bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) {
                continue;
            }
            const int spread = boxes[i].widestAxis(swatches).second;
            qint64 pixels = 0;
            for (std::size_t s = boxes[i].begin; s < boxes[i].end; ++s) {
                pixels += swatches[s].count;
            }
            const qint64 score = static_cast<qint64>(spread) * (1 + pixels / 64);
            if (spread > 0 && score > bestScore) {
                bestScore = score;
                chosen = i;
            }
        }
        if (chosen == boxes.size()) {
            break;
        }
        Box box = boxes[chosen];
        const int axis = box.widestAxis(swatches).first;
        auto first = swatches.begin() + static_cast<std::ptrdiff_t>(box.begin);
        auto last = swatches.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last, [axis](const Swatch& a, const Swatch& b) {
            return channel(a.colour, axis) < channel(b.colour, axis);
        });
        qint64 total = 0;
        for (auto it = first; it != last; ++it) {
            total += it->count;
        }
        qint64 running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            running += swatches[i].count;
            split = i + 1;
            if (running * 2 >= total) {
                break;
            }
        }
        boxes[chosen] = {box.begin, split};
        boxes.push_back({split, box.end});
    }
    std::vector<QRgb> colours;
    colours.reserve(boxes.size());
    for (const Box& box : boxes) {
        colours.push_back(box.average(swatches));
    }
    return colours;
}

} // namespace

QImage quantiseToPalette(const QImage& picture, std::span<const QRgb> exact) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++histogram[row[x] | 0xff000000u];
        }
    }

    QList<QRgb> table;
    for (QRgb colour : exact) {
        const QRgb opaque = colour | 0xff000000u;
        if (!table.contains(opaque) && table.size() < maxColours) {
            table.append(opaque);
        }
    }
    std::vector<Swatch> rest;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) {
        if (!table.contains(it.key())) {
            rest.push_back({it.key(), it.value()});
        }
    }
    const int room = maxColours - static_cast<int>(table.size());
    if (static_cast<int>(rest.size()) <= room) {
        for (const Swatch& swatch : rest) {
            table.append(swatch.colour);
        }
    } else {
        for (QRgb colour : medianCut(std::move(rest), room)) {
            table.append(colour);
        }
    }
    if (table.isEmpty()) {
        table.append(qRgb(0, 0, 0));
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

} // namespace velox::democd
