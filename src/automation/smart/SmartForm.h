#pragma once

class QObject;

namespace Vexal {

// The kinds of submission form that smart recognition tells apart by their
// fields; a lookup of no form keeps the general matchers.
enum SmartForm {
    SmartFormNone = -1,
    SmartFormArticle,
    SmartFormDirectory,
    SmartFormRegistration,
    SmartFormSocialBookmark
};

// A recogniser or pass of one form under a name of its own: Base takes the
// form first and the parent second.
template <class Base, SmartForm F>
class SmartFormOf final : public Base
{
public:
    explicit SmartFormOf(QObject* parent)
        : Base(F, parent)
    {
    }
};

} // namespace Vexal
