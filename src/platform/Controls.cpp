#include "Controls.h"

#include "Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <limits>

namespace Controls {

void place(QWidget* control, Place where)
{
    control->setGeometry(Twips::toPixels(where.left, where.top, where.width, where.height));
}

void resize(QWidget* control, int width, int height)
{
    control->resize(Twips::toPixels(width), Twips::toPixels(height));
}

void setHeight(QWidget* control, int height)
{
    control->resize(control->width(), Twips::toPixels(height));
}

void setTop(QWidget* control, int top)
{
    control->move(control->x(), Twips::toPixels(top));
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QString& toolTip, Place where)
{
    auto* control = new QPushButton(caption, parent);
    control->setObjectName(name);
    control->setToolTip(toolTip);
    control->setAutoDefault(false);
    place(control, where);
    return control;
}

QPushButton* pictureButton(QWidget* parent, const QString& name, ToolIcons::Kind picture,
                           const QString& toolTip, Place where, int pictureSize)
{
    QPushButton* control = button(parent, name, QString(), toolTip, where);
    control->setIcon(ToolIcons::icon(picture));
    control->setIconSize(QSize(pictureSize, pictureSize));
    control->setAccessibleName(toolTip);
    return control;
}

QLineEdit* textBox(QWidget* parent, const QString& name, Place where)
{
    auto* control = new QLineEdit(parent);
    control->setObjectName(name);
    // Qt's default of 32,767 characters would cut a longer value silently; a box holds any value
    // a list cell or a data file can.
    control->setMaxLength(std::numeric_limits<int>::max());
    place(control, where);
    return control;
}

QPlainTextEdit* multiLineTextBox(QWidget* parent, const QString& name, Place where)
{
    auto* control = new QPlainTextEdit(parent);
    control->setObjectName(name);
    control->setTabChangesFocus(true);
    place(control, where);
    return control;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, Place where,
              QWidget* labelled)
{
    auto* control = new QLabel(caption, parent);
    control->setObjectName(name);
    control->setTextFormat(Qt::PlainText);
    if (labelled) {
        control->setBuddy(labelled);
        labelled->setAccessibleName(caption);
    }
    place(control, where);
    return control;
}

QGroupBox* frame(QWidget* parent, const QString& name, Place where)
{
    auto* control = new QGroupBox(parent);
    control->setObjectName(name);
    place(control, where);
    return control;
}

void deleteKeyOn(QWidget* list, QAction* remove)
{
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    remove->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(remove);
}

void deleteKeyOn(QWidget* list, QAbstractButton* deleteButton)
{
    auto* remove = new QAction(list);
    QObject::connect(remove, &QAction::triggered, deleteButton, &QAbstractButton::click);
    deleteKeyOn(list, remove);
}

} // namespace Controls
