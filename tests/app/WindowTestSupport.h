#pragma once
// A user who answers the window's dialogs from a script, and a scratch working directory per
// test (the window reads and writes Qubrin.cfg in the working directory).
#include "TBarCodeForm.h"
#include "UserInteraction.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct ScriptedUser : IUserInteraction {
    QSize screen{1024, 768};
    std::vector<QString> information, errors;
    // Answers in the order the dialogs come; a dialog without an answer left is cancelled.
    std::deque<std::optional<QFont>> fontAnswers;
    std::vector<QFont> fontsOffered;
    std::deque<QString> fileAnswers;
    std::vector<TSaveFileRequest> fileRequests;
    std::vector<QString> opened;

    QSize ScreenSize() override { return screen; }
    void Information(QWidget*, const QString& text) override { information.push_back(text); }
    void Error(QWidget*, const QString& text) override { errors.push_back(text); }
    std::optional<QFont> ChooseFont(QWidget*, const QFont& initial) override {
        fontsOffered.push_back(initial);
        if (fontAnswers.empty()) return std::nullopt;
        auto answer = fontAnswers.front();
        fontAnswers.pop_front();
        return answer;
    }
    QString SaveFileName(QWidget*, const TSaveFileRequest& request) override {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) return QString();
        const QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    void OpenWithDesktop(const QString& file) override { opened.push_back(file); }
    // What the person does in a modal window: the test acts on its real widgets. Without a
    // script the window is closed at once.
    std::function<void(QDialog&)> onModal;
    int modalRuns = 0;
    void RunModal(QDialog& dialog) override {
        ++modalRuns;
        if (onModal) onModal(dialog);
        if (dialog.result() == 0 && dialog.isVisible()) dialog.reject();
    }
    // The print runs' progress as the window reports it; the user cancels when cancelAtPage
    // pages are composed (0: never).
    std::vector<std::pair<int, int>> progress;
    int cancelAtPage = 0, progressEnds = 0;
    std::function<void(int pagesDone)> onProgress; // what the test looks at meanwhile
    bool PrintProgress(QWidget*, int pagesDone, int pages) override {
        progress.push_back({pagesDone, pages});
        if (onProgress) onProgress(pagesDone);
        return pagesDone != cancelAtPage;
    }
    void EndPrintProgress() override { ++progressEnds; }
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // The window as the program starts it, with no installed help unless a test gives one.
    std::unique_ptr<TBarCodeForm> Open(const QString& installedHelp = QString()) {
        return std::make_unique<TBarCodeForm>(user, installedHelp);
    }

    QString InScratch(const QString& name) const { return QDir(scratch.path()).filePath(name); }

    template <class T> static T* Find(const QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static void Click(const QWidget& window, const char* button) {
        if (auto* b = Find<QAbstractButton>(window, button)) QTest::mouseClick(b, Qt::LeftButton);
    }

    // Picks an entry from a fixed list the way a user does: opens it and clicks the entry.
    static void Choose(const QWidget& window, const char* list, const QString& entry) {
        auto* combo = Find<QComboBox>(window, list);
        if (!combo) return;
        const int index = combo->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QRect place = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
        combo->hidePopup();
    }

    ScriptedUser user;
    QTemporaryDir scratch;
    QString previous;
};
