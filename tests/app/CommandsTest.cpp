// The window's commands through its widgets: page size, format check, Display Text, zoom, the
// preview on the screen, fonts, the picture, printing, help and close.
#include "WindowTestSupport.h"

#include "Decode.h"
#include "JobFile.h"
#include "LogFont.h"
#include "PagePreviewView.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <cstring>
#include <fstream>

namespace {

QColor BaseColor(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

using Commands = WindowTest;

TEST_F(Commands, PageSizeShowsThePaperTable) {
    auto form = Open();
    auto* height = Find<QLineEdit>(*form, "pageHeight");
    auto* width = Find<QLineEdit>(*form, "pageWidth");
    ASSERT_TRUE(height && width);
    struct Case {
        const char* entry;
        const char* height;
        const char* width;
        bool editable;
    } cases[] = {
        {"A3", "420", "297", false},
        {"Custom", "420", "297", true}, // Custom keeps what the boxes hold, now editable
        {"A4", "297", "210", false},
        {"A5", "210", "148.5", false},
        {"A6", "148", "105", false},
        {"B5", "249.936", "175.768", false},
        {"C5", "229.108", "162.052", false},
        {"Letter", "279.4", "215.9", false},
        {"Legal", "355.6", "215.9", false},
    };
    for (const Case& c : cases) {
        Choose(*form, "pageSize", c.entry);
        EXPECT_EQ(height->text(), c.height) << c.entry;
        EXPECT_EQ(width->text(), c.width) << c.entry;
        for (QLineEdit* box : {height, width}) {
            EXPECT_EQ(box->isReadOnly(), !c.editable) << c.entry;
            EXPECT_EQ(BaseColor(box), c.editable ? QColor(Qt::white) : QColor(0xC0, 0xC0, 0xC0))
                << c.entry;
        }
        // The preview's page takes the size at once.
        EXPECT_DOUBLE_EQ(form->Job().PagePreview1.GetPageHeight(puMillimeters),
                         height->text().toDouble())
            << c.entry;
    }
    // A custom size typed into the boxes reaches the page with the next preview.
    Choose(*form, "pageSize", "Custom");
    height->setText("50");
    width->setText("100");
    Click(*form, "refresh");
    EXPECT_EQ(form->Job().PagePreview1.Page(0).WidthMm, 100);
    EXPECT_EQ(form->Job().PagePreview1.Page(0).HeightMm, 50);
    EXPECT_TRUE(user.information.empty() && user.errors.empty());
}

TEST_F(Commands, FormatChoiceChecksTheInitialString) {
    const char* message = "The 'Initial String' must be numeric for Code 25 barcode format.";
    struct Case {
        const char* format;
        const char* initialString;
        bool rejected;
    } cases[] = {
        {"EAN13", "VORDA-", true}, {"Code 39", "VORDA-", false}, {"UPC_A", "0123", false},
        {"Code 25", "12A4", true}, {"EAN8", "", false},          {"EAN128", "abc", false},
        {"Code 93", "a b", false}, {"UPC_A", "12\xE9", true}, // é: a byte of 128 or more
    };
    for (const Case& c : cases) {
        user = ScriptedUser();
        QFile::remove("Qubrin.cfg"); // each case starts from the defaults
        auto form = Open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        auto* box = Find<QLineEdit>(*form, "barcodeText");
        box->setText(QString::fromLatin1(c.initialString));
        Find<QWidget>(*form, "value")->setFocus();
        Choose(*form, "codeFormat", c.format);
        if (c.rejected) {
            EXPECT_EQ(user.information, std::vector<QString>{message}) << c.format;
            EXPECT_EQ(box->text(), "") << c.format;
            EXPECT_TRUE(box->hasFocus()) << c.format;
        } else {
            EXPECT_TRUE(user.information.empty()) << c.format;
            EXPECT_EQ(box->text(), QString::fromLatin1(c.initialString)) << c.format;
        }
        // Editing the string later is not checked.
        box->setText("XYZ");
        EXPECT_EQ(user.information.size(), c.rejected ? 1u : 0u) << c.format;
        form->close();
    }
}

TEST_F(Commands, DisplayTextRuleOnAllThreeBoxes) {
    auto form = Open();
    const TBarcodeSymbol& symbol = form->Job().Barcode1;
    Click(*form, "displayText");
    EXPECT_EQ(symbol.GetShowText(), bcoNone);
    // Print Text and Print Barcode re-apply the Display Text rule and nothing else.
    Click(*form, "printString");
    EXPECT_EQ(symbol.GetShowText(), bcoNone);
    EXPECT_FALSE(Find<QCheckBox>(*form, "printString")->isChecked());
    Click(*form, "printBarcode");
    EXPECT_EQ(symbol.GetShowText(), bcoNone);
    Click(*form, "displayText");
    EXPECT_EQ(symbol.GetShowText(), bcoCode);
    // Nothing is redrawn until the next preview, which then has no texts and no symbols.
    EXPECT_FALSE(form->Job().PagePreview1.Page(0).Items.empty());
    Click(*form, "refresh");
    EXPECT_TRUE(form->Job().PagePreview1.Page(0).Items.empty());
}

TEST_F(Commands, ZoomStepsAndThePageOnTheScreen) {
    auto form = Open();
    TPagePreview& preview = form->Job().PagePreview1;
    TPagePreviewView& view = form->PreviewView();
    // A4 at 100 %: 210 × 297 mm at 96 pixels to the inch.
    EXPECT_EQ(view.PageSizeOnScreen(), QSize(793, 1122));
    for (const int expected : {70, 40, 10, 10}) {
        Click(*form, "zoomOut");
        EXPECT_EQ(preview.GetZoom(), expected);
        EXPECT_EQ(view.PageSizeOnScreen().width(), int(210 / 25.4 * 96 * expected / 100));
        EXPECT_EQ(view.Sheet()->width(), view.PageSizeOnScreen().width() + 2 * view.DeskMargin + 3);
    }
    Click(*form, "zoomIn");
    EXPECT_EQ(preview.GetZoom(), 40);
    preview.SetZoom(370);
    for (const int expected : {400, 400}) {
        Click(*form, "zoomIn");
        EXPECT_EQ(preview.GetZoom(), expected);
    }
    EXPECT_EQ(view.Sheet()->height(), int(297 / 25.4 * 96 * 4) + 2 * view.DeskMargin + 3);
}

// The sheet on the screen at 100 %: page pixels are screen pixels from the page's corner.
TEST_F(Commands, PreviewShowsTheFirstSheet) {
    auto form = Open();
    Find<QLineEdit>(*form, "value")->setText("5");
    Click(*form, "refresh");
    const TPage& page = form->Job().PagePreview1.Page(0);
    const TPageSymbol* first = nullptr;
    std::vector<std::string> texts;
    for (const auto& item : page.Items) {
        if (!first) first = std::get_if<TPageSymbol>(&item);
        if (const auto* t = std::get_if<TPageText>(&item)) texts.push_back(t->Text);
    }
    ASSERT_NE(first, nullptr);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "VORDA-0005"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "VORDA-0034"), texts.end());

