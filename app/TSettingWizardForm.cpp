#include "TSettingWizardForm.h"

#include "Ansi.h"
#include "Barcode.h"
#include "Canvas.h"
#include "SetupWizard.h"
#include "TDimensionLine.h"
#include "TRepeatedShape.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QColor ToWidgetColor(TColor c) { return ToQColor(ColorToRGB(c)); }

// The sample symbol of the cell diagram, drawn by the program's own engine with its text.
QPixmap SampleBarcode() {
    TBarcodeSymbol symbol;
    symbol.SetTyp(bcCode128B);
    symbol.SetText("VORDA-0001");
    symbol.SetHeight(45);
    symbol.SetShowText(bcoCode);
    symbol.SetShowTextPosition(stpBottomCenter);
    symbol.ShowTextFont() = TFont("Arial", -11, 0, ANSI_CHARSET, clWindowText);
    TCanvas canvas(150, 65);
    symbol.SetLeft((150 - symbol.GetWidth()) / 2);
    symbol.SetTop(2);
    symbol.DrawBarcode(canvas);
    return QPixmap::fromImage(canvas.Image());
}

// The left panel of a step, on which its diagram is drawn.
QWidget* DrawingPanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(0, 0, 304, 400);
    return panel;
}

// A white area of a diagram: the paper, or the cell.
QWidget* WhiteArea(QWidget* parent, const char* name, const QRect& place) {
    auto* area = new QWidget(parent);
    area->setObjectName(name);
    area->setGeometry(place);
    area->setAutoFillBackground(true);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    area->setPalette(white);
    return area;
}

} // namespace

