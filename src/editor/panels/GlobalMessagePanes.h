#pragma once

#include <QGroupBox>
#include <QString>
#include <vector>

class ApplicationState;
class SerialStringDisplay;

// A frame of the window's global message panes `SerialStringDisplay6(i)`,
// each showing configuration slot i under its label. An edit is stored into
// its slot at once, as an edit of the global messages.
class GlobalMessagePanes : public QGroupBox {
    Q_OBJECT
public:
    struct Pane {
        int slot;
        QString label;
        // The label is the picture of a remote-control button, with its name as tooltip.
        QString buttonName = {};
    };

    GlobalMessagePanes(ApplicationState& state, const QString& title, const std::vector<Pane>& panes,
                       QWidget* parent = nullptr);

    // Binds every pane to its slot's message again, redrawing it.
    void Fill();

private:
    ApplicationState& state_;
    std::vector<std::pair<int, SerialStringDisplay*>> panes_;
};