    QImage shown(form->PreviewView().Sheet()->size(), QImage::Format_RGB32);
    form->PreviewView().Sheet()->render(&shown);
    const int origin = TPagePreviewView::DeskMargin;
    const TPageSymbolElement& bar = first->Elements.front();
    EXPECT_EQ(shown.pixelColor(origin + first->Left + bar.x, origin + first->Top + bar.h / 2),
              QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(origin + 20, origin + 20), QColor(Qt::white)); // the margin
    EXPECT_EQ(shown.pixelColor(2, 2), QColor(0x80, 0x80, 0x80));              // the desk
}

TEST_F(Commands, FontsConfirmedAndCancelled) {
    QFont serif("Liberation Serif");
    serif.setPointSize(12);
    serif.setBold(true);
    serif.setUnderline(true);
    const TFont chosen("Liberation Serif", -16, fsBold | fsUnderline, ANSI_CHARSET, clWindowText);
    struct Case {
        const char* button;
        const char* box;
        bool confirm;
        bool symbolText; // the symbol's text font follows the box
    } cases[] = {
        {"fontButton", "barcodeText", true, true}, {"fontButton", "barcodeText", false, false},
        {"string1F", "string1", true, false},      {"string2F", "string2", false, false},
        {"string3F", "string3", true, false},
    };
    for (const Case& c : cases) {
        user = ScriptedUser();
        QFile::remove("Qubrin.cfg");
        auto form = Open();
        TJobControls& controls = form->Job().Controls;
        TEditControl* boxes[] = {&controls.barcodeText, &controls.string1, &controls.string2,
                                 &controls.string3};
        const char* names[] = {"barcodeText", "string1", "string2", "string3"};
        std::vector<TFont> before;
        for (const TEditControl* b : boxes)
            before.push_back(b->Font);
        const TFont symbolFontBefore = form->Job().Barcode1.ShowTextFont();
        if (c.confirm) user.fontAnswers.push_back(serif);
        Click(*form, c.button);

        // The dialog starts at a copy of the box's font, in points.
        ASSERT_EQ(user.fontsOffered.size(), 1u) << c.button;
        const int target = int(std::find_if(std::begin(names), std::end(names),
                                            [&](const char* n) { return !std::strcmp(n, c.box); }) -
                               std::begin(names));
        EXPECT_EQ(user.fontsOffered[0].family(), QString::fromStdString(before[target].Name));
        EXPECT_DOUBLE_EQ(user.fontsOffered[0].pointSizeF(), -before[target].Height * 0.75);
        for (int i = 0; i < 4; ++i) {
            const TFont expected = c.confirm && i == target ? chosen : before[i];
            EXPECT_EQ(boxes[i]->Font, expected) << c.button << " " << names[i];
            // Each box shows its text in its font.
            const QFont shown = Find<QLineEdit>(*form, names[i])->font();
            EXPECT_EQ(shown.pixelSize(), -expected.Height) << c.button << " " << names[i];
            EXPECT_EQ(shown.bold(), expected.Has(fsBold)) << c.button << " " << names[i];
        }
        EXPECT_EQ(form->Job().Barcode1.ShowTextFont(), c.symbolText ? chosen : symbolFontBefore)
            << c.button;
        // The fonts are what the job file keeps.
        form->close();
        const TJobFileContents saved = ReadJobFile("Qubrin.cfg");
        ASSERT_EQ(saved.FontsRead, 4u);
        EXPECT_EQ(LogFontToFont(saved.Fonts[target], TFont()).Name,
                  c.confirm ? "Liberation Serif" : before[target].Name)
            << c.button;
    }
}

