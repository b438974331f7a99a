#pragma once

#include "shell/PageDom.h"

#include <QList>

namespace Vexal {

class SmartKeywords;
class SmartLabel;

// What a form's label sequence (SmartLabelLookup) says of a box that the
// fill needs to know: the part of an address it takes, the number it
// continues, whether the form must have it, how many characters it takes.
// Each function takes the sequence and the index of a box's entry in it,
// but the last two, which tell an option of a choice list that only asks
// for a choice (the fill never picks it, the report counts a list left at
// it as left).
namespace SmartBoxFacts {

// The box at the entry asks for the part of an address before its "@": its
// own text right after it begins with "@" and a domain ("@post.example"), or
// is a lone "@" before a choice list, or the choice list right after it
// offers "@" and domains.
bool followedByDomain(const QList<SmartLabel*>& labels, int index);
// The box at entry "to" continues the number of the box at entry "from"
// (one number over boxes: "(555) 123-4567"): both short boxes (at most five
// characters) in one parent, with nothing but separators between.
bool continuesNumber(const QList<SmartLabel*>& labels, int from, int to);
// The box at entry "to" is the suffix of the number in the box at entry
// "from" (an extension, the four digits after a ZIP code): a shorter box in
// the same parent, with nothing but separators between.
bool suffixOf(const QList<SmartLabel*>& labels, int from, int to);
// The form must have the box of that type (at the entry, -1 for none): the
// page says so ("required", aria-required="true"), or its own label bears
// the mark: a text of its own that begins or ends with a star ("* State:",
// "Country *", a star alone), or a word that says so in brackets
// ("(required)"); a note that says what the stars mean ("* Required
// fields", a row of the table's RequiredNote) is none. A star right before
// the next box that takes text marks that box, not this one: one that ends
// a caption in the box's parent ("Same as above", then "Street *" and its
// box), or one that begins a caption. Else a page framework's own mark on
// a box that is no check box: its class, its attributes, a required group
// of radios around it.
bool required(const PageElement& box, int type, const QList<SmartLabel*>& labels, int index,
              const SmartKeywords& keywords);
// The text without the words in brackets that say its box is required.
QString withoutRequiredWords(const QString& text, const SmartKeywords& keywords);
// The number of characters a box takes: its "maxlength", else its "size";
// -1 when it sets neither.
int boxLength(const PageElement& box);

// An option that only asks for a choice: its value is empty, "-1", "0"
// or mere marks ("--"), and its text too, or a request ("Select...",
// "Choose one") or the bare name of its list ("Month", "Year of birth"),
// in the words of the recognition table.
bool isPlaceholder(const PageElement& option);
// A text that asks for a choice instead of being one: nothing but marks,
// a request or the bare name of its list in the words of the
// recognition table, or, in any language, words set between marks
// ("-- Bitte wählen --", "[ Seleccione ]") or ending in an ellipsis
// ("Kies...").
bool isPrompt(const QString& text);

} // namespace SmartBoxFacts

} // namespace Vexal
