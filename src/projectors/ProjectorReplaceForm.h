#pragma once

#include <QDialog>

class ApplicationState;
class ProjectorClass;
class QRadioButton;

// Settles an opened configuration's projector that has the names of a
// database definition but differs from it: the configuration takes the
// database's, the database takes the configuration's, the configuration's
// joins the database under new names, or nothing changes.
class ProjectorReplaceForm : public QDialog {
    Q_OBJECT
public:
    explicit ProjectorReplaceForm(ApplicationState& state, QWidget* parent = nullptr);

private:
    void ReplaceInConfigurationClicked();
    void ReplaceInDataBaseClicked();
    void NewInDataClicked();
    ProjectorClass& ConfigProjector();

    ApplicationState& state_;
    int entryIndex_;
    QRadioButton* DoNothing;
    QRadioButton* NewInData;
    QRadioButton* ReplaceInConfiguration;
    QRadioButton* ReplaceInDataBase;
};

// Shows the dialog modally on the configuration's projector; the caller
// stores the projector back into the configuration afterwards.
void ShowProjectorReplaceForm(ApplicationState& state, QWidget* parent);
