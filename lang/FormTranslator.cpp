#include "lang/FormTranslator.h"

#include "lang/CommaText.h"
#include "platform/Properties.h"

#include <QHash>
#include <QLocale>
#include <QWidget>

namespace {

bool isIdentifier(QStringView text)
{
    if (text.isEmpty())
        return false;
    auto letter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; };
    if (!letter(text.front()))
        return false;
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return letter(c) || (c >= u'0' && c <= u'9'); });
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The components of one window by name without regard to case; the first of a name wins.
class Components {
public:
    explicit Components(QWidget* form)
    {
        for (QObject* child : form->findChildren<QObject*>()) {
            const QString name = child->objectName().toLower();
            if (!name.isEmpty() && !byName_.contains(name))
                byName_.insert(name, child);
        }
    }
    QObject* find(QStringView name) const { return byName_.value(name.toString().toLower()); }

private:
    QHash<QString, QObject*> byName_;
};

// Reads the value as the property's type wants it; a value that does not read leaves the
// property as it is.
void assign(const Properties::Property& property, const QString& value)
{
    using Properties::Type;
    switch (property.type) {
    case Type::Integer:
        if (const std::optional<int> number = Profile::toInt(value))
            property.set(*number);
        return;
    case Type::Enumeration:
        if (const std::optional<int> ordinal = Profile::toInt(value); ordinal && *ordinal >= 0
            && *ordinal < property.enumeratorCount)
            property.set(*ordinal);
        return;
    case Type::Char:
        if (!value.isEmpty())
            property.set(value.front());
        return;
    case Type::Float: {
        bool ok = false;
        const double number = QLocale::system().toDouble(value, &ok);
        if (ok)
            property.set(number);
        return;
    }
    case Type::Text:
        property.set(value);
        return;
    case Type::StringList:
        property.set(ParseCommaText(value));
        return;
    }
}

// "(N)" at the start of the text, with N a whole number; the rest of the text does not matter.
std::optional<int> indexIn(QStringView text)
{
    const qsizetype open = text.indexOf(u'(');
    const qsizetype close = text.indexOf(u')');
    if (open < 0 || close < open)
        return std::nullopt;
    return Profile::toInt(text.sliced(open + 1, close - open - 1));
}

// Replaces one line of a string-list property; an index outside the list skips the entry.
void replaceLine(QObject* target, QStringView propertyName, int index, const QString& value)
{
    const std::optional<Properties::Property> property = Properties::find(target, propertyName.toString());
    if (!property || property->type != Properties::Type::StringList)
        return;
    QStringList lines = property->get().toStringList();
    if (index < 0 || index >= lines.size())
        return;
    lines[index] = value;
    property->set(lines);
}

void applyEntry(QWidget* form, const Components& components, const QString& key, const QString& value)
{
    const QStringView name(key);
    const qsizetype dot = name.indexOf(u'.');
    QObject* target = nullptr;
    QString propertyName;
    if (dot < 0 && isIdentifier(name)) {
        if (QObject* component = components.find(name)) {
            target = component;
            propertyName = Properties::defaultProperty(Properties::kindOf(component));
        } else {
            target = form;
            propertyName = key;
        }
    } else if (dot >= 0 && isIdentifier(name.first(dot))) {
        QObject* component = components.find(name.first(dot));
        const QStringView rest = name.sliced(dot + 1);
        if (!component)
            return;
        if (isIdentifier(rest)) {
            target = component;
            propertyName = rest.toString();
        } else {
            const std::optional<int> index = indexIn(rest);
            if (index)
                replaceLine(component, rest.first(rest.indexOf(u'(')), *index, value);
            return;
        }
    } else {
        const qsizetype open = name.indexOf(u'(');
        if (open < 0 || !isIdentifier(name.first(open)))
            return;
        QObject* component = components.find(name.first(open));
        const std::optional<int> index = indexIn(name);
        if (component && index)
            replaceLine(component, u"Items", *index, value.startsWith(u'.') ? value.sliced(1) : value);
        return;
    }
    if (propertyName.isEmpty())
        return;
    if (const std::optional<Properties::Property> property = Properties::find(target, propertyName))
        assign(*property, value);
}

}  // namespace

QString SectionNameOf(const QString& windowName)
{
    const qsizetype n = windowName.size();
    if (n >= 2 && isDigit(windowName[n - 1]) && windowName[n - 2] == u'_')
        return windowName.first(n - 2);
    if (n >= 3 && isDigit(windowName[n - 1]) && isDigit(windowName[n - 2]) && windowName[n - 3] == u'_')
        return windowName.first(n - 3);
    return windowName;
}

void ApplyLanguageSection(QWidget* form, const QList<Profile::Entry>& entries)
{
    if (!form || entries.isEmpty())
        return;
    const Components components(form);
    for (const Profile::Entry& entry : entries)
        applyEntry(form, components, entry.first, entry.second);
}
