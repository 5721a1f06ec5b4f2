#include "TBarCodeForm.h"

#include "Ansi.h"
#include "Canvas.h"
#include "Exceptions.h"
#include "PagePreviewView.h"
#include "SetupWizard.h"
#include "TGradientButton.h"
#include "TSettingWizardForm.h"
#include "TUpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QWindow>

#include <cmath>

namespace {

constexpr const char* HelpFileName = "Qubrin.htm";
constexpr int EditHeight = 21;

// The system's decimal separator, where it is one byte of the code page; '.' otherwise.
char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? char(point[0].unicode()) : '.';
}

// A toolkit font as the widgets show it: the same face (or its stand-in) and pixel height, with
// the screen's usual smoothing.
QFont WidgetFont(const TFont& font) {
    QFont result = ToQFont(font);
    result.setStyleStrategy(QFont::PreferDefault);
    return result;
}

// The window's own font: "MS Sans Serif" of height -11, 8 points.
QFont WindowFont() {
    return WidgetFont(TFont("MS Sans Serif", -11));
}

// The font dialog works in points; the toolkit's negative heights are pixels at 96 to the inch.
QFont DialogFont(const TFont& font) {
    QFont result = WidgetFont(font);
    if (font.Height < 0) result.setPointSizeF(-font.Height * 72.0 / ScreenPixelsPerInch);
    return result;
}

// The dialog's choice as a toolkit font; the character set and the colour stay as they were
// (the dialog offers neither).
TFont FontFromDialog(const QFont& chosen, const TFont& previous) {
    TFont font = previous;
    font.Name = QStringToAnsi(chosen.family());
    const int pixels = chosen.pixelSize() > 0
                           ? chosen.pixelSize()
                           : int(std::lround(chosen.pointSizeF() * ScreenPixelsPerInch / 72.0));
    font.Height = -std::max(1, pixels);
    font.Style = (chosen.weight() >= QFont::DemiBold ? fsBold : 0) |
                 (chosen.italic() ? fsItalic : 0) | (chosen.underline() ? fsUnderline : 0) |
                 (chosen.strikeOut() ? fsStrikeOut : 0);
    return font;
}

std::filesystem::path LocalPath(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

// A name without an extension gets the dialog's default one.
QString WithExtension(const QString& file, const QString& extension) {
    return QFileInfo(file).suffix().isEmpty() ? file + "." + extension : file;
}

QLabel* Caption(QWidget* parent, const QString& text, const QRect& place, QWidget* buddy = nullptr,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(alignment);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& title, const QRect& place) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(place);
    return group;
}

} // namespace

TBarCodeForm::TBarCodeForm(IUserInteraction& ui, QString installedHelpFile, QWidget* parent)
    : QWidget(parent), ui_(ui), installedHelpFile_(std::move(installedHelpFile)),
      job_(*this, SystemDecimalSeparator()) {
    // 1. The window and its controls.
    setObjectName("BarCodeForm");
    setWindowTitle("Barcode Printing System");
    setFont(WindowFont());
    BuildControls();
    resize(DesignClientSize);
    const QSize screen = ui_.ScreenSize();
    move(std::max(0, (screen.width() - DesignOuterSize.width()) / 2),
         std::max(0, (screen.height() - DesignOuterSize.height()) / 2));
    // 2. Maximised on a screen of exactly 800 × 600.
    if (screen == QSize(800, 600)) setWindowState(windowState() | Qt::WindowMaximized);
    // 3. The printers; a system without any still opens the window (with the PDF file entry).
    job_.FillPrinterList();
    // 4. barcodeImage is the job's, empty until the first preview.
    // 5 to 7. The job from Qubrin.cfg or the defaults, the symbol's place, the page size.
    job_.PagePreview1.OnChange = [this] { preview_->Refresh(); };
    job_.LoadAtStart(JobFileName);
    // 8. The first sheet.
    job_.refreshClick();
    WidgetsFromControls();
    preview_->Refresh();
}

TBarCodeForm::~TBarCodeForm() {
    job_.PagePreview1.OnChange = nullptr;
}

QString TBarCodeForm::InstalledHelpFile() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(HelpFileName);
    if (QFileInfo::exists(beside)) return beside;
    return QDir::cleanPath(programDir.filePath(QUBRIN_HELP_FROM_BINDIR));
}

