#include "WindowFixture.h"
#include "catalogue/mainwindow/LayoutTable.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/TwipsControl.h"

#include <QWidget>

using namespace veloxcd;
using velox::win::TwipsControl;

namespace {

class Layout : public velox::test::WindowFixture {
protected:
    // Every control the variant places, at its table values divided by the scale.
    void expectTablePlaces(LayoutVariant variant, double scale) {
        for (const LayoutEntry& entry : layoutTable()) {
            const auto& rect = variant == LayoutVariant::Wren ? entry.wren : entry.other;
            if (!rect) {
                continue;
            }
            const TwipsControl* placed = window->control(entry.control, entry.index);
            ASSERT_NE(placed, nullptr) << entry.control;
            SCOPED_TRACE(
                QStringLiteral("%1(%2)").arg(entry.control).arg(entry.index).toStdString());
            EXPECT_FLOAT_EQ(placed->Left(), static_cast<float>(rect->left / scale));
            EXPECT_FLOAT_EQ(placed->Top(), static_cast<float>(rect->top / scale));
            EXPECT_FLOAT_EQ(placed->Width(), static_cast<float>(rect->width / scale));
            EXPECT_FLOAT_EQ(placed->Height(), static_cast<float>(rect->height / scale));
        }
    }

    struct Place {
        float left, top, width, height;
        bool operator==(const Place&) const = default;
    };
    [[nodiscard]] std::vector<Place> places() const {
        std::vector<Place> all;
        for (const TwipsControl* each : window->Controls()) {
            all.push_back({each->Left(), each->Top(), each->Width(), each->Height()});
        }
        return all;
    }

    void chooseMachine(qint16 code) {
        machine = code;
        window->SetMachine();
    }
};

TEST_F(Layout, OnAStandardScreenEveryPlacedControlEndsAtItsTableValues) {
    for (const qint16 code : {1, 2}) {
        machine = code;
        load();
        expectTablePlaces(layoutVariantFor(code), 1.0);
        // Shown at the pixels the twips round to, relative to its container.
        const TwipsControl* display = window->control("MainScreenFalcon");
        EXPECT_EQ(display->widget()->geometry(), display->pixelRect());
    }
}

TEST_F(Layout, LargeFontsDivideEveryPlaceSoThePixelsStayTheSame) {
    machine = 2;
    load(12);
    EXPECT_DOUBLE_EQ(fontScale, 1.25);
    const TwipsControl* display = window->control("MainScreenFalcon");
    EXPECT_FLOAT_EQ(display->Left(), 1256);
    EXPECT_FLOAT_EQ(display->Top(), 448);
    EXPECT_FLOAT_EQ(display->Width(), 7680);
    EXPECT_FLOAT_EQ(display->Height(), 2880);
    // 1570, 560, 9600, 3600 twips at 15 twips a pixel.
    EXPECT_EQ(display->widget()->geometry(), QRect(105, 37, 640, 240));
    expectTablePlaces(LayoutVariant::Other, 1.25);
}

TEST_F(Layout, WrenToFalconAndBackRestoresWrensPlaces) {
    machine = 1;
    load(12);
    const auto wren = places();
    chooseMachine(2);
    EXPECT_NE(places(), wren);
    chooseMachine(1);
    EXPECT_EQ(places(), wren);
}

TEST_F(Layout, MerlinAndOspreyGetFalconsPlaces) {
    machine = 2;
    load();
    const auto falcon = places();
    chooseMachine(4);
    EXPECT_EQ(places(), falcon);
    chooseMachine(8);
    EXPECT_EQ(places(), falcon);
    chooseMachine(1);
    EXPECT_NE(places(), falcon);
}

TEST_F(Layout, ControlsTheTableDoesNotPlaceNoLongerShrinkAtEveryChange) {
    machine = 2;
    load(12);
    for (const qint16 code : {1, 2, 4, 2}) {
        chooseMachine(code);
    }
    // The photo: design place 15, 0, 12000, 9000 divided once.
    EXPECT_FLOAT_EQ(window->imgVelox->Left(), 12);
    EXPECT_FLOAT_EQ(window->imgVelox->Width(), 9600);
    EXPECT_FLOAT_EQ(window->imgVelox->Height(), 7200);
    EXPECT_EQ(window->imgVelox->widget()->geometry(), QRect(1, 0, 800, 600));
    // lang keeps its design place (its Wren place) in variant Other.
    EXPECT_FLOAT_EQ(window->lang->Left(), 96);
    EXPECT_FLOAT_EQ(window->lang->Top(), 2112);
    EXPECT_FLOAT_EQ(window->lang->Width(), 4428);
    EXPECT_FLOAT_EQ(window->lang->Height(), 204);
    const TwipsControl& link = *window->control("Tandem");
    EXPECT_FLOAT_EQ(link.Width(), window->designRect(link).width / 1.25F);
}

TEST_F(Layout, ControlsInsideTheFramesArePlacedRelativeToTheirFrame) {
    machine = 2;
    load();
    EXPECT_EQ(window->Programmname->parentWidget(), window->detframe);
    EXPECT_EQ(window->Programmname->geometry().topLeft(), QPoint(8, 32));
    EXPECT_EQ(window->GaugeValue->parentWidget(), window->frmWaves);
    EXPECT_EQ(window->detframe->geometry().topLeft(), QPoint(296, 344));
}

TEST_F(Layout, EveryControlOfTheTableExistsWithItsObjectName) {
    create();
    for (const LayoutEntry& entry : layoutTable()) {
        const QString objectName =
            entry.index < 0 ? QString::fromLatin1(entry.control)
                            : QStringLiteral("%1(%2)").arg(entry.control).arg(entry.index);
        EXPECT_NE(window->findChild<QWidget*>(objectName), nullptr) << objectName.toStdString();
    }
    EXPECT_EQ(window->findChild<QWidget*>("Kategorie(7)"), window->Kategorie[7]);
}

} // namespace
