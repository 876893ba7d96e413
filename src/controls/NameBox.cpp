#include "controls/NameBox.h"

#include "model/CleanedName.h"
#include "model/FindByNames.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"

#include <QLineEdit>

QLineEdit* NewNameBox(const QString& name, const std::string& text, std::size_t length)
{
    auto* box = WithName(new QLineEdit(FromWindows1252(text)), name);
    box->setMaxLength(static_cast<int>(length));
    return box;
}

std::string TakeName(QLineEdit& box, std::size_t length)
{
    const std::string whole = UpperCase1252(CleanedName(ToWindows1252(box.text())));
    std::string name = TrimmedUpper(std::string_view(whole).substr(0, length));
    box.setText(FromWindows1252(name));
    return name;
}
