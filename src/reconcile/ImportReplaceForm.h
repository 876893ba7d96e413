#pragma once

#include "reconcile/CommandComparisonRows.h"

#include <QDialog>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class ApplicationState;
class ImportLibraryComparison;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The captions that tell the IR and RS232 import replace dialogs apart.
struct ImportReplaceTexts {
    QString Title;
    QString LibraryFrame;
    QString Difference;
    QString CommandByCommand;
};

// What the IR and RS232 import replace dialogs do differently, each on its
// own database and the record buffers of its library.
class ImportReplaceTwin {
public:
    virtual ~ImportReplaceTwin() = default;
    virtual ImportReplaceTexts Texts() const = 0;
    // The imported library's manufacturer, model and type, trimmed.
    virtual std::string Manufacturer() const = 0;
    virtual std::string Model() const = 0;
    virtual std::string Type() const = 0;
    // The database library of the buffer's names, or -1; the buffer's names
    // become trimmed and upper case.
    virtual int LookUp() = 0;
    virtual ImportLibraryComparison* MakeComparison(QWidget* parent) = 0;
    virtual void ShowComparison(bool hideDecision, int library) = 0;
    virtual void ReplaceLibrary(int library) = 0;
    // Asks for new names, under which the new-name dialog adds the library.
    virtual void AddUnderNewName(QWidget* parent) = 0;
    // The buffer's three names, whole and case-sensitive, are not the library's.
    virtual bool BufferNamesDiffer(int library) const = 0;
    // Moves the commands of the ticked rows into the library; one that
    // finds no place there is not moved.
    virtual void MoveRowsToLibrary(int library, const std::vector<CommandComparisonRow>& rows) = 0;
    virtual void SaveDatabase() = 0;
};

// Settles an imported library that has the names of a database library but
// differs from it: keep the database's, replace it, add the imported one
// under new names, or move chosen commands into the database's. Every way
// out but keeping saves the database.
class ImportReplaceForm : public QDialog {
    Q_OBJECT
public:
    ImportReplaceForm(std::unique_ptr<ImportReplaceTwin> twin, QWidget* parent);
    ~ImportReplaceForm() override;

private:
    QGroupBox* MakeLibraryFrame(const ImportReplaceTexts& texts);
    QWidget* MakeExplanation(const ImportReplaceTexts& texts);
    QWidget* MakeOptions();
    QWidget* MakeEditFrame();
    QRadioButton* AddOption(QWidget& box, int index, const QString& caption);
    QPushButton* AddButton(QWidget& box, int index, const QString& caption);
    void ShowComparison(bool hideDecision);
    void KeepClicked();
    void ReplaceClicked();
    void NewNameClicked();
    void CommandByCommandClicked();
    void CancelEditClicked();
    void MakeChangesClicked();
    void ShowEditFrames(bool visible);

    std::unique_ptr<ImportReplaceTwin> twin_;
    int library_ = -1;
    ImportLibraryComparison* comparison_ = nullptr;
    QGroupBox* EditFrame = nullptr;
    QGroupBox* EditFrameLabels = nullptr;
    QRadioButton* Replace = nullptr;
    QRadioButton* NewName = nullptr;
    QRadioButton* CommandByCommand = nullptr;
};
