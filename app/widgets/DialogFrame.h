// The fixed dialog frame: a title bar with the close box only, no resizing.
// The program's dialogs and its message boxes share it.
#pragma once

#include <QMessageBox>

namespace trelio {

// No minimize or maximize box: minimizing a modal dialog would take its
// owner off the screen with it.
inline constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// A modal message box in the fixed frame; its text is shown with one line
// break for each LF CR pair. The button pressed.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);

}  // namespace trelio
