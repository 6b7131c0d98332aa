#include "tools/democd/DeviceKeyboard.h"

#include "tools/democd/Logos.h"
#include "tools/democd/PhotoGeometry.h"
#include "tools/democd/Pictograms.h"

#include <QPainter>
#include <QStringList>

namespace velox::democd {
namespace {

constexpr int keysPerRow = 11;
constexpr qreal gap = 5;

// Each row: the label of the wide key in the exit key's column, then the
// eleven keys right of it. An empty label after a key widens that key.
struct KeyRow {
    const char* first;
    const char* keys[keysPerRow];
};

constexpr KeyRow numberRow = {"", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Del"}};
constexpr KeyRow letterRows[] = {
    {"Esc", {"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "\u2190"}},
    {"Tab", {"A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "Enter"}},
    {"Shift", {"Z", "X", "C", "V", "B", "N", "M", ",", ".", "\u2191", "Shift"}},
    {"Ctrl", {"Fn", "Menu", " ", "", "", "", "", "'", "\u2190", "\u2193", "\u2192"}},
};

void paintKey(QPainter& p, const QRectF& key, const QColor& cap, const QString& label,
              qreal labelSize) {
    p.setPen(Qt::NoPen);
    p.setBrush(cap.darker(150));
    p.drawRoundedRect(key.translated(0, 1.5), 4, 4);
    p.setBrush(cap);
    p.drawRoundedRect(key, 4, 4);
    if (!label.trimmed().isEmpty()) {
        const QColor ink = cap.lightness() > 140 ? QColor(30, 32, 36) : QColor(236, 238, 240);
        drawFittedText(p, label, QPointF(key.center().x(), key.top() + key.height() * 0.42),
                       key.width() - 4, houseFont(labelSize, true), ink);
    }
}

void paintRow(QPainter& p, const KeyRow& row, qreal top, qreal height, qreal firstRight,
              qreal right, const QColor& cap, qreal labelSize) {
    const qreal width = (right - firstRight - gap * keysPerRow) / keysPerRow;
    for (int i = 0; i < keysPerRow;) {
        int span = 1;
        while (i + span < keysPerRow && row.keys[i + span][0] == '\0') {
            ++span;
        }
        const qreal left = firstRight + gap + i * (width + gap);
        paintKey(p, QRectF(left, top, span * width + (span - 1) * gap, height), cap,
                 QString::fromUtf8(row.keys[i]), labelSize);
        i += span;
    }
}

} // namespace

void paintKeyboard(QPainter& p, const DeviceModel& model, const QRectF& deck) {
    const QRectF exit = photoRect(model.variant, "imgExit");
    const QColor cap = QColor(model.bodyShade).lightness() > 120
                           ? QColor(model.bodyShade).darker(135)
                           : QColor(model.bodyShade).lighter(150);
    const qreal right = deck.right() - (exit.left() - deck.left());
    const qreal labelSize = exit.height() * 0.3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    // The exit key: the power key in signal red.
    const QColor red(200, 44, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(red.darker(150));
    p.drawRoundedRect(exit.adjusted(1, 2.5, -1, 0), 5, 5);
    p.setBrush(red);
    p.drawRoundedRect(exit.adjusted(1, 1, -1, -1), 5, 5);
    const qreal inset = std::min(exit.width(), exit.height()) * 0.22;
    paintGlyph(p, Glyph::Exit, exit.adjusted(inset, inset, -inset, -inset), Qt::white, red);

    const qreal pitch = exit.height() + gap;
    const int rows =
        std::min<int>(5, static_cast<int>((deck.bottom() - 8 - exit.top() + gap) / pitch));
    const bool withNumbers = rows >= 5;
    for (int r = 0; r < rows; ++r) {
        const KeyRow& row = withNumbers ? (r == 0 ? numberRow : letterRows[r - 1]) : letterRows[r];
        const qreal top = exit.top() + r * pitch;
        if (r > 0) {
            paintKey(p, QRectF(exit.left() + 1, top, exit.width() - 2, exit.height()), cap,
                     QString::fromUtf8(row.first), labelSize * 0.8);
        }
        paintRow(p, row, top, exit.height(), exit.right() + 1, right, cap, labelSize);
    }
    p.restore();
}

} // namespace velox::democd
