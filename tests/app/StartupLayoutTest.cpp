// The window as it opens: its controls, their defaults and places, the job loaded from
// Qubrin.cfg, and the layout when the window is resized.
#include "WindowTestSupport.h"

#include "Canvas.h"
#include "JobFile.h"
#include "PagePreviewView.h"
#include "TGradientButton.h"
#include "TUpDown.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <cstring>
#include <fstream>

namespace {

std::size_t SymbolCount(const TPage& page) {
    std::size_t n = 0;
    for (const auto& item : page.Items)
        n += std::holds_alternative<TPageSymbol>(item);
    return n;
}

// The caption label that names a control (its buddy).
QString CaptionOf(const QWidget& window, const QWidget* control) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == control) return label->text();
    return QString();
}

QColor BaseColor(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

using Startup = WindowTest;

TEST_F(Startup, WithoutAJobFileShowsTheDefaultsAndTheFirstSheet) {
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Barcode Printing System");
    // Every edit box: its caption and its default.
    struct Box {
        const char* name;
        const char* caption; // empty: the caption is shared or there is none
        const char* text;
        bool readOnly;
    } boxes[] = {
        {"barcodeText", "Initial String:", "VORDA-", false},
        {"value", "Initial Value:", "1", false},
        {"increment", "Increment:", "1", false},
        {"length", "Length:", "4", true},
        {"barHeight", "Height:", "10", false},
        {"horizontal", "Left:", "5", false},
        {"vertical", "Top:", "10", false},
        {"string1", "Text 1:", "Vorda Technology Co.", false},
        {"string1H", "Left:", "5", false},
        {"string1V", "Top:", "0", false},
        {"string2", "Text 2:", "Product: Barcode", false},
        {"string2H", "Left:", "5", false},
        {"string2V", "Top:", "3", false},
        {"string3", "Text 3:", "Price: HK $500", false},
        {"string3H", "Left:", "5", false},
        {"string3V", "Top:", "6", false},
        {"pageHeight", "Height:", "297", true},
        {"pageWidth", "Width:", "210", true},
        {"pageNo", "Page:", "1", false},
        {"topMargin", "Top (mm)", "15", false},
        {"bottomMargin", "Bottom (mm)", "15", false},
        {"leftMargin", "Left (mm)", "10", false},
        {"rightMargin", "Right (mm)", "10", false},
        {"cellHeight", "Height:", "27", false},
        {"cellWidth", "Width:", "63", false},
        {"col", "Column:", "3", false},
        {"row", "Row:", "10", false},
    };
    for (const Box& b : boxes) {
        auto* edit = Find<QLineEdit>(*form, b.name);
        if (!edit) continue;
        EXPECT_EQ(CaptionOf(*form, edit), b.caption) << b.name;
        EXPECT_EQ(edit->text(), b.text) << b.name;
        EXPECT_EQ(edit->isReadOnly(), b.readOnly) << b.name;
        // Read-only boxes are silver (C0C0C0), the others white.
        EXPECT_EQ(BaseColor(edit), b.readOnly ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white))
            << b.name;
    }
    // The fixed lists accept no typed text.
    struct List {
        const char* name;
        const char* caption;
        QStringList items;
        const char* selected;
    } lists[] = {
        {"codeFormat",
         "Format:",
         {"Code 128", "EAN128", "Code 39", "Code 93", "Code 25", "EAN13", "EAN8", "UPC_A"},
         "Code 128"},
        {"pageSize",
         "Page Size:",
         {"A3", "A4", "A5", "A6", "B5", "C5", "Letter", "Legal", "Custom"},
         "A4"},
    };
    for (const List& l : lists) {
        auto* combo = Find<QComboBox>(*form, l.name);
        if (!combo) continue;
        EXPECT_FALSE(combo->isEditable()) << l.name;
        EXPECT_EQ(CaptionOf(*form, combo), l.caption) << l.name;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, l.items) << l.name;
        EXPECT_EQ(combo->currentText(), l.selected) << l.name;
    }
    // The printer list: the system's printers, the PDF file entry last, the default selected.
    auto* printer = Find<QComboBox>(*form, "printer");
    ASSERT_NE(printer, nullptr);
    EXPECT_FALSE(printer->isEditable());
    EXPECT_EQ(CaptionOf(*form, printer), "Printer:");
    EXPECT_EQ(printer->itemText(printer->count() - 1), "PDF file");
    EXPECT_EQ(printer->count(), int(TPagePrinter::Printers().size()) + 1);
    EXPECT_EQ(printer->currentIndex(), TPagePrinter::DefaultPrinterIndex());
    for (const char* name : {"displayText", "printBarcode", "printString"}) {
        auto* check = Find<QCheckBox>(*form, name);
        EXPECT_TRUE(check && check->isChecked()) << name;
    }
    // The first sheet is previewed: 30 labels, and the first one's picture is drawn.
    TLabelJob& job = form->Job();
    EXPECT_EQ(SymbolCount(job.PagePreview1.Page(0)), 30u);
    EXPECT_GT(job.barcodeImage.Width(), 0);
    EXPECT_EQ(job.Barcode1.GetShowText(), bcoCode);
    EXPECT_EQ(job.PagePreview1.GetZoom(), 100);
    EXPECT_TRUE(user.information.empty());
    EXPECT_TRUE(user.errors.empty());
}

