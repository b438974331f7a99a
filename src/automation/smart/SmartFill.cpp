#include "automation/smart/SmartFill.h"

#include "automation/selector/ConstSelector.h"
#include "automation/selector/SelectorManager.h"
#include "automation/smart/SmartBoxFacts.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelLookup.h"
#include "automation/smart/SmartLabelSteps.h"
#include "automation/smart/SmartUtils.h"
#include "core/Convert.h"

#include <QRegularExpression>
#include <QVector>

#include <algorithm>

namespace Vexal {

namespace {

using R = SmartFillReport;

bool isIndentMark(QChar c)
{
    return c.isSpace() || c == QLatin1Char('|') || c == QLatin1Char('_') || c == QLatin1Char('-')
        || c == QLatin1Char('.') || c == QLatin1Char('>') || c == QLatin1Char('*') || c == QChar(0x00BB)
        || c == QChar(0x00B7) || c == QChar(0x2022) || c == QChar(0x2013) || c == QChar(0x2014)
        || c == QChar(0x2212) || (c.unicode() >= 0x2500 && c.unicode() <= 0x257F);
}

bool isSign(QChar c)
{
    return c == QLatin1Char('-') || c == QChar(0x2212);
}

QString valueKey(const QString& value)
{
    return value.simplified().toCaseFolded();
}

// The parts of a text written as a path: "Computers > Internet",
// "Computers/Internet", "Computers » Internet", "Computers::Internet"; a text
// that is no path is its one part.
QStringList pathParts(const QString& text)
{
    static const QRegularExpression separator(QStringLiteral("\\s*(?:>|::|/|\\\\|\u00BB|\u203A|\u2192)\\s*"));
    QStringList parts = text.split(separator, Qt::SkipEmptyParts);
    return parts.size() > 1 ? parts : QStringList{text};
}

} // namespace

SmartFill::SmartFill(SelectorManager* writer)
    : m_writer(writer)
{
}

SmartFill::~SmartFill() = default;

QString SmartFill::optionKey(const QString& text)
{
    QString key = text;
    key.replace(QChar(0x00A0), QLatin1Char(' '));
    key = key.simplified();
    // Tree and indent marks before the name: "|___ ", "-- ", "» ", "└─ ".
    // A sign before a number is part of it: "-1" is no "1".
    int start = 0;
    while (start < key.size() && isIndentMark(key.at(start))) {
        if (isSign(key.at(start)) && start + 1 < key.size() && key.at(start + 1).isDigit())
            break;
        ++start;
    }
    return pathParts(key.mid(start).toCaseFolded()).join(QLatin1Char('>'));
}

bool SmartFill::chooseOption(const PageElement& select, const QStringList& wanted)
{
    if (select.isNull() || SelectorManager::elementType(select) != SelectorManager::TypeSelect)
        return false;
    QStringList keys;
    for (const QString& text : wanted) {
        const QString key = optionKey(text);
        if (!key.isEmpty())
            keys << key;
    }
    if (keys.isEmpty())
        return false;
    PageDom* dom = select.dom();
    const PageElements options = dom->select(select, QStringLiteral("option"));
    // The one option whose path ends in a wanted text; -2 when several do.
    int lastPart = -1;
    for (int i = 0; i < options.count(); ++i) {
        const PageElement& option = options.at(i);
        // A placeholder is never the choice, whatever its value.
        if (SmartBoxFacts::isPlaceholder(option))
            continue;
        const QString text = optionKey(option.toPlainText());
        const QString value = option.hasAttribute(QStringLiteral("value"))
            ? valueKey(option.attribute(QStringLiteral("value"))) : QString();
        if (keys.contains(text) || (!value.isEmpty() && keys.contains(value))) {
            dom->selectIndex(select, i);
            return true;
        }
        const int end = text.lastIndexOf(QLatin1Char('>'));
        if (end >= 0 && lastPart != -2 && keys.contains(text.mid(end + 1)))
            lastPart = lastPart == -1 ? i : -2;
    }
    if (lastPart < 0)
        return false;
    dom->selectIndex(select, lastPart);
    return true;
}


int SmartFill::maxLength(const PageElement& box)
{
    bool ok = false;
    const int limit = box.attribute(QStringLiteral("maxlength")).trimmed().toInt(&ok);
    return ok && limit >= 0 ? limit : -1;
}

namespace {

// The digits of a number in a way a form may ask for them, and how many
// of them make the country code that boxes must give a box of its own.
struct Digits {
    QString digits;
    int code;
};

// All digits; for a number written "+<country code> ..." (or "00<code>
// ..."), all digits with the country code in boxes of its own, and the
// digits after the country code.
QVector<Digits> digitsOf(const QString& number)
{
    QString all;
    for (const QChar c : number) {
        if (c.isDigit())
            all += c;
    }
    static const QRegularExpression international(
        QStringLiteral("^\\s*(\\+|00)\\s*(\\d{1,4})[\\s\\-./()]+\\d"));
    const QRegularExpressionMatch match = international.match(number);
    if (!match.hasMatch())
        return {{all, 0}};
    // "00" stands among the digits, "+" does not.
    const int code = (match.captured(1) == QLatin1String("00") ? 2 : 0) + match.captured(2).size();
    return {{all, code}, {all.mid(code), 0}};
}

// A text box a number may be typed into.
bool isNumberBox(const PageElement& element)
{
    if (SelectorManager::elementType(element) != SelectorManager::TypeInput)
        return false;
    const QString type = element.attribute(QStringLiteral("type")).trimmed().toLower();
    return type.isEmpty() || type == QLatin1String("text") || type == QLatin1String("tel")
        || type == QLatin1String("number");
}

} // namespace

PageElement SmartFill::formOf(const PageElement& element)
{
    PageElement root = element;
    while (!root.isNull() && !SmartUtils::isFormOrBody(root))
        root = root.parent();
    return root;
}

void SmartFill::useLabels(const PageElement& root, const QList<SmartLabel*>& labels, QObject* owner)
{
    m_root = root;
    m_labels.reset();
    m_labelList = labels;
    m_borrowed = owner;
}

const QList<SmartLabel*>& SmartFill::labelsOf(const PageElement& root)
{
    // Labels taken from recognition go with the recogniser that holds them.
    if (m_root == root && (m_labels || m_borrowed))
        return m_labelList;
    m_root = root;
    m_borrowed.clear();
    m_labels = std::make_unique<SmartLabelLookup>(nullptr);
    m_labels->lookup(root, &m_owner);
    m_labelList = m_labels->labels();
    return m_labelList;
}

const QStringList& SmartFill::undone()
{
    static const QList<SmartLabel*> none;
    const PageElement& root = m_report.form();
    return m_report.undone(root.isNull() ? none : labelsOf(root));
}

void SmartFill::readFacts(const PageElement& element, bool* localPart, PageElements* row)
{
    const PageElement root = formOf(element);
    if (root.isNull())
        return;
    const QList<SmartLabel*>& labels = labelsOf(root);
    const int index = SmartLabel::indexOf(labels, element);
    if (index < 0)
        return;
    *localPart = SmartBoxFacts::followedByDomain(labels, index);
    row->append(element);
    for (int from = index, to = SmartLabelSteps::afterEnd(labels, index);
         to < labels.size() && SmartBoxFacts::continuesNumber(labels, from, to);
         from = to, to = SmartLabelSteps::afterEnd(labels, to))
        row->append(labels.at(to)->element());
}

void SmartFill::write(const PageElement& element, const QString& value, const QStringList& otherTexts, bool digits)
{
    bool localPart = false;
    PageElements row;
    const int type = SelectorManager::elementType(element);
    if (type == SelectorManager::TypeInput || type == SelectorManager::TypeTextarea)
        readFacts(element, &localPart, &row);
    const Outcome outcome = writeWith(element, value, otherTexts, digits, localPart, row);
    noteRow(digits && !row.isEmpty() ? row : PageElements{element}, outcome);
}

void SmartFill::write(const SmartElement* control, const QList<SmartElement*>& controls, const QString& value,
                      const QStringList& otherTexts, bool digits)
{
    // The head of a number's row writes the whole row.
    if (control->continuesPrevious())
        return;
    PageElements row{control->element()};
    for (int i = controls.indexOf(const_cast<SmartElement*>(control)) + 1;
         i > 0 && i < controls.size() && controls.at(i)->continuesPrevious(); ++i)
        row << controls.at(i)->element();
    noteRow(row, writeWith(control->element(), value, otherTexts, digits, control->asksLocalPart(), row));
}

void SmartFill::pick(const PageElement& select, const QStringList& wanted)
{
    noteRow({select}, chooseOption(select, wanted) ? R::Written : R::NoOption);
}

void SmartFill::noteRow(const PageElements& row, Outcome outcome)
{
    // What the head's value did, it did to each box of its row; a misfit
    // is noted where it is found, with its sizes.
    if (outcome == R::DoesNotFit)
        return;
    for (const PageElement& box : row)
        m_report.note(box, outcome);
}

SmartFill::Outcome SmartFill::writeWith(const PageElement& element, const QString& value,
                                        const QStringList& otherTexts, bool digits, bool localPart,
                                        const PageElements& row)
{
    const int type = SelectorManager::elementType(element);
    if (type == SelectorManager::TypeSelect && !Convert::isIndex(value)) {
        if (value.isEmpty() && otherTexts.isEmpty())
            return R::NoValue;
        return chooseOption(element, QStringList{value} + otherTexts) ? R::Written : R::NoOption;
    }
    // An element that holds no value of its own (a DIV, an image, a frame
    // that shows nothing) takes the value nowhere; an editor frame and its
    // body take it alike.
    if (type == SelectorManager::TypeOther || type == SelectorManager::TypeIframe
        || type == SelectorManager::TypeBody) {
        if (SelectorManager::editorBody(element).isNull())
            return value.isEmpty() ? R::NoValue : R::TakesNoText;
        m_writer->setValue(element, value);
        return value.isEmpty() ? R::NoValue : R::Written;
    }
    if (type == SelectorManager::TypeInput || type == SelectorManager::TypeTextarea) {
        // The place of a choice in a list ("XINDEX:2", the question) is no
        // text to type: the choice's own text is.
        if (!Convert::isIndex(value))
            return writeText(element, value, digits, localPart, row);
        return otherTexts.value(0).isEmpty() ? R::NoValue : writeText(element, otherTexts.first(), false, false, row);
    }
    m_writer->setValue(element, value);
    if ((type == SelectorManager::TypeCheckbox || type == SelectorManager::TypeRadio) && !Convert::toBool(value))
        return R::Unticked;
    return value.isEmpty() ? R::NoValue : R::Written;
}

SmartFill::Outcome SmartFill::writeText(const PageElement& box, const QString& value, bool digits, bool localPart,
                                        const PageElements& row)
{
    QString text = value;
    const int at = text.indexOf(QLatin1Char('@'));
    if (at >= 0 && localPart) {
        // The page gives the "@" and the domain.
        if (at == 0)
            return R::NoValue;
        text.truncate(at);
    }
    const int limit = maxLength(box);
    if (limit < 0 || text.size() <= limit) {
        m_writer->setValue(box, text);
        return text.isEmpty() ? R::NoValue : R::Written;
    }
    if (!digits) {
        m_report.note(box, R::DoesNotFit, limit, int(text.size()));
        return R::DoesNotFit;
    }
    // The boxes of the row from this one on, while each is a number box
    // that takes a set number of characters.
    QVector<int> limits;
    QVector<int> sums;
    const QVector<Digits> ways = digitsOf(text);
    for (const PageElement& next : row) {
        const int nextLimit = maxLength(next);
        if (nextLimit <= 0 || !isNumberBox(next))
            break;
        limits << nextLimit;
        sums << (sums.isEmpty() ? 0 : sums.last()) + nextLimit;
        for (const Digits& way : ways) {
            if (way.digits.size() != sums.last() || (way.code > 0 && !sums.contains(way.code)))
                continue;
            int from = 0;
            for (int j = 0; j < limits.size(); ++j) {
                m_writer->setValue(row.at(j), way.digits.mid(from, limits.at(j)));
                from += limits.at(j);
            }
            return R::Written;
        }
    }
    m_report.note(box, R::DoesNotFit, limit, int(text.size()));
    return R::DoesNotFit;
}

bool SmartFill::boxNamed(const PageElement& box, const QStringList& wanted)
{
    const QString text = optionKey(box.dom()->labelText(box));
    const QString value = valueKey(box.attribute(QStringLiteral("value")));
    for (const QString& name : wanted) {
        const QString key = optionKey(name);
        if (!key.isEmpty() && (key == text || key == value))
            return true;
    }
    return false;
}

void SmartFill::choose(const PageElement& element, const QStringList& wanted)
{
    if (wanted.isEmpty()) {
        noteRow({element}, R::NoValue);
        return;
    }
    if (isNumberBox(element)) {
        static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
        const int limit = maxLength(element);
        QString digits;
        for (const QString& text : wanted) {
            if (digitsOnly.match(text).hasMatch() && text.size() > digits.size() && (limit < 0 || text.size() <= limit))
                digits = text;
        }
        if (!digits.isEmpty())
            m_writer->setValue(element, digits);
        noteRow({element}, digits.isEmpty() ? R::NoOption : R::Written);
        return;
    }
    if (SelectorManager::elementType(element) != SelectorManager::TypeCheckbox) {
        noteRow({element}, chooseOption(element, wanted) ? R::Written : R::NoOption);
        return;
    }
    if (boxNamed(element, wanted)) {
        m_writer->setValue(element, ConstSelector::valueTrue());
        noteRow({element}, R::Written);
        return;
    }
    noteRow({element}, R::NoOption);
}

} // namespace Vexal
