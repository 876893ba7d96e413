#pragma once

#include "messages/MessagePaneDialogs.h"
#include "rs232/RS232LibraryLoaderOrder.h"

#include <QDialog>
#include <QList>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

class ApplicationState;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class RS232LoaderEquipmentTree;
class SerialClass;

// Picks one command of one RS232 library for the message in WorkSerial: the
// database as a tree of manufacturers, types and models, the named commands
// of the hovered library, and its description. A pick writes the command
// with the library's port settings into WorkSerial; Cancel and closing the
// window leave it as it was.
class RS232LibraryLoader : public QDialog {
    Q_OBJECT
public:
    static constexpr int TreeBuildDelay = 500;

    explicit RS232LibraryLoader(ApplicationState& state, QWidget* parent = nullptr);

private:
    void BuildControls();
    void Timer1Tick();
    void PreselectMessageLibrary();
    QTreeWidgetItem* LeafNode(const LoaderTreeKeys& keys) const;
    QTreeWidgetItem* GroupNode(LoaderTreePath key, std::string_view text, QTreeWidgetItem* parent,
                               QList<QTreeWidgetItem*>& roots);
    void SortLibrariesForTree();
    void BuildEquipmentTree();
    void ClearCommandList();
    void ListLibraryCommands(int index);
    void HoverEquipment(QTreeWidgetItem* node);
    void EquipmentClicked(QTreeWidgetItem* node);
    void EquipmentChosen(QTreeWidgetItem* node);
    void HoverCommands(QPoint at);
    void Pick(QTreeWidgetItem* node);
    void CancelClicked();
    LoaderSortOrder Order() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    ApplicationState& state_;
    SerialClass& work_;
    int CurrentLibraryIndex = -1;  // the database's own index: it holds any number of libraries
    bool TargetCanBeInput = false;
    // The group nodes, by the names on their path.
    std::map<LoaderTreePath, QTreeWidgetItem*> nodes_;

    RS232LoaderEquipmentTree* treeview1;
    QTreeWidget* commandTreeView;
    QLabel* Notes;
    QPlainTextEdit* NotesText;
    std::array<QRadioButton*, 2> SortBy{};
    QPushButton* Cancel;
    QTimer* Timer1;
};

// Shows the loader modally on the message; true when a command was taken.
bool ShowRS232LibraryLoader(ApplicationState& state, SerialClass& message, QWidget* parent);

class RS232LibraryLoaderLauncher final : public RS232LibraryLoaderDialog {
public:
    bool ShowRS232LibraryLoader(QWidget* owner, ApplicationState& state, SerialClass& message) override;
};
