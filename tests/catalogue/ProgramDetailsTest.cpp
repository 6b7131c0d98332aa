#include "BrowsingFixture.h"
#include "catalogue/mainwindow/AuthorCaption.h"
#include "catalogue/mainwindow/PackageSize.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/runtime/RuntimeError.h"
#include "platform/win/shell/Shell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QTest>
#include <QToolTip>

namespace velox::test {
namespace {

using jet::Null;
using jet::Value;

// One program in category 1 for every machine, with its folder on the CD and
// an author; tests change what they look at.
class ProgramDetailsTest : public BrowsingFixture {
protected:
    // A program whose folder exists on the CD.
    CatalogueRow withFolder(qint32 index, const QString& name) {
        QDir(cd.path()).mkpath(QStringLiteral("Programs/%1").arg(index));
        CatalogueRow row = program(index, name, 1, 15);
        row[QStringLiteral("Verzeichnis")] = QStringLiteral("\\Programs\\%1\\").arg(index);
        row[QStringLiteral("AuthorID")] = qint64{1};
        row[QStringLiteral("cost")] = QStringLiteral("Free");
        return row;
    }
    static CatalogueRow plainAuthor() {
        return author(1, QStringLiteral("Maker"), QStringLiteral("Ann"), QStringLiteral("Lee"));
    }
    // Lists category 1 and picks its first row.
    void showFirst() {
        load();
        listCategory(0);
        pick(0);
    }
};

TEST_F(ProgramDetailsTest, ShowsTheRecordTheAuthorAndTheFolder) {
    CatalogueRow row = withFolder(7, QStringLiteral("Planner"));
    row[QStringLiteral("Version")] = QStringLiteral("2");
    row[QStringLiteral("Majorversion")] = QStringLiteral("1");
    row[QStringLiteral("Minorversion")] = QStringLiteral("0");
    row[QStringLiteral("languages")] = qint64{3};
    row[QStringLiteral("BeschreibungEnglisch")] = QStringLiteral("Plans days.");
    row[QStringLiteral("Reg")] = QStringLiteral("Shareware, 10 EUR");
    CatalogueRow maker = plainAuthor();
    maker[QStringLiteral("AuthorEmail")] = QStringLiteral("ann@example.org");
    maker[QStringLiteral("AuthorHomepage")] = QStringLiteral("n/a");
    writeCatalogue({row}, {maker});
    writeCdFile(QStringLiteral("Programs/7/PLANNER.KIT"), QByteArray(2048, 'k'));
    writeCdPicture(QStringLiteral("Programs/7/Screen.gif"), QStringLiteral("Planner shot"));
    veloxcd::machine = 2;

    showFirst();

    EXPECT_EQ(window->Programmname->Caption(), QStringLiteral("Planner 2.10"));
    EXPECT_EQ(window->Programmname->toolTip(),
              QStringLiteral("Planner 2.10 / ") + veloxcd::texts.nameFalcon);
    EXPECT_EQ(window->description->Text(), QStringLiteral("Plans days."));
    EXPECT_EQ(window->lang->Caption(), QStringLiteral(" English, Deutsch"));
    EXPECT_EQ(veloxcd::programFolder, QStringLiteral("\\Programs\\7\\"));
    EXPECT_EQ(veloxcd::packageFile, QStringLiteral("PLANNER.KIT"));
    EXPECT_EQ(window->Groesze->Caption(), QStringLiteral("2 kB"));
    EXPECT_EQ(window->Zusatz->Text(), QStringLiteral("Shareware, 10 EUR"));
    EXPECT_FALSE(window->Imgreadme->Visible());
    EXPECT_EQ(window->Author->Caption(), QStringLiteral("Maker - Ann Lee"));
    EXPECT_EQ(veloxcd::authorMail, QStringLiteral("ann@example.org"));
    EXPECT_TRUE(window->Imgemail->Visible());
    EXPECT_EQ(veloxcd::authorHomepage, QString());
    EXPECT_FALSE(window->Imghomepage->Visible());
    EXPECT_EQ(window->lblDescription->Caption(), veloxcd::texts.strDescriptionLabel);
    EXPECT_EQ(window->lblLanguage->Caption(), veloxcd::texts.strLanguageLabel);
    EXPECT_EQ(window->lblSize->Caption(), veloxcd::texts.strSizeLabel);
    EXPECT_TRUE(window->detframe->Visible());
    EXPECT_EQ(window->FileListing->Path(), QStringLiteral("D:\\Programs\\7"));
    EXPECT_FALSE(window->FileListing->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("Planner shot"));
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(veloxcd::catalogueRs);
    EXPECT_FALSE(veloxcd::catalogueDb);
}

TEST_F(ProgramDetailsTest, WithoutVersionFieldsTheTitleEndsInABlankAndADot) {
    writeCatalogue({withFolder(7, QStringLiteral("Bare"))}, {plainAuthor()});
    load();
    window->Programmname->setToolTip(QStringLiteral("as it was"));
    listCategory(0);
    // A code that names no machine leaves the tooltip as it was.
    veloxcd::machine = 16;
    pick(0);

    EXPECT_EQ(window->Programmname->Caption(), QStringLiteral("Bare ."));
    EXPECT_EQ(window->Programmname->toolTip(), QStringLiteral("as it was"));
}

struct DescriptionCase {
    qint16 language;
    bool english;
    bool german;
    QString expected;
};

class DescriptionTest : public ProgramDetailsTest,
                        public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(DescriptionTest, ShowsOnlyTheInterfaceLanguage) {
    CatalogueRow row = withFolder(7, QStringLiteral("Words"));
    if (GetParam().english) {
        row[QStringLiteral("BeschreibungEnglisch")] = QStringLiteral("English text");
    }
    if (GetParam().german) {
        row[QStringLiteral("BeschreibungDeutsch")] = QStringLiteral("Deutscher Text");
    }
    writeCatalogue({row}, {plainAuthor()});
    veloxcd::language = GetParam().language;
    veloxcd::loadTexts();

    showFirst();

    EXPECT_EQ(window->description->Text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, DescriptionTest,
                         ::testing::Values(DescriptionCase{1, true, true, "English text"},
                                           DescriptionCase{2, true, true, "Deutscher Text"},
                                           DescriptionCase{1, false, true, ""},
                                           DescriptionCase{2, true, false, ""}));

TEST(PackageSizeCaption, RoundsToTwoDecimalsWithTiesToEven) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const struct {
        qint64 bytes;
        const char* shown;
    } cases[] = {
        {2048, "2 kB"},    {1536, "1.5 kB"},     {1152, "1.12 kB"},
        {1408, "1.38 kB"}, {0, "0 kB"},          {1, "0 kB"},
        {10, "0.01 kB"},   {5242880, "5120 kB"}, {1234567, "1205.63 kB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(veloxcd::packageSizeCaption(c.bytes, english), QLatin1String(c.shown)) << c.bytes;
    }
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(veloxcd::packageSizeCaption(1152, german), QStringLiteral("1,12 kB"));
    EXPECT_EQ(veloxcd::packageSizeCaption(5242880, german), QStringLiteral("5120 kB"));
}

TEST_F(ProgramDetailsTest, SizeOfTheFirstPackageWithTheLocalesSeparator) {
    writeCatalogue({withFolder(7, QStringLiteral("Two kits"))}, {plainAuthor()});
    writeCdFile(QStringLiteral("Programs/7/b.kit"), QByteArray(1408, 'b'));
    writeCdFile(QStringLiteral("Programs/7/A.KIT"), QByteArray(1152, 'a'));
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    showFirst();
    QLocale::setDefault(previous);

    EXPECT_EQ(veloxcd::packageFile, QStringLiteral("A.KIT"));
    EXPECT_EQ(window->Groesze->Caption(), QStringLiteral("1,12 kB"));
}

TEST_F(ProgramDetailsTest, AFolderWithoutPackageShowsNoSize) {
    writeCatalogue({withFolder(7, QStringLiteral("Nothing"))}, {plainAuthor()});
    writeCdFile(QStringLiteral("Programs/7/readme.txt"));
    load();
    window->Groesze->setCaption(QStringLiteral("old"));
    listCategory(0);
    pick(0);

    EXPECT_EQ(veloxcd::packageFile, QString());
    EXPECT_EQ(window->Groesze->Caption(), QString());
    EXPECT_TRUE(window->detframe->Visible());
}

TEST_F(ProgramDetailsTest, ReadmeButtonForALoneMeOrTxtFile) {
    const struct {
        const char* file;
        bool shown;
    } cases[] = {{"READ.ME", true}, {"notes.TXT", true}, {"readme.doc", false}};
    std::vector<CatalogueRow> programs;
    for (int i = 0; i < 3; ++i) {
        programs.push_back(withFolder(i + 1, QStringLiteral("P%1").arg(i + 1)));
        writeCdFile(QStringLiteral("Programs/%1/%2").arg(i + 1).arg(QLatin1String(cases[i].file)));
    }
    writeCatalogue(programs, {plainAuthor()});
    load();
    listCategory(0);

    for (int i = 0; i < 3; ++i) {
        pick(i);
        EXPECT_EQ(window->Imgreadme->Visible(), cases[i].shown) << cases[i].file;
    }
}

TEST(AuthorCaptionRules, PicksTheFormFromTheThreeNames) {
    const Value null{Null{}};
    const auto text = [](const char* t) { return Value{QLatin1String(t)}; };
    const struct {
        Value firma, vorname, nachname;
        const char* caption;
    } cases[] = {
        {text("X"), text("Y"), text("Z"), "X - Y Z"}, {text("n/a"), text("Y"), text("Z"), "Y Z"},
        {text(""), text("Y"), text("Z"), "Y Z"},      {text(" "), text("Y"), text("Z"), "Y Z"},
        {text("X"), text("X"), text("X"), "X"},       {text("X"), text("Y"), text("Y"), "X"},
        {text("X"), text("X"), text("Z"), "X"},       {text("Z"), text("Y"), text("Z"), "Z"},
        {null, text("Y"), text("Z"), "Y Z"},          {text("X"), null, null, "X -  "},
        {text("n/a"), null, text("Z"), " Z"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(veloxcd::authorCaption(c.firma, c.vorname, c.nachname), QLatin1String(c.caption))
            << c.caption;
    }
    try {
        (void)veloxcd::authorCaption(null, text("Y"), text("Y"));
        ADD_FAILURE() << "a Null company standing alone is accepted";
    } catch (const win::RuntimeError& error) {
        EXPECT_EQ(error.number(), win::err::InvalidUseOfNull);
    }
}

TEST(AuthorAddress, NoneForNullEmptyOrNotAvailable) {
    EXPECT_TRUE(veloxcd::isAddress(Value{QStringLiteral("a@b.c")}));
    EXPECT_TRUE(veloxcd::isAddress(Value{QStringLiteral(" ")}));
    EXPECT_FALSE(veloxcd::isAddress(Value{QStringLiteral("n/a")}));
    EXPECT_FALSE(veloxcd::isAddress(Value{QString()}));
    EXPECT_FALSE(veloxcd::isAddress(Value{Null{}}));
}

TEST_F(ProgramDetailsTest, AuthorCaptionsAndAddressesOnTheWindow) {
    std::vector<CatalogueRow> programs;
    const std::vector<CatalogueRow> authors = {
        author(1, QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")),
        author(2, QStringLiteral("n/a"), QStringLiteral("Y"), QStringLiteral("Z")),
        author(3, QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X")),
        author(4, QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Y")),
    };
    for (int i = 1; i <= 4; ++i) {
        CatalogueRow row = withFolder(i, QStringLiteral("P%1").arg(i));
        row[QStringLiteral("AuthorID")] = qint64{i};
        programs.push_back(row);
    }
    writeCatalogue(programs, authors);
    load();
    listCategory(0);

    const char* const captions[] = {"X - Y Z", "Y Z", "X", "X"};
    for (int i = 0; i < 4; ++i) {
        pick(i);
        EXPECT_EQ(window->Author->Caption(), QLatin1String(captions[i]));
        EXPECT_FALSE(window->Imgemail->Visible());
        EXPECT_TRUE(veloxcd::authorMail.isEmpty());
    }
}

TEST_F(ProgramDetailsTest, ScreenshotPerMachineFamily) {
    writeCatalogue({withFolder(1, QStringLiteral("Shots")), withFolder(2, QStringLiteral("None"))},
                   {plainAuthor()});
    writeCdPicture(QStringLiteral("Programs/1/Screen.gif"), QStringLiteral("big screen"));
    writeCdPicture(QStringLiteral("Programs/1/SCREEN1.GIF"), QStringLiteral("small screen"));
    const struct {
        qint16 machine;
        const char* withShot;
        const char* withoutShot;
    } cases[] = {{1, "small screen", "HauptschirmWren"},
                 {2, "big screen", "HauptschirmFalcon"},
                 {8, "big screen", "HauptschirmFalcon"}};
    load();
    for (const auto& c : cases) {
        veloxcd::machine = c.machine;
        listCategory(0);
        pick(1);
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), QLatin1String(c.withShot)) << c.machine;
        pick(0);
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), QLatin1String(c.withoutShot))
            << c.machine;
    }
}

TEST_F(ProgramDetailsTest, CdRemovedAfterListingAsksForIt) {
    writeCatalogue({withFolder(7, QStringLiteral("Gone"))}, {plainAuthor()});
    load();
    listCategory(0);
    removeCd();
    boxes.clear();

    pick(0);

    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown().at(0).text, QStringLiteral("Please insert VELOX CD in your drive ") +
                                            QStringLiteral(" ") + QStringLiteral("D:"));
    EXPECT_EQ(boxes.shown().at(0).buttons, win::vbOKOnly);
    EXPECT_FALSE(boxes.shown().at(0).title.has_value());
    // The record's texts are shown; the folder's part is not.
    EXPECT_EQ(window->Programmname->Caption(), QStringLiteral("Gone ."));
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_FALSE(veloxcd::catalogueRs);
}

TEST_F(ProgramDetailsTest, NullFolderUsesTheKeysFolderWithItsBackslash) {
    CatalogueRow row = withFolder(12, QStringLiteral("Keyed"));
    row.erase(QStringLiteral("Verzeichnis"));
    writeCatalogue({row}, {plainAuthor()});
    writeCdFile(QStringLiteral("Programs/12/KEYED.KIT"), QByteArray(1536, 'k'));

    showFirst();

    EXPECT_EQ(veloxcd::programFolder, QStringLiteral("\\Programs\\12\\"));
    EXPECT_EQ(veloxcd::packageFile, QStringLiteral("KEYED.KIT"));
    EXPECT_EQ(window->Groesze->Caption(), QStringLiteral("1.5 kB"));
    EXPECT_TRUE(window->detframe->Visible());
}

TEST_F(ProgramDetailsTest, EmptyFolderLeavesNothingToInstall) {
    CatalogueRow row = withFolder(12, QStringLiteral("Nowhere"));
    row[QStringLiteral("Verzeichnis")] = QString();
    writeCatalogue({row}, {plainAuthor()});

    showFirst();

    EXPECT_EQ(veloxcd::programFolder, QStringLiteral("\\"));
    EXPECT_EQ(veloxcd::packageFile, QString());
    EXPECT_TRUE(window->detframe->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("HauptschirmFalcon"));
}

TEST_F(ProgramDetailsTest, RegistrationNoteOrPriceOrNothing) {
    CatalogueRow both = withFolder(1, QStringLiteral("A both"));
    both[QStringLiteral("Reg")] = QStringLiteral("registered");
    CatalogueRow price = withFolder(2, QStringLiteral("B price"));
    CatalogueRow neither = withFolder(3, QStringLiteral("C neither"));
    neither.erase(QStringLiteral("cost"));
    writeCatalogue({both, price, neither}, {plainAuthor()});
    load();
    listCategory(0);

    pick(0);
    EXPECT_EQ(window->Zusatz->Text(), QStringLiteral("registered"));
    pick(1);
    EXPECT_EQ(window->Zusatz->Text(), QStringLiteral("Free"));
    window->detframe->setVisible(false);
    pick(2);
    EXPECT_EQ(window->Zusatz->Text(), QString());
    EXPECT_TRUE(window->detframe->Visible());
    EXPECT_EQ(window->Author->Caption(), QStringLiteral("Maker - Ann Lee"));
}

TEST_F(ProgramDetailsTest, AKeyWithoutARecordShowsNothingNew) {
    writeCatalogue({withFolder(7, QStringLiteral("Real"))}, {plainAuthor()});
    load();
    listCategory(0);
    window->lstPrograms->AddItem(QStringLiteral("Ghost"));
    window->lstPrograms->setItemData(window->lstPrograms->NewIndex(), 999);
    pick(0);
    window->detframe->setVisible(false);

    pick(1);

    EXPECT_EQ(window->Programmname->Caption(), QStringLiteral("Real ."));
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(veloxcd::catalogueRs);
    EXPECT_FALSE(veloxcd::catalogueDb);
}

TEST_F(ProgramDetailsTest, WithoutItsCatalogueAClickEndsQuietly) {
    writeCatalogue({withFolder(7, QStringLiteral("Real"))}, {plainAuthor()});
    load();
    listCategory(0);
    QFile::remove(veloxcd::systemDir + QStringLiteral("/aengdeu.dll"));
    window->txtSearch->setVisible(true);

    pick(0);

    EXPECT_FALSE(window->txtSearch->Visible());
    EXPECT_EQ(window->Programmname->Caption(), QString());
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ProgramDetailsTest, MissingAuthorRowEndsTheClickAfterTheProgramsPart) {
    CatalogueRow row = withFolder(7, QStringLiteral("Orphan"));
    row[QStringLiteral("AuthorID")] = qint64{42};
    writeCatalogue({row}, {plainAuthor()});

    showFirst();

    EXPECT_EQ(window->Zusatz->Text(), QStringLiteral("Free"));
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(veloxcd::catalogueRs);
}

// Two programs of category 1, each with its folder, package and author.
class RowClicks : public ProgramDetailsTest {
protected:
    void SetUp() override {
        ProgramDetailsTest::SetUp();
        CatalogueRow beta = withFolder(8, QStringLiteral("Beta"));
        beta[QStringLiteral("AuthorID")] = qint64{2};
        writeCatalogue({withFolder(7, QStringLiteral("Alpha")), beta},
                       {plainAuthor(), author(2, QStringLiteral("Works"), QStringLiteral("Bo"),
                                              QStringLiteral("Ek"))});
        writeCdFile(QStringLiteral("Programs/7/ALPHA.KIT"), QByteArray(2048, 'a'));
        writeCdFile(QStringLiteral("Programs/8/BETA.KIT"), QByteArray(1024, 'b'));
        load();
        listCategory(0);
        boxes.clear();
    }
};

TEST_F(RowClicks, AClickOnTheSelectedRowShowsItAgainOnceTheCdIsBack) {
    clickRow(0);
    removeCd();
    clickRow(1); // the CD is out: asked for, Alpha's author still shown
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(window->Author->Caption(), QStringLiteral("Maker - Ann Lee"));

    insertCd();
    clickRow(1);
    EXPECT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(window->Author->Caption(), QStringLiteral("Works - Bo Ek"));
    EXPECT_EQ(window->Groesze->Caption(), QStringLiteral("1 kB"));
    EXPECT_EQ(veloxcd::packageFile, QStringLiteral("BETA.KIT"));
}

TEST_F(RowClicks, FocusAloneOpensNoProgramTheArrowKeysDo) {
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(window->lstPrograms, &tabbedIn);
    EXPECT_EQ(window->lstPrograms->ListIndex(), -1);
    EXPECT_EQ(window->Programmname->Caption(), QString());
    EXPECT_FALSE(window->detframe->Visible());

    QTest::keyClick(window->lstPrograms, Qt::Key_Down);
    EXPECT_EQ(window->lstPrograms->ListIndex(), 0);
    EXPECT_EQ(window->Programmname->Caption(), QStringLiteral("Alpha ."));
    QTest::keyClick(window->lstPrograms, Qt::Key_Down);
    EXPECT_EQ(window->Programmname->Caption(), QStringLiteral("Beta ."));
    EXPECT_TRUE(window->detframe->Visible());
}

TEST_F(RowClicks, AClickThatFailsLeavesNothingToInstall) {
    win::RecordingProcesses processes;
    writeFile(programDir.path(), QStringLiteral("korainst.exe"), "the installer");
    pick(0);
    ASSERT_EQ(veloxcd::packageFile, QStringLiteral("ALPHA.KIT"));
    removeCd();
    pick(1);
    insertCd();

    window->BtnCopy_Click();
    window->lstPrograms_DblClick();
    EXPECT_TRUE(processes.started().empty());
    EXPECT_TRUE(veloxcd::packageFile.isEmpty());
    EXPECT_EQ(boxes.shown().size(), 1U); // the insert-CD message, nothing else

    // A good click afterwards installs that program.
    pick(1);
    window->BtnCopy_Click();
    ASSERT_EQ(processes.started().size(), 1U);
    EXPECT_TRUE(processes.started()[0].command.arguments.join(' ').contains(
        QStringLiteral("\\Programs\\8\\BETA.KIT")));
}

TEST_F(ProgramDetailsTest, CatalogueTextsShowAsTheyAreWrittenNeverAsMarkup) {
    const QString name = QStringLiteral("<img src=\"/etc/passwd\"><b>x</b>");
    CatalogueRow row = withFolder(7, name);
    row[QStringLiteral("BeschreibungEnglisch")] = QStringLiteral("<i>plain</i>");
    writeCatalogue({row}, {author(1, QStringLiteral("<b>Firm</b>"), QStringLiteral("A"),
                                  QStringLiteral("B"))});
    showFirst();

    EXPECT_EQ(window->lstPrograms->List(0), name);
    EXPECT_EQ(window->Programmname->textFormat(), Qt::PlainText);
    EXPECT_EQ(window->Author->textFormat(), Qt::PlainText);
    EXPECT_EQ(window->description->Text(), QStringLiteral("<i>plain</i>"));

    // The tool tip shows the name's characters, escaped, not what they mark up.
    window->show();
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1),
                     window->Programmname->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(window->Programmname, &hover);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("&lt;img src=")));
    EXPECT_FALSE(QToolTip::text().contains(QStringLiteral("<img")));
    QToolTip::hideText();
}

} // namespace
} // namespace velox::test
