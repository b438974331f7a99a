#pragma once

#include "automation/selector/SelectorLookupText.h"

namespace Vexal {
namespace lookup {

class ShapeWalk;
struct TextShape;

// Reads the text of one element at most once for all the text conditions of a
// step, and answers from what is known of the elements inside it when it can.
struct TextProbe {
    const PageElement& element;
    // Conditions (by index) that an element inside this one decided.
    quint32 inner = 0;
    // Conditions whose answer this element passes on to those around it.
    quint32 outer = 0;
    // The element holds no child element, so its markup is its text.
    int leaf = -1;
    QString markup;
    bool markupRead = false;
    // Not a TEMPLATE element, whose markup is its template's content, not
    // the texts it holds: asked when the markup would decide.
    int markupShowsText = -1;
    bool read = false;
    QString text;
    int laid = -1;
    int html = -1;
    // What is known of the text from the elements inside, asked for before a
    // text that holds elements is read.
    ShapeWalk* walk = nullptr;
    size_t at = 0;
    const TextShape* shape = nullptr;
    // Told of every text read.
    TextBudget* budget = nullptr;
    // What texts read before told the tests of the same step; told of
    // those read here.
    RecentVerdicts* recent = nullptr;
    // Works out what its text tells the elements around it (which needs
    // their layout) and takes what the elements inside it told.
    bool passesOn = false;

    explicit TextProbe(const PageElement& e, quint32 known = 0)
        : element(e)
        , inner(known)
    {
    }

    bool isLaidOut()
    {
        if (laid < 0)
            laid = laidOut(element) ? 1 : 0;
        return laid == 1;
    }

    // Whether the element passes the condition (the "index"th of its step).
    bool test(const SelectorAttribute* attribute, int index);

private:
    bool showsText();
};

// The text conditions of a step, where those that need no text left the
// answer to them.
bool textsPass(TextProbe& probe, const Selector* step);
// A step's conditions with the text ones answered through the probe.
bool probeStep(TextProbe& probe, const Selector* step, int pos, int count);

} // namespace lookup
} // namespace Vexal
