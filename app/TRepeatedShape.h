#pragma once
// A grid of equal cells filling the widget: HorCount columns and VerCount rows, each cell
// outlined with a one-pixel grey line. It repaints only when a count changes; a count of zero or
// less draws no cells.
#include <QWidget>

class TRepeatedShape : public QWidget {
    Q_OBJECT
public:
    explicit TRepeatedShape(QWidget* parent = nullptr);

    int HorCount() const { return horCount_; }
    int VerCount() const { return verCount_; }
    void SetHorCount(int count);
    void SetVerCount(int count);

    // How many times the grid asked to be repainted (for tests of "only when a count changes").
    int RepaintRequests() const { return repaintRequests_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Changed();

    int horCount_ = 1;
    int verCount_ = 1;
    int repaintRequests_ = 0;
};