TEST_F(Startup, FromAStoredJob) {
    // A job with a Custom page of 100 × 50 mm, a printer index beyond the list and Display Text
    // off, written as the program writes it.
    {
        auto first = Open();
        first->close();
    }
    TJobFileContents stored = ReadJobFile("Qubrin.cfg");
    ASSERT_TRUE(stored.Opened);
    stored.Record.pageSizeIndex = 8;
    stored.Record.pageHeight = 50;
    stored.Record.pageWidth = 100;
    stored.Record.printerIndex = 99;
    stored.Record.displayText = 0;
    std::strcpy(stored.Record.initialString, "LOT-");
    stored.Record.initialValue = 41;
    std::ofstream("Qubrin.cfg", std::ios::binary) << JobFileBytes(stored.Record, stored.Fonts);

    auto form = Open();
    EXPECT_EQ(Find<QComboBox>(*form, "pageSize")->currentText(), "Custom");
    for (const auto& [name, text] :
         {std::pair{"pageHeight", "50"}, std::pair{"pageWidth", "100"}}) {
        auto* edit = Find<QLineEdit>(*form, name);
        EXPECT_EQ(edit->text(), text) << name;
        EXPECT_FALSE(edit->isReadOnly()) << name;
        EXPECT_EQ(BaseColor(edit), QColor(Qt::white)) << name;
    }
    EXPECT_EQ(form->Job().PagePreview1.Page(0).WidthMm, 100);
    EXPECT_EQ(form->Job().PagePreview1.Page(0).HeightMm, 50);
    EXPECT_EQ(Find<QComboBox>(*form, "printer")->currentIndex(),
              TPagePrinter::DefaultPrinterIndex());
    EXPECT_FALSE(Find<QCheckBox>(*form, "displayText")->isChecked());
    EXPECT_EQ(form->Job().Barcode1.GetShowText(), bcoNone);
    EXPECT_EQ(Find<QLineEdit>(*form, "barcodeText")->text(), "LOT-");
    EXPECT_EQ(Find<QLineEdit>(*form, "value")->text(), "41");
    EXPECT_TRUE(user.errors.empty());
}

TEST_F(Startup, MaximisedOnAScreenOfExactly800By600) {
    struct Case {
        QSize screen;
        bool maximised;
        QPoint place; // of the designed outer rectangle, centred
    } cases[] = {
        {{800, 600}, true, {0, 0}},
        {{800, 601}, false, {0, 0}},
        {{1024, 768}, false, {98, 82}},
        {{1920, 1080}, false, {546, 238}},
    };
    for (const Case& c : cases) {
        user.screen = c.screen;
        auto form = Open();
        EXPECT_EQ(form->windowState().testFlag(Qt::WindowMaximized), c.maximised)
            << c.screen.width();
        if (!c.maximised) {
            EXPECT_EQ(form->size(), TBarCodeForm::DesignClientSize);
            EXPECT_EQ(form->pos(), c.place) << c.screen.width() << "x" << c.screen.height();
        }
    }
}

// The places of the layout table, in pixels of the client area.
struct Place {
    const char* name;
    QRect rect;
};
const Place FixedPlaces[] = {
    {"GroupBox4", {8, 9, 441, 112}},       {"GroupBox5", {8, 128, 441, 97}},
    {"GroupBox1", {8, 232, 369, 145}},     {"GroupBox3", {8, 384, 369, 81}},
    {"printer", {56, 473, 321, 21}},       {"Label22", {384, 248, 70, 208}},
    {"PagePreview1", {456, 16, 321, 441}}, {"settingButton", {462, 464, 91, 30}},
    {"refresh", {558, 464, 70, 30}},       {"zoomIn", {632, 464, 70, 30}},
    {"zoomOut", {704, 464, 81, 30}},
};

QRect InClientArea(const QWidget& window, const QWidget* w) {
    return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
}

