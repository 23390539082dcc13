#include "desktop/info/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace kalvora {

namespace {

// A combo box read as "name: shown item": the list of items is its child, opening it is its
// action, as in Qt's own combo box; only the name differs, and a box without a name of its own
// is still called by the item it shows.
class NamedComboBox : public QAccessibleWidget {
  public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    // "Цвет: Jeans Metallic": what the list is for, then what it shows, so that a reader says
    // both and says the new item again when it changes.
    QString text(QAccessible::Text t) const override {
        QString text = t == QAccessible::Value || t == QAccessible::Name ? Shown() : QString();
        const QString name = ComboBox()->accessibleName();
        if (t == QAccessible::Name && !name.isEmpty()) {
            text = text.isEmpty() ? name : name + QStringLiteral(": ") + text;
        }
        return text.isEmpty() ? QAccessibleWidget::text(t) : text;
    }

    // The list of items, then the line edit of an editable box.
    int childCount() const override { return ComboBox()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(ComboBox()->view());
        if (index == 1 && ComboBox()->isEditable()) {
            return QAccessible::queryAccessibleInterface(ComboBox()->lineEdit());
        }
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == ComboBox()->view()) return 0;
        if (ComboBox()->isEditable() && child->object() == ComboBox()->lineEdit()) return 1;
        return -1;
    }
    // An editable box is the focus proxy of its line edit, which has the focus for a reader.
    QAccessibleInterface* focusChild() const override {
        return ComboBox()->isEditable() ? child(1) : nullptr;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = ComboBox()->view() && ComboBox()->view()->isVisible();
        s.editable = ComboBox()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (ComboBox()->view() && ComboBox()->view()->isVisible()) {
                ComboBox()->hidePopup();
            } else {
                ComboBox()->showPopup();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QComboBox* ComboBox() const { return static_cast<QComboBox*>(widget()); }
    // The item as a reader should say it: its accessible text where it has one.
    QString Shown() const {
        if (ComboBox()->isEditable() && ComboBox()->lineEdit())
            return ComboBox()->lineEdit()->text();
        const QString spoken = ComboBox()->currentData(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? ComboBox()->currentText() : spoken;
    }
};

// Every combo box: the interface is made when the box is first asked for, often while it is
// filled and before the program names it, and it stays.
QAccessibleInterface* NamedComboBoxFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox")) return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    return box ? new NamedComboBox(box) : nullptr;
}

}  // namespace

void InstallAccessibleComboBoxNames() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(NamedComboBoxFactory);
}

}  // namespace kalvora
