#pragma once

#include <stdexcept>
#include <string>
#include <utility>

// A file operation that failed. what() tells the operation, the file and the
// cause; cause() the cause alone ("No space left on device"), for a message
// about another file: the user's, where the failure hit a temporary one.
class PathError : public std::runtime_error {
public:
    // A description that is its own cause.
    explicit PathError(const std::string& description) : std::runtime_error(description), cause_(description) {}
    PathError(const std::string& description, std::string cause)
        : std::runtime_error(description), cause_(std::move(cause))
    {
    }

    const std::string& cause() const { return cause_; }

private:
    std::string cause_;
};
