#pragma once
// A dimension line: a line with open arrow heads of a given size at both ends and a label in its
// middle, horizontal or vertical, as drawings show a measure.
#include <QWidget>

class TDimensionLine : public QWidget {
    Q_OBJECT
public:
    TDimensionLine(Qt::Orientation orientation, const QString& label, int arrowSize,
                   QWidget* parent = nullptr);

    QString Label() const { return label_; }
    int ArrowSize() const { return arrowSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
    QString label_;
    int arrowSize_;
};
