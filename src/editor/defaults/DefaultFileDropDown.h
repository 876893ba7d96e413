#pragma once

#include "editor/pickers/DropDownTree.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <vector>

class ApplicationState;
class FileCommands;
class QPlainTextEdit;

// The list `DropMenu` of default configurations that drops down under the
// toolbar's "DEFAULTS" button, with the notes of the hovered one beside it;
// a click loads that default as a new, untitled configuration.
class DefaultFileDropDown : public QObject {
    Q_OBJECT
public:
    DefaultFileDropDown(ApplicationState& state, FileCommands& commands, QObject* parent = nullptr);
    ~DefaultFileDropDown() override;

    // The button was pressed: opens the list under it when there are defaults
    // and the user did not cancel the save of pending changes.
    void ButtonPressed(QWidget* button);

signals:
    // A default was loaded: the window's caption.
    void CaptionChanged(const QString& caption);

private:
    class DefaultsTree;

    std::filesystem::path PathOf(int index) const;
    void ShowHoveredNotes(const QTreeWidgetItem* node);
    void Pick(QTreeWidgetItem* node);

    ApplicationState& state_;
    FileCommands& commands_;
    std::vector<QString> DefaultFileNames;
    QString hoveredText_;
    // In a pop-up of their own, owned by the window once opened.
    QPointer<DefaultsTree> DropMenu;
    QPointer<QPlainTextEdit> DefaultNotes;
};
