#include "editor/pickers/NotesFrame.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

NotesFrame::NotesFrame(QWidget* parent) : QFrame(parent), Notes(new QLabel(this)), NotesText(new QPlainTextEdit(this))
{
    setObjectName("NotesFrame");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    Notes->setObjectName("Notes");
    // Three lines of names: manufacturer, type and model.
    Notes->setFixedHeight(Notes->fontMetrics().lineSpacing() * 3 + 4);
    Notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Notes->setContentsMargins(3, 0, 0, 0);
    NotesText->setObjectName("NotesText");
    NotesText->setReadOnly(true);
    NotesText->setFocusPolicy(Qt::NoFocus);  // the tree keeps the focus while it is open
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 2, 1, 1);
    layout->setSpacing(2);
    layout->addWidget(Notes);
    layout->addWidget(NotesText, 1);
}

void NotesFrame::ShowNotes(const QString& caption, const QString& text)
{
    Notes->setText(caption);
    NotesText->setPlainText(text);
}
