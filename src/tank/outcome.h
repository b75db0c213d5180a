// What reading a request from the window gives: the request, or the stop that ended the
// reading with the message the user is to see. Readers never show anything; the operations
// of app/ show a stop, and any exception, in one place.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace quorvel {

struct Stop {
    // A plain message box (a missing field, a request that cannot be walked) or the
    // application's standard error box.
    enum class Box { Message, Error } box = Box::Message;
    std::string text;

    bool operator==(const Stop&) const = default;
};

inline Stop messageStop(std::string text) {
    return {Stop::Box::Message, std::move(text)};
}
inline Stop errorStop(std::string text) {
    return {Stop::Box::Error, std::move(text)};
}

template <class T>
class Outcome {
  public:
    Outcome(T value) : value_(std::move(value)) {}
    Outcome(Stop stop) : value_(std::move(stop)) {}

    // True when the request was read.
    explicit operator bool() const { return value_.index() == 0; }
    T& operator*() { return std::get<0>(value_); }
    const T& operator*() const { return std::get<0>(value_); }
    T* operator->() { return &std::get<0>(value_); }
    const T* operator->() const { return &std::get<0>(value_); }
    const Stop& stop() const { return std::get<1>(value_); }

  private:
    std::variant<T, Stop> value_;
};

}  // namespace quorvel
