#pragma once

#include <QPushButton>
#include <QRadioButton>

// Buttons whose long captions wrap onto further lines instead of widening
// their window past a small screen. The caption stays the button's text;
// only the drawing and the size asked for change.

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingRadioButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole button takes the click, second lines included.
    bool hitButton(const QPoint& position) const override;
};

class WrappingPushButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingPushButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