// Layout: positions in pixels of the client area, or of the group box that holds the control.
void TBarCodeForm::BuildControls() {
    TJobControls& c = job_.Controls;
    using G = TButtonGlyph;
    auto button = [this](QWidget* parent, const char* name, const QString& caption, G glyph,
                         const QRect& place, void (TBarCodeForm::*handler)()) {
        auto* b = new TGradientButton(caption, glyph, parent);
        b->setObjectName(name);
        b->SetColorScheme(csDesert);
        b->setGeometry(place);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };

    // Barcode Setting
    QGroupBox* barcode = Group(this, "GroupBox4", "Barcode Setting", {8, 9, 441, 112});
    barcodeText_ = Edit(barcode, "barcodeText", c.barcodeText, {76, 20, 174, EditHeight}, true);
    Caption(barcode, "Initial String:", {8, 20, 66, EditHeight}, barcodeText_);
    button(barcode, "fontButton", "&Font", G::Font, {258, 18, 82, 25},
           &TBarCodeForm::fontButtonClick);
    button(barcode, "BitBtn3", "&Save", G::Save, {346, 18, 82, 25}, &TBarCodeForm::BitBtn3Click);
    QLineEdit* value = Edit(barcode, "value", c.value, {76, 50, 44, EditHeight});
    Caption(barcode, "Initial Value:", {8, 50, 66, EditHeight}, value);
    QLineEdit* increment = Edit(barcode, "increment", c.increment, {182, 50, 36, EditHeight});
    Caption(barcode, "Increment:", {126, 50, 55, EditHeight}, increment);
    QLineEdit* length = Edit(barcode, "length", c.length, {264, 50, 26, EditHeight});
    Caption(barcode, "Length:", {225, 50, 39, EditHeight}, length);
    Spinner(barcode, "lenUpDown", length, c.lenUpDown, {290, 50, 15, EditHeight});
    QLineEdit* barHeight = Edit(barcode, "barHeight", c.barHeight, {350, 50, 26, EditHeight});
    Caption(barcode, "Height:", {312, 50, 37, EditHeight}, barHeight);
    Spinner(barcode, "heightUpDown", barHeight, c.heightUpDown, {376, 50, 15, EditHeight});
    Caption(barcode, "(mm)", {395, 50, 30, EditHeight});
    Check(barcode, "displayText", "Display Text", c.displayText, {8, 80, 92, EditHeight});
    QComboBox* format = List(barcode, "codeFormat", c.codeFormat, {146, 80, 84, EditHeight});
    Caption(barcode, "Format:", {102, 80, 42, EditHeight}, format);
    QLineEdit* horizontal = Edit(barcode, "horizontal", c.horizontal, {264, 80, 40, EditHeight});
    Caption(barcode, "Left:", {238, 80, 25, EditHeight}, horizontal);
    QLineEdit* vertical = Edit(barcode, "vertical", c.vertical, {340, 80, 40, EditHeight});
    Caption(barcode, "Top:", {314, 80, 25, EditHeight}, vertical);

    // Text Setting: three lines of text, offsets and font button.
    QGroupBox* text = Group(this, "GroupBox5", "Text Setting", {8, 128, 441, 97});
    struct Line {
        const char* name;
        const char* left;
        const char* top;
        const char* fontButton;
        TEditControl *box, *boxLeft, *boxTop;
        void (TBarCodeForm::*handler)();
    } lines[] = {
        {"string1", "string1H", "string1V", "string1F", &c.string1, &c.string1H, &c.string1V,
         &TBarCodeForm::string1FClick},
        {"string2", "string2H", "string2V", "string2F", &c.string2, &c.string2H, &c.string2V,
         &TBarCodeForm::string2FClick},
        {"string3", "string3H", "string3V", "string3F", &c.string3, &c.string3H, &c.string3V,
         &TBarCodeForm::string3FClick},
    };
    for (int i = 0; i < 3; ++i) {
        const Line& line = lines[i];
        const int y = 18 + 26 * i;
        QLineEdit* box = Edit(text, line.name, *line.box, {48, y, 230, EditHeight}, true);
        Caption(text, QString("Text %1:").arg(i + 1), {8, y, 38, EditHeight}, box);
        QLineEdit* left = Edit(text, line.left, *line.boxLeft, {308, y, 34, EditHeight});
        Caption(text, "Left:", {283, y, 25, EditHeight}, left);
        QLineEdit* top = Edit(text, line.top, *line.boxTop, {372, y, 34, EditHeight});
        Caption(text, "Top:", {347, y, 25, EditHeight}, top);
        auto* font = button(text, line.fontButton, QString(), G::Font, {410, y, 23, EditHeight},
                            line.handler);
        font->setToolTip(QString("Font of text %1").arg(i + 1));
    }

    // Page Setup, with the margins around the centre of their own group.
    QGroupBox* page = Group(this, "GroupBox1", "Page Setup", {8, 232, 369, 145});
    QComboBox* pageSize = List(page, "pageSize", c.pageSize, {64, 20, 80, EditHeight});
    Caption(page, "Page Size:", {8, 20, 56, EditHeight}, pageSize);
    QLineEdit* pageHeight = Edit(page, "pageHeight", c.pageHeight, {64, 48, 52, EditHeight});
    Caption(page, "Height:", {8, 48, 56, EditHeight}, pageHeight);
    Caption(page, "(mm)", {119, 48, 30, EditHeight});
    QLineEdit* pageWidth = Edit(page, "pageWidth", c.pageWidth, {64, 76, 52, EditHeight});
    Caption(page, "Width:", {8, 76, 56, EditHeight}, pageWidth);
    Caption(page, "(mm)", {119, 76, 30, EditHeight});
    QLineEdit* pageNo = Edit(page, "pageNo", c.pageNo, {64, 104, 52, EditHeight});
    Caption(page, "Page:", {8, 104, 56, EditHeight}, pageNo);
    QGroupBox* margin = Group(page, "GroupBox2", "Margin", {152, 8, 201, 129});
    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    QLineEdit* top = Edit(margin, "topMargin", c.topMargin, {75, 32, 50, EditHeight});
    Caption(margin, "Top (mm)", {60, 16, 80, 16}, top, centred);
    QLineEdit* left = Edit(margin, "leftMargin", c.leftMargin, {8, 66, 50, EditHeight});
    Caption(margin, "Left (mm)", {8, 50, 60, 16}, left);
    QLineEdit* right = Edit(margin, "rightMargin", c.rightMargin, {143, 66, 50, EditHeight});
    Caption(margin, "Right (mm)", {135, 50, 62, 16}, right, Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* bottom = Edit(margin, "bottomMargin", c.bottomMargin, {75, 102, 50, EditHeight});
    Caption(margin, "Bottom (mm)", {60, 86, 80, 16}, bottom, centred);

    // Cell Setting
    QGroupBox* cell = Group(this, "GroupBox3", "Cell Setting", {8, 384, 369, 81});
    QLineEdit* cellHeight = Edit(cell, "cellHeight", c.cellHeight, {54, 20, 44, EditHeight});
    Caption(cell, "Height:", {8, 20, 44, EditHeight}, cellHeight);
    Caption(cell, "(mm)", {101, 20, 30, EditHeight});
    QLineEdit* cellWidth = Edit(cell, "cellWidth", c.cellWidth, {180, 20, 44, EditHeight});
    Caption(cell, "Width:", {138, 20, 40, EditHeight}, cellWidth);
    Caption(cell, "(mm)", {227, 20, 30, EditHeight});
    QLineEdit* col = Edit(cell, "col", c.col, {54, 48, 44, EditHeight});
    Caption(cell, "Column:", {8, 48, 44, EditHeight}, col);
    QLineEdit* row = Edit(cell, "row", c.row, {180, 48, 44, EditHeight});
    Caption(cell, "Row:", {138, 48, 40, EditHeight}, row);
    Check(cell, "printBarcode", "Print Barcode", c.printBarcode, {264, 20, 98, EditHeight});
    Check(cell, "printString", "Print Text", c.printString, {264, 48, 98, EditHeight});

    // The printer.
    QComboBox* printer = List(this, "printer", c.printer, {56, 473, 321, EditHeight});
    Caption(this, "Printer:", {15, 473, 40, EditHeight}, printer);

    // The hint beside the groups.
    QLabel* hint = Caption(this,
                           "Hints: Change the values and press [Preview] button to preview, or "
                           "[Setup Wizard] to setup. Finally press [Print] button to print the "
                           "barcode.",
                           {384, 248, 70, 208}, nullptr, Qt::AlignLeft | Qt::AlignTop);
    hint->setObjectName("Label22");
    hint->setWordWrap(true);
    QPalette grey = hint->palette();
    grey.setColor(QPalette::WindowText, ToQColor(clGray));
    hint->setPalette(grey);

    // The preview and the buttons under it.
    preview_ = new TPagePreviewView(job_.PagePreview1, this);
    preview_->setObjectName("PagePreview1");
    preview_->setGeometry(456, 16, 321, 441);
    button(this, "settingButton", "Setup Wizard", G::Wizard, {462, 464, 91, 30},
           &TBarCodeForm::settingButtonClick);
    button(this, "refresh", "&Preview", G::Preview, {558, 464, 70, 30},
           &TBarCodeForm::refreshClick);
    button(this, "zoomIn", "Zoom In", G::ZoomIn, {632, 464, 70, 30}, &TBarCodeForm::zoomInClick);
    button(this, "zoomOut", "Zoom Out", G::ZoomOut, {704, 464, 81, 30},
           &TBarCodeForm::zoomOutClick);

    // The bottom strip, its button group on the right edge.
    auto* strip = new QFrame(this);
    strip->setObjectName("bottomPanel");
    strip->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bottomPanel_ = strip;
    bottomButtons_ = new QWidget(strip);
    bottomButtons_->setObjectName("bottomButtons");
    button(bottomButtons_, "helpButton", "Help", G::Help, {0, 0, 75, 52},
           &TBarCodeForm::helpButtonClick);
    button(bottomButtons_, "print", "&Print", G::Print, {75, 0, 75, 52}, &TBarCodeForm::printClick);
    button(bottomButtons_, "BitBtn1", "&Exit", G::Exit, {150, 0, 75, 52},
           &TBarCodeForm::BitBtn1Click);
    bottomButtons_->resize(3 * 75, BottomStripHeight);

    // The handlers of the lists and check boxes run on the user's choice only.
    connect(pageSize, &QComboBox::activated, this, [this] { pageSizeChange(); });
    connect(format, &QComboBox::activated, this, [this] { codeFormatChange(); });
    for (const CheckBinding& check : checks_)
        connect(check.widget, &QCheckBox::clicked, this, [this] { displayTextClick(); });
}

QLineEdit* TBarCodeForm::Edit(QWidget* parent, const char* name, TEditControl& model,
                              const QRect& place, bool ownFont) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(place);
    edits_.push_back({edit, &model, ownFont});
    return edit;
}

