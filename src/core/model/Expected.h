#pragma once

#include <string>
#include <utility>
#include <variant>

namespace gorlin {

/// What went wrong, in words fit to show the user.
struct Error {
    std::string Message;
};

/// A value or the error that prevented it. Readers and parsers return this instead of throwing.
template <typename T> class Expected {
public:
    Expected(T value) : m_v(std::in_place_index<0>, std::move(value)) {}
    Expected(Error error) : m_v(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(m_v); }
    const T& value() const { return std::get<0>(m_v); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, Error> m_v;
};

/// Success or an error, for operations with no value.
struct Status {
    bool Ok = true;
    std::string Message;
    static Status Success() { return {}; }
    static Status Failure(std::string message) { return {false, std::move(message)}; }
    explicit operator bool() const { return Ok; }
};

} // namespace gorlin
