#pragma once

#include <QMainWindow>

class ApplicationState;

// The editor's main window. The shell holds the caption; the tabs, toolbar and
// commands are built on it.
class TavloForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TavloForm(ApplicationState& state, QWidget* parent = nullptr);

private:
    ApplicationState& state_;
};
