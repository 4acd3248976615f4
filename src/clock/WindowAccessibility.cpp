#include "WindowAccessibility.h"

#include "GlyphSlot.h"
#include "HorP.h"
#include "Hset.h"
#include "info.h"

#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QFrame>
#include <QMessageBox>

#include <functional>

namespace {
// A top-level window whose tree leaves some children out. Qt makes every child widget a node, so the
// digit pictures would stand as fifteen unnamed images beside the clock boxes, which already carry
// the time they draw as their names.
class AccessibleWindow final : public QAccessibleWidget
{
public:
    AccessibleWindow(QWidget *window, QAccessible::Role role, std::function<bool(const QWidget *)> silent)
        : QAccessibleWidget(window, role), silent(std::move(silent))
    {
    }

    int childCount() const override { return int(spoken().size()); }
    QAccessibleInterface *child(int index) const override { return spoken().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(spoken().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> spoken() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            const QObject *object = child ? child->object() : nullptr;
            if (object && !(object->isWidgetType() && silent(static_cast<const QWidget *>(object))))
                children << child;
        }
        return children;
    }

    std::function<bool(const QWidget *)> silent;
};

// The row of buttons at the foot of a message box, named by the box's title.
class AccessibleButtonRow final : public QAccessibleWidget
{
public:
    explicit AccessibleButtonRow(QWidget *row) : QAccessibleWidget(row, QAccessible::Pane) {}
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? widget()->window()->windowTitle() : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    // Called for each class from the most derived up; a window is matched by its own class only.
    if (className == QLatin1String(HorP::staticMetaObject.className())) {
        return new AccessibleWindow(static_cast<HorP *>(object), QAccessible::Window,
                                    [](const QWidget *child) { return dynamic_cast<const GlyphSlot *>(child) != nullptr; });
    }
    if (className == QLatin1String(Hset::staticMetaObject.className())) {
        auto *settings = static_cast<Hset *>(object);
        return new AccessibleWindow(settings, QAccessible::Dialog,
                                    [settings](const QWidget *child) { return child == settings->Picture2; });
    }
    if (className == QLatin1String(info::staticMetaObject.className())) {
        // Its icon, and the plain frames that draw its separating lines.
        auto *about = static_cast<info *>(object);
        return new AccessibleWindow(about, QAccessible::Dialog, [about](const QWidget *child) {
            return child == about->picIcon || child->metaObject() == &QFrame::staticMetaObject;
        });
    }
    if (className == QLatin1String(QMessageBox::staticMetaObject.className())) {
        // Its icon, which only repeats what the box's role and text say (and is empty in boxes without one).
        return new AccessibleWindow(static_cast<QMessageBox *>(object), QAccessible::AlertMessage, [](const QWidget *child) {
            return child->objectName() == QLatin1String("qt_msgboxex_icon_label");
        });
    }
    if (className == QLatin1String(QDialogButtonBox::staticMetaObject.className())
        && qobject_cast<QMessageBox *>(static_cast<QWidget *>(object)->window()))
        return new AccessibleButtonRow(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

void installWindowAccessibility()
{
    QAccessible::installFactory(windowInterface); // Qt keeps one entry per factory
}
