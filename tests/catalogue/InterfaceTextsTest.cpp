#include "catalogue/start/InterfaceTexts.h"

#include "catalogue/start/ProgramState.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace veloxcd;

TEST(InterfaceTexts, GermanKeepsItsBlanksAndUmlauts) {
    resetProgramState();
    language = 1;
    loadTexts();
    EXPECT_EQ(strCopyHint, QString(" Copy program "));
    EXPECT_EQ(strInfoHint, QString(" Info ..."));
    language = 2;
    loadTexts();
    EXPECT_EQ(strCopyHint, QString(" Programm kopieren "));
    EXPECT_EQ(strInfoHint, QString(" Info ... "));
    ASSERT_EQ(categoryNames.size(), 7);
    EXPECT_EQ(categoryNames[3], QString::fromUtf8("Geschäftliches"));
    EXPECT_EQ(strInsertCd, QString("Bitte legen Sie die \"VELOX CD\" in Ihr Laufwerk "));
    EXPECT_EQ(strSizeLabel, QString::fromUtf8("Größe:"));
    EXPECT_EQ(nameMerlin, QString("VELOX Merlin PRO"));
}

TEST(InterfaceTexts, VolumeNamesAndMachineNamesDoNotFollowTheLanguage) {
    for (qint16 code : {1, 2}) {
        resetProgramState();
        language = code;
        loadTexts();
        EXPECT_EQ(volumeNames, QStringList({"Min", "Normal", "Max"}));
        EXPECT_EQ(nameWren, QString("VELOX wren PLUS"));
        EXPECT_EQ(nameOsprey, QString("VELOX Osprey / harrier"));
        EXPECT_EQ(nameFalcon, QString("VELOX Falcon"));
    }
}

TEST(InterfaceTexts, AnUnknownLanguageKeepsTheTextsItHad) {
    resetProgramState();
    language = 7;
    loadTexts();
    EXPECT_TRUE(strCopyHint.isEmpty());
    EXPECT_EQ(volumeNames.size(), 3);
    language = 2;
    loadTexts();
    language = 0;
    loadTexts();
    EXPECT_EQ(strSearchHint, QString(" Programm suchen "));
}
