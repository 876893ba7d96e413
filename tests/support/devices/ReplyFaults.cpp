#include "support/devices/ReplyFaults.h"

#include <algorithm>
#include <stdexcept>

namespace {

int Number(const std::string& text)
{
    std::size_t used = 0;
    const int number = std::stoi(text, &used);
    if (used != text.size()) throw std::invalid_argument("not a number: " + text);
    return number;
}

// "MS[,MS...]"
LateCopies Delays(const std::string& text)
{
    LateCopies delays;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        delays.each.emplace_back(Number(text.substr(from, comma - from)));
        from = comma + 1;
    }
    return delays;
}

}  // namespace

ReplyFaults ReplyFaults::FromArguments(const std::vector<std::string>& arguments, std::vector<std::string>& rest)
{
    ReplyFaults faults;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takesValue = argument == "--late" || argument == "--refuse" || argument == "--silent";
        if (takesValue && i + 1 == arguments.size()) throw std::invalid_argument(argument + " needs a value");
        if (argument == "--late") {
            const std::string& value = arguments[++i];
            const std::size_t colon = value.find(':');
            if (colon == std::string::npos) throw std::invalid_argument("--late needs FRAME:MS[,MS...]");
            faults.late[Number(value.substr(0, colon))] = Delays(value.substr(colon + 1));
        } else if (argument == "--refuse") {
            faults.refused.insert(Number(arguments[++i]));
        } else if (argument == "--silent") {
            faults.silent.insert(Number(arguments[++i]));
        } else if (argument == "--meet-payload") {
            faults.lateMeetsPayload = true;
        } else if (argument == "--refuse-met") {
            faults.refuseMet = true;
        } else if (argument == "--late-every-copy") {
            faults.lateEveryCopy = true;
        } else {
            rest.push_back(argument);
        }
    }
    return faults;
}

std::vector<std::string> ReplyFaults::Arguments() const
{
    std::vector<std::string> arguments;
    for (const auto& [frame, delays] : late) {
        std::string value = std::to_string(frame);
        char separator = ':';
        for (const std::chrono::milliseconds delay : delays.each) {
            value += separator + std::to_string(delay.count());
            separator = ',';
        }
        arguments.insert(arguments.end(), {"--late", value});
    }
    for (const int frame : refused) arguments.insert(arguments.end(), {"--refuse", std::to_string(frame)});
    for (const int frame : silent) arguments.insert(arguments.end(), {"--silent", std::to_string(frame)});
    if (lateMeetsPayload) arguments.emplace_back("--meet-payload");
    if (refuseMet) arguments.emplace_back("--refuse-met");
    if (lateEveryCopy) arguments.emplace_back("--late-every-copy");
    return arguments;
}

std::chrono::milliseconds ReplyFaults::LateBy(int frame, int copy) const
{
    const auto found = late.find(frame);
    if (found == late.end() || found->second.each.empty()) return {};
    const std::vector<std::chrono::milliseconds>& each = found->second.each;
    if (static_cast<std::size_t>(copy) < each.size()) return each[static_cast<std::size_t>(copy)];
    return lateEveryCopy ? each.back() : std::chrono::milliseconds{};
}

void FaultedAnswers::PayloadBegins()
{
    const Clock::time_point now = Clock::now();
    while (!held_.empty() && held_.begin()->first <= now) {
        send_(held_.begin()->second, {});
        held_.erase(held_.begin());
        met_ = true;
    }
}

FaultedAnswers::Answer FaultedAnswers::AnswerTo(const ReplyFaults& faults, std::optional<int> frame,
                                                std::chrono::milliseconds& lateBy)
{
    const bool met = std::exchange(met_, false);
    if (frame && faults.silent.contains(*frame)) return Answer::Silent;
    if (met && faults.refuseMet) return Answer::Refuse;
    if (!frame) return Answer::Acknowledge;
    if (faults.refused.contains(*frame) && refusedFired_.insert(*frame).second) return Answer::Refuse;
    if (!faults.late.contains(*frame)) return Answer::Acknowledge;
    lateBy = faults.LateBy(*frame, lateCopiesHeard_[*frame]++);
    return lateBy.count() > 0 ? Answer::Late : Answer::Acknowledge;
}

void FaultedAnswers::AcknowledgeLate(const ReplyFaults& faults, const Bytes& acknowledgement,
                                     std::chrono::milliseconds delay)
{
    if (faults.lateMeetsPayload)
        held_.emplace(Clock::now() + delay, acknowledgement);
    else
        send_(acknowledgement, delay);
}

void FaultedAnswers::LineOpened()
{
    held_.clear();
    met_ = false;
}