QComboBox* TBarCodeForm::List(QWidget* parent, const char* name, TListControl& model,
                              const QRect& place) {
    auto* list = new QComboBox(parent); // not editable: a fixed list
    list->setObjectName(name);
    list->setGeometry(place);
    lists_.push_back({list, &model});
    return list;
}

QCheckBox* TBarCodeForm::Check(QWidget* parent, const char* name, const QString& caption,
                               TCheckControl& model, const QRect& place) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setGeometry(place);
    checks_.push_back({check, &model});
    return check;
}

TUpDown* TBarCodeForm::Spinner(QWidget* parent, const char* name, QLineEdit* associate,
                               TUpDownControl& model, const QRect& place) {
    auto* spinner = new TUpDown(associate, model.Min, model.Max, model.Position, parent);
    spinner->setObjectName(name);
    spinner->setGeometry(place);
    spinners_.push_back({spinner, &model});
    return spinner;
}

void TBarCodeForm::ControlsFromWidgets() {
    for (const EditBinding& e : edits_)
        e.model->Text = QStringToAnsi(e.widget->text());
    for (const ListBinding& l : lists_)
        l.model->SetItemIndex(l.widget->currentIndex());
    for (const CheckBinding& c : checks_)
        c.model->Checked = c.widget->isChecked();
    for (const SpinnerBinding& s : spinners_)
        s.model->Position = s.widget->Position();
}

