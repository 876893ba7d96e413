#pragma once

#include <QDialog>

class ApplicationState;
class QRadioButton;

// Settles an imported definition, held in WorkProjector, that has the names
// of a database definition but differs from it: it replaces the database's,
// joins the database under new names, or is not imported. The database is
// written by the browser, not here.
class ProjectorReplaceForm2 : public QDialog {
    Q_OBJECT
public:
    explicit ProjectorReplaceForm2(ApplicationState& state, QWidget* parent = nullptr);

private:
    void ReplaceInDataBaseClicked();
    void NewInDataClicked();

    ApplicationState& state_;
    int entryIndex_;
    QRadioButton* DoNothing;
    QRadioButton* NewInData;
    QRadioButton* ReplaceInDataBase;
};

// Shows the dialog modally on WorkProjector.
void ShowProjectorReplaceForm2(ApplicationState& state, QWidget* parent);
