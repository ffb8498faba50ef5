#include "ui/windowaccessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace dosarium {

namespace {

// Qt answers a plain QWidget with the role of a client area. Only the program's own windows that
// derive from QWidget itself are concerned: a widget made without a parent and placed later (a
// text browser, say) must keep the interface of its real class.
QAccessibleInterface* windowInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow() || !className.startsWith(QLatin1String("dosarium::")) ||
        className != QLatin1String(object->metaObject()->className()) ||
        object->metaObject()->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void announceTopLevelWidgetsAsWindows()
{
    QAccessible::installFactory(windowInterface);
}

} // namespace dosarium