TEST_F(Commands, SavePicture) {
    auto form = Open();
    const TCanvas& picture = form->Job().barcodeImage;
    ASSERT_GT(picture.Width(), 0);

    // A name without an extension gets ".bmp"; the file is the first label's symbol.
    user.fileAnswers = {InScratch("label")};
    Click(*form, "BitBtn3");
    ASSERT_EQ(user.fileRequests.size(), 1u);
    EXPECT_EQ(user.fileRequests[0].Filter, "Bitmaps (*.bmp)");
    EXPECT_EQ(user.fileRequests[0].DefaultSuffix, "bmp");
    EXPECT_FALSE(user.fileRequests[0].ConfirmOverwrite);
    QImage saved;
    ASSERT_TRUE(saved.load(InScratch("label.bmp"), "BMP"));
    EXPECT_EQ(saved.size(), QSize(picture.Width(), picture.Height()));
    // Read back with a quiet zone around it.
    QImage framed(saved.width() + 40, saved.height() + 40, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(20, 20, saved);
    const auto decoded = DecodeImage(framed, ZXing::BarcodeFormat::Code128);
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0].text, "VORDA-0001");

    // Any other extension is still a Windows bitmap, and an existing file is replaced.
    std::ofstream("picture.dat") << "old";
    user.fileAnswers = {InScratch("picture.dat")};
    Click(*form, "BitBtn3");
    QFile dat(InScratch("picture.dat"));
    ASSERT_TRUE(dat.open(QIODevice::ReadOnly));
    EXPECT_EQ(dat.read(2), "BM");

    // Cancelled: nothing written. Unwritable: the error, the window goes on.
    const auto filesBefore = QDir(scratch.path()).entryList(QDir::Files);
    Click(*form, "BitBtn3");
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files), filesBefore);
    user.fileAnswers = {InScratch("missing/folder/label.bmp")};
    Click(*form, "BitBtn3");
    ASSERT_EQ(user.errors.size(), 1u);
    EXPECT_TRUE(user.errors[0].startsWith("Cannot create file")) << user.errors[0].toStdString();
    EXPECT_GT(picture.Width(), 0);

    // No barcode drawn since start (Print Barcode off): no file and no message.
    Click(*form, "printBarcode");
    form->close();
    auto second = Open();
    EXPECT_EQ(second->Job().barcodeImage.Width(), 0);
    user.fileAnswers = {InScratch("empty")};
    Click(*second, "BitBtn3");
    EXPECT_FALSE(QFile::exists(InScratch("empty.bmp")));
    EXPECT_EQ(user.errors.size(), 1u);
    EXPECT_TRUE(user.information.empty());
}

