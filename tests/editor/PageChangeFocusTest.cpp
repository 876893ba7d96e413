#include "MainWindowTest.h"
#include "editor/DeviceTabs.h"
#include "model/ApplicationState.h"
#include "support/KeyPresses.h"
#include "support/NamedChild.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

// Every control a key went to that the user could not see.
class HiddenKeyTargets : public QObject {
public:
    HiddenKeyTargets() { QApplication::instance()->installEventFilter(this); }
    ~HiddenKeyTargets() override { QApplication::instance()->removeEventFilter(this); }
    HiddenKeyTargets(const HiddenKeyTargets&) = delete;
    HiddenKeyTargets& operator=(const HiddenKeyTargets&) = delete;

    std::vector<std::string> names;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* control = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::KeyPress && control != nullptr && !control->isVisible())
            names.push_back(control->objectName().toStdString());
        return false;
    }
};

class PageChangeFocusTest : public MainWindowTest {
protected:
    DeviceTabs& Tabs() { return *Named<DeviceTabs>(Window(), "DeviceTab"); }
    QToolButton* TabButton(int tab) { return Named<QToolButton>(Tabs(), "DeviceTab", tab); }
    QWidget* PageShown() { return Named<QStackedWidget>(Window(), "Pages")->currentWidget(); }
    static std::string FocusName()
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? "none" : focus->objectName().toStdString();
    }
};

}  // namespace

// The input tabs share one page. Its audio panel, which had the focus, hides
// for Computer 1 while the Notes show; Ctrl+Tab from the Notes to Computer 1
// takes the focus to a control shown, and Down changes only what is seen.
TEST_F(PageChangeFocusTest, AControlTheSharedPageHidWhileAwayNeverTakesTheKeys)
{
    Window();
    HiddenKeyTargets hidden;
    QList<KeyPress> keys{KeyPress(Qt::Key_Up)};
    for (int i = 0; i < 8; ++i) keys.append(KeyPress(Qt::Key_Right));
    keys.append({KeyPress(Qt::Key_Tab), KeyPress(Qt::Key_Backtab, Qt::ShiftModifier)});
    for (int i = 0; i < 10; ++i) keys.append(KeyPress(Qt::Key_Right));
    keys.append({KeyPress(Qt::Key_Tab), KeyPress('x'), KeyPress(Qt::Key_Tab, Qt::ControlModifier)});
    keys.append(KeyPress([this] {
        ASSERT_EQ(Tabs().Tab(), TabNumber(ConfigTab::Computer1));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus->isVisible()) << FocusName();
        EXPECT_TRUE(PageShown()->isAncestorOf(focus)) << FocusName();
    }));
    keys.append(KeyPress(Qt::Key_Down));
    const QStringList targets = PressKeys(keys);
    EXPECT_EQ(targets.value(10).toStdString(), "Option1_0") << "the audio panel's first option had the focus";
    EXPECT_EQ(state.Config.Record.ConfigNotes.trimmed(), "x");
    EXPECT_EQ(state.Config.Record.AudioRerouteMode[1], 0) << "Audio 2 still serves itself";
    EXPECT_EQ(hidden.names, std::vector<std::string>{});
}

