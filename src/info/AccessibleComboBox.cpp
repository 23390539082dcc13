#include "info/AccessibleComboBox.h"

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

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name: {
                const QString name = ComboBox()->accessibleName();
                return name.isEmpty() ? Value() : name;
            }
            case QAccessible::Value:
                return Value();
            default:
                return QAccessibleWidget::text(t);
        }
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
    QString Value() const {
        return ComboBox()->isEditable() && ComboBox()->lineEdit() ? ComboBox()->lineEdit()->text()
                                                                  : ComboBox()->currentText();
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
