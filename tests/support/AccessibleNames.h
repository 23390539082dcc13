// What a screen reader would call the controls of a window, asked of Qt's own accessibility
// interfaces (the AT-SPI test, tests/app/screen-reader-names.py, asks the same through the bus).
// For the window tests only: it needs Qt Widgets.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

#include "desktop/info/AccessibleComboBox.h"

namespace kalvora::testing {

// Every fault in the names of the controls a user can reach in `window` (shown or not): a
// control without a name that says what it is, a field, list or table not named in Russian, a
// control named after its group box or sharing its name with another, a list named after its
// own item. Empty when all is well.
inline QStringList AccessibleNameFaults(QWidget* window) {
    InstallAccessibleComboBoxNames();
    const QRegularExpression letter(QStringLiteral("[A-Za-zА-Яа-яЁё]"));
    const QRegularExpression cyrillic(QStringLiteral("[А-Яа-яЁё]"));
    QStringList faults;
    QMap<QString, QString> seen;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool caption = qobject_cast<QAbstractButton*>(w) != nullptr;
        const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
        if (!caption && !field) continue;
        if (!w->isVisibleTo(window)) continue;
        // A combo box's popup and a table's corner button are parts of their control.
        bool part = false;
        for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
            part = part || qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractItemView*>(p);
        }
        if (part) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
        const QString what = w->objectName() + QStringLiteral(" «") + name + QStringLiteral("»");
        if (name.isEmpty() || name.contains(QStringLiteral("??")) || !name.contains(letter)) {
            faults << what + QStringLiteral(" has no name that says what it is");
            continue;
        }
        if (field && !name.contains(cyrillic)) faults << what + QStringLiteral(" is not Russian");
        for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
            if (auto* group = qobject_cast<QGroupBox*>(p);
                group && group->title().trimmed() == name) {
                faults << what + QStringLiteral(" is named after its group");
            }
        }
        if (auto* box = qobject_cast<QComboBox*>(w); box && box->findText(name) >= 0) {
            faults << what + QStringLiteral(" is named after its item");
        }
        if (seen.contains(name))
            faults << what + QStringLiteral(" shares its name with ") + seen[name];
        seen.insert(name, w->objectName());
    }
    return faults;
}

}  // namespace kalvora::testing
