#include "WindowAccessibility.h"

#include "AccessibleAs.h"
#include "ClickableLabel.h"
#include "ClockStop.h"
#include "GlyphSlot.h"

#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>

#include <functional>
#include <optional>

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

// A control that acts on a click, Space or Enter: a button, or a check box checked while it is on (Qt 6.4
// reports no toggle buttons on Linux: a checkable button goes out as a plain push button, its state unsaid).
class AccessiblePressable final : public QAccessibleWidget
{
public:
    AccessiblePressable(QWidget *widget, std::function<QString()> name, std::function<void()> press,
                        std::function<std::optional<bool>()> checked)
        : QAccessibleWidget(widget, checked() ? QAccessible::CheckBox : QAccessible::Button), name(std::move(name)),
          press(std::move(press)),
          checked(std::move(checked))
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? name() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const std::optional<bool> on = checked()) {
            state.checkable = true;
            state.checked = *on;
        }
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{checked() ? toggleAction() : pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if ((action == pressAction() || action == toggleAction()) && press)
            press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    std::function<QString()> name;
    std::function<void()> press;
    std::function<std::optional<bool>()> checked;
};

// A one-line box whose text is one run of attributes from its first character to its last. Qt's own
// interface reports an empty run at every offset, and a screen reader that reads run by run stops at
// the first: "30" was read as "3".
class AccessibleBox final : public QAccessibleWidget, public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleBox(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // Text
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + int(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // Measured from the left of the text: the boxes are too narrow to scroll their few characters.
        const QFontMetrics metrics(box()->font());
        const QString text = box()->text();
        const QRect inside = box()->contentsRect();
        const int left = inside.left() + 2 + metrics.horizontalAdvance(text.left(offset));
        const QRect glyph(left, inside.center().y() - metrics.height() / 2,
                          metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
        return QRect(box()->mapToGlobal(glyph.topLeft()), glyph.size());
    }
    int offsetAtPoint(const QPoint &point) const override { return box()->cursorPositionAt(box()->mapFromGlobal(point)); }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // Editable text
    void deleteText(int start, int end) override { box()->setText(box()->text().remove(start, end - start)); }
    void insertText(int offset, const QString &text) override { box()->setText(box()->text().insert(offset, text)); }
    void replaceText(int start, int end, const QString &text) override
    {
        box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

// The grid of ALARM SET's ten rows, as a table that carries no table interface: screen readers take it
// for layout and say nothing of it, and when the window opens they do not read the grid's labels one
// after another, which took a fifth of a second at every Tab.
class AccessibleGrid final : public QAccessibleWidget
{
public:
    explicit AccessibleGrid(QWidget *grid) : QAccessibleWidget(grid, QAccessible::Table) {}
};

// ALARM SET's announcements, a notification: told that it shows, a screen reader reads it out at once.
class AccessibleAnnouncement final : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncement(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<QLabel *>(widget())->text() : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    QWidget *widget = static_cast<QWidget *>(object);
    // Classes without their own meta-object are asked for under their base's name.
    // The boxes of Kalindor's own windows only: Qt's own dialogs keep Qt's own interface.
    const auto ownWindow = [](const QWidget *window) {
        return AccessibleAs::is(window, AccessibleAs::Window) || AccessibleAs::is(window, AccessibleAs::Dialog);
    };
    if (className == QLatin1String("QLineEdit") && ownWindow(widget->window()))
        return new AccessibleBox(static_cast<QLineEdit *>(widget));
    if (auto *label = dynamic_cast<ClickableLabel *>(widget); label && className == QLatin1String("QLabel")) {
        return new AccessiblePressable(
            label, [label] { return label->accessibleName().isEmpty() ? label->text() : label->accessibleName(); },
            [label] {
                if (label->onClick)
                    label->onClick();
            },
            [label]() -> std::optional<bool> {
                return label->toggle ? std::optional<bool>(label->isChecked()) : std::nullopt;
            });
    }
    if (auto *stop = dynamic_cast<ClockStop *>(widget); stop && className == QLatin1String("QWidget")) {
        return new AccessiblePressable(
            stop, [stop] { return stop->spoken ? stop->spoken() : QString(); },
            [stop] {
                if (stop->onPress)
                    stop->onPress();
            },
            [] { return std::nullopt; });
    }
    if (AccessibleAs::is(widget, AccessibleAs::Table))
        return new AccessibleGrid(widget);
    if (auto *label = qobject_cast<QLabel *>(widget); label && AccessibleAs::is(label, AccessibleAs::Notification))
        return new AccessibleAnnouncement(label);
    // Called for each class from the most derived up; a window is matched by its own class only. Left out:
    // the digit pictures (the clock boxes carry the time they draw, and the clock stop reads it), the
    // pictures a window marks as saying nothing, and the plain frames that draw separating lines.
    if (className == QLatin1String(object->metaObject()->className()) && ownWindow(widget)) {
        const auto role = AccessibleAs::is(widget, AccessibleAs::Window) ? QAccessible::Window : QAccessible::Dialog;
        return new AccessibleWindow(widget, role, [](const QWidget *child) {
            return dynamic_cast<const GlyphSlot *>(child) != nullptr || AccessibleAs::is(child, AccessibleAs::Silent)
                || child->metaObject() == &QFrame::staticMetaObject;
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
