#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QWidget;

// A row of option buttons that exclude one another, named "Name_i". A stored
// value that no option stands for selects none of them, so a damaged
// setting is neither shown as another one nor lost.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    OptionGroup(const QString& name, const QStringList& captions, QWidget* parent);

    int Count() const { return static_cast<int>(options_.size()); }
    QRadioButton* Option(int k) const { return options_.at(static_cast<std::size_t>(k)); }

    // Selects option k, or none when k is not an option's index. Raises nothing.
    void Select(int k);
    // The selected option's index, or -1.
    int Selected() const;
    void SetEnabled(bool enabled);

signals:
    // The user clicked option k (never raised by Select).
    void Clicked(int k);

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> options_;
};
