#include "evaluation/result_term.h"

#include <QCoreApplication>

namespace evaluation {

QString ResultTerm::translatedName() const
{
    return QCoreApplication::translate(context, name);
}

QString ResultTerm::translatedDefinition() const
{
    return QCoreApplication::translate(context, definition);
}

QString ResultTerm::columnTitle() const
{
    const QString s = QString::fromUtf8(symbol);
    return *unit ? s + QLatin1Char('/') + QString::fromUtf8(unit) : s;
}

}
