#pragma once

#include <QFrame>

class QLabel;
class QPlainTextEdit;

// The notes of the hovered entry, shown beside an open device tree: the
// entry's names in `Notes` and its notes or comment in `NotesText`.
class NotesFrame : public QFrame {
    Q_OBJECT
public:
    static constexpr QSize DesignedSize{265, 417};

    explicit NotesFrame(QWidget* parent = nullptr);

    void ShowNotes(const QString& caption, const QString& text);

private:
    QLabel* Notes;
    QPlainTextEdit* NotesText;
};