void TBarCodeForm::WidgetsFromControls() {
    for (const EditBinding& e : edits_) {
        const QString text = AnsiToQString(e.model->Text);
        if (e.widget->text() != text) e.widget->setText(text);
        e.widget->setReadOnly(e.model->ReadOnly);
        QPalette palette = e.widget->palette();
        palette.setColor(QPalette::Base, ToQColor(e.model->Color));
        if (e.ownFont) {
            e.widget->setFont(WidgetFont(e.model->Font));
            palette.setColor(QPalette::Text, ToQColor(e.model->Font.Color));
        }
        e.widget->setPalette(palette);
    }
    for (const ListBinding& l : lists_) {
        const QSignalBlocker block(l.widget);
        QStringList items;
        for (const std::string& item : l.model->Items)
            items.append(AnsiToQString(item));
        bool same = l.widget->count() == items.size();
        for (int i = 0; same && i < items.size(); ++i)
            same = l.widget->itemText(i) == items[i];
        if (!same) {
            l.widget->clear();
            l.widget->addItems(items);
        }
        l.widget->setCurrentIndex(l.model->ItemIndex);
    }
    bool checksChanged = false;
    for (const CheckBinding& c : checks_) {
        if (c.widget->isChecked() == c.model->Checked) continue;
        const QSignalBlocker block(c.widget);
        c.widget->setChecked(c.model->Checked);
        checksChanged = true;
    }
    for (const SpinnerBinding& s : spinners_)
        s.widget->SetPosition(s.model->Position);
    // A change of the check boxes made by code applies the Display Text rule, as a click does.
    if (checksChanged) job_.displayTextClick();
}

