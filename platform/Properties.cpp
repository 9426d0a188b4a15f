#include "platform/Properties.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

namespace Properties {
namespace {

// Not an identifier, so no language file key can reach it.
constexpr char KindProperty[] = "larkspur:kind";

using Getter = std::function<QString()>;
using Setter = std::function<void(const QString&)>;

Property textProperty(Getter get, Setter set)
{
    return {Type::Text, 0, [get] { return QVariant(get()); },
            [set](const QVariant& value) { set(value.toString()); }};
}

Property intProperty(std::function<int()> get, std::function<void(int)> set)
{
    return {Type::Integer, 0, [get] { return QVariant(get()); },
            [set](const QVariant& value) { set(value.toInt()); }};
}

Property listProperty(std::function<QStringList()> get, std::function<void(const QStringList&)> set)
{
    return {Type::StringList, 0, [get] { return QVariant(get()); },
            [set](const QVariant& value) { set(value.toStringList()); }};
}

// Replaces the texts in place when the count stays, so that the selection stays too.
void setComboItems(QComboBox* box, const QStringList& items)
{
    if (box->count() == items.size()) {
        for (int i = 0; i < items.size(); ++i) {
            if (box->itemText(i) != items[i])
                box->setItemText(i, items[i]);
        }
        return;
    }
    box->clear();
    box->addItems(items);
}

void setListItems(QListWidget* list, const QStringList& items)
{
    if (list->count() == items.size()) {
        for (int i = 0; i < items.size(); ++i)
            list->item(i)->setText(items[i]);
        return;
    }
    list->clear();
    list->addItems(items);
}

QStringList comboItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

QStringList listItems(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

std::optional<Property> caption(QObject* target)
{
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        return textProperty([button] { return button->text(); }, [button](const QString& v) { button->setText(v); });
    if (auto* label = qobject_cast<QLabel*>(target))
        return textProperty([label] { return label->text(); }, [label](const QString& v) { label->setText(v); });
    if (auto* group = qobject_cast<QGroupBox*>(target))
        return textProperty([group] { return group->title(); }, [group](const QString& v) { group->setTitle(v); });
    if (auto* action = qobject_cast<QAction*>(target))
        return textProperty([action] { return action->text(); }, [action](const QString& v) { action->setText(v); });
    if (auto* menu = qobject_cast<QMenu*>(target))
        return textProperty([menu] { return menu->title(); }, [menu](const QString& v) { menu->setTitle(v); });
    if (auto* widget = qobject_cast<QWidget*>(target); widget && widget->isWindow())
        return textProperty([widget] { return widget->windowTitle(); },
                            [widget](const QString& v) { widget->setWindowTitle(v); });
    return std::nullopt;
}

std::optional<Property> text(QObject* target)
{
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        return textProperty([edit] { return edit->text(); }, [edit](const QString& v) { edit->setText(v); });
    if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
        return textProperty([memo] { return memo->toPlainText(); }, [memo](const QString& v) { memo->setPlainText(v); });
    if (auto* memo = qobject_cast<QTextEdit*>(target))
        return textProperty([memo] { return memo->toPlainText(); }, [memo](const QString& v) { memo->setPlainText(v); });
    if (auto* box = qobject_cast<QComboBox*>(target); box && box->isEditable())
        return textProperty([box] { return box->currentText(); }, [box](const QString& v) { box->setEditText(v); });
    return std::nullopt;
}

std::optional<Property> hint(QObject* target)
{
    if (auto* action = qobject_cast<QAction*>(target))
        return textProperty([action] { return action->toolTip(); }, [action](const QString& v) { action->setToolTip(v); });
    if (auto* widget = qobject_cast<QWidget*>(target))
        return textProperty([widget] { return widget->toolTip(); }, [widget](const QString& v) { widget->setToolTip(v); });
    return std::nullopt;
}

std::optional<Property> title(QObject* target)
{
    if (auto* group = qobject_cast<QGroupBox*>(target))
        return caption(group);
    if (auto* widget = qobject_cast<QWidget*>(target); widget && widget->isWindow())
        return caption(widget);
    return std::nullopt;
}

std::optional<Property> items(QObject* target)
{
    if (auto* box = qobject_cast<QComboBox*>(target))
        return listProperty([box] { return comboItems(box); }, [box](const QStringList& v) { setComboItems(box, v); });
    if (auto* list = qobject_cast<QListWidget*>(target))
        return listProperty([list] { return listItems(list); }, [list](const QStringList& v) { setListItems(list, v); });
    return std::nullopt;
}

std::optional<Property> lines(QObject* target)
{
    if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
        return listProperty([memo] { return memo->toPlainText().split(u'\n'); },
                            [memo](const QStringList& v) { memo->setPlainText(v.join(u'\n')); });
    if (auto* memo = qobject_cast<QTextEdit*>(target))
        return listProperty([memo] { return memo->toPlainText().split(u'\n'); },
                            [memo](const QStringList& v) { memo->setPlainText(v.join(u'\n')); });
    return std::nullopt;
}

std::optional<Property> itemIndex(QObject* target)
{
    if (auto* box = qobject_cast<QComboBox*>(target))
        return intProperty([box] { return box->currentIndex(); }, [box](int v) { box->setCurrentIndex(v); });
    if (auto* list = qobject_cast<QListWidget*>(target))
        return intProperty([list] { return list->currentRow(); }, [list](int v) { list->setCurrentRow(v); });
    return std::nullopt;
}

std::optional<Property> geometry(QObject* target, const QString& name)
{
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget)
        return std::nullopt;
    auto is = [&](const char* candidate) { return name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0; };
    if (is("Left"))
        return intProperty([widget] { return widget->x(); }, [widget](int v) { widget->move(v, widget->y()); });
    if (is("Top"))
        return intProperty([widget] { return widget->y(); }, [widget](int v) { widget->move(widget->x(), v); });
    if (is("Width"))
        return intProperty([widget] { return widget->width(); }, [widget](int v) { widget->resize(v, widget->height()); });
    if (is("Height"))
        return intProperty([widget] { return widget->height(); }, [widget](int v) { widget->resize(widget->width(), v); });
    return std::nullopt;
}

std::optional<Property> metaProperty(QObject* target, const QString& name)
{
    const QMetaObject* meta = target->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable() || name.compare(QLatin1String(property.name()), Qt::CaseInsensitive) != 0)
            continue;
        auto get = [target, property] { return property.read(target); };
        auto write = [target, property](const QVariant& value) { property.write(target, value); };
        if (property.isFlagType())
            return std::nullopt;
        if (property.isEnumType()) {
            const QMetaEnum enumerator = property.enumerator();
            return Property{Type::Enumeration, enumerator.keyCount(),
                            [get, enumerator] {
                                const int value = get().toInt();
                                for (int k = 0; k < enumerator.keyCount(); ++k) {
                                    if (enumerator.value(k) == value)
                                        return QVariant(k);
                                }
                                return QVariant(-1);
                            },
                            [write, enumerator](const QVariant& ordinal) { write(enumerator.value(ordinal.toInt())); }};
        }
        switch (property.metaType().id()) {
        case QMetaType::Bool:
            return Property{Type::Enumeration, 2, [get] { return QVariant(get().toBool() ? 1 : 0); },
                            [write](const QVariant& ordinal) { write(ordinal.toInt() != 0); }};
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::LongLong:
            return Property{Type::Integer, 0, get, write};
        case QMetaType::Double:
        case QMetaType::Float:
            return Property{Type::Float, 0, get, write};
        case QMetaType::QChar:
            return Property{Type::Char, 0, get, write};
        case QMetaType::QString:
            return Property{Type::Text, 0, get, write};
        case QMetaType::QStringList:
            return Property{Type::StringList, 0, get, write};
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

void setKind(QObject* component, Kind kind)
{
    component->setProperty(KindProperty, static_cast<int>(kind));
}

Kind kindOf(const QObject* component)
{
    const QVariant told = component->property(KindProperty);
    if (told.isValid())
        return static_cast<Kind>(told.toInt());
    if (qobject_cast<const QAction*>(component) || qobject_cast<const QMenu*>(component))
        return Kind::MenuItem;
    if (qobject_cast<const QPushButton*>(component))
        return Kind::PushButton;
    if (qobject_cast<const QCheckBox*>(component))
        return Kind::CheckBox;
    if (qobject_cast<const QLabel*>(component))
        return Kind::Label;
    if (qobject_cast<const QRadioButton*>(component))
        return Kind::RadioButton;
    if (qobject_cast<const QLineEdit*>(component) || qobject_cast<const QDateTimeEdit*>(component))
        return Kind::Edit;
    if (qobject_cast<const QPlainTextEdit*>(component) || qobject_cast<const QTextEdit*>(component))
        return Kind::Memo;
    if (qobject_cast<const QGroupBox*>(component))
        return Kind::GroupBox;
    if (qobject_cast<const QToolButton*>(component))
        return Kind::SkinnedSpeedButton;
    if (qobject_cast<const QFileDialog*>(component))
        return Kind::OpenDialog;
    if (qobject_cast<const QComboBox*>(component) || qobject_cast<const QListWidget*>(component))
        return Kind::ListOrCombo;
    return Kind::Other;
}

QString defaultProperty(Kind kind)
{
    switch (kind) {
    case Kind::PushButton:
    case Kind::MenuItem:
    case Kind::CheckBox:
    case Kind::Label:
    case Kind::SkinnedCheckRadio:
    case Kind::RadioButton:
    case Kind::GroupBox:
    case Kind::SpeedButton:
        return QStringLiteral("Caption");
    case Kind::Edit:
    case Kind::Memo:
        return QStringLiteral("Text");
    case Kind::OpenDialog:
        return QStringLiteral("Title");
    case Kind::SkinnedButton:
    case Kind::SkinnedSpeedButton:
    case Kind::ListOrCombo:
    case Kind::Other:
        break;
    }
    return {};
}

std::optional<Property> find(QObject* target, const QString& name)
{
    if (!target)
        return std::nullopt;
    auto is = [&](const char* candidate) { return name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0; };
    std::optional<Property> mapped;
    if (is("Caption"))
        mapped = caption(target);
    else if (is("Text"))
        mapped = text(target);
    else if (is("Hint"))
        mapped = hint(target);
    else if (is("Title"))
        mapped = title(target);
    else if (is("Items"))
        mapped = items(target);
    else if (is("Lines"))
        mapped = lines(target);
    else if (is("ItemIndex"))
        mapped = itemIndex(target);
    else
        mapped = geometry(target, name);
    return mapped ? mapped : metaProperty(target, name);
}

}  // namespace Properties