TEST_F(Commands, PrintToThePdfFileEntryContinuesTheNumbering) {
    auto form = Open();
    Choose(*form, "printer", "PDF file");
    Find<QLineEdit>(*form, "pageNo")->setText("2");
    // Cancelling the file dialog prints nothing.
    Click(*form, "print");
    EXPECT_EQ(Find<QLineEdit>(*form, "value")->text(), "1");
    ASSERT_EQ(user.fileRequests.size(), 1u);
    EXPECT_EQ(user.fileRequests[0].DefaultSuffix, "pdf");

    user.fileAnswers = {InScratch("labels")}; // ".pdf" is added
    Click(*form, "print");
    QFile pdf(InScratch("labels.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
    // 60 labels printed: the boxes continue at 61 and the preview shows the next sheet.
    EXPECT_EQ(Find<QLineEdit>(*form, "value")->text(), "61");
    EXPECT_EQ(Find<QLineEdit>(*form, "barcodeText")->text(), "VORDA-");
    EXPECT_EQ(form->Job().Settings.initialValue, 61);
    // The next run goes to a file again only when one is named.
    EXPECT_TRUE(form->Job().PagePreview1.GetPagePrinter().PdfFile().empty());
    EXPECT_TRUE(user.errors.empty() && user.information.empty());
    // The continuation is what the job file keeps.
    form->close();
    EXPECT_EQ(ReadJobFile("Qubrin.cfg").Record.initialValue, 61);
}

TEST_F(Commands, CancellingAPrintRunPrintsNothing) {
    auto form = Open();
    Choose(*form, "printer", "PDF file");
    Find<QLineEdit>(*form, "pageNo")->setText("3");
    user.fileAnswers = {InScratch("cancelled.pdf")};
    user.cancelAtPage = 2;
    // While the run goes on (the progress lets the window repaint), the preview keeps showing
    // the last finished sheet, not the page being printed.
    QWidget* sheet = form->PreviewView().Sheet();
    const QImage before = sheet->grab().toImage();
    std::vector<bool> unchanged;
    user.onProgress = [&](int) { unchanged.push_back(sheet->grab().toImage() == before); };
    Click(*form, "print");
    EXPECT_EQ(unchanged, (std::vector<bool>{true, true}));
    user.onProgress = nullptr;
    EXPECT_EQ(user.progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}}));
    EXPECT_EQ(user.progressEnds, 1);
    EXPECT_EQ(user.information,
              std::vector<QString>{"The print run was cancelled; nothing was printed."});
    EXPECT_FALSE(QFile::exists(InScratch("cancelled.pdf")));
    EXPECT_EQ(Find<QLineEdit>(*form, "value")->text(), "1");
    // Cancelled or not, the progress ends with the command; the next run prints.
    user.fileAnswers = {InScratch("printed.pdf")};
    user.cancelAtPage = 0;
    Click(*form, "print");
    EXPECT_EQ(user.progressEnds, 2);
    EXPECT_TRUE(QFile::exists(InScratch("printed.pdf")));
    EXPECT_EQ(Find<QLineEdit>(*form, "value")->text(), "91");
}

