#pragma once

#include "ToolIcons.h"

#include <QString>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Small factories for the plain controls of the program's windows: each gets its name (also its
// object name), its caption and tool tip, and its place in twips inside its container.
namespace Controls {

struct Place
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

void place(QWidget* control, Place where);
// For controls that follow the window's size: a new size, height or top, in twips.
void resize(QWidget* control, int width, int height);
void setHeight(QWidget* control, int height);
void setTop(QWidget* control, int top);

QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QString& toolTip, Place where);
// A button that shows only a picture; its tool tip is also the name a screen reader speaks.
QPushButton* pictureButton(QWidget* parent, const QString& name, ToolIcons::Kind picture,
                           const QString& toolTip, Place where, int pictureSize);
QLineEdit* textBox(QWidget* parent, const QString& name, Place where);
QPlainTextEdit* multiLineTextBox(QWidget* parent, const QString& name, Place where);
// A caption; when it labels an entry box it becomes that box's buddy and accessible name.
QLabel* label(QWidget* parent, const QString& name, const QString& caption, Place where,
              QWidget* labelled = nullptr);
QGroupBox* frame(QWidget* parent, const QString& name, Place where);

// Delete on the focused list runs remove; a menu entry then shows the key. Only the list's own
// key: dialogs and pop-ups keep theirs.
void deleteKeyOn(QWidget* list, QAction* remove);
// Delete on the focused list clicks its DELETE button.
void deleteKeyOn(QWidget* list, QAbstractButton* deleteButton);

} // namespace Controls
