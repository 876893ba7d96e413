#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// How a captured byte is written in its cell.
enum class CaptureView { Decimal, Hex, Ascii };

struct CaptureCellText {
    QString text;
    bool controlCode = false;  // drawn in red
};

CaptureCellText CellTextOf(uint8_t byte, CaptureView view, bool showControlCodes,
                           const std::array<std::string, 32>& controlCodeNames);

// The captured bytes, twelve to a row, the selected run filled black. The
// grid shows a fixed number of rows from its top row on; the form scrolls it.
class CaptureGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 12;
    static constexpr int VisibleRows = 21;

    CaptureGrid(const std::vector<uint8_t>& bytes, const std::array<std::string, 32>& controlCodeNames,
                QWidget* parent = nullptr);

    void SetView(CaptureView view, bool showControlCodes);
    // 1-based positions, both 0 when nothing is selected.
    void SetSelection(int32_t low, int32_t high);
    void SetTopRow(int32_t row);

    // The 1-based position of the captured byte under the point, 0 for none.
    int32_t ByteAtPoint(QPoint point) const;

    QSize sizeHint() const override;

signals:
    void ByteDown(int32_t position);
    void ByteMove(int32_t position);
    void ByteUp(int32_t position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int CellWidth() const;
    int CellHeight() const;

    const std::vector<uint8_t>& bytes_;
    const std::array<std::string, 32>& controlCodeNames_;
    CaptureView view_ = CaptureView::Ascii;
    bool showControlCodes_ = false;
    int32_t selectionLow_ = 0;
    int32_t selectionHigh_ = 0;
    int32_t topRow_ = 0;
};
