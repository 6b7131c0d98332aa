#include "catalogue/start/InterfaceTexts.h"

#include "catalogue/start/ProgramState.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace veloxcd;

TEST(InterfaceTexts, GermanKeepsItsBlanksAndUmlauts) {
    resetProgramState();
    language = 1;
    loadTexts();
    EXPECT_EQ(texts.strCopyHint, QString(" Copy program "));
    EXPECT_EQ(texts.strInfoHint, QString(" Info ..."));
    language = 2;
    loadTexts();
    EXPECT_EQ(texts.strCopyHint, QString(" Programm kopieren "));
    EXPECT_EQ(texts.strInfoHint, QString(" Info ... "));
    ASSERT_EQ(texts.categoryNames.size(), 7);
    EXPECT_EQ(texts.categoryNames[3], QString::fromUtf8("Geschäftliches"));
    EXPECT_EQ(texts.strInsertCd, QString("Bitte legen Sie die \"VELOX CD\" in Ihr Laufwerk "));
    EXPECT_EQ(texts.strSizeLabel, QString::fromUtf8("Größe:"));
    EXPECT_EQ(texts.nameMerlin, QString("VELOX Merlin PRO"));
}

TEST(InterfaceTexts, VolumeNamesAndMachineNamesDoNotFollowTheLanguage) {
    for (qint16 code : {1, 2}) {
        resetProgramState();
        language = code;
        loadTexts();
        EXPECT_EQ(texts.volumeNames, QStringList({"Min", "Normal", "Max"}));
        EXPECT_EQ(texts.nameWren, QString("VELOX wren PLUS"));
        EXPECT_EQ(texts.nameOsprey, QString("VELOX Osprey / harrier"));
        EXPECT_EQ(texts.nameFalcon, QString("VELOX Falcon"));
    }
}

TEST(InterfaceTexts, AnUnknownLanguageKeepsTheTextsItHad) {
    resetProgramState();
    language = 7;
    loadTexts();
    EXPECT_TRUE(texts.strCopyHint.isEmpty());
    EXPECT_EQ(texts.volumeNames.size(), 3);
    language = 2;
    loadTexts();
    language = 0;
    loadTexts();
    EXPECT_EQ(texts.strSearchHint, QString(" Programm suchen "));
}
