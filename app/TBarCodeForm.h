#pragma once
// The main window: every value of the label job in a control, the page preview, and the commands
// around them. The job logic lives in TLabelJob; this window binds its widgets to the job's model
// of the controls: before each command the widgets' values go into the model, after it the
// model's values, selections, read-only states, colours and fonts come back into the widgets.
#include "JobReporter.h"
#include "LabelJob.h"
#include "UserInteraction.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TPagePreviewView;
class TUpDown;

class TBarCodeForm : public QWidget, private IJobReporter {
    Q_OBJECT
public:
    // installedHelpFile: the help page that Help opens when the working directory has none.
    explicit TBarCodeForm(IUserInteraction& ui, QString installedHelpFile = InstalledHelpFile(),
                          QWidget* parent = nullptr);
    ~TBarCodeForm() override;

    // The designed outer size, and the client area inside the designed frame, in which the
    // controls are laid out.
    static constexpr QSize DesignOuterSize{827, 604};
    static constexpr QSize DesignClientSize{819, 570};
    static constexpr int BottomStripHeight = 52;

    // The installed copy of the help page: beside the program (a build tree), else in the
    // documentation folder of the installation.
    static QString InstalledHelpFile();

    TLabelJob& Job() { return job_; }
    TPagePreviewView& PreviewView() { return *preview_; }

    // The commands, each bound to the widgets (see the class comment).
    void pageSizeChange();
    void codeFormatChange();
    void displayTextClick();
    void fontButtonClick();
    void string1FClick();
    void string2FClick();
    void string3FClick();
    void zoomInClick();
    void zoomOutClick();
    void BitBtn3Click();
    void helpButtonClick();
    void BitBtn1Click();
    void refreshClick();
    void printClick();
    // The setup wizard's place; it runs no command yet.
    void settingButtonClick();

protected:
    // FormClose: gathers and saves the job, releases the barcode picture, lets the window go.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // IJobReporter, through the user interaction.
    void Information(const std::string& message) override;
    void Error(const std::string& message) override;
    void FocusInitialString() override;
    void SetBusy(bool busy) override;
    bool PrintProgress(int pagesDone, int pages) override;

    void BuildControls();
    void PlaceBottomStrip();
    void FitOuterSize();

    void ControlsFromWidgets();
    void WidgetsFromControls();
    // Runs one command between the two bindings; an exception that escapes it is shown in the
    // error box and the window stays usable.
    void Command(const std::function<void()>& body);

    void ChooseFontFor(TEditControl& box, bool symbolText);
    void SavePicture(const QString& file);

    struct EditBinding {
        QLineEdit* widget;
        TEditControl* model;
        bool ownFont; // shows its text in its own font (the four font boxes)
    };
    struct ListBinding {
        QComboBox* widget;
        TListControl* model;
    };
    struct CheckBinding {
        QCheckBox* widget;
        TCheckControl* model;
    };
    struct SpinnerBinding {
        TUpDown* widget;
        TUpDownControl* model;
    };

    // Widget factories: each makes the widget, names it after its model and binds it.
    QLineEdit* Edit(QWidget* parent, const char* name, TEditControl& model, const QRect& place,
                    bool ownFont = false);
    QComboBox* List(QWidget* parent, const char* name, TListControl& model, const QRect& place);
    QCheckBox* Check(QWidget* parent, const char* name, const QString& caption,
                     TCheckControl& model, const QRect& place);
    TUpDown* Spinner(QWidget* parent, const char* name, QLineEdit* associate, TUpDownControl& model,
                     const QRect& place);

    IUserInteraction& ui_;
    QString installedHelpFile_;
    TLabelJob job_;
    std::vector<EditBinding> edits_;
    std::vector<ListBinding> lists_;
    std::vector<CheckBinding> checks_;
    std::vector<SpinnerBinding> spinners_;
    QLineEdit* barcodeText_ = nullptr;
    TPagePreviewView* preview_ = nullptr;
    QWidget* bottomPanel_ = nullptr;
    QWidget* bottomButtons_ = nullptr;
    bool outerSizeFitted_ = false;
    int busy_ = 0;
};
