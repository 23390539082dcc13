// What a screen reader calls a drop-down list. Qt on Linux names a combo box by the item it
// shows ("???" for the colour list before a colour is chosen) and ignores the name the program
// gives it, leaving the label relation to say what the list is for. A list that the program has
// named is read here by that name followed by the item it shows ("Цвет: Jeans Metallic"), the
// item said as its Qt::AccessibleTextRole where it has one.
#pragma once

namespace kalvora {

// Installs the accessibility factory that names combo boxes by their accessible name, where one
// is set. Call after the QApplication exists and before the first combo box is made; calling it
// again does nothing.
void InstallAccessibleComboBoxNames();

}  // namespace kalvora