void TBarCodeForm::Command(const std::function<void()>& body) {
    ControlsFromWidgets();
    try {
        body();
    } catch (const std::exception& e) {
        ui_.Error(this, AnsiToQString(e.what()));
    }
    WidgetsFromControls();
}

void TBarCodeForm::pageSizeChange() {
    Command([this] { job_.pageSizeChange(); });
}

void TBarCodeForm::codeFormatChange() {
    Command([this] { job_.codeFormatChange(); });
}

void TBarCodeForm::displayTextClick() {
    Command([this] { job_.displayTextClick(); });
}

void TBarCodeForm::ChooseFontFor(TEditControl& box, bool symbolText) {
    const std::optional<QFont> chosen = ui_.ChooseFont(this, DialogFont(box.Font));
    if (!chosen) return;
    box.Font = FontFromDialog(*chosen, box.Font);
    if (symbolText) job_.Barcode1.ShowTextFont().Assign(box.Font);
}

void TBarCodeForm::fontButtonClick() {
    Command([this] { ChooseFontFor(job_.Controls.barcodeText, true); });
}

void TBarCodeForm::string1FClick() {
    Command([this] { ChooseFontFor(job_.Controls.string1, false); });
}

void TBarCodeForm::string2FClick() {
    Command([this] { ChooseFontFor(job_.Controls.string2, false); });
}

void TBarCodeForm::string3FClick() {
    Command([this] { ChooseFontFor(job_.Controls.string3, false); });
}

void TBarCodeForm::zoomInClick() {
    Command([this] {
        TPagePreview& p = job_.PagePreview1;
        p.SetZoom(p.GetZoom() + p.ZoomIncrement); // held at the preview's maximum
    });
}

void TBarCodeForm::zoomOutClick() {
    Command([this] {
        // Only while a whole step fits: 100, 70, 40, 10, and there it stays.
        TPagePreview& p = job_.PagePreview1;
        if (p.ZoomIncrement < p.GetZoom()) p.SetZoom(p.GetZoom() - p.ZoomIncrement);
    });
}

void TBarCodeForm::BitBtn3Click() {
    Command([this] {
        const QString file =
            ui_.SaveFileName(this, {"Save Picture As", "Bitmaps (*.bmp)", "bmp", false});
        if (file.isEmpty()) return;
        SavePicture(WithExtension(file, "bmp"));
    });
}

// The first label's symbol as a Windows bitmap, whatever the name's extension; an existing file
// is replaced. No barcode drawn yet: no file.
void TBarCodeForm::SavePicture(const QString& file) {
    const TCanvas& picture = job_.barcodeImage;
    if (picture.Width() == 0 || picture.Height() == 0) return;
    if (QFileInfo(file).suffix().compare("bmp", Qt::CaseInsensitive) == 0) {
        picture.SaveToFile(LocalPath(file));
        return;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !picture.Image().save(&out, "BMP") || !out.commit())
        throw Exception("Cannot create file \"" + QStringToAnsi(file) + "\". " +
                        QStringToAnsi(out.errorString()));
}

