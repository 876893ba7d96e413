#include "messages/LevelControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

}  // namespace

LevelControls::LevelControls(QWidget* parent) : QWidget(parent)
{
    setObjectName("LevelControls");
    DemoText = new QLineEdit;
    DemoText->setObjectName("DemoText");
    DemoText->setReadOnly(true);
    Label4 = new QLabel;
    Label4->setObjectName("Label4");
    Up = new QPushButton("Up");
    Up->setObjectName("Up");
    Down = new QPushButton("Down");
    Down->setObjectName("Down");
    PowerUp = new QPushButton("Power Up");
    PowerUp->setObjectName("PowerUp");
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
    connect(Up, &QPushButton::clicked, this, &LevelControls::UpClicked);
    connect(Down, &QPushButton::clicked, this, &LevelControls::DownClicked);
    connect(PowerUp, &QPushButton::clicked, this, &LevelControls::PowerUpClicked);
}

void LevelControls::Show(int16_t level, const VolumeExtensionClass& format, RawLevelPreview rawPreview)
{
    if (faultShown_) {
        SetTextColour(DemoText, Qt::black);
        Label4->setEnabled(true);
        faultShown_ = false;
    }
    DemoText->setText(LevelPreviewText(level, format, rawPreview));
    Label4->setText(LevelValueCaption(level));
}

void LevelControls::ShowFault()
{
    DemoText->setText("ERROR");
    SetTextColour(DemoText, Qt::red);
    Label4->setEnabled(false);
    faultShown_ = true;
}

void LevelControls::PowerUpEnabled(bool enabled)
{
    PowerUp->setEnabled(enabled);
}

void LevelControls::HidePowerUp()
{
    PowerUp->hide();
}
