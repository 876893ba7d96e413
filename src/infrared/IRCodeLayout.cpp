#include "infrared/IRCodeLayout.h"

#include <algorithm>

namespace {

constexpr int FirstElement = 2;
constexpr uint8_t CarrierOn = 0x80;
constexpr uint8_t DurationBits = 0x7F;
constexpr int RunOn = 127;  // a duration that continues into the next element
constexpr double UnitsPerMillisecond = 5000.0;

struct PartElements {
    const IRCommandClass::PartData& data;
    int last;  // index of the last element; below FirstElement when there is none

    int Duration(int i) const { return data[static_cast<std::size_t>(i)] & DurationBits; }
    bool Pulsing(int i) const { return (data[static_cast<std::size_t>(i)] & CarrierOn) != 0; }
};

PartElements ElementsOf(const IRCommandClass& command, IRPart part)
{
    const IRCommandClass::PartData& data = command.Part(part);
    const int count = data[0];
    return {data, std::min(count - 2, IRCommandClass::DataLength - 1)};
}

QString Fixed(double value, int integerDigits, int decimals)
{
    const int width = integerDigits + (decimals > 0 ? decimals + 1 : 0);
    return QString::asprintf("%0*.*f", width, decimals, value);
}

void AddTextLines(const PartElements& elements, double unit, IRCodeLayout& layout)
{
    layout.TextLines.append("  " + layout.Frequency + " Modulation ");
    int counter = 1;
    for (int i = FirstElement; i <= elements.last; ++i) {
        const bool pulsing = elements.Pulsing(i);
        int duration = elements.Duration(i);
        if (duration == RunOn) {
            while (i < elements.last && elements.Duration(i + 1) == RunOn) duration += elements.Duration(++i);
            if (i < elements.last) duration += elements.Duration(++i);
        }
        layout.TextLines.append(QString::asprintf("  %02d - ", counter) + Fixed(duration * unit, 2, 2) + "mS " +
                                (pulsing ? "Pulsing " : "Off "));
        ++counter;
    }
}

void AddGraphPoints(const PartElements& elements, int total, double width, double height, IRCodeLayout& layout)
{
    const double onLevel = height / 4;
    const double offLevel = height - height / 4;
    const double margin = width / 10;
    const double scale = total > 0 ? 0.8 * width / total : 0;
    double x = 0;
    layout.GraphPoints.push_back({margin, offLevel});
    for (int i = FirstElement; i <= elements.last; ++i) {
        const double level = elements.Pulsing(i) ? onLevel : offLevel;
        layout.GraphPoints.push_back({x * scale + margin, level});
        x += elements.Duration(i);
        layout.GraphPoints.push_back({x * scale + margin, level});
    }
    layout.GraphPoints.push_back({x * scale + margin, offLevel});
}

}  // namespace

IRCodeLayout LayOutIRCode(const IRCommandClass& command, IRPart part, double width, double height)
{
    const PartElements elements = ElementsOf(command, part);
    const int period = command.Part(part)[1];
    const double unit = period / UnitsPerMillisecond;
    int total = 0;
    for (int i = FirstElement; i <= elements.last; ++i) total += elements.Duration(i);
    const int gap = command.InterPeriod(IRPart::Start) * 127 + command.InterPeriod(IRPart::Repeat);

    IRCodeLayout layout;
    layout.Length = Fixed(total * unit, 2, 1) + "mS";
    layout.RepeatTime = Fixed((total + gap) * unit, 3, 0) + "mS";
    layout.Frequency = Fixed(period > 0 ? UnitsPerMillisecond / period : 0, 1, 1) + "kHz";
    AddTextLines(elements, unit, layout);
    AddGraphPoints(elements, total, width, height, layout);
    return layout;
}