TEST_F(Startup, LayoutAndResizing) {
    auto form = Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(Find<QGroupBox>(*form, "GroupBox2")->geometry(), QRect(152, 8, 201, 129));
    const QString titles[][2] = {{"GroupBox4", "Barcode Setting"},
                                 {"GroupBox5", "Text Setting"},
                                 {"GroupBox1", "Page Setup"},
                                 {"GroupBox2", "Margin"},
                                 {"GroupBox3", "Cell Setting"}};
    for (const auto& t : titles)
        EXPECT_EQ(Find<QGroupBox>(*form, t[0].toLatin1().constData())->title(), t[1]);

    // Captions with their accelerators; the three text-line font buttons show only a glyph.
    const char* captions[][2] = {
        {"fontButton", "&Font"}, {"BitBtn3", "&Save"},  {"settingButton", "Setup Wizard"},
        {"refresh", "&Preview"}, {"zoomIn", "Zoom In"}, {"zoomOut", "Zoom Out"},
        {"helpButton", "Help"},  {"print", "&Print"},   {"BitBtn1", "&Exit"},
        {"string1F", ""},        {"string2F", ""},      {"string3F", ""},
    };
    for (const auto& c : captions) {
        auto* b = Find<TGradientButton>(*form, c[0]);
        if (!b) continue;
        EXPECT_EQ(b->text(), c[1]) << c[0];
        EXPECT_NE(b->Glyph(), TButtonGlyph::None) << c[0];
        EXPECT_EQ(b->ColorScheme(), csDesert) << c[0];
    }

    // No caption is cut off: every label, check box and button is as wide as its text needs.
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (label->wordWrap()) continue;
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
    }
    for (const QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty()) continue;
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->text().toStdString();
    }
    // Every control lies inside the group box that holds it.
    for (const QGroupBox* group : form->findChildren<QGroupBox*>())
        for (const QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(group->rect().contains(child->geometry()))
                << child->objectName().toStdString() << " in " << group->objectName().toStdString();

    // The hint's words all fit its box.
    auto* hint = Find<QLabel>(*form, "Label22");
    EXPECT_LE(hint->heightForWidth(hint->width()), hint->height());

    // Resizing: the bottom strip stays on the bottom edge, its buttons on the right edge, and
    // every other control where it was.
    for (const QSize size : {TBarCodeForm::DesignClientSize, QSize(1000, 700), QSize(900, 580)}) {
        form->resize(size);
        for (const Place& p : FixedPlaces)
            EXPECT_EQ(InClientArea(*form, Find<QWidget>(*form, p.name)), p.rect) << p.name;
        const char* buttons[] = {"helpButton", "print", "BitBtn1"};
        for (int i = 0; i < 3; ++i) {
            const QRect place(size.width() - 225 + 75 * i, size.height() - 52, 75, 52);
            EXPECT_EQ(InClientArea(*form, Find<QWidget>(*form, buttons[i])), place)
                << buttons[i] << " at " << size.width() << "x" << size.height();
        }
        EXPECT_EQ(InClientArea(*form, Find<QWidget>(*form, "bottomPanel")),
                  QRect(0, size.height() - 52, size.width(), 52));
    }
    // The window's font: "MS Sans Serif" of 11 pixels (substituted by the system's free font).
    EXPECT_EQ(form->font().families().value(0), "MS Sans Serif");
    EXPECT_EQ(form->font().pixelSize(), 11);
}

TEST_F(Startup, SpinnersAreBoundToTheirBoxes) {
    auto form = Open();
    struct Case {
        const char* spinner;
        const char* box;
        int min, max, start;
    } cases[] = {{"lenUpDown", "length", 0, 40, 4}, {"heightUpDown", "barHeight", 1, 100, 10}};
    for (const Case& c : cases) {
        auto* spinner = Find<TUpDown>(*form, c.spinner);
        auto* box = Find<QLineEdit>(*form, c.box);
        ASSERT_TRUE(spinner && box);
        EXPECT_EQ(spinner->Associate(), box) << c.spinner;
        EXPECT_EQ(spinner->Min(), c.min) << c.spinner;
        EXPECT_EQ(spinner->Max(), c.max) << c.spinner;
        EXPECT_EQ(spinner->Position(), c.start) << c.spinner;
        QTest::mouseClick(spinner->UpButton(), Qt::LeftButton);
        EXPECT_EQ(box->text(), QString::number(c.start + 1)) << c.spinner;
        // No wrap-around at either end.
        for (int i = 0; i < c.max + 5; ++i)
            spinner->StepBy(1);
        EXPECT_EQ(box->text(), QString::number(c.max)) << c.spinner;
        for (int i = 0; i < c.max + 5; ++i)
            QTest::mouseClick(spinner->DownButton(), Qt::LeftButton);
        EXPECT_EQ(box->text(), QString::number(c.min)) << c.spinner;
    }
    // A bar height typed into its box is where the spinner goes on from; a typed value beyond
    // the range is held in it.
    auto* barHeight = Find<QLineEdit>(*form, "barHeight");
    barHeight->setText("50");
    QTest::mouseClick(Find<TUpDown>(*form, "heightUpDown")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(barHeight->text(), "51");
    barHeight->setText("500");
    QTest::keyClick(barHeight, Qt::Key_Down);
    EXPECT_EQ(barHeight->text(), "99");
    // The read-only Length box changes only through its spinner, which the next preview gathers.
    auto* length = Find<QLineEdit>(*form, "length");
    EXPECT_TRUE(length->isReadOnly());
    length->setFocus();
    QTest::keyClick(length, Qt::Key_Up);
    QTest::keyClick(length, Qt::Key_Up);
    EXPECT_EQ(length->text(), "2");
    Click(*form, "refresh");
    EXPECT_EQ(form->Job().Settings.length, 2);
    EXPECT_EQ(form->Job().Barcode1.GetText(), "VORDA-30");
}

} // namespace
