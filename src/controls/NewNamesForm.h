#pragma once

#include <QDialog>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class ApplicationState;
class QLineEdit;
class QPushButton;

// One name the dialog asks for: its caption, the clipboard's name, what is
// said when it is left blank, and the objectNames its labels carry.
struct NewNameField {
    QString caption;
    std::string original;
    QString blankText;
    QString blankTitle;
    QString originalName;              // the label showing the clipboard's name
    QString originalCaptionName = {};  // the captions, where they are named
    QString newCaptionName = {};
    QString boxName = {};  // "Text1", "Text2", ... in field order unless named
};

// What a database's new-name dialog shows and does. The names reach the
// lookup and the addition in the order of `fields`.
struct NewNamesDescription {
    using Names = std::vector<std::string>;

    QString title;
    int minimumWidth = 0;
    std::size_t nameLength = 0;
    bool captionsAbove = false;  // names side by side, each under its caption
    std::vector<NewNameField> fields;
    std::vector<std::size_t> blankCheckOrder;  // which blank name is reported first
    QString inUseLead;                         // the in-use message: lead, then the names
    std::vector<std::size_t> inUseNameOrder;
    std::function<bool(const Names&)> InUse;
    std::function<void(const Names&)> Add;  // names the clipboard and adds it
};

// Asks for new names for what the clipboard holds (boxes "Text1", "Text2",
// ... in the frames "Frame1" (original) and "Frame2" (new)), and adds it
// under them. Accepted only when it was added; a blank name or one in use
// is refused and the dialog stays open.
class NewNamesForm : public QDialog {
    Q_OBJECT
public:
    NewNamesForm(ApplicationState& state, NewNamesDescription description, QWidget* parent);

private:
    void DoneClicked();
    bool Refused(const NewNamesDescription::Names& names);

    ApplicationState& state_;
    NewNamesDescription description_;
    std::vector<QLineEdit*> Text;
    QPushButton* Done;
    QPushButton* Cancel;
};