// A real print queue, when the test scripts provide one (CUPS with its PDF printer).
TEST_F(Commands, PrintToTheTestPrinterContinuesTheNumbering) {
    const QString queue = qEnvironmentVariable("QUBRIN_TEST_PRINTER");
    if (queue.isEmpty()) GTEST_SKIP() << "QUBRIN_TEST_PRINTER names no print queue";
    auto form = Open();
    Choose(*form, "printer", queue);
    ASSERT_EQ(Find<QComboBox>(*form, "printer")->currentText(), queue);
    Find<QLineEdit>(*form, "value")->setText("101");
    Click(*form, "print");
    EXPECT_TRUE(user.errors.empty()) << (user.errors.empty() ? "" : user.errors[0].toStdString());
    EXPECT_TRUE(user.fileRequests.empty());
    EXPECT_EQ(Find<QLineEdit>(*form, "value")->text(), "131");
}

TEST_F(Commands, CloseWithAValueThatDoesNotConvert) {
    auto form = Open();
    form->show();
    Find<QLineEdit>(*form, "string1")->setText("Batch 7");
    Find<QLineEdit>(*form, "value")->setText("12x");
    Click(*form, "BitBtn1"); // Exit
    EXPECT_EQ(user.errors, std::vector<QString>{"'12x' is not a valid integer value."});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Job().barcodeImage.Width(), 0); // released
    // Written all the same, as far as it was gathered: the value and everything after it keep
    // the values of the last preview.
    ASSERT_EQ(QFileInfo(InScratch("Qubrin.cfg")).size(), qint64(JobFileSize));
    const TJobFileContents saved = ReadJobFile("Qubrin.cfg");
    EXPECT_STREQ(saved.Record.initialString, "VORDA-");
    EXPECT_EQ(saved.Record.initialValue, 1);
    EXPECT_STREQ(saved.Record.text1, "Vorda Technology Co.");
}

TEST_F(Commands, AcceleratorsRunTheirButtons) {
    auto form = Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // A mnemonic presses its button visibly and clicks it a moment later.
    QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier); // &Font
    EXPECT_TRUE(QTest::qWaitFor([&] { return user.fontsOffered.size() == 1; }, 2000));
    QTest::keyClick(form.get(), Qt::Key_S, Qt::AltModifier); // &Save
    EXPECT_TRUE(QTest::qWaitFor([&] { return user.fileRequests.size() == 1; }, 2000));
    QTest::keyClick(form.get(), Qt::Key_E, Qt::AltModifier); // &Exit
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 2000));
    EXPECT_TRUE(QFile::exists("Qubrin.cfg"));
}

TEST_F(Commands, HelpOpensTheLocalPageElseTheInstalledOne) {
    QTemporaryDir installed;
    const QString installedPage = QDir(installed.path()).filePath("Qubrin.htm");
    QFile(installedPage).open(QIODevice::WriteOnly);
    {
        auto form = Open(installedPage);
        Click(*form, "helpButton");
        EXPECT_EQ(user.opened, std::vector<QString>{installedPage});
    }
    QFile(InScratch("Qubrin.htm")).open(QIODevice::WriteOnly);
    {
        user.opened.clear();
        auto form = Open(installedPage);
        Click(*form, "helpButton");
        EXPECT_EQ(user.opened, std::vector<QString>{InScratch("Qubrin.htm")});
    }
    // Neither: nothing opens and nothing is said.
    QFile::remove(InScratch("Qubrin.htm"));
    QFile::remove(installedPage);
    user.opened.clear();
    auto form = Open(installedPage);
    Click(*form, "helpButton");
    EXPECT_TRUE(user.opened.empty());
    EXPECT_TRUE(user.information.empty() && user.errors.empty());
}

} // namespace
