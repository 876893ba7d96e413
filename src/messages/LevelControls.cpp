#include "messages/LevelControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LevelControls::LevelControls(QWidget* parent) : QWidget(parent)
{
    DemoText = new QLineEdit;
    DemoText->setReadOnly(true);
    Label4 = new QLabel;
    Up = new QPushButton("Up");
    Down = new QPushButton("Down");
    PowerUp = new QPushButton("Power Up");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {Up, Down, PowerUp}) {
        // Enter in a neighbouring entry must not move the level.
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(DemoText);
    column->addWidget(Label4);
    column->addLayout(buttons);
}

void LevelControls::Show(int16_t level, const VolumeExtensionClass& format, RawLevelPreview rawPreview)
{
    DemoText->setText(LevelPreviewText(level, format, rawPreview));
    Label4->setText(LevelValueCaption(level));
}
