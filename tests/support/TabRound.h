#pragma once

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

// One stop of the focus on its way round a window under the Tab key.
struct TabStop {
    QWidget* widget;
    // The control looked different while it had the focus.
    bool focusShown;
};

// Presses Tab from the control with the focus until the focus comes back to
// it, at most `limit` times, and returns every control it stopped on, the
// first one included.
inline std::vector<TabStop> TabRound(int limit = 100)
{
    std::vector<TabStop> stops;
    QWidget* start = QApplication::focusWidget();
    for (QWidget* focus = start; focus != nullptr && static_cast<int>(stops.size()) < limit;) {
        const QImage focused = focus->grab().toImage();
        QTest::keyClick(focus, Qt::Key_Tab);
        stops.push_back({focus, focus->grab().toImage() != focused});
        focus = QApplication::focusWidget();
        if (focus == start) break;
    }
    return stops;
}

// The name a test knows a stop by: its own, or for an entry's text box the entry's.
inline QString StopName(const QWidget* stop)
{
    while (stop != nullptr && (stop->objectName().isEmpty() || stop->objectName() == "Text1"))
        stop = stop->parentWidget();
    return stop != nullptr ? stop->objectName() : QString();
}

// The stops' names in a line, as a test compares them.
inline std::string StopNames(const std::vector<TabStop>& stops)
{
    QStringList names;
    for (const TabStop& stop : stops) names << StopName(stop.widget);
    return names.join(' ').toStdString();
}
