#pragma once
// An up-down spinner bound to an edit box: two arrow buttons stacked, a range and a position.
// Each click takes the box's number as the position when it is one (the user may have typed
// it), steps by one without wrapping around, and writes the position back into the box. The
// arrow keys in the box do the same.
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Held within the range; the box's text is not touched.
    void SetPosition(int position);
    QLineEdit* Associate() const { return associate_; }

    // One click on the up or the down arrow.
    void StepBy(int steps);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void PositionChanged(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* associate_;
    QToolButton* up_;
    QToolButton* down_;
    int min_, max_, position_;
};