void TBarCodeForm::helpButtonClick() {
    // The working directory's copy first; a missing file gives no message.
    const QString local = QDir::current().absoluteFilePath(HelpFileName);
    if (QFileInfo::exists(local))
        ui_.OpenWithDesktop(local);
    else if (!installedHelpFile_.isEmpty() && QFileInfo::exists(installedHelpFile_))
        ui_.OpenWithDesktop(installedHelpFile_);
}

void TBarCodeForm::BitBtn1Click() {
    close();
}

void TBarCodeForm::refreshClick() {
    Command([this] { job_.refreshClick(); });
}

void TBarCodeForm::printClick() {
    Command([this] {
        const auto endProgress = qScopeGuard([this] { ui_.EndPrintProgress(); });
        if (!job_.PdfFileSelected()) {
            job_.printClick();
            return;
        }
        // The PDF file entry: the pages go to a file that the user names.
        const QString file =
            ui_.SaveFileName(this, {"Print to PDF File", "PDF files (*.pdf)", "pdf", true});
        if (file.isEmpty()) return;
        const QString pdf = QFileInfo(file).suffix().compare("pdf", Qt::CaseInsensitive) == 0
                                ? file
                                : file + ".pdf";
        TPagePrinter& printer = job_.PagePreview1.GetPagePrinter();
        printer.SetPdfFile(LocalPath(pdf));
        const auto backToPrinter = qScopeGuard([&printer] { printer.SetPdfFile({}); });
        job_.printClick();
    });
}

// The setup wizard works on copies of thirteen values; when it is completed they come back and
// a preview runs.
void TBarCodeForm::settingButtonClick() {
    Command([this] {
        job_.settingButtonClick([this](TSetupWizard& wizard) {
            TSettingWizardForm form(wizard, this);
            ui_.RunModal(form);
        });
    });
}

void TBarCodeForm::closeEvent(QCloseEvent* event) {
    // FormClose: a value that does not convert is reported while gathering and the job is saved
    // as gathered all the same.
    ControlsFromWidgets();
    job_.Save(JobFileName);
    job_.barcodeImage.SetSize(0, 0);
    event->accept();
}

void TBarCodeForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceBottomStrip();
}

void TBarCodeForm::PlaceBottomStrip() {
    bottomPanel_->setGeometry(0, height() - BottomStripHeight, width(), BottomStripHeight);
    bottomButtons_->move(width() - bottomButtons_->width(), 0);
}

void TBarCodeForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    job_.WindowShowing = true;
    FitOuterSize();
}

void TBarCodeForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    job_.WindowShowing = false;
}

void TBarCodeForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FitOuterSize();
}

// The designed outer size includes the frame. Once the desktop tells the frame's size (it may
// only after the window is first mapped) the client area is made to fill 827 × 604 with it,
// centred again; where there is no frame the client area keeps the designed one.
void TBarCodeForm::FitOuterSize() {
    if (outerSizeFitted_ || !windowHandle() || windowState() != Qt::WindowNoState) return;
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) return;
    outerSizeFitted_ = true;
    resize(DesignOuterSize.width() - frame.left() - frame.right(),
           DesignOuterSize.height() - frame.top() - frame.bottom());
    const QSize screen = ui_.ScreenSize();
    move(std::max(0, (screen.width() - DesignOuterSize.width()) / 2),
         std::max(0, (screen.height() - DesignOuterSize.height()) / 2));
}

void TBarCodeForm::Information(const std::string& message) {
    ui_.Information(this, AnsiToQString(message));
}

void TBarCodeForm::Error(const std::string& message) {
    ui_.Error(this, AnsiToQString(message));
}

void TBarCodeForm::FocusInitialString() {
    if (barcodeText_) barcodeText_->setFocus();
}

bool TBarCodeForm::PrintProgress(int pagesDone, int pages) {
    return ui_.PrintProgress(this, pagesDone, pages);
}

void TBarCodeForm::SetBusy(bool busy) {
    // Nested compositions (a print run ends with a preview) keep one busy cursor.
    if (busy) {
        if (busy_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy_ > 0 && --busy_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}
