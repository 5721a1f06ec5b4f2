#pragma once
// The setup wizard's window: two guided steps over the paper and the cell, with the help text
// and a diagram of what the values mean. It binds its widgets to the wizard logic (TSetupWizard),
// which holds the values; the main window runs it modally through settingButtonClick.
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TRepeatedShape;
class TSetupWizard;
struct TEditControl;

class TSettingWizardForm : public QDialog {
    Q_OBJECT
public:
    TSettingWizardForm(TSetupWizard& wizard, QWidget* owner);

    void pageSizeChange();
    void colChange();
    void rowChange();
    void nextButtonClick();
    void previousButtonClick();
    void cancelButtonClick();

    TRepeatedShape* Grid() const { return grid_; }

public slots:
    void reject() override; // "&Cancel", the title bar's close button, Escape

private:
    QLineEdit* Box(QWidget* parent, const char* name, int x, int y, int width = 80);
    void Caption(QWidget* parent, const QString& text, int x, int y);
    void Pull();
    void Push();
    QWidget* MakePaperDrawing(QWidget* parent);
    QWidget* MakeCellDrawing(QWidget* parent);

    TSetupWizard& wizard_;
    QPlainTextEdit* help_;
    QGroupBox* paperSetting_;
    QGroupBox* cellSetting_;
    QGroupBox* barcodeSetting_;
    QWidget* paperDraw_;
    QWidget* cellDraw_;
    TRepeatedShape* grid_;
    QComboBox* pageSize_;
    QPushButton* previousButton_;
    QPushButton* nextButton_;
    QPushButton* cancelButton_;
    std::vector<std::pair<QLineEdit*, TEditControl*>> boxes_;
    bool pushing_ = false;
};
