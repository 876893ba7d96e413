#include "editor/pages/NotesPage.h"

#include "model/Configuration.h"
#include "platform/Windows1252.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// What the field can hold: Windows-1252 characters ('?' for the others), no
// double quotation mark (the configuration text ends a value at one), at most
// the field's length.
QString StorableNotes(const QString& text)
{
    QString storable = FromWindows1252(ToWindows1252(text));
    storable.remove('"');
    return storable.left(NotesPage::NotesLength);
}

}  // namespace

NotesPage::NotesPage(Configuration& config, QWidget* parent) : ConfigurationPage(config, parent)
{
    GeneralNotes = new QPlainTextEdit;
    GeneralNotes->setObjectName("GeneralNotes");
    GeneralNotes->setToolTip(QString("Notes kept with the configuration, up to %1 characters").arg(NotesLength));
    // Tab moves on, as in every other box; a tab character would be kept in the file.
    GeneralNotes->setTabChangesFocus(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(GeneralNotes);
    connect(GeneralNotes, &QPlainTextEdit::textChanged, this, &NotesPage::NotesEdited);
}

void NotesPage::Fill()
{
    const FillGuard showing(ShowingConfiguration);
    GeneralNotes->setPlainText(FromWindows1252(config_.Record.ConfigNotes.full()).trimmed());
}

void NotesPage::NotesEdited()
{
    if (ShowingConfiguration) return;
    const QString text = GeneralNotes->toPlainText();
    const QString storable = StorableNotes(text);
    if (storable != text) {
        // Show what is kept, the caret where the typing was.
        const int typed = GeneralNotes->textCursor().position();
        const int caret =
            std::min(typed - static_cast<int>(text.left(typed).count('"')), static_cast<int>(storable.size()));
        const FillGuard showing(ShowingConfiguration);
        GeneralNotes->setPlainText(storable);
        QTextCursor cursor = GeneralNotes->textCursor();
        cursor.setPosition(caret);
        GeneralNotes->setTextCursor(cursor);
    }
    Edit(ConfigGroup::Notes, [&] { config_.Record.ConfigNotes = ToWindows1252(storable); });
}
