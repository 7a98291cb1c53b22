#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace tk {

// A failure that ends the running handler and is reported in the
// application's error box: a bad number typed by the user or a
// floating-point fault.
class Error : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Shows the application's error box with this text. The box does not block:
// the handler that failed has already ended.
void showError(const QString& text);

// Tests replace the box by a sink that records the text; an empty function
// restores the box.
using ErrorSink = std::function<void(const QString&)>;
void setErrorSink(ErrorSink sink);

// Runs a handler the way the event loop of the classic toolkit does: an
// Error (or any other exception) ends it and is shown in the error box.
void runGuarded(const std::function<void()>& handler);

}
