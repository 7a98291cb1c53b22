#pragma once

// A result that may be missing: either a value, or the reason why there is
// none. Every result of the evaluation is one of these, whatever its value
// type: a tensile value with its note and mark, a fitted parameter with its
// standard error, a whole transition curve. The windows show a missing value
// as "–" with its reason; nothing is ever guessed in its place.
#include <QString>
#include <optional>
#include <utility>

namespace evaluation {

template <class T>
class Outcome {
public:
    // Not decided yet: neither a value nor a reason. An evaluation starts
    // from this and leaves every result with one or the other.
    Outcome() = default;
    Outcome(T value) : m_value(std::move(value)) {}
    static Outcome none(QString reason)
    {
        Outcome o;
        o.m_reason = std::move(reason);
        return o;
    }

    bool has_value() const { return m_value.has_value(); }
    explicit operator bool() const { return has_value(); }
    // Neither determined nor refused with a reason yet.
    bool undecided() const { return !has_value() && m_reason.isEmpty(); }
    const T& operator*() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T* operator->() const { return &*m_value; }
    T* operator->() { return &*m_value; }
    const T& value() const { return m_value.value(); }
    // Why there is no value; empty when there is one.
    const QString& reason() const { return m_reason; }

private:
    std::optional<T> m_value;
    QString m_reason;
};

}
