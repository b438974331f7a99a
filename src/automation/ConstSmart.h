#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Tag, attribute and CSS names that smart recognition compares against
// (always ignoring case). Each getter returns one process-wide constant.
class ConstSmart : public QObject
{
    Q_OBJECT
public:
    static const QString& tagInput();
    static const QString& tagTextArea();
    static const QString& tagButton();
    static const QString& tagSelect();
    static const QString& tagOption();
    static const QString& tagBody();
    static const QString& tagForm();
    static const QString& tagTable();
    static const QString& tagTBody();
    static const QString& tagTr();
    static const QString& tagTd();
    static const QString& tagUl();
    static const QString& tagOl();
    static const QString& tagScript();
    static const QString& tagIFrame();
    static const QString& tagB();
    static const QString& tagStrong();

    static const QString& attrId();
    static const QString& attrName();
    static const QString& attrType();
    static const QString& attrTitle();
    static const QString& attrValue();

    static const QString& typeButton();
    static const QString& typeCheckBox();
    static const QString& typeFile();
    static const QString& typeHidden();
    static const QString& typeImage();
    static const QString& typePassword();
    static const QString& typeRadio();
    static const QString& typeReset();
    static const QString& typeSubmit();
    static const QString& typeText();

    static const QString& cssVisibility();
    static const QString& cssHidden();
    static const QString& cssDisplay();
    static const QString& cssNone();

    // Selector of every control tag, for counting controls below an element.
    static const QString& controlSelector();

private:
    ConstSmart() = default;
};

} // namespace Vexal
