#pragma once

#include <QToolButton>

// One of the main window's tabs, its caption in bold while it is current,
// framed while it has the focus.
// It asks for room for its caption in bold, so the rows keep their widths
// as the current tab moves; on a screen too narrow for every caption it makes do with less,
// its caption cut short with an ellipsis and shown whole as its tooltip.
class DeviceTabButton : public QToolButton {
public:
    explicit DeviceTabButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool CaptionCut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The button's size around a caption of that width.
    QSize SizeFor(int captionWidth) const;
    // The width the caption may take at the button's present width.
    int CaptionRoom() const;
};
