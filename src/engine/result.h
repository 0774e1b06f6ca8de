// How the engine says that something failed.
//
// Every public engine operation that can fail returns a Result<T, E>: either
// the value it computed or an enumerator of E, an enum class of its own that
// names why it could not. Nothing else carries failure across the engine's
// boundary: no bool with out-parameters, no integer codes, no in-band markers
// in records, no NaN, and no message texts (the application layer words the
// reasons for the user). Result<void, E> is the form for an operation that
// only succeeds or fails.
//
// This is the shape of C++23's std::expected, written for C++20 and kept to
// what the engine needs.
#pragma once

#include <cassert>
#include <utility>
#include <variant>

namespace vemla {

// Marks the error side of a Result where the value and error types could be
// confused (and reads well at a return statement): `return Fail(E::kWhy);`.
template <class E>
struct Failure {
    E error;
};
template <class E>
constexpr Failure<E> Fail(E error) {
    return {error};
}

template <class T, class E>
class [[nodiscard]] Result {
  public:
    constexpr Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    constexpr Result(Failure<E> failure) : state_(std::in_place_index<1>, failure.error) {}

    constexpr bool ok() const { return state_.index() == 0; }
    constexpr explicit operator bool() const { return ok(); }

    // The value; only when ok().
    constexpr const T& value() const& {
        assert(ok());
        return *std::get_if<0>(&state_);
    }
    constexpr T& value() & {
        assert(ok());
        return *std::get_if<0>(&state_);
    }
    constexpr T&& value() && {
        assert(ok());
        return std::move(*std::get_if<0>(&state_));
    }
    constexpr const T& operator*() const& { return value(); }
    constexpr const T* operator->() const { return &value(); }
    constexpr T* operator->() { return &value(); }

    // The reason; only when !ok().
    constexpr E error() const {
        assert(!ok());
        return *std::get_if<1>(&state_);
    }

    // The value, or `fallback` when the operation failed.
    constexpr T value_or(T fallback) const& { return ok() ? value() : std::move(fallback); }

  private:
    std::variant<T, E> state_;
};

template <class E>
class [[nodiscard]] Result<void, E> {
  public:
    constexpr Result() = default;
    constexpr Result(Failure<E> failure) : error_(failure.error), failed_(true) {}
    static constexpr Result Ok() { return {}; }

    constexpr bool ok() const { return !failed_; }
    constexpr explicit operator bool() const { return ok(); }
    constexpr E error() const {
        assert(failed_);
        return error_;
    }

  private:
    E error_{};
    bool failed_ = false;
};

}  // namespace vemla
