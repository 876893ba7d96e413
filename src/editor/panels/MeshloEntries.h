#pragma once

#include <QGroupBox>
#include <QString>
#include <vector>

class Configuration;
class MeshloAddressControl;

// Which element of the Meshlo address table the window's entry
// `MeshloAddressControl1(k)` edits: k itself from 10 on, 38 + k below 7.
int MeshloTableElement(int control);
// The entry's tooltip.
QString MeshloEntryTooltip(int control);

// A frame of the window's Meshlo address entries, each under its caption.
class MeshloEntries : public QGroupBox {
    Q_OBJECT
public:
    struct Entry {
        int control;  // k of MeshloAddressControl1(k)
        QString caption;
    };

    MeshloEntries(Configuration& config, const QString& title, const std::vector<Entry>& entries,
                  QWidget* parent = nullptr);

    void Fill();

private:
    Configuration& config_;
    std::vector<std::pair<int, MeshloAddressControl*>> entries_;
};
