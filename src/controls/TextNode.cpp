#include "controls/TextNode.h"

QVariant TextNode::data(int column, int role) const
{
    if (IsText(column, role)) return text_;
    return QTreeWidgetItem::data(column, role);
}

void TextNode::setData(int column, int role, const QVariant& value)
{
    if (!IsText(column, role)) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    const QString text = value.toString();
    if (text == text_) return;
    text_ = text;
    // As item data does: the view shows the new text.
    emitDataChanged();
}
