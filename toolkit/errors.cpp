#include "errors.h"

#include <QApplication>
#include <QMessageBox>

namespace tk {

namespace {
ErrorSink& sink()
{
    static ErrorSink s;
    return s;
}
}

void setErrorSink(ErrorSink s) { sink() = std::move(s); }

void showError(const QString& text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(), text,
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

void runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Error& e) {
        showError(e.message());
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
}

}
