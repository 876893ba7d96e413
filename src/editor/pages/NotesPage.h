#pragma once

#include "editor/pages/ConfigurationPage.h"

class QPlainTextEdit;

// Tab "Notes": the configuration's notes, kept in a 200-character field.
class NotesPage : public ConfigurationPage {
    Q_OBJECT
public:
    static constexpr int NotesLength = 200;

    explicit NotesPage(Configuration& config, QWidget* parent = nullptr);
    void Fill() override;

private:
    void NotesEdited();

    QPlainTextEdit* GeneralNotes;
};
