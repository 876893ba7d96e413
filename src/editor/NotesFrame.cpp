#include "editor/NotesFrame.h"

#include <QLabel>
#include <QPlainTextEdit>

NotesFrame::NotesFrame(QWidget* parent) : QFrame(parent), Notes(new QLabel(this)), NotesText(new QPlainTextEdit(this))
{
    setObjectName("NotesFrame");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    resize(265, 417);
    Notes->setObjectName("Notes");
    // Three lines of names: manufacturer, type and model.
    const int namesHeight = Notes->fontMetrics().lineSpacing() * 3 + 4;
    Notes->setGeometry(4, 2, 257, namesHeight);
    Notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NotesText->setObjectName("NotesText");
    NotesText->setGeometry(0, namesHeight + 2, 265, height() - namesHeight - 2);
    NotesText->setReadOnly(true);
    NotesText->setFocusPolicy(Qt::NoFocus);  // the tree keeps the focus while it is open
    hide();
}

void NotesFrame::ShowNotes(const QString& caption, const QString& text)
{
    Notes->setText(caption);
    NotesText->setPlainText(text);
}
