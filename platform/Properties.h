#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

class QObject;

// The component kinds and property names of the language files, mapped onto Qt objects.
namespace Properties {

// What a component is for the language files. Told by the Qt class, or set by the window code
// where Qt has no class of its own (a skinned button is a QPushButton, a plain speed button a
// QToolButton).
enum class Kind {
    PushButton,
    SkinnedButton,
    MenuItem,
    CheckBox,
    Label,
    SkinnedCheckRadio,
    RadioButton,
    Edit,
    Memo,
    GroupBox,
    SpeedButton,         // the plain library speed button
    SkinnedSpeedButton,  // every QToolButton unless told otherwise: the toolbars are skinned
    OpenDialog,
    ListOrCombo,
    Other,
};

void setKind(QObject* component, Kind kind);
Kind kindOf(const QObject* component);

// The property a bare key sets on a component of that kind; empty when the kind has none.
QString defaultProperty(Kind kind);

enum class Type { Integer, Enumeration, Char, Float, Text, StringList };

// One settable property of one object. Enumerations (true/false among them) take and give
// their ordinal, 0 to enumeratorCount - 1; string lists take and give a QStringList.
struct Property {
    Type type = Type::Text;
    int enumeratorCount = 0;
    std::function<QVariant()> get;
    std::function<void(const QVariant&)> set;
};

// The property of that name (without regard to case): "Caption", "Text", "Hint", "Title",
// "Items", "Lines", "ItemIndex", "Left", "Top", "Width", "Height", else a writable Qt
// property of that name of a supported type. None when the object has no such property.
std::optional<Property> find(QObject* target, const QString& name);

}  // namespace Properties
