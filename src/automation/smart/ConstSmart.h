#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Tag, attribute and CSS names that smart recognition compares against
// (always ignoring case). Each getter returns one process-wide constant.
namespace ConstSmart {

const QString& tagInput();
const QString& tagTextArea();
const QString& tagButton();
const QString& tagSelect();
const QString& tagOption();
const QString& tagBody();
const QString& tagForm();
const QString& tagTable();
const QString& tagTBody();
const QString& tagTr();
const QString& tagTd();
const QString& tagUl();
const QString& tagOl();
const QString& tagScript();
const QString& tagIFrame();
const QString& tagB();
const QString& tagStrong();

const QString& attrId();
const QString& attrName();
const QString& attrType();
const QString& attrTitle();
const QString& attrValue();

const QString& typeButton();
const QString& typeCheckBox();
const QString& typeFile();
const QString& typeHidden();
const QString& typeImage();
const QString& typePassword();
const QString& typeRadio();
const QString& typeReset();
const QString& typeSubmit();
const QString& typeText();

const QString& cssVisibility();
const QString& cssHidden();
const QString& cssDisplay();
const QString& cssNone();

// Selector of every control tag, for counting controls below an element.
const QString& controlSelector();

} // namespace ConstSmart

} // namespace Vexal
