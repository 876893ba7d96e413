#pragma once

#include <stdexcept>
#include <string>

// The run-time errors that the record classes raise to their callers.
class SubscriptOutOfRange : public std::out_of_range {
public:
    explicit SubscriptOutOfRange(const std::string& what) : std::out_of_range("Subscript out of range: " + what) {}
};

class ValueOverflow : public std::overflow_error {
public:
    explicit ValueOverflow(const std::string& what) : std::overflow_error("Overflow: " + what) {}
};

// Text given where a number is expected.
class TypeMismatch : public std::invalid_argument {
public:
    explicit TypeMismatch(const std::string& what) : std::invalid_argument("Type mismatch: " + what) {}
};
