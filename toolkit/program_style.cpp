#include "program_style.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QProxyStyle>
#include <QWidget>

namespace tk {

namespace {

class ProgramStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        // The files and sizes Qt's common style gives these icons.
        const bool rightToLeft = (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection())
                                 == Qt::RightToLeft;
        const QString name = icon == SP_ToolBarVerticalExtensionButton ? QStringLiteral("v")
                             : rightToLeft                              ? QStringLiteral("h-rtl")
                                                                        : QStringLiteral("h");
        // Every menu bar asks as it is made: the files are read once.
        QIcon& result = m_icons[name];
        if (result.isNull()) {
            const int base = icon == SP_ToolBarVerticalExtensionButton ? 5 : 8;
            for (int size : {base, 2 * base, 4 * base})
                result.addPixmap(readPng(
                    QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png").arg(name).arg(size)));
        }
        return result;
    }

private:
    mutable QHash<QString, QIcon> m_icons;
};

}

void useProgramStyle() { QApplication::setStyle(new ProgramStyle); }

QPixmap readPng(const QString& path)
{
    QImageReader reader(path, "png");
    // A format given is not enough: the plugins are asked unless the
    // reader is told not to guess.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}