TSettingWizardForm::TSettingWizardForm(TSetupWizard& wizard, QWidget* owner)
    : QDialog(owner), wizard_(wizard) {
    setObjectName("TSettingWizardForm");
    setWindowTitle("Setup Wizard");
    setModal(true);
    setFixedSize(696, 480);
    QFont font("Century Gothic"); // the system's substitute where it is not installed
    font.setPixelSize(16);
    setFont(font);

    // Left panel: the help box, then the step's groups.
    auto* left = new QWidget(this);
    left->setGeometry(0, 0, 384, 400);
    help_ = new QPlainTextEdit(left);
    help_->setObjectName("help");
    help_->setGeometry(0, 0, 384, 176);
    QPalette tip = help_->palette();
    tip.setColor(QPalette::Base, ToWidgetColor(clInfoBk));
    help_->setPalette(tip);

    paperSetting_ = new QGroupBox("Page Setup", left);
    paperSetting_->setObjectName("paperSetting");
    paperSetting_->setGeometry(7, 192, 369, 193);
    Caption(paperSetting_, "Page Size:", 8, 28);
    pageSize_ = new QComboBox(paperSetting_);
    pageSize_->setObjectName("pageSize");
    pageSize_->setGeometry(92, 24, 96, 26);
    for (const std::string& item : wizard_.pageSize.Items) pageSize_->addItem(AnsiToQString(item));
    Caption(paperSetting_, "Height:", 8, 62);
    Box(paperSetting_, "pageHeight", 92, 58, 64);
    Caption(paperSetting_, "(mm)", 160, 62);
    Caption(paperSetting_, "Width:", 8, 96);
    Box(paperSetting_, "pageWidth", 92, 92, 64);
    Caption(paperSetting_, "(mm)", 160, 96);
    Caption(paperSetting_, "Column:", 8, 130);
    Box(paperSetting_, "col", 92, 126, 64);
    Caption(paperSetting_, "Row:", 8, 162);
    Box(paperSetting_, "row", 92, 158, 64);
    auto* margin = new QGroupBox("Margin", paperSetting_);
    margin->setObjectName("Margin");
    margin->setGeometry(204, 20, 157, 165);
    // Four captions around the centre: a smaller face keeps "Left (mm)" and "Right (mm)" apart.
    QFont marginFont = font;
    marginFont.setPixelSize(13);
    margin->setFont(marginFont);
    Caption(margin, "Top (mm)", 50, 20);
    Box(margin, "topMargin", 46, 38, 64);
    Caption(margin, "Left (mm)", 8, 70);
    Box(margin, "leftMargin", 6, 88, 64);
    Caption(margin, "Right (mm)", 84, 70);
    Box(margin, "rightMargin", 86, 88, 64);
    Caption(margin, "Bottom (mm)", 40, 116);
    Box(margin, "bottomMargin", 46, 134, 64);

    cellSetting_ = new QGroupBox("Cell Setting", left);
    cellSetting_->setObjectName("cellSetting");
    cellSetting_->setGeometry(7, 191, 369, 90);
    Caption(cellSetting_, "Height:", 8, 28);
    Box(cellSetting_, "cellHeight", 92, 24);
    Caption(cellSetting_, "(mm)", 176, 28);
    Caption(cellSetting_, "Width:", 8, 58);
    Box(cellSetting_, "cellWidth", 92, 54);
    Caption(cellSetting_, "(mm)", 176, 58);

    barcodeSetting_ = new QGroupBox("Barcode Setting", left);
    barcodeSetting_->setObjectName("barcodeSetting");
    barcodeSetting_->setGeometry(7, 288, 369, 97);
    Caption(barcodeSetting_, "Left Margin:", 8, 30);
    Box(barcodeSetting_, "horizontal", 112, 26);
    Caption(barcodeSetting_, "(mm)", 196, 30);
    Caption(barcodeSetting_, "Top Margin:", 8, 62);
    Box(barcodeSetting_, "vertical", 112, 58);
    Caption(barcodeSetting_, "(mm)", 196, 62);

    // Right panel: the step's diagram.
    auto* right = new QWidget(this);
    right->setGeometry(384, 0, 304, 400);
    paperDraw_ = MakePaperDrawing(right);
    cellDraw_ = MakeCellDrawing(right);

    // Bottom strip, its buttons on the right half.
    auto* strip = new QWidget(this);
    strip->setGeometry(0, 480 - 53, 696, 53);
    auto* buttons = new QWidget(strip);
    buttons->setGeometry(696 / 2, 0, 696 / 2, 53);
    previousButton_ = new QPushButton("&Previous", buttons);
    previousButton_->setObjectName("previousButton");
    previousButton_->setGeometry(16, 8, 100, 33);
    nextButton_ = new QPushButton("&Next", buttons);
    nextButton_->setObjectName("nextButton");
    nextButton_->setGeometry(128, 8, 100, 33);
    nextButton_->setDefault(true);
    cancelButton_ = new QPushButton("&Cancel", buttons);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(238 - 6, 8, 100, 33); // kept inside the window's right edge

    connect(pageSize_, &QComboBox::activated, this, [this] { pageSizeChange(); });
    connect(previousButton_, &QPushButton::clicked, this, [this] { previousButtonClick(); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { nextButtonClick(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelButtonClick(); });
    for (auto& [edit, box] : boxes_) {
        if (edit->objectName() == "col")
            connect(edit, &QLineEdit::textChanged, this, [this] { colChange(); });
        if (edit->objectName() == "row")
            connect(edit, &QLineEdit::textChanged, this, [this] { rowChange(); });
    }
    Push();
    // Centred on the main window.
    if (owner) move(owner->geometry().center() - rect().center());
}

QLineEdit* TSettingWizardForm::Box(QWidget* parent, const char* name, int x, int y, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(x, y, width, 26);
    TEditControl* model = nullptr;
    const std::string n = name;
    TSetupWizard& w = wizard_;
    for (auto [key, box] : std::initializer_list<std::pair<const char*, TEditControl*>>{
             {"pageHeight", &w.pageHeight}, {"pageWidth", &w.pageWidth},
             {"topMargin", &w.topMargin}, {"bottomMargin", &w.bottomMargin},
             {"leftMargin", &w.leftMargin}, {"rightMargin", &w.rightMargin}, {"col", &w.col},
             {"row", &w.row}, {"cellHeight", &w.cellHeight}, {"cellWidth", &w.cellWidth},
             {"horizontal", &w.horizontal}, {"vertical", &w.vertical}})
        if (n == key) model = box;
    boxes_.emplace_back(edit, model);
    return edit;
}

void TSettingWizardForm::Caption(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
}

QWidget* TSettingWizardForm::MakePaperDrawing(QWidget* parent) {
    QWidget* panel = DrawingPanel(parent, "paperDraw");
    QWidget* sheet = WhiteArea(panel, "sheet", {72, 40, 217, 337});
    auto* heightLine = new TDimensionLine(Qt::Vertical, "Height", 10, panel);
    heightLine->setGeometry(44, 40, 22, 337);
    auto* widthLine = new TDimensionLine(Qt::Horizontal, "Width", 10, panel);
    widthLine->setGeometry(72, 12, 217, 22);
    grid_ = new TRepeatedShape(sheet);
    grid_->setObjectName("grid");
    grid_->setGeometry(32, 24, 153, 297);
    QFont small = font();
    small.setPixelSize(11);
    // The margins between the grid and the sheet's edges.
    const struct {
        Qt::Orientation orientation;
        const char* label;
        QRect place;
    } margins[] = {
        {Qt::Vertical, "Top", {100, 0, 14, 24}},
        {Qt::Vertical, "Bottom", {100, 321, 14, 16}},
        {Qt::Horizontal, "Left", {0, 150, 32, 14}},
        {Qt::Horizontal, "Right", {185, 150, 32, 14}},
    };
    for (const auto& m : margins) {
        auto* line = new TDimensionLine(m.orientation, "", 5, sheet);
        line->setGeometry(m.place);
        line->setToolTip(m.label);
        auto* label = new QLabel(m.label, sheet);
        label->setFont(small);
        label->adjustSize();
        label->move(m.orientation == Qt::Vertical ? m.place.right() + 3 : m.place.left(),
                    m.orientation == Qt::Vertical ? m.place.top() + (m.place.height() - label->height()) / 2
                                                  : m.place.bottom() + 1);
    }
    return panel;
}

QWidget* TSettingWizardForm::MakeCellDrawing(QWidget* parent) {
    QWidget* panel = DrawingPanel(parent, "cellDraw");
    QWidget* cell = WhiteArea(panel, "cell", {40, 120, 241, 145});
    (new TDimensionLine(Qt::Horizontal, "Width", 10, panel))->setGeometry(40, 92, 241, 22);
    (new TDimensionLine(Qt::Vertical, "Height", 10, panel))->setGeometry(12, 120, 22, 145);
    auto* picture = new QLabel(cell);
    picture->setObjectName("sample");
    picture->setGeometry(48, 40, 150, 65);
    picture->setPixmap(SampleBarcode());
    QFont small = font();
    small.setPixelSize(11);
    auto* leftLine = new TDimensionLine(Qt::Horizontal, "", 5, cell);
    leftLine->setGeometry(0, 64, 48, 12);
    auto* topLine = new TDimensionLine(Qt::Vertical, "", 5, cell);
    topLine->setGeometry(118, 0, 12, 40);
    auto* leftLabel = new QLabel("Left Margin", cell);
    leftLabel->setFont(small);
    leftLabel->adjustSize();
    leftLabel->move(2, 108); // below the picture, clear of the bars
    auto* topLabel = new QLabel("Top Margin", cell);
    topLabel->setFont(small);
    topLabel->adjustSize();
    topLabel->move(132, 12);
    return panel;
}

// Widgets to the wizard's boxes.
void TSettingWizardForm::Pull() {
    wizard_.pageSize.ItemIndex = pageSize_->currentIndex();
    for (auto& [edit, box] : boxes_) box->Text = QStringToAnsi(edit->text());
}

// The wizard's boxes and step to the widgets.
void TSettingWizardForm::Push() {
    pushing_ = true;
    pageSize_->setCurrentIndex(wizard_.pageSize.ItemIndex);
    for (auto& [edit, box] : boxes_) {
        const QString text = AnsiToQString(box->Text);
        if (edit->text() != text) edit->setText(text);
        edit->setReadOnly(box->ReadOnly);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, ToWidgetColor(box->Color));
        edit->setPalette(palette);
    }
    const QString help = AnsiToQString(wizard_.help);
    if (help_->toPlainText() != help) {
        help_->setPlainText(help);
        help_->moveCursor(QTextCursor::Start);
    }
    const bool step2 = wizard_.Step() == 2;
    paperSetting_->setVisible(!step2);
    paperDraw_->setVisible(!step2);
    cellSetting_->setVisible(step2);
    barcodeSetting_->setVisible(step2);
    cellDraw_->setVisible(step2);
    previousButton_->setVisible(step2);
    nextButton_->setText(QString::fromStdString(wizard_.NextCaption()));
    grid_->SetHorCount(wizard_.GridColumns);
    grid_->SetVerCount(wizard_.GridRows);
    pushing_ = false;
}

void TSettingWizardForm::pageSizeChange() {
    Pull();
    wizard_.pageSizeChange();
    Push();
}

void TSettingWizardForm::colChange() {
    if (pushing_) return;
    Pull();
    wizard_.colChange();
    grid_->SetHorCount(wizard_.GridColumns);
}

void TSettingWizardForm::rowChange() {
    if (pushing_) return;
    Pull();
    wizard_.rowChange();
    grid_->SetVerCount(wizard_.GridRows);
}

void TSettingWizardForm::nextButtonClick() {
    Pull();
    wizard_.nextButtonClick();
    Push();
    if (wizard_.Result() == TSetupWizard::TResult::Ok) accept();
}

void TSettingWizardForm::previousButtonClick() {
    Pull();
    wizard_.previousButtonClick();
    Push();
}

void TSettingWizardForm::cancelButtonClick() { reject(); }

void TSettingWizardForm::reject() {
    wizard_.cancelButtonClick();
    QDialog::reject();
}