// Every way to change page, from every page, with the focus left before on
// each kind of control of the shared input page (or on the tabs): the focus
// goes to a control the user sees, on the page shown (or on the tabs, where
// it was there), and a Down after it reaches no hidden control. Each walk
// goes once round the tabs, the focus on the control wherever it shows and
// elsewhere on the page it went to, the input page keeping the control as
// the one it had the focus on.
TEST_F(PageChangeFocusTest, EveryWayToChangePageLeavesTheFocusOnThePageShown)
{
    Window();
    // Panels shown on some inputs and hidden on others: the add-ons on,
    // Computer 3 a component input, Video 2 not in use, Audio 2 serving Video 2.
    ConfigurationRecord& record = state.Config.Record;
    record.QuilmarDraventEnabled = true;
    record.ComputerIsComponent[2] = true;
    record.InputNotInUse.fill(false);
    record.InputNotInUse[5] = true;
    record.AudioRerouteMode = {0, 2};
    for (InputIRRecord& ir : record.InputIRRecords) ir.DeviceSelected = true;
    const ConfigurationRecord arranged = record;
    Window().ShowConfiguration();

    struct Kind {
        const char* what;
        ConfigTab tab;
        const char* panel;
        const char* control;
    };
    const Kind kinds[] = {
        {"video option", ConfigTab::Computer1, "VGACompControl1", "Option1_1"},
        {"audio option", ConfigTab::Audio1, "AudioReroute1", "Option1_2"},
        {"check box", ConfigTab::Computer2, "InputModes1", "AutoSelect"},
        {"entry", ConfigTab::Video3, "InputModes1", "MeshloOutAddress"},
        {"drop-down", ConfigTab::Computer3, "IRFrame", "IRLabel"},
        {"button", ConfigTab::Video4, "IRFrame", "Clear"},
        {"message pane", ConfigTab::Audio1, "RS232Frame", "SerialStringDisplay1_1"},
        {"tabs", ConfigTab::Computer1, nullptr, nullptr},
    };
    // The arrows take the tabs round: right along the first row, down,
    // left along the second, up.
    enum class Way { Key, Click, Arrows };
    struct Change {
        const char* what;
        Way way;
        QKeyCombination key;
        int places;
    };
    const Change changes[] = {
        {"Ctrl+Tab", Way::Key, Qt::CTRL | Qt::Key_Tab, 1},
        {"Ctrl+Shift+Tab", Way::Key, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {"Ctrl+PgDown", Way::Key, Qt::CTRL | Qt::Key_PageDown, 1},
        {"Ctrl+PgUp", Way::Key, Qt::CTRL | Qt::Key_PageUp, -1},
        {"click", Way::Click, {}, 1},
        {"arrows", Way::Arrows, {}, 0},
    };
    constexpr int Row = DeviceTabs::TabsPerRow;
    const auto arrow = [](int from) -> std::pair<Qt::Key, int> {
        if (from < Row)
            return from < Row - 1 ? std::pair{Qt::Key_Right, from + 1} : std::pair{Qt::Key_Down, from + Row};
        return from > Row ? std::pair{Qt::Key_Left, from - 1} : std::pair{Qt::Key_Up, from - Row};
    };
    HiddenKeyTargets hidden;
    std::vector<std::string> faults;
    for (const Kind& kind : kinds) {
        QWidget* control =
            kind.control == nullptr ? nullptr : Named<QWidget>(*Named<QWidget>(Window(), kind.panel), kind.control);
        for (const Change& change : changes) {
            // Only the tabs answer the arrows.
            if (change.way == Way::Arrows && control != nullptr) continue;
            record = arranged;
            Tabs().SetTab(kind.tab);
            (control != nullptr ? control : TabButton(Tabs().Tab()))->setFocus();
            for (int step = 0; step < DeviceTabs::Tabs; ++step) {
                const int from = Tabs().Tab();
                const std::string name =
                    std::string(kind.what) + " from " + std::to_string(from) + " by " + change.what;
                if (control != nullptr && control->isVisible()) control->setFocus();
                const bool onTabs = TabButton(from)->hasFocus();
                int to = (from + change.places + DeviceTabs::Tabs) % DeviceTabs::Tabs;
                switch (change.way) {
                case Way::Key:
                    QTest::keyClick(QApplication::focusWidget(), change.key.key(), change.key.keyboardModifiers());
                    break;
                case Way::Click: QTest::mouseClick(TabButton(to), Qt::LeftButton); break;
                case Way::Arrows:
                    to = arrow(from).second;
                    QTest::keyClick(TabButton(from), arrow(from).first);
                    break;
                }
                QWidget* focus = QApplication::focusWidget();
                if (Tabs().Tab() != to) {
                    faults.push_back(name + ": tab " + std::to_string(Tabs().Tab()));
                    break;
                }
                if (focus == nullptr || !focus->isVisible()) {
                    faults.push_back(name + ": focus on hidden " + FocusName());
                } else if (onTabs ? focus != TabButton(to) : !PageShown()->isAncestorOf(focus)) {
                    faults.push_back(name + ": focus on " + FocusName());
                }
                // On the tabs Down would change the page.
                if (onTabs || focus == nullptr) continue;
                const std::size_t hiddenBefore = hidden.names.size();
                QTest::keyClick(focus, Qt::Key_Down);
                if (hidden.names.size() != hiddenBefore)
                    faults.push_back(name + ": Down reached " + hidden.names.back());
                // What the Down changed: the input page reads it as its tab is arranged.
                record = arranged;
            }
        }
    }
    std::string listed;
    for (const std::string& fault : faults) listed += "\n" + fault;
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults:" << listed;
}

// A panel the shared page hides while another window is active does not keep
// the focus for when the main window is active again.
TEST_F(PageChangeFocusTest, APanelHiddenWhileTheWindowIsInactiveKeepsNoFocus)
{
    Window();
    Tabs().SetTab(ConfigTab::Audio2);
    QWidget* entry = Named<QWidget>(Window(), "MeshloOutAddress");
    entry->setFocus();
    ASSERT_TRUE(entry->hasFocus());
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    // A configuration read meanwhile, in which Audio 2 serves Computer 2.
    state.Config.Record.AudioRerouteMode[1] = 1;
    Window().ShowConfiguration();
    ASSERT_FALSE(entry->isVisible());
    other.close();
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus->isVisible()) << FocusName();
    EXPECT_TRUE(PageShown()->isAncestorOf(focus)) << FocusName();
}
