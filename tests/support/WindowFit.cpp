#include "support/WindowFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::string Described(const QRect& rect)
{
    return std::to_string(rect.width()) + "x" + std::to_string(rect.height()) + " at " + std::to_string(rect.x()) +
           "," + std::to_string(rect.y());
}

bool EndsTheWindow(const QPushButton& button)
{
    const QStringList captions = {"Save", "Cancel", "Done", "OK", "Ok", "Close"};
    return captions.contains(button.text());
}

// Layouts settle and pending resizes land before anything is measured: a
// change deep inside reaches the window one layout at a time.
void Settle()
{
    for (int pass = 0; pass < 8; ++pass) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}

// The first check box a user could tick now that has not been ticked before.
QCheckBox* NextBoxToTick(QWidget& window, const QSet<QCheckBox*>& ticked)
{
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
        if (box->isVisible() && box->isEnabled() && !box->isChecked() && !ticked.contains(box)) return box;
    return nullptr;
}

}  // namespace

bool OnLaptopScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize device = screen->geometry().size() * screen->devicePixelRatio();
    return device == QSize(1366, 768);
}

void ExpectFits(const QWidget& window, const std::string& view)
{
    Settle();
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(available.contains(frame))
        << view << ": frame " << Described(frame) << " on a screen of " << Described(available);
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisible() || !EndsTheWindow(*button) || button->window() != &window) continue;
        const std::string name =
            view + ": " + button->text().toStdString() + " (" + button->objectName().toStdString() + ")";
        EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect()) << name << " is cut";
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(available.contains(onScreen)) << name << " at " << Described(onScreen);
    }
}

void ExpectEveryViewFits(QWidget& window, const std::vector<WindowView>& views)
{
    ASSERT_TRUE(OnLaptopScreen()) << LaptopScreenHint;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ExpectFits(window, "as opened");
    for (const WindowView& view : views) {
        view.show(window);
        ExpectFits(window, view.name);
    }
    for (QTabBar* bar : window.findChildren<QTabBar*>()) {
        if (!bar->isVisible()) continue;
        for (int tab = 0; tab < bar->count(); ++tab) {
            bar->setCurrentIndex(tab);
            ExpectFits(window, "tab " + bar->tabText(tab).toStdString());
        }
    }
    Settle();
    const int width = window.frameGeometry().width();
    // A tick may show further boxes, which are ticked in their turn.
    QSet<QCheckBox*> ticked;
    while (QCheckBox* box = NextBoxToTick(window, ticked)) {
        ticked.insert(box);
        box->click();
        const std::string view = "ticked " + box->objectName().toStdString();
        ExpectFits(window, view);
        EXPECT_EQ(window.frameGeometry().width(), width) << view;
        ASSERT_TRUE(box->isChecked()) << view << " stays unticked";
    }
}
