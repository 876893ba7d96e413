#pragma once

#include <QWidget>

// A small captionless push button with an arrow that reports the press and
// the release of any mouse button, for the step buttons of the spin entries.
class SpinStepButton : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Up, Down };
    SpinStepButton(Direction direction, QWidget* parent);

    QSize sizeHint() const override;
    bool IsDown() const { return down_; }

signals:
    void Pressed();
    void Released();

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void EndHold();

    Direction direction_;
    bool down_ = false;
};
