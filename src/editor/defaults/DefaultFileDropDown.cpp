#include "editor/defaults/DefaultFileDropDown.h"

#include "editor/FileCommands.h"
#include "editor/defaults/DefaultNotes.h"
#include "editor/pickers/PointerPosition.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "platform/FolderListing.h"
#include "platform/RecordFile.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace fs = std::filesystem;

// One row a default; hovering a row highlights it, the top edge scrolls back.
class DefaultFileDropDown::DefaultsTree final : public DropDownTree {
public:
    // Pixel equivalent of the 100 twip mark, both for the hit test and the top edge.
    static constexpr int RowTestAtX = 7;
    static constexpr int TopZoneHeight = 7;

    explicit DefaultsTree(const PointerPosition& pointer) : DropDownTree(pointer, nullptr, {180, 160})
    {
        setObjectName("DropMenu");
        setRootIsDecorated(false);
    }
    void ShowBeside(QWidget* notes) { AddBeside(notes, {260, 160}); }

protected:
    int RowTestX() const override { return RowTestAtX; }
    void Hover(QPoint at) override
    {
        QTreeWidgetItem* hovered = NodeOnRow(at.y());
        if (hovered != nullptr && at.y() < TopZoneHeight && indexOfTopLevelItem(hovered) > 1)
            verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
        if (hovered != nullptr) Highlight(hovered);
        emit Hovered(hovered);
    }
};

DefaultFileDropDown::DefaultFileDropDown(ApplicationState& state, FileCommands& commands, QObject* parent)
    : QObject(parent), state_(state), commands_(commands)
{
    DropMenu = new DefaultsTree(InstalledPointerPosition(state.Installed));
    DefaultNotes = new QPlainTextEdit;
    DefaultNotes->setObjectName("DefaultNotes");
    DefaultNotes->setReadOnly(true);
    DefaultNotes->setFocusPolicy(Qt::NoFocus);  // the list keeps the focus while it is open
    DropMenu->ShowBeside(DefaultNotes);
    connect(DropMenu, &DropDownTree::Clicked, this, &DefaultFileDropDown::Pick);
    connect(DropMenu, &DropDownTree::ClickedOnNothing, DropMenu, &DropDownTree::Close);
    connect(DropMenu, &DropDownTree::Hovered, this, &DefaultFileDropDown::ShowHoveredNotes);
    connect(DropMenu, &DropDownTree::Closed, this, [this] { hoveredText_.clear(); });
}

// The pop-up joins the window at its first opening; until then it is this object's.
DefaultFileDropDown::~DefaultFileDropDown()
{
    if (DropMenu != nullptr && DropMenu->window()->parent() == nullptr) delete DropMenu->window();
}

fs::path DefaultFileDropDown::PathOf(int index) const
{
    return state_.ProgramFolder / "Defaults" /
           fs::path(DefaultFileNames[static_cast<std::size_t>(index)].toStdString());
}

void DefaultFileDropDown::ButtonPressed(QWidget* button)
{
    if (DropMenu->IsOpen()) {
        DropMenu->Close();
        return;
    }
    DropMenu->clear();
    DefaultFileNames.clear();
    std::vector<fs::path> files;
    try {
        files = OrdinaryFilesMatching(state_.ProgramFolder / "Defaults", "*.tvd");
    } catch (const FileError&) {
        // No "Defaults" folder: no defaults to offer.
    }
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        auto* node = new QTreeWidgetItem(DropMenu, QStringList(QString::fromStdString(BaseNameFromPath(name))));
        node->setData(0, Qt::UserRole, static_cast<int>(DefaultFileNames.size()));
        DefaultFileNames.push_back(QString::fromStdString(name));
    }
    if (DefaultFileNames.empty()) return;
    if (!commands_.QuerySave()) return;
    DefaultNotes->clear();
    hoveredText_.clear();
    DropMenu->ToggleUnder(button);
    // The pop-up takes the button's release; the button must not stay down.
    if (auto* pressed = qobject_cast<QAbstractButton*>(button)) pressed->setDown(false);
}

void DefaultFileDropDown::ShowHoveredNotes(const QTreeWidgetItem* node)
{
    if (node == nullptr) {
        hoveredText_.clear();
        DefaultNotes->clear();
        return;
    }
    // Moving within one row reads nothing again.
    if (node->text(0) == hoveredText_) return;
    hoveredText_ = node->text(0);
    DefaultNotes->setPlainText(NotesOfDefault(PathOf(node->data(0, Qt::UserRole).toInt())));
}

void DefaultFileDropDown::Pick(QTreeWidgetItem* node)
{
    if (node == nullptr) return;
    DropMenu->Close();
    const int index = node->data(0, Qt::UserRole).toInt();
    if (index < 0 || index >= static_cast<int>(DefaultFileNames.size())) return;
    const fs::path path = PathOf(index);
    // A default that fails to load leaves the failed open's caption.
    if (commands_.OpenConfiguration(QString::fromStdString(path.string()))) {
        // Untitled, so that SAVE never overwrites the default itself.
        state_.Config.ConfigFileName.clear();
        emit CaptionChanged("Tavlo Editor, Default file '" +
                            QString::fromStdString(BaseNameFromPath(path.filename().string())) + "' loaded.");
    }
    DefaultFileNames.clear();
    DropMenu->clear();
}
