#pragma once

// A result that may be missing: either a value, or the reason why there is
// none. The evaluation windows show a missing value as "–" with its reason;
// nothing is ever guessed in its place.
#include <QString>
#include <optional>
#include <utility>

namespace evaluation {

template <class T>
class Outcome {
public:
    Outcome(T value) : m_value(std::move(value)) {}
    static Outcome none(QString reason)
    {
        Outcome o;
        o.m_reason = std::move(reason);
        return o;
    }

    bool has_value() const { return m_value.has_value(); }
    explicit operator bool() const { return has_value(); }
    const T& operator*() const { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const T& value() const { return m_value.value(); }
    // Why there is no value; empty when there is one.
    const QString& reason() const { return m_reason; }

private:
    Outcome() = default;
    std::optional<T> m_value;
    QString m_reason;
};

}
