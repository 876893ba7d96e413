#pragma once

#include <QString>
#include <QTreeWidgetItem>

// A tree node of one column whose text is a member of its own. Item data
// would keep it in a list of columns holding a list of values: a fill of
// thousands of nodes would make and free three pieces of memory a node
// where this makes one, the text. Everything else is item data as usual.
class TextNode : public QTreeWidgetItem {
public:
    explicit TextNode(const QString& text, int type = Type) : QTreeWidgetItem(type), text_(text) {}
    TextNode(QTreeWidgetItem* parent, const QString& text, int type = Type) : QTreeWidgetItem(parent, type), text_(text)
    {
    }

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

private:
    static bool IsText(int column, int role)
    {
        return column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole);
    }

    QString text_;
};
