#include "TUpDown.h"

#include "Ansi.h"
#include "Convert.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

TUpDown::TUpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent)
    : QWidget(parent), associate_(associate), up_(new QToolButton(this)),
      down_(new QToolButton(this)), min_(min), max_(max),
      position_(std::clamp(position, min, max)) {
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(7, 5));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
    if (associate_) associate_->installEventFilter(this);
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

void TUpDown::StepBy(int steps) {
    if (associate_) {
        if (const auto typed = TryStrToInt(QStringToAnsi(associate_->text().trimmed())))
            position_ = std::clamp(*typed, min_, max_);
    }
    position_ = std::clamp(position_ + steps, min_, max_);
    if (associate_) associate_->setText(QString::number(position_));
    emit PositionChanged(position_);
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
